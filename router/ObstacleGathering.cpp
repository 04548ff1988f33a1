// The gathering by object kind: which objects become obstacles, with which rectangle, kind and margin.
#include "router/ObstacleGathering.h"

#include "router/New_SchClass.h"
#include "router/New_SchProcs.h"
#include "router/SheetQueries.h"

namespace wirewright {

namespace {

constexpr int32_t BorderDepth = 22;
constexpr int32_t TitleBlockRightGap = 20; // the title block ends this far left of the sheet's right edge
constexpr int32_t TitleBlockBottom = 20;

// The rectangle from the host's corners (X1, Y1) and (X2, Y2), normalised.
TBoundingRect RectFromCorners(int32_t X1, int32_t Y1, int32_t X2, int32_t Y2) {
    TBoundingRect Rect;
    Rect.SetCorners({X1, Y1}, {X2, Y2});
    Rect.Normalize();
    return Rect;
}

// The object's rectangle as the host reports it, normalised; unset when the host does not answer.
TBoundingRect HostRectOf(THostHandle Object) {
    TBoundingRect Rect;
    int32_t X1 = Rect.Left, Y1 = Rect.Top, X2 = Rect.Right, Y2 = Rect.Bottom;
    SchAPI_GetObjectBoundingRectangle(Object, &X1, &Y1, &X2, &Y2);
    return RectFromCorners(X1, Y1, X2, Y2);
}

// A 3 by 3 square centred on P: a junction or the end mark of a line.
TBoundingRect MarkAround(TPoint P) {
    return TBoundingRect(P.X - 1, P.Y - 1, P.X + 1, P.Y + 1);
}

// A text's own extent widened sideways by Margin and one unit lower at the top and higher at the bottom.
TBoundingRect TextRect(const TSchTextField& Text, int32_t Margin) {
    int32_t X1, Y1, X2, Y2;
    Text.GetBoundingRect(X1, Y1, X2, Y2);
    TBoundingRect Rect = RectFromCorners(X1, Y1, X2, Y2);
    Rect.Left -= Margin;
    Rect.Right += Margin;
    Rect.Top -= 1;
    Rect.Bottom += 1;
    return Rect;
}

// The pin bands of a part, one per side of the part's own rectangle, in the order they are cut from the body.
struct TPinBands {
    TBoundingRect Band[4];
    static constexpr TSide Sides[4] = {sdTop, sdBottom, sdLeft, sdRight};

