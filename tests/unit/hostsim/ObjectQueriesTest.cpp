// Record queries of single objects through the plug-ins' function types: texts, vertices, angles, rectangles,
// new objects, and what a write does to the sheet.
#include <cstring>
#include <set>

#include <gtest/gtest.h>

#include "capture/SchAPITypes.h"
#include "hostsim/plexa/ObjectBounds.h"
#include "hostsim/plexa/SchApi.h"
#include "router/New_SchAPITypes.h"
#include "tests/unit/hostsim/StoreFixture.h"

namespace hostsim::test {
namespace {

class ObjectQueriesTest : public StoreTest {
protected:
    void SetUp() override {
        StoreTest::SetUp();
        board = &openCurrent(example("board.sch"));
    }
    Document* board = nullptr;
};

TEST_F(ObjectQueriesTest, TextsAreCutTo255CharactersAndTerminated) {
    SheetObject& label = find(*board, Kind::NetLabel, "D0");
    label.text = std::string(300, 'a');
    char buffer[300];
    std::memset(buffer, 'x', sizeof buffer);
    char* reference = buffer;
    int32_t x = 0, y = 0, color = 0, font = 0;
    uint8_t orientation = 0, selection = 0;
    const snapscribe::TSchAPI_QueryNetLabel query = &SchAPI_QueryNetLabel;
    ASSERT_EQ(0, query(1, label.handle, &x, &y, &orientation, &color, &font, &selection, &reference));
    EXPECT_EQ(255u, std::strlen(buffer));
    EXPECT_EQ('x', buffer[256]) << "nothing is written past the 256-byte buffer";
    EXPECT_EQ((Point{x, y}), label.location);

    // A write takes at most 255 characters from the caller's buffer, terminated or not.
    std::memset(buffer, 'b', sizeof buffer);
    ASSERT_EQ(0, query(0, label.handle, &x, &y, &orientation, &color, &font, &selection, &reference));
    EXPECT_EQ(std::string(255, 'b'), label.text);
}

TEST_F(ObjectQueriesTest, AQueryOfTheWrongKindOrAnUnknownHandleTouchesNothing) {
    const Handle wire = find(*board, Kind::Wire).handle;
    uint8_t width = 77, selection = 77;
    int32_t color = 77;
    const snapscribe::TSchAPI_QueryBus queryBus = &SchAPI_QueryBus;
    for (const Handle handle : {wire, Handle{0}, Handle{0xFFFFFF}, board->handle()}) {
        EXPECT_EQ(1, queryBus(1, handle, &width, &color, &selection)) << handle;
        EXPECT_EQ(77, width);
        EXPECT_EQ(77, color);
    }
    EXPECT_EQ(0, SchAPI_QueryWire(1, wire, &width, &color, &selection));
    EXPECT_EQ(0, SchAPI_GetObjectIdFromObjectHandle(0x00ABCDEF));
    EXPECT_EQ(54, SchAPI_GetObjectIdFromObjectHandle(wire));
}

TEST_F(ObjectQueriesTest, VerticesAreOneBasedAndAWriteReshapesTheWire) {
    SheetObject& wire = find(*board, Kind::Wire);
    const snapscribe::TSchAPI_QueryVertexCount count = &SchAPI_QueryVertexCount;
    const wirewright::TSchAPI_QueryVertexAt at = &SchAPI_QueryVertexAt;
    ASSERT_EQ(2, count(1, wire.handle, 0));
    int32_t x = -1, y = -1;
    ASSERT_EQ(0, at(1, wire.handle, 1, &x, &y));
    EXPECT_EQ(wire.vertices[0], (Point{x, y}));
    for (const int32_t outside : {0, 3, -1}) {
        EXPECT_EQ(1, at(1, wire.handle, outside, &x, &y)) << outside;
    }

    EXPECT_EQ(3, count(0, wire.handle, 3));
    const Point shape[] = {{0, 0}, {0, 100}, {100, 100}};
    for (int32_t i = 1; i <= 3; ++i) {
        int32_t vx = shape[i - 1].x, vy = shape[i - 1].y;
        ASSERT_EQ(0, at(0, wire.handle, i, &vx, &vy));
    }
    EXPECT_EQ((std::vector<Point>(std::begin(shape), std::end(shape))), wire.vertices);
    EXPECT_EQ((Point{0, 0}), wire.location) << "a multi-vertex object is where its first vertex is";

    // Moving the object moves every vertex.
    uint8_t kind = 0, selection = 0;
    int32_t mx = 10, my = 20, color = wire.color;
    ASSERT_EQ(0, SchAPI_QueryPrimitive(0, wire.handle, &kind, &mx, &my, &color, &selection));
    EXPECT_EQ((std::vector<Point>{{10, 20}, {10, 120}, {110, 120}}), wire.vertices);

    EXPECT_EQ(0, count(0, wire.handle, -5));
    EXPECT_TRUE(wire.vertices.empty());
}

TEST_F(ObjectQueriesTest, AnglesTravelAsSixByteReals) {
    SheetObject& arc = find(*board, Kind::Arc);
    int32_t x, y, radius, color;
    uint8_t width, selection, start[6], end[6];
    ASSERT_EQ(0, SchAPI_QueryArc(1, arc.handle, &x, &y, &radius, &width, start, end, &color, &selection));
    Real48 startAngle, endAngle;
    std::memcpy(startAngle.bytes.data(), start, 6);
    std::memcpy(endAngle.bytes.data(), end, 6);
    EXPECT_EQ(0.0, startAngle.toDouble());
    EXPECT_EQ(180.0, endAngle.toDouble());
    EXPECT_EQ((std::array<uint8_t, 6>{0x88, 0, 0, 0, 0, 0x34}), endAngle.bytes) << "180 = 1.40625 * 2^7";
}

TEST_F(ObjectQueriesTest, RectanglesComeTopLeftThenBottomRight) {
    const wirewright::TSchAPI_GetObjectBoundingRectangle frame = &SchAPI_GetObjectBoundingRectangle;
    int32_t x1 = 7, y1 = 7, x2 = 7, y2 = 7;
    frame(board->handle(), &x1, &y1, &x2, &y2);
    EXPECT_EQ((std::array{0, 950, 1500, 0}), (std::array{x1, y1, x2, y2}));

    const SheetObject& port = find(*board, Kind::Port, "Q0");
    frame(port.handle, &x1, &y1, &x2, &y2);
    EXPECT_EQ((std::array{560, 705, 620, 695}), (std::array{x1, y1, x2, y2}));

    x1 = y1 = x2 = y2 = 7;
    frame(0, &x1, &y1, &x2, &y2);
    EXPECT_EQ((std::array{7, 7, 7, 7}), (std::array{x1, y1, x2, y2})) << "no object: the values stay";
}

TEST_F(ObjectQueriesTest, APartWriteCarriesPinsAndTextsAlong) {
    SheetObject& part = find(*board, Kind::Part, "U1A"); // at (300, 700), pin A at (300, 710) pointing left
    int32_t x = 300, y = 700, partId = 1;
    uint8_t mode = 0, mirrored = 0, orientation = 1, selection = 0;
    // Only the leading values are given; the rest of the record is left out.
    ASSERT_EQ(0, SchAPI_QuerySchPart(0, part.handle, &x, &y, &mode, &mirrored, &orientation, &selection, &partId,
                                     nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 7, nullptr, nullptr,
                                     nullptr, nullptr, nullptr, 15, nullptr, nullptr, nullptr, nullptr, nullptr));
    const SheetObject& pinA = *part.part->pins[0];
    EXPECT_EQ((Point{290, 700}), pinA.location) << "(0, 10) turned a quarter counter-clockwise is (-10, 0)";
    EXPECT_EQ(3, pinA.pin->orientation) << "left turned a quarter is down";

    // The spatial questions see the part where it is now.
    const uint64_t parts = uint64_t{1} << 16;
    const Handle found = SchAPI_CreateSpatialIterator(board->handle(), 290, 700, 290, 700, &parts);
    EXPECT_EQ(part.handle, SchAPI_GetFirstSpatialObject(found, nullptr));
    SchAPI_DestroySpatialIterator(found);
}

// A part read without descriptions gets them, empty and hidden, the first time a caller asks for their handles.
TEST_F(ObjectQueriesTest, EveryPartTextHasAHandleWhenAsked) {
    SheetObject& part = board->add(makeObject(Kind::Part, false));
    EXPECT_EQ(2u, part.part->texts().size());
    uint32_t designator = 0, partType = 0, comment = 0, descriptions[16] = {};
    ASSERT_EQ(0, SchAPI_QuerySchPart(1, part.handle, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                                     nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 7, nullptr,
                                     &designator, &partType, &comment, descriptions, 15, nullptr, nullptr, nullptr,
                                     nullptr, nullptr));
    std::set<uint32_t> handles{designator, partType, comment};
    handles.insert(std::begin(descriptions), std::end(descriptions));
    EXPECT_EQ(19u, handles.size());
    EXPECT_FALSE(handles.count(0));
    int32_t x, y, font, color;
    uint8_t hidden = 0, orientation, selection;
    char text[256] = "unchanged";
    char* reference = text;
    ASSERT_EQ(
        0, SchAPI_QueryText(1, descriptions[15], &x, &y, &hidden, &font, &reference, &orientation, &color, &selection));
    EXPECT_EQ(1, hidden);
    EXPECT_STREQ("", text);
}

TEST_F(ObjectQueriesTest, ANewObjectLiesOnNoSheetUntilAdded) {
    const size_t before = board->objects().size();
    const wirewright::TSchAPI_CreateObjectEx create = &SchAPI_CreateObjectEx;
    const Handle wire = create(54);
    ASSERT_NE(0u, wire);
    EXPECT_EQ(0u, create(99)) << "no such kind";
    EXPECT_EQ(54, SchAPI_GetObjectIdFromObjectHandle(wire));
    EXPECT_EQ(before, board->objects().size());

    EXPECT_EQ(2, SchAPI_QueryVertexCount(0, wire, 2));
    EXPECT_EQ(1, SchAPI_AddObjectToContainer(board->handle(), wire));
    EXPECT_EQ(before + 1, board->objects().size());
    EXPECT_EQ(0, SchAPI_AddObjectToContainer(board->handle(), wire)) << "already on the sheet";

    SchAPI_DestroyObject(wire);
    EXPECT_EQ(before, board->objects().size());
    EXPECT_EQ(0, SchAPI_GetObjectIdFromObjectHandle(wire)) << "a released handle names nothing";
}

TEST_F(ObjectQueriesTest, CurrentDocumentWindowAndName) {
    EXPECT_EQ(board->handle(), SchAPI_GetCurrentDocumentHandle());
    EXPECT_EQ(board->window(), SchAPI_GetCurrentEditorWindowHandle());
    EXPECT_EQ(board->handle(), SchApi_GetSheetHandleFromServerWindowHandle(board->window()));
    char name[16];
    char* reference = name;
    ASSERT_EQ(0, SchAPI_QueryDocumentName(1, board->handle(), &reference, sizeof name));
    EXPECT_EQ(board->fileName().string().substr(0, 15), std::string(name));
    store().setCurrent(nullptr);
    EXPECT_EQ(0u, SchAPI_GetCurrentDocumentHandle());
    EXPECT_EQ(0u, SchAPI_GetCurrentEditorWindowHandle());
}

} // namespace
} // namespace hostsim::test
