#include "router/SheetQueries.h"

#include "router/New_SchClass.h"
#include "router/ObstacleTree.h"

#include "FakeSchApi.h"
#include "FakeSheet.h"

namespace wirewright::test {
namespace {

// Parts placed from one library component "RES" whose two pins run (-20,10)-(0,10) and (60,10)-(80,10) in library
// coordinates: placed at (100,100) unturned they end at (80,110) and (180,110), on the part's outline (80..180).
class SheetQueriesTest : public FakeSchApiTest {
protected:
    void SetUp() override {
        FakeSchApiTest::SetUp();
        Sheet() = TFakeSheet{};
        BindFakeSheet(0, 800, 1000, 0);
        const THostHandle Component = 900, Container = 901;
        Sheet().Library["RES"] = Component;
        Sheet().PartContainers[{Component, 1, 0}] = Container;
        for (const auto& [A, B] : {std::pair<TPoint, TPoint>{{-20, 10}, {0, 10}}, {{60, 10}, {80, 10}}}) {
            TFakeItem Pin;
            Pin.Kind = okPin;
            Pin.X1 = A.X, Pin.Y1 = A.Y, Pin.X2 = B.X, Pin.Y2 = B.Y;
            Sheet().Containers[Container].push_back(Sheet().Add(Pin));
        }
        TFakeItem Other; // library items other than pins are passed over
        Other.Kind = okLine;
        Other.X1 = 0, Other.Y1 = 10, Other.X2 = 0, Other.Y2 = 10;
        Sheet().Containers[Container].push_back(Sheet().Add(Other));
    }
    void TearDown() override {
        EXPECT_TRUE(Sheet().Iterators.empty()) << "every iterator is released";
        EXPECT_EQ(Sheet().LiveCopies, 0) << "every placed copy is released";
        FakeSchApiTest::TearDown();
    }

