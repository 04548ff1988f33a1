// The user's actions, one per line, as the scripted and the console driver read them:
//   set NAME TEXT        type TEXT into edit box NAME (the rest of the line, blanks included; may be empty)
//   click NAME           click button, check box or radio button NAME
//   check NAME on|off    set check box NAME (a radio button can only be checked on)
//   track NAME N         move track bar NAME to position N
//   key Enter|Escape|F1|Tab
//   answer BUTTON        press BUTTON (OK, Cancel, Yes, No ...) of a message box
//   help NAME            the caption's help button, then a click on NAME
//   choose PATH          choose PATH in an open or save dialog
//   close                the window's close box
// Blank lines and lines starting with # are skipped. Names ignore case. Every action but key, answer, help and close
// first moves the focus to its control, so the control losing the focus fires its exit event before the action
// takes effect, as with a mouse.
#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace platform::forms {

class Form;
class FileDialog;

// An action that cannot be read or does not fit what is showing; the text names the action and the control.
class ActionError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct Action {
    enum class Verb { Set, Click, Check, Track, Key, Answer, Help, Choose, Close };
    Verb Kind = Verb::Close;
    std::string Target;   // the control, key or button named
    std::string Argument; // the text of set, on/off of check, the position of track, the path of choose
    std::string Text;     // the line as written, for messages
};

// Reads one line; nullopt for a blank line or a comment. ActionError for an unknown verb or missing operands.
std::optional<Action> ParseAction(std::string_view line);

// Does Action to Form, which is showing. ActionError when the form has no such control or the control cannot
// take the action.
void ApplyToForm(Form& form, const Action& action);

// Does Action to a file dialog: the file chosen, or nullopt when the action cancels the dialog (close, key Escape,
// answer Cancel). ActionError for any other action and for a name the dialog refuses.
std::optional<std::string> ApplyToFileDialog(const FileDialog& dialog, const Action& action);

} // namespace platform::forms
