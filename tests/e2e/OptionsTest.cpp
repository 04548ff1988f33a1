// Wirewright's options dialog through the host program: flags become what a user types, OK saves Router.ini.
#include "HostProgram.h"
#include "tests/ReadFile.h"

#include <gmock/gmock.h>

#include <fstream>
#include <sstream>

namespace e2e {
namespace {

using ::testing::HasSubstr;

using Options = TestFolder;

TEST_F(Options, FlagsAreTypedIntoTheDialogAndSavedOnOk) {
    if (WirewrightFile().empty())
        GTEST_SKIP() << "Wirewright is not part of this build";
    const std::string userData = (folder / "user").string();
    const ProgramRun run = RunHostProgram(
        {"options", "--clearance", "12", "--timeout", "9", "--avoid", "3", "--user-data", userData}, folder);
    ASSERT_EQ(run.ExitCode, 0) << run;
    EXPECT_THAT(run.Out, HasSubstr("Clearance = 12"));
    const std::string ini = testsupport::ReadFile(folder / "user" / "Router.ini");
    EXPECT_THAT(ini, HasSubstr("TimeOut=9000"));
    EXPECT_THAT(ini, HasSubstr("Avoid Wires Position=3"));

    // 100 s and clearance 100 lie outside what the dialog takes: the saved values stay.
    const ProgramRun ignored =
        RunHostProgram({"options", "--clearance", "100", "--timeout", "100", "--user-data", userData}, folder);
    ASSERT_EQ(ignored.ExitCode, 0) << ignored;
    EXPECT_THAT(ignored.Out, HasSubstr("Clearance = 12"));
    EXPECT_THAT(ignored.Out, HasSubstr("TimeOut = 9000"));
}

TEST_F(Options, CancelFromAnAnswersFileSavesNothing) {
    if (WirewrightFile().empty())
        GTEST_SKIP() << "Wirewright is not part of this build";
    std::ofstream(folder / "cancel.txt") << "set ClearanceEditBox 40\nkey Escape\n";
    const ProgramRun run =
        RunHostProgram({"options", "--answers", "cancel.txt", "--user-data", (folder / "user").string()}, folder);
    ASSERT_EQ(run.ExitCode, 0) << run;
    EXPECT_THAT(run.Out, HasSubstr("Clearance = 5"));
    EXPECT_FALSE(std::filesystem::exists(folder / "user" / "Router.ini"));
}

TEST_F(Options, NoFlagsWithoutATerminalIsBadUsage) {
    const ProgramRun run = RunHostProgram({"options", "--user-data", (folder / "user").string()}, folder);
    EXPECT_EQ(run.ExitCode, 2) << run;
}

} // namespace
} // namespace e2e
