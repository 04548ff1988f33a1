// The modal dialog "Point to Point Router Options": edits working copies of the router's three options; OK puts
// them into the options object, Cancel leaves it untouched.
#pragma once

#include "hostkit/Rt_forms.h"
#include "platform/forms/Containers.h"
#include "platform/forms/Controls.h"
#include "router/Options.h"

#include <cstdint>

namespace wirewright {

class TOptionsForm : public hostkit::TServerDialog {
public:
    explicit TOptionsForm(TRouteOptions& OptionsRef);

    // Controls, as the form is designed.
    platform::forms::PageControl& PageControl1;
    platform::forms::TabSheet& TabSheet1;
    platform::forms::GroupBox& GroupBox1;
    platform::forms::Label& AvoidanceLabel;
    platform::forms::TrackBar& AvoidWireFrequencyTrackBar;
    platform::forms::Label& Label1;
    platform::forms::Label& Label2;
    platform::forms::Button& OKButton;
    platform::forms::Button& CancelButton;
    platform::forms::Edit& TimeOutEditBox;
    platform::forms::Edit& ClearanceEditBox;
    platform::forms::Label& Label3;
    platform::forms::Label& Label4;

    TRouteOptions& Options;
    int32_t TimeOut;            // working copy, milliseconds
    int32_t Clearance;          // working copy
    int32_t AvoidWiresPosition; // working copy

    // The edit boxes show whole seconds and sheet units; the track bar the avoidance level.
    void OnFormShow();
    // Leaving an edit box takes its value when it is a whole number from 1 to 99; otherwise nothing changes.
    void SetTimeOut();
    void SetClearance();
    void SetCutWireFreq();
    void OnOKClick();
    void OnCancelClick();

    // A modal frame, owned by the host's main window when there is one.
    void CreateParams(platform::forms::WindowParams& Params) const override;
};

// Shows the dialog modally on Options and saves the options when it closes with OK; answers whether it did.
bool ShowRouteOptionsDialog(TRouteOptions& Options);

} // namespace wirewright
