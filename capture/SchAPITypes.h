// The capture side of the schematic server's binary interface: the value types the host exchanges, the records of
// every primitive kind as the wrappers hold them, and the exact type of each host function Snapscribe calls.
// The simulated schematic server includes this header to prove that its exports match these types.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "platform/Abi.h"

namespace snapscribe {

// The host's opaque handle of a document, object or iterator; 0 means none.
using TSchHandle = uint32_t;

// A wrapper's text buffer: the host receives the address of this pointer and copies at most 255 characters and a
// terminating zero into the 256 characters it points to.
using PSchText = char*;
inline constexpr int SchTextBufferSize = 256;
inline constexpr int SchTextMaxLength = SchTextBufferSize - 1;

// A text the host left in a buffer: up to its first zero, never more than MaxLength characters, so that a buffer the
// host did not terminate is not overrun.
inline std::string TextFromHost(const char* Buffer, size_t MaxLength = SchTextMaxLength) {
    return std::string(Buffer, std::find(Buffer, Buffer + MaxLength, '\0'));
}

// The unique id passes through a buffer of its own size.
inline constexpr int SchUniqueIdBufferSize = 1024;

// Multi-vertex objects hold at most this many vertices.
inline constexpr int SchMaxVertices = 50;

// The part's description fields 1 to 16 and its eight passed-through text buffers.
inline constexpr int SchPartDescriptionCount = 16;
inline constexpr int SchPartExtraTextCount = 8;

// Query modes: 1 reads the record from the host, 0 writes it back, 2 writes like 0 (string conversions only).
enum TSchQueryMode : uint8_t { qmWrite = 0, qmRead = 1, qmWriteText = 2 };

// The host's one-byte kind codes of the primitives Snapscribe wraps. skNone is the kind of the base wrapper and the
// answer for an object whose id cannot be asked; no wrapper has it.
enum TSchKind : uint8_t {
    skArc = 1,
    skBezier = 2,
    skBus = 3,
    skBusEntry = 4,
    skText = 5,
    skEllipse = 6,
    skEllipticalArc = 7,
    skErrorMarker = 8,
    skImage = 9,
    skJunction = 10,
    skAnnotation = 11,
    skLayoutDirective = 12,
    skLine = 13,
    skNetLabel = 14,
    skNoERC = 15,
    skPart = 16,
    skPie = 36,
    skPolygon = 38,
    skPolyline = 39,
    skPort = 40,
    skPowerObject = 41,
    skRectangle = 43,
    skRoundRectangle = 44,
    skSimProbe = 47,
    skSimStimulus = 48,
    skSimVector = 49,
    skSymbol = 50,
    skWire = 54,
    skNone = 57,
};

// The host's 48-bit real, least significant byte first: byte 0 is the exponent biased by 129 (0 means the value 0),
// bytes 1 to 5 a 39-bit fraction with the sign in the top bit of byte 5.
struct TReal48 {
    uint8_t Bytes[6] = {};

    double ToDouble() const;
    // Rounds to the nearest representable value; magnitudes below the smallest become 0. Answers nothing for NaN,
    // infinities and magnitudes above the largest, which the format cannot hold.
    static std::optional<TReal48> FromDouble(double Value);

