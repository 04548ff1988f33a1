// Facts about the running system.
#pragma once

namespace platform {

struct SystemVersion {
    int Major = 0;
    int Minor = 0;
};

// The system's version. The posix stand-in reports 5.1 (the first version with themed controls) unless set below.
SystemVersion GetSystemVersion();

// Stand-in control (posix build only; host program and tests).
void SetSystemVersion(SystemVersion version);

} // namespace platform
