#include "platform/MessageQueue.h"
#include "platform/posix/SystemState.h"

#include <algorithm>

namespace platform {

bool PostWindowMessage(WindowHandle window, std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam) {
    auto& system = posix::System();
    if (window != 0 && system.Windows.count(window) == 0) {
        return false; // like the system: no queue for a window that does not exist
    }
    system.Messages.push_back({window, message, wParam, lParam});
    return true;
}

std::optional<WindowMessage> PeekWindowMessage(WindowHandle window, bool remove) {
    auto& queue = posix::System().Messages;
    const auto found = std::find_if(queue.begin(), queue.end(),
                                    [window](const WindowMessage& m) { return window == 0 || m.Window == window; });
    if (found == queue.end()) {
        return std::nullopt;
    }
    const WindowMessage message = *found;
    if (remove) {
        queue.erase(found);
    }
    return message;
}

bool PostKeyPress(WindowHandle window, std::uintptr_t key) {
    return PostWindowMessage(window, KeyDownMessage, key, 1);
}

void ClearMessageQueues() {
    posix::System().Messages.clear();
}

} // namespace platform
