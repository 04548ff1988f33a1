// Running the host program in end-to-end tests, and where the built programs, plug-ins and data are.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace e2e {

struct ProgramRun {
    int ExitCode = -1; // the exit status; -1 when the program did not exit normally
    std::string Out;
    std::string Err;
};

// Runs tessellon-sim with Arguments (no shell involved) in Folder (the test's working folder when empty), with an
// empty standard input, as from a script: nothing waits for a terminal.
ProgramRun RunHostProgram(const std::vector<std::string>& arguments, const std::filesystem::path& folder = {});

std::filesystem::path HostProgramFile();
// The built plug-in libraries; empty when the plug-in is not part of the build.
std::filesystem::path SnapscribeFile();
std::filesystem::path WirewrightFile();
// data/ (templates, example sheets, the part library) and tests/fixtures/ of the source tree.
std::filesystem::path DataFolder();
std::filesystem::path FixturesFolder();

// A fresh folder for one test's files, removed after it.
class TestFolder : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    std::filesystem::path folder;
};

// Prints the run when an expectation on it fails.
std::ostream& operator<<(std::ostream& out, const ProgramRun& run);

} // namespace e2e
