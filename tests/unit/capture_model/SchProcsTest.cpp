#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "FakeSchApi.h"
#include "capture/SchProcs.h"

namespace snapscribe {
namespace {

using test::ArgAs;
using test::Args;
using test::TArgs;

constexpr TSchHandle Object = 0x5A17;

// One wrapper: how to call it, the host call it must make, what it makes of the host's answer, and what it answers
// unbound.
struct TWrapperCase {
    const char* HostName;
    std::function<int64_t()> Call;
    TArgs Expected;
    int64_t HostAnswer;
    int64_t Result;
    int64_t Default;
};

int32_t X1 = 0, Y1 = 0, X2 = 0, Y2 = 0;
uint8_t Byte1 = 0, Byte2 = 0;

int64_t Void(const std::function<void()>& Call) {
    Call();
    return 0;
}

const std::vector<TWrapperCase>& WrapperCases() {
    static const std::vector<TWrapperCase> Cases = {
        {"SchAPI_GetCurrentDocumentHandle", [] { return SchAPI_GetCurrentDocumentHandle(); }, {}, 0xD0C, 0xD0C, 0},
        {"SchAPI_CreateIterator", [] { return SchAPI_CreateIterator(0xD0C, 0); }, Args(0xD0C, 0), 0x17E, 0x17E, 0},
        {"SchAPI_GetFirstObject", [] { return SchAPI_GetFirstObject(0x17E); }, Args(0x17E), 0x0B1, 0x0B1, 0},
        {"SchAPI_GetNextObject", [] { return SchAPI_GetNextObject(0x17E); }, Args(0x17E), 0x0B2, 0x0B2, 0},
        {"SchAPI_DestroyIterator", [] { return SchAPI_DestroyIterator(0x17E); }, Args(0x17E), 0, 0, 1},
        // All 8 bits of the id pass.
        {"SchAPI_GetObjectIdFromObjectHandle", [] { return SchAPI_GetObjectIdFromObjectHandle(Object); }, Args(Object),
         0xC5, 0xC5, 57},
        {"SchAPI_RedrawObject", [] { return Void([] { SchAPI_RedrawObject(Object); }); }, Args(Object), 0, 0, 0},
        {"SchAPI_ImportFromUser", [] { return SchAPI_ImportFromUser(Object); }, Args(Object), 2, 1, 0},
        {"SchAPI_GetObjectBoundingRectangle",
         [] { return Void([] { SchAPI_GetObjectBoundingRectangle(Object, &X1, &Y1, &X2, &Y2); }); },
         Args(Object, &X1, &Y1, &X2, &Y2), 0, 0, 0},
        {"SchAPI_QueryVertexCount", [] { return SchAPI_QueryVertexCount(qmWrite, Object, 12); },
         Args(qmWrite, Object, 12), 12, 12, 0},
        {"SchAPI_QueryVertexAt", [] { return SchAPI_QueryVertexAt(qmRead, Object, 3, &X1, &Y1); },
         Args(qmRead, Object, 3, &X1, &Y1), 9, 9, 0},
        {"SchAPI_QueryPrimitive",
         [] {
             return SchQuery<&TSchApiTable::SchAPI_QueryPrimitive>(uint8_t{qmRead}, Object, &Byte1, &X1, &Y1, &X2,
                                                                   &Byte2);
         },
         Args(qmRead, Object, &Byte1, &X1, &Y1, &X2, &Byte2), 0, 0, 1},
    };
    return Cases;
}

TEST(SchProcsWrappers, PassArgumentsInOrderAndReturnTheHostsAnswer) {
    for (const TWrapperCase& Case : WrapperCases()) {
        SCOPED_TRACE(Case.HostName);
        test::TRecordingSchApi Host;
        Host.Answers[Case.HostName] = Case.HostAnswer;
        EXPECT_EQ(Case.Call(), Case.Result);
        test::ExpectCalls(Host.Calls, {{Case.HostName, Case.Expected}});
    }
}

TEST(SchProcsWrappers, AnswerTheirDefaultsWhenUnbound) {
    test::TUnboundSchApi Unbound;
    for (const TWrapperCase& Case : WrapperCases()) {
        X1 = Y1 = X2 = Y2 = 7;
        Byte1 = Byte2 = 7;
        EXPECT_EQ(Case.Call(), Case.Default) << Case.HostName;
        EXPECT_EQ(X1 + Y1 + X2 + Y2 + Byte1 + Byte2, 42) << Case.HostName << " touched its out values";
    }
}

TEST(SchProcsWrappers, ImportFromUserNeverAsksAboutTheNullHandle) {
    test::TRecordingSchApi Host;
    Host.Answers["SchAPI_ImportFromUser"] = 1;
    EXPECT_FALSE(SchAPI_ImportFromUser(0));
    EXPECT_TRUE(Host.Calls.empty());
}

// The unique id travels through a 1024-character buffer of the wrapper's own.
struct TUniqueIdCase {
    uint8_t Mode;
    std::string Before;
    std::string HostWrites; // what the host leaves in the buffer (mode 1)
    bool HostTerminates;
    std::string ExpectedSent;
    std::string ExpectedAfter;
};

TEST(SchProcsUniqueId, SendsForWritesAndReadsBackAtMost255Characters) {
    const std::string Long(300, 'u');
    const TUniqueIdCase Cases[] = {
        {qmWrite, "ABCDEF01", "", true, "ABCDEF01", "ABCDEF01"},
        {qmWriteText, Long, "", true, Long, Long},
        {qmRead, "$$$", "HOST-ID", true, "", "HOST-ID"},
        {qmRead, "$$$", std::string(600, 'h'), true, "", std::string(255, 'h')},
        {qmRead, "$$$", std::string(1024, 'n'), false, "", std::string(255, 'n')},
    };
    for (const TUniqueIdCase& Case : Cases) {
        SCOPED_TRACE(std::to_string(Case.Mode) + " " + Case.HostWrites.substr(0, 10));
        test::TRecordingSchApi Host;
        std::string Sent;
        Host.Effects["SchAPI_QuerySchPartUniqueId"] = [&](const TArgs& Arguments) {
            char* Buffer = *ArgAs<char*>(Arguments[2]);
            Sent = Buffer;
            std::memcpy(Buffer, Case.HostWrites.data(), Case.HostWrites.size());
            if (Case.HostTerminates)
                Buffer[Case.HostWrites.size()] = '\0';
        };
        Host.Answers["SchAPI_QuerySchPartUniqueId"] = 5;
        std::string UniqueId = Case.Before;
        EXPECT_EQ(SchAPI_QuerySchPartUniqueId(Case.Mode, Object, UniqueId), 5);
        test::ExpectCalls(Host.Calls, {{"SchAPI_QuerySchPartUniqueId", Args(Case.Mode, Object, test::AnyArg, 1024)}});
        EXPECT_EQ(Sent, Case.ExpectedSent);
        EXPECT_EQ(UniqueId, Case.ExpectedAfter);
    }
}

TEST(SchProcsUniqueId, UnboundAnswersOneAndKeepsTheString) {
    test::TUnboundSchApi Unbound;
    std::string UniqueId = "KEEP";
    EXPECT_EQ(SchAPI_QuerySchPartUniqueId(qmRead, Object, UniqueId), 1);
    EXPECT_EQ(UniqueId, "KEEP");
}

// Binding: a fake module whose exports answer a distinct address per name, except the names it lacks.
class SchBinding : public ::testing::Test {
protected:
    std::vector<std::string> Asked;
    std::set<std::string> Missing;
    uintptr_t Salt = 0x1000;

