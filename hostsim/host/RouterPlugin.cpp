#include "hostsim/host/RouterPlugin.h"

namespace hostsim {

RouterPlugin::RouterPlugin(const std::string& fileName)
    : library_(fileName), create_(library_.require<CreateProc>("AutoWirer_Create")),
      destroy_(library_.require<DestroyProc>("AutoWirer_Destroy")),
      execute_(library_.require<ExecuteProc>("AutoWirer_Execute")),
      options_(library_.require<OptionsProc>("AutoWirer_Options")) {}

RouterPlugin::~RouterPlugin() {
    if (instanceLive_)
        destroy_();
}

} // namespace hostsim
