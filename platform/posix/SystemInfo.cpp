#include "platform/SystemInfo.h"
#include "platform/posix/SystemState.h"

namespace platform {

SystemVersion GetSystemVersion() {
    return posix::System().Version;
}

void SetSystemVersion(SystemVersion version) {
    posix::System().Version = version;
}

} // namespace platform
