#include "FakeRouteHost.h"

#include "platform/Clock.h"
#include "platform/MessageQueue.h"

namespace wirewright::test {

namespace {

constexpr THostHandle SheetHandle = 1;

THostHandle TESSELLON_STDCALL CurrentDocument() {
    return SheetHandle;
}

void TESSELLON_STDCALL BoundingRectangle(THostHandle Object, int32_t* X1, int32_t* Y1, int32_t* X2, int32_t* Y2) {
    if (Object != SheetHandle)
        return;
    const TBoundingRect& R = RouteHost().Sheet;
    *X1 = R.Left;
    *Y1 = R.Top;
    *X2 = R.Right;
    *Y2 = R.Bottom;
}

THostHandle TESSELLON_STDCALL CreateObject(uint8_t Kind) {
    EXPECT_EQ(Kind, okWire);
    const THostHandle Handle = RouteHost().NextHandle++;
    RouteHost().Wires[Handle] = {};
    return Handle;
}

void TESSELLON_STDCALL DestroyObject(THostHandle Object) {
    EXPECT_EQ(RouteHost().Wires.erase(Object), 1u);
    RouteHost().Destroyed.insert(Object);
}

TFakeWire& WireOf(THostHandle Handle) {
    const auto Found = RouteHost().Wires.find(Handle);
    EXPECT_NE(Found, RouteHost().Wires.end()) << "no live wire " << Handle;
    return Found != RouteHost().Wires.end() ? Found->second : RouteHost().Wires[0];
}

int32_t TESSELLON_STDCALL QueryWire(uint8_t Mode, THostHandle Wire, uint8_t* Width, int32_t* /*Color*/,
                                    uint8_t* /*Selection*/) {
    if (Mode == qmRead)
        *Width = WireOf(Wire).Width;
    else
        WireOf(Wire).Width = *Width;
    return 1;
}

int32_t TESSELLON_STDCALL QueryVertexCount(uint8_t Mode, THostHandle Wire, int32_t Count) {
    if (Mode == qmRead)
        return static_cast<int32_t>(WireOf(Wire).Vertices.size());
    WireOf(Wire).Vertices.resize(static_cast<std::size_t>(Count));
    return Count;
}

int32_t TESSELLON_STDCALL QueryVertexAt(uint8_t Mode, THostHandle Wire, int32_t Index, int32_t* X, int32_t* Y) {
    TPoint& V = WireOf(Wire).Vertices.at(static_cast<std::size_t>(Index - 1));
    if (Mode == qmRead) {
        *X = V.X;
        *Y = V.Y;
    } else
        V = {*X, *Y};
    return 1;
}

uint32_t FakeTick() {
    TRouteHost& Host = RouteHost();
    ++Host.TickReadings;
    const uint32_t Now = Host.Tick;
    Host.Tick += Host.TickStep;
    return Now;
}

bool Crosses(TPoint P, TPoint Q, const TBoundingRect& R) {
    if (P.Y == Q.Y)
        return R.Bottom < P.Y && P.Y < R.Top && MinCoord(P.X, Q.X) < R.Right && MaxCoord(P.X, Q.X) > R.Left;
    return R.Left < P.X && P.X < R.Right && MinCoord(P.Y, Q.Y) < R.Top && MaxCoord(P.Y, Q.Y) > R.Bottom;
}

} // namespace

TRouteHost& RouteHost() {
    static TRouteHost Host;
    return Host;
}

void FakeRouteHostTest::SetUp() {
    Saved = GlobalSchApi;
    GlobalSchApi = TSchApiTable{};
    RouteHost() = TRouteHost{};
    GlobalSchApi.SchAPI_GetCurrentDocumentHandle = &CurrentDocument;
    GlobalSchApi.SchAPI_GetObjectBoundingRectangle = &BoundingRectangle;
    GlobalSchApi.SchAPI_CreateObjectEx = &CreateObject;
    GlobalSchApi.SchAPI_DestroyObject = &DestroyObject;
    GlobalSchApi.SchAPI_QueryWire = &QueryWire;
    GlobalSchApi.SchAPI_QueryVertexCount = &QueryVertexCount;
    GlobalSchApi.SchAPI_QueryVertexAt = &QueryVertexAt;
    platform::SetTickSource(&FakeTick);
    platform::ClearMessageQueues();
}

void FakeRouteHostTest::TearDown() {
    GlobalSchApi = Saved;
    platform::SetTickSource(nullptr);
    platform::ClearMessageQueues();
}

::testing::AssertionResult IsClearOrthogonalRoute(const std::vector<TPoint>& Vertices,
                                                  const std::vector<TBoundingRect>& Blocks) {
    for (std::size_t i = 1; i < Vertices.size(); ++i) {
        const TPoint P = Vertices[i - 1];
        const TPoint Q = Vertices[i];
        if (P.X != Q.X && P.Y != Q.Y)
            return ::testing::AssertionFailure() << "oblique segment " << i;
        if (SamePoint(P, Q))
            return ::testing::AssertionFailure() << "repeated vertex " << i;
        for (const TBoundingRect& R : Blocks)
            if (Crosses(P, Q, R))
                return ::testing::AssertionFailure() << "segment " << i << " crosses a block";
    }
    return ::testing::AssertionSuccess();
}

} // namespace wirewright::test
