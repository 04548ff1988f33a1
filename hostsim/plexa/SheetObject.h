// A schematic object as the server holds it: the common record of every kind, the fields of each kind, and for
// parts and pins their own records. Every value that the host calls exchange is kept, so that a read followed by a
// write changes nothing and a sheet file round trip loses nothing.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "hostsim/plexa/Geometry.h"
#include "hostsim/plexa/ObjectKind.h"
#include "hostsim/plexa/Real48.h"
#include "platform/Abi.h"

namespace hostsim {

using Handle = uint32_t;

class Document;
struct SheetObject;

constexpr int PartDescriptionCount = 16;
constexpr int PartExtraTextCount = 8;

// Values of a pin that only the pin's own query exchanges. The pin's location is its outer (connecting) end; the
// pin runs `length` units from its body end in `orientation` (0 right, 1 up, 2 left, 3 down).
struct PinRecord {
    int32_t length = 0;
    uint8_t orientation = 0;
    std::string name;
    std::string designator;
    std::string description;
    std::string hiddenNetName;
    uint8_t electrical = 0;
    uint8_t showName = 1;
    uint8_t showDesignator = 1;
    int32_t swapIdGroup = 0;
    uint8_t symbolInnerEdge = 0;
    uint8_t isHidden = 0;
    uint8_t symbolOuterEdge = 0;
    uint8_t symbolInside = 0;
    uint8_t symbolOutside = 0;
    uint8_t symbolLineWidth = 0;
    std::string defaultValue;
    std::string formalType;
    int32_t packageLength = 0;

    Point bodyEnd(Point outerEnd) const;
    friend bool operator==(const PinRecord&, const PinRecord&) = default;
};

// Values of a part that only the component query exchanges (the part's location, color, selection, hidden-pin flag,
// designator and item container are the part's own).
struct ComponentRecord {
    std::string libraryPath;
    uint8_t pinsMoveable = 0;
    uint8_t overrideColors = 0;
    int32_t areaColor = 0;
    int32_t pinColor = 0;
    uint8_t graphicallyLocked = 0;
    uint8_t showPinNames = 1;
    uint8_t showPinNumbers = 0;
    uint8_t userConfigurable = 0;
    std::string description;
    std::string libraryName;
    std::string designItemId;
    std::string symbolReference;
    std::string configuration;
    int32_t partCount = 1;
    int32_t variantOption = 0;
    uint8_t designatorLocked = 0;
    uint8_t partIdLocked = 0;
};

// The values of a placed library component.
struct PartFields {
    std::string uniqueId;
    uint8_t compDisplayMode = 0;
    uint8_t isMirrored = 0;
    uint8_t orientation = 0; // quarter turns counter-clockwise
    int32_t partId = 1;
    uint8_t showHiddenFields = 0;
    uint8_t showHiddenPins = 0;
    std::string libReference;
    std::string footprint;
    std::string extraText1;
    int32_t extraValue1 = 0;
    std::array<std::string, PartExtraTextCount> extraTexts;
    std::string extraText2;
    uint8_t extraByte1 = 0;
    uint8_t extraByte2 = 0;
    int32_t extraValue2 = 0;
    int32_t extraValue3 = 0;
    ComponentRecord component;
    // When set, placing the part gives it the pins of its library part (a part read from a file with its own pin
    // list keeps that list).
    bool pinsFromLibrary = true;
    // The extent of the library body as placed, in sheet units; a point at the location without a body.
    Rect body;
};

// A placed library component. Its texts and pins are objects of their own, owned here and reached by handle.
// A part read from a file has only the descriptions and comment the file gives; the others are made, with their
// defaults, when first asked for (completeTexts), so large sheets do not carry thousands of empty texts.
struct TESSELLON_EXPORT PartRecord : PartFields {
    std::unique_ptr<SheetObject> designator;
    std::unique_ptr<SheetObject> partType;
    std::array<std::unique_ptr<SheetObject>, PartDescriptionCount> descriptions;
    std::unique_ptr<SheetObject> comment;
    std::vector<std::unique_ptr<SheetObject>> pins;

    PartRecord();
    PartRecord(const PartRecord&) = delete;
    PartRecord& operator=(const PartRecord&) = delete;
    ~PartRecord();

    // The part's texts that exist, in field order: designator, descriptions 1 to 16, comment, part type.
    std::vector<SheetObject*> texts() const;
};

// The values of an object; which of them a kind uses is in its query and its sheet-file fields.
struct ObjectFields {
    Kind kind = Kind::Wire;
    uint8_t selection = 0;
    Point location;
    int32_t color = 0;
    int32_t ownerPartId = 0;
    uint8_t ownerDisplayMode = 0;
    int32_t tag = 0;

    Point corner; // bus entry, image, rectangles: the opposite corner; line: the second end
    std::vector<Point> vertices;
    uint8_t lineWidth = 0;
    uint8_t lineStyle = 0;
    int32_t radius = 0;
    int32_t secondaryRadius = 0;
    int32_t cornerXRadius = 0;
    int32_t cornerYRadius = 0;
    Real48 startAngle;
    Real48 endAngle;
    int32_t areaColor = 0;
    uint8_t isSolid = 0;
    uint8_t keepAspect = 0;
    uint8_t orientation = 0;
    uint8_t style = 0;
    uint8_t ioType = 0;
    uint8_t alignment = 0;
    int32_t width = 0;
    int32_t textColor = 0;
    std::string text; // text, label, power object and marker texts; port name; image file name
    uint8_t isHidden = 0;
    int32_t fontId = 0;
    uint8_t size = 0;
    uint8_t attribute = 0;
    int32_t routingTrackWidth = 0;
    int32_t routingViaWidth = 0;
    uint8_t netTopology = 0;
    uint8_t routingPriority = 0;
    uint8_t layer = 0;
    uint8_t symbolCode = 0;
    uint8_t symbolMirrored = 0;
    int32_t symbolScale = 0;
    int32_t symbolRotation = 0;
    // Part texts placed where their library puts them when the part is added (set by makeObject, cleared then).
    bool autoPlace = false;

    friend bool operator==(const ObjectFields&, const ObjectFields&) = default;
};

struct TESSELLON_EXPORT SheetObject : ObjectFields {
    Handle handle = 0;                // given when the object is registered with the store
    std::unique_ptr<PartRecord> part; // parts only
    std::unique_ptr<PinRecord> pin;   // pins only

    Document* document = nullptr; // the sheet the object (or its part) lies on; none for loose objects
    SheetObject* owner = nullptr; // the part of a part text or pin

    SheetObject() = default;
    SheetObject(const SheetObject&) = delete;
    SheetObject& operator=(const SheetObject&) = delete;
    ~SheetObject(); // gives its handle back

    // Gives the object (and a part's texts and pins) a handle of the server, on the document and of the owner.
    void attach(Document* onDocument, SheetObject* ownedBy);
    // The document whose spatial index must forget the object's old extent after a change; none for loose objects.
    void changed() const;

    // A deep copy without handles, document or owner.
    std::unique_ptr<SheetObject> clone() const;
};

// A new object of the kind with the server's defaults; a part comes with its 19 texts, or with its designator and
// part type only when allTexts is false.
TESSELLON_EXPORT std::unique_ptr<SheetObject> makeObject(Kind kind, bool allTexts = true);

// A part's text with its defaults: a description or the comment (kind Text, hidden), designator or part type.
TESSELLON_EXPORT std::unique_ptr<SheetObject> makePartText(Kind kind);

} // namespace hostsim
