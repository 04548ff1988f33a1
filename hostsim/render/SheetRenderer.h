// A picture of a whole sheet: its frame and title block, every object, the selection, and routes to show.
#pragma once

#include <string>
#include <vector>

#include "hostsim/plexa/Document.h"

namespace hostsim {

struct RenderOptions {
    std::vector<Handle> routes; // wires drawn emphasised on top (the routes a router made)
    int32_t maxPixels = 4000;   // the longer side of the picture at most
};

TESSELLON_EXPORT std::string renderSheet(const Document& document, const RenderOptions& options = {});

} // namespace hostsim
