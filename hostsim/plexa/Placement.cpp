#include "hostsim/plexa/Placement.h"

#include <cmath>
#include <utility>

namespace hostsim {

namespace {

Point turn(Point p, int quarterTurns) {
    for (int i = 0; i < (quarterTurns & 3); ++i)
        p = {saturate(-int64_t{p.y}), p.x};
    return p;
}

uint8_t mirrorDirection(uint8_t direction) {
    return static_cast<uint8_t>((direction & 1) ? direction : (direction + 2) & 3);
}

Real48 turnAngle(const Real48& angle, bool mirror, int quarterTurns) {
    double degrees = angle.toDouble();
    if (mirror)
        degrees = 180.0 - degrees;
    degrees = std::fmod(degrees + 90.0 * quarterTurns, 360.0);
    if (degrees < 0)
        degrees += 360.0;
    return Real48::fromDouble(degrees).value_or(angle);
}

// Maps every geometric value of a placed item through one function of points and one of directions.
template <typename MapPoint, typename MapDirection>
void transformItem(SheetObject& item, MapPoint mapPoint, MapDirection mapDirection, bool mirror, int quarterTurns) {
    item.location = mapPoint(item.location);
    item.corner = mapPoint(item.corner);
    for (Point& vertex : item.vertices)
        vertex = mapPoint(vertex);
    if (item.pin)
        item.pin->orientation = mapDirection(item.pin->orientation);
    if (item.kind == Kind::Arc || item.kind == Kind::EllipticalArc || item.kind == Kind::Pie) {
        item.startAngle = turnAngle(item.startAngle, mirror, quarterTurns);
        item.endAngle = turnAngle(item.endAngle, mirror, quarterTurns);
        if (mirror)
            std::swap(item.startAngle, item.endAngle);
    }
    if ((item.kind == Kind::Ellipse || item.kind == Kind::EllipticalArc) && (quarterTurns & 1))
        std::swap(item.radius, item.secondaryRadius);
}

} // namespace

Placement Placement::of(const SheetObject& part) {
    return {part.location, static_cast<uint8_t>(part.part->orientation & 3), part.part->isMirrored != 0};
}

Point Placement::apply(Point library) const {
    if (mirrored)
        library.x = saturate(-int64_t{library.x});
    const Point turned = turn(library, orientation);
    return {saturate(int64_t{turned.x} + location.x), saturate(int64_t{turned.y} + location.y)};
}

Point Placement::invert(Point sheet) const {
    Point local =
        turn({saturate(int64_t{sheet.x} - location.x), saturate(int64_t{sheet.y} - location.y)}, 4 - (orientation & 3));
    if (mirrored)
        local.x = saturate(-int64_t{local.x});
    return local;
}

uint8_t Placement::applyDirection(uint8_t library) const {
    const uint8_t direction = mirrored ? mirrorDirection(library) : library;
    return static_cast<uint8_t>((direction + orientation) & 3);
}

uint8_t Placement::invertDirection(uint8_t sheet) const {
    const auto direction = static_cast<uint8_t>((sheet + 4 - (orientation & 3)) & 3);
    return mirrored ? mirrorDirection(direction) : direction;
}

std::unique_ptr<SheetObject> placeItem(const SheetObject& item, const Placement& placement) {
    auto copy = item.clone();
    transformItem(
        *copy, [&](Point p) { return placement.apply(p); }, [&](uint8_t d) { return placement.applyDirection(d); },
        placement.mirrored, placement.orientation);
    return copy;
}

void replaceItem(SheetObject& item, const Placement& from, const Placement& to) {
    // Back into library coordinates (turned back, then unmirrored), then out with the new placement.
    transformItem(
        item, [&](Point p) { return from.invert(p); }, [&](uint8_t d) { return from.invertDirection(d); }, false,
        4 - from.orientation);
    if (from.mirrored)
        transformItem(
            item, [](Point p) { return p; }, [](uint8_t d) { return d; }, true, 0);
    transformItem(
        item, [&](Point p) { return to.apply(p); }, [&](uint8_t d) { return to.applyDirection(d); }, to.mirrored,
        to.orientation);
}

} // namespace hostsim
