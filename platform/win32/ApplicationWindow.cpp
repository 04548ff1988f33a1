#include "platform/Application.h"
#include "platform/win32/Handles.h"

namespace platform {

// A hidden message window stands for the toolkit's application window of this library.
WindowHandle ApplicationWindow() {
    static const HWND window =
        CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, GetModuleHandleA(nullptr), nullptr);
    return win32::FromHwnd(window);
}

} // namespace platform
