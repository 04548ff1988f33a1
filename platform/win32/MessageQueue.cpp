#include "platform/MessageQueue.h"
#include "platform/win32/Handles.h"

namespace platform {

bool PostWindowMessage(WindowHandle window, std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam) {
    return PostMessageA(win32::ToHwnd(window), message, wParam, lParam) != FALSE;
}

std::optional<WindowMessage> PeekWindowMessage(WindowHandle window, bool remove) {
    MSG msg{};
    if (!PeekMessageA(&msg, win32::ToHwnd(window), 0, 0, remove ? PM_REMOVE : PM_NOREMOVE)) {
        return std::nullopt;
    }
    return WindowMessage{win32::FromHwnd(msg.hwnd), msg.message, msg.wParam, msg.lParam};
}

bool PostKeyPress(WindowHandle window, std::uintptr_t key) {
    return PostWindowMessage(window, KeyDownMessage, key, 1);
}

} // namespace platform
