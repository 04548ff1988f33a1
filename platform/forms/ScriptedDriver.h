// The scripted driver: plays a list of user actions (Actions.h), one per line, against whatever shows modally.
// Nested dialogs take their actions from the same list, in order.
#pragma once

#include "platform/forms/Actions.h"
#include "platform/forms/Driver.h"

#include <deque>

namespace platform::forms {

// An action error located in the script: the text starts with the line number.
class ScriptError : public ActionError {
public:
    using ActionError::ActionError;
};

class ScriptedDriver : public Driver {
public:
    // Reads the whole script; ScriptError for the first line that cannot be read.
    explicit ScriptedDriver(std::string_view script);
    // The script in the file at Path; ScriptError when it cannot be read.
    static ScriptedDriver FromFile(const std::string& path);

    // Plays actions until Form has a modal result. ScriptError for an action that does not fit the form, or when
    // the script ends while the form still waits.
    void RunModal(Form& form) override;
    std::optional<std::string> RunFileDialog(const FileDialog& dialog) override;

    // The actions not played yet.
    std::size_t Remaining() const { return steps_.size(); }

private:
    struct Step {
        Action Act;
        int Line = 0;
    };
    Step Next(const std::string& waiting);

    std::deque<Step> steps_;
};

} // namespace platform::forms
