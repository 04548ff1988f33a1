#include "hostsim/plexa/ObjectCodec.h"

#include <algorithm>
#include <map>

#include "hostsim/plexa/PartPlacer.h"
#include "hostsim/plexa/SheetFields.h"

namespace hostsim {

namespace {

const SheetObject& defaultObject(Kind kind) {
    static std::map<Kind, std::unique_ptr<SheetObject>> defaults;
    auto& object = defaults[kind];
    if (!object)
        object = makeObject(kind);
    return *object;
}

const KindInfo& readKind(const Json& json, const std::string& place, ObjectContext context) {
    requireObject(json, place);
    const auto kind = json.find("kind");
    if (kind == json.end())
        throw FormatError(place, "the object has no \"kind\"");
    const std::string name = readText(*kind, childPlace(place, "kind"));
    const KindInfo* info = findKind(name);
    const bool allowed = info && (context == ObjectContext::Sheet
                                      ? info->onSheet
                                      : info->kind == Kind::Pin || (info->onSheet && info->kind != Kind::Part));
    if (!allowed)
        throw FormatError(childPlace(place, "kind"),
                          "\"" + name + "\" is not a kind of object " +
                              (context == ObjectContext::Sheet ? "a sheet holds" : "a library part is drawn with"));
    return *info;
}

void readPartText(const Json& json, const std::string& place, SheetObject& text) {
    readFields(objectFields(text.kind), static_cast<ObjectFields&>(text), json, place);
    if (json.contains("location"))
        text.autoPlace = false;
}

void readPin(const Json& json, const std::string& place, SheetObject& pin) {
    for (const auto& [key, value] : requireObject(json, place).items()) {
        const std::string at = childPlace(place, key);
        if (key == "kind")
            continue;
        if (!readField(objectFields(Kind::Pin), static_cast<ObjectFields&>(pin), key, value, at) &&
            !readField(pinFields(), *pin.pin, key, value, at))
            throw FormatError(at, "unknown field \"" + key + "\"");
    }
}

void readPartMember(const std::string& key, const Json& value, const std::string& at, SheetObject& part) {
    PartRecord& record = *part.part;
    if (key == "designator") {
        readPartText(value, at, *record.designator);
    } else if (key == "partType") {
        readPartText(value, at, *record.partType);
    } else if (key == "comment") {
        record.comment = makePartText(Kind::Text);
        readPartText(value, at, *record.comment);
    } else if (key == "descriptions") {
        const Json& list = requireArray(value, at);
        if (list.size() > PartDescriptionCount)
            throw FormatError(at, "a part has at most 16 descriptions, found " + std::to_string(list.size()));
        for (size_t i = 0; i < list.size(); ++i) {
            record.descriptions[i] = makePartText(Kind::Text);
            readPartText(list[i], childPlace(at, i), *record.descriptions[i]);
        }
    } else if (key == "extraTexts") {
        const Json& list = requireArray(value, at);
        if (list.size() > PartExtraTextCount)
            throw FormatError(at, "a part has at most 8 extra texts, found " + std::to_string(list.size()));
        for (size_t i = 0; i < list.size(); ++i)
            record.extraTexts[i] = readText(list[i], childPlace(at, i));
    } else if (key == "component") {
        readFields(componentFields(), record.component, value, at);
    } else if (key == "pins") {
        const Json& list = requireArray(value, at);
        record.pinsFromLibrary = false;
        for (size_t i = 0; i < list.size(); ++i) {
            auto pin = makeObject(Kind::Pin);
            readPin(list[i], childPlace(at, i), *pin);
            record.pins.push_back(std::move(pin));
        }
    } else if (!readField(partFields(), static_cast<PartFields&>(record), key, value, at)) {
        throw FormatError(at, "unknown field \"" + key + "\"");
    }
}

Json writeText(const SheetObject& part, const SheetObject& text, const SheetObject& defaults) {
    Json out = Json::object();
    writeFields(objectFields(text.kind), static_cast<const ObjectFields&>(text),
                static_cast<const ObjectFields&>(defaults), out);
    if (text.location == defaultTextLocation(part, text))
        out.erase("location");
    else
        out["location"] = writePoint(text.location);
    return out;
}

bool samePins(const std::vector<std::unique_ptr<SheetObject>>& a, const std::vector<std::unique_ptr<SheetObject>>& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const auto& x, const auto& y) {
        return static_cast<const ObjectFields&>(*x) == static_cast<const ObjectFields&>(*y) && *x->pin == *y->pin;
    });
}

