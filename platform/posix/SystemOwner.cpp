// The one stand-in system of a host program, exported so that the plug-ins it loads use it too.
#include "platform/posix/SystemState.h"

extern "C" __attribute__((visibility("default"))) platform::posix::SystemState* TessellonStandInSystem() {
    static platform::posix::SystemState system = platform::posix::InitialSystemState();
    return &system;
}
