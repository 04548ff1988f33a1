// The router's rectangle, side codes and point routines. Every test is exact integer arithmetic; which comparisons are
// inclusive and which strict decides touching versus crossing in the route search, so each is documented where it is
// declared.
#pragma once

#include "router/New_SchAPITypes.h"

#include <cstdint>

namespace wirewright {

class TEdge;

// A side of a rectangle, named by its outward direction; also a direction of travel.
enum TSide : uint8_t {
    sdLeft = 0,   // toward -X
    sdBottom = 1, // toward -Y
    sdRight = 2,  // toward +X
    sdTop = 3,    // toward +Y
    sdBoth = 4,   // both corner choices possible; an oblique segment
    sdNone = 5,   // not on the border; no direction; no route
};

// A set of the four sides, bit (1 << side).
using TSides = uint8_t;

constexpr TSides SideBit(TSide Side) {
    return static_cast<TSides>(1u << Side);
}

constexpr TSides AllSides = 15;

// All four fields at this value mean "unset".
constexpr int32_t UnsetCoord = 100000;

// An axis-aligned rectangle in sheet coordinates, Y upward. Kept normalised only by Normalize and SetFromPoints;
// zero-width and zero-height rectangles (line obstacles) are ordinary.
class TBoundingRect {
public:
    int32_t Left = UnsetCoord;
    int32_t Bottom = UnsetCoord;
    int32_t Right = UnsetCoord;
    int32_t Top = UnsetCoord;

    TBoundingRect() = default;
    TBoundingRect(int32_t ALeft, int32_t ABottom, int32_t ARight, int32_t ATop)
        : Left(ALeft), Bottom(ABottom), Right(ARight), Top(ATop) {}

    friend bool operator==(const TBoundingRect&, const TBoundingRect&) = default;

    // --- State --------------------------------------------------------------------------------------------------

    void Assign(const TBoundingRect& Source);
    // False only when all four fields equal UnsetCoord.
    bool IsSet() const;
    bool Equals(const TBoundingRect& Other) const;
    // Normalised rectangle spanned by A and B.
    void SetFromPoints(TPoint A, TPoint B);
    // Left = A.X, Top = A.Y, Right = B.X, Bottom = B.Y, as given.
    void SetCorners(TPoint A, TPoint B);
    void Normalize();
    // The current document's rectangle, as the host reports it (X1, Y1, X2, Y2 into Left, Top, Right, Bottom), not
    // normalised. Unchanged when the schematic server is not bound.
    void SetToSheet();

    // --- Growing and shrinking ----------------------------------------------------------------------------------

    void Inflate(int32_t Amount);
    void Deflate(int32_t Amount);
    void DeflatedCopy(TBoundingRect& Dest, int32_t Amount) const;
    // Moves outward by Amount each side in Sides.
    void InflateSides(TSides Sides, int32_t Amount);
    // Smallest rectangle holding both (fieldwise min/max, set or not).
    TBoundingRect Union(const TBoundingRect& Other) const;
    // Grows to hold Other; an unset rectangle becomes Other.
    void Include(const TBoundingRect& Other);
    // Removes Band, which shares side Side with this rectangle; an unset rectangle becomes Band; an unset Band does
    // nothing.
    void CutSide(const TBoundingRect& Band, TSide Side);

    // --- Point tests ------------------------------------------------------------------------------------------------

    // All four sides inclusive.
    bool ContainsPoint(TPoint P) const;
    bool PointOnBorder(TPoint P) const;
    // sdNone off the border; else the first of top, bottom, right, left whose line holds P (corners belong to the
    // top or bottom side).
    TSide BorderSideOf(TPoint P) const;
    // Moves P outward off the first of the lines Right, Left, Top, Bottom it lies on (extent not compared), by Step
    // when OnGrid, else by Clearance + 1. True when P changed.
    bool StepOffBorder(TPoint& P, int32_t Step, int32_t Clearance, bool OnGrid) const;

    // --- Segment tests (axis-parallel P1-P2 in either order; a single point counts as horizontal) -------------------

