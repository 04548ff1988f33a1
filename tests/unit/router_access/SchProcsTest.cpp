#include "router/New_SchProcs.h"

#include "FakeSchApi.h"

#include <dlfcn.h>

#include <functional>
#include <set>

namespace wirewright::test {
namespace {

int BoundEntries() {
    int Bound = 0;
#define WIREWRIGHT_COUNT_BOUND(Entry, Name) Bound += GlobalSchApi.Entry != nullptr ? 1 : 0;
    WIREWRIGHT_SCHAPI_LOOKUPS(WIREWRIGHT_COUNT_BOUND)
#undef WIREWRIGHT_COUNT_BOUND
    return Bound;
}

TEST(BindSchematicApiTest, LooksUpEveryNameOnceInOrder) {
    std::vector<std::string> Names;
#define WIREWRIGHT_NAME(Entry, Name) Names.push_back(#Name);
    WIREWRIGHT_SCHAPI_LOOKUPS(WIREWRIGHT_NAME)
#undef WIREWRIGHT_NAME
    ASSERT_EQ(Names.size(), 166u);
    EXPECT_EQ(Names.front(), "SchAPI_GetCurrentEditorWindowHandle");
    EXPECT_EQ(Names.back(), "SchAPI_DestroyCompInfoReader");
    EXPECT_EQ(Names[149], "SchAPI_GetCurrentEditorWindowHandle") << "looked up again";
    EXPECT_EQ(Names[157], "SchAPI_QueryDocumentOptions") << "looked up again";
    EXPECT_EQ(std::set<std::string>(Names.begin(), Names.end()).size(), 162u);
}

// One process: first without a schematic server, then with one loaded by someone else.
TEST(BindSchematicApiTest, BindsExactNamesOfTheAlreadyLoadedServerOnly) {
    const TSchApiTable Saved = GlobalSchApi;
    BindSchematicApi();
    EXPECT_EQ(GlobalSchModule, nullptr);
    EXPECT_EQ(BoundEntries(), 0);

    void* Server = dlopen(FAKE_PLEXA_PATH, RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(Server, nullptr) << dlerror();
    BindSchematicApi();
    EXPECT_NE(GlobalSchModule, nullptr);
    EXPECT_EQ(SchAPI_GetCurrentDocumentHandle(), 4242u);
    EXPECT_EQ(GlobalSchApi.SchAPI_GetCurrentDocumentHandle_Again, GlobalSchApi.SchAPI_GetCurrentDocumentHandle);
    ASSERT_NE(GlobalSchApi.SchApi_GetSheetHandleFromServerWindowHandle, nullptr);
    EXPECT_EQ(GlobalSchApi.SchApi_GetSheetHandleFromServerWindowHandle(5), 6u);
    EXPECT_EQ(SchAPI_GetObjectIdFromObjectHandle(3), okUnknown) << "an export in another letter case is not bound";
    EXPECT_EQ(BoundEntries(), 3);

    GlobalSchApi = Saved;
    dlclose(Server);
}

struct TDefaultCase {
    const char* Name;
    std::function<int64_t()> Call;
    int64_t Default;
};

class UnboundDefaultTest : public FakeSchApiTest, public ::testing::WithParamInterface<TDefaultCase> {};

TEST_P(UnboundDefaultTest, AnswersItsDefault) {
    EXPECT_EQ(GetParam().Call(), GetParam().Default);
}

int32_t X = 0, Y = 0;
char* Buffer = nullptr;
const TObjectKindSet Parts = KindSetOf(okPart);

INSTANTIATE_TEST_SUITE_P(
    Wrappers, UnboundDefaultTest,
    ::testing::Values(TDefaultCase{"EditorWindow", [] { return SchAPI_GetCurrentEditorWindowHandle(); }, 0},
                      TDefaultCase{"CurrentDocument", [] { return SchAPI_GetCurrentDocumentHandle(); }, 0},
                      TDefaultCase{"DocumentName", [] { return SchAPI_QueryDocumentName(qmRead, 1, &Buffer, 256); }, 0},
                      TDefaultCase{"ObjectId", [] { return SchAPI_GetObjectIdFromObjectHandle(1); }, 61},
                      TDefaultCase{"CreateObjectEx", [] { return SchAPI_CreateObjectEx(okWire); }, 0},
                      TDefaultCase{"ImportFromUser", [] { return SchAPI_ImportFromUser(1); }, 0},
                      TDefaultCase{"CreateIterator", [] { return SchAPI_CreateIterator(1, 0); }, 0},
                      TDefaultCase{"FirstObject", [] { return SchAPI_GetFirstObject(1); }, 0},
                      TDefaultCase{"NextObject", [] { return SchAPI_GetNextObject(1); }, 0},
                      TDefaultCase{"DestroyIterator", [] { return SchAPI_DestroyIterator(1); }, 1},
                      TDefaultCase{"SpatialIterator",
                                   [] { return SchAPI_CreateSpatialIterator(1, 0, 0, 1, 1, &Parts); }, 0},
                      TDefaultCase{"FirstSpatial", [] { return SchAPI_GetFirstSpatialObject(1, &X); }, 0},
                      TDefaultCase{"NextSpatial", [] { return SchAPI_GetNextSpatialObject(1, &X); }, 0},
                      TDefaultCase{"DestroySpatial", [] { return SchAPI_DestroySpatialIterator(1); }, 1},
                      TDefaultCase{"GroupIterator", [] { return SchAPI_CreateGroupIterator(1); }, 0},
                      TDefaultCase{"FirstGroup", [] { return SchAPI_GetFirstGroupObject(1); }, 0},
                      TDefaultCase{"NextGroup", [] { return SchAPI_GetNextGroupObject(1); }, 0},
                      TDefaultCase{"DestroyGroup", [] { return SchAPI_DestroyGroupIterator(1); }, 1},
                      TDefaultCase{"Replicate", [] { return SchAPI_ReplicatePartItem(1, 2); }, 0},
                      TDefaultCase{"DestroyPartItem", [] { return SchAPI_DestroyPartItem(1); }, 1},
                      TDefaultCase{"LibraryComponent", [] { return SchAPI_GetLibraryComponentHandle("R", 256); }, 0},
                      TDefaultCase{"PartContainer", [] { return SchAPI_GetLibraryPartContainer(1, 1, 0); }, 0},
                      TDefaultCase{"VertexCount", [] { return SchAPI_QueryVertexCount(qmRead, 1, 5); }, 0},
                      TDefaultCase{"VertexAt", [] { return SchAPI_QueryVertexAt(qmRead, 1, 1, &X, &Y); }, 0},
                      TDefaultCase{"Wire",
                                   [] {
                                       uint8_t Value = 0, Selection = 0;
                                       return SchAPI_QueryWire(qmRead, 1, &Value, &X, &Selection);
                                   },
                                   1}),
    [](const auto& Info) { return std::string(Info.param.Name); });

TEST_F(UnboundDefaultTest, BoundingRectangleKeepsTheOutputs) {
    int32_t X1 = 7, Y1 = 8, X2 = 9, Y2 = 10;
    SchAPI_GetObjectBoundingRectangle(1, &X1, &Y1, &X2, &Y2);
    EXPECT_EQ((std::vector<int32_t>{X1, Y1, X2, Y2}), (std::vector<int32_t>{7, 8, 9, 10}));
    SchAPI_RedrawObject(1); // nothing to call, nothing happens
    SchAPI_DestroyObject(1);
}

using GuardedWrapperTest = FakeSchApiTest;

TEST_F(GuardedWrapperTest, HandleZeroIsNotPassedOn) {
    static int Calls = 0;
    GlobalSchApi.SchAPI_ImportFromUser = [](THostHandle) -> uint8_t { return ++Calls, 1; };
    EXPECT_EQ(SchAPI_ImportFromUser(0), 0);
    EXPECT_EQ(Calls, 0);
    EXPECT_EQ(SchAPI_ImportFromUser(3), 1);
}

// Wrappers with several arguments of one width pass them in the host's order.
TEST_F(GuardedWrapperTest, PassesArgumentsInOrder) {
    static std::vector<int64_t> Seen;
    GlobalSchApi.SchAPI_CreateSpatialIterator = [](THostHandle Document, int32_t X1, int32_t Y1, int32_t X2, int32_t Y2,
                                                   const TObjectKindSet* Kinds) -> THostHandle {
        Seen = {Document, X1, Y1, X2, Y2, static_cast<int64_t>(*Kinds)};
        return 5;
    };
    GlobalSchApi.SchAPI_GetLibraryPartContainer = [](THostHandle Component, int32_t PartId,
                                                     uint8_t DisplayMode) -> THostHandle {
        Seen = {Component, PartId, DisplayMode};
        return 6;
    };
    GlobalSchApi.SchAPI_ReplicatePartItem = [](THostHandle Item, THostHandle Part) -> THostHandle {
        Seen = {Item, Part};
        return 7;
    };

    EXPECT_EQ(SchAPI_CreateSpatialIterator(1, 2, 3, 4, 5, &Parts), 5u);
    EXPECT_EQ(Seen, (std::vector<int64_t>{1, 2, 3, 4, 5, int64_t{1} << 16}));
    EXPECT_EQ(SchAPI_GetLibraryPartContainer(8, 2, 1), 6u);
    EXPECT_EQ(Seen, (std::vector<int64_t>{8, 2, 1}));
    EXPECT_EQ(SchAPI_ReplicatePartItem(11, 12), 7u);
    EXPECT_EQ(Seen, (std::vector<int64_t>{11, 12}));
    GlobalSchApi.SchAPI_DestroyObject = [](THostHandle Object) { Seen = {Object}; };
    SchAPI_DestroyObject(13);
    EXPECT_EQ(Seen, std::vector<int64_t>{13});
}

} // namespace
} // namespace wirewright::test
