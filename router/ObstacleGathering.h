// How the sheet fills an obstacle tree: every sheet object becomes one or more obstacle rectangles grown by the
// clearance margin, parts split into a body and pin bands so that routes can reach pin ends, and the sheet's border and
// title block close the routing area. Routed wires and drawn segments are added the same way afterwards.
#pragma once

#include "router/New_SchAPITypes.h"
#include "router/ObstacleTree.h"
#include "router/Rectangle.h"

#include <cstdint>

namespace wirewright {

// Inserts every obstacle of the sheet, grown by Margin (0..99), then the sheet border and the title block. Without a
// schematic server only the border and the title block of an unset sheet rectangle are inserted.
void Build(TObstacleTree& Tree, THostHandle SheetHandle, int32_t Margin);
// A wire's straight runs and end marks, as AddPolyline.
void AddWire(TObstacleTree& Tree, THostHandle WireHandle);
// The straight runs (okWire, zero width or height, no margin) of a multi-vertex object and a 3 by 3 mark (okJunction)
// around each end. A run goes on while the next segment keeps its orientation, but the last segment always stands
// alone; oblique segments are no obstacles.
void AddPolyline(TObstacleTree& Tree, THostHandle ObjectHandle);
// A 2-unit-thick rectangle (okRectangle) along the axis-parallel segment P1-P2.
void AddSegment(TObstacleTree& Tree, TPoint P1, TPoint P2);
// A part's pin bands (grown by Margin) and body (grown by Margin + 1), okPart, then its designator. Rect is the part's
// rectangle already grown by Margin.
void AddPart(TObstacleTree& Tree, TBoundingRect Rect, THostHandle PartHandle, int32_t Margin);
// The designator text of a part (okDesignator), widened by Margin sideways and one unit inside vertically; nothing when
// it is hidden or there is none.
void AddDesignator(TObstacleTree& Tree, THostHandle TextHandle, int32_t Margin);
// A text object (okTextObject): the designator's rectangle, hidden or not.
void AddTextObject(TObstacleTree& Tree, THostHandle TextHandle, int32_t Margin);
// A 3 by 3 square (okJunction) around a junction's location.
void AddJunction(TObstacleTree& Tree, THostHandle JunctionHandle);
// Four bands 22 deep along the edges of the current document (okUnknown).
void AddSheetBorder(TObstacleTree& Tree);
// The title block area of the current document (okRectangle), sized by its title block options; none for a title block
// style the router does not know.
void AddTitleBlock(TObstacleTree& Tree);

} // namespace wirewright
