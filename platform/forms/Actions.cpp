#include "platform/forms/Actions.h"

#include "platform/forms/Controls.h"
#include "platform/forms/FileDialog.h"
#include "platform/forms/Form.h"
#include "platform/forms/Names.h"

#include <charconv>

namespace platform::forms {

namespace {

// Splits the first blank-separated word off Rest.
std::string_view TakeWord(std::string_view& rest) {
    const std::size_t start = std::min(rest.find_first_not_of(' '), rest.size());
    const std::size_t end = std::min(rest.find(' ', start), rest.size());
    std::string_view word = rest.substr(start, end - start);
    rest.remove_prefix(end);
    return word;
}

struct VerbName {
    const char* Name;
    Action::Verb Verb;
    int Operands; // words after the verb; -1: a name, then the rest of the line
};

constexpr VerbName Verbs[] = {
    {"set", Action::Verb::Set, -1},    {"click", Action::Verb::Click, 1},   {"check", Action::Verb::Check, 2},
    {"track", Action::Verb::Track, 2}, {"key", Action::Verb::Key, 1},       {"answer", Action::Verb::Answer, 1},
    {"help", Action::Verb::Help, 1},   {"choose", Action::Verb::Choose, 0}, {"close", Action::Verb::Close, 0},
};

std::optional<Key> KeyNamed(std::string_view name) {
    constexpr std::pair<const char*, Key> keys[] = {
        {"Enter", Key::Enter}, {"Escape", Key::Escape}, {"F1", Key::F1}, {"Tab", Key::Tab}};
    for (const auto& [keyName, key] : keys)
        if (SameName(name, keyName))
            return key;
    return std::nullopt;
}

std::optional<int> ReadInteger(std::string_view text) {
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

[[noreturn]] void Fail(const Action& action, const std::string& why) {
    throw ActionError(action.Text + ": " + why);
}

std::string Describe(const Control& control) {
    return std::string(KindName(control.Kind())) + " \"" + control.Name() + "\"";
}

void CheckOperands(const Action& action) {
    switch (action.Kind) {
    case Action::Verb::Check:
        if (!SameName(action.Argument, "on") && !SameName(action.Argument, "off"))
            Fail(action, "expected on or off");
        break;
    case Action::Verb::Track:
        if (!ReadInteger(action.Argument))
            Fail(action, "expected a whole number for the position");
        break;
    case Action::Verb::Key:
        if (!KeyNamed(action.Target))
            Fail(action, "expected Enter, Escape, F1 or Tab");
        break;
    case Action::Verb::Choose:
        if (action.Argument.empty())
            Fail(action, "expected a file name");
        break;
    default:
        break;
    }
}

// The control an action names, usable by the user and of one of the kinds the action works on.
Control& Target(Form& form, const Action& action, std::initializer_list<ControlKind> kinds) {
    Control* control = form.Find(action.Target);
    if (!control || control == &form)
        Fail(action, "form \"" + form.Name() + "\" has no control \"" + action.Target + "\"");
    bool fits = false;
    for (ControlKind kind : kinds)
        fits = fits || control->Kind() == kind;
    if (!fits)
        Fail(action, "the " + Describe(*control) + " cannot take this action");
    if (!control->Reachable())
        Fail(action, "the " + Describe(*control) + " is not visible");
    if (!control->Usable())
        Fail(action, "the " + Describe(*control) + " is disabled");
    return *control;
}

void Focus(Form& form, Control& control) {
    if (control.Focusable())
        form.FocusControl(control);
}

} // namespace

std::optional<Action> ParseAction(std::string_view line) {
    while (!line.empty() && (line.back() == '\r' || line.back() == '\n'))
        line.remove_suffix(1);
    std::string_view rest = line;
    const std::string_view verb = TakeWord(rest);
    if (verb.empty() || verb.front() == '#')
        return std::nullopt;
    Action action;
    const std::string_view written = line.substr(line.find_first_not_of(' '));
    action.Text = std::string(written.substr(0, written.find_last_not_of(' ') + 1));
    const VerbName* known = nullptr;
    for (const VerbName& v : Verbs)
        if (SameName(verb, v.Name))
            known = &v;
    if (!known)
        Fail(action, "unknown action \"" + std::string(verb) +
                         "\" (expected set, click, check, track, key, answer, help, choose or close)");
    action.Kind = known->Verb;
    if (known->Operands != 0)
        action.Target = std::string(TakeWord(rest));
    if (known->Operands == 2)
        action.Argument = std::string(TakeWord(rest));
    if (known->Operands != 0 && action.Target.empty())
        Fail(action, "expected a name after \"" + std::string(verb) + "\"");
    if (known->Operands == -1 || known->Verb == Action::Verb::Choose) {
        // The text runs to the end of the line: one blank separates it from the name or the verb.
        if (!rest.empty())
            rest.remove_prefix(1);
        action.Argument = std::string(rest);
        if (known->Verb == Action::Verb::Choose) {
            const std::size_t start = action.Argument.find_first_not_of(' ');
            action.Argument = start == std::string::npos ? std::string() : action.Argument.substr(start);
        }
    } else if (rest.find_first_not_of(' ') != std::string_view::npos) {
        Fail(action, "unexpected text after the action");
    }
    CheckOperands(action);
    return action;
}

void ApplyToForm(Form& form, const Action& action) {
    switch (action.Kind) {
    case Action::Verb::Set: {
        auto& edit = static_cast<Edit&>(Target(form, action, {ControlKind::Edit}));
        Focus(form, edit);
        edit.SetText(action.Argument);
        return;
    }
    case Action::Verb::Click: {
        Control& control = Target(form, action, {ControlKind::Button, ControlKind::CheckBox, ControlKind::RadioButton});
        Focus(form, control);
        control.Click();
        return;
    }
    case Action::Verb::Check: {
        Control& control = Target(form, action, {ControlKind::CheckBox, ControlKind::RadioButton});
        const bool on = SameName(action.Argument, "on");
        if (control.Kind() == ControlKind::RadioButton && !on)
            Fail(action, "the " + Describe(control) + " can only be checked on (check another one of its group)");
        Focus(form, control);
        static_cast<CheckableControl&>(control).SetChecked(on);
        return;
    }
    case Action::Verb::Track: {
        auto& bar = static_cast<TrackBar&>(Target(form, action, {ControlKind::TrackBar}));
        const int position = *ReadInteger(action.Argument);
        if (position < bar.Min() || position > bar.Max())
            Fail(action, "the " + Describe(bar) + " goes from " + std::to_string(bar.Min()) + " to " +
                             std::to_string(bar.Max()));
        Focus(form, bar);
        bar.SetPosition(position);
        return;
    }
    case Action::Verb::Key:
        form.PressKey(*KeyNamed(action.Target));
        return;
    case Action::Verb::Answer: {
        if (!form.IsMessageForm())
            Fail(action, "form \"" + form.Name() + "\" is not a message box");
        Control& button = Target(form, action, {ControlKind::Button});
        button.Click();
        return;
    }
    case Action::Verb::Help: {
        Control* control = form.Find(action.Target);
        if (!control)
            Fail(action, "form \"" + form.Name() + "\" has no control \"" + action.Target + "\"");
        if (!control->Reachable())
            Fail(action, "the " + Describe(*control) + " is not visible");
        const platform::Rect r = control->ScreenRect();
        form.HelpRequest({HelpInfo::Window, control, {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2}});
        return;
    }
    case Action::Verb::Choose:
        Fail(action, "form \"" + form.Name() + "\" is not a file dialog");
    case Action::Verb::Close:
        form.Close();
        return;
    }
}

std::optional<std::string> ApplyToFileDialog(const FileDialog& dialog, const Action& action) {
    const bool cancels = action.Kind == Action::Verb::Close ||
                         (action.Kind == Action::Verb::Key && SameName(action.Target, "Escape")) ||
                         (action.Kind == Action::Verb::Answer && SameName(action.Target, "Cancel"));
    if (cancels)
        return std::nullopt;
    if (action.Kind != Action::Verb::Choose)
        Fail(action,
             "the file dialog \"" + dialog.Name() + "\" takes only choose PATH, close, key Escape or answer Cancel");
    const FileDialog::Choice choice = dialog.Check(action.Argument);
    if (!choice.Refusal.empty())
        Fail(action, "the file dialog \"" + dialog.Name() + "\" refuses it: " + choice.Refusal);
    return choice.FileName;
}

} // namespace platform::forms
