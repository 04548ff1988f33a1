#include "router/Algorithm.h"

#include "FakeRouteHost.h"
#include "platform/MessageQueue.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

namespace wirewright::test {
namespace {

class RouteSearchTest : public FakeRouteHostTest {
protected:
    void SetUp() override {
        FakeRouteHostTest::SetUp();
        Folder = std::filesystem::temp_directory_path() / ("router_search_" + std::to_string(::getpid()));
        setenv("XDG_CONFIG_HOME", Folder.c_str(), 1);
        Options = std::make_unique<TRouteOptions>();
    }
    void TearDown() override {
        Options.reset();
        std::filesystem::remove_all(Folder);
        FakeRouteHostTest::TearDown();
    }

    THostHandle Route(TObstacleTree& Tree, TPoint Start, TPoint Goal) {
        TRouteAlgorithm Search(Start, *Options, Tree, 10, 0, Goal);
        return Search.Execute();
    }
    std::vector<TPoint> WireVertices(THostHandle Wire) { return RouteHost().Wires.at(Wire).Vertices; }

    std::filesystem::path Folder;
    std::unique_ptr<TRouteOptions> Options;
};

// A field of small blocks on a large sheet: far connections take many passes.
std::vector<TBoundingRect> BlockField() {
    std::vector<TBoundingRect> Blocks;
    for (int32_t X = 100; X < 1900; X += 60)
        for (int32_t Y = 100; Y < 1900; Y += 60)
            Blocks.emplace_back(X, Y, X + 30, Y + 30);
    return Blocks;
}

TEST_F(RouteSearchTest, EmptySheetIsRoutedThroughOneCorner) {
    TObstacleTree Tree(10);
    const THostHandle Wire = Route(Tree, {100, 100}, {500, 700});
    ASSERT_NE(Wire, 0u);
    const std::vector<TPoint> Expected{{500, 700}, {100, 700}, {100, 100}};
    EXPECT_EQ(WireVertices(Wire), Expected);
}

TEST_F(RouteSearchTest, FoundRoutesAreOrthogonalFromStartToGoalAndAvoidTheObstacles) {
    struct TCase {
        const char* Name;
        std::vector<TBoundingRect> Blocks;
        TPoint Start, Goal;
    };
    const TCase Cases[] = {
        {"one block between", {{400, 200, 600, 800}}, {100, 500}, {900, 500}},
        {"two staggered walls", {{300, 0, 340, 700}, {600, 300, 640, 1000}}, {100, 500}, {900, 500}},
        {"a cup around the goal",
         {{600, 300, 620, 700}, {600, 300, 900, 320}, {600, 680, 900, 700}},
         {100, 500},
         {800, 500}},
        {"blocks on a diagonal",
         {{200, 200, 300, 300}, {400, 400, 500, 500}, {600, 600, 700, 700}},
         {50, 50},
         {950, 950}},
    };
    for (const TCase& C : Cases) {
        TObstacleTree Tree(10);
        for (const TBoundingRect& B : C.Blocks)
            Tree.AddObstacle(B, okPart);
        const THostHandle Wire = Route(Tree, C.Start, C.Goal);
        ASSERT_NE(Wire, 0u) << C.Name;
        const std::vector<TPoint> Vertices = WireVertices(Wire);
        ASSERT_GE(Vertices.size(), 2u) << C.Name;
        EXPECT_TRUE(SamePoint(Vertices.front(), C.Goal)) << C.Name;
        EXPECT_TRUE(SamePoint(Vertices.back(), C.Start)) << C.Name;
        EXPECT_TRUE(IsClearOrthogonalRoute(Vertices, C.Blocks)) << C.Name;
    }
}

TEST_F(RouteSearchTest, UnroutableRequestsAnswerZeroWithoutAWire) {
    TObstacleTree Tree(10);
    Tree.AddObstacle(TBoundingRect(400, 400, 600, 600), okPart);
    EXPECT_EQ(Route(Tree, {100, 100}, {100, 100}), 0u); // start is the goal
    EXPECT_EQ(Route(Tree, {500, 500}, {100, 100}), 0u); // start inside a part body
    EXPECT_EQ(Route(Tree, {100, 100}, {500, 520}), 0u); // goal inside it
    EXPECT_EQ(RouteHost().NextHandle, 100u);            // no wire was ever made
}

TEST_F(RouteSearchTest, EnclosedGoalExhaustsTheSearch) {
    TObstacleTree Tree(10);
    for (const TBoundingRect& B : {TBoundingRect(600, 300, 620, 700), TBoundingRect(600, 300, 900, 320),
                                   TBoundingRect(600, 680, 900, 700), TBoundingRect(880, 300, 900, 700)})
        Tree.AddObstacle(B, okPart);
    TRouteAlgorithm Search({100, 500}, *Options, Tree, 10, 0, {750, 500});
    EXPECT_EQ(Search.Execute(), 0u);
    EXPECT_TRUE(Search.HasFailed());
    EXPECT_TRUE(RouteHost().Wires.empty());
}

TEST_F(RouteSearchTest, SearchPastTheTimeOutGivesUp) {
    RouteHost().Sheet = TBoundingRect(0, 0, 2000, 2000);
    TObstacleTree Tree(10);
    for (const TBoundingRect& B : BlockField())
        Tree.AddObstacle(B, okPart);
    Options->SetTimeOut(100);
    RouteHost().TickStep = 60; // every reading of the clock is 60 ms later
    TRouteAlgorithm Search({50, 50}, *Options, Tree, 10, 0, {1950, 1950});
    EXPECT_EQ(Search.Execute(), 0u);
    EXPECT_TRUE(Search.HasFailed());
    EXPECT_EQ(RouteHost().TickReadings, 3); // creation, then two passes
    EXPECT_TRUE(RouteHost().Wires.empty());
}

TEST_F(RouteSearchTest, EscapeEndsALongSearchAndOnlyEscapeIsTakenOffTheQueue) {
    RouteHost().Sheet = TBoundingRect(0, 0, 2000, 2000);
    TObstacleTree Tree(10);
    for (const TBoundingRect& B : BlockField())
        Tree.AddObstacle(B, okPart);

    // Without Escape the far connection is found, after more passes than one poll interval.
    {
        TObstacleTree Free(10);
        for (const TBoundingRect& B : BlockField())
            Free.AddObstacle(B, okPart);
        ASSERT_TRUE(platform::PostWindowMessage(0, platform::UserMessage, 5, 6));
        EXPECT_NE(Route(Free, {50, 50}, {1950, 1950}), 0u);
        ASSERT_GT(RouteHost().TickReadings, EscapePollPasses + 1);
        const auto Kept = platform::PeekWindowMessage(0, true);
        ASSERT_TRUE(Kept.has_value());
        EXPECT_EQ(Kept->Message, platform::UserMessage);
    }

    RouteHost().TickReadings = 0;
    ASSERT_TRUE(platform::PostKeyPress(0, platform::EscapeKey));
    TRouteAlgorithm Search({50, 50}, *Options, Tree, 10, 0, {1950, 1950});
    EXPECT_EQ(Search.Execute(), 0u);
    EXPECT_TRUE(Search.HasFailed());
    EXPECT_EQ(RouteHost().TickReadings, EscapePollPasses + 2); // creation and 501 passes
    EXPECT_FALSE(platform::PeekWindowMessage(0, false).has_value());
}

TEST(RouteSearchRules, MoveDirectionPrefersTheVerticalMove) {
    EXPECT_EQ(MoveDirection({0, 0}, {5, -5}), sdBottom);
    EXPECT_EQ(MoveDirection({0, 0}, {-5, 5}), sdTop);
    EXPECT_EQ(MoveDirection({0, 0}, {-5, 0}), sdLeft);
    EXPECT_EQ(MoveDirection({0, 0}, {5, 0}), sdRight);
    EXPECT_EQ(MoveDirection({3, 3}, {3, 3}), sdNone);
    EXPECT_EQ(ForwardSides(sdLeft), 11);
    EXPECT_EQ(ForwardSides(sdBottom), 7);
    EXPECT_EQ(ForwardSides(sdRight), 14);
    EXPECT_EQ(ForwardSides(sdTop), 13);
}

} // namespace
} // namespace wirewright::test
