// A server plug-in as small as the host allows: ServerFactory makes one module whose command launcher runs the host
// process named by the command, through the client it finds in the main program, as the kit does.
#include "TestPlugins.h"

#include "hostkit/ClientProcs.h"
#include "hostkit/HostText.h"
#include "hostkit/InterfaceRef.h"
#include "platform/Module.h"

namespace {

using namespace hostkit;

TestServerState State;
int32_t References = 0;

HResult TESSELLON_STDCALL NoInterface(IInterface*, const TGUID*, void** result) {
    *result = nullptr;
    return E_NOINTERFACE;
}

int32_t TESSELLON_STDCALL AddRefModule(IInterface*) {
    return ++References;
}
int32_t TESSELLON_STDCALL ReleaseModule(IInterface*) {
    if (--References == 0)
        --State.ModulesAlive;
    return References;
}
int32_t TESSELLON_STDCALL Uncounted(IInterface*) {
    return 1;
}

void TESSELLON_STDCALL Idle(IServerModule*) {
    ++State.IdleCalls;
}
const char* TESSELLON_STDCALL Name(IServerModule*) {
    return "TestServer";
}

int32_t TESSELLON_STDCALL Launch(ICommandLauncher*, const char* command, char* parameters, int32_t size,
                                 IInterface* context) {
    CopyToHostBuffer(State.LastCommand, sizeof State.LastCommand, command);
    auto getClient = platform::FindFunctionAs<TClientAPI_GetClientInterface>(platform::MainProgramModule(),
                                                                             "ClientAPI_GetClientInterface");
    IClient* client = nullptr;
    getClient(&client);
    auto launcher = TInterfaceRef<IClient>::Adopt(client).Query<IProcessLauncher>(IID_IProcessLauncher);
    const int32_t answer = launcher.Get()->Vtbl->LaunchProcess(launcher.Get(), command, parameters, size,
                                                               reinterpret_cast<IServerDocumentView*>(context));
    CopyToHostBuffer(State.LastResult, sizeof State.LastResult, TextFromHostBuffer(parameters, size));
    return answer;
}

const ICommandLauncherVtbl LauncherTable = {{NoInterface, Uncounted, Uncounted}, Launch, nullptr};
ICommandLauncher Launcher{&LauncherTable};

void TESSELLON_STDCALL GetLauncher(ICommandLauncher** result, IServerModule*) {
    StoreInterfaceResult(result, &Launcher);
}

const IServerModuleVtbl ModuleTable = [] {
    IServerModuleVtbl table{};
    table.Unknown = {NoInterface, AddRefModule, ReleaseModule};
    table.ApplicationIdle = Idle;
    table.GetCommandLauncher = GetLauncher;
    table.GetModuleName = Name;
    return table;
}();
IServerModule Module{&ModuleTable};

} // namespace

extern "C" TESSELLON_EXPORT void TESSELLON_STDCALL ServerFactory(IServerModule** result, IClient* client) {
    State.FactoryGotClient = client != nullptr;
    ++State.ModulesAlive;
    StoreInterfaceResult(result, &Module);
}

extern "C" TESSELLON_EXPORT TestServerState* TestServer_State() {
    return &State;
}
