#include "router/Rectangle.h"

#include "router/New_SchProcs.h"

#include <utility>

namespace wirewright {

namespace {

bool Between(int32_t Low, int32_t Value, int32_t High) {
    return Low <= Value && Value <= High;
}

bool StrictlyBetween(int32_t Low, int32_t Value, int32_t High) {
    return Low < Value && Value < High;
}

} // namespace

// --- State ----------------------------------------------------------------------------------------------------------

void TBoundingRect::Assign(const TBoundingRect& Source) {
    *this = Source;
}

bool TBoundingRect::IsSet() const {
    return !(Left == UnsetCoord && Bottom == UnsetCoord && Right == UnsetCoord && Top == UnsetCoord);
}

bool TBoundingRect::Equals(const TBoundingRect& Other) const {
    return *this == Other;
}

void TBoundingRect::SetFromPoints(TPoint A, TPoint B) {
    Top = MaxCoord(A.Y, B.Y);
    Bottom = MinCoord(A.Y, B.Y);
    Left = MinCoord(A.X, B.X);
    Right = MaxCoord(A.X, B.X);
}

void TBoundingRect::SetCorners(TPoint A, TPoint B) {
    Left = A.X;
    Top = A.Y;
    Right = B.X;
    Bottom = B.Y;
}

void TBoundingRect::Normalize() {
    if (Bottom > Top)
        std::swap(Bottom, Top);
    if (Left > Right)
        std::swap(Left, Right);
}

void TBoundingRect::SetToSheet() {
    SchAPI_GetObjectBoundingRectangle(SchAPI_GetCurrentDocumentHandle(), &Left, &Top, &Right, &Bottom);
}

// --- Growing and shrinking ------------------------------------------------------------------------------------------

void TBoundingRect::Inflate(int32_t Amount) {
    Top += Amount;
    Bottom -= Amount;
    Right += Amount;
    Left -= Amount;
}

void TBoundingRect::Deflate(int32_t Amount) {
    Top -= Amount;
    Bottom += Amount;
    Right -= Amount;
    Left += Amount;
}

void TBoundingRect::DeflatedCopy(TBoundingRect& Dest, int32_t Amount) const {
    Dest = *this;
    Dest.Deflate(Amount);
}

void TBoundingRect::InflateSides(TSides Sides, int32_t Amount) {
    if (Sides & SideBit(sdLeft))
        Left -= Amount;
    if (Sides & SideBit(sdRight))
        Right += Amount;
    if (Sides & SideBit(sdTop))
        Top += Amount;
    if (Sides & SideBit(sdBottom))
        Bottom -= Amount;
}

TBoundingRect TBoundingRect::Union(const TBoundingRect& Other) const {
    return TBoundingRect(MinCoord(Left, Other.Left), MinCoord(Bottom, Other.Bottom), MaxCoord(Right, Other.Right),
                         MaxCoord(Top, Other.Top));
}

void TBoundingRect::Include(const TBoundingRect& Other) {
    *this = IsSet() ? Union(Other) : Other;
}

void TBoundingRect::CutSide(const TBoundingRect& Band, TSide Side) {
    if (!Band.IsSet())
        return;
    if (!IsSet()) {
        *this = Band;
        return;
    }
    switch (Side) {
    case sdLeft:
        if (Left == Band.Left)
            Left = Band.Right;
        break;
    case sdBottom:
        if (Bottom == Band.Bottom)
            Bottom = Band.Top;
        break;
    case sdRight:
        if (Right == Band.Right)
            Right = Band.Left;
        break;
    case sdTop:
        if (Top == Band.Top)
            Top = Band.Bottom;
        break;
    default:
        break;
    }
}

// --- Point tests ----------------------------------------------------------------------------------------------------

bool TBoundingRect::ContainsPoint(TPoint P) const {
    return Between(Bottom, P.Y, Top) && Between(Left, P.X, Right);
}

bool TBoundingRect::PointOnBorder(TPoint P) const {
    return ((P.Y == Top || P.Y == Bottom) && Between(Left, P.X, Right)) ||
           ((P.X == Right || P.X == Left) && Between(Bottom, P.Y, Top));
}

TSide TBoundingRect::BorderSideOf(TPoint P) const {
    if (!PointOnBorder(P))
        return sdNone;
    if (P.Y == Top)
        return sdTop;
    if (P.Y == Bottom)
        return sdBottom;
    if (P.X == Right)
        return sdRight;
    return sdLeft;
}

bool TBoundingRect::StepOffBorder(TPoint& P, int32_t Step, int32_t Clearance, bool OnGrid) const {
    const TPoint Before = P;
    const int32_t Amount = OnGrid ? Step : Clearance + 1;
    if (P.X == Right)
        P.X += Amount;
    else if (P.X == Left)
        P.X -= Amount;
    else if (P.Y == Top)
        P.Y += Amount;
    else if (P.Y == Bottom)
        P.Y -= Amount;
    return !SamePoint(P, Before);
}

// --- Segment tests --------------------------------------------------------------------------------------------------

bool TBoundingRect::SegmentTouches(TPoint P1, TPoint P2) const {
    OrderSegmentEnds(P1, P2);
    if (P1.Y == P2.Y)
        return Between(Bottom, P1.Y, Top) &&
               (Between(Left, P1.X, Right) || Between(Left, P2.X, Right) || (P1.X <= Left && P2.X >= Right));
    if (P1.X == P2.X)
        return Between(Left, P1.X, Right) &&
               (Between(Bottom, P1.Y, Top) || Between(Bottom, P2.Y, Top) || (P1.Y >= Top && P2.Y <= Bottom));
    return false;
}

bool TBoundingRect::SegmentCrossesInterior(TPoint P1, TPoint P2) const {
    OrderSegmentEnds(P1, P2);
    if (P1.Y == P2.Y)
        return StrictlyBetween(Bottom, P1.Y, Top) &&
               (StrictlyBetween(Left, P1.X, Right) || StrictlyBetween(Left, P2.X, Right) ||
                (P1.X <= Left && P2.X >= Right));
    if (P1.X == P2.X)
        return StrictlyBetween(Left, P1.X, Right) &&
               (StrictlyBetween(Bottom, P1.Y, Top) || StrictlyBetween(Bottom, P2.Y, Top) ||
                (P1.Y >= Top && P2.Y <= Bottom));
    return false;
}

bool TBoundingRect::SegmentOnBorderLine(TPoint P1, TPoint P2) const {
    if (P1.X == P2.X)
        return P1.X == Right || P1.X == Left;
    if (P1.Y == P2.Y)
        return P1.Y == Top || P1.Y == Bottom;
    return false;
}

bool TBoundingRect::SegmentMeetsLine(TPoint P1, TPoint P2, TPoint T1, TPoint T2, int32_t& StartHits,
                                     int32_t& EndHits) const {
    TPoint S = P1;
    TPoint E = P2;
    OrderSegmentEnds(S, E);
    const TSide Direction = DirectionTo(S, E);

    // A line obstacle's corners are its two ends; a terminal of the route never counts as a contact.
    const auto IsLineCorner = [&](TPoint P) {
        return !SamePoint(P, T1) && !SamePoint(P, T2) && (P.Y == Top || P.Y == Bottom) && (P.X == Left || P.X == Right);
    };
    if (IsLineCorner(S))
        ++StartHits;
    if (IsLineCorner(E))
        ++EndHits;

    bool Overlap = false;
    if (Direction == sdLeft || Direction == sdRight) {
        if (Top == Bottom && Bottom == S.Y)
            Overlap = (S.X == Left && E.X == Right) || (Left <= S.X && S.X < Right) || (Left < E.X && E.X <= Right) ||
                      (S.X < Left && E.X > Right);
    } else if (Direction == sdBottom || Direction == sdTop) {
        if (Left == Right && Right == S.X)
            Overlap = (S.Y == Top && E.Y == Bottom) || (Bottom < S.Y && S.Y <= Top) || (Bottom <= E.Y && E.Y < Top) ||
                      (S.Y > Top && E.Y < Bottom);
    }
    return Overlap || StartHits >= 2 || EndHits >= 2;
}

// --- Rectangle tests ------------------------------------------------------------------------------------------------

TSide TBoundingRect::LineOrientation() const {
    if (Left == Right)
        return sdLeft;
    if (Top == Bottom)
        return sdTop;
    return sdNone;
}

bool TBoundingRect::Overlaps(const TBoundingRect& Other) const {
    const int32_t AL = Left, AB = Bottom, AR = Right, AT = Top;
    const int32_t BL = Other.Left, BB = Other.Bottom, BR = Other.Right, BT = Other.Top;
    // A corner of one strictly inside the other.
    return (BL < AL && AL < BR && BB < AT && AT < BT) || (BL < AR && AR < BR && BB < AT && AT < BT) ||
           (BL < AR && AR < BR && BB < AB && AB < BT) || (BL < AL && AL < BR && BB < AB && AB < BT) ||
           (AL < BL && BL < AR && AB < BT && BT < AT) || (AL < BR && BR < AR && AB < BT && BT < AT) ||
           (AL < BR && BR < AR && AB < BB && BB < AT) || (AL < BL && BL < AR && AB < BB && BB < AT) ||
           // One within the other's columns and spanning its rows, or the other way round.
           (AL <= BL && BR <= AR && BT >= AT && BB <= AB) || (BL <= AL && AR <= BR && AT >= BT && AB <= BB) ||
           (BL <= AL && BR >= AR && BT <= AT && BB >= AB) || (AL <= BL && AR >= BR && AT <= BT && AB >= BB) ||
           // Same columns or same rows, one side strictly inside the other's span.
           (BL == AL && BR == AR && AB < BB && BB < AT) || (BT == AT && BB == AB && AL < BR && BR < AR) ||
           (AL == BL && AR == BR && BB < AB && AB < BT) || (AT == BT && AB == BB && BL < AR && AR < BR);
}

// --- Point routines -------------------------------------------------------------------------------------------------

TSide DirectionTo(TPoint A, TPoint B) {
    TSide Result = sdNone;
    if (A.X == B.X)
        Result = A.Y >= B.Y ? sdBottom : sdTop;
    if (A.Y == B.Y)
        Result = B.X > A.X ? sdRight : sdLeft;
    return Result;
}

TSide OppositeSide(TSide Side) {
    switch (Side) {
    case sdLeft:
        return sdRight;
    case sdRight:
        return sdLeft;
    case sdBottom:
        return sdTop;
    case sdTop:
        return sdBottom;
    default:
        return Side;
    }
}

TSide SegmentOrientation(TPoint A, TPoint B) {
    if (A.X == B.X)
        return sdTop;
    if (A.Y == B.Y)
        return sdRight;
    return sdBoth;
}

bool SideMatchesOrientation(TSide O, TSide Side) {
    switch (O) {
    case sdLeft:
    case sdRight:
        return Side == sdBottom || Side == sdTop;
    case sdBottom:
    case sdTop:
        return Side == sdLeft || Side == sdRight;
    default:
        return false;
    }
}

void OrderSegmentEnds(TPoint& A, TPoint& B) {
    if (A.Y < B.Y)
        std::swap(A, B);
    if (A.X > B.X)
        std::swap(A, B);
}

bool SamePoint(TPoint A, TPoint B) {
    return A.X == B.X && A.Y == B.Y;
}

void OffsetPoint(TPoint& P, int32_t DX, int32_t DY) {
    P.X += DX;
    P.Y += DY;
}

void RotatePoint90(TPoint& P) {
    P = TPoint{-P.Y, P.X};
}

} // namespace wirewright
