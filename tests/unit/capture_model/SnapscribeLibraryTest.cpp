// The plug-in as a host sees it: loaded by file name, created through its one export, driven through the slots.
#include <gtest/gtest.h>

#include <string>

#include "hostkit/RT_ClientServerInterface.h"
#include "platform/Module.h"

namespace {

using hostkit::IServerModule;

using TServerFactory = void(TESSELLON_STDCALL*)(IServerModule** Result, hostkit::IClient* Client);

class SnapscribeLibrary : public ::testing::Test {
protected:
    void SetUp() override {
        std::string Error;
        Library = platform::LoadModule(SNAPSCRIBE_LIBRARY_FILE, &Error);
        ASSERT_NE(Library, nullptr) << Error;
        Factory = platform::FindFunctionAs<TServerFactory>(Library, "ServerFactory");
        ASSERT_NE(Factory, nullptr);
    }
    void TearDown() override {
        if (Library)
            platform::UnloadModule(Library);
    }

    platform::ModuleHandle Library = nullptr;
    TServerFactory Factory = nullptr;
};

TEST_F(SnapscribeLibrary, ServerFactoryMakesTheSnapscribeModuleThatMakesNoDocuments) {
    IServerModule* Module = nullptr;
    Factory(&Module, nullptr);
    ASSERT_NE(Module, nullptr);
    const auto& Slots = *Module->Vtbl;
    EXPECT_STREQ(Slots.GetModuleName(Module), "Snapscribe");

    hostkit::IServerDocument* Document = nullptr;
    Slots.CreateServerDocument(&Document, Module, 1, 2);
    EXPECT_EQ(Document, nullptr);
    EXPECT_EQ(Slots.GetDocumentCount(Module), 0);
    EXPECT_EQ(Slots.GetViewCount(Module), 0);
    EXPECT_EQ(Slots.QueryState(Module), 0);

    hostkit::ICommandLauncher* Launcher = nullptr;
    Slots.GetCommandLauncher(&Launcher, Module);
    ASSERT_NE(Launcher, nullptr);
    int32_t Flag1 = 5, Flag2 = 5, Flag3 = 5;
    char Text1[256] = "x", Text2[256] = "y";
    char Parameters[] = "";
    Launcher->Vtbl->GetCommandState(Launcher, "createschmacro", Parameters, nullptr, &Flag1, &Flag2, &Flag3, Text1,
                                    Text2);
    EXPECT_EQ(Flag1, -1);
    EXPECT_EQ(Flag2, 0);
    EXPECT_EQ(Flag3, -1);
    EXPECT_STREQ(Text1, "");
    EXPECT_STREQ(Text2, "");
    Launcher->Vtbl->Unknown.Release(reinterpret_cast<hostkit::IInterface*>(Launcher));

    EXPECT_EQ(Slots.Unknown.Release(reinterpret_cast<hostkit::IInterface*>(Module)), 0);
}

} // namespace
