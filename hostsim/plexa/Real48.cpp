#include "hostsim/plexa/Real48.h"

#include <cmath>

namespace hostsim {

namespace {
constexpr int ExponentBias = 129;
constexpr int FractionBits = 39;
constexpr uint64_t FractionOne = uint64_t{1} << FractionBits;
} // namespace

double Real48::toDouble() const {
    if (bytes[0] == 0)
        return 0.0;
    uint64_t fraction = 0;
    for (int i = 5; i >= 1; --i)
        fraction = (fraction << 8) | bytes[i];
    const bool negative = (fraction >> FractionBits) & 1;
    fraction &= FractionOne - 1;
    const double magnitude =
        std::ldexp(1.0 + static_cast<double>(fraction) / static_cast<double>(FractionOne), bytes[0] - ExponentBias);
    return negative ? -magnitude : magnitude;
}

std::optional<Real48> Real48::fromDouble(double value) {
    if (!std::isfinite(value))
        return std::nullopt;
    Real48 result;
    if (value == 0.0)
        return result;
    int exponent = 0;
    const double mantissa = std::frexp(std::fabs(value), &exponent); // value = mantissa * 2^exponent, 0.5 <= m < 1
    int biased = exponent - 1 + ExponentBias;
    uint64_t fraction = static_cast<uint64_t>(std::llround((mantissa * 2.0 - 1.0) * static_cast<double>(FractionOne)));
    if (fraction == FractionOne) {
        fraction = 0;
        ++biased;
    }
    if (biased > 255)
        return std::nullopt;
    if (biased < 1)
        return result;
    if (value < 0)
        fraction |= FractionOne;
    result.bytes[0] = static_cast<uint8_t>(biased);
    for (int i = 1; i <= 5; ++i) {
        result.bytes[i] = static_cast<uint8_t>(fraction & 0xFF);
        fraction >>= 8;
    }
    return result;
}

} // namespace hostsim
