#include "capture/SchAPITypes.h"

#include <cmath>

namespace snapscribe {

namespace {

constexpr int ExponentBias = 129;
constexpr int FractionBits = 39;
constexpr uint8_t SignBit = 0x80;

} // namespace

double TReal48::ToDouble() const {
    if (Bytes[0] == 0)
        return 0.0;
    uint64_t Fraction = Bytes[5] & ~SignBit;
    for (int I = 4; I >= 1; --I)
        Fraction = (Fraction << 8) | Bytes[I];
    // 40 significant bits: exact in a double.
    const double Magnitude = std::ldexp(static_cast<double>((uint64_t{1} << FractionBits) | Fraction),
                                        Bytes[0] - ExponentBias - FractionBits);
    return (Bytes[5] & SignBit) ? -Magnitude : Magnitude;
}

std::optional<TReal48> TReal48::FromDouble(double Value) {
    if (!std::isfinite(Value))
        return std::nullopt;
    TReal48 Result;
    if (Value == 0.0)
        return Result;
    int Exponent = 0;
    const double Half = std::frexp(std::fabs(Value), &Exponent); // |Value| = Half * 2^Exponent, Half in [0.5, 1)
    // The significand 1.f scaled to 40 bits, rounded to nearest (ties to even).
    uint64_t Significand = static_cast<uint64_t>(std::nearbyint(std::ldexp(Half, FractionBits + 1)));
    int Biased = Exponent - 1 + ExponentBias;
    if (Significand == (uint64_t{1} << (FractionBits + 1))) {
        Significand >>= 1;
        ++Biased;
    }
    if (Biased > 255)
        return std::nullopt;
    if (Biased < 1)
        return Result;
    Result.Bytes[0] = static_cast<uint8_t>(Biased);
    for (int I = 1; I <= 5; ++I)
        Result.Bytes[I] = static_cast<uint8_t>(Significand >> (8 * (I - 1)));
    Result.Bytes[5] &= ~SignBit; // drops the implicit leading 1
    if (Value < 0)
        Result.Bytes[5] |= SignBit;
    return Result;
}

} // namespace snapscribe