    TSchExportLookUp LookUp() {
        return [this](const char* Name) -> void* {
            Asked.push_back(Name);
            return Missing.count(Name) ? nullptr : AddressOf(Name);
        };
    }
    void* AddressOf(const std::string& Name) const {
        return reinterpret_cast<void*>(Salt + 16 * std::hash<std::string>{}(Name) % 0x100000);
    }
    // The table's entries in declared order, as raw addresses.
    static const void* EntryAt(const TSchApiTable& Table, int Index) {
        const void* const* Entries = reinterpret_cast<const void* const*>(&Table.Module) + 1;
        return Entries[Index];
    }
};

int ModuleStandIn;

TEST_F(SchBinding, LooksUpEveryNameInOrderIntoItsOwnEntry) {
    TSchApiTable Table;
    BindSchematicTable(Table, &ModuleStandIn, LookUp());
    ASSERT_EQ(Asked.size(), 124u);
    EXPECT_EQ(Table.Module, &ModuleStandIn);
    for (int Index = 0; Index < 124; ++Index)
        EXPECT_EQ(EntryAt(Table, Index), AddressOf(Asked[Index])) << Asked[Index];
    EXPECT_EQ(Asked.front(), "SchAPI_GetCurrentEditorWindowHandle");
    EXPECT_EQ(Asked[4], "SchApi_GetSheetHandleFromServerWindowHandle");
    EXPECT_EQ(Asked[73], "SchAPI_QueryPrimitive");
    EXPECT_EQ(Asked[110], "SchAPI_QueryWire");
    // The four names asked twice, each into a second entry.
    EXPECT_EQ(Asked[111], Asked[0]);
    EXPECT_EQ(Asked[112], "SchAPI_GetCurrentDocumentHandle");
    EXPECT_EQ(Asked[119], "SchAPI_QueryDocumentOptions");
    EXPECT_EQ(Asked[120], "SchAPI_QuerySchLibOptions");
    EXPECT_EQ(Asked[117], "SchApi_QueryComponentLibraryInfo");
    EXPECT_EQ(Asked.back(), "SchAPI_DrawComponent");
    EXPECT_EQ(std::set<std::string>(Asked.begin(), Asked.end()).size(), 120u);
    EXPECT_EQ(reinterpret_cast<void*>(Table.SchAPI_QuerySchPartUniqueId), AddressOf("SchAPI_QuerySchPartUniqueId"));
    EXPECT_EQ(reinterpret_cast<void*>(Table.SchAPI_GetCurrentDocumentHandle_Again),
              AddressOf("SchAPI_GetCurrentDocumentHandle"));
}

TEST_F(SchBinding, AMissingNameLeavesOnlyItsEntryNullAndItsWrapperAtTheDefault) {
    Missing = {"SchAPI_QueryWire", "SchAPI_GetObjectIdFromObjectHandle"};
    const TSchApiTable Saved = SchApi;
    BindSchematicTable(SchApi, &ModuleStandIn, LookUp());
    int Null = 0;
    for (int Index = 0; Index < 124; ++Index)
        Null += EntryAt(SchApi, Index) == nullptr;
    EXPECT_EQ(Null, 2);
    uint8_t Byte = 3;
    int32_t Color = 4;
    EXPECT_EQ(SchQuery<&TSchApiTable::SchAPI_QueryWire>(uint8_t{qmRead}, Object, &Byte, &Color, &Byte), 1);
    EXPECT_EQ(SchAPI_GetObjectIdFromObjectHandle(Object), 57);
    EXPECT_EQ(Byte + Color, 7);
    SchApi = Saved;
}

TEST_F(SchBinding, RebindingReplacesEveryEntry) {
    TSchApiTable Table;
    BindSchematicTable(Table, &ModuleStandIn, LookUp());
    Salt = 0x900000;
    Missing = {"SchAPI_CreateIterator"};
    BindSchematicTable(Table, &ModuleStandIn, LookUp());
    EXPECT_EQ(Table.SchAPI_CreateIterator, nullptr);
    EXPECT_EQ(reinterpret_cast<void*>(Table.SchAPI_QueryArc), AddressOf("SchAPI_QueryArc"));

    Asked.clear();
    BindSchematicTable(Table, nullptr, LookUp());
    EXPECT_TRUE(Asked.empty()) << "no module, no look-up";
    EXPECT_EQ(Table.Module, nullptr);
    for (int Index = 0; Index < 124; ++Index)
        EXPECT_EQ(EntryAt(Table, Index), nullptr) << Index;
}

TEST_F(SchBinding, WithoutTheSchematicLibraryInTheProcessNothingIsBound) {
    const TSchApiTable Saved = SchApi;
    BindSchematicTable(SchApi, &ModuleStandIn, LookUp());
    BindSchematicApi();
    EXPECT_FALSE(SchematicApiLoaded());
    for (int Index = 0; Index < 124; ++Index)
        EXPECT_EQ(EntryAt(SchApi, Index), nullptr) << Index;
    SchApi = Saved;
}

} // namespace
} // namespace snapscribe
