// The schematic server's exports as the router binds them: records, kind codes and one function-pointer type per
// exported name, with the host's argument order and widths. The simulated schematic server exports each name with
// exactly the type declared here.
//
// Widths: handles and 32-bit values are 32 bits on every build; a byte argument is declared as a byte (it occupies a
// 32-bit slot on the stack); a text buffer is passed as the address of a reference to a zero-terminated buffer
// (`char**`): 256 bytes (`HostTextSize`) unless a size argument says otherwise; a six-byte real is passed as the
// address of its 6 bytes (`uint8_t*`). Statuses are 32-bit; Booleans are bytes.
#pragma once

#include "platform/Abi.h"

#include <cstdint>

namespace wirewright {

// Opaque host handle of a document, object, iterator, library item or window; 0 means none.
using THostHandle = uint32_t;

// A sheet point: X grows to the right, Y upward, in the host's sheet units.
struct TPoint {
    int32_t X = 0;
    int32_t Y = 0;
    friend bool operator==(const TPoint&, const TPoint&) = default;
};

// Set of object kinds for the spatial iterator: bit k stands for kind k (8 bytes, little-endian on every host).
using TObjectKindSet = uint64_t;

constexpr TObjectKindSet KindSetOf(uint8_t Kind) {
    return TObjectKindSet{1} << (Kind & 63);
}

// Exchange direction of every query function.
enum TQueryMode : uint8_t {
    qmWrite = 0, // the host takes the caller's values
    qmRead = 1,  // the host fills the caller's fields
    qmSend = 2,  // writes like qmWrite; accepted where strings are converted
};

// Object kind codes the router meets (the host's one-byte codes; 61 is what an unknown kind answers).
enum TObjectKind : uint8_t {
    okBus = 3,
    okBusEntry = 4,
    okText = 5,
    okJunction = 10,
    okAnnotation = 11,
    okLine = 13,
    okNetLabel = 14,
    okPart = 16,
    okDesignator = 17,
    okPartType = 35,
    okPin = 37,
    okPolyline = 39,
    okPort = 40,
    okPowerObject = 41,
    okRectangle = 43,
    okWire = 54,
    okTextObject = 56,
    okUnknown = 61,
};

constexpr int32_t HostTextSize = 256;    // text buffers: at most 255 characters and the terminating zero
constexpr int32_t HostStringSize = 1024; // exchange buffer of a counted string and of the unique id
constexpr int32_t WireVertexLimit = 50;  // vertices a wire wrapper holds
constexpr int32_t Real48Size = 6;        // bytes of a six-byte real

#define WIREWRIGHT_PROC(Name, Result, ...) using T##Name = Result(TESSELLON_STDCALL*)(__VA_ARGS__)

// Documents, windows and commands.
WIREWRIGHT_PROC(SchAPI_GetCurrentEditorWindowHandle, THostHandle);
WIREWRIGHT_PROC(SchAPI_GetCurrentDocumentHandle, THostHandle);
WIREWRIGHT_PROC(SchAPI_GetDocumentHandleFromFileName, THostHandle, const char* FileName);
WIREWRIGHT_PROC(SchAPI_GetWindowHandleFromSheetHandle, THostHandle, THostHandle Sheet);
WIREWRIGHT_PROC(SchApi_GetSheetHandleFromServerWindowHandle, THostHandle, THostHandle Window);
WIREWRIGHT_PROC(SchAPI_GetCurrentDocumentName, int32_t, char** Name, int32_t Size);
WIREWRIGHT_PROC(SchAPI_QueryDocumentName, int32_t, uint8_t Mode, THostHandle Document, char** Name, int32_t Size);
WIREWRIGHT_PROC(SchAPI_GetDocumentCountInProject, int32_t);
WIREWRIGHT_PROC(SchAPI_GetDocumentHandleByIndex, THostHandle, int32_t Index);
WIREWRIGHT_PROC(SchAPI_SendCommand, int32_t, const char* Process, const char* Parameters);
WIREWRIGHT_PROC(SchAPI_SendEventMessage, void, THostHandle Object, int32_t Event, int32_t Value);
WIREWRIGHT_PROC(SchAPI_JumpToLocation, void, THostHandle Document, int32_t X, int32_t Y);
WIREWRIGHT_PROC(SchAPI_GetPalette, int32_t, int32_t Index);
WIREWRIGHT_PROC(SchAPI_GetDefaultTemplateFilename, int32_t, char** Name, int32_t Size);
WIREWRIGHT_PROC(SchAPI_ChooseRectangleByCorners, uint8_t, int32_t* X1, int32_t* Y1, int32_t* X2, int32_t* Y2);
WIREWRIGHT_PROC(SchAPI_ChooseLocation, uint8_t, const char* Prompt, int32_t* X, int32_t* Y);
WIREWRIGHT_PROC(SchAPI_ImportFromUser_SystemOptions, uint8_t);
WIREWRIGHT_PROC(SchAPI_GetOpenedDocumentsCount, int32_t);
WIREWRIGHT_PROC(SchAPI_GetOpenedDocumentDetails, int32_t, int32_t Index, THostHandle* Document, char** FileName,
                int32_t Size);
WIREWRIGHT_PROC(SchAPI_DefaultGroundPowerObjectName, int32_t, char** Name, int32_t Size);
WIREWRIGHT_PROC(SchAPI_QueryVariable, int32_t, const char* Name, char** Value, int32_t Size);

// Objects.
WIREWRIGHT_PROC(SchAPI_GetObjectIdFromObjectHandle, uint8_t, THostHandle Object);
WIREWRIGHT_PROC(SchAPI_GetSheetEntryContainer, THostHandle, THostHandle SheetSymbol);
WIREWRIGHT_PROC(SchAPI_CreateObjectEx, THostHandle, uint8_t Kind);
WIREWRIGHT_PROC(SchAPI_DestroyObject, void, THostHandle Object);
WIREWRIGHT_PROC(SchAPI_AddObjectToContainer, int32_t, THostHandle Container, THostHandle Object);
WIREWRIGHT_PROC(SchAPI_RedrawSheet, void, THostHandle Document);
WIREWRIGHT_PROC(SchAPI_RedrawObject, void, THostHandle Object);
WIREWRIGHT_PROC(SchAPI_ImportFromUser, uint8_t, THostHandle Object);
WIREWRIGHT_PROC(SchAPI_GetObjectBoundingRectangle, void, THostHandle Object, int32_t* X1, int32_t* Y1, int32_t* X2,
                int32_t* Y2);
WIREWRIGHT_PROC(SchAPI_GetObjectWithFocus, THostHandle, THostHandle Document);
WIREWRIGHT_PROC(SchAPI_GetObjectAtCursor, THostHandle, THostHandle Document);
WIREWRIGHT_PROC(SchAPI_ResetPartTextFieldsLocation, void, THostHandle Part);
WIREWRIGHT_PROC(SchAPI_IsCurrentLibraryComponent, uint8_t, THostHandle Component);

// Iterators.
WIREWRIGHT_PROC(SchAPI_CreateIterator, THostHandle, THostHandle Container, uint8_t Filter);
WIREWRIGHT_PROC(SchAPI_CreateSimpleIterator, THostHandle, THostHandle Container);
WIREWRIGHT_PROC(SchAPI_DestroyIterator, int32_t, THostHandle Iterator);
WIREWRIGHT_PROC(SchAPI_GetNextObject, THostHandle, THostHandle Iterator);
WIREWRIGHT_PROC(SchAPI_GetFirstObject, THostHandle, THostHandle Iterator);
WIREWRIGHT_PROC(SchAPI_CreateSpatialIterator, THostHandle, THostHandle Document, int32_t X1, int32_t Y1, int32_t X2,
                int32_t Y2, const TObjectKindSet* Kinds);
WIREWRIGHT_PROC(SchAPI_DestroySpatialIterator, int32_t, THostHandle Iterator);
WIREWRIGHT_PROC(SchAPI_GetNextSpatialObject, THostHandle, THostHandle Iterator, int32_t* Unused);
WIREWRIGHT_PROC(SchAPI_GetFirstSpatialObject, THostHandle, THostHandle Iterator, int32_t* Unused);
WIREWRIGHT_PROC(SchAPI_CreateGroupIterator, THostHandle, THostHandle Container);
WIREWRIGHT_PROC(SchAPI_CreateSimpleGroupIterator, THostHandle, THostHandle Container);
WIREWRIGHT_PROC(SchAPI_DestroyGroupIterator, int32_t, THostHandle Iterator);
WIREWRIGHT_PROC(SchAPI_GetNextGroupObject, THostHandle, THostHandle Iterator);
WIREWRIGHT_PROC(SchAPI_GetFirstGroupObject, THostHandle, THostHandle Iterator);
WIREWRIGHT_PROC(SchAPI_ReplicatePartItem, THostHandle, THostHandle Item, THostHandle Part);
WIREWRIGHT_PROC(SchAPI_DestroyPartItem, int32_t, THostHandle ItemCopy);

// Libraries.
WIREWRIGHT_PROC(SchAPI_CreateLibraryIterator, THostHandle, THostHandle Library);
WIREWRIGHT_PROC(SchAPI_DestroyLibraryIterator, int32_t, THostHandle Iterator);
WIREWRIGHT_PROC(SchAPI_GetFirstLibraryComponent, THostHandle, THostHandle Iterator);
WIREWRIGHT_PROC(SchAPI_GetNextLibraryComponent, THostHandle, THostHandle Iterator);
WIREWRIGHT_PROC(SchAPI_GetLibraryComponentForPart, THostHandle, THostHandle Part);
WIREWRIGHT_PROC(SchAPI_CreateLibraryObject, THostHandle);
WIREWRIGHT_PROC(SchAPI_DestroyLibraryObject, void, THostHandle Library);
WIREWRIGHT_PROC(SchAPI_ImportLibraryObject_FromFile, uint8_t, THostHandle Library, const char* FileName);
WIREWRIGHT_PROC(SchAPI_ExportLibraryObject_ToFile, uint8_t, THostHandle Library, const char* FileName);
WIREWRIGHT_PROC(SchAPI_AddComponentToLibraryObject, void, THostHandle Library, THostHandle Component);
WIREWRIGHT_PROC(SchAPI_DeleteComponentFromLibraryObject, void, THostHandle Library, THostHandle Component);
WIREWRIGHT_PROC(SchAPI_GetLibraryComponentGroupNameCount, int32_t, THostHandle Component);
WIREWRIGHT_PROC(SchAPI_GetLibraryComponentGroupNameAt, int32_t, THostHandle Component, int32_t Index, char** Name,
                int32_t Size);
WIREWRIGHT_PROC(SchAPI_AddLibraryComponentGroupName, void, THostHandle Component, const char* Name);
WIREWRIGHT_PROC(SchAPI_RemoveLibraryComponentGroupName, void, THostHandle Component, const char* Name);
WIREWRIGHT_PROC(SchAPI_GetLibraryComponentAliasCount, int32_t, THostHandle Component);
WIREWRIGHT_PROC(SchAPI_GetLibraryComponentAliasNameAt, int32_t, THostHandle Component, int32_t Index, char** Name,
                int32_t Size);
WIREWRIGHT_PROC(SchAPI_AddLibraryComponentAliasName, void, THostHandle Component, const char* Name);
WIREWRIGHT_PROC(SchAPI_RemoveLibraryComponentAliasName, void, THostHandle Component, const char* Name);
WIREWRIGHT_PROC(SchAPI_ClearLibraryComponentAliasNames, void, THostHandle Component);
WIREWRIGHT_PROC(SchAPI_GetFontSpecification, int32_t, int32_t FontId, char** Name, int32_t* Size, int32_t* Rotation,
                uint8_t* Style);
WIREWRIGHT_PROC(SchAPI_GetFontID, int32_t, const char* Name, int32_t Size, int32_t Rotation, uint8_t Style);
WIREWRIGHT_PROC(SchAPI_GetLibraryComponentHandle, THostHandle, const char* LibReference, int32_t Size);
WIREWRIGHT_PROC(SchAPI_GetLibraryPartCount, int32_t, THostHandle Component);
WIREWRIGHT_PROC(SchAPI_GetLibraryPartContainer, THostHandle, THostHandle Component, int32_t PartId,
                uint8_t DisplayMode);
WIREWRIGHT_PROC(SchAPI_GetCurrentLibraryComponent, THostHandle);
WIREWRIGHT_PROC(SchAPI_LoadComponentFromLibrary, THostHandle, const char* LibReference, const char* Library);
WIREWRIGHT_PROC(SchAPI_DestroyLibraryComponentObject, void, THostHandle Component);
WIREWRIGHT_PROC(SchAPI_QueryLibraryComponent, int32_t, uint8_t Mode, THostHandle Component, char** LibReference,
                char** Description, char** FootPrint, int32_t* PartCount);

// Options records that the router does not read field by field are exchanged as arrays of 32-bit values.
WIREWRIGHT_PROC(SchAPI_QuerySystemOptions, int32_t, uint8_t Mode, int32_t* Values, int32_t Count);
// Positions 3 to 35 of the document options, in order (the wrapper's field table).
WIREWRIGHT_PROC(SchAPI_QueryDocumentOptions, int32_t, uint8_t Mode, THostHandle Document, uint8_t* Value3,
                uint8_t* StyledTitleBlock, uint8_t* Value5, uint8_t* Value6, uint8_t* TitleBlockStyle, int32_t* Value8,
                uint8_t* Value9, int32_t* Value10, uint8_t* SnapToGrid, int32_t* Value12, uint8_t* Value13,
                int32_t* GridSize, uint8_t* Value15, int32_t* Value16, uint8_t* Value17, uint8_t* Value18,
                int32_t* Value19, int32_t* Value20, int32_t* Value21, int32_t* Value22, int32_t* Value23,
                char** Value24, char** Value25, char** Value26, char** Value27, char** Value28, char** Value29,
                char** Value30, char** Value31, int32_t* Value32, int32_t* Value33, char** Value34, int32_t* Value35);
WIREWRIGHT_PROC(SchAPI_QuerySchLibOptions, int32_t, uint8_t Mode, THostHandle Document, int32_t* Values, int32_t Count);

// Vertices (1-based indices).
WIREWRIGHT_PROC(SchAPI_QueryVertexCount, int32_t, uint8_t Mode, THostHandle Object, int32_t Count);
WIREWRIGHT_PROC(SchAPI_QueryVertexAt, int32_t, uint8_t Mode, THostHandle Object, int32_t Index, int32_t* X, int32_t* Y);

// Per-kind record queries: mode, handle, then the fields by address.
WIREWRIGHT_PROC(SchAPI_QueryPrimitive, int32_t, uint8_t Mode, THostHandle Object, uint8_t* Kind, int32_t* X, int32_t* Y,
                int32_t* Color, uint8_t* Selection);
WIREWRIGHT_PROC(SchAPI_QueryText, int32_t, uint8_t Mode, THostHandle Object, int32_t* X, int32_t* Y, uint8_t* IsHidden,
                int32_t* Value6, char** Text, uint8_t* Value8, int32_t* Color, uint8_t* Selection);
WIREWRIGHT_PROC(SchAPI_QueryArc, int32_t, uint8_t Mode, THostHandle Object, int32_t* X, int32_t* Y, int32_t* Radius,
                uint8_t* LineWidth, uint8_t* StartAngle, uint8_t* EndAngle, int32_t* Color, uint8_t* Selection);
WIREWRIGHT_PROC(SchAPI_QueryBezier, int32_t, uint8_t Mode, THostHandle Object, uint8_t* LineWidth, int32_t* Color,
                uint8_t* Selection);
WIREWRIGHT_PROC(SchAPI_QueryBus, int32_t, uint8_t Mode, THostHandle Object, uint8_t* LineWidth, int32_t* Color,
                uint8_t* Selection);
WIREWRIGHT_PROC(SchAPI_QueryBusEntry, int32_t, uint8_t Mode, THostHandle Object, int32_t* X, int32_t* Y,
                int32_t* CornerX, int32_t* CornerY, uint8_t* LineWidth, int32_t* Color, uint8_t* Selection);
WIREWRIGHT_PROC(SchAPI_QueryEllipse, int32_t, uint8_t Mode, THostHandle Object, int32_t* X, int32_t* Y, int32_t* Radius,
                int32_t* SecondaryRadius, uint8_t* LineWidth, int32_t* Color, int32_t* AreaColor, uint8_t* IsSolid,
                uint8_t* Selection);
WIREWRIGHT_PROC(SchAPI_QueryEllipticalArc, int32_t, uint8_t Mode, THostHandle Object, int32_t* X, int32_t* Y,
                int32_t* Radius, int32_t* SecondaryRadius, uint8_t* LineWidth, uint8_t* StartAngle, uint8_t* EndAngle,
                int32_t* Color, uint8_t* Selection);
WIREWRIGHT_PROC(SchAPI_QueryErrorMarker, int32_t, uint8_t Mode, THostHandle Object, int32_t* X, int32_t* Y,
                int32_t* Color, uint8_t* Selection, char** Text);
WIREWRIGHT_PROC(SchAPI_QueryImage, int32_t, uint8_t Mode, THostHandle Object, int32_t* X, int32_t* Y, int32_t* CornerX,
                int32_t* CornerY, uint8_t* LineWidth, int32_t* Color, uint8_t* Selection, uint8_t* IsSolid,
                uint8_t* KeepAspect, char** FileName);
WIREWRIGHT_PROC(SchAPI_QueryJunction, int32_t, uint8_t Mode, THostHandle Object, int32_t* X, int32_t* Y,
                uint8_t* Value5, uint8_t* Value6, int32_t* Color, uint8_t* Selection);
WIREWRIGHT_PROC(SchAPI_QueryLabel, int32_t, uint8_t Mode, THostHandle Object, int32_t* X, int32_t* Y,
                uint8_t* Orientation, int32_t* Color, int32_t* Attribute, uint8_t* Selection, char** Text);
WIREWRIGHT_PROC(SchAPI_QueryTextFrame, int32_t, uint8_t Mode, THostHandle Object, int32_t* X, int32_t* Y,
                int32_t* CornerX, int32_t* CornerY, int32_t* Color, int32_t* AreaColor, uint8_t* Selection,
                char** Text);
WIREWRIGHT_PROC(SchAPI_QueryLayoutDirective, int32_t, uint8_t Mode, THostHandle Object, int32_t* RoutingTrackWidth,
                int32_t* RoutingViaWidth, uint8_t* NetTopology, uint8_t* RoutingPriority, uint8_t* Layer, int32_t* X,
                int32_t* Y, int32_t* Color, uint8_t* Selection);
WIREWRIGHT_PROC(SchAPI_QueryLine, int32_t, uint8_t Mode, THostHandle Object, int32_t* X, int32_t* Y, int32_t* X2,
                int32_t* Y2, uint8_t* LineWidth, uint8_t* Attribute, int32_t* Color, uint8_t* Selection);
WIREWRIGHT_PROC(SchAPI_QueryNetLabel, int32_t, uint8_t Mode, THostHandle Object, int32_t* X, int32_t* Y,
                uint8_t* Orientation, int32_t* Color, int32_t* Attribute, uint8_t* Selection, char** Text);
WIREWRIGHT_PROC(SchAPI_QueryNoERC, int32_t, uint8_t Mode, THostHandle Object, int32_t* X, int32_t* Y, int32_t* Color,
                uint8_t* Selection);
// Value16 is the address of the first of 8 buffer references, Value16High 7; Value22 the address of the first of 16
// handles, Value22High 15. Values 19 to 22 are handles of the part's text objects.
WIREWRIGHT_PROC(SchAPI_QuerySchPart, int32_t, uint8_t Mode, THostHandle Part, int32_t* X, int32_t* Y,
                uint8_t* CompDisplayMode, uint8_t* IsMirrored, uint8_t* Orientation, uint8_t* Selection,
                int32_t* PartId, uint8_t* ShowHiddenFields, uint8_t* ShowHiddenPins, char** LibReference,
                char** FootPrint, char** Value14, int32_t* Value15, char** Value16, int32_t Value16High, char** Value18,
                THostHandle* Value19, THostHandle* Value20, THostHandle* Value21, THostHandle* Value22,
                int32_t Value22High, uint8_t* Value24, uint8_t* Value25, int32_t* Value26, int32_t* Color,
                int32_t* Value28);
WIREWRIGHT_PROC(SchAPI_QuerySchPartUniqueId, int32_t, uint8_t Mode, THostHandle Part, char** Buffer, int32_t Size);
WIREWRIGHT_PROC(SchAPI_QueryPie, int32_t, uint8_t Mode, THostHandle Object, int32_t* X, int32_t* Y, int32_t* Radius,
                uint8_t* LineWidth, uint8_t* StartAngle, uint8_t* EndAngle, int32_t* Color, int32_t* AreaColor,
                uint8_t* IsSolid, uint8_t* Selection);
WIREWRIGHT_PROC(SchAPI_QueryPin, int32_t, uint8_t Mode, THostHandle Pin, int32_t* X, int32_t* Y, int32_t* Color,
                uint8_t* Selection, uint8_t* Orientation, int32_t* Length, char** Name, char** Designator,
                uint8_t* IsHidden);
WIREWRIGHT_PROC(SchAPI_QueryPolygon, int32_t, uint8_t Mode, THostHandle Object, uint8_t* LineWidth, int32_t* Color,
                int32_t* AreaColor, uint8_t* IsSolid, uint8_t* Selection);
WIREWRIGHT_PROC(SchAPI_QueryPolyline, int32_t, uint8_t Mode, THostHandle Object, uint8_t* LineWidth, uint8_t* LineStyle,
                int32_t* Color, uint8_t* Selection);
WIREWRIGHT_PROC(SchAPI_QueryPort, int32_t, uint8_t Mode, THostHandle Object, uint8_t* Style, uint8_t* IOType,
                uint8_t* Alignment, int32_t* Width, int32_t* X, int32_t* Y, int32_t* Color, int32_t* AreaColor,
                int32_t* TextColor, uint8_t* Selection, char** Name);
WIREWRIGHT_PROC(SchAPI_QueryPowerObject, int32_t, uint8_t Mode, THostHandle Object, uint8_t* Style, int32_t* X,
                int32_t* Y, uint8_t* Orientation, int32_t* Color, uint8_t* Selection, char** Text);
WIREWRIGHT_PROC(SchAPI_QueryProcessContainer, int32_t, uint8_t Mode, THostHandle Object, char** Process,
                char** Parameters);
WIREWRIGHT_PROC(SchAPI_ProcessContainer_Execute, int32_t, THostHandle Object);
WIREWRIGHT_PROC(SchAPI_ProcessContainer_Configure, int32_t, THostHandle Object);
WIREWRIGHT_PROC(SchAPI_ProcessContainer_SetDefaults, void, THostHandle Object);
WIREWRIGHT_PROC(SchAPI_QueryRectangle, int32_t, uint8_t Mode, THostHandle Object, int32_t* X, int32_t* Y,
                int32_t* CornerX, int32_t* CornerY, uint8_t* LineWidth, int32_t* Color, int32_t* AreaColor,
                uint8_t* Selection, uint8_t* IsSolid);
WIREWRIGHT_PROC(SchAPI_QueryRoundRectangle, int32_t, uint8_t Mode, THostHandle Object, int32_t* X, int32_t* Y,
                int32_t* CornerX, int32_t* CornerY, int32_t* CornerXRadius, int32_t* CornerYRadius, uint8_t* LineWidth,
                int32_t* Color, int32_t* AreaColor, uint8_t* Selection, uint8_t* IsSolid);
WIREWRIGHT_PROC(SchAPI_QuerySheetSymbol, int32_t, uint8_t Mode, THostHandle Object, int32_t* X, int32_t* Y,
                int32_t* XSize, int32_t* YSize, uint8_t* LineWidth, int32_t* Color, int32_t* AreaColor,
                uint8_t* Selection, uint8_t* IsSolid);
WIREWRIGHT_PROC(SchAPI_QuerySheetEntry, int32_t, uint8_t Mode, THostHandle Object, uint8_t* Side,
                int32_t* DistanceFromTop, uint8_t* Style, uint8_t* IOType, int32_t* Color, int32_t* AreaColor,
                int32_t* TextColor, uint8_t* Selection, char** Name);
WIREWRIGHT_PROC(SchAPI_QuerySimProbe, int32_t, uint8_t Mode, THostHandle Object, int32_t* X, int32_t* Y, int32_t* Color,
                uint8_t* Selection, char** Text);
WIREWRIGHT_PROC(SchAPI_QuerySimStimulus, int32_t, uint8_t Mode, THostHandle Object, int32_t* X, int32_t* Y,
                int32_t* Color, uint8_t* Selection, char** Text);
WIREWRIGHT_PROC(SchAPI_QuerySimVector, int32_t, uint8_t Mode, THostHandle Object, int32_t* X, int32_t* Y,
                int32_t* Color, uint8_t* Selection, char** Text);
WIREWRIGHT_PROC(SchAPI_QuerySymbol, int32_t, uint8_t Mode, THostHandle Object, uint8_t* Attribute2, int32_t* X,
                int32_t* Y, int32_t* Attribute3, int32_t* Attribute4, uint8_t* Attribute1, int32_t* Color,
                uint8_t* Selection);
WIREWRIGHT_PROC(SchAPI_QueryWire, int32_t, uint8_t Mode, THostHandle Wire, uint8_t* WireValue, int32_t* Color,
                uint8_t* Selection);

// Object queries of the newer interface. Counted strings travel through 1024-byte buffers (`char**`).
WIREWRIGHT_PROC(SchAPIQuery_WorkspaceObject, int32_t, uint8_t Mode, THostHandle Object, int32_t* WorkspaceValue);
WIREWRIGHT_PROC(SchAPIQuery_GrafObject, int32_t, uint8_t Mode, THostHandle Object, uint8_t* Kind, int32_t* X,
                int32_t* Y, int32_t* Color, uint8_t* Selection, int32_t* GrafValue8, uint8_t* GrafValue9);
WIREWRIGHT_PROC(SchApiQuery_SchComponent, int32_t, uint8_t Mode, THostHandle Component, char** Value3, int32_t* X,
                int32_t* Y, uint8_t* Value6, uint8_t* Value7, int32_t* Color, int32_t* Value9, int32_t* Value10,
                uint8_t* Value11, uint8_t* Selection, uint8_t* Value13, uint8_t* Value14, uint8_t* ShowHiddenPins,
                uint8_t* Value16, char** Value17, char** Value18, char** Value19, char** Value20, char** Value21,
                int32_t* Value22, int32_t* Value23, THostHandle* DesignatorHandle, int32_t* Value25,
                THostHandle* ItemContainer);
WIREWRIGHT_PROC(SchAPIQuery_ComponentDesignatorLocks, int32_t, uint8_t Mode, THostHandle Component, uint8_t* Lock1,
                uint8_t* Lock2);
WIREWRIGHT_PROC(SchAPIQuery_ComponentImplementationsCount, int32_t, THostHandle Component);
WIREWRIGHT_PROC(SchAPIQuery_ComponentImplementationAt, THostHandle, THostHandle Component, int32_t Index);
WIREWRIGHT_PROC(SchAPIQuery_Pin, int32_t, uint8_t Mode, THostHandle Pin, int32_t* X, int32_t* Y, int32_t* Color,
                uint8_t* Selection, int32_t* GrafValue8, uint8_t* GrafValue9, int32_t* Value9, uint8_t* Value10,
                char** Value11, char** Value12, char** Value13, char** Value14, uint8_t* Value15, uint8_t* Value16,
                uint8_t* Value17, int32_t* Value18, uint8_t* Value19, uint8_t* IsHidden, uint8_t* Value21,
                uint8_t* Value22, uint8_t* Value23, uint8_t* Value24, char** Value25, char** Value26, int32_t* Value27);
WIREWRIGHT_PROC(SchAPIQuery_Port, int32_t, uint8_t Mode, THostHandle Port, int32_t* X, int32_t* Y, int32_t* Color,
                uint8_t* Selection, uint8_t* Style, uint8_t* IOType, uint8_t* Alignment, int32_t* Width,
                int32_t* AreaColor, int32_t* TextColor, char** Name);
WIREWRIGHT_PROC(SchAPIQuery_SheetSymbol, int32_t, uint8_t Mode, THostHandle SheetSymbol, int32_t* X, int32_t* Y,
                int32_t* XSize, int32_t* YSize, int32_t* Color, int32_t* AreaColor, uint8_t* Selection, char** FileName,
                char** SheetName);
WIREWRIGHT_PROC(SchAPIQuery_SheetSymbolEx, int32_t, uint8_t Mode, THostHandle SheetSymbol, int32_t* X, int32_t* Y,
                int32_t* XSize, int32_t* YSize, int32_t* Color, int32_t* AreaColor, uint8_t* Selection, char** FileName,
                char** SheetName, uint8_t* ShowHiddenFields, uint8_t* IsSolid);
WIREWRIGHT_PROC(SchApiQuery_UniqueId, int32_t, uint8_t Mode, THostHandle Object, char** Buffer, int32_t Size);
WIREWRIGHT_PROC(SchApiQuery_SchParameter, int32_t, uint8_t Mode, THostHandle Parameter, char** Name, char** Text,
                uint8_t* IsHidden, uint8_t* ShowName);
WIREWRIGHT_PROC(SchApiQuery_SchParameterCalculatedValue, int32_t, THostHandle Parameter, char** Value, int32_t Size);
WIREWRIGHT_PROC(SchApiQuery_SchParameterSet, int32_t, uint8_t Mode, THostHandle ParameterSet, char** Name, char** Text);
WIREWRIGHT_PROC(SchApiQuery_Implementation, int32_t, uint8_t Mode, THostHandle Implementation, char** ModelName,
                char** ModelType, char** Description, uint8_t* IsCurrent);
WIREWRIGHT_PROC(SchApiQuery_EditImplementationMap, uint8_t, THostHandle Implementation);
WIREWRIGHT_PROC(SchApiQuery_ImplementationDatafileCount, int32_t, THostHandle Implementation);
WIREWRIGHT_PROC(SchApiQuery_ImplementationDatafile, int32_t, THostHandle Implementation, int32_t Index, char** FileName,
                int32_t Size);
WIREWRIGHT_PROC(SchApiQuery_AllowSwapWithPin, int32_t, uint8_t Mode, THostHandle Pin, uint8_t* Allow);
WIREWRIGHT_PROC(SchApiQuery_SwapWithPin, int32_t, uint8_t Mode, THostHandle Pin, int32_t* SwapId);
WIREWRIGHT_PROC(SchApiQuery_AllowSwapToPart, int32_t, uint8_t Mode, THostHandle Component, uint8_t* Allow);
WIREWRIGHT_PROC(SchApiQuery_SwapToPart, int32_t, uint8_t Mode, THostHandle Component, int32_t* SwapId);
WIREWRIGHT_PROC(SchApiQuery_AddObjectToContainer, int32_t, THostHandle Container, THostHandle Object);
WIREWRIGHT_PROC(SchApiQuery_DeleteObjectFromContainer, int32_t, THostHandle Container, THostHandle Object);
WIREWRIGHT_PROC(SchApiQuery_AddImplementationToComponent, THostHandle, THostHandle Component);
WIREWRIGHT_PROC(SchApiQuery_DeleteImplementationFromComponent, int32_t, THostHandle Component,
                THostHandle Implementation);
WIREWRIGHT_PROC(SchApiQuery_DestroyImplementation, void, THostHandle Implementation);

// Library handles, painting and component information.
WIREWRIGHT_PROC(SchAPI_GetCurrentLibraryHandle, THostHandle);
WIREWRIGHT_PROC(SchAPI_GetBoundingRect, void, THostHandle Object, int32_t* Left, int32_t* Bottom, int32_t* Right,
                int32_t* Top);
WIREWRIGHT_PROC(SchAPI_PartAvailableInLibrary, uint8_t, const char* LibReference);
WIREWRIGHT_PROC(SchAPI_CreateObject, THostHandle, uint8_t Kind, THostHandle Container);
WIREWRIGHT_PROC(SchApi_QueryComponentLibraryInfo, int32_t, THostHandle Part, char** LibraryName, char** LibReference,
                int32_t Size);
WIREWRIGHT_PROC(SchAPI_QuerySchematicPreferences, int32_t, uint8_t Mode, int32_t* Values, int32_t Count);
WIREWRIGHT_PROC(SchAPI_CreatePainter, THostHandle, THostHandle DeviceContext);
WIREWRIGHT_PROC(SchAPI_DrawComponent, void, THostHandle Painter, THostHandle Component, int32_t PartId,
                uint8_t DisplayMode, int32_t X, int32_t Y);
WIREWRIGHT_PROC(SchAPI_DrawComponentByHandle, void, THostHandle Painter, THostHandle Part, int32_t X, int32_t Y);
WIREWRIGHT_PROC(SchAPI_CreateCompInfoReader, THostHandle, const char* FileName);
WIREWRIGHT_PROC(SchAPI_GetCompInfoReaderCount, int32_t, THostHandle Reader);
WIREWRIGHT_PROC(SchAPI_GetCompInfoFromReader, int32_t, THostHandle Reader, int32_t Index, char** Name,
                char** Description, int32_t Size);
WIREWRIGHT_PROC(SchAPI_DestroyCompInfoReader, void, THostHandle Reader);

#undef WIREWRIGHT_PROC

static_assert(sizeof(THostHandle) == 4 && sizeof(TPoint) == 8 && sizeof(TObjectKindSet) == 8,
              "host records have fixed widths");

} // namespace wirewright
