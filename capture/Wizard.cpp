#include "capture/Wizard.h"

#include "capture/WizardPictures.h"
#include "hostkit/ClientClass.h"
#include "hostkit/ClientProcs.h"
#include "hostkit/HostText.h"
#include "hostkit/Rt_Param.h"
#include "hostkit/Rt_Util.h"
#include "platform/Screen.h"
#include "platform/Sound.h"
#include "platform/forms/MessageDialog.h"

#include <array>
#include <cctype>
#include <cstdint>
#include <limits>

namespace snapscribe {

namespace forms = platform::forms;

namespace {

constexpr int WizardWidth = 500;
constexpr int WizardHeight = 317;
constexpr int ButtonPanelHeight = 42;
constexpr int LastPage = 4;

forms::Label& AddLabel(forms::Control& page, const char* name, const char* caption, int left, int top) {
    auto& label = page.Add<forms::Label>(name);
    label.SetCaption(caption);
    label.SetLeft(left);
    label.SetTop(top);
    return label;
}

forms::Label& AddWrappedLabel(forms::Control& page, const char* name, const char* caption, int left, int top, int width,
                              int height) {
    auto& label = page.Add<forms::Label>(name);
    label.SetAutoSize(false);
    label.SetWordWrap(true);
    label.SetCaption(caption);
    return Place(label, left, top, width, height);
}

void AddPicture(forms::Control& page, const char* name, int left, int top, platform::Bitmap picture) {
    auto& image = Place(page.Add<forms::Image>(name), left, top, picture.Width(), picture.Height());
    image.SetPicture(std::move(picture));
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    c = char(std::tolower(static_cast<unsigned char>(c)));
    return c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
}

// The answer of a host process: "Result" read from its parameter buffer.
bool Confirmed(const char* buffer) {
    std::string result;
    return hostkit::GetParameterValue(buffer, "Result", result) && hostkit::SameTextTrim(result, "True");
}

using TParameterBuffer = std::array<char, hostkit::ShortTextBufferSize>;

} // namespace

std::int32_t LeadingInteger(std::string_view text) {
    std::size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    int base = 10;
    if (i < text.size() && (text[i] == '$' || text[i] == 'x' || text[i] == 'X')) {
        base = 16;
        ++i;
    } else if (i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
        base = 16;
        i += 2;
    }
    constexpr std::int64_t limit = std::int64_t(std::numeric_limits<std::int32_t>::max()) + 1;
    std::int64_t value = 0;
    for (; i < text.size(); ++i) {
        const int digit = HexDigit(text[i]);
        if (digit < 0 || digit >= base)
            break;
        value = std::min(value * base + digit, limit);
    }
    if (negative)
        return std::int32_t(-value);
    return std::int32_t(std::min<std::int64_t>(value, limit - 1));
}

TWizard::TWizard(TSetUpInfo* setUpInfo)
    : TServerDialog("Wizard", "TWizard"), SetUpInfo(setUpInfo), Panel_Buttons(Add<forms::Panel>("Panel_Buttons")),
      Bevel_Buttons(Panel_Buttons.Add<forms::Bevel>("Bevel_Buttons")),
      Button_Prev(Panel_Buttons.Add<forms::Button>("Button_Prev")),
      Button_Next(Panel_Buttons.Add<forms::Button>("Button_Next")),
      Button_Cancel(Panel_Buttons.Add<forms::Button>("Button_Cancel")),
      Notebook_Wizard(Add<forms::Notebook>("Notebook_Wizard")) {
    SetCaption("Circuit Capture");
    SetBorderStyle(forms::BorderStyle::Dialog);
    SetBorderIcons(forms::biSystemMenu);
    SetPosition(forms::FormPosition::ScreenCenter);
    SetFont(forms::MakeFont("Arial", 13));
    SetClientSize(WizardWidth, WizardHeight);

    Place(Panel_Buttons, 0, WizardHeight - ButtonPanelHeight, WizardWidth, ButtonPanelHeight);
    Panel_Buttons.SetBevelOuter(forms::Panel::Bevel::None);
    Bevel_Buttons.SetShape(forms::Bevel::Shape::TopLine);
    Place(Bevel_Buttons, 10, 0, 480, 2);
    Button_Prev.SetCaption("< &Back");
    Place(Button_Prev, 210, 11, 89, 25);
    Button_Next.SetCaption("&Next >");
    Button_Next.SetDefault(true);
    Place(Button_Next, 299, 11, 89, 25);
    Button_Cancel.SetCaption("&Cancel");
    Button_Cancel.SetCancel(true);
    Button_Cancel.SetModalResult(forms::mrCancel);
    Place(Button_Cancel, 401, 11, 89, 25);
    Place(Notebook_Wizard, 0, 0, WizardWidth, WizardHeight - ButtonPanelHeight);

    BuildLanguagePage();
    BuildFileNamesPage();
    BuildRegionPage();
    BuildReferencePointPage();
    BuildFinishPage();
    Notebook_Wizard.SetPageIndex(0);

    OpenDialog1.Filter = "Schematic files|*.sch";
    OpenDialog1.DefaultExt = "sch";
    OpenDialog1.Options = forms::ofHideReadOnly | forms::ofPathMustExist | forms::ofFileMustExist;
    SaveDialog1.Filter = "Client Basic|*.bas|Client Pascal|*.trp";
    SaveDialog1.DefaultExt = "bas";
    SaveDialog1.Options = forms::ofHideReadOnly | forms::ofPathMustExist;

    OnShow = [this] { OnShowForm(); };
    Button_Next.OnClick = [this] { NextButtonClick(); };
    Button_Prev.OnClick = [this] { PrevButtonClick(); };
}

void TWizard::BuildLanguagePage() {
    auto& page = Notebook_Wizard.AddPage(PgSelectLanguage);
    AddPicture(page, "Image1", 33, 37, WelcomePicture());
    AddLabel(page, "Label29", "Welcome To Circuit Capture Wizard", 160, 53)
        .SetFont(forms::MakeFont("MS Sans Serif", 16, true));
    AddWrappedLabel(page, "Label34",
                    "This wizard allows you to capture a portion of your schematic sheet and creates a macro which "
                    "you can run at a later time to reproduce the captured circuit.",
                    158, 89, 298, 64);
    AddLabel(page, "txtMacroType", "Choose the type of macro to create:", 159, 165);
    rbClientBasic = &Place(page.Add<forms::RadioButton>("rbClientBasic"), 276, 194, 113, 17);
    rbClientBasic->SetCaption("Client &Basic");
    rbClientPascal = &Place(page.Add<forms::RadioButton>("rbClientPascal"), 276, 218, 113, 17);
    rbClientPascal->SetCaption("Client &Pascal");
    rbClientBasic->OnClick = [this] { rbClientBasicClick(); };
    rbClientPascal->OnClick = [this] { rbClientBasicClick(); };
}

void TWizard::BuildFileNamesPage() {
    auto& page = Notebook_Wizard.AddPage(PgPromptInputOutpuFileNames);
    AddPicture(page, "Image2", 30, 15, FilesPicture());
    AddLabel(page, "Label36", "Schematic document name:", 136, 52);
    ebSchematicFileName = &Place(page.Add<forms::Edit>("ebSchematicFileName"), 136, 72, 265, 21);
    butBrowseSch = &Place(page.Add<forms::Button>("butBrowseSch"), 408, 72, 75, 25);
    butBrowseSch->SetCaption("&Browse");
    AddLabel(page, "Label30", "Generated macro file name:", 136, 132);
    ebMacroFileName = &Place(page.Add<forms::Edit>("ebMacroFileName"), 136, 152, 265, 21);
    butHBrowseMacro = &Place(page.Add<forms::Button>("butHBrowseMacro"), 408, 152, 75, 25);
    butHBrowseMacro->SetCaption("&Browse");
    ebSchematicFileName->OnChange = [this] { ebSchematicFileNameChange(); };
    ebMacroFileName->OnChange = [this] { ebMacroFileNameChange(); };
    butBrowseSch->OnClick = [this] { butBrowseSchClick(); };
    butHBrowseMacro->OnClick = [this] { butHBrowseMacroClick(); };
}

void TWizard::BuildRegionPage() {
    auto& page = Notebook_Wizard.AddPage(PgSelectRegionToCapture);
    AddPicture(page, "Image7", 30, 15, RegionPicture());
    AddWrappedLabel(page, "Label2",
                    "Click Next button to select a portion or all of schematic primitives on the selected document "
                    "to capture.",
                    130, 20, 353, 52);
}

void TWizard::BuildReferencePointPage() {
    auto& page = Notebook_Wizard.AddPage(PgSelectReferencePoint);
    AddPicture(page, "Image8", 30, 15, ReferencePointPicture());
    AddWrappedLabel(page, "Label3",
                    "Click Next button to select a reference point. A reference point is a coordinate relative to "
                    "the selected item(s).  This location will be used by the macro script as a reference point "
                    "when placing the schematic primitives.",
                    130, 20, 353, 93);
}

void TWizard::BuildFinishPage() {
    auto& page = Notebook_Wizard.AddPage(PgFinish);
    AddPicture(page, "Image6", 8, 8, FinishPicture());
    AddLabel(page, "Label1", "On completion, would you like to:", 226, 59);
    cbLoadMacro = &Place(page.Add<forms::CheckBox>("cbLoadMacro"), 290, 87, 97, 17);
    cbLoadMacro->SetCaption("View macro");
    cbRunMacro = &Place(page.Add<forms::CheckBox>("cbRunMacro"), 290, 111, 97, 17);
    cbRunMacro->SetCaption("Run macro");
    AddWrappedLabel(page, "Label_Finish1",
                    "The Wizard now has enough information to complete the task. Click on the finish button to "
                    "generate macro script.",
                    224, 174, 265, 59);
}

void TWizard::LoadSettings() {
    if (hostkit::SameTextTrim(SetUpInfo->MacroType, "ClientBasic")) {
        rbClientBasic->SetChecked(true);
        MacroExtension = "BAS";
    } else {
        rbClientPascal->SetChecked(true);
        MacroExtension = "TRP";
    }
    ebSchematicFileName->SetText(GetCurrentSchematicFileName());
    if (!ebSchematicFileName->Text().empty())
        ebMacroFileName->SetText(hostkit::ForceFileNameExtension(ebSchematicFileName->Text(), MacroExtension));
    cbLoadMacro->SetChecked(SetUpInfo->LoadMacro);
    cbRunMacro->SetChecked(SetUpInfo->RunMacro);
    View = SetUpInfo->DocumentView;
    PreviousView = SetUpInfo->DocumentView;
    LocationX = SetUpInfo->LocationX;
    LocationY = SetUpInfo->LocationY;
    KeepDocumentOpen = SetUpInfo->KeepDocumentOpen;
}

void TWizard::StoreSettings() {
    SetUpInfo->MacroType = rbClientBasic->Checked() ? "ClientBasic" : "ClientPascal";
    // Uncut: the recorder refuses a path it cannot hold rather than write the script elsewhere.
    SetUpInfo->MacroFileName = ebMacroFileName->Text();
    SetUpInfo->LoadMacro = cbLoadMacro->Checked();
    SetUpInfo->RunMacro = cbRunMacro->Checked();
    SetUpInfo->DocumentView = View;
    SetUpInfo->LocationX = LocationX;
    SetUpInfo->LocationY = LocationY;
    SetUpInfo->KeepDocumentOpen = KeepDocumentOpen;
}

std::string TWizard::GetCurrentSchematicFileName() {
    View = hostkit::ClientCurrentView(hostkit::GlobalClient().Get());
    if (!View)
        return {};
    const auto document = hostkit::ViewOwnerDocument(View.Get());
    if (!hostkit::SameText(hostkit::DocumentKind(document.Get()), hostkit::SchematicDocumentKind))
        return {};
    PreviousView = View;
    return hostkit::ToShortString(hostkit::DocumentFileName(document.Get()));
}

void TWizard::OnShowForm() {
    Notebook_Wizard.SetPageIndex(0);
    Button_Prev.SetVisible(false);
    for (auto& page : Notebook_Wizard.Controls())
        for (auto& control : page->Controls())
            if (control->Kind() == forms::ControlKind::Image)
                hostkit::RecolorToSystem(static_cast<forms::Image&>(*control).Picture());
}

void TWizard::UpdateButtons() {
    const int page = Notebook_Wizard.PageIndex();
    Button_Prev.SetVisible(page != 0);
    Button_Next.SetCaption(page == LastPage ? "&Finish" : "&Next >");
}

void TWizard::NextButtonClick() {
    if (!ValidatePage(Notebook_Wizard.ActivePage()))
        return;
    const int page = Notebook_Wizard.PageIndex();
    if (page < LastPage)
        Notebook_Wizard.SetPageIndex(page + 1);
    UpdateButtons();
    if (page == LastPage)
        SetModalResult(forms::mrOk);
}

void TWizard::PrevButtonClick() {
    const int page = Notebook_Wizard.PageIndex();
    if (page < 1)
        return;
    Notebook_Wizard.SetPageIndex(page - 1);
    UpdateButtons();
}

bool TWizard::ValidatePage(std::string_view pageName) {
    if (hostkit::SameTextTrim(pageName, PgPromptInputOutpuFileNames))
        return ValidateFileNames();
    if (hostkit::SameTextTrim(pageName, PgSelectRegionToCapture))
        return OffScreen([this] {
            View = OpenSchematicView();
            return SelectRegion();
        });
    if (hostkit::SameTextTrim(pageName, PgSelectReferencePoint))
        return OffScreen([this] { return SelectReferencePoint(); });
    return true;
}

bool TWizard::ValidateFileNames() {
    const std::string schematic = hostkit::TrimRightText(hostkit::TrimLeftText(ebSchematicFileName->Text()));
    if (schematic.empty()) {
        platform::MessageBeep(0);
        ebSchematicFileName->SetFocus();
        return false;
    }
    if (SchematicNameEdited) {
        if (!KeepDocumentOpen) {
            char empty[1] = {'\0'};
            hostkit::RunHostProcess("Client:CloseDocument", empty, 0, PreviousView.Get());
        }
        KeepDocumentOpen = true;
        SchematicNameEdited = false;
    }
    if (!hostkit::ClientFileExists(schematic)) {
        platform::MessageBeep(0);
        ebSchematicFileName->SetFocus();
        forms::ShowMessageDialog(schematic + " cannot be found.", forms::MessageKind::Error,
                                 {forms::MessageButton::OK});
        return false;
    }
    const std::string macro = hostkit::TrimRightText(hostkit::TrimLeftText(ebMacroFileName->Text()));
    if (macro.empty()) {
        platform::MessageBeep(0);
        ebMacroFileName->SetFocus();
        return false;
    }
    if (!MacroNameEdited)
        return true;
    if (!hostkit::ClientFileExists(macro)) {
        MacroNameEdited = false;
        return true;
    }
    platform::MessageBeep(0);
    ebMacroFileName->SetFocus();
    if (forms::ShowMessageDialog(macro + " already exists.\rDo you want to overwrite it?", forms::MessageKind::Warning,
                                 {forms::MessageButton::OK, forms::MessageButton::Cancel}) != forms::mrOk)
        return false;
    MacroNameEdited = false;
    return true;
}

template <typename Step> bool TWizard::OffScreen(Step step) {
    const int top = Top();
    SetTop(platform::ScreenHeight());
    struct Restore {
        TWizard& wizard;
        int top;
        ~Restore() { wizard.SetTop(top); }
    } restore{*this, top};
    return step();
}

hostkit::TInterfaceRef<hostkit::IServerDocumentView> TWizard::OpenSchematicView() {
    auto client = hostkit::GlobalClient();
    const auto document =
        hostkit::ClientOpenDocument(client.Get(), hostkit::SchematicDocumentKind, ebSchematicFileName->Text());
    if (!document)
        return {};
    hostkit::ClientShowDocument(client.Get(), document.Get());
    return hostkit::DocumentView(document.Get(), 0);
}

bool TWizard::SelectRegion() {
    if (!View)
        return false;
    hostkit::ShowStatusText(4, "Current Command - Select region...");
    TParameterBuffer buffer{};
    hostkit::RunHostProcess("Sch:DeselectAllObjects", buffer.data(), 256, View.Get());
    hostkit::RunHostProcess("Sch:SelectObjectsInsideArea", buffer.data(), 256, View.Get());
    return Confirmed(buffer.data());
}

bool TWizard::SelectReferencePoint() {
    if (!View)
        return false;
    LocationX = 0;
    LocationY = 0;
    hostkit::ShowStatusText(4, "Current Command - Select reference point...");
    TParameterBuffer buffer{};
    hostkit::RunHostProcess("Sch:AskForXYLocation", buffer.data(), 255, View.Get());
    std::string value;
    if (hostkit::GetParameterValue(buffer.data(), "LocationX", value))
        LocationX = LeadingInteger(value);
    if (hostkit::GetParameterValue(buffer.data(), "LocationY", value))
        LocationY = LeadingInteger(value);
    return Confirmed(buffer.data());
}

void TWizard::rbClientBasicClick() {
    MacroExtension = rbClientBasic->Checked() ? "BAS" : "TRP";
    if (!ebMacroFileName->Text().empty())
        ebMacroFileName->SetText(hostkit::ForceFileNameExtension(ebMacroFileName->Text(), MacroExtension));
}

void TWizard::butBrowseSchClick() {
    if (!OpenDialog1.Execute())
        return;
    ebSchematicFileName->SetText(OpenDialog1.FileName);
    if (ebMacroFileName->Text().empty())
        ebMacroFileName->SetText(hostkit::ForceFileNameExtension(ebSchematicFileName->Text(), MacroExtension));
}

void TWizard::butHBrowseMacroClick() {
    if (SaveDialog1.Execute())
        ebMacroFileName->SetText(SaveDialog1.FileName);
}

bool RunWizard(TSetUpInfo* setUpInfo) {
    TWizard wizard(setUpInfo);
    wizard.LoadSettings();
    if (wizard.ShowModal() != forms::mrOk)
        return false;
    wizard.StoreSettings();
    return true;
}

} // namespace snapscribe
