#include "hostsim/plexa/Geometry.h"

#include <algorithm>
#include <climits>
#include <cstdlib>

namespace hostsim {

Rect Rect::fromCorners(Point a, Point b) {
    return {std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y)};
}

Rect Rect::around(Point centre, int32_t halfWidth, int32_t halfHeight) {
    const int64_t w = std::abs(int64_t{halfWidth});
    const int64_t h = std::abs(int64_t{halfHeight});
    return {saturate(centre.x - w), saturate(centre.y - h), saturate(centre.x + w), saturate(centre.y + h)};
}

Rect Rect::united(const Rect& other) const {
    return {std::min(left, other.left), std::min(bottom, other.bottom), std::max(right, other.right),
            std::max(top, other.top)};
}

bool Rect::contains(Point p) const {
    return p.x >= left && p.x <= right && p.y >= bottom && p.y <= top;
}

bool Rect::contains(const Rect& other) const {
    return other.left >= left && other.right <= right && other.bottom >= bottom && other.top <= top;
}

bool Rect::intersects(const Rect& other) const {
    return other.left <= right && other.right >= left && other.bottom <= top && other.top >= bottom;
}

int32_t saturate(int64_t value) {
    return static_cast<int32_t>(std::clamp<int64_t>(value, INT32_MIN, INT32_MAX));
}

Point stepInDirection(Point from, uint8_t direction, int32_t distance) {
    switch (direction & 3) {
    case 0:
        return {saturate(int64_t{from.x} + distance), from.y};
    case 1:
        return {from.x, saturate(int64_t{from.y} + distance)};
    case 2:
        return {saturate(int64_t{from.x} - distance), from.y};
    default:
        return {from.x, saturate(int64_t{from.y} - distance)};
    }
}

} // namespace hostsim
