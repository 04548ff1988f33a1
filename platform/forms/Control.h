// The base of every control of the forms model: a named node of a form's control tree with its geometry,
// caption, font, visibility, enabled state, tab order and the events every control has.
#pragma once

#include "platform/Window.h"
#include "platform/forms/Font.h"

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace platform::forms {

class Form;

// A handler of a control's event (click, change, exit, show).
using Event = std::function<void()>;

// Runs a handler when one is bound.
inline void Fire(const Event& event) {
    if (event)
        event();
}

enum class ControlKind {
    Form,
    Label,
    Edit,
    Button,
    RadioButton,
    CheckBox,
    Image,
    Panel,
    Bevel,
    Notebook,
    NotebookPage,
    PageControl,
    TabSheet,
    GroupBox,
    TrackBar,
};

// The kind as the user reads it in messages: "button", "check box".
const char* KindName(ControlKind kind);

class Control {
public:
    Control(ControlKind kind, std::string name);
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;
    virtual ~Control();

    ControlKind Kind() const { return kind_; }
    const std::string& Name() const { return name_; }
    Control* Parent() const { return parent_; }
    // The form the control sits on (the form itself for a form); nullptr while it is on none.
    Form* ParentForm() const;

    // Child controls in the order they were added; each belongs to this control.
    const std::vector<std::unique_ptr<Control>>& Controls() const { return children_; }
    // Creates a child control of type T, named Name, and answers it.
    template <typename T, typename... Args> T& Add(std::string name, Args&&... args) {
        auto child = std::make_unique<T>(std::move(name), std::forward<Args>(args)...);
        T& added = *child;
        Insert(std::move(child));
        return added;
    }
    // This control or the first descendant of that name (names ignore ASCII case), or nullptr.
    Control* Find(std::string_view name) const;

    // Geometry in pixels, relative to the parent's client area; a form's is its window on the screen.
    int Left() const { return left_; }
    int Top() const { return top_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    virtual void SetBounds(int left, int top, int width, int height);
    void SetLeft(int left) { SetBounds(left, top_, width_, height_); }
    void SetTop(int top) { SetBounds(left_, top, width_, height_); }
    void SetWidth(int width) { SetBounds(left_, top_, width, height_); }
    void SetHeight(int height) { SetBounds(left_, top_, width_, height); }
    // Where the children sit, in this control's own coordinates: the whole control unless a kind has a frame.
    virtual platform::Rect ClientArea() const { return {0, 0, width_, height_}; }
    // The control's rectangle on the screen.
    platform::Rect ScreenRect() const;

    const std::string& Caption() const { return caption_; }
    virtual void SetCaption(std::string caption);

    // The font the control draws with: its own, or its parent's while ParentFont is set (the default).
    const Font& GetFont() const;
    void SetFont(const Font& font);
    bool ParentFont() const { return parentFont_; }
    void SetParentFont(bool parentFont);

    ControlColor Background() const { return background_; }
    void SetBackground(ControlColor color) { background_ = color; }

    bool Visible() const { return visible_; }
    void SetVisible(bool visible) { visible_ = visible; }
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled) { enabled_ = enabled; }
    // Visible on its form: this control and every parent up to the form visible, and on the shown page of every
    // notebook and page control on the way.
    bool Reachable() const;
    // Reachable and enabled along the same way: a user can work it.
    bool Usable() const;

    // Among its siblings, controls take the focus in increasing tab order (ties in the order they were added).
    int TabOrder() const { return tabOrder_; }
    void SetTabOrder(int order) { tabOrder_ = order; }
    bool TabStop() const { return tabStop_; }
    void SetTabStop(bool tabStop) { tabStop_ = tabStop; }
    // True for the kinds that take the keyboard focus.
    virtual bool Focusable() const { return false; }
    bool Focused() const;
    // Moves the focus of the form to this control; an error when the control cannot take it.
    void SetFocus();

    int HelpContext() const { return helpContext_; }
    void SetHelpContext(int context) { helpContext_ = context; }

    Event OnClick;
    // Fired when the control loses the focus to another control of its form.
    Event OnExit;

    // What a user's click does to this kind of control; the base fires OnClick.
    virtual void Click();

protected:
    // False for a child that its container does not show now (a notebook's other pages).
    virtual bool ShowsChild(const Control&) const { return true; }
    // Refuses (throws for) a child this kind cannot hold, before it is added.
    virtual void CheckChild(const Control&) const {}
    // A child was added (the child is already in Controls()).
    virtual void ChildAdded(Control&) {}
    // Caption or font changed: kinds that size themselves to their text re-measure.
    virtual void TextChanged() {}

private:
    void Insert(std::unique_ptr<Control> child);
    void FontChanged();

    ControlKind kind_;
    std::string name_;
    Control* parent_ = nullptr;
    std::vector<std::unique_ptr<Control>> children_;
    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    std::string caption_;
    Font font_;
    bool parentFont_ = true;
    ControlColor background_ = SystemColor::ButtonFace;
    bool visible_ = true;
    bool enabled_ = true;
    int tabOrder_ = 0;
    bool tabStop_ = true;
    int helpContext_ = 0;
};

// Sets a control's bounds and answers it, so that a control is added and placed in one expression.
template <typename T> T& Place(T& control, int left, int top, int width, int height) {
    control.SetBounds(left, top, width, height);
    return control;
}

} // namespace platform::forms
