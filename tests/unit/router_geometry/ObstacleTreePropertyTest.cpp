// Every query of the tree answers as a plain scan over its leaves in walk order (low before high) would: pruning
// never loses a leaf, and the early stops and the running state (moved point, shrinking window, counters) agree.
#include "router/ObstacleTree.h"

#include "GeometryPrinters.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace wirewright {
namespace {

// The leaves in walk order.
std::vector<const TObstacle*> WalkOrder(const TObstacle* Root) {
    std::vector<const TObstacle*> Result, Stack;
    if (Root != nullptr)
        Stack.push_back(Root);
    while (!Stack.empty()) {
        const TObstacle* N = Stack.back();
        Stack.pop_back();
        if (N->IsLeaf) {
            Result.push_back(N);
        } else {
            Stack.push_back(N->HighChild);
            Stack.push_back(N->LowChild);
        }
    }
    return Result;
}

bool InSet(uint8_t Kind, std::initializer_list<uint8_t> Set) {
    for (const uint8_t K : Set)
        if (K == Kind)
            return true;
    return false;
}

// The rules of each query applied to every leaf in turn.
struct Scan {
    std::vector<const TObstacle*> Leaves;

    static bool OnLine(const TObstacle& L, TPoint P) {
        const TBoundingRect& R = L.Rect;
        return IsLineKind(L.Kind) && ((R.Left == R.Right && P.X == R.Left && R.Bottom <= P.Y && P.Y <= R.Top) ||
                                      (R.Top == R.Bottom && P.Y == R.Top && R.Left <= P.X && P.X <= R.Right));
    }

