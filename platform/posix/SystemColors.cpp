#include "platform/SystemColors.h"
#include "platform/posix/SystemState.h"

namespace platform {

Color GetSystemColor(SystemColor which) {
    const auto& colors = posix::System().Colors;
    const auto found = colors.find(which);
    return found == colors.end() ? Color{} : found->second;
}

void SetSystemColor(SystemColor which, Color c) {
    posix::System().Colors[which] = c;
}

void ResetSystemColors() {
    posix::System().Colors = posix::ClassicColors();
}

} // namespace platform
