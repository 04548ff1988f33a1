// Parts as the two plug-ins see them: the part record with its texts by handle, the component record with its
// item container, the designator locks, the unique id and the pins.
#include <algorithm>
#include <tuple>

#include "hostsim/plexa/ExportSupport.h"
#include "hostsim/plexa/PartPlacer.h"
#include "hostsim/plexa/SchApi.h"

using namespace hostsim;

namespace {

auto libraryKey(const PartRecord& record) {
    return std::make_tuple(record.libReference, record.partId, record.compDisplayMode);
}

// Exchanges a part record through `body` (which takes the new location into `at`); a write then carries pins,
// texts and body along to the new placement, and takes the pins anew when the library part changed.
template <typename Body> int32_t queryPart(uint8_t mode, uint32_t handle, Body&& body) noexcept {
    return query(mode, handle, {Kind::Part}, [&](const Exchange& exchange, SheetObject& part) {
        completeTexts(part);
        const Placement before = Placement::of(part);
        const auto keyBefore = libraryKey(*part.part);
        Point at = part.location;
        body(exchange, part, *part.part, at);
        if (exchange.reading())
            return;
        part.location = at;
        movePart(part, before);
        if (libraryKey(*part.part) != keyBefore && part.document)
            replacePins(part, part.document->library());
    });
}

int32_t highestIndex(int32_t high, int count) {
    return std::min(high, count - 1);
}

} // namespace

PLEXA_EXPORT int32_t TESSELLON_STDCALL SchAPI_QuerySchPart(
    uint8_t Mode, uint32_t Part, int32_t* X, int32_t* Y, uint8_t* CompDisplayMode, uint8_t* IsMirrored,
    uint8_t* Orientation, uint8_t* Selection, int32_t* PartId, uint8_t* ShowHiddenFields, uint8_t* ShowHiddenPins,
    char** LibReference, char** FootPrint, char** ExtraText1, int32_t* ExtraValue1, char** ExtraTexts,
    int32_t ExtraTextsHigh, char** ExtraText2, uint32_t* DesignatorHandle, uint32_t* PartTypeHandle,
    uint32_t* ExtraTextHandle, uint32_t* DescriptionHandles, int32_t DescriptionHandlesHigh, uint8_t* ExtraByte1,
    uint8_t* ExtraByte2, int32_t* ExtraValue2, int32_t* Color, int32_t* ExtraValue3) {
    return queryPart(Mode, Part, [&](const Exchange& exchange, SheetObject& part, PartRecord& record, Point& at) {
        exchange.value(at.x, X);
        exchange.value(at.y, Y);
        exchange.value(record.compDisplayMode, CompDisplayMode);
        exchange.value(record.isMirrored, IsMirrored);
        exchange.value(record.orientation, Orientation);
        exchange.value(part.selection, Selection);
        exchange.value(record.partId, PartId);
        exchange.value(record.showHiddenFields, ShowHiddenFields);
        exchange.value(record.showHiddenPins, ShowHiddenPins);
        exchange.text(record.libReference, LibReference);
        exchange.text(record.footprint, FootPrint);
        exchange.text(record.extraText1, ExtraText1);
        exchange.value(record.extraValue1, ExtraValue1);
        for (int32_t i = 0; ExtraTexts && i <= highestIndex(ExtraTextsHigh, PartExtraTextCount); ++i)
            exchange.text(record.extraTexts[i], &ExtraTexts[i]);
        exchange.text(record.extraText2, ExtraText2);
        exchange.readOnly(record.designator->handle, DesignatorHandle);
        exchange.readOnly(record.partType->handle, PartTypeHandle);
        exchange.readOnly(record.comment->handle, ExtraTextHandle);
        for (int32_t i = 0; DescriptionHandles && i <= highestIndex(DescriptionHandlesHigh, PartDescriptionCount); ++i)
            exchange.readOnly(record.descriptions[i]->handle, &DescriptionHandles[i]);
        exchange.value(record.extraByte1, ExtraByte1);
        exchange.value(record.extraByte2, ExtraByte2);
        exchange.value(record.extraValue2, ExtraValue2);
        exchange.value(part.color, Color);
        exchange.value(record.extraValue3, ExtraValue3);
    });
}

