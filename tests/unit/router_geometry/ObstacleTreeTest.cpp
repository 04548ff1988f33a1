#include "router/ObstacleTree.h"

#include "GeometryPrinters.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

namespace wirewright {
namespace {

// The tree written as nested pairs "(low high)" with leaves named by the caller.
std::string Shape(const TObstacle* N, const std::vector<std::pair<TBoundingRect, std::string>>& Names) {
    if (N == nullptr)
        return "-";
    if (N->IsLeaf) {
        for (const auto& [Rect, Name] : Names)
            if (Rect == N->Rect)
                return Name;
        return "?";
    }
    return "(" + Shape(N->LowChild, Names) + " " + Shape(N->HighChild, Names) + ")";
}

// Every inner node is kind 61 with two children and the union of their boxes.
void ExpectInnerNodesBoundTheirChildren(const TObstacle* N) {
    if (N == nullptr || N->IsLeaf)
        return;
    EXPECT_EQ(N->Kind, 61);
    ASSERT_NE(N->LowChild, nullptr);
    ASSERT_NE(N->HighChild, nullptr);
    EXPECT_EQ(N->Rect, N->LowChild->Rect.Union(N->HighChild->Rect));
    ExpectInnerNodesBoundTheirChildren(N->LowChild);
    ExpectInnerNodesBoundTheirChildren(N->HighChild);
}

std::vector<const TObstacle*> Leaves(const TObstacle* N) {
    if (N == nullptr)
        return {};
    if (N->IsLeaf)
        return {N};
    std::vector<const TObstacle*> Result = Leaves(N->LowChild);
    for (const TObstacle* L : Leaves(N->HighChild))
        Result.push_back(L);
    return Result;
}

// --- Insertion
// ------------------------------------------------------------------------------------------------------------

TEST(ObstacleTreeInsert, FirstLeafIsTheRootAndTheSecondSplitsItOnLeft) {
    struct Case {
        const char* What;
        TBoundingRect Second;
        const char* Expected;
    };
    const Case Cases[] = {
        {"larger Left goes high", {5, 0, 6, 1}, "(first second)"},
        {"equal Left: the new leaf goes low", {0, 3, 1, 4}, "(second first)"},
        {"smaller Left goes low", {-5, 0, 6, 1}, "(second first)"},
    };
    for (const Case& C : Cases) {
        SCOPED_TRACE(C.What);
        const TBoundingRect First(0, 0, 2, 2);
        TObstacleTree Tree(10);
        EXPECT_TRUE(Tree.IsEmpty());
        Tree.AddObstacle(First, okPart);
        ASSERT_NE(Tree.Root, nullptr);
        EXPECT_EQ(Tree.Root->IsLeaf, 1);
        EXPECT_EQ(Tree.Root->Kind, okPart);
        EXPECT_EQ(Tree.Root->Marked, 0);

        Tree.AddObstacle(C.Second, okWire);
        EXPECT_EQ(Tree.Root->IsLeaf, 0);
        EXPECT_EQ(Shape(Tree.Root, {{First, "first"}, {C.Second, "second"}}), C.Expected);
        ExpectInnerNodesBoundTheirChildren(Tree.Root);
    }
}

TEST(ObstacleTreeInsert, DescendsByTheHighChildsCurrentBoxCyclingTheDimensions) {
    const TBoundingRect A(0, 0, 5, 5), B(10, 0, 12, 2), C(10, 1, 13, 3), D(10, 2, 20, 4), E(10, 3, 15, 5),
        F(10, 3, 25, 6), G(10, 3, 22, 5);
    const std::vector<std::pair<TBoundingRect, std::string>> Names = {{A, "A"}, {B, "B"}, {C, "C"}, {D, "D"},
                                                                      {E, "E"}, {F, "F"}, {G, "G"}};
    TObstacleTree Tree(10);
    // Root splits on Left, the next level on Bottom, then Right, then Top; ties go high when descending.
    for (const auto& [Rect, Name] : Names)
        Tree.AddObstacle(Rect, okPart);
    // G's Right (22) is below F's (25), which grew the high side of the Right split after D (20) made it: G goes low.
    // There it meets C at Top (5 >= 3 goes high, onto E) and splits E on Left (10 = 10: G goes low).
    EXPECT_EQ(Shape(Tree.Root, Names), "(A (B ((C (G E)) (D F))))");
    ExpectInnerNodesBoundTheirChildren(Tree.Root);
    EXPECT_EQ(Tree.Root->Rect, TBoundingRect(0, 0, 25, 6));
}

// --- Point queries
// ------------------------------------------------------------------------------------------------------

// A part (grown by margin 2), a wire with its end marks, a power object, a bus entry and a border band.
class PointQueries : public ::testing::Test {
protected:
    PointQueries() {
        Tree.AddObstacle(Part, okPart);
        Tree.AddObstacle(TBoundingRect(30, 0, 30, 40), okWire);
        Tree.AddObstacle(TBoundingRect(29, 9, 31, 11), okJunction);
        Tree.AddObstacle(TBoundingRect(50, 0, 60, 10), okPowerObject);
        Tree.AddObstacle(TBoundingRect(100, 0, 110, 10), okBusEntry);
        Tree.AddObstacle(TBoundingRect(-100, -100, -90, 100), okUnknown);
    }

