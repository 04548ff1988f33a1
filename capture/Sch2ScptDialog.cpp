#include "capture/Sch2ScptDialog.h"

#include "capture/Sch2ScptFormats.h"
#include "platform/AsciiText.h"

namespace snapscribe {

namespace {

std::string Num(std::int64_t value) {
    return std::to_string(value);
}

std::string Trimmed(std::string_view text) {
    return std::string(platform::TrimBlanks(text));
}

} // namespace

TVariableEntry ParseVariableEntry(std::string_view entry) {
    const std::size_t equals = entry.find('=');
    if (equals == std::string_view::npos)
        return {Trimmed(entry), {}};
    return {Trimmed(entry.substr(0, equals)), Trimmed(entry.substr(equals + 1))};
}

std::string_view NoVariablesComment(bool isPascal) {
    return isPascal ? "{No global variables found.  No dialog code generated.}"
                    : "' No global variables found.  No dialog code generated.";
}

void BuildBasicDialog(const TStrList& variables, std::int32_t charWidth, TStrList& declaration, TStrList& code) {
    const std::int64_t w = static_cast<std::int64_t>(variables.MaxNameLength()) * charWidth;
    const std::int64_t n = variables.Count();
    const std::string indent = "   ";
    declaration.Add("Begin Dialog DlgType 110, 100, " + Num(w + 106) + ", " + Num(12 * n + 55) +
                    ", \"Circuit Capture Wizard\"");
    declaration.Add(indent + "GroupBox 8, 8, " + Num(w + 90) + ", " + Num(12 * n + 24) + ", \"\", .GrpBox1");
    std::int64_t y = 20;
    for (const std::string& entry : variables.Lines()) {
        const TVariableEntry variable = ParseVariableEntry(entry);
        const std::string label = variable.Name.empty() ? std::string() : variable.Name.substr(1);
        declaration.Add(indent + "Text    18, " + Num(y) + ", " + Num(w) + ", 12, \"" + label + ":\"");
        declaration.Add(indent + "TextBox " + Num(w + 18) + ", " + Num(y) + ", 70, 12, ." + variable.Name);
        code.Add("Dlg." + variable.Name + " = " + DoubleQuotedLiteral(variable.Value, false));
        y += 13;
    }
    declaration.Add(indent + "OKButton " + Num(w + 34) + ", " + Num(12 * n + 35) + ", 32, 12");
    declaration.Add(indent + "CancelButton " + Num(w + 66) + ", " + Num(12 * n + 35) + ", 32, 12");
    declaration.Add("End Dialog");
    declaration.Add("");
    declaration.Add("Dim Dlg As DlgType");
    code.Add("");
    code.Add("R = Dialog(Dlg)");
}

void BuildPascalDialog(const TStrList& variables, std::int32_t charWidth, TStrList& declaration) {
    const std::int64_t w = static_cast<std::int64_t>(variables.MaxNameLength()) * charWidth;
    const std::int64_t n = variables.Count();
    declaration.Add("CreateForm ('DlgForm', 'Circuit Capture Wizard', 100, 100, " + Num(w + 142) + ", " +
                    Num(10 * n + 22) + ");");
    std::int64_t y = 11;
    for (const std::string& entry : variables.Lines()) {
        const std::string name = ParseVariableEntry(entry).Name;
        declaration.Add("AddStatic  ('DlgForm', '" + name + ":', 11, " + Num(y) + ", " + Num(w) + ", 9);");
        declaration.Add("AddEditBox ('DlgForm', '" + name + "', '" + name + "', " + Num(w) + ", " + Num(y) +
                        ", 70, 9);");
        y += 10;
    }
    declaration.Add("R := FormDialog('DlgForm')");
}

std::vector<std::string> GlobalVariableLines(const TStrList& variables, bool hasGlobalVariables, bool isPascal) {
    if (!hasGlobalVariables)
        return {std::string(NoVariablesComment(isPascal))};
    std::vector<std::string> lines;
    for (const std::string& entry : variables.Lines()) {
        const TVariableEntry variable = ParseVariableEntry(entry);
        lines.push_back(isPascal ? variable.Name + " : ShortString = " + SingleQuotedLiteral(variable.Value) + ";"
                                 : "Dim " + variable.Name);
    }
    return lines;
}

std::vector<std::string> VariablesInitialisationLines(const TStrList& variables, bool hasGlobalVariables,
                                                      bool isPascal) {
    if (isPascal)
        return {};
    if (!hasGlobalVariables)
        return {std::string(NoVariablesComment(false))};
    std::vector<std::string> lines;
    for (const std::string& entry : variables.Lines()) {
        const std::string name = ParseVariableEntry(entry).Name;
        lines.push_back(name + " = Dlg." + name);
    }
    return lines;
}

} // namespace snapscribe
