#include "platform/Environment.h"
#include "platform/Folders.h"
#include "platform/posix/SystemState.h"

namespace platform {

std::string GetSpecialFolder(int number) {
    if (number != AppDataFolder) {
        return {};
    }
    if (auto config = ReadEnvironmentVariable("XDG_CONFIG_HOME"); config && !config->empty()) {
        return *config;
    }
    if (auto home = ReadEnvironmentVariable("HOME"); home && !home->empty()) {
        return JoinPath(*home, ".config");
    }
    return {};
}

std::string WindowsFolder() {
    return posix::System().WindowsFolder;
}

std::string SystemFolder() {
    return posix::System().SystemFolder;
}

void SetWindowsFolder(const std::string& folder) {
    posix::System().WindowsFolder = folder;
}

void SetSystemFolder(const std::string& folder) {
    posix::System().SystemFolder = folder;
}

std::string UserDataFolderOverride() {
    return posix::System().UserDataOverride;
}

void SetUserDataFolderOverride(const std::string& folder) {
    posix::System().UserDataOverride = folder;
}

// File names are case-sensitive here: upper-casing would name another file.
std::string SystemUpperCasePath(const std::string& path) {
    return path;
}

} // namespace platform
