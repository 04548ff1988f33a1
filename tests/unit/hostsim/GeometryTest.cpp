// Six-byte reals, placement of library items, and the rectangles the server reports.
#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "hostsim/plexa/ObjectBounds.h"
#include "hostsim/plexa/Placement.h"

namespace hostsim::test {
namespace {

TEST(Real48Test, ValuesRoundTripAndOutOfRangeIsRefused) {
    struct Case {
        double value;
        std::array<uint8_t, 6> bytes;
    };
    for (const Case& c : {Case{0.0, {0, 0, 0, 0, 0, 0}}, Case{1.0, {129, 0, 0, 0, 0, 0}},
                          Case{90.0, {135, 0, 0, 0, 0, 0x34}}, Case{-0.5, {128, 0, 0, 0, 0, 0x80}}}) {
        const auto real = Real48::fromDouble(c.value);
        ASSERT_TRUE(real) << c.value;
        EXPECT_EQ(c.bytes, real->bytes) << c.value;
        EXPECT_EQ(c.value, real->toDouble());
    }
    EXPECT_NEAR(1.0 / 3.0, Real48::fromDouble(1.0 / 3.0)->toDouble(), 1e-11);
    EXPECT_EQ(0.0, Real48::fromDouble(1e-300)->toDouble()) << "too small for the format: 0";
    EXPECT_FALSE(Real48::fromDouble(1e300));
    EXPECT_FALSE(Real48::fromDouble(std::numeric_limits<double>::quiet_NaN()));
    EXPECT_EQ(0.0, (Real48{{0, 1, 2, 3, 4, 5}}).toDouble()) << "exponent 0 means 0";
}

TEST(PlacementTest, QuarterTurnsCounterClockwiseAfterMirroring) {
    struct Case {
        uint8_t orientation;
        bool mirrored;
        Point placed;
        uint8_t direction; // of a library direction 0 (right)
    };
    const Point location{100, 200};
    for (const Case& c : {Case{0, false, {103, 201}, 0}, Case{1, false, {99, 203}, 1}, Case{2, false, {97, 199}, 2},
                          Case{3, false, {101, 197}, 3}, Case{0, true, {97, 201}, 2}, Case{1, true, {99, 197}, 3}}) {
        const Placement placement{location, c.orientation, c.mirrored};
        EXPECT_EQ(c.placed, placement.apply({3, 1})) << int(c.orientation) << c.mirrored;
        EXPECT_EQ((Point{3, 1}), placement.invert(c.placed));
        EXPECT_EQ(c.direction, placement.applyDirection(0));
        EXPECT_EQ(0, placement.invertDirection(c.direction));
    }
}

TEST(PlacementTest, AnArcTurnsAndMirrorsItsAngles) {
    auto arc = makeObject(Kind::Arc);
    arc->startAngle = *Real48::fromDouble(0);
    arc->endAngle = *Real48::fromDouble(90);
    const auto turned = placeItem(*arc, {{0, 0}, 1, false});
    EXPECT_EQ(90.0, turned->startAngle.toDouble());
    EXPECT_EQ(180.0, turned->endAngle.toDouble());
    const auto mirrored = placeItem(*arc, {{0, 0}, 0, true});
    EXPECT_EQ(90.0, mirrored->startAngle.toDouble()) << "the quarter from 0 to 90 becomes the one from 90 to 180";
    EXPECT_EQ(180.0, mirrored->endAngle.toDouble());
}

TEST(BoundsTest, TextsTurnAboutTheirAnchor) {
    EXPECT_EQ((Rect{10, 20, 28, 30}), textBounds({10, 20}, "abc", 0));
    EXPECT_EQ((Rect{0, 20, 10, 38}), textBounds({10, 20}, "abc", 1));
    EXPECT_EQ((Rect{-8, 10, 10, 20}), textBounds({10, 20}, "abc", 2));
    EXPECT_EQ((Rect{10, 2, 20, 20}), textBounds({10, 20}, "abc", 3));
}

TEST(BoundsTest, ExtremeCoordinatesSaturateInsteadOfOverflowing) {
    auto junction = makeObject(Kind::Junction);
    junction->location = {std::numeric_limits<int32_t>::max(), std::numeric_limits<int32_t>::min()};
    junction->size = 3;
    const Rect bounds = boundsOf(*junction);
    EXPECT_EQ(std::numeric_limits<int32_t>::max(), bounds.right);
    EXPECT_EQ(std::numeric_limits<int32_t>::min(), bounds.bottom);
}

} // namespace
} // namespace hostsim::test
