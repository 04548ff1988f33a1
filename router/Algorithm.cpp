#include "router/Algorithm.h"

#include "platform/Clock.h"
#include "platform/MessageQueue.h"
#include "router/Draw.h"
#include "router/New_SchProcs.h"
#include "router/SheetQueries.h"

namespace wirewright {

namespace {

bool IsHorizontalSide(TSide Side) {
    return Side == sdBottom || Side == sdTop;
}

int32_t KeyAlong(TSide Side) {
    return IsHorizontalSide(Side) ? AlongX : AlongDescendingY;
}

// Start sides of the first window when the start exit lies on one side of the start: every side but the way back.
TSides SidesAwayFrom(TPoint Start, TPoint Exit) {
    TSides Sides = AllSides;
    if (Exit.X > Start.X)
        Sides = 14;
    if (Exit.X < Start.X)
        Sides = 11;
    if (Exit.Y > Start.Y)
        Sides = 13;
    if (Exit.Y < Start.Y)
        Sides = 7;
    return Sides;
}

} // namespace

TSide MoveDirection(TPoint A, TPoint B) {
    if (B.Y < A.Y)
        return sdBottom;
    if (B.Y > A.Y)
        return sdTop;
    if (B.X < A.X)
        return sdLeft;
    if (B.X > A.X)
        return sdRight;
    return sdNone;
}

TSides ForwardSides(TSide Side) {
    switch (Side) {
    case sdLeft:
        return 11;
    case sdBottom:
        return 7;
    case sdRight:
        return 14;
    default:
        return 13;
    }
}

TRouteAlgorithm::TRouteAlgorithm(TPoint AStart, const TRouteOptions& Options, TObstacleTree& ATree, int32_t AGridSize,
                                 THostHandle Sheet, TPoint AGoal)
    : Tree(ATree), Start(AStart), StartExit(AStart), Goal(AGoal), GoalEntry(AGoal), GridSize(AGridSize),
      StartTick(platform::GetTickCount()), TimeOut(Options.TimeOut()), SnapToGrid(SheetSnapsToGrid(Sheet)),
      AvoidLevel(Options.AvoidWiresPosition()), Margin(Options.Clearance() - 1) {
    SheetRect.SetToSheet();
}

THostHandle TRouteAlgorithm::Execute() {
    if (Margin == 0)
        Margin = 1;
    if (!EndpointsFree()) {
        Failed = true;
        return 0;
    }
    MarkEndpoints();
    FindExitPoints();
    const bool Facing = FacingPins();
    TEdge* LastEdge = nullptr;
    if (Facing) {
        StartExit = Start;
        GoalEntry = Goal;
    } else {
        FindStartWindow();
        Expand(nullptr, StartSides);
        LastEdge = Search();
    }
    if (Failed)
        return 0;
    TEdge* FinalEdge = MakeFinalEdge(LastEdge);
    TDrawAlgorithm Drawing(FinalEdge, Start, StartExit, Goal, GoalEntry, GridSize, Tree, StartTick, TimeOut,
                           AvoidLevel);
    return Facing ? Drawing.DrawDirect(Start, Goal) : Drawing.DrawRoute();
}

bool TRouteAlgorithm::EndpointsFree() const {
    if (!Tree.IsEmpty() && (Tree.PointBlocked(Start, Margin + 1) || Tree.PointBlocked(Goal, Margin + 1)))
        return false;
    return !SamePoint(Start, Goal);
}

void TRouteAlgorithm::MarkEndpoints() {
    Tree.MarkAt(Start);
    Tree.MarkAt(Goal);
}

void TRouteAlgorithm::FindExitPoints() {
    StartExit = Start;
    if (TwoPinsAt(Start) || WireLeavesPinAt(Tree, Start, Margin)) {
        Tree.SlideAlongPart(StartExit, Margin, Goal);
        StartSides = SidesAwayFrom(Start, StartExit);
    } else {
        Tree.StepOffObstacle(StartExit, Margin, GridSize, SnapToGrid);
        const TSide D = MoveDirection(Start, StartExit);
        // A grid of 0 would never step off the line.
        if (D != sdNone && GridSize > 0)
            while (Tree.LineOrientationAt(StartExit) == D)
                StepPoint(StartExit, D);
        StartSides = AllSides;
    }

    GoalEntry = Goal;
    if (TwoPinsAt(Goal) || WireLeavesPinAt(Tree, Goal, Margin))
        Tree.SlideAlongPart(GoalEntry, Margin, Start);
    else {
        Tree.StepOffObstacle(GoalEntry, Margin, GridSize, SnapToGrid);
        const TSide D = MoveDirection(Goal, GoalEntry);
        if (D != sdNone && GridSize > 0)
            while (Tree.IsOnLine(GoalEntry))
                StepPoint(GoalEntry, D);
    }
}

bool TRouteAlgorithm::FacingPins() const {
    if (SamePoint(Start, StartExit) || SamePoint(Goal, GoalEntry))
        return false;
    const bool Vertical = StartExit.X == Goal.X || GoalEntry.X == Start.X || Start.X == Goal.X;
    const bool Horizontal = StartExit.Y == Goal.Y || GoalEntry.Y == Start.Y || Start.Y == Goal.Y;
    if (!Vertical && !Horizontal)
        return false;
    TBoundingRect RectA;
    TBoundingRect RectB;
    if (!Tree.PartRectAt(Start, RectA) || !Tree.PartRectAt(Goal, RectB) || RectA.Equals(RectB))
        return false;
    if (Vertical) {
        if (Start.Y > Goal.Y)
            return IsOutermostPinEnd(Start, sdBottom) && IsOutermostPinEnd(Goal, sdTop) &&
                   RectA.Bottom - RectB.Top < GridSize;
        if (Start.Y < Goal.Y)
            return IsOutermostPinEnd(Start, sdTop) && IsOutermostPinEnd(Goal, sdBottom) &&
                   RectB.Bottom - RectA.Top < GridSize;
        return true;
    }
    if (Start.X > Goal.X)
        return IsOutermostPinEnd(Start, sdLeft) && IsOutermostPinEnd(Goal, sdRight) &&
               RectA.Left - RectB.Right < GridSize;
    if (Start.X < Goal.X)
        return IsOutermostPinEnd(Start, sdRight) && IsOutermostPinEnd(Goal, sdLeft) &&
               RectB.Left - RectA.Right < GridSize;
    return true;
}

void TRouteAlgorithm::FindStartWindow() {
    if (Tree.IsEmpty()) {
        Window = SheetRect;
        return;
    }
    TBoundingRect Above, Below, RightRect, LeftRect;
    // The first pass only bounds the band searched by the second.
    TBoundingRect WinV = SheetRect;
    Tree.FindNeighboursAboveBelow(StartExit, WinV, Above, Below);
    TBoundingRect WinH = SheetRect;
    Tree.FindNeighboursLeftRight(StartExit, WinH, RightRect, LeftRect);

    WinV = SheetRect;
    if (RightRect.IsSet())
        WinV.Right = RightRect.Left;
    if (LeftRect.IsSet())
        WinV.Left = LeftRect.Right;
    Above = Below = TBoundingRect();
    Tree.FindNeighboursAboveBelow(StartExit, WinV, Above, Below);

    WinH = SheetRect;
    if (Above.IsSet())
        WinH.Top = Above.Bottom;
    if (Below.IsSet())
        WinH.Bottom = Below.Top;
    RightRect = LeftRect = TBoundingRect();
    Tree.FindNeighboursLeftRight(StartExit, WinH, RightRect, LeftRect);

    Window.Top = Above.IsSet() ? Above.Bottom : SheetRect.Top;
    Window.Bottom = Below.IsSet() ? Below.Top : SheetRect.Bottom;
    Window.Right = RightRect.IsSet() ? RightRect.Left : SheetRect.Right;
    Window.Left = LeftRect.IsSet() ? LeftRect.Right : SheetRect.Left;
}

void TRouteAlgorithm::Expand(TEdge* Edge, TSides Sides) {
    if (ClosedEdges.HasTwin(Edge))
        return;
    TEdgeList Pending;
    for (const TSide S : {sdLeft, sdBottom, sdRight, sdTop}) {
        if ((Sides & SideBit(S)) == 0)
            continue;
        TEdge SideEdge = S == sdLeft     ? Window.LeftEdge()
                         : S == sdBottom ? Window.BottomEdge()
                         : S == sdRight  ? Window.RightEdge()
                                         : Window.TopEdge();
        if (Window.MatchesEdge(SideEdge))
            return;
        if (!Tree.IsEmpty())
            Tree.CollectFacingSides(SideEdge, Pending, S, Edges);
        TEdgeList Sections;
        MergeFacingSides(Pending, S, Sections);
        TEdgeList Front;
        BuildFront(SideEdge, Edge, Sections, Front);
        AdoptParent(Front, Edge);
        CloseParents(Front);
        EvaluateFront(Front);
    }
}

void TRouteAlgorithm::MergeFacingSides(TEdgeList& Pending, TSide Side, TEdgeList& Sections) {
    const int32_t Key = KeyAlong(Side);
    const auto Section = [&](TPoint From, TPoint To, const TEdge& Like) {
        TEdge* Made = Edges.Make(From, To, Like.Side, Like.Parent);
        Made->Kind = Like.Kind;
        return Made;
    };
    while (TEdge* E = Pending.PopFirstAlong(Key)) {
        TPoint Q = E->A;
        while (Pending.HasOverlap(*E)) {
            TEdge* E2 = Pending.PopFirstAlong(Key);
            if (E2->IsPoint())
                continue;
            TEdge* Before = Section(Q, E2->A, *E);
            if (!Before->IsPoint())
                Sections.Add(Before);
            Sections.Add(E2);
            Q = E2->B;
        }
        Sections.Add(Section(Q, E->B, *E));
    }
    while (!Pending.IsEmpty()) // references that are none
        Pending.PopFirst();
}

bool TRouteAlgorithm::MakesNewEdge(const TEdge& E) const {
    const int32_t Length = E.Length();
    return Length >= GridSize && !(Length == GridSize && Tree.IsOnLine(E.A) && Tree.IsOnLine(E.B));
}

void TRouteAlgorithm::BuildFront(TEdge& SideEdge, TEdge* Parent, TEdgeList& Sections, TEdgeList& Front) {
    if (Sections.IsEmpty()) {
        SideEdge.Parent = Parent;
        if (MakesNewEdge(SideEdge)) {
            SideEdge.Kind = ekFree;
            Front.Add(Edges.Add(SideEdge));
        }
        return;
    }
    const int32_t Key = KeyAlong(SideEdge.Side);
    TPoint P = SideEdge.A;
    for (;;) {
        TEdge* Sec = Sections.PopFirstAlong(Key);
        TPoint Q = SideEdge.B;
        if (Sec != nullptr) {
            if (Sec->Kind == ekLine) {
                Sec->Side = SideEdge.Side;
                if (Sec->Length() >= GridSize)
                    Front.Add(Sec);
            }
            Q = Sec->A;
        }
        if (!SamePoint(P, Q)) {
            TEdge* Free = Edges.Make(P, Q, SideEdge.Side, Parent);
            Free->Kind = ekFree;
            if (MakesNewEdge(*Free))
                Front.Add(Free);
        }
        if (Sec == nullptr)
            return;
        P = Sec->B;
    }
}

void TRouteAlgorithm::AdoptParent(TEdgeList& Front, const TEdge* Edge) {
    if (Edge == nullptr)
        return;
    for (TEdge* E : Front.Items()) {
        TEdge* Copy = Edges.Make(Edge->A, Edge->B, Edge->Side, Edge->Parent);
        Copy->Assign(*Edge);
        E->Parent = Copy;
    }
}

void TRouteAlgorithm::CloseParents(const TEdgeList& Front) {
    for (TEdge* E : Front.Items())
        if (E->Parent != nullptr)
            ClosedEdges.Add(E->Parent);
}

void TRouteAlgorithm::EvaluateFront(TEdgeList& Front) {
    while (!Front.IsEmpty()) {
        TEdge* E = Front.PopFirst();
        if (SheetRect.EdgeOnOwnSide(*E))
            continue;
        E->SetEntry(StartExit, Tree);
        E->SetCorridor(Window);
        E->PlacePass(Start, Goal, GoalEntry, GridSize, Tree, SnapToGrid);
        E->Evaluate(Start, Goal, GoalEntry, AvoidLevel, Tree);
        E->SetSlideSide(StartExit, GoalEntry);
        if (E->Cost != BlockedCost)
            OpenEdges.Add(E);
    }
}

TEdge* TRouteAlgorithm::Search() {
    TEdge* Edge = nullptr;
    int32_t Counter = 0;
    while (!GoalReached(Edge)) {
        Edge = OpenEdges.PopCheapest();
        if (Edge == nullptr) {
            Failed = true;
            return nullptr;
        }
        if (TimedOut() || (Counter == EscapePollPasses && EscapePressed())) {
            Failed = true;
            return Edge;
        }
        if (Edge->AtLineEnd)
            ReviseLineEndEdge(Edge);
        else {
            FindEdgeWindow(*Edge);
            Expand(Edge, ForwardSides(Edge->Side));
        }
        Counter = Counter == EscapePollPasses ? 1 : Counter + 1;
    }
    return Edge;
}

bool TRouteAlgorithm::GoalReached(const TEdge* Edge) const {
    const bool Reached = SamePoint(StartExit, Goal);
    if (!Window.ContainsPoint(GoalEntry))
        return Reached;
    const TPoint From = Edge != nullptr ? Edge->Pass : StartExit;
    if (Tree.ClassifyCornerByLines(From, GoalEntry, StartExit, GoalEntry) != sdNone)
        return true;
    return Reached;
}

void TRouteAlgorithm::FindEdgeWindow(const TEdge& Edge) {
    const TBoundingRect& Bound = SheetRect;
    TBoundingRect Strip, Above, Below, RightRect, LeftRect;
    switch (Edge.Side) {
    case sdTop:
        Strip.SpanAbove(Edge, Bound);
        Tree.FindNeighboursAboveBelow(Edge.A, Strip, Above, Below);
        Window.SpanAboveUntil(Above, Edge, Bound);
        break;
    case sdBottom:
        Strip.SpanBelow(Edge, Bound);
        Tree.FindNeighboursAboveBelow(Edge.A, Strip, Above, Below);
        Window.SpanBelowUntil(Below, Edge, Bound);
        break;
    case sdRight:
        Strip.SpanRight(Edge, Bound);
        Tree.FindNeighboursLeftRight(Edge.A, Strip, RightRect, LeftRect);
        Window.SpanRightUntil(RightRect, Edge, Bound);
        break;
    default:
        Strip.SpanLeft(Edge, Bound);
        Tree.FindNeighboursLeftRight(Edge.A, Strip, RightRect, LeftRect);
        Window.SpanLeftUntil(LeftRect, Edge, Bound);
        break;
    }
}

void TRouteAlgorithm::ReviseLineEndEdge(TEdge*& Edge) {
    while (Edge->PassTouchesLine && Edge->EntryOnLine && Edge->Parent != nullptr) {
        Edge = Edge->Parent;
        ClosedEdges.Remove(Edge);
    }
    // The lists index an edge as it was added: it must be out of them while its pass point moves.
    OpenEdges.Remove(Edge);
    Edge->SlidePass(StartExit, GoalEntry, Tree, GridSize);
    Edge->Evaluate(Start, Goal, GoalEntry, AvoidLevel, Tree);
    if (Edge->Cost == BlockedCost) {
        Edge->ReverseSlide();
        Edge->SlidePass(StartExit, GoalEntry, Tree, GridSize);
        Edge->Evaluate(Start, Goal, GoalEntry, AvoidLevel, Tree);
    }
    if (Edge->Cost != BlockedCost)
        OpenEdges.Add(Edge);
}

TEdge* TRouteAlgorithm::MakeFinalEdge(TEdge* LastEdge) {
    TEdge* Final = nullptr;
    if (LastEdge != nullptr) {
        const TSide Side = Window.PointOnBorder(GoalEntry) ? Window.BorderSideOf(GoalEntry) : LastEdge->Side;
        Final = Edges.Make(GoalEntry, GoalEntry, Side, LastEdge);
        Final->Entry = LastEdge->Pass;
    } else {
        Final = Edges.Make(GoalEntry, GoalEntry, sdLeft, nullptr);
        Final->Entry = StartExit;
    }
    Final->Pass = GoalEntry;
    Final->PathShape = Tree.ClassifyCornerByLines(Final->Entry, GoalEntry, StartExit, GoalEntry);
    return Final;
}

bool TRouteAlgorithm::TimedOut() const {
    return platform::GetTickCount() - StartTick > static_cast<uint32_t>(TimeOut);
}

// Only an Escape press is taken off the editor's queue; every other message stays there for the editor.
bool TRouteAlgorithm::EscapePressed() const {
    const platform::WindowHandle Editor = SchAPI_GetCurrentEditorWindowHandle();
    const auto Next = platform::PeekWindowMessage(Editor, false);
    if (!Next || !platform::IsEscapeKeyDown(*Next))
        return false;
    platform::PeekWindowMessage(Editor, true);
    return true;
}

void TRouteAlgorithm::StepPoint(TPoint& P, TSide Side) const {
    switch (Side) {
    case sdLeft:
        P.X -= GridSize;
        break;
    case sdBottom:
        P.Y -= GridSize;
        break;
    case sdRight:
        P.X += GridSize;
        break;
    case sdTop:
        P.Y += GridSize;
        break;
    default:
        break;
    }
}

} // namespace wirewright
