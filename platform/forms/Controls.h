// The leaf controls of the forms model: label, edit box, button, check box, radio button, picture, bevel and
// track bar.
#pragma once

#include "platform/Bitmap.h"
#include "platform/forms/Control.h"

namespace platform::forms {

// A caption. With AutoSize (the default) it takes the size of its text whenever text or font change; with
// WordWrap the text wraps into the label's width and only the height follows the text.
class Label : public Control {
public:
    explicit Label(std::string name);
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool wordWrap);
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool autoSize);
    // The lines the label shows, accelerators resolved and wrapped as drawn.
    std::vector<std::string> ShownLines() const;

protected:
    void TextChanged() override;

private:
    bool wordWrap_ = false;
    bool autoSize_ = true;
};

// A single-line edit box. Every change of its text fires OnChange, also one made by the program.
class Edit : public Control {
public:
    explicit Edit(std::string name);
    const std::string& Text() const { return text_; }
    void SetText(std::string text);
    // The colour of the box's frame.
    ControlColor FrameColor() const { return frameColor_; }
    void SetFrameColor(ControlColor color) { frameColor_ = color; }
    bool Focusable() const override { return true; }

    Event OnChange;

private:
    std::string text_;
    ControlColor frameColor_ = platform::Color{127, 157, 185};
};

// A push button. A click gives the form the button's modal result, then fires OnClick. Enter clicks the default
// button (when no other button has the focus), Escape the cancel button.
class Button : public Control {
public:
    explicit Button(std::string name);
    int GetModalResult() const { return modalResult_; }
    void SetModalResult(int result) { modalResult_ = result; }
    bool Default() const { return default_; }
    void SetDefault(bool isDefault) { default_ = isDefault; }
    bool Cancel() const { return cancel_; }
    void SetCancel(bool isCancel) { cancel_ = isCancel; }
    bool Focusable() const override { return true; }
    void Click() override;

private:
    int modalResult_ = 0;
    bool default_ = false;
    bool cancel_ = false;
};

// A control with a checked state.
class CheckableControl : public Control {
public:
    bool Checked() const { return checked_; }
    virtual void SetChecked(bool checked) = 0;
    bool Focusable() const override { return true; }

protected:
    using Control::Control;
    // Sets the state; true when it changed.
    bool ChangeState(bool checked) {
        const bool changed = checked != checked_;
        checked_ = checked;
        return changed;
    }

private:
    bool checked_ = false;
};

// A check box. Every change of its state fires OnClick, also one made by the program; a click toggles it.
class CheckBox : public CheckableControl {
public:
    explicit CheckBox(std::string name);
    void SetChecked(bool checked) override;
    void Click() override;
};

// A radio button; the radio buttons of one parent form a group of which at most one is checked. Checking one
// clears the others and fires its OnClick, also when the program checks it; a click checks it.
class RadioButton : public CheckableControl {
public:
    explicit RadioButton(std::string name);
    void SetChecked(bool checked) override;
    void Click() override;
};

// A picture showing a bitmap from its top left corner, cut to the control's size.
class Image : public Control {
public:
    explicit Image(std::string name);
    const platform::Bitmap& Picture() const { return picture_; }
    platform::Bitmap& Picture() { return picture_; }
    void SetPicture(platform::Bitmap picture) { picture_ = std::move(picture); }

private:
    platform::Bitmap picture_;
};

// A sunken or raised line or box that groups controls visually.
class Bevel : public Control {
public:
    enum class Shape { Box, Frame, TopLine, BottomLine, LeftLine, RightLine };
    enum class Style { Lowered, Raised };
    explicit Bevel(std::string name);
    Shape GetShape() const { return shape_; }
    void SetShape(Shape shape) { shape_ = shape; }
    Style GetStyle() const { return style_; }
    void SetStyle(Style style) { style_ = style; }

private:
    Shape shape_ = Shape::Box;
    Style style_ = Style::Lowered;
};

// A horizontal slider between Min and Max, with a tick mark every Frequency steps below it. Every change of its
// position fires OnChange.
class TrackBar : public Control {
public:
    explicit TrackBar(std::string name);
    int Min() const { return min_; }
    int Max() const { return max_; }
    // Max below Min is raised to Min; the position is kept inside the range.
    void SetRange(int min, int max);
    int Position() const { return position_; }
    // Kept inside the range.
    void SetPosition(int position);
    int Frequency() const { return frequency_; }
    void SetFrequency(int frequency) { frequency_ = frequency; }
    bool Focusable() const override { return true; }

    Event OnChange;

private:
    int min_ = 0;
    int max_ = 10;
    int position_ = 0;
    int frequency_ = 1;
};

} // namespace platform::forms
