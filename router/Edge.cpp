#include "router/Edge.h"

namespace wirewright {

namespace {

bool Between(int32_t Low, int32_t Value, int32_t High) {
    return Low <= Value && Value <= High;
}

// E's extent, ends included, meets [Low, High] along the edge's own direction; First and Second are E's coordinates
// along it as stored (A then B).
bool SpanMeets(int32_t Low, int32_t High, int32_t First, int32_t Second, bool Descending) {
    const bool Covers = Descending ? (First >= High && Second <= Low) : (First <= Low && Second >= High);
    return Between(Low, First, High) || Between(Low, Second, High) || Covers;
}

bool IsHorizontalSide(TSide Side) {
    return Side == sdBottom || Side == sdTop;
}

bool IsVerticalSide(TSide Side) {
    return Side == sdLeft || Side == sdRight;
}

} // namespace

// --- TEdge ----------------------------------------------------------------------------------------------------------

TEdge::TEdge(TPoint AA, TPoint AB, TSide ASide, TEdge* AParent)
    : Side(ASide), Parent(AParent), ParentSide(AParent != nullptr ? AParent->Side : ASide), A(AA), B(AB) {}

void TEdge::Assign(const TEdge& Source) {
    *this = Source;
}

int32_t TEdge::Length() const {
    return A.X != B.X ? B.X - A.X : A.Y - B.Y;
}

bool TEdge::IsPoint() const {
    return SamePoint(A, B);
}

void TEdge::ClipToSpan(const TEdge& E) {
    A.Y = MinCoord(A.Y, E.A.Y);
    B.Y = MaxCoord(B.Y, E.B.Y);
    A.X = MaxCoord(A.X, E.A.X);
    B.X = MinCoord(B.X, E.B.X);
}

void TEdge::SetCorridor(const TBoundingRect& Window) {
    if (A.X == B.X)
        Corridor = TBoundingRect(Window.Left, B.Y, Window.Right, A.Y);
    else
        Corridor = TBoundingRect(A.X, Window.Bottom, B.X, Window.Top);
}

// --- Edges of a rectangle -------------------------------------------------------------------------------------------

TEdge TBoundingRect::TopEdge() const {
    return TEdge({Left, Top}, {Right, Top}, sdTop, nullptr);
}

TEdge TBoundingRect::BottomEdge() const {
    return TEdge({Left, Bottom}, {Right, Bottom}, sdBottom, nullptr);
}

TEdge TBoundingRect::RightEdge() const {
    return TEdge({Right, Top}, {Right, Bottom}, sdRight, nullptr);
}

TEdge TBoundingRect::LeftEdge() const {
    return TEdge({Left, Top}, {Left, Bottom}, sdLeft, nullptr);
}

bool TBoundingRect::MatchesEdge(const TEdge& E) const {
    return Left == E.A.X && Right == E.B.X && Top == E.A.Y && Bottom == E.B.Y;
}

bool TBoundingRect::TouchesEdge(const TEdge& E) const {
    if (IsHorizontalSide(E.Side))
        return SpanMeets(Left, Right, E.A.X, E.B.X, false) && Between(Bottom, E.A.Y, Top);
    if (IsVerticalSide(E.Side))
        return SpanMeets(Bottom, Top, E.A.Y, E.B.Y, true) && Between(Left, E.A.X, Right);
    return false;
}

bool TBoundingRect::EdgeOnOwnSide(const TEdge& E) const {
    switch (E.Side) {
    case sdLeft:
        return Left == E.A.X && E.A.X == E.B.X;
    case sdBottom:
        return Bottom == E.A.Y && E.A.Y == E.B.Y;
    case sdRight:
        return Right == E.A.X && E.A.X == E.B.X;
    case sdTop:
        return Top == E.A.Y && E.A.Y == E.B.Y;
    default:
        return false;
    }
}

bool TBoundingRect::EdgeOnFacingSide(const TEdge& E) const {
    switch (E.Side) {
    case sdLeft:
        return E.A.X == Right && SpanMeets(Bottom, Top, E.A.Y, E.B.Y, true);
    case sdRight:
        return E.A.X == Left && SpanMeets(Bottom, Top, E.A.Y, E.B.Y, true);
    case sdBottom:
        return E.A.Y == Top && SpanMeets(Left, Right, E.A.X, E.B.X, false);
    case sdTop:
        return E.A.Y == Bottom && SpanMeets(Left, Right, E.A.X, E.B.X, false);
    default:
        return false;
    }
}

void TBoundingRect::SpanAbove(const TEdge& E, const TBoundingRect& Bound) {
    SpanAboveUntil(TBoundingRect(), E, Bound);
}

void TBoundingRect::SpanBelow(const TEdge& E, const TBoundingRect& Bound) {
    SpanBelowUntil(TBoundingRect(), E, Bound);
}

void TBoundingRect::SpanRight(const TEdge& E, const TBoundingRect& Bound) {
    SpanRightUntil(TBoundingRect(), E, Bound);
}

void TBoundingRect::SpanLeft(const TEdge& E, const TBoundingRect& Bound) {
    SpanLeftUntil(TBoundingRect(), E, Bound);
}

void TBoundingRect::SpanAboveUntil(const TBoundingRect& Blocker, const TEdge& E, const TBoundingRect& Bound) {
    *this = TBoundingRect(E.A.X, E.A.Y, E.B.X, Blocker.IsSet() ? Blocker.Bottom : Bound.Top);
}

void TBoundingRect::SpanBelowUntil(const TBoundingRect& Blocker, const TEdge& E, const TBoundingRect& Bound) {
    *this = TBoundingRect(E.A.X, Blocker.IsSet() ? Blocker.Top : Bound.Bottom, E.B.X, E.A.Y);
}

void TBoundingRect::SpanRightUntil(const TBoundingRect& Blocker, const TEdge& E, const TBoundingRect& Bound) {
    *this = TBoundingRect(E.A.X, E.B.Y, Blocker.IsSet() ? Blocker.Left : Bound.Right, E.A.Y);
}

void TBoundingRect::SpanLeftUntil(const TBoundingRect& Blocker, const TEdge& E, const TBoundingRect& Bound) {
    *this = TBoundingRect(Blocker.IsSet() ? Blocker.Right : Bound.Left, E.B.Y, E.A.X, E.A.Y);
}

} // namespace wirewright
