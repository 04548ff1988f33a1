// The part, component, pin and document-option calls, through the function types the plug-ins bind: each argument
// position carries its own value both ways, and a write of what was read changes nothing.
#include <gtest/gtest.h>

#include "capture/SchAPITypes.h"
#include "hostsim/plexa/ObjectCodec.h"
#include "hostsim/plexa/PartPlacer.h"
#include "hostsim/plexa/SchApi.h"
#include "router/New_SchAPITypes.h"
#include "tests/unit/hostsim/ArgumentPositions.h"
#include "tests/unit/hostsim/StoreFixture.h"

namespace hostsim::test {
namespace {

class ArgumentPositionsTest : public StoreTest {
protected:
    void SetUp() override {
        StoreTest::SetUp();
        document = &openCurrent(example("board.sch"));
        part = &find(*document, Kind::Part, "U1B");
        completeTexts(*part); // every text has its handle, as after any part query
    }

    Json snapshot() const { return writeObject(*part, document->library()); }

    Document* document = nullptr;
    SheetObject* part = nullptr;
};

TEST_F(ArgumentPositionsTest, PartRecordEveryPosition) {
    PartRecord& r = *part->part;
    Arguments a{{"X", &part->location.x},
                {"Y", &part->location.y},
                {"CompDisplayMode", &r.compDisplayMode},
                {"IsMirrored", &r.isMirrored},
                {"Orientation", &r.orientation},
                {"Selection", &part->selection},
                {"PartId", &r.partId},
                {"ShowHiddenFields", &r.showHiddenFields},
                {"ShowHiddenPins", &r.showHiddenPins},
                {"LibReference", &r.libReference},
                {"FootPrint", &r.footprint},
                {"ExtraText1", &r.extraText1},
                {"ExtraValue1", &r.extraValue1}};
    for (int i = 0; i < PartExtraTextCount; ++i)
        a.push_back({"ExtraTexts" + std::to_string(i), &r.extraTexts[i]});
    a.push_back({"ExtraText2", &r.extraText2});
    a.push_back({"DesignatorHandle", &r.designator->handle, false});
    a.push_back({"PartTypeHandle", &r.partType->handle, false});
    a.push_back({"ExtraTextHandle", &r.comment->handle, false});
    a.push_back({"ExtraByte1", &r.extraByte1});
    a.push_back({"ExtraByte2", &r.extraByte2});
    a.push_back({"ExtraValue2", &r.extraValue2});
    a.push_back({"Color", &part->color});
    a.push_back({"ExtraValue3", &r.extraValue3});
    uint32_t descriptions[PartDescriptionCount] = {};

    const snapscribe::TSchAPI_QuerySchPart query = &SchAPI_QuerySchPart;
    static_assert(std::is_same_v<snapscribe::TSchAPI_QuerySchPart, wirewright::TSchAPI_QuerySchPart>);
    proveArgumentPositions(a, [&](uint8_t mode) {
        char* extra[PartExtraTextCount];
        for (int i = 0; i < PartExtraTextCount; ++i)
            extra[i] = a[13 + i].text;
        return query(mode, part->handle, &a[0].word, &a[1].word, &a[2].byte, &a[3].byte, &a[4].byte, &a[5].byte,
                     &a[6].word, &a[7].byte, &a[8].byte, &a[9].textRef, &a[10].textRef, &a[11].textRef, &a[12].word,
                     extra, 7, &a[21].textRef, &a[22].handle, &a[23].handle, &a[24].handle, descriptions, 15,
                     &a[25].byte, &a[26].byte, &a[27].word, &a[28].word, &a[29].word);
    });
    // The sixteen description handles come in field order.
    ASSERT_EQ(0, query(1, part->handle, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                       nullptr, nullptr, nullptr, nullptr, nullptr, 7, nullptr, nullptr, nullptr, nullptr, descriptions,
                       15, nullptr, nullptr, nullptr, nullptr, nullptr));
    for (int i = 0; i < PartDescriptionCount; ++i)
        EXPECT_EQ(r.descriptions[i]->handle, descriptions[i]) << i;
}

TEST_F(ArgumentPositionsTest, ComponentRecordEveryPosition) {
    PartRecord& r = *part->part;
    ComponentRecord& c = r.component;
    Arguments a{{"LibraryPath", &c.libraryPath},
                {"X", &part->location.x},
                {"Y", &part->location.y},
                {"PinsMoveable", &c.pinsMoveable},
                {"OverrideColors", &c.overrideColors},
                {"Color", &part->color},
                {"AreaColor", &c.areaColor},
                {"PinColor", &c.pinColor},
                {"GraphicallyLocked", &c.graphicallyLocked},
                {"Selection", &part->selection},
                {"ShowPinNames", &c.showPinNames},
                {"ShowPinNumbers", &c.showPinNumbers},
                {"ShowHiddenPins", &r.showHiddenPins},
                {"UserConfigurable", &c.userConfigurable},
                {"Description", &c.description},
                {"LibraryName", &c.libraryName},
                {"DesignItemId", &c.designItemId},
                {"SymbolReference", &c.symbolReference},
                {"Configuration", &c.configuration},
                {"PartId", &r.partId},
                {"PartCount", &c.partCount},
                {"DesignatorHandle", &r.designator->handle, false},
                {"VariantOption", &c.variantOption},
                {"ItemContainer", &part->handle, false}};
    const wirewright::TSchApiQuery_SchComponent query = &SchApiQuery_SchComponent;
    proveArgumentPositions(a, [&](uint8_t mode) {
        return query(mode, part->handle, &a[0].textRef, &a[1].word, &a[2].word, &a[3].byte, &a[4].byte, &a[5].word,
                     &a[6].word, &a[7].word, &a[8].byte, &a[9].byte, &a[10].byte, &a[11].byte, &a[12].byte, &a[13].byte,
                     &a[14].textRef, &a[15].textRef, &a[16].textRef, &a[17].textRef, &a[18].textRef, &a[19].word,
                     &a[20].word, &a[21].handle, &a[22].word, &a[23].handle);
    });

    Arguments locks{{"DesignatorLocked", &c.designatorLocked}, {"PartIdLocked", &c.partIdLocked}};
    const wirewright::TSchAPIQuery_ComponentDesignatorLocks lockQuery = &SchAPIQuery_ComponentDesignatorLocks;
    proveArgumentPositions(locks,
                           [&](uint8_t mode) { return lockQuery(mode, part->handle, &locks[0].byte, &locks[1].byte); });
}

TEST_F(ArgumentPositionsTest, PinRecordEveryPosition) {
    SheetObject& pinObject = *part->part->pins.front();
    PinRecord& p = *pinObject.pin;
    Arguments a{{"X", &pinObject.location.x},
                {"Y", &pinObject.location.y},
                {"Color", &pinObject.color},
                {"Selection", &pinObject.selection},
                {"GrafValue8", &pinObject.ownerPartId},
                {"GrafValue9", &pinObject.ownerDisplayMode},
                {"Value9", &p.length},
                {"Value10", &p.orientation},
                {"Value11", &p.name},
                {"Value12", &p.designator},
                {"Value13", &p.description},
                {"Value14", &p.hiddenNetName},
                {"Value15", &p.electrical},
                {"Value16", &p.showName},
                {"Value17", &p.showDesignator},
                {"Value18", &p.swapIdGroup},
                {"Value19", &p.symbolInnerEdge},
                {"IsHidden", &p.isHidden},
                {"Value21", &p.symbolOuterEdge},
                {"Value22", &p.symbolInside},
                {"Value23", &p.symbolOutside},
                {"Value24", &p.symbolLineWidth},
                {"Value25", &p.defaultValue},
                {"Value26", &p.formalType},
                {"Value27", &p.packageLength}};
    const wirewright::TSchAPIQuery_Pin query = &SchAPIQuery_Pin;
    proveArgumentPositions(a, [&](uint8_t mode) {
        return query(mode, pinObject.handle, &a[0].word, &a[1].word, &a[2].word, &a[3].byte, &a[4].word, &a[5].byte,
                     &a[6].word, &a[7].byte, &a[8].textRef, &a[9].textRef, &a[10].textRef, &a[11].textRef, &a[12].byte,
                     &a[13].byte, &a[14].byte, &a[15].word, &a[16].byte, &a[17].byte, &a[18].byte, &a[19].byte,
                     &a[20].byte, &a[21].byte, &a[22].textRef, &a[23].textRef, &a[24].word);
    });
}

TEST_F(ArgumentPositionsTest, DocumentOptionsEveryPosition) {
    DocumentOptions& o = document->options();
    Arguments a{{"3", &o.portrait},
                {"StyledTitleBlock", &o.styledTitleBlock},
                {"5", &o.showReferenceZones},
                {"6", &o.showBorder},
                {"TitleBlockStyle", &o.titleBlockStyle},
                {"8", &o.borderColor},
                {"9", &o.sheetStyle},
                {"10", &o.sheetColor},
                {"SnapToGrid", &o.snapToGrid},
                {"12", &o.visibleGridSize},
                {"13", &o.showGrid},
                {"GridSize", &o.gridSize},
                {"15", &o.electricalGrid},
                {"16", &o.electricalGridRange},
                {"17", &o.useCustomSheet},
                {"18", &o.showTemplateGraphics},
                {"19", &o.sheetWidth},
                {"20", &o.sheetHeight},
                {"21", &o.xZones},
                {"22", &o.yZones},
                {"23", &o.marginWidth},
                {"24", &o.title},
                {"25", &o.documentNumber},
                {"26", &o.revision},
                {"27", &o.organization},
                {"28", &o.address},
                {"29", &o.drawnBy},
                {"30", &o.checkedBy},
                {"31", &o.date},
                {"32", &o.sheetNumber},
                {"33", &o.sheetTotal},
                {"34", &o.fontName},
                {"35", &o.fontSize}};
    const wirewright::TSchAPI_QueryDocumentOptions query = &SchAPI_QueryDocumentOptions;
    proveArgumentPositions(a, [&](uint8_t mode) {
        return query(mode, document->handle(), &a[0].byte, &a[1].byte, &a[2].byte, &a[3].byte, &a[4].byte, &a[5].word,
                     &a[6].byte, &a[7].word, &a[8].byte, &a[9].word, &a[10].byte, &a[11].word, &a[12].byte, &a[13].word,
                     &a[14].byte, &a[15].byte, &a[16].word, &a[17].word, &a[18].word, &a[19].word, &a[20].word,
                     &a[21].textRef, &a[22].textRef, &a[23].textRef, &a[24].textRef, &a[25].textRef, &a[26].textRef,
                     &a[27].textRef, &a[28].textRef, &a[29].word, &a[30].word, &a[31].textRef, &a[32].word);
    });
    EXPECT_EQ(1, query(1, 0, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                       nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                       nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                       nullptr, nullptr, nullptr))
        << "no document, no exchange";
}

// A caller that reads a record and writes it back unchanged leaves the object exactly as it was.
TEST_F(ArgumentPositionsTest, WriteOfWhatWasReadChangesNothing) {
    const Json partBefore = snapshot();
    const DocumentOptions optionsBefore = document->options();
    SheetObject& pinObject = *part->part->pins.front();
    const Json pinBefore = writeObject(pinObject, document->library());

    for (uint8_t mode : {uint8_t{1}, uint8_t{0}}) {
        static uint8_t b[16];
        static int32_t w[16];
        static uint32_t h[20];
        static char texts[40][1024];
        static char* t[40];
        for (int i = 0; i < 40; ++i)
            t[i] = texts[i];
        SchAPI_QuerySchPart(mode, part->handle, &w[0], &w[1], &b[0], &b[1], &b[2], &b[3], &w[2], &b[4], &b[5], &t[0],
                            &t[1], &t[2], &w[3], &t[3], 7, &t[11], &h[0], &h[1], &h[2], &h[3], 15, &b[6], &b[7], &w[4],
                            &w[5], &w[6]);
        SchAPI_QuerySchPartUniqueId(mode, part->handle, &t[12], 1024);
        SchApiQuery_SchComponent(mode, part->handle, &t[13], &w[7], &w[8], &b[8], &b[9], &w[9], &w[10], &w[11], &b[10],
                                 &b[11], &b[12], &b[13], &b[14], &b[15], &t[14], &t[15], &t[16], &t[17], &t[18], &w[12],
                                 &w[13], &h[19], &w[14], &h[18]);
        uint8_t pb[14];
        int32_t pw[8];
        SchAPIQuery_Pin(mode, pinObject.handle, &pw[0], &pw[1], &pw[2], &pb[0], &pw[3], &pb[1], &pw[4], &pb[2], &t[20],
                        &t[21], &t[22], &t[23], &pb[3], &pb[4], &pb[5], &pw[5], &pb[6], &pb[7], &pb[8], &pb[9], &pb[10],
                        &pb[11], &t[24], &t[25], &pw[6]);
        uint8_t ob[12];
        int32_t ow[14];
        SchAPI_QueryDocumentOptions(mode, document->handle(), &ob[0], &ob[1], &ob[2], &ob[3], &ob[4], &ow[0], &ob[5],
                                    &ow[1], &ob[6], &ow[2], &ob[7], &ow[3], &ob[8], &ow[4], &ob[9], &ob[10], &ow[5],
                                    &ow[6], &ow[7], &ow[8], &ow[9], &t[26], &t[27], &t[28], &t[29], &t[30], &t[31],
                                    &t[32], &t[33], &ow[10], &ow[11], &t[34], &ow[12]);
    }
    EXPECT_EQ(partBefore, snapshot());
    EXPECT_EQ(pinBefore, writeObject(pinObject, document->library()));
    EXPECT_TRUE(optionsBefore == document->options());
}

} // namespace
} // namespace hostsim::test
