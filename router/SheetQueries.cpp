#include "router/SheetQueries.h"

#include "router/New_SchClass.h"
#include "router/New_SchProcs.h"
#include "router/ObstacleTree.h"

#include <functional>

namespace wirewright {

namespace {

// Calls Visit with each part whose rectangle holds P, until Visit answers false. Every iterator is released.
void ForEachPartAt(TPoint P, const std::function<bool(THostHandle)>& Visit) {
    const TObjectKindSet Parts = KindSetOf(okPart);
    const THostHandle Iterator =
        SchAPI_CreateSpatialIterator(SchAPI_GetCurrentDocumentHandle(), P.X, P.Y, P.X, P.Y, &Parts);
    int32_t Unused = 0;
    for (THostHandle Part = SchAPI_GetFirstSpatialObject(Iterator, &Unused); Part != 0;
         Part = SchAPI_GetNextSpatialObject(Iterator, &Unused)) {
        if (!Visit(Part))
            break;
    }
    SchAPI_DestroySpatialIterator(Iterator);
}

// Calls Visit with each library pin item of the (read) part, until Visit answers false.
void ForEachLibraryPin(TSchPart& Part, const std::function<bool(THostHandle)>& Visit) {
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

// The corners (X1, Y1) and (X2, Y2) of a library pin placed as the part places it; the copy is released.
void PlacedPinCorners(THostHandle PinItem, THostHandle Part, TPoint& A, TPoint& B) {
    const THostHandle Copy = SchAPI_ReplicatePartItem(PinItem, Part);
    TSchPin Pin(Copy);
    Pin.Query(qmRead);
    Pin.GetBoundingRect(A.X, A.Y, B.X, B.Y);
    SchAPI_DestroyPartItem(Copy);
}

bool IsCornerOf(TPoint P, TPoint A, TPoint B) {
    return (P.X == A.X || P.X == B.X) && (P.Y == A.Y || P.Y == B.Y);
}

} // namespace

bool TwoPinsAt(TPoint P) {
    int Counted = 0;
    ForEachPartAt(P, [&](THostHandle PartHandle) {
        TSchPart Part(PartHandle);
        Part.Query(qmRead);
        ForEachLibraryPin(Part, [&](THostHandle Item) {
            TPoint A, B;
            PlacedPinCorners(Item, PartHandle, A, B);
            if (!IsCornerOf(P, A, B))
                return true;
            ++Counted;
            return false; // next part
        });
        return Counted < 2;
    });
    return Counted >= 2;
}

TSide PinOrientationAt(TPoint P) {
    TSide Result = sdNone;
    ForEachPartAt(P, [&](THostHandle PartHandle) {
        TSchPart Part(PartHandle);
        Part.Query(qmRead);
        ForEachLibraryPin(Part, [&](THostHandle Item) {
            TPoint A, B;
            PlacedPinCorners(Item, PartHandle, A, B);
            if (!IsCornerOf(P, A, B))
                return true;
            Result = SegmentOrientation(A, B);
            return false;
        });
        return false; // the first part only
    });
    return Result;
}

TPoint PinHotSpot(const TSchPart& Part, THostHandle PinItem) {
    TSchPin Pin(PinItem);
    Pin.Query(qmRead);
    TPoint A, B;
    Pin.GetBoundingRect(A.X, A.Y, B.X, B.Y);
    const int Turns = Part.Orientation <= 3 ? Part.Orientation : 0;
    for (int Turn = 0; Turn < Turns; ++Turn) {
        RotatePoint90(A);
        RotatePoint90(B);
    }
    OffsetPoint(A, Part.Location.X, Part.Location.Y);
    OffsetPoint(B, Part.Location.X, Part.Location.Y);
    OrderSegmentEnds(A, B);

    TBoundingRect Outline;
    SchAPI_GetObjectBoundingRectangle(Part.Handle, &Outline.Left, &Outline.Top, &Outline.Right, &Outline.Bottom);
    Outline.Normalize();
    if (A.Y == B.Y)
        return A.X == Outline.Left ? A : B;
    return A.Y == Outline.Top ? A : B;
}

bool IsOutermostPinEnd(TPoint P, TSide Side) {
    TPoint Best = P;
    ForEachPartAt(P, [&](THostHandle PartHandle) {
        TSchPart Part(PartHandle);
        Part.Query(qmRead);
        ForEachLibraryPin(Part, [&](THostHandle Item) {
            const TPoint Q = PinHotSpot(Part, Item);
            const bool Further = (Side == sdLeft && Q.Y == Best.Y && Q.X < Best.X) ||
                                 (Side == sdRight && Q.Y == Best.Y && Q.X > Best.X) ||
                                 (Side == sdBottom && Q.X == Best.X && Q.Y < Best.Y) ||
                                 (Side == sdTop && Q.X == Best.X && Q.Y > Best.Y);
            if (Further)
                Best = Q;
            return true;
        });
        return false; // the first part only
    });
    return SamePoint(Best, P);
}

bool WireLeavesPinAt(const TObstacleTree& Tree, TPoint P, int32_t Margin) {
    return Tree.IsLineEndAt(P) && Tree.PointInPartBody(P, Margin) && Tree.LineAlongAt(PinOrientationAt(P), P);
}

bool IsPinHidden(THostHandle PinHandle) {
    if (PinHandle == 0)
        return true;
    TSchPin Pin(PinHandle);
    Pin.Query(qmRead);
    return Pin.IsHidden != 0;
}

bool SheetSnapsToGrid(THostHandle DocumentHandle) {
    if (DocumentHandle == 0)
        return true;
    TSchSheetOptions Options(DocumentHandle);
    Options.Query(qmRead);
    return Options.SnapToGrid != 0;
}

} // namespace wirewright
