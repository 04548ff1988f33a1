#include "platform/Module.h"
#include "platform/AsciiText.h"

#include <dlfcn.h>
#include <link.h>
#include <unistd.h>

#include <string_view>

namespace platform {

namespace {

std::string_view BaseName(std::string_view path) {
    const auto slash = path.rfind('/');
    return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

struct Search {
    std::string_view WantedBase;
    std::string FoundPath;
};

int VisitLoadedObject(dl_phdr_info* info, std::size_t, void* data) {
    auto* search = static_cast<Search*>(data);
    if (info->dlpi_name == nullptr || info->dlpi_name[0] == '\0') {
        return 0; // the main program
    }
    if (!EqualIgnoringAsciiCase(BaseName(info->dlpi_name), search->WantedBase)) {
        return 0;
    }
    search->FoundPath = info->dlpi_name;
    return 1;
}

struct Holder {
    ElfW(Addr) Address;
    bool IsMainProgram;
    std::string Path;
};

int VisitHolder(dl_phdr_info* info, std::size_t, void* data) {
    auto* holder = static_cast<Holder*>(data);
    for (ElfW(Half) i = 0; i < info->dlpi_phnum; ++i) {
        const ElfW(Phdr)& segment = info->dlpi_phdr[i];
        const ElfW(Addr) start = info->dlpi_addr + segment.p_vaddr;
        if (segment.p_type == PT_LOAD && holder->Address >= start && holder->Address < start + segment.p_memsz) {
            holder->IsMainProgram = info->dlpi_name == nullptr || info->dlpi_name[0] == '\0';
            holder->Path = holder->IsMainProgram ? "" : info->dlpi_name;
            return 1;
        }
    }
    return 0;
}

// The handle of a loaded object. RTLD_NOLOAD never loads; the reference it takes is given back at once, so the
// caller holds none.
ModuleHandle Reference(const std::string& path) {
    void* handle = dlopen(path.c_str(), RTLD_LAZY | RTLD_NOLOAD);
    if (handle != nullptr) {
        dlclose(handle);
    }
    return handle;
}

} // namespace

std::string SystemModuleName(const std::string& windowsName) {
    constexpr std::string_view dll = ".dll";
    if (windowsName.size() <= dll.size() ||
        !EqualIgnoringAsciiCase(std::string_view(windowsName).substr(windowsName.size() - dll.size()), dll)) {
        return windowsName;
    }
    return "lib" + windowsName.substr(0, windowsName.size() - dll.size()) + ".so";
}

ModuleHandle FindLoadedModule(const std::string& windowsName) {
    const std::string wanted = SystemModuleName(windowsName);
    Search search{wanted, {}};
    if (dl_iterate_phdr(VisitLoadedObject, &search) == 0) {
        return nullptr;
    }
    return Reference(search.FoundPath);
}

ModuleHandle MainProgramModule() {
    // The process image's handle stays valid for the life of the process; closing it only drops the count.
    static void* const program = [] {
        void* handle = dlopen(nullptr, RTLD_LAZY);
        if (handle != nullptr) {
            dlclose(handle);
        }
        return handle;
    }();
    return program;
}

ModuleHandle ModuleContaining(const void* address) {
    Holder holder{reinterpret_cast<ElfW(Addr)>(address), false, {}};
    if (dl_iterate_phdr(VisitHolder, &holder) == 0) {
        return nullptr;
    }
    return holder.IsMainProgram ? MainProgramModule() : Reference(holder.Path);
}

std::string ModuleFileName(ModuleHandle module) {
    if (module == nullptr) {
        return {};
    }
    link_map* map = nullptr;
    if (dlinfo(module, RTLD_DI_LINKMAP, &map) != 0 || map == nullptr) {
        return {};
    }
    if (map->l_name != nullptr && map->l_name[0] != '\0') {
        return map->l_name;
    }
    // The main program's link map has no name; the process image tells it.
    char path[4096];
    const auto length = readlink("/proc/self/exe", path, sizeof path - 1);
    return length > 0 ? std::string(path, static_cast<std::size_t>(length)) : std::string();
}

ModuleHandle LoadModule(const std::string& fileName, std::string* error) {
    // Local binding: two plug-ins with the same internal names never resolve to each other's code.
    void* handle = dlopen(fileName.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr && error != nullptr) {
        const char* reason = dlerror();
        *error = reason != nullptr ? reason : "cannot load " + fileName;
    }
    return handle;
}

void UnloadModule(ModuleHandle module) {
    if (module != nullptr) {
        dlclose(module);
    }
}

void* FindFunction(ModuleHandle module, const char* name) {
    if (module == nullptr || name == nullptr) {
        return nullptr;
    }
    return dlsym(module, name);
}

} // namespace platform
