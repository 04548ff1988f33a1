// The system's message beep.
#pragma once

#include <cstdint>

namespace platform {

// Sounds the system beep of the given type (0 = the default beep).
void MessageBeep(std::uint32_t type);

// Stand-in control (posix build only; host program and tests): beeps sounded since the last reset.
int BeepCount();
void ResetBeepCount();

} // namespace platform
