#include "platform/Bitmap.h"

#include <gtest/gtest.h>

namespace platform {
namespace {

TEST(Bitmap, ReplacesExactlyOneColour) {
    const Color magenta{255, 0, 255};
    Bitmap bitmap(3, 2, magenta);
    bitmap.SetPixel(1, 1, Color{255, 0, 254});
    EXPECT_EQ(bitmap.ReplaceColor(magenta, Color{1, 2, 3}), 5);
    EXPECT_EQ(bitmap.Pixel(0, 0), (Color{1, 2, 3}));
    EXPECT_EQ(bitmap.Pixel(1, 1), (Color{255, 0, 254}));
}

TEST(Bitmap, IgnoresPixelsOutsideIt) {
    Bitmap bitmap(2, 2, Color{9, 9, 9});
    bitmap.SetPixel(2, 0, Color{1, 1, 1});
    bitmap.SetPixel(-1, 0, Color{1, 1, 1});
    EXPECT_EQ(bitmap.Pixel(0, 2), Color{});
    EXPECT_EQ(bitmap.ReplaceColor(Color{9, 9, 9}, Color{}), 4);
    EXPECT_TRUE(Bitmap(-3, 5).Empty());
    EXPECT_EQ(Bitmap(4, 0).Width(), 0);
}

} // namespace
} // namespace platform
