#include "router/New_SchProcs.h"

namespace wirewright {

platform::ModuleHandle GlobalSchModule = nullptr;
TSchApiTable GlobalSchApi;

void BindSchematicApi() {
    GlobalSchModule = platform::FindLoadedModule(SchematicServerModuleName);
    const platform::ModuleHandle module = GlobalSchModule;
#define WIREWRIGHT_SCHAPI_BIND(Entry, Name)                                                                            \
    GlobalSchApi.Entry = module != nullptr ? platform::FindFunctionAs<T##Name>(module, #Name) : nullptr;
    WIREWRIGHT_SCHAPI_LOOKUPS(WIREWRIGHT_SCHAPI_BIND)
#undef WIREWRIGHT_SCHAPI_BIND
}

THostHandle SchAPI_GetCurrentEditorWindowHandle() {
    return CallBound(GlobalSchApi.SchAPI_GetCurrentEditorWindowHandle, THostHandle{0});
}

THostHandle SchAPI_GetCurrentDocumentHandle() {
    return CallBound(GlobalSchApi.SchAPI_GetCurrentDocumentHandle, THostHandle{0});
}

int32_t SchAPI_QueryDocumentName(uint8_t Mode, THostHandle Document, char** Name, int32_t Size) {
    return CallBound(GlobalSchApi.SchAPI_QueryDocumentName, int32_t{0}, Mode, Document, Name, Size);
}

uint8_t SchAPI_GetObjectIdFromObjectHandle(THostHandle Object) {
    return CallBound(GlobalSchApi.SchAPI_GetObjectIdFromObjectHandle, uint8_t{okUnknown}, Object);
}

THostHandle SchAPI_CreateObjectEx(uint8_t Kind) {
    return CallBound(GlobalSchApi.SchAPI_CreateObjectEx, THostHandle{0}, Kind);
}

void SchAPI_DestroyObject(THostHandle Object) {
    if (GlobalSchApi.SchAPI_DestroyObject != nullptr)
        GlobalSchApi.SchAPI_DestroyObject(Object);
}

void SchAPI_RedrawObject(THostHandle Object) {
    if (GlobalSchApi.SchAPI_RedrawObject != nullptr)
        GlobalSchApi.SchAPI_RedrawObject(Object);
}

uint8_t SchAPI_ImportFromUser(THostHandle Object) {
    if (Object == 0)
        return 0;
    return CallBound(GlobalSchApi.SchAPI_ImportFromUser, uint8_t{0}, Object);
}

void SchAPI_GetObjectBoundingRectangle(THostHandle Object, int32_t* X1, int32_t* Y1, int32_t* X2, int32_t* Y2) {
    if (GlobalSchApi.SchAPI_GetObjectBoundingRectangle != nullptr)
        GlobalSchApi.SchAPI_GetObjectBoundingRectangle(Object, X1, Y1, X2, Y2);
}

THostHandle SchAPI_CreateIterator(THostHandle Container, uint8_t Filter) {
    return CallBound(GlobalSchApi.SchAPI_CreateIterator, THostHandle{0}, Container, Filter);
}

THostHandle SchAPI_GetFirstObject(THostHandle Iterator) {
    return CallBound(GlobalSchApi.SchAPI_GetFirstObject, THostHandle{0}, Iterator);
}

THostHandle SchAPI_GetNextObject(THostHandle Iterator) {
    return CallBound(GlobalSchApi.SchAPI_GetNextObject, THostHandle{0}, Iterator);
}

int32_t SchAPI_DestroyIterator(THostHandle Iterator) {
    return CallBound(GlobalSchApi.SchAPI_DestroyIterator, int32_t{1}, Iterator);
}

THostHandle SchAPI_CreateSpatialIterator(THostHandle Document, int32_t X1, int32_t Y1, int32_t X2, int32_t Y2,
                                         const TObjectKindSet* Kinds) {
    return CallBound(GlobalSchApi.SchAPI_CreateSpatialIterator, THostHandle{0}, Document, X1, Y1, X2, Y2, Kinds);
}

THostHandle SchAPI_GetFirstSpatialObject(THostHandle Iterator, int32_t* Unused) {
    return CallBound(GlobalSchApi.SchAPI_GetFirstSpatialObject, THostHandle{0}, Iterator, Unused);
}

THostHandle SchAPI_GetNextSpatialObject(THostHandle Iterator, int32_t* Unused) {
    return CallBound(GlobalSchApi.SchAPI_GetNextSpatialObject, THostHandle{0}, Iterator, Unused);
}

int32_t SchAPI_DestroySpatialIterator(THostHandle Iterator) {
    return CallBound(GlobalSchApi.SchAPI_DestroySpatialIterator, int32_t{1}, Iterator);
}

THostHandle SchAPI_CreateGroupIterator(THostHandle Container) {
    return CallBound(GlobalSchApi.SchAPI_CreateGroupIterator, THostHandle{0}, Container);
}

THostHandle SchAPI_GetFirstGroupObject(THostHandle Iterator) {
    return CallBound(GlobalSchApi.SchAPI_GetFirstGroupObject, THostHandle{0}, Iterator);
}

THostHandle SchAPI_GetNextGroupObject(THostHandle Iterator) {
    return CallBound(GlobalSchApi.SchAPI_GetNextGroupObject, THostHandle{0}, Iterator);
}

int32_t SchAPI_DestroyGroupIterator(THostHandle Iterator) {
    return CallBound(GlobalSchApi.SchAPI_DestroyGroupIterator, int32_t{1}, Iterator);
}

THostHandle SchAPI_ReplicatePartItem(THostHandle Item, THostHandle Part) {
    return CallBound(GlobalSchApi.SchAPI_ReplicatePartItem, THostHandle{0}, Item, Part);
}

int32_t SchAPI_DestroyPartItem(THostHandle ItemCopy) {
    return CallBound(GlobalSchApi.SchAPI_DestroyPartItem, int32_t{1}, ItemCopy);
}

THostHandle SchAPI_GetLibraryComponentHandle(const char* LibReference, int32_t Size) {
    return CallBound(GlobalSchApi.SchAPI_GetLibraryComponentHandle, THostHandle{0}, LibReference, Size);
}

THostHandle SchAPI_GetLibraryPartContainer(THostHandle Component, int32_t PartId, uint8_t DisplayMode) {
    return CallBound(GlobalSchApi.SchAPI_GetLibraryPartContainer, THostHandle{0}, Component, PartId, DisplayMode);
}

int32_t SchAPI_QueryVertexCount(uint8_t Mode, THostHandle Object, int32_t Count) {
    return CallBound(GlobalSchApi.SchAPI_QueryVertexCount, int32_t{0}, Mode, Object, Count);
}

int32_t SchAPI_QueryVertexAt(uint8_t Mode, THostHandle Object, int32_t Index, int32_t* X, int32_t* Y) {
    return CallBound(GlobalSchApi.SchAPI_QueryVertexAt, int32_t{0}, Mode, Object, Index, X, Y);
}

} // namespace wirewright
