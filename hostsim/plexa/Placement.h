// Where a library item lands on the sheet: mirrored about the library's vertical axis when the part is mirrored,
// turned by the part's orientation in quarter turns counter-clockwise, then moved to the part's location.
#pragma once

#include <memory>

#include "hostsim/plexa/SheetObject.h"

namespace hostsim {

struct TESSELLON_EXPORT Placement {
    Point location;
    uint8_t orientation = 0;
    bool mirrored = false;

    static Placement of(const SheetObject& part);

    Point apply(Point library) const;
    Point invert(Point sheet) const;
    // A quarter-turn direction (0 right, 1 up, 2 left, 3 down) as placed.
    uint8_t applyDirection(uint8_t library) const;
    uint8_t invertDirection(uint8_t sheet) const;
};

// The copy of a library item placed on the sheet: every point, direction, angle and radius transformed.
TESSELLON_EXPORT std::unique_ptr<SheetObject> placeItem(const SheetObject& item, const Placement& placement);

// Moves a placed item from one placement to another (the part was moved, turned or mirrored).
void replaceItem(SheetObject& item, const Placement& from, const Placement& to);

} // namespace hostsim
