// The record query of each drawing kind: lines, shapes, texts, labels, markers, ports and power objects.
#include "hostsim/plexa/ExportSupport.h"
#include "hostsim/plexa/SchApi.h"

using namespace hostsim;

namespace {

int32_t queryLineObject(uint8_t mode, uint32_t handle, Kind kind, uint8_t* lineWidth, int32_t* color,
                        uint8_t* selection) {
    return query(mode, handle, {kind}, [&](const Exchange& exchange, SheetObject& object) {
        exchange.value(object.lineWidth, lineWidth);
        exchange.value(object.color, color);
        exchange.value(object.selection, selection);
    });
}

int32_t queryMarker(uint8_t mode, uint32_t handle, Kind kind, int32_t* x, int32_t* y, int32_t* color,
                    uint8_t* selection, char** text) {
    return query(mode, handle, {kind}, [&](const Exchange& exchange, SheetObject& object) {
        exchangeLocation(exchange, object, x, y);
        exchange.value(object.color, color);
        exchange.value(object.selection, selection);
        exchange.text(object.text, text);
    });
}

int32_t queryLabel(uint8_t mode, uint32_t handle, Kind kind, int32_t* x, int32_t* y, uint8_t* orientation,
                   int32_t* color, int32_t* fontId, uint8_t* selection, char** text) {
    return query(mode, handle, {kind}, [&](const Exchange& exchange, SheetObject& object) {
        exchangeLocation(exchange, object, x, y);
        exchange.value(object.orientation, orientation);
        exchange.value(object.color, color);
        exchange.value(object.fontId, fontId);
        exchange.value(object.selection, selection);
        exchange.text(object.text, text);
    });
}

void exchangeCorner(const Exchange& exchange, SheetObject& object, int32_t* x, int32_t* y) {
    exchange.value(object.corner.x, x);
    exchange.value(object.corner.y, y);
}

} // namespace

PLEXA_EXPORT int32_t TESSELLON_STDCALL SchAPI_QueryWire(uint8_t Mode, uint32_t Object, uint8_t* LineWidth,
                                                        int32_t* Color, uint8_t* Selection) {
    return queryLineObject(Mode, Object, Kind::Wire, LineWidth, Color, Selection);
}

PLEXA_EXPORT int32_t TESSELLON_STDCALL SchAPI_QueryBus(uint8_t Mode, uint32_t Object, uint8_t* LineWidth,
                                                       int32_t* Color, uint8_t* Selection) {
    return queryLineObject(Mode, Object, Kind::Bus, LineWidth, Color, Selection);
}

PLEXA_EXPORT int32_t TESSELLON_STDCALL SchAPI_QueryBezier(uint8_t Mode, uint32_t Object, uint8_t* LineWidth,
                                                          int32_t* Color, uint8_t* Selection) {
    return queryLineObject(Mode, Object, Kind::Bezier, LineWidth, Color, Selection);
}

PLEXA_EXPORT int32_t TESSELLON_STDCALL SchAPI_QueryPolyline(uint8_t Mode, uint32_t Object, uint8_t* LineWidth,
                                                            uint8_t* LineStyle, int32_t* Color, uint8_t* Selection) {
    return query(Mode, Object, {Kind::Polyline}, [&](const Exchange& exchange, SheetObject& object) {
        exchange.value(object.lineWidth, LineWidth);
        exchange.value(object.lineStyle, LineStyle);
        exchange.value(object.color, Color);
        exchange.value(object.selection, Selection);
    });
}

PLEXA_EXPORT int32_t TESSELLON_STDCALL SchAPI_QueryPolygon(uint8_t Mode, uint32_t Object, uint8_t* LineWidth,
                                                           int32_t* Color, int32_t* AreaColor, uint8_t* IsSolid,
                                                           uint8_t* Selection) {
    return query(Mode, Object, {Kind::Polygon}, [&](const Exchange& exchange, SheetObject& object) {
        exchange.value(object.lineWidth, LineWidth);
        exchange.value(object.color, Color);
        exchange.value(object.areaColor, AreaColor);
        exchange.value(object.isSolid, IsSolid);
        exchange.value(object.selection, Selection);
    });
}

