// The system's help viewer.
#pragma once

#include "platform/Window.h"

#include <cstdint>
#include <string>
#include <vector>

namespace platform {

constexpr std::uint32_t HelpContext = 0x0001;      // Data: the topic id to show
constexpr std::uint32_t HelpContextPopup = 0x0008; // Data: the topic id to show as a popup
constexpr std::uint32_t HelpSetPopupPos = 0x000D;  // Data: the popup position, x in the low and y in the high 16 bits

struct HelpRequest {
    WindowHandle Owner = 0;
    std::string File;
    std::uint32_t Command = 0;
    std::uintptr_t Data = 0; // the topic for the context commands
    friend bool operator==(const HelpRequest&, const HelpRequest&) = default;
};

// Asks the help viewer to run Command on File; false when the viewer refuses. The posix stand-in records the
// request (the host program prints it) and answers true.
bool ShowHelp(WindowHandle owner, const std::string& file, std::uint32_t command, std::uintptr_t data);

// Stand-in control (posix build only; host program and tests): the requests made since the last clear, in order.
std::vector<HelpRequest> HelpRequests();
void ClearHelpRequests();

} // namespace platform
