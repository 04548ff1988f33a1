#include "platform/AsciiText.h"
#include "platform/Folders.h"

#include <windows.h>

#include <shlobj.h>

namespace platform {

namespace {

std::string userDataOverride;

std::string FromBuffer(const char* buffer, UINT length) {
    return length > 0 && length < MAX_PATH ? std::string(buffer, length) : std::string();
}

} // namespace

std::string GetSpecialFolder(int number) {
    char path[MAX_PATH + 1] = {};
    if (!SHGetSpecialFolderPathA(nullptr, path, number, FALSE)) {
        return {};
    }
    return path;
}

std::string WindowsFolder() {
    char path[MAX_PATH + 1];
    return FromBuffer(path, GetWindowsDirectoryA(path, MAX_PATH));
}

std::string SystemFolder() {
    char path[MAX_PATH + 1];
    return FromBuffer(path, GetSystemDirectoryA(path, MAX_PATH));
}

std::string UserDataFolderOverride() {
    return userDataOverride;
}

void SetUserDataFolderOverride(const std::string& folder) {
    userDataOverride = folder;
}

std::string SystemUpperCasePath(const std::string& path) {
    return AsciiUpperText(path);
}

} // namespace platform
