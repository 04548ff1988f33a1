#include "router/Edge.h"

#include "GeometryPrinters.h"

#include <gtest/gtest.h>

namespace wirewright {
namespace {

TEST(Edge, CreationStoresItsGeometryAndTakesTheParentsSide) {
    TEdge Parent({0, 10}, {0, 0}, sdRight, nullptr);
    EXPECT_EQ(Parent.ParentSide, sdRight);
    EXPECT_EQ(Parent.Parent, nullptr);

    const TEdge E({0, 5}, {8, 5}, sdTop, &Parent);
    EXPECT_EQ(E.A, (TPoint{0, 5}));
    EXPECT_EQ(E.B, (TPoint{8, 5}));
    EXPECT_EQ(E.Side, sdTop);
    EXPECT_EQ(E.Parent, &Parent);
    EXPECT_EQ(E.ParentSide, sdRight);
    EXPECT_TRUE(E.PassFree);
    EXPECT_FALSE(E.PassOutside || E.AtLineEnd || E.PassTouchesLine || E.EntryOnLine || E.PassAtLineEnd);
    EXPECT_EQ(E.SlideTurns, 0);
    EXPECT_EQ(E.Cost, 0);
    EXPECT_EQ(E.Pass, (TPoint{0, 0}));
    EXPECT_FALSE(E.Corridor.IsSet());
}

TEST(Edge, AssignCopiesEveryFieldIntoItsOwnCorridor) {
    TEdge Parent({0, 0}, {0, 0}, sdLeft, nullptr);
    TEdge Source({1, 2}, {3, 2}, sdBottom, &Parent);
    Source.Corridor = TBoundingRect(1, -4, 3, 2);
    Source.Pass = {2, 2};
    Source.SavedPass = {3, 2};
    Source.Cost = 42;
    Source.Kind = ekFree;
    Source.PassFree = false;

    TEdge Copy({9, 9}, {9, 9}, sdTop, nullptr);
    Copy.Assign(Source);
    Source.Corridor.Inflate(1);
    EXPECT_EQ(Copy.Corridor, TBoundingRect(1, -4, 3, 2));
    EXPECT_EQ(Copy.A, Source.A);
    EXPECT_EQ(Copy.B, Source.B);
    EXPECT_EQ(Copy.Side, sdBottom);
    EXPECT_EQ(Copy.Parent, &Parent);
    EXPECT_EQ(Copy.ParentSide, sdLeft);
    EXPECT_EQ(Copy.Pass, (TPoint{2, 2}));
    EXPECT_EQ(Copy.SavedPass, (TPoint{3, 2}));
    EXPECT_EQ(Copy.Cost, 42);
    EXPECT_EQ(Copy.Kind, ekFree);
    EXPECT_FALSE(Copy.PassFree);
}

TEST(Edge, LengthIsAlongXWhenTheXDifferElseDownY) {
    EXPECT_EQ(TEdge({2, 5}, {9, 5}, sdTop, nullptr).Length(), 7);
    EXPECT_EQ(TEdge({2, 9}, {2, 1}, sdLeft, nullptr).Length(), 8);
    EXPECT_EQ(TEdge({2, 1}, {2, 1}, sdLeft, nullptr).Length(), 0);
    EXPECT_TRUE(TEdge({2, 1}, {2, 1}, sdLeft, nullptr).IsPoint());
    EXPECT_FALSE(TEdge({2, 1}, {2, 0}, sdLeft, nullptr).IsPoint());
}

TEST(Edge, ClipToSpanCutsBothAxesToTheOtherEdge) {
    TEdge Horizontal({-5, 3}, {20, 3}, sdTop, nullptr);
    Horizontal.ClipToSpan(TEdge({0, 3}, {10, 3}, sdTop, nullptr));
    EXPECT_EQ(Horizontal.A, (TPoint{0, 3}));
    EXPECT_EQ(Horizontal.B, (TPoint{10, 3}));

    TEdge Vertical({4, 30}, {4, -30}, sdRight, nullptr);
    Vertical.ClipToSpan(TEdge({4, 10}, {4, 0}, sdRight, nullptr));
    EXPECT_EQ(Vertical.A, (TPoint{4, 10}));
    EXPECT_EQ(Vertical.B, (TPoint{4, 0}));
}

TEST(Edge, CorridorSpansTheEdgeAcrossTheWholeWindow) {
    const TBoundingRect Window(0, 0, 100, 50);
    TEdge Horizontal({10, 50}, {30, 50}, sdTop, nullptr);
    Horizontal.SetCorridor(Window);
    EXPECT_EQ(Horizontal.Corridor, TBoundingRect(10, 0, 30, 50));

    TEdge Vertical({100, 40}, {100, 5}, sdRight, nullptr);
    Vertical.SetCorridor(Window);
    EXPECT_EQ(Vertical.Corridor, TBoundingRect(0, 5, 100, 40));
}

// --- Edges of rectangles ------------------------------------------------------------------------------------------

TEST(RectangleEdges, SidesRunLeftToRightAndTopToBottomFacingOutward) {
    const TBoundingRect R(0, 0, 10, 20);
    struct Case {
        TEdge E;
        TPoint A, B;
        TSide Side;
    };
    const Case Cases[] = {
        {R.TopEdge(), {0, 20}, {10, 20}, sdTop},
        {R.BottomEdge(), {0, 0}, {10, 0}, sdBottom},
        {R.RightEdge(), {10, 20}, {10, 0}, sdRight},
        {R.LeftEdge(), {0, 20}, {0, 0}, sdLeft},
    };
    for (const Case& C : Cases) {
        EXPECT_EQ(C.E.A, C.A);
        EXPECT_EQ(C.E.B, C.B);
        EXPECT_EQ(C.E.Side, C.Side);
        EXPECT_EQ(C.E.Parent, nullptr);
        EXPECT_TRUE(R.EdgeOnOwnSide(C.E));
    }
    EXPECT_FALSE(R.EdgeOnOwnSide(TEdge({0, 20}, {10, 20}, sdBottom, nullptr)));
    EXPECT_FALSE(R.EdgeOnOwnSide(TEdge({0, 20}, {10, 20}, sdNone, nullptr)));
    EXPECT_TRUE(TBoundingRect(0, 20, 10, 20).MatchesEdge(R.TopEdge()));
    EXPECT_FALSE(R.MatchesEdge(R.TopEdge()));
}

TEST(RectangleEdges, TouchesEdgeAndEdgeOnFacingSide) {
    const TBoundingRect R(0, 0, 10, 10);
    struct Case {
        const char* What;
        TEdge E;
        bool Touches, OnFacingSide;
    };
    const Case Cases[] = {
        {"on the top side, facing down", TEdge({-5, 10}, {15, 10}, sdBottom, nullptr), true, true},
        {"on the top side, facing up", TEdge({-5, 10}, {15, 10}, sdTop, nullptr), true, false},
        {"on the top line, meeting its corner", TEdge({10, 10}, {15, 10}, sdBottom, nullptr), true, true},
        {"on the top line, beside it", TEdge({11, 10}, {15, 10}, sdBottom, nullptr), false, false},
        {"on the bottom side, facing up", TEdge({2, 0}, {4, 0}, sdTop, nullptr), true, true},
        {"on the right side, facing left", TEdge({10, 30}, {10, -30}, sdLeft, nullptr), true, true},
        {"on the left side, facing right", TEdge({0, 5}, {0, -5}, sdRight, nullptr), true, true},
        {"on the left side, facing left", TEdge({0, 5}, {0, -5}, sdLeft, nullptr), true, false},
        {"across the middle", TEdge({-5, 5}, {15, 5}, sdTop, nullptr), true, false},
        {"above", TEdge({0, 11}, {10, 11}, sdBottom, nullptr), false, false},
        {"no side", TEdge({0, 10}, {10, 10}, sdBoth, nullptr), false, false},
    };
    for (const Case& C : Cases) {
        SCOPED_TRACE(C.What);
        EXPECT_EQ(R.TouchesEdge(C.E), C.Touches);
        EXPECT_EQ(R.EdgeOnFacingSide(C.E), C.OnFacingSide);
    }
}

TEST(RectangleEdges, SpansReachFromTheEdgeToTheBoundOrTheBlocker) {
    const TBoundingRect Bound(-100, -100, 100, 100);
    const TBoundingRect Blocker(-10, 40, 60, 60);
    const TBoundingRect Unset;
    const TEdge Horizontal({0, 20}, {30, 20}, sdTop, nullptr);
    const TEdge Vertical({20, 30}, {20, 0}, sdRight, nullptr);

    TBoundingRect S;
    S.SpanAbove(Horizontal, Bound);
    EXPECT_EQ(S, TBoundingRect(0, 20, 30, 100));
    S.SpanAboveUntil(Blocker, Horizontal, Bound);
    EXPECT_EQ(S, TBoundingRect(0, 20, 30, 40));
    S.SpanAboveUntil(Unset, Horizontal, Bound);
    EXPECT_EQ(S, TBoundingRect(0, 20, 30, 100));

    S.SpanBelow(Horizontal, Bound);
    EXPECT_EQ(S, TBoundingRect(0, -100, 30, 20));
    S.SpanBelowUntil(TBoundingRect(0, -50, 10, -30), Horizontal, Bound);
    EXPECT_EQ(S, TBoundingRect(0, -30, 30, 20));

    S.SpanRight(Vertical, Bound);
    EXPECT_EQ(S, TBoundingRect(20, 0, 100, 30));
    S.SpanRightUntil(Blocker, Vertical, Bound);
    EXPECT_EQ(S, TBoundingRect(20, 0, -10, 30));

    S.SpanLeft(Vertical, Bound);
    EXPECT_EQ(S, TBoundingRect(-100, 0, 20, 30));
    S.SpanLeftUntil(TBoundingRect(-40, 0, -20, 5), Vertical, Bound);
    EXPECT_EQ(S, TBoundingRect(-20, 0, 20, 30));
}

} // namespace
} // namespace wirewright