PLEXA_EXPORT int32_t TESSELLON_STDCALL SchAPI_QueryText(uint8_t Mode, uint32_t Object, int32_t* X, int32_t* Y,
                                                        uint8_t* IsHidden, int32_t* FontId, char** Text,
                                                        uint8_t* Orientation, int32_t* Color, uint8_t* Selection) {
    return query(Mode, Object, {Kind::Text, Kind::Designator, Kind::PartType},
                 [&](const Exchange& exchange, SheetObject& object) {
                     exchangeLocation(exchange, object, X, Y);
                     exchange.value(object.isHidden, IsHidden);
                     exchange.value(object.fontId, FontId);
                     exchange.text(object.text, Text);
                     exchange.value(object.orientation, Orientation);
                     exchange.value(object.color, Color);
                     exchange.value(object.selection, Selection);
                 });
}

PLEXA_EXPORT int32_t TESSELLON_STDCALL SchAPI_QueryLabel(uint8_t Mode, uint32_t Object, int32_t* X, int32_t* Y,
                                                         uint8_t* Orientation, int32_t* Color, int32_t* FontId,
                                                         uint8_t* Selection, char** Text) {
    return queryLabel(Mode, Object, Kind::Annotation, X, Y, Orientation, Color, FontId, Selection, Text);
}

PLEXA_EXPORT int32_t TESSELLON_STDCALL SchAPI_QueryNetLabel(uint8_t Mode, uint32_t Object, int32_t* X, int32_t* Y,
                                                            uint8_t* Orientation, int32_t* Color, int32_t* FontId,
                                                            uint8_t* Selection, char** Text) {
    return queryLabel(Mode, Object, Kind::NetLabel, X, Y, Orientation, Color, FontId, Selection, Text);
}

PLEXA_EXPORT int32_t TESSELLON_STDCALL SchAPI_QueryErrorMarker(uint8_t Mode, uint32_t Object, int32_t* X, int32_t* Y,
                                                               int32_t* Color, uint8_t* Selection, char** Text) {
    return queryMarker(Mode, Object, Kind::ErrorMarker, X, Y, Color, Selection, Text);
}

PLEXA_EXPORT int32_t TESSELLON_STDCALL SchAPI_QuerySimProbe(uint8_t Mode, uint32_t Object, int32_t* X, int32_t* Y,
                                                            int32_t* Color, uint8_t* Selection, char** Text) {
    return queryMarker(Mode, Object, Kind::SimProbe, X, Y, Color, Selection, Text);
}

PLEXA_EXPORT int32_t TESSELLON_STDCALL SchAPI_QuerySimStimulus(uint8_t Mode, uint32_t Object, int32_t* X, int32_t* Y,
                                                               int32_t* Color, uint8_t* Selection, char** Text) {
    return queryMarker(Mode, Object, Kind::SimStimulus, X, Y, Color, Selection, Text);
}

PLEXA_EXPORT int32_t TESSELLON_STDCALL SchAPI_QuerySimVector(uint8_t Mode, uint32_t Object, int32_t* X, int32_t* Y,
                                                             int32_t* Color, uint8_t* Selection, char** Text) {
    return queryMarker(Mode, Object, Kind::SimVector, X, Y, Color, Selection, Text);
}

PLEXA_EXPORT int32_t TESSELLON_STDCALL SchAPI_QueryArc(uint8_t Mode, uint32_t Object, int32_t* X, int32_t* Y,
                                                       int32_t* Radius, uint8_t* LineWidth, uint8_t* StartAngle,
                                                       uint8_t* EndAngle, int32_t* Color, uint8_t* Selection) {
    return query(Mode, Object, {Kind::Arc}, [&](const Exchange& exchange, SheetObject& object) {
        exchangeLocation(exchange, object, X, Y);
        exchange.value(object.radius, Radius);
        exchange.value(object.lineWidth, LineWidth);
        exchange.angle(object.startAngle, StartAngle);
        exchange.angle(object.endAngle, EndAngle);
        exchange.value(object.color, Color);
        exchange.value(object.selection, Selection);
    });
}

