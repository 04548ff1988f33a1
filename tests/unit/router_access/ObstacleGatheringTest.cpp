#include "router/ObstacleGathering.h"

#include "FakeSchApi.h"
#include "FakeSheet.h"

namespace wirewright::test {
namespace {

// The sheet's rectangle: host corners (0, 800) top-left and (1000, 0) bottom-right.
class GatheringTest : public FakeSchApiTest {
protected:
    void SetUp() override {
        FakeSchApiTest::SetUp();
        Sheet() = TFakeSheet{};
        BindFakeSheet(0, 800, 1000, 0);
    }
    void TearDown() override {
        EXPECT_TRUE(Sheet().Iterators.empty()) << "every iterator is released";
        FakeSchApiTest::TearDown();
    }

    // The leaves Build adds for the sheet itself with the default title block.
    static std::multiset<TLeaf> SheetFrame() {
        return {{okUnknown, 0, 778, 1000, 800},
                {okUnknown, 978, 0, 1000, 800},
                {okUnknown, 0, 0, 1000, 22},
                {okUnknown, 0, 0, 22, 800},
                {okRectangle, 480, 20, 980, 100}};
    }
    static std::multiset<TLeaf> Without(std::multiset<TLeaf> Leaves, const std::multiset<TLeaf>& Removed) {
        for (const TLeaf& Leaf : Removed) {
            const auto Found = Leaves.find(Leaf);
            EXPECT_NE(Found, Leaves.end()) << "missing kind " << int(Leaf.Kind);
            if (Found != Leaves.end())
                Leaves.erase(Found);
        }
        return Leaves;
    }
    std::multiset<TLeaf> Built(int32_t Margin) {
        TObstacleTree Tree(10);
        Build(Tree, Sheet().Document, Margin);
        return Without(LeavesOf(Tree), SheetFrame());
    }
};

struct TPolylineCase {
    const char* Name;
    std::vector<TPoint> Vertices;
    std::multiset<TLeaf> Leaves;
};

class PolylineGatheringTest : public GatheringTest, public ::testing::WithParamInterface<TPolylineCase> {};

TEST_P(PolylineGatheringTest, RunsAndEndMarks) {
    TFakeItem Wire;
    Wire.Kind = okWire;
    Wire.Vertices = GetParam().Vertices;
    TObstacleTree Tree(10);
    AddWire(Tree, Sheet().Add(Wire));
    EXPECT_EQ(LeavesOf(Tree), GetParam().Leaves);
}

INSTANTIATE_TEST_SUITE_P(
    Wires, PolylineGatheringTest,
    ::testing::Values(
        TPolylineCase{"Corner",
                      {{0, 0}, {0, 100}, {100, 100}},
                      {{okWire, 0, 0, 0, 100},
                       {okWire, 0, 100, 100, 100},
                       {okJunction, -1, -1, 1, 1},
                       {okJunction, 99, 99, 101, 101}}},
        TPolylineCase{
            "LastSegmentStandsAlone",
            {{0, 0}, {0, 50}, {0, 100}},
            {{okWire, 0, 0, 0, 50}, {okWire, 0, 50, 0, 100}, {okJunction, -1, -1, 1, 1}, {okJunction, -1, 99, 1, 101}}},
        TPolylineCase{
            "StraightRunOverTwoSegments",
            {{0, 30}, {0, 20}, {0, 10}, {0, 0}},
            {{okWire, 0, 10, 0, 30}, {okWire, 0, 0, 0, 10}, {okJunction, -1, 29, 1, 31}, {okJunction, -1, -1, 1, 1}}},
        TPolylineCase{"ObliqueSegmentIsNoObstacle",
                      {{0, 0}, {10, 10}, {10, 50}},
                      {{okWire, 10, 10, 10, 50}, {okJunction, -1, -1, 1, 1}, {okJunction, 9, 49, 11, 51}}},
        TPolylineCase{"OneVertex", {{5, 5}}, {{okJunction, 4, 4, 6, 6}, {okJunction, 4, 4, 6, 6}}},
        TPolylineCase{"NoVertex", {}, {}}),
    [](const auto& Info) { return std::string(Info.param.Name); });

// Each kind with its rectangle, here (100,100)-(200,140), for Margin 0 and 3.
struct TKindCase {
    const char* Name;
    uint8_t Kind;
    int32_t Margin;
    std::multiset<TLeaf> Leaves;
};

class KindGatheringTest : public GatheringTest, public ::testing::WithParamInterface<TKindCase> {};

TEST_P(KindGatheringTest, ObstacleOfTheKind) {
    TFakeItem Object;
    Object.Kind = GetParam().Kind;
    Object.X1 = 100, Object.Y1 = 140, Object.X2 = 200, Object.Y2 = 100;
    Sheet().AddToSheet(Object);
    EXPECT_EQ(Built(GetParam().Margin), GetParam().Leaves);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, KindGatheringTest,
    ::testing::Values(TKindCase{"BusEntryOwnExtent", okBusEntry, 3, {{okBusEntry, 100, 100, 200, 140}}},
                      TKindCase{"PowerObjectOwnExtent", okPowerObject, 3, {{okPowerObject, 100, 100, 200, 140}}},
                      TKindCase{"PortGrownSideways", okPort, 3, {{okPort, 97, 100, 203, 140}}},
                      TKindCase{"PortAtMarginZero", okPort, 0, {{okPort, 100, 100, 200, 140}}},
                      TKindCase{"NetLabelOneInside", okNetLabel, 0, {{okAnnotation, 101, 101, 199, 139}}},
                      TKindCase{"AnnotationOneInside", okAnnotation, 3, {{okAnnotation, 101, 101, 199, 139}}},
                      TKindCase{"GraphicLineGrown", okLine, 3, {{okLine, 97, 97, 203, 143}}},
                      TKindCase{"UnknownKindGrown", 61, 2, {{okUnknown, 98, 98, 202, 142}}},
                      TKindCase{
                          "KindInTheLowSevenBits", 0x80 | okPowerObject, 3, {{okPowerObject, 100, 100, 200, 140}}},
                      TKindCase{"KindZeroSkipped", 0, 3, {}}, TKindCase{"DesignatorSkipped", okDesignator, 3, {}},
                      TKindCase{"PartTypeSkipped", okPartType, 3, {}}),
    [](const auto& Info) { return std::string(Info.param.Name); });

TEST_F(GatheringTest, JunctionTextObjectAndSegments) {
    TFakeItem Junction;
    Junction.Kind = okJunction;
    Junction.Location = {50, 60};
    Sheet().AddToSheet(Junction);
    TFakeItem Text; // a text object counts even when hidden
    Text.Kind = okTextObject;
    Text.IsHidden = 1;
    Text.X1 = 300, Text.Y1 = 320, Text.X2 = 360, Text.Y2 = 300;
    Sheet().AddToSheet(Text);
    EXPECT_EQ(Built(4), (std::multiset<TLeaf>{{okJunction, 49, 59, 51, 61}, {okTextObject, 296, 301, 364, 319}}));

    TObstacleTree Drawn(10);
    AddSegment(Drawn, {5, 10}, {5, 0});
    AddSegment(Drawn, {10, 5}, {0, 5});
    EXPECT_EQ(LeavesOf(Drawn), (std::multiset<TLeaf>{{okRectangle, 4, 0, 6, 10}, {okRectangle, 0, 4, 10, 6}}));
}

// A part (100,100)-(200,160) with pins ending on its sides, and its designator text.
class PartGatheringTest : public GatheringTest {
protected:
    THostHandle AddPin(int32_t X1, int32_t Y1, int32_t X2, int32_t Y2, uint8_t Hidden = 0) {
        TFakeItem Pin;
        Pin.Kind = okPin;
        Pin.X1 = X1, Pin.Y1 = Y1, Pin.X2 = X2, Pin.Y2 = Y2;
        Pin.IsHidden = Hidden;
        const THostHandle Handle = Sheet().Add(Pin);
        Sheet().Containers[Container].push_back(Handle);
        return Handle;
    }
    void AddPart(uint8_t ShowHiddenPins, uint8_t DesignatorHidden) {
        TFakeItem Designator;
        Designator.Kind = okDesignator;
        Designator.X1 = 120, Designator.Y1 = 180, Designator.X2 = 150, Designator.Y2 = 170;
        Designator.IsHidden = DesignatorHidden;
        TFakeItem Part;
        Part.Kind = okPart;
        Part.X1 = 100, Part.Y1 = 160, Part.X2 = 200, Part.Y2 = 100;
        Part.ShowHiddenPins = ShowHiddenPins;
        Part.Designator = Sheet().Add(Designator);
        Part.ItemContainer = Container;
        Sheet().AddToSheet(Part);
    }
    const THostHandle Container = 77;
};

TEST_F(PartGatheringTest, PinsOnOneSideMakeABandCutFromTheBody) {
    AddPin(100, 120, 120, 120);
    AddPin(120, 140, 100, 140);
    TFakeItem Label; // a non-pin child is no pin
    Label.Kind = okText;
    Sheet().Containers[Container].push_back(Sheet().Add(Label));
    AddPart(0, 0);
    EXPECT_EQ(Built(3), (std::multiset<TLeaf>{
                            {okPart, 97, 116, 123, 144},        // left band: pins widened by 1, grown by Margin
                            {okPart, 116, 96, 204, 164},        // body from the band's right, grown by Margin + 1
                            {okDesignator, 117, 171, 153, 179}, // widened by Margin sideways, 1 inside vertically
                        }));
}

TEST_F(PartGatheringTest, BandsOnEverySideInOrderTopBottomLeftRight) {
    AddPin(150, 160, 150, 150); // top
    AddPin(150, 100, 150, 110); // bottom
    AddPin(100, 130, 110, 130); // left
    AddPin(190, 130, 200, 130); // right
    AddPin(140, 130, 160, 130); // inside the body: no side
    AddPart(0, 1);
    EXPECT_EQ(Built(0), (std::multiset<TLeaf>{
                            {okPart, 149, 150, 151, 160},
                            {okPart, 149, 100, 151, 110},
                            {okPart, 100, 129, 110, 131},
                            {okPart, 190, 129, 200, 131},
                            {okPart, 109, 109, 191, 151},
                        }));
}

TEST_F(PartGatheringTest, HiddenPinCountsOnlyWhenThePartShowsHiddenPins) {
    for (const uint8_t Shown : {0, 1}) {
        Sheet().SheetObjects.clear();
        Sheet().Containers.clear();
        AddPin(150, 160, 150, 150, 1);
        AddPart(Shown, 1);
        const std::multiset<TLeaf> Leaves = Built(0);
        EXPECT_EQ(Leaves.count({okPart, 149, 150, 151, 160}), Shown) << "shown " << int(Shown);
        EXPECT_EQ(Leaves.size(), 1u + Shown);
    }
}

struct TTitleBlockCase {
    const char* Name;
    uint8_t Styled, Style;
    std::multiset<TLeaf> TitleBlock;
};

class TitleBlockTest : public GatheringTest, public ::testing::WithParamInterface<TTitleBlockCase> {};

TEST_P(TitleBlockTest, SizeFollowsTheDocumentOptions) {
    Sheet().StyledTitleBlock = GetParam().Styled;
    Sheet().TitleBlockStyle = GetParam().Style;
    TObstacleTree Tree(10);
    AddTitleBlock(Tree);
    EXPECT_EQ(LeavesOf(Tree), GetParam().TitleBlock);
}

// A style the router does not know adds no title block rather than one covering the whole sheet.
INSTANTIATE_TEST_SUITE_P(Options, TitleBlockTest,
                         ::testing::Values(TTitleBlockCase{"Plain", 0, 7, {{okRectangle, 480, 20, 980, 100}}},
                                           TTitleBlockCase{"StyleZero", 1, 0, {{okRectangle, 620, 20, 980, 102}}},
                                           TTitleBlockCase{"StyleOne", 1, 1, {{okRectangle, 350, 20, 980, 200}}},
                                           TTitleBlockCase{"UnknownStyle", 1, 2, {}}),
                         [](const auto& Info) { return std::string(Info.param.Name); });

TEST_F(GatheringTest, EmptySheetGetsBorderAndTitleBlock) {
    TObstacleTree Tree(10);
    Build(Tree, Sheet().Document, 4);
    EXPECT_EQ(LeavesOf(Tree), SheetFrame());
}

TEST_F(GatheringTest, WithoutSchematicServerOnlyTheFrameOfAnUnsetSheet) {
    GlobalSchApi = TSchApiTable{};
    TObstacleTree Tree(10);
    Build(Tree, 1, 4);
    const int32_t U = UnsetCoord;
    EXPECT_EQ(LeavesOf(Tree), (std::multiset<TLeaf>{{okUnknown, U, U - 22, U, U},
                                                    {okUnknown, U - 22, U, U, U},
                                                    {okUnknown, U, U, U, U + 22},
                                                    {okUnknown, U, U, U + 22, U},
                                                    {okRectangle, U - 520, 20, U - 20, 100}}));
}

} // namespace
} // namespace wirewright::test
