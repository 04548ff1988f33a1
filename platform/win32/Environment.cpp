#include "platform/Environment.h"

#include <windows.h>

#include <vector>

namespace platform {

std::optional<std::string> ReadEnvironmentVariable(const std::string& name) {
    const DWORD needed = GetEnvironmentVariableA(name.c_str(), nullptr, 0);
    if (needed == 0) {
        return GetLastError() == ERROR_ENVVAR_NOT_FOUND ? std::nullopt : std::optional<std::string>("");
    }
    std::vector<char> buffer(needed);
    const DWORD length = GetEnvironmentVariableA(name.c_str(), buffer.data(), needed);
    return length < needed ? std::optional<std::string>(std::string(buffer.data(), length)) : std::nullopt;
}

bool WriteEnvironmentVariable(const std::string& name, const std::optional<std::string>& value) {
    return SetEnvironmentVariableA(name.c_str(), value ? value->c_str() : nullptr) != FALSE;
}

} // namespace platform