    // A part at Location turned by Orientation quarter turns, with the host rectangle given by two corners.
    static THostHandle PlacePart(TPoint Location, uint8_t Orientation, TPoint Corner1, TPoint Corner2) {
        TFakeItem Part;
        Part.Kind = okPart;
        Part.LibReference = "RES";
        Part.Location = Location;
        Part.Orientation = Orientation;
        Part.X1 = Corner1.X, Part.Y1 = Corner1.Y, Part.X2 = Corner2.X, Part.Y2 = Corner2.Y;
        return Sheet().AddToSheet(Part);
    }
};

TEST_F(SheetQueriesTest, TwoPinsAtCountsPinEndsOfDifferentParts) {
    PlacePart({100, 100}, 0, {80, 130}, {180, 90});
    EXPECT_FALSE(TwoPinsAt({80, 110})) << "one part";
    PlacePart({0, 100}, 0, {-20, 130}, {80, 90}); // its right pin ends at (80,110) too
    EXPECT_TRUE(TwoPinsAt({80, 110}));
    EXPECT_FALSE(TwoPinsAt({90, 110})) << "inside both parts, at no pin end";
}

TEST_F(SheetQueriesTest, PinOrientationAtFollowsThePartsTurn) {
    PlacePart({100, 100}, 0, {80, 130}, {180, 90});
    PlacePart({400, 100}, 1, {380, 20}, {420, 200}); // a quarter turn: pins run (390,80)-(390,100), (390,160)-(390,180)
    EXPECT_EQ(PinOrientationAt({80, 110}), sdRight);
    EXPECT_EQ(PinOrientationAt({390, 80}), sdTop);
    EXPECT_EQ(PinOrientationAt({120, 110}), sdNone) << "part but no pin end";
    EXPECT_EQ(PinOrientationAt({600, 600}), sdNone) << "no part";
}

struct THotSpotCase {
    const char* Name;
    uint8_t Orientation;
    TPoint Corner1, Corner2; // the part's host rectangle
    TPoint First, Second;    // hot spots of the two pins
};

class PinHotSpotTest : public SheetQueriesTest, public ::testing::WithParamInterface<THotSpotCase> {};

TEST_P(PinHotSpotTest, OuterEndOfTheTurnedPin) {
    const THotSpotCase& Case = GetParam();
    TSchPart Part(PlacePart({100, 100}, Case.Orientation, Case.Corner1, Case.Corner2));
    Part.Query(qmRead);
    const std::vector<THostHandle>& Items = Sheet().Containers[901];
    EXPECT_EQ(PinHotSpot(Part, Items[0]), Case.First);
    EXPECT_EQ(PinHotSpot(Part, Items[1]), Case.Second);
}

INSTANTIATE_TEST_SUITE_P(
    Turns, PinHotSpotTest,
    ::testing::Values(THotSpotCase{"Unturned", 0, {80, 130}, {180, 90}, {80, 110}, {180, 110}},
                      // (x, y) -> (-y, x): pins (90,80)-(90,100) and (90,160)-(90,180); outline top at 180
                      THotSpotCase{"QuarterTurn", 1, {70, 180}, {110, 80}, {90, 80}, {90, 180}},
                      // (x, y) -> (-x, -y): pins (100,90)-(120,90) and (20,90)-(40,90); outline left at 20
                      THotSpotCase{"HalfTurn", 2, {20, 110}, {120, 70}, {120, 90}, {20, 90}},
                      THotSpotCase{"UnknownTurnIsNone", 7, {80, 130}, {180, 90}, {80, 110}, {180, 110}}),
    [](const auto& Info) { return std::string(Info.param.Name); });

TEST_F(SheetQueriesTest, OutermostPinEndOnTheRowOrColumn) {
    PlacePart({100, 100}, 0, {80, 130}, {180, 90});
    EXPECT_TRUE(IsOutermostPinEnd({80, 110}, sdLeft));
    EXPECT_FALSE(IsOutermostPinEnd({180, 110}, sdLeft)) << "the other pin ends further left";
    EXPECT_TRUE(IsOutermostPinEnd({180, 110}, sdRight));
    EXPECT_FALSE(IsOutermostPinEnd({80, 110}, sdRight));
    EXPECT_TRUE(IsOutermostPinEnd({80, 110}, sdTop)) << "no pin end on the column";
    EXPECT_TRUE(IsOutermostPinEnd({600, 600}, sdLeft)) << "no part";
}

TEST_F(SheetQueriesTest, WireLeavesPinAlongThePin) {
    PlacePart({100, 100}, 0, {80, 130}, {180, 90});
    const TPoint PinEnd{80, 110};
    TObstacleTree Tree(10);
    Tree.AddObstacle(TBoundingRect(80, 90, 180, 130), okPart);
    EXPECT_FALSE(WireLeavesPinAt(Tree, PinEnd, 0)) << "no wire";

    TObstacleTree Across(10);
    Across.AddObstacle(TBoundingRect(80, 90, 180, 130), okPart);
    Across.AddObstacle(TBoundingRect(80, 110, 80, 150), okWire); // ends at the pin end, but runs across the pin
    EXPECT_FALSE(WireLeavesPinAt(Across, PinEnd, 0));

    Tree.AddObstacle(TBoundingRect(40, 110, 80, 110), okWire);
    EXPECT_TRUE(WireLeavesPinAt(Tree, PinEnd, 0));
    EXPECT_FALSE(WireLeavesPinAt(Tree, PinEnd, 1)) << "outside the body less the margin";
}

TEST_F(SheetQueriesTest, OneValueReaders) {
    EXPECT_TRUE(IsPinHidden(0));
    TFakeItem Pin;
    Pin.Kind = okPin;
    EXPECT_FALSE(IsPinHidden(Sheet().Add(Pin)));
    Pin.IsHidden = 1;
    EXPECT_TRUE(IsPinHidden(Sheet().Add(Pin)));

    EXPECT_TRUE(SheetSnapsToGrid(0));
    EXPECT_FALSE(SheetSnapsToGrid(Sheet().Document));
    Sheet().SnapToGrid = 1;
    EXPECT_TRUE(SheetSnapsToGrid(Sheet().Document));
}

} // namespace
} // namespace wirewright::test
