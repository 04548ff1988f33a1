// What the dialog-base and message-box tests share: the fake host client, a help folder of their own, a clean stand-in
// desktop and help log, and a driver of their choice.
#pragma once

#include "../hostkit/FakeHost.h"
#include "hostkit/Rt_forms.h"
#include "platform/Help.h"
#include "platform/Screen.h"
#include "platform/forms/Driver.h"
#include "platform/forms/ScriptedDriver.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <optional>

#include <unistd.h>

namespace hostkit::testing {

class KitTest : public ::testing::Test {
protected:
    KitTest() {
        SetGlobalClient(client_.Interface());
        std::filesystem::create_directories(folder_);
        SetHelpFiles({folder_.string(), "Snapscribe"});
        platform::ResetScreen();
        platform::ClearHelpRequests();
    }
    ~KitTest() override {
        std::filesystem::remove_all(folder_);
        platform::ResetScreen();
        platform::ClearHelpRequests();
    }

    // The file the client names for a server or dialog (IClient slot 39).
    std::map<std::string, std::string>& ServerFiles() { return client_.ServerFiles; }
    // Writes a file of the help folder.
    void WriteHelpFile(const std::string& name, const std::string& text) const {
        std::ofstream(folder_ / name, std::ios::binary) << text;
    }
    std::string HelpPath(const std::string& name) const { return (folder_ / name).string(); }
    void Play(const std::string& script) {
        driver_.reset();
        driver_.emplace(std::make_unique<platform::forms::ScriptedDriver>(script));
    }
    void Use(std::unique_ptr<platform::forms::Driver> driver) {
        driver_.reset();
        driver_.emplace(std::move(driver));
    }
    // Two monitors side by side, the active window on the second.
    static void TwoMonitors() {
        platform::SetMonitors(
            {{{0, 0, 1920, 1080}, {0, 0, 1920, 1040}}, {{1920, 0, 3200, 1024}, {1920, 0, 3200, 1024}}});
        platform::SetActiveWindow(platform::CreateStandInWindow({2000, 100, 2600, 500}));
    }

    ClientApiScope scope_;
    FakeClient client_;

private:
    std::filesystem::path folder_ = std::filesystem::temp_directory_path() / ("kit-help-" + std::to_string(::getpid()));
    std::optional<platform::forms::ScopedDriver> driver_;
};

} // namespace hostkit::testing
