#include "router/Draw.h"

#include "platform/Clock.h"
#include "router/New_SchProcs.h"
#include "router/ObstacleGathering.h"

#include <array>

namespace wirewright {

bool TooManyCrossings(int32_t Level, int32_t Count) {
    // Level 1 never cuts; levels 2..10 cut when Count exceeds their allowance.
    static constexpr std::array<int32_t, 9> Allowance{14, 12, 10, 9, 8, 6, 5, 3, 0};
    if (Level <= 1)
        return false;
    const int32_t Index = (Level > 10 ? 10 : Level) - 2;
    return Count > Allowance[static_cast<std::size_t>(Index)];
}

void CornerPoint(TPoint P, TPoint Q, TSide Dir, TSide Shape, TPoint& Corner) {
    switch (Shape) {
    case sdLeft:
    case sdRight:
        Corner = {P.X, Q.Y};
        break;
    case sdBottom:
    case sdTop:
        Corner = {Q.X, P.Y};
        break;
    case sdBoth:
        if (Dir == sdBottom || Dir == sdTop)
            Corner = {P.X, Q.Y};
        else if (Dir == sdLeft || Dir == sdRight)
            Corner = {Q.X, P.Y};
        break;
    default:
        break;
    }
}

TDrawAlgorithm::TDrawAlgorithm(const TEdge* AEdge, TPoint AStart, TPoint AStartExit, TPoint AGoal, TPoint AGoalEntry,
                               int32_t AGridSize, const TObstacleTree& ATree, uint32_t AStartTick, int32_t ATimeOut,
                               int32_t AAvoidLevel)
    : Start(AStart), StartExit(AStartExit), GoalEntry(AGoalEntry), Goal(AGoal), Edge(AEdge), GridSize(AGridSize),
      Tree(ATree), Wire(SchAPI_CreateObjectEx(okWire)), StartTick(AStartTick), TimeOut(ATimeOut),
      AvoidLevel(AAvoidLevel), DrawnTree(AGridSize) {
    Wire.Query(qmRead);
    Wire.WireValue = 1; // line width
    Wire.VertexCount = 0;
    Wire.Query(qmWrite);
}

void TDrawAlgorithm::Append(TPoint P) {
    // A route that needs more vertices than a wire holds is not drawn at all.
    if (VertexCount >= WireVertexLimit) {
        Failed = true;
        return;
    }
    Vertices[static_cast<std::size_t>(VertexCount++)] = P;
}

void TDrawAlgorithm::AddSegment(TPoint P, TPoint Q) {
    if (SamePoint(P, Q))
        return;
    if (VertexCount == 0 || !SamePoint(Vertices[static_cast<std::size_t>(VertexCount - 1)], P))
        Append(P);
    Append(Q);
    wirewright::AddSegment(DrawnTree, P, Q);
}

void TDrawAlgorithm::AddCheckedSegment(TPoint P, TPoint Q) {
    if (DrawnTree.ClassifyCorner(P, Q) == sdNone)
        Failed = true;
    else
        AddSegment(P, Q);
}

TSide TDrawAlgorithm::CheckCorner(TPoint A, TPoint B, int32_t& Count) const {
    const TSide S1 = Tree.ClassifyCornerFull(A, B, Start, Goal, Count);
    const TSide S2 = DrawnTree.ClassifyCorner(A, B);
    if (S1 == S2 || S2 == sdBoth)
        return S1;
    if (S1 == sdBoth)
        return S2;
    return sdNone;
}

void TDrawAlgorithm::FindFarthest(TPoint From, const TEdge*& Current, TPoint& To, TSide& Shape) {
    int32_t Hops = 0;
    int32_t Count = 0;
    TPoint Best = From;
    while (Current != nullptr) {
        const TPoint P = Current->Pass;
        const TSide S = CheckCorner(From, P, Count);
        if (S == sdNone || (Hops > 2 && TooManyCrossings(AvoidLevel, Count)))
            break;
        Best = P;
        Shape = S;
        Current = Current->Parent;
        ++Hops;
    }
    if (Current == nullptr) {
        const TSide S = CheckCorner(From, StartExit, Count);
        if (S != sdNone) {
            Best = StartExit;
            Shape = S;
        }
    }
    To = Best;
}

bool TDrawAlgorithm::KeepDrawing(const TEdge* Current) const {
    return Current != nullptr && !Failed && !SamePoint(StartExit, Goal) && !SamePoint(GoalEntry, Start);
}

bool TDrawAlgorithm::Stalled(TPoint From, TPoint To) const {
    if (SamePoint(From, To) && !SamePoint(StartExit, GoalEntry))
        return true;
    return platform::GetTickCount() - StartTick > static_cast<uint32_t>(TimeOut);
}

void TDrawAlgorithm::ConnectToStartExit(TPoint P, TSide Dir) {
    if (SamePoint(P, StartExit))
        return;
    int32_t Count = 0;
    const TSide S = CheckCorner(P, StartExit, Count);
    if (S == sdNone) {
        Failed = true;
        return;
    }
    TPoint Corner = P;
    CornerPoint(P, StartExit, Dir, S, Corner);
    AddSegment(P, Corner);
    AddSegment(Corner, StartExit);
}

THostHandle TDrawAlgorithm::DrawRoute() {
    AddSegment(Goal, Edge->Pass);
    TSide Dir = OppositeSide(Edge->Side);
    const TEdge* Current = Edge;
    bool First = true;
    TPoint To = Edge->Pass;
    TSide Shape = sdNone;
    while (KeepDrawing(Current)) {
        const TPoint From = First ? Current->Pass : To;
        First = false;
        FindFarthest(From, Current, To, Shape);
        TPoint Corner = From;
        CornerPoint(From, To, Dir, Shape, Corner);
        AddSegment(From, Corner);
        if (!SamePoint(Corner, To)) {
            AddSegment(Corner, To);
            Dir = DirectionTo(Corner, To);
        } else if (!SamePoint(From, Corner))
            Dir = DirectionTo(From, Corner);
        if (Current == nullptr)
            ConnectToStartExit(To, Dir);
        if (Stalled(From, To))
            Failed = true;
    }
    AddCheckedSegment(StartExit, Start);
    if (Failed || VertexCount < 2) {
        // The wire made for this drawing would stay behind empty on the sheet.
        SchAPI_DestroyObject(Wire.GetHandle());
        return 0;
    }
    Commit();
    return Wire.GetHandle();
}

THostHandle TDrawAlgorithm::DrawDirect(TPoint P, TPoint Q) {
    const TPoint Corner{P.X, Q.Y};
    AddSegment(Q, Corner);
    AddSegment(Corner, P);
    Commit();
    return Wire.GetHandle();
}

void TDrawAlgorithm::Commit() {
    Wire.Query(qmRead);
    Wire.Vertices = Vertices;
    Wire.VertexCount = VertexCount;
    Wire.Query(qmWrite);
}

} // namespace wirewright
