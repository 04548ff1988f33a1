// Draws one schematic object in its own colors, at the extent the server reports for it.
#pragma once

#include "hostsim/plexa/PartLibrary.h"
#include "hostsim/render/SvgWriter.h"

namespace hostsim {

// Line widths of the host (0 smallest to 3 largest) as picture stroke widths.
double strokeWidth(uint8_t lineWidth);

// Every kind but parts; `emphasis` replaces the object's color (a route to show), -1 keeps it.
void paintObject(SvgWriter& svg, const SheetObject& object, int32_t emphasis = -1);

// A part: its library body, its visible pins with their names and numbers, and its visible texts.
void paintPart(SvgWriter& svg, const SheetObject& part, const PartLibrary& library);

} // namespace hostsim