    // Adds the pin with corners (X1, Y1), (X2, Y2) to the band of the first part side its end lies on (top, bottom,
    // left, right), widened by 1 across the band; a pin on no side is ignored.
    void Include(const TBoundingRect& Part, int32_t X1, int32_t Y1, int32_t X2, int32_t Y2) {
        TBoundingRect Pin;
        Pin.SetFromPoints({X1, Y1}, {X2, Y2});
        int Index;
        if (Part.Top == Y1 || Part.Top == Y2)
            Index = 0;
        else if (Part.Bottom == Y1 || Part.Bottom == Y2)
            Index = 1;
        else if (Part.Left == X1 || Part.Left == X2)
            Index = 2;
        else if (Part.Right == X1 || Part.Right == X2)
            Index = 3;
        else
            return;
        if (Index < 2)
            Pin.InflateSides(SideBit(sdLeft) | SideBit(sdRight), 1);
        else
            Pin.InflateSides(SideBit(sdBottom) | SideBit(sdTop), 1);
        Band[Index].Include(Pin);
    }
};

// One sheet object by its kind; Rect is the object's rectangle grown by Margin.
void AddSheetObject(TObstacleTree& Tree, THostHandle Object, int32_t Margin) {
    const uint8_t Kind = ObjectKindOf(Object);
    TBoundingRect Rect = HostRectOf(Object);
    Rect.Inflate(Margin);
    switch (Kind) {
    case 0:
    case okDesignator: // added with its part
    case okPartType:
        return;
    case okBus:
    case okPolyline:
    case okWire:
        AddPolyline(Tree, Object);
        return;
    case okBusEntry:
    case okPowerObject:
        Rect.Deflate(Margin);
        break;
    case okJunction:
        AddJunction(Tree, Object);
        return;
    case okAnnotation:
    case okNetLabel:
        Rect.Deflate(Margin + 1);
        Tree.AddObstacle(Rect, okAnnotation);
        return;
    case okPart:
        AddPart(Tree, Rect, Object, Margin);
        return;
    case okPort:
        Rect.Top -= Margin;
        Rect.Bottom += Margin;
        break;
    case okTextObject:
        AddTextObject(Tree, Object, Margin);
        return;
    default:
        break;
    }
    Tree.AddObstacle(Rect, Kind);
}

} // namespace

void Build(TObstacleTree& Tree, THostHandle SheetHandle, int32_t Margin) {
    const THostHandle Iterator = SchAPI_CreateIterator(SheetHandle, 0);
    for (THostHandle Object = SchAPI_GetFirstObject(Iterator); Object != 0; Object = SchAPI_GetNextObject(Iterator))
        AddSheetObject(Tree, Object, Margin);
    AddSheetBorder(Tree);
    AddTitleBlock(Tree);
    SchAPI_DestroyIterator(Iterator);
}

void AddWire(TObstacleTree& Tree, THostHandle WireHandle) {
    AddPolyline(Tree, WireHandle);
}

// Straight runs of the object's segments as zero-width or zero-height rectangles, and a mark around each end. A run
// goes on while the next segment keeps its orientation, but the last segment always stands alone.
void AddPolyline(TObstacleTree& Tree, THostHandle ObjectHandle) {
    TSchAbstractPolyLineObject Line(ObjectHandle);
    Line.Query(qmRead);
    const int32_t Count = Line.VertexCount;
    if (Count == 0)
        return;
    const auto Vertex = [&Line](int32_t Index) { return Line.Vertices[Index - 1]; };

    TPoint Start = Vertex(1);
    for (int32_t i = 1; i <= Count - 1; ++i) {
        const TSide Orientation = SegmentOrientation(Vertex(i), Vertex(i + 1));
        if (Orientation == sdBoth) {
            Start = Vertex(i + 1); // oblique segments are no obstacles
            continue;
        }
        const TSide Next = i + 2 <= Count - 1 ? SegmentOrientation(Vertex(i + 1), Vertex(i + 2)) : sdBoth;
        if (Next == Orientation)
            continue;
        TBoundingRect Run;
        Run.SetCorners(Start, Vertex(i + 1));
        Run.Normalize();
        Tree.AddObstacle(Run, okWire);
        Start = Vertex(i + 1);
    }
    Tree.AddObstacle(MarkAround(Vertex(1)), okJunction);
    Tree.AddObstacle(MarkAround(Vertex(Count)), okJunction);
}

void AddSegment(TObstacleTree& Tree, TPoint P1, TPoint P2) {
    OrderSegmentEnds(P1, P2);
    TBoundingRect Rect;
    if (P1.X == P2.X)
        Rect = TBoundingRect(P1.X - 1, MinCoord(P1.Y, P2.Y), P1.X + 1, MaxCoord(P1.Y, P2.Y));
    else
        Rect = TBoundingRect(MinCoord(P1.X, P2.X), P1.Y - 1, MaxCoord(P1.X, P2.X), P1.Y + 1);
    Tree.AddObstacle(Rect, okRectangle);
}

// The pins along each side of the part form a band that is cut from the body; the bands keep Margin, the body one unit
// more, so that routes can reach the pin ends.
void AddPart(TObstacleTree& Tree, TBoundingRect Rect, THostHandle PartHandle, int32_t Margin) {
    TSchComponent Component(PartHandle);
    Component.Query(qmRead);
    const bool ShowHidden = Component.ShowHiddenPins != 0;
    Rect.Deflate(Margin);

    TPinBands Bands;
    TSchPin Pin(0);
    const THostHandle Iterator = SchAPI_CreateGroupIterator(Component.ItemContainer);
    for (THostHandle Child = SchAPI_GetFirstGroupObject(Iterator); Child != 0;
         Child = SchAPI_GetNextGroupObject(Iterator)) {
        if (ObjectKindOf(Child) != okPin || (!ShowHidden && IsPinHidden(Child)))
            continue;
        Pin.Handle = Child;
        Pin.Query(qmRead);
        int32_t X1, Y1, X2, Y2;
        Pin.GetBoundingRect(X1, Y1, X2, Y2);
        Bands.Include(Rect, X1, Y1, X2, Y2);
    }
    SchAPI_DestroyGroupIterator(Iterator);

    for (int i = 0; i < 4; ++i) {
        TBoundingRect& Band = Bands.Band[i];
        if (!Band.IsSet())
            continue;
        Rect.CutSide(Band, TPinBands::Sides[i]);
        Band.Inflate(Margin);
        Tree.AddObstacle(Band, okPart);
    }
    Rect.Inflate(Margin + 1);
    Tree.AddObstacle(Rect, okPart);
    AddDesignator(Tree, Component.DesignatorHandle, Margin);
}

// A part without a designator text (handle 0) adds nothing: the host would report no rectangle for it.
void AddDesignator(TObstacleTree& Tree, THostHandle TextHandle, int32_t Margin) {
    if (TextHandle == 0)
        return;
    TSchTextField Text(TextHandle);
    Text.Query(qmRead);
    if (Text.IsHidden == 0)
        Tree.AddObstacle(TextRect(Text, Margin), okDesignator);
}

void AddTextObject(TObstacleTree& Tree, THostHandle TextHandle, int32_t Margin) {
    TSchTextField Text(TextHandle);
    Text.Query(qmRead);
    Tree.AddObstacle(TextRect(Text, Margin), okTextObject);
}

void AddJunction(TObstacleTree& Tree, THostHandle JunctionHandle) {
    TSchJunction Junction(JunctionHandle);
    Junction.Query(qmRead);
    Tree.AddObstacle(MarkAround(Junction.Location), okJunction);
}

void AddSheetBorder(TObstacleTree& Tree) {
    TBoundingRect Sheet;
    Sheet.SetToSheet();
    TBoundingRect Top = Sheet, Right = Sheet, Bottom = Sheet, Left = Sheet;
    Top.Bottom = Sheet.Top - BorderDepth;
    Right.Left = Sheet.Right - BorderDepth;
    Bottom.Top = Sheet.Bottom + BorderDepth;
    Left.Right = Sheet.Left + BorderDepth;
    for (const TBoundingRect& Band : {Top, Right, Bottom, Left})
        Tree.AddObstacle(Band, okUnknown);
}

// The title block's size follows the document's title block options. A title block style the router does not know adds
// no title block, rather than blocking the whole sheet.
void AddTitleBlock(TObstacleTree& Tree) {
    TSchSheetOptions Options(SchAPI_GetCurrentDocumentHandle());
    Options.Query(qmRead);
    int32_t LeftInset, Top; // from the sheet's right edge; the top's height
    if (Options.StyledTitleBlock == 0) {
        LeftInset = 520;
        Top = 100;
    } else if (Options.TitleBlockStyle == 0) {
        LeftInset = 380;
        Top = 102;
    } else if (Options.TitleBlockStyle == 1) {
        LeftInset = 650;
        Top = 200;
    } else {
        return;
    }
    TBoundingRect Sheet;
    Sheet.SetToSheet();
    const TBoundingRect Block(Sheet.Right - LeftInset, TitleBlockBottom, Sheet.Right - TitleBlockRightGap, Top);
    Tree.AddObstacle(Block, okRectangle);
}

} // namespace wirewright
