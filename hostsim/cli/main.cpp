// tessellon-sim: the simulated host's command line.
#include "hostsim/cli/Commands.h"

int main(int argc, char** argv) {
    hostsim::CommandLine commandLine;
#define TESSELLON_SIM_ADD_COMMAND(Name) hostsim::add##Name##Command(commandLine);
    TESSELLON_SIM_COMMANDS(TESSELLON_SIM_ADD_COMMAND)
#undef TESSELLON_SIM_ADD_COMMAND
    return commandLine.run(argc, argv);
}
