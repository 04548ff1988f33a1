// The server side of the kit: the server module the host creates through the library's ServerFactory export, its
// command launcher and process control.
//
// A server (Snapscribe) derives from TServerModule, overrides NewDocumentInstance and registers its commands in
// AfterConstruction; its ServerFactory export calls ServerFactoryOf<ItsModule>.
#pragma once

#include "hostkit/InterfaceRef.h"
#include "hostkit/InterfacedObject.h"
#include "hostkit/RT_ClientServerInterface.h"

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace hostkit {

class TRecentExpressionList;

// A command procedure: gets the host's context (its current view) and the parameter text; its answer goes back to
// the host.
using TLaunchProc = std::int32_t (*)(IInterface* context, const char* parameters);

// A command-state procedure: stdcall, the arguments of GetCommandState from Context on.
using TStateProc = void(TESSELLON_STDCALL*)(IInterface* context, const char* parameters, std::int32_t* flag1,
                                            std::int32_t* flag2, std::int32_t* flag3, char* text1, char* text2);

struct TCommandHandler {
    TLaunchProc LaunchProc = nullptr;
    TStateProc StateProc = nullptr;
};

// Command names to handlers, found in any letter case. Answers add-reference and release without counting: the
// module owns it.
class TCommandLauncher : public TInterfacedObjectNoRef {
public:
    TCommandLauncher();

    ICommandLauncher* Interface() { return Binding_.Get(); }

    // Adds a command; a name already present (in any letter case) keeps its first registration.
    void RegisterCommand(const std::string& name, TLaunchProc launchProc, TStateProc stateProc);

    // Slot 0: runs the command's procedure and answers its answer; 0 for an unknown command.
    virtual std::int32_t LaunchCommand(const char* command, const char* parameters, IInterface* context);

    // Slot 1: Flag1 := -1, Flag2 := 0, Flag3 := -1, both texts empty; then the command's state procedure, if it
    // has one, may overwrite them.
    virtual void GetCommandState(const char* command, const char* parameters, IInterface* context, std::int32_t* flag1,
                                 std::int32_t* flag2, std::int32_t* flag3, char* text1, char* text2);

    // The handler of a command (any letter case), or nullptr.
    const TCommandHandler* FindCommand(const std::string& name) const;

private:
    struct TCaseInsensitiveLess {
        bool operator()(const std::string& a, const std::string& b) const;
    };
    TInterfaceBinding<ICommandLauncher> Binding_;
    std::map<std::string, std::unique_ptr<TCommandHandler>, TCaseInsensitiveLess> Commands_;
};

// The depth counter the host moves around its process calls. Answers add-reference and release without counting.
class TProcessControl : public TInterfacedObjectNoRef {
public:
    TProcessControl();

    IProcessControl* Interface() { return Binding_.Get(); }

    std::int32_t ProcessDepth = 0;

    virtual void PostProcess(IInterface* context, std::int32_t value); // slot 0: depth - 1
    virtual void PreProcess(IInterface* context, std::int32_t value);  // slot 1: depth + 1

private:
    TInterfaceBinding<IProcessControl> Binding_;
};

// The reusable server module: reference counted, freed when the host releases its last reference.
class TServerModule : public TInterfacedObject {
public:
    ~TServerModule() override;

    IServerModule* Interface() { return Binding_.Get(); }

    // Creates a module of class Module (constructed from Args), runs the construction steps that call virtual
    // operations (CreateCommandLauncher, Initialize, the recent filter list, AfterConstruction) and answers it
    // with no reference taken yet: the first counted reference decides its life.
    template <typename Module, typename... Args> static Module* Create(Args&&... args) {
        std::unique_ptr<Module> module(new Module(std::forward<Args>(args)...));
        module->Construct();
        return module.release();
    }

    // Fields in declared order.
    IClient* Client = nullptr; // not counted: the host keeps its client alive longer
    std::vector<TInterfaceRef<IServerDocument>> Documents;
    std::string ModuleName;
    std::vector<TInterfaceRef<IServerView>> Views; // nothing adds to it in this system
    std::unique_ptr<TCommandLauncher> CommandLauncher;
    std::unique_ptr<TProcessControl> ProcessControl;

    // Virtual operations in slot order.
    virtual void ApplicationIdle();                                                                 // 0
    virtual TInterfaceRef<IServerDocument> CreateServerDocument(std::int32_t a, std::int32_t b);    // 1
    virtual void DestroyServerDocument(IServerDocument* document);                                  // 2
    virtual TInterfaceRef<IServerDocument> NewDocumentInstance(std::int32_t a, std::int32_t b) = 0; // 3
    virtual void ReceiveNotification(IInterface* notification);                                     // 4
    virtual void Initialize();                                                                      // 5
    virtual void CreateCommandLauncher();                                                           // 6
    virtual std::int32_t QueryState();                                                              // 7

protected:
    // Sets GlobalClient and GlobalServerModule, stores the client (uncounted), creates the process control and
    // stores the name. The steps that call virtual operations follow in Construct.
    TServerModule(IClient* client, std::string moduleName);

    // Runs last in the construction: a server registers its commands here.
    virtual void AfterConstruction() {}

private:
    void Construct();
    friend TRecentExpressionList* GlobalRecentExpressions();

    TInterfaceBinding<IServerModule> Binding_;
    std::unique_ptr<TRecentExpressionList> RecentExpressions_;
};

// A counted copy of the live module's IServerModule, or an empty holder.
TInterfaceRef<IServerModule> GlobalServerModule();

// The live module's recent filter expressions, or nullptr while no module lives.
TRecentExpressionList* GlobalRecentExpressions();

// The body of a library's ServerFactory export: creates one Module for Client and stores its IServerModule into
// *Result (releasing what it held); that reference is the module's only one. A failure stores nullptr.
template <typename Module> void ServerFactoryOf(IServerModule** result, IClient* client) noexcept {
    if (result == nullptr) {
        return;
    }
    IServerModule* created = nullptr;
    Guarded([&] { created = TServerModule::Create<Module>(client)->Interface(); });
    StoreInterfaceResult(result, created);
}

} // namespace hostkit
