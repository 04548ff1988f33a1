// Placing a part from its library component: its pins, the extent of its body and where its texts go; and
// carrying pins and texts along when the part moves, turns or is mirrored.
#pragma once

#include <memory>
#include <vector>

#include "hostsim/plexa/PartLibrary.h"
#include "hostsim/plexa/Placement.h"

namespace hostsim {

// The library part a part shows, or none.
TESSELLON_EXPORT const LibraryPart* libraryPartOf(const SheetObject& part, const PartLibrary& library);

// Gives the part the pins of its library part (unless it keeps pins of its own), the extent of its body, and a
// place to each text that has none yet: the designator above the body, the part type below it.
TESSELLON_EXPORT void placePart(SheetObject& part, const PartLibrary& library);

// Where a text of the part goes when it has no place of its own: the designator above the body, the others below.
TESSELLON_EXPORT Point defaultTextLocation(const SheetObject& part, const SheetObject& text);

// Makes the descriptions and the comment the part does not have yet, with their defaults and places, so that each
// has a handle.
TESSELLON_EXPORT void completeTexts(SheetObject& part);

// The pins the part's library part gives it as placed; none without a library part.
TESSELLON_EXPORT std::vector<std::unique_ptr<SheetObject>> libraryPins(const SheetObject& part,
                                                                       const PartLibrary& library);

// Takes the part's pins anew from its library part (after its library reference, part id or display mode changed).
TESSELLON_EXPORT void replacePins(SheetObject& part, const PartLibrary& library);

// After the part's location, orientation or mirroring changed from `from`: its pins, texts and body follow.
TESSELLON_EXPORT void movePart(SheetObject& part, const Placement& from);

// The body items of the part's library part, placed on the sheet (pins excluded), for drawing.
TESSELLON_EXPORT std::vector<std::unique_ptr<SheetObject>> placedBody(const SheetObject& part,
                                                                      const PartLibrary& library);

} // namespace hostsim
