#include "platform/Screen.h"
#include "platform/win32/Handles.h"

namespace platform {

namespace {

MONITORINFO InfoOf(HMONITOR monitor) {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    GetMonitorInfoA(monitor, &info);
    return info;
}

Monitor Describe(const MONITORINFO& info) {
    return Monitor{win32::FromRECT(info.rcMonitor), win32::FromRECT(info.rcWork)};
}

BOOL CALLBACK CollectMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM data) {
    auto* monitors = reinterpret_cast<std::vector<Monitor>*>(data);
    const MONITORINFO info = InfoOf(monitor);
    const Monitor described = Describe(info);
    if (info.dwFlags & MONITORINFOF_PRIMARY) {
        monitors->insert(monitors->begin(), described);
    } else {
        monitors->push_back(described);
    }
    return TRUE;
}

} // namespace

std::vector<Monitor> Monitors() {
    std::vector<Monitor> monitors;
    EnumDisplayMonitors(nullptr, nullptr, CollectMonitor, reinterpret_cast<LPARAM>(&monitors));
    return monitors;
}

Rect VirtualDesktop() {
    const int left = GetSystemMetrics(SM_XVIRTUALSCREEN);
    const int top = GetSystemMetrics(SM_YVIRTUALSCREEN);
    return Rect{left, top, left + GetSystemMetrics(SM_CXVIRTUALSCREEN), top + GetSystemMetrics(SM_CYVIRTUALSCREEN)};
}

int ScreenWidth() {
    return GetSystemMetrics(SM_CXSCREEN);
}

int ScreenHeight() {
    return GetSystemMetrics(SM_CYSCREEN);
}

std::optional<Monitor> MonitorOfWindow(WindowHandle window) {
    if (window == 0) {
        return std::nullopt;
    }
    HMONITOR monitor = MonitorFromWindow(win32::ToHwnd(window), MONITOR_DEFAULTTONULL);
    if (monitor == nullptr) {
        return std::nullopt;
    }
    return Describe(InfoOf(monitor));
}

Monitor MonitorNearestWindow(WindowHandle window) {
    return Describe(InfoOf(MonitorFromWindow(win32::ToHwnd(window), MONITOR_DEFAULTTOPRIMARY)));
}

WindowHandle ActiveWindow() {
    return win32::FromHwnd(GetActiveWindow());
}

WindowHandle FindTopLevelWindow(const std::string& className) {
    return win32::FromHwnd(FindWindowA(className.c_str(), nullptr));
}

std::optional<Rect> WindowBounds(WindowHandle window) {
    RECT r{};
    if (window == 0 || !GetWindowRect(win32::ToHwnd(window), &r)) {
        return std::nullopt;
    }
    return win32::FromRECT(r);
}

bool MoveWindowTo(WindowHandle window, int left, int top) {
    return SetWindowPos(win32::ToHwnd(window), nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE) !=
           FALSE;
}

} // namespace platform
