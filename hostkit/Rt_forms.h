// The dialog bases of the kit. TFormWithHelp answers F1 and the caption's help button with topics of the
// library's help files, found through id maps that name controls. TServerDialog makes a form a guest of the host:
// owned by the host's main window, centred on the monitor the user works on, themed and restyled. The toolkit's
// message and file dialogs are centred on that monitor by the forms model itself (platform/forms).
#pragma once

#include "platform/forms/Form.h"
#include "platform/forms/Placement.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace hostkit {

using platform::forms::CenterOnActiveMonitor;

// A sorted name list with a help id per entry; names compare ignoring ASCII case.
class THelpIdList {
public:
    bool Empty() const { return entries_.empty(); }
    void Add(std::string name, std::int32_t id) { entries_.emplace_back(std::move(name), id); }
    // Sorts by name; among equal names the one added first is found.
    void Sort();
    // The id of Name in the sorted list, or nullopt.
    std::optional<std::int32_t> Find(std::string_view name) const;

private:
    std::vector<std::pair<std::string, std::int32_t>> entries_;
};

// Fills Ids and Topics from an id map file: one "Key=Id" or "Key=anything,Topic" per line. A redirection topic is
// appended to Topics and its entry stores the complement of its index (-1 for the first). Ids is sorted when not
// empty. A missing file loads nothing.
void LoadHelpIdMap(const std::string& idMapFile, THelpIdList& ids, std::vector<std::string>& topics);

// The help files of this library, in the folder "Help" of the host program's folder.
struct THelpFiles {
    std::string Folder;      // the help folder
    std::string LibraryName; // the library's file base name ("Snapscribe")
};
const THelpFiles& HelpFiles();
// Replaces the help files' location (the host program's folder and this library by default).
void SetHelpFiles(THelpFiles files);
std::string FormHelpFile();    // LibraryName.hlp
std::string ControlHelpFile(); // LibraryNamewth.hlp
std::string MasterHelpFile();  // ridadedira.zid

// The help id of Key, or of "Dlg_" + Prefix + "_" + Key when Prefix is not empty, in Ids (loaded with Topics from
// HelpFile's id map when empty). A redirected entry answers ResolveServerHelp of its topic, which may change
// HelpFile. 0 when there is none.
std::int32_t LookupHelpId(const std::string& key, const std::string& prefix, std::string& helpFile,
                          std::vector<std::string>& topics, THelpIdList& ids);

// The help id of Topic in the help file of the server that the host client names for it; HelpFile becomes that
// file. 0 without a client, a file, or an entry.
std::int32_t ResolveServerHelp(const std::string& topic, std::string& helpFile);

class TFormWithHelp : public platform::forms::Form {
public:
    TFormWithHelp(std::string name, std::string className);

    THelpIdList FormHelpIds;
    std::vector<std::string> FormHelpTopics;
    THelpIdList ControlHelpIds;
    std::vector<std::string> ControlHelpTopics;
    bool F1Pressed = false;
    bool HelpEnabled = true;

    // Answers F1 on Control: the topic of its help container, else of the dialog, else the master help popup.
    virtual void ShowContextHelp(platform::forms::Control& control);
    // The help id of Control (nullptr answers 0) in the form help file for a form, the control help file for any
    // other control; HelpFile is set to that file.
    std::int32_t GetHelpContext(platform::forms::Control* control, std::string& helpFile);
    // Answers the caption's help button on Window: a popup topic from the control help file at Mouse.
    void ShowPopupHelp(platform::forms::Control* window, platform::ScreenPoint mouse);

    void HelpRequest(const platform::forms::HelpInfo& info) override;

protected:
    bool ChildKey(platform::forms::Key key, platform::forms::Control& target) override;

private:
    platform::forms::Control* FindHelpContainer(platform::forms::Control* parent);
    std::int32_t PopupId(const platform::forms::Control& control, const platform::forms::Control& container,
                         const std::string& classKey, std::string& helpFile);
    void ShowHelpPopup(const std::string& file, std::int32_t id, platform::ScreenPoint at) const;
};

// The theme pack's engine of a dialog: which theme draws it.
struct TThemeEngine {
    int BrightnessOffset = 0;
    int HueOffset = 0;
    std::string Theme;         // "XP" from system version 5.1 on, "Luna" before
    bool NativeXPLook = false; // with the XP theme
};

// The theme pack's window frame of a dialog.
struct TThemeForm {
    bool Active = false;
    unsigned BorderIcons = 0; // the icons of the themed caption
    int MagneticDistance = 0; // snaps to screen edges within this distance
    bool Movable = false;
    bool Sizeable = false;
};

class TServerDialog : public TFormWithHelp {
public:
    TServerDialog(std::string name, std::string className);

    TThemeEngine ThemeEngine;
    TThemeForm ThemeForm;

    // The icons of the themed caption: close and help.
    virtual unsigned ThemeBorderIcons() const;
    // Restyles Component and everything on it: grey labels and check boxes, edit boxes by where they sit.
    void ApplyDialogStyle(platform::forms::Control& component);

protected:
    void CreateParams(platform::forms::WindowParams& params) const override;
    // Themes and restyles the form, then centres it on the monitor of the active window.
    void Loaded() override;
    void ControlInserted(platform::forms::Control& control) override;
    // The dialog shows where it stands: the toolkit's own placement is skipped.
    void PlaceForShow() override {}
    // An error in the show event goes to the application's error handler.
    void DoShow() override;
};

} // namespace hostkit
