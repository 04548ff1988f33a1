#include "router/Draw.h"

#include "FakeRouteHost.h"

#include <gtest/gtest.h>

#include <deque>

namespace wirewright::test {
namespace {

// A chain of search edges ending in a single-point final edge at GoalEntry; passes listed start side first.
class TChain {
public:
    TChain(const std::vector<TPoint>& Passes, TPoint GoalEntry) {
        TEdge* Parent = nullptr;
        for (const TPoint P : Passes) {
            TEdge& E = Edges.emplace_back(P, P, sdTop, Parent);
            E.Pass = P;
            Parent = &E;
        }
        TEdge& Final = Edges.emplace_back(GoalEntry, GoalEntry, sdLeft, Parent);
        Final.Pass = GoalEntry;
    }
    const TEdge* Final() const { return &Edges.back(); }

private:
    std::deque<TEdge> Edges;
};

// Walls of a serpentine, each with a gap alternately at the top and the bottom; the chain runs through the gaps and
// the middle of each corridor, and one L can never bridge a wall.
struct TSerpentine {
    std::vector<TBoundingRect> Walls;
    std::vector<TPoint> Passes;
    TPoint Goal;

    explicit TSerpentine(int Count) {
        for (int i = 0; i < Count; ++i) {
            const int32_t X = 20 * i + 10;
            const bool GapAtTop = i % 2 == 0;
            Walls.emplace_back(X - 1, GapAtTop ? -50 : 20, X + 1, GapAtTop ? 80 : 150);
            Passes.push_back({X, GapAtTop ? 100 : 0});
            Passes.push_back({X + 10, 50});
        }
        Goal = Passes.back();
        Passes.pop_back();
    }
};

class DrawTest : public FakeRouteHostTest {
protected:
    std::vector<TPoint> WireVertices(THostHandle Wire) { return RouteHost().Wires.at(Wire).Vertices; }
};

TEST_F(DrawTest, RouteInTheFirstWindowLeavesTheGoalEntryHorizontallyAndSharesJoins) {
    const TObstacleTree Tree(10);
    const TChain Chain({}, {100, 50});
    TDrawAlgorithm Draw(Chain.Final(), {0, -10}, {0, 0}, {110, 50}, {100, 50}, 10, Tree, 0, 3000, 1);
    const THostHandle Wire = Draw.DrawRoute();
    ASSERT_NE(Wire, 0u);
    EXPECT_EQ(RouteHost().Wires.at(Wire).Width, 1);
    const std::vector<TPoint> Expected{{110, 50}, {100, 50}, {0, 50}, {0, 0}, {0, -10}};
    EXPECT_EQ(WireVertices(Wire), Expected);
}

TEST_F(DrawTest, ChainIsFollowedAroundABlockThatNoSingleLCanPass) {
    TObstacleTree Tree(10);
    const TBoundingRect Block(40, -50, 60, 50);
    Tree.AddObstacle(Block, okPart);
    const TChain Chain({{0, 100}, {50, 100}}, {100, 0});
    TDrawAlgorithm Draw(Chain.Final(), {0, 0}, {0, 0}, {100, 0}, {100, 0}, 10, Tree, 0, 3000, 1);
    const THostHandle Wire = Draw.DrawRoute();
    ASSERT_NE(Wire, 0u);
    const std::vector<TPoint> Expected{{100, 0}, {100, 100}, {0, 100}, {0, 0}};
    EXPECT_EQ(WireVertices(Wire), Expected);
    EXPECT_TRUE(IsClearOrthogonalRoute(WireVertices(Wire), {Block}));
}

TEST_F(DrawTest, SerpentineIsDrawnLegByLegWithinTheVertexLimit) {
    const TSerpentine Maze(4);
    TObstacleTree Tree(10);
    for (const TBoundingRect& W : Maze.Walls)
        Tree.AddObstacle(W, okPart);
    const TChain Chain(Maze.Passes, Maze.Goal);
    TDrawAlgorithm Draw(Chain.Final(), {0, 100}, {0, 100}, Maze.Goal, Maze.Goal, 10, Tree, 0, 3000, 1);
    const THostHandle Wire = Draw.DrawRoute();
    ASSERT_NE(Wire, 0u);
    const std::vector<TPoint> Vertices = WireVertices(Wire);
    EXPECT_TRUE(SamePoint(Vertices.front(), Maze.Goal));
    EXPECT_TRUE(SamePoint(Vertices.back(), {0, 100}));
    EXPECT_TRUE(IsClearOrthogonalRoute(Vertices, Maze.Walls));
}

TEST_F(DrawTest, RouteNeedingMoreVerticesThanAWireHoldsFailsAndReleasesItsWire) {
    const TSerpentine Maze(20);
    TObstacleTree Tree(10);
    for (const TBoundingRect& W : Maze.Walls)
        Tree.AddObstacle(W, okPart);
    const TChain Chain(Maze.Passes, Maze.Goal);
    TDrawAlgorithm Draw(Chain.Final(), {0, 100}, {0, 100}, Maze.Goal, Maze.Goal, 10, Tree, 0, 3000, 1);
    EXPECT_EQ(Draw.DrawRoute(), 0u);
    EXPECT_TRUE(Draw.HasFailed());
    EXPECT_LE(Draw.GetVertexCount(), WireVertexLimit);
    EXPECT_TRUE(RouteHost().Wires.empty());
    EXPECT_EQ(RouteHost().Destroyed.size(), 1u);
}

TEST_F(DrawTest, DrawingPastTheTimeOutFailsAndReleasesItsWire) {
    RouteHost().Tick = 5000;
    const TObstacleTree Tree(10);
    const TChain Chain({{50, 50}}, {100, 50});
    TDrawAlgorithm Draw(Chain.Final(), {0, 0}, {0, 0}, {100, 50}, {100, 50}, 10, Tree, 0, 3000, 1);
    EXPECT_EQ(Draw.DrawRoute(), 0u);
    EXPECT_TRUE(RouteHost().Wires.empty());
}

TEST_F(DrawTest, FinalLegCrossingTheDrawnRouteFails) {
    const TObstacleTree Tree(10);
    // The leg from the start exit back to the start runs over the leg drawn into the start exit.
    const TChain Chain({}, {100, 0});
    TDrawAlgorithm Draw(Chain.Final(), {50, 0}, {0, 0}, {100, 0}, {100, 0}, 10, Tree, 0, 3000, 1);
    EXPECT_EQ(Draw.DrawRoute(), 0u);
    EXPECT_TRUE(RouteHost().Wires.empty());
}

TEST_F(DrawTest, FacingPinsOnOneVerticalLineGiveTwoVerticesGoalFirst) {
    const TObstacleTree Tree(10);
    const TChain Chain({}, {0, -30});
    TDrawAlgorithm Draw(Chain.Final(), {0, 0}, {0, 0}, {0, -30}, {0, -30}, 10, Tree, 0, 3000, 1);
    const THostHandle Wire = Draw.DrawDirect({0, 0}, {0, -30});
    const std::vector<TPoint> Expected{{0, -30}, {0, 0}};
    EXPECT_EQ(WireVertices(Wire), Expected);
}

TEST(DrawRules, CrossingAllowanceByLevel) {
    EXPECT_FALSE(TooManyCrossings(1, 1000));
    EXPECT_FALSE(TooManyCrossings(2, 14));
    EXPECT_TRUE(TooManyCrossings(2, 15));
    EXPECT_FALSE(TooManyCrossings(9, 3));
    EXPECT_TRUE(TooManyCrossings(9, 4));
    EXPECT_FALSE(TooManyCrossings(10, 0));
    EXPECT_TRUE(TooManyCrossings(10, 1));
}

TEST(DrawRules, CornerPointFollowsTheShapeAndForBothTheLastDirection) {
    TPoint Corner{-1, -1};
    CornerPoint({0, 0}, {10, 20}, sdRight, sdLeft, Corner);
    EXPECT_TRUE(SamePoint(Corner, {0, 20}));
    CornerPoint({0, 0}, {10, 20}, sdTop, sdBottom, Corner);
    EXPECT_TRUE(SamePoint(Corner, {10, 0}));
    CornerPoint({0, 0}, {10, 20}, sdTop, sdBoth, Corner);
    EXPECT_TRUE(SamePoint(Corner, {0, 20}));
    CornerPoint({0, 0}, {10, 20}, sdLeft, sdBoth, Corner);
    EXPECT_TRUE(SamePoint(Corner, {10, 0}));
    CornerPoint({0, 0}, {10, 20}, sdLeft, sdNone, Corner);
    EXPECT_TRUE(SamePoint(Corner, {10, 0}));
}

} // namespace
} // namespace wirewright::test
