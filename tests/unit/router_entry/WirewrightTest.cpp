// Wirewright's exports on small sheets, through the built plug-in as the schematic editor drives it.
#include "HostProgram.h"
#include "RouteCheck.h"
#include "RouterSession.h"
#include "hostsim/plexa/DocumentStore.h"
#include "hostsim/sheetgen/SheetGenerator.h"
#include "platform/Clock.h"
#include "platform/Cursor.h"
#include "platform/MessageQueue.h"
#include "platform/Sound.h"

#include <gmock/gmock.h>

namespace e2e {
namespace {

using hostsim::Point;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

std::filesystem::path Fixture(const char* name) {
    return FixturesFolder() / "router" / name;
}

using Wirewright = RouterSession;

TEST_F(Wirewright, EmptySheetIsRoutedThroughOneCornerUnderTheWaitCursor) {
    Open(Fixture("empty.sch"));
    router->create();
    const Point start{100, 200}, goal{400, 500};
    hostsim::SheetObject& wire = DrawWire({start, goal});
    platform::ResetCursor();

    ASSERT_TRUE(Route(wire, start, goal));
    ASSERT_EQ(wire.vertices.size(), 3u);
    EXPECT_THAT(CheckRoute(Sheet(), wire.vertices, start, goal), IsEmpty());
    EXPECT_EQ(platform::BeepCount(), 0);
    EXPECT_THAT(platform::CursorHistory(), ElementsAre(platform::Cursor::Wait, platform::Cursor::Arrow));
    EXPECT_EQ(LooseWires(), 0u) << "the route's own host wire is released once spliced";
}

TEST_F(Wirewright, PinsAreConnectedAroundPartsAndTexts) {
    Open(Fixture("parts.sch"));
    router->create();
    struct Case {
        Point Start, Goal;
    };
    for (const Case& c : {Case{{140, 400}, {145, 400}}, Case{{100, 400}, {440, 200}}, Case{{185, 400}, {300, 400}},
                          Case{{220, 560}, {230, 650}}}) {
        hostsim::SheetObject& wire = DrawWire({c.Start, c.Goal});
        ASSERT_TRUE(Route(wire, c.Start, c.Goal)) << c.Start.x << "," << c.Start.y;
        EXPECT_THAT(CheckRoute(Sheet(), wire.vertices, c.Start, c.Goal), IsEmpty());
    }
    EXPECT_EQ(platform::BeepCount(), 0);
}

TEST_F(Wirewright, FacingPinsAreConnectedDirectly) {
    Open(Fixture("parts.sch"));
    router->create();
    hostsim::SheetObject& wire = DrawWire({{140, 400}, {145, 400}});
    ASSERT_TRUE(Route(wire, {140, 400}, {145, 400}));
    EXPECT_EQ(wire.vertices, (std::vector<Point>{{140, 400}, {145, 400}}));
}

TEST_F(Wirewright, UnroutableRequestsBeepOnceAndLeaveTheWire) {
    struct Case {
        const char* Sheet;
        Point Start, Goal;
        const char* What;
    };
    for (const Case& c : {Case{"empty.sch", {300, 300}, {300, 300}, "start equal to goal"},
                          Case{"parts.sch", {120, 400}, {500, 600}, "start inside a part body"},
                          Case{"parts.sch", {500, 600}, {120, 400}, "goal inside a part body"}}) {
        SCOPED_TRACE(c.What);
        TearDown();
        SetUp();
        Open(Fixture(c.Sheet));
        router->create();
        hostsim::SheetObject& wire = DrawWire({c.Start, c.Goal});
        EXPECT_FALSE(Route(wire, c.Start, c.Goal));
        EXPECT_EQ(platform::BeepCount(), 1);
        EXPECT_EQ(wire.vertices, (std::vector<Point>{c.Start, c.Goal}));
        EXPECT_EQ(platform::CurrentCursor(), platform::Cursor::Arrow);
    }
}

TEST_F(Wirewright, WithoutRouterInstanceOrCurrentSheetExecuteAnswersFalseSilently) {
    Open(Fixture("empty.sch"));
    hostsim::SheetObject& wire = DrawWire({{100, 200}, {400, 500}});
    EXPECT_FALSE(Route(wire, {100, 200}, {400, 500})) << "no instance yet";
    router->create();
    router->destroy();
    EXPECT_FALSE(Route(wire, {100, 200}, {400, 500})) << "instance destroyed";

    hostsim::DocumentStore::instance().setCurrent(nullptr);
    router->create();
    EXPECT_FALSE(Route(wire, {100, 200}, {400, 500})) << "no sheet, no tree";
    EXPECT_EQ(platform::BeepCount(), 0);
    EXPECT_EQ(wire.vertices.size(), 2u);
}

// A second create keeps the tree built by the first: a text put on the sheet in between is not seen until the
// instance is destroyed and created again.
TEST_F(Wirewright, SecondCreateKeepsTheFirstTree) {
    Open(Fixture("empty.sch"));
    router->create();
    auto block = hostsim::makeObject(hostsim::Kind::Text);
    block->location = {280, 295};
    block->text = "BLOCK";
    Sheet().add(std::move(block));
    router->create();

    const Point start{100, 300}, goal{500, 300};
    hostsim::SheetObject& first = DrawWire({start, goal});
    ASSERT_TRUE(Route(first, start, goal));
    EXPECT_EQ(first.vertices, (std::vector<Point>{start, goal})) << "the kept tree has no text";

    Sheet().remove(first);
    router->destroy();
    router->create();
    hostsim::SheetObject& second = DrawWire({start, goal});
    ASSERT_TRUE(Route(second, start, goal));
    EXPECT_GT(second.vertices.size(), 2u);
    EXPECT_THAT(CheckRoute(Sheet(), second.vertices, start, goal), IsEmpty());
}

// The wire keeps its drawn vertices, loses start point and loose end, and continues start to goal; a later
// request on the same wire splices again at its end.
TEST_F(Wirewright, RouteIsSplicedAtTheEndOfTheWireInOrder) {
    Open(Fixture("empty.sch"));
    router->create();
    const Point a{100, 100}, start{100, 200}, goal{400, 500}, further{600, 300};
    hostsim::SheetObject& wire = DrawWire({a, start, goal});
    ASSERT_TRUE(Route(wire, start, goal));
    ASSERT_EQ(wire.vertices.size(), 4u);
    EXPECT_EQ(wire.vertices[0], a);
    EXPECT_THAT(CheckRoute(Sheet(), {wire.vertices.begin() + 1, wire.vertices.end()}, start, goal), IsEmpty());

    const std::vector<Point> before = wire.vertices;
    wire.vertices.push_back(further); // the user moves the loose end on
    ASSERT_TRUE(Route(wire, goal, further));
    ASSERT_GE(wire.vertices.size(), before.size() + 1);
    EXPECT_EQ(std::vector<Point>(wire.vertices.begin(), wire.vertices.begin() + 3),
              std::vector<Point>(before.begin(), before.begin() + 3));
    EXPECT_THAT(CheckRoute(Sheet(), {wire.vertices.begin() + 3, wire.vertices.end()}, goal, further), IsEmpty());
    EXPECT_EQ(LooseWires(), 0u) << "the drawn vertices' and the routes' host wires are released";
}

// A new wire restarts the count of vertices already in the tree, so its own drawn segment becomes an obstacle
// the route may not run back along.
TEST_F(Wirewright, SecondWireRestartsTheVertexCount) {
    Open(Fixture("empty.sch"));
    router->create();
    hostsim::SheetObject& first = DrawWire({{100, 600}, {100, 650}, {300, 650}});
    ASSERT_TRUE(Route(first, {100, 650}, {300, 650}));

    const Point drawnFrom{500, 300}, start{200, 300}, goal{700, 300};
    hostsim::SheetObject& second = DrawWire({drawnFrom, start, goal});
    ASSERT_TRUE(Route(second, start, goal));
    ASSERT_GT(second.vertices.size(), 3u) << "the route ran back along the wire's own segment";
    EXPECT_EQ(second.vertices[0], drawnFrom);
    EXPECT_EQ(second.vertices[1], start);
    EXPECT_EQ(second.vertices.back(), goal);
}

TEST_F(Wirewright, SpliceThatWouldNotFitIsRefused) {
    Open(Fixture("empty.sch"));
    router->create();
    struct Case {
        size_t Drawn; // vertices before the start point
        const char* What;
    };
    for (const Case& c : {Case{48, "49 + a route of three would pass 50 vertices"}}) {
        SCOPED_TRACE(c.What);
        std::vector<Point> vertices;
        for (size_t i = 0; i < c.Drawn; ++i)
            vertices.push_back({int32_t(600 + 5 * (i % 2)), int32_t(100 + 10 * i)});
        const Point start{100, 200}, goal{400, 500};
        vertices.push_back(start);
        vertices.push_back(goal);
        hostsim::SheetObject& wire = DrawWire(vertices);
        const int beeps = platform::BeepCount();
        EXPECT_FALSE(Route(wire, start, goal));
        EXPECT_EQ(platform::BeepCount(), beeps + 1);
        EXPECT_EQ(wire.vertices, vertices);
    }
    hostsim::SheetObject& single = DrawWire({{100, 200}});
    EXPECT_FALSE(Route(single, {100, 200}, {400, 500})) << "a wire of one vertex has no loose end to replace";
    EXPECT_EQ(single.vertices, (std::vector<Point>{{100, 200}}));
    EXPECT_EQ(LooseWires(), 0u);
}

// A generated sheet of 400 parts: corner to corner the search takes thousands of passes, so a time-out or an
// Escape poll is reached before the goal.
class LongSearch : public RouterSession {
protected:
    void SetUp() override {
        RouterSession::SetUp();
        const auto file = folder / "many.sch";
        hostsim::DocumentStore& store = hostsim::DocumentStore::instance();
        hostsim::Document& made = hostsim::generateSheet(hostsim::shippedLibraryFile(), {.parts = 400}, file);
        store.save(made, file);
        store.close(made.handle());
        WriteRouterIni("[Options]\nTimeOut=600000\n");
        Open(file);
        router->create();
        start = {30, 30};
        goal = {Sheet().options().sheetWidth - 30, Sheet().options().sheetHeight - 30};
    }
    Point start, goal;
};

// A clock that jumps a second at each reading: the 600-second time-out passes after some 600 passes.
uint32_t JumpingClock() {
    static uint32_t now = 0;
    return now += 1000;
}

TEST_F(LongSearch, TimeOutEndsTheSearch) {
    platform::SetTickSource(JumpingClock);
    hostsim::SheetObject& timedOut = DrawWire({start, goal});
    EXPECT_FALSE(Route(timedOut, start, goal));
    EXPECT_EQ(platform::BeepCount(), 1);
    EXPECT_EQ(timedOut.vertices.size(), 2u);

    platform::SetTickSource(nullptr);
    hostsim::SheetObject& routed = DrawWire({start, goal});
    EXPECT_TRUE(Route(routed, start, goal)) << "the same search ends at the goal on a steady clock";
}

// An Escape pressed in the editor ends the search; any other message waiting for the editor stays in its queue and
// the search goes on.
TEST_F(LongSearch, EscapeEndsTheSearchOtherMessagesStay) {
    const uint32_t editor = hostsim::DocumentStore::instance().editorWindow();

    ASSERT_TRUE(platform::PostKeyPress(editor, platform::EscapeKey));
    hostsim::SheetObject& cancelled = DrawWire({start, goal});
    EXPECT_FALSE(Route(cancelled, start, goal));
    EXPECT_EQ(platform::BeepCount(), 1);
    EXPECT_EQ(cancelled.vertices.size(), 2u);
    EXPECT_FALSE(platform::PeekWindowMessage(editor, false).has_value());

    ASSERT_TRUE(platform::PostWindowMessage(editor, platform::UserMessage, 7, 0));
    hostsim::SheetObject& routed = DrawWire({start, goal});
    EXPECT_TRUE(Route(routed, start, goal));
    const auto waiting = platform::PeekWindowMessage(editor, false);
    ASSERT_TRUE(waiting.has_value());
    EXPECT_EQ(waiting->Message, platform::UserMessage);
}

} // namespace
} // namespace e2e