    static constexpr int32_t Margin = 2;
    const TBoundingRect Part{0, 0, 20, 20};
    TObstacleTree Tree{10};
};

TEST_F(PointQueries, PointsBlockOnlyInsideTheBodiesOfBlockingObstacles) {
    struct Case {
        const char* What;
        TPoint P;
        bool Blocked, InPartBody;
    };
    const Case Cases[] = {
        {"part body", {10, 10}, true, true},
        {"part body border, less the margin", {2, 10}, true, true},
        {"margin ring of the part", {1, 10}, false, false},
        {"wire", {30, 20}, false, false},
        {"junction", {30, 10}, false, false},
        {"power object's outer unit", {50, 5}, false, false},
        {"power object, one unit in", {51, 5}, true, false},
        {"bus entry less the margin", {103, 5}, true, false},
        {"border band as stored", {-100, 0}, true, false},
        {"nothing", {70, 70}, false, false},
    };
    for (const Case& C : Cases) {
        SCOPED_TRACE(C.What);
        EXPECT_EQ(Tree.PointBlocked(C.P, Margin), C.Blocked);
        EXPECT_EQ(Tree.PointInPartBody(C.P, Margin), C.InPartBody);
    }
    const TObstacleTree Empty(10);
    EXPECT_FALSE(Empty.PointBlocked({0, 0}, 0));
}

TEST_F(PointQueries, PartRectAtAnswersTheStoredRectangleOfAPartOnly) {
    TBoundingRect R;
    EXPECT_TRUE(Tree.PartRectAt({20, 20}, R));
    EXPECT_EQ(R, Part);
    R = TBoundingRect(1, 2, 3, 4);
    EXPECT_FALSE(Tree.PartRectAt({51, 5}, R));
    EXPECT_EQ(R, TBoundingRect(1, 2, 3, 4));
}

TEST_F(PointQueries, StepOffObstacleMovesOffTheStoredOrTheInnerBorder) {
    struct Case {
        const char* What;
        TPoint P;
        bool Snap;
        TPoint Expected;
    };
    const Case Cases[] = {
        {"stored border, off grid: margin + 1", {20, 10}, false, {23, 10}},
        {"stored border, snapped: one grid step", {20, 10}, true, {30, 10}},
        {"corner: the right side wins", {20, 20}, false, {23, 20}},
        {"border less the margin", {10, 18}, false, {10, 21}},
        {"inside the body", {10, 10}, false, {10, 10}},
        {"wire (as stored)", {30, 20}, false, {30, 20}},
        {"power object (as stored)", {50, 5}, false, {50, 5}},
        {"bus entry: its rectangle less 1", {109, 5}, false, {112, 5}},
        {"bus entry's stored border does not count", {110, 5}, false, {110, 5}},
    };
    for (const Case& C : Cases) {
        SCOPED_TRACE(C.What);
        TPoint P = C.P;
        EXPECT_EQ(Tree.StepOffObstacle(P, Margin, 10, C.Snap), !(C.Expected == C.P));
        EXPECT_EQ(P, C.Expected);
    }
}

TEST_F(PointQueries, SlideAlongPartGoesToThePartsEdgeTowardTheTarget) {
    struct Case {
        TPoint P, Target, Expected;
    };
    const Case Cases[] = {
        {{10, 18}, {100, 50}, {20, 18}}, // top of the body: X to the part's Right
        {{10, 2}, {0, 50}, {0, 2}},      // bottom: X to its Left
        {{2, 10}, {0, 50}, {2, 20}},     // left side: Y to its Top
        {{18, 10}, {0, -5}, {18, 0}},    // right side: Y to its Bottom
        {{10, 10}, {100, 50}, {10, 10}}, // inside: not on the body's border
        {{1, 10}, {100, 50}, {1, 10}},   // in the margin ring
    };
    for (const Case& C : Cases) {
        TPoint P = C.P;
        Tree.SlideAlongPart(P, Margin, C.Target);
        EXPECT_EQ(P, C.Expected) << ::testing::PrintToString(C.P);
    }
}

// Two wires meeting at a corner, a junction there, and a graphic line that is no longer a line once grown.
class LineQueries : public ::testing::Test {
protected:
    LineQueries() {
        Tree.AddObstacle(TBoundingRect(0, 50, 40, 50), okWire);
        Tree.AddObstacle(TBoundingRect(40, 50, 40, 90), okWire);
        Tree.AddObstacle(TBoundingRect(39, 49, 41, 51), okJunction);
        Tree.AddObstacle(TBoundingRect(100, 100, 110, 102), okLine);
        Tree.AddObstacle(TBoundingRect(0, 60, 40, 60), okPart);
    }
    TObstacleTree Tree{10};
};

TEST_F(LineQueries, LinesThroughAndEndingAtAPoint) {
    struct Case {
        const char* What;
        TPoint P;
        bool OnLine, LineEnd, MoreThanOne;
        TSide Orientation;
    };
    const Case Cases[] = {
        {"middle of the horizontal wire", {20, 50}, true, false, false, sdTop},
        {"middle of the vertical wire", {40, 70}, true, false, false, sdLeft},
        {"free end", {0, 50}, true, true, false, sdTop},
        {"top end", {40, 90}, true, true, false, sdLeft},
        {"where both meet: the first in walk order", {40, 50}, true, true, true, sdTop},
        {"beside a wire", {20, 51}, false, false, false, sdNone},
        {"inside a grown graphic line", {105, 101}, false, false, false, sdNone},
        {"on a part of zero height", {20, 60}, false, false, false, sdNone},
    };
    for (const Case& C : Cases) {
        SCOPED_TRACE(C.What);
        EXPECT_EQ(Tree.IsOnLine(C.P), C.OnLine);
        EXPECT_EQ(Tree.IsLineEndAt(C.P), C.LineEnd);
        EXPECT_EQ(Tree.MoreThanOneLineAt(C.P), C.MoreThanOne);
        EXPECT_EQ(Tree.LineOrientationAt(C.P), C.Orientation);
    }
}

TEST_F(LineQueries, LineAlongAtAsksEveryLineThroughThePoint) {
    EXPECT_TRUE(Tree.LineAlongAt(sdRight, {20, 50}));
    EXPECT_TRUE(Tree.LineAlongAt(sdLeft, {20, 50}));
    EXPECT_FALSE(Tree.LineAlongAt(sdTop, {20, 50}));
    // The horizontal wire, first in walk order, answers false; the vertical one is asked next.
    EXPECT_TRUE(Tree.LineAlongAt(sdTop, {40, 50}));
    EXPECT_FALSE(Tree.LineAlongAt(sdTop, {20, 60}));
}

TEST_F(LineQueries, MarkAtMarksEveryLeafContainingThePoint) {
    Tree.MarkAt({40, 50});
    std::vector<std::pair<TBoundingRect, int>> Marks;
    for (const TObstacle* Leaf : Leaves(Tree.Root))
        Marks.emplace_back(Leaf->Rect, Leaf->Marked);
    for (const auto& [Rect, Marked] : Marks)
        EXPECT_EQ(Marked, Rect.ContainsPoint({40, 50}) ? 1 : 0) << ::testing::PrintToString(Rect);
}

// --- Segment queries
// ------------------------------------------------------------------------------------------------------

TEST(SegmentQueries, SegmentsAreBlockedByTheInteriorOfBlockingObstaclesOnly) {
    TObstacleTree Tree(10);
    Tree.AddObstacle(TBoundingRect(0, 0, 20, 20), okPart);
    Tree.AddObstacle(TBoundingRect(30, -50, 30, 50), okWire);
    Tree.AddObstacle(TBoundingRect(60, 9, 62, 11), okJunction);
    Tree.AddObstacle(TBoundingRect(80, 0, 80, 10), okAnnotation);
    Tree.AddObstacle(TBoundingRect(90, 0, 90, 10), okRectangle);
    struct Case {
        const char* What;
        TPoint P1, P2;
        bool Blocked;
    };
    const Case Cases[] = {
        {"through the part", {-5, 10}, {25, 10}, true},
        {"along the part's stored border", {0, 20}, {20, 20}, false},
        {"across the wire", {25, 10}, {35, 10}, false},
        {"ending at the junction's centre", {50, 10}, {61, 10}, false},
        {"through the junction", {50, 10}, {70, 10}, true},
        {"a point on the line of a text's side", {80, 5}, {80, 5}, false},
        {"the same point on a graphic rectangle", {90, 5}, {90, 5}, true},
        {"across the text", {75, 5}, {85, 5}, true},
    };
    for (const Case& C : Cases) {
        SCOPED_TRACE(C.What);
        EXPECT_EQ(Tree.SegmentBlocked(C.P1, C.P2), C.Blocked);
    }
}

TEST_F(LineQueries, PathMeetsLinesCountsTheLinesItExamines) {
    const TPoint Far{-1000, -1000};
    struct Case {
        const char* What;
        TPoint P1, P2, T1;
        bool Meets;
        int32_t Examined;
    };
    const Case Cases[] = {
        {"ending where two wire ends meet", {40, 20}, {40, 50}, Far, true, 2},
        {"the same, ending at a terminal", {40, 20}, {40, 50}, {40, 50}, false, 2},
        {"along the horizontal wire", {10, 50}, {20, 50}, Far, true, 1},
        {"across it", {10, 40}, {10, 55}, Far, false, 1},
        {"nowhere near", {200, 0}, {200, 10}, Far, false, 0},
    };
    for (const Case& C : Cases) {
        SCOPED_TRACE(C.What);
        int32_t Count = 5;
        EXPECT_EQ(Tree.PathMeetsLines(C.P1, C.P2, C.T1, Far, Count), C.Meets);
        EXPECT_EQ(Count, 5 + C.Examined);
    }
}

TEST(EdgeQueries, CollectFacingSidesTakesTheObstacleSidesFacingTheEdge) {
    TObstacleTree Tree(10);
    Tree.AddObstacle(TBoundingRect(20, 50, 40, 70), okPart);  // bottom side on the edge
    Tree.AddObstacle(TBoundingRect(60, 50, 120, 50), okWire); // lies on the edge, beyond its end
    Tree.AddObstacle(TBoundingRect(89, 50, 91, 52), okJunction);
    Tree.AddObstacle(TBoundingRect(50, 40, 55, 50), okPart);     // below the edge: faces the other way
    Tree.AddObstacle(TBoundingRect(70, 60, 80, 70), okPart);     // above, not touching
    Tree.AddObstacle(TBoundingRect(95, 50, 97, 52), okJunction); // marked below
    Tree.MarkAt({96, 51});

    const TEdge Side = TBoundingRect(0, 0, 100, 50).TopEdge();
    TEdgeList List;
    TEdgePool Pool;
    Tree.CollectFacingSides(Side, List, sdTop, Pool);

    struct Expected {
        TPoint A, B;
        uint8_t Kind;
    };
    // In walk order.
    const Expected Edges[] = {
        {{20, 50}, {40, 50}, ekObstacle},
        {{89, 50}, {91, 50}, ekObstacle},
        {{60, 50}, {100, 50}, ekLine},
    };
    const std::vector<TEdge*> Items = List.Items();
    ASSERT_EQ(Items.size(), std::size(Edges));
    for (std::size_t I = 0; I < Items.size(); ++I) {
        SCOPED_TRACE(I);
        EXPECT_EQ(Items[I]->A, Edges[I].A);
        EXPECT_EQ(Items[I]->B, Edges[I].B);
        EXPECT_EQ(Items[I]->Kind, Edges[I].Kind);
        EXPECT_EQ(Items[I]->Side, sdBottom);
        EXPECT_EQ(Items[I]->Parent, nullptr);
    }
    EXPECT_EQ(Pool.Count(), Items.size());
}

TEST(EdgeQueries, CollectFacingSidesGoingRightTakesLeftSidesClippedToTheEdge) {
    TObstacleTree Tree(10);
    Tree.AddObstacle(TBoundingRect(100, 10, 120, 20), okPart);
    Tree.AddObstacle(TBoundingRect(100, 30, 120, 80), okPart);
    Tree.AddObstacle(TBoundingRect(90, 30, 100, 40), okPart); // its right side is on the edge: faces away
    const TEdge Side = TBoundingRect(0, 0, 100, 50).RightEdge();
    TEdgeList List;
    TEdgePool Pool;
    Tree.CollectFacingSides(Side, List, sdRight, Pool);
    const std::vector<TEdge*> Items = List.Items();
    // In walk order: the third part and then the second went low on equal Left.
    ASSERT_EQ(Items.size(), 2u);
    EXPECT_EQ(Items[0]->A, (TPoint{100, 50}));
    EXPECT_EQ(Items[0]->B, (TPoint{100, 30}));
    EXPECT_EQ(Items[1]->A, (TPoint{100, 20}));
    EXPECT_EQ(Items[1]->B, (TPoint{100, 10}));
    EXPECT_EQ(Items[0]->Side, sdLeft);
    EXPECT_EQ(Items[1]->Kind, ekObstacle);
}

// --- Neighbours
// -----------------------------------------------------------------------------------------------------------

TEST(Neighbours, TheNearerOfTwoObstaclesAboveWinsInEitherWalkOrder) {
    const TBoundingRect Lower(40, 20, 60, 30), Higher(40, 50, 60, 60);
    const TPoint P{50, 0};
    // Equal Left: the leaf inserted second is the low child and is met first.
    for (const bool LowerFirst : {true, false}) {
        SCOPED_TRACE(LowerFirst ? "lower met first" : "higher met first");
        TObstacleTree Tree(10);
        Tree.AddObstacle(LowerFirst ? Higher : Lower, okPart);
        Tree.AddObstacle(LowerFirst ? Lower : Higher, okPart);
        ASSERT_EQ(Tree.Root->LowChild->Rect, LowerFirst ? Lower : Higher);

        TBoundingRect Window(0, -100, 100, 100), Above, Below;
        Tree.FindNeighboursAboveBelow(P, Window, Above, Below);
        EXPECT_EQ(Above, Lower);
        EXPECT_FALSE(Below.IsSet());
        EXPECT_EQ(Window, TBoundingRect(0, -100, 100, 20));
    }
}

TEST(Neighbours, WindowShrinksToTheNearestOnEachSide) {
    TObstacleTree Tree(10);
    Tree.AddObstacle(TBoundingRect(10, 60, 20, 70), okPart);    // above
    Tree.AddObstacle(TBoundingRect(30, -40, 35, -30), okPart);  // below, nearer
    Tree.AddObstacle(TBoundingRect(0, -90, 90, -80), okPart);   // below, further
    Tree.AddObstacle(TBoundingRect(70, -5, 80, 5), okPart);     // on P's row: neither
    Tree.AddObstacle(TBoundingRect(49, 9, 51, 11), okJunction); // marked: invisible
    Tree.AddObstacle(TBoundingRect(0, 200, 90, 210), okPart);   // outside the window
    Tree.MarkAt({50, 10});
    const TPoint P{50, 0};

    TBoundingRect Window(0, -100, 100, 100), Above, Below;
    Tree.FindNeighboursAboveBelow(P, Window, Above, Below);
    EXPECT_EQ(Above, TBoundingRect(10, 60, 20, 70));
    EXPECT_EQ(Below, TBoundingRect(30, -40, 35, -30));
    EXPECT_EQ(Window, TBoundingRect(0, -30, 100, 60));

    TBoundingRect Columns(-100, -20, 100, 20), Right, Left;
    Tree.FindNeighboursLeftRight(P, Columns, Right, Left);
    EXPECT_EQ(Right, TBoundingRect(70, -5, 80, 5));
    EXPECT_FALSE(Left.IsSet());
    EXPECT_EQ(Columns, TBoundingRect(-100, -20, 70, 20));
}

// --- L-paths
// --------------------------------------------------------------------------------------------------------------

TEST(LPaths, ClassifyCornerNamesTheSideOfBThroughWhichAFreePathArrives) {
    // From A = (0, 0) to B = (100, 100): via K1 = (0, 100) the path arrives from the left, via K2 = (100, 0) from
    // below.
    const TBoundingRect OnFirstPath(-10, 40, 10, 60), OnSecondPath(90, 40, 110, 60);
    struct Case {
        const char* What;
        std::vector<TBoundingRect> Parts;
        TSide Expected;
    };
    const Case Cases[] = {
        {"both free", {}, sdBoth},
        {"first blocked", {OnFirstPath}, sdBottom},
        {"second blocked", {OnSecondPath}, sdLeft},
        {"both blocked", {OnFirstPath, OnSecondPath}, sdNone},
    };
    for (const Case& C : Cases) {
        SCOPED_TRACE(C.What);
        TObstacleTree Tree(10);
        for (const TBoundingRect& R : C.Parts)
            Tree.AddObstacle(R, okPart);
        EXPECT_EQ(Tree.ClassifyCorner({0, 0}, {100, 100}), C.Expected);
        int32_t Count = -1;
        EXPECT_EQ(Tree.ClassifyCornerFull({0, 0}, {100, 100}, {0, 0}, {100, 100}, Count), C.Expected);
        EXPECT_EQ(Count, C.Expected == sdBoth ? 0 : -1);
    }
}

TEST(LPaths, AStraightConnectionIsBothOrNone) {
    TObstacleTree Tree(10);
    EXPECT_EQ(Tree.ClassifyCorner({0, 0}, {0, 100}), sdBoth);
    EXPECT_EQ(Tree.ClassifyCorner({0, 0}, {100, 0}), sdBoth);
    Tree.AddObstacle(TBoundingRect(-10, 40, 10, 60), okPart);
    EXPECT_EQ(Tree.ClassifyCorner({0, 0}, {0, 100}), sdNone);
    EXPECT_EQ(Tree.ClassifyCorner({0, 100}, {0, 0}), sdNone);
    EXPECT_EQ(Tree.ClassifyCorner({-50, 0}, {50, 0}), sdBoth);
}

TEST(LPaths, ClassifyCornerByLinesStopsAtWiresRunAlongButNotAtWiresCrossed) {
    struct Case {
        const char* What;
        std::vector<TBoundingRect> Wires;
        TSide Expected;
    };
    const Case Cases[] = {
        {"a wire crossing the first path", {{-50, 50, 50, 50}}, sdBoth},
        {"a wire along the first path", {{0, 20, 0, 60}}, sdBottom},
        {"a wire along the second path's last leg", {{100, 20, 100, 60}}, sdLeft},
        {"wires along both", {{0, 20, 0, 60}, {30, 0, 60, 0}}, sdNone},
        {"a parts body does not count", {}, sdBoth},
    };
    for (const Case& C : Cases) {
        SCOPED_TRACE(C.What);
        TObstacleTree Tree(10);
        for (const TBoundingRect& R : C.Wires)
            Tree.AddObstacle(R, okWire);
        Tree.AddObstacle(TBoundingRect(-10, 40, 10, 60), okPart);
        EXPECT_EQ(Tree.ClassifyCornerByLines({0, 0}, {100, 100}, {0, 0}, {100, 100}), C.Expected);
    }
}

TEST(LPaths, ClassifyCornerFullCountsTheLinesOfTheBusierPath) {
    TObstacleTree Tree(10);
    Tree.AddObstacle(TBoundingRect(-50, 50, 50, 50), okWire); // crosses the first path
    Tree.AddObstacle(TBoundingRect(50, -50, 50, 50), okWire); // crosses the second path's first leg
    Tree.AddObstacle(TBoundingRect(60, 80, 150, 80), okWire); // crosses its second leg
    int32_t Count = -1;
    EXPECT_EQ(Tree.ClassifyCornerFull({0, 0}, {100, 100}, {0, 0}, {100, 100}, Count), sdBoth);
    EXPECT_EQ(Count, 2);

    // A point strictly inside an obstacle blocks as a zero-length leg, which ClassifyCorner never tests.
    Tree.AddObstacle(TBoundingRect(-10, -10, 10, 10), okPart);
    Count = -1;
    EXPECT_EQ(Tree.ClassifyCorner({0, 0}, {0, 0}), sdBoth);
    EXPECT_EQ(Tree.ClassifyCornerFull({0, 0}, {0, 0}, {0, 0}, {0, 0}, Count), sdNone);
    EXPECT_EQ(Count, -1);
}

} // namespace
} // namespace wirewright
