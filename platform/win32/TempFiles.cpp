#include "platform/TempFiles.h"

#include <windows.h>

namespace platform {

std::string TempFolder() {
    char path[MAX_PATH + 1];
    const DWORD length = GetTempPathA(sizeof path, path);
    if (length == 0 || length > MAX_PATH) {
        return {};
    }
    std::string folder(path, length);
    if (folder.size() > 3 && folder.back() == '\\') {
        folder.pop_back();
    }
    return folder;
}

std::string CreateTempFile(const std::string& folder, const std::string& prefix) {
    char path[MAX_PATH + 1];
    if (GetTempFileNameA(folder.c_str(), prefix.c_str(), 0, path) == 0) {
        return {};
    }
    return path;
}

} // namespace platform
