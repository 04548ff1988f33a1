#include "hostkit/ClientProcs.h"
#include "hostkit/RT_ServerImplementation.h"
#include "platform/Application.h"
#include "platform/Folders.h"
#include "platform/MessageQueue.h"
#include "platform/Module.h"
#include "platform/Screen.h"
#include "tests/unit/hostkit/FakeHost.h"
#include "tests/unit/platform/ScratchFolder.h"

#include <gtest/gtest.h>

#include <cstring>
#include <stdexcept>

namespace hostkit {
namespace {

using testing::ClientApiScope;
using testing::FakeClient;

// A document of a server that makes documents.
struct FakeDocument {
    IServerDocument Face;
    int RefCount = 1;

    static FakeDocument* Of(IInterface* self) { return reinterpret_cast<FakeDocument*>(self); }
    static std::int32_t TESSELLON_STDCALL AddRef(IInterface* self) { return ++Of(self)->RefCount; }
    static std::int32_t TESSELLON_STDCALL Release(IInterface* self) { return --Of(self)->RefCount; }
    static HResult TESSELLON_STDCALL Query(IInterface*, const TGUID*, void** result) {
        *result = nullptr;
        return E_NOINTERFACE;
    }
    static const IServerDocumentVtbl* Table() {
        static const IServerDocumentVtbl table = [] {
            IServerDocumentVtbl t{};
            t.Unknown = {&Query, &AddRef, &Release};
            return t;
        }();
        return &table;
    }
    FakeDocument() : Face{Table()} {}
};

struct Calls {
    int Launches = 0;
    IInterface* Context = nullptr;
    std::string Parameters;
};
Calls calls;

std::int32_t LaunchCapture(IInterface* context, const char* parameters) {
    ++calls.Launches;
    calls.Context = context;
    calls.Parameters = parameters;
    return 7;
}

std::int32_t LaunchOther(IInterface*, const char*) {
    return 99;
}

std::int32_t LaunchFailing(IInterface*, const char*) {
    throw std::runtime_error("the command failed");
}

void TESSELLON_STDCALL StateOfStateful(IInterface*, const char*, std::int32_t* flag1, std::int32_t* flag2,
                                       std::int32_t*, char* text1, char*) {
    *flag1 += 10; // sees the defaults
    *flag2 = 1;
    std::strcpy(text1, "busy");
}

class TTestModule : public TServerModule {
public:
    explicit TTestModule(IClient* client) : TServerModule(client, "Snapscribe") {}
    ~TTestModule() override { ++Destroyed; }

    TInterfaceRef<IServerDocument> NewDocumentInstance(std::int32_t a, std::int32_t b) override {
        LastArguments = {a, b};
        return NextDocument != nullptr ? TInterfaceRef<IServerDocument>(NextDocument)
                                       : TInterfaceRef<IServerDocument>();
    }

    static inline int Destroyed = 0;
    static inline IServerDocument* NextDocument = nullptr;
    static inline std::pair<std::int32_t, std::int32_t> LastArguments;

protected:
    void AfterConstruction() override {
        CommandLauncher->RegisterCommand("CreateSchMacro", &LaunchCapture, nullptr);
        CommandLauncher->RegisterCommand("createschmacro", &LaunchOther, nullptr);
        CommandLauncher->RegisterCommand("Stateful", &LaunchOther, &StateOfStateful);
        CommandLauncher->RegisterCommand("Failing", &LaunchFailing, nullptr);
    }
};

class ServerModuleTest : public ::testing::Test {
protected:
    void SetUp() override {
        platform::SetUserDataFolderOverride(UserData.Path());
        TTestModule::Destroyed = 0;
        TTestModule::NextDocument = nullptr;
        calls = {};
        ServerFactoryOf<TTestModule>(&Module, Host.Interface());
        ASSERT_NE(Module, nullptr);
    }
    void TearDown() override {
        if (Module != nullptr) {
            Module->Vtbl->Unknown.Release(AsInterface(Module));
        }
        platform::SetUserDataFolderOverride("");
    }

    TInterfaceRef<ICommandLauncher> Launcher() {
        TInterfaceRef<ICommandLauncher> launcher;
        Module->Vtbl->GetCommandLauncher(launcher.Receive(), Module);
        return launcher;
    }

    TInterfaceRef<IProcessControl> Control() {
        TInterfaceRef<IProcessControl> control;
        Module->Vtbl->GetProcessControl(control.Receive(), Module);
        return control;
    }

