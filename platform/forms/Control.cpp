#include "platform/forms/Control.h"

#include "platform/forms/Form.h"
#include "platform/forms/Names.h"

#include <stdexcept>

namespace platform::forms {

const char* KindName(ControlKind kind) {
    switch (kind) {
    case ControlKind::Form:
        return "form";
    case ControlKind::Label:
        return "label";
    case ControlKind::Edit:
        return "edit box";
    case ControlKind::Button:
        return "button";
    case ControlKind::RadioButton:
        return "radio button";
    case ControlKind::CheckBox:
        return "check box";
    case ControlKind::Image:
        return "picture";
    case ControlKind::Panel:
        return "panel";
    case ControlKind::Bevel:
        return "bevel";
    case ControlKind::Notebook:
        return "notebook";
    case ControlKind::NotebookPage:
        return "notebook page";
    case ControlKind::PageControl:
        return "page control";
    case ControlKind::TabSheet:
        return "tab sheet";
    case ControlKind::GroupBox:
        return "group box";
    case ControlKind::TrackBar:
        return "track bar";
    }
    return "control";
}

Control::Control(ControlKind kind, std::string name) : kind_(kind), name_(std::move(name)) {}

Control::~Control() = default;

Form* Control::ParentForm() const {
    const Control* c = this;
    while (c->parent_)
        c = c->parent_;
    return c->kind_ == ControlKind::Form ? static_cast<Form*>(const_cast<Control*>(c)) : nullptr;
}

void Control::Insert(std::unique_ptr<Control> child) {
    CheckChild(*child);
    Control& added = *child;
    added.parent_ = this;
    added.tabOrder_ = int(children_.size());
    children_.push_back(std::move(child));
    ChildAdded(added);
    added.TextChanged();
    if (Form* form = ParentForm(); form && form->IsLoaded())
        form->ControlInserted(added);
}

Control* Control::Find(std::string_view name) const {
    if (SameName(name_, name))
        return const_cast<Control*>(this);
    for (const auto& child : children_)
        if (Control* found = child->Find(name))
            return found;
    return nullptr;
}

void Control::SetBounds(int left, int top, int width, int height) {
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
}

platform::Rect Control::ScreenRect() const {
    int x = left_, y = top_;
    if (parent_) {
        const platform::Rect outer = parent_->ScreenRect();
        const platform::Rect client = parent_->ClientArea();
        x += outer.Left + client.Left;
        y += outer.Top + client.Top;
    }
    return {x, y, x + width_, y + height_};
}

void Control::SetCaption(std::string caption) {
    caption_ = std::move(caption);
    TextChanged();
}

const Font& Control::GetFont() const {
    return parentFont_ && parent_ ? parent_->GetFont() : font_;
}

void Control::SetFont(const Font& font) {
    font_ = font;
    parentFont_ = false;
    FontChanged();
}

void Control::FontChanged() {
    TextChanged();
    for (const auto& child : children_)
        if (child->parentFont_)
            child->FontChanged();
}

void Control::SetParentFont(bool parentFont) {
    if (!parentFont && parentFont_)
        font_ = GetFont();
    parentFont_ = parentFont;
    FontChanged();
}

bool Control::Reachable() const {
    for (const Control* c = this; c->kind_ != ControlKind::Form; c = c->parent_) {
        if (!c->visible_ || !c->parent_ || !c->parent_->ShowsChild(*c))
            return false;
    }
    return true;
}

bool Control::Usable() const {
    if (!Reachable())
        return false;
    for (const Control* c = this; c; c = c->parent_)
        if (!c->enabled_)
            return false;
    return true;
}

bool Control::Focused() const {
    const Form* form = ParentForm();
    return form && form->ActiveControl() == this;
}

void Control::SetFocus() {
    Form* form = ParentForm();
    if (!form)
        throw std::logic_error(std::string(KindName(kind_)) + " \"" + name_ + "\" is on no form");
    form->FocusControl(*this);
}

void Control::Click() {
    Fire(OnClick);
}

} // namespace platform::forms
