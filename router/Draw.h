// The route drawing: turns the search's chain of edges (goal back to start) into the vertices of a new host wire,
// bridging as many pass points as one L-shaped leg can reach.
#pragma once

#include "router/Edge.h"
#include "router/New_SchAPITypes.h"
#include "router/New_SchClass.h"
#include "router/ObstacleTree.h"

#include <array>
#include <cstdint>

namespace wirewright {

// Once three pass points are taken in one reach, further ones are refused while the line count exceeds this
// allowance of the avoidance level (1..10); level 1 never refuses.
bool TooManyCrossings(int32_t Level, int32_t Count);

class TDrawAlgorithm {
public:
    // Creates the new host wire (line width 1, no vertices). Edge is the search's final edge at AGoalEntry; it and
    // its parents are only read.
    TDrawAlgorithm(const TEdge* AEdge, TPoint AStart, TPoint AStartExit, TPoint AGoal, TPoint AGoalEntry,
                   int32_t AGridSize, const TObstacleTree& ATree, uint32_t AStartTick, int32_t ATimeOut,
                   int32_t AAvoidLevel);
    TDrawAlgorithm(const TDrawAlgorithm&) = delete;
    TDrawAlgorithm& operator=(const TDrawAlgorithm&) = delete;

    // Q (the goal) to P (the start) through the corner (P.X, Q.Y), without any obstacle test; the wire's handle.
    THostHandle DrawDirect(TPoint P, TPoint Q);
    // The searched route, goal first; the wire's handle, or 0 when drawing failed: then the host wire is released.
    THostHandle DrawRoute();

    bool HasFailed() const { return Failed; }
    int32_t GetVertexCount() const { return VertexCount; }

private:
    bool KeepDrawing(const TEdge* Current) const;
    bool Stalled(TPoint From, TPoint To) const;
    void FindFarthest(TPoint From, const TEdge*& Current, TPoint& To, TSide& Shape);
    TSide CheckCorner(TPoint A, TPoint B, int32_t& Count) const;
    void ConnectToStartExit(TPoint P, TSide Dir);
    void AddSegment(TPoint P, TPoint Q);
    void AddCheckedSegment(TPoint P, TPoint Q);
    void Append(TPoint P);
    void Commit();

    TPoint Start;
    TPoint StartExit;
    TPoint GoalEntry;
    TPoint Goal;
    const TEdge* Edge;
    int32_t GridSize;
    const TObstacleTree& Tree;
    std::array<TPoint, WireVertexLimit> Vertices{};
    int32_t VertexCount = 0;
    TSchWire Wire;
    bool Failed = false;
    uint32_t StartTick;
    int32_t TimeOut;
    int32_t AvoidLevel;
    TObstacleTree DrawnTree;
};

// The corner of the L from P to Q for the corner test's answer Shape; Dir, the last leg's direction, decides for
// sdBoth so that the path goes on its way first. Corner keeps its value for sdNone.
void CornerPoint(TPoint P, TPoint Q, TSide Dir, TSide Shape, TPoint& Corner);

} // namespace wirewright
