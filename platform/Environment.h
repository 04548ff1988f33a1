// Environment variables of the process.
#pragma once

#include <optional>
#include <string>

namespace platform {

// The variable's value; nullopt when it is not set.
std::optional<std::string> ReadEnvironmentVariable(const std::string& name);

// Sets (or with nullopt removes) a variable of this process; true on success.
bool WriteEnvironmentVariable(const std::string& name, const std::optional<std::string>& value);

} // namespace platform
