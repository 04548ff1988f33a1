#include "CaptureFixture.h"

#include "capture/CreateSchMacro.h"
#include "hostkit/ClientProcs.h"
#include "hostsim/host/ServerDocument.h"
#include "platform/forms/Containers.h"
#include "platform/forms/Controls.h"
#include "platform/forms/Driver.h"
#include "platform/forms/Form.h"

#include <algorithm>

namespace snapscribe::testing {

namespace forms = platform::forms;

void RecordingDriver::RunModal(forms::Form& form) {
    ShownForm shown;
    shown.Caption = form.Caption();
    if (auto* message = form.Find("Message"))
        shown.Message = message->Caption();
    if (auto* notebook = dynamic_cast<forms::Notebook*>(form.Find("Notebook_Wizard")))
        shown.Page = std::string(notebook->ActivePage());
    if (auto* basic = dynamic_cast<forms::RadioButton*>(form.Find("rbClientBasic")))
        shown.BasicChecked = basic->Checked();
    if (auto* view = dynamic_cast<forms::CheckBox*>(form.Find("cbLoadMacro")))
        shown.ViewChecked = view->Checked();
    shown_.push_back(shown);
    ScriptedDriver::RunModal(form);
}

void CaptureFixture::SetUp() {
    HostFixture::SetUp();
    sheetFile = std::filesystem::absolute(document->fileName());
    previousFolder = std::filesystem::current_path();
    // The support-file search looks at the bare template name first: the working folder.
    std::filesystem::current_path(folder);
    hostkit::BindClientApi();
}

void CaptureFixture::TearDown() {
    std::filesystem::current_path(previousFolder);
    HostFixture::TearDown();
}

void CaptureFixture::CopyTemplates() const {
    for (const char* name : {"TEMPLATE.BAS", "TEMPLATE.TRP"})
        std::filesystem::copy_file(std::filesystem::path(TESSELLON_TEMPLATES_FOLDER) / name, folder / name);
}

std::vector<ShownForm> CaptureFixture::Play(const std::string& script, void (*body)()) {
    std::vector<ShownForm> shown;
    forms::ScopedDriver driver(std::make_unique<RecordingDriver>(script, shown));
    body();
    return shown;
}

std::vector<ShownForm> CaptureFixture::RunCommand(const std::string& script) {
    return Play(script, [] { CreateSchMacroCommand(nullptr, ""); });
}

std::string CaptureFixture::ToFinishPage(const std::string& language, const std::filesystem::path& script) const {
    host->input().pushRegion({{50, 50}, {250, 150}});
    host->input().pushPoint({100, 100});
    return "click rb" + language + "\nclick Button_Next\nset ebSchematicFileName " + sheetFile.string() +
           "\nset ebMacroFileName " + script.string() + "\nclick Button_Next\nclick Button_Next\nclick Button_Next\n";
}

bool Contains(const std::vector<std::string>& texts, const std::string& start) {
    return CountStarting(texts, start) > 0;
}

int CountStarting(const std::vector<std::string>& texts, const std::string& start) {
    return int(std::count_if(texts.begin(), texts.end(), [&](const std::string& t) { return t.rfind(start, 0) == 0; }));
}

} // namespace snapscribe::testing
