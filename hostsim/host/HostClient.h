#pragma once

#include "hostsim/host/Facet.h"

#include <string>

namespace hostsim {

class Host;

// The host's client as the plug-ins call it: IClient with the slots they use, the process launcher it answers to
// IID_IProcessLauncher, and the status item of slot 17. Every call goes to the host; the faces live as long as the
// host and do not count references.
class HostClient {
public:
    explicit HostClient(Host& host);
    HostClient(const HostClient&) = delete;
    HostClient& operator=(const HostClient&) = delete;

    Host& host() { return host_; }
    hostkit::IClient* client() { return client_.get(); }
    hostkit::IProcessLauncher* launcher() { return launcher_.get(); }
    hostkit::IStatusTextItem* statusItem() { return statusItem_.get(); }

    // The text slot 39 answers stays valid until the next call.
    const char* keepServerFileName(std::string name);

private:
    Host& host_;
    Facet<hostkit::IClient, HostClient> client_;
    Facet<hostkit::IProcessLauncher, HostClient> launcher_;
    Facet<hostkit::IStatusTextItem, HostClient> statusItem_;
    std::string serverFileName_;
};

} // namespace hostsim
