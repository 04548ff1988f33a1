#include "platform/Environment.h"

#include <cstdlib>

namespace platform {

std::optional<std::string> ReadEnvironmentVariable(const std::string& name) {
    const char* value = std::getenv(name.c_str());
    if (value == nullptr) {
        return std::nullopt;
    }
    return std::string(value);
}

bool WriteEnvironmentVariable(const std::string& name, const std::optional<std::string>& value) {
    if (name.empty() || name.find('=') != std::string::npos) {
        return false;
    }
    return (value ? setenv(name.c_str(), value->c_str(), 1) : unsetenv(name.c_str())) == 0;
}

} // namespace platform
