// A form: a top-level window of the forms model with its frame, caption, focus, keyboard handling, help requests
// and modal showing. ShowModal hands the form to the current driver (Driver.h), which plays the user's part.
#pragma once

#include "platform/forms/Control.h"

#include <cstdint>
#include <vector>

namespace platform::forms {

class Button;

// Modal results: 0 keeps a modal form showing, any other value ends it.
enum ModalResult : int {
    mrNone = 0,
    mrOk = 1,
    mrCancel = 2,
    mrAbort = 3,
    mrRetry = 4,
    mrIgnore = 5,
    mrYes = 6,
    mrNo = 7,
    mrAll = 8,
    mrNoToAll = 9,
    mrYesToAll = 10,
};

enum class BorderStyle { None, Single, Sizeable, Dialog, ToolWindow, SizeToolWindow };
enum class FormPosition { Designed, ScreenCenter };

// The icons of the caption bar, as a set of bits.
enum BorderIcon : unsigned { biSystemMenu = 1, biMinimize = 2, biMaximize = 4, biHelp = 8 };

// The keys the forms model answers itself.
enum class Key { Enter, Escape, F1, Tab };

// The window parameters a form is created with.
struct WindowParams {
    std::uint32_t Style = 0;
    std::uint32_t ExStyle = 0;
    WindowHandle WndParent = 0; // the owner window
};

constexpr std::uint32_t WS_POPUP = 0x80000000u;
constexpr std::uint32_t WS_CAPTION = 0x00C00000u;
constexpr std::uint32_t WS_SYSMENU = 0x00080000u;
constexpr std::uint32_t WS_THICKFRAME = 0x00040000u;
constexpr std::uint32_t DS_MODALFRAME = 0x00000080u;
constexpr std::uint32_t WS_EX_DLGMODALFRAME = 0x00000001u;
constexpr std::uint32_t WS_EX_CONTEXTHELP = 0x00000400u;

// The system's help request for a control (the help message 0x0053).
struct HelpInfo {
    enum Type { Window = 1, Menu = 2 };
    Type ContextType = Window;
    Control* Target = nullptr;   // the control the request is for
    platform::ScreenPoint Mouse; // where the mouse was
};

class Form : public Control {
public:
    // ClassName is the form's class as the system names it ("TWizard"): context help derives keys from it.
    explicit Form(std::string name, std::string className = "TForm");
    ~Form() override;

    const std::string& ClassName() const { return className_; }

    int ClientWidth() const;
    int ClientHeight() const;
    void SetClientSize(int width, int height);
    platform::Rect ClientArea() const override;
    // The client area's top left on the screen.
    platform::ScreenPoint ClientOrigin() const;

    BorderStyle GetBorderStyle() const { return borderStyle_; }
    // Keeps the client size; the window grows or shrinks by the frame.
    void SetBorderStyle(BorderStyle style);
    unsigned BorderIcons() const { return borderIcons_; }
    void SetBorderIcons(unsigned icons) { borderIcons_ = icons; }
    FormPosition Position() const { return position_; }
    void SetPosition(FormPosition position) { position_ = position; }

    // The window parameters: CreateParams of the most derived form.
    WindowParams Params() const;

    // Help for the form and its controls: the context of the form and the file that Application's help uses.
    const std::string& HelpFile() const { return helpFile_; }
    void SetHelpFile(std::string file) { helpFile_ = std::move(file); }

    // Completes the building of the form once: runs Loaded. ShowModal calls it; a form built in its constructor
    // may call it there. Controls added afterwards are announced through ControlInserted.
    void Load();
    bool IsLoaded() const { return loaded_; }

    // Shows the form until it has a modal result, which it answers. The current driver plays the user.
    int ShowModal();
    bool IsShowingModal() const { return showingModal_; }
    int GetModalResult() const { return modalResult_; }
    void SetModalResult(int result) { modalResult_ = result; }
    // The window's close box: ends a modal showing with mrCancel.
    void Close() { modalResult_ = mrCancel; }

    // The focused control, or nullptr.
    Control* ActiveControl() const { return active_; }
    // Moves the focus; the control losing it fires OnExit first. Before the form shows this only names the
    // control that gets the focus first. An error when Control cannot take the focus.
    void FocusControl(Control& control);
    // The controls the Tab key visits, in order.
    std::vector<Control*> TabSequence() const;

    // A key pressed while the form is active: Enter clicks the focused button or else the default button,
    // Escape the cancel button, Tab moves the focus on; F1 offers the key to ChildKey and then sends the system's
    // help request for the focused control.
    void PressKey(Key key);
    // The system's help request (also the caption's help button followed by a click on a control).
    virtual void HelpRequest(const HelpInfo& info);

    // The message dialogs of the model (Form.h's users can tell them from ordinary forms).
    bool IsMessageForm() const { return messageForm_; }
    void SetMessageForm(bool messageForm) { messageForm_ = messageForm; }

    Event OnShow;

protected:
    friend class Control;

    virtual void CreateParams(WindowParams& params) const;
    // The form has been built.
    virtual void Loaded() {}
    // A control was added to the form after it had been loaded.
    virtual void ControlInserted(Control&) {}
    // The toolkit's own placement when the form is shown: centred on the primary monitor for ScreenCenter.
    virtual void PlaceForShow();
    // Runs OnShow.
    virtual void DoShow();
    // A key pressed in Target before the form's own handling; true when it was handled.
    virtual bool ChildKey(Key key, Control& target);

private:
    Button* FindButton(bool cancel) const;
    void FocusFirstControl();

    std::string className_;
    BorderStyle borderStyle_ = BorderStyle::Sizeable;
    unsigned borderIcons_ = biSystemMenu | biMinimize | biMaximize;
    FormPosition position_ = FormPosition::Designed;
    std::string helpFile_;
    bool loaded_ = false;
    bool showingModal_ = false;
    bool messageForm_ = false;
    int modalResult_ = mrNone;
    Control* active_ = nullptr;
};

} // namespace platform::forms