PLEXA_EXPORT int32_t TESSELLON_STDCALL SchAPI_QueryPie(uint8_t Mode, uint32_t Object, int32_t* X, int32_t* Y,
                                                       int32_t* Radius, uint8_t* LineWidth, uint8_t* StartAngle,
                                                       uint8_t* EndAngle, int32_t* Color, int32_t* AreaColor,
                                                       uint8_t* IsSolid, uint8_t* Selection) {
    return query(Mode, Object, {Kind::Pie}, [&](const Exchange& exchange, SheetObject& object) {
        exchangeLocation(exchange, object, X, Y);
        exchange.value(object.radius, Radius);
        exchange.value(object.lineWidth, LineWidth);
        exchange.angle(object.startAngle, StartAngle);
        exchange.angle(object.endAngle, EndAngle);
        exchange.value(object.color, Color);
        exchange.value(object.areaColor, AreaColor);
        exchange.value(object.isSolid, IsSolid);
        exchange.value(object.selection, Selection);
    });
}

PLEXA_EXPORT int32_t TESSELLON_STDCALL SchAPI_QueryEllipse(uint8_t Mode, uint32_t Object, int32_t* X, int32_t* Y,
                                                           int32_t* Radius, int32_t* SecondaryRadius,
                                                           uint8_t* LineWidth, int32_t* Color, int32_t* AreaColor,
                                                           uint8_t* IsSolid, uint8_t* Selection) {
    return query(Mode, Object, {Kind::Ellipse}, [&](const Exchange& exchange, SheetObject& object) {
        exchangeLocation(exchange, object, X, Y);
        exchange.value(object.radius, Radius);
        exchange.value(object.secondaryRadius, SecondaryRadius);
        exchange.value(object.lineWidth, LineWidth);
        exchange.value(object.color, Color);
        exchange.value(object.areaColor, AreaColor);
        exchange.value(object.isSolid, IsSolid);
        exchange.value(object.selection, Selection);
    });
}

PLEXA_EXPORT int32_t TESSELLON_STDCALL SchAPI_QueryEllipticalArc(uint8_t Mode, uint32_t Object, int32_t* X, int32_t* Y,
                                                                 int32_t* Radius, int32_t* SecondaryRadius,
                                                                 uint8_t* LineWidth, uint8_t* StartAngle,
                                                                 uint8_t* EndAngle, int32_t* Color,
                                                                 uint8_t* Selection) {
    return query(Mode, Object, {Kind::EllipticalArc}, [&](const Exchange& exchange, SheetObject& object) {
        exchangeLocation(exchange, object, X, Y);
        exchange.value(object.radius, Radius);
        exchange.value(object.secondaryRadius, SecondaryRadius);
        exchange.value(object.lineWidth, LineWidth);
        exchange.angle(object.startAngle, StartAngle);
        exchange.angle(object.endAngle, EndAngle);
        exchange.value(object.color, Color);
        exchange.value(object.selection, Selection);
    });
}

PLEXA_EXPORT int32_t TESSELLON_STDCALL SchAPI_QueryBusEntry(uint8_t Mode, uint32_t Object, int32_t* X, int32_t* Y,
                                                            int32_t* CornerX, int32_t* CornerY, uint8_t* LineWidth,
                                                            int32_t* Color, uint8_t* Selection) {
    return query(Mode, Object, {Kind::BusEntry}, [&](const Exchange& exchange, SheetObject& object) {
        exchangeLocation(exchange, object, X, Y);
        exchangeCorner(exchange, object, CornerX, CornerY);
        exchange.value(object.lineWidth, LineWidth);
        exchange.value(object.color, Color);
        exchange.value(object.selection, Selection);
    });
}

PLEXA_EXPORT int32_t TESSELLON_STDCALL SchAPI_QueryLine(uint8_t Mode, uint32_t Object, int32_t* X, int32_t* Y,
                                                        int32_t* X2, int32_t* Y2, uint8_t* LineWidth,
                                                        uint8_t* LineStyle, int32_t* Color, uint8_t* Selection) {
    return query(Mode, Object, {Kind::Line}, [&](const Exchange& exchange, SheetObject& object) {
        exchangeLocation(exchange, object, X, Y);
        exchangeCorner(exchange, object, X2, Y2);
        exchange.value(object.lineWidth, LineWidth);
        exchange.value(object.lineStyle, LineStyle);
        exchange.value(object.color, Color);
        exchange.value(object.selection, Selection);
    });
}

