// The queries every object answers (its common record, its graphic and workspace values) and the vertices of
// multi-vertex objects.
#include <algorithm>

#include "hostsim/plexa/ExportSupport.h"
#include "hostsim/plexa/SchApi.h"

using namespace hostsim;

namespace {

// More vertices than any drawing needs; a count beyond it is taken as this many.
constexpr int32_t MaxVertexCount = 65536;

SheetObject* vertexObject(uint32_t handle) {
    SheetObject* object = anyObject(handle);
    return object && kindInfo(object->kind).shape == Shape::Vertices ? object : nullptr;
}

const std::initializer_list<Kind> EveryKind = {
    Kind::Arc,        Kind::Bezier,         Kind::Bus,           Kind::BusEntry,
    Kind::Text,       Kind::Ellipse,        Kind::EllipticalArc, Kind::ErrorMarker,
    Kind::Image,      Kind::Junction,       Kind::Annotation,    Kind::LayoutDirective,
    Kind::Line,       Kind::NetLabel,       Kind::NoErc,         Kind::Part,
    Kind::Designator, Kind::PartType,       Kind::Pie,           Kind::Pin,
    Kind::Polygon,    Kind::Polyline,       Kind::Port,          Kind::PowerObject,
    Kind::Rectangle,  Kind::RoundRectangle, Kind::SimProbe,      Kind::SimStimulus,
    Kind::SimVector,  Kind::Symbol,         Kind::Wire};

} // namespace

PLEXA_EXPORT int32_t TESSELLON_STDCALL SchAPI_QueryPrimitive(uint8_t Mode, uint32_t Object, uint8_t* KindCode,
                                                             int32_t* X, int32_t* Y, int32_t* Color,
                                                             uint8_t* Selection) {
    return query(Mode, Object, EveryKind, [&](const Exchange& exchange, SheetObject& object) {
        exchange.readOnly(static_cast<uint8_t>(object.kind), KindCode);
        exchangeLocation(exchange, object, X, Y);
        exchange.value(object.color, Color);
        exchange.value(object.selection, Selection);
    });
}

PLEXA_EXPORT int32_t TESSELLON_STDCALL SchAPIQuery_GrafObject(uint8_t Mode, uint32_t Object, uint8_t* KindCode,
                                                              int32_t* X, int32_t* Y, int32_t* Color,
                                                              uint8_t* Selection, int32_t* GrafValue8,
                                                              uint8_t* GrafValue9) {
    return query(Mode, Object, EveryKind, [&](const Exchange& exchange, SheetObject& object) {
        exchange.readOnly(static_cast<uint8_t>(object.kind), KindCode);
        exchangeLocation(exchange, object, X, Y);
        exchange.value(object.color, Color);
        exchange.value(object.selection, Selection);
        exchange.value(object.ownerPartId, GrafValue8);
        exchange.value(object.ownerDisplayMode, GrafValue9);
    });
}

PLEXA_EXPORT int32_t TESSELLON_STDCALL SchAPIQuery_WorkspaceObject(uint8_t Mode, uint32_t Object,
                                                                   int32_t* WorkspaceValue) {
    return query(Mode, Object, EveryKind,
                 [&](const Exchange& exchange, SheetObject& object) { exchange.value(object.tag, WorkspaceValue); });
}

PLEXA_EXPORT int32_t TESSELLON_STDCALL SchAPI_QueryVertexCount(uint8_t Mode, uint32_t Object, int32_t Count) {
    return guarded(0, [&] {
        SheetObject* object = vertexObject(Object);
        if (!object)
            return 0;
        if (Mode != 1) {
            const auto count = static_cast<size_t>(std::clamp(Count, 0, MaxVertexCount));
            const Point fill = object->vertices.empty() ? object->location : object->vertices.back();
            object->vertices.resize(count, fill);
            if (!object->vertices.empty())
                object->location = object->vertices.front();
            object->changed();
        }
        return static_cast<int32_t>(object->vertices.size());
    });
}

PLEXA_EXPORT int32_t TESSELLON_STDCALL SchAPI_QueryVertexAt(uint8_t Mode, uint32_t Object, int32_t Index, int32_t* X,
                                                            int32_t* Y) {
    return guarded(QueryRefused, [&] {
        SheetObject* object = vertexObject(Object);
        if (!object || Index < 1 || static_cast<size_t>(Index) > object->vertices.size())
            return QueryRefused;
        const Exchange exchange(Mode);
        Point& vertex = object->vertices[static_cast<size_t>(Index - 1)];
        exchange.value(vertex.x, X);
        exchange.value(vertex.y, Y);
        object->location = object->vertices.front();
        written(exchange, *object);
        return QueryDone;
    });
}
