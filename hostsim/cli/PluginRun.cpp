#include "hostsim/cli/PluginRun.h"

#include "hostsim/cli/CommandLine.h"
#include "platform/Environment.h"
#include "platform/Folders.h"
#include "platform/forms/Driver.h"

#include <fstream>
#include <random>

namespace hostsim {

namespace fs = std::filesystem;

fs::path FindPlugin(const Host& host, const std::string& fileName, const std::string& area,
                    const std::string& explicitFile) {
    if (!explicitFile.empty())
        return fs::absolute(explicitFile);
    const fs::path program = host.programFolder();
    for (const fs::path& candidate : {program / fileName, program.parent_path().parent_path() / area / fileName})
        if (fs::exists(candidate))
            return candidate;
    throw JobError(fileName + " not found next to the program; name it with --plugin");
}

void UseUserDataFolder(const std::string& folder) {
    if (folder.empty())
        return;
    std::error_code error;
    fs::create_directories(folder, error);
    if (error || !fs::is_directory(folder))
        throw InputError("--user-data " + folder + ": not a folder that can be used");
    platform::SetUserDataFolderOverride(fs::absolute(folder).string());
}

void PlayDialogsFrom(const std::optional<std::string>& script) {
    platform::WriteEnvironmentVariable(platform::forms::DialogScriptVariable, script);
}

TemporaryDialogScript::TemporaryDialogScript(const std::string& text) {
    std::random_device random;
    path_ = fs::temp_directory_path() / ("tessellon-dialog-" + std::to_string(random()) + ".txt");
    std::ofstream out(path_, std::ios::binary);
    out << text;
    if (!out.flush())
        throw JobError("cannot write the dialog script " + path_.string());
}

TemporaryDialogScript::~TemporaryDialogScript() {
    std::error_code ignored;
    fs::remove(path_, ignored);
}

} // namespace hostsim
