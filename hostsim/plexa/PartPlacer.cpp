#include "hostsim/plexa/PartPlacer.h"

#include "hostsim/plexa/ObjectBounds.h"

#include <optional>

namespace hostsim {

namespace {

constexpr int32_t TextGap = 2;

// Quarter turns and mirroring keep a rectangle upright, so the library body's extent is placed by its corners.
Rect bodyExtent(const SheetObject& part, const PartLibrary& library) {
    const LibraryPart* libraryPart = libraryPartOf(part, library);
    std::optional<Rect> extent;
    if (!libraryPart)
        return Rect::fromCorners(part.location, part.location);
    for (const auto& item : libraryPart->items) {
        if (item->kind == Kind::Pin)
            continue;
        const Rect bounds = boundsOf(*item);
        extent = extent ? extent->united(bounds) : bounds;
    }
    if (!extent)
        return Rect::fromCorners(part.location, part.location);
    const Placement placement = Placement::of(part);
    return Rect::fromCorners(placement.apply({extent->left, extent->bottom}),
                             placement.apply({extent->right, extent->top}));
}

void placeTexts(SheetObject& part) {
    for (SheetObject* text : part.part->texts()) {
        if (!text->autoPlace)
            continue;
        text->autoPlace = false;
        text->location = defaultTextLocation(part, *text);
    }
}

// The pins (or else the body items) of the part's library part, placed for the part.
std::vector<std::unique_ptr<SheetObject>> placedItems(const SheetObject& part, const PartLibrary& library, bool pins) {
    std::vector<std::unique_ptr<SheetObject>> placed;
    const LibraryPart* libraryPart = libraryPartOf(part, library);
    if (!libraryPart)
        return placed;
    const Placement placement = Placement::of(part);
    for (const auto& item : libraryPart->items) {
        if ((item->kind == Kind::Pin) == pins)
            placed.push_back(placeItem(*item, placement));
    }
    return placed;
}

Point turnedCorner(Point p, const Placement& from, const Placement& to) {
    return to.apply(from.invert(p));
}

} // namespace

Point defaultTextLocation(const SheetObject& part, const SheetObject& text) {
    const Rect& body = part.part->body;
    const bool designator = &text == part.part->designator.get();
    if (part.part->orientation & 1) {
        // A part turned by a quarter has its texts beside it, the designator above the middle.
        const int64_t middle = (int64_t{body.bottom} + body.top) / 2;
        return {saturate(int64_t{body.right} + 2 * TextGap),
                saturate(designator ? middle + TextGap : middle - TextGap - TextHeight)};
    }
    if (designator)
        return {body.left, saturate(int64_t{body.top} + TextGap)};
    return {body.left, saturate(int64_t{body.bottom} - TextGap - TextHeight)};
}

void completeTexts(SheetObject& part) {
    PartRecord& record = *part.part;
    const auto complete = [&](std::unique_ptr<SheetObject>& text) {
        if (text)
            return;
        text = makePartText(Kind::Text);
        text->autoPlace = false;
        text->location = defaultTextLocation(part, *text);
        if (part.handle)
            text->attach(part.document, &part);
    };
    for (auto& description : record.descriptions)
        complete(description);
    complete(record.comment);
}

std::vector<std::unique_ptr<SheetObject>> libraryPins(const SheetObject& part, const PartLibrary& library) {
    auto pins = placedItems(part, library, true);
    for (auto& pin : pins) {
        pin->ownerPartId = part.part->partId;
        pin->ownerDisplayMode = part.part->compDisplayMode;
    }
    return pins;
}

const LibraryPart* libraryPartOf(const SheetObject& part, const PartLibrary& library) {
    const LibraryComponent* component = library.find(part.part->libReference);
    return component ? component->findPart(part.part->partId, part.part->compDisplayMode) : nullptr;
}

void replacePins(SheetObject& part, const PartLibrary& library) {
    PartRecord& record = *part.part;
    record.pins = libraryPins(part, library);
    record.pinsFromLibrary = false;
    if (part.handle) {
        for (auto& pin : record.pins)
            pin->attach(part.document, &part);
    }
    record.body = bodyExtent(part, library);
}

void placePart(SheetObject& part, const PartLibrary& library) {
    if (part.part->pinsFromLibrary)
        replacePins(part, library);
    else
        part.part->body = bodyExtent(part, library);
    placeTexts(part);
}

void movePart(SheetObject& part, const Placement& from) {
    const Placement to = Placement::of(part);
    PartRecord& record = *part.part;
    for (auto& pin : record.pins)
        replaceItem(*pin, from, to);
    for (SheetObject* text : record.texts())
        text->location = turnedCorner(text->location, from, to);
    record.body = Rect::fromCorners(turnedCorner({record.body.left, record.body.bottom}, from, to),
                                    turnedCorner({record.body.right, record.body.top}, from, to));
}

std::vector<std::unique_ptr<SheetObject>> placedBody(const SheetObject& part, const PartLibrary& library) {
    return placedItems(part, library, false);
}

} // namespace hostsim
