// Text helpers with the system's 8-bit rules: only the ASCII letters a-z and A-Z have a case, and a blank is any
// character with a code up to 32.
#pragma once

#include <algorithm>
#include <string>
#include <string_view>

namespace platform {

constexpr bool IsBlank(char c) {
    return static_cast<unsigned char>(c) <= 32;
}

constexpr char AsciiUpper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

inline std::string AsciiUpperText(std::string_view s) {
    std::string result(s);
    std::transform(result.begin(), result.end(), result.begin(), AsciiUpper);
    return result;
}

inline bool EqualIgnoringAsciiCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return AsciiUpper(x) == AsciiUpper(y); });
}

inline std::string_view TrimBlanksLeft(std::string_view s) {
    while (!s.empty() && IsBlank(s.front())) {
        s.remove_prefix(1);
    }
    return s;
}

inline std::string_view TrimBlanksRight(std::string_view s) {
    while (!s.empty() && IsBlank(s.back())) {
        s.remove_suffix(1);
    }
    return s;
}

inline std::string_view TrimBlanks(std::string_view s) {
    return TrimBlanksRight(TrimBlanksLeft(s));
}

} // namespace platform
