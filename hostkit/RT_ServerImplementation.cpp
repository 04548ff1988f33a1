#include "hostkit/RT_ServerImplementation.h"
#include "hostkit/ClientProcs.h"
#include "hostkit/HostText.h"
#include "hostkit/Rt_RecentExpressions.h"
#include "platform/Application.h"
#include "platform/AsciiText.h"
#include "platform/MessageQueue.h"
#include "platform/Module.h"

#include <algorithm>

namespace hostkit {

namespace {

// Not counted: the host's reference decides the module's life.
IServerModule* globalServerModule = nullptr;
TServerModule* liveModule = nullptr;

// A list entry by index; nullptr outside the list (an out-of-range index must not fault across the boundary).
template <typename Interface>
Interface* EntryAt(const std::vector<TInterfaceRef<Interface>>& list, std::int32_t index) {
    return index >= 0 && static_cast<std::size_t>(index) < list.size() ? list[index].Get() : nullptr;
}

// ---- IServerModule slots ----

TServerModule* ModuleOf(IServerModule* self) {
    return ObjectOf<TServerModule>(self);
}

void TESSELLON_STDCALL ApplicationIdleSlot(IServerModule* self) {
    Guarded([&] { ModuleOf(self)->ApplicationIdle(); });
}

void TESSELLON_STDCALL ReceiveNotificationSlot(IServerModule* self, IInterface* notification) {
    Guarded([&] { ModuleOf(self)->ReceiveNotification(notification); });
}

void TESSELLON_STDCALL CreateServerDocumentSlot(IServerDocument** result, IServerModule* self, std::int32_t a,
                                                std::int32_t b) {
    StoreInterfaceResult<IServerDocument>(result, nullptr);
    Guarded([&] { StoreInterfaceResult(result, ModuleOf(self)->CreateServerDocument(a, b).Get()); });
}

void TESSELLON_STDCALL DestroyServerDocumentSlot(IServerModule* self, IServerDocument* document) {
    Guarded([&] { ModuleOf(self)->DestroyServerDocument(document); });
}

void TESSELLON_STDCALL GetClientSlot(IClient** result, IServerModule* self) {
    StoreInterfaceResult(result, ModuleOf(self)->Client);
}

void TESSELLON_STDCALL GetCommandLauncherSlot(ICommandLauncher** result, IServerModule* self) {
    TServerModule* module = ModuleOf(self);
    StoreInterfaceResult(result, module->CommandLauncher ? module->CommandLauncher->Interface() : nullptr);
}

std::int32_t TESSELLON_STDCALL GetDocumentCountSlot(IServerModule* self) {
    return static_cast<std::int32_t>(ModuleOf(self)->Documents.size());
}

void TESSELLON_STDCALL GetDocumentSlot(IServerDocument** result, IServerModule* self, std::int32_t index) {
    StoreInterfaceResult(result, EntryAt(ModuleOf(self)->Documents, index));
}

void* TESSELLON_STDCALL GetInstanceHandleSlot(IServerModule*) {
    // The library this code is linked into.
    return platform::ModuleContaining(reinterpret_cast<const void*>(&GetInstanceHandleSlot));
}

const char* TESSELLON_STDCALL GetModuleNameSlot(IServerModule* self) {
    return ModuleOf(self)->ModuleName.c_str();
}

void TESSELLON_STDCALL GetProcessControlSlot(IProcessControl** result, IServerModule* self) {
    TServerModule* module = ModuleOf(self);
    StoreInterfaceResult(result, module->ProcessControl ? module->ProcessControl->Interface() : nullptr);
}

std::int32_t TESSELLON_STDCALL GetViewCountSlot(IServerModule* self) {
    return static_cast<std::int32_t>(ModuleOf(self)->Views.size());
}

void TESSELLON_STDCALL GetViewSlot(IServerView** result, IServerModule* self, std::int32_t index) {
    StoreInterfaceResult(result, EntryAt(ModuleOf(self)->Views, index));
}

std::int32_t TESSELLON_STDCALL QueryStateSlot(IServerModule* self) {
    return Guarded(0, [&] { return ModuleOf(self)->QueryState(); });
}

constexpr IServerModuleVtbl ServerModuleTable = {
    TInterfaceTrio<IServerModule>::Table(),
    &ApplicationIdleSlot,
    &ReceiveNotificationSlot,
    &CreateServerDocumentSlot,
    &DestroyServerDocumentSlot,
    &GetClientSlot,
    &GetCommandLauncherSlot,
    &GetDocumentCountSlot,
    &GetDocumentSlot,
    &GetInstanceHandleSlot,
    &GetModuleNameSlot,
    &GetProcessControlSlot,
    &GetViewCountSlot,
    &GetViewSlot,
    &QueryStateSlot,
};

// ---- ICommandLauncher slots ----

std::int32_t TESSELLON_STDCALL LaunchCommandSlot(ICommandLauncher* self, const char* command, char* parameters,
                                                 std::int32_t, IInterface* context) {
    return Guarded(0, [&] { return ObjectOf<TCommandLauncher>(self)->LaunchCommand(command, parameters, context); });
}

void TESSELLON_STDCALL GetCommandStateSlot(ICommandLauncher* self, const char* command, char* parameters,
                                           IInterface* context, std::int32_t* flag1, std::int32_t* flag2,
                                           std::int32_t* flag3, char* text1, char* text2) {
    Guarded([&] {
        ObjectOf<TCommandLauncher>(self)->GetCommandState(command, parameters, context, flag1, flag2, flag3, text1,
                                                          text2);
    });
}

constexpr ICommandLauncherVtbl CommandLauncherTable = {
    TInterfaceTrio<ICommandLauncher>::Table(),
    &LaunchCommandSlot,
    &GetCommandStateSlot,
};

// ---- IProcessControl slots ----

std::int32_t TESSELLON_STDCALL GetProcessDepthSlot(IProcessControl* self) {
    return ObjectOf<TProcessControl>(self)->ProcessDepth;
}

void TESSELLON_STDCALL PostProcessSlot(IProcessControl* self, IInterface* context, std::int32_t value) {
    Guarded([&] { ObjectOf<TProcessControl>(self)->PostProcess(context, value); });
}

void TESSELLON_STDCALL PreProcessSlot(IProcessControl* self, IInterface* context, std::int32_t value) {
    Guarded([&] { ObjectOf<TProcessControl>(self)->PreProcess(context, value); });
}

void TESSELLON_STDCALL SetProcessDepthSlot(IProcessControl* self, std::int32_t value) {
    ObjectOf<TProcessControl>(self)->ProcessDepth = value;
}

constexpr IProcessControlVtbl ProcessControlTable = {
    TInterfaceTrio<IProcessControl>::Table(),
    &GetProcessDepthSlot,
    &PostProcessSlot,
    &PreProcessSlot,
    &SetProcessDepthSlot,
};

} // namespace

// ---- TCommandLauncher ----

bool TCommandLauncher::TCaseInsensitiveLess::operator()(const std::string& a, const std::string& b) const {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return platform::AsciiUpper(x) < platform::AsciiUpper(y);
    });
}

