#include "hostkit/ClientProcs.h"
#include "hostkit/ClientClass.h"
#include "hostkit/HostText.h"
#include "hostkit/Rt_Param.h"
#include "tests/unit/hostkit/FakeHost.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace hostkit;
using hostkit::testing::ClientApiScope;
using hostkit::testing::FakeClient;
using hostkit::testing::FakeView;

namespace {

FakeClient* exportedClient = nullptr;
std::string lastExistQuery;

} // namespace

// The client functions this test program exports, as the host program does.
extern "C" {
TESSELLON_EXPORT void TESSELLON_STDCALL ClientAPI_GetClientInterface(IClient** client) {
    *client = exportedClient->Interface();
    ++exportedClient->RefCount;
}
TESSELLON_EXPORT std::uint8_t TESSELLON_STDCALL ClientAPI_ExistSpecific(const char* fileName) {
    lastExistQuery = fileName;
    return 0x01;
}
TESSELLON_EXPORT void TESSELLON_STDCALL ClientAPI_ExtractWholeFileNameFromPath(const char* path, char* result) {
    std::strcpy(result, std::strrchr(path, '/') + 1);
}
TESSELLON_EXPORT void TESSELLON_STDCALL ClientAPI_ForceFileNameExtension(const char*, const char*, char* result) {
    // A host that fills the whole buffer and leaves no terminator.
    std::memset(result, 'x', HostResultBufferSize);
}
TESSELLON_EXPORT void TESSELLON_STDCALL ClientApi_GetCurrentUserID() {}
}

