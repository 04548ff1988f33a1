// Every subcommand of tessellon-sim: a file NameCommand.cpp that defines `void addNameCommand(CommandLine&)`, and
// one line in this list.
#pragma once

#include "hostsim/cli/CommandLine.h"

#define TESSELLON_SIM_COMMANDS(X)                                                                                      \
    X(Render)                                                                                                          \
    X(Inspect)                                                                                                         \
    X(Generate)                                                                                                        \
    X(Capture)                                                                                                         \
    X(Route)                                                                                                           \
    X(Options)

namespace hostsim {
#define TESSELLON_SIM_DECLARE_COMMAND(Name) void add##Name##Command(CommandLine& commandLine);
TESSELLON_SIM_COMMANDS(TESSELLON_SIM_DECLARE_COMMAND)
#undef TESSELLON_SIM_DECLARE_COMMAND
} // namespace hostsim
