#include "platform/Help.h"
#include "platform/win32/Handles.h"

namespace platform {

bool ShowHelp(WindowHandle owner, const std::string& file, std::uint32_t command, std::uintptr_t data) {
    return WinHelpA(win32::ToHwnd(owner), file.c_str(), command, data) != FALSE;
}

} // namespace platform
