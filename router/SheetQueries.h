// Questions the route search asks of the sheet itself rather than of the obstacle tree: which part pins end at a
// point, in which direction a pin lies, and where a pin's outer end is. P is a point of the current document.
#pragma once

#include "router/New_SchAPITypes.h"
#include "router/Rectangle.h"

namespace wirewright {

class TObstacleTree;
class TSchPart;

// True when pins of two different parts both have a corner of their rectangle at P.
bool TwoPinsAt(TPoint P);
// True when no pin end of the part at P lies further than P in direction Side on P's row or column (also true when
// no part lies at P).
bool IsOutermostPinEnd(TPoint P, TSide Side);
// SegmentOrientation of the first pin, of the first part at P, with a corner at P: sdTop vertical, sdRight
// horizontal, sdBoth oblique; sdNone when there is none.
TSide PinOrientationAt(TPoint P);
// The end of library pin PinItem, placed on the sheet as Part places it, that lies on the part's outline. Part must
// have been read.
TPoint PinHotSpot(const TSchPart& Part, THostHandle PinItem);
// A line obstacle ends at P, P lies in a part body less Margin, and a line obstacle through P runs in the
// orientation of the pin at P.
bool WireLeavesPinAt(const TObstacleTree& Tree, TPoint P, int32_t Margin);
// The pin's hidden flag; true for a nil handle.
bool IsPinHidden(THostHandle PinHandle);
// The document's SnapToGrid option; true for a nil handle.
bool SheetSnapsToGrid(THostHandle DocumentHandle);

} // namespace wirewright