TCommandLauncher::TCommandLauncher() : Binding_{{&CommandLauncherTable}, this} {
    AddInterface(IID_ICommandLauncher, AsInterface(Interface()));
}

void TCommandLauncher::RegisterCommand(const std::string& name, TLaunchProc launchProc, TStateProc stateProc) {
    Commands_.try_emplace(name, std::make_unique<TCommandHandler>(TCommandHandler{launchProc, stateProc}));
}

const TCommandHandler* TCommandLauncher::FindCommand(const std::string& name) const {
    const auto found = Commands_.find(name);
    return found != Commands_.end() ? found->second.get() : nullptr;
}

std::int32_t TCommandLauncher::LaunchCommand(const char* command, const char* parameters, IInterface* context) {
    const TCommandHandler* handler = FindCommand(TextFromHost(command));
    if (handler == nullptr || handler->LaunchProc == nullptr) {
        return 0;
    }
    return handler->LaunchProc(context, parameters);
}

void TCommandLauncher::GetCommandState(const char* command, const char* parameters, IInterface* context,
                                       std::int32_t* flag1, std::int32_t* flag2, std::int32_t* flag3, char* text1,
                                       char* text2) {
    for (auto [flag, value] : {std::pair{flag1, -1}, std::pair{flag2, 0}, std::pair{flag3, -1}}) {
        if (flag != nullptr) {
            *flag = value;
        }
    }
    for (char* text : {text1, text2}) {
        if (text != nullptr) {
            text[0] = '\0';
        }
    }
    const TCommandHandler* handler = FindCommand(TextFromHost(command));
    if (handler != nullptr && handler->StateProc != nullptr) {
        handler->StateProc(context, parameters, flag1, flag2, flag3, text1, text2);
    }
}

