#include "hostkit/ClientProcs.h"
#include "hostsim/host/Host.h"
#include "platform/Module.h"

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>

namespace hostsim {
namespace {

// The exports as a plug-in binds them: by name, from the main program, with the kit's function types.
template <typename Function> Function Bound(const char* name) {
    return platform::FindFunctionAs<Function>(platform::MainProgramModule(), name);
}

// A 4,096-byte result buffer with guard bytes behind it.
struct ResultBuffer {
    char Bytes[4096 + 16];
    ResultBuffer() { std::memset(Bytes, '#', sizeof Bytes); }
    bool guardIntact() const {
        for (size_t i = 4096; i < sizeof Bytes; ++i)
            if (Bytes[i] != '#')
                return false;
        return true;
    }
};

TEST(ClientExports, EveryBoundNameIsExportedByTheProgram) {
#define EXPECT_EXPORTED(Type, Name) EXPECT_NE(Bound<void*>(#Name), nullptr) << #Name;
    TESSELLON_CLIENT_API(EXPECT_EXPORTED)
#undef EXPECT_EXPORTED
}

TEST(ClientExports, FileNameFunctions) {
    auto force = Bound<hostkit::TClientAPI_ForceFileNameExtension>("ClientAPI_ForceFileNameExtension");
    auto whole = Bound<hostkit::TClientAPI_ExtractWholeFileNameFromPath>("ClientAPI_ExtractWholeFileNameFromPath");
    struct Case {
        const char* FileName;
        const char* Extension;
        const char* Forced;
        const char* Whole;
    };
    const Case cases[] = {
        {"/work/amp.sch", "BAS", "/work/amp.BAS", "amp.sch"},
        {"/work/amp", "TRP", "/work/amp.TRP", "amp"},
        {"/w.x/a.b.sch", "BAS", "/w.x/a.b.BAS", "a.b.sch"},
        {"amp.bas", "", "amp", "amp.bas"},
        {"", "BAS", "", ""},
        {"/work/", "BAS", "/work/", ""},
    };
    for (const Case& c : cases) {
        ResultBuffer forced, name;
        force(c.FileName, c.Extension, forced.Bytes);
        whole(c.FileName, name.Bytes);
        EXPECT_STREQ(forced.Bytes, c.Forced) << c.FileName;
        EXPECT_STREQ(name.Bytes, c.Whole) << c.FileName;
    }
}

TEST(ClientExports, ResultsAreCutToTheBuffer) {
    auto force = Bound<hostkit::TClientAPI_ForceFileNameExtension>("ClientAPI_ForceFileNameExtension");
    const std::string longName = "/" + std::string(5000, 'a') + ".sch";
    ResultBuffer result;
    force(longName.c_str(), "BAS", result.Bytes);
    EXPECT_EQ(std::strlen(result.Bytes), 4095u);
    EXPECT_TRUE(result.guardIntact());
}

TEST(ClientExports, FileExistsOnlyForFiles) {
    auto exists = Bound<hostkit::TClientAPI_ExistSpecific>("ClientAPI_ExistSpecific");
    const auto file = std::filesystem::temp_directory_path() / "hostsim_exports_exists.txt";
    std::ofstream(file) << "x";
    EXPECT_EQ(exists(file.string().c_str()), 1);
    EXPECT_EQ(exists(file.parent_path().string().c_str()), 0);
    EXPECT_EQ(exists((file.string() + ".missing").c_str()), 0);
    EXPECT_EQ(exists(nullptr), 0);
    std::filesystem::remove(file);
}

TEST(ClientExports, ClientAndExeFileNamesComeFromTheLiveHost) {
    auto getClient = Bound<hostkit::TClientAPI_GetClientInterface>("ClientAPI_GetClientInterface");
    auto exeName = Bound<hostkit::TClientAPI_ConvertFileNameToExeFileName>("ClientAPI_ConvertFileNameToExeFileName");
    auto* untouched = reinterpret_cast<hostkit::IClient*>(0x1234);
    hostkit::IClient* client = untouched;
    ResultBuffer result;
    getClient(&client);
    exeName("TEMPLATE.BAS", result.Bytes);
    EXPECT_EQ(client, untouched) << "no host, the variable is left as it was";
    EXPECT_STREQ(result.Bytes, "");

    Host host(HostSettings{"/opt/tessellon"});
    getClient(&client);
    EXPECT_EQ(client, host.client());
    exeName("C:/scripts/TEMPLATE.BAS", result.Bytes);
    EXPECT_STREQ(result.Bytes, "/opt/tessellon/TEMPLATE.BAS");
}

} // namespace
} // namespace hostsim
