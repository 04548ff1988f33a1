// The current user's registry: keys named by paths such as "Software\Korvane\Tessellon\Sub", holding named string
// and 32-bit integer values. Key and value names are compared ignoring ASCII case.
//
// The posix stand-in keeps the store in the file "Registry.ini" of PerUserDataFolder() (one section per key).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace platform {

// Writes a value, creating the key (and its parents) when missing; false when the store cannot be written.
bool RegistryWriteString(const std::string& key, const std::string& name, const std::string& value);
bool RegistryWriteInteger(const std::string& key, const std::string& name, std::int32_t value);

// A value of the given type; nullopt when the key or value is missing or holds the other type.
std::optional<std::string> RegistryReadString(const std::string& key, const std::string& name);
std::optional<std::int32_t> RegistryReadInteger(const std::string& key, const std::string& name);

// The value names of a key, in the order they were first written (posix) or the system's order.
std::vector<std::string> RegistryValueNames(const std::string& key);

bool RegistryKeyExists(const std::string& key);

// Removes a key with its values and subkeys; true when it is gone afterwards (also when it never existed).
bool RegistryEraseKey(const std::string& key);

} // namespace platform
