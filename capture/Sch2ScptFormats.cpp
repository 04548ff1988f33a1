#include "capture/Sch2ScptFormats.h"

#include "platform/AsciiText.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

namespace snapscribe {

namespace {

bool IsControl(char c) {
    const auto code = static_cast<unsigned char>(c);
    return code < 32 || code == 127;
}

bool IsIdentifierChar(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
}

void AppendQuotedLiteral(std::string& out, std::string_view text, char quote, bool isPascal) {
    const auto plain = [quote](char c) { return c != quote && !IsControl(c); };
    if (std::all_of(text.begin(), text.end(), plain)) {
        out += quote;
        out += text;
        out += quote;
        return;
    }
    const std::string_view joiner = isPascal ? " + " : " & ";
    bool any = false;
    bool open = false;
    for (const char c : text) {
        if (!IsControl(c)) {
            if (!open) {
                if (any)
                    out += joiner;
                out += quote;
                open = any = true;
            }
            out += c;
            if (c == quote)
                out += c;
            continue;
        }
        if (open) {
            out += quote;
            open = false;
        }
        if (any)
            out += joiner;
        any = true;
        const std::string code = std::to_string(static_cast<unsigned char>(c));
        out += isPascal ? "#" + code : "Chr(" + code + ")";
    }
    if (open)
        out += quote;
}

} // namespace

std::string FormatReal(double value) {
    if (value == 0)
        return " 0.00000000000000E+0000";
    std::array<char, 64> digits{};
    const auto result = std::to_chars(digits.data(), digits.data() + digits.size(), std::fabs(value),
                                      std::chars_format::scientific, 14);
    const std::string_view text(digits.data(), static_cast<std::size_t>(result.ptr - digits.data()));
    // to_chars writes "9.00000000000000e+01"; the runtime's format wants four exponent digits.
    const std::size_t e = text.find('e');
    const std::string_view exponent = text.substr(e + 2);
    std::string formatted(value < 0 ? "-" : " ");
    formatted += text.substr(0, e);
    formatted += 'E';
    formatted += text[e + 1];
    formatted.append(exponent.size() < 4 ? 4 - exponent.size() : 0, '0');
    formatted += exponent;
    return formatted;
}

void AppendDoubleQuotedLiteral(std::string& out, std::string_view text, bool isPascal) {
    AppendQuotedLiteral(out, text, '"', isPascal);
}

std::string DoubleQuotedLiteral(std::string_view text, bool isPascal) {
    std::string literal;
    AppendDoubleQuotedLiteral(literal, text, isPascal);
    return literal;
}

std::string SingleQuotedLiteral(std::string_view text) {
    std::string literal;
    AppendQuotedLiteral(literal, text, '\'', true);
    return literal;
}

std::string ScriptIdentifier(std::string_view name) {
    std::string identifier(name);
    for (char& c : identifier) {
        if (!IsIdentifierChar(c))
            c = '_';
    }
    if (platform::EqualIgnoringAsciiCase(identifier, "x") || platform::EqualIgnoringAsciiCase(identifier, "xor"))
        identifier += '_';
    return identifier;
}

} // namespace snapscribe
