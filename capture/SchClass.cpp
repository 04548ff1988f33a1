#include "capture/SchClass.h"

#include <algorithm>

namespace snapscribe {

namespace {

// The highest index of the part's array arguments, as the host expects them after the array's address.
constexpr int32_t ExtraTextsHigh = SchPartExtraTextCount - 1;
constexpr int32_t DescriptionHandlesHigh = SchPartDescriptionCount - 1;

constexpr int DesignatorField = 17;
constexpr int FirstDescriptionField = 18;
constexpr int LastDescriptionField = FirstDescriptionField + SchPartDescriptionCount - 1;
constexpr int ExtraTextField = 34;
constexpr int PartTypeField = 35;

} // namespace

TSchObject::TSchObject(TSchHandle ObjectHandle, TSchKind ObjectKind) {
    Handle = ObjectHandle;
    Kind = ObjectKind;
}

int32_t TSchObject::Query(uint8_t Mode) {
    return SchQuery<&TSchApiTable::SchAPI_QueryPrimitive>(Mode, Handle, &Kind, &X, &Y, &Color, &Selection);
}

void TSchObject::GetBoundingRectangle(int32_t& X1, int32_t& Y1, int32_t& X2, int32_t& Y2) {
    X1 = Y1 = X2 = Y2 = -1;
    if (Handle != 0)
        SchAPI_GetObjectBoundingRectangle(Handle, &X1, &Y1, &X2, &Y2);
}

bool TSchObject::ImportFromUser() {
    const bool Changed = SchAPI_ImportFromUser(Handle);
    if (Changed)
        Query(qmRead);
    return Changed;
}

void TSchObject::Redraw() {
    if (Handle != 0)
        SchAPI_RedrawObject(Handle);
}

int32_t TSchMultiVertexObject::Query(uint8_t Mode) {
    // More vertices than the record holds: keep the first ones rather than write past the array.
    if (Mode == qmRead) {
        VertexCount = std::clamp(SchAPI_QueryVertexCount(qmRead, Handle, VertexCount), 0, SchMaxVertices);
    } else {
        VertexCount = std::clamp(VertexCount, 0, SchMaxVertices);
        SchAPI_QueryVertexCount(qmWrite, Handle, VertexCount);
    }
    const uint8_t VertexMode = Mode == qmRead ? qmRead : qmWrite;
    for (int32_t Index = 1; Index <= VertexCount; ++Index)
        SchAPI_QueryVertexAt(VertexMode, Handle, Index, &Vertices[Index - 1].X, &Vertices[Index - 1].Y);
    return 0;
}

int32_t TArc::Query(uint8_t Mode) {
    TSchObject::Query(Mode);
    return SchQuery<&TSchApiTable::SchAPI_QueryArc>(Mode, Handle, &X, &Y, &Radius, &LineWidth, StartAngle.Bytes,
                                                    EndAngle.Bytes, &Color, &Selection);
}

int32_t TBusEntry::Query(uint8_t Mode) {
    TSchObject::Query(Mode);
    return SchQuery<&TSchApiTable::SchAPI_QueryBusEntry>(Mode, Handle, &X, &Y, &CornerX, &CornerY, &LineWidth, &Color,
                                                         &Selection);
}

int32_t TText::Query(uint8_t Mode) {
    TSchObject::Query(Mode);
    return SchQuery<&TSchApiTable::SchAPI_QueryText>(Mode, Handle, &X, &Y, &Attribute1, &Attribute2, &Text, &Attribute3,
                                                     &Color, &Selection);
}

int32_t TEllipse::Query(uint8_t Mode) {
    TSchObject::Query(Mode);
    return SchQuery<&TSchApiTable::SchAPI_QueryEllipse>(Mode, Handle, &X, &Y, &Radius, &SecondaryRadius, &LineWidth,
                                                        &Color, &AreaColor, &IsSolid, &Selection);
}

int32_t TEllipticalArc::Query(uint8_t Mode) {
    TSchObject::Query(Mode);
    return SchQuery<&TSchApiTable::SchAPI_QueryEllipticalArc>(Mode, Handle, &X, &Y, &Radius, &SecondaryRadius,
                                                              &LineWidth, StartAngle.Bytes, EndAngle.Bytes, &Color,
                                                              &Selection);
}

int32_t TImage::Query(uint8_t Mode) {
    TSchObject::Query(Mode);
    return SchQuery<&TSchApiTable::SchAPI_QueryImage>(Mode, Handle, &X, &Y, &CornerX, &CornerY, &LineWidth, &Color,
                                                      &Selection, &IsSolid, &KeepAspect, &FileName);
}

int32_t TJunction::Query(uint8_t Mode) {
    TSchObject::Query(Mode);
    return SchQuery<&TSchApiTable::SchAPI_QueryJunction>(Mode, Handle, &X, &Y, &Size, &Attribute, &Color, &Selection);
}

int32_t TLayoutDirective::Query(uint8_t Mode) {
    TSchObject::Query(Mode);
    return SchQuery<&TSchApiTable::SchAPI_QueryLayoutDirective>(Mode, Handle, &RoutingTrackWidth, &RoutingViaWidth,
                                                                &NetTopology, &RoutingPriority, &Layer, &X, &Y, &Color,
                                                                &Selection);
}

int32_t TLine::Query(uint8_t Mode) {
    TSchObject::Query(Mode);
    return SchQuery<&TSchApiTable::SchAPI_QueryLine>(Mode, Handle, &X, &Y, &X2, &Y2, &LineWidth, &Attribute, &Color,
                                                     &Selection);
}

int32_t TNoERC::Query(uint8_t Mode) {
    TSchObject::Query(Mode);
    return SchQuery<&TSchApiTable::SchAPI_QueryNoERC>(Mode, Handle, &X, &Y, &Color, &Selection);
}

TSchPart::TSchPart(TSchHandle Handle)
    : TSchObject(Handle, skPart), Texts{&LibReference,  &FootPrint,     &ExtraText1,    &ExtraText2,
                                        &ExtraTexts[0], &ExtraTexts[1], &ExtraTexts[2], &ExtraTexts[3],
                                        &ExtraTexts[4], &ExtraTexts[5], &ExtraTexts[6], &ExtraTexts[7]} {}

int32_t TSchPart::Query(uint8_t Mode) {
    TSchObject::Query(Mode);
    const int32_t Result = SchQuery<&TSchApiTable::SchAPI_QuerySchPart>(
        Mode, Handle, &X, &Y, &CompDisplayMode, &IsMirrored, &Orientation, &Selection, &PartId, &ShowHiddenFields,
        &ShowHiddenPins, &LibReference, &FootPrint, &ExtraText1, &ExtraValue1, ExtraTexts, ExtraTextsHigh, &ExtraText2,
        &DesignatorHandle, &PartTypeHandle, &ExtraTextHandle, DescriptionHandles, DescriptionHandlesHigh, &ExtraByte1,
        &ExtraByte2, &ExtraValue2, &Color, &ExtraValue3);
    SchAPI_QuerySchPartUniqueId(Mode, Handle, UniqueId);
    return Result;
}

std::string TSchPart::ReadTextField(int FieldCode) const {
    TText Field;
    if (FieldCode == DesignatorField)
        Field.Handle = DesignatorHandle;
    else if (FieldCode >= FirstDescriptionField && FieldCode <= LastDescriptionField)
        Field.Handle = DescriptionHandles[FieldCode - FirstDescriptionField];
    else if (FieldCode == ExtraTextField)
        Field.Handle = ExtraTextHandle;
    else if (FieldCode == PartTypeField)
        Field.Handle = PartTypeHandle;
    Field.Query(qmRead);
    return TextFromHost(Field.Text);
}

int32_t TPie::Query(uint8_t Mode) {
    TSchObject::Query(Mode);
    return SchQuery<&TSchApiTable::SchAPI_QueryPie>(Mode, Handle, &X, &Y, &Radius, &LineWidth, StartAngle.Bytes,
                                                    EndAngle.Bytes, &Color, &AreaColor, &IsSolid, &Selection);
}

int32_t TPolygon::Query(uint8_t Mode) {
    TSchMultiVertexObject::Query(Mode);
    return SchQuery<&TSchApiTable::SchAPI_QueryPolygon>(Mode, Handle, &LineWidth, &Color, &AreaColor, &IsSolid,
                                                        &Selection);
}

int32_t TPolyline::Query(uint8_t Mode) {
    TSchMultiVertexObject::Query(Mode);
    return SchQuery<&TSchApiTable::SchAPI_QueryPolyline>(Mode, Handle, &LineWidth, &LineStyle, &Color, &Selection);
}

int32_t TPort::Query(uint8_t Mode) {
    TSchObject::Query(Mode);
    return SchQuery<&TSchApiTable::SchAPI_QueryPort>(Mode, Handle, &Style, &IOType, &Alignment, &Width, &X, &Y, &Color,
                                                     &AreaColor, &TextColor, &Selection, &Name);
}

int32_t TPowerObject::Query(uint8_t Mode) {
    TSchObject::Query(Mode);
    return SchQuery<&TSchApiTable::SchAPI_QueryPowerObject>(Mode, Handle, &Style, &X, &Y, &Orientation, &Color,
                                                            &Selection, &Text);
}

int32_t TRectangle::Query(uint8_t Mode) {
    TSchObject::Query(Mode);
    return SchQuery<&TSchApiTable::SchAPI_QueryRectangle>(Mode, Handle, &X, &Y, &CornerX, &CornerY, &LineWidth, &Color,
                                                          &AreaColor, &Selection, &IsSolid);
}

int32_t TRoundRectangle::Query(uint8_t Mode) {
    TSchObject::Query(Mode);
    return SchQuery<&TSchApiTable::SchAPI_QueryRoundRectangle>(Mode, Handle, &X, &Y, &CornerX, &CornerY, &CornerXRadius,
                                                               &CornerYRadius, &LineWidth, &Color, &AreaColor,
                                                               &Selection, &IsSolid);
}

int32_t TSymbol::Query(uint8_t Mode) {
    TSchObject::Query(Mode);
    return SchQuery<&TSchApiTable::SchAPI_QuerySymbol>(Mode, Handle, &Attribute2, &X, &Y, &Attribute3, &Attribute4,
                                                       &Attribute1, &Color, &Selection);
}

} // namespace snapscribe
