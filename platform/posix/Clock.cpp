#include "platform/Clock.h"
#include "platform/posix/SystemState.h"

#include <chrono>

namespace platform {

std::uint32_t GetTickCount() {
    if (const TickSource source = posix::System().Tick) {
        return source();
    }
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<std::uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(now).count());
}

void SetTickSource(TickSource source) {
    posix::System().Tick = source;
}

} // namespace platform
