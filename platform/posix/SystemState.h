// The state of the stand-in system: what the real system keeps once per process (windows, the message queue,
// monitors, beeps, the cursor, help requests, settings).
//
// A host program links platform_system_owner, which exports the one instance; the plug-ins it loads find it by
// name and share it, as programs share the real system. A process without an owner (a test program) uses a
// private instance.
#pragma once

#include "platform/Clock.h"
#include "platform/Cursor.h"
#include "platform/Help.h"
#include "platform/MessageQueue.h"
#include "platform/Screen.h"
#include "platform/SystemColors.h"
#include "platform/SystemInfo.h"

#include <deque>
#include <map>
#include <string>
#include <vector>

namespace platform::posix {

struct SystemState {
    WindowHandle LastWindow = 0x100;
    std::map<WindowHandle, Rect> Windows;
    std::map<WindowHandle, std::string> WindowClasses;
    WindowHandle Active = 0;
    std::vector<Monitor> Monitors;
    std::deque<WindowMessage> Messages; // the thread's queue in posting order, every window's messages together
    int Beeps = 0;
    Cursor Shown = Cursor::Arrow;
    std::vector<Cursor> CursorHistory;
    std::vector<HelpRequest> HelpRequests;
    std::string WindowsFolder;
    std::string SystemFolder;
    std::string UserDataOverride;
    SystemVersion Version{5, 1};
    std::map<SystemColor, Color> Colors;
    TickSource Tick = nullptr;
};

// The name under which a host program exports the shared instance.
constexpr const char* SystemStateExport = "TessellonStandInSystem";

SystemState& System();

// A fresh system: default monitors and colours, no windows.
SystemState InitialSystemState();

// One 1920 x 1080 monitor at (0, 0) whose work area leaves 40 pixels for a task bar at the bottom.
std::vector<Monitor> DefaultMonitors();

// The classic colour scheme.
std::map<SystemColor, Color> ClassicColors();

} // namespace platform::posix