PLEXA_EXPORT int32_t TESSELLON_STDCALL SchAPI_QuerySchPartUniqueId(uint8_t Mode, uint32_t Part, char** Buffer,
                                                                   int32_t Size) {
    return query(Mode, Part, {Kind::Part}, [&](const Exchange& exchange, SheetObject& part) {
        exchange.text(part.part->uniqueId, Buffer, Size);
    });
}

PLEXA_EXPORT int32_t TESSELLON_STDCALL SchApiQuery_UniqueId(uint8_t Mode, uint32_t Object, char** Buffer,
                                                            int32_t Size) {
    return SchAPI_QuerySchPartUniqueId(Mode, Object, Buffer, Size);
}

PLEXA_EXPORT int32_t TESSELLON_STDCALL SchApiQuery_SchComponent(
    uint8_t Mode, uint32_t Component, char** LibraryPath, int32_t* X, int32_t* Y, uint8_t* PinsMoveable,
    uint8_t* OverrideColors, int32_t* Color, int32_t* AreaColor, int32_t* PinColor, uint8_t* GraphicallyLocked,
    uint8_t* Selection, uint8_t* ShowPinNames, uint8_t* ShowPinNumbers, uint8_t* ShowHiddenPins,
    uint8_t* UserConfigurable, char** Description, char** LibraryName, char** DesignItemId, char** SymbolReference,
    char** Configuration, int32_t* PartId, int32_t* PartCount, uint32_t* DesignatorHandle, int32_t* VariantOption,
    uint32_t* ItemContainer) {
    return queryPart(Mode, Component, [&](const Exchange& exchange, SheetObject& part, PartRecord& record, Point& at) {
        ComponentRecord& component = record.component;
        exchange.text(component.libraryPath, LibraryPath, HostStringSize);
        exchange.value(at.x, X);
        exchange.value(at.y, Y);
        exchange.value(component.pinsMoveable, PinsMoveable);
        exchange.value(component.overrideColors, OverrideColors);
        exchange.value(part.color, Color);
        exchange.value(component.areaColor, AreaColor);
        exchange.value(component.pinColor, PinColor);
        exchange.value(component.graphicallyLocked, GraphicallyLocked);
        exchange.value(part.selection, Selection);
        exchange.value(component.showPinNames, ShowPinNames);
        exchange.value(component.showPinNumbers, ShowPinNumbers);
        exchange.value(record.showHiddenPins, ShowHiddenPins);
        exchange.value(component.userConfigurable, UserConfigurable);
        exchange.text(component.description, Description, HostStringSize);
        exchange.text(component.libraryName, LibraryName, HostStringSize);
        exchange.text(component.designItemId, DesignItemId, HostStringSize);
        exchange.text(component.symbolReference, SymbolReference, HostStringSize);
        exchange.text(component.configuration, Configuration, HostStringSize);
        exchange.value(record.partId, PartId);
        exchange.value(component.partCount, PartCount);
        exchange.readOnly(record.designator->handle, DesignatorHandle);
        exchange.value(component.variantOption, VariantOption);
        exchange.readOnly(part.handle, ItemContainer);
    });
}

PLEXA_EXPORT int32_t TESSELLON_STDCALL SchAPIQuery_ComponentDesignatorLocks(uint8_t Mode, uint32_t Component,
                                                                            uint8_t* DesignatorLocked,
                                                                            uint8_t* PartIdLocked) {
    return query(Mode, Component, {Kind::Part}, [&](const Exchange& exchange, SheetObject& part) {
        exchange.value(part.part->component.designatorLocked, DesignatorLocked);
        exchange.value(part.part->component.partIdLocked, PartIdLocked);
    });
}

