#include "platform/forms/MessageDialog.h"

#include "platform/Screen.h"
#include "platform/forms/Application.h"
#include "platform/forms/Controls.h"
#include "platform/forms/Placement.h"
#include "platform/forms/SystemIcons.h"
#include "platform/forms/TextLayout.h"

#include <algorithm>
#include <bit>
#include <cmath>

namespace platform::forms {

namespace {

constexpr const char* ButtonNames[MessageButtonCount] = {"Yes",    "No",  "OK",      "Cancel",   "Abort", "Retry",
                                                         "Ignore", "All", "NoToAll", "YesToAll", "Help"};
constexpr int ButtonResults[MessageButtonCount] = {mrYes,    mrNo,  mrOk,      mrCancel,   mrAbort, mrRetry,
                                                   mrIgnore, mrAll, mrNoToAll, mrYesToAll, mrNone};

// The toolkit's own captions.
constexpr MessageCaptions ToolkitCaptions = {"&Yes",    "&No",  "OK",         "Cancel",      "&Abort", "&Retry",
                                             "&Ignore", "&All", "N&o to All", "Yes to &All", "&Help"};

// a * b / c rounded to the nearest integer, halves away from zero.
int MulDiv(int a, int b, int c) {
    return int(std::lround(double(a) * b / c));
}

MessageButton DefaultButton(MessageButtons buttons) {
    if (buttons.Has(MessageButton::OK))
        return MessageButton::OK;
    return buttons.Has(MessageButton::Yes) ? MessageButton::Yes : MessageButton::Retry;
}

MessageButton CancelButton(MessageButtons buttons) {
    if (buttons.Has(MessageButton::Cancel))
        return MessageButton::Cancel;
    return buttons.Has(MessageButton::No) ? MessageButton::No : MessageButton::OK;
}

const char* KindTitle(MessageKind kind) {
    switch (kind) {
    case MessageKind::Warning:
        return "Warning";
    case MessageKind::Error:
        return "Error";
    case MessageKind::Information:
        return "Information";
    case MessageKind::Confirmation:
        return "Confirm";
    case MessageKind::Custom:
        break;
    }
    return nullptr;
}

} // namespace

int MessageButtons::Count() const {
    return std::popcount(unsigned(bits_ & ((1u << MessageButtonCount) - 1)));
}

const char* MessageButtonName(MessageButton button) {
    return ButtonNames[int(button)];
}

int MessageButtonResult(MessageButton button) {
    return ButtonResults[int(button)];
}

int MessageIconId(MessageKind kind) {
    switch (kind) {
    case MessageKind::Warning:
        return 32515;
    case MessageKind::Error:
        return 32513;
    case MessageKind::Information:
        return 32516;
    case MessageKind::Confirmation:
        return 32514;
    case MessageKind::Custom:
        break;
    }
    return 0;
}

void LayoutMessageForm(Form& form, const std::string& message, MessageKind kind, MessageButtons buttons,
                       const MessageCaptions& captions) {
    form.SetMessageForm(true);
    form.SetBorderStyle(BorderStyle::Dialog);
    const Font& font = form.GetFont();

    const platform::TextSize letters =
        platform::TextExtent(font, "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    const int w = letters.Width / 52, h = letters.Height;
    const int horzMargin = MulDiv(8, w, 4), vertMargin = MulDiv(8, h, 8);
    const int horzSpacing = MulDiv(10, w, 4), vertSpacing = MulDiv(10, h, 8);
    const int buttonWidth = MulDiv(50, w, 4), buttonHeight = MulDiv(14, h, 8), buttonSpacing = MulDiv(4, w, 4);

    const platform::TextSize text = MeasureText(font, StripAccelerators(message), platform::ScreenWidth() / 2);
    const int iconId = MessageIconId(kind);
    int iconTextWidth = text.Width, iconTextHeight = text.Height;
    if (iconId != 0) {
        iconTextWidth += horzSpacing + IconSize;
        iconTextHeight = std::max(iconTextHeight, IconSize);
    }
    const int count = buttons.Count();
    const int groupWidth = count == 0 ? 0 : count * buttonWidth + (count - 1) * buttonSpacing;

    form.SetClientSize(std::max(iconTextWidth, groupWidth) + 2 * horzMargin,
                       iconTextHeight + buttonHeight + vertSpacing + 2 * vertMargin);
    form.SetBounds(platform::ScreenWidth() / 2 - form.Width() / 2, platform::ScreenHeight() / 2 - form.Height() / 2,
                   form.Width(), form.Height());
    form.SetCaption(Application().Title);

    if (iconId != 0) {
        auto& image = form.Add<Image>("Image");
        image.SetBounds(horzMargin, vertMargin, IconSize, IconSize);
        image.SetPicture(SystemIconBitmap(iconId, form.Background().Resolve()));
    }
    auto& label = form.Add<Label>("Message");
    label.SetWordWrap(true);
    label.SetCaption(message);
    label.SetBounds(iconTextWidth - text.Width + horzMargin, vertMargin, text.Width, text.Height);

    const MessageButton defaultButton = DefaultButton(buttons), cancelButton = CancelButton(buttons);
    int x = (form.ClientWidth() - groupWidth) / 2;
    const int top = iconTextHeight + vertMargin + vertSpacing;
    for (int i = 0; i < MessageButtonCount; ++i) {
        const auto which = MessageButton(i);
        if (!buttons.Has(which))
            continue;
        auto& button = form.Add<Button>(MessageButtonName(which));
        button.SetCaption(captions[i]);
        button.SetModalResult(MessageButtonResult(which));
        button.SetDefault(which == defaultButton);
        button.SetCancel(which == cancelButton);
        button.SetBounds(x, top, buttonWidth, buttonHeight);
        if (which == MessageButton::Help)
            button.OnClick = [&form] { ShowHelpContext(form.HelpContext(), form.HelpFile()); };
        x += buttonWidth + buttonSpacing;
    }
}

int ShowMessageDialog(const std::string& message, MessageKind kind, MessageButtons buttons, int helpContext,
                      const std::string& caption) {
    Form form("MessageDlg");
    form.SetFont(FromFace(platform::MessageFont()));
    LayoutMessageForm(form, message, kind, buttons, ToolkitCaptions);
    const char* title = KindTitle(kind);
    form.SetCaption(!caption.empty() ? caption : title ? title : Application().Title);
    form.SetHelpContext(helpContext);
    // Message dialogs appear where the user is working, not on the primary monitor.
    CenterOnActiveMonitor(form);
    return form.ShowModal();
}

} // namespace platform::forms