namespace {

class ClientProcsTest : public ::testing::Test {
protected:
    ClientApiScope Scope;
    FakeClient Host;
    FakeView View;
};

TEST_F(ClientProcsTest, BindsTheHostProgramsExportsByExactNameAndKeepsTheClientUncounted) {
    exportedClient = &Host;
    BindClientApi();
    EXPECT_NE(ClientApi.ClientAPI_ExistSpecific, nullptr);
    EXPECT_NE(ClientApi.ClientApi_GetCurrentUserID, nullptr);
    EXPECT_EQ(ClientApi.ClientApi_QueryEntity, nullptr) << "not exported by this host";
    EXPECT_EQ(ClientApi.ClientAPI_ConvertFileNameToExeFileName, nullptr);
    EXPECT_EQ(GlobalClient().Get(), Host.Interface());
    EXPECT_EQ(Host.RefCount, 1) << "the reference the host handed out is given back";

    BindClientApi(); // binding again binds the same names
    EXPECT_NE(ClientApi.ClientAPI_ExistSpecific, nullptr);

    EXPECT_TRUE(ClientFileExists("/data/TEMPLATE.BAS"));
    EXPECT_EQ(lastExistQuery, "/data/TEMPLATE.BAS");
    EXPECT_EQ(ExtractWholeFileName("/data/TEMPLATE.BAS"), "TEMPLATE.BAS");
    EXPECT_EQ(ForceFileNameExtension("a", ".bas"), std::string(HostResultBufferSize, 'x'))
        << "an unterminated answer is read up to the buffer's end, never beyond";
    EXPECT_EQ(ConvertFileNameToExeFileName("a"), "");
}

TEST_F(ClientProcsTest, AHostWithoutTheFunctionsGetsNeutralAnswers) {
    ClientApi = {};
    EXPECT_FALSE(ClientFileExists("anything"));
    EXPECT_EQ(ExtractWholeFileName("/a/b"), "");
    EXPECT_EQ(ForceFileNameExtension("a", ".bas"), "");
    EXPECT_EQ(ConvertFileNameToExeFileName("a"), "");
    IClient* untouched = Host.Interface();
    GetClientInterface(&untouched);
    EXPECT_EQ(untouched, Host.Interface());
}

TEST(ClientApiTable, HoldsTheSeventySevenNames) {
    int names = 0;
#define COUNT_NAME(Type, Name) ++names;
    TESSELLON_CLIENT_API(COUNT_NAME)
#undef COUNT_NAME
    EXPECT_EQ(names, 77);
    EXPECT_EQ(sizeof(TClientApiTable), 77 * sizeof(void*));
}

TEST_F(ClientProcsTest, RunsAProcessAcrossTheBinaryInterfaceAndReadsItsResults) {
    SetGlobalClient(Host.Interface());
    Host.Reply = "LocationX=100 | LocationY=-250 | Result=True";
    char buffer[256] = "";
    EXPECT_TRUE(RunHostProcess("Sch:AskForXYLocation", buffer, 255, View.Interface()));

    ASSERT_EQ(Host.Launches.size(), 1u);
    const FakeClient::TLaunch& launch = Host.Launches[0];
    EXPECT_EQ(launch.Process, "Sch:AskForXYLocation");
    EXPECT_EQ(launch.Size, 255);
    EXPECT_EQ(launch.Context, View.Interface());
    EXPECT_EQ(launch.ContextRefCount, 2) << "the context is held while the process runs";
    EXPECT_EQ(View.RefCount, 1);
    EXPECT_EQ(Host.RefCount, 1) << "client and launcher references are given back";

    std::string x, y, result;
    ASSERT_TRUE(GetParameterValue(buffer, "LocationX", x));
    ASSERT_TRUE(GetParameterValue(buffer, "LocationY", y));
    ASSERT_TRUE(GetParameterValue(buffer, "Result", result));
    EXPECT_EQ(std::stoi(x), 100);
    EXPECT_EQ(std::stoi(y), -250);
    EXPECT_EQ(result, "True");
}

TEST_F(ClientProcsTest, AnEmptyTextOfSizeZeroRunsAndNothingIsWrittenBack) {
    SetGlobalClient(Host.Interface());
    Host.Reply = "Result=True";
    EXPECT_TRUE(RunHostProcess("Sch:DeselectAllObjects", const_cast<char*>(""), 0, View.Interface()));
    ASSERT_EQ(Host.Launches.size(), 1u);
    EXPECT_EQ(Host.Launches[0].Parameters, "");
    EXPECT_EQ(Host.Launches[0].Size, 0);
}

TEST_F(ClientProcsTest, AnswersTheHostsVerdict) {
    SetGlobalClient(Host.Interface());
    char buffer[256] = "Server=Sch | Action=Start";
    Host.Answer = 0;
    EXPECT_FALSE(RunHostProcess("Client:SetupEDAServers", buffer, 255, nullptr));
    Host.Answer = -1;
    EXPECT_TRUE(RunHostProcess("Client:SetupEDAServers", buffer, 255, nullptr));
    EXPECT_EQ(Host.Launches[0].Parameters, "Server=Sch | Action=Start");
    EXPECT_EQ(Host.Launches[0].Context, nullptr);
}

TEST_F(ClientProcsTest, WithoutAClientNothingRunsAndTheBufferStaysAsItWas) {
    SetGlobalClient(nullptr);
    char buffer[256] = "Server=Sch | Action=Start";
    EXPECT_FALSE(RunHostProcess("Client:SetupEDAServers", buffer, 255, View.Interface()));
    EXPECT_STREQ(buffer, "Server=Sch | Action=Start");
    EXPECT_EQ(View.RefCount, 1);
    EXPECT_EQ(GetHostWindowHandle(), 0u);
    ShowStatusText(4, "ignored");
}

TEST_F(ClientProcsTest, AClientWithoutALauncherIsAnErrorForTheCaller) {
    SetGlobalClient(Host.Interface());
    Host.OffersLauncher = false;
    char buffer[256] = "";
    EXPECT_THROW(RunHostProcess("Sch:AskForXYLocation", buffer, 255, View.Interface()), EIntfCastError);
    EXPECT_TRUE(Host.Launches.empty());
    EXPECT_EQ(View.RefCount, 1);
    EXPECT_EQ(Host.RefCount, 1);
}

TEST_F(ClientProcsTest, ReachesTheClientsWindowsAndStatusField) {
    SetGlobalClient(Host.Interface());
    EXPECT_EQ(GetHostWindowHandle(), Host.MainWindow);
    EXPECT_EQ(GetHostHelpWindowHandle(), Host.HelpWindow);
    ShowStatusText(4, "Current Command - Select region...");
    ShowStatusText(-1, "");
    EXPECT_EQ(Host.StatusTexts,
              (std::vector<std::pair<std::int32_t, std::string>>{{4, "Current Command - Select region..."}, {-1, ""}}));
    EXPECT_EQ(Host.StatusUpdates, 2);
    EXPECT_EQ(Host.StatusItemRefCount, 0) << "each status item is released after its update";

    Host.ServerFiles["Sch:PlaceWire"] = "C:\\Program\\Plexa.dll";
    EXPECT_EQ(ClientServerFileName(Host.Interface(), "Sch:PlaceWire"), "C:\\Program\\Plexa.dll");
    EXPECT_EQ(ClientServerFileName(Host.Interface(), "Nobody"), "");
    EXPECT_EQ(ClientServerFileName(nullptr, "Sch:PlaceWire"), "");
}

} // namespace
