#include "capture/SchProcs.h"

#include <vector>

namespace snapscribe {

TSchApiTable SchApi;

namespace {

const char* const SchematicLibraryName = "Plexa.dll";

template <typename Entry> void BindEntry(Entry& Slot, const char* Name, const TSchExportLookUp* LookUp) {
    Slot = LookUp ? reinterpret_cast<Entry>((*LookUp)(Name)) : nullptr;
}

} // namespace

void BindSchematicTable(TSchApiTable& Table, platform::ModuleHandle Module, const TSchExportLookUp& LookUp) {
    Table.Module = Module;
    const TSchExportLookUp* const From = (Module && LookUp) ? &LookUp : nullptr;
#define SNAPSCRIBE_BIND(Type, Name) BindEntry(Table.Name, #Name, From);
#define SNAPSCRIBE_BIND_AGAIN(Type, Name) BindEntry(Table.Name##_Again, #Name, From);
    SNAPSCRIBE_SCH_API_LOOKUPS(SNAPSCRIBE_BIND, SNAPSCRIBE_BIND_AGAIN)
#undef SNAPSCRIBE_BIND
#undef SNAPSCRIBE_BIND_AGAIN
}

void BindSchematicApi() {
    const platform::ModuleHandle Module = platform::FindLoadedModule(SchematicLibraryName);
    BindSchematicTable(SchApi, Module, [Module](const char* Name) { return platform::FindFunction(Module, Name); });
}

bool SchematicApiLoaded() {
    return SchApi.Module != nullptr;
}

TSchHandle SchAPI_GetCurrentDocumentHandle() {
    return SchApi.SchAPI_GetCurrentDocumentHandle ? SchApi.SchAPI_GetCurrentDocumentHandle() : 0;
}

TSchHandle SchAPI_CreateIterator(TSchHandle Document, uint8_t Filter) {
    return SchApi.SchAPI_CreateIterator ? SchApi.SchAPI_CreateIterator(Document, Filter) : 0;
}

TSchHandle SchAPI_GetFirstObject(TSchHandle Iterator) {
    return SchApi.SchAPI_GetFirstObject ? SchApi.SchAPI_GetFirstObject(Iterator) : 0;
}

TSchHandle SchAPI_GetNextObject(TSchHandle Iterator) {
    return SchApi.SchAPI_GetNextObject ? SchApi.SchAPI_GetNextObject(Iterator) : 0;
}

int32_t SchAPI_DestroyIterator(TSchHandle Iterator) {
    return SchApi.SchAPI_DestroyIterator ? SchApi.SchAPI_DestroyIterator(Iterator) : 1;
}

uint8_t SchAPI_GetObjectIdFromObjectHandle(TSchHandle Object) {
    return SchApi.SchAPI_GetObjectIdFromObjectHandle ? SchApi.SchAPI_GetObjectIdFromObjectHandle(Object)
                                                     : uint8_t{skNone};
}

void SchAPI_RedrawObject(TSchHandle Object) {
    if (SchApi.SchAPI_RedrawObject)
        SchApi.SchAPI_RedrawObject(Object);
}

bool SchAPI_ImportFromUser(TSchHandle Object) {
    return Object != 0 && SchApi.SchAPI_ImportFromUser && SchApi.SchAPI_ImportFromUser(Object) != 0;
}

void SchAPI_GetObjectBoundingRectangle(TSchHandle Object, int32_t* X1, int32_t* Y1, int32_t* X2, int32_t* Y2) {
    if (SchApi.SchAPI_GetObjectBoundingRectangle)
        SchApi.SchAPI_GetObjectBoundingRectangle(Object, X1, Y1, X2, Y2);
}

int32_t SchAPI_QueryVertexCount(uint8_t Mode, TSchHandle Object, int32_t Count) {
    return SchApi.SchAPI_QueryVertexCount ? SchApi.SchAPI_QueryVertexCount(Mode, Object, Count) : 0;
}

int32_t SchAPI_QueryVertexAt(uint8_t Mode, TSchHandle Object, int32_t Index, int32_t* X, int32_t* Y) {
    return SchApi.SchAPI_QueryVertexAt ? SchApi.SchAPI_QueryVertexAt(Mode, Object, Index, X, Y) : 0;
}

int32_t SchAPI_QuerySchPartUniqueId(uint8_t Mode, TSchHandle Part, std::string& UniqueId) {
    if (!SchApi.SchAPI_QuerySchPartUniqueId)
        return 1;
    std::vector<char> Buffer(SchUniqueIdBufferSize, '\0');
    if (Mode == qmWrite || Mode == qmWriteText)
        UniqueId.copy(Buffer.data(), SchUniqueIdBufferSize - 1);
    // The host gets the address of a pointer to the buffer; it may not move that pointer elsewhere for us.
    char* Exchange = Buffer.data();
    const int32_t Result = SchApi.SchAPI_QuerySchPartUniqueId(Mode, Part, &Exchange, SchUniqueIdBufferSize);
    if (Mode == qmRead)
        UniqueId = TextFromHost(Buffer.data());
    return Result;
}

} // namespace snapscribe
