#include "platform/forms/ScriptedDriver.h"

#include "platform/Files.h"
#include "platform/forms/FileDialog.h"
#include "platform/forms/Form.h"

namespace platform::forms {

namespace {

ScriptError AtLine(int line, const std::string& what) {
    return ScriptError("line " + std::to_string(line) + ": " + what);
}

} // namespace

ScriptedDriver::ScriptedDriver(std::string_view script) {
    int line = 0;
    std::size_t start = 0;
    while (start < script.size()) {
        const std::size_t end = std::min(script.find('\n', start), script.size());
        ++line;
        try {
            if (auto action = ParseAction(script.substr(start, end - start)))
                steps_.push_back({std::move(*action), line});
        } catch (const ActionError& e) {
            throw AtLine(line, e.what());
        }
        start = end + 1;
    }
}

ScriptedDriver ScriptedDriver::FromFile(const std::string& path) {
    std::string text;
    if (!platform::ReadWholeFile(path, text))
        throw ScriptError("cannot read the dialog script " + path);
    try {
        return ScriptedDriver(text);
    } catch (const ScriptError& e) {
        throw ScriptError(path + ": " + e.what());
    }
}

ScriptedDriver::Step ScriptedDriver::Next(const std::string& waiting) {
    if (steps_.empty())
        throw ScriptError("the dialog script ended while " + waiting + " was waiting for the user");
    Step step = std::move(steps_.front());
    steps_.pop_front();
    return step;
}

void ScriptedDriver::RunModal(Form& form) {
    while (form.GetModalResult() == mrNone) {
        const Step step = Next("form \"" + form.Name() + "\" (" + form.Caption() + ")");
        try {
            ApplyToForm(form, step.Act);
        } catch (const ScriptError&) {
            throw; // from a dialog nested in this action
        } catch (const ActionError& e) {
            throw AtLine(step.Line, e.what());
        }
    }
}

std::optional<std::string> ScriptedDriver::RunFileDialog(const FileDialog& dialog) {
    const Step step = Next("the file dialog \"" + dialog.Name() + "\"");
    try {
        return ApplyToFileDialog(dialog, step.Act);
    } catch (const ActionError& e) {
        throw AtLine(step.Line, e.what());
    }
}

} // namespace platform::forms
