#include "hostsim/host/Placement.h"

#include <string>
#include <variant>

namespace hostsim {

namespace {

// How a placement parameter reaches the object: the member it sets and how its value converts.
struct Flag {
    uint8_t ObjectFields::*Member;
};
struct Angle {
    Real48 ObjectFields::*Member;
};
struct PartFlag {
    uint8_t PartFields::*Member;
};
// The designator and part type are text objects of the part; the parameter sets their text.
struct PartText {
    std::unique_ptr<SheetObject> PartRecord::*Member;
};
using Target = std::variant<int32_t ObjectFields::*, uint8_t ObjectFields::*, Flag, Angle, std::string ObjectFields::*,
                            Point ObjectFields::*, std::vector<Point> ObjectFields::*, int32_t PartFields::*,
                            uint8_t PartFields::*, PartFlag, std::string PartFields::*, PartText>;

// Key names the field in the process table; the parameter has the same name unless Parameter says otherwise.
struct Field {
    std::string_view Key;
    Target To;
    std::string_view Parameter = {};

    std::string parameter() const { return std::string(Parameter.empty() ? Key : Parameter); }
};

const Field Fields[] = {
    {"Location", &ObjectFields::location},
    {"Corner", &ObjectFields::corner},
    {"Vertices", &ObjectFields::vertices},
    {"Radius", &ObjectFields::radius},
    {"SecondaryRadius", &ObjectFields::secondaryRadius},
    {"CornerXRadius", &ObjectFields::cornerXRadius},
    {"CornerYRadius", &ObjectFields::cornerYRadius},
    {"Color", &ObjectFields::color},
    {"AreaColor", &ObjectFields::areaColor},
    {"TextColor", &ObjectFields::textColor},
    {"Width", &ObjectFields::width},
    {"RoutingTrackWidth", &ObjectFields::routingTrackWidth},
    {"RoutingViaWidth", &ObjectFields::routingViaWidth},
    {"LineWidth", &ObjectFields::lineWidth},
    {"LineStyle", &ObjectFields::lineStyle},
    {"Size", &ObjectFields::size},
    {"Orientation", &ObjectFields::orientation},
    {"Style", &ObjectFields::style},
    {"IOType", &ObjectFields::ioType},
    {"Alignment", &ObjectFields::alignment},
    {"NetTopology", &ObjectFields::netTopology},
    {"RoutingPriority", &ObjectFields::routingPriority},
    {"Layer", &ObjectFields::layer},
    {"Selection", Flag{&ObjectFields::selection}},
    {"IsSolid", Flag{&ObjectFields::isSolid}},
    {"KeepAspect", Flag{&ObjectFields::keepAspect}},
    {"StartAngle", Angle{&ObjectFields::startAngle}},
    {"EndAngle", Angle{&ObjectFields::endAngle}},
    {"S", &ObjectFields::text},
    {"Name", &ObjectFields::text},
    {"FileName", &ObjectFields::text},
    {"PartOrientation", &PartFields::orientation, "Orientation"},
    {"CompDisplayMode", &PartFields::compDisplayMode},
    {"IsMirrored", PartFlag{&PartFields::isMirrored}},
    {"ShowHiddenFields", PartFlag{&PartFields::showHiddenFields}},
    {"ShowHiddenPins", PartFlag{&PartFields::showHiddenPins}},
    {"PartId", &PartFields::partId},
    {"LibReference", &PartFields::libReference},
    {"FootPrint", &PartFields::footprint},
    {"Designator", PartText{&PartRecord::designator}},
    {"PartType", PartText{&PartRecord::partType}},
};

const Field& FindField(std::string_view key) {
    for (const Field& field : Fields)
        if (field.Key == key)
            return field;
    throw std::logic_error("placement parameter without a field: " + std::string(key));
}

Point RequirePoint(const ParameterText& parameters, const std::string& name) {
    auto x = parameters.int32(name + ".X");
    auto y = parameters.int32(name + ".Y");
    if (!x || !y)
        throw ParameterError(name + ".X and " + name + ".Y are both needed");
    return {*x, *y};
}

std::vector<Point> RequireVertices(const ParameterText& parameters) {
    std::vector<Point> vertices;
    for (int index = 1;; ++index) {
        const std::string name = "Location" + std::to_string(index);
        if (!parameters.find(name + ".X") && !parameters.find(name + ".Y"))
            break;
        vertices.push_back(RequirePoint(parameters, name));
    }
    if (vertices.empty())
        throw ParameterError("Location1.X and Location1.Y are both needed");
    return vertices;
}

std::optional<Real48> ReadAngle(const ParameterText& parameters, const std::string& name) {
    auto value = parameters.real(name);
    if (!value)
        return std::nullopt;
    auto angle = Real48::fromDouble(*value);
    if (!angle)
        throw ParameterError(name + "=" + *parameters.find(name) + ": expected a number the host's real can hold");
    return angle;
}

template <typename... Visitors> struct Overloaded : Visitors... { using Visitors::operator()...; };

void Apply(const Field& field, const ParameterText& parameters, SheetObject& object) {
    const std::string name = field.parameter();
    PartRecord* part = object.part.get();
    auto set = [](auto& to, const auto& value) {
        if (value)
            to = *value;
    };
    std::visit(Overloaded{
                   [&](int32_t ObjectFields::*to) { set(object.*to, parameters.int32(name)); },
                   [&](uint8_t ObjectFields::*to) { set(object.*to, parameters.byte(name)); },
                   [&](Flag to) { set(object.*to.Member, parameters.flag(name)); },
                   [&](Angle to) { set(object.*to.Member, ReadAngle(parameters, name)); },
                   [&](std::string ObjectFields::*to) { set(object.*to, parameters.find(name)); },
                   [&](Point ObjectFields::*to) { object.*to = RequirePoint(parameters, name); },
                   [&](std::vector<Point> ObjectFields::*to) {
                       object.*to = RequireVertices(parameters);
                       object.location = (object.*to).front();
                   },
                   [&](int32_t PartFields::*to) { set(part->*to, parameters.int32(name)); },
                   [&](uint8_t PartFields::*to) { set(part->*to, parameters.byte(name)); },
                   [&](PartFlag to) { set(part->*to.Member, parameters.flag(name)); },
                   [&](std::string PartFields::*to) { set(part->*to, parameters.find(name)); },
                   [&](PartText to) { set((part->*to.Member)->text, parameters.find(name)); },
               },
               field.To);
}

const PlacementProcess Processes[] = {
    {"Sch:PlaceArc", Kind::Arc, {"Location", "Radius", "LineWidth", "StartAngle", "EndAngle", "Color", "Selection"}},
    {"Sch:PlaceBezier", Kind::Bezier, {"LineWidth", "Color", "Selection", "Vertices"}},
    {"Sch:PlaceBus", Kind::Bus, {"LineWidth", "Color", "Selection", "Vertices"}},
    {"Sch:PlaceBusEntry", Kind::BusEntry, {"Location", "Corner", "LineWidth", "Color", "Selection"}},
    {"Sch:PlaceEllipse",
     Kind::Ellipse,
     {"Location", "Radius", "SecondaryRadius", "LineWidth", "Color", "AreaColor", "IsSolid", "Selection"}},
    {"Sch:PlaceEllipticalArc",
     Kind::EllipticalArc,
     {"Location", "Radius", "SecondaryRadius", "LineWidth", "StartAngle", "EndAngle", "Color", "Selection"}},
    {"Sch:PlaceGraphicImage",
     Kind::Image,
     {"Location", "Corner", "LineWidth", "Color", "Selection", "IsSolid", "KeepAspect", "FileName"}},
    {"Sch:PlaceJunction", Kind::Junction, {"Location", "Size", "Color", "Selection"}},
    {"Sch:PlaceAnnotation", Kind::Annotation, {"Location", "Orientation", "Color", "Selection", "S"}},
    {"Sch:PlacePCBLayoutDirective",
     Kind::LayoutDirective,
     {"RoutingTrackWidth", "RoutingViaWidth", "NetTopology", "RoutingPriority", "Layer", "Location", "Color",
      "Selection"}},
    {"Sch:PlaceNetLabel", Kind::NetLabel, {"Location", "Orientation", "Color", "Selection", "S"}},
    {"Sch:PlaceNoERC", Kind::NoErc, {"Location", "Color", "Selection"}},
    {"Sch:PlacePart",
     Kind::Part,
     {"Location", "CompDisplayMode", "IsMirrored", "PartOrientation", "Selection", "PartId", "ShowHiddenFields",
      "ShowHiddenPins", "LibReference", "FootPrint", "Designator", "PartType"}},
    {"Sch:PlacePieChart",
     Kind::Pie,
     {"Location", "Radius", "LineWidth", "StartAngle", "EndAngle", "Color", "AreaColor", "IsSolid", "Selection"}},
    {"Sch:PlacePolygon", Kind::Polygon, {"LineWidth", "Color", "AreaColor", "IsSolid", "Selection", "Vertices"}},
    {"Sch:PlaceLine", Kind::Polyline, {"LineWidth", "LineStyle", "Color", "Selection", "Vertices"}},
    {"Sch:PlacePort",
     Kind::Port,
     {"Style", "IOType", "Alignment", "Width", "Location", "Color", "AreaColor", "TextColor", "Selection", "Name"}},
    {"Sch:PlacePowerPort", Kind::PowerObject, {"Style", "Location", "Orientation", "Color", "Selection", "S"}},
    {"Sch:PlaceRectangle",
     Kind::Rectangle,
     {"Location", "Corner", "LineWidth", "Color", "AreaColor", "Selection", "IsSolid"}},
    {"Sch:PlaceRoundRectangle",
     Kind::RoundRectangle,
     {"Location", "Corner", "CornerXRadius", "CornerYRadius", "LineWidth", "Color", "AreaColor", "Selection",
      "IsSolid"}},
    {"Sch:PlaceProbe", Kind::SimProbe, {"Location", "Color", "Selection", "S"}},
    {"Sch:PlaceStimulus", Kind::SimStimulus, {"Location", "Color", "Selection", "S"}},
    {"Sch:PlaceTestVectorIndex", Kind::SimVector, {"Location", "Color", "Selection", "S"}},
    {"Sch:PlaceWire", Kind::Wire, {"LineWidth", "Color", "Selection", "Vertices"}},
};

void ApplyDescriptions(const ParameterText& parameters, PartRecord& part) {
    for (int i = 0; i < PartDescriptionCount; ++i)
        if (auto value = parameters.find("PartDescription" + std::to_string(i + 1)))
            part.descriptions[i]->text = *value;
}

} // namespace

std::span<const PlacementProcess> PlacementProcesses() {
    return Processes;
}

std::unique_ptr<SheetObject> MakePlacedObject(const PlacementProcess& process, const ParameterText& parameters) {
    std::unique_ptr<SheetObject> object = makeObject(process.ObjectKind);
    for (std::string_view name : process.Parameters)
        Apply(FindField(name), parameters, *object);
    if (object->part) {
        ApplyDescriptions(parameters, *object->part);
        object->part->pinsFromLibrary = true;
    }
    return object;
}

} // namespace hostsim
