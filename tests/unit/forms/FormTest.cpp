// The forms model: focus and its exit events, keys, tab order, the state changes that fire events, containers.
#include "platform/forms/Form.h"
#include "platform/forms/Containers.h"
#include "platform/forms/Controls.h"
#include "platform/forms/ScriptedDriver.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace platform::forms;

namespace {

// A dialog with two edits, a check box and OK (default) / Cancel (cancel) buttons; every event is logged.
struct LoggingDialog : Form {
    std::vector<std::string> Log;
    Edit& First = Add<Edit>("First");
    Edit& Second = Add<Edit>("Second");
    CheckBox& Box = Add<CheckBox>("Box");
    Button& Ok = Add<Button>("OK");
    Button& Cancel = Add<Button>("Cancel");

    LoggingDialog() : Form("Logging") {
        Ok.SetModalResult(mrOk);
        Ok.SetDefault(true);
        Cancel.SetModalResult(mrCancel);
        Cancel.SetCancel(true);
        for (Control* c : {static_cast<Control*>(&First), static_cast<Control*>(&Second), static_cast<Control*>(&Box),
                           static_cast<Control*>(&Ok), static_cast<Control*>(&Cancel)})
            c->OnExit = [this, c] { Log.push_back("exit " + c->Name()); };
        First.OnChange = [this] { Log.push_back("change First=" + First.Text()); };
        Box.OnClick = [this] { Log.push_back(std::string("click Box ") + (Box.Checked() ? "on" : "off")); };
        Ok.OnClick = [this] { Log.push_back("click OK"); };
        Cancel.OnClick = [this] { Log.push_back("click Cancel"); };
    }

