// Wrappers of the schematic primitives Snapscribe captures. A wrapper holds the host handle of one object and a copy
// of its record (capture/SchAPITypes.h); Query reads the record from the host (mode 1) or writes it back (mode 0)
// through the bound functions of capture/SchProcs.h. Every wrapper starts with all fields zero and every text empty.
#pragma once

#include <array>
#include <cstdint>
#include <initializer_list>
#include <string>

#include "capture/SchAPITypes.h"
#include "capture/SchProcs.h"

namespace snapscribe {

// The text buffers a wrapper owns, allocated empty with it; the constructor points the record's text fields at
// them. One byte past each 256-character buffer stays zero, so a buffer is a terminated text whatever the host left.
template <size_t Count> class TOwnedTexts {
public:
    explicit TOwnedTexts(std::initializer_list<PSchText*> Fields) {
        auto Buffer = Buffers.begin();
        for (PSchText* Field : Fields)
            *Field = (Buffer++)->data();
    }

private:
    std::array<std::array<char, SchTextBufferSize + 1>, Count> Buffers{};
};

class TSchObject : public TSchObjectRecord {
public:
    explicit TSchObject(TSchHandle Handle = 0) : TSchObject(Handle, skNone) {}
    virtual ~TSchObject() = default;
    TSchObject(const TSchObject&) = delete;
    TSchObject& operator=(const TSchObject&) = delete;