    friend bool operator==(const TReal48&, const TReal48&) = default;
};

// Header-only, so that a host that includes this header converts the same way without linking the plug-in.
namespace real48 {
inline constexpr int ExponentBias = 129;
inline constexpr int FractionBits = 39;
inline constexpr uint8_t SignBit = 0x80;
} // namespace real48

inline double TReal48::ToDouble() const {
    using namespace real48;
    if (Bytes[0] == 0)
        return 0.0;
    uint64_t Fraction = Bytes[5] & ~SignBit;
    for (int I = 4; I >= 1; --I)
        Fraction = (Fraction << 8) | Bytes[I];
    // 40 significant bits: exact in a double.
    const double Magnitude = std::ldexp(static_cast<double>((uint64_t{1} << FractionBits) | Fraction),
                                        Bytes[0] - ExponentBias - FractionBits);
    return (Bytes[5] & SignBit) ? -Magnitude : Magnitude;
}

inline std::optional<TReal48> TReal48::FromDouble(double Value) {
    using namespace real48;
    if (!std::isfinite(Value))
        return std::nullopt;
    TReal48 Result;
    if (Value == 0.0)
        return Result;
    int Exponent = 0;
    const double Half = std::frexp(std::fabs(Value), &Exponent); // |Value| = Half * 2^Exponent, Half in [0.5, 1)
    // The significand 1.f scaled to 40 bits, rounded to nearest (ties to even).
    uint64_t Significand = static_cast<uint64_t>(std::nearbyint(std::ldexp(Half, FractionBits + 1)));
    int Biased = Exponent - 1 + ExponentBias;
    if (Significand == (uint64_t{1} << (FractionBits + 1))) {
        Significand >>= 1;
        ++Biased;
    }
    if (Biased > 255)
        return std::nullopt;
    if (Biased < 1)
        return Result;
    Result.Bytes[0] = static_cast<uint8_t>(Biased);
    for (int I = 1; I <= 5; ++I)
        Result.Bytes[I] = static_cast<uint8_t>(Significand >> (8 * (I - 1)));
    Result.Bytes[5] &= ~SignBit; // drops the implicit leading 1
    if (Value < 0)
        Result.Bytes[5] |= SignBit;
    return Result;
}

struct TSchPoint {
    int32_t X = 0;
    int32_t Y = 0;
};

// Records: the fields of each wrapper in declared order, as the host reads and writes them. A wrapper class holds the
// common record and the record of its kind; see capture/SchClass.h.

struct TSchObjectRecord {
    TSchHandle Handle = 0;
    uint8_t Kind = 0;
    uint8_t Selection = 0;
    int32_t X = 0;
    int32_t Y = 0;
    int32_t Color = 0;
};

struct TSchMultiVertexRecord {
    uint8_t LineWidth = 0;
    int32_t VertexCount = 0;
    TSchPoint Vertices[SchMaxVertices] = {};
};

struct TArcRecord {
    uint8_t LineWidth = 0;
    int32_t Radius = 0;
    TReal48 StartAngle;
    TReal48 EndAngle;
};

struct TBusEntryRecord {
    uint8_t LineWidth = 0;
    int32_t CornerX = 0;
    int32_t CornerY = 0;
};

struct TTextRecord {
    uint8_t Attribute1 = 0;
    int32_t Attribute2 = 0;
    PSchText Text = nullptr;
    uint8_t Attribute3 = 0;
};

struct TEllipseRecord {
    uint8_t LineWidth = 0;
    int32_t Radius = 0;
    int32_t SecondaryRadius = 0;
    int32_t AreaColor = 0;
    uint8_t IsSolid = 0;
};

struct TEllipticalArcRecord {
    uint8_t LineWidth = 0;
    int32_t Radius = 0;
    int32_t SecondaryRadius = 0;
    TReal48 StartAngle;
    TReal48 EndAngle;
};

// Error markers and the three simulation objects carry one text each.
struct TMarkerRecord {
    PSchText Text = nullptr;
};

struct TImageRecord {
    uint8_t LineWidth = 0;
    int32_t CornerX = 0;
    int32_t CornerY = 0;
    uint8_t IsSolid = 0;
    uint8_t KeepAspect = 0;
    PSchText FileName = nullptr;
};

struct TJunctionRecord {
    uint8_t Size = 0;
    uint8_t Attribute = 0;
};

// Annotations (free labels) and net labels.
struct TLabelRecord {
    uint8_t Orientation = 0;
    int32_t Attribute = 0;
    PSchText Text = nullptr;
};

struct TLayoutDirectiveRecord {
    int32_t RoutingTrackWidth = 0;
    int32_t RoutingViaWidth = 0;
    uint8_t NetTopology = 0;
    uint8_t RoutingPriority = 0;
    uint8_t Layer = 0;
};

struct TLineRecord {
    uint8_t LineWidth = 0;
    int32_t X2 = 0;
    int32_t Y2 = 0;
    uint8_t Attribute = 0;
};

struct TPieRecord {
    uint8_t LineWidth = 0;
    int32_t Radius = 0;
    TReal48 StartAngle;
    TReal48 EndAngle;
    int32_t AreaColor = 0;
    uint8_t IsSolid = 0;
};

struct TPolygonRecord {
    int32_t AreaColor = 0;
    uint8_t IsSolid = 0;
};

struct TPolylineRecord {
    uint8_t LineStyle = 0;
};

struct TPortRecord {
    uint8_t Style = 0;
    uint8_t IOType = 0;
    uint8_t Alignment = 0;
    int32_t Width = 0;
    int32_t AreaColor = 0;
    int32_t TextColor = 0;
    PSchText Name = nullptr;
};

struct TPowerObjectRecord {
    uint8_t Style = 0;
    uint8_t Orientation = 0;
    PSchText Text = nullptr;
};

struct TRectangleRecord {
    uint8_t LineWidth = 0;
    int32_t CornerX = 0;
    int32_t CornerY = 0;
    int32_t AreaColor = 0;
    uint8_t IsSolid = 0;
};

struct TRoundRectangleRecord {
    uint8_t LineWidth = 0;
    int32_t CornerX = 0;
    int32_t CornerY = 0;
    int32_t CornerXRadius = 0;
    int32_t CornerYRadius = 0;
    int32_t AreaColor = 0;
    uint8_t IsSolid = 0;
};

struct TSymbolRecord {
    uint8_t Attribute1 = 0;
    uint8_t Attribute2 = 0;
    int32_t Attribute3 = 0;
    int32_t Attribute4 = 0;
};

struct TSchPartRecord {
    std::string UniqueId = "$$$"; // at most 255 characters
    uint8_t CompDisplayMode = 0;
    uint8_t IsMirrored = 0;
    uint8_t Orientation = 0;
    int32_t PartId = 0;
    uint8_t ShowHiddenFields = 0;
    uint8_t ShowHiddenPins = 0;
    PSchText LibReference = nullptr;
    PSchText FootPrint = nullptr;
    TSchHandle DesignatorHandle = 0;
    TSchHandle PartTypeHandle = 0;
    PSchText ExtraText1 = nullptr;
    int32_t ExtraValue1 = 0;
    TSchHandle DescriptionHandles[SchPartDescriptionCount] = {};
    PSchText ExtraTexts[SchPartExtraTextCount] = {};
    PSchText ExtraText2 = nullptr;
    TSchHandle ExtraTextHandle = 0;
    uint8_t ExtraByte1 = 0;
    uint8_t ExtraByte2 = 0;
    int32_t ExtraValue2 = 0;
    int32_t ExtraValue3 = 0;
};

// The host functions Snapscribe calls, with the host's argument order and widths. Every call uses the Windows
// standard calling convention; a byte argument occupies a full 32-bit slot.

using TSchAPI_GetCurrentDocumentHandle = TSchHandle(TESSELLON_STDCALL*)();
using TSchAPI_CreateIterator = TSchHandle(TESSELLON_STDCALL*)(TSchHandle Document, uint8_t Filter);
using TSchAPI_GetFirstObject = TSchHandle(TESSELLON_STDCALL*)(TSchHandle Iterator);
using TSchAPI_GetNextObject = TSchHandle(TESSELLON_STDCALL*)(TSchHandle Iterator);
using TSchAPI_DestroyIterator = int32_t(TESSELLON_STDCALL*)(TSchHandle Iterator);
using TSchAPI_GetObjectIdFromObjectHandle = uint8_t(TESSELLON_STDCALL*)(TSchHandle Object);
using TSchAPI_RedrawObject = void(TESSELLON_STDCALL*)(TSchHandle Object);
using TSchAPI_ImportFromUser = uint8_t(TESSELLON_STDCALL*)(TSchHandle Object);
using TSchAPI_GetObjectBoundingRectangle = void(TESSELLON_STDCALL*)(TSchHandle Object, int32_t* X1, int32_t* Y1,
                                                                    int32_t* X2, int32_t* Y2);

using TSchAPI_QueryVertexCount = int32_t(TESSELLON_STDCALL*)(uint8_t Mode, TSchHandle Object, int32_t Count);
using TSchAPI_QueryVertexAt = int32_t(TESSELLON_STDCALL*)(uint8_t Mode, TSchHandle Object, int32_t Index, int32_t* X,
                                                          int32_t* Y);
using TSchAPI_QuerySchPartUniqueId = int32_t(TESSELLON_STDCALL*)(uint8_t Mode, TSchHandle Part, char** Buffer,
                                                                 int32_t BufferSize);

using TSchAPI_QueryPrimitive = int32_t(TESSELLON_STDCALL*)(uint8_t Mode, TSchHandle Object, uint8_t* Kind, int32_t* X,
                                                           int32_t* Y, int32_t* Color, uint8_t* Selection);
using TSchAPI_QueryArc = int32_t(TESSELLON_STDCALL*)(uint8_t Mode, TSchHandle Object, int32_t* X, int32_t* Y,
                                                     int32_t* Radius, uint8_t* LineWidth, uint8_t* StartAngle,
                                                     uint8_t* EndAngle, int32_t* Color, uint8_t* Selection);
// Beziers, buses and wires.
using TSchAPI_QueryLineObject = int32_t(TESSELLON_STDCALL*)(uint8_t Mode, TSchHandle Object, uint8_t* LineWidth,
                                                            int32_t* Color, uint8_t* Selection);
using TSchAPI_QueryBezier = TSchAPI_QueryLineObject;
using TSchAPI_QueryBus = TSchAPI_QueryLineObject;
using TSchAPI_QueryWire = TSchAPI_QueryLineObject;
using TSchAPI_QueryBusEntry = int32_t(TESSELLON_STDCALL*)(uint8_t Mode, TSchHandle Object, int32_t* X, int32_t* Y,
                                                          int32_t* CornerX, int32_t* CornerY, uint8_t* LineWidth,
                                                          int32_t* Color, uint8_t* Selection);
using TSchAPI_QueryText = int32_t(TESSELLON_STDCALL*)(uint8_t Mode, TSchHandle Object, int32_t* X, int32_t* Y,
                                                      uint8_t* Attribute1, int32_t* Attribute2, PSchText* Text,
                                                      uint8_t* Attribute3, int32_t* Color, uint8_t* Selection);
using TSchAPI_QueryEllipse = int32_t(TESSELLON_STDCALL*)(uint8_t Mode, TSchHandle Object, int32_t* X, int32_t* Y,
                                                         int32_t* Radius, int32_t* SecondaryRadius, uint8_t* LineWidth,
                                                         int32_t* Color, int32_t* AreaColor, uint8_t* IsSolid,
                                                         uint8_t* Selection);
using TSchAPI_QueryEllipticalArc = int32_t(TESSELLON_STDCALL*)(uint8_t Mode, TSchHandle Object, int32_t* X, int32_t* Y,
                                                               int32_t* Radius, int32_t* SecondaryRadius,
                                                               uint8_t* LineWidth, uint8_t* StartAngle,
                                                               uint8_t* EndAngle, int32_t* Color, uint8_t* Selection);
// Error markers, simulation probes, stimuli and vectors.
using TSchAPI_QueryMarker = int32_t(TESSELLON_STDCALL*)(uint8_t Mode, TSchHandle Object, int32_t* X, int32_t* Y,
                                                        int32_t* Color, uint8_t* Selection, PSchText* Text);
using TSchAPI_QueryErrorMarker = TSchAPI_QueryMarker;
using TSchAPI_QuerySimProbe = TSchAPI_QueryMarker;
using TSchAPI_QuerySimStimulus = TSchAPI_QueryMarker;
using TSchAPI_QuerySimVector = TSchAPI_QueryMarker;
using TSchAPI_QueryImage = int32_t(TESSELLON_STDCALL*)(uint8_t Mode, TSchHandle Object, int32_t* X, int32_t* Y,
                                                       int32_t* CornerX, int32_t* CornerY, uint8_t* LineWidth,
                                                       int32_t* Color, uint8_t* Selection, uint8_t* IsSolid,
                                                       uint8_t* KeepAspect, PSchText* FileName);
using TSchAPI_QueryJunction = int32_t(TESSELLON_STDCALL*)(uint8_t Mode, TSchHandle Object, int32_t* X, int32_t* Y,
                                                          uint8_t* Size, uint8_t* Attribute, int32_t* Color,
                                                          uint8_t* Selection);
// Annotations (SchAPI_QueryLabel) and net labels.
using TSchAPI_QueryLabelObject = int32_t(TESSELLON_STDCALL*)(uint8_t Mode, TSchHandle Object, int32_t* X, int32_t* Y,
                                                             uint8_t* Orientation, int32_t* Color, int32_t* Attribute,
                                                             uint8_t* Selection, PSchText* Text);
using TSchAPI_QueryLabel = TSchAPI_QueryLabelObject;
using TSchAPI_QueryNetLabel = TSchAPI_QueryLabelObject;
using TSchAPI_QueryLayoutDirective = int32_t(TESSELLON_STDCALL*)(uint8_t Mode, TSchHandle Object,
                                                                 int32_t* RoutingTrackWidth, int32_t* RoutingViaWidth,
                                                                 uint8_t* NetTopology, uint8_t* RoutingPriority,
                                                                 uint8_t* Layer, int32_t* X, int32_t* Y, int32_t* Color,
                                                                 uint8_t* Selection);
using TSchAPI_QueryLine = int32_t(TESSELLON_STDCALL*)(uint8_t Mode, TSchHandle Object, int32_t* X, int32_t* Y,
                                                      int32_t* X2, int32_t* Y2, uint8_t* LineWidth, uint8_t* Attribute,
                                                      int32_t* Color, uint8_t* Selection);
using TSchAPI_QueryNoERC = int32_t(TESSELLON_STDCALL*)(uint8_t Mode, TSchHandle Object, int32_t* X, int32_t* Y,
                                                       int32_t* Color, uint8_t* Selection);
using TSchAPI_QuerySchPart = int32_t(TESSELLON_STDCALL*)(
    uint8_t Mode, TSchHandle Object, int32_t* X, int32_t* Y, uint8_t* CompDisplayMode, uint8_t* IsMirrored,
    uint8_t* Orientation, uint8_t* Selection, int32_t* PartId, uint8_t* ShowHiddenFields, uint8_t* ShowHiddenPins,
    PSchText* LibReference, PSchText* FootPrint, PSchText* ExtraText1, int32_t* ExtraValue1, PSchText* ExtraTexts,
    int32_t ExtraTextsHigh, PSchText* ExtraText2, TSchHandle* DesignatorHandle, TSchHandle* PartTypeHandle,
    TSchHandle* ExtraTextHandle, TSchHandle* DescriptionHandles, int32_t DescriptionHandlesHigh, uint8_t* ExtraByte1,
    uint8_t* ExtraByte2, int32_t* ExtraValue2, int32_t* Color, int32_t* ExtraValue3);
using TSchAPI_QueryPie = int32_t(TESSELLON_STDCALL*)(uint8_t Mode, TSchHandle Object, int32_t* X, int32_t* Y,
                                                     int32_t* Radius, uint8_t* LineWidth, uint8_t* StartAngle,
                                                     uint8_t* EndAngle, int32_t* Color, int32_t* AreaColor,
                                                     uint8_t* IsSolid, uint8_t* Selection);
using TSchAPI_QueryPolygon = int32_t(TESSELLON_STDCALL*)(uint8_t Mode, TSchHandle Object, uint8_t* LineWidth,
                                                         int32_t* Color, int32_t* AreaColor, uint8_t* IsSolid,
                                                         uint8_t* Selection);
using TSchAPI_QueryPolyline = int32_t(TESSELLON_STDCALL*)(uint8_t Mode, TSchHandle Object, uint8_t* LineWidth,
                                                          uint8_t* LineStyle, int32_t* Color, uint8_t* Selection);
using TSchAPI_QueryPort = int32_t(TESSELLON_STDCALL*)(uint8_t Mode, TSchHandle Object, uint8_t* Style, uint8_t* IOType,
                                                      uint8_t* Alignment, int32_t* Width, int32_t* X, int32_t* Y,
                                                      int32_t* Color, int32_t* AreaColor, int32_t* TextColor,
                                                      uint8_t* Selection, PSchText* Name);
using TSchAPI_QueryPowerObject = int32_t(TESSELLON_STDCALL*)(uint8_t Mode, TSchHandle Object, uint8_t* Style,
                                                             int32_t* X, int32_t* Y, uint8_t* Orientation,
                                                             int32_t* Color, uint8_t* Selection, PSchText* Text);
using TSchAPI_QueryRectangle = int32_t(TESSELLON_STDCALL*)(uint8_t Mode, TSchHandle Object, int32_t* X, int32_t* Y,
                                                           int32_t* CornerX, int32_t* CornerY, uint8_t* LineWidth,
                                                           int32_t* Color, int32_t* AreaColor, uint8_t* Selection,
                                                           uint8_t* IsSolid);
using TSchAPI_QueryRoundRectangle = int32_t(TESSELLON_STDCALL*)(uint8_t Mode, TSchHandle Object, int32_t* X, int32_t* Y,
                                                                int32_t* CornerX, int32_t* CornerY,
                                                                int32_t* CornerXRadius, int32_t* CornerYRadius,
                                                                uint8_t* LineWidth, int32_t* Color, int32_t* AreaColor,
                                                                uint8_t* Selection, uint8_t* IsSolid);
using TSchAPI_QuerySymbol = int32_t(TESSELLON_STDCALL*)(uint8_t Mode, TSchHandle Object, uint8_t* Attribute2,
                                                        int32_t* X, int32_t* Y, int32_t* Attribute3,
                                                        int32_t* Attribute4, uint8_t* Attribute1, int32_t* Color,
                                                        uint8_t* Selection);

// An exported name Snapscribe binds but never calls: only whether it was found matters.
using TSchApiEntry = void(TESSELLON_STDCALL*)();

// Widths the host relies on.
static_assert(sizeof(TSchHandle) == 4);
static_assert(sizeof(TReal48) == 6 && alignof(TReal48) == 1);
static_assert(sizeof(TSchPoint) == 8 && offsetof(TSchPoint, Y) == 4);

// Declared order, with the natural alignment of the fields.
static_assert(offsetof(TSchObjectRecord, Kind) == 4 && offsetof(TSchObjectRecord, Selection) == 5 &&
              offsetof(TSchObjectRecord, X) == 8 && offsetof(TSchObjectRecord, Color) == 16);
static_assert(offsetof(TSchMultiVertexRecord, VertexCount) == 4 && offsetof(TSchMultiVertexRecord, Vertices) == 8 &&
              sizeof(TSchMultiVertexRecord) == 8 + 8 * SchMaxVertices);
static_assert(offsetof(TArcRecord, Radius) == 4 && offsetof(TArcRecord, StartAngle) == 8 &&
              offsetof(TArcRecord, EndAngle) == 14);
static_assert(offsetof(TBusEntryRecord, CornerX) == 4 && offsetof(TBusEntryRecord, CornerY) == 8);
static_assert(offsetof(TTextRecord, Attribute2) == 4 && offsetof(TTextRecord, Text) == 8 &&
              offsetof(TTextRecord, Attribute3) == 8 + sizeof(PSchText));
static_assert(offsetof(TEllipseRecord, Radius) == 4 && offsetof(TEllipseRecord, AreaColor) == 12 &&
              offsetof(TEllipseRecord, IsSolid) == 16);
static_assert(offsetof(TEllipticalArcRecord, SecondaryRadius) == 8 &&
              offsetof(TEllipticalArcRecord, StartAngle) == 12 && offsetof(TEllipticalArcRecord, EndAngle) == 18);
static_assert(offsetof(TImageRecord, CornerY) == 8 && offsetof(TImageRecord, IsSolid) == 12 &&
              offsetof(TImageRecord, KeepAspect) == 13 && offsetof(TImageRecord, FileName) == 16);
static_assert(offsetof(TJunctionRecord, Attribute) == 1 && sizeof(TJunctionRecord) == 2);
static_assert(offsetof(TLabelRecord, Attribute) == 4 && offsetof(TLabelRecord, Text) == 8);
static_assert(offsetof(TLayoutDirectiveRecord, RoutingViaWidth) == 4 &&
              offsetof(TLayoutDirectiveRecord, NetTopology) == 8 && offsetof(TLayoutDirectiveRecord, Layer) == 10);
static_assert(offsetof(TLineRecord, X2) == 4 && offsetof(TLineRecord, Y2) == 8 &&
              offsetof(TLineRecord, Attribute) == 12);
static_assert(offsetof(TPieRecord, StartAngle) == 8 && offsetof(TPieRecord, EndAngle) == 14 &&
              offsetof(TPieRecord, AreaColor) == 20 && offsetof(TPieRecord, IsSolid) == 24);
static_assert(offsetof(TPolygonRecord, IsSolid) == 4);
static_assert(offsetof(TPortRecord, IOType) == 1 && offsetof(TPortRecord, Alignment) == 2 &&
              offsetof(TPortRecord, Width) == 4 && offsetof(TPortRecord, TextColor) == 12 &&
              offsetof(TPortRecord, Name) == 16);
static_assert(offsetof(TPowerObjectRecord, Orientation) == 1 && offsetof(TPowerObjectRecord, Text) == sizeof(PSchText));
static_assert(offsetof(TRectangleRecord, AreaColor) == 12 && offsetof(TRectangleRecord, IsSolid) == 16);
static_assert(offsetof(TRoundRectangleRecord, CornerYRadius) == 16 &&
              offsetof(TRoundRectangleRecord, AreaColor) == 20 && offsetof(TRoundRectangleRecord, IsSolid) == 24);
static_assert(offsetof(TSymbolRecord, Attribute2) == 1 && offsetof(TSymbolRecord, Attribute3) == 4 &&
              offsetof(TSymbolRecord, Attribute4) == 8);
static_assert(offsetof(TSchPartRecord, CompDisplayMode) < offsetof(TSchPartRecord, IsMirrored) &&
              offsetof(TSchPartRecord, Orientation) < offsetof(TSchPartRecord, PartId) &&
              offsetof(TSchPartRecord, PartId) < offsetof(TSchPartRecord, ShowHiddenFields) &&
              offsetof(TSchPartRecord, ShowHiddenPins) < offsetof(TSchPartRecord, LibReference) &&
              offsetof(TSchPartRecord, FootPrint) < offsetof(TSchPartRecord, DesignatorHandle) &&
              offsetof(TSchPartRecord, PartTypeHandle) < offsetof(TSchPartRecord, ExtraText1) &&
              offsetof(TSchPartRecord, ExtraValue1) < offsetof(TSchPartRecord, DescriptionHandles) &&
              offsetof(TSchPartRecord, DescriptionHandles) < offsetof(TSchPartRecord, ExtraTexts) &&
              offsetof(TSchPartRecord, ExtraText2) < offsetof(TSchPartRecord, ExtraTextHandle) &&
              offsetof(TSchPartRecord, ExtraByte2) < offsetof(TSchPartRecord, ExtraValue2) &&
              offsetof(TSchPartRecord, ExtraValue2) < offsetof(TSchPartRecord, ExtraValue3));

} // namespace snapscribe
