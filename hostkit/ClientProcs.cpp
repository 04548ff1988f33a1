#include "hostkit/ClientProcs.h"
#include "hostkit/ClientClass.h"
#include "hostkit/HostText.h"
#include "platform/Module.h"

#include <vector>

namespace hostkit {

TClientApiTable ClientApi;

namespace {

// Not counted: the host keeps its client alive longer than the library uses it.
IClient* globalClient = nullptr;

// Calls a host function that answers a text into a 4,096-byte buffer; the buffer is freed on every path.
template <typename Call> std::string TextFromHostFunction(Call&& call) {
    std::vector<char> buffer(HostResultBufferSize, '\0');
    call(buffer.data());
    return TextFromHostBuffer(buffer.data(), buffer.size());
}

} // namespace

void BindClientApi() {
    const platform::ModuleHandle host = platform::MainProgramModule();
#define TESSELLON_BIND_CLIENT_API(Type, Name) ClientApi.Name = platform::FindFunctionAs<Type>(host, #Name);
    TESSELLON_CLIENT_API(TESSELLON_BIND_CLIENT_API)
#undef TESSELLON_BIND_CLIENT_API
    // The call hands out a counted reference; the kit keeps the client uncounted and gives that reference back.
    TInterfaceRef<IClient> client;
    GetClientInterface(client.Receive());
    SetGlobalClient(client.Get());
}

TInterfaceRef<IClient> GlobalClient() {
    return TInterfaceRef<IClient>(globalClient);
}

void SetGlobalClient(IClient* client) {
    globalClient = client;
}

void GetClientInterface(IClient** client) {
    if (ClientApi.ClientAPI_GetClientInterface != nullptr && client != nullptr) {
        ClientApi.ClientAPI_GetClientInterface(client);
    }
}

bool ClientFileExists(const std::string& fileName) {
    return ClientApi.ClientAPI_ExistSpecific != nullptr && ClientApi.ClientAPI_ExistSpecific(fileName.c_str()) != 0;
}

std::string ExtractWholeFileName(const std::string& path) {
    if (ClientApi.ClientAPI_ExtractWholeFileNameFromPath == nullptr) {
        return {};
    }
    return TextFromHostFunction(
        [&](char* result) { ClientApi.ClientAPI_ExtractWholeFileNameFromPath(path.c_str(), result); });
}

std::string ForceFileNameExtension(const std::string& fileName, const std::string& extension) {
    if (ClientApi.ClientAPI_ForceFileNameExtension == nullptr) {
        return {};
    }
    return TextFromHostFunction(
        [&](char* result) { ClientApi.ClientAPI_ForceFileNameExtension(fileName.c_str(), extension.c_str(), result); });
}

std::string ConvertFileNameToExeFileName(const std::string& fileName) {
    if (ClientApi.ClientAPI_ConvertFileNameToExeFileName == nullptr) {
        return {};
    }
    return TextFromHostFunction(
        [&](char* result) { ClientApi.ClientAPI_ConvertFileNameToExeFileName(fileName.c_str(), result); });
}

bool RunHostProcess(const char* processName, char* parameters, std::int32_t size, IServerDocumentView* context) {
    const TInterfaceRef<IServerDocumentView> heldContext(context);
    const TInterfaceRef<IClient> client = GlobalClient();
    if (!client) {
        return false;
    }
    const auto launcher = client.Query<IProcessLauncher>(IID_IProcessLauncher);
    if (!launcher) {
        throw EIntfCastError("the host client offers no process launcher");
    }
    return launcher.Get()->Vtbl->LaunchProcess(launcher.Get(), processName, parameters, size, context) != 0;
}

std::uint32_t GetHostWindowHandle() {
    return ClientMainWindowHandle(GlobalClient().Get());
}

std::uint32_t GetHostHelpWindowHandle() {
    return ClientApplicationHandle(GlobalClient().Get());
}

void ShowStatusText(std::int32_t index, const std::string& text) {
    ClientSetStatusText(GlobalClient().Get(), index, text);
}

} // namespace hostkit
