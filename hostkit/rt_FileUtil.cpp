#include "hostkit/rt_FileUtil.h"
#include "hostkit/ClientProcs.h"
#include "hostkit/HostText.h"
#include "hostkit/Rt_Util.h"
#include "platform/Files.h"
#include "platform/Folders.h"

#include <functional>
#include <optional>
#include <vector>

namespace hostkit {

namespace {

// The candidates whose existence the host is asked about, in search order; each is made only when the ones before
// it failed. A Windows or system folder the system does not name (the posix stand-in's default) gives none.
std::vector<std::function<std::optional<std::string>()>> HostCandidates(const std::string& fileName) {
    const auto inFolder = [&fileName](std::string folder, const char* sub) -> std::optional<std::string> {
        if (folder.empty()) {
            return std::nullopt;
        }
        if (sub != nullptr) {
            folder = platform::JoinPath(folder, sub);
        }
        return platform::JoinPath(folder, ExtractWholeFileName(fileName));
    };
    return {
        [&] { return fileName; },
        [&] { return ConvertFileNameToExeFileName(fileName); },
        [&] { return SystemRelativePath(fileName); },
        [&] { return ModuleRelativePath(fileName); },
        [=] { return inFolder(GetUserDataFolder(), nullptr); },
        [=] { return inFolder(platform::WindowsFolder(), nullptr); },
        [=] { return inFolder(platform::SystemFolder(), nullptr); },
        [=] { return inFolder(platform::WindowsFolder(), "Command"); },
    };
}

// The name itself, then each folder of PATH followed by the name, checked on disk.
std::optional<std::string> SearchPath(const std::string& fileName) {
    if (platform::FileExistsOnDisk(ToShortString(fileName))) {
        return ToShortString(fileName);
    }
    const std::string path = GetEnvironmentText("PATH");
    std::size_t start = 0;
    while (start <= path.size()) {
        std::size_t end = path.find(platform::PathListDelimiter, start);
        if (end == std::string::npos) {
            end = path.size();
        }
        const std::string folder = path.substr(start, end - start);
        start = end + 1;
        if (folder.empty()) {
            continue;
        }
        const std::string candidate = ToShortString(platform::JoinPath(folder, fileName));
        if (platform::FileExistsOnDisk(candidate)) {
            return candidate;
        }
    }
    return std::nullopt;
}

} // namespace

bool FindSupportFile(std::string& fileName) {
    for (const auto& makeCandidate : HostCandidates(fileName)) {
        const auto candidate = makeCandidate();
        if (!candidate) {
            continue;
        }
        const std::string cut = ToShortString(*candidate);
        if (ClientFileExists(cut)) {
            fileName = cut;
            return true;
        }
    }
    if (auto found = SearchPath(fileName)) {
        fileName = *found;
        return true;
    }
    return false;
}

} // namespace hostkit
