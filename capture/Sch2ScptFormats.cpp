#include "capture/Sch2ScptFormats.h"

#include "platform/AsciiText.h"

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

std::string QuotedLiteral(std::string_view text, char quote, bool isPascal) {
    const std::string_view joiner = isPascal ? " + " : " & ";
    std::string literal;
    literal.reserve(text.size() + 2);
    bool open = false;
    for (const char c : text) {
        if (!IsControl(c)) {
            if (!open) {
                if (!literal.empty())
                    literal += joiner;
                literal += quote;
                open = true;
            }
            literal += c;
            if (c == quote)
                literal += c;
            continue;
        }
        if (open) {
            literal += quote;
            open = false;
        }
        if (!literal.empty())
            literal += joiner;
        const std::string code = std::to_string(static_cast<unsigned char>(c));
        literal += isPascal ? "#" + code : "Chr(" + code + ")";
    }
    if (literal.empty())
        return {quote, quote};
    if (open)
        literal += quote;
    return literal;
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

std::string DoubleQuotedLiteral(std::string_view text, bool isPascal) {
    return QuotedLiteral(text, '"', isPascal);
}

std::string SingleQuotedLiteral(std::string_view text) {
    return QuotedLiteral(text, '\'', true);
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
