#include "platform/Registry.h"

#include <windows.h>

namespace platform {

namespace {

// An open key of the current user, closed with the object.
class Key {
public:
    Key(const std::string& path, bool create) {
        const LONG result = create ? RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0,
                                                     KEY_READ | KEY_WRITE, nullptr, &Handle_, nullptr)
                                   : RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &Handle_);
        if (result != ERROR_SUCCESS) {
            Handle_ = nullptr;
        }
    }
    ~Key() {
        if (Handle_ != nullptr) {
            RegCloseKey(Handle_);
        }
    }
    Key(const Key&) = delete;
    Key& operator=(const Key&) = delete;
    HKEY Get() const { return Handle_; }

private:
    HKEY Handle_ = nullptr;
};

bool SetValue(const std::string& path, const std::string& name, DWORD type, const void* data, DWORD size) {
    Key key(path, true);
    return key.Get() != nullptr &&
           RegSetValueExA(key.Get(), name.c_str(), 0, type, static_cast<const BYTE*>(data), size) == ERROR_SUCCESS;
}

} // namespace

bool RegistryWriteString(const std::string& key, const std::string& name, const std::string& value) {
    return SetValue(key, name, REG_SZ, value.c_str(), static_cast<DWORD>(value.size() + 1));
}

bool RegistryWriteInteger(const std::string& key, const std::string& name, std::int32_t value) {
    const DWORD data = static_cast<DWORD>(value);
    return SetValue(key, name, REG_DWORD, &data, sizeof data);
}

std::optional<std::string> RegistryReadString(const std::string& key, const std::string& name) {
    Key k(key, false);
    DWORD type = 0;
    DWORD size = 0;
    if (k.Get() == nullptr ||
        RegQueryValueExA(k.Get(), name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS || type != REG_SZ) {
        return std::nullopt;
    }
    std::string value(size, '\0');
    if (RegQueryValueExA(k.Get(), name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(value.data()), &size) !=
        ERROR_SUCCESS) {
        return std::nullopt;
    }
    value.resize(value.find('\0') == std::string::npos ? size : value.find('\0'));
    return value;
}

std::optional<std::int32_t> RegistryReadInteger(const std::string& key, const std::string& name) {
    Key k(key, false);
    DWORD type = 0;
    DWORD data = 0;
    DWORD size = sizeof data;
    if (k.Get() == nullptr ||
        RegQueryValueExA(k.Get(), name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(&data), &size) !=
            ERROR_SUCCESS ||
        type != REG_DWORD) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(data);
}

std::vector<std::string> RegistryValueNames(const std::string& key) {
    std::vector<std::string> names;
    Key k(key, false);
    if (k.Get() == nullptr) {
        return names;
    }
    for (DWORD i = 0;; ++i) {
        char name[16384];
        DWORD length = sizeof name;
        if (RegEnumValueA(k.Get(), i, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) {
            return names;
        }
        names.emplace_back(name, length);
    }
}

bool RegistryKeyExists(const std::string& key) {
    return Key(key, false).Get() != nullptr;
}

bool RegistryEraseKey(const std::string& key) {
    const LONG result = RegDeleteTreeA(HKEY_CURRENT_USER, key.c_str());
    return result == ERROR_SUCCESS || result == ERROR_FILE_NOT_FOUND;
}

} // namespace platform
