#include "router/OptionsForm.h"

#include "platform/Screen.h"

#include <charconv>
#include <optional>
#include <string>

namespace wirewright {

namespace forms = platform::forms;

namespace {

// The host's main window, which owns the dialog when it exists.
constexpr const char* HostMainWindowClass = "Tessellon Q7 Main Window";
constexpr int32_t MillisecondsPerSecond = 1000;
constexpr int32_t LowestBoxValue = 1;
constexpr int32_t HighestBoxValue = 99;

forms::Label& AddLabel(forms::Control& Parent, const char* Name, const char* Caption, int Left, int Top, int Width,
                       int Height) {
    auto& Label = Place(Parent.Add<forms::Label>(Name), Left, Top, Width, Height);
    Label.SetCaption(Caption);
    return Label;
}

// A decimal whole number with an optional sign and nothing else; nullopt otherwise.
std::optional<int32_t> WholeNumber(const std::string& Text) {
    int32_t Value = 0;
    const char* First = Text.data();
    const char* Last = First + Text.size();
    if (First != Last && *First == '+')
        ++First;
    const auto [End, Error] = std::from_chars(First, Last, Value);
    if (Error != std::errc() || End != Last || First == Last)
        return std::nullopt;
    return Value;
}

bool InBoxRange(int32_t Value) {
    return Value >= LowestBoxValue && Value <= HighestBoxValue;
}

} // namespace

TOptionsForm::TOptionsForm(TRouteOptions& OptionsRef)
    : TServerDialog("OptionsForm", "TOptionsForm"), PageControl1(Add<forms::PageControl>("PageControl1")),
      TabSheet1(PageControl1.AddSheet("TabSheet1", "Options")), GroupBox1(TabSheet1.Add<forms::GroupBox>("GroupBox1")),
      AvoidanceLabel(AddLabel(GroupBox1, "AvoidanceLabel", "Avoid cutting wires", 30, 96, 89, 13)),
      AvoidWireFrequencyTrackBar(GroupBox1.Add<forms::TrackBar>("AvoidWireFrequencyTrackBar")),
      Label1(AddLabel(GroupBox1, "Label1", "L", 137, 119, 6, 13)),
      Label2(AddLabel(GroupBox1, "Label2", "H", 188, 119, 8, 13)), OKButton(Add<forms::Button>("OKButton")),
      CancelButton(Add<forms::Button>("CancelButton")), TimeOutEditBox(GroupBox1.Add<forms::Edit>("TimeOutEditBox")),
      ClearanceEditBox(GroupBox1.Add<forms::Edit>("ClearanceEditBox")),
      Label3(AddLabel(GroupBox1, "Label3", "Time Out After (s)", 29, 62, 82, 13)),
      Label4(AddLabel(GroupBox1, "Label4", "Clearance", 29, 31, 48, 13)), Options(OptionsRef),
      TimeOut(OptionsRef.TimeOut()), Clearance(OptionsRef.Clearance()),
      AvoidWiresPosition(OptionsRef.AvoidWiresPosition()) {
    SetCaption("Point to Point Router Options");
    SetBorderStyle(forms::BorderStyle::Dialog);
    SetPosition(forms::FormPosition::ScreenCenter);
    SetFont(forms::MakeFont("MS Sans Serif", 11));
    SetBounds(399, 179, 0, 0);
    SetClientSize(269, 230);

    Place(PageControl1, 8, 8, 251, 179).SetTabOrder(0);
    PageControl1.SetActivePage(TabSheet1);
    Place(GroupBox1, 8, 7, 225, 138).SetTabOrder(0);

    Place(ClearanceEditBox, 134, 24, 59, 21).SetTabOrder(0);
    ClearanceEditBox.OnExit = [this] { SetClearance(); };
    Place(TimeOutEditBox, 134, 56, 59, 21).SetTabOrder(1);
    TimeOutEditBox.OnExit = [this] { SetTimeOut(); };

    Place(AvoidWireFrequencyTrackBar, 127, 88, 74, 25).SetTabOrder(2);
    AvoidWireFrequencyTrackBar.SetRange(1, TRouteOptions::MaxAvoidWiresPosition);
    AvoidWireFrequencyTrackBar.SetFrequency(1);
    AvoidWireFrequencyTrackBar.SetPosition(1);
    AvoidWireFrequencyTrackBar.OnChange = [this] { SetCutWireFreq(); };

    Place(OKButton, 103, 195, 75, 25).SetTabOrder(1);
    OKButton.SetCaption("OK");
    OKButton.SetModalResult(forms::mrOk);
    OKButton.OnClick = [this] { OnOKClick(); };
    Place(CancelButton, 186, 195, 73, 25).SetTabOrder(2);
    CancelButton.SetCaption("Cancel");
    CancelButton.SetModalResult(forms::mrCancel);
    CancelButton.SetCancel(true);
    CancelButton.OnClick = [this] { OnCancelClick(); };

    OnShow = [this] { OnFormShow(); };
    FocusControl(OKButton);
    Load();
}

void TOptionsForm::CreateParams(forms::WindowParams& Params) const {
    TServerDialog::CreateParams(Params);
    Params.Style = forms::WS_POPUP | forms::WS_CAPTION | forms::WS_SYSMENU | forms::DS_MODALFRAME;
    Params.ExStyle |= forms::WS_EX_DLGMODALFRAME;
    if (const platform::WindowHandle HostWindow = platform::FindTopLevelWindow(HostMainWindowClass))
        Params.WndParent = HostWindow;
}

void TOptionsForm::OnFormShow() {
    TimeOutEditBox.SetText(std::to_string(TimeOut / MillisecondsPerSecond));
    ClearanceEditBox.SetText(std::to_string(Clearance));
    AvoidWireFrequencyTrackBar.SetPosition(AvoidWiresPosition);
}

void TOptionsForm::SetTimeOut() {
    const int32_t Seconds = WholeNumber(TimeOutEditBox.Text()).value_or(TimeOut / MillisecondsPerSecond);
    if (InBoxRange(Seconds))
        TimeOut = Seconds * MillisecondsPerSecond;
}

void TOptionsForm::SetClearance() {
    const int32_t Value = WholeNumber(ClearanceEditBox.Text()).value_or(Clearance);
    if (InBoxRange(Value))
        Clearance = Value;
}

void TOptionsForm::SetCutWireFreq() {
    AvoidWiresPosition = AvoidWireFrequencyTrackBar.Position();
}

void TOptionsForm::OnOKClick() {
    Options.SetTimeOut(TimeOut);
    Options.SetClearance(Clearance);
    Options.SetAvoidWiresPosition(AvoidWiresPosition);
    SetModalResult(forms::mrOk);
}

void TOptionsForm::OnCancelClick() {
    SetModalResult(forms::mrCancel);
}

bool ShowRouteOptionsDialog(TRouteOptions& Options) {
    TOptionsForm Form(Options);
    if (Form.ShowModal() != forms::mrOk)
        return false;
    Options.Save();
    return true;
}

} // namespace wirewright
