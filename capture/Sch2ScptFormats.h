// Value formats of the generated scripts: how numbers, angles and sheet texts appear inside statements.
#pragma once

#include <string>
#include <string_view>

namespace snapscribe {

// An angle in the runtime's default real format: 23 characters, a blank (or "-"), one digit, ".", 14 digits, "E",
// the exponent's sign and 4 exponent digits. 90 gives " 9.00000000000000E+0001".
std::string FormatReal(double value);

// A sheet text as a string literal of the script, so that the script means what the sheet says. A text of plain
// characters is the text between two quote characters. Inside, the literal's own quote character is doubled, and
// each control character (codes below 32, and 127) is spliced in as a character expression instead of being written
// raw: ClientBasic `"a" & Chr(10) & "b"`, ClientPascal `"a" + #10 + "b"`.
std::string DoubleQuotedLiteral(std::string_view text, bool isPascal);
// The same, appended to Out.
void AppendDoubleQuotedLiteral(std::string& out, std::string_view text, bool isPascal);

// The same for ClientPascal's apostrophe-quoted literals: `'it''s'`.
std::string SingleQuotedLiteral(std::string_view text);

// Name with every character outside letters, digits and "_" turned into "_", so that it can stand as an identifier
// in both macro languages. Name starts with a letter (the recorder's variables start with "x"). The two names that
// would still clash in these case-insensitive languages, "x" (the script's own X) and "xor", get a trailing "_".
std::string ScriptIdentifier(std::string_view name);

} // namespace snapscribe
