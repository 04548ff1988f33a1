// The language templates: their names and the placeholder lines whose expansions the recorder writes after them.
#pragma once

#include <string>
#include <string_view>

namespace snapscribe {

// The five placeholders, in the order a template line is tested for them.
enum TPlaceholder {
    phGlobalVariables,
    phDialogDeclaration,
    phDialogCode,
    phCircuitCode,
    phVariablesInitialisation,
    phNone,
};

// The first placeholder contained anywhere in Line (case-sensitive), or phNone.
TPlaceholder FindPlaceholder(std::string_view line);

// The run of blanks Line starts with (tabs do not count), at most 80: the indentation of every line an expansion
// writes after the placeholder line.
std::string_view LeadingBlanks(std::string_view line);

// "TEMPLATE.TRP" for ClientPascal, "TEMPLATE.BAS" for ClientBasic.
std::string TemplateName(bool isPascal);

} // namespace snapscribe