Json writePin(const SheetObject& pin) {
    const SheetObject& defaults = defaultObject(Kind::Pin);
    Json out = Json::object();
    out["location"] = writePoint(pin.location);
    writeFields(objectFields(Kind::Pin), static_cast<const ObjectFields&>(pin),
                static_cast<const ObjectFields&>(defaults), out);
    writeFields(pinFields(), *pin.pin, *defaults.pin, out);
    return out;
}

void writePart(const SheetObject& part, const PartLibrary& library, Json& out) {
    const PartRecord& record = *part.part;
    const PartRecord& defaults = *defaultObject(Kind::Part).part;
    writeFields(partFields(), static_cast<const PartFields&>(record), static_cast<const PartFields&>(defaults), out);
    out["designator"] = writeText(part, *record.designator, *defaults.designator);
    out["partType"] = writeText(part, *record.partType, *defaults.partType);

    Json descriptions = Json::array();
    for (int i = 0; i < PartDescriptionCount; ++i) {
        const auto& description = record.descriptions[i];
        descriptions.push_back(description ? writeText(part, *description, *defaults.descriptions[i]) : Json::object());
    }
    while (!descriptions.empty() && descriptions.back().empty())
        descriptions.erase(descriptions.size() - 1);
    if (!descriptions.empty())
        out["descriptions"] = descriptions;

    const Json comment = record.comment ? writeText(part, *record.comment, *defaults.comment) : Json::object();
    if (!comment.empty())
        out["comment"] = comment;

    Json extraTexts(record.extraTexts);
    while (!extraTexts.empty() && extraTexts.back().get<std::string>().empty())
        extraTexts.erase(extraTexts.size() - 1);
    if (!extraTexts.empty())
        out["extraTexts"] = extraTexts;

    Json component = Json::object();
    writeFields(componentFields(), record.component, defaults.component, component);
    if (!component.empty())
        out["component"] = component;

    if (!samePins(record.pins, libraryPins(part, library))) {
        Json pins = Json::array();
        for (const auto& pin : record.pins)
            pins.push_back(writePin(*pin));
        out["pins"] = pins;
    }
}

} // namespace

std::unique_ptr<SheetObject> readObject(const Json& json, const std::string& place, ObjectContext context) {
    const KindInfo& info = readKind(json, place, context);
    auto object = makeObject(info.kind, false);
    if (info.kind == Kind::Pin) {
        readPin(json, place, *object);
        return object;
    }
    for (const auto& [key, value] : json.items()) {
        const std::string at = childPlace(place, key);
        if (key == "kind")
            continue;
        if (key == "vertices" && info.shape == Shape::Vertices) {
            object->vertices = readPoints(value, at);
            if (!object->vertices.empty())
                object->location = object->vertices.front();
        } else if (readField(objectFields(info.kind), static_cast<ObjectFields&>(*object), key, value, at)) {
            continue;
        } else if (object->part) {
            readPartMember(key, value, at, *object);
        } else {
            throw FormatError(at, "unknown field \"" + key + "\" for a " + std::string(info.name));
        }
    }
    return object;
}

Json writeObject(const SheetObject& object, const PartLibrary& library) {
    if (object.kind == Kind::Pin) {
        Json out = Json{{"kind", "pin"}};
        out.update(writePin(object));
        return out;
    }
    const KindInfo& info = kindInfo(object.kind);
    Json out = Json::object();
    out["kind"] = info.name;
    if (info.shape == Shape::Vertices) {
        Json vertices = Json::array();
        for (const Point& vertex : object.vertices)
            vertices.push_back(writePoint(vertex));
        out["vertices"] = vertices;
    } else {
        out["location"] = writePoint(object.location);
    }
    writeFields(objectFields(object.kind), static_cast<const ObjectFields&>(object),
                static_cast<const ObjectFields&>(defaultObject(object.kind)), out);
    if (object.part)
        writePart(object, library, out);
    return out;
}

} // namespace hostsim
