#include "platform/TextMetrics.h"
#include "platform/AsciiText.h"

#include <algorithm>
#include <string_view>

namespace platform {

namespace {

struct Family {
    std::string_view Name;
    int Numerator; // average width = character height * Numerator / Denominator
    int Denominator;
    bool FixedPitch;
};

constexpr Family Families[] = {
    {"Courier New", 3, 5, true}, {"Courier", 3, 5, true},         {"Arial", 6, 13, false},
    {"Tahoma", 6, 13, false},    {"MS Sans Serif", 5, 11, false},
};

const Family& FamilyOf(const Font& font) {
    for (const Family& f : Families) {
        if (EqualIgnoringAsciiCase(f.Name, font.Name)) {
            return f;
        }
    }
    return Families[std::size(Families) - 1];
}

bool IsSystemFont(const Font& font) {
    return EqualIgnoringAsciiCase(font.Name, "System");
}

int RoundedRatio(int value, int numerator, int denominator) {
    return (value * numerator * 2 + denominator) / (denominator * 2);
}

} // namespace

Font SystemFont() {
    return Font{"System", 16, false};
}

Font MessageFont() {
    return Font{"Tahoma", 11, false};
}

TextMetrics GetFontMetrics(const Font& font) {
    if (IsSystemFont(font)) {
        return TextMetrics{16, 7, 14};
    }
    const int height = std::max(font.Height, 1);
    const Family& family = FamilyOf(font);
    const int average = std::max(RoundedRatio(height, family.Numerator, family.Denominator), 1) + (font.Bold ? 1 : 0);
    return TextMetrics{RoundedRatio(height, 6, 5), average, 2 * average};
}

int CharWidth(const Font& font, char c) {
    const int average = GetFontMetrics(font).AveCharWidth;
    if (c == '\t') {
        return 8 * CharWidth(font, ' ');
    }
    if (!IsSystemFont(font) && FamilyOf(font).FixedPitch) {
        return average;
    }
    constexpr std::string_view narrow = "iljI!|.,:;'";
    constexpr std::string_view slim = "ft()[]-{} ";
    constexpr std::string_view wide = "mwMW@%";
    if (narrow.find(c) != std::string_view::npos) {
        return std::max(RoundedRatio(average, 1, 2), 1);
    }
    if (slim.find(c) != std::string_view::npos) {
        return std::max(RoundedRatio(average, 3, 4), 1);
    }
    if (wide.find(c) != std::string_view::npos) {
        return RoundedRatio(average, 3, 2);
    }
    return average;
}

TextSize TextExtent(const Font& font, const std::string& text) {
    int width = 0;
    for (char c : text) {
        width += CharWidth(font, c);
    }
    return TextSize{width, GetFontMetrics(font).Height};
}

} // namespace platform
