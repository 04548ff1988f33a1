#include "router/Rectangle.h"

#include "router/New_SchProcs.h"

#include "GeometryPrinters.h"

#include <gtest/gtest.h>

namespace wirewright {
namespace {

const TBoundingRect Box(0, 0, 10, 10);

// --- State, growing and cutting
// ---------------------------------------------------------------------------------------

TEST(BoundingRect, NewRectangleIsUnsetAndTakesWhatItIncludesOrIsCutBy) {
    TBoundingRect R;
    EXPECT_FALSE(R.IsSet());
    EXPECT_TRUE(TBoundingRect(UnsetCoord, UnsetCoord, UnsetCoord, 0).IsSet());

    R.Include(TBoundingRect(1, 2, 3, 4));
    EXPECT_EQ(R, TBoundingRect(1, 2, 3, 4));
    R.Include(TBoundingRect(-5, 3, 2, 9));
    EXPECT_EQ(R, TBoundingRect(-5, 2, 3, 9));

    TBoundingRect Cut;
    Cut.CutSide(TBoundingRect(1, 2, 3, 4), sdTop);
    EXPECT_EQ(Cut, TBoundingRect(1, 2, 3, 4));
    Cut.CutSide(TBoundingRect(), sdTop);
    EXPECT_EQ(Cut, TBoundingRect(1, 2, 3, 4));
}

TEST(BoundingRect, CutSideRemovesABandOnlyWhenItSharesThatSide) {
    struct Case {
        TSide Side;
        TBoundingRect Band;
        TBoundingRect Expected;
    };
    const Case Cases[] = {
        {sdLeft, {0, 0, 3, 10}, {3, 0, 10, 10}},
        {sdBottom, {0, 0, 10, 2}, {0, 2, 10, 10}},
        {sdRight, {8, 0, 10, 10}, {0, 0, 8, 10}},
        {sdTop, {0, 7, 10, 10}, {0, 0, 10, 7}},
        {sdLeft, {1, 0, 3, 10}, Box},
        {sdTop, {0, 7, 10, 9}, Box},
        {sdBoth, {0, 7, 10, 10}, Box},
        {sdNone, {0, 0, 3, 10}, Box},
    };
    for (const Case& C : Cases) {
        TBoundingRect R = Box;
        R.CutSide(C.Band, C.Side);
        EXPECT_EQ(R, C.Expected) << "side " << int(C.Side);
    }
}

TEST(BoundingRect, CornersAreStoredAsGivenAndOnlyNormalizeOrdersThem) {
    TBoundingRect R;
    R.SetCorners({10, -3}, {-2, 7});
    EXPECT_EQ(R, TBoundingRect(10, 7, -2, -3));
    R.Normalize();
    EXPECT_EQ(R, TBoundingRect(-2, -3, 10, 7));

    R.SetFromPoints({10, -3}, {-2, 7});
    EXPECT_EQ(R, TBoundingRect(-2, -3, 10, 7));
}

TEST(BoundingRect, GrowsAndShrinksSideBySide) {
    TBoundingRect R = Box;
    R.Inflate(2);
    EXPECT_EQ(R, TBoundingRect(-2, -2, 12, 12));
    R.Deflate(3);
    EXPECT_EQ(R, TBoundingRect(1, 1, 9, 9));

    TBoundingRect Copy;
    Box.DeflatedCopy(Copy, 1);
    EXPECT_EQ(Copy, TBoundingRect(1, 1, 9, 9));
    EXPECT_EQ(Box, TBoundingRect(0, 0, 10, 10));

    R = Box;
    R.InflateSides(SideBit(sdLeft) | SideBit(sdTop), 4);
    EXPECT_EQ(R, TBoundingRect(-4, 0, 10, 14));
    R.InflateSides(SideBit(sdBottom) | SideBit(sdRight), -1);
    EXPECT_EQ(R, TBoundingRect(-4, 1, 9, 14));

    EXPECT_EQ(Box.Union(TBoundingRect(5, -5, 20, 5)), TBoundingRect(0, -5, 20, 10));
}

// The schematic binding is a process-wide table; each test puts back what it found.
class SheetRectangle : public ::testing::Test {
protected:
    void SetUp() override { Saved = GlobalSchApi; }
    void TearDown() override { GlobalSchApi = Saved; }

    static THostHandle TESSELLON_STDCALL CurrentDocument() { return 77; }
    static void TESSELLON_STDCALL DocumentBounds(THostHandle Object, int32_t* X1, int32_t* Y1, int32_t* X2,
                                                 int32_t* Y2) {
        Asked = Object;
        *X1 = 100;
        *Y1 = 800;
        *X2 = 1100;
        *Y2 = 50;
    }

