#include "platform/Sound.h"
#include "platform/posix/SystemState.h"

namespace platform {

// A beep is counted, not heard: the host program and tests read the count.
void MessageBeep(std::uint32_t) {
    ++posix::System().Beeps;
}

int BeepCount() {
    return posix::System().Beeps;
}

void ResetBeepCount() {
    posix::System().Beeps = 0;
}

} // namespace platform
