#include "router/Options.h"

#include "platform/Folders.h"
#include "tests/ReadFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace wirewright::test {
namespace {

namespace fs = std::filesystem;

// Every test keeps its settings in a folder of its own, never in the user's.
class RouteOptionsTest : public ::testing::Test {
protected:
    void SetUp() override {
        Folder = fs::temp_directory_path() /
                 ("router_access_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(Folder);
        fs::create_directories(Folder);
        platform::SetUserDataFolderOverride(Folder.string());
    }
    void TearDown() override {
        platform::SetUserDataFolderOverride("");
        fs::remove_all(Folder);
    }

    static void WriteFile(const std::string& Path, const std::string& Text) { std::ofstream(Path) << Text; }

    fs::path Folder;
};

TEST_F(RouteOptionsTest, MissingFileGivesDefaultsAndIsNotCreated) {
    TRouteOptions Options;
    EXPECT_EQ(Options.TimeOut(), 3000);
    EXPECT_EQ(Options.Clearance(), 5);
    EXPECT_EQ(Options.AvoidWiresPosition(), 1);
    EXPECT_EQ(fs::path(Options.IniFile()).filename(), "Router.ini");
    EXPECT_EQ(Options.IniFile().rfind(Folder.string(), 0), 0u) << "kept in the test's own folder";
    EXPECT_FALSE(fs::exists(Options.IniFile()));
}

struct TFileCase {
    const char* Name;
    const char* Text;
    int32_t TimeOut, Clearance, AvoidWiresPosition;
};

class RouteOptionsFileTest : public RouteOptionsTest, public ::testing::WithParamInterface<TFileCase> {};

TEST_P(RouteOptionsFileTest, LoadsWithinRangesOrFallsBack) {
    TRouteOptions Options;
    WriteFile(Options.IniFile(), GetParam().Text);
    Options.Load();
    EXPECT_EQ(Options.TimeOut(), GetParam().TimeOut);
    EXPECT_EQ(Options.Clearance(), GetParam().Clearance);
    EXPECT_EQ(Options.AvoidWiresPosition(), GetParam().AvoidWiresPosition);
}

INSTANTIATE_TEST_SUITE_P(
    Files, RouteOptionsFileTest,
    ::testing::Values(
        TFileCase{"LowestValues", "[Options]\nTimeOut=1\nClearance=1\nAvoid Wires Position=1\n", 1, 1, 1},
        TFileCase{"HighestValues", "[Options]\nTimeOut=600000\nClearance=100\nAvoid Wires Position=10\n", 600000, 100,
                  10},
        TFileCase{"BelowRange", "[Options]\nTimeOut=0\nClearance=0\nAvoid Wires Position=0\n", 3000, 5, 1},
        TFileCase{"AboveRange", "[Options]\nTimeOut=600001\nClearance=101\nAvoid Wires Position=11\n", 3000, 5, 1},
        TFileCase{"Negative", "[Options]\nTimeOut=-20\nClearance=-1\nAvoid Wires Position=-3\n", 3000, 5, 1},
        TFileCase{"NotNumbers", "[Options]\nTimeOut=3s\nClearance=abc\nAvoid Wires Position=\n", 3000, 5, 1},
        TFileCase{"TooLargeForAnInteger", "[Options]\nTimeOut=99999999999\nClearance=7\n", 3000, 7, 1},
        TFileCase{"AvoidLevelMissing", "[Options]\nTimeOut=4000\nClearance=9\n", 4000, 9, 1},
        TFileCase{"KeysOfAnotherSection", "[Other]\nTimeOut=4000\nClearance=9\nAvoid Wires Position=4\n", 3000, 5, 1},
        TFileCase{"BlanksAndCaseOfNames", "[options]\r\n timeout = 250 \r\nCLEARANCE=12\r\nAvoid Wires Position=6\r\n",
                  250, 12, 6}),
    [](const auto& Info) { return std::string(Info.param.Name); });

TEST_F(RouteOptionsTest, SaveWritesTheThreeKeys) {
    TRouteOptions Options;
    ASSERT_TRUE(Options.Save());
    EXPECT_EQ(testsupport::ReadFile(Options.IniFile()),
              "[Options]\r\nTimeOut=3000\r\nClearance=5\r\nAvoid Wires Position=1\r\n");
}

TEST_F(RouteOptionsTest, SaveKeepsEverythingElseInTheFile) {
    TRouteOptions Options;
    WriteFile(Options.IniFile(), "; kept\n[Window]\nLeft=10\n[Options]\nClearance=9\nExtra=yes\n[Tail]\nA=1\n");
    Options.Load();
    Options.SetTimeOut(1500);
    Options.SetClearance(20);
    Options.SetAvoidWiresPosition(7);
    ASSERT_TRUE(Options.Save());

    const std::string Text = testsupport::ReadFile(Options.IniFile());
    for (const char* Kept : {"; kept", "[Window]", "Left=10", "Extra=yes", "[Tail]", "A=1"})
        EXPECT_NE(Text.find(Kept), std::string::npos) << Kept;
    TRouteOptions Reread;
    EXPECT_EQ(Reread.TimeOut(), 1500);
    EXPECT_EQ(Reread.Clearance(), 20);
    EXPECT_EQ(Reread.AvoidWiresPosition(), 7);
}

TEST_F(RouteOptionsTest, FailedSaveKeepsTheValuesInForce) {
    TRouteOptions Options;
    fs::create_directory(Options.IniFile()); // a folder where the file should be
    Options.SetClearance(42);
    EXPECT_FALSE(Options.Save());
    EXPECT_EQ(Options.Clearance(), 42);
}

} // namespace
} // namespace wirewright::test
