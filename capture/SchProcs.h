// Snapscribe's binding of the schematic server's functions: a table filled by name from the already loaded
// "Plexa.dll", and thin wrappers that answer a fixed default where a name was not found, so that the plug-in stays
// loadable, and harmless, without the schematic server.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "capture/SchAPITypes.h"
#include "platform/Module.h"

namespace snapscribe {

// Every look-up in binding order: X(type, name) binds the entry `name` to the export of that name;
// AGAIN(type, name) binds the second entry `name##_Again` to the same export.
#define SNAPSCRIBE_SCH_API_LOOKUPS(X, AGAIN)                                                                           \
    X(TSchApiEntry, SchAPI_GetCurrentEditorWindowHandle)                                                               \
    X(TSchAPI_GetCurrentDocumentHandle, SchAPI_GetCurrentDocumentHandle)                                               \
    X(TSchApiEntry, SchAPI_GetDocumentHandleFromFileName)                                                              \
    X(TSchApiEntry, SchAPI_GetWindowHandleFromSheetHandle)                                                             \
    X(TSchApiEntry, SchApi_GetSheetHandleFromServerWindowHandle)                                                       \
    X(TSchApiEntry, SchAPI_GetCurrentDocumentName)                                                                     \
    X(TSchApiEntry, SchAPI_QueryDocumentName)                                                                          \
    X(TSchApiEntry, SchAPI_GetDocumentCountInProject)                                                                  \
    X(TSchApiEntry, SchAPI_GetDocumentHandleByIndex)                                                                   \
    X(TSchApiEntry, SchAPI_SendCommand)                                                                                \
    X(TSchApiEntry, SchAPI_JumpToLocation)                                                                             \
    X(TSchApiEntry, SchAPI_GetPalette)                                                                                 \
    X(TSchApiEntry, SchAPI_GetDefaultTemplateFilename)                                                                 \
    X(TSchApiEntry, SchAPI_ChooseRectangleByCorners)                                                                   \
    X(TSchApiEntry, SchAPI_ChooseLocation)                                                                             \
    X(TSchApiEntry, SchAPI_ImportFromUser_SystemOptions)                                                               \
    X(TSchApiEntry, SchAPI_GetOpenedDocumentsCount)                                                                    \
    X(TSchApiEntry, SchAPI_GetOpenedDocumentDetails)                                                                   \
    X(TSchApiEntry, SchAPI_DefaultGroundPowerObjectName)                                                               \
    X(TSchApiEntry, SchAPI_QueryVariable)                                                                              \
    X(TSchAPI_GetObjectIdFromObjectHandle, SchAPI_GetObjectIdFromObjectHandle)                                         \
    X(TSchApiEntry, SchAPI_GetSheetEntryContainer)                                                                     \
    X(TSchApiEntry, SchAPI_CreateObjectEx)                                                                             \
    X(TSchApiEntry, SchAPI_DestroyObject)                                                                              \
    X(TSchApiEntry, SchAPI_AddObjectToContainer)                                                                       \
    X(TSchApiEntry, SchAPI_RedrawSheet)                                                                                \
    X(TSchAPI_RedrawObject, SchAPI_RedrawObject)                                                                       \
    X(TSchAPI_ImportFromUser, SchAPI_ImportFromUser)                                                                   \
    X(TSchAPI_GetObjectBoundingRectangle, SchAPI_GetObjectBoundingRectangle)                                           \
    X(TSchApiEntry, SchAPI_GetObjectWithFocus)                                                                         \
    X(TSchApiEntry, SchAPI_GetObjectAtCursor)                                                                          \
    X(TSchApiEntry, SchAPI_ResetPartTextFieldsLocation)                                                                \
    X(TSchAPI_CreateIterator, SchAPI_CreateIterator)                                                                   \
    X(TSchAPI_DestroyIterator, SchAPI_DestroyIterator)                                                                 \
    X(TSchAPI_GetNextObject, SchAPI_GetNextObject)                                                                     \
    X(TSchAPI_GetFirstObject, SchAPI_GetFirstObject)                                                                   \
    X(TSchApiEntry, SchAPI_CreateSpatialIterator)                                                                      \
    X(TSchApiEntry, SchAPI_DestroySpatialIterator)                                                                     \
    X(TSchApiEntry, SchAPI_GetNextSpatialObject)                                                                       \
    X(TSchApiEntry, SchAPI_GetFirstSpatialObject)                                                                      \
    X(TSchApiEntry, SchAPI_CreateGroupIterator)                                                                        \
    X(TSchApiEntry, SchAPI_DestroyGroupIterator)                                                                       \
    X(TSchApiEntry, SchAPI_GetNextGroupObject)                                                                         \
    X(TSchApiEntry, SchAPI_GetFirstGroupObject)                                                                        \
    X(TSchApiEntry, SchAPI_ReplicatePartItem)                                                                          \
    X(TSchApiEntry, SchAPI_DestroyPartItem)                                                                            \
    X(TSchApiEntry, SchAPI_CreateLibraryIterator)                                                                      \
    X(TSchApiEntry, SchAPI_DestroyLibraryIterator)                                                                     \
    X(TSchApiEntry, SchAPI_GetFirstLibraryComponent)                                                                   \
    X(TSchApiEntry, SchAPI_GetNextLibraryComponent)                                                                    \
    X(TSchApiEntry, SchAPI_GetLibraryComponentForPart)                                                                 \
    X(TSchApiEntry, SchAPI_CreateLibraryObject)                                                                        \
    X(TSchApiEntry, SchAPI_DestroyLibraryObject)                                                                       \
    X(TSchApiEntry, SchAPI_ImportLibraryObject_FromFile)                                                               \
    X(TSchApiEntry, SchAPI_ExportLibraryObject_ToFile)                                                                 \
    X(TSchApiEntry, SchAPI_AddComponentToLibraryObject)                                                                \
    X(TSchApiEntry, SchAPI_DeleteComponentFromLibraryObject)                                                           \
    X(TSchApiEntry, SchAPI_GetLibraryComponentGroupNameCount)                                                          \
    X(TSchApiEntry, SchAPI_GetLibraryComponentGroupNameAt)                                                             \
    X(TSchApiEntry, SchAPI_AddLibraryComponentGroupName)                                                               \
    X(TSchApiEntry, SchAPI_RemoveLibraryComponentGroupName)                                                            \
    X(TSchApiEntry, SchAPI_GetFontSpecification)                                                                       \
    X(TSchApiEntry, SchAPI_GetFontID)                                                                                  \
    X(TSchApiEntry, SchAPI_GetLibraryComponentHandle)                                                                  \
    X(TSchApiEntry, SchAPI_GetLibraryPartCount)                                                                        \
    X(TSchApiEntry, SchAPI_GetLibraryPartContainer)                                                                    \
    X(TSchApiEntry, SchAPI_LoadComponentFromLibrary)                                                                   \
    X(TSchApiEntry, SchAPI_QueryLibraryComponent)                                                                      \
    X(TSchApiEntry, SchAPI_QuerySystemOptions)                                                                         \
    X(TSchApiEntry, SchAPI_QueryDocumentOptions)                                                                       \
    X(TSchApiEntry, SchAPI_QuerySchLibOptions)                                                                         \
    X(TSchAPI_QueryVertexCount, SchAPI_QueryVertexCount)                                                               \
    X(TSchAPI_QueryVertexAt, SchAPI_QueryVertexAt)                                                                     \
    X(TSchAPI_QueryPrimitive, SchAPI_QueryPrimitive)                                                                   \
    X(TSchAPI_QueryText, SchAPI_QueryText)                                                                             \
    X(TSchAPI_QueryArc, SchAPI_QueryArc)                                                                               \
    X(TSchAPI_QueryBezier, SchAPI_QueryBezier)                                                                         \
    X(TSchAPI_QueryBus, SchAPI_QueryBus)                                                                               \
    X(TSchAPI_QueryBusEntry, SchAPI_QueryBusEntry)                                                                     \
    X(TSchAPI_QueryEllipse, SchAPI_QueryEllipse)                                                                       \
    X(TSchAPI_QueryEllipticalArc, SchAPI_QueryEllipticalArc)                                                           \
    X(TSchAPI_QueryErrorMarker, SchAPI_QueryErrorMarker)                                                               \
    X(TSchAPI_QueryImage, SchAPI_QueryImage)                                                                           \
    X(TSchAPI_QueryJunction, SchAPI_QueryJunction)                                                                     \
    X(TSchAPI_QueryLabel, SchAPI_QueryLabel)                                                                           \
    X(TSchApiEntry, SchAPI_QueryTextFrame)                                                                             \
    X(TSchAPI_QueryLayoutDirective, SchAPI_QueryLayoutDirective)                                                       \
    X(TSchAPI_QueryLine, SchAPI_QueryLine)                                                                             \
    X(TSchAPI_QueryNetLabel, SchAPI_QueryNetLabel)                                                                     \
    X(TSchAPI_QueryNoERC, SchAPI_QueryNoERC)                                                                           \
    X(TSchAPI_QuerySchPart, SchAPI_QuerySchPart)                                                                       \
    X(TSchAPI_QuerySchPartUniqueId, SchAPI_QuerySchPartUniqueId)                                                       \
    X(TSchAPI_QueryPie, SchAPI_QueryPie)                                                                               \
    X(TSchApiEntry, SchAPI_QueryPin)                                                                                   \
    X(TSchAPI_QueryPolygon, SchAPI_QueryPolygon)                                                                       \
    X(TSchAPI_QueryPolyline, SchAPI_QueryPolyline)                                                                     \
    X(TSchAPI_QueryPort, SchAPI_QueryPort)                                                                             \
    X(TSchAPI_QueryPowerObject, SchAPI_QueryPowerObject)                                                               \
    X(TSchApiEntry, SchAPI_QueryProcessContainer)                                                                      \
    X(TSchApiEntry, SchAPI_ProcessContainer_Execute)                                                                   \
    X(TSchApiEntry, SchAPI_ProcessContainer_Configure)                                                                 \
    X(TSchApiEntry, SchAPI_ProcessContainer_SetDefaults)                                                               \
    X(TSchAPI_QueryRectangle, SchAPI_QueryRectangle)                                                                   \
    X(TSchAPI_QueryRoundRectangle, SchAPI_QueryRoundRectangle)                                                         \
    X(TSchApiEntry, SchAPI_QuerySheetSymbol)                                                                           \
    X(TSchApiEntry, SchAPI_QuerySheetEntry)                                                                            \
    X(TSchAPI_QuerySimProbe, SchAPI_QuerySimProbe)                                                                     \
    X(TSchAPI_QuerySimStimulus, SchAPI_QuerySimStimulus)                                                               \
    X(TSchAPI_QuerySimVector, SchAPI_QuerySimVector)                                                                   \
    X(TSchAPI_QuerySymbol, SchAPI_QuerySymbol)                                                                         \
    X(TSchAPI_QueryWire, SchAPI_QueryWire)                                                                             \
    AGAIN(TSchApiEntry, SchAPI_GetCurrentEditorWindowHandle)                                                           \
    AGAIN(TSchApiEntry, SchAPI_GetCurrentDocumentHandle)                                                               \
    X(TSchApiEntry, SchAPI_GetCurrentLibraryHandle)                                                                    \
    X(TSchApiEntry, SchAPI_GetBoundingRect)                                                                            \
    X(TSchApiEntry, SchAPI_PartAvailableInLibrary)                                                                     \
    X(TSchApiEntry, SchAPI_CreateObject)                                                                               \
    X(TSchApiEntry, SchApi_QueryComponentLibraryInfo)                                                                  \
    X(TSchApiEntry, SchAPI_QuerySchematicPreferences)                                                                  \
    AGAIN(TSchApiEntry, SchAPI_QueryDocumentOptions)                                                                   \
    AGAIN(TSchApiEntry, SchAPI_QuerySchLibOptions)                                                                     \
    X(TSchApiEntry, SchAPI_CreatePainter)                                                                              \
    X(TSchApiEntry, SchAPI_DestroyPainter)                                                                             \
    X(TSchApiEntry, SchAPI_DrawComponent)

// The binding table: the schematic library's module handle, then one entry per look-up in binding order; an entry
// is null when its name was not found. Tests fill it with their own fakes.
struct TSchApiTable {
    platform::ModuleHandle Module = nullptr;
#define SNAPSCRIBE_SCH_API_ENTRY(Type, Name) Type Name = nullptr;
#define SNAPSCRIBE_SCH_API_ENTRY_AGAIN(Type, Name) Type Name##_Again = nullptr;
    SNAPSCRIBE_SCH_API_LOOKUPS(SNAPSCRIBE_SCH_API_ENTRY, SNAPSCRIBE_SCH_API_ENTRY_AGAIN)
#undef SNAPSCRIBE_SCH_API_ENTRY
#undef SNAPSCRIBE_SCH_API_ENTRY_AGAIN
};

inline constexpr int SchApiLookUpCount = 124;
static_assert(sizeof(TSchApiTable) == sizeof(void*) * (1 + SchApiLookUpCount));

// The table every wrapper calls through; it lives as long as the library and is never cleared.
extern TSchApiTable SchApi;

// Answers the address exported under a name, or null.
using TSchExportLookUp = std::function<void*(const char* Name)>;

// Fills every entry in binding order from LookUp; without a look-up (no module) every entry becomes null and no
// name is asked for.
void BindSchematicTable(TSchApiTable& Table, platform::ModuleHandle Module, const TSchExportLookUp& LookUp);

// Binds SchApi to the already loaded "Plexa.dll" (never loading it). Called at load and again by every capture
// command; afterwards SchematicApiLoaded tells whether the library was there.
void BindSchematicApi();
bool SchematicApiLoaded();

// Wrappers: each calls the bound function with its arguments unchanged, or answers the default shown.

TSchHandle SchAPI_GetCurrentDocumentHandle();                          // 0
TSchHandle SchAPI_CreateIterator(TSchHandle Document, uint8_t Filter); // 0
TSchHandle SchAPI_GetFirstObject(TSchHandle Iterator);                 // 0
TSchHandle SchAPI_GetNextObject(TSchHandle Iterator);                  // 0
int32_t SchAPI_DestroyIterator(TSchHandle Iterator);                   // 1
uint8_t SchAPI_GetObjectIdFromObjectHandle(TSchHandle Object);         // skNone (57)
void SchAPI_RedrawObject(TSchHandle Object);                           // nothing
bool SchAPI_ImportFromUser(TSchHandle Object);                         // false; never called for handle 0
void SchAPI_GetObjectBoundingRectangle(TSchHandle Object, int32_t* X1, int32_t* Y1, int32_t* X2,
                                       int32_t* Y2);                                                  // nothing
int32_t SchAPI_QueryVertexCount(uint8_t Mode, TSchHandle Object, int32_t Count);                      // 0
int32_t SchAPI_QueryVertexAt(uint8_t Mode, TSchHandle Object, int32_t Index, int32_t* X, int32_t* Y); // 0

// The unique id passes through a 1024-character exchange buffer owned by the wrapper: modes 0 and 2 send UniqueId,
// mode 1 reads it back (at most 255 characters). Default 1, UniqueId unchanged.
int32_t SchAPI_QuerySchPartUniqueId(uint8_t Mode, TSchHandle Part, std::string& UniqueId);

// SchAPI_QueryPrimitive and the per-kind queries: SchQuery<&TSchApiTable::SchAPI_QueryArc>(Mode, Handle, ...)
// calls the bound entry with the arguments as given; default 1, leaving every out value as it was.
template <auto Entry, typename... Args> int32_t SchQuery(Args... Arguments) {
    const auto Function = SchApi.*Entry;
    return Function ? Function(Arguments...) : 1;
}

} // namespace snapscribe
