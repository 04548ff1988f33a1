#include "hostsim/plexa/ObjectKind.h"

#include <algorithm>
#include <array>

namespace hostsim {

namespace {

constexpr std::array<KindInfo, 31> Kinds{{
    {Kind::Arc, "arc", Shape::Point, true},
    {Kind::Bezier, "bezier", Shape::Vertices, true},
    {Kind::Bus, "bus", Shape::Vertices, true},
    {Kind::BusEntry, "busEntry", Shape::TwoPoint, true},
    {Kind::Text, "text", Shape::Point, true},
    {Kind::Ellipse, "ellipse", Shape::Point, true},
    {Kind::EllipticalArc, "ellipticalArc", Shape::Point, true},
    {Kind::ErrorMarker, "errorMarker", Shape::Point, true},
    {Kind::Image, "image", Shape::TwoPoint, true},
    {Kind::Junction, "junction", Shape::Point, true},
    {Kind::Annotation, "annotation", Shape::Point, true},
    {Kind::LayoutDirective, "layoutDirective", Shape::Point, true},
    {Kind::Line, "line", Shape::TwoPoint, true},
    {Kind::NetLabel, "netLabel", Shape::Point, true},
    {Kind::NoErc, "noErc", Shape::Point, true},
    {Kind::Part, "part", Shape::Part, true},
    {Kind::Designator, "designator", Shape::Point, false},
    {Kind::PartType, "partType", Shape::Point, false},
    {Kind::Pie, "pie", Shape::Point, true},
    {Kind::Pin, "pin", Shape::Pin, false},
    {Kind::Polygon, "polygon", Shape::Vertices, true},
    {Kind::Polyline, "polyline", Shape::Vertices, true},
    {Kind::Port, "port", Shape::Point, true},
    {Kind::PowerObject, "powerObject", Shape::Point, true},
    {Kind::Rectangle, "rectangle", Shape::TwoPoint, true},
    {Kind::RoundRectangle, "roundRectangle", Shape::TwoPoint, true},
    {Kind::SimProbe, "simProbe", Shape::Point, true},
    {Kind::SimStimulus, "simStimulus", Shape::Point, true},
    {Kind::SimVector, "simVector", Shape::Point, true},
    {Kind::Symbol, "symbol", Shape::Point, true},
    {Kind::Wire, "wire", Shape::Vertices, true},
}};

} // namespace

std::span<const KindInfo> allKinds() {
    return Kinds;
}

const KindInfo* findKind(uint8_t code) {
    const auto it = std::find_if(Kinds.begin(), Kinds.end(),
                                 [code](const KindInfo& info) { return static_cast<uint8_t>(info.kind) == code; });
    return it == Kinds.end() ? nullptr : &*it;
}

const KindInfo* findKind(std::string_view name) {
    const auto it =
        std::find_if(Kinds.begin(), Kinds.end(), [name](const KindInfo& info) { return info.name == name; });
    return it == Kinds.end() ? nullptr : &*it;
}

const KindInfo& kindInfo(Kind kind) {
    return *findKind(static_cast<uint8_t>(kind));
}

} // namespace hostsim
