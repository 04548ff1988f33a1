// The message queue of the user-interface thread: messages posted to windows, looked at with or without removal.
#pragma once

#include "platform/Window.h"

#include <cstdint>
#include <optional>

namespace platform {

constexpr std::uint32_t KeyDownMessage = 0x0100; // a key was pressed; WParam is the key code
constexpr std::uint32_t UserMessage = 0x0400;    // the first message number free for applications
constexpr std::uintptr_t EscapeKey = 27;         // key code of Escape

struct WindowMessage {
    WindowHandle Window = 0;
    std::uint32_t Message = 0;
    std::uintptr_t WParam = 0;
    std::intptr_t LParam = 0;
    friend bool operator==(const WindowMessage&, const WindowMessage&) = default;
};

// Appends a message to the queue of Window (0: the thread's own queue). Answers false when it cannot be posted.
bool PostWindowMessage(WindowHandle window, std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam);

// The oldest waiting message of Window, or of any window of the thread when Window is 0; nullopt when none waits.
// With Remove the message is taken out of the queue, otherwise it stays.
std::optional<WindowMessage> PeekWindowMessage(WindowHandle window, bool remove);

// Posts what a press of Key on Window looks like to the application.
bool PostKeyPress(WindowHandle window, std::uintptr_t key);

// True for the key-down message of Escape.
inline bool IsEscapeKeyDown(const WindowMessage& m) {
    return m.Message == KeyDownMessage && m.WParam == EscapeKey;
}

// Stand-in control (posix build only; host program and tests): drop every waiting message.
void ClearMessageQueues();

} // namespace platform
