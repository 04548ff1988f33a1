#include "hostkit/Rt_Util.h"
#include "platform/Environment.h"
#include "platform/Files.h"
#include "platform/Folders.h"
#include "platform/SystemColors.h"
#include "platform/SystemInfo.h"
#include "tests/unit/platform/ScratchFolder.h"

#include <gtest/gtest.h>

namespace hostkit {
namespace {

TEST(IncrementTrailingNumber, CountsTheDesignatorsNumberOn) {
    const struct {
        const char* Before;
        std::int32_t Delta;
        const char* After;
    } cases[] = {
        {"U9", 1, "U10"},
        {"R007", 1, "R008"},
        {"R099", 1, "R100"},
        {"C", 1, "C"},
        {"X1.5", 1, "X1.5"}, // not a whole number
        {"N-2", 1, "N-1"},
        {"Q-", 1, "Q-"}, // a lone "-"
        {"", 1, ""},
        {"7", 5, "12"},      // all number
        {"R10", -3, "R07"},  // the width is kept
        {"R1-2", 1, "R1-2"}, // "1-2" is no number
        {"U2147483647", 1, "U2147483648"},
        {"U99999999999", 1, "U99999999999"}, // beyond 32 bits: not read, unchanged
    };
    for (const auto& c : cases) {
        std::string text = c.Before;
        IncrementTrailingNumber(text, c.Delta);
        EXPECT_EQ(text, c.After) << c.Before << " + " << c.Delta;
    }
    std::string full = std::string(254, 'U') + "9";
    IncrementTrailingNumberShort(full, 1);
    EXPECT_EQ(full, std::string(254, 'U') + "1") << "a counted string keeps its first 255 characters";
}

TEST(SameText, ComparesIgnoringAsciiCaseAndSameTextTrimAlsoBlanks) {
    EXPECT_TRUE(SameText("ClientPascal", "clientpascal"));
    EXPECT_FALSE(SameText(" Sch ", "sch"));
    EXPECT_TRUE(SameTextTrim(" Sch ", "sch"));
    EXPECT_TRUE(SameTextTrim("\t\r\nSch", "SCH"));
    EXPECT_FALSE(SameTextTrim("S ch", "sch"));
    EXPECT_FALSE(SameText("\xC4", "\xE4"));
    EXPECT_EQ(TrimLeftText(" \t x "), "x ");
    EXPECT_EQ(TrimRightText(" x \x01"), " x");
    EXPECT_EQ(IntegerToText(-2147483647 - 1), "-2147483648");
}

TEST(GetEnvironmentText, AnswersOnlyWhatFitsIts255CharacterBuffer) {
    const auto saved = platform::ReadEnvironmentVariable("TESSELLON_TEST_VAR");
    platform::WriteEnvironmentVariable("TESSELLON_TEST_VAR", std::string(255, 'a'));
    EXPECT_EQ(GetEnvironmentText("TESSELLON_TEST_VAR"), std::string(255, 'a'));
    platform::WriteEnvironmentVariable("TESSELLON_TEST_VAR", std::string(256, 'a'));
    EXPECT_EQ(GetEnvironmentText("TESSELLON_TEST_VAR"), "");
    platform::WriteEnvironmentVariable("TESSELLON_TEST_VAR", std::nullopt);
    EXPECT_EQ(GetEnvironmentText("TESSELLON_TEST_VAR"), "");
    platform::WriteEnvironmentVariable("TESSELLON_TEST_VAR", saved);
}

TEST(IsWindowsXPOrLater, StartsAtVersion5Point1) {
    const struct {
        int Major, Minor;
        bool Expected;
    } cases[] = {{4, 9, false}, {5, 0, false}, {5, 1, true}, {5, 2, true}, {6, 0, true}, {10, 0, true}};
    for (const auto& c : cases) {
        platform::SetSystemVersion({c.Major, c.Minor});
        EXPECT_EQ(IsWindowsXPOrLater(), c.Expected) << c.Major << "." << c.Minor;
    }
    platform::SetSystemVersion({5, 1});
}

TEST(GetUserDataFolder, CreatesOneLevel) {
    tessellon::testing::ScratchFolder scratch;
    platform::SetUserDataFolderOverride(scratch.File("Korvane"));
    EXPECT_EQ(GetUserDataFolder(), scratch.File("Korvane"));
    EXPECT_TRUE(platform::FolderExists(scratch.File("Korvane")));
    platform::SetUserDataFolderOverride("");
}

TEST(RelativePaths, StartAtTheLibraryAndAtTheHostsSystemFolder) {
    // The kit is linked into this test program, so both start at the program's folder; posix keeps the case.
    const std::string program = platform::ModuleFileName(HostModuleHandle());
    const std::string folder = platform::ExtractFileDir(program);
    EXPECT_EQ(ModuleRelativePath("Template.bas"), folder + "/Template.bas");
    EXPECT_EQ(SystemRelativePath("Template.bas"), folder + "/System/Template.bas");
}

TEST(RecolorToSystem, PaintsTheFixedColoursInTheSystemsScheme) {
    platform::ResetSystemColors();
    const platform::Color face = platform::GetSystemColor(platform::SystemColor::ButtonFace);
    const platform::Color shadow = platform::GetSystemColor(platform::SystemColor::ButtonShadow);
    const platform::Color highlight = platform::GetSystemColor(platform::SystemColor::ButtonHighlight);
    const platform::Color fixed[] = {{255, 0, 255},   {191, 191, 191}, {192, 192, 192},
                                     {128, 128, 128}, {255, 255, 255}, {10, 20, 30}};
    const platform::Color expected[] = {face, face, face, shadow, highlight, {10, 20, 30}};
    platform::Bitmap bitmap(6, 1);
    for (int x = 0; x < 6; ++x) {
        bitmap.SetPixel(x, 0, fixed[x]);
    }
    RecolorToSystem(bitmap);
    for (int x = 0; x < 6; ++x) {
        EXPECT_EQ(bitmap.Pixel(x, 0), expected[x]) << x;
    }

    // The replacements run in order: a face colour equal to a later fixed colour is painted again.
    platform::SetSystemColor(platform::SystemColor::ButtonFace, {128, 128, 128});
    platform::Bitmap magenta(1, 1, {255, 0, 255});
    RecolorToSystem(magenta);
    EXPECT_EQ(magenta.Pixel(0, 0), shadow);
    platform::ResetSystemColors();
}

} // namespace
} // namespace hostkit