PLEXA_EXPORT int32_t TESSELLON_STDCALL SchAPI_QueryImage(uint8_t Mode, uint32_t Object, int32_t* X, int32_t* Y,
                                                         int32_t* CornerX, int32_t* CornerY, uint8_t* LineWidth,
                                                         int32_t* Color, uint8_t* Selection, uint8_t* IsSolid,
                                                         uint8_t* KeepAspect, char** FileName) {
    return query(Mode, Object, {Kind::Image}, [&](const Exchange& exchange, SheetObject& object) {
        exchangeLocation(exchange, object, X, Y);
        exchangeCorner(exchange, object, CornerX, CornerY);
        exchange.value(object.lineWidth, LineWidth);
        exchange.value(object.color, Color);
        exchange.value(object.selection, Selection);
        exchange.value(object.isSolid, IsSolid);
        exchange.value(object.keepAspect, KeepAspect);
        exchange.text(object.text, FileName);
    });
}

PLEXA_EXPORT int32_t TESSELLON_STDCALL SchAPI_QueryRectangle(uint8_t Mode, uint32_t Object, int32_t* X, int32_t* Y,
                                                             int32_t* CornerX, int32_t* CornerY, uint8_t* LineWidth,
                                                             int32_t* Color, int32_t* AreaColor, uint8_t* Selection,
                                                             uint8_t* IsSolid) {
    return query(Mode, Object, {Kind::Rectangle}, [&](const Exchange& exchange, SheetObject& object) {
        exchangeLocation(exchange, object, X, Y);
        exchangeCorner(exchange, object, CornerX, CornerY);
        exchange.value(object.lineWidth, LineWidth);
        exchange.value(object.color, Color);
        exchange.value(object.areaColor, AreaColor);
        exchange.value(object.selection, Selection);
        exchange.value(object.isSolid, IsSolid);
    });
}

PLEXA_EXPORT int32_t TESSELLON_STDCALL SchAPI_QueryRoundRectangle(uint8_t Mode, uint32_t Object, int32_t* X, int32_t* Y,
                                                                  int32_t* CornerX, int32_t* CornerY,
                                                                  int32_t* CornerXRadius, int32_t* CornerYRadius,
                                                                  uint8_t* LineWidth, int32_t* Color,
                                                                  int32_t* AreaColor, uint8_t* Selection,
                                                                  uint8_t* IsSolid) {
    return query(Mode, Object, {Kind::RoundRectangle}, [&](const Exchange& exchange, SheetObject& object) {
        exchangeLocation(exchange, object, X, Y);
        exchangeCorner(exchange, object, CornerX, CornerY);
        exchange.value(object.cornerXRadius, CornerXRadius);
        exchange.value(object.cornerYRadius, CornerYRadius);
        exchange.value(object.lineWidth, LineWidth);
        exchange.value(object.color, Color);
        exchange.value(object.areaColor, AreaColor);
        exchange.value(object.selection, Selection);
        exchange.value(object.isSolid, IsSolid);
    });
}

PLEXA_EXPORT int32_t TESSELLON_STDCALL SchAPI_QueryJunction(uint8_t Mode, uint32_t Object, int32_t* X, int32_t* Y,
                                                            uint8_t* Size, uint8_t* Attribute, int32_t* Color,
                                                            uint8_t* Selection) {
    return query(Mode, Object, {Kind::Junction}, [&](const Exchange& exchange, SheetObject& object) {
        exchangeLocation(exchange, object, X, Y);
        exchange.value(object.size, Size);
        exchange.value(object.attribute, Attribute);
        exchange.value(object.color, Color);
        exchange.value(object.selection, Selection);
    });
}

PLEXA_EXPORT int32_t TESSELLON_STDCALL SchAPI_QueryNoERC(uint8_t Mode, uint32_t Object, int32_t* X, int32_t* Y,
                                                         int32_t* Color, uint8_t* Selection) {
    return query(Mode, Object, {Kind::NoErc}, [&](const Exchange& exchange, SheetObject& object) {
        exchangeLocation(exchange, object, X, Y);
        exchange.value(object.color, Color);
        exchange.value(object.selection, Selection);
    });
}

