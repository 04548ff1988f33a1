// Checks a routed wire against the sheet it was routed on, with the rectangles the schematic server reports.
#pragma once

#include "hostsim/plexa/Document.h"

#include <string>
#include <vector>

namespace e2e {

// Empty when Route is a sound route from Start to Goal on Sheet: at least two vertices, first Start and last Goal,
// every segment horizontal or vertical, and no segment entering a part's body, its visible designator or a free
// text's rectangle, except that the first segment may leave the rectangle holding Start and the last may enter the
// one holding Goal (a pin end). Otherwise the faults, one per line.
std::string CheckRoute(const hostsim::Document& sheet, const std::vector<hostsim::Point>& route, hostsim::Point start,
                       hostsim::Point goal);

} // namespace e2e
