// How the objects of a sheet become obstacles of the tree: which kinds, with which rectangle and margin, and how a
// part splits into a body and pin bands so that routes can still reach its pin ends.
#include "router/New_SchClass.h"
#include "router/New_SchProcs.h"
#include "router/ObstacleTree.h"
#include "router/SheetQueries.h"

#include <array>

namespace wirewright {

namespace {

constexpr int32_t SheetBorderDepth = 22;
constexpr int32_t TitleBlockRightGap = 20;
constexpr int32_t TitleBlockBottom = 20;

TBoundingRect HostRectOf(THostHandle Object) {
    TBoundingRect R;
    SchAPI_GetObjectBoundingRectangle(Object, &R.Left, &R.Top, &R.Right, &R.Bottom);
    R.Normalize();
    return R;
}

// The current document's rectangle, or an unset one when the host does not answer.
TBoundingRect SheetRect() {
    TBoundingRect R;
    R.SetToSheet();
    return R;
}

TBoundingRect MarkAround(TPoint P) {
    return TBoundingRect(P.X - 1, P.Y - 1, P.X + 1, P.Y + 1);
}

} // namespace

void TObstacleTree::Build(THostHandle SheetHandle, int32_t Margin) {
    const THostHandle Iterator = SchAPI_CreateIterator(SheetHandle, 0);
    for (THostHandle Object = SchAPI_GetFirstObject(Iterator); Object != 0; Object = SchAPI_GetNextObject(Iterator)) {
        const uint8_t Kind = ObjectKindOf(Object);
        TBoundingRect R = HostRectOf(Object);
        R.Inflate(Margin);
        switch (Kind) {
        case 0:
        case okDesignator: // added with its part
        case okPartType:
            break;
        case okBus:
        case okPolyline:
        case okWire:
            AddPolyline(Object);
            break;
        case okBusEntry:
        case okPowerObject:
            R.Deflate(Margin);
            AddObstacle(R, Kind);
            break;
        case okJunction:
            AddJunction(Object);
            break;
        case okAnnotation:
        case okNetLabel:
            R.Deflate(Margin + 1);
            AddObstacle(R, okAnnotation);
            break;
        case okPart:
            AddPart(R, Object, Margin);
            break;
        case okPort:
            R.Top -= Margin;
            R.Bottom += Margin;
            AddObstacle(R, okPort);
            break;
        case okTextObject:
            AddTextObject(Object, Margin);
            break;
        default:
            AddObstacle(R, Kind);
            break;
        }
    }
    AddSheetBorder();
    AddTitleBlock();
    SchAPI_DestroyIterator(Iterator);
}

void TObstacleTree::AddWire(THostHandle WireHandle) {
    AddPolyline(WireHandle);
}

void TObstacleTree::AddPolyline(THostHandle ObjectHandle) {
    TSchAbstractPolyLineObject Line(ObjectHandle);
    Line.Query(qmRead);
    const int32_t Count = Line.VertexCount;
    if (Count <= 0)
        return;
    // Vertices are numbered from 1 as the host numbers them.
    const auto Vertex = [&](int32_t I) { return Line.Vertices[I - 1]; };
    const auto Orientation = [&](int32_t I) { return SegmentOrientation(Vertex(I), Vertex(I + 1)); };

    TPoint Start = Vertex(1);
    for (int32_t I = 1; I <= Count - 1; ++I) {
        const TSide O = Orientation(I);
        if (O == sdBoth) { // oblique: no obstacle
            Start = Vertex(I + 1);
            continue;
        }
        // The last segment always stands alone, even when it continues the one before.
        const TSide Next = I + 2 <= Count - 1 ? Orientation(I + 1) : sdBoth;
        if (Next != O) {
            TBoundingRect Run;
            Run.SetCorners(Start, Vertex(I + 1));
            Run.Normalize();
            AddObstacle(Run, okWire);
            Start = Vertex(I + 1);
        }
    }
    AddObstacle(MarkAround(Vertex(1)), okJunction);
    AddObstacle(MarkAround(Vertex(Count)), okJunction);
}

void TObstacleTree::AddSegment(TPoint P1, TPoint P2) {
    OrderSegmentEnds(P1, P2);
    TBoundingRect R;
    if (P1.X == P2.X)
        R = TBoundingRect(P1.X - 1, MinCoord(P1.Y, P2.Y), P1.X + 1, MaxCoord(P1.Y, P2.Y));
    else
        R = TBoundingRect(MinCoord(P1.X, P2.X), P1.Y - 1, MaxCoord(P1.X, P2.X), P1.Y + 1);
    AddObstacle(R, okRectangle);
}

void TObstacleTree::AddPart(TBoundingRect Rect, THostHandle PartHandle, int32_t Margin) {
    TSchComponent Component(PartHandle);
    Component.Query(qmRead);
    const bool ShowHidden = Component.ShowHiddenPins != 0;
    Rect.Deflate(Margin);

    enum { Top, Bottom, Left, Right };
    std::array<TBoundingRect, 4> Bands; // unset until a pin joins
    const THostHandle Iterator = SchAPI_CreateGroupIterator(Component.ItemContainer);
    for (THostHandle Child = SchAPI_GetFirstGroupObject(Iterator); Child != 0;
         Child = SchAPI_GetNextGroupObject(Iterator)) {
        if (ObjectKindOf(Child) != okPin)
            continue;
        if (!ShowHidden && IsPinHidden(Child))
            continue;
        TSchPin Pin(Child);
        Pin.Query(qmRead);
        int32_t X1 = 0, Y1 = 0, X2 = 0, Y2 = 0;
        Pin.GetBoundingRect(X1, Y1, X2, Y2);
        TBoundingRect PinRect;
        PinRect.SetFromPoints({X1, Y1}, {X2, Y2});
        int Band;
        if (Rect.Top == Y1 || Rect.Top == Y2)
            Band = Top;
        else if (Rect.Bottom == Y1 || Rect.Bottom == Y2)
            Band = Bottom;
        else if (Rect.Left == X1 || Rect.Left == X2)
            Band = Left;
        else if (Rect.Right == X1 || Rect.Right == X2)
            Band = Right;
        else
            continue;
        // Widened by 1 across the band's direction.
        PinRect.InflateSides(
            Band == Top || Band == Bottom ? SideBit(sdLeft) | SideBit(sdRight) : SideBit(sdBottom) | SideBit(sdTop), 1);
        Bands[Band].Include(PinRect);
    }
    SchAPI_DestroyGroupIterator(Iterator);

    constexpr std::array<TSide, 4> BandSides = {sdTop, sdBottom, sdLeft, sdRight};
    for (int Band = Top; Band <= Right; ++Band) {
        if (!Bands[Band].IsSet())
            continue;
        Rect.CutSide(Bands[Band], BandSides[Band]);
        TBoundingRect Grown = Bands[Band];
        Grown.Inflate(Margin);
        AddObstacle(Grown, okPart);
    }
    // The body keeps one unit more clearance than its pin bands.
    Rect.Inflate(Margin + 1);
    AddObstacle(Rect, okPart);
    AddDesignator(Component.DesignatorHandle, Margin);
}

namespace {

// A text's host rectangle widened by Margin sideways and one unit inside at top and bottom.
TBoundingRect TextObstacleRect(THostHandle TextHandle, int32_t Margin) {
    TBoundingRect R = HostRectOf(TextHandle);
    R.Left -= Margin;
    R.Right += Margin;
    R.Top -= 1;
    R.Bottom += 1;
    return R;
}

} // namespace

void TObstacleTree::AddDesignator(THostHandle TextHandle, int32_t Margin) {
    TSchTextField Text(TextHandle);
    Text.Query(qmRead);
    if (Text.IsHidden)
        return;
    AddObstacle(TextObstacleRect(TextHandle, Margin), okDesignator);
}

void TObstacleTree::AddTextObject(THostHandle TextHandle, int32_t Margin) {
    TSchTextField Text(TextHandle);
    Text.Query(qmRead);
    AddObstacle(TextObstacleRect(TextHandle, Margin), okTextObject);
}

void TObstacleTree::AddJunction(THostHandle JunctionHandle) {
    TSchJunction Junction(JunctionHandle);
    Junction.Query(qmRead);
    AddObstacle(MarkAround(Junction.Location), okJunction);
}

void TObstacleTree::AddSheetBorder() {
    TBoundingRect R = SheetRect();
    R.Bottom = R.Top - SheetBorderDepth;
    AddObstacle(R, okUnknown);
    R = SheetRect();
    R.Left = R.Right - SheetBorderDepth;
    AddObstacle(R, okUnknown);
    R = SheetRect();
    R.Top = R.Bottom + SheetBorderDepth;
    AddObstacle(R, okUnknown);
    R = SheetRect();
    R.Right = R.Left + SheetBorderDepth;
    AddObstacle(R, okUnknown);
}

void TObstacleTree::AddTitleBlock() {
    TSchSheetOptions Options(SchAPI_GetCurrentDocumentHandle());
    Options.Query(qmRead);
    int32_t Width = 0, Top = 0;
    if (!Options.StyledTitleBlock) {
        Width = 500, Top = 100;
    } else if (Options.TitleBlockStyle == 0) {
        Width = 360, Top = 102;
    } else if (Options.TitleBlockStyle == 1) {
        Width = 630, Top = 200;
    } else {
        return; // a style the router does not know: no title block rather than one covering the whole sheet
    }
    TBoundingRect R = SheetRect();
    R.Right -= TitleBlockRightGap;
    R.Left = R.Right - Width;
    R.Bottom = TitleBlockBottom;
    R.Top = Top;
    AddObstacle(R, okRectangle);
}

} // namespace wirewright
