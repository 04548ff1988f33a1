// Window handles between the system's HWND and the 32-bit handles the kit passes around (32-bit Windows: same size).
#pragma once

#include "platform/Window.h"

#include <windows.h>

#include <cstdint>

namespace platform::win32 {

inline HWND ToHwnd(WindowHandle window) {
    return reinterpret_cast<HWND>(static_cast<std::uintptr_t>(window));
}

inline WindowHandle FromHwnd(HWND window) {
    return static_cast<WindowHandle>(reinterpret_cast<std::uintptr_t>(window));
}

inline Rect FromRECT(const RECT& r) {
    return Rect{r.left, r.top, r.right, r.bottom};
}

} // namespace platform::win32