    bool PointBlocked(TPoint P, int32_t Margin) const {
        for (const TObstacle* L : Leaves) {
            TBoundingRect R = L->Rect;
            if (!IsUnpaddedKind(L->Kind))
                R.Deflate(Margin);
            else if (L->Kind == 41)
                R.Deflate(1);
            if (R.ContainsPoint(P) && !InSet(L->Kind, {3, 10, 54}))
                return true;
        }
        return false;
    }
    bool PointInPartBody(TPoint P, int32_t Margin) const {
        for (const TObstacle* L : Leaves) {
            TBoundingRect R = L->Rect;
            if (!IsUnpaddedKind(L->Kind))
                R.Deflate(Margin);
            if (R.ContainsPoint(P) && L->Kind == 16)
                return true;
        }
        return false;
    }
    bool PartRectAt(TPoint P, TBoundingRect& Rect) const {
        for (const TObstacle* L : Leaves)
            if (L->Kind == 16 && L->Rect.ContainsPoint(P)) {
                Rect = L->Rect;
                return true;
            }
        return false;
    }
    bool IsOnLine(TPoint P) const {
        for (const TObstacle* L : Leaves)
            if (OnLine(*L, P))
                return true;
        return false;
    }
    bool IsLineEndAt(TPoint P) const {
        for (const TObstacle* L : Leaves) {
            const TBoundingRect& R = L->Rect;
            if (!IsLineKind(L->Kind))
                continue;
            if (R.Top == R.Bottom && (P == TPoint{R.Left, R.Top} || P == TPoint{R.Right, R.Top}))
                return true;
            if (R.Left == R.Right && (P == TPoint{R.Left, R.Top} || P == TPoint{R.Left, R.Bottom}))
                return true;
        }
        return false;
    }
    TSide LineOrientationAt(TPoint P) const {
        for (const TObstacle* L : Leaves)
            if (OnLine(*L, P))
                return L->Rect.LineOrientation();
        return sdNone;
    }
    bool LineAlongAt(TSide Side, TPoint P) const {
        for (const TObstacle* L : Leaves)
            if (OnLine(*L, P) && SideMatchesOrientation(L->Rect.LineOrientation(), Side))
                return true;
        return false;
    }
    bool MoreThanOneLineAt(TPoint P) const {
        int Lines = 0;
        for (const TObstacle* L : Leaves)
            if (IsLineKind(L->Kind) && L->Rect.ContainsPoint(P) && ++Lines > 1)
                return true;
        return false;
    }
    bool StepOffObstacle(TPoint& P, int32_t Margin, int32_t Grid, bool Snap) const {
        for (const TObstacle* L : Leaves) {
            if (!L->Rect.ContainsPoint(P) || IsUnpaddedKind(L->Kind))
                continue;
            TBoundingRect Inner;
            L->Rect.DeflatedCopy(Inner, L->Kind == 4 ? 1 : Margin);
            if ((L->Kind != 4 && L->Rect.StepOffBorder(P, Grid, Margin, Snap)) ||
                Inner.StepOffBorder(P, Grid, Margin, Snap))
                return true;
        }
        return false;
    }
    void SlideAlongPart(TPoint& P, int32_t Margin, TPoint Target) const {
        for (const TObstacle* L : Leaves) {
            if (L->Kind != 16 || !L->Rect.ContainsPoint(P))
                continue;
            TBoundingRect Body;
            L->Rect.DeflatedCopy(Body, Margin);
            const TSide S = Body.BorderSideOf(P);
            if (S == sdTop || S == sdBottom)
                P.X = P.X < Target.X ? L->Rect.Right : L->Rect.Left;
            else if (S == sdLeft || S == sdRight)
                P.Y = P.Y < Target.Y ? L->Rect.Top : L->Rect.Bottom;
        }
    }
    bool SegmentBlocked(TPoint P1, TPoint P2) const {
        for (const TObstacle* L : Leaves) {
            const TBoundingRect& R = L->Rect;
            if (!R.SegmentCrossesInterior(P1, P2) || InSet(L->Kind, {3, 54}))
                continue;
            if (L->Kind == 10) {
                const TPoint Centre{R.Left + 1, R.Bottom + 1};
                if (P1 == Centre || P2 == Centre)
                    continue;
            } else if (InSet(L->Kind, {11, 17, 35}) && R.SegmentOnBorderLine(P1, P2)) {
                continue;
            }
            return true;
        }
        return false;
    }
    bool PathMeetsLines(TPoint P1, TPoint P2, TPoint T1, TPoint T2, int32_t& Count) const {
        int32_t StartHits = 0, EndHits = 0;
        for (const TObstacle* L : Leaves) {
            if (!IsLineKind(L->Kind) || !L->Rect.SegmentTouches(P1, P2))
                continue;
            ++Count;
            if (L->Rect.SegmentMeetsLine(P1, P2, T1, T2, StartHits, EndHits))
                return true;
        }
        return false;
    }
    std::vector<std::string> CollectFacingSides(const TEdge& E, TSide Direction) const {
        std::vector<std::string> Result;
        for (const TObstacle* L : Leaves) {
            const TBoundingRect& R = L->Rect;
            if (!R.TouchesEdge(E) || (L->Marked && L->Kind == 10) || !R.EdgeOnFacingSide(E))
                continue;
            TEdge Facing = Direction == sdLeft     ? R.RightEdge()
                           : Direction == sdBottom ? R.TopEdge()
                           : Direction == sdRight  ? R.LeftEdge()
                                                   : R.BottomEdge();
            Facing.Kind = IsLineKind(L->Kind) ? ekLine : ekObstacle;
            Facing.ClipToSpan(E);
            // The list refuses a reversed edge, as an inverted obstacle gives.
            const bool Horizontal = Facing.Side == sdBottom || Facing.Side == sdTop;
            if (Horizontal ? Facing.A.X <= Facing.B.X : Facing.A.Y >= Facing.B.Y)
                Result.push_back(Describe(Facing));
        }
        return Result;
    }
    void FindNeighbours(bool Rows, TPoint P, TBoundingRect& Window, TBoundingRect& Far, TBoundingRect& Near) const {
        for (const TObstacle* L : Leaves) {
            const TBoundingRect& R = L->Rect;
            if ((L->Marked && L->Kind == 10) || !Window.Overlaps(R))
                continue;
            if (Rows ? R.Bottom > P.Y : R.Left > P.X) {
                Far = R;
                (Rows ? Window.Top : Window.Right) = Rows ? R.Bottom : R.Left;
            }
            if (Rows ? R.Top < P.Y : R.Right < P.X) {
                Near = R;
                (Rows ? Window.Bottom : Window.Left) = Rows ? R.Top : R.Right;
            }
        }
    }

    static std::string Describe(const TEdge& E) {
        return ::testing::PrintToString(E.A) + ::testing::PrintToString(E.B) + " side " + std::to_string(E.Side) +
               " kind " + std::to_string(E.Kind);
    }
};

std::vector<std::string> Describe(const TEdgeList& List) {
    std::vector<std::string> Result;
    for (const TEdge* E : List.Items())
        Result.push_back(Scan::Describe(*E));
    return Result;
}

class Generator {
public:
    explicit Generator(unsigned Seed) : Random(Seed) {}

    int32_t Coord() { return Between(-2, 62); }
    int32_t Between(int32_t Low, int32_t High) { return std::uniform_int_distribution<int32_t>(Low, High)(Random); }
    bool Chance(int Percent) { return Between(0, 99) < Percent; }
    TPoint Point() { return {Coord(), Coord()}; }

