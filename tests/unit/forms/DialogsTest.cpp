// Message and file dialogs, their placement on the monitor of the active window, help requests, the console
// driver on the standard streams and SVG snapshots.
#include "platform/Application.h"
#include "platform/Help.h"
#include "platform/Screen.h"
#include "platform/forms/Application.h"
#include "platform/forms/Containers.h"
#include "platform/forms/Controls.h"
#include "platform/forms/Driver.h"
#include "platform/forms/FileDialog.h"
#include "platform/forms/Form.h"
#include "platform/forms/MessageDialog.h"
#include "platform/forms/ScriptedDriver.h"
#include "platform/forms/SvgSnapshot.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>

using namespace platform::forms;

namespace {

// Remembers what showed and answers with a fixed modal result or file.
struct RecordingDriver : Driver {
    int Answer = mrOk;
    std::string Caption;
    platform::Rect Bounds;
    std::vector<std::string> Buttons;
    void RunModal(Form& form) override {
        Caption = form.Caption();
        Bounds = form.ScreenRect();
        for (const auto& c : form.Controls())
            if (c->Kind() == ControlKind::Button)
                Buttons.push_back(c->Caption());
        form.SetModalResult(Answer);
    }
    std::optional<std::string> RunFileDialog(const FileDialog&) override { return std::nullopt; }
};

class Desktop : public ::testing::Test {
protected:
    void SetUp() override { platform::ResetScreen(); }
    void TearDown() override {
        platform::ResetScreen();
        platform::ClearHelpRequests();
    }
    // Two monitors side by side; the active window lies on the second.
    void TwoMonitors() {
        platform::SetMonitors(
            {{{0, 0, 1920, 1080}, {0, 0, 1920, 1040}}, {{1920, -200, 3200, 824}, {1920, -200, 3200, 824}}});
        platform::SetActiveWindow(platform::CreateStandInWindow({2000, 0, 2600, 400}));
    }
    RecordingDriver& Record() {
        auto driver = std::make_unique<RecordingDriver>();
        RecordingDriver& recording = *driver;
        scope_.emplace(std::move(driver));
        return recording;
    }

private:
    std::optional<ScopedDriver> scope_;
};

TEST_F(Desktop, MessageDialogsAreCentredOnTheMonitorOfTheActiveWindow) {
    TwoMonitors();
    RecordingDriver& shown = Record();
    EXPECT_EQ(ShowMessageDialog("Overwrite?", MessageKind::Warning, {MessageButton::OK, MessageButton::Cancel}), mrOk);
    const int width = shown.Bounds.Width(), height = shown.Bounds.Height();
    EXPECT_EQ(shown.Bounds.Left, (1920 + 3200 - width) / 2);
    EXPECT_EQ(shown.Bounds.Top, (-200 + 824 - height) / 2);
}

TEST_F(Desktop, WithoutAnActiveWindowAMessageDialogStaysInTheMiddleOfTheScreen) {
    RecordingDriver& shown = Record();
    ShowMessageDialog("Done.", MessageKind::Information, {MessageButton::OK});
    EXPECT_EQ(shown.Bounds.Left, 960 - shown.Bounds.Width() / 2);
    EXPECT_EQ(shown.Bounds.Top, 540 - shown.Bounds.Height() / 2);
}

TEST_F(Desktop, MessageDialogsAreTitledByKindAndUseTheToolkitsCaptions) {
    const std::pair<MessageKind, std::string> titles[] = {{MessageKind::Warning, "Warning"},
                                                          {MessageKind::Error, "Error"},
                                                          {MessageKind::Information, "Information"},
                                                          {MessageKind::Confirmation, "Confirm"},
                                                          {MessageKind::Custom, Application().Title}};
    for (const auto& [kind, title] : titles) {
        RecordingDriver& shown = Record();
        ShowMessageDialog("x", kind, {MessageButton::Yes, MessageButton::NoToAll, MessageButton::YesToAll});
        EXPECT_EQ(shown.Caption, title);
        EXPECT_EQ(shown.Buttons, (std::vector<std::string>{"&Yes", "N&o to All", "Yes to &All"}));
    }
    RecordingDriver& titled = Record();
    ShowMessageDialog("x", MessageKind::Error, {MessageButton::OK}, 0, "Own title");
    EXPECT_EQ(titled.Caption, "Own title");
}

TEST_F(Desktop, FileDialogsSitAThirdOfTheWayDownTheMonitorNearestTheActiveWindow) {
    TwoMonitors();
    Record();
    OpenDialog dialog("OpenDialog1");
    EXPECT_FALSE(dialog.Execute());
    EXPECT_EQ(dialog.Bounds(), (platform::Rect{(1920 + 3200 - 563) / 2, (-200 + 824 - 419) / 3,
                                               (1920 + 3200 - 563) / 2 + 563, (-200 + 824 - 419) / 3 + 419}));
    platform::SetActiveWindow(0);
    dialog.Execute();
    EXPECT_EQ(dialog.Bounds().Left, (1920 - 563) / 2); // no active window: the primary monitor
}

class FileDialogs : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::create_directories(folder_);
        std::ofstream(folder_ / "a.sch") << "{}";
    }
    void TearDown() override { std::filesystem::remove_all(folder_); }
    std::optional<std::string> Run(FileDialog& dialog, const std::string& script) {
        ScopedDriver driver(std::make_unique<ScriptedDriver>(script));
        if (!dialog.Execute())
            return std::nullopt;
        return dialog.FileName;
    }
    std::string In(const char* name) const { return (folder_ / name).string(); }
    std::filesystem::path folder_ = std::filesystem::temp_directory_path() / "forms-file-dialogs";
};

