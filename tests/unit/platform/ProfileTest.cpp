#include "platform/Profile.h"
#include "platform/Files.h"
#include "tests/unit/platform/ScratchFolder.h"

#include <gtest/gtest.h>

namespace platform {
namespace {

using tessellon::testing::ScratchFolder;

constexpr const char* Sample = "; settings of the router\r\n"
                               "[Options]\r\n"
                               "TimeOut = 3000 \r\n"
                               "Quoted=\"  spaced  \"\r\n"
                               "; a comment inside\r\n"
                               "Clearance=5\r\n"
                               "TimeOut=9999\r\n"
                               "\r\n"
                               "[Other]\r\n"
                               "Keep=me\r\n"
                               "[options]\r\n"
                               "Hidden=1\r\n";

class ProfileFileTest : public ::testing::Test {
protected:
    ScratchFolder Folder;
    std::string Path = Folder.Write("Router.ini", Sample);
};

TEST_F(ProfileFileTest, ReadsLikeTheSystemsProfileFunctions) {
    const struct {
        const char* Section;
        const char* Key;
        const char* Expected;
    } cases[] = {
        {"Options", "TimeOut", "3000"},      // trimmed; the first of two equal keys wins
        {"OPTIONS", "timeout", "3000"},      // names ignore case
        {"Options", "Quoted", "  spaced  "}, // one pair of quotes removed, what they enclose kept
        {"Options", "Hidden", "default"},    // a second section of the same name is never read
        {"Options", "; a comment inside", "default"},
        {"Other", "Keep", "me"},
        {"Missing", "Keep", "default"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ReadProfileString(Path, c.Section, c.Key, "default"), c.Expected) << c.Section << "/" << c.Key;
    }
    EXPECT_EQ(ReadProfileString(Folder.File("none.ini"), "Options", "TimeOut", "3000"), "3000");
}

TEST_F(ProfileFileTest, WritingOneKeyKeepsEveryOtherLine) {
    ASSERT_TRUE(WriteProfileString(Path, "options", "timeout", "600000"));
    std::string expected = Sample;
    expected.replace(expected.find("TimeOut = 3000 "), 15, "timeout=600000");
    EXPECT_EQ(Folder.Read("Router.ini"), expected);
}

TEST_F(ProfileFileTest, NewKeysJoinTheirSectionAndNewSectionsTheEnd) {
    ASSERT_TRUE(WriteProfileString(Path, "Options", "Avoid Wires Position", "1"));
    ASSERT_TRUE(WriteProfileString(Path, "New", "Key", "v"));
    std::string expected = Sample;
    expected.insert(expected.find("\r\n\r\n[Other]") + 2, "Avoid Wires Position=1\r\n");
    expected += "[New]\r\nKey=v\r\n";
    EXPECT_EQ(Folder.Read("Router.ini"), expected);
}

TEST_F(ProfileFileTest, ErasingASectionKeepsTheOthers) {
    ASSERT_TRUE(EraseProfileSection(Path, "Options"));
    EXPECT_EQ(Folder.Read("Router.ini"), "; settings of the router\r\n[Other]\r\nKeep=me\r\n");
    EXPECT_TRUE(EraseProfileSection(Folder.File("none.ini"), "Options"));
    EXPECT_FALSE(FileExistsOnDisk(Folder.File("none.ini")));
}

TEST(ProfileFile, KeepsTheLineEndsOfTheFileAndGivesNewFilesTheSystems) {
    ScratchFolder folder;
    const std::string unix = folder.Write("unix.ini", "[A]\nx=1\n");
    ASSERT_TRUE(WriteProfileString(unix, "A", "y", "2"));
    EXPECT_EQ(folder.Read("unix.ini"), "[A]\nx=1\ny=2\n");

    ASSERT_TRUE(WriteProfileString(folder.File("new.ini"), "Options", "TimeOut", "3000"));
    EXPECT_EQ(folder.Read("new.ini"), "[Options]\r\nTimeOut=3000\r\n");
}

TEST(ProfileFile, RefusesWhatTheFormatCannotHoldAndChangesNothing) {
    ProfileFile file("unused.ini");
    const struct {
        const char* Section;
        const char* Key;
        const char* Value;
    } cases[] = {
        {"S", "", "v"},    {"S", "a=b", "v"}, {"S]", "k", "v"}, {"S", "k", "two\nlines"},
        {"S", "k\r", "v"}, {"S", "[k", "v"},  {"S", ";k", "v"},
    };
    for (const auto& c : cases) {
        EXPECT_FALSE(file.Write(c.Section, c.Key, c.Value)) << c.Section << "/" << c.Key << "/" << c.Value;
    }
    EXPECT_EQ(file.Text(), "");
}

TEST_F(ProfileFileTest, AFailedWriteLeavesThePreviousFileIntact) {
    SimulateFullDisk(true);
    EXPECT_FALSE(WriteProfileString(Path, "Options", "TimeOut", "1"));
    EXPECT_FALSE(EraseProfileSection(Path, "Other"));
    SimulateFullDisk(false);
    EXPECT_EQ(Folder.Read("Router.ini"), Sample);
    EXPECT_FALSE(WriteProfileString(Folder.File("missing/Router.ini"), "Options", "TimeOut", "1"));
}

TEST_F(ProfileFileTest, ListsKeysAndSectionsOnceEach) {
    const ProfileFile file(Path);
    EXPECT_EQ(file.Keys("options"), (std::vector<std::string>{"TimeOut", "Quoted", "Clearance"}));
    EXPECT_EQ(file.Sections(), (std::vector<std::string>{"Options", "Other"}));
}

} // namespace
} // namespace platform
