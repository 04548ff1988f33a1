// Wrappers of the sheet objects the router reads and writes. A wrapper holds a host handle and a copy of the object's
// record; `Query` exchanges the record with the host in one step: qmRead fills the fields from the host, qmWrite (and
// qmSend) sends them. Unused host values are kept, so that a read followed by a write changes nothing.
#pragma once

#include "hostkit/HostText.h"
#include "router/New_SchAPITypes.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

namespace wirewright {

// Count zero-terminated 256-byte text buffers, allocated empty. The host receives the address of their references,
// which lie next to each other, so an array of buffers is passed as the address of the first reference.
template <std::size_t Count> class TTextBuffers {
public:
    TTextBuffers() : Storage(new char[Count * HostTextSize]()) {
        for (std::size_t i = 0; i < Count; ++i)
            References[i] = &Storage[i * HostTextSize];
    }
    TTextBuffers(const TTextBuffers&) = delete;
    TTextBuffers& operator=(const TTextBuffers&) = delete;

    // The address the host calls receive.
    char** Address(std::size_t Index = 0) { return &References[Index]; }

    // The text, at most 255 characters, always terminated.
    const char* Data(std::size_t Index = 0) {
        Storage[Index * HostTextSize + HostTextSize - 1] = '\0';
        return References[Index];
    }
    std::string Text(std::size_t Index = 0) const {
        return hostkit::ToShortString(hostkit::TextFromHostBuffer(References[Index], HostTextSize));
    }

private:
    std::unique_ptr<char[]> Storage;
    std::array<char*, Count> References{};
};

using TTextBuffer = TTextBuffers<1>;

// Root of the sheet object wrappers.
class TSchObject {
public:
    explicit TSchObject(THostHandle AHandle) : TSchObject(AHandle, okUnknown) {}
    virtual ~TSchObject() = default;
    TSchObject(const TSchObject&) = delete;
    TSchObject& operator=(const TSchObject&) = delete;

    // Exchanges the record; the answer is the status of the last host call.
    virtual int32_t Query(uint8_t Mode);

    // The corners of the object's rectangle as the host reports them; all -1 when there is no handle.
    void GetBoundingRect(int32_t& X1, int32_t& Y1, int32_t& X2, int32_t& Y2) const;
    // Lets the user edit the object; re-reads the record when the host says it may have changed.
    bool ImportFromUser();
    void Redraw() const;
    THostHandle GetHandle() const { return Handle; }
    uint8_t GetKind() const { return Kind; }

    THostHandle Handle = 0;
    uint8_t Kind = okUnknown; // a read overwrites it with the object's own kind
    uint8_t Selection = 0;
    TPoint Location;
    int32_t Color = 0;
    int32_t GrafValue8 = 0;
    uint8_t GrafValue9 = 0;
    int32_t WorkspaceValue = 0;

protected:
    TSchObject(THostHandle AHandle, uint8_t AKind) : Handle(AHandle), Kind(AKind) {}
    int32_t QueryObject(uint8_t Mode);
};

// Objects made of vertices. Vertices[0] is the host's vertex 1.
class TSchAbstractPolyLineObject : public TSchObject {
public:
    explicit TSchAbstractPolyLineObject(THostHandle AHandle) : TSchObject(AHandle, okUnknown) {}

    // The vertex exchange only; answers 0.
    int32_t Query(uint8_t Mode) override;

    uint8_t WireValue = 0;
    int32_t VertexCount = 0; // 0 .. WireVertexLimit after a read; a write sends at most WireVertexLimit
    std::array<TPoint, WireVertexLimit> Vertices{};

protected:
    TSchAbstractPolyLineObject(THostHandle AHandle, uint8_t AKind) : TSchObject(AHandle, AKind) {}
    int32_t ExchangeVertices(uint8_t Mode);
};

class TSchWire : public TSchAbstractPolyLineObject {
public:
    explicit TSchWire(THostHandle AHandle) : TSchAbstractPolyLineObject(AHandle, okWire) {}
    int32_t Query(uint8_t Mode) override;
};

class TSchTextField : public TSchObject {
public:
    explicit TSchTextField(THostHandle AHandle) : TSchObject(AHandle, okText) {}
    int32_t Query(uint8_t Mode) override;

    uint8_t IsHidden = 0;
    int32_t Value6 = 0;
    TTextBuffer Text;
    uint8_t Value8 = 0;
};

class TSchJunction : public TSchObject {
public:
    explicit TSchJunction(THostHandle AHandle) : TSchObject(AHandle, okJunction) {}
    int32_t Query(uint8_t Mode) override;

