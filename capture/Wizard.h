// The "Circuit Capture" wizard: five pages on which the user chooses the script language, the schematic and the
// script file, drags the region to capture and clicks the reference point (both in the host's schematic editor
// while the wizard waits off screen), and chooses whether the script is opened and/or run afterwards.
#pragma once

#include "capture/Sch2Scpt.h"
#include "hostkit/InterfaceRef.h"
#include "hostkit/RT_ClientServerInterface.h"
#include "hostkit/Rt_forms.h"
#include "platform/forms/Containers.h"
#include "platform/forms/Controls.h"
#include "platform/forms/FileDialog.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace snapscribe {

// The page names, in page order.
inline constexpr const char* PgSelectLanguage = "PgSelectLanguage";
inline constexpr const char* PgPromptInputOutpuFileNames = "PgPromptInputOutpuFileNames";
inline constexpr const char* PgSelectRegionToCapture = "PgSelectRegionToCapture";
inline constexpr const char* PgSelectReferencePoint = "PgSelectReferencePoint";
inline constexpr const char* PgFinish = "PgFinish";

// The number a host's coordinate text starts with: an optional sign, then decimal digits, or hexadecimal digits
// after "$", "x", "X" or "0x"; reading stops at the first other character ("12ab" is 12, nothing read is 0).
// Values beyond the 32-bit range are held at its ends.
std::int32_t LeadingInteger(std::string_view text);

class TWizard : public hostkit::TServerDialog {
public:
    explicit TWizard(TSetUpInfo* setUpInfo);

    // Record -> controls and fields.
    void LoadSettings();
    // Controls and fields -> record; only after the user finished.
    void StoreSettings();

    // Event handlers.
    void OnShowForm();
    void NextButtonClick();
    void PrevButtonClick();
    void rbClientBasicClick();
    void butBrowseSchClick();
    void butHBrowseMacroClick();
    void ebSchematicFileNameChange() { SchematicNameEdited = true; }
    void ebMacroFileNameChange() { MacroNameEdited = true; }

    TSetUpInfo* SetUpInfo;
    std::string MacroExtension = "BAS";
    bool MacroNameEdited = false;
    bool SchematicNameEdited = false;
    hostkit::TInterfaceRef<hostkit::IServerDocumentView> View;
    hostkit::TInterfaceRef<hostkit::IServerDocumentView> PreviousView;
    std::int32_t LocationX = 0;
    std::int32_t LocationY = 0;
    bool KeepDocumentOpen = true;

    // Controls, named as on the form.
    platform::forms::Panel& Panel_Buttons;
    platform::forms::Bevel& Bevel_Buttons;
    platform::forms::Button& Button_Prev;
    platform::forms::Button& Button_Next;
    platform::forms::Button& Button_Cancel;
    platform::forms::Notebook& Notebook_Wizard;
    platform::forms::RadioButton* rbClientBasic = nullptr;
    platform::forms::RadioButton* rbClientPascal = nullptr;
    platform::forms::Edit* ebSchematicFileName = nullptr;
    platform::forms::Edit* ebMacroFileName = nullptr;
    platform::forms::Button* butBrowseSch = nullptr;
    platform::forms::Button* butHBrowseMacro = nullptr;
    platform::forms::CheckBox* cbLoadMacro = nullptr;
    platform::forms::CheckBox* cbRunMacro = nullptr;
    platform::forms::OpenDialog OpenDialog1{"OpenDialog1"};
    platform::forms::SaveDialog SaveDialog1{"SaveDialog1"};

private:
    void BuildLanguagePage();
    void BuildFileNamesPage();
    void BuildRegionPage();
    void BuildReferencePointPage();
    void BuildFinishPage();

    std::string GetCurrentSchematicFileName();
    void UpdateButtons();
    bool ValidatePage(std::string_view pageName);
    bool ValidateFileNames();
    // Runs Step with the wizard moved below the screen, so that the user works in the editor; answers Step's answer.
    template <typename Step> bool OffScreen(Step step);
    hostkit::TInterfaceRef<hostkit::IServerDocumentView> OpenSchematicView();
    bool SelectRegion();
    bool SelectReferencePoint();
};

// Shows the wizard for the record at SetUpInfo; true when the user finished it (the record then holds the choices),
// false when cancelled (the record untouched).
bool RunWizard(TSetUpInfo* setUpInfo);

} // namespace snapscribe