// ---- TProcessControl ----

TProcessControl::TProcessControl() : Binding_{{&ProcessControlTable}, this} {
    AddInterface(IID_IProcessControl, AsInterface(Interface()));
}

void TProcessControl::PostProcess(IInterface*, std::int32_t) {
    --ProcessDepth;
}

void TProcessControl::PreProcess(IInterface*, std::int32_t) {
    ++ProcessDepth;
}

// ---- TServerModule ----

TServerModule::TServerModule(IClient* client, std::string moduleName) : Binding_{{&ServerModuleTable}, this} {
    // Counted once while under construction, so that references handed out meanwhile cannot free it.
    SetRefCount(1);
    AddInterface(IID_IServerModule, AsInterface(Interface()));
    SetGlobalClient(client);
    globalServerModule = Interface();
    liveModule = this;
    Client = client;
    ProcessControl = std::make_unique<TProcessControl>();
    ModuleName = std::move(moduleName);
}

void TServerModule::Construct() {
    CreateCommandLauncher();
    Initialize();
    RecentExpressions_ = std::make_unique<TRecentExpressionList>();
    AfterConstruction();
    SetRefCount(RefCount() - 1);
}

TServerModule::~TServerModule() {
    // References taken while the module is taken apart must not free it a second time.
    SetRefCount(1);
    RecentExpressions_.reset();
    Views.clear();
    CommandLauncher.reset();
    Documents.clear();
    ProcessControl.reset();
    if (liveModule == this) {
        liveModule = nullptr;
        globalServerModule = nullptr;
    }
}

void TServerModule::ApplicationIdle() {
    if (platform::PeekWindowMessage(0, false)) {
        platform::PostWindowMessage(platform::ApplicationWindow(), platform::UserMessage, 0, 0);
    }
    platform::RunIdleProcessing();
}

TInterfaceRef<IServerDocument> TServerModule::CreateServerDocument(std::int32_t a, std::int32_t b) {
    TInterfaceRef<IServerDocument> document = NewDocumentInstance(a, b);
    if (document) {
        Documents.push_back(document);
    }
    return document;
}

void TServerModule::DestroyServerDocument(IServerDocument* document) {
    const auto found =
        std::find_if(Documents.begin(), Documents.end(),
                     [document](const TInterfaceRef<IServerDocument>& d) { return d.Get() == document; });
    if (found != Documents.end()) {
        Documents.erase(found);
    }
}

void TServerModule::ReceiveNotification(IInterface* notification) {
    const TInterfaceRef<IInterface> held(notification);
}

void TServerModule::Initialize() {}

void TServerModule::CreateCommandLauncher() {
    CommandLauncher = std::make_unique<TCommandLauncher>();
}

std::int32_t TServerModule::QueryState() {
    return 0;
}

TInterfaceRef<IServerModule> GlobalServerModule() {
    return TInterfaceRef<IServerModule>(globalServerModule);
}

TRecentExpressionList* GlobalRecentExpressions() {
    return liveModule != nullptr ? liveModule->RecentExpressions_.get() : nullptr;
}

} // namespace hostkit
