#include "hostsim/host/ServerPlugin.h"

#include "hostkit/HostText.h"

#include <algorithm>
#include <vector>

namespace hostsim {

ServerPlugin::ServerPlugin(const std::string& fileName, hostkit::IClient* client) : library_(fileName) {
    auto factory = library_.require<FactoryProc>("ServerFactory");
    factory(module_.Receive(), client);
    if (!module_)
        throw HostError(library_.fileName() + ": ServerFactory created no server module");
}

std::string ServerPlugin::moduleName() const {
    return hostkit::TextFromHost(module_.Get()->Vtbl->GetModuleName(module_.Get()));
}

int32_t ServerPlugin::launchCommand(const std::string& command, const std::string& parameters,
                                    hostkit::IInterface* context) {
    hostkit::TInterfaceRef<hostkit::ICommandLauncher> launcher;
    module_.Get()->Vtbl->GetCommandLauncher(launcher.Receive(), module_.Get());
    if (!launcher)
        return 0;
    // The launcher may write into the parameters as a process does; it gets a buffer of the usual size at least.
    std::vector<char> buffer(std::max(hostkit::ShortTextBufferSize, parameters.size() + 1));
    hostkit::CopyToHostBuffer(buffer.data(), buffer.size(), parameters);
    return launcher.Get()->Vtbl->LaunchCommand(launcher.Get(), command.c_str(), buffer.data(),
                                               static_cast<int32_t>(buffer.size()), context);
}

void ServerPlugin::idle() const {
    module_.Get()->Vtbl->ApplicationIdle(module_.Get());
}

} // namespace hostsim
