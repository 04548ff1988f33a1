// What the commands that run a plug-in share: finding the plug-in built with this program, the per-user folder
// chosen on the command line, and a dialog script handed to the plug-in's dialogs.
#pragma once

#include "hostsim/host/Host.h"

#include <filesystem>
#include <optional>
#include <string>

namespace hostsim {

// The plug-in library FileName ("libWirewright.so") beside the program or in the build tree's Area folder
// ("router"); Explicit when the user named one. JobError when there is none.
std::filesystem::path FindPlugin(const Host& host, const std::string& fileName, const std::string& area,
                                 const std::string& explicitFile);

// Points the host and the plug-ins at Folder as the per-user data folder (created when missing); nothing when Folder
// is empty. InputError when it cannot be used.
void UseUserDataFolder(const std::string& folder);

// Makes the plug-ins' dialogs play Script (the path of a dialog script), or the terminal when there is none.
void PlayDialogsFrom(const std::optional<std::string>& script);

// A dialog script in the temporary folder, removed with this object.
class TemporaryDialogScript {
public:
    explicit TemporaryDialogScript(const std::string& text);
    ~TemporaryDialogScript();
    TemporaryDialogScript(const TemporaryDialogScript&) = delete;
    TemporaryDialogScript& operator=(const TemporaryDialogScript&) = delete;
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

} // namespace hostsim
