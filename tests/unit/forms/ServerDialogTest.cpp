// The dialog bases: help-id maps, F1 and help-button help with redirection to other servers' help files,
// placement and ownership of server dialogs, their theme and restyling.
#include "KitFixture.h"

#include "platform/SystemInfo.h"
#include "platform/forms/Application.h"
#include "platform/forms/Containers.h"
#include "platform/forms/Controls.h"

using namespace platform::forms;
using platform::HelpRequest;

namespace hostkit::testing {
namespace {

// The shape of the capture wizard: a notebook page with a check box, and a cancel button.
struct Wizard : TServerDialog {
    Wizard() : TServerDialog("Wizard", "TWizard") {
        SetBorderStyle(BorderStyle::Dialog);
        SetClientSize(500, 317);
        auto& book = Add<Notebook>("Notebook_Wizard");
        book.SetBounds(0, 0, 500, 275);
        book.AddPage("PgFinish").Add<CheckBox>("cbRunMacro").SetBounds(290, 111, 80, 17);
        auto& cancel = Add<Button>("Button_Cancel");
        cancel.SetBounds(401, 286, 89, 25);
        cancel.SetModalResult(mrCancel);
        cancel.SetCancel(true);
    }
};

// The shape of the router's options dialog: a page control round a group box, OK outside it.
struct OptionsForm : TServerDialog {
    Control& Clearance;
    Control& Caption;
    OptionsForm()
        : TServerDialog("OptionsForm1", "TOptionsForm"), Clearance(AddGroup().Add<Edit>("ClearanceEditBox")),
          Caption(*Find("GroupBox1")->Controls().front()) {
        Add<Button>("OKButton").SetModalResult(mrOk);
    }

private:
    GroupBox& AddGroup() {
        auto& pages = Add<PageControl>("PageControl1");
        pages.SetBounds(8, 8, 251, 179);
        auto& group = pages.AddSheet("TabSheet1", "Options").Add<GroupBox>("GroupBox1");
        group.Add<Label>("Label4").SetCaption("Clearance");
        return group;
    }
};

class ContextHelp : public KitTest {};

TEST_F(ContextHelp, F1AnywhereInTheWizardOpensItsFormTopicOnce) {
    WriteHelpFile("Snapscribe.id", "Dlg_Wizard=120\r\n");
    Wizard wizard;
    Play("click cbRunMacro\nkey F1\nkey Escape");
    wizard.ShowModal();
    EXPECT_EQ(platform::HelpRequests(),
              (std::vector<HelpRequest>{{client_.HelpWindow, HelpPath("Snapscribe.hlp"), platform::HelpContext, 120}}));
    EXPECT_FALSE(wizard.F1Pressed);
}

TEST_F(ContextHelp, TheHelpButtonFollowsARedirectionToTheServerTheClientNames) {
    WriteHelpFile("Snapscribewth.id", "Dlg_Wizard_cbRunMacro=x,Sch:PlaceWire\n");
    WriteHelpFile("Plexa.hlp", "");
    WriteHelpFile("Plexa.id", "Sch_PlaceWire=77\n");
    ServerFiles()["Sch:PlaceWire"] = "/opt/tessellon/Plexa.dll";
    Wizard wizard;
    Play("help cbRunMacro\nclose");
    wizard.ShowModal();
    const platform::Rect box = wizard.Find("cbRunMacro")->ScreenRect();
    const std::uintptr_t at =
        std::uint16_t((box.Left + box.Right) / 2) | (std::uint16_t((box.Top + box.Bottom) / 2) << 16);
    EXPECT_EQ(platform::HelpRequests(),
              (std::vector<HelpRequest>{{client_.MainWindow, HelpPath("Plexa.hlp"), platform::HelpSetPopupPos, at},
                                        {client_.MainWindow, HelpPath("Plexa.hlp"), platform::HelpContextPopup, 77}}));
    EXPECT_EQ(client_.StatusTexts, (std::vector<std::pair<std::int32_t, std::string>>{{-1, ""}}));
}

TEST_F(ContextHelp, WithoutHelpFilesF1ShowsTheMasterPopup) {
    Wizard wizard;
    Play("key F1\nclose");
    wizard.ShowModal();
    const auto requests = platform::HelpRequests();
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(requests[0].Command, platform::HelpSetPopupPos);
    EXPECT_EQ(requests[1],
              (HelpRequest{client_.MainWindow, HelpPath("ridadedira.zid"), platform::HelpContextPopup, 1}));
}

TEST_F(ContextHelp, TabSheetsAreHelpContainersAndTheDialogIsTheLastResort) {
    OptionsForm form;
    // F1 on a control outside the page control finds the tab sheet through the page control.
    WriteHelpFile("Snapscribewth.id", "Dlg_TabSheet1=33\n");
    WriteHelpFile("Snapscribe.id", "Dlg_OptionsForm1=40\n");
    form.ShowContextHelp(*form.Find("OKButton"));
    form.ShowContextHelp(form.Clearance);
    form.ControlHelpIds = {};
    WriteHelpFile("Snapscribewth.id", "Other=1\n");
    form.ShowContextHelp(form.Clearance);
    const auto help = client_.HelpWindow;
    EXPECT_EQ(platform::HelpRequests(),
              (std::vector<HelpRequest>{{help, HelpPath("Snapscribewth.hlp"), platform::HelpContext, 33},
                                        {help, HelpPath("Snapscribewth.hlp"), platform::HelpContext, 33},
                                        {help, HelpPath("Snapscribe.hlp"), platform::HelpContext, 40}}));
}

TEST_F(ContextHelp, PopupsFallBackToTheClassKeyAndTheParentsName) {
    WriteHelpFile("Snapscribewth.id", "Dlg_OptionsForm_ClearanceEditBox=31\nDlg_OptionsForm_GroupBox1=32\n");
    OptionsForm form;
    form.ShowPopupHelp(&form.Clearance, {5, 6});
    form.ShowPopupHelp(&form.Caption, {5, 6});
    form.ShowPopupHelp(nullptr, {5, 6});
    const auto requests = platform::HelpRequests();
    ASSERT_EQ(requests.size(), 4u);
    EXPECT_EQ(requests[0],
              (HelpRequest{client_.MainWindow, HelpPath("Snapscribewth.hlp"), platform::HelpSetPopupPos, 5 | 6 << 16}));
    EXPECT_EQ(requests[1].Data, 31u);
    EXPECT_EQ(requests[3].Data, 32u);
    EXPECT_EQ(client_.StatusTexts.size(), 3u); // cleared every time, also with no control
}

class HelpIds : public KitTest {
protected:
    HelpIds() {
        WriteHelpFile("Srv.id", "Dlg_A=12\nno equals sign\nDlg_Bad=x1\nDlg_Dup=1\nDlg_Dup=2\nDlg_Red=,Missing:Topic\n"
                                "Dlg_Srv=x,Sch:PlaceWire\nDlg_Pre_Key=9\n");
        WriteHelpFile("Plexa.hlp", "");
        WriteHelpFile("Plexa.id", "Sch_PlaceWire=77\n");
        ServerFiles()["Sch:PlaceWire"] = "Plexa.dll";
    }
    std::int32_t Lookup(const std::string& key, const std::string& prefix = {}) {
        file_ = HelpPath("Srv.hlp");
        return LookupHelpId(key, prefix, file_, topics_, ids_);
    }
    std::string file_;
    std::vector<std::string> topics_;
    THelpIdList ids_;
};

TEST_F(HelpIds, LoadOnceAndAnswerByKeyIgnoringCase) {
    struct Case {
        const char* Key;
        const char* Prefix;
        std::int32_t Id;
        const char* File;
    };
    for (const Case& c :
         {Case{"DLG_A", "", 12, "Srv.hlp"}, Case{"Dlg_Bad", "", 0, "Srv.hlp"}, Case{"Dlg_Dup", "", 1, "Srv.hlp"},
          Case{"Dlg_None", "", 0, "Srv.hlp"}, Case{"Key", "Pre", 9, "Srv.hlp"}, Case{"Dlg_Red", "", 0, "Srv.hlp"},
          Case{"Dlg_Srv", "", 77, "Plexa.hlp"}}) {
        EXPECT_EQ(Lookup(c.Key, c.Prefix), c.Id) << c.Key;
        EXPECT_EQ(file_, HelpPath(c.File)) << c.Key;
    }
    EXPECT_EQ(topics_, (std::vector<std::string>{"Missing:Topic", "Sch:PlaceWire"}));
}

TEST_F(HelpIds, ATopicBeyondTheListOrNoClientAnswersZero) {
    ids_.Add("Dlg_Far", -3);
    topics_ = {"only one"};
    EXPECT_EQ(Lookup("Dlg_Far"), 0);
    SetGlobalClient(nullptr);
    std::string file = "unchanged";
    EXPECT_EQ(ResolveServerHelp("Sch:PlaceWire", file), 0);
    EXPECT_EQ(file, "unchanged");
}

TEST_F(HelpIds, RedirectionsRunningInACircleEndWithZero) {
    ServerFiles()["Sch:X"] = "A.dll";
    ServerFiles()["Other:Y"] = "B.dll";
    WriteHelpFile("A.hlp", "");
    WriteHelpFile("A.id", "Sch_X=x,Other:Y\n");
    WriteHelpFile("B.hlp", "");
    WriteHelpFile("B.id", "Other_Y=x,Sch:X\n");
    std::string file;
    EXPECT_EQ(ResolveServerHelp("Sch:X", file), 0);
}

class ServerDialogs : public KitTest {};

// Remembers where and how a form was shown.
struct Where : Driver {
    platform::Rect Bounds;
    void RunModal(Form& form) override {
        Bounds = form.ScreenRect();
        form.Close();
    }
    std::optional<std::string> RunFileDialog(const FileDialog&) override { return std::nullopt; }
};

TEST_F(ServerDialogs, AreOwnedByTheHostAndShownCentredOnTheMonitorOfTheActiveWindow) {
    TwoMonitors();
    Wizard wizard;
    wizard.SetPosition(FormPosition::ScreenCenter);
    auto where = std::make_unique<Where>();
    Where& shown = *where;
    Use(std::move(where));
    wizard.ShowModal();
    EXPECT_EQ(shown.Bounds.Left, (1920 + 3200 - wizard.Width()) / 2);
    EXPECT_EQ(shown.Bounds.Top, (1024 - wizard.Height()) / 2);
    EXPECT_EQ(wizard.ClientWidth(), 500);
    const WindowParams params = wizard.Params();
    EXPECT_EQ(params.WndParent, client_.MainWindow);
    EXPECT_TRUE(params.ExStyle & WS_EX_CONTEXTHELP);
    EXPECT_EQ(wizard.BorderIcons(), unsigned(biSystemMenu | biHelp));
}

TEST_F(ServerDialogs, AreThemedByTheSystemVersion) {
    for (const auto& [version, theme] : {std::pair{platform::SystemVersion{5, 1}, "XP"}, {{5, 0}, "Luna"}}) {
        platform::SetSystemVersion(version);
        Wizard wizard;
        wizard.Load();
        EXPECT_EQ(wizard.ThemeEngine.Theme, theme);
        EXPECT_TRUE(wizard.ThemeForm.Active);
        EXPECT_FALSE(wizard.ThemeForm.Sizeable); // a dialog border
    }
    platform::SetSystemVersion({5, 1});
}

TEST_F(ServerDialogs, RestyleGreyTextsCheckBoxesAndEditBoxesAlsoWhenAddedLater) {
    OptionsForm form;
    auto grey = MakeFont("MS Sans Serif", 11);
    grey.Color = platform::SystemColor::GrayText;
    form.Caption.SetFont(grey);
    auto& plain = form.Add<Label>("Plain");
    auto& outside = form.Add<Edit>("Outside");
    form.Load();
    auto& later = form.Add<CheckBox>("Later");

    EXPECT_TRUE(form.Caption.GetFont().Color.Is(platform::SystemColor::DarkShadow3D));
    EXPECT_EQ(form.Caption.GetFont().Name, "Arial");
    EXPECT_TRUE(plain.GetFont().Color.Is(platform::SystemColor::WindowText));
    auto& inGroup = static_cast<Edit&>(form.Clearance);
    EXPECT_TRUE(inGroup.FrameColor().Is(platform::SystemColor::ButtonShadow));
    EXPECT_TRUE(inGroup.Background().Is(platform::SystemColor::Window));
    EXPECT_TRUE(inGroup.GetFont().Color.Is(platform::SystemColor::WindowText));
    EXPECT_EQ(outside.GetFont().Color, ControlColor(BlueColor));
    EXPECT_EQ(later.Height(), 19);
}

TEST_F(ServerDialogs, AnErrorInTheShowEventGoesToTheApplicationsErrorBox) {
    Wizard wizard;
    wizard.OnShow = [] { throw std::runtime_error("Cannot read the settings."); };
    Play("answer OK\nkey Escape");
    EXPECT_EQ(wizard.ShowModal(), mrCancel);
}

} // namespace
} // namespace hostkit::testing
