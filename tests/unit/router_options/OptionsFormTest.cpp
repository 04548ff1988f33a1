// The router options dialog played as a user plays it: through the scripted driver.
#include "router/OptionsForm.h"

#include "platform/Folders.h"
#include "platform/Screen.h"
#include "platform/forms/Driver.h"
#include "platform/forms/ScriptedDriver.h"
#include "platform/forms/SvgSnapshot.h"
#include "tests/ReadFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace wirewright::test {
namespace {

namespace fs = std::filesystem;
namespace forms = platform::forms;

struct TShownOptions {
    int32_t TimeOut, Clearance, AvoidWiresPosition;
    friend bool operator==(const TShownOptions&, const TShownOptions&) = default;
};

std::ostream& operator<<(std::ostream& Out, const TShownOptions& O) {
    return Out << "{" << O.TimeOut << ", " << O.Clearance << ", " << O.AvoidWiresPosition << "}";
}

TShownOptions Values(const TRouteOptions& O) {
    return {O.TimeOut(), O.Clearance(), O.AvoidWiresPosition()};
}

// Each test keeps Router.ini in a folder of its own, loaded with TimeOut 3500, Clearance 7, level 4.
class OptionsDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        Folder = fs::temp_directory_path() /
                 ("router_options_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(Folder);
        fs::create_directories(Folder);
        platform::SetUserDataFolderOverride(Folder.string());
        Options = std::make_unique<TRouteOptions>();
        std::ofstream(Options->IniFile())
            << "; kept\n[Options]\nTimeOut=3500\nClearance=7\nAvoid Wires Position=4\n[Other]\nKey=1\n";
        Options->Load();
        Original = testsupport::ReadFile(Options->IniFile());
    }
    void TearDown() override {
        platform::SetUserDataFolderOverride("");
        fs::remove_all(Folder);
    }

    // Plays Script on the dialog; answers whether it saved.
    bool Play(const std::string& Script) {
        forms::ScopedDriver Driver(std::make_unique<forms::ScriptedDriver>(Script));
        return ShowRouteOptionsDialog(*Options);
    }

    fs::path Folder;
    std::unique_ptr<TRouteOptions> Options;
    std::string Original;
};

TEST_F(OptionsDialogTest, ShowsWholeSecondsAndTakesTheBoxOnlyWhenItIsLeft) {
    TOptionsForm Form(*Options);
    Form.OnFormShow();
    EXPECT_EQ(Form.TimeOutEditBox.Text(), "3");
    EXPECT_EQ(Form.ClearanceEditBox.Text(), "7");
    EXPECT_EQ(Form.AvoidWireFrequencyTrackBar.Position(), 4);
    EXPECT_EQ(Form.TimeOut, 3500) << "not left yet";
    Form.SetTimeOut();
    EXPECT_EQ(Form.TimeOut, 3000) << "left unchanged: whole seconds";
}

TEST_F(OptionsDialogTest, OkSavesWhatWasTypedAndLeftOrTypedThenClicked) {
    struct {
        const char* Name;
        const char* Script;
        TShownOptions Expected;
    } Cases[] = {
        {"typed then OK", "set ClearanceEditBox 12\nclick OKButton\n", {3500, 12, 4}},
        {"both boxes and the track bar",
         "set TimeOutEditBox 9\nset ClearanceEditBox 3\ntrack AvoidWireFrequencyTrackBar 10\nclick OKButton\n",
         {9000, 3, 10}},
        {"100 s and clearance 100 are ignored",
         "set TimeOutEditBox 100\nset ClearanceEditBox 100\nclick OKButton\n",
         {3500, 7, 4}},
        // A time-out that is no number reads as the shown whole seconds.
        {"not numbers are ignored", "set TimeOutEditBox 5x\nset ClearanceEditBox \nclick OKButton\n", {3000, 7, 4}},
        {"Enter presses the focused OK", "key Enter\n", {3500, 7, 4}},
    };
    for (const auto& Case : Cases) {
        SCOPED_TRACE(Case.Name);
        SetUp();
        EXPECT_TRUE(Play(Case.Script));
        EXPECT_EQ(Values(*Options), Case.Expected);
        TRouteOptions Reloaded;
        EXPECT_EQ(Values(Reloaded), Case.Expected) << "saved to Router.ini";
        const std::string Saved = testsupport::ReadFile(Options->IniFile());
        EXPECT_NE(Saved.find("[Other]\nKey=1"), std::string::npos) << Saved;
        EXPECT_NE(Saved.find("; kept"), std::string::npos) << Saved;
    }
}

TEST_F(OptionsDialogTest, CancelAndEscapeChangeNeitherOptionsNorFile) {
    for (const char* Script : {"set ClearanceEditBox 12\nset TimeOutEditBox 8\nclick CancelButton\n",
                               "set ClearanceEditBox 12\ntrack AvoidWireFrequencyTrackBar 9\nkey Escape\n"}) {
        SCOPED_TRACE(Script);
        EXPECT_FALSE(Play(Script));
        EXPECT_EQ(Values(*Options), (TShownOptions{3500, 7, 4}));
        EXPECT_EQ(testsupport::ReadFile(Options->IniFile()), Original);
    }
}

TEST_F(OptionsDialogTest, ModalFrameOwnedByTheHostsMainWindowWhenThereIsOne) {
    platform::ResetScreen();
    TOptionsForm Form(*Options);
    forms::WindowParams Alone;
    Form.CreateParams(Alone);
    EXPECT_EQ(Alone.Style, 0x80C80080u);
    EXPECT_TRUE(Alone.ExStyle & forms::WS_EX_DLGMODALFRAME);

    const platform::WindowHandle Main = platform::CreateStandInWindow({0, 0, 800, 600});
    platform::SetWindowClassName(Main, "Tessellon Q7 Main Window");
    forms::WindowParams Owned;
    Form.CreateParams(Owned);
    EXPECT_EQ(Owned.WndParent, Main);
    platform::DestroyStandInWindow(Main);
}

TEST_F(OptionsDialogTest, SnapshotShowsEveryControl) {
    TOptionsForm Form(*Options);
    Form.OnFormShow();
    const std::string Svg = forms::RenderSvg(Form);
    for (const char* Text : {"Point to Point Router Options", "Avoid cutting wires", "Time Out After (s)", "Clearance",
                             ">OK<", ">Cancel<"})
        EXPECT_NE(Svg.find(Text), std::string::npos) << Text;
    if (const char* Out = std::getenv("TESSELLON_SNAPSHOT_DIR"))
        std::ofstream(fs::path(Out) / "router-options.svg") << Svg;
}

} // namespace
} // namespace wirewright::test
