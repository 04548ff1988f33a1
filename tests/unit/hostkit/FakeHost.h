// A small host for the kit's tests: a client with a process launcher, a document view and a status field, all
// offered through the same C-layout tables a real host uses.
#pragma once

#include "hostkit/ClientProcs.h"
#include "hostkit/RT_ClientServerInterface.h"

#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace hostkit::testing {

// A document view of the fake host.
class FakeView {
public:
    FakeView();
    IServerDocumentView* Interface() { return &Face_.Face; }
    static FakeView* Of(IServerDocumentView* view);

    int RefCount = 1; // the host's own reference

private:
    struct {
        IServerDocumentView Face;
        FakeView* Owner;
    } Face_;
};

class FakeClient {
public:
    FakeClient();
    IClient* Interface() { return &Client_.Face; }

    // Add-reference and release on any of the client's interfaces; starts with the host's own reference.
    int RefCount = 1;
    bool OffersLauncher = true;
    std::uint32_t MainWindow = 0x1001;
    std::uint32_t HelpWindow = 0x1002;

    struct TLaunch {
        std::string Process;
        std::string Parameters;
        std::int32_t Size = 0;
        IServerDocumentView* Context = nullptr;
        int ContextRefCount = 0; // the view's count while the process ran
    };
    std::vector<TLaunch> Launches;
    std::string Reply;       // written back into the parameter buffer, up to its size
    std::int32_t Answer = 1; // what the launcher answers

    std::map<std::string, std::string> ServerFiles; // slot 39: a server or dialog name -> its file ("" when absent)
    std::vector<std::string> ServerFileQueries;

    std::vector<std::pair<std::int32_t, std::string>> StatusTexts;
    int StatusUpdates = 0;
    int StatusItemRefCount = 0;

private:
    template <typename Interface> struct TFace {
        Interface Face;
        FakeClient* Owner;
    };
    template <typename Interface> static FakeClient* Owner(Interface* face) {
        return reinterpret_cast<TFace<Interface>*>(face)->Owner;
    }
    static HResult TESSELLON_STDCALL QueryInterface(IInterface* self, const TGUID* iid, void** result);
    static std::int32_t TESSELLON_STDCALL AddRef(IInterface* self);
    static std::int32_t TESSELLON_STDCALL Release(IInterface* self);
    static std::int32_t TESSELLON_STDCALL ItemAddRef(IInterface* self);
    static std::int32_t TESSELLON_STDCALL ItemRelease(IInterface* self);

    std::string ServerFileAnswer_;
    TFace<IClient> Client_;
    TFace<IProcessLauncher> Launcher_;
    TFace<IStatusTextItem> StatusItem_;
};

// Saves the kit's client function table and host client, and puts them back afterwards.
class ClientApiScope {
public:
    ClientApiScope() : Saved_(ClientApi), SavedClient_(GlobalClient().Get()) {}
    ~ClientApiScope() {
        ClientApi = Saved_;
        SetGlobalClient(SavedClient_);
    }

private:
    TClientApiTable Saved_;
    IClient* SavedClient_;
};

} // namespace hostkit::testing