PLEXA_EXPORT int32_t TESSELLON_STDCALL SchAPI_QueryLayoutDirective(uint8_t Mode, uint32_t Object,
                                                                   int32_t* RoutingTrackWidth, int32_t* RoutingViaWidth,
                                                                   uint8_t* NetTopology, uint8_t* RoutingPriority,
                                                                   uint8_t* Layer, int32_t* X, int32_t* Y,
                                                                   int32_t* Color, uint8_t* Selection) {
    return query(Mode, Object, {Kind::LayoutDirective}, [&](const Exchange& exchange, SheetObject& object) {
        exchange.value(object.routingTrackWidth, RoutingTrackWidth);
        exchange.value(object.routingViaWidth, RoutingViaWidth);
        exchange.value(object.netTopology, NetTopology);
        exchange.value(object.routingPriority, RoutingPriority);
        exchange.value(object.layer, Layer);
        exchangeLocation(exchange, object, X, Y);
        exchange.value(object.color, Color);
        exchange.value(object.selection, Selection);
    });
}

PLEXA_EXPORT int32_t TESSELLON_STDCALL SchAPI_QuerySymbol(uint8_t Mode, uint32_t Object, uint8_t* Mirrored, int32_t* X,
                                                          int32_t* Y, int32_t* Scale, int32_t* Rotation,
                                                          uint8_t* Symbol, int32_t* Color, uint8_t* Selection) {
    return query(Mode, Object, {Kind::Symbol}, [&](const Exchange& exchange, SheetObject& object) {
        exchange.value(object.symbolMirrored, Mirrored);
        exchangeLocation(exchange, object, X, Y);
        exchange.value(object.symbolScale, Scale);
        exchange.value(object.symbolRotation, Rotation);
        exchange.value(object.symbolCode, Symbol);
        exchange.value(object.color, Color);
        exchange.value(object.selection, Selection);
    });
}

PLEXA_EXPORT int32_t TESSELLON_STDCALL SchAPI_QueryPowerObject(uint8_t Mode, uint32_t Object, uint8_t* Style,
                                                               int32_t* X, int32_t* Y, uint8_t* Orientation,
                                                               int32_t* Color, uint8_t* Selection, char** Text) {
    return query(Mode, Object, {Kind::PowerObject}, [&](const Exchange& exchange, SheetObject& object) {
        exchange.value(object.style, Style);
        exchangeLocation(exchange, object, X, Y);
        exchange.value(object.orientation, Orientation);
        exchange.value(object.color, Color);
        exchange.value(object.selection, Selection);
        exchange.text(object.text, Text);
    });
}

PLEXA_EXPORT int32_t TESSELLON_STDCALL SchAPI_QueryPort(uint8_t Mode, uint32_t Object, uint8_t* Style, uint8_t* IOType,
                                                        uint8_t* Alignment, int32_t* Width, int32_t* X, int32_t* Y,
                                                        int32_t* Color, int32_t* AreaColor, int32_t* TextColor,
                                                        uint8_t* Selection, char** Name) {
    return query(Mode, Object, {Kind::Port}, [&](const Exchange& exchange, SheetObject& object) {
        exchange.value(object.style, Style);
        exchange.value(object.ioType, IOType);
        exchange.value(object.alignment, Alignment);
        exchange.value(object.width, Width);
        exchangeLocation(exchange, object, X, Y);
        exchange.value(object.color, Color);
        exchange.value(object.areaColor, AreaColor);
        exchange.value(object.textColor, TextColor);
        exchange.value(object.selection, Selection);
        exchange.text(object.text, Name);
    });
}

PLEXA_EXPORT int32_t TESSELLON_STDCALL SchAPIQuery_Port(uint8_t Mode, uint32_t Port, int32_t* X, int32_t* Y,
                                                        int32_t* Color, uint8_t* Selection, uint8_t* Style,
                                                        uint8_t* IOType, uint8_t* Alignment, int32_t* Width,
                                                        int32_t* AreaColor, int32_t* TextColor, char** Name) {
    return SchAPI_QueryPort(Mode, Port, Style, IOType, Alignment, Width, X, Y, Color, AreaColor, TextColor, Selection,
                            Name);
}
