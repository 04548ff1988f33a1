// The host's six-byte real, in which primitive records hold angles: byte 0 is the exponent biased by 129 (0 means
// the value 0), bytes 1 to 5 a 39-bit fraction, least significant first, with the sign in the top bit of byte 5.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "platform/Abi.h"

namespace hostsim {

struct TESSELLON_EXPORT Real48 {
    std::array<uint8_t, 6> bytes{};

    double toDouble() const;
    // Rounded to the 39-bit fraction; magnitudes below the smallest become 0. Nothing for values the format cannot
    // hold (not a number, infinite, or larger than the largest).
    static std::optional<Real48> fromDouble(double value);

    friend bool operator==(const Real48&, const Real48&) = default;
};

} // namespace hostsim
