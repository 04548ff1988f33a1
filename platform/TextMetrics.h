// Text measurement in a font, with fixed metrics so that layouts come out the same on every machine.
//
// The metrics model (in pixels):
// - "System", the font of a device context that selected no font: height 16, average width 7, maximum width 14,
//   at any requested size.
// - Every other font: the cell height is the requested character height times 6/5, rounded; the average character
//   width is the character height times the family's ratio, rounded (at least 1): "Courier New" and "Courier"
//   3/5 (fixed pitch), "Arial" 6/13, "Tahoma" 6/13, "MS Sans Serif" and any unknown family 5/11; bold adds 1.
//   The maximum character width is twice the average width.
// - Character widths of a proportional font, relative to the average width A (rounded, at least 1):
//   "iljI!|.,:;'" A/2, "ft()[]-{} " 3A/4, "mwMW@%" 3A/2, every other character A. Fixed-pitch fonts use A for
//   every character. A tab is as wide as eight blanks.
// - A text is as wide as the sum of its characters and as high as the cell height; the extent of an empty text
//   is 0 wide and the cell height high.
#pragma once

#include <string>

namespace platform {

struct Font {
    std::string Name = "MS Sans Serif";
    int Height = 11; // the character height in pixels (the toolkit's negative font height, made positive)
    bool Bold = false;
};

struct TextMetrics {
    int Height = 0;       // cell height
    int AveCharWidth = 0; // average character width
    int MaxCharWidth = 0; // widest character
};

struct TextSize {
    int Width = 0;
    int Height = 0;
    friend bool operator==(const TextSize&, const TextSize&) = default;
};

// The font of a device context that selected no font.
Font SystemFont();

// The system's message font (message boxes): "Tahoma", height 11, not bold.
Font MessageFont();

TextMetrics GetFontMetrics(const Font& font);
int CharWidth(const Font& font, char c);
TextSize TextExtent(const Font& font, const std::string& text);
inline int TextWidth(const Font& font, const std::string& text) {
    return TextExtent(font, text).Width;
}

} // namespace platform
