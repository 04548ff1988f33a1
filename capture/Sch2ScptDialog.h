// The input dialog of a script with global variables, and the lines the placeholders of the templates expand to.
#pragma once

#include "capture/Sch2ScptStrList.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace snapscribe {

// A variable entry "name=default" of TMacroRecorder::Variables, both parts trimmed.
struct TVariableEntry {
    std::string Name;
    std::string Value;
};
TVariableEntry ParseVariableEntry(std::string_view entry);

// The comment a script gets where variables would go when it has none.
std::string_view NoVariablesComment(bool isPascal);

// ClientBasic: the dialog template (Begin Dialog ... Dim Dlg As DlgType) into Declaration and the code that fills and
// shows it into Code. CharWidth is the dialog font's average character width.
void BuildBasicDialog(const TStrList& variables, std::int32_t charWidth, TStrList& declaration, TStrList& code);
// ClientPascal: the form and its fields, shown by FormDialog, into Declaration. CharWidth is the font's maximum
// character width.
void BuildPascalDialog(const TStrList& variables, std::int32_t charWidth, TStrList& declaration);

// The declarations of the variables ("$Place Global Variables").
std::vector<std::string> GlobalVariableLines(const TStrList& variables, bool hasGlobalVariables, bool isPascal);
// ClientBasic's copies of the dialog's fields into the variables ("$Place Variables Initialisation Code"); nothing
// in ClientPascal, whose dialog fills the variables itself.
std::vector<std::string> VariablesInitialisationLines(const TStrList& variables, bool hasGlobalVariables,
                                                      bool isPascal);

} // namespace snapscribe
