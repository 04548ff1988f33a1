// Snapscribe's library entry: the server module that the host creates through ServerFactory.
#pragma once

#include "hostkit/RT_ServerImplementation.h"
#include "platform/Abi.h"

namespace snapscribe {

inline constexpr const char* ServerName = "Snapscribe";

// The capture server: never creates documents, runs one command ("CreateSchMacro").
class TSnapscribeServerModule : public hostkit::TServerModule {
public:
    explicit TSnapscribeServerModule(hostkit::IClient* client);

    hostkit::TInterfaceRef<hostkit::IServerDocument> NewDocumentInstance(std::int32_t a, std::int32_t b) override;

protected:
    void AfterConstruction() override;
};

// What the library does when the host loads it: binds the client functions, fetches the host client and binds the
// schematic functions of the already loaded schematic server.
void BindHostApis();

} // namespace snapscribe

extern "C" TESSELLON_EXPORT void TESSELLON_STDCALL ServerFactory(hostkit::IServerModule** result,
                                                                 hostkit::IClient* client);
