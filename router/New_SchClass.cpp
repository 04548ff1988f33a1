#include "router/New_SchClass.h"

#include "hostkit/HostText.h"
#include "router/New_SchProcs.h"

#include <algorithm>
#include <initializer_list>
#include <vector>

namespace wirewright {

namespace {

// Counted strings cross the host boundary through 1024-byte buffers of their own: each string is copied in before
// the call (so a read that the host does not answer keeps the string), and a read copies each buffer back, cut to
// 255 characters, after it.
class TStringExchange {
public:
    TStringExchange(uint8_t Mode, std::initializer_list<std::string*> Strings)
        : Reading(Mode == qmRead), Targets(Strings), Storage(Targets.size() * HostStringSize, '\0'),
          References(Targets.size()) {
        for (std::size_t i = 0; i < Targets.size(); ++i) {
            References[i] = &Storage[i * HostStringSize];
            hostkit::CopyToHostBuffer(References[i], HostStringSize, hostkit::ToShortString(*Targets[i]));
        }
    }

    char** Address(std::size_t Index) { return &References[Index]; }

    void CopyBack() {
        if (!Reading)
            return;
        for (std::size_t i = 0; i < Targets.size(); ++i)
            *Targets[i] = hostkit::ToShortString(hostkit::TextFromHostBuffer(References[i], HostStringSize));
    }

private:
    bool Reading;
    std::vector<std::string*> Targets;
    std::vector<char> Storage;
    std::vector<char*> References;
};

} // namespace

int32_t TSchObject::Query(uint8_t Mode) {
    return QueryObject(Mode);
}

int32_t TSchObject::QueryObject(uint8_t Mode) {
    const int32_t Status = SchAPIQuery_GrafObject(Mode, Handle, &Kind, &Location.X, &Location.Y, &Color, &Selection,
                                                  &GrafValue8, &GrafValue9);
    if (Status == 1)
        return Status;
    return SchAPIQuery_WorkspaceObject(Mode, Handle, &WorkspaceValue);
}

void TSchObject::GetBoundingRect(int32_t& X1, int32_t& Y1, int32_t& X2, int32_t& Y2) const {
    X1 = Y1 = X2 = Y2 = -1;
    if (Handle != 0)
        SchAPI_GetObjectBoundingRectangle(Handle, &X1, &Y1, &X2, &Y2);
}

bool TSchObject::ImportFromUser() {
    const bool Changed = SchAPI_ImportFromUser(Handle) != 0;
    if (Changed)
        Query(qmRead);
    return Changed;
}

void TSchObject::Redraw() const {
    if (Handle != 0)
        SchAPI_RedrawObject(Handle);
}

int32_t TSchAbstractPolyLineObject::Query(uint8_t Mode) {
    return ExchangeVertices(Mode);
}

// The count is kept within the wrapper's array both ways, so neither a host with more vertices nor a writer's
// count beyond the limit makes the exchange go past the last vertex.
int32_t TSchAbstractPolyLineObject::ExchangeVertices(uint8_t Mode) {
    if (Mode == qmRead)
        VertexCount = SchAPI_QueryVertexCount(qmRead, Handle, VertexCount);
    VertexCount = std::clamp(VertexCount, 0, WireVertexLimit);
    if (Mode != qmRead)
        SchAPI_QueryVertexCount(qmWrite, Handle, VertexCount);
    const uint8_t VertexMode = Mode == qmRead ? qmRead : qmWrite;
    for (int32_t i = 1; i <= VertexCount; ++i)
        SchAPI_QueryVertexAt(VertexMode, Handle, i, &Vertices[i - 1].X, &Vertices[i - 1].Y);
    return 0;
}

int32_t TSchWire::Query(uint8_t Mode) {
    ExchangeVertices(Mode);
    return SchAPI_QueryWire(Mode, Handle, &WireValue, &Color, &Selection);
}

int32_t TSchTextField::Query(uint8_t Mode) {
    QueryObject(Mode);
    return SchAPI_QueryText(Mode, Handle, &Location.X, &Location.Y, &IsHidden, &Value6, Text.Address(), &Value8, &Color,
                            &Selection);
}

int32_t TSchJunction::Query(uint8_t Mode) {
    QueryObject(Mode);
    return SchAPI_QueryJunction(Mode, Handle, &Location.X, &Location.Y, &Value5, &Value6, &Color, &Selection);
}

int32_t TSchPart::Query(uint8_t Mode) {
    QueryObject(Mode);
    const int32_t Status = SchAPI_QuerySchPart(
        Mode, Handle, &Location.X, &Location.Y, &CompDisplayMode, &IsMirrored, &Orientation, &Selection, &PartId,
        &ShowHiddenFields, &ShowHiddenPins, LibReference.Address(), FootPrint.Address(), Value14.Address(), &Value15,
        Value16.Address(), int32_t{7}, Value18.Address(), &Value19, &Value20, &Value21, Value22.data(), int32_t{15},
        &Value24, &Value25, &Value26, &Color, &Value28);
    TStringExchange Id(Mode, {&UniqueId});
    SchAPI_QuerySchPartUniqueId(Mode, Handle, Id.Address(0), HostStringSize);
    Id.CopyBack();
    return Status;
}

int32_t TSchComponent::Query(uint8_t Mode) {
    SchAPIQuery_ComponentDesignatorLocks(Mode, Handle, &DesignatorLock1, &DesignatorLock2);
    TStringExchange S(Mode, {&Value3, &Value17, &Value18, &Value19, &Value20, &Value21});
    const int32_t Status = SchApiQuery_SchComponent(
        Mode, Handle, S.Address(0), &Location.X, &Location.Y, &Value6, &Value7, &Color, &Value9, &Value10, &Value11,
        &Selection, &Value13, &Value14, &ShowHiddenPins, &Value16, S.Address(1), S.Address(2), S.Address(3),
        S.Address(4), S.Address(5), &Value22, &Value23, &DesignatorHandle, &Value25, &ItemContainer);
    S.CopyBack();
    return Status;
}

int32_t TSchPin::Query(uint8_t Mode) {
    QueryObject(Mode);
    TStringExchange S(Mode, {&Value11, &Value12, &Value13, &Value14, &Value25, &Value26});
    const int32_t Status = SchAPIQuery_Pin(
        Mode, Handle, &Location.X, &Location.Y, &Color, &Selection, &GrafValue8, &GrafValue9, &Value9, &Value10,
        S.Address(0), S.Address(1), S.Address(2), S.Address(3), &Value15, &Value16, &Value17, &Value18, &Value19,
        &IsHidden, &Value21, &Value22, &Value23, &Value24, S.Address(4), S.Address(5), &Value27);
    S.CopyBack();
    return Status;
}

int32_t TSchSheetOptions::Query(uint8_t Mode) {
    SchAPI_QueryDocumentName(Mode, DocumentHandle, DocumentName.Address(), HostTextSize);
    int32_t* V = Values19To23.data();
    return SchAPI_QueryDocumentOptions(
        Mode, DocumentHandle, &Value3, &StyledTitleBlock, &Value5, &Value6, &TitleBlockStyle, &Value8, &Value9,
        &Value10, &SnapToGrid, &Value12, &Value13, &GridSize, &Value15, &Value16, &Value17, &Value18, &V[0], &V[1],
        &V[2], &V[3], &V[4], Values24To31.Address(0), Values24To31.Address(1), Values24To31.Address(2),
        Values24To31.Address(3), Values24To31.Address(4), Values24To31.Address(5), Values24To31.Address(6),
        Values24To31.Address(7), &Value32, &Value33, Value34.Address(), &Value35);
}

} // namespace wirewright
