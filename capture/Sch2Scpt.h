// The macro recorder: turns the selected primitives of one schematic document into a ClientBasic or ClientPascal
// script that re-creates them around a placement point X, Y which the script asks for.
#pragma once

#include "capture/Sch2ScptMessages.h"
#include "capture/Sch2ScptStatements.h"
#include "capture/Sch2ScptStrList.h"
#include "capture/Sch2ScptTemplate.h"
#include "capture/Sch2ScptTextFile.h"
#include "capture/SchAPITypes.h"
#include "hostkit/InterfaceRef.h"
#include "hostkit/RT_ClientServerInterface.h"

#include <cstdint>
#include <string>

namespace snapscribe {

// The capture settings shared by the capture command, the wizard and the recorder. A new record holds the presets
// every capture starts from. The record owns its view reference: copying it adds one, dropping it releases one.
struct TSetUpInfo {
    std::string MacroType = "ClientBasic"; // "ClientBasic" or "ClientPascal"
    std::string MacroFileName;             // full path of the script to write
    hostkit::TInterfaceRef<hostkit::IServerDocumentView> DocumentView;
    bool LoadMacro = true;      // open the script in the host editor afterwards
    bool RunMacro = false;      // run the script afterwards
    std::int32_t LocationX = 0; // the reference point, in sheet units
    std::int32_t LocationY = 0;
    bool KeepDocumentOpen = true; // deselect at the end (true) or close the document (false)
};

// The longest text the record's fields hold. A longer script path is refused rather than shortened: the script is
// written where the user asked, or not at all.
inline constexpr std::size_t SetUpTextMaxLength = 255;

// Owns the temporary circuit-code file from construction on: it is deleted at the end of a completed run and, on
// every other path, when the recorder is destroyed.
class TMacroRecorder {
public:
    // Makes the settings' document the editor's current one and creates the temporary circuit-code file.
    TMacroRecorder(const TSetUpInfo& settings, TRecorderMessages& messages);
    TMacroRecorder(const TMacroRecorder&) = delete;
    TMacroRecorder& operator=(const TMacroRecorder&) = delete;

    // Writes the script. True when it was written; false after telling the user (or, for a document without file
    // name, silently). A failing file operation raises hostkit::EInOutError.
    bool Execute();

    bool IsPascal() const { return isPascal_; }
    const std::string& TempFileName() const { return tempFile_.Path(); }

private:
    bool GenerateScript();
    // Writes the block of every selected object into the circuit-code file; false without a document.
    bool CaptureObjects();
    // Fills the dialog declaration and code for the variables the parts declared.
    void BuildDialog();
    // Copies the template into the script, each placeholder line followed by its expansion.
    void WriteScript(const std::string& templatePath);
    void WriteExpansion(TPlaceholder placeholder, std::string_view indent, TTextFileWriter& script);
    void WriteCircuitCode(std::string_view indent, TTextFileWriter& script);

    bool hasGlobalVariables_ = true;
    bool isPascal_;
    hostkit::TInterfaceRef<hostkit::IServerDocumentView> documentView_;
    TSchHandle documentHandle_ = 0;
    std::string macroFileName_;
    TTemporaryFile tempFile_;
    TStatementWriter statements_;
    TStrList variables_;
    TStrList dialogDeclaration_;
    TStrList dialogCode_;
    TRecorderMessages& messages_;
};

} // namespace snapscribe
