#include "router/Edge.h"
#include "router/ObstacleTree.h"

#include <gtest/gtest.h>

namespace wirewright {
namespace {

TEdge Horizontal(int32_t Y, int32_t X1, int32_t X2, TSide Side = sdTop) {
    return TEdge({X1, Y}, {X2, Y}, Side, nullptr);
}

TEdge Vertical(int32_t X, int32_t Y1, int32_t Y2, TSide Side = sdRight) {
    return TEdge({X, Y1}, {X, Y2}, Side, nullptr);
}

TEST(EdgePass, PlacePassAimsAtTheGoalEntryOrBelowTheMidpoint) {
    // Shallow corridors keep the pass point where it was placed unless it sits at an edge end.
    struct TCase {
        const char* Name;
        TEdge E;
        TBoundingRect Corridor;
        TPoint Entry, Goal, Expected;
    };
    const TCase Cases[] = {
        {"line through entry and goal",
         Horizontal(100, -1000, 1000),
         {-1000, 99, 1000, 100},
         {0, 0},
         {10, 200},
         {5, 100}},
        {"same side: midpoint", Horizontal(100, -1000, 1000), {-1000, 99, 1000, 100}, {0, 0}, {40, 50}, {20, 100}},
        {"vertical edge", Vertical(50, 1000, -1000), {49, -1000, 50, 1000}, {0, 0}, {100, 40}, {50, 20}},
        {"vertical, straight across", Vertical(50, 1000, -1000), {49, -1000, 50, 1000}, {0, 7}, {100, 7}, {50, 7}},
        // Beyond B it is clamped to B, then nudged one step (3 without snap) off the edge's end.
        {"clamped and nudged", Horizontal(100, 0, 100), {0, 99, 100, 100}, {0, 0}, {1000, 200}, {97, 100}},
    };
    const TObstacleTree Tree(10);
    for (const TCase& C : Cases) {
        TEdge E = C.E;
        E.Kind = ekFree;
        E.ParentKind = ekFree;
        E.Corridor = C.Corridor;
        E.Entry = C.Entry;
        E.PlacePass({0, 0}, C.Goal, C.Goal, 10, Tree, false);
        EXPECT_EQ(E.Pass.X, C.Expected.X) << C.Name;
        EXPECT_EQ(E.Pass.Y, C.Expected.Y) << C.Name;
        EXPECT_TRUE(SamePoint(E.SavedPass, E.Pass)) << C.Name;
        EXPECT_FALSE(E.AtLineEnd) << C.Name;
    }
}

TEST(EdgePass, SnapPassMovesAcrossTowardTheWindowAndAlongToTheNearestLineOnTheEdge) {
    struct TCase {
        TEdge E;
        TPoint P, Expected;
    };
    const TCase Cases[] = {
        {Horizontal(53, 0, 100, sdTop), {17, 53}, {20, 50}},
        {Horizontal(53, 0, 100, sdBottom), {17, 53}, {20, 60}},
        {Horizontal(50, 0, 100, sdBottom), {17, 50}, {20, 50}}, // already on the grid across
        {Horizontal(53, 0, 100, sdTop), {15, 53}, {20, 50}},    // halves go to the even line
        {Horizontal(53, 0, 100, sdTop), {25, 53}, {20, 50}},
        {Horizontal(53, 0, 95, sdTop), {95, 53}, {90, 50}},  // the nearest line lies beyond B
        {Horizontal(53, 12, 95, sdTop), {13, 53}, {20, 50}}, // the lower line lies before A
        {Vertical(53, 100, 0, sdRight), {53, 17}, {50, 20}},
        {Vertical(53, 100, 0, sdLeft), {53, 17}, {60, 20}},
        {Vertical(53, 95, 0, sdLeft), {53, 95}, {60, 90}},
        {Vertical(53, 100, 6, sdLeft), {53, 5}, {60, 10}},
    };
    for (const TCase& C : Cases) {
        const TPoint Got = C.E.SnapPass(C.P, 10);
        EXPECT_TRUE(SamePoint(Got, C.Expected)) << "side " << int(C.E.Side) << " from (" << C.P.X << ", " << C.P.Y
                                                << ") got (" << Got.X << ", " << Got.Y << ")";
    }
}

TEST(EdgePass, AdjustPassStepsOffAWireCrossingADeepCorridor) {
    TObstacleTree Tree(10);
    Tree.AddObstacle(TBoundingRect(50, 0, 50, 300), okWire);
    TEdge E = Horizontal(100, 0, 100);
    E.Kind = ekFree;
    E.Corridor = TBoundingRect(0, 0, 100, 100);
    E.Entry = {50, 0};
    E.PlacePass({0, 0}, {50, 200}, {50, 200}, 10, Tree, false);
    // Stepped back into the corridor (on the wire), then one step sideways off it.
    EXPECT_TRUE(SamePoint(E.Pass, {53, 97}));
    EXPECT_TRUE(E.PassFree);
    EXPECT_FALSE(E.PassTouchesLine);
}

TEST(EdgePass, SetEntryComesFromTheParentOrFromTheStartExitAndItsWire) {
    TObstacleTree Tree(10);
    Tree.AddObstacle(TBoundingRect(0, -50, 0, 50), okWire); // vertical wire through the start exit

    TEdge Across = Vertical(100, 50, -50, sdRight);
    Across.SetEntry({0, 0}, Tree);
    EXPECT_EQ(Across.ParentSide, sdRight); // the wire runs along this edge's way
    EXPECT_EQ(Across.ParentKind, ekLine);
    EXPECT_TRUE(Across.EntryOnLine);

    TEdge Up = Horizontal(100, -50, 50, sdTop);
    Up.SetEntry({0, 0}, Tree);
    EXPECT_EQ(Up.ParentSide, sdLeft);

    TEdge Off = Horizontal(100, -50, 50, sdTop);
    Off.SetEntry({30, 0}, Tree);
    EXPECT_EQ(Off.ParentSide, sdNone);
    EXPECT_EQ(Off.ParentKind, ekFree);
    EXPECT_FALSE(Off.EntryOnLine);
    EXPECT_TRUE(SamePoint(Off.Entry, {30, 0}));

    TEdge Parent = Horizontal(100, -50, 50, sdBottom);
    Parent.Pass = {7, 100};
    Parent.Kind = ekLine;
    Parent.PassTouchesLine = true;
    TEdge Child({-50, 40}, {50, 40}, sdBottom, &Parent);
    Child.SetEntry({30, 0}, Tree);
    EXPECT_TRUE(SamePoint(Child.Entry, {7, 100}));
    EXPECT_EQ(Child.ParentKind, ekLine);
    EXPECT_EQ(Child.ParentSide, sdBottom);
    EXPECT_TRUE(Child.EntryOnLine);
}

TEST(EdgePass, CostIsTheEstimateTimesTheAvoidanceForLinesAndBlockedWhenUnusable) {
    const TObstacleTree Tree(10);
    struct TCase {
        const char* Name;
        uint8_t Kind;
        int32_t Level;
        bool PassFree, AtLineEnd;
        int32_t SlideTurns, Expected;
    };
    const TCase Cases[] = {
        {"free edge", ekFree, 10, true, false, 0, 100},
        {"line edge, level 10", ekLine, 10, true, false, 0, 1000},
        {"line edge, level 1", ekLine, 1, true, false, 0, 100},
        {"pass on a wire", ekFree, 10, false, false, 0, BlockedCost},
        {"at a wire end the flags do not block", ekFree, 10, false, true, 0, 100},
        {"two slide turns block even there", ekFree, 10, true, true, 2, BlockedCost},
    };
    for (const TCase& C : Cases) {
        TEdge E = Horizontal(80, 0, 100);
        E.Kind = C.Kind;
        E.Entry = {0, 0};
        E.Pass = {60, 80}; // 100 from the entry
        E.PassFree = C.PassFree;
        E.AtLineEnd = C.AtLineEnd;
        E.SlideTurns = C.SlideTurns;
        E.Evaluate({0, 0}, {60, 80}, {60, 80}, C.Level, Tree);
        EXPECT_EQ(E.Estimate, 100) << C.Name;
        EXPECT_EQ(E.Cost, C.Expected) << C.Name;
    }

    TEdge Parent = Horizontal(0, 0, 100);
    Parent.PathLength = 40;
    TEdge Child({0, 80}, {100, 80}, sdTop, &Parent);
    Child.Entry = {0, 0};
    Child.Pass = {60, 80};
    Child.Kind = ekFree;
    Child.Evaluate({0, 0}, {60, 0}, {60, 0}, 1, Tree);
    EXPECT_EQ(Child.PathLength, 140);
    EXPECT_EQ(Child.Remaining, 80);
    EXPECT_EQ(Child.Cost, 220);
}

TEST(EdgePass, SlideWalksTowardTheGoalThenBackFromTheFirstPlaceThenIsExhausted) {
    const TObstacleTree Tree(10);
    TEdge E = Horizontal(50, 0, 30);
    E.Kind = ekFree;
    E.Entry = {20, 0};
    E.Pass = E.SavedPass = {20, 50};
    E.SetSlideSide({0, 0}, {100, 100});
    ASSERT_EQ(E.SlideSide, sdRight);

    struct TStep {
        int32_t X, Turns;
        TSide Slide;
    };
    const TStep Steps[] = {{30, 0, sdRight}, {10, 1, sdLeft}, {0, 1, sdLeft}, {30, 2, sdRight}};
    for (const TStep& S : Steps) {
        E.SlidePass({0, 0}, {100, 100}, Tree, 10);
        EXPECT_EQ(E.Pass.X, S.X);
        EXPECT_EQ(E.SlideTurns, S.Turns);
        EXPECT_EQ(E.SlideSide, S.Slide);
    }
    EXPECT_EQ(E.PathShape, sdNone);
    E.Evaluate({0, 0}, {100, 100}, {100, 100}, 1, Tree);
    EXPECT_EQ(E.Cost, BlockedCost);
}

TEST(EdgePass, VerticalSlideAndReverseSlide) {
    const TObstacleTree Tree(10);
    TEdge E = Vertical(0, 30, 0);
    E.Pass = E.SavedPass = {0, 10};
    E.SetSlideSide({0, 100}, {0, -100});
    ASSERT_EQ(E.SlideSide, sdBottom);
    E.SlidePass({0, 100}, {0, -100}, Tree, 10);
    EXPECT_EQ(E.Pass.Y, 0);
    E.SlidePass({0, 100}, {0, -100}, Tree, 10);
    EXPECT_EQ(E.Pass.Y, 20); // past B: back above the first place
    EXPECT_EQ(E.SlideSide, sdTop);

    E.ReverseSlide();
    EXPECT_EQ(E.SlideSide, sdBottom);
    EXPECT_EQ(E.SlideTurns, 2);
    EXPECT_TRUE(SamePoint(E.Pass, {0, 10}));
}

TEST(EdgePass, DistanceTruncatesAndDoesNotOverflow) {
    EXPECT_EQ(Distance({0, 0}, {3, 4}), 5);
    EXPECT_EQ(Distance({0, 0}, {1, 1}), 1);
    EXPECT_EQ(Distance({-2000000000, 0}, {2000000000, 0}), 2147483647);
}

} // namespace
} // namespace wirewright