TEST_F(FileDialogs, ChoosingAppliesTheDefaultExtensionAndTheOptions) {
    OpenDialog open("OpenDialog1");
    open.Filter = "Schematic files|*.sch";
    open.DefaultExt = "sch";
    open.Options = ofHideReadOnly | ofPathMustExist | ofFileMustExist;
    EXPECT_EQ(Run(open, "choose " + In("a")), In("a.sch"));
    EXPECT_EQ(Run(open, "choose " + In("a.sch")), In("a.sch"));
    EXPECT_THROW(Run(open, "choose " + In("b")), ScriptError); // the file must exist

    SaveDialog save("SaveDialog1");
    save.DefaultExt = "bas";
    save.Options = ofHideReadOnly | ofPathMustExist;
    EXPECT_EQ(Run(save, "choose " + In("new")), In("new.bas"));
    EXPECT_EQ(Run(save, "choose " + In("new.trp")), In("new.trp"));
    try {
        Run(save, "choose " + In("none/new.bas"));
        FAIL();
    } catch (const ScriptError& e) {
        EXPECT_EQ(std::string(e.what()), "line 1: choose " + In("none/new.bas") +
                                             ": the file dialog \"SaveDialog1\" refuses it: the folder " + In("none") +
                                             " does not exist");
    }
}

TEST_F(FileDialogs, CancellingKeepsTheProposedFile) {
    SaveDialog save("SaveDialog1");
    save.FileName = "kept.bas";
    for (const char* cancel : {"close", "key Escape", "answer Cancel"}) {
        EXPECT_EQ(Run(save, cancel), std::nullopt) << cancel;
        EXPECT_EQ(save.FileName, "kept.bas");
    }
    EXPECT_THROW(Run(save, "click OK"), ScriptError);
}

TEST(FileDialogFilter, SplitsIntoDescriptionsAndPatterns) {
    OpenDialog dialog("D");
    dialog.Filter = "Client Basic|*.bas|Client Pascal|*.trp|Odd";
    EXPECT_EQ(dialog.Filters(), (std::vector<std::pair<std::string, std::string>>{
                                    {"Client Basic", "*.bas"}, {"Client Pascal", "*.trp"}, {"Odd", ""}}));
}

