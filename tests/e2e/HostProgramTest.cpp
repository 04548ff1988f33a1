// The host program as the end-to-end tests run it: exit status, both output streams, the working folder.
#include "HostProgram.h"

#include <gmock/gmock.h>

namespace e2e {
namespace {

using ::testing::HasSubstr;
using ::testing::IsEmpty;
using ::testing::Not;

using HostProgram = TestFolder;

TEST_F(HostProgram, HelpSucceedsAndBadUsageExitsWithTwo) {
    const ProgramRun help = RunHostProgram({"--help"});
    EXPECT_EQ(help.ExitCode, 0) << help;
    EXPECT_THAT(help.Out, HasSubstr("render"));

    const ProgramRun bad = RunHostProgram({"no-such-command"});
    EXPECT_EQ(bad.ExitCode, 2) << bad;
    EXPECT_THAT(bad.Err, Not(IsEmpty()));
}

TEST_F(HostProgram, RelativeFilesLandInTheWorkingFolder) {
    const ProgramRun run = RunHostProgram({"generate", "--parts", "2", "--seed", "1", "-o", "made.sch"}, folder);
    ASSERT_EQ(run.ExitCode, 0) << run;
    EXPECT_TRUE(std::filesystem::is_regular_file(folder / "made.sch"));
}

} // namespace
} // namespace e2e
