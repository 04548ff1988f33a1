// Iterators over a sheet's objects, over the objects at a place, over a part's pins or a library part's items,
// and over a library's components. Each walks the handles taken when it was made and skips those gone since.
#include "hostsim/plexa/ExportSupport.h"
#include "hostsim/plexa/HandleTable.h"
#include "hostsim/plexa/PartPlacer.h"
#include "hostsim/plexa/SchApi.h"

using namespace hostsim;

namespace {

DocumentStore& store() {
    return DocumentStore::instance();
}

template <typename Items> std::vector<Handle> handlesOf(const Items& items) {
    std::vector<Handle> handles;
    handles.reserve(items.size());
    for (const auto& item : items)
        handles.push_back(item->handle);
    return handles;
}

Handle step(uint32_t iterator, bool first) {
    HandleIterator* walk = store().iterator(iterator);
    if (!walk)
        return 0;
    return first ? walk->first() : walk->nextItem();
}

Handle spatialStep(uint32_t iterator, bool first, int32_t* foundKind) {
    const Handle found = step(iterator, first);
    if (foundKind && found)
        *foundKind = static_cast<int32_t>(anyObject(found)->kind);
    return found;
}

int32_t release(uint32_t iterator) {
    return store().destroyIterator(iterator) ? 1 : 0;
}

} // namespace

PLEXA_EXPORT uint32_t TESSELLON_STDCALL SchAPI_CreateIterator(uint32_t Container, uint8_t) {
    return guarded(0u, [&] {
        if (const Document* document = store().find(Container))
            return store().addIterator(handlesOf(document->objects()));
        if (SheetObject* part = objectOf(Container, {Kind::Part})) {
            completeTexts(*part);
            std::vector<Handle> children = handlesOf(part->part->texts());
            for (const auto& pin : part->part->pins)
                children.push_back(pin->handle);
            return store().addIterator(std::move(children));
        }
        return 0u;
    });
}

PLEXA_EXPORT uint32_t TESSELLON_STDCALL SchAPI_CreateSimpleIterator(uint32_t Container) {
    return SchAPI_CreateIterator(Container, 0);
}

PLEXA_EXPORT uint32_t TESSELLON_STDCALL SchAPI_GetFirstObject(uint32_t Iterator) {
    return guarded(0u, [&] { return step(Iterator, true); });
}

PLEXA_EXPORT uint32_t TESSELLON_STDCALL SchAPI_GetNextObject(uint32_t Iterator) {
    return guarded(0u, [&] { return step(Iterator, false); });
}

PLEXA_EXPORT int32_t TESSELLON_STDCALL SchAPI_DestroyIterator(uint32_t Iterator) {
    return guarded(0, [&] { return release(Iterator); });
}

PLEXA_EXPORT uint32_t TESSELLON_STDCALL SchAPI_CreateSpatialIterator(uint32_t Document, int32_t X1, int32_t Y1,
                                                                     int32_t X2, int32_t Y2, const uint64_t* Kinds) {
    return guarded(0u, [&] {
        const hostsim::Document* document = store().find(Document);
        if (!document)
            return 0u;
        const KindSet kinds = Kinds ? *Kinds : AllKinds;
        return store().addIterator(handlesOf(document->objectsAt(Rect::fromCorners({X1, Y1}, {X2, Y2}), kinds)));
    });
}

// The second argument receives the kind of the object found.
PLEXA_EXPORT uint32_t TESSELLON_STDCALL SchAPI_GetFirstSpatialObject(uint32_t Iterator, int32_t* FoundKind) {
    return guarded(0u, [&] { return spatialStep(Iterator, true, FoundKind); });
}

PLEXA_EXPORT uint32_t TESSELLON_STDCALL SchAPI_GetNextSpatialObject(uint32_t Iterator, int32_t* FoundKind) {
    return guarded(0u, [&] { return spatialStep(Iterator, false, FoundKind); });
}

PLEXA_EXPORT int32_t TESSELLON_STDCALL SchAPI_DestroySpatialIterator(uint32_t Iterator) {
    return guarded(0, [&] { return release(Iterator); });
}

// A part's group is its pins; a library part container's group is its items.
PLEXA_EXPORT uint32_t TESSELLON_STDCALL SchAPI_CreateGroupIterator(uint32_t Container) {
    return guarded(0u, [&] {
        if (const SheetObject* part = objectOf(Container, {Kind::Part}))
            return store().addIterator(handlesOf(part->part->pins));
        if (const auto* container = handleTable().find<LibraryPart>(Container, HandleType::LibraryPart))
            return store().addIterator(handlesOf(container->items));
        return 0u;
    });
}

PLEXA_EXPORT uint32_t TESSELLON_STDCALL SchAPI_CreateSimpleGroupIterator(uint32_t Container) {
    return SchAPI_CreateGroupIterator(Container);
}

PLEXA_EXPORT uint32_t TESSELLON_STDCALL SchAPI_GetFirstGroupObject(uint32_t Iterator) {
    return guarded(0u, [&] { return step(Iterator, true); });
}

PLEXA_EXPORT uint32_t TESSELLON_STDCALL SchAPI_GetNextGroupObject(uint32_t Iterator) {
    return guarded(0u, [&] { return step(Iterator, false); });
}

PLEXA_EXPORT int32_t TESSELLON_STDCALL SchAPI_DestroyGroupIterator(uint32_t Iterator) {
    return guarded(0, [&] { return release(Iterator); });
}

// A document's handle stands for its part library.
PLEXA_EXPORT uint32_t TESSELLON_STDCALL SchAPI_CreateLibraryIterator(uint32_t Library) {
    return guarded(0u, [&] {
        const Document* document = store().find(Library);
        return document ? store().addIterator(handlesOf(document->library().components)) : 0u;
    });
}

PLEXA_EXPORT uint32_t TESSELLON_STDCALL SchAPI_GetFirstLibraryComponent(uint32_t Iterator) {
    return guarded(0u, [&] { return step(Iterator, true); });
}

PLEXA_EXPORT uint32_t TESSELLON_STDCALL SchAPI_GetNextLibraryComponent(uint32_t Iterator) {
    return guarded(0u, [&] { return step(Iterator, false); });
}

PLEXA_EXPORT int32_t TESSELLON_STDCALL SchAPI_DestroyLibraryIterator(uint32_t Iterator) {
    return guarded(0, [&] { return release(Iterator); });
}
