// A folder of its own for each test (tests run in parallel processes), removed with everything in it.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace snapscribe::test {

class TScratchFolder {
public:
    TScratchFolder()
        : path_(std::filesystem::temp_directory_path() /
                (std::string("generator-") +
                 ::testing::UnitTest::GetInstance()->current_test_info()->test_suite_name() + "-" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name())) {
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~TScratchFolder() { std::filesystem::remove_all(path_); }
    TScratchFolder(const TScratchFolder&) = delete;
    TScratchFolder& operator=(const TScratchFolder&) = delete;

    const std::string& Path() const { return text_; }
    std::string PathOf(const std::string& name) const { return (path_ / name).string(); }

    void Write(const std::string& name, const std::string& contents) const {
        std::ofstream(PathOf(name), std::ios::binary) << contents;
    }

    static std::string Contents(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }

private:
    std::filesystem::path path_;
    std::string text_ = path_.string();
};

} // namespace snapscribe::test
