#pragma once

#include "hostkit/InterfaceRef.h"
#include "hostsim/host/LoadedLibrary.h"

#include <cstdint>
#include <string>

namespace hostsim {

// A server plug-in of the host: its library, loaded by file name, and the server module its ServerFactory export
// created for the host's client. The module is released before the library is unloaded.
class ServerPlugin {
public:
    using FactoryProc = void(TESSELLON_STDCALL*)(hostkit::IServerModule** module, hostkit::IClient* client);

    // Throws HostError when the library cannot be loaded, lacks ServerFactory or creates no module.
    ServerPlugin(const std::string& fileName, hostkit::IClient* client);
    ServerPlugin(const ServerPlugin&) = delete;
    ServerPlugin& operator=(const ServerPlugin&) = delete;

    const LoadedLibrary& library() const { return library_; }
    hostkit::IServerModule* module() const { return module_.Get(); }
    // The name the module gives itself.
    std::string moduleName() const;

    // Runs a command through the module's command launcher, as the host does for a menu item: Parameters in a
    // writable buffer, Context the host's current view (or none). Answers the launcher's answer; 0 when the module
    // has no launcher.
    int32_t launchCommand(const std::string& command, const std::string& parameters, hostkit::IInterface* context);

    // Idle time for the module.
    void idle() const;

private:
    LoadedLibrary library_;
    hostkit::TInterfaceRef<hostkit::IServerModule> module_; // declared last: released before the library goes
};

} // namespace hostsim
