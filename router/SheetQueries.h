// Questions the route search asks of the sheet itself rather than of the obstacle tree: which part pins end at a point,
// in which direction a pin lies, where a pin's outer end is. Each asks the host for the parts at the point (a spatial
// iterator over parts) and reads their pins from the parts' library components. Every iterator, placed copy and wrapper
// is released before they return.
#pragma once

#include "router/New_SchAPITypes.h"
#include "router/New_SchClass.h"
#include "router/Rectangle.h"

#include <cstdint>

namespace wirewright {

class TObstacleTree;

// Pins of two different parts at P both have a corner of their rectangle at P.
bool TwoPinsAt(TPoint P);
// No pin end of the first part at P lies further than P in direction Side on P's row or column; also true when no part
// lies at P.
bool IsOutermostPinEnd(TPoint P, TSide Side);
// SegmentOrientation of the first pin of the first part at P that has a corner at P: sdTop for a vertical pin, sdRight
// for a horizontal one, sdBoth for an oblique one; sdNone when there is none.
TSide PinOrientationAt(TPoint P);
// The end of the library pin item, placed for the read Part (turned by its Orientation, moved to its Location), that
// lies on the part's outline.
TPoint PinHotSpot(TSchPart& Part, THostHandle PinItem);
// A wire leaves the pin at P: a line obstacle ends at P, P lies in a part body, and a line obstacle through P runs in
// the direction of the pin at P.
bool WireLeavesPinAt(const TObstacleTree& Tree, TPoint P, int32_t Margin);
// The pin's hidden flag; true without a pin.
bool IsPinHidden(THostHandle Pin);
// The document's snap-to-grid option; true without a document.
bool SheetSnapsToGrid(THostHandle Document);

} // namespace wirewright
