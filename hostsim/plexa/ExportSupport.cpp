#include "hostsim/plexa/ExportSupport.h"

#include <algorithm>
#include <cstring>

#include "hostsim/plexa/HandleTable.h"
#include "hostsim/plexa/PartPlacer.h"

namespace hostsim {

void copyToBuffer(const std::string& text, char* buffer, int32_t size) {
    if (!buffer || size < 1)
        return;
    const size_t length = std::min(text.size(), static_cast<size_t>(size - 1));
    std::memcpy(buffer, text.data(), length);
    buffer[length] = '\0';
}

std::string textFromBuffer(const char* buffer, int32_t size) {
    if (!buffer || size < 1)
        return {};
    const char* end = static_cast<const char*>(std::memchr(buffer, '\0', static_cast<size_t>(size - 1)));
    return std::string(buffer, end ? static_cast<size_t>(end - buffer) : static_cast<size_t>(size - 1));
}

void Exchange::angle(Real48& field, uint8_t* argument) const {
    if (!argument)
        return;
    if (reading_)
        std::memcpy(argument, field.bytes.data(), field.bytes.size());
    else
        std::memcpy(field.bytes.data(), argument, field.bytes.size());
}

void Exchange::text(std::string& field, char** argument, int32_t size) const {
    if (!argument || !*argument)
        return;
    if (reading_)
        copyToBuffer(field, *argument, size);
    else
        field = textFromBuffer(*argument, size);
}

SheetObject* anyObject(uint32_t handle) {
    return handleTable().find<SheetObject>(handle, HandleType::Object);
}

SheetObject* objectOf(uint32_t handle, std::initializer_list<Kind> kinds) {
    SheetObject* object = anyObject(handle);
    if (!object || std::find(kinds.begin(), kinds.end(), object->kind) == kinds.end())
        return nullptr;
    return object;
}

void moveObject(SheetObject& object, Point to) {
    const Point from = object.location;
    if (from == to)
        return;
    if (kindInfo(object.kind).shape == Shape::Vertices) {
        if (object.vertices.empty())
            return; // a multi-vertex object is where its first vertex is
        for (Point& vertex : object.vertices)
            vertex = {saturate(int64_t{vertex.x} + to.x - from.x), saturate(int64_t{vertex.y} + to.y - from.y)};
        object.location = object.vertices.front();
        return;
    }
    if (object.part) {
        const Placement before = Placement::of(object);
        object.location = to;
        movePart(object, before);
        return;
    }
    object.location = to;
}

void exchangeLocation(const Exchange& exchange, SheetObject& object, int32_t* x, int32_t* y) {
    Point at = object.location;
    exchange.value(at.x, x);
    exchange.value(at.y, y);
    if (!exchange.reading())
        moveObject(object, at);
}

void written(const Exchange& exchange, const SheetObject& object) {
    if (!exchange.reading())
        object.changed();
}

} // namespace hostsim
