// The router's binding of the schematic server's exports: one table entry per look-up, filled once when the
// library is loaded, and thin wrappers that call an entry or answer a fixed default when it is unbound. The router
// thereby loads and answers harmlessly when no schematic server is present: it finds no objects and routes nothing.
#pragma once

#include "platform/Module.h"
#include "router/New_SchAPITypes.h"

#include <cstdint>

namespace wirewright {

// Every look-up in binding order: X(Entry, ExportedName). Four names are looked up a second time into entries of
// their own (suffix _Again) that are never called.
#define WIREWRIGHT_SCHAPI_LOOKUPS(X)                                                                                   \
    X(SchAPI_GetCurrentEditorWindowHandle, SchAPI_GetCurrentEditorWindowHandle)                                        \
    X(SchAPI_GetCurrentDocumentHandle, SchAPI_GetCurrentDocumentHandle)                                                \
    X(SchAPI_GetDocumentHandleFromFileName, SchAPI_GetDocumentHandleFromFileName)                                      \
    X(SchAPI_GetWindowHandleFromSheetHandle, SchAPI_GetWindowHandleFromSheetHandle)                                    \
    X(SchApi_GetSheetHandleFromServerWindowHandle, SchApi_GetSheetHandleFromServerWindowHandle)                        \
    X(SchAPI_GetCurrentDocumentName, SchAPI_GetCurrentDocumentName)                                                    \
    X(SchAPI_QueryDocumentName, SchAPI_QueryDocumentName)                                                              \
    X(SchAPI_GetDocumentCountInProject, SchAPI_GetDocumentCountInProject)                                              \
    X(SchAPI_GetDocumentHandleByIndex, SchAPI_GetDocumentHandleByIndex)                                                \
    X(SchAPI_SendCommand, SchAPI_SendCommand)                                                                          \
    X(SchAPI_SendEventMessage, SchAPI_SendEventMessage)                                                                \
    X(SchAPI_JumpToLocation, SchAPI_JumpToLocation)                                                                    \
    X(SchAPI_GetPalette, SchAPI_GetPalette)                                                                            \
    X(SchAPI_GetDefaultTemplateFilename, SchAPI_GetDefaultTemplateFilename)                                            \
    X(SchAPI_ChooseRectangleByCorners, SchAPI_ChooseRectangleByCorners)                                                \
    X(SchAPI_ChooseLocation, SchAPI_ChooseLocation)                                                                    \
    X(SchAPI_ImportFromUser_SystemOptions, SchAPI_ImportFromUser_SystemOptions)                                        \
    X(SchAPI_GetOpenedDocumentsCount, SchAPI_GetOpenedDocumentsCount)                                                  \
    X(SchAPI_GetOpenedDocumentDetails, SchAPI_GetOpenedDocumentDetails)                                                \
    X(SchAPI_DefaultGroundPowerObjectName, SchAPI_DefaultGroundPowerObjectName)                                        \
    X(SchAPI_QueryVariable, SchAPI_QueryVariable)                                                                      \
    X(SchAPI_GetObjectIdFromObjectHandle, SchAPI_GetObjectIdFromObjectHandle)                                          \
    X(SchAPI_GetSheetEntryContainer, SchAPI_GetSheetEntryContainer)                                                    \
    X(SchAPI_CreateObjectEx, SchAPI_CreateObjectEx)                                                                    \
    X(SchAPI_DestroyObject, SchAPI_DestroyObject)                                                                      \
    X(SchAPI_AddObjectToContainer, SchAPI_AddObjectToContainer)                                                        \
    X(SchAPI_RedrawSheet, SchAPI_RedrawSheet)                                                                          \
    X(SchAPI_RedrawObject, SchAPI_RedrawObject)                                                                        \
    X(SchAPI_ImportFromUser, SchAPI_ImportFromUser)                                                                    \
    X(SchAPI_GetObjectBoundingRectangle, SchAPI_GetObjectBoundingRectangle)                                            \
    X(SchAPI_GetObjectWithFocus, SchAPI_GetObjectWithFocus)                                                            \
    X(SchAPI_GetObjectAtCursor, SchAPI_GetObjectAtCursor)                                                              \
    X(SchAPI_ResetPartTextFieldsLocation, SchAPI_ResetPartTextFieldsLocation)                                          \
    X(SchAPI_IsCurrentLibraryComponent, SchAPI_IsCurrentLibraryComponent)                                              \
    X(SchAPI_CreateIterator, SchAPI_CreateIterator)                                                                    \
    X(SchAPI_CreateSimpleIterator, SchAPI_CreateSimpleIterator)                                                        \
    X(SchAPI_DestroyIterator, SchAPI_DestroyIterator)                                                                  \
    X(SchAPI_GetNextObject, SchAPI_GetNextObject)                                                                      \
    X(SchAPI_GetFirstObject, SchAPI_GetFirstObject)                                                                    \
    X(SchAPI_CreateSpatialIterator, SchAPI_CreateSpatialIterator)                                                      \
    X(SchAPI_DestroySpatialIterator, SchAPI_DestroySpatialIterator)                                                    \
    X(SchAPI_GetNextSpatialObject, SchAPI_GetNextSpatialObject)                                                        \
    X(SchAPI_GetFirstSpatialObject, SchAPI_GetFirstSpatialObject)                                                      \
    X(SchAPI_CreateGroupIterator, SchAPI_CreateGroupIterator)                                                          \
    X(SchAPI_CreateSimpleGroupIterator, SchAPI_CreateSimpleGroupIterator)                                              \
    X(SchAPI_DestroyGroupIterator, SchAPI_DestroyGroupIterator)                                                        \
    X(SchAPI_GetNextGroupObject, SchAPI_GetNextGroupObject)                                                            \
    X(SchAPI_GetFirstGroupObject, SchAPI_GetFirstGroupObject)                                                          \
    X(SchAPI_ReplicatePartItem, SchAPI_ReplicatePartItem)                                                              \
    X(SchAPI_DestroyPartItem, SchAPI_DestroyPartItem)                                                                  \
    X(SchAPI_CreateLibraryIterator, SchAPI_CreateLibraryIterator)                                                      \
    X(SchAPI_DestroyLibraryIterator, SchAPI_DestroyLibraryIterator)                                                    \
    X(SchAPI_GetFirstLibraryComponent, SchAPI_GetFirstLibraryComponent)                                                \
    X(SchAPI_GetNextLibraryComponent, SchAPI_GetNextLibraryComponent)                                                  \
    X(SchAPI_GetLibraryComponentForPart, SchAPI_GetLibraryComponentForPart)                                            \
    X(SchAPI_CreateLibraryObject, SchAPI_CreateLibraryObject)                                                          \
    X(SchAPI_DestroyLibraryObject, SchAPI_DestroyLibraryObject)                                                        \
    X(SchAPI_ImportLibraryObject_FromFile, SchAPI_ImportLibraryObject_FromFile)                                        \
    X(SchAPI_ExportLibraryObject_ToFile, SchAPI_ExportLibraryObject_ToFile)                                            \
    X(SchAPI_AddComponentToLibraryObject, SchAPI_AddComponentToLibraryObject)                                          \
    X(SchAPI_DeleteComponentFromLibraryObject, SchAPI_DeleteComponentFromLibraryObject)                                \
    X(SchAPI_GetLibraryComponentGroupNameCount, SchAPI_GetLibraryComponentGroupNameCount)                              \
    X(SchAPI_GetLibraryComponentGroupNameAt, SchAPI_GetLibraryComponentGroupNameAt)                                    \
    X(SchAPI_AddLibraryComponentGroupName, SchAPI_AddLibraryComponentGroupName)                                        \
    X(SchAPI_RemoveLibraryComponentGroupName, SchAPI_RemoveLibraryComponentGroupName)                                  \
    X(SchAPI_GetLibraryComponentAliasCount, SchAPI_GetLibraryComponentAliasCount)                                      \
    X(SchAPI_GetLibraryComponentAliasNameAt, SchAPI_GetLibraryComponentAliasNameAt)                                    \
    X(SchAPI_AddLibraryComponentAliasName, SchAPI_AddLibraryComponentAliasName)                                        \
    X(SchAPI_RemoveLibraryComponentAliasName, SchAPI_RemoveLibraryComponentAliasName)                                  \
    X(SchAPI_ClearLibraryComponentAliasNames, SchAPI_ClearLibraryComponentAliasNames)                                  \
    X(SchAPI_GetFontSpecification, SchAPI_GetFontSpecification)                                                        \
    X(SchAPI_GetFontID, SchAPI_GetFontID)                                                                              \
    X(SchAPI_GetLibraryComponentHandle, SchAPI_GetLibraryComponentHandle)                                              \
    X(SchAPI_GetLibraryPartCount, SchAPI_GetLibraryPartCount)                                                          \
    X(SchAPI_GetLibraryPartContainer, SchAPI_GetLibraryPartContainer)                                                  \
    X(SchAPI_GetCurrentLibraryComponent, SchAPI_GetCurrentLibraryComponent)                                            \
    X(SchAPI_LoadComponentFromLibrary, SchAPI_LoadComponentFromLibrary)                                                \
    X(SchAPI_DestroyLibraryComponentObject, SchAPI_DestroyLibraryComponentObject)                                      \
    X(SchAPI_QueryLibraryComponent, SchAPI_QueryLibraryComponent)                                                      \
    X(SchAPI_QuerySystemOptions, SchAPI_QuerySystemOptions)                                                            \
    X(SchAPI_QueryDocumentOptions, SchAPI_QueryDocumentOptions)                                                        \
    X(SchAPI_QuerySchLibOptions, SchAPI_QuerySchLibOptions)                                                            \
    X(SchAPI_QueryVertexCount, SchAPI_QueryVertexCount)                                                                \
    X(SchAPI_QueryVertexAt, SchAPI_QueryVertexAt)                                                                      \
    X(SchAPI_QueryPrimitive, SchAPI_QueryPrimitive)                                                                    \
    X(SchAPI_QueryText, SchAPI_QueryText)                                                                              \
    X(SchAPI_QueryArc, SchAPI_QueryArc)                                                                                \
    X(SchAPI_QueryBezier, SchAPI_QueryBezier)                                                                          \
    X(SchAPI_QueryBus, SchAPI_QueryBus)                                                                                \
    X(SchAPI_QueryBusEntry, SchAPI_QueryBusEntry)                                                                      \
    X(SchAPI_QueryEllipse, SchAPI_QueryEllipse)                                                                        \
    X(SchAPI_QueryEllipticalArc, SchAPI_QueryEllipticalArc)                                                            \
    X(SchAPI_QueryErrorMarker, SchAPI_QueryErrorMarker)                                                                \
    X(SchAPI_QueryImage, SchAPI_QueryImage)                                                                            \
    X(SchAPI_QueryJunction, SchAPI_QueryJunction)                                                                      \
    X(SchAPI_QueryLabel, SchAPI_QueryLabel)                                                                            \
    X(SchAPI_QueryTextFrame, SchAPI_QueryTextFrame)                                                                    \
    X(SchAPI_QueryLayoutDirective, SchAPI_QueryLayoutDirective)                                                        \
    X(SchAPI_QueryLine, SchAPI_QueryLine)                                                                              \
    X(SchAPI_QueryNetLabel, SchAPI_QueryNetLabel)                                                                      \
    X(SchAPI_QueryNoERC, SchAPI_QueryNoERC)                                                                            \
    X(SchAPI_QuerySchPart, SchAPI_QuerySchPart)                                                                        \
    X(SchAPI_QuerySchPartUniqueId, SchAPI_QuerySchPartUniqueId)                                                        \
    X(SchAPI_QueryPie, SchAPI_QueryPie)                                                                                \
    X(SchAPI_QueryPin, SchAPI_QueryPin)                                                                                \
    X(SchAPI_QueryPolygon, SchAPI_QueryPolygon)                                                                        \
    X(SchAPI_QueryPolyline, SchAPI_QueryPolyline)                                                                      \
    X(SchAPI_QueryPort, SchAPI_QueryPort)                                                                              \
    X(SchAPI_QueryPowerObject, SchAPI_QueryPowerObject)                                                                \
    X(SchAPI_QueryProcessContainer, SchAPI_QueryProcessContainer)                                                      \
    X(SchAPI_ProcessContainer_Execute, SchAPI_ProcessContainer_Execute)                                                \
    X(SchAPI_ProcessContainer_Configure, SchAPI_ProcessContainer_Configure)                                            \
    X(SchAPI_ProcessContainer_SetDefaults, SchAPI_ProcessContainer_SetDefaults)                                        \
    X(SchAPI_QueryRectangle, SchAPI_QueryRectangle)                                                                    \
    X(SchAPI_QueryRoundRectangle, SchAPI_QueryRoundRectangle)                                                          \
    X(SchAPI_QuerySheetSymbol, SchAPI_QuerySheetSymbol)                                                                \
    X(SchAPI_QuerySheetEntry, SchAPI_QuerySheetEntry)                                                                  \
    X(SchAPI_QuerySimProbe, SchAPI_QuerySimProbe)                                                                      \
    X(SchAPI_QuerySimStimulus, SchAPI_QuerySimStimulus)                                                                \
    X(SchAPI_QuerySimVector, SchAPI_QuerySimVector)                                                                    \
    X(SchAPI_QuerySymbol, SchAPI_QuerySymbol)                                                                          \
    X(SchAPI_QueryWire, SchAPI_QueryWire)                                                                              \
    X(SchAPIQuery_WorkspaceObject, SchAPIQuery_WorkspaceObject)                                                        \
    X(SchAPIQuery_GrafObject, SchAPIQuery_GrafObject)                                                                  \
    X(SchApiQuery_SchComponent, SchApiQuery_SchComponent)                                                              \
    X(SchAPIQuery_ComponentDesignatorLocks, SchAPIQuery_ComponentDesignatorLocks)                                      \
    X(SchAPIQuery_ComponentImplementationsCount, SchAPIQuery_ComponentImplementationsCount)                            \
    X(SchAPIQuery_ComponentImplementationAt, SchAPIQuery_ComponentImplementationAt)                                    \
    X(SchAPIQuery_Pin, SchAPIQuery_Pin)                                                                                \
    X(SchAPIQuery_Port, SchAPIQuery_Port)                                                                              \
    X(SchAPIQuery_SheetSymbol, SchAPIQuery_SheetSymbol)                                                                \
    X(SchAPIQuery_SheetSymbolEx, SchAPIQuery_SheetSymbolEx)                                                            \
    X(SchApiQuery_UniqueId, SchApiQuery_UniqueId)                                                                      \
    X(SchApiQuery_SchParameter, SchApiQuery_SchParameter)                                                              \
    X(SchApiQuery_SchParameterCalculatedValue, SchApiQuery_SchParameterCalculatedValue)                                \
    X(SchApiQuery_SchParameterSet, SchApiQuery_SchParameterSet)                                                        \
    X(SchApiQuery_Implementation, SchApiQuery_Implementation)                                                          \
    X(SchApiQuery_EditImplementationMap, SchApiQuery_EditImplementationMap)                                            \
    X(SchApiQuery_ImplementationDatafileCount, SchApiQuery_ImplementationDatafileCount)                                \
    X(SchApiQuery_ImplementationDatafile, SchApiQuery_ImplementationDatafile)                                          \
    X(SchApiQuery_AllowSwapWithPin, SchApiQuery_AllowSwapWithPin)                                                      \
    X(SchApiQuery_SwapWithPin, SchApiQuery_SwapWithPin)                                                                \
    X(SchApiQuery_AllowSwapToPart, SchApiQuery_AllowSwapToPart)                                                        \
    X(SchApiQuery_SwapToPart, SchApiQuery_SwapToPart)                                                                  \
    X(SchApiQuery_AddObjectToContainer, SchApiQuery_AddObjectToContainer)                                              \
    X(SchApiQuery_DeleteObjectFromContainer, SchApiQuery_DeleteObjectFromContainer)                                    \
    X(SchApiQuery_AddImplementationToComponent, SchApiQuery_AddImplementationToComponent)                              \
    X(SchApiQuery_DeleteImplementationFromComponent, SchApiQuery_DeleteImplementationFromComponent)                    \
    X(SchApiQuery_DestroyImplementation, SchApiQuery_DestroyImplementation)                                            \
    X(SchAPI_GetCurrentEditorWindowHandle_Again, SchAPI_GetCurrentEditorWindowHandle)                                  \
    X(SchAPI_GetCurrentDocumentHandle_Again, SchAPI_GetCurrentDocumentHandle)                                          \
    X(SchAPI_GetCurrentLibraryHandle, SchAPI_GetCurrentLibraryHandle)                                                  \
    X(SchAPI_GetBoundingRect, SchAPI_GetBoundingRect)                                                                  \
    X(SchAPI_PartAvailableInLibrary, SchAPI_PartAvailableInLibrary)                                                    \
    X(SchAPI_CreateObject, SchAPI_CreateObject)                                                                        \
    X(SchApi_QueryComponentLibraryInfo, SchApi_QueryComponentLibraryInfo)                                              \
    X(SchAPI_QuerySchematicPreferences, SchAPI_QuerySchematicPreferences)                                              \
    X(SchAPI_QueryDocumentOptions_Again, SchAPI_QueryDocumentOptions)                                                  \
    X(SchAPI_QuerySchLibOptions_Again, SchAPI_QuerySchLibOptions)                                                      \
    X(SchAPI_CreatePainter, SchAPI_CreatePainter)                                                                      \
    X(SchAPI_DrawComponent, SchAPI_DrawComponent)                                                                      \
    X(SchAPI_DrawComponentByHandle, SchAPI_DrawComponentByHandle)                                                      \
    X(SchAPI_CreateCompInfoReader, SchAPI_CreateCompInfoReader)                                                        \
    X(SchAPI_GetCompInfoReaderCount, SchAPI_GetCompInfoReaderCount)                                                    \
    X(SchAPI_GetCompInfoFromReader, SchAPI_GetCompInfoFromReader)                                                      \
    X(SchAPI_DestroyCompInfoReader, SchAPI_DestroyCompInfoReader)

// One function pointer per look-up, in look-up order; nullptr when the name is not exported. A plain struct, so that
// tests fill it with fakes.
struct TSchApiTable {
#define WIREWRIGHT_SCHAPI_ENTRY(Entry, Name) T##Name Entry = nullptr;
    WIREWRIGHT_SCHAPI_LOOKUPS(WIREWRIGHT_SCHAPI_ENTRY)
#undef WIREWRIGHT_SCHAPI_ENTRY
};

// Module name of the schematic server.
inline constexpr const char* SchematicServerModuleName = "Plexa.dll";

// The schematic server's module handle, nullptr when it was not loaded at binding time.
extern platform::ModuleHandle GlobalSchModule;
// The bound entries; they live as long as the library and are never cleared.
extern TSchApiTable GlobalSchApi;

// Finds the already loaded schematic server (never loads it, takes no reference) and binds every look-up by its
// exact name; without the module every entry is nullptr and no look-up is made. Called once, at library load.
void BindSchematicApi();

// Calls Entry with Args, or answers Default when Entry is unbound.
template <typename Entry, typename Result, typename... Args>
Result CallBound(Entry Function, Result Default, Args... Arguments) {
    return Function != nullptr ? static_cast<Result>(Function(Arguments...)) : Default;
}

// Wrappers of the functions the router calls, with the default each answers when its entry is unbound.
THostHandle SchAPI_GetCurrentEditorWindowHandle();                                               // 0
THostHandle SchAPI_GetCurrentDocumentHandle();                                                   // 0
int32_t SchAPI_QueryDocumentName(uint8_t Mode, THostHandle Document, char** Name, int32_t Size); // 0
uint8_t SchAPI_GetObjectIdFromObjectHandle(THostHandle Object);                                  // 61
THostHandle SchAPI_CreateObjectEx(uint8_t Kind);                                                 // 0
void SchAPI_DestroyObject(THostHandle Object);                                                   // no call
void SchAPI_RedrawObject(THostHandle Object);                                                    // no call
uint8_t SchAPI_ImportFromUser(THostHandle Object); // 0; also 0 without a call for object 0
// No call when unbound: the outputs keep their values.
void SchAPI_GetObjectBoundingRectangle(THostHandle Object, int32_t* X1, int32_t* Y1, int32_t* X2, int32_t* Y2);
THostHandle SchAPI_CreateIterator(THostHandle Container, uint8_t Filter); // 0
THostHandle SchAPI_GetFirstObject(THostHandle Iterator);                  // 0
THostHandle SchAPI_GetNextObject(THostHandle Iterator);                   // 0
int32_t SchAPI_DestroyIterator(THostHandle Iterator);                     // 1
THostHandle SchAPI_CreateSpatialIterator(THostHandle Document, int32_t X1, int32_t Y1, int32_t X2, int32_t Y2,
                                         const TObjectKindSet* Kinds);                                  // 0
THostHandle SchAPI_GetFirstSpatialObject(THostHandle Iterator, int32_t* Unused);                        // 0
THostHandle SchAPI_GetNextSpatialObject(THostHandle Iterator, int32_t* Unused);                         // 0
int32_t SchAPI_DestroySpatialIterator(THostHandle Iterator);                                            // 1
THostHandle SchAPI_CreateGroupIterator(THostHandle Container);                                          // 0
THostHandle SchAPI_GetFirstGroupObject(THostHandle Iterator);                                           // 0
THostHandle SchAPI_GetNextGroupObject(THostHandle Iterator);                                            // 0
int32_t SchAPI_DestroyGroupIterator(THostHandle Iterator);                                              // 1
THostHandle SchAPI_ReplicatePartItem(THostHandle Item, THostHandle Part);                               // 0
int32_t SchAPI_DestroyPartItem(THostHandle ItemCopy);                                                   // 1
THostHandle SchAPI_GetLibraryComponentHandle(const char* LibReference, int32_t Size);                   // 0
THostHandle SchAPI_GetLibraryPartContainer(THostHandle Component, int32_t PartId, uint8_t DisplayMode); // 0
int32_t SchAPI_QueryVertexCount(uint8_t Mode, THostHandle Object, int32_t Count);                       // 0
int32_t SchAPI_QueryVertexAt(uint8_t Mode, THostHandle Object, int32_t Index, int32_t* X, int32_t* Y);  // 0

// The object's kind code: the low 7 bits of the host's object id (okUnknown when unbound).
inline uint8_t ObjectKindOf(THostHandle Object) {
    return SchAPI_GetObjectIdFromObjectHandle(Object) & 0x7F;
}

// Record queries: mode, handle, then the fields in the order of the exported type; 1 when unbound.
// The document options are not asked for document 0: the answer is then 1 without a call.
template <typename... Fields> int32_t SchAPI_QueryDocumentOptions(uint8_t Mode, THostHandle Document, Fields... F) {
    if (Document == 0)
        return 1;
    return CallBound(GlobalSchApi.SchAPI_QueryDocumentOptions, int32_t{1}, Mode, Document, F...);
}
#define WIREWRIGHT_SCHAPI_QUERY(Name)                                                                                  \
    template <typename... Fields> int32_t Name(uint8_t Mode, THostHandle Object, Fields... F) {                        \
        return CallBound(GlobalSchApi.Name, int32_t{1}, Mode, Object, F...);                                           \
    }
WIREWRIGHT_SCHAPI_QUERY(SchAPI_QueryWire)
WIREWRIGHT_SCHAPI_QUERY(SchAPI_QueryText)
WIREWRIGHT_SCHAPI_QUERY(SchAPI_QueryJunction)
WIREWRIGHT_SCHAPI_QUERY(SchAPI_QuerySchPart)
WIREWRIGHT_SCHAPI_QUERY(SchAPI_QuerySchPartUniqueId)
WIREWRIGHT_SCHAPI_QUERY(SchAPIQuery_GrafObject)
WIREWRIGHT_SCHAPI_QUERY(SchAPIQuery_WorkspaceObject)
WIREWRIGHT_SCHAPI_QUERY(SchAPIQuery_ComponentDesignatorLocks)
WIREWRIGHT_SCHAPI_QUERY(SchApiQuery_SchComponent)
WIREWRIGHT_SCHAPI_QUERY(SchAPIQuery_Pin)
#undef WIREWRIGHT_SCHAPI_QUERY

} // namespace wirewright
