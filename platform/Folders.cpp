#include "platform/Folders.h"

namespace platform {

namespace {

bool IsDelimiter(char c) {
#if defined(_WIN32)
    return c == '\\' || c == '/' || c == ':';
#else
    return c == '/';
#endif
}

std::size_t LastDelimiter(const std::string& path) {
    for (std::size_t i = path.size(); i > 0; --i) {
        if (IsDelimiter(path[i - 1])) {
            return i - 1;
        }
    }
    return std::string::npos;
}

} // namespace

std::string PerUserDataFolder() {
    if (std::string folder = UserDataFolderOverride(); !folder.empty()) {
        return folder;
    }
    return JoinPath(GetSpecialFolder(AppDataFolder), "Korvane");
}

bool EndsWithPathDelimiter(const std::string& path) {
    return !path.empty() && IsDelimiter(path.back());
}

std::string JoinPath(const std::string& folder, const std::string& name) {
    return EndsWithPathDelimiter(folder) ? folder + name : folder + PathDelimiter + name;
}

std::string ExtractFileDir(const std::string& path) {
    const std::size_t last = LastDelimiter(path);
    if (last == std::string::npos) {
        return {};
    }
    return last == 0 ? path.substr(0, 1) : path.substr(0, last);
}

std::string ExtractFileName(const std::string& path) {
    const std::size_t last = LastDelimiter(path);
    return last == std::string::npos ? path : path.substr(last + 1);
}

} // namespace platform
