// The part library of the current document: components by library reference, part containers by part id and
// display mode, and copies of library items placed for a part.
#include "hostsim/plexa/ExportSupport.h"
#include "hostsim/plexa/HandleTable.h"
#include "hostsim/plexa/Placement.h"
#include "hostsim/plexa/SchApi.h"

using namespace hostsim;

namespace {

DocumentStore& store() {
    return DocumentStore::instance();
}

const LibraryComponent* currentComponent(const std::string& libReference) {
    const Document* document = store().current();
    return document ? document->library().find(libReference) : nullptr;
}

LibraryComponent* componentOf(uint32_t handle) {
    return handleTable().find<LibraryComponent>(handle, HandleType::LibraryComponent);
}

} // namespace

PLEXA_EXPORT uint32_t TESSELLON_STDCALL SchAPI_GetLibraryComponentHandle(const char* LibReference, int32_t Size) {
    return guarded(0u, [&] {
        const LibraryComponent* component = currentComponent(textFromBuffer(LibReference, Size));
        return component ? component->handle : 0u;
    });
}

PLEXA_EXPORT uint32_t TESSELLON_STDCALL SchAPI_LoadComponentFromLibrary(const char* LibReference, const char*) {
    return SchAPI_GetLibraryComponentHandle(LibReference, HostTextSize);
}

PLEXA_EXPORT uint8_t TESSELLON_STDCALL SchAPI_PartAvailableInLibrary(const char* LibReference) {
    return SchAPI_GetLibraryComponentHandle(LibReference, HostTextSize) ? 1 : 0;
}

PLEXA_EXPORT uint32_t TESSELLON_STDCALL SchAPI_GetLibraryComponentForPart(uint32_t Part) {
    return guarded(0u, [&] {
        const SheetObject* part = objectOf(Part, {Kind::Part});
        if (!part || !part->document)
            return 0u;
        const LibraryComponent* component = part->document->library().find(part->part->libReference);
        return component ? component->handle : 0u;
    });
}

PLEXA_EXPORT int32_t TESSELLON_STDCALL SchAPI_GetLibraryPartCount(uint32_t Component) {
    return guarded(0, [&] {
        const LibraryComponent* component = componentOf(Component);
        return component ? component->partCount() : 0;
    });
}

PLEXA_EXPORT uint32_t TESSELLON_STDCALL SchAPI_GetLibraryPartContainer(uint32_t Component, int32_t PartId,
                                                                       uint8_t DisplayMode) {
    return guarded(0u, [&] {
        const LibraryComponent* component = componentOf(Component);
        const LibraryPart* part = component ? component->findPart(PartId, DisplayMode) : nullptr;
        return part ? part->handle : 0u;
    });
}

// Library components belong to the sheet's library file: their values are read, not changed here.
PLEXA_EXPORT int32_t TESSELLON_STDCALL SchAPI_QueryLibraryComponent(uint8_t Mode, uint32_t Component,
                                                                    char** LibReference, char** Description,
                                                                    char** FootPrint, int32_t* PartCount) {
    return guarded(QueryRefused, [&] {
        const LibraryComponent* component = componentOf(Component);
        if (!component || Mode != 1)
            return QueryRefused;
        if (LibReference)
            copyToBuffer(component->libReference, *LibReference, HostTextSize);
        if (Description)
            copyToBuffer(component->description, *Description, HostTextSize);
        if (FootPrint)
            copyToBuffer(component->footprint, *FootPrint, HostTextSize);
        if (PartCount)
            *PartCount = component->partCount();
        return QueryDone;
    });
}

PLEXA_EXPORT int32_t TESSELLON_STDCALL SchApi_QueryComponentLibraryInfo(uint32_t Part, char** LibraryName,
                                                                        char** LibReference, int32_t Size) {
    return guarded(QueryRefused, [&] {
        const SheetObject* part = objectOf(Part, {Kind::Part});
        if (!part)
            return QueryRefused;
        if (LibraryName)
            copyToBuffer(part->document ? part->document->libraryFile() : std::string(), *LibraryName, Size);
        if (LibReference)
            copyToBuffer(part->part->libReference, *LibReference, Size);
        return QueryDone;
    });
}

// The copy lies on no sheet; it is the caller's to release with SchAPI_DestroyPartItem.
PLEXA_EXPORT uint32_t TESSELLON_STDCALL SchAPI_ReplicatePartItem(uint32_t Item, uint32_t Part) {
    return guarded(0u, [&] {
        const SheetObject* item = anyObject(Item);
        const SheetObject* part = objectOf(Part, {Kind::Part});
        if (!item || !part || item->part)
            return 0u;
        auto copy = placeItem(*item, Placement::of(*part));
        if (copy->pin) {
            copy->ownerPartId = part->part->partId;
            copy->ownerDisplayMode = part->part->compDisplayMode;
        }
        return store().addLoose(std::move(copy)).handle;
    });
}

PLEXA_EXPORT int32_t TESSELLON_STDCALL SchAPI_DestroyPartItem(uint32_t ItemCopy) {
    return guarded(0, [&] { return store().takeLoose(ItemCopy) ? 1 : 0; });
}
