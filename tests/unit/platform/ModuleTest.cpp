#include "platform/Module.h"
#include "platform/Abi.h"
#include "platform/MessageQueue.h"
#include "platform/Screen.h"
#include "platform/Sound.h"

#include <gtest/gtest.h>

#include <string>

// Looked up in the main program by name, as plug-ins look up the host's client functions.
extern "C" TESSELLON_EXPORT int ModuleTestExportedFromProgram() {
    return 42;
}

namespace platform {
namespace {

TEST(SystemModuleName, MapsWindowsLibraryNamesToSharedObjects) {
    const struct {
        const char* Windows;
        const char* System;
    } cases[] = {
        {"Plexa.dll", "libPlexa.so"},
        {"Plexa.DLL", "libPlexa.so"},
        {"Snapscribe.dll", "libSnapscribe.so"},
        {"libc.so.6", "libc.so.6"},
        {".dll", ".dll"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SystemModuleName(c.Windows), c.System) << c.Windows;
    }
}

class LoadedProbe : public ::testing::Test {
protected:
    void SetUp() override {
        std::string error;
        Probe = LoadModule(PROBE_MODULE_PATH, &error);
        ASSERT_NE(Probe, nullptr) << error;
    }
    void TearDown() override { UnloadModule(Probe); }

    ModuleHandle Probe = nullptr;
};

TEST_F(LoadedProbe, IsFoundByWindowsNameInAnyCaseWithoutLoadingAnything) {
    EXPECT_EQ(FindLoadedModule("PlatformProbe.dll"), Probe);
    EXPECT_EQ(FindLoadedModule("platformprobe.DLL"), Probe);
    EXPECT_EQ(FindLoadedModule("NotLoaded.dll"), nullptr);
}

TEST_F(LoadedProbe, FunctionsAreFoundByExactNameAndTheirModuleByAddress) {
    void* beep = FindFunction(Probe, "ProbeBeep");
    ASSERT_NE(beep, nullptr);
    EXPECT_EQ(FindFunction(Probe, "probebeep"), nullptr);
    EXPECT_EQ(ModuleContaining(beep), Probe);
    const std::string file = ModuleFileName(Probe);
    EXPECT_EQ(file.substr(file.rfind('/') + 1), "libPlatformProbe.so");
}

TEST(FindLoadedModule, TakesNoReference) {
    ModuleHandle probe = LoadModule(PROBE_MODULE_PATH);
    ASSERT_NE(probe, nullptr);
    ASSERT_NE(FindLoadedModule("PlatformProbe.dll"), nullptr);
    UnloadModule(probe);
    // Had the look-up kept a reference, the library would still be loaded.
    EXPECT_EQ(FindLoadedModule("PlatformProbe.dll"), nullptr);
}

TEST(LoadModule, ReportsWhyAFileCannotBeLoaded) {
    std::string error;
    EXPECT_EQ(LoadModule("/nonexistent/libNothing.so", &error), nullptr);
    EXPECT_NE(error.find("libNothing.so"), std::string::npos) << error;
}

TEST(MainProgramModule, ExportsTheProgramsFunctionsByName) {
    const auto exported = FindFunctionAs<int (*)()>(MainProgramModule(), "ModuleTestExportedFromProgram");
    ASSERT_NE(exported, nullptr);
    EXPECT_EQ(exported(), 42);
    EXPECT_EQ(ModuleContaining(reinterpret_cast<const void*>(&ModuleTestExportedFromProgram)), MainProgramModule());
    EXPECT_FALSE(ModuleFileName(MainProgramModule()).empty());
}

// The host program owns the stand-in system; a loaded plug-in sees the same queues and counters.
TEST_F(LoadedProbe, SharesTheHostsStandInSystem) {
    ResetBeepCount();
    FindFunctionAs<void (*)()>(Probe, "ProbeBeep")();
    EXPECT_EQ(BeepCount(), 1);

    const WindowHandle editor = CreateStandInWindow(Rect{0, 0, 100, 100});
    ASSERT_TRUE(PostKeyPress(editor, EscapeKey));
    EXPECT_TRUE(FindFunctionAs<bool (*)(WindowHandle)>(Probe, "ProbeTakeEscape")(editor));
    EXPECT_FALSE(PeekWindowMessage(editor, false)) << "the plug-in removed the message from the host's queue";
    DestroyStandInWindow(editor);
}

} // namespace
} // namespace platform
