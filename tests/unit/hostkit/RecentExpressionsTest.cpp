#include "hostkit/RT_ServerImplementation.h"
#include "hostkit/Rt_RecentExpressions.h"
#include "platform/Files.h"
#include "platform/Folders.h"
#include "platform/Profile.h"
#include "platform/Registry.h"
#include "tests/unit/hostkit/FakeHost.h"
#include "tests/unit/platform/ScratchFolder.h"

#include <gtest/gtest.h>

namespace hostkit {
namespace {

class TFilterModule : public TServerModule {
public:
    explicit TFilterModule(IClient* client) : TServerModule(client, "FilterTest") {}
    TInterfaceRef<IServerDocument> NewDocumentInstance(std::int32_t, std::int32_t) override { return {}; }
};

class RecentExpressionsTest : public ::testing::Test {
protected:
    void SetUp() override { platform::SetUserDataFolderOverride(UserData.Path()); }
    void TearDown() override {
        EndModule();
        platform::SetUserDataFolderOverride("");
    }

    void StartModule() { ServerFactoryOf<TFilterModule>(&Module, Host.Interface()); }
    void EndModule() {
        if (Module != nullptr) {
            AsInterface(Module)->Vtbl->Release(AsInterface(Module));
            Module = nullptr;
        }
    }
    std::vector<std::string> Expressions(const TRecentExpressionList& list) const {
        std::vector<std::string> result;
        for (int i = list.FirstExpressionIndex(); i < list.Count(); ++i) {
            result.push_back(list.GetExpressionEntry(i)->Expression);
        }
        return result;
    }
    std::string UserFile() const { return UserData.File("FilterTestRecentFilters.Txt"); }

