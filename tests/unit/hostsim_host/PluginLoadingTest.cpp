#include "HostFixture.h"
#include "TestPlugins.h"

#include "hostsim/host/RouterPlugin.h"
#include "hostsim/host/ServerPlugin.h"
#include "platform/Help.h"

namespace hostsim {
namespace {

using ::testing::HasSubstr;
using ::testing::StartsWith;

// The test keeps its own reference to a plug-in library, so that what the plug-in recorded can still be read after
// the host unloaded it.
class PluginLoading : public HostFixture {
protected:
    void TearDown() override {
        HostFixture::TearDown();
        for (platform::ModuleHandle library : held)
            platform::UnloadModule(library);
    }
    template <typename State> State& stateOf(const char* file, const char* stateExport) {
        held.push_back(platform::LoadModule(file));
        return *platform::FindFunctionAs<State* (*)()>(held.back(), stateExport)();
    }
    std::vector<platform::ModuleHandle> held;
};

TEST_F(PluginLoading, ServerModuleRunsCommandsThatCallBackIntoTheHost) {
    auto& state = stateOf<TestServerState>(TEST_SERVER_PLUGIN, TestServerStateExport);
    ServerPlugin& server = host->loadServer(TEST_SERVER_PLUGIN);
    EXPECT_TRUE(state.FactoryGotClient);
    EXPECT_EQ(state.ModulesAlive, 1);
    EXPECT_EQ(server.moduleName(), "TestServer");
    EXPECT_EQ(host->journal().texts(JournalKind::LibraryLoaded).back(), "TestServer (" TEST_SERVER_PLUGIN ")");

    host->input().pushPoint({-5, 9});
    EXPECT_EQ(host->launchCommand(server, "Sch:AskForXYLocation"), 1);
    EXPECT_STREQ(state.LastCommand, "Sch:AskForXYLocation");
    EXPECT_STREQ(state.LastResult, "LocationX=-5 | LocationY=9 | Result=True");

    host->idle();
    host->idle();
    EXPECT_EQ(state.IdleCalls, 2);

    host.reset();
    EXPECT_EQ(state.ModulesAlive, 0) << "the host released its module before unloading the library";
}

TEST_F(PluginLoading, HelpRequestsOfThePlugInsReachTheJournal) {
    ServerPlugin& server = host->loadServer(TEST_SERVER_PLUGIN);
    platform::ShowHelp(host->mainWindow(), "Help/TestServer.hlp", platform::HelpContext, 120);
    host->launchCommand(server, "Client:ConfigureEDAEditorTabs", "Tab=Sch");
    EXPECT_THAT(host->journal().texts(JournalKind::HelpRequest).back(),
                HasSubstr("Help/TestServer.hlp, command 1, topic 120"));
}

TEST_F(PluginLoading, RouterIsDrivenThroughItsExports) {
    auto& state = stateOf<TestRouterState>(TEST_ROUTER_PLUGIN, TestRouterStateExport);
    RouterPlugin& router = host->loadRouter(TEST_ROUTER_PLUGIN);
    router.create();
    EXPECT_TRUE(router.execute(77, 10, 20, 30, 40));
    EXPECT_FALSE(router.execute(78, 5, 5, 5, 5));
    router.options();
    router.destroy();
    EXPECT_EQ(state.Created, 1);
    EXPECT_EQ(state.Destroyed, 1);
    EXPECT_EQ(state.OptionsShown, 1);
    EXPECT_EQ(state.Wire, 78u);

    router.create();
    host.reset();
    EXPECT_EQ(state.Destroyed, 2) << "the instance left behind is destroyed before the library is unloaded";
}

TEST_F(PluginLoading, LibrariesAreNamedTheWindowsWayOrByPath) {
    const std::filesystem::path plugin = TEST_ROUTER_PLUGIN;
    EXPECT_EQ(SystemLibraryFileName((plugin.parent_path() / "TestRouter.dll").string()), plugin.string());
    EXPECT_EQ(SystemLibraryFileName("TestRouter.DLL"), "libTestRouter.so");
    EXPECT_EQ(SystemLibraryFileName(plugin.string()), plugin.string());
}

TEST_F(PluginLoading, UnusableLibrariesAreRefusedWithTheReason) {
    struct Case {
        std::string File;
        std::string Why;
    };
    const Case cases[] = {
        {"/no/such/Thing.dll", "/no/such/libThing.so: cannot be loaded: "},
        {TEST_SERVER_PLUGIN, TEST_SERVER_PLUGIN ": does not export AutoWirer_Create"},
    };
    for (const Case& c : cases) {
        try {
            host->loadRouter(c.File);
            ADD_FAILURE() << c.File;
        } catch (const HostError& error) {
            EXPECT_THAT(error.what(), StartsWith(c.Why));
        }
    }
    try {
        host->loadServer(TEST_ROUTER_PLUGIN);
        ADD_FAILURE() << "a router is no server";
    } catch (const HostError& error) {
        EXPECT_THAT(error.what(), HasSubstr("does not export ServerFactory"));
    }
}

} // namespace
} // namespace hostsim
