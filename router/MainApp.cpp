#include "router/MainApp.h"

#include "platform/Cursor.h"
#include "platform/Sound.h"
#include "router/Algorithm.h"
#include "router/New_SchClass.h"
#include "router/New_SchProcs.h"
#include "router/ObstacleGathering.h"

namespace wirewright {

std::unique_ptr<TMainApp> GlobalMainApp;
std::unique_ptr<TRouteOptions> GlobalRouteOptions;

namespace {

// Shows the wait cursor for its lifetime and puts the previous one back on every path out.
class TWaitCursor {
public:
    TWaitCursor() : Previous(platform::SetCursor(platform::Cursor::Wait)) {}
    ~TWaitCursor() { platform::SetCursor(Previous); }
    TWaitCursor(const TWaitCursor&) = delete;
    TWaitCursor& operator=(const TWaitCursor&) = delete;

private:
    platform::Cursor Previous;
};

// The router's own host wires only carry vertices into the tree or the current wire; once there they go.
void ReleaseHostWire(THostHandle Wire) {
    if (Wire != 0)
        SchAPI_DestroyObject(Wire);
}

} // namespace

TMainApp::TMainApp() : Sheet(SchAPI_GetCurrentDocumentHandle()) {
    GridSize = ReadGridSize();
}

int32_t TMainApp::ReadGridSize() const {
    TSchSheetOptions Options(Sheet);
    Options.Query(qmRead);
    return Options.GridSize;
}

void TMainApp::BuildObstacles() {
    if (Sheet == 0)
        return;
    const TWaitCursor Wait;
    Tree.reset();
    Tree = std::make_unique<TObstacleTree>(GridSize);
    Build(*Tree, Sheet, GlobalRouteOptions->Clearance() - 1);
}

bool TMainApp::Route(THostHandle Wire, TPoint Start, TPoint Goal) {
    const TWaitCursor Wait;
    if (Wire != CurrentWire) {
        WireVerticesDone = 0;
        CurrentWire = Wire;
    }
    if (!Tree)
        return false;
    AddNewWireVertices();

    THostHandle RouteWire = 0;
    {
        TRouteAlgorithm Algorithm(Start, *GlobalRouteOptions, *Tree, GridSize, Sheet, Goal);
        RouteWire = Algorithm.Execute();
    }
    if (RouteWire != 0 && AppendRoute(RouteWire)) {
        AddRoutedWire(RouteWire);
        ReleaseHostWire(RouteWire);
        return true;
    }
    ReleaseHostWire(RouteWire);
    platform::MessageBeep(0);
    return false;
}

void TMainApp::AddNewWireVertices() {
    if (CurrentWire == 0)
        return;
    TSchWire Current(CurrentWire);
    Current.Query(qmRead);
    const int32_t Count = Current.VertexCount;
    if (WireVerticesDone >= Count)
        return;
    if (Count - 1 - WireVerticesDone > 0) {
        const THostHandle NewHandle = SchAPI_CreateObjectEx(okWire);
        TSchWire NewWire(NewHandle);
        NewWire.Query(qmRead);
        NewWire.VertexCount = 0;
        NewWire.Vertices.fill(TPoint{0, 0});
        for (int32_t i = WireVerticesDone + 1; i <= Count - 1; ++i)
            NewWire.Vertices[NewWire.VertexCount++] = Current.Vertices[i - 1];
        NewWire.Query(qmWrite);
        AddWire(*Tree, NewHandle);
        ReleaseHostWire(NewHandle);
    }
    WireVerticesDone = Count - 1;
}

void TMainApp::AddRoutedWire(THostHandle RouteWire) {
    if (RouteWire == 0)
        return;
    TSchWire Routed(RouteWire);
    Routed.Query(qmRead);
    AddWire(*Tree, RouteWire);
    WireVerticesDone += Routed.VertexCount;
}

bool TMainApp::AppendRoute(THostHandle RouteWire) {
    if (RouteWire == 0 || CurrentWire == 0)
        return false;
    TSchWire Current(CurrentWire);
    TSchWire Routed(RouteWire);
    Current.Query(qmRead);
    Routed.Query(qmRead);
    // The route replaces the start point and the loose end; nothing may go past the wire's last vertex.
    if (Current.VertexCount < 2 || Current.VertexCount - 2 + Routed.VertexCount > WireVertexLimit)
        return false;
    Current.VertexCount -= 2;
    for (int32_t i = Routed.VertexCount; i >= 1; --i)
        Current.Vertices[Current.VertexCount++] = Routed.Vertices[i - 1];
    Current.Query(qmWrite);
    return true;
}

void CreateRouterInstance() {
    if (GlobalMainApp)
        return;
    GlobalMainApp = std::make_unique<TMainApp>();
    GlobalMainApp->BuildObstacles();
}

void DestroyRouterInstance() {
    GlobalMainApp.reset();
}

bool ExecuteRoute(THostHandle Wire, TPoint Start, TPoint Goal) {
    return GlobalMainApp && GlobalMainApp->Route(Wire, Start, Goal);
}

} // namespace wirewright
