// Sheet geometry of the schematic server: points and normalised rectangles in sheet units, Y growing upward.
#pragma once

#include <cstdint>

#include "platform/Abi.h"

namespace hostsim {

struct Point {
    int32_t x = 0;
    int32_t y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

// Always normalised: left <= right and bottom <= top. Edges belong to the rectangle.
struct TESSELLON_EXPORT Rect {
    int32_t left = 0;
    int32_t bottom = 0;
    int32_t right = 0;
    int32_t top = 0;

    static Rect fromCorners(Point a, Point b);
    static Rect around(Point centre, int32_t halfWidth, int32_t halfHeight);

    Rect united(const Rect& other) const;
    bool contains(Point p) const;
    bool contains(const Rect& other) const;
    bool intersects(const Rect& other) const;
    int64_t width() const { return int64_t{right} - left; }
    int64_t height() const { return int64_t{top} - bottom; }

    friend bool operator==(const Rect&, const Rect&) = default;
};

// Sums of coordinates stay inside 32 bits: the server answers the nearest representable value.
int32_t saturate(int64_t value);

// A quarter-turn direction: 0 right, 1 up, 2 left, 3 down.
Point stepInDirection(Point from, uint8_t direction, int32_t distance);

} // namespace hostsim
