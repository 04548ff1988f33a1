#include "hostkit/rt_FileUtil.h"
#include "hostkit/ClientProcs.h"
#include "hostkit/Rt_Util.h"
#include "platform/Environment.h"
#include "platform/Folders.h"
#include "platform/Module.h"
#include "tests/unit/hostkit/FakeHost.h"
#include "tests/unit/platform/ScratchFolder.h"

#include <gtest/gtest.h>

#include <cstring>
#include <set>

namespace hostkit {
namespace {

// The host's answers: which files exist, and every question asked.
std::set<std::string> hostFiles;
std::vector<std::string> asked;

std::uint8_t TESSELLON_STDCALL FakeExistSpecific(const char* fileName) {
    asked.emplace_back(fileName);
    return hostFiles.count(fileName) ? 1 : 0;
}

void TESSELLON_STDCALL FakeExtractWholeFileName(const char* path, char* result) {
    const char* slash = std::strrchr(path, '/');
    std::strcpy(result, slash != nullptr ? slash + 1 : path);
}

void TESSELLON_STDCALL FakeConvertToExeFileName(const char* fileName, char* result) {
    std::strcpy(result, ("/host/" + std::string(fileName)).c_str());
}

class FindSupportFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        hostFiles.clear();
        asked.clear();
        ClientApi = {};
        ClientApi.ClientAPI_ExistSpecific = &FakeExistSpecific;
        ClientApi.ClientAPI_ExtractWholeFileNameFromPath = &FakeExtractWholeFileName;
        ClientApi.ClientAPI_ConvertFileNameToExeFileName = &FakeConvertToExeFileName;
        platform::SetUserDataFolderOverride(UserData.Path());
        platform::WriteEnvironmentVariable("PATH", "");
    }
    void TearDown() override {
        platform::SetUserDataFolderOverride("");
        platform::SetWindowsFolder("");
        platform::SetSystemFolder("");
        platform::WriteEnvironmentVariable("PATH", SavedPath);
    }

    testing::ClientApiScope Scope;
    tessellon::testing::ScratchFolder UserData;
    const std::optional<std::string> SavedPath = platform::ReadEnvironmentVariable("PATH");
};

TEST_F(FindSupportFileTest, AsksTheHostInTheKitsOrder) {
    platform::SetWindowsFolder("/win");
    platform::SetSystemFolder("/win/system32");
    std::string name = "TEMPLATE.BAS";
    EXPECT_FALSE(FindSupportFile(name));
    EXPECT_EQ(name, "TEMPLATE.BAS") << "not found: unchanged";
    const std::vector<std::string> expected = {
        "TEMPLATE.BAS",
        "/host/TEMPLATE.BAS",
        SystemRelativePath("TEMPLATE.BAS"),
        ModuleRelativePath("TEMPLATE.BAS"),
        UserData.File("TEMPLATE.BAS"),
        "/win/TEMPLATE.BAS",
        "/win/system32/TEMPLATE.BAS",
        "/win/Command/TEMPLATE.BAS",
    };
    EXPECT_EQ(asked, expected);
}

TEST_F(FindSupportFileTest, TakesTheFirstPlaceTheHostKnows) {
    const std::string inSystem = SystemRelativePath("TEMPLATE.BAS");
    hostFiles = {inSystem, UserData.File("TEMPLATE.BAS")};
    std::string name = "TEMPLATE.BAS";
    ASSERT_TRUE(FindSupportFile(name));
    EXPECT_EQ(name, inSystem);
    EXPECT_EQ(asked.size(), 3u) << "the search stops at the first hit";
}

TEST_F(FindSupportFileTest, SkipsTheWindowsFoldersTheSystemDoesNotName) {
    std::string name = "TEMPLATE.TRP";
    EXPECT_FALSE(FindSupportFile(name));
    EXPECT_EQ(asked.size(), 5u);
}

TEST_F(FindSupportFileTest, SearchesPathOnDiskLast) {
    tessellon::testing::ScratchFolder a, b;
    b.Write("TEMPLATE.BAS", "x");
    platform::WriteEnvironmentVariable("PATH", "::" + a.Path() + ":" + b.Path() + "/");
    std::string name = "TEMPLATE.BAS";
    ASSERT_TRUE(FindSupportFile(name));
    EXPECT_EQ(name, b.File("TEMPLATE.BAS"));
}

TEST_F(FindSupportFileTest, APathTooLongForItsBufferSearchesOnlyTheNameItself) {
    tessellon::testing::ScratchFolder b;
    b.Write("TEMPLATE.BAS", "x");
    platform::WriteEnvironmentVariable("PATH", b.Path() + ":" + std::string(256, 'p'));
    std::string name = "TEMPLATE.BAS";
    EXPECT_FALSE(FindSupportFile(name));

    std::string absolute = b.File("TEMPLATE.BAS");
    EXPECT_TRUE(FindSupportFile(absolute)) << "the name itself is still checked on disk";
}

TEST_F(FindSupportFileTest, CutsEveryCandidateTo255Characters) {
    std::string name = std::string(300, 'n');
    EXPECT_FALSE(FindSupportFile(name));
    for (const std::string& candidate : asked) {
        EXPECT_LE(candidate.size(), 255u);
    }
    EXPECT_EQ(name, std::string(300, 'n'));
}

} // namespace
} // namespace hostkit
