// Names of controls, keys and actions compare ignoring ASCII case, as the dialog toolkit's do.
#pragma once

#include <string_view>

namespace platform::forms {

inline bool SameName(std::string_view a, std::string_view b) {
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (lower(a[i]) != lower(b[i]))
            return false;
    return true;
}

} // namespace platform::forms
