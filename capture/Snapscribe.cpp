#include "capture/Snapscribe.h"

#include "capture/CreateSchMacro.h"
#include "capture/SchProcs.h"
#include "hostkit/ClientProcs.h"

namespace snapscribe {

TSnapscribeServerModule::TSnapscribeServerModule(hostkit::IClient* client) : TServerModule(client, ServerName) {}

hostkit::TInterfaceRef<hostkit::IServerDocument> TSnapscribeServerModule::NewDocumentInstance(std::int32_t,
                                                                                              std::int32_t) {
    return {};
}

void TSnapscribeServerModule::AfterConstruction() { RegisterCaptureCommand(*CommandLauncher); }

void BindHostApis() {
    hostkit::BindClientApi();
    BindSchematicApi();
}

namespace {
// Runs when the host loads the library, before it calls any export.
const struct LibraryLoad {
    LibraryLoad() { BindHostApis(); }
} OnLoad;
} // namespace

} // namespace snapscribe

extern "C" TESSELLON_EXPORT void TESSELLON_STDCALL ServerFactory(hostkit::IServerModule** result,
                                                                 hostkit::IClient* client) {
    hostkit::ServerFactoryOf<snapscribe::TSnapscribeServerModule>(result, client);
}
