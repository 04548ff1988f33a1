// A search edge of the route search: an axis-parallel segment on a side of a free window (or of an obstacle touching
// it), with the pass point where the path crosses it and the cost with which it waits to be expanded.
#pragma once

#include "router/Rectangle.h"

#include <cstdint>

namespace wirewright {

class TObstacleTree;

// Cost of an edge that must not be expanded.
constexpr int32_t BlockedCost = 100000;

// Edge kinds.
constexpr uint8_t ekLine = 0;     // along a wire or other line obstacle: may be crossed at a price
constexpr uint8_t ekObstacle = 1; // along a blocking obstacle: never expanded
constexpr uint8_t ekFree = 2;

// A horizontal edge (side sdBottom or sdTop) runs left to right, A.X <= B.X; a vertical one (sdLeft or sdRight) top
// to bottom, A.Y >= B.Y. Side is the way it faces: the direction in which the search goes on through it. Edges are
// plain records, copied freely; the search owns them (TEdgePool), lists only refer to them.
class TEdge {
public:
    // Fields in their declared order; those that the constructor does not set start at zero, false or none.
    bool AtLineEnd = false; // has a parent and its pass point touches a line at the line's end: revise, not expand
    TBoundingRect Corridor; // the strip of the window that the edge spans
    TSide PathShape = sdLeft;
    int32_t PathLength = 0; // from the start exit to Pass
    TSide SlideSide = sdLeft;
    uint8_t Kind = ekLine;
    TSide Side;
    bool PassFree = true;
    bool PassTouchesLine = false;
    bool EntryOnLine = false;
    bool PassAtLineEnd = false;
    bool PassOutside = false;
    int32_t SlideTurns = 0;
    TPoint SavedPass; // the pass point as first placed
    TEdge* Parent;    // not owned; none for edges of the first window
    TSide ParentSide;
    TPoint Entry; // the parent's pass point, or the start exit
    TPoint Pass;
    uint8_t ParentKind = ekLine;
    int32_t Remaining = 0; // from Pass to the goal entry
    TPoint A;
    TPoint B;
    int32_t CrossesLine = 0;
    int32_t Estimate = 0;
    int32_t Cost = 0;

    // --- Construction and geometry --------------------------------------------------------------------------------

    // ParentSide is the parent's Side, or Side without a parent; Corridor starts unset.
    TEdge(TPoint AA, TPoint AB, TSide ASide, TEdge* AParent);

    // Every field of Source, the corridor's coordinates and the parent reference included.
    void Assign(const TEdge& Source);
    // B.X - A.X when the X differ, else A.Y - B.Y.
    int32_t Length() const;
    bool IsPoint() const;
    // Cuts this edge to E's extent: the smaller A.Y, larger B.Y, larger A.X and smaller B.X (all four, always).
    void ClipToSpan(const TEdge& E);
    // Corridor := the strip of Window that this edge spans, across the window's full depth.
    void SetCorridor(const TBoundingRect& Window);

    // --- Pass point and cost (EdgePass.cpp) -------------------------------------------------------------------------

    // Entry, ParentKind, ParentSide and EntryOnLine from the parent, or from StartExit for an edge of the first window.
    void SetEntry(TPoint StartExit, const TObstacleTree& Tree);
    // Pass where the line from Entry toward GoalEntry meets the edge (or below the midpoint of Entry and Goal when
    // the edge does not separate them), kept on the edge, snapped and kept off wires; sets the pass flags and
    // SavedPass. Start is not used.
    void PlacePass(TPoint Start, TPoint Goal, TPoint GoalEntry, int32_t Grid, const TObstacleTree& Tree, bool Snap);
    // Pass := P kept within A..B, snapped when Snap.
    void ClampPass(TPoint P, int32_t Grid, bool Snap);
    // P moved onto the grid: across the edge toward the window's side, along it to the nearest grid line on the edge.
    TPoint SnapPass(TPoint P, int32_t Grid) const;
    // Moves Pass off wire ends and crossings and sets PassFree, PassTouchesLine, PassOutside, PassAtLineEnd.
    void AdjustPass(int32_t Grid, const TObstacleTree& Tree, bool Snap);
    // PathShape, PathLength, Remaining, Estimate, CrossesLine and Cost (BlockedCost when the edge must not be
    // expanded).
    void Evaluate(TPoint Start, TPoint Goal, TPoint GoalEntry, int32_t AvoidLevel, const TObstacleTree& Tree);
    // Slides toward the goal's side first.
    void SetSlideSide(TPoint StartExit, TPoint GoalEntry);
    // One grid step along SlideSide; past an end the slide turns and restarts from SavedPass; the second turn
    // exhausts the edge (PathShape sdNone).
    void SlidePass(TPoint StartExit, TPoint GoalEntry, const TObstacleTree& Tree, int32_t Grid);
    // Turns the slide (counting a turn) and puts Pass back to SavedPass.
    void ReverseSlide();
};

// The distance from P to Q, truncated toward zero.
int32_t Distance(TPoint P, TPoint Q);

} // namespace wirewright
