#include "router/ObstacleTree.h"

#include <array>
#include <cstddef>
#include <vector>

namespace wirewright {

namespace {

// Coordinate Dimension of a rectangle: 0 Left, 1 Bottom, 2 Right, 3 Top.
int32_t Coordinate(const TBoundingRect& R, int Dimension) {
    switch (Dimension) {
    case 0:
        return R.Left;
    case 1:
        return R.Bottom;
    case 2:
        return R.Right;
    default:
        return R.Top;
    }
}

bool IsInverted(const TBoundingRect& R) {
    return R.Left > R.Right || R.Bottom > R.Top;
}

// The walk's stack of nodes still to visit: a few dozen entries cover a balanced tree; a degenerate one spills to
// the heap.
template <typename Node> class TWalkStack {
public:
    bool IsEmpty() const { return Size == 0 && Spill.empty(); }
    void Push(Node* N) {
        if (Size < Local.size())
            Local[Size++] = N;
        else
            Spill.push_back(N);
    }
    Node* Pop() {
        if (Spill.empty())
            return Local[--Size];
        Node* N = Spill.back();
        Spill.pop_back();
        return N;
    }

private:
    std::array<Node*, 64> Local; // only entries below Size are read
    std::size_t Size = 0;
    std::vector<Node*> Spill;
};

// Visits the leaves depth first, low child before high child, until Answers (a leaf) is true. An inner node is entered
// when Reaches (its box) is true, or when an inverted leaf lies below it (no box test can speak for such a leaf). Both
// tests run when the node is reached, so a query that moves its point or shrinks its window prunes later subtrees
// with the new value.
template <typename Node, typename ReachTest, typename LeafTest>
bool Walk(Node* Root, ReachTest&& Reaches, LeafTest&& Answers) {
    TWalkStack<Node> Stack;
    if (Root != nullptr)
        Stack.Push(Root);
    while (!Stack.IsEmpty()) {
        Node* N = Stack.Pop();
        if (N->IsLeaf) {
            if (Answers(*N))
                return true;
            continue;
        }
        if (!N->HoldsInverted && !Reaches(N->Rect))
            continue;
        Stack.Push(N->HighChild);
        Stack.Push(N->LowChild);
    }
    return false;
}

// Box tests for inner nodes. Each holds whenever some leaf inside the box could pass the leaf's own test, so pruning
// never changes an answer; where the leaf's test already has that property it is used as it is.

// SegmentCrossesInterior's row (column) test is strict but its span test is closed, so a segment ending on a
// zero-width leaf's column counts; a box that leaf lies on the edge of must still be entered.
bool MayCrossInterior(const TBoundingRect& R, TPoint P1, TPoint P2) {
    OrderSegmentEnds(P1, P2);
    if (P1.Y == P2.Y)
        return R.Bottom < P1.Y && P1.Y < R.Top && P1.X <= R.Right && P2.X >= R.Left;
    if (P1.X == P2.X)
        return R.Left < P1.X && P1.X < R.Right && P1.Y >= R.Bottom && P2.Y <= R.Top;
    return false;
}

// Overlaps counts a line lying on the window's side, which a box reaching beyond that side would not overlap: enter
// every box that meets the closed window.
bool MayOverlap(const TBoundingRect& Window, const TBoundingRect& R) {
    if (IsInverted(Window))
        return true;
    return R.Left <= Window.Right && Window.Left <= R.Right && R.Bottom <= Window.Top && Window.Bottom <= R.Top;
}

bool IsMarkedJunction(const TObstacle& Leaf) {
    return Leaf.Marked != 0 && Leaf.Kind == okJunction;
}

// P lies on a line rectangle: on a vertical one's column or a horizontal one's row, within its extent.
bool LiesOnLine(const TBoundingRect& R, TPoint P) {
    return (R.Left == R.Right && P.X == R.Left && R.Bottom <= P.Y && P.Y <= R.Top) ||
           (R.Top == R.Bottom && P.Y == R.Top && R.Left <= P.X && P.X <= R.Right);
}

bool IsLineOn(const TObstacle& Leaf, TPoint P) {
    return IsLineKind(Leaf.Kind) && LiesOnLine(Leaf.Rect, P);
}

// The neighbour queries along one axis: rows (Y; Bottom, Top) or columns (X; Left, Right).
struct TAxis {
    int32_t TPoint::*Along;
    int32_t TBoundingRect::*Low;
    int32_t TBoundingRect::*High;
};
constexpr TAxis Rows{&TPoint::Y, &TBoundingRect::Bottom, &TBoundingRect::Top};
constexpr TAxis Columns{&TPoint::X, &TBoundingRect::Left, &TBoundingRect::Right};

// Every visible leaf overlapping Window that lies wholly beyond P's line becomes Beyond and pulls the window's high
// side in to it; one wholly before P's line becomes Before and pulls the low side in. A leaf across P's line changes
// nothing.
void FindNeighbours(const TObstacle* Root, const TAxis& Axis, TPoint P, TBoundingRect& Window, TBoundingRect& Beyond,
                    TBoundingRect& Before) {
    Walk(
        Root, [&](const TBoundingRect& R) { return MayOverlap(Window, R); },
        [&](const TObstacle& Leaf) {
            const TBoundingRect& R = Leaf.Rect;
            if (IsMarkedJunction(Leaf) || !Window.Overlaps(R))
                return false;
            if (R.*Axis.Low > P.*Axis.Along) {
                Beyond = R;
                Window.*Axis.High = R.*Axis.Low;
            }
            if (R.*Axis.High < P.*Axis.Along) {
                Before = R;
                Window.*Axis.Low = R.*Axis.High;
            }
            return false;
        });
}

bool IsLineEnd(const TBoundingRect& R, TPoint P) {
    if (R.Top == R.Bottom && (SamePoint(P, {R.Left, R.Top}) || SamePoint(P, {R.Right, R.Top})))
        return true;
    return R.Left == R.Right && (SamePoint(P, {R.Left, R.Top}) || SamePoint(P, {R.Left, R.Bottom}));
}

// Box test of the point queries; it reads P as it stands, so a query that moves P prunes with the moved point.
auto PointTest(const TPoint& P) {
    return [&P](const TBoundingRect& R) { return R.ContainsPoint(P); };
}

} // namespace

// --- Construction and insertion -------------------------------------------------------------------------------------

TObstacleTree::TObstacleTree(int32_t AGridSize) : GridSize(AGridSize) {}

void TObstacleTree::AddObstacle(const TBoundingRect& Rect, uint8_t Kind) {
    Insert(Root, &Nodes.emplace_back(Rect, Kind), 0);
}

void TObstacleTree::Insert(TObstacle*& Slot, TObstacle* Leaf, int Dimension) {
    TObstacle** Current = &Slot;
    int D = Dimension;
    while (*Current != nullptr && (*Current)->IsLeaf == 0) {
        TObstacle& N = **Current;
        // No stored split value: the high child's current box decides, ties going high.
        const bool High = Coordinate(Leaf->Rect, D) >= Coordinate(N.HighChild->Rect, D);
        N.Rect = N.Rect.Union(Leaf->Rect);
        N.HoldsInverted |= Leaf->HoldsInverted;
        Current = High ? &N.HighChild : &N.LowChild;
        D = (D + 1) % 4;
    }
    if (*Current == nullptr) {
        *Current = Leaf;
        return;
    }
    // Splitting a leaf, ties go low: the new leaf is the low child when the old one's coordinate is not smaller.
    TObstacle* Old = *Current;
    *Current = Coordinate(Old->Rect, D) >= Coordinate(Leaf->Rect, D) ? &Nodes.emplace_back(Leaf, Old)
                                                                     : &Nodes.emplace_back(Old, Leaf);
}

// --- Point queries --------------------------------------------------------------------------------------------------

bool TObstacleTree::PointBlocked(TPoint P, int32_t Margin) const {
    return Walk(Root, PointTest(P), [&](const TObstacle& Leaf) {
        TBoundingRect R = Leaf.Rect;
        if (!IsUnpaddedKind(Leaf.Kind))
            R.Deflate(Margin);
        else if (Leaf.Kind == okPowerObject)
            R.Deflate(1);
        return R.ContainsPoint(P) && Leaf.Kind != okBus && Leaf.Kind != okJunction && Leaf.Kind != okWire;
    });
}

bool TObstacleTree::PointInPartBody(TPoint P, int32_t Margin) const {
    return Walk(Root, PointTest(P), [&](const TObstacle& Leaf) {
        TBoundingRect R = Leaf.Rect;
        if (!IsUnpaddedKind(Leaf.Kind))
            R.Deflate(Margin);
        return R.ContainsPoint(P) && Leaf.Kind == okPart;
    });
}

bool TObstacleTree::PartRectAt(TPoint P, TBoundingRect& Rect) const {
    return Walk(Root, PointTest(P), [&](const TObstacle& Leaf) {
        if (Leaf.Kind != okPart || !Leaf.Rect.ContainsPoint(P))
            return false;
        Rect = Leaf.Rect;
        return true;
    });
}

bool TObstacleTree::IsOnLine(TPoint P) const {
    return Walk(Root, PointTest(P),
                [&](const TObstacle& Leaf) { return Leaf.Rect.ContainsPoint(P) && IsLineOn(Leaf, P); });
}

bool TObstacleTree::IsLineEndAt(TPoint P) const {
    return Walk(Root, PointTest(P), [&](const TObstacle& Leaf) {
        return Leaf.Rect.ContainsPoint(P) && IsLineKind(Leaf.Kind) && IsLineEnd(Leaf.Rect, P);
    });
}

TSide TObstacleTree::LineOrientationAt(TPoint P) const {
    TSide Result = sdNone;
    Walk(Root, PointTest(P), [&](const TObstacle& Leaf) {
        if (!Leaf.Rect.ContainsPoint(P) || !IsLineOn(Leaf, P))
            return false;
        Result = Leaf.Rect.LineOrientation();
        return true;
    });
    return Result;
}

bool TObstacleTree::LineAlongAt(TSide Side, TPoint P) const {
    return Walk(Root, PointTest(P), [&](const TObstacle& Leaf) {
        return Leaf.Rect.ContainsPoint(P) && IsLineOn(Leaf, P) &&
               SideMatchesOrientation(Leaf.Rect.LineOrientation(), Side);
    });
}

bool TObstacleTree::MoreThanOneLineAt(TPoint P) const {
    int32_t Lines = 0;
    return Walk(Root, PointTest(P), [&](const TObstacle& Leaf) {
        if (Leaf.Rect.ContainsPoint(P) && IsLineKind(Leaf.Kind))
            ++Lines;
        return Lines > 1;
    });
}

void TObstacleTree::MarkAt(TPoint P) {
    Walk(Root, PointTest(P), [&](TObstacle& Leaf) {
        if (Leaf.Rect.ContainsPoint(P))
            Leaf.Marked = 1;
        return false;
    });
}

bool TObstacleTree::StepOffObstacle(TPoint& P, int32_t Margin, int32_t Grid, bool Snap) const {
    return Walk(Root, PointTest(P), [&](const TObstacle& Leaf) {
        if (!Leaf.Rect.ContainsPoint(P) || IsUnpaddedKind(Leaf.Kind))
            return false;
        TBoundingRect Inner;
        if (Leaf.Kind == okBusEntry) {
            Leaf.Rect.DeflatedCopy(Inner, 1);
            return Inner.StepOffBorder(P, Grid, Margin, Snap);
        }
        if (Leaf.Rect.StepOffBorder(P, Grid, Margin, Snap))
            return true;
        Leaf.Rect.DeflatedCopy(Inner, Margin);
        return Inner.StepOffBorder(P, Grid, Margin, Snap);
    });
}

void TObstacleTree::SlideAlongPart(TPoint& P, int32_t Margin, TPoint Target) const {
    Walk(Root, PointTest(P), [&](const TObstacle& Leaf) {
        if (Leaf.Kind != okPart || !Leaf.Rect.ContainsPoint(P))
            return false;
        TBoundingRect Body;
        Leaf.Rect.DeflatedCopy(Body, Margin);
        switch (Body.BorderSideOf(P)) {
        case sdTop:
        case sdBottom:
            P.X = P.X < Target.X ? Leaf.Rect.Right : Leaf.Rect.Left;
            break;
        case sdLeft:
        case sdRight:
            P.Y = P.Y < Target.Y ? Leaf.Rect.Top : Leaf.Rect.Bottom;
            break;
        default:
            break;
        }
        return false;
    });
}

// --- Segment and edge queries ---------------------------------------------------------------------------------------

bool TObstacleTree::SegmentBlocked(TPoint P1, TPoint P2) const {
    return Walk(
        Root, [&](const TBoundingRect& R) { return MayCrossInterior(R, P1, P2); },
        [&](const TObstacle& Leaf) {
            const TBoundingRect& R = Leaf.Rect;
            if (!R.SegmentCrossesInterior(P1, P2))
                return false;
            switch (Leaf.Kind) {
            case okBus:
            case okWire:
                return false;
            case okJunction: {
                const TPoint Centre{R.Left + 1, R.Bottom + 1};
                return !SamePoint(P1, Centre) && !SamePoint(P2, Centre);
            }
            case okAnnotation:
            case okDesignator:
            case okPartType:
                return !R.SegmentOnBorderLine(P1, P2);
            default:
                return true;
            }
        });
}

bool TObstacleTree::PathMeetsLines(TPoint P1, TPoint P2, TPoint T1, TPoint T2, int32_t& Count) const {
    int32_t StartHits = 0;
    int32_t EndHits = 0;
    return Walk(
        Root, [&](const TBoundingRect& R) { return R.SegmentTouches(P1, P2); },
        [&](const TObstacle& Leaf) {
            if (!Leaf.Rect.SegmentTouches(P1, P2) || !IsLineKind(Leaf.Kind))
                return false;
            ++Count;
            return Leaf.Rect.SegmentMeetsLine(P1, P2, T1, T2, StartHits, EndHits);
        });
}

void TObstacleTree::CollectFacingSides(const TEdge& E, TEdgeList& List, TSide Direction, TEdgePool& Pool) const {
    Walk(
        Root, [&](const TBoundingRect& R) { return R.TouchesEdge(E); },
        [&](const TObstacle& Leaf) {
            const TBoundingRect& R = Leaf.Rect;
            if (!R.TouchesEdge(E) || IsMarkedJunction(Leaf) || !R.EdgeOnFacingSide(E))
                return false;
            // The obstacle's side that the search, going in Direction, runs into.
            TEdge* Facing = nullptr;
            switch (Direction) {
            case sdLeft:
                Facing = Pool.Add(R.RightEdge());
                break;
            case sdBottom:
                Facing = Pool.Add(R.TopEdge());
                break;
            case sdRight:
                Facing = Pool.Add(R.LeftEdge());
                break;
            case sdTop:
                Facing = Pool.Add(R.BottomEdge());
                break;
            default:
                return false;
            }
            Facing->Kind = IsLineKind(Leaf.Kind) ? ekLine : ekObstacle;
            Facing->ClipToSpan(E);
            List.Add(Facing);
            return false;
        });
}

void TObstacleTree::FindNeighboursAboveBelow(TPoint P, TBoundingRect& Window, TBoundingRect& Above,
                                             TBoundingRect& Below) const {
    FindNeighbours(Root, Rows, P, Window, Above, Below);
}

void TObstacleTree::FindNeighboursLeftRight(TPoint P, TBoundingRect& Window, TBoundingRect& RightRect,
                                            TBoundingRect& LeftRect) const {
    FindNeighbours(Root, Columns, P, Window, RightRect, LeftRect);
}

// --- L-path tests ---------------------------------------------------------------------------------------------------

namespace {

// Combines the two L-paths from A to B: PathFree (Corner, Path index) says whether the path through Corner is free.
template <typename FreeTest> TSide ClassifyPaths(TPoint A, TPoint B, FreeTest&& PathFree) {
    const std::array<TPoint, 2> Corners{TPoint{A.X, B.Y}, TPoint{B.X, A.Y}};
    std::array<TSide, 2> Arrival{};
    std::array<bool, 2> Free{};
    for (int Path = 0; Path < 2; ++Path) {
        const TPoint K = Corners[Path];
        // The side of B through which the path arrives.
        Arrival[Path] = OppositeSide(SamePoint(K, B) ? DirectionTo(A, B) : DirectionTo(K, B));
        Free[Path] = PathFree(K, Path);
    }
    if (Free[0] && Free[1])
        return sdBoth;
    if (Free[0])
        return Arrival[0];
    if (Free[1])
        return Arrival[1];
    return sdNone;
}

} // namespace

TSide TObstacleTree::ClassifyCorner(TPoint A, TPoint B) const {
    return ClassifyPaths(A, B, [&](TPoint K, int) {
        const bool FirstBlocked = !SamePoint(A, K) && SegmentBlocked(A, K);
        const bool SecondBlocked = !SamePoint(K, B) && SegmentBlocked(K, B);
        return !FirstBlocked && !SecondBlocked;
    });
}

TSide TObstacleTree::ClassifyCornerByLines(TPoint A, TPoint B, TPoint T1, TPoint T2) const {
    return ClassifyPaths(A, B, [&](TPoint K, int) {
        int32_t Lines = 0;
        const bool FirstBlocked = !SamePoint(A, K) && PathMeetsLines(A, K, T1, T2, Lines);
        const bool SecondBlocked = !SamePoint(K, B) && PathMeetsLines(K, B, T1, T2, Lines);
        return !FirstBlocked && !SecondBlocked;
    });
}

TSide TObstacleTree::ClassifyCornerFull(TPoint A, TPoint B, TPoint T1, TPoint T2, int32_t& Count) const {
    std::array<int32_t, 2> Lines{};
    const TSide Result = ClassifyPaths(A, B, [&](TPoint K, int Path) {
        const bool FirstMeets = !SamePoint(A, K) && PathMeetsLines(A, K, T1, T2, Lines[Path]);
        const bool SecondMeets = !SamePoint(K, B) && PathMeetsLines(K, B, T1, T2, Lines[Path]);
        // A zero-length leg is tested too: a single point blocks only strictly inside an obstacle.
        return !FirstMeets && !SecondMeets && !SegmentBlocked(A, K) && !SegmentBlocked(K, B);
    });
    if (Result == sdBoth)
        Count = MaxCoord(Lines[0], Lines[1]);
    return Result;
}

} // namespace wirewright
