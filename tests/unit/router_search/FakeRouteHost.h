// A schematic server just large enough for the route search and drawing: one sheet rectangle, wires that can be
// created, written and destroyed, and a clock the test drives.
#pragma once

#include "router/New_SchProcs.h"
#include "router/Rectangle.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <set>
#include <vector>

namespace wirewright::test {

struct TFakeWire {
    uint8_t Width = 0;
    std::vector<TPoint> Vertices;
};

struct TRouteHost {
    TBoundingRect Sheet{0, 0, 1000, 1000};
    THostHandle NextHandle = 100;
    std::map<THostHandle, TFakeWire> Wires; // live wires
    std::set<THostHandle> Destroyed;
    uint32_t Tick = 0;
    uint32_t TickStep = 0; // added after every reading
    int TickReadings = 0;
};

TRouteHost& RouteHost();

// Binds the fake's entries and its clock; restores the table, the clock and the message queue afterwards.
class FakeRouteHostTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

private:
    TSchApiTable Saved;
};

// Every segment of Vertices is horizontal or vertical and none crosses the interior of a rectangle of Blocks.
::testing::AssertionResult IsClearOrthogonalRoute(const std::vector<TPoint>& Vertices,
                                                  const std::vector<TBoundingRect>& Blocks);

} // namespace wirewright::test
