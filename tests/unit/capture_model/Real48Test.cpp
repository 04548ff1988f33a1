#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>

#include "capture/SchAPITypes.h"

namespace snapscribe {
namespace {

struct TExactCase {
    double Value;
    TReal48 Bytes;
};

// Values the format holds exactly, in both directions.
const TExactCase ExactCases[] = {
    {0.0, {{0, 0, 0, 0, 0, 0}}},
    {1.0, {{129, 0, 0, 0, 0, 0}}},
    {-1.0, {{129, 0, 0, 0, 0, 0x80}}},
    {0.5, {{128, 0, 0, 0, 0, 0}}},
    {1.5, {{129, 0, 0, 0, 0, 0x40}}},
    {90.0, {{135, 0, 0, 0, 0, 0x34}}},
    {-270.0, {{137, 0, 0, 0, 0, 0x87}}},
    {std::ldexp(1.0, -128), {{1, 0, 0, 0, 0, 0}}},                                        // smallest
    {std::ldexp(2.0 - std::ldexp(1.0, -39), 126), {{255, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F}}}, // largest
    {1.0 + std::ldexp(1.0, -39), {{129, 1, 0, 0, 0, 0}}},                                 // lowest fraction bit
};

TEST(Real48, ConvertsExactValuesBothWays) {
    for (const TExactCase& Case : ExactCases) {
        SCOPED_TRACE(Case.Value);
        EXPECT_EQ(Case.Bytes.ToDouble(), Case.Value);
        const std::optional<TReal48> Converted = TReal48::FromDouble(Case.Value);
        ASSERT_TRUE(Converted.has_value());
        EXPECT_EQ(*Converted, Case.Bytes);
    }
}

TEST(Real48, RoundsToTheNearestFraction) {
    // 1/3 = 1.0101...b x 2^-2: the 39-bit fraction ...1010|1010... rounds up to ...AB.
    EXPECT_EQ(TReal48::FromDouble(1.0 / 3.0), (TReal48{{127, 0xAB, 0xAA, 0xAA, 0xAA, 0x2A}}));
    // Exactly half a unit: ties go to the even fraction.
    EXPECT_EQ(TReal48::FromDouble(1.0 + std::ldexp(1.0, -40)), (TReal48{{129, 0, 0, 0, 0, 0}}));
    EXPECT_EQ(TReal48::FromDouble(1.0 + 3 * std::ldexp(1.0, -40)), (TReal48{{129, 2, 0, 0, 0, 0}}));
    // All ones rounding up carries into the exponent.
    EXPECT_EQ(TReal48::FromDouble(2.0 - std::ldexp(1.0, -41)), (TReal48{{130, 0, 0, 0, 0, 0}}));
}

TEST(Real48, RefusesWhatTheFormatCannotHold) {
    const double Refused[] = {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(),
                              -std::numeric_limits<double>::infinity(), std::ldexp(1.0, 127), -1e300,
                              // rounds up beyond the largest value
                              std::ldexp(2.0 - std::ldexp(1.0, -41), 126)};
    for (const double Value : Refused)
        EXPECT_FALSE(TReal48::FromDouble(Value).has_value()) << Value;
}

TEST(Real48, TinyValuesAndNegativeZeroBecomeZero) {
    for (const double Value : {-0.0, 1e-300, -std::ldexp(1.0, -130), std::numeric_limits<double>::denorm_min()})
        EXPECT_EQ(TReal48::FromDouble(Value), TReal48{}) << Value;
}

TEST(Real48, ZeroExponentIsZeroWhateverTheFraction) {
    EXPECT_EQ((TReal48{{0, 0x12, 0x34, 0x56, 0x78, 0xFF}}).ToDouble(), 0.0);
}

TEST(Real48, EveryNonZeroPatternSurvivesARoundTrip) {
    uint64_t State = 0x9E3779B97F4A7C15u;
    for (int Pattern = 0; Pattern < 20000; ++Pattern) {
        State = State * 6364136223846793005u + 1442695040888963407u;
        TReal48 Original;
        for (int Byte = 0; Byte < 6; ++Byte)
            Original.Bytes[Byte] = static_cast<uint8_t>(State >> (8 * Byte + 16));
        if (Original.Bytes[0] == 0)
            Original.Bytes[0] = 1;
        const std::optional<TReal48> Back = TReal48::FromDouble(Original.ToDouble());
        ASSERT_TRUE(Back.has_value());
        ASSERT_EQ(*Back, Original) << "pattern " << Pattern;
    }
}

} // namespace
} // namespace snapscribe