    tessellon::testing::ScratchFolder UserData;
    ClientApiScope Scope;
    FakeClient Host;
    IServerModule* Module = nullptr;
};

TEST_F(ServerModuleTest, LivesUntilTheHostReleasesItsOnlyReference) {
    EXPECT_EQ(GlobalServerModule().Get(), Module);
    EXPECT_EQ(GlobalClient().Get(), Host.Interface());
    EXPECT_EQ(Host.RefCount, 1) << "the module takes no reference on the client";

    IInterface* module = AsInterface(Module);
    EXPECT_EQ(module->Vtbl->AddRef(module), 2);
    EXPECT_EQ(module->Vtbl->Release(module), 1);
    EXPECT_EQ(TTestModule::Destroyed, 0);

    EXPECT_EQ(module->Vtbl->Release(module), 0);
    Module = nullptr;
    EXPECT_EQ(TTestModule::Destroyed, 1);
    EXPECT_FALSE(GlobalServerModule());
}

TEST_F(ServerModuleTest, TheFactoryReleasesWhatTheHostsVariableHeld) {
    IServerModule* first = Module;
    ServerFactoryOf<TTestModule>(&Module, Host.Interface());
    EXPECT_NE(Module, first);
    EXPECT_EQ(TTestModule::Destroyed, 1);
    EXPECT_EQ(GlobalServerModule().Get(), Module);
}

TEST_F(ServerModuleTest, LaunchesACommandGivenInAnyLetterCase) {
    const TInterfaceRef<ICommandLauncher> launcher = Launcher();
    ICommandLauncher* l = launcher.Get();
    char parameters[] = "A=1";
    IInterface* context = AsInterface(Host.Interface());
    for (const char* name : {"CreateSchMacro", "createschmacro", "CREATESCHMACRO", "cReAtEsChMaCrO"}) {
        EXPECT_EQ(l->Vtbl->LaunchCommand(l, name, parameters, 256, context), 7) << name;
    }
    EXPECT_EQ(calls.Launches, 4) << "the second registration under the same name was discarded";
    EXPECT_EQ(calls.Context, context);
    EXPECT_EQ(calls.Parameters, "A=1");

    EXPECT_EQ(l->Vtbl->LaunchCommand(l, "Unknown", parameters, 256, context), 0);
    EXPECT_EQ(l->Vtbl->LaunchCommand(l, "Failing", parameters, 256, context), 0) << "no exception crosses a slot";
    EXPECT_EQ(calls.Launches, 4);
}

TEST_F(ServerModuleTest, CommandStateStartsFromTheDefaults) {
    const TInterfaceRef<ICommandLauncher> launcher = Launcher();
    ICommandLauncher* l = launcher.Get();
    const struct {
        const char* Command;
        std::int32_t Flag1, Flag2, Flag3;
        const char* Text1;
    } cases[] = {
        {"CreateSchMacro", -1, 0, -1, ""},
        {"NotRegistered", -1, 0, -1, ""},
        {"stateful", 9, 1, -1, "busy"},
    };
    for (const auto& c : cases) {
        std::int32_t flag1 = 5, flag2 = 5, flag3 = 5;
        char text1[64] = "junk", text2[64] = "junk";
        l->Vtbl->GetCommandState(l, c.Command, nullptr, nullptr, &flag1, &flag2, &flag3, text1, text2);
        EXPECT_EQ(flag1, c.Flag1) << c.Command;
        EXPECT_EQ(flag2, c.Flag2) << c.Command;
        EXPECT_EQ(flag3, c.Flag3) << c.Command;
        EXPECT_STREQ(text1, c.Text1) << c.Command;
        EXPECT_STREQ(text2, "") << c.Command;
    }
}

TEST_F(ServerModuleTest, ProcessDepthFollowsTheHostsCalls) {
    const TInterfaceRef<IProcessControl> control = Control();
    IProcessControl* c = control.Get();
    EXPECT_EQ(c->Vtbl->GetProcessDepth(c), 0);
    c->Vtbl->PreProcess(c, nullptr, 0);
    c->Vtbl->PreProcess(c, nullptr, 0);
    c->Vtbl->PostProcess(c, nullptr, 0);
    EXPECT_EQ(c->Vtbl->GetProcessDepth(c), 1);
    c->Vtbl->SetProcessDepth(c, 5);
    EXPECT_EQ(c->Vtbl->GetProcessDepth(c), 5);
    c->Vtbl->SetProcessDepth(c, 0);
    c->Vtbl->PostProcess(c, nullptr, 0);
    EXPECT_EQ(c->Vtbl->GetProcessDepth(c), -1);
}

TEST_F(ServerModuleTest, LauncherAndProcessControlAreNotCounted) {
    for (IInterface* face : {AsInterface(Launcher().Get()), AsInterface(Control().Get())}) {
        EXPECT_EQ(face->Vtbl->AddRef(face), 0);
        EXPECT_EQ(face->Vtbl->Release(face), 0);
    }
    void* found = nullptr;
    IInterface* control = AsInterface(Control().Get());
    EXPECT_EQ(control->Vtbl->QueryInterface(control, &IID_IProcessControl, &found), S_OK);
    EXPECT_EQ(found, control);
    EXPECT_EQ(control->Vtbl->QueryInterface(control, &IID_IServerModule, &found), E_NOINTERFACE);
    EXPECT_EQ(found, nullptr);
}

TEST_F(ServerModuleTest, AnswersTheHostsQuestions) {
    EXPECT_STREQ(Module->Vtbl->GetModuleName(Module), "Snapscribe");
    EXPECT_EQ(Module->Vtbl->QueryState(Module), 0);
    EXPECT_EQ(Module->Vtbl->GetDocumentCount(Module), 0);
    EXPECT_EQ(Module->Vtbl->GetViewCount(Module), 0);
    EXPECT_EQ(Module->Vtbl->GetInstanceHandle(Module), platform::MainProgramModule())
        << "the module of the code the kit is linked into";

    TInterfaceRef<IClient> client;
    Module->Vtbl->GetClient(client.Receive(), Module);
    EXPECT_EQ(client.Get(), Host.Interface());
    EXPECT_EQ(Host.RefCount, 2) << "a counted reference";

    // An index outside the lists yields none instead of a fault in the host.
    TInterfaceRef<IServerDocument> document;
    Module->Vtbl->GetDocument(document.Receive(), Module, 0);
    EXPECT_FALSE(document);
    TInterfaceRef<IServerView> view;
    Module->Vtbl->GetView(view.Receive(), Module, -1);
    EXPECT_FALSE(view);

    IInterface* module = AsInterface(Module);
    void* found = nullptr;
    for (const TGUID* iid : {&IID_IServerModule, &IID_IInterface}) {
        ASSERT_EQ(module->Vtbl->QueryInterface(module, iid, &found), S_OK);
        EXPECT_EQ(found, Module);
        module->Vtbl->Release(module);
    }
    EXPECT_EQ(module->Vtbl->QueryInterface(module, &IID_ICommandLauncher, &found), E_NOINTERFACE);
}

TEST_F(ServerModuleTest, ListsTheDocumentsItMakes) {
    FakeDocument made;
    TTestModule::NextDocument = &made.Face;
    TInterfaceRef<IServerDocument> document;
    Module->Vtbl->CreateServerDocument(document.Receive(), Module, 3, 4);
    EXPECT_EQ(document.Get(), &made.Face);
    EXPECT_EQ(TTestModule::LastArguments, std::make_pair(3, 4));
    EXPECT_EQ(Module->Vtbl->GetDocumentCount(Module), 1);
    EXPECT_EQ(made.RefCount, 3) << "held by the host, the module's list and this test";

    Module->Vtbl->DestroyServerDocument(Module, nullptr);
    EXPECT_EQ(Module->Vtbl->GetDocumentCount(Module), 1) << "an absent document changes nothing";
    Module->Vtbl->DestroyServerDocument(Module, &made.Face);
    EXPECT_EQ(Module->Vtbl->GetDocumentCount(Module), 0);
    EXPECT_EQ(made.RefCount, 2);

    // Made nothing: the result variable is cleared, releasing what it held.
    TTestModule::NextDocument = nullptr;
    IServerDocument* variable = document.Detach();
    Module->Vtbl->CreateServerDocument(&variable, Module, 0, 0);
    EXPECT_EQ(variable, nullptr);
    EXPECT_EQ(made.RefCount, 1);
    EXPECT_EQ(Module->Vtbl->GetDocumentCount(Module), 0);
}

int idleRuns = 0;

TEST_F(ServerModuleTest, IdleTimeRunsTheToolkitsIdleProcessing) {
    platform::ResetScreen();
    idleRuns = 0;
    platform::SetIdleHandler([] { ++idleRuns; });
    Module->Vtbl->ApplicationIdle(Module);
    EXPECT_EQ(idleRuns, 1);
    EXPECT_FALSE(platform::PeekWindowMessage(0, false)) << "an empty queue gets nothing posted";

    const platform::WindowHandle editor = platform::CreateStandInWindow(platform::Rect{});
    ASSERT_TRUE(platform::PostKeyPress(editor, 'A'));
    Module->Vtbl->ApplicationIdle(Module);
    EXPECT_EQ(idleRuns, 2);
    const auto posted = platform::PeekWindowMessage(platform::ApplicationWindow(), true);
    ASSERT_TRUE(posted);
    EXPECT_EQ(posted->Message, platform::UserMessage);
    EXPECT_EQ(posted->WParam, 0u);
    EXPECT_EQ(posted->LParam, 0);
    platform::SetIdleHandler(nullptr);
    platform::ResetScreen();
}

} // namespace
} // namespace hostkit