    // The segment meets the closed rectangle.
    bool SegmentTouches(TPoint P1, TPoint P2) const;
    // The segment meets the open interior. Against a zero-width rectangle a horizontal segment through its column
    // counts (and likewise vertically): the row or column test is strict, the span test is not.
    bool SegmentCrossesInterior(TPoint P1, TPoint P2) const;
    // The segment lies on the line through a side (the side's extent is not compared).
    bool SegmentOnBorderLine(TPoint P1, TPoint P2) const;
    // For a line obstacle: counts contacts of the segment's ends with the line's ends (never at a terminal T1, T2) and
    // reports collinear overlap. True on overlap or when either counter, as it stands after this call, reaches 2.
    bool SegmentMeetsLine(TPoint P1, TPoint P2, TPoint T1, TPoint T2, int32_t& StartHits, int32_t& EndHits) const;

    // --- Rectangle tests ------------------------------------------------------------------------------------------

    // sdLeft for a vertical line (also a single point), sdTop for a horizontal line, else sdNone.
    TSide LineOrientation() const;
    // Sixteen conditions: a shared side or corner does not overlap; equal rectangles do; a line lying on a side and
    // spanning it does.
    bool Overlaps(const TBoundingRect& Other) const;

    // --- Edges of this rectangle and edges against it (defined with the edge record, in Edge.cpp) -----------------

    // The sides as new edges, each facing outward, without a parent; horizontal ones run left to right, vertical
    // ones top to bottom.
    TEdge TopEdge() const;
    TEdge BottomEdge() const;
    TEdge RightEdge() const;
    TEdge LeftEdge() const;
    // Left = E.A.X, Right = E.B.X, Top = E.A.Y, Bottom = E.B.Y.
    bool MatchesEdge(const TEdge& E) const;
    // E's segment, as stored, meets the closed rectangle; false for a side other than the four.
    bool TouchesEdge(const TEdge& E) const;
    // E lies on this rectangle's side of E's own side code.
    bool EdgeOnOwnSide(const TEdge& E) const;
    // E lies on the side of this rectangle that faces it (opposite to E's side) and overlaps it, ends included.
    bool EdgeOnFacingSide(const TEdge& E) const;
    // The strip beyond E reaching to Bound's far side.
    void SpanAbove(const TEdge& E, const TBoundingRect& Bound);
    void SpanBelow(const TEdge& E, const TBoundingRect& Bound);
    void SpanRight(const TEdge& E, const TBoundingRect& Bound);
    void SpanLeft(const TEdge& E, const TBoundingRect& Bound);
    // As the Span operations, but stopping at Blocker's near side when Blocker is set.
    void SpanAboveUntil(const TBoundingRect& Blocker, const TEdge& E, const TBoundingRect& Bound);
    void SpanBelowUntil(const TBoundingRect& Blocker, const TEdge& E, const TBoundingRect& Bound);
    void SpanRightUntil(const TBoundingRect& Blocker, const TEdge& E, const TBoundingRect& Bound);
    void SpanLeftUntil(const TBoundingRect& Blocker, const TEdge& E, const TBoundingRect& Bound);
};

// --- Point routines
// ---------------------------------------------------------------------------------------------------

// For two points on one horizontal or vertical line: sdTop/sdBottom along a column, sdRight/sdLeft along a row (the
// row wins, so equal points give sdLeft). Points sharing neither coordinate give sdNone.
TSide DirectionTo(TPoint A, TPoint B);
// Left and right swap, bottom and top swap; any other value is answered unchanged.
TSide OppositeSide(TSide Side);
// sdTop for a vertical segment (also equal points), sdRight for a horizontal one, sdBoth when oblique.
TSide SegmentOrientation(TPoint A, TPoint B);
// With O from LineOrientation (sdLeft = vertical line, sdTop = horizontal line): whether that line runs in direction
// Side. O = 0 or 2 matches bottom and top, O = 1 or 3 matches left and right, anything else matches nothing.
bool SideMatchesOrientation(TSide O, TSide Side);
// A becomes the upper end of a vertical segment and the left end of a horizontal one.
void OrderSegmentEnds(TPoint& A, TPoint& B);
bool SamePoint(TPoint A, TPoint B);
void OffsetPoint(TPoint& P, int32_t DX, int32_t DY);
// A quarter turn counter-clockwise about the origin: (X, Y) becomes (-Y, X).
void RotatePoint90(TPoint& P);

constexpr int32_t MinCoord(int32_t A, int32_t B) {
    return A < B ? A : B;
}

constexpr int32_t MaxCoord(int32_t A, int32_t B) {
    return A > B ? A : B;
}

} // namespace wirewright
