#include "platform/Help.h"
#include "platform/posix/SystemState.h"

namespace platform {

bool ShowHelp(WindowHandle owner, const std::string& file, std::uint32_t command, std::uintptr_t data) {
    posix::System().HelpRequests.push_back({owner, file, command, data});
    return true;
}

std::vector<HelpRequest> HelpRequests() {
    return posix::System().HelpRequests;
}

void ClearHelpRequests() {
    posix::System().HelpRequests.clear();
}

} // namespace platform
