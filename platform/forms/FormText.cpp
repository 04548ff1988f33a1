#include "platform/forms/FormText.h"

#include "platform/forms/Containers.h"
#include "platform/forms/Controls.h"
#include "platform/forms/FileDialog.h"
#include "platform/forms/Form.h"
#include "platform/forms/TextLayout.h"

#include <sstream>

namespace platform::forms {

namespace {

std::string Shown(const std::string& caption) {
    std::string text = StripAccelerators(caption);
    for (char& c : text)
        if (c == '\r' || c == '\n')
            c = ' ';
    return text;
}

std::string States(const Control& control) {
    std::string states;
    auto add = [&states](const char* state) {
        states += states.empty() ? std::string(" (") + state : std::string(", ") + state;
    };
    if (control.Kind() == ControlKind::Button) {
        const auto& button = static_cast<const Button&>(control);
        if (button.Default())
            add("default");
        if (button.Cancel())
            add("cancel");
    }
    if (control.Focused())
        add("focused");
    if (!control.Usable())
        add("disabled");
    return states.empty() ? states : states + ")";
}

// The control's own line; empty for the kinds that only hold or decorate others.
std::string ControlLine(const Control& control) {
    const std::string name = control.Name();
    switch (control.Kind()) {
    case ControlKind::Label:
        return "label " + name + ": " + Shown(control.Caption());
    case ControlKind::Edit:
        return "edit " + name + ": [" + static_cast<const Edit&>(control).Text() + "]";
    case ControlKind::Button:
        return "button " + name + ": " + Shown(control.Caption());
    case ControlKind::CheckBox:
        return std::string(static_cast<const CheckBox&>(control).Checked() ? "[x] " : "[ ] ") + name + ": " +
               Shown(control.Caption());
    case ControlKind::RadioButton:
        return std::string(static_cast<const RadioButton&>(control).Checked() ? "(*) " : "( ) ") + name + ": " +
               Shown(control.Caption());
    case ControlKind::TrackBar: {
        const auto& bar = static_cast<const TrackBar&>(control);
        return "track bar " + name + ": " + std::to_string(bar.Position()) + " (" + std::to_string(bar.Min()) + " to " +
               std::to_string(bar.Max()) + ")";
    }
    case ControlKind::GroupBox:
        return "group " + name + (control.Caption().empty() ? "" : ": " + Shown(control.Caption()));
    case ControlKind::Notebook:
        return "notebook " + name + ", page " + std::string(static_cast<const Notebook&>(control).ActivePage());
    case ControlKind::PageControl: {
        const auto& pages = static_cast<const PageControl&>(control);
        std::string tabs;
        for (int i = 0; i < pages.SheetCount(); ++i) {
            const TabSheet& sheet = pages.Sheet(i);
            const bool active = &sheet == pages.ActivePage();
            tabs += std::string(active ? " [" : " ") + Shown(sheet.Caption()) + (active ? "]" : "");
        }
        return "page control " + name + ", tabs:" + tabs;
    }
    case ControlKind::Panel:
        return control.Caption().empty() ? "" : "panel " + name + ": " + Shown(control.Caption());
    case ControlKind::Form:
    case ControlKind::Image:
    case ControlKind::Bevel:
    case ControlKind::NotebookPage:
    case ControlKind::TabSheet:
        break;
    }
    return {};
}

void DescribeChildren(const Control& parent, int depth, std::ostringstream& out) {
    for (const auto& child : parent.Controls()) {
        if (!child->Reachable())
            continue;
        const std::string line = ControlLine(*child);
        if (!line.empty())
            out << std::string(2 * depth, ' ') << line << States(*child) << "\n";
        DescribeChildren(*child, line.empty() ? depth : depth + 1, out);
    }
}

} // namespace

std::string DescribeForm(const Form& form) {
    std::ostringstream out;
    out << "--- " << form.Caption() << " [" << form.Name() << (form.IsMessageForm() ? ", message box" : "")
        << "] ---\n";
    DescribeChildren(form, 1, out);
    if (form.IsMessageForm())
        out << "actions: answer BUTTON, key Enter|Escape|F1, close\n";
    else
        out << "actions: set NAME TEXT, click NAME, check NAME on|off, track NAME N, key Enter|Escape|F1|Tab, "
               "help NAME, close\n";
    return out.str();
}

std::string DescribeFileDialog(const FileDialog& dialog) {
    std::ostringstream out;
    const bool open = dialog.GetKind() == FileDialog::Kind::Open;
    out << "--- " << (dialog.Title.empty() ? open ? "Open" : "Save As" : dialog.Title) << " [" << dialog.Name()
        << ", file dialog] ---\n";
    for (const auto& [description, pattern] : dialog.Filters())
        out << "  files: " << description << " (" << pattern << ")\n";
    if (!dialog.DefaultExt.empty())
        out << "  default extension: " << dialog.DefaultExt << "\n";
    if (dialog.Options & ofFileMustExist)
        out << "  the file must exist\n";
    else if (dialog.Options & ofPathMustExist)
        out << "  its folder must exist\n";
    if (!dialog.FileName.empty())
        out << "  proposed: " << dialog.FileName << "\n";
    out << "actions: choose PATH, close\n";
    return out.str();
}

} // namespace platform::forms