    int Play(const std::string& script) {
        ScopedDriver driver(std::make_unique<ScriptedDriver>(script));
        return ShowModal();
    }
};

using Log = std::vector<std::string>;

TEST(FormFocus, LeavingAControlFiresItsExitBeforeTheNextActionTakesEffect) {
    LoggingDialog form;
    EXPECT_EQ(form.Play("set First 42\nclick OK\n"), mrOk);
    EXPECT_EQ(form.Log, (Log{"change First=42", "exit First", "click OK"}));
}

TEST(FormFocus, EnterClicksWithoutMovingTheFocusSoNoExitFires) {
    LoggingDialog form;
    EXPECT_EQ(form.Play("set Second x\nkey Enter\n"), mrOk);
    EXPECT_EQ(form.Log, (Log{"exit First", "click OK"})); // First had the focus when the form showed
}

TEST(FormFocus, FocusingAControlTheUserCannotReachIsAnError) {
    LoggingDialog form;
    form.Second.SetVisible(false);
    form.OnShow = [&] { form.First.SetFocus(); };
    ScopedDriver driver(std::make_unique<ScriptedDriver>("close"));
    form.ShowModal();
    form.OnShow = [&] { form.Second.SetFocus(); };
    EXPECT_THROW(form.ShowModal(), std::logic_error);
}

struct KeyCase {
    const char* Script;
    int Result;
    const char* LastEvent;
};

class FormKeys : public ::testing::TestWithParam<KeyCase> {};

TEST_P(FormKeys, EnterAndEscapePressTheRightButton) {
    LoggingDialog form;
    EXPECT_EQ(form.Play(GetParam().Script), GetParam().Result);
    EXPECT_EQ(form.Log.empty() ? "" : form.Log.back(), GetParam().LastEvent);
}

INSTANTIATE_TEST_SUITE_P(Cases, FormKeys,
                         ::testing::Values(KeyCase{"key Enter", mrOk, "click OK"},          // default button
                                           KeyCase{"key Escape", mrCancel, "click Cancel"}, // cancel button
                                           KeyCase{"key Tab\nkey Tab\nkey Tab\nkey Tab\nkey Enter", mrCancel,
                                                   "click Cancel"}, // a focused button takes Enter itself
                                           KeyCase{"click Box\nkey Enter", mrOk, "click OK"}, // a check box does not
                                           KeyCase{"close", mrCancel, ""})); // the close box presses nothing

TEST(FormKeys, EnterWithoutAUsableDefaultButtonDoesNothing) {
    LoggingDialog form;
    form.Ok.SetEnabled(false);
    EXPECT_EQ(form.Play("key Enter\nkey Escape"), mrCancel);
    EXPECT_EQ(form.Log, (Log{"click Cancel"}));
}

TEST(FormTabOrder, FollowsTabOrderAndSkipsWhatCannotTakeTheFocus) {
    Form form("F");
    auto& group = form.Add<GroupBox>("Group");
    auto& late = group.Add<Edit>("Late");
    auto& early = group.Add<Edit>("Early");
    auto& hidden = form.Add<Button>("Hidden");
    auto& off = form.Add<CheckBox>("Off");
    auto& first = form.Add<Button>("First");
    form.Add<Label>("Caption");
    late.SetTabOrder(1);
    early.SetTabOrder(0);
    group.SetTabOrder(5);
    first.SetTabOrder(0);
    hidden.SetVisible(false);
    off.SetEnabled(false);
    EXPECT_EQ(form.TabSequence(), (std::vector<Control*>{&first, &early, &late}));

    std::vector<std::string> exits;
    for (Control* c : form.TabSequence())
        c->OnExit = [&exits, c] { exits.push_back(c->Name()); };
    form.OnShow = [&] { late.SetFocus(); };
    ScopedDriver driver(std::make_unique<ScriptedDriver>("key Tab\nkey Tab\nclose"));
    form.ShowModal();
    EXPECT_EQ(exits, (std::vector<std::string>{"Late", "First"})); // wraps round to the first
    EXPECT_EQ(form.ActiveControl(), &early);
}

TEST(Controls, StateChangesFireTheirEventsAlsoWhenTheProgramMakesThem) {
    Form form("F");
    auto& a = form.Add<RadioButton>("A");
    auto& b = form.Add<RadioButton>("B");
    auto& other = form.Add<Panel>("Other").Add<RadioButton>("C");
    auto& edit = form.Add<Edit>("E");
    auto& bar = form.Add<TrackBar>("T");
    int clicksA = 0, clicksB = 0, changes = 0, moves = 0;
    a.OnClick = [&] { ++clicksA; };
    b.OnClick = [&] { ++clicksB; };
    edit.OnChange = [&] { ++changes; };
    bar.OnChange = [&] { ++moves; };

    other.SetChecked(true);
    a.SetChecked(true);
    b.Click();
    b.Click(); // already checked: nothing happens
    EXPECT_FALSE(a.Checked());
    EXPECT_TRUE(b.Checked());
    EXPECT_TRUE(other.Checked()); // another parent is another group
    EXPECT_EQ(clicksA, 1);
    EXPECT_EQ(clicksB, 1);

    edit.SetText("x");
    edit.SetText("x");
    edit.SetText("");
    EXPECT_EQ(changes, 2);

    bar.SetRange(1, 10);
    EXPECT_EQ(bar.Position(), 1);
    bar.SetPosition(99);
    EXPECT_EQ(bar.Position(), 10);
    bar.SetPosition(10);
    EXPECT_EQ(moves, 2);
}

TEST(Containers, OnlyTheShownPageIsReachable) {
    Form form("F");
    auto& book = form.Add<Notebook>("Book");
    book.SetBounds(0, 0, 300, 200);
    auto& edit1 = book.AddPage("One").Add<Edit>("E1");
    auto& edit2 = book.AddPage("Two").Add<Edit>("E2");
    EXPECT_EQ(book.ActivePage(), "One");
    EXPECT_TRUE(edit1.Reachable());
    EXPECT_FALSE(edit2.Reachable());
    book.SetActivePage("two");
    EXPECT_EQ(book.PageIndex(), 1);
    EXPECT_TRUE(edit2.Usable());
    EXPECT_EQ(book.Page(1).Width(), 300);
    EXPECT_THROW(book.SetPageIndex(2), std::out_of_range);
    EXPECT_THROW(book.SetActivePage("Three"), std::out_of_range);
    EXPECT_THROW(book.Add<Edit>("Loose"), std::logic_error);
    EXPECT_EQ(book.Controls().size(), 2u); // a refused child is not kept

    auto& pages = form.Add<PageControl>("Pages");
    pages.SetBounds(8, 8, 251, 179);
    auto& sheet = pages.AddSheet("TabSheet1", "Options");
    EXPECT_EQ(pages.ActivePage(), &sheet);
    EXPECT_EQ(sheet.Left(), 4);
    EXPECT_EQ(sheet.Top(), 24);
    EXPECT_EQ(sheet.Width(), 243);
    EXPECT_EQ(sheet.Height(), 151);
}

TEST(FormGeometry, ControlsSitInTheClientAreaAndTheFrameKeepsTheClientSize) {
    Form form("F");
    form.SetBorderStyle(BorderStyle::Dialog);
    form.SetClientSize(269, 230);
    form.SetBounds(100, 50, form.Width(), form.Height());
    auto& group = form.Add<GroupBox>("G");
    group.SetBounds(8, 7, 225, 138);
    auto& edit = group.Add<Edit>("E");
    edit.SetBounds(134, 24, 59, 21);
    EXPECT_EQ(edit.ScreenRect(), (platform::Rect{245, 103, 304, 124})); // frame 3, caption bar 19
    form.SetBorderStyle(BorderStyle::None);
    EXPECT_EQ(form.ClientWidth(), 269);
    EXPECT_EQ(form.ClientHeight(), 230);
}

TEST(FormLoading, ControlsAddedAfterLoadingAreAnnounced) {
    struct Announcing : Form {
        std::vector<std::string> Inserted;
        Announcing() : Form("A") { Add<Label>("Built"); }
        void ControlInserted(Control& c) override { Inserted.push_back(c.Name()); }
    } form;
    form.Load();
    form.Add<Panel>("P").Add<Label>("Inner");
    EXPECT_EQ(form.Inserted, (std::vector<std::string>{"P", "Inner"}));
}

TEST(Labels, AutoSizeFollowsTextAndFontAndWordWrapKeepsTheWidth) {
    Form form("F");
    form.SetFont(MakeFont("Arial", 13));
    auto& label = form.Add<Label>("L");
    label.SetCaption("&Clearance");
    const auto size = platform::TextExtent(MakeFont("Arial", 13), "Clearance");
    EXPECT_EQ(label.Width(), size.Width);
    EXPECT_EQ(label.Height(), size.Height);
    form.SetFont(MakeFont("Arial", 26));
    EXPECT_EQ(label.Width(), platform::TextExtent(MakeFont("Arial", 26), "Clearance").Width);

    label.SetWordWrap(true);
    label.SetBounds(0, 0, 60, 0);
    label.SetCaption("one two three four");
    EXPECT_EQ(label.Width(), 60);
    EXPECT_EQ(label.Height(), int(label.ShownLines().size()) * platform::GetFontMetrics(label.GetFont()).Height);
    EXPECT_GT(label.ShownLines().size(), 1u);
}

} // namespace
