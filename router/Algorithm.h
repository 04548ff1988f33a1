// The route search: a best-first search over free rectangles (windows) swept between the obstacles of the router
// instance's tree, from the start toward the goal, whose chain of edges the drawing turns into a new host wire.
#pragma once

#include "router/EdgeList.h"
#include "router/New_SchAPITypes.h"
#include "router/ObstacleTree.h"
#include "router/Options.h"
#include "router/Rectangle.h"

#include <cstdint>

namespace wirewright {

// Passes between two looks at the editor's queue for Escape.
constexpr int32_t EscapePollPasses = 500;

// One routing request: created, executed once, destroyed. Marks set on the tree's end points stay there.
class TRouteAlgorithm {
public:
    // Sheet is the document whose snap option applies; the sheet's rectangle is the current document's. The time-out
    // runs from here.
    TRouteAlgorithm(TPoint AStart, const TRouteOptions& Options, TObstacleTree& ATree, int32_t AGridSize,
                    THostHandle Sheet, TPoint AGoal);
    TRouteAlgorithm(const TRouteAlgorithm&) = delete;
    TRouteAlgorithm& operator=(const TRouteAlgorithm&) = delete;

    // The handle of a new host wire holding the route, goal first; 0 when no route was found or drawn (a wire made
    // for a failed drawing is released again).
    THostHandle Execute();
    bool HasFailed() const { return Failed; }

private:
    bool EndpointsFree() const;
    void MarkEndpoints();
    void FindExitPoints();
    bool FacingPins() const;
    void FindStartWindow();
    void Expand(TEdge* Edge, TSides Sides);
    void MergeFacingSides(TEdgeList& Pending, TSide Side, TEdgeList& Sections);
    void BuildFront(TEdge& SideEdge, TEdge* Parent, TEdgeList& Sections, TEdgeList& Front);
    void AdoptParent(TEdgeList& Front, const TEdge* Edge);
    void CloseParents(const TEdgeList& Front);
    void EvaluateFront(TEdgeList& Front);
    TEdge* Search();
    bool GoalReached(const TEdge* Edge) const;
    void FindEdgeWindow(const TEdge& Edge);
    void ReviseLineEndEdge(TEdge*& Edge);
    TEdge* MakeFinalEdge(TEdge* LastEdge);
    bool TimedOut() const;
    bool EscapePressed() const;
    void StepPoint(TPoint& P, TSide Side) const;
    bool MakesNewEdge(const TEdge& E) const;

    TBoundingRect Window;
    TObstacleTree& Tree;
    TEdgePool Edges; // every edge of this search
    TEdgeList OpenEdges;
    TEdgeList ClosedEdges;
    TPoint Start;
    TPoint StartExit;
    TPoint Goal;
    TPoint GoalEntry;
    TBoundingRect SheetRect;
    int32_t GridSize;
    TSides StartSides = AllSides;
    bool Failed = false;
    uint32_t StartTick;
    int32_t TimeOut;
    bool SnapToGrid;
    int32_t AvoidLevel;
    int32_t Margin;
};

// sdBottom, sdTop, sdLeft or sdRight for the way from A to B, the vertical move winning; sdNone when they are equal.
TSide MoveDirection(TPoint A, TPoint B);
// Every side except the one pointing back against Side.
TSides ForwardSides(TSide Side);

} // namespace wirewright