TEST_F(Desktop, HelpRequestsOpenTheHelpContextOfTheControlOrItsParents) {
    Form form("F");
    form.SetHelpFile("forms.hlp");
    auto& panel = form.Add<Panel>("P");
    panel.SetHelpContext(42);
    panel.Add<Edit>("E");
    form.Add<Button>("Plain");
    ScopedDriver driver(std::make_unique<ScriptedDriver>("help Plain\nkey F1\nhelp E\nclose"));
    form.ShowModal();
    const platform::HelpRequest expected{platform::ApplicationWindow(), "forms.hlp", platform::HelpContext, 42};
    EXPECT_EQ(platform::HelpRequests(), (std::vector<platform::HelpRequest>{expected, expected}));
}

TEST_F(Desktop, AMessageDialogsHelpButtonOpensItsHelpContext) {
    Application().HelpFile = "app.hlp";
    ScopedDriver driver(std::make_unique<ScriptedDriver>("answer Help\nanswer OK"));
    ShowMessageDialog("x", MessageKind::Error, {MessageButton::OK, MessageButton::Help}, 7);
    Application().HelpFile.clear();
    EXPECT_EQ(platform::HelpRequests(), (std::vector<platform::HelpRequest>{
                                            {platform::ApplicationWindow(), "app.hlp", platform::HelpContext, 7}}));
}

// Swaps the standard streams for strings while it lives.
class StandardStreams {
public:
    explicit StandardStreams(const std::string& typed) : in_(typed) {
        oldIn_ = std::cin.rdbuf(in_.rdbuf());
        oldOut_ = std::cout.rdbuf(out_.rdbuf());
    }
    ~StandardStreams() {
        std::cin.rdbuf(oldIn_);
        std::cout.rdbuf(oldOut_);
        std::cin.clear();
    }
    std::string Written() const { return out_.str(); }

private:
    std::istringstream in_;
    std::ostringstream out_;
    std::streambuf* oldIn_;
    std::streambuf* oldOut_;
};

TEST_F(Desktop, WithoutAScriptAMessageBoxIsAnsweredAtTheTerminal) {
    SetDriver(nullptr);
    int result = 0;
    std::string written;
    {
        StandardStreams terminal("answer Nope\n\nanswer Yes\n");
        result = ShowMessageDialog("Save & exit?", MessageKind::Confirmation, {MessageButton::Yes, MessageButton::No});
        written = terminal.Written();
    }
    SetDriver(nullptr);
    EXPECT_EQ(result, mrYes);
    EXPECT_EQ(written, "--- Confirm [MessageDlg, message box] ---\n"
                       "  label Message: Save  exit?\n"
                       "  button Yes: Yes (default, focused)\n"
                       "  button No: No (cancel)\n"
                       "actions: answer BUTTON, key Enter|Escape|F1, close\n"
                       "> error: answer Nope: form \"MessageDlg\" has no control \"Nope\"\n"
                       "> > ");
}

TEST_F(Desktop, TheEndOfTheTerminalInputClosesTheDialog) {
    SetDriver(nullptr);
    int result = 0;
    std::optional<std::string> file = "unchanged";
    {
        StandardStreams terminal("");
        result = ShowMessageDialog("x", MessageKind::Warning, {MessageButton::OK, MessageButton::Cancel});
        OpenDialog dialog("OpenDialog1");
        file = CurrentDriver().RunFileDialog(dialog);
    }
    SetDriver(nullptr);
    EXPECT_EQ(result, mrCancel);
    EXPECT_EQ(file, std::nullopt);
}

TEST(SvgSnapshot, DrawsWhatTheUserSeesAtTheDesignedGeometry) {
    Form form("F");
    form.SetBorderStyle(BorderStyle::Dialog);
    form.SetClientSize(200, 100);
    form.SetCaption("Save & <exit>");
    form.Add<Button>("Go").SetCaption("&Go on");
    auto& hidden = form.Add<Label>("Hidden");
    hidden.SetCaption("never drawn");
    hidden.SetVisible(false);
    const std::string svg = RenderSvg(form);
    EXPECT_NE(svg.find("width=\"206\" height=\"125\""), std::string::npos);
    EXPECT_NE(svg.find(">Save &amp; &lt;exit&gt;</text>"), std::string::npos);
    EXPECT_NE(svg.find(">Go on</text>"), std::string::npos);
    EXPECT_EQ(svg.find("never drawn"), std::string::npos);
}

} // namespace
