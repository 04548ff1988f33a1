#include "hostsim/render/ObjectPainter.h"

#include "hostsim/plexa/ObjectBounds.h"
#include "hostsim/plexa/PartPlacer.h"

namespace hostsim {

namespace {

constexpr int32_t Black = 0x000000;
constexpr int32_t Red = 0x0000FF;
constexpr int32_t PinColor = 0x000000;
constexpr int32_t PinTextSize = 8;

std::string dashOf(uint8_t lineStyle) {
    switch (lineStyle) {
    case 1:
        return "6,3";
    case 2:
        return "1.5,2.5";
    default:
        return "";
    }
}

Pen outline(const SheetObject& object, int32_t emphasis) {
    Pen pen;
    pen.color = emphasis >= 0 ? emphasis : object.color;
    pen.width = strokeWidth(object.lineWidth) * (emphasis >= 0 ? 2 : 1);
    pen.dash = dashOf(object.lineStyle);
    return pen;
}

Pen filled(const SheetObject& object, int32_t emphasis) {
    Pen pen = outline(object, emphasis);
    if (object.isSolid)
        pen.fill = object.areaColor;
    return pen;
}

void paintPort(SvgWriter& svg, const SheetObject& port, int32_t emphasis) {
    const Rect box = boundsOf(port);
    const bool vertical = portIsVertical(port);
    const int32_t tip = PortHalfHeight;
    // Styles 1 and 3 (5 and 7 upright) point at the start, 2 and 3 (6 and 7) at the end.
    const bool pointStart = (port.style & 3) == 1 || (port.style & 3) == 3;
    const bool pointEnd = (port.style & 3) == 2 || (port.style & 3) == 3;
    std::vector<Point> shape;
    if (!vertical) {
        const int32_t mid = port.location.y;
        shape = {{box.left + (pointStart ? tip : 0), box.top},    {box.right - (pointEnd ? tip : 0), box.top},
                 {box.right, pointEnd ? mid : box.top},           {box.right - (pointEnd ? tip : 0), box.bottom},
                 {box.left + (pointStart ? tip : 0), box.bottom}, {box.left, pointStart ? mid : box.bottom}};
    } else {
        const int32_t mid = port.location.x;
        shape = {{box.left, box.bottom + (pointStart ? tip : 0)},
                 {box.left, box.top - (pointEnd ? tip : 0)},
                 {pointEnd ? mid : box.left, box.top},
                 {box.right, box.top - (pointEnd ? tip : 0)},
                 {box.right, box.bottom + (pointStart ? tip : 0)},
                 {pointStart ? mid : box.right, box.bottom}};
    }
    Pen pen = outline(port, emphasis);
    pen.fill = port.areaColor;
    svg.polygon(shape, pen);
    const auto width = static_cast<int32_t>(port.text.size()) * CharWidth;
    if (!vertical)
        svg.text({box.left + static_cast<int32_t>((box.width() - width) / 2), port.location.y - TextHeight / 2 + 1},
                 port.text, 0, port.textColor, 9);
    else
        svg.text({port.location.x + TextHeight / 2 - 1, box.bottom + static_cast<int32_t>((box.height() - width) / 2)},
                 port.text, 1, port.textColor, 9);
}

void paintPower(SvgWriter& svg, const SheetObject& power, int32_t emphasis) {
    const PowerLayout layout = powerLayout(power);
    Pen pen = outline(power, emphasis);
    pen.width = 1.2;
    const uint8_t direction = power.orientation & 3;
    const bool vertical = direction & 1;
    const Point tip = layout.tip;
    const auto across = [&](int32_t offset, int32_t half) {
        const Point centre = stepInDirection(tip, direction, offset);
        return vertical ? std::pair{Point{centre.x - half, centre.y}, Point{centre.x + half, centre.y}}
                        : std::pair{Point{centre.x, centre.y - half}, Point{centre.x, centre.y + half}};
    };
    svg.line(power.location, tip, pen);
    switch (power.style) {
    case 0: // circle
        svg.ellipse(stepInDirection(tip, direction, 3), 3, 3, pen);
        break;
    case 1: { // arrow
        const auto [a, b] = across(0, PowerSymbolHalfWidth);
        svg.polygon({a, b, stepInDirection(tip, direction, 6)}, pen);
        break;
    }
    case 3: { // wave
        const auto [a, b] = across(0, PowerSymbolHalfWidth);
        svg.bezier({a, stepInDirection(across(0, 2).first, direction, 4),
                    stepInDirection(across(0, 2).second, direction, -4), b},
                   pen);
        break;
    }
    case 4: // power ground: three bars getting shorter
    case 5: // signal ground: a triangle
    case 6: // earth
        if (power.style == 5) {
            const auto [a, b] = across(0, PowerSymbolHalfWidth);
            svg.polygon({a, b, stepInDirection(tip, direction, 6)}, pen);
        } else {
            for (int i = 0; i < 3; ++i) {
                const auto [a, b] = across(2 * i, PowerSymbolHalfWidth - 2 * i);
                svg.line(a, b, pen);
            }
        }
        break;
    default: { // bar
        const auto [a, b] = across(0, PowerSymbolHalfWidth);
        svg.line(a, b, pen);
        break;
    }
    }
    svg.text(layout.textAnchor, power.text, 0, pen.color);
}

void paintMarker(SvgWriter& svg, const SheetObject& marker, int32_t emphasis) {
    Pen pen = outline(marker, emphasis);
    pen.width = 1;
    const Point at = marker.location;
    if (marker.kind == Kind::ErrorMarker) {
        pen.color = Red;
        svg.line({at.x - MarkerHalfSize, at.y - MarkerHalfSize}, {at.x + MarkerHalfSize, at.y + MarkerHalfSize}, pen);
        svg.line({at.x - MarkerHalfSize, at.y + MarkerHalfSize}, {at.x + MarkerHalfSize, at.y - MarkerHalfSize}, pen);
    } else {
        svg.rect(Rect::around(at, MarkerHalfSize, MarkerHalfSize), pen);
        const char* letter = marker.kind == Kind::SimProbe ? "P" : marker.kind == Kind::SimStimulus ? "S" : "V";
        svg.text({at.x - 3, at.y - 4}, letter, 0, pen.color, 8);
    }
    svg.text(markerTextAnchor(marker), marker.text, 0, pen.color);
}

} // namespace

double strokeWidth(uint8_t lineWidth) {
    switch (lineWidth) {
    case 0:
        return 0.6;
    case 1:
        return 1.2;
    case 2:
        return 3.0;
    default:
        return 5.0;
    }
}

void paintObject(SvgWriter& svg, const SheetObject& object, int32_t emphasis) {
    const Point at = object.location;
    const int32_t textColor = emphasis >= 0 ? emphasis : object.color;
    switch (object.kind) {
    case Kind::Wire:
    case Kind::Bus:
    case Kind::Polyline:
        svg.polyline(object.vertices, outline(object, emphasis));
        break;
    case Kind::Bezier:
        svg.bezier(object.vertices, outline(object, emphasis));
        break;
    case Kind::Polygon:
        svg.polygon(object.vertices, filled(object, emphasis));
        break;
    case Kind::BusEntry:
    case Kind::Line:
        svg.line(at, object.corner, outline(object, emphasis));
        break;
    case Kind::Rectangle:
        svg.rect(Rect::fromCorners(at, object.corner), filled(object, emphasis));
        break;
    case Kind::RoundRectangle:
        svg.rect(Rect::fromCorners(at, object.corner), filled(object, emphasis), object.cornerXRadius,
                 object.cornerYRadius);
        break;
    case Kind::Ellipse:
        svg.ellipse(at, object.radius, object.secondaryRadius, filled(object, emphasis));
        break;
    case Kind::Arc:
        svg.arc(at, object.radius, object.radius, object.startAngle.toDouble(), object.endAngle.toDouble(),
                outline(object, emphasis));
        break;
    case Kind::EllipticalArc:
        svg.arc(at, object.radius, object.secondaryRadius, object.startAngle.toDouble(), object.endAngle.toDouble(),
                outline(object, emphasis));
        break;
    case Kind::Pie:
        svg.arc(at, object.radius, object.radius, object.startAngle.toDouble(), object.endAngle.toDouble(),
                filled(object, emphasis), true);
        break;
    case Kind::Image: {
        const Rect frame = Rect::fromCorners(at, object.corner);
        Pen pen = outline(object, emphasis);
        svg.rect(frame, pen);
        pen.dash = "2,2";
        svg.line({frame.left, frame.bottom}, {frame.right, frame.top}, pen);
        svg.line({frame.left, frame.top}, {frame.right, frame.bottom}, pen);
        svg.text({frame.left + 2, frame.bottom + 2}, object.text, 0, pen.color, 8);
        break;
    }
    case Kind::Junction: {
        Pen pen = outline(object, emphasis);
        pen.fill = pen.color;
        svg.ellipse(at, junctionRadius(object), junctionRadius(object), pen);
        break;
    }
    case Kind::NoErc: {
        Pen pen{Red, 1.2};
        svg.line({at.x - 4, at.y - 4}, {at.x + 4, at.y + 4}, pen);
        svg.line({at.x - 4, at.y + 4}, {at.x + 4, at.y - 4}, pen);
        break;
    }
    case Kind::Text:
    case Kind::Designator:
    case Kind::PartType:
    case Kind::Annotation:
    case Kind::NetLabel:
        svg.text(at, object.text, object.orientation, textColor);
        break;
    case Kind::Port:
        paintPort(svg, object, emphasis);
        break;
    case Kind::PowerObject:
        paintPower(svg, object, emphasis);
        break;
    case Kind::ErrorMarker:
    case Kind::SimProbe:
    case Kind::SimStimulus:
    case Kind::SimVector:
        paintMarker(svg, object, emphasis);
        break;
    case Kind::LayoutDirective: {
        const Pen pen = outline(object, emphasis);
        svg.line(at, {at.x, at.y + 5}, pen);
        svg.polygon({{at.x, at.y + 5}, {at.x + 5, at.y + 3}, {at.x, at.y + 1}}, pen);
        break;
    }
    case Kind::Symbol:
        svg.rect(boundsOf(object), outline(object, emphasis));
        break;
    case Kind::Pin:
    case Kind::Part:
        break;
    }
}

void paintPart(SvgWriter& svg, const SheetObject& part, const PartLibrary& library) {
    const PartRecord& record = *part.part;
    const auto body = placedBody(part, library);
    if (body.empty()) {
        // A part whose library part is missing still shows where it is.
        svg.rect(record.body.united(Rect::around(part.location, 5, 5)), Pen{Red, 1, -1, "3,2"});
        svg.text({part.location.x - 3, part.location.y - 4}, "?", 0, Red, 8);
    }
    for (const auto& item : body)
        paintObject(svg, *item);
    const bool showNames = record.component.showPinNames != 0;
    for (const auto& pinObject : record.pins) {
        const PinRecord& pin = *pinObject->pin;
        if (pin.isHidden && !record.showHiddenPins)
            continue;
        const Point outer = pinObject->location;
        const Point inner = pin.bodyEnd(outer);
        svg.line(inner, outer, Pen{pinObject->color ? pinObject->color : PinColor, 1.0});
        const uint8_t direction = pin.orientation & 3;
        const bool vertical = direction & 1;
        if (pin.showDesignator) {
            // The number sits on the pin, near the body.
            const Point middle = stepInDirection(inner, direction, 2);
            svg.text(vertical ? Point{middle.x - 1, middle.y} : Point{middle.x, middle.y + 1}, pin.designator,
                     vertical ? 1 : 0, PinColor, PinTextSize);
        }
        if (showNames && pin.showName) {
            // The name sits inside the body, read from the pin inwards.
            const auto width = static_cast<int32_t>(pin.name.size()) * PinTextSize * 6 / 10;
            const Point start = stepInDirection(inner, static_cast<uint8_t>(direction + 2), 3);
            Point anchor = start;
            if (direction == 0)
                anchor = {start.x - width, start.y - PinTextSize / 2};
            else if (direction == 2)
                anchor = {start.x, start.y - PinTextSize / 2};
            else if (direction == 1)
                anchor = {start.x + PinTextSize / 2, start.y - width};
            else
                anchor = {start.x + PinTextSize / 2, start.y};
            svg.text(anchor, pin.name, vertical ? 1 : 0, PinColor, PinTextSize);
        }
    }
    for (const SheetObject* text : record.texts()) {
        if (!text->isHidden || (record.showHiddenFields && !text->text.empty()))
            paintObject(svg, *text);
    }
}

} // namespace hostsim
