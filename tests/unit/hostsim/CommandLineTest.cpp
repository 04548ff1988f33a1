// tessellon-sim render, inspect and generate as a user runs them: exit statuses, messages and output.
#include <algorithm>
#include <cstdio>
#include <fstream>
#include <sstream>

#include <sys/wait.h>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "tests/ReadFile.h"
#include "tests/unit/hostsim/StoreFixture.h"

namespace hostsim::test {
namespace {

struct Outcome {
    int status;
    std::string output; // standard output and error together
};

Outcome run(const std::string& arguments) {
    const std::string command = std::string(TESSELLON_SIM) + " " + arguments + " 2>&1";
    FILE* pipe = popen(command.c_str(), "r");
    std::string output;
    char buffer[4096];
    for (size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        output.append(buffer, n);
    const int status = pclose(pipe);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, output};
}

class CommandLineTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder = std::filesystem::temp_directory_path() /
                 ("cli-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        std::filesystem::create_directories(folder);
    }
    void TearDown() override { std::filesystem::remove_all(folder); }
    std::string at(const char* name) const { return (folder / name).string(); }
    std::filesystem::path folder;
};

TEST_F(CommandLineTest, ExitStatusesOfUsageInputAndJobFaults) {
    const std::string amplifier = example("amplifier.sch").string();
    struct Case {
        std::string arguments;
        int status;
        const char* says;
    };
    for (const Case& c :
         {Case{"--help", 0, "render"}, Case{"render --help", 0, "--output"}, Case{"inspect --help", 0, "SHEET"},
          Case{"generate --help", 0, "--seed"}, Case{"", 2, "subcommand is required"},
          Case{"render " + amplifier, 2, "--output"}, Case{"render a.sch -o b.svg --frobnicate", 2, "--frobnicate"},
          Case{"generate --parts=0 -o x.sch", 2, "parts"},
          Case{"render " + at("missing.sch") + " -o " + at("x.svg"), 2, "missing.sch: cannot be opened"},
          Case{"render " + amplifier + " -o " + at("no/folder/x.svg"), 1, "x.svg: cannot be written"},
          Case{"render " + amplifier + " -o " + at("x.svg"), 0, ""}}) {
        const Outcome result = run(c.arguments);
        EXPECT_EQ(c.status, result.status) << c.arguments << "\n" << result.output;
        EXPECT_NE(std::string::npos, result.output.find(c.says)) << c.arguments << "\n" << result.output;
    }
    EXPECT_NE(std::string::npos, testsupport::ReadFile(at("x.svg")).find("<svg"));
}

TEST_F(CommandLineTest, InspectPrintsOneLinePerObject) {
    const Outcome result = run("inspect " + example("amplifier.sch").string());
    ASSERT_EQ(0, result.status) << result.output;
    std::istringstream lines(result.output);
    std::vector<nlohmann::json> objects;
    for (std::string line; std::getline(lines, line);)
        objects.push_back(nlohmann::json::parse(line));
    ASSERT_EQ(26u, objects.size());
    const auto& opamp = objects[0];
    EXPECT_EQ(16, opamp["kind"]);
    EXPECT_EQ("part", opamp["name"]);
    EXPECT_EQ((std::vector<int>{400, 470, 460, 530}), opamp["bounds"].get<std::vector<int>>());
    EXPECT_EQ(false, opamp["selected"]);
    EXPECT_EQ((std::vector<int>{460, 500, 450, 500}), opamp["pins"][2].get<std::vector<int>>());
    const auto& wire = objects[6];
    EXPECT_EQ("wire", wire["name"]);
    EXPECT_EQ((std::vector<std::vector<int>>{{150, 490}, {220, 490}}),
              wire["vertices"].get<std::vector<std::vector<int>>>());
}

TEST_F(CommandLineTest, GenerateIsTheSameForTheSameSeed) {
    ASSERT_EQ(0, run("generate --parts=40 --seed 5 -o " + at("a.sch")).status);
    ASSERT_EQ(0, run("generate --parts=40 --seed 5 -o " + at("b.sch")).status);
    ASSERT_EQ(0, run("generate --parts=40 --seed 6 -o " + at("c.sch")).status);
    EXPECT_EQ(testsupport::ReadFile(at("a.sch")), testsupport::ReadFile(at("b.sch")));
    EXPECT_NE(testsupport::ReadFile(at("a.sch")), testsupport::ReadFile(at("c.sch")));
    const Outcome inspected = run("inspect " + at("a.sch"));
    ASSERT_EQ(0, inspected.status);
    size_t parts = 0;
    std::istringstream lines(inspected.output);
    for (std::string line; std::getline(lines, line);)
        parts += nlohmann::json::parse(line)["kind"] == 16;
    EXPECT_EQ(40u, parts);
}

} // namespace
} // namespace hostsim::test
