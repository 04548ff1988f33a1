// The colour of a control or a font: a fixed colour or one of the system's colours. A system colour keeps its
// identity, so that styling rules can ask "is this the grey-text colour?" and the picture follows the scheme.
#pragma once

#include "platform/SystemColors.h"

#include <cstdint>
#include <variant>

namespace platform::forms {

class ControlColor {
public:
    constexpr ControlColor(platform::Color fixed) : value_(fixed) {}
    constexpr ControlColor(SystemColor system) : value_(system) {}

    bool Is(SystemColor system) const {
        auto* s = std::get_if<SystemColor>(&value_);
        return s && *s == system;
    }
    // The colour as it shows now.
    platform::Color Resolve() const {
        if (auto* s = std::get_if<SystemColor>(&value_))
            return GetSystemColor(*s);
        return std::get<platform::Color>(value_);
    }
    friend bool operator==(const ControlColor&, const ControlColor&) = default;

private:
    std::variant<platform::Color, SystemColor> value_;
};

inline constexpr platform::Color BlueColor{0, 0, 255};

} // namespace platform::forms
