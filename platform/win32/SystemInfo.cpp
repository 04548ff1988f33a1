#include "platform/SystemInfo.h"

#include <windows.h>

namespace platform {

SystemVersion GetSystemVersion() {
    OSVERSIONINFOA info{};
    info.dwOSVersionInfoSize = sizeof info;
    if (!GetVersionExA(&info)) {
        return {};
    }
    return SystemVersion{static_cast<int>(info.dwMajorVersion), static_cast<int>(info.dwMinorVersion)};
}

} // namespace platform
