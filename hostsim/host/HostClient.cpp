#include "hostsim/host/HostClient.h"

#include "hostkit/HostText.h"
#include "hostkit/InterfaceRef.h"
#include "hostsim/host/Host.h"
#include "hostsim/host/ServerDocument.h"

namespace hostsim {

namespace {

using hostkit::HResult;
using hostkit::IClient;
using hostkit::IInterface;
using hostkit::IProcessLauncher;
using hostkit::IServerDocument;
using hostkit::IServerDocumentView;
using hostkit::IStatusTextItem;
using hostkit::TGUID;

using ClientFacet = Facet<IClient, HostClient>;
using LauncherFacet = Facet<IProcessLauncher, HostClient>;
using StatusFacet = Facet<IStatusTextItem, HostClient>;

// The client's faces belong to the host, which outlives every plug-in: references are not counted.
int32_t TESSELLON_STDCALL Uncounted(IInterface*) {
    return 1;
}

HResult Answer(void** result, void* face) {
    *result = face;
    return face != nullptr ? hostkit::S_OK : hostkit::E_NOINTERFACE;
}

HResult TESSELLON_STDCALL QueryClient(IInterface* self, const TGUID* iid, void** result) {
    if (result == nullptr)
        return hostkit::E_NOINTERFACE;
    HostClient& owner = ClientFacet::OwnerOf(self);
    if (IsGuid(iid, hostkit::IID_IInterface))
        return Answer(result, owner.client());
    if (IsGuid(iid, hostkit::IID_IProcessLauncher))
        return Answer(result, owner.launcher());
    return Answer(result, nullptr);
}

HResult TESSELLON_STDCALL QueryLauncher(IInterface* self, const TGUID* iid, void** result) {
    if (result == nullptr)
        return hostkit::E_NOINTERFACE;
    const bool known = IsGuid(iid, hostkit::IID_IInterface) || IsGuid(iid, hostkit::IID_IProcessLauncher);
    return Answer(result, known ? LauncherFacet::OwnerOf(self).launcher() : nullptr);
}

HResult TESSELLON_STDCALL QueryStatusItem(IInterface* self, const TGUID* iid, void** result) {
    if (result == nullptr)
        return hostkit::E_NOINTERFACE;
    return Answer(result, IsGuid(iid, hostkit::IID_IInterface) ? StatusFacet::OwnerOf(self).statusItem() : nullptr);
}

Host& HostOf(IClient* self) {
    return ClientFacet::OwnerOf(self).host();
}

uint32_t TESSELLON_STDCALL GetWindowHandle(IClient* self) {
    return Guarded(0u, [&] { return HostOf(self).mainWindow(); });
}

void TESSELLON_STDCALL GetCurrentView(IServerDocumentView** result, IClient* self) {
    Guarded([&] {
        ServerDocument* current = HostOf(self).currentDocument();
        hostkit::StoreInterfaceResult(result, current ? current->view() : nullptr);
    });
}

void TESSELLON_STDCALL SetStatusText(IStatusTextItem** result, IClient* self, int32_t index, const char* text) {
    Guarded([&] {
        HostOf(self).setStatusText(index, hostkit::TextFromHost(text));
        hostkit::StoreInterfaceResult(result, ClientFacet::OwnerOf(self).statusItem());
    });
}

void TESSELLON_STDCALL OpenDocument(IServerDocument** result, IClient* self, const char* kind, const char* fileName) {
    Guarded([&] {
        hostkit::StoreInterfaceResult<IServerDocument>(result, nullptr);
        Host& host = HostOf(self);
        try {
            ServerDocument& document = host.openDocument(hostkit::TextFromHost(fileName), hostkit::TextFromHost(kind));
            hostkit::StoreInterfaceResult(result, document.document());
        } catch (const std::exception& error) {
            host.journal().record(JournalKind::ProcessRefused, std::string("open document: ") + error.what());
        }
    });
}

void TESSELLON_STDCALL ShowDocument(IClient* self, IServerDocument* document) {
    Guarded([&] {
        Host& host = HostOf(self);
        if (ServerDocument* open = host.openDocumentOf(document))
            host.showDocument(*open);
    });
}

const char* TESSELLON_STDCALL GetServerFileName(IClient* self, const char* name) {
    return Guarded(static_cast<const char*>(""), [&] {
        HostClient& owner = ClientFacet::OwnerOf(self);
        return owner.keepServerFileName(owner.host().serverFileName(hostkit::TextFromHost(name)));
    });
}

int32_t TESSELLON_STDCALL LaunchProcess(IProcessLauncher* self, const char* processName, char* parameters, int32_t size,
                                        IServerDocumentView* context) {
    return Guarded(0, [&] {
        Host& host = LauncherFacet::OwnerOf(self).host();
        return host.runProcess(hostkit::TextFromHost(processName), parameters, size, context) ? 1 : 0;
    });
}

void TESSELLON_STDCALL UpdateStatus(IStatusTextItem* self) {
    Guarded([&] { StatusFacet::OwnerOf(self).host().updateStatusBar(); });
}

const hostkit::IClientVtbl ClientTable = [] {
    hostkit::IClientVtbl table{};
    table.Unknown = {QueryClient, Uncounted, Uncounted};
    table.GetApplicationHandle = GetWindowHandle;
    table.GetCurrentView = GetCurrentView;
    table.GetMainWindowHandle = GetWindowHandle;
    table.SetStatusText = SetStatusText;
    table.OpenDocument = OpenDocument;
    table.ShowDocument = ShowDocument;
    table.GetServerFileName = GetServerFileName;
    return table;
}();

const hostkit::IProcessLauncherVtbl LauncherTable = [] {
    hostkit::IProcessLauncherVtbl table{};
    table.Unknown = {QueryLauncher, Uncounted, Uncounted};
    table.LaunchProcess = LaunchProcess;
    return table;
}();

const hostkit::IStatusTextItemVtbl StatusTable = [] {
    hostkit::IStatusTextItemVtbl table{};
    table.Unknown = {QueryStatusItem, Uncounted, Uncounted};
    table.Update = UpdateStatus;
    return table;
}();

} // namespace

HostClient::HostClient(Host& host)
    : host_(host), client_(&ClientTable, this), launcher_(&LauncherTable, this), statusItem_(&StatusTable, this) {}

const char* HostClient::keepServerFileName(std::string name) {
    serverFileName_ = std::move(name);
    return serverFileName_.c_str();
}

} // namespace hostsim
