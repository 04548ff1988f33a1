// The scripted driver: reading actions, what each may act on, the errors that name action and control, dialogs
// nested in an action, and the default driver taken from the environment.
#include "platform/forms/ScriptedDriver.h"
#include "platform/Environment.h"
#include "platform/forms/Containers.h"
#include "platform/forms/Controls.h"
#include "platform/forms/Form.h"
#include "platform/forms/MessageDialog.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include <unistd.h>

using namespace platform::forms;

namespace {

// A form with one control of each troublesome sort.
struct TroubleForm : Form {
    TroubleForm() : Form("Err") {
        SetCaption("Errors");
        Add<Label>("Caption").SetCaption("Name:");
        Add<Edit>("Name");
        Add<Button>("Go").SetVisible(false);
        Add<Button>("Off").SetEnabled(false);
        Add<RadioButton>("R");
        Add<TrackBar>("Level").SetRange(1, 10);
        auto& book = Add<Notebook>("Book");
        book.AddPage("One");
        book.AddPage("Two").Add<Edit>("Later");
    }
};

std::string PlayError(const std::string& script) {
    TroubleForm form;
    try {
        ScopedDriver driver(std::make_unique<ScriptedDriver>(script));
        form.ShowModal();
    } catch (const ScriptError& e) {
        return e.what();
    }
    return "no error";
}

struct ErrorCase {
    const char* Script;
    const char* Message;
};

class ScriptErrors : public ::testing::TestWithParam<ErrorCase> {};

TEST_P(ScriptErrors, NameTheActionAndTheControl) {
    EXPECT_EQ(PlayError(GetParam().Script), GetParam().Message);
}

INSTANTIATE_TEST_SUITE_P(
    Actions, ScriptErrors,
    ::testing::Values(
        ErrorCase{"click Nope", "line 1: click Nope: form \"Err\" has no control \"Nope\""},
        ErrorCase{"\n# a comment\nset Caption hello",
                  "line 3: set Caption hello: the label \"Caption\" cannot take this action"},
        ErrorCase{"click Go", "line 1: click Go: the button \"Go\" is not visible"},
        ErrorCase{"click off", "line 1: click off: the button \"Off\" is disabled"},
        ErrorCase{"set Later x", "line 1: set Later x: the edit box \"Later\" is not visible"},
        ErrorCase{"check R off",
                  "line 1: check R off: the radio button \"R\" can only be checked on (check another one of its "
                  "group)"},
        ErrorCase{"track Level 11", "line 1: track Level 11: the track bar \"Level\" goes from 1 to 10"},
        ErrorCase{"answer OK", "line 1: answer OK: form \"Err\" is not a message box"},
        ErrorCase{"choose /tmp/a.sch", "line 1: choose /tmp/a.sch: form \"Err\" is not a file dialog"},
        ErrorCase{"set Name x", "the dialog script ended while form \"Err\" (Errors) was waiting for the user"}));

INSTANTIATE_TEST_SUITE_P(
    Reading, ScriptErrors,
    ::testing::Values(
        ErrorCase{"close\njump Name",
                  "line 2: jump Name: unknown action \"jump\" (expected set, click, check, track, key, answer, help, "
                  "choose or close)"},
        ErrorCase{"check Box maybe", "line 1: check Box maybe: expected on or off"},
        ErrorCase{"track Level high", "line 1: track Level high: expected a whole number for the position"},
        ErrorCase{"key Space", "line 1: key Space: expected Enter, Escape, F1 or Tab"},
        ErrorCase{"click", "line 1: click: expected a name after \"click\""},
        ErrorCase{"close now", "line 1: close now: unexpected text after the action"},
        ErrorCase{"choose  ", "line 1: choose: expected a file name"}));

TEST(ScriptedDriver, TypedTextKeepsItsBlanksAndMayBeEmpty) {
    TroubleForm form;
    auto& name = static_cast<Edit&>(*form.Find("Name"));
    name.SetText("old");
    ScopedDriver driver(std::make_unique<ScriptedDriver>("set name  two  words \r\nclose\n"));
    form.ShowModal();
    EXPECT_EQ(name.Text(), " two  words ");
    ScopedDriver again(std::make_unique<ScriptedDriver>("set Name\nclose"));
    form.ShowModal();
    EXPECT_EQ(name.Text(), "");
}

// A form whose button asks a question in a message dialog.
struct AskingForm : Form {
    std::vector<int> Answers;
    AskingForm() : Form("Asking") {
        Add<Button>("Ask").OnClick = [this] {
            Answers.push_back(
                ShowMessageDialog("Sure?", MessageKind::Confirmation, {MessageButton::Yes, MessageButton::No}));
        };
    }
};

TEST(ScriptedDriver, DialogsOpenedByAnActionTakeTheFollowingActions) {
    AskingForm form;
    auto script = std::make_unique<ScriptedDriver>("click Ask\nanswer No\nclick Ask\nanswer yes\nclose\nclose");
    ScriptedDriver& played = *script;
    ScopedDriver driver(std::move(script));
    EXPECT_EQ(form.ShowModal(), mrCancel);
    EXPECT_EQ(form.Answers, (std::vector<int>{mrNo, mrYes}));
    EXPECT_EQ(played.Remaining(), 1u);
}

TEST(ScriptedDriver, AnErrorInANestedDialogCarriesItsOwnLine) {
    AskingForm form;
    ScopedDriver driver(std::make_unique<ScriptedDriver>("click Ask\nanswer Maybe"));
    try {
        form.ShowModal();
        FAIL() << "the script should have failed";
    } catch (const ScriptError& e) {
        EXPECT_STREQ(e.what(), "line 2: answer Maybe: form \"MessageDlg\" has no control \"Maybe\"");
    }
}

class DefaultDriver : public ::testing::Test {
protected:
    void TearDown() override {
        platform::WriteEnvironmentVariable(DialogScriptVariable, std::nullopt);
        SetDriver(nullptr);
    }
    std::filesystem::path script_ =
        std::filesystem::temp_directory_path() / ("forms-script-" + std::to_string(::getpid()));
};

TEST_F(DefaultDriver, PlaysTheScriptNamedByTheEnvironment) {
    std::ofstream(script_) << "set Name from file\nclose\n";
    platform::WriteEnvironmentVariable(DialogScriptVariable, script_.string());
    SetDriver(nullptr);
    TroubleForm form;
    EXPECT_EQ(form.ShowModal(), mrCancel);
    EXPECT_EQ(static_cast<Edit&>(*form.Find("Name")).Text(), "from file");
    std::filesystem::remove(script_);
}

TEST_F(DefaultDriver, AnUnreadableScriptIsAnErrorNamingIt) {
    platform::WriteEnvironmentVariable(DialogScriptVariable, script_.string() + ".missing");
    SetDriver(nullptr);
    EXPECT_THROW(
        {
            try {
                CurrentDriver();
            } catch (const ScriptError& e) {
                EXPECT_EQ(std::string(e.what()), "cannot read the dialog script " + script_.string() + ".missing");
                throw;
            }
        },
        ScriptError);
}

} // namespace
