#include "hostkit/EDAClientMessageBox.h"

#include "hostkit/ClientProcs.h"
#include "platform/TextMetrics.h"
#include "platform/forms/Placement.h"

namespace hostkit {

const platform::forms::MessageCaptions ClientMessageCaptions = {
    "&Yes", "&No", "OK", "Cancel", "&Abort", "&Retry", "&Ignore", "All", "NoToAll", "YesToAll", "&Help"};

TEDAClientMessageForm::TEDAClientMessageForm() : Form("EDAClientMessageForm", "TEDAClientMessageForm") {
    SetFont(platform::forms::FromFace(platform::MessageFont()));
}

void TEDAClientMessageForm::CreateParams(platform::forms::WindowParams& params) const {
    Form::CreateParams(params);
    params.WndParent = GetHostWindowHandle();
}

std::unique_ptr<TEDAClientMessageForm> CreateClientMessageForm(const std::string& message, MessageKind kind,
                                                               MessageButtons buttons) {
    auto form = std::make_unique<TEDAClientMessageForm>();
    platform::forms::LayoutMessageForm(*form, message, kind, buttons, ClientMessageCaptions);
    return form;
}

int ShowClientMessage(const std::string& message, const std::string& caption, MessageKind kind,
                      const std::string& helpFile, int top, int left, int helpContext, MessageButtons buttons) {
    const auto form = CreateClientMessageForm(message, kind, buttons);
    form->SetHelpContext(helpContext);
    form->SetHelpFile(helpFile);
    if (left >= 0)
        form->SetLeft(left);
    if (top >= 0)
        form->SetTop(top);
    if (left < 0 && top < 0)
        platform::forms::CenterOnActiveMonitor(*form);
    form->SetCaption(caption);
    return form->ShowModal();
}

int ClientMessageBox(const std::string& message, const std::string& caption, MessageKind kind, MessageButtons buttons) {
    std::string literal;
    for (char c : message) {
        literal += c;
        if (c == '&')
            literal += '&';
    }
    return ShowClientMessage(literal, caption, kind, {}, -1, -1, -1, buttons);
}

void ShowErrorMessage(const std::string& text) {
    ClientMessageBox(text, "Tessellon Error", MessageKind::Error, {MessageButton::OK});
}

void ShowInformationMessage(const std::string& text) {
    ClientMessageBox(text, "Tessellon Information", MessageKind::Information, {MessageButton::OK});
}

} // namespace hostkit
