#include "hostsim/plexa/SheetObject.h"

#include "hostsim/plexa/Document.h"
#include "hostsim/plexa/HandleTable.h"

namespace hostsim {

namespace {

// Colors are stored as the host stores them: 0x00BBGGRR.
constexpr int32_t Navy = 0x800000;
constexpr int32_t Maroon = 0x000080;
constexpr int32_t PaleYellow = 0xB0FFFF;

} // namespace

std::unique_ptr<SheetObject> makePartText(Kind kind) {
    auto text = std::make_unique<SheetObject>();
    text->kind = kind;
    text->isHidden = kind == Kind::Text ? 1 : 0;
    text->color = kind == Kind::Designator ? Navy : 0;
    text->autoPlace = true;
    return text;
}

Point PinRecord::bodyEnd(Point outerEnd) const {
    return stepInDirection(outerEnd, static_cast<uint8_t>(orientation + 2), length);
}

PartRecord::PartRecord() : designator(makePartText(Kind::Designator)), partType(makePartText(Kind::PartType)) {}

PartRecord::~PartRecord() = default;

std::vector<SheetObject*> PartRecord::texts() const {
    std::vector<SheetObject*> result{designator.get()};
    for (const auto& description : descriptions) {
        if (description)
            result.push_back(description.get());
    }
    if (comment)
        result.push_back(comment.get());
    result.push_back(partType.get());
    return result;
}

SheetObject::~SheetObject() {
    if (handle)
        handleTable().remove(handle);
}

void SheetObject::attach(Document* onDocument, SheetObject* ownedBy) {
    if (!handle)
        handle = handleTable().add(HandleType::Object, this);
    document = onDocument;
    owner = ownedBy;
    if (!part)
        return;
    for (SheetObject* text : part->texts())
        text->attach(onDocument, this);
    for (auto& pinObject : part->pins)
        pinObject->attach(onDocument, this);
}

void SheetObject::changed() const {
    if (document)
        document->changed(*this);
}

std::unique_ptr<SheetObject> SheetObject::clone() const {
    auto copy = std::make_unique<SheetObject>();
    static_cast<ObjectFields&>(*copy) = *this;
    if (pin)
        copy->pin = std::make_unique<PinRecord>(*pin);
    if (part) {
        copy->part = std::make_unique<PartRecord>();
        PartRecord& to = *copy->part;
        static_cast<PartFields&>(to) = *part;
        to.designator = part->designator->clone();
        to.partType = part->partType->clone();
        if (part->comment)
            to.comment = part->comment->clone();
        for (int i = 0; i < PartDescriptionCount; ++i) {
            if (part->descriptions[i])
                to.descriptions[i] = part->descriptions[i]->clone();
        }
        for (const auto& pinObject : part->pins)
            to.pins.push_back(pinObject->clone());
    }
    return copy;
}

std::unique_ptr<SheetObject> makeObject(Kind kind, bool allTexts) {
    auto object = std::make_unique<SheetObject>();
    object->kind = kind;
    switch (kind) {
    case Kind::Wire:
    case Kind::Junction:
        object->color = Navy;
        object->lineWidth = 1;
        object->size = 1;
        break;
    case Kind::Bus:
    case Kind::BusEntry:
        object->color = Navy;
        object->lineWidth = 2;
        break;
    case Kind::Port:
        object->color = Maroon;
        object->areaColor = PaleYellow;
        object->textColor = Maroon;
        object->width = 60;
        break;
    case Kind::PowerObject:
        object->color = Maroon;
        object->orientation = 1;
        break;
    case Kind::Rectangle:
    case Kind::RoundRectangle:
    case Kind::Ellipse:
    case Kind::Polygon:
    case Kind::Pie:
        object->color = Maroon;
        object->areaColor = PaleYellow;
        object->lineWidth = 1;
        break;
    case Kind::Part:
        object->part = std::make_unique<PartRecord>();
        if (allTexts) {
            for (auto& description : object->part->descriptions)
                description = makePartText(Kind::Text);
            object->part->comment = makePartText(Kind::Text);
        }
        break;
    case Kind::Pin:
        object->pin = std::make_unique<PinRecord>();
        object->pin->length = 20;
        break;
    default:
        object->lineWidth = 1;
        break;
    }
    return object;
}

} // namespace hostsim
