// Names that the plug-ins bind but never call. The simulated host has no sheet symbols, implementations,
// parameters, library documents, painters, fonts or user prompts of its own, so each answers what a host answers
// for "nothing there": no handle, a count of 0, False, a refused query, or nothing at all.
#include "hostsim/plexa/ExportSupport.h"
#include "hostsim/plexa/SchApi.h"

using namespace hostsim;

// User prompts: the user cancelled.
PLEXA_EXPORT uint8_t TESSELLON_STDCALL SchAPI_ChooseLocation(const char*, int32_t*, int32_t*) {
    return 0;
}
PLEXA_EXPORT uint8_t TESSELLON_STDCALL SchAPI_ChooseRectangleByCorners(int32_t*, int32_t*, int32_t*, int32_t*) {
    return 0;
}
PLEXA_EXPORT uint8_t TESSELLON_STDCALL SchAPI_ImportFromUser_SystemOptions() {
    return 0;
}

// Commands, events and views.
PLEXA_EXPORT int32_t TESSELLON_STDCALL SchAPI_SendCommand(const char*, const char*) {
    return 0;
}
PLEXA_EXPORT void TESSELLON_STDCALL SchAPI_SendEventMessage(uint32_t, int32_t, int32_t) {}
PLEXA_EXPORT void TESSELLON_STDCALL SchAPI_JumpToLocation(uint32_t, int32_t, int32_t) {}
PLEXA_EXPORT int32_t TESSELLON_STDCALL SchAPI_GetPalette(int32_t) {
    return 0;
}
PLEXA_EXPORT uint32_t TESSELLON_STDCALL SchAPI_GetObjectWithFocus(uint32_t) {
    return 0;
}
PLEXA_EXPORT uint32_t TESSELLON_STDCALL SchAPI_GetObjectAtCursor(uint32_t) {
    return 0;
}

// Texts the host would look up: none.
PLEXA_EXPORT int32_t TESSELLON_STDCALL SchAPI_GetDefaultTemplateFilename(char**, int32_t) {
    return 0;
}
PLEXA_EXPORT int32_t TESSELLON_STDCALL SchAPI_DefaultGroundPowerObjectName(char**, int32_t) {
    return 0;
}
PLEXA_EXPORT int32_t TESSELLON_STDCALL SchAPI_QueryVariable(const char*, char**, int32_t) {
    return 0;
}
PLEXA_EXPORT int32_t TESSELLON_STDCALL SchAPI_GetFontSpecification(int32_t, char**, int32_t*, int32_t*, uint8_t*) {
    return 0;
}
PLEXA_EXPORT int32_t TESSELLON_STDCALL SchAPI_GetFontID(const char*, int32_t, int32_t, uint8_t) {
    return 0;
}

// Option records kept by the real host's preferences.
PLEXA_EXPORT int32_t TESSELLON_STDCALL SchAPI_QuerySystemOptions(uint8_t, int32_t*, int32_t) {
    return QueryRefused;
}
PLEXA_EXPORT int32_t TESSELLON_STDCALL SchAPI_QuerySchematicPreferences(uint8_t, int32_t*, int32_t) {
    return QueryRefused;
}
PLEXA_EXPORT int32_t TESSELLON_STDCALL SchAPI_QuerySchLibOptions(uint8_t, uint32_t, int32_t*, int32_t) {
    return QueryRefused;
}

