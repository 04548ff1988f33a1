// Message dialogs: a small form with the picture of its kind, a word-wrapped message and a row of buttons, laid
// out from the average character of the form's font. The toolkit's own message dialog is built here; the kit's
// message boxes lay out their forms the same way with their own captions.
#pragma once

#include "platform/forms/Form.h"

#include <array>
#include <cstdint>
#include <initializer_list>
#include <string>

namespace platform::forms {

// Message kinds; each but Custom shows the system icon of its kind.
enum class MessageKind { Warning, Error, Information, Confirmation, Custom };

// The buttons of a message dialog, in the order they are laid out from left to right.
enum class MessageButton { Yes, No, OK, Cancel, Abort, Retry, Ignore, All, NoToAll, YesToAll, Help };
constexpr int MessageButtonCount = 11;

// A set of message buttons: bit i stands for MessageButton i.
class MessageButtons {
public:
    constexpr MessageButtons(std::initializer_list<MessageButton> buttons) {
        for (MessageButton b : buttons)
            bits_ |= Bit(b);
    }
    static constexpr MessageButtons FromBits(std::uint16_t bits) { return MessageButtons(bits); }
    constexpr std::uint16_t Bits() const { return bits_; }
    constexpr bool Has(MessageButton b) const { return (bits_ & Bit(b)) != 0; }
    int Count() const;

private:
    constexpr explicit MessageButtons(std::uint16_t bits) : bits_(bits) {}
    static constexpr std::uint16_t Bit(MessageButton b) { return std::uint16_t(1u << int(b)); }
    std::uint16_t bits_ = 0;
};

// The caption of every button, in MessageButton order.
using MessageCaptions = std::array<const char*, MessageButtonCount>;

// The name of a button ("Yes", "NoToAll") and the modal result it gives.
const char* MessageButtonName(MessageButton button);
int MessageButtonResult(MessageButton button);

// The system icon number of a kind (32515, 32513, 32516, 32514), 0 for Custom.
int MessageIconId(MessageKind kind);

// Builds the body of a message form in Form, whose font it measures: the kind's picture "Image", the word-wrapped
// label "Message" and one button per shown button, named by MessageButtonName and captioned from Captions. The
// default button is OK, else Yes, else Retry; the cancel button Cancel, else No, else OK. Help opens the form's
// help context. Sets the client size and places the form in the middle of the screen.
void LayoutMessageForm(Form& form, const std::string& message, MessageKind kind, MessageButtons buttons,
                       const MessageCaptions& captions);

// The toolkit's message dialog: Message in a dialog of its kind, titled Caption (or the kind's own title:
// "Warning", "Error", "Information", "Confirm", or the application's title for Custom), centred on the monitor of
// the active window. Answers the modal result.
int ShowMessageDialog(const std::string& message, MessageKind kind, MessageButtons buttons, int helpContext = 0,
                      const std::string& caption = {});

} // namespace platform::forms
