// The rectangle the server reports for an object, and the layout of the symbols that carry a text. The renderer
// draws with the same layout, so the picture and the reported rectangles agree.
#pragma once

#include <string_view>

#include "hostsim/plexa/SheetObject.h"

namespace hostsim {

// Fixed text metrics of the server: every character is CharWidth wide and TextHeight high.
constexpr int32_t CharWidth = 6;
constexpr int32_t TextHeight = 10;

// A text's rectangle: the anchor is the bottom left corner of the unturned text, which is turned about the anchor
// by `orientation` quarter turns counter-clockwise.
TESSELLON_EXPORT Rect textBounds(Point anchor, std::string_view text, uint8_t orientation);

// A power object: a stem from the location to the tip in the object's direction, a symbol across the tip, and its
// text beyond it.
struct PowerLayout {
    Point tip;
    Rect symbol;
    Point textAnchor;
};
constexpr int32_t PowerStemLength = 10;
constexpr int32_t PowerSymbolHalfWidth = 5;
TESSELLON_EXPORT PowerLayout powerLayout(const SheetObject& power);

// Markers (error markers, simulation probes, stimuli and vectors) are a small square with their text beside it.
constexpr int32_t MarkerHalfSize = 5;
TESSELLON_EXPORT Point markerTextAnchor(const SheetObject& marker);

// Ports run along their width from the location: to the right, or upward for styles 4 to 7.
constexpr int32_t PortHalfHeight = 5;
inline bool portIsVertical(const SheetObject& port) {
    return (port.style & 4) != 0;
}

TESSELLON_EXPORT int32_t junctionRadius(const SheetObject& junction);

TESSELLON_EXPORT Rect boundsOf(const SheetObject& object);

} // namespace hostsim