    static inline THostHandle Asked = 0;
    TSchApiTable Saved;
};

TEST_F(SheetRectangle, TakesTheHostCornersOfTheCurrentDocumentInHostOrder) {
    GlobalSchApi.SchAPI_GetCurrentDocumentHandle = &CurrentDocument;
    GlobalSchApi.SchAPI_GetObjectBoundingRectangle = &DocumentBounds;
    TBoundingRect R;
    R.SetToSheet();
    EXPECT_EQ(Asked, 77u);
    EXPECT_EQ(R, TBoundingRect(100, 50, 1100, 800));
}

TEST_F(SheetRectangle, StaysUnchangedWithoutTheSchematicServer) {
    GlobalSchApi = TSchApiTable{};
    TBoundingRect R(1, 2, 3, 4);
    R.SetToSheet();
    EXPECT_EQ(R, TBoundingRect(1, 2, 3, 4));
}

// --- Points
// ---------------------------------------------------------------------------------------------------------------

TEST(BoundingRect, BorderPointsBelongToTopOrBottomFirst) {
    struct Case {
        TPoint P;
        bool Contains;
        TSide Border;
    };
    const Case Cases[] = {
        {{0, 10}, true, sdTop}, {{10, 10}, true, sdTop},   {{0, 0}, true, sdBottom},  {{10, 0}, true, sdBottom},
        {{5, 10}, true, sdTop}, {{5, 0}, true, sdBottom},  {{10, 5}, true, sdRight},  {{0, 5}, true, sdLeft},
        {{5, 5}, true, sdNone}, {{-1, 10}, false, sdNone}, {{10, 11}, false, sdNone}, {{11, 0}, false, sdNone},
    };
    for (const Case& C : Cases) {
        SCOPED_TRACE(::testing::PrintToString(C.P));
        EXPECT_EQ(Box.ContainsPoint(C.P), C.Contains);
        EXPECT_EQ(Box.PointOnBorder(C.P), C.Border != sdNone);
        EXPECT_EQ(Box.BorderSideOf(C.P), C.Border);
    }
}

TEST(BoundingRect, StepOffBorderMovesOneCoordinateRightLeftTopBottomInThatOrder) {
    struct Case {
        TPoint P;
        int32_t Step, Clearance;
        bool OnGrid;
        TPoint Expected;
    };
    const Case Cases[] = {
        {{10, 10}, 5, 2, true, {15, 10}}, // corner: the right side wins over the top
        {{0, 10}, 5, 2, true, {-5, 10}},  // corner: the left side wins over the top
        {{0, 0}, 5, 2, false, {-3, 0}},   // off grid: Clearance + 1
        {{5, 10}, 5, 2, true, {5, 15}},   //
        {{5, 0}, 5, 0, false, {5, -1}},   // clearance 0 still moves by 1
        {{10, 50}, 5, 2, true, {15, 50}}, // the side's extent is not compared
        {{5, 5}, 5, 2, true, {5, 5}},     // inside: not on any line
        {{10, 5}, 0, 2, true, {10, 5}},   // a zero step moves nothing
    };
    for (const Case& C : Cases) {
        SCOPED_TRACE(::testing::PrintToString(C.P));
        TPoint P = C.P;
        EXPECT_EQ(Box.StepOffBorder(P, C.Step, C.Clearance, C.OnGrid), !(C.Expected == C.P));
        EXPECT_EQ(P, C.Expected);
    }
}

// --- Segments
// -------------------------------------------------------------------------------------------------------------

TEST(BoundingRect, SegmentsTouchTheClosedRectangleAndCrossOnlyItsInterior) {
    struct Case {
        const char* What;
        TPoint P1, P2;
        bool Touches, Crosses, OnBorderLine;
    };
    const Case Cases[] = {
        {"along the top side", {-5, 10}, {15, 10}, true, false, true},
        {"through, ends outside", {15, 5}, {-5, 5}, true, true, false},
        {"down through, ends outside", {5, -5}, {5, 15}, true, true, false},
        {"ending on the left side", {-5, 5}, {0, 5}, true, false, false},
        {"ending just inside", {-5, 5}, {1, 5}, true, true, false},
        {"starting inside", {9, 5}, {30, 5}, true, true, false},
        {"along the right side", {10, 2}, {10, 8}, true, false, true},
        {"to a corner", {10, 10}, {20, 10}, true, false, true},
        {"beside", {11, 0}, {11, 10}, false, false, false},
        {"a point inside", {5, 5}, {5, 5}, true, true, false},
        {"a point on the border", {0, 5}, {0, 5}, true, false, true},
        {"oblique", {-5, -5}, {15, 15}, false, false, false},
    };
    for (const Case& C : Cases) {
        SCOPED_TRACE(C.What);
        EXPECT_EQ(Box.SegmentTouches(C.P1, C.P2), C.Touches);
        EXPECT_EQ(Box.SegmentCrossesInterior(C.P1, C.P2), C.Crosses);
        EXPECT_EQ(Box.SegmentOnBorderLine(C.P1, C.P2), C.OnBorderLine);
    }
    // A zero-width rectangle has no interior, yet a segment through its column counts: the span test is closed.
    EXPECT_TRUE(TBoundingRect(5, 0, 5, 10).SegmentCrossesInterior({0, 5}, {5, 5}));
    EXPECT_FALSE(TBoundingRect(5, 0, 5, 10).SegmentCrossesInterior({5, 0}, {5, 10}));
}

TEST(BoundingRect, SegmentMeetsLineCountsLineEndsButNeverATerminal) {
    const TBoundingRect Wire(0, 5, 10, 5); // horizontal, ends (0, 5) and (10, 5)
    const TPoint Far1{-100, -100}, Far2{-200, -200};
    struct Case {
        const char* What;
        TPoint P1, P2, T1, T2;
        int32_t StartBefore, EndBefore;
        bool Meets;
        int32_t StartAfter, EndAfter;
    };
    const Case Cases[] = {
        {"vertical segment ending on a line end", {0, 5}, {0, 20}, Far1, Far2, 0, 0, false, 0, 1},
        {"a second line end at the same place", {0, 5}, {0, 20}, Far1, Far2, 0, 1, true, 0, 2},
        {"the end is a terminal", {0, 5}, {0, 20}, {0, 5}, Far2, 0, 1, false, 0, 1},
        {"the end is the other terminal", {0, 5}, {0, 20}, Far1, {0, 5}, 1, 1, false, 1, 1},
        {"upper end on the line end", {10, 5}, {10, -20}, Far1, Far2, 1, 0, true, 2, 0},
        {"crossing the middle", {5, 0}, {5, 9}, Far1, Far2, 0, 0, false, 0, 0},
        {"collinear, overlapping the start", {-5, 5}, {3, 5}, Far1, Far2, 0, 0, true, 0, 0},
        {"collinear, exactly the line", {10, 5}, {0, 5}, {0, 5}, {10, 5}, 0, 0, true, 0, 0},
        {"collinear, meeting only at its end", {10, 5}, {20, 5}, Far1, Far2, 0, 0, false, 1, 0},
        {"collinear, spanning it", {-1, 5}, {11, 5}, Far1, Far2, 0, 0, true, 0, 0},
        {"a point at the line end", {10, 5}, {10, 5}, Far1, Far2, 0, 0, true, 1, 1},
        {"a point at a terminal on the line", {3, 5}, {3, 5}, {3, 5}, Far2, 0, 0, true, 0, 0},
        {"parallel row above", {-5, 6}, {15, 6}, Far1, Far2, 0, 0, false, 0, 0},
    };
    for (const Case& C : Cases) {
        SCOPED_TRACE(C.What);
        int32_t StartHits = C.StartBefore, EndHits = C.EndBefore;
        EXPECT_EQ(Wire.SegmentMeetsLine(C.P1, C.P2, C.T1, C.T2, StartHits, EndHits), C.Meets);
        EXPECT_EQ(StartHits, C.StartAfter);
        EXPECT_EQ(EndHits, C.EndAfter);
    }
}

TEST(BoundingRect, SegmentMeetsVerticalLineOnlyWhereTheirSpansOverlap) {
    const TBoundingRect Wire(5, 0, 5, 10); // vertical, ends (5, 10) and (5, 0)
    const TPoint Far{-100, -100};
    struct Case {
        TPoint P1, P2;
        bool Meets;
    };
    const Case Cases[] = {
        {{5, 10}, {5, 0}, true},   {{5, 20}, {5, 9}, true},   {{5, 1}, {5, -20}, true},   {{5, 30}, {5, -30}, true},
        {{5, 20}, {5, 10}, false}, {{5, 0}, {5, -20}, false}, {{6, 20}, {6, -20}, false},
    };
    for (const Case& C : Cases) {
        SCOPED_TRACE(::testing::PrintToString(C.P1) + " " + ::testing::PrintToString(C.P2));
        int32_t StartHits = 0, EndHits = 0;
        EXPECT_EQ(Wire.SegmentMeetsLine(C.P1, C.P2, Far, Far, StartHits, EndHits), C.Meets);
    }
}

// --- Rectangles
// -----------------------------------------------------------------------------------------------------------

TEST(BoundingRect, SharingASideOrACornerIsNotOverlapping) {
    struct Case {
        const char* What;
        TBoundingRect Other;
        bool Overlaps;
    };
    const Case Cases[] = {
        {"shared side", {10, 0, 20, 10}, false},
        {"shared corner", {10, 10, 20, 20}, false},
        {"itself", Box, true},
        {"inside", {2, 2, 8, 8}, true},
        {"line lying on the top side", {-5, 10, 15, 10}, true},
        {"line on the top side, not spanning it", {5, 10, 15, 10}, false},
        {"line through the middle", {-5, 5, 15, 5}, true},
        {"corner inside", {5, 5, 15, 15}, true},
        {"cross", {4, -5, 6, 15}, true},
        {"same columns, lower half", {0, -5, 10, 5}, true},
        {"same rows, right part", {5, 0, 10, 10}, true},
        {"apart", {11, 0, 20, 10}, false},
        {"a point inside", {5, 5, 5, 5}, true},
    };
    for (const Case& C : Cases) {
        SCOPED_TRACE(C.What);
        EXPECT_EQ(Box.Overlaps(C.Other), C.Overlaps);
        EXPECT_EQ(C.Other.Overlaps(Box), C.Overlaps);
    }
}

TEST(BoundingRect, LineOrientationNamesVerticalFirst) {
    EXPECT_EQ(TBoundingRect(3, 3, 3, 3).LineOrientation(), sdLeft);
    EXPECT_EQ(TBoundingRect(3, 0, 3, 9).LineOrientation(), sdLeft);
    EXPECT_EQ(TBoundingRect(0, 3, 9, 3).LineOrientation(), sdTop);
    EXPECT_EQ(Box.LineOrientation(), sdNone);
}

// --- Point routines
// ---------------------------------------------------------------------------------------------------

TEST(PointRoutines, DirectionAndOrientationOfTwoPoints) {
    struct Case {
        TPoint A, B;
        TSide Direction, Orientation;
    };
    const Case Cases[] = {
        {{0, 0}, {0, 0}, sdLeft, sdTop},    {{0, 0}, {0, 5}, sdTop, sdTop},     {{0, 0}, {0, -5}, sdBottom, sdTop},
        {{0, 0}, {5, 0}, sdRight, sdRight}, {{0, 0}, {-5, 0}, sdLeft, sdRight}, {{0, 0}, {5, 5}, sdNone, sdBoth},
    };
    for (const Case& C : Cases) {
        SCOPED_TRACE(::testing::PrintToString(C.B));
        EXPECT_EQ(DirectionTo(C.A, C.B), C.Direction);
        EXPECT_EQ(SegmentOrientation(C.A, C.B), C.Orientation);
    }
    EXPECT_EQ(OppositeSide(sdLeft), sdRight);
    EXPECT_EQ(OppositeSide(sdRight), sdLeft);
    EXPECT_EQ(OppositeSide(sdBottom), sdTop);
    EXPECT_EQ(OppositeSide(sdTop), sdBottom);
}

TEST(PointRoutines, ALineRunsAlongTheSidesOfItsOrientation) {
    // O = 0 or 2 (a vertical line) runs up and down; 1 or 3 (horizontal) left and right; others nowhere.
    const bool Expected[6][4] = {
        {false, true, false, true}, {true, false, true, false},   {false, true, false, true},
        {true, false, true, false}, {false, false, false, false}, {false, false, false, false},
    };
    for (int O = 0; O < 6; ++O)
        for (int S = 0; S < 4; ++S)
            EXPECT_EQ(SideMatchesOrientation(TSide(O), TSide(S)), Expected[O][S]) << O << " " << S;
}

TEST(PointRoutines, OrderingPutsTheUpperOrLeftEndFirst) {
    struct Case {
        TPoint A, B, First, Second;
    };
    const Case Cases[] = {
        {{0, 0}, {0, 9}, {0, 9}, {0, 0}},
        {{0, 9}, {0, 0}, {0, 9}, {0, 0}},
        {{9, 3}, {1, 3}, {1, 3}, {9, 3}},
        {{1, 3}, {9, 3}, {1, 3}, {9, 3}},
    };
    for (const Case& C : Cases) {
        TPoint A = C.A, B = C.B;
        OrderSegmentEnds(A, B);
        EXPECT_EQ(A, C.First);
        EXPECT_EQ(B, C.Second);
    }
}

TEST(PointRoutines, QuarterTurnsAndOffsets) {
    TPoint P{3, 1};
    RotatePoint90(P);
    EXPECT_EQ(P, (TPoint{-1, 3}));
    for (int Turn = 0; Turn < 3; ++Turn)
        RotatePoint90(P);
    EXPECT_EQ(P, (TPoint{3, 1}));
    OffsetPoint(P, -4, 2);
    EXPECT_EQ(P, (TPoint{-1, 3}));
    EXPECT_TRUE(SamePoint(P, {-1, 3}));
    EXPECT_FALSE(SamePoint(P, {-1, 4}));
}

} // namespace
} // namespace wirewright
