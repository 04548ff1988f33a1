// The dialog toolkit's application object of this library: its hidden window and its idle processing.
//
// Each plug-in carries its own toolkit, so this state is per library (unlike the stand-in system's, which the
// host program shares with its plug-ins).
#pragma once

#include "platform/Window.h"

namespace platform {

// The library's application window; created on first use.
WindowHandle ApplicationWindow();

// The toolkit's idle processing (action updates, hints, the application's idle event). The forms model installs
// its handler; until then idle processing does nothing.
using IdleHandler = void (*)();
void SetIdleHandler(IdleHandler handler);
void RunIdleProcessing();

} // namespace platform
