// The open and save dialogs: a filter, a default extension and options; the driver plays the user.
#pragma once

#include "platform/Window.h"

#include <string>
#include <utility>
#include <vector>

namespace platform::forms {

enum FileDialogOption : unsigned {
    ofHideReadOnly = 1,  // no read-only box
    ofPathMustExist = 2, // the folder of the chosen file must exist
    ofFileMustExist = 4, // the chosen file must exist
};

class FileDialog {
public:
    enum class Kind { Open, Save };
    static constexpr int DesignedWidth = 563;
    static constexpr int DesignedHeight = 419;

    FileDialog(Kind kind, std::string name);
    Kind GetKind() const { return kind_; }
    const std::string& Name() const { return name_; }

    // "Description|pattern" pairs separated by "|": "Schematic files|*.sch".
    std::string Filter;
    // Appended, after a dot, to a chosen name that has no extension.
    std::string DefaultExt;
    // The file proposed when the dialog opens and, after Execute answered true, the file chosen.
    std::string FileName;
    std::string Title;
    unsigned Options = ofHideReadOnly;

    // The (description, pattern) pairs of Filter; a description without a pattern gets an empty one.
    std::vector<std::pair<std::string, std::string>> Filters() const;

    // What the dialog makes of a name the user typed: the full name it answers, or the reason it refuses it.
    struct Choice {
        std::string FileName;
        std::string Refusal; // empty when the name is taken
    };
    Choice Check(const std::string& typed) const;

    // Shows the dialog on the monitor of the active window and lets the driver work it: true when a file was
    // chosen, which is then in FileName; false leaves FileName alone.
    bool Execute();
    // Where the dialog appeared the last time it ran.
    const platform::Rect& Bounds() const { return bounds_; }

private:
    Kind kind_;
    std::string name_;
    platform::Rect bounds_;
};

class OpenDialog : public FileDialog {
public:
    explicit OpenDialog(std::string name) : FileDialog(Kind::Open, std::move(name)) {}
};

class SaveDialog : public FileDialog {
public:
    explicit SaveDialog(std::string name) : FileDialog(Kind::Save, std::move(name)) {}
};

} // namespace platform::forms
