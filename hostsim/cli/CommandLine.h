// The command line of tessellon-sim: subcommands registered by name, each with its own --help, and the exit status
// every job answers: 0 done, 1 the job failed, 2 bad usage or bad input.
#pragma once

#include <filesystem>
#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>

#include <CLI/CLI.hpp>

#include "hostsim/plexa/Document.h"

namespace hostsim {

constexpr int ExitDone = 0;
constexpr int ExitFailed = 1;
constexpr int ExitBadInput = 2;

// Bad usage or an input the job cannot take (exit 2).
struct InputError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// The job was understood but could not be done (exit 1).
struct JobError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

class CommandLine {
public:
    CommandLine();

    // Adds a subcommand; its action runs when the subcommand was chosen and answers the exit status.
    CLI::App& add(const std::string& name, const std::string& description, std::function<int()> action);

    // Parses the arguments and runs the chosen action; messages go to the standard error stream.
    int run(int argc, char** argv);

private:
    CLI::App app_;
    std::function<int()> chosen_;
};

// One sheet coordinate: a decimal number, blanks around it allowed. Throws InputError naming Context and the item
// when the item is no number (adding Expected, what the whole argument must look like) or lies outside the 32-bit
// sheet coordinates.
int32_t readSheetCoordinate(std::string_view item, const std::string& context, const std::string& expected);

// A sheet file opened as a document of the store and made current (InputError when it cannot be read).
Document& openSheet(const std::filesystem::path& file);

// Writes a text file in one step (JobError when it cannot be written).
void writeOutput(const std::filesystem::path& file, const std::string& text);

} // namespace hostsim
