#include "tests/unit/hostkit/FakeHost.h"
#include "hostkit/HostText.h"

namespace hostkit::testing {

namespace {

std::int32_t TESSELLON_STDCALL ViewAddRef(IInterface* self) {
    return ++FakeView::Of(reinterpret_cast<IServerDocumentView*>(self))->RefCount;
}

std::int32_t TESSELLON_STDCALL ViewRelease(IInterface* self) {
    return --FakeView::Of(reinterpret_cast<IServerDocumentView*>(self))->RefCount;
}

HResult TESSELLON_STDCALL NoInterface(IInterface*, const TGUID*, void** result) {
    *result = nullptr;
    return E_NOINTERFACE;
}

void TESSELLON_STDCALL NoOwnerDocument(IServerDocument** result, IServerDocumentView*) {
    *result = nullptr;
}

const IServerDocumentViewVtbl ViewTable = [] {
    IServerDocumentViewVtbl table{};
    table.Unknown = {&NoInterface, &ViewAddRef, &ViewRelease};
    table.GetOwnerDocument = &NoOwnerDocument;
    return table;
}();

} // namespace

FakeView::FakeView() : Face_{{&ViewTable}, this} {}

FakeView* FakeView::Of(IServerDocumentView* view) {
    return reinterpret_cast<decltype(Face_)*>(view)->Owner;
}

HResult TESSELLON_STDCALL FakeClient::QueryInterface(IInterface* self, const TGUID* iid, void** result) {
    FakeClient* client = Owner(reinterpret_cast<IClient*>(self));
    *result = nullptr;
    if (*iid == IID_IProcessLauncher && client->OffersLauncher) {
        *result = &client->Launcher_.Face;
    } else if (*iid == IID_IInterface) {
        *result = &client->Client_.Face;
    } else {
        return E_NOINTERFACE;
    }
    ++client->RefCount;
    return S_OK;
}

std::int32_t TESSELLON_STDCALL FakeClient::AddRef(IInterface* self) {
    return ++Owner(reinterpret_cast<IClient*>(self))->RefCount;
}

std::int32_t TESSELLON_STDCALL FakeClient::Release(IInterface* self) {
    return --Owner(reinterpret_cast<IClient*>(self))->RefCount;
}

std::int32_t TESSELLON_STDCALL FakeClient::ItemAddRef(IInterface* self) {
    return ++Owner(reinterpret_cast<IStatusTextItem*>(self))->StatusItemRefCount;
}

std::int32_t TESSELLON_STDCALL FakeClient::ItemRelease(IInterface* self) {
    return --Owner(reinterpret_cast<IStatusTextItem*>(self))->StatusItemRefCount;
}

FakeClient::FakeClient() {
    static const IClientVtbl clientTable = [] {
        IClientVtbl table{};
        table.Unknown = {&QueryInterface, &AddRef, &Release};
        table.GetApplicationHandle = [](IClient* self) TESSELLON_STDCALL { return Owner(self)->HelpWindow; };
        table.GetMainWindowHandle = [](IClient* self) TESSELLON_STDCALL { return Owner(self)->MainWindow; };
        table.SetStatusText = [](IStatusTextItem** result, IClient* self, std::int32_t index, const char* text)
                                  TESSELLON_STDCALL {
                                      FakeClient* client = Owner(self);
                                      client->StatusTexts.emplace_back(index, text);
                                      ++client->StatusItemRefCount;
                                      *result = &client->StatusItem_.Face;
                                  };
        table.GetServerFileName = [](IClient* self, const char* name) TESSELLON_STDCALL {
            FakeClient* client = Owner(self);
            client->ServerFileQueries.emplace_back(name);
            // The text stays valid until the next call, as the host's does.
            const auto found = client->ServerFiles.find(name);
            client->ServerFileAnswer_ = found != client->ServerFiles.end() ? found->second : "";
            return client->ServerFileAnswer_.c_str();
        };
        return table;
    }();
    static const IProcessLauncherVtbl launcherTable = [] {
        IProcessLauncherVtbl table{};
        // The launcher is the client's own object: the trio is the client's.
        table.Unknown = {&QueryInterface, &AddRef, &Release};
        table.LaunchProcess = [](IProcessLauncher* self, const char* process, char* parameters, std::int32_t size,
                                 IServerDocumentView* context) TESSELLON_STDCALL {
            FakeClient* client = Owner(self);
            client->Launches.push_back({process, TextFromHost(parameters), size, context,
                                        context != nullptr ? FakeView::Of(context)->RefCount : 0});
            if (!client->Reply.empty() && size > 0) {
                CopyToHostBuffer(parameters, static_cast<std::size_t>(size), client->Reply);
            }
            return client->Answer;
        };
        return table;
    }();
    static const IStatusTextItemVtbl itemTable = [] {
        IStatusTextItemVtbl table{};
        table.Unknown = {&NoInterface, &ItemAddRef, &ItemRelease};
        table.Update = [](IStatusTextItem* self) TESSELLON_STDCALL { ++Owner(self)->StatusUpdates; };
        return table;
    }();
    Client_ = {{&clientTable}, this};
    Launcher_ = {{&launcherTable}, this};
    StatusItem_ = {{&itemTable}, this};
}

} // namespace hostkit::testing
