// The kit's message boxes: the layout from the message font's average character, the button row with its
// default and cancel buttons, literal ampersands, placement, and the error and information boxes.
#include "KitFixture.h"

#include "hostkit/EDAClientMessageBox.h"
#include "platform/forms/Controls.h"
#include "platform/forms/TextLayout.h"

using namespace platform::forms;

namespace hostkit::testing {
namespace {

platform::Rect BoundsOf(const Control& c) {
    return {c.Left(), c.Top(), c.Left() + c.Width(), c.Top() + c.Height()};
}

// Keeps what showed: caption, geometry, message lines and buttons, then answers with the close box.
struct Snapshot : Driver {
    std::string Caption;
    platform::Rect Window;
    std::vector<std::string> Lines;
    std::vector<std::string> Buttons;
    void RunModal(Form& form) override {
        Caption = form.Caption();
        Window = form.ScreenRect();
        Lines = static_cast<Label&>(*form.Find("Message")).ShownLines();
        for (const auto& c : form.Controls())
            if (c->Kind() == ControlKind::Button)
                Buttons.push_back(c->Name());
        form.Close();
    }
    std::optional<std::string> RunFileDialog(const FileDialog&) override { return std::nullopt; }
};

class MessageBoxes : public KitTest {
protected:
    Snapshot& Watch() {
        auto driver = std::make_unique<Snapshot>();
        Snapshot& snapshot = *driver;
        Use(std::move(driver));
        return snapshot;
    }
};

// The message font, Tahoma of 11 pixels, has a cell 13 high and an average letter 5 wide (262 / 52): margins
// 10 and 13, spacing 13 and 16, buttons 63 by 23, 5 apart. "Cannot find x." measures 62 by 13.
TEST_F(MessageBoxes, AreLaidOutFromTheAverageCharacterOfTheMessageFont) {
    const auto form = CreateClientMessageForm("Cannot find x.", MessageKind::Error, {MessageButton::OK});
    EXPECT_EQ(form->ClientWidth(), 62 + 13 + 32 + 2 * 10);
    EXPECT_EQ(form->ClientHeight(), 32 + 23 + 16 + 2 * 13);
    EXPECT_EQ(form->Left(), 960 - form->Width() / 2);
    EXPECT_EQ(form->Top(), 540 - form->Height() / 2);
    EXPECT_EQ(BoundsOf(*form->Find("Image")), (platform::Rect{10, 13, 42, 45}));
    EXPECT_EQ(BoundsOf(*form->Find("Message")), (platform::Rect{55, 13, 117, 26}));
    auto& ok = static_cast<Button&>(*form->Find("OK"));
    EXPECT_EQ(BoundsOf(ok), (platform::Rect{32, 61, 95, 84})); // centred under the text
    EXPECT_TRUE(ok.Default());
    EXPECT_TRUE(ok.Cancel());
    EXPECT_EQ(ok.GetModalResult(), mrOk);
    EXPECT_EQ(form->Params().WndParent, client_.MainWindow);
}

struct ButtonCase {
    MessageButtons Buttons;
    std::vector<std::string> Captions; // left to right
    const char* Default;
    const char* Cancel; // "" for none
    int OnEscape;       // mrNone: Escape presses nothing
};

class ButtonRows : public MessageBoxes, public ::testing::WithParamInterface<ButtonCase> {};

TEST_P(ButtonRows, HaveTheirCaptionsAndDefaultAndCancelButtons) {
    const ButtonCase& c = GetParam();
    const auto form = CreateClientMessageForm("Question", MessageKind::Confirmation, c.Buttons);
    std::vector<std::string> captions, defaults, cancels;
    int x = -1;
    for (const auto& child : form->Controls()) {
        if (child->Kind() != ControlKind::Button)
            continue;
        const auto& button = static_cast<const Button&>(*child);
        captions.push_back(button.Caption());
        if (button.Default())
            defaults.push_back(button.Name());
        if (button.Cancel())
            cancels.push_back(button.Name());
        EXPECT_GT(button.Left(), x);
        x = button.Left();
    }
    EXPECT_EQ(captions, c.Captions);
    EXPECT_EQ(defaults, std::vector<std::string>(1, c.Default));
    EXPECT_EQ(cancels, *c.Cancel ? std::vector<std::string>(1, c.Cancel) : std::vector<std::string>());
    Play("key Escape\nclose");
    EXPECT_EQ(form->ShowModal(), c.OnEscape == mrNone ? mrCancel : c.OnEscape); // else the close box
}

INSTANTIATE_TEST_SUITE_P(
    Sets, ButtonRows,
    ::testing::Values(ButtonCase{{MessageButton::OK}, {"OK"}, "OK", "OK", mrOk},
                      ButtonCase{{MessageButton::Cancel, MessageButton::No, MessageButton::Yes},
                                 {"&Yes", "&No", "Cancel"},
                                 "Yes",
                                 "Cancel",
                                 mrCancel},
                      ButtonCase{{MessageButton::Yes, MessageButton::No}, {"&Yes", "&No"}, "Yes", "No", mrNo},
                      ButtonCase{{MessageButton::Abort, MessageButton::Retry, MessageButton::Ignore},
                                 {"&Abort", "&Retry", "&Ignore"},
                                 "Retry",
                                 "",
                                 mrNone},
                      ButtonCase{{MessageButton::YesToAll, MessageButton::All, MessageButton::NoToAll,
                                  MessageButton::Help, MessageButton::Retry},
                                 {"&Retry", "All", "NoToAll", "YesToAll", "&Help"},
                                 "Retry",
                                 "",
                                 mrNone}));

TEST_F(MessageBoxes, EnterPressesTheFocusedButtonWhichIsTheFirst) {
    const auto form = CreateClientMessageForm("Question", MessageKind::Warning,
                                              {MessageButton::Abort, MessageButton::Retry, MessageButton::Ignore});
    Play("key Enter\nkey Tab\nkey Enter");
    EXPECT_EQ(form->ShowModal(), mrAbort);
    EXPECT_EQ(form->ShowModal(), mrRetry);
}

TEST_F(MessageBoxes, ShowAmpersandsLiterally) {
    Snapshot& shown = Watch();
    EXPECT_EQ(
        ClientMessageBox("Save & exit", "Question", MessageKind::Confirmation, {MessageButton::Yes, MessageButton::No}),
        mrCancel); // the close box
    EXPECT_EQ(shown.Lines, (std::vector<std::string>{"Save & exit"}));
    EXPECT_EQ(shown.Caption, "Question");
}

TEST_F(MessageBoxes, ACustomBoxHasNoPictureAndItsTextStartsAtTheMargin) {
    const auto form = CreateClientMessageForm("Plain", MessageKind::Custom, {MessageButton::OK});
    EXPECT_EQ(form->Find("Image"), nullptr);
    EXPECT_EQ(form->Find("Message")->Left(), 10);
    EXPECT_EQ(form->ClientHeight(), 13 + 23 + 16 + 2 * 13);
}

TEST_F(MessageBoxes, LongMessagesWrapAtHalfTheScreenAndALongWordWidensTheBox) {
    const std::string words(60, 'x');
    std::string sentence;
    for (int i = 0; i < 40; ++i)
        sentence += "word ";
    const auto wrapped = CreateClientMessageForm(sentence, MessageKind::Custom, {MessageButton::OK});
    EXPECT_LE(wrapped->Find("Message")->Width(), 960);
    EXPECT_GT(static_cast<Label&>(*wrapped->Find("Message")).ShownLines().size(), 1u);

    const std::string longWord(300, 'm'); // 300 x 8 pixels, wider than half the screen
    const auto wide = CreateClientMessageForm(longWord, MessageKind::Custom, {MessageButton::OK});
    EXPECT_EQ(wide->Find("Message")->Width(), 2400);
    EXPECT_EQ(wide->ClientWidth(), 2400 + 20);
}

TEST_F(MessageBoxes, ArePlacedWhereAskedOrCentredOnTheMonitorOfTheActiveWindow) {
    TwoMonitors();
    Snapshot& shown = Watch();
    ShowClientMessage("x", "c", MessageKind::Warning, "", 100, 200, 0, {MessageButton::OK});
    EXPECT_EQ(shown.Window.Left, 200);
    EXPECT_EQ(shown.Window.Top, 100);
    ShowClientMessage("x", "c", MessageKind::Warning, "", -1, -1, 0, {MessageButton::OK});
    EXPECT_EQ(shown.Window.Left, (1920 + 3200 - shown.Window.Width()) / 2);
    EXPECT_EQ(shown.Window.Top, (1024 - shown.Window.Height()) / 2);
}

TEST_F(MessageBoxes, TheErrorAndInformationBoxesHaveTheirCaptionsIconsAndOneOkButton) {
    Snapshot& shown = Watch();
    ShowErrorMessage("Cannot create x.bas.");
    EXPECT_EQ(shown.Caption, "Tessellon Error");
    EXPECT_EQ(shown.Buttons, (std::vector<std::string>{"OK"}));
    ShowInformationMessage("x.bas successfully created.");
    EXPECT_EQ(shown.Caption, "Tessellon Information");
}

TEST_F(MessageBoxes, TheHelpButtonOpensTheBoxsHelpContext) {
    Play("answer Help\nanswer OK");
    EXPECT_EQ(ShowClientMessage("x", "c", MessageKind::Information, HelpPath("Box.hlp"), -1, -1, 55,
                                {MessageButton::OK, MessageButton::Help}),
              mrOk);
    ASSERT_EQ(platform::HelpRequests().size(), 1u);
    EXPECT_EQ(platform::HelpRequests()[0].File, HelpPath("Box.hlp"));
    EXPECT_EQ(platform::HelpRequests()[0].Data, 55u);
}

} // namespace
} // namespace hostkit::testing
