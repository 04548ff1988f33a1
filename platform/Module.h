// Loaded modules (the program and its shared libraries) and their exported functions.
#pragma once

#include <string>

namespace platform {

// Opaque module handle; nullptr means none. A handle found here carries no reference: the module stays loaded
// only as long as whoever loaded it keeps it.
using ModuleHandle = void*;

// The system's file name for a module named the Windows way: "Plexa.dll" is "libPlexa.so" on posix and stays
// "Plexa.dll" on Windows. A name without the ".dll" extension (in any letter case) is returned unchanged.
std::string SystemModuleName(const std::string& windowsName);

// The already-loaded module whose file base name is SystemModuleName(windowsName), compared ignoring ASCII case;
// nullptr when no such module is loaded. Never loads anything.
ModuleHandle FindLoadedModule(const std::string& windowsName);

// The process's main program (the host executable).
ModuleHandle MainProgramModule();

// The module that holds the given code or data address: a library passes the address of one of its own functions
// to find itself. nullptr when the address lies in no module.
ModuleHandle ModuleContaining(const void* address);

// The full path of a module's file; empty when it cannot be obtained.
std::string ModuleFileName(ModuleHandle module);

// Loads a module by file name (a path, or a name the system searches) and takes a reference; nullptr on failure,
// with the system's reason in *Error when given. Only a host program loads modules; plug-ins find them.
ModuleHandle LoadModule(const std::string& fileName, std::string* error = nullptr);

// Gives back the reference LoadModule took.
void UnloadModule(ModuleHandle module);

// The address of the function exported under exactly this name, or nullptr.
void* FindFunction(ModuleHandle module, const char* name);

// FindFunction converted to the caller's function-pointer type.
template <typename Function> Function FindFunctionAs(ModuleHandle module, const char* name) {
    return reinterpret_cast<Function>(FindFunction(module, name));
}

} // namespace platform
