// The screen, its monitors and the placement of top-level windows.
#pragma once

#include "platform/Window.h"

#include <optional>
#include <string>
#include <vector>

namespace platform {

struct Monitor {
    Rect Bounds;   // the monitor's full rectangle on the virtual desktop
    Rect WorkArea; // Bounds without task bars
    friend bool operator==(const Monitor&, const Monitor&) = default;
};

// Every monitor, the primary one first. The stand-in starts with one monitor of 1920 x 1080 at (0, 0).
std::vector<Monitor> Monitors();

// The rectangle spanning all monitors.
Rect VirtualDesktop();

// Width and height of the primary monitor.
int ScreenWidth();
int ScreenHeight();

// The monitor that holds the largest part of Window; nullopt when Window is 0, unknown or on no monitor.
std::optional<Monitor> MonitorOfWindow(WindowHandle window);

// The monitor nearest to Window: the one holding its largest part, else the primary monitor.
Monitor MonitorNearestWindow(WindowHandle window);

// The active top-level window of the application, or 0.
WindowHandle ActiveWindow();

// A window's rectangle in screen coordinates; nullopt when Window is unknown.
std::optional<Rect> WindowBounds(WindowHandle window);

// The first top-level window whose class name is ClassName; 0 when there is none.
WindowHandle FindTopLevelWindow(const std::string& className);

// Moves a window, keeping its size, z-order and activation; false when Window is unknown.
bool MoveWindowTo(WindowHandle window, int left, int top);

// Stand-in control (posix build only; host program and tests). A window exists once it has a handle; handles are
// unique for the life of the process.
WindowHandle CreateStandInWindow(const Rect& bounds);
void DestroyStandInWindow(WindowHandle window);
void SetWindowBounds(WindowHandle window, const Rect& bounds);
void SetActiveWindow(WindowHandle window);
// Gives a stand-in window the class name that FindTopLevelWindow looks for.
void SetWindowClassName(WindowHandle window, const std::string& className);
void SetMonitors(const std::vector<Monitor>& monitors);
// Back to one 1920 x 1080 monitor, no windows (nor their messages) and no active window.
void ResetScreen();

} // namespace platform
