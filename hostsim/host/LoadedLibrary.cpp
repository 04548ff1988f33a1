#include "hostsim/host/LoadedLibrary.h"

namespace hostsim {

std::string SystemLibraryFileName(const std::string& name) {
    size_t slash = name.find_last_of('/');
    size_t start = slash == std::string::npos ? 0 : slash + 1;
    return name.substr(0, start) + platform::SystemModuleName(name.substr(start));
}

LoadedLibrary::LoadedLibrary(const std::string& fileName) : fileName_(SystemLibraryFileName(fileName)) {
    std::string reason;
    handle_ = platform::LoadModule(fileName_, &reason);
    if (handle_ == nullptr)
        throw HostError(fileName_ + ": cannot be loaded: " + reason);
}

LoadedLibrary::~LoadedLibrary() {
    platform::UnloadModule(handle_);
}

} // namespace hostsim
