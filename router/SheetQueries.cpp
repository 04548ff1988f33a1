#include "router/SheetQueries.h"

#include "router/New_SchProcs.h"
#include "router/ObstacleTree.h"

namespace wirewright {

namespace {

// Visits the parts at P, read, until Visit answers false.
template <typename Visitor> void ForEachPartAt(TPoint P, Visitor Visit) {
    const TObjectKindSet Parts = KindSetOf(okPart);
    const THostHandle Iterator =
        SchAPI_CreateSpatialIterator(SchAPI_GetCurrentDocumentHandle(), P.X, P.Y, P.X, P.Y, &Parts);
    int32_t Unused = 0;
    for (THostHandle Handle = SchAPI_GetFirstSpatialObject(Iterator, &Unused); Handle != 0;
         Handle = SchAPI_GetNextSpatialObject(Iterator, &Unused)) {
        TSchPart Part(Handle);
        Part.Query(qmRead);
        if (!Visit(Part))
            break;
    }
    SchAPI_DestroySpatialIterator(Iterator);
}

// Visits the pins among the library items of the part's library component, in library coordinates, until Visit answers
// false.
template <typename Visitor> void ForEachLibraryPin(TSchPart& Part, Visitor Visit) {
    const THostHandle Component = SchAPI_GetLibraryComponentHandle(Part.LibReference.Data(), HostTextSize);
    const THostHandle Container = SchAPI_GetLibraryPartContainer(Component, Part.PartId, Part.CompDisplayMode);
    const THostHandle Iterator = SchAPI_CreateGroupIterator(Container);
    for (THostHandle Item = SchAPI_GetFirstGroupObject(Iterator); Item != 0;
         Item = SchAPI_GetNextGroupObject(Iterator)) {
        if (ObjectKindOf(Item) == okPin && !Visit(Item))
            break;
    }
    SchAPI_DestroyGroupIterator(Iterator);
}

// The corners (X1, Y1) and (X2, Y2) of a pin's rectangle as the host reports them.
void PinCorners(THostHandle Pin, TPoint& A, TPoint& B) {
    TSchPin Wrapper(Pin);
    Wrapper.Query(qmRead);
    Wrapper.GetBoundingRect(A.X, A.Y, B.X, B.Y);
}

// The corners of a library pin placed on the sheet for Part; false when the host made no copy.
bool PlacedPinCorners(THostHandle PinItem, const TSchPart& Part, TPoint& A, TPoint& B) {
    const THostHandle Copy = SchAPI_ReplicatePartItem(PinItem, Part.Handle);
    if (Copy == 0)
        return false;
    PinCorners(Copy, A, B);
    SchAPI_DestroyPartItem(Copy);
    return true;
}

bool HasCornerAt(TPoint A, TPoint B, TPoint P) {
    return (P.X == A.X || P.X == B.X) && (P.Y == A.Y || P.Y == B.Y);
}

// The placed pin of Part with a corner at P: its corners.
bool PinWithCornerAt(TSchPart& Part, TPoint P, TPoint& A, TPoint& B) {
    bool Found = false;
    ForEachLibraryPin(Part, [&](THostHandle PinItem) {
        Found = PlacedPinCorners(PinItem, Part, A, B) && HasCornerAt(A, B, P);
        return !Found;
    });
    return Found;
}

} // namespace

bool TwoPinsAt(TPoint P) {
    int Counted = 0;
    ForEachPartAt(P, [&](TSchPart& Part) {
        TPoint A, B;
        if (PinWithCornerAt(Part, P, A, B))
            ++Counted;
        return Counted < 2;
    });
    return Counted >= 2;
}

TSide PinOrientationAt(TPoint P) {
    TSide Orientation = sdNone;
    ForEachPartAt(P, [&](TSchPart& Part) {
        TPoint A, B;
        if (PinWithCornerAt(Part, P, A, B))
            Orientation = SegmentOrientation(A, B);
        return false;
    });
    return Orientation;
}

TPoint PinHotSpot(TSchPart& Part, THostHandle PinItem) {
    TPoint A, B;
    PinCorners(PinItem, A, B);
    const int QuarterTurns = Part.Orientation <= 3 ? Part.Orientation : 0;
    for (int Turn = 0; Turn < QuarterTurns; ++Turn) {
        RotatePoint90(A);
        RotatePoint90(B);
    }
    OffsetPoint(A, Part.Location.X, Part.Location.Y);
    OffsetPoint(B, Part.Location.X, Part.Location.Y);
    OrderSegmentEnds(A, B);

    TBoundingRect PartRect;
    Part.GetBoundingRect(PartRect.Left, PartRect.Top, PartRect.Right, PartRect.Bottom);
    PartRect.Normalize();
    if (A.Y == B.Y)
        return A.X == PartRect.Left ? A : B;
    return A.Y == PartRect.Top ? A : B;
}

bool IsOutermostPinEnd(TPoint P, TSide Side) {
    TPoint Best = P;
    ForEachPartAt(P, [&](TSchPart& Part) {
        ForEachLibraryPin(Part, [&](THostHandle PinItem) {
            const TPoint Q = PinHotSpot(Part, PinItem);
            const bool Further = (Side == sdLeft && Q.Y == Best.Y && Q.X < Best.X) ||
                                 (Side == sdRight && Q.Y == Best.Y && Q.X > Best.X) ||
                                 (Side == sdBottom && Q.X == Best.X && Q.Y < Best.Y) ||
                                 (Side == sdTop && Q.X == Best.X && Q.Y > Best.Y);
            if (Further)
                Best = Q;
            return true;
        });
        return false;
    });
    return Best == P;
}

bool WireLeavesPinAt(const TObstacleTree& Tree, TPoint P, int32_t Margin) {
    return Tree.IsLineEndAt(P) && Tree.PointInPartBody(P, Margin) && Tree.LineAlongAt(PinOrientationAt(P), P);
}

bool IsPinHidden(THostHandle Pin) {
    if (Pin == 0)
        return true;
    TSchPin Wrapper(Pin);
    Wrapper.Query(qmRead);
    return Wrapper.IsHidden != 0;
}

bool SheetSnapsToGrid(THostHandle Document) {
    if (Document == 0)
        return true;
    TSchSheetOptions Options(Document);
    Options.Query(qmRead);
    return Options.SnapToGrid != 0;
}

} // namespace wirewright