// Kinds of object this host does not hold: text frames, sheet symbols and entries, process containers.
PLEXA_EXPORT int32_t TESSELLON_STDCALL SchAPI_QueryTextFrame(uint8_t, uint32_t, int32_t*, int32_t*, int32_t*, int32_t*,
                                                             int32_t*, int32_t*, uint8_t*, char**) {
    return QueryRefused;
}
PLEXA_EXPORT int32_t TESSELLON_STDCALL SchAPI_QuerySheetSymbol(uint8_t, uint32_t, int32_t*, int32_t*, int32_t*,
                                                               int32_t*, uint8_t*, int32_t*, int32_t*, uint8_t*,
                                                               uint8_t*) {
    return QueryRefused;
}
PLEXA_EXPORT int32_t TESSELLON_STDCALL SchAPI_QuerySheetEntry(uint8_t, uint32_t, uint8_t*, int32_t*, uint8_t*, uint8_t*,
                                                              int32_t*, int32_t*, int32_t*, uint8_t*, char**) {
    return QueryRefused;
}
PLEXA_EXPORT int32_t TESSELLON_STDCALL SchAPIQuery_SheetSymbol(uint8_t, uint32_t, int32_t*, int32_t*, int32_t*,
                                                               int32_t*, int32_t*, int32_t*, uint8_t*, char**, char**) {
    return QueryRefused;
}
PLEXA_EXPORT int32_t TESSELLON_STDCALL SchAPIQuery_SheetSymbolEx(uint8_t, uint32_t, int32_t*, int32_t*, int32_t*,
                                                                 int32_t*, int32_t*, int32_t*, uint8_t*, char**, char**,
                                                                 uint8_t*, uint8_t*) {
    return QueryRefused;
}
PLEXA_EXPORT uint32_t TESSELLON_STDCALL SchAPI_GetSheetEntryContainer(uint32_t) {
    return 0;
}
PLEXA_EXPORT int32_t TESSELLON_STDCALL SchAPI_QueryProcessContainer(uint8_t, uint32_t, char**, char**) {
    return QueryRefused;
}
PLEXA_EXPORT int32_t TESSELLON_STDCALL SchAPI_ProcessContainer_Execute(uint32_t) {
    return 0;
}
PLEXA_EXPORT int32_t TESSELLON_STDCALL SchAPI_ProcessContainer_Configure(uint32_t) {
    return 0;
}
PLEXA_EXPORT void TESSELLON_STDCALL SchAPI_ProcessContainer_SetDefaults(uint32_t) {}

// Parameters, implementations and pin or part swapping.
PLEXA_EXPORT int32_t TESSELLON_STDCALL SchApiQuery_SchParameter(uint8_t, uint32_t, char**, char**, uint8_t*, uint8_t*) {
    return QueryRefused;
}
PLEXA_EXPORT int32_t TESSELLON_STDCALL SchApiQuery_SchParameterCalculatedValue(uint32_t, char**, int32_t) {
    return QueryRefused;
}
PLEXA_EXPORT int32_t TESSELLON_STDCALL SchApiQuery_SchParameterSet(uint8_t, uint32_t, char**, char**) {
    return QueryRefused;
}
PLEXA_EXPORT int32_t TESSELLON_STDCALL SchAPIQuery_ComponentImplementationsCount(uint32_t) {
    return 0;
}
PLEXA_EXPORT uint32_t TESSELLON_STDCALL SchAPIQuery_ComponentImplementationAt(uint32_t, int32_t) {
    return 0;
}
PLEXA_EXPORT int32_t TESSELLON_STDCALL SchApiQuery_Implementation(uint8_t, uint32_t, char**, char**, char**, uint8_t*) {
    return QueryRefused;
}
PLEXA_EXPORT uint8_t TESSELLON_STDCALL SchApiQuery_EditImplementationMap(uint32_t) {
    return 0;
}
PLEXA_EXPORT int32_t TESSELLON_STDCALL SchApiQuery_ImplementationDatafileCount(uint32_t) {
    return 0;
}
PLEXA_EXPORT int32_t TESSELLON_STDCALL SchApiQuery_ImplementationDatafile(uint32_t, int32_t, char**, int32_t) {
    return 0;
}
PLEXA_EXPORT uint32_t TESSELLON_STDCALL SchApiQuery_AddImplementationToComponent(uint32_t) {
    return 0;
}
PLEXA_EXPORT int32_t TESSELLON_STDCALL SchApiQuery_DeleteImplementationFromComponent(uint32_t, uint32_t) {
    return 0;
}
PLEXA_EXPORT void TESSELLON_STDCALL SchApiQuery_DestroyImplementation(uint32_t) {}
PLEXA_EXPORT int32_t TESSELLON_STDCALL SchApiQuery_AllowSwapWithPin(uint8_t, uint32_t, uint8_t*) {
    return QueryRefused;
}
PLEXA_EXPORT int32_t TESSELLON_STDCALL SchApiQuery_SwapWithPin(uint8_t, uint32_t, int32_t*) {
    return QueryRefused;
}
PLEXA_EXPORT int32_t TESSELLON_STDCALL SchApiQuery_AllowSwapToPart(uint8_t, uint32_t, uint8_t*) {
    return QueryRefused;
}
PLEXA_EXPORT int32_t TESSELLON_STDCALL SchApiQuery_SwapToPart(uint8_t, uint32_t, int32_t*) {
    return QueryRefused;
}
PLEXA_EXPORT int32_t TESSELLON_STDCALL SchApiQuery_AddObjectToContainer(uint32_t, uint32_t) {
    return 0;
}
PLEXA_EXPORT int32_t TESSELLON_STDCALL SchApiQuery_DeleteObjectFromContainer(uint32_t, uint32_t) {
    return 0;
}

