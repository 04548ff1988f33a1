// The router instance the schematic editor drives while the user draws a wire: one obstacle tree of the sheet that
// was current at creation, kept up to date with the wire being drawn and every routed wire; each route is spliced
// into the wire being drawn. Also the library's process-wide state and the bodies of its exports.
#pragma once

#include "router/New_SchAPITypes.h"
#include "router/ObstacleTree.h"
#include "router/Options.h"

#include <cstdint>
#include <memory>

namespace wirewright {

class TMainApp {
public:
    // Binds to the current document and reads its grid; the tree is built by BuildObstacles.
    TMainApp();
    TMainApp(const TMainApp&) = delete;
    TMainApp& operator=(const TMainApp&) = delete;

    // (Re)builds Tree for Sheet under the wait cursor; no tree without a sheet.
    void BuildObstacles();
    // Routes Start to Goal and splices the route into Wire. False, with one beep, when no route was found or it
    // does not fit the wire; Wire is then unchanged.
    bool Route(THostHandle Wire, TPoint Start, TPoint Goal);
    // Enters the vertices of CurrentWire drawn since the last route, all but its loose end, into Tree.
    void AddNewWireVertices();
    // Enters a routed wire into Tree and counts its vertices as done.
    void AddRoutedWire(THostHandle RouteWire);
    // Replaces the last two vertices of CurrentWire by the route, start to goal. False, changing nothing, when the
    // current wire has fewer than two vertices or the result would not fit a wire.
    bool AppendRoute(THostHandle RouteWire);
    int32_t ReadGridSize() const;

    std::unique_ptr<TObstacleTree> Tree; // none until built
    THostHandle Sheet = 0;
    int32_t GridSize = 0;
    int32_t WireVerticesDone = 0; // leading vertices of CurrentWire already in Tree
    THostHandle CurrentWire = 0;
};

// The one router instance, or none.
extern std::unique_ptr<TMainApp> GlobalMainApp;
// The options, alive as long as the library is loaded.
extern std::unique_ptr<TRouteOptions> GlobalRouteOptions;

// What the exports do. A second create keeps the first instance and its tree; executing without an instance
// answers false.
void CreateRouterInstance();
void DestroyRouterInstance();
bool ExecuteRoute(THostHandle Wire, TPoint Start, TPoint Goal);

} // namespace wirewright
