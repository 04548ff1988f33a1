#include "platform/forms/FileDialog.h"

#include "platform/Files.h"
#include "platform/Folders.h"
#include "platform/forms/Driver.h"
#include "platform/forms/Placement.h"

namespace platform::forms {

FileDialog::FileDialog(Kind kind, std::string name) : kind_(kind), name_(std::move(name)) {}

std::vector<std::pair<std::string, std::string>> FileDialog::Filters() const {
    std::vector<std::string> parts;
    for (std::size_t start = 0; !Filter.empty();) {
        const std::size_t bar = Filter.find('|', start);
        parts.push_back(Filter.substr(start, bar == std::string::npos ? std::string::npos : bar - start));
        if (bar == std::string::npos)
            break;
        start = bar + 1;
    }
    std::vector<std::pair<std::string, std::string>> filters;
    for (std::size_t i = 0; i < parts.size(); i += 2)
        filters.emplace_back(parts[i], i + 1 < parts.size() ? parts[i + 1] : std::string());
    return filters;
}

FileDialog::Choice FileDialog::Check(const std::string& typed) const {
    if (typed.empty())
        return {{}, "no file name was given"};
    std::string name = typed;
    const std::string base = platform::ExtractFileName(name);
    if (!DefaultExt.empty() && !base.empty() && base.find('.') == std::string::npos)
        name += "." + DefaultExt;
    const std::string folder = platform::ExtractFileDir(name);
    if ((Options & ofPathMustExist) && !folder.empty() && !platform::FolderExists(folder))
        return {name, "the folder " + folder + " does not exist"};
    if ((Options & ofFileMustExist) && !platform::FileExistsOnDisk(name))
        return {name, "the file " + name + " does not exist"};
    return {name, {}};
}

bool FileDialog::Execute() {
    // File dialogs appear where the user is working, a third of the way down the monitor.
    const platform::ScreenPoint at = FileDialogPlace(DesignedWidth, DesignedHeight);
    bounds_ = {at.X, at.Y, at.X + DesignedWidth, at.Y + DesignedHeight};
    auto chosen = CurrentDriver().RunFileDialog(*this);
    if (!chosen)
        return false;
    FileName = std::move(*chosen);
    return true;
}

} // namespace platform::forms
