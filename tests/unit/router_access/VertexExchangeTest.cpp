#include "router/New_SchClass.h"

#include "FakeSchApi.h"

namespace wirewright::test {
namespace {

// A host wire: its vertices and the vertex calls it received, as "count M N" and "at M I".
struct THostWire {
    std::vector<TPoint> Vertices;
    std::vector<std::string> Log;
};
THostWire HostWire;

int32_t TESSELLON_STDCALL FakeVertexCount(uint8_t Mode, THostHandle, int32_t Count) {
    HostWire.Log.push_back("count " + std::to_string(Mode) + " " + std::to_string(Count));
    if (Mode == qmRead)
        return static_cast<int32_t>(HostWire.Vertices.size());
    HostWire.Vertices.resize(static_cast<std::size_t>(Count));
    return 0;
}

int32_t TESSELLON_STDCALL FakeVertexAt(uint8_t Mode, THostHandle, int32_t Index, int32_t* X, int32_t* Y) {
    HostWire.Log.push_back("at " + std::to_string(Mode) + " " + std::to_string(Index));
    TPoint& Vertex = HostWire.Vertices.at(static_cast<std::size_t>(Index - 1));
    if (Mode == qmRead) {
        *X = Vertex.X;
        *Y = Vertex.Y;
    } else {
        Vertex = {*X, *Y};
    }
    return 0;
}

class VertexExchangeTest : public FakeSchApiTest {
protected:
    void SetUp() override {
        FakeSchApiTest::SetUp();
        HostWire = THostWire{};
        GlobalSchApi.SchAPI_QueryVertexCount = &FakeVertexCount;
        GlobalSchApi.SchAPI_QueryVertexAt = &FakeVertexAt;
    }
};

TEST_F(VertexExchangeTest, ReadsAndWritesTwoVerticesOneBased) {
    HostWire.Vertices = {{0, 0}, {0, 100}};
    TSchWire Wire(7);
    Wire.Query(qmRead);
    EXPECT_EQ(Wire.VertexCount, 2);
    EXPECT_EQ(Wire.Vertices[0], (TPoint{0, 0}));
    EXPECT_EQ(Wire.Vertices[1], (TPoint{0, 100}));
    EXPECT_EQ(HostWire.Log, (std::vector<std::string>{"count 1 0", "at 1 1", "at 1 2"}));

    HostWire.Log.clear();
    Wire.Vertices[1] = {50, 100};
    Wire.Query(qmWrite);
    EXPECT_EQ(HostWire.Log, (std::vector<std::string>{"count 0 2", "at 0 1", "at 0 2"}));
    EXPECT_EQ(HostWire.Vertices[1], (TPoint{50, 100}));
}

TEST_F(VertexExchangeTest, WritingNoVerticesSendsOnlyTheCount) {
    HostWire.Vertices = {{1, 1}};
    TSchAbstractPolyLineObject Line(7);
    EXPECT_EQ(Line.Query(qmWrite), 0);
    EXPECT_EQ(HostWire.Log, std::vector<std::string>{"count 0 0"});
    EXPECT_TRUE(HostWire.Vertices.empty());
}

// The wrapper holds 50 vertices: a longer host object is read up to 50, and a writer's count beyond 50 is sent as 50,
// so no exchange reaches past the array.
TEST_F(VertexExchangeTest, KeepsWithinFiftyVerticesBothWays) {
    for (int32_t i = 0; i < 60; ++i)
        HostWire.Vertices.push_back({i, -i});
    TSchWire Wire(7);
    Wire.Query(qmRead);
    EXPECT_EQ(Wire.VertexCount, WireVertexLimit);
    EXPECT_EQ(Wire.Vertices[49], (TPoint{49, -49}));
    EXPECT_EQ(HostWire.Log.back(), "at 1 50");

    HostWire.Log.clear();
    Wire.VertexCount = 60;
    Wire.Query(qmWrite);
    EXPECT_EQ(HostWire.Log.front(), "count 0 50");
    EXPECT_EQ(HostWire.Log.back(), "at 0 50");
    EXPECT_EQ(HostWire.Log.size(), 51u);
}

TEST_F(VertexExchangeTest, NegativeHostCountReadsNothing) {
    GlobalSchApi.SchAPI_QueryVertexCount = [](uint8_t, THostHandle, int32_t) -> int32_t { return -3; };
    TSchWire Wire(7);
    Wire.Query(qmRead);
    EXPECT_EQ(Wire.VertexCount, 0);
    EXPECT_TRUE(HostWire.Log.empty());
}

using ObjectOperationsTest = FakeSchApiTest;

TEST_F(ObjectOperationsTest, BoundingRectIsAskedOnlyWithAHandle) {
    GlobalSchApi.SchAPI_GetObjectBoundingRectangle = [](THostHandle Object, int32_t* X1, int32_t* Y1, int32_t* X2,
                                                        int32_t* Y2) {
        Host().Calls.push_back(TCall{"rect", 0, Object, {}});
        *X1 = 10, *Y1 = 20, *X2 = 30, *Y2 = 40;
    };
    int32_t X1 = 5, Y1 = 5, X2 = 5, Y2 = 5;
    TSchPin(0).GetBoundingRect(X1, Y1, X2, Y2);
    EXPECT_EQ((std::vector<int32_t>{X1, Y1, X2, Y2}), (std::vector<int32_t>{-1, -1, -1, -1}));
    EXPECT_TRUE(Host().Calls.empty());

    TSchPin(9).GetBoundingRect(X1, Y1, X2, Y2);
    EXPECT_EQ((std::vector<int32_t>{X1, Y1, X2, Y2}), (std::vector<int32_t>{10, 20, 30, 40}));
    EXPECT_EQ(Host().Calls.at(0).Handle, 9u);
}

TEST_F(ObjectOperationsTest, ImportFromUserRereadsOnlyWhenTheHostSaysSo) {
    WIREWRIGHT_BIND_POSITIONAL(SchAPIQuery_GrafObject);
    WIREWRIGHT_BIND_POSITIONAL(SchAPI_QueryJunction);
    static uint8_t Changed = 0;
    GlobalSchApi.SchAPI_ImportFromUser = [](THostHandle) -> uint8_t { return Changed; };

    TSchJunction Junction(9);
    EXPECT_FALSE(Junction.ImportFromUser());
    EXPECT_TRUE(Host().Calls.empty());

    Changed = 1;
    EXPECT_TRUE(Junction.ImportFromUser());
    EXPECT_EQ(Host().CallNames(), (std::vector<std::string>{"SchAPIQuery_GrafObject", "SchAPI_QueryJunction"}));
    EXPECT_EQ(Host().Calls[1].Mode, qmRead);
    EXPECT_EQ(Junction.Location.X, IntegerAt(3));

    Host().Calls.clear();
    EXPECT_FALSE(TSchJunction(0).ImportFromUser()) << "no handle, no call";
    EXPECT_TRUE(Host().Calls.empty());
}

TEST_F(ObjectOperationsTest, RedrawNeedsAHandle) {
    static std::vector<THostHandle> Redrawn;
    GlobalSchApi.SchAPI_RedrawObject = [](THostHandle Object) { Redrawn.push_back(Object); };
    TSchWire(0).Redraw();
    TSchWire(4).Redraw();
    EXPECT_EQ(Redrawn, std::vector<THostHandle>{4});
}

} // namespace
} // namespace wirewright::test
