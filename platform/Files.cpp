#include "platform/Files.h"
#include "platform/Folders.h"

#include <atomic>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <system_error>

namespace platform {

namespace fs = std::filesystem;

namespace {

std::atomic<bool> fullDisk{false};

// A name next to Path that no other writer picks.
std::string TemporaryNameBeside(const std::string& path) {
    static std::mt19937_64 random{std::random_device{}()};
    return path + ".~" + std::to_string(random() % 1000000000ULL);
}

} // namespace

bool FileExistsOnDisk(const std::string& path) {
    std::error_code error;
    return !path.empty() && fs::is_regular_file(path, error);
}

bool FolderExists(const std::string& path) {
    std::error_code error;
    return !path.empty() && fs::is_directory(path, error);
}

bool CreateFolder(const std::string& path) {
    std::error_code error;
    fs::create_directory(path, error);
    return FolderExists(path);
}

bool ReadWholeFile(const std::string& path, std::string& contents) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return false;
    }
    std::ostringstream buffer;
    buffer << in.rdbuf();
    if (in.bad()) {
        return false;
    }
    contents = std::move(buffer).str();
    return true;
}

std::vector<std::string> SplitLines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) {
            end = text.size();
        }
        std::string_view line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        lines.emplace_back(line);
        start = end + 1;
    }
    return lines;
}

bool WriteFileReplacing(const std::string& path, const std::string& contents) {
    if (fullDisk) {
        return false;
    }
    const std::string temporary = TemporaryNameBeside(path);
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(contents.data(), static_cast<std::streamsize>(contents.size()));
        out.close();
        if (!out) {
            std::error_code ignored;
            fs::remove(temporary, ignored);
            return false;
        }
    }
    std::error_code error;
    fs::rename(temporary, path, error);
    if (error) {
        fs::remove(temporary, error);
        return false;
    }
    return true;
}

bool DeleteFileAt(const std::string& path) {
    std::error_code error;
    fs::remove(path, error);
    return !FileExistsOnDisk(path);
}

void SimulateFullDisk(bool on) {
    fullDisk = on;
}

} // namespace platform
