// Behaves like a plug-in: its own static copy of platform, yet the stand-in system it sees is its host's.
#include "platform/Abi.h"
#include "platform/MessageQueue.h"
#include "platform/Sound.h"

extern "C" TESSELLON_EXPORT void ProbeBeep() {
    platform::MessageBeep(0);
}

// True when the next message of Window was an Escape key press (the message is taken out either way).
extern "C" TESSELLON_EXPORT bool ProbeTakeEscape(platform::WindowHandle window) {
    const auto message = platform::PeekWindowMessage(window, true);
    return message && platform::IsEscapeKeyDown(*message);
}
