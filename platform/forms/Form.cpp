#include "platform/forms/Form.h"

#include "platform/Application.h"
#include "platform/Screen.h"
#include "platform/forms/Application.h"
#include "platform/forms/Controls.h"
#include "platform/forms/Driver.h"

#include <algorithm>
#include <stdexcept>

namespace platform::forms {

namespace {

struct Frame {
    int Border = 0;  // each side
    int Caption = 0; // the caption bar
};

Frame FrameOf(BorderStyle style) {
    switch (style) {
    case BorderStyle::None:
        return {0, 0};
    case BorderStyle::Single:
    case BorderStyle::Dialog:
        return {3, 19};
    case BorderStyle::Sizeable:
        return {4, 19};
    case BorderStyle::ToolWindow:
        return {3, 15};
    case BorderStyle::SizeToolWindow:
        return {4, 15};
    }
    return {};
}

void CollectTabStops(const Control& parent, std::vector<Control*>& out) {
    std::vector<Control*> children;
    for (const auto& child : parent.Controls())
        children.push_back(child.get());
    std::stable_sort(children.begin(), children.end(),
                     [](const Control* a, const Control* b) { return a->TabOrder() < b->TabOrder(); });
    for (Control* child : children) {
        if (child->Focusable() && child->TabStop() && child->Usable())
            out.push_back(child);
        CollectTabStops(*child, out);
    }
}

Button* FindFlaggedButton(const Control& parent, bool cancel) {
    for (const auto& child : parent.Controls()) {
        if (child->Kind() == ControlKind::Button && child->Usable()) {
            auto& button = static_cast<Button&>(*child);
            if (cancel ? button.Cancel() : button.Default())
                return &button;
        }
        if (Button* found = FindFlaggedButton(*child, cancel))
            return found;
    }
    return nullptr;
}

} // namespace

Form::Form(std::string name, std::string className)
    : Control(ControlKind::Form, std::move(name)), className_(std::move(className)) {
    SetParentFont(false);
    SetVisible(false);
}

Form::~Form() = default;

int Form::ClientWidth() const {
    return Width() - 2 * FrameOf(borderStyle_).Border;
}

int Form::ClientHeight() const {
    const Frame f = FrameOf(borderStyle_);
    return Height() - 2 * f.Border - f.Caption;
}

void Form::SetClientSize(int width, int height) {
    const Frame f = FrameOf(borderStyle_);
    SetBounds(Left(), Top(), width + 2 * f.Border, height + 2 * f.Border + f.Caption);
}

platform::Rect Form::ClientArea() const {
    const Frame f = FrameOf(borderStyle_);
    return {f.Border, f.Border + f.Caption, Width() - f.Border, Height() - f.Border};
}

platform::ScreenPoint Form::ClientOrigin() const {
    const platform::Rect client = ClientArea();
    return {Left() + client.Left, Top() + client.Top};
}

void Form::SetBorderStyle(BorderStyle style) {
    const int width = ClientWidth(), height = ClientHeight();
    borderStyle_ = style;
    SetClientSize(width, height);
}

WindowParams Form::Params() const {
    WindowParams params;
    CreateParams(params);
    return params;
}

void Form::CreateParams(WindowParams& params) const {
    params.Style = WS_POPUP;
    if (borderStyle_ != BorderStyle::None)
        params.Style |= WS_CAPTION;
    if (borderIcons_ & biSystemMenu)
        params.Style |= WS_SYSMENU;
    if (borderStyle_ == BorderStyle::Sizeable || borderStyle_ == BorderStyle::SizeToolWindow)
        params.Style |= WS_THICKFRAME;
    if (borderStyle_ == BorderStyle::Dialog) {
        params.Style |= DS_MODALFRAME;
        params.ExStyle |= WS_EX_DLGMODALFRAME;
    }
    if (borderIcons_ & biHelp)
        params.ExStyle |= WS_EX_CONTEXTHELP;
    params.WndParent = platform::ApplicationWindow();
}

void Form::Load() {
    if (loaded_)
        return;
    Loaded();
    loaded_ = true;
}

int Form::ShowModal() {
    if (showingModal_)
        throw std::logic_error("form \"" + Name() + "\" is already showing");
    Load();
    modalResult_ = mrNone;
    PlaceForShow();
    struct Showing {
        Form& form;
        explicit Showing(Form& f) : form(f) {
            form.showingModal_ = true;
            form.SetVisible(true);
        }
        ~Showing() {
            form.showingModal_ = false;
            form.SetVisible(false);
        }
    } showing(*this);
    DoShow();
    FocusFirstControl();
    if (modalResult_ == mrNone)
        CurrentDriver().RunModal(*this);
    return modalResult_;
}

void Form::PlaceForShow() {
    if (position_ == FormPosition::ScreenCenter)
        SetBounds((platform::ScreenWidth() - Width()) / 2, (platform::ScreenHeight() - Height()) / 2, Width(),
                  Height());
}

void Form::DoShow() {
    Fire(OnShow);
}

void Form::FocusFirstControl() {
    if (active_ && active_->Usable() && active_->Focusable())
        return;
    const auto sequence = TabSequence();
    active_ = sequence.empty() ? nullptr : sequence.front();
}

void Form::FocusControl(Control& control) {
    if (control.ParentForm() != this || !control.Focusable() || (showingModal_ && !control.Usable()))
        throw std::logic_error(std::string("cannot focus ") + KindName(control.Kind()) + " \"" + control.Name() +
                               "\" on form \"" + Name() + "\"");
    if (active_ == &control)
        return;
    Control* losing = active_;
    active_ = &control;
    if (losing && showingModal_)
        Fire(losing->OnExit);
}

std::vector<Control*> Form::TabSequence() const {
    std::vector<Control*> sequence;
    CollectTabStops(*this, sequence);
    return sequence;
}

Button* Form::FindButton(bool cancel) const {
    return FindFlaggedButton(*this, cancel);
}

bool Form::ChildKey(Key, Control&) {
    return false;
}

void Form::PressKey(Key key) {
    Control& target = active_ ? *active_ : *this;
    const bool handled = ChildKey(key, target);
    if (key == Key::F1) {
        // The system follows every F1 press with its own help request, handled or not.
        const platform::Rect r = target.ScreenRect();
        HelpRequest({HelpInfo::Window, &target, {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2}});
        return;
    }
    if (handled)
        return;
    switch (key) {
    case Key::Enter:
        if (active_ && active_->Kind() == ControlKind::Button)
            active_->Click();
        else if (Button* button = FindButton(false))
            button->Click();
        break;
    case Key::Escape:
        if (Button* button = FindButton(true))
            button->Click();
        break;
    case Key::Tab: {
        const auto sequence = TabSequence();
        if (sequence.empty())
            break;
        auto at = std::find(sequence.begin(), sequence.end(), active_);
        FocusControl(at == sequence.end() || at + 1 == sequence.end() ? *sequence.front() : **(at + 1));
        break;
    }
    case Key::F1:
        break;
    }
}

void Form::HelpRequest(const HelpInfo& info) {
    for (const Control* c = info.Target; c; c = c->Parent())
        if (c->HelpContext() != 0) {
            ShowHelpContext(c->HelpContext(), helpFile_);
            return;
        }
}

} // namespace platform::forms