// Library documents (a library opened for editing): none is open.
PLEXA_EXPORT uint32_t TESSELLON_STDCALL SchAPI_GetCurrentLibraryHandle() {
    return 0;
}
PLEXA_EXPORT uint32_t TESSELLON_STDCALL SchAPI_GetCurrentLibraryComponent() {
    return 0;
}
PLEXA_EXPORT uint8_t TESSELLON_STDCALL SchAPI_IsCurrentLibraryComponent(uint32_t) {
    return 0;
}
PLEXA_EXPORT uint32_t TESSELLON_STDCALL SchAPI_CreateLibraryObject() {
    return 0;
}
PLEXA_EXPORT void TESSELLON_STDCALL SchAPI_DestroyLibraryObject(uint32_t) {}
PLEXA_EXPORT void TESSELLON_STDCALL SchAPI_DestroyLibraryComponentObject(uint32_t) {}
PLEXA_EXPORT uint8_t TESSELLON_STDCALL SchAPI_ImportLibraryObject_FromFile(uint32_t, const char*) {
    return 0;
}
PLEXA_EXPORT uint8_t TESSELLON_STDCALL SchAPI_ExportLibraryObject_ToFile(uint32_t, const char*) {
    return 0;
}
PLEXA_EXPORT void TESSELLON_STDCALL SchAPI_AddComponentToLibraryObject(uint32_t, uint32_t) {}
PLEXA_EXPORT void TESSELLON_STDCALL SchAPI_DeleteComponentFromLibraryObject(uint32_t, uint32_t) {}
PLEXA_EXPORT int32_t TESSELLON_STDCALL SchAPI_GetLibraryComponentGroupNameCount(uint32_t) {
    return 0;
}
PLEXA_EXPORT int32_t TESSELLON_STDCALL SchAPI_GetLibraryComponentGroupNameAt(uint32_t, int32_t, char**, int32_t) {
    return 0;
}
PLEXA_EXPORT void TESSELLON_STDCALL SchAPI_AddLibraryComponentGroupName(uint32_t, const char*) {}
PLEXA_EXPORT void TESSELLON_STDCALL SchAPI_RemoveLibraryComponentGroupName(uint32_t, const char*) {}
PLEXA_EXPORT int32_t TESSELLON_STDCALL SchAPI_GetLibraryComponentAliasCount(uint32_t) {
    return 0;
}
PLEXA_EXPORT int32_t TESSELLON_STDCALL SchAPI_GetLibraryComponentAliasNameAt(uint32_t, int32_t, char**, int32_t) {
    return 0;
}
PLEXA_EXPORT void TESSELLON_STDCALL SchAPI_AddLibraryComponentAliasName(uint32_t, const char*) {}
PLEXA_EXPORT void TESSELLON_STDCALL SchAPI_RemoveLibraryComponentAliasName(uint32_t, const char*) {}
PLEXA_EXPORT void TESSELLON_STDCALL SchAPI_ClearLibraryComponentAliasNames(uint32_t) {}

// Component information files.
PLEXA_EXPORT uint32_t TESSELLON_STDCALL SchAPI_CreateCompInfoReader(const char*) {
    return 0;
}
PLEXA_EXPORT int32_t TESSELLON_STDCALL SchAPI_GetCompInfoReaderCount(uint32_t) {
    return 0;
}
PLEXA_EXPORT int32_t TESSELLON_STDCALL SchAPI_GetCompInfoFromReader(uint32_t, int32_t, char**, char**, int32_t) {
    return 0;
}
PLEXA_EXPORT void TESSELLON_STDCALL SchAPI_DestroyCompInfoReader(uint32_t) {}

// Painting on a device context: the simulated host draws pictures from documents instead.
PLEXA_EXPORT uint32_t TESSELLON_STDCALL SchAPI_CreatePainter(uint32_t) {
    return 0;
}
PLEXA_EXPORT void TESSELLON_STDCALL SchAPI_DestroyPainter(uint32_t) {}
PLEXA_EXPORT void TESSELLON_STDCALL SchAPI_DrawComponent(uint32_t, uint32_t, int32_t, uint8_t, int32_t, int32_t) {}
PLEXA_EXPORT void TESSELLON_STDCALL SchAPI_DrawComponentByHandle(uint32_t, uint32_t, int32_t, int32_t) {}
