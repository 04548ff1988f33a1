// A fresh folder for one test, removed with everything in it afterwards.
#pragma once

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

namespace tessellon::testing {

class ScratchFolder {
public:
    ScratchFolder() {
        std::random_device random;
        Path_ = std::filesystem::temp_directory_path() / ("tessellon-test-" + std::to_string(random()));
        std::filesystem::create_directories(Path_);
    }
    ~ScratchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(Path_, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    std::string Path() const { return Path_.string(); }
    std::string File(const std::string& name) const { return (Path_ / name).string(); }

    std::string Write(const std::string& name, const std::string& contents) const {
        std::ofstream(File(name), std::ios::binary) << contents;
        return File(name);
    }

    std::string Read(const std::string& name) const {
        std::ifstream in(File(name), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

private:
    std::filesystem::path Path_;
};

} // namespace tessellon::testing
