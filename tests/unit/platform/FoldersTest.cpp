#include "platform/Folders.h"
#include "platform/Environment.h"

#include <gtest/gtest.h>

namespace platform {
namespace {

// Restores the variables a test changes.
class EnvironmentGuard {
public:
    explicit EnvironmentGuard(std::initializer_list<const char*> names) {
        for (const char* name : names) {
            Saved_.emplace_back(name, ReadEnvironmentVariable(name));
        }
    }
    ~EnvironmentGuard() {
        for (const auto& [name, value] : Saved_) {
            WriteEnvironmentVariable(name, value);
        }
    }

private:
    std::vector<std::pair<std::string, std::optional<std::string>>> Saved_;
};

TEST(GetSpecialFolder, ApplicationDataFollowsTheUsersConfigurationFolder) {
    EnvironmentGuard guard{"XDG_CONFIG_HOME", "HOME"};
    const struct {
        std::optional<std::string> Config;
        std::optional<std::string> Home;
        const char* Expected;
    } cases[] = {
        {"/cfg", "/home/u", "/cfg"},
        {"", "/home/u", "/home/u/.config"},
        {std::nullopt, "/home/u/", "/home/u/.config"},
        {std::nullopt, std::nullopt, ""},
    };
    for (const auto& c : cases) {
        WriteEnvironmentVariable("XDG_CONFIG_HOME", c.Config);
        WriteEnvironmentVariable("HOME", c.Home);
        EXPECT_EQ(GetSpecialFolder(AppDataFolder), c.Expected);
    }
    EXPECT_EQ(GetSpecialFolder(5), "") << "the posix stand-in knows only the application-data folder";
}

TEST(PerUserDataFolder, IsTheMakersFolderUnlessOverridden) {
    EnvironmentGuard guard{"XDG_CONFIG_HOME", "HOME"};
    WriteEnvironmentVariable("XDG_CONFIG_HOME", "/cfg");
    EXPECT_EQ(PerUserDataFolder(), "/cfg/Korvane");
    SetUserDataFolderOverride("/tmp/elsewhere");
    EXPECT_EQ(PerUserDataFolder(), "/tmp/elsewhere");
    SetUserDataFolderOverride("");
    WriteEnvironmentVariable("XDG_CONFIG_HOME", std::nullopt);
    WriteEnvironmentVariable("HOME", std::nullopt);
    EXPECT_EQ(PerUserDataFolder(), "/Korvane") << "an unknown application-data folder leaves the root";
}

TEST(Paths, JoinAndSplitWithTheSystemsDelimiter) {
    EXPECT_EQ(JoinPath("/a/b", "c.txt"), "/a/b/c.txt");
    EXPECT_EQ(JoinPath("/a/b/", "c.txt"), "/a/b/c.txt");
    EXPECT_EQ(JoinPath("", "Korvane"), "/Korvane");
    EXPECT_EQ(ExtractFileDir("/a/b/c.txt"), "/a/b");
    EXPECT_EQ(ExtractFileDir("/c.txt"), "/");
    EXPECT_EQ(ExtractFileDir("c.txt"), "");
    EXPECT_EQ(ExtractFileName("/a/b/c.txt"), "c.txt");
    EXPECT_EQ(SystemUpperCasePath("/a/Template.bas"), "/a/Template.bas") << "posix names are case-sensitive";
}

TEST(WindowsFolders, AreEmptyUntilSet) {
    EXPECT_EQ(WindowsFolder(), "");
    EXPECT_EQ(SystemFolder(), "");
    SetWindowsFolder("/win");
    SetSystemFolder("/win/system32");
    EXPECT_EQ(WindowsFolder(), "/win");
    EXPECT_EQ(SystemFolder(), "/win/system32");
    SetWindowsFolder("");
    SetSystemFolder("");
}

} // namespace
} // namespace platform
