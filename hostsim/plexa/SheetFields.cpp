#include "hostsim/plexa/SheetFields.h"

#include <map>
#include <vector>

namespace hostsim {

namespace {

using O = ObjectFields;

constexpr Field<O> Common[] = {
    {"selected", FlagMember<O>{&O::selection}}, {"color", &O::color}, {"ownerPartId", &O::ownerPartId},
    {"ownerDisplayMode", &O::ownerDisplayMode}, {"tag", &O::tag},
};
constexpr Field<O> Location[] = {{"location", &O::location}};

constexpr Field<O> Angles[] = {{"startAngle", &O::startAngle}, {"endAngle", &O::endAngle}};
constexpr Field<O> Width[] = {{"lineWidth", &O::lineWidth}};
constexpr Field<O> Corner[] = {{"corner", &O::corner}};
constexpr Field<O> Area[] = {{"areaColor", &O::areaColor}, {"solid", FlagMember<O>{&O::isSolid}}};
constexpr Field<O> Radius[] = {{"radius", &O::radius}};
constexpr Field<O> Radii[] = {{"radius", &O::radius}, {"secondaryRadius", &O::secondaryRadius}};
constexpr Field<O> TextOnly[] = {{"text", &O::text}};
constexpr Field<O> Label[] = {{"text", &O::text}, {"orientation", &O::orientation}, {"fontId", &O::fontId}};
constexpr Field<O> TextField[] = {{"hidden", FlagMember<O>{&O::isHidden}}};
constexpr Field<O> Image[] = {{"keepAspect", FlagMember<O>{&O::keepAspect}}, {"fileName", &O::text}};
constexpr Field<O> Junction[] = {{"size", &O::size}, {"attribute", &O::attribute}};
constexpr Field<O> Directive[] = {{"routingTrackWidth", &O::routingTrackWidth},
                                  {"routingViaWidth", &O::routingViaWidth},
                                  {"netTopology", &O::netTopology},
                                  {"routingPriority", &O::routingPriority},
                                  {"layer", &O::layer}};
constexpr Field<O> LineEnd[] = {{"end", &O::corner}, {"lineStyle", &O::lineStyle}};
constexpr Field<O> LineStyle[] = {{"lineStyle", &O::lineStyle}};
constexpr Field<O> Port[] = {{"name", &O::text},           {"style", &O::style}, {"ioType", &O::ioType},
                             {"alignment", &O::alignment}, {"width", &O::width}, {"areaColor", &O::areaColor},
                             {"textColor", &O::textColor}};
constexpr Field<O> Power[] = {{"text", &O::text}, {"style", &O::style}, {"orientation", &O::orientation}};
constexpr Field<O> RoundCorners[] = {{"cornerXRadius", &O::cornerXRadius}, {"cornerYRadius", &O::cornerYRadius}};
constexpr Field<O> Symbol[] = {{"symbol", &O::symbolCode},
                               {"mirrored", FlagMember<O>{&O::symbolMirrored}},
                               {"scale", &O::symbolScale},
                               {"rotation", &O::symbolRotation}};

std::vector<Field<O>> join(std::initializer_list<Fields<O>> parts) {
    std::vector<Field<O>> joined;
    for (Fields<O> part : parts)
        joined.insert(joined.end(), part.begin(), part.end());
    return joined;
}

std::map<Kind, std::vector<Field<O>>> buildObjectTables() {
    std::map<Kind, std::vector<Field<O>>> tables;
    tables[Kind::Arc] = join({Location, Radius, Width, Angles});
    tables[Kind::Bezier] = join({Width});
    tables[Kind::Bus] = join({Width});
    tables[Kind::Wire] = join({Width});
    tables[Kind::BusEntry] = join({Location, Corner, Width});
    tables[Kind::Text] = join({Location, Label, TextField});
    tables[Kind::Designator] = tables[Kind::Text];
    tables[Kind::PartType] = tables[Kind::Text];
    tables[Kind::Ellipse] = join({Location, Radii, Width, Area});
    tables[Kind::EllipticalArc] = join({Location, Radii, Width, Angles});
    tables[Kind::ErrorMarker] = join({Location, TextOnly});
    tables[Kind::Image] = join({Location, Corner, Width, Area, Image});
    tables[Kind::Junction] = join({Location, Junction});
    tables[Kind::Annotation] = join({Location, Label});
    tables[Kind::NetLabel] = join({Location, Label});
    tables[Kind::LayoutDirective] = join({Location, Directive});
    tables[Kind::Line] = join({Location, LineEnd, Width});
    tables[Kind::NoErc] = join({Location});
    tables[Kind::Part] = join({Location});
    tables[Kind::Pie] = join({Location, Radius, Width, Angles, Area});
    tables[Kind::Pin] = join({Location});
    tables[Kind::Polygon] = join({Width, Area});
    tables[Kind::Polyline] = join({Width, LineStyle});
    tables[Kind::Port] = join({Location, Port});
    tables[Kind::PowerObject] = join({Location, Power});
    tables[Kind::Rectangle] = join({Location, Corner, Width, Area});
    tables[Kind::RoundRectangle] = join({Location, Corner, RoundCorners, Width, Area});
    tables[Kind::SimProbe] = join({Location, TextOnly});
    tables[Kind::SimStimulus] = join({Location, TextOnly});
    tables[Kind::SimVector] = join({Location, TextOnly});
    tables[Kind::Symbol] = join({Location, Symbol});
    for (auto& [kind, table] : tables)
        table.insert(table.end(), std::begin(Common), std::end(Common));
    return tables;
}

using P = PartFields;
constexpr Field<P> PartTable[] = {
    {"libReference", &P::libReference},
    {"partId", &P::partId},
    {"displayMode", &P::compDisplayMode},
    {"orientation", &P::orientation},
    {"mirrored", FlagMember<P>{&P::isMirrored}},
    {"footprint", &P::footprint},
    {"uniqueId", &P::uniqueId},
    {"showHiddenFields", FlagMember<P>{&P::showHiddenFields}},
    {"showHiddenPins", FlagMember<P>{&P::showHiddenPins}},
    {"extraText1", &P::extraText1},
    {"extraValue1", &P::extraValue1},
    {"extraText2", &P::extraText2},
    {"extraByte1", &P::extraByte1},
    {"extraByte2", &P::extraByte2},
    {"extraValue2", &P::extraValue2},
    {"extraValue3", &P::extraValue3},
};

using C = ComponentRecord;
constexpr Field<C> ComponentTable[] = {
    {"libraryPath", &C::libraryPath},
    {"pinsMoveable", FlagMember<C>{&C::pinsMoveable}},
    {"overrideColors", FlagMember<C>{&C::overrideColors}},
    {"areaColor", &C::areaColor},
    {"pinColor", &C::pinColor},
    {"graphicallyLocked", FlagMember<C>{&C::graphicallyLocked}},
    {"showPinNames", FlagMember<C>{&C::showPinNames}},
    {"showPinNumbers", FlagMember<C>{&C::showPinNumbers}},
    {"userConfigurable", FlagMember<C>{&C::userConfigurable}},
    {"description", &C::description},
    {"libraryName", &C::libraryName},
    {"designItemId", &C::designItemId},
    {"symbolReference", &C::symbolReference},
    {"configuration", &C::configuration},
    {"partCount", &C::partCount},
    {"variantOption", &C::variantOption},
    {"designatorLocked", FlagMember<C>{&C::designatorLocked}},
    {"partIdLocked", FlagMember<C>{&C::partIdLocked}},
};

using N = PinRecord;
constexpr Field<N> PinTable[] = {
    {"name", &N::name},
    {"designator", &N::designator},
    {"length", &N::length},
    {"orientation", &N::orientation},
    {"hidden", FlagMember<N>{&N::isHidden}},
    {"electrical", &N::electrical},
    {"showName", FlagMember<N>{&N::showName}},
    {"showDesignator", FlagMember<N>{&N::showDesignator}},
    {"description", &N::description},
    {"hiddenNetName", &N::hiddenNetName},
    {"swapIdGroup", &N::swapIdGroup},
    {"symbolInnerEdge", &N::symbolInnerEdge},
    {"symbolOuterEdge", &N::symbolOuterEdge},
    {"symbolInside", &N::symbolInside},
    {"symbolOutside", &N::symbolOutside},
    {"symbolLineWidth", &N::symbolLineWidth},
    {"defaultValue", &N::defaultValue},
    {"formalType", &N::formalType},
    {"packageLength", &N::packageLength},
};

using D = DocumentOptions;
constexpr Field<D> OptionsTable[] = {
    {"portrait", FlagMember<D>{&D::portrait}},
    {"styledTitleBlock", FlagMember<D>{&D::styledTitleBlock}},
    {"showReferenceZones", FlagMember<D>{&D::showReferenceZones}},
    {"showBorder", FlagMember<D>{&D::showBorder}},
    {"titleBlockStyle", &D::titleBlockStyle},
    {"borderColor", &D::borderColor},
    {"sheetStyle", &D::sheetStyle},
    {"sheetColor", &D::sheetColor},
    {"snapToGrid", FlagMember<D>{&D::snapToGrid}},
    {"visibleGridSize", &D::visibleGridSize},
    {"showGrid", FlagMember<D>{&D::showGrid}},
    {"gridSize", &D::gridSize},
    {"electricalGrid", FlagMember<D>{&D::electricalGrid}},
    {"electricalGridRange", &D::electricalGridRange},
    {"useCustomSheet", FlagMember<D>{&D::useCustomSheet}},
    {"showTemplateGraphics", FlagMember<D>{&D::showTemplateGraphics}},
    {"sheetWidth", &D::sheetWidth},
    {"sheetHeight", &D::sheetHeight},
    {"xZones", &D::xZones},
    {"yZones", &D::yZones},
    {"marginWidth", &D::marginWidth},
    {"title", &D::title},
    {"documentNumber", &D::documentNumber},
    {"revision", &D::revision},
    {"organization", &D::organization},
    {"address", &D::address},
    {"drawnBy", &D::drawnBy},
    {"checkedBy", &D::checkedBy},
    {"date", &D::date},
    {"sheetNumber", &D::sheetNumber},
    {"sheetTotal", &D::sheetTotal},
    {"fontName", &D::fontName},
    {"fontSize", &D::fontSize},
};

} // namespace

Fields<ObjectFields> objectFields(Kind kind) {
    static const auto tables = buildObjectTables();
    return tables.at(kind);
}

Fields<PartFields> partFields() {
    return PartTable;
}

Fields<ComponentRecord> componentFields() {
    return ComponentTable;
}

Fields<PinRecord> pinFields() {
    return PinTable;
}

Fields<DocumentOptions> optionsFields() {
    return OptionsTable;
}

} // namespace hostsim
