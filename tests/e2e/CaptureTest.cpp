// The whole capture through the host program and the real Snapscribe library: the wizard played from the flags,
// the region and reference point from the host's input queue, the script compared with checked-in golden files.
#include "HostProgram.h"
#include "tests/ReadFile.h"

#include <gmock/gmock.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

namespace e2e {
namespace {

using ::testing::HasSubstr;
using ::testing::Not;

class Capture : public TestFolder {
protected:
    void SetUp() override {
        TestFolder::SetUp();
        if (SnapscribeFile().empty())
            GTEST_SKIP() << "Snapscribe is not part of this build";
        // The plug-in keeps per-user files: never the user's own.
        setenv("XDG_CONFIG_HOME", (folder / "user").c_str(), 1);
    }
    void TearDown() override {
        unsetenv("XDG_CONFIG_HOME");
        TestFolder::TearDown();
    }

    ProgramRun CaptureAmplifier(const std::string& language, const std::filesystem::path& script,
                                std::vector<std::string> extra = {}) {
        std::vector<std::string> arguments = {"capture",    (DataFolder() / "examples" / "amplifier.sch").string(),
                                              "--region",   "100,400,620,700",
                                              "--ref",      "400,500",
                                              "--language", language,
                                              "-o",         script.string()};
        arguments.insert(arguments.end(), extra.begin(), extra.end());
        return RunHostProgram(arguments, folder);
    }
};

TEST_F(Capture, ExampleSheetInBothLanguagesMatchesTheGoldenScripts) {
    const struct {
        const char* Language;
        const char* Golden;
    } cases[] = {{"basic", "amplifier.bas"}, {"pascal", "amplifier.trp"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Language);
        const std::filesystem::path script = folder / c.Golden;
        const ProgramRun run = CaptureAmplifier(c.Language, script);
        ASSERT_EQ(run.ExitCode, 0) << run;
        EXPECT_THAT(run.Out, HasSubstr("Sch:SelectObjectsInsideArea"));
        EXPECT_EQ(testsupport::ReadFile(script), testsupport::ReadFile(FixturesFolder() / "capture" / c.Golden));
    }
}

TEST_F(Capture, ViewAndRunAskTheHostToOpenAndRunTheScript) {
    const std::filesystem::path script = folder / "viewed.bas";
    const ProgramRun run = CaptureAmplifier("basic", script, {"--view", "--run"});
    ASSERT_EQ(run.ExitCode, 0) << run;
    EXPECT_THAT(run.Out, HasSubstr("Client:OpenDocument"));
    EXPECT_THAT(run.Out, HasSubstr("Macro:RunMacro"));

    const ProgramRun plain = CaptureAmplifier("basic", folder / "plain.bas");
    ASSERT_EQ(plain.ExitCode, 0) << plain;
    EXPECT_THAT(plain.Out, Not(HasSubstr("Macro:RunMacro")));
}

TEST_F(Capture, ARegionTheUserCancelsWritesNoScript) {
    const std::filesystem::path script = folder / "none.bas";
    const ProgramRun run = RunHostProgram(
        {"capture", (DataFolder() / "examples" / "amplifier.sch").string(), "--ref", "400,500", "-o", script.string()},
        folder);
    EXPECT_NE(run.ExitCode, 0) << run;
    EXPECT_FALSE(std::filesystem::exists(script));
}

TEST_F(Capture, ASheetThatCannotBeReadIsBadInput) {
    std::ofstream(folder / "broken.sch") << "{ \"objects\": [ { \"kind\": ";
    const ProgramRun run =
        RunHostProgram({"capture", "broken.sch", "--region", "0,0,10,10", "--ref", "0,0", "-o", "x.bas"}, folder);
    EXPECT_EQ(run.ExitCode, 2) << run;
    EXPECT_THAT(run.Err, HasSubstr("broken.sch"));
    EXPECT_FALSE(std::filesystem::exists(folder / "x.bas"));
}

} // namespace
} // namespace e2e
