#include "platform/Module.h"

#include <windows.h>

namespace platform {

std::string SystemModuleName(const std::string& windowsName) {
    return windowsName;
}

ModuleHandle FindLoadedModule(const std::string& windowsName) {
    return GetModuleHandleA(windowsName.c_str()); // takes no reference
}

ModuleHandle MainProgramModule() {
    return GetModuleHandleA(nullptr);
}

ModuleHandle ModuleContaining(const void* address) {
    HMODULE module = nullptr;
    const DWORD flags = GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT;
    if (!GetModuleHandleExA(flags, static_cast<LPCSTR>(address), &module)) {
        return nullptr;
    }
    return module;
}

std::string ModuleFileName(ModuleHandle module) {
    if (module == nullptr) {
        return {};
    }
    char path[MAX_PATH + 1];
    const DWORD length = GetModuleFileNameA(static_cast<HMODULE>(module), path, sizeof path);
    return length > 0 && length < sizeof path ? std::string(path, length) : std::string();
}

ModuleHandle LoadModule(const std::string& fileName, std::string* error) {
    HMODULE module = LoadLibraryA(fileName.c_str());
    if (module == nullptr && error != nullptr) {
        *error = "cannot load " + fileName + " (system error " + std::to_string(GetLastError()) + ")";
    }
    return module;
}

void UnloadModule(ModuleHandle module) {
    if (module != nullptr) {
        FreeLibrary(static_cast<HMODULE>(module));
    }
}

void* FindFunction(ModuleHandle module, const char* name) {
    if (module == nullptr || name == nullptr) {
        return nullptr;
    }
    return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(module), name));
}

} // namespace platform
