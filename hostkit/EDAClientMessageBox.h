// The kit's own message boxes: a small modal form with the icon of its kind, a word-wrapped message and a row of
// buttons, owned by the host's main window and shown on the monitor the user works on; and the error and
// information boxes the rest of the system shows its messages in.
#pragma once

#include "platform/forms/MessageDialog.h"

#include <memory>
#include <string>

namespace hostkit {

using platform::forms::MessageButton;
using platform::forms::MessageButtons;
using platform::forms::MessageKind;

class TEDAClientMessageForm : public platform::forms::Form {
public:
    TEDAClientMessageForm();

protected:
    // Owned by the host's main window.
    void CreateParams(platform::forms::WindowParams& params) const override;
};

// The captions of the kit's buttons: "&Yes", "&No", "OK", "Cancel", "&Abort", "&Retry", "&Ignore", "All",
// "NoToAll", "YesToAll", "&Help".
extern const platform::forms::MessageCaptions ClientMessageCaptions;

// The box for Message, built and placed in the middle of the screen but not shown.
std::unique_ptr<TEDAClientMessageForm> CreateClientMessageForm(const std::string& message, MessageKind kind,
                                                               MessageButtons buttons);

// Shows the box modally and answers its modal result. Left and Top place it when 0 or more; with both negative it
// is centred on the monitor of the active window.
int ShowClientMessage(const std::string& message, const std::string& caption, MessageKind kind,
                      const std::string& helpFile, int top, int left, int helpContext, MessageButtons buttons);

// Shows Message literally (an "&" shows as itself) in a box centred on the monitor of the active window.
int ClientMessageBox(const std::string& message, const std::string& caption, MessageKind kind, MessageButtons buttons);

// The error box "Tessellon Error" and the information box "Tessellon Information", each with an OK button.
void ShowErrorMessage(const std::string& text);
void ShowInformationMessage(const std::string& text);

} // namespace hostkit
