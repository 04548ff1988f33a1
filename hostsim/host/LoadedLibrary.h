#pragma once

#include "hostsim/host/HostError.h"
#include "platform/Module.h"

#include <string>

namespace hostsim {

// A library the host loaded by file name and holds until it is destroyed.
class LoadedLibrary {
public:
    // Loads FileName; a Windows-style base name "X.dll" is looked for as the system's name for it ("libX.so").
    // Throws HostError naming the file and the system's reason.
    explicit LoadedLibrary(const std::string& fileName);
    ~LoadedLibrary();
    LoadedLibrary(const LoadedLibrary&) = delete;
    LoadedLibrary& operator=(const LoadedLibrary&) = delete;

    platform::ModuleHandle handle() const { return handle_; }
    const std::string& fileName() const { return fileName_; }

    // The export named Name, or nullptr.
    template <typename Function> Function find(const char* name) const {
        return platform::FindFunctionAs<Function>(handle_, name);
    }
    // The export named Name; throws HostError when the library lacks it.
    template <typename Function> Function require(const char* name) const {
        Function function = find<Function>(name);
        if (function == nullptr)
            throw HostError(fileName_ + ": does not export " + name);
        return function;
    }

private:
    std::string fileName_;
    platform::ModuleHandle handle_ = nullptr;
};

// The file name the host loads for Name: the base name in the system's form, the folder kept.
std::string SystemLibraryFileName(const std::string& name);

} // namespace hostsim
