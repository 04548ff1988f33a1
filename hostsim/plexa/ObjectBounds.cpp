#include "hostsim/plexa/ObjectBounds.h"

#include <algorithm>

namespace hostsim {

namespace {

constexpr int32_t NoErcHalfSize = 4;
constexpr int32_t SymbolHalfSize = 5;
constexpr int32_t TextGap = 2;

Rect verticesBounds(const SheetObject& object) {
    if (object.vertices.empty())
        return Rect::fromCorners(object.location, object.location);
    Rect bounds = Rect::fromCorners(object.vertices.front(), object.vertices.front());
    for (const Point& vertex : object.vertices)
        bounds = bounds.united(Rect::fromCorners(vertex, vertex));
    return bounds;
}

Rect partBounds(const SheetObject& part) {
    Rect bounds = part.part->body;
    for (const auto& pin : part.part->pins) {
        if (!pin->pin->isHidden || part.part->showHiddenPins)
            bounds = bounds.united(boundsOf(*pin));
    }
    return bounds;
}

Rect portBounds(const SheetObject& port) {
    const int32_t length = std::max(port.width, 0);
    const uint8_t direction = portIsVertical(port) ? 1 : 0;
    const Point end = stepInDirection(port.location, direction, length);
    const Rect band =
        direction ? Rect::around(port.location, PortHalfHeight, 0) : Rect::around(port.location, 0, PortHalfHeight);
    return band.united(Rect::fromCorners(end, end))
        .united(direction ? Rect::around(end, PortHalfHeight, 0) : Rect::around(end, 0, PortHalfHeight));
}

} // namespace

Rect textBounds(Point anchor, std::string_view text, uint8_t orientation) {
    const int64_t width = static_cast<int64_t>(std::min<size_t>(text.size(), 1 << 20)) * CharWidth;
    const int64_t x = anchor.x;
    const int64_t y = anchor.y;
    switch (orientation & 3) {
    case 0:
        return {anchor.x, anchor.y, saturate(x + width), saturate(y + TextHeight)};
    case 1:
        return {saturate(x - TextHeight), anchor.y, anchor.x, saturate(y + width)};
    case 2:
        return {saturate(x - width), saturate(y - TextHeight), anchor.x, anchor.y};
    default:
        return {anchor.x, saturate(y - width), saturate(x + TextHeight), anchor.y};
    }
}

PowerLayout powerLayout(const SheetObject& power) {
    PowerLayout layout;
    const uint8_t direction = power.orientation & 3;
    layout.tip = stepInDirection(power.location, direction, PowerStemLength);
    const bool vertical = direction & 1;
    layout.symbol = vertical ? Rect::around(layout.tip, PowerSymbolHalfWidth, 0)
                             : Rect::around(layout.tip, 0, PowerSymbolHalfWidth);
    layout.symbol = layout.symbol.united(Rect::fromCorners(power.location, layout.tip));
    const int64_t width = static_cast<int64_t>(std::min<size_t>(power.text.size(), 1 << 20)) * CharWidth;
    const int64_t x = layout.tip.x;
    const int64_t y = layout.tip.y;
    switch (direction) {
    case 0:
        layout.textAnchor = {saturate(x + TextGap), saturate(y - TextHeight / 2)};
        break;
    case 1:
        layout.textAnchor = {saturate(x - width / 2), saturate(y + TextGap)};
        break;
    case 2:
        layout.textAnchor = {saturate(x - TextGap - width), saturate(y - TextHeight / 2)};
        break;
    default:
        layout.textAnchor = {saturate(x - width / 2), saturate(y - TextGap - TextHeight)};
        break;
    }
    return layout;
}

Point markerTextAnchor(const SheetObject& marker) {
    return {saturate(int64_t{marker.location.x} + MarkerHalfSize + TextGap),
            saturate(int64_t{marker.location.y} - TextHeight / 2)};
}

int32_t junctionRadius(const SheetObject& junction) {
    return std::min<int32_t>(junction.size, 3) + 1;
}

Rect boundsOf(const SheetObject& object) {
    const Point at = object.location;
    switch (object.kind) {
    case Kind::Arc:
    case Kind::Pie:
        return Rect::around(at, object.radius, object.radius);
    case Kind::Ellipse:
    case Kind::EllipticalArc:
        return Rect::around(at, object.radius, object.secondaryRadius);
    case Kind::BusEntry:
    case Kind::Image:
    case Kind::Line:
    case Kind::Rectangle:
    case Kind::RoundRectangle:
        return Rect::fromCorners(at, object.corner);
    case Kind::Bezier:
    case Kind::Bus:
    case Kind::Polygon:
    case Kind::Polyline:
    case Kind::Wire:
        return verticesBounds(object);
    case Kind::Text:
    case Kind::Designator:
    case Kind::PartType:
    case Kind::Annotation:
    case Kind::NetLabel:
        return textBounds(at, object.text, object.orientation);
    case Kind::Junction:
        return Rect::around(at, junctionRadius(object), junctionRadius(object));
    case Kind::NoErc:
        return Rect::around(at, NoErcHalfSize, NoErcHalfSize);
    case Kind::ErrorMarker:
    case Kind::SimProbe:
    case Kind::SimStimulus:
    case Kind::SimVector:
        return Rect::around(at, MarkerHalfSize, MarkerHalfSize)
            .united(textBounds(markerTextAnchor(object), object.text, 0));
    case Kind::LayoutDirective:
    case Kind::Symbol:
        return Rect::around(at, SymbolHalfSize, SymbolHalfSize);
    case Kind::Port:
        return portBounds(object);
    case Kind::PowerObject: {
        const PowerLayout layout = powerLayout(object);
        return layout.symbol.united(textBounds(layout.textAnchor, object.text, 0));
    }
    case Kind::Part:
        return partBounds(object);
    case Kind::Pin:
        return Rect::fromCorners(at, object.pin->bodyEnd(at));
    }
    return Rect::fromCorners(at, at);
}

} // namespace hostsim
