#include "platform/TextMetrics.h"

#include <gtest/gtest.h>

namespace platform {
namespace {

TEST(TextMetrics, FollowTheDocumentedModel) {
    const struct {
        Font F;
        int Height, Average, Maximum;
    } cases[] = {
        {SystemFont(), 16, 7, 14},
        {Font{"system", 40, true}, 16, 7, 14},
        {Font{"MS Sans Serif", 11, false}, 13, 5, 10},
        {Font{"Arial", 13, false}, 16, 6, 12},
        {Font{"Arial", 13, true}, 16, 7, 14},
        {MessageFont(), 13, 5, 10},
        {Font{"Courier New", 10, false}, 12, 6, 12},
        {Font{"No Such Font", 22, false}, 26, 10, 20},
    };
    for (const auto& c : cases) {
        const TextMetrics m = GetFontMetrics(c.F);
        EXPECT_EQ(m.Height, c.Height) << c.F.Name << " " << c.F.Height;
        EXPECT_EQ(m.AveCharWidth, c.Average) << c.F.Name << " " << c.F.Height;
        EXPECT_EQ(m.MaxCharWidth, c.Maximum) << c.F.Name << " " << c.F.Height;
    }
}

TEST(TextExtent, AddsTheCharacterWidths) {
    const Font arial{"Arial", 13, false}; // average 6
    EXPECT_EQ(TextExtent(arial, "iW a"), (TextSize{3 + 9 + 5 + 6, 16}));
    EXPECT_EQ(TextExtent(arial, ""), (TextSize{0, 16}));
    EXPECT_EQ(TextWidth(arial, "\t"), 8 * CharWidth(arial, ' '));
    const Font courier{"Courier New", 10, false};
    EXPECT_EQ(TextWidth(courier, "iiWW"), 4 * 6) << "fixed pitch";
    // The message boxes' average character: the 52 letters' extent divided by 52.
    std::string letters;
    for (char c = 'A'; c <= 'Z'; ++c) {
        letters += c;
        letters += static_cast<char>(c - 'A' + 'a');
    }
    EXPECT_EQ(TextWidth(MessageFont(), letters) / 52, GetFontMetrics(MessageFont()).AveCharWidth);
}

} // namespace
} // namespace platform
