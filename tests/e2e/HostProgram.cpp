#include "HostProgram.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace e2e {

namespace {

std::string ReadWhole(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// Output goes to files, not pipes: a program that writes much to both streams cannot block on a full pipe.
struct Redirection {
    posix_spawn_file_actions_t Actions;
    Redirection(const std::string& out, const std::string& err, const std::string& folder) {
        posix_spawn_file_actions_init(&Actions);
        posix_spawn_file_actions_addopen(&Actions, 0, "/dev/null", O_RDONLY, 0);
        posix_spawn_file_actions_addopen(&Actions, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        posix_spawn_file_actions_addopen(&Actions, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (!folder.empty())
            posix_spawn_file_actions_addchdir_np(&Actions, folder.c_str());
    }
    ~Redirection() { posix_spawn_file_actions_destroy(&Actions); }
};

} // namespace

ProgramRun RunHostProgram(const std::vector<std::string>& arguments, const std::filesystem::path& folder) {
    const std::string program = HostProgramFile().string();
    const std::filesystem::path outputs = std::filesystem::temp_directory_path();
    const std::string tag = "tessellon_e2e_" + std::to_string(getpid());
    const std::filesystem::path out = outputs / (tag + ".out");
    const std::filesystem::path err = outputs / (tag + ".err");

    std::vector<char*> argv{const_cast<char*>(program.c_str())};
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);

    Redirection redirection(out.string(), err.string(), folder.string());
    pid_t child = 0;
    const int failed = posix_spawn(&child, program.c_str(), &redirection.Actions, nullptr, argv.data(), environ);
    if (failed != 0)
        throw std::runtime_error(program + ": cannot be started: " + std::strerror(failed));
    int status = 0;
    while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    ProgramRun run;
    run.ExitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.Out = ReadWhole(out);
    run.Err = ReadWhole(err);
    std::filesystem::remove(out);
    std::filesystem::remove(err);
    return run;
}

std::filesystem::path HostProgramFile() {
    return TESSELLON_SIM_PROGRAM;
}

std::filesystem::path SnapscribeFile() {
#ifdef TESSELLON_PLUGIN_Snapscribe
    return TESSELLON_PLUGIN_Snapscribe;
#else
    return {};
#endif
}

std::filesystem::path WirewrightFile() {
#ifdef TESSELLON_PLUGIN_Wirewright
    return TESSELLON_PLUGIN_Wirewright;
#else
    return {};
#endif
}

std::filesystem::path DataFolder() {
    return TESSELLON_DATA_FOLDER;
}
std::filesystem::path FixturesFolder() {
    return TESSELLON_FIXTURES_FOLDER;
}

void TestFolder::SetUp() {
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    folder = std::filesystem::temp_directory_path() /
             ("tessellon_e2e_" + std::to_string(getpid()) + "_" + test->test_suite_name() + "_" + test->name());
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
}

void TestFolder::TearDown() {
    std::filesystem::remove_all(folder);
}

std::ostream& operator<<(std::ostream& out, const ProgramRun& run) {
    return out << "exit " << run.ExitCode << "\n--- out\n" << run.Out << "--- err\n" << run.Err;
}

} // namespace e2e
