#include "platform/Sound.h"

#include <windows.h>

namespace platform {

void MessageBeep(std::uint32_t type) {
    ::MessageBeep(type);
}

} // namespace platform
