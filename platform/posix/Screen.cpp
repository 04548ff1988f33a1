#include "platform/Screen.h"
#include "platform/posix/SystemState.h"

#include <algorithm>

namespace platform {

namespace {

std::int64_t OverlapArea(const Rect& a, const Rect& b) {
    const std::int64_t w = std::min(a.Right, b.Right) - std::max(a.Left, b.Left);
    const std::int64_t h = std::min(a.Bottom, b.Bottom) - std::max(a.Top, b.Top);
    return w > 0 && h > 0 ? w * h : 0;
}

} // namespace

std::vector<Monitor> Monitors() {
    return posix::System().Monitors;
}

Rect VirtualDesktop() {
    const auto& monitors = posix::System().Monitors;
    if (monitors.empty()) {
        return {};
    }
    Rect all = monitors.front().Bounds;
    for (const Monitor& m : monitors) {
        all.Left = std::min(all.Left, m.Bounds.Left);
        all.Top = std::min(all.Top, m.Bounds.Top);
        all.Right = std::max(all.Right, m.Bounds.Right);
        all.Bottom = std::max(all.Bottom, m.Bounds.Bottom);
    }
    return all;
}

int ScreenWidth() {
    const auto& monitors = posix::System().Monitors;
    return monitors.empty() ? 0 : monitors.front().Bounds.Width();
}

int ScreenHeight() {
    const auto& monitors = posix::System().Monitors;
    return monitors.empty() ? 0 : monitors.front().Bounds.Height();
}

std::optional<Monitor> MonitorOfWindow(WindowHandle window) {
    const auto bounds = WindowBounds(window);
    if (!bounds) {
        return std::nullopt;
    }
    std::optional<Monitor> best;
    std::int64_t bestArea = 0;
    for (const Monitor& m : posix::System().Monitors) {
        const std::int64_t area = OverlapArea(*bounds, m.Bounds);
        if (area > bestArea) {
            best = m;
            bestArea = area;
        }
    }
    return best;
}

Monitor MonitorNearestWindow(WindowHandle window) {
    if (auto holding = MonitorOfWindow(window)) {
        return *holding;
    }
    const auto& monitors = posix::System().Monitors;
    return monitors.empty() ? Monitor{} : monitors.front();
}

WindowHandle ActiveWindow() {
    return posix::System().Active;
}

std::optional<Rect> WindowBounds(WindowHandle window) {
    const auto& windows = posix::System().Windows;
    const auto found = windows.find(window);
    if (found == windows.end()) {
        return std::nullopt;
    }
    return found->second;
}

WindowHandle FindTopLevelWindow(const std::string& className) {
    for (const auto& [window, name] : posix::System().WindowClasses) {
        if (name == className && posix::System().Windows.count(window) != 0) {
            return window;
        }
    }
    return 0;
}

void SetWindowClassName(WindowHandle window, const std::string& className) {
    posix::System().WindowClasses[window] = className;
}

bool MoveWindowTo(WindowHandle window, int left, int top) {
    auto& windows = posix::System().Windows;
    const auto found = windows.find(window);
    if (found == windows.end()) {
        return false;
    }
    Rect& r = found->second;
    r = Rect{left, top, left + r.Width(), top + r.Height()};
    return true;
}

WindowHandle CreateStandInWindow(const Rect& bounds) {
    auto& system = posix::System();
    const WindowHandle window = ++system.LastWindow;
    system.Windows[window] = bounds;
    return window;
}

void DestroyStandInWindow(WindowHandle window) {
    auto& system = posix::System();
    system.Windows.erase(window);
    system.WindowClasses.erase(window);
    if (system.Active == window) {
        system.Active = 0;
    }
    std::erase_if(system.Messages, [window](const WindowMessage& m) { return m.Window == window; });
}

void SetWindowBounds(WindowHandle window, const Rect& bounds) {
    auto& windows = posix::System().Windows;
    if (const auto found = windows.find(window); found != windows.end()) {
        found->second = bounds;
    }
}

void SetActiveWindow(WindowHandle window) {
    posix::System().Active = window;
}

void SetMonitors(const std::vector<Monitor>& monitors) {
    posix::System().Monitors = monitors;
}

void ResetScreen() {
    auto& system = posix::System();
    system.Monitors = posix::DefaultMonitors();
    system.Windows.clear();
    system.WindowClasses.clear();
    system.Messages.clear();
    system.Active = 0;
}

} // namespace platform
