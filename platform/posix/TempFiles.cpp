#include "platform/TempFiles.h"
#include "platform/Environment.h"
#include "platform/Folders.h"

#include <unistd.h>

#include <vector>

namespace platform {

std::string TempFolder() {
    for (const char* variable : {"TMPDIR", "TMP", "TEMP"}) {
        if (auto folder = ReadEnvironmentVariable(variable); folder && !folder->empty()) {
            return folder->size() > 1 && folder->back() == PathDelimiter ? folder->substr(0, folder->size() - 1)
                                                                         : *folder;
        }
    }
    return "/tmp";
}

std::string CreateTempFile(const std::string& folder, const std::string& prefix) {
    // Like the system: up to three characters of the prefix, a unique part, the extension ".tmp".
    const std::string pattern = JoinPath(folder, prefix.substr(0, 3) + "XXXXXX.tmp");
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    const int fd = mkstemps(name.data(), 4);
    if (fd < 0) {
        return {};
    }
    close(fd);
    return std::string(name.data());
}

} // namespace platform