    uint8_t Value5 = 0;
    uint8_t Value6 = 0;
};

class TSchPart : public TSchObject {
public:
    explicit TSchPart(THostHandle AHandle) : TSchObject(AHandle, okPart) {}
    // Answers the part query's status; the unique id is exchanged after it.
    int32_t Query(uint8_t Mode) override;

    std::string UniqueId = "$$$";
    uint8_t CompDisplayMode = 0;
    uint8_t IsMirrored = 0;
    uint8_t Orientation = 0; // quarter turns 0..3
    int32_t PartId = 0;
    uint8_t ShowHiddenFields = 0;
    uint8_t ShowHiddenPins = 0;
    TTextBuffer LibReference;
    TTextBuffer FootPrint;
    THostHandle Value19 = 0;
    THostHandle Value20 = 0;
    TTextBuffer Value14;
    int32_t Value15 = 0;
    std::array<THostHandle, 16> Value22{};
    TTextBuffers<8> Value16;
    TTextBuffer Value18;
    THostHandle Value21 = 0;
    uint8_t Value24 = 0;
    uint8_t Value25 = 0;
    int32_t Value26 = 0;
    int32_t Value28 = 0;
};

class TSchComponent : public TSchObject {
public:
    explicit TSchComponent(THostHandle AHandle) : TSchObject(AHandle, okUnknown) {}
    // The designator locks, then the component record; answers the second status.
    int32_t Query(uint8_t Mode) override;

    std::string Value3;
    uint8_t Value6 = 0;
    uint8_t Value7 = 0;
    int32_t Value9 = 0;
    int32_t Value10 = 0;
    uint8_t Value11 = 0;
    uint8_t Value13 = 1;
    uint8_t Value14 = 0;
    uint8_t ShowHiddenPins = 0;
    uint8_t DesignatorLock1 = 0;
    uint8_t DesignatorLock2 = 0;
    uint8_t Value16 = 0;
    std::string Value17;
    std::string Value18;
    std::string Value19;
    std::string Value20;
    std::string Value21;
    int32_t Value22 = 1;
    int32_t Value23 = 1;
    THostHandle DesignatorHandle = 0; // the part's designator text
    int32_t Value25 = 0;
    THostHandle ItemContainer = 0; // its group iterator yields the part's pins
};

// Also made with handle 0 and pointed at one pin after another by assigning Handle before each read.
class TSchPin : public TSchObject {
public:
    explicit TSchPin(THostHandle AHandle) : TSchObject(AHandle, okPin) {}
    int32_t Query(uint8_t Mode) override;

    std::string Value14;
    std::string Value13;
    uint8_t IsHidden = 0;
    uint8_t Value15 = 0;
    uint8_t Value16 = 0;
    uint8_t Value17 = 0;
    int32_t Value18 = 0;
    uint8_t Value19 = 0;
    int32_t Value9 = 0;
    uint8_t Value10 = 0;
    std::string Value11;
    std::string Value12;
    uint8_t Value21 = 0;
    uint8_t Value22 = 0;
    uint8_t Value23 = 0;
    uint8_t Value24 = 0;
    std::string Value25;
    std::string Value26;
    int32_t Value27 = 0;
};

// The options of one document. Not a sheet object: it is made from a document handle.
class TSchSheetOptions {
public:
    explicit TSchSheetOptions(THostHandle ADocumentHandle) : DocumentHandle(ADocumentHandle) {}
    TSchSheetOptions(const TSchSheetOptions&) = delete;
    TSchSheetOptions& operator=(const TSchSheetOptions&) = delete;

    // The document name, then the options; answers the options' status (1 without a call for document 0).
    int32_t Query(uint8_t Mode);

    THostHandle DocumentHandle = 0;
    TTextBuffer DocumentName;
    uint8_t Value3 = 0;
    uint8_t StyledTitleBlock = 0;
    uint8_t Value5 = 0;
    uint8_t Value6 = 0;
    uint8_t TitleBlockStyle = 0;
    int32_t Value8 = 0;
    uint8_t Value9 = 0;
    int32_t Value10 = 0;
    uint8_t SnapToGrid = 0;
    int32_t Value12 = 0;
    uint8_t Value13 = 0;
    int32_t GridSize = 0;
    uint8_t Value15 = 0;
    int32_t Value16 = 0;
    uint8_t Value17 = 0;
    uint8_t Value18 = 0;
    std::array<int32_t, 5> Values19To23{};
    TTextBuffers<8> Values24To31;
    int32_t Value32 = 0;
    int32_t Value33 = 0;
    TTextBuffer Value34;
    int32_t Value35 = 0;
};

} // namespace wirewright
