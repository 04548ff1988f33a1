// The router's spatial index of everything a new wire must avoid or may join: a binary tree over rectangles whose
// split dimension cycles through Left, Bottom, Right and Top with the depth, each node carrying its subtree's bounding
// box. No balancing, no deletion.
//
// Every query walks depth first, low child before high child, skipping each subtree whose box cannot hold an answer,
// and stops at the first leaf that answers true unless said otherwise. A subtree is skipped only when none of its
// leaves could pass the leaf's own test, so each answer is the one a scan over the leaves in walk order would give,
// whatever the tree's shape. The walks keep their own stack, so a degenerate tree (sorted insertion) cannot exhaust
// the thread's stack.
#pragma once

#include "router/Edge.h"
#include "router/EdgeList.h"
#include "router/New_SchAPITypes.h"
#include "router/Obstacle.h"
#include "router/Rectangle.h"

#include <cstdint>
#include <deque>

namespace wirewright {

class TObstacleTree {
public:
    TObstacle* Root = nullptr; // none while the tree is empty
    int32_t GridSize;          // the router instance's routing grid

    // --- Construction and insertion -------------------------------------------------------------------------------

    explicit TObstacleTree(int32_t AGridSize);
    TObstacleTree(const TObstacleTree&) = delete;
    TObstacleTree& operator=(const TObstacleTree&) = delete;

    bool IsEmpty() const { return Root == nullptr; }
    // Inserts a new unmarked leaf of Kind holding a copy of Rect.
    void AddObstacle(const TBoundingRect& Rect, uint8_t Kind);

    // --- Point queries (Margin >= 0 is the clearance the gathering grew obstacles by) -----------------------------

    // P lies in the body of a blocking obstacle: in its rectangle less Margin (kind okPowerObject: less 1; unpadded
    // kinds: as stored). Wires, buses, junctions and wire ends never block a point.
    bool PointBlocked(TPoint P, int32_t Margin) const;
    // P lies in a part obstacle less Margin.
    bool PointInPartBody(TPoint P, int32_t Margin) const;
    // The first part obstacle containing P: Rect := its rectangle.
    bool PartRectAt(TPoint P, TBoundingRect& Rect) const;
    // P lies on a line obstacle.
    bool IsOnLine(TPoint P) const;
    // P is an end of a line obstacle.
    bool IsLineEndAt(TPoint P) const;
    // LineOrientation of the first line obstacle P lies on: sdLeft vertical, sdTop horizontal; sdNone when none.
    TSide LineOrientationAt(TPoint P) const;
    // Some line obstacle that P lies on runs in direction Side (SideMatchesOrientation).
    bool LineAlongAt(TSide Side, TPoint P) const;
    // Two or more line obstacles contain P.
    bool MoreThanOneLineAt(TPoint P) const;
    // Marks every leaf whose rectangle contains P.
    void MarkAt(TPoint P);
    // Pushes P off the border of the first padded obstacle containing it (StepOffBorder on its rectangle, then on
    // the rectangle less Margin; a bus entry's less 1). True when P moved.
    bool StepOffObstacle(TPoint& P, int32_t Margin, int32_t Grid, bool Snap) const;
    // P on the border of a part body less Margin moves to that part's rectangle edge toward Target; every part leaf
    // containing the current P is applied in walk order.
    void SlideAlongPart(TPoint& P, int32_t Margin, TPoint Target) const;

    // --- Segment and edge queries ---------------------------------------------------------------------------------

    // The axis-parallel segment crosses the interior of a blocking obstacle. Wires and buses never block; a junction
    // mark does not block a segment ending at its centre; a text does not block a segment on the line of one of its
    // sides.
    bool SegmentBlocked(TPoint P1, TPoint P2) const;
    // The segment runs along a line obstacle or one of its ends meets two or more line ends (SegmentMeetsLine, never
    // counting the terminals T1, T2). Count grows by the number of line obstacles examined.
    bool PathMeetsLines(TPoint P1, TPoint P2, TPoint T1, TPoint T2, int32_t& Count) const;
    // Appends to List one edge for every obstacle side that faces edge E (the obstacle's side opposite to Direction),
    // clipped to E's extent; kind ekLine for line obstacles, else ekObstacle. Marked junctions are passed over. The
    // new edges belong to Pool.
    void CollectFacingSides(const TEdge& E, TEdgeList& List, TSide Direction, TEdgePool& Pool) const;
    // The nearest obstacles above and below P's row that overlap Window; Window shrinks to them as they are found.
    // Marked junctions are passed over; Above and Below are left as they are when nothing is found on that side.
    void FindNeighboursAboveBelow(TPoint P, TBoundingRect& Window, TBoundingRect& Above, TBoundingRect& Below) const;
    // The same with columns: right and left of P's column.
    void FindNeighboursLeftRight(TPoint P, TBoundingRect& Window, TBoundingRect& RightRect,
                                 TBoundingRect& LeftRect) const;

    // --- L-path tests: the two L-shaped paths from A to B, via K1 = (A.X, B.Y) and K2 = (B.X, A.Y) ----------------
    //
    // Each answers sdBoth when both paths are free, the side of B through which the free path arrives when only one
    // is, and sdNone when neither is.

    // Legs tested with SegmentBlocked.
    TSide ClassifyCorner(TPoint A, TPoint B) const;
    // Legs tested with PathMeetsLines and terminals T1, T2.
    TSide ClassifyCornerByLines(TPoint A, TPoint B, TPoint T1, TPoint T2) const;
    // Both tests, SegmentBlocked even on a zero-length leg. On sdBoth, Count := the larger of the two paths' line
    // counts; otherwise Count is left alone.
    TSide ClassifyCornerFull(TPoint A, TPoint B, TPoint T1, TPoint T2, int32_t& Count) const;

private:
    // Walks from Slot down to an empty slot or a leaf, splitting on coordinate Dimension (0 Left, 1 Bottom, 2 Right,
    // 3 Top) and growing every box passed.
    void Insert(TObstacle*& Slot, TObstacle* Leaf, int Dimension);

    std::deque<TObstacle> Nodes; // every node; fixed addresses
};

} // namespace wirewright