    // The common query, SchAPI_QueryPrimitive; a read overwrites Kind with the host's object id, all 8 bits.
    virtual int32_t Query(uint8_t Mode);
    // All four -1 without a handle.
    virtual void GetBoundingRectangle(int32_t& X1, int32_t& Y1, int32_t& X2, int32_t& Y2);
    // True when the host says the user may have changed the object; the record is then read again.
    virtual bool ImportFromUser();
    virtual void Redraw();
    virtual TSchHandle GetHandle() const { return Handle; }
    virtual uint8_t GetKind() const { return Kind; }

protected:
    TSchObject(TSchHandle Handle, TSchKind Kind);
};

// Beziers, buses, polygons, polylines and wires. The vertex query keeps to the first SchMaxVertices vertices.
class TSchMultiVertexObject : public TSchObject, public TSchMultiVertexRecord {
public:
    // The vertex query only; answers 0.
    int32_t Query(uint8_t Mode) override;

protected:
    TSchMultiVertexObject(TSchHandle Handle, TSchKind Kind) : TSchObject(Handle, Kind) {}
};

class TArc final : public TSchObject, public TArcRecord {
public:
    explicit TArc(TSchHandle Handle = 0) : TSchObject(Handle, skArc) {}
    int32_t Query(uint8_t Mode) override;
};

// Multi-vertex kinds whose own call exchanges line width, colour and selection.
template <TSchKind ObjectKind, auto Entry> class TSchLineObject : public TSchMultiVertexObject {
public:
    explicit TSchLineObject(TSchHandle Handle = 0) : TSchMultiVertexObject(Handle, ObjectKind) {}
    int32_t Query(uint8_t Mode) override {
        TSchMultiVertexObject::Query(Mode);
        return SchQuery<Entry>(Mode, Handle, &LineWidth, &Color, &Selection);
    }
};

class TBezier final : public TSchLineObject<skBezier, &TSchApiTable::SchAPI_QueryBezier> {
public:
    using TSchLineObject::TSchLineObject;
};

class TBus final : public TSchLineObject<skBus, &TSchApiTable::SchAPI_QueryBus> {
public:
    using TSchLineObject::TSchLineObject;
};

class TWire final : public TSchLineObject<skWire, &TSchApiTable::SchAPI_QueryWire> {
public:
    using TSchLineObject::TSchLineObject;
};

class TBusEntry final : public TSchObject, public TBusEntryRecord {
public:
    explicit TBusEntry(TSchHandle Handle = 0) : TSchObject(Handle, skBusEntry) {}
    int32_t Query(uint8_t Mode) override;
};

class TText final : public TSchObject, public TTextRecord {
public:
    explicit TText(TSchHandle Handle = 0) : TSchObject(Handle, skText), Texts{&Text} {}
    int32_t Query(uint8_t Mode) override;

private:
    TOwnedTexts<1> Texts;
};

class TEllipse final : public TSchObject, public TEllipseRecord {
public:
    explicit TEllipse(TSchHandle Handle = 0) : TSchObject(Handle, skEllipse) {}
    int32_t Query(uint8_t Mode) override;
};

class TEllipticalArc final : public TSchObject, public TEllipticalArcRecord {
public:
    explicit TEllipticalArc(TSchHandle Handle = 0) : TSchObject(Handle, skEllipticalArc) {}
    int32_t Query(uint8_t Mode) override;
};

// Kinds with a location and one text, exchanged after colour and selection.
template <TSchKind ObjectKind, auto Entry> class TSchMarkerObject : public TSchObject, public TMarkerRecord {
public:
    explicit TSchMarkerObject(TSchHandle Handle = 0) : TSchObject(Handle, ObjectKind), Texts{&Text} {}
    int32_t Query(uint8_t Mode) override {
        TSchObject::Query(Mode);
        return SchQuery<Entry>(Mode, Handle, &X, &Y, &Color, &Selection, &Text);
    }

private:
    TOwnedTexts<1> Texts;
};

class TErrorMarker final : public TSchMarkerObject<skErrorMarker, &TSchApiTable::SchAPI_QueryErrorMarker> {
public:
    using TSchMarkerObject::TSchMarkerObject;
};

class TSimProbe final : public TSchMarkerObject<skSimProbe, &TSchApiTable::SchAPI_QuerySimProbe> {
public:
    using TSchMarkerObject::TSchMarkerObject;
};

class TSimStimulus final : public TSchMarkerObject<skSimStimulus, &TSchApiTable::SchAPI_QuerySimStimulus> {
public:
    using TSchMarkerObject::TSchMarkerObject;
};

class TSimVector final : public TSchMarkerObject<skSimVector, &TSchApiTable::SchAPI_QuerySimVector> {
public:
    using TSchMarkerObject::TSchMarkerObject;
};

class TImage final : public TSchObject, public TImageRecord {
public:
    explicit TImage(TSchHandle Handle = 0) : TSchObject(Handle, skImage), Texts{&FileName} {}
    int32_t Query(uint8_t Mode) override;

private:
    TOwnedTexts<1> Texts;
};

class TJunction final : public TSchObject, public TJunctionRecord {
public:
    explicit TJunction(TSchHandle Handle = 0) : TSchObject(Handle, skJunction) {}
    int32_t Query(uint8_t Mode) override;
};

// Annotations (free labels) and net labels.
template <TSchKind ObjectKind, auto Entry> class TSchLabelObject : public TSchObject, public TLabelRecord {
public:
    explicit TSchLabelObject(TSchHandle Handle = 0) : TSchObject(Handle, ObjectKind), Texts{&Text} {}
    int32_t Query(uint8_t Mode) override {
        TSchObject::Query(Mode);
        return SchQuery<Entry>(Mode, Handle, &X, &Y, &Orientation, &Color, &Attribute, &Selection, &Text);
    }

private:
    TOwnedTexts<1> Texts;
};

class TAnnotation final : public TSchLabelObject<skAnnotation, &TSchApiTable::SchAPI_QueryLabel> {
public:
    using TSchLabelObject::TSchLabelObject;
};

class TNetLabel final : public TSchLabelObject<skNetLabel, &TSchApiTable::SchAPI_QueryNetLabel> {
public:
    using TSchLabelObject::TSchLabelObject;
};

class TLayoutDirective final : public TSchObject, public TLayoutDirectiveRecord {
public:
    explicit TLayoutDirective(TSchHandle Handle = 0) : TSchObject(Handle, skLayoutDirective) {}
    int32_t Query(uint8_t Mode) override;
};

class TLine final : public TSchObject, public TLineRecord {
public:
    explicit TLine(TSchHandle Handle = 0) : TSchObject(Handle, skLine) {}
    int32_t Query(uint8_t Mode) override;
};

class TNoERC final : public TSchObject {
public:
    explicit TNoERC(TSchHandle Handle = 0) : TSchObject(Handle, skNoERC) {}
    int32_t Query(uint8_t Mode) override;
};

class TSchPart final : public TSchObject, public TSchPartRecord {
public:
    explicit TSchPart(TSchHandle Handle = 0);
    // The common query, SchAPI_QuerySchPart, then the unique id; answers SchAPI_QuerySchPart's result.
    int32_t Query(uint8_t Mode) override;
    // The text of a field of the part, read through a text wrapper: 17 designator, 18 to 33 descriptions 1 to 16,
    // 34 the further text, 35 part type; any other code reads the null handle.
    std::string ReadTextField(int FieldCode) const;

private:
    TOwnedTexts<4 + SchPartExtraTextCount> Texts;
};

class TPie final : public TSchObject, public TPieRecord {
public:
    explicit TPie(TSchHandle Handle = 0) : TSchObject(Handle, skPie) {}
    int32_t Query(uint8_t Mode) override;
};

class TPolygon final : public TSchMultiVertexObject, public TPolygonRecord {
public:
    explicit TPolygon(TSchHandle Handle = 0) : TSchMultiVertexObject(Handle, skPolygon) {}
    int32_t Query(uint8_t Mode) override;
};

class TPolyline final : public TSchMultiVertexObject, public TPolylineRecord {
public:
    explicit TPolyline(TSchHandle Handle = 0) : TSchMultiVertexObject(Handle, skPolyline) {}
    int32_t Query(uint8_t Mode) override;
};

class TPort final : public TSchObject, public TPortRecord {
public:
    explicit TPort(TSchHandle Handle = 0) : TSchObject(Handle, skPort), Texts{&Name} {}
    int32_t Query(uint8_t Mode) override;

private:
    TOwnedTexts<1> Texts;
};

class TPowerObject final : public TSchObject, public TPowerObjectRecord {
public:
    explicit TPowerObject(TSchHandle Handle = 0) : TSchObject(Handle, skPowerObject), Texts{&Text} {}
    int32_t Query(uint8_t Mode) override;

private:
    TOwnedTexts<1> Texts;
};

class TRectangle final : public TSchObject, public TRectangleRecord {
public:
    explicit TRectangle(TSchHandle Handle = 0) : TSchObject(Handle, skRectangle) {}
    int32_t Query(uint8_t Mode) override;
};

class TRoundRectangle final : public TSchObject, public TRoundRectangleRecord {
public:
    explicit TRoundRectangle(TSchHandle Handle = 0) : TSchObject(Handle, skRoundRectangle) {}
    int32_t Query(uint8_t Mode) override;
};

class TSymbol final : public TSchObject, public TSymbolRecord {
public:
    explicit TSymbol(TSchHandle Handle = 0) : TSchObject(Handle, skSymbol) {}
    int32_t Query(uint8_t Mode) override;
};

} // namespace snapscribe
