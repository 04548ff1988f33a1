#include "capture/CreateSchMacro.h"

#include "capture/Sch2Scpt.h"
#include "capture/SchProcs.h"
#include "capture/Wizard.h"
#include "hostkit/ClientProcs.h"
#include "hostkit/EDAClientMessageBox.h"
#include "hostkit/EInOutError.h"
#include "hostkit/HostText.h"
#include "hostkit/InterfacedObject.h"

#include <array>
#include <memory>
#include <string>
#include <string_view>

namespace snapscribe {

namespace {

// The recorder's failures go to the kit's boxes.
class TBoxMessages : public TRecorderMessages {
public:
    void ShowInformation(const std::string& text) override { hostkit::ShowInformationMessage(text); }
    void ShowError(const std::string& text) override { hostkit::ShowErrorMessage(text); }
};

using TParameterBuffer = std::array<char, hostkit::ShortTextBufferSize>;

// Copies Text (cut to 255 characters) into Buffer and runs Process with it; the host's answer is not needed.
void RunWithText(const char* process, TParameterBuffer& buffer, std::string_view text, std::int32_t size) {
    hostkit::CopyToHostBuffer(buffer.data(), buffer.size(), hostkit::ToShortString(text));
    hostkit::RunHostProcess(process, buffer.data(), size, nullptr);
}

// Steps 5 to 7: the script is written, then the document deselected (or closed) whatever the outcome. Answers
// whether the recorder reported success.
bool WriteScript(const TSetUpInfo& settings) {
    TBoxMessages messages;
    bool written = false;
    {
        std::unique_ptr<TMacroRecorder> recorder;
        try {
            recorder = std::make_unique<TMacroRecorder>(settings, messages);
            written = recorder->Execute();
        } catch (const hostkit::EInOutError& error) {
            messages.ShowError(error.what());
        }
        char empty[1] = {'\0'};
        hostkit::RunHostProcess(settings.KeepDocumentOpen ? "Sch:DeselectAllObjects" : "Client:CloseDocument", empty, 0,
                                settings.DocumentView.Get());
    }
    return written;
}

void ShowResult(const TSetUpInfo& settings) {
    if (!hostkit::ClientFileExists(settings.MacroFileName)) {
        hostkit::ShowErrorMessage("A problem occurred while creating script.");
        return;
    }
    TParameterBuffer buffer{};
    if (settings.LoadMacro)
        RunWithText("Client:OpenDocument", buffer,
                    "FileName=" + settings.MacroFileName + " | Project=False | DocumentType=Text", 256);
    if (settings.RunMacro) {
        RunWithText("Client:ConfigureEDAEditorTabs", buffer, "Tab=Sch", 256);
        RunWithText("Macro:RunMacro", buffer, "FileName=" + settings.MacroFileName, 256);
    } else {
        hostkit::ShowInformationMessage(settings.MacroFileName + " successfully created.");
    }
}

void RunCapture() {
    TParameterBuffer startUp{};
    RunWithText("Client:SetupEDAServers", startUp, "Server=Sch | Action=Start", 255);
    BindSchematicApi();
    if (!SchematicApiLoaded())
        return;
    TSetUpInfo settings;
    if (!RunWizard(&settings))
        return;
    if (WriteScript(settings))
        ShowResult(settings);
}

} // namespace

std::int32_t CreateSchMacroCommand(hostkit::IInterface*, const char*) {
    hostkit::Guarded([] { RunCapture(); });
    return 0;
}

void RegisterCaptureCommand(hostkit::TCommandLauncher& launcher) {
    launcher.RegisterCommand(CaptureCommandName, CreateSchMacroCommand, nullptr);
}

} // namespace snapscribe
