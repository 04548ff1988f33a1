// The simulated host with a small sheet open, the templates in its working folder, and a dialog driver that plays
// a script while it notes every form it showed (caption, message text, state at the first show).
#pragma once

#include "../hostsim_host/HostFixture.h"
#include "hostsim/host/Journal.h"
#include "platform/forms/ScriptedDriver.h"

#include <string>
#include <vector>

namespace snapscribe::testing {

struct ShownForm {
    std::string Caption;
    std::string Message; // a message box's text
    std::string Page;    // the wizard's page when first shown
    bool BasicChecked = false;
    bool ViewChecked = false;
};

class RecordingDriver : public platform::forms::ScriptedDriver {
public:
    RecordingDriver(std::string_view script, std::vector<ShownForm>& shown) : ScriptedDriver(script), shown_(shown) {}
    void RunModal(platform::forms::Form& form) override;

private:
    std::vector<ShownForm>& shown_;
};

class CaptureFixture : public hostsim::HostFixture {
protected:
    void SetUp() override;
    void TearDown() override;
    // Plays Script against whatever the command shows; the forms shown, in order.
    std::vector<ShownForm> Play(const std::string& script, void (*body)());
    // Runs "CreateSchMacro" as the host's launcher does, the dialogs played from Script.
    std::vector<ShownForm> RunCommand(const std::string& script);
    // The texts of the processes the plug-in ran, in order.
    std::vector<std::string> Processes() const { return host->journal().texts(hostsim::JournalKind::Process); }
    void CopyTemplates() const;
    // The wizard's lines up to the finish page: language, names, region and point.
    std::string ToFinishPage(const std::string& language, const std::filesystem::path& script) const;

    std::filesystem::path sheetFile;
    std::filesystem::path previousFolder;
};

bool Contains(const std::vector<std::string>& texts, const std::string& start);
int CountStarting(const std::vector<std::string>& texts, const std::string& start);

} // namespace snapscribe::testing
