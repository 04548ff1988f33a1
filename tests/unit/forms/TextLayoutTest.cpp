// Accelerators, line breaks, word wrapping and tab stops with the platform's fixed text metrics.
#include "platform/forms/TextLayout.h"

#include <gtest/gtest.h>

using namespace platform::forms;

namespace {

// A fixed-pitch face: every character is 7 pixels wide, a tab stop every 56.
const platform::Font Fixed{"Courier New", 12, false};

TEST(TextLayout, AcceleratorsAreResolvedAsShown) {
    EXPECT_EQ(StripAccelerators("&Next >"), "Next >");
    EXPECT_EQ(StripAccelerators("Save && exit"), "Save & exit");
    EXPECT_EQ(StripAccelerators("trailing&"), "trailing");
}

struct WrapCase {
    const char* Text;
    int Width;
    std::vector<std::string> Lines;
};

class Wrapping : public ::testing::TestWithParam<WrapCase> {};

TEST_P(Wrapping, BreaksAtLineEndsAndBetweenWords) {
    EXPECT_EQ(WrapText(Fixed, GetParam().Text, GetParam().Width), GetParam().Lines);
}

INSTANTIATE_TEST_SUITE_P(Cases, Wrapping,
                         ::testing::Values(WrapCase{"one\rtwo\r\nthree\nfour", 0, {"one", "two", "three", "four"}},
                                           WrapCase{"aaa bbb ccc", 7 * 7, {"aaa bbb", "ccc"}},
                                           WrapCase{"aaa   bbb", 7 * 5, {"aaa", "bbb"}}, // blanks vanish at a break
                                           WrapCase{"a averyverylongword b", 7 * 4, {"a", "averyverylongword", "b"}},
                                           WrapCase{"  indented", 7 * 20, {"  indented"}}, WrapCase{"", 100, {""}}));

TEST(TextLayout, MeasuresTheWidestLineAndTabStops) {
    const int cell = platform::GetFontMetrics(Fixed).Height;
    EXPECT_EQ(MeasureText(Fixed, "ab\nabcd", 0), (platform::TextSize{28, 2 * cell}));
    EXPECT_EQ(MeasureText(Fixed, "", 0), (platform::TextSize{0, cell}));
    EXPECT_EQ(LineWidth(Fixed, "a\tb"), 56 + 7);
    EXPECT_EQ(LineWidth(Fixed, "abcdefgh\tb"), 112 + 7);
}

} // namespace
