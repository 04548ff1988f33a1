#include "platform/forms/Controls.h"

#include "platform/forms/Form.h"
#include "platform/forms/TextLayout.h"

#include <algorithm>

namespace platform::forms {

Label::Label(std::string name) : Control(ControlKind::Label, std::move(name)) {}

void Label::SetWordWrap(bool wordWrap) {
    wordWrap_ = wordWrap;
    TextChanged();
}

void Label::SetAutoSize(bool autoSize) {
    autoSize_ = autoSize;
    TextChanged();
}

std::vector<std::string> Label::ShownLines() const {
    return WrapText(GetFont(), StripAccelerators(Caption()), wordWrap_ ? Width() : 0);
}

void Label::TextChanged() {
    if (!autoSize_)
        return;
    const auto size = MeasureText(GetFont(), StripAccelerators(Caption()), wordWrap_ ? Width() : 0);
    SetBounds(Left(), Top(), wordWrap_ ? Width() : size.Width, size.Height);
}

Edit::Edit(std::string name) : Control(ControlKind::Edit, std::move(name)) {
    SetBackground(SystemColor::Window);
}

void Edit::SetText(std::string text) {
    if (text == text_)
        return;
    text_ = std::move(text);
    Fire(OnChange);
}

Button::Button(std::string name) : Control(ControlKind::Button, std::move(name)) {}

void Button::Click() {
    if (Form* form = ParentForm())
        form->SetModalResult(modalResult_);
    Control::Click();
}

CheckBox::CheckBox(std::string name) : CheckableControl(ControlKind::CheckBox, std::move(name)) {}

void CheckBox::SetChecked(bool checked) {
    if (ChangeState(checked))
        Fire(OnClick);
}

void CheckBox::Click() {
    SetChecked(!Checked());
}

RadioButton::RadioButton(std::string name) : CheckableControl(ControlKind::RadioButton, std::move(name)) {}

void RadioButton::SetChecked(bool checked) {
    if (!ChangeState(checked) || !checked)
        return;
    if (Parent())
        for (const auto& sibling : Parent()->Controls())
            if (sibling.get() != this && sibling->Kind() == ControlKind::RadioButton)
                static_cast<RadioButton&>(*sibling).SetChecked(false);
    Fire(OnClick);
}

void RadioButton::Click() {
    SetChecked(true);
}

Image::Image(std::string name) : Control(ControlKind::Image, std::move(name)) {}

Bevel::Bevel(std::string name) : Control(ControlKind::Bevel, std::move(name)) {}

TrackBar::TrackBar(std::string name) : Control(ControlKind::TrackBar, std::move(name)) {}

void TrackBar::SetRange(int min, int max) {
    min_ = min;
    max_ = std::max(min, max);
    SetPosition(position_);
}

void TrackBar::SetPosition(int position) {
    position = std::clamp(position, min_, max_);
    if (position == position_)
        return;
    position_ = position;
    Fire(OnChange);
}

} // namespace platform::forms