PLEXA_EXPORT int32_t TESSELLON_STDCALL SchAPIQuery_Pin(
    uint8_t Mode, uint32_t Pin, int32_t* X, int32_t* Y, int32_t* Color, uint8_t* Selection, int32_t* OwnerPartId,
    uint8_t* OwnerDisplayMode, int32_t* Length, uint8_t* Orientation, char** Name, char** Designator,
    char** Description, char** HiddenNetName, uint8_t* Electrical, uint8_t* ShowName, uint8_t* ShowDesignator,
    int32_t* SwapIdGroup, uint8_t* SymbolInnerEdge, uint8_t* IsHidden, uint8_t* SymbolOuterEdge, uint8_t* SymbolInside,
    uint8_t* SymbolOutside, uint8_t* SymbolLineWidth, char** DefaultValue, char** FormalType, int32_t* PackageLength) {
    return query(Mode, Pin, {Kind::Pin}, [&](const Exchange& exchange, SheetObject& pinObject) {
        PinRecord& pin = *pinObject.pin;
        exchangeLocation(exchange, pinObject, X, Y);
        exchange.value(pinObject.color, Color);
        exchange.value(pinObject.selection, Selection);
        exchange.value(pinObject.ownerPartId, OwnerPartId);
        exchange.value(pinObject.ownerDisplayMode, OwnerDisplayMode);
        exchange.value(pin.length, Length);
        exchange.value(pin.orientation, Orientation);
        exchange.text(pin.name, Name, HostStringSize);
        exchange.text(pin.designator, Designator, HostStringSize);
        exchange.text(pin.description, Description, HostStringSize);
        exchange.text(pin.hiddenNetName, HiddenNetName, HostStringSize);
        exchange.value(pin.electrical, Electrical);
        exchange.value(pin.showName, ShowName);
        exchange.value(pin.showDesignator, ShowDesignator);
        exchange.value(pin.swapIdGroup, SwapIdGroup);
        exchange.value(pin.symbolInnerEdge, SymbolInnerEdge);
        exchange.value(pin.isHidden, IsHidden);
        exchange.value(pin.symbolOuterEdge, SymbolOuterEdge);
        exchange.value(pin.symbolInside, SymbolInside);
        exchange.value(pin.symbolOutside, SymbolOutside);
        exchange.value(pin.symbolLineWidth, SymbolLineWidth);
        exchange.text(pin.defaultValue, DefaultValue, HostStringSize);
        exchange.text(pin.formalType, FormalType, HostStringSize);
        exchange.value(pin.packageLength, PackageLength);
    });
}

PLEXA_EXPORT int32_t TESSELLON_STDCALL SchAPI_QueryPin(uint8_t Mode, uint32_t Pin, int32_t* X, int32_t* Y,
                                                       int32_t* Color, uint8_t* Selection, uint8_t* Orientation,
                                                       int32_t* Length, char** Name, char** Designator,
                                                       uint8_t* IsHidden) {
    return query(Mode, Pin, {Kind::Pin}, [&](const Exchange& exchange, SheetObject& pinObject) {
        PinRecord& pin = *pinObject.pin;
        exchangeLocation(exchange, pinObject, X, Y);
        exchange.value(pinObject.color, Color);
        exchange.value(pinObject.selection, Selection);
        exchange.value(pin.orientation, Orientation);
        exchange.value(pin.length, Length);
        exchange.text(pin.name, Name);
        exchange.text(pin.designator, Designator);
        exchange.value(pin.isHidden, IsHidden);
    });
}

PLEXA_EXPORT void TESSELLON_STDCALL SchAPI_ResetPartTextFieldsLocation(uint32_t Part) {
    guarded([&] {
        if (SheetObject* part = objectOf(Part, {Kind::Part})) {
            for (SheetObject* text : part->part->texts())
                text->location = defaultTextLocation(*part, *text);
            part->changed();
        }
    });
}
