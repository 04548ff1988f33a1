// The host's one-byte object kinds and the names sheet files give them.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "platform/Abi.h"

namespace hostsim {

enum class Kind : uint8_t {
    Arc = 1,
    Bezier = 2,
    Bus = 3,
    BusEntry = 4,
    Text = 5,
    Ellipse = 6,
    EllipticalArc = 7,
    ErrorMarker = 8,
    Image = 9,
    Junction = 10,
    Annotation = 11,
    LayoutDirective = 12,
    Line = 13,
    NetLabel = 14,
    NoErc = 15,
    Part = 16,
    Designator = 17,
    PartType = 35,
    Pie = 36,
    Pin = 37,
    Polygon = 38,
    Polyline = 39,
    Port = 40,
    PowerObject = 41,
    Rectangle = 43,
    RoundRectangle = 44,
    SimProbe = 47,
    SimStimulus = 48,
    SimVector = 49,
    Symbol = 50,
    Wire = 54,
};

// How a kind is laid out on the sheet.
enum class Shape : uint8_t {
    Point,    // a location
    TwoPoint, // a location and a second point (corner or end)
    Vertices, // a vertex list; the location is the first vertex
    Part,     // a placed library component with its pins and texts
    Pin,      // a location (the outer end), a length and a direction
};

struct KindInfo {
    Kind kind;
    std::string_view name; // the name in sheet and library files
    Shape shape;
    bool onSheet; // may stand alone on a sheet (pins and part texts belong to parts)
};

TESSELLON_EXPORT std::span<const KindInfo> allKinds();
TESSELLON_EXPORT const KindInfo* findKind(uint8_t code);
TESSELLON_EXPORT const KindInfo* findKind(std::string_view name);
TESSELLON_EXPORT const KindInfo& kindInfo(Kind kind);

// 64-bit kind set of the spatial queries: bit k stands for kind k.
using KindSet = uint64_t;
constexpr KindSet AllKinds = ~KindSet{0};
constexpr bool kindSetHas(KindSet set, Kind kind) {
    const auto code = static_cast<uint8_t>(kind);
    return code < 64 && ((set >> code) & 1);
}

} // namespace hostsim