    tessellon::testing::ScratchFolder UserData;
    testing::ClientApiScope Scope;
    testing::FakeClient Host;
    IServerModule* Module = nullptr;
    const std::string Section = "Recent FilterTest Filter Expressions";
    const std::string RegistryKey = "Software\\Korvane\\Tessellon\\Recent FilterTest Filter Expressions";
};

TEST(ExpressionEncoding, KeepsSeveralLinesOnOne) {
    const struct {
        const char* Expression;
        const char* Stored;
    } cases[] = {
        {"a|b\r\nc", "a||b|c"},
        {"IsPart", "IsPart"},
        {"x\r\n\r\ny", "x||y"},
        {"", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(EncodeExpression(c.Expression), c.Stored) << c.Expression;
    }
    EXPECT_EQ(DecodeExpression("a||b|c"), "a|b\r\nc");
    EXPECT_EQ(DecodeExpression("x|||y"), "x\r\n|y") << "decoded from the end";
}

TEST_F(RecentExpressionsTest, LivesWithTheServerModuleAndIsSavedWhenItGoes) {
    EXPECT_EQ(GlobalRecentExpressions(), nullptr);
    StartModule();
    TRecentExpressionList* list = GlobalRecentExpressions();
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->ServerName(), "FilterTest");
    ASSERT_EQ(list->Count(), 1);
    EXPECT_TRUE(list->GetExpressionEntry(0)->IsAllEntry);
    EXPECT_EQ(list->GetExpressionEntry(0)->Description, "(All)");

    list->AddExpression("a|b\r\nc", "two lines");
    list->AddExpression("", "ignored");
    list->AddExpression("IsWire", "");
    EndModule();
    EXPECT_EQ(GlobalRecentExpressions(), nullptr);

    const platform::ProfileFile file(UserFile());
    EXPECT_EQ(file.Keys(Section),
              (std::vector<std::string>{"NewFileFormat", "RecentExpressionCount", "RecentExpression1",
                                        "RecentDescription1", "RecentExpression2", "RecentDescription2"}));
    EXPECT_EQ(file.Read(Section, "RecentExpressionCount", ""), "3");
    EXPECT_EQ(file.Read(Section, "RecentExpression1", ""), "a||b|c");
    EXPECT_EQ(platform::RegistryReadInteger(RegistryKey, "RecentExpressionCount"), 3);
    EXPECT_EQ(platform::RegistryReadString(RegistryKey, "NewFileFormat"), "True");
    EXPECT_EQ(platform::RegistryReadString(RegistryKey, "RecentExpression1"), "a||b|c");
    EXPECT_EQ(platform::RegistryReadString(RegistryKey, "RecentDescription1"), "two lines");

    StartModule();
    list = GlobalRecentExpressions();
    EXPECT_EQ(Expressions(*list), (std::vector<std::string>{"a|b\r\nc", "IsWire"}));
    EXPECT_EQ(list->GetExpressionEntry(1)->Description, "two lines");
}

TEST_F(RecentExpressionsTest, SavingReplacesTheWholeSectionAndKeepsTheRestOfTheFile) {
    UserData.Write("FilterTestRecentFilters.Txt", "[Other]\r\nKeep=1\r\n[Recent FilterTest Filter Expressions]\r\n"
                                                  "NewFileFormat=True\r\nRecentExpressionCount=3\r\n"
                                                  "RecentExpression1=old\r\nRecentExpression2=older\r\nStale=x\r\n");
    StartModule();
    GlobalRecentExpressions()->Delete(2);
    EndModule();
    const platform::ProfileFile file(UserFile());
    EXPECT_EQ(file.Read("Other", "Keep", ""), "1");
    EXPECT_EQ(file.Read(Section, "RecentExpressionCount", ""), "2");
    EXPECT_EQ(file.Read(Section, "RecentExpression2", "gone"), "gone");
    EXPECT_EQ(file.Read(Section, "Stale", "gone"), "gone");
}

TEST_F(RecentExpressionsTest, ReadsTheOldFormatUpToTheLastEmptyLine) {
    UserData.Write("FilterTestRecentFilters.Txt", "first\r\nsecond line\r\n\r\nalone\n\nlost at the end\r\n");
    StartModule();
    EXPECT_EQ(Expressions(*GlobalRecentExpressions()), (std::vector<std::string>{"first\r\nsecond line", "alone"}));
}

TEST_F(RecentExpressionsTest, KeepsAtMost99ExpressionsAfterAll) {
    std::string file = "[" + Section + "]\r\nNewFileFormat=true\r\nRecentExpressionCount=151\r\n";
    for (int k = 1; k <= 150; ++k) {
        file += "RecentExpression" + std::to_string(k) + "=e" + std::to_string(k) + "\r\n";
    }
    UserData.Write("FilterTestRecentFilters.Txt", file);
    StartModule();
    const TRecentExpressionList& list = *GlobalRecentExpressions();
    ASSERT_EQ(list.Count(), TRecentExpressionList::MaxEntries);
    EXPECT_EQ(list.GetExpressionEntry(1)->Expression, "e1");
    EXPECT_EQ(list.GetExpressionEntry(99)->Expression, "e99");
    EXPECT_EQ(list.GetExpressionEntry(100), nullptr);
}

TEST_F(RecentExpressionsTest, SkipsMissingEntriesAndSurvivesABogusCount) {
    UserData.Write("FilterTestRecentFilters.Txt", "[" + Section +
                                                      "]\r\nNewFileFormat=True\r\nRecentExpressionCount=2147483647\r\n"
                                                      "RecentExpression1=\r\nRecentExpression3=third\r\n");
    StartModule();
    EXPECT_EQ(Expressions(*GlobalRecentExpressions()), (std::vector<std::string>{"third"}));
}

TEST_F(RecentExpressionsTest, FallsBackToTheHostsExampleFile) {
    StartModule();
    const std::string example = GlobalRecentExpressions()->ExampleFileName();
    EndModule();
    ASSERT_TRUE(platform::DeleteFileAt(UserFile()));
    const std::string folder = platform::ExtractFileDir(example);
    const bool madeFolder = !platform::FolderExists(folder);
    ASSERT_TRUE(platform::CreateFolder(folder));
    ASSERT_TRUE(platform::WriteFileReplacing(example, "from the example\r\n\r\n"));

    StartModule();
    EXPECT_EQ(Expressions(*GlobalRecentExpressions()), (std::vector<std::string>{"from the example"}));
    EndModule();
    platform::DeleteFileAt(example);
    if (madeFolder) {
        std::filesystem::remove(folder);
    }
    // Once saved, the user's own file is preferred.
    EXPECT_TRUE(platform::FileExistsOnDisk(UserFile()));
}

TEST_F(RecentExpressionsTest, AFileThatCannotBeWrittenStaysAsItWas) {
    const std::string before = "[" + Section +
                               "]\r\nNewFileFormat=True\r\nRecentExpressionCount=2\r\n"
                               "RecentExpression1=kept\r\n";
    UserData.Write("FilterTestRecentFilters.Txt", before);
    StartModule();
    GlobalRecentExpressions()->AddExpression("new", "");
    platform::SimulateFullDisk(true);
    EXPECT_FALSE(GlobalRecentExpressions()->Save());
    EndModule();
    platform::SimulateFullDisk(false);
    EXPECT_EQ(UserData.Read("FilterTestRecentFilters.Txt"), before);
}

TEST_F(RecentExpressionsTest, MovesEntriesAndTellsTheListeners) {
    StartModule();
    TRecentExpressionList& list = *GlobalRecentExpressions();
    for (const char* e : {"a", "b", "c"}) {
        list.AddExpression(e, "");
    }
    int told = 0;
    list.Listeners.push_back([&](TRecentExpressionList& changed) {
        EXPECT_EQ(&changed, &list);
        ++told;
    });
    list.Move(3, 1);
    EXPECT_EQ(Expressions(list), (std::vector<std::string>{"c", "a", "b"}));
    list.Move(2, 2);
    list.Move(1, 9);
    EXPECT_EQ(told, 1);
    list.Delete(7);
    EXPECT_EQ(list.Count(), 4);
}

} // namespace
} // namespace hostkit