    // Mostly proper rectangles; many lines, points and junction marks; now and then an inverted one.
    TBoundingRect Rect(uint8_t Kind) {
        const TPoint P = Point();
        if (Kind == 10)
            return {P.X - 1, P.Y - 1, P.X + 1, P.Y + 1};
        if (IsLineKind(Kind) && Chance(80))
            return Chance(50) ? TBoundingRect(P.X, P.Y, P.X + Between(0, 20), P.Y)
                              : TBoundingRect(P.X, P.Y, P.X, P.Y + Between(0, 20));
        if (Chance(5))
            return {P.X, P.Y, P.X - Between(1, 4), P.Y + Between(-3, 6)};
        return {P.X, P.Y, P.X + Between(0, 15), P.Y + Between(0, 15)};
    }
    uint8_t Kind() {
        static const uint8_t Kinds[] = {3, 4, 10, 11, 13, 16, 16, 16, 17, 35, 39, 40, 41, 43, 54, 54, 54, 56, 61, 70};
        return Kinds[Between(0, static_cast<int32_t>(std::size(Kinds)) - 1)];
    }
    // Axis-parallel, a single point now and then, rarely oblique.
    std::pair<TPoint, TPoint> Segment() {
        const TPoint P = Point();
        if (Chance(3))
            return {P, {P.X + 5, P.Y + 7}};
        if (Chance(10))
            return {P, P};
        return Chance(50) ? std::pair{P, TPoint{Coord(), P.Y}} : std::pair{P, TPoint{P.X, Coord()}};
    }
    TEdge Edge() {
        TBoundingRect R = Rect(16);
        R.Normalize();
        switch (Between(0, 3)) {
        case 0:
            return R.LeftEdge();
        case 1:
            return R.BottomEdge();
        case 2:
            return R.RightEdge();
        default:
            return R.TopEdge();
        }
    }

private:
    std::mt19937 Random;
};

TEST(ObstacleTreeProperty, EveryQueryAnswersAsAScanOfTheLeavesInWalkOrder) {
    for (unsigned Seed = 1; Seed <= 150; ++Seed) {
        SCOPED_TRACE("seed " + std::to_string(Seed));
        Generator Gen(Seed);
        TObstacleTree Tree(5);
        const int LeafCount = Gen.Between(0, 120);
        for (int I = 0; I < LeafCount; ++I) {
            const uint8_t Kind = Gen.Kind();
            Tree.AddObstacle(Gen.Rect(Kind), Kind);
        }
        std::vector<TPoint> Marks;
        for (int I = 0; I < 6; ++I)
            Tree.MarkAt(Marks.emplace_back(Gen.Point()));
        const Scan Reference{WalkOrder(Tree.Root)};
        for (const TObstacle* Leaf : Reference.Leaves) {
            bool Marked = false;
            for (const TPoint M : Marks)
                Marked = Marked || Leaf->Rect.ContainsPoint(M);
            ASSERT_EQ(Leaf->Marked, Marked ? 1 : 0);
        }

        for (int Query = 0; Query < 150; ++Query) {
            const TPoint P = Gen.Point();
            const int32_t Margin = Gen.Between(0, 3);
            const TSide Side = TSide(Gen.Between(0, 3));
            SCOPED_TRACE("P " + ::testing::PrintToString(P) + " margin " + std::to_string(Margin));
            ASSERT_EQ(Tree.PointBlocked(P, Margin), Reference.PointBlocked(P, Margin));
            ASSERT_EQ(Tree.PointInPartBody(P, Margin), Reference.PointInPartBody(P, Margin));
            TBoundingRect Found, Expected;
            ASSERT_EQ(Tree.PartRectAt(P, Found), Reference.PartRectAt(P, Expected));
            ASSERT_EQ(Found, Expected);
            ASSERT_EQ(Tree.IsOnLine(P), Reference.IsOnLine(P));
            ASSERT_EQ(Tree.IsLineEndAt(P), Reference.IsLineEndAt(P));
            ASSERT_EQ(Tree.LineOrientationAt(P), Reference.LineOrientationAt(P));
            ASSERT_EQ(Tree.LineAlongAt(Side, P), Reference.LineAlongAt(Side, P));
            ASSERT_EQ(Tree.MoreThanOneLineAt(P), Reference.MoreThanOneLineAt(P));

            const bool Snap = Gen.Chance(50);
            TPoint Stepped = P, StepExpected = P;
            ASSERT_EQ(Tree.StepOffObstacle(Stepped, Margin, 5, Snap),
                      Reference.StepOffObstacle(StepExpected, Margin, 5, Snap));
            ASSERT_EQ(Stepped, StepExpected);
            const TPoint Target = Gen.Point();
            TPoint Slid = P, SlidExpected = P;
            Tree.SlideAlongPart(Slid, Margin, Target);
            Reference.SlideAlongPart(SlidExpected, Margin, Target);
            ASSERT_EQ(Slid, SlidExpected);

            const auto [P1, P2] = Gen.Segment();
            const TPoint T1 = Gen.Chance(50) ? P1 : Gen.Point(), T2 = Gen.Point();
            SCOPED_TRACE("segment " + ::testing::PrintToString(P1) + ::testing::PrintToString(P2));
            ASSERT_EQ(Tree.SegmentBlocked(P1, P2), Reference.SegmentBlocked(P1, P2));
            int32_t Count = 3, CountExpected = 3;
            ASSERT_EQ(Tree.PathMeetsLines(P1, P2, T1, T2, Count),
                      Reference.PathMeetsLines(P1, P2, T1, T2, CountExpected));
            ASSERT_EQ(Count, CountExpected);

            const TEdge E = Gen.Edge();
            SCOPED_TRACE("edge " + Scan::Describe(E));
            TEdgeList List;
            TEdgePool Pool;
            Tree.CollectFacingSides(E, List, E.Side, Pool);
            ASSERT_EQ(Describe(List), Reference.CollectFacingSides(E, E.Side));

            TBoundingRect Window(Gen.Coord(), Gen.Coord(), Gen.Coord(), Gen.Coord());
            if (Gen.Chance(90))
                Window.Normalize();
            for (const bool Rows : {true, false}) {
                TBoundingRect W = Window, Far, Near, WExpected = Window, FarExpected, NearExpected;
                if (Rows)
                    Tree.FindNeighboursAboveBelow(P, W, Far, Near);
                else
                    Tree.FindNeighboursLeftRight(P, W, Far, Near);
                Reference.FindNeighbours(Rows, P, WExpected, FarExpected, NearExpected);
                ASSERT_EQ(W, WExpected) << (Rows ? "rows" : "columns");
                ASSERT_EQ(Far, FarExpected);
                ASSERT_EQ(Near, NearExpected);
            }
        }
    }
}

// Sorted obstacles make a chain as deep as there are leaves: ascending along the high children, descending along the
// low ones, where every pending high child waits on the walk's stack. Neither may use the thread's stack for depth.
TEST(ObstacleTreeProperty, ChainsOfSortedObstaclesAreWalkedWithoutRecursion) {
    constexpr int32_t Leaves = 10000;
    for (const bool Ascending : {true, false}) {
        SCOPED_TRACE(Ascending ? "ascending" : "descending");
        TObstacleTree Tree(10);
        // Squares 4 apart; parts at even positions, wires at odd ones.
        for (int32_t N = 0; N < Leaves; ++N) {
            const int32_t I = Ascending ? N : Leaves - 1 - N;
            Tree.AddObstacle(TBoundingRect(4 * I, 4 * I, 4 * I + 2, 4 * I + 2), I % 2 == 0 ? okPart : okWire);
        }
        int Depth = 0;
        for (const TObstacle* N = Tree.Root; !N->IsLeaf; N = Ascending ? N->HighChild : N->LowChild)
            ++Depth;
        ASSERT_EQ(Depth, Leaves - 1);

        // The last part inserted sits at the bottom of the chain, a wire beside it.
        const int32_t Deep = Ascending ? Leaves - 2 : 0;
        const TPoint Centre{4 * Deep + 1, 4 * Deep + 1};
        EXPECT_TRUE(Tree.PointBlocked(Centre, 0));
        EXPECT_FALSE(Tree.PointBlocked({Centre.X + 2, Centre.Y + 2}, 0));
        EXPECT_TRUE(Tree.SegmentBlocked({Centre.X - 10, Centre.Y}, {Centre.X + 10, Centre.Y}));
        const int32_t Wire = 4 * (Deep + 1);
        int32_t Count = 0;
        EXPECT_FALSE(Tree.PathMeetsLines({Wire + 1, Wire - 1}, {Wire + 1, Wire + 3}, Centre, Centre, Count));
        EXPECT_EQ(Count, 1);

        // Every square below the middle shrinks the window in turn; the one above it ends the walk's reach.
        constexpr int32_t Middle = Leaves / 2;
        TBoundingRect Window(-10, -10, 4 * Leaves, 4 * Leaves), Above, Below;
        Tree.FindNeighboursAboveBelow({4 * Middle + 3, 4 * Middle + 3}, Window, Above, Below);
        EXPECT_EQ(Below, TBoundingRect(4 * Middle, 4 * Middle, 4 * Middle + 2, 4 * Middle + 2));
        EXPECT_EQ(Above, TBoundingRect(4 * Middle + 4, 4 * Middle + 4, 4 * Middle + 6, 4 * Middle + 6));
        EXPECT_EQ(Window, TBoundingRect(-10, 4 * Middle + 2, 4 * Leaves, 4 * Middle + 4));
    }
}

} // namespace
} // namespace wirewright
