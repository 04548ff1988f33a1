#include "platform/forms/ConsoleDriver.h"

#include "platform/forms/Actions.h"
#include "platform/forms/Form.h"
#include "platform/forms/FormText.h"

#include <istream>
#include <ostream>

namespace platform::forms {

std::optional<std::string> ConsoleDriver::ReadLine() {
    out_ << "> " << std::flush;
    std::string line;
    if (!std::getline(in_, line)) {
        out_ << "(end of input)\n";
        return std::nullopt;
    }
    return line;
}

void ConsoleDriver::RunModal(Form& form) {
    bool show = true;
    while (form.GetModalResult() == mrNone) {
        if (show)
            out_ << DescribeForm(form);
        show = false;
        const auto line = ReadLine();
        if (!line) {
            form.Close();
            return;
        }
        try {
            if (const auto action = ParseAction(*line)) {
                ApplyToForm(form, *action);
                show = true;
            }
        } catch (const ActionError& e) {
            out_ << "error: " << e.what() << "\n";
        }
    }
}

std::optional<std::string> ConsoleDriver::RunFileDialog(const FileDialog& dialog) {
    out_ << DescribeFileDialog(dialog);
    while (const auto line = ReadLine()) {
        try {
            if (const auto action = ParseAction(*line))
                return ApplyToFileDialog(dialog, *action);
        } catch (const ActionError& e) {
            out_ << "error: " << e.what() << "\n";
        }
    }
    return std::nullopt;
}

} // namespace platform::forms
