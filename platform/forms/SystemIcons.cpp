#include "platform/forms/SystemIcons.h"

#include <array>
#include <cstdlib>

namespace platform::forms {

namespace {

// 5 x 7 glyphs drawn three pixels to a dot in the middle of the icon.
using Glyph = std::array<const char*, 7>;
constexpr Glyph Exclamation = {"..#..", "..#..", "..#..", "..#..", "..#..", ".....", "..#.."};
constexpr Glyph Question = {".###.", "#...#", "....#", "...#.", "..#..", ".....", "..#.."};
constexpr Glyph Info = {"..#..", ".....", ".##..", "..#..", "..#..", "..#..", ".###."};

void DrawGlyph(platform::Bitmap& b, const Glyph& glyph, platform::Color ink, int top) {
    constexpr int scale = 3;
    const int left = (IconSize - 5 * scale) / 2;
    for (int row = 0; row < 7; ++row)
        for (int col = 0; col < 5; ++col)
            if (glyph[row][col] == '#')
                for (int dy = 0; dy < scale; ++dy)
                    for (int dx = 0; dx < scale; ++dx)
                        b.SetPixel(left + col * scale + dx, top + row * scale + dy, ink);
}

void DrawDisc(platform::Bitmap& b, platform::Color fill, platform::Color rim) {
    for (int y = 0; y < IconSize; ++y)
        for (int x = 0; x < IconSize; ++x) {
            const int dx = 2 * x + 1 - IconSize, dy = 2 * y + 1 - IconSize; // doubled offsets from the centre
            const int d2 = dx * dx + dy * dy;
            if (d2 <= 30 * 30)
                b.SetPixel(x, y, d2 >= 27 * 27 ? rim : fill);
        }
}

// Two thick diagonals through the middle.
void DrawCross(platform::Bitmap& b, platform::Color ink) {
    for (int y = 0; y < IconSize; ++y)
        for (int x = 0; x < IconSize; ++x) {
            const int dx = 2 * x + 1 - IconSize, dy = 2 * y + 1 - IconSize;
            const bool onDiagonal = std::abs(dx - dy) <= 4 || std::abs(dx + dy) <= 4;
            if (onDiagonal && std::abs(dx) <= 17 && std::abs(dy) <= 17)
                b.SetPixel(x, y, ink);
        }
}

void DrawTriangle(platform::Bitmap& b, platform::Color fill, platform::Color rim) {
    for (int y = 2; y < IconSize - 1; ++y) {
        const int half = (y - 2) / 2 + 1; // widens one pixel every two rows
        for (int x = IconSize / 2 - half; x < IconSize / 2 + half; ++x) {
            const bool edge = y == IconSize - 2 || std::abs(2 * x + 1 - IconSize) >= 2 * half - 2;
            b.SetPixel(x, y, edge ? rim : fill);
        }
    }
}

} // namespace

platform::Bitmap SystemIconBitmap(int id, platform::Color background) {
    constexpr platform::Color white{255, 255, 255}, black{0, 0, 0};
    platform::Bitmap b(IconSize, IconSize, background);
    switch (id) {
    case 32513: // error
        DrawDisc(b, {220, 30, 30}, {150, 0, 0});
        DrawCross(b, white);
        return b;
    case 32514: // question
        DrawDisc(b, {40, 90, 200}, {20, 50, 130});
        DrawGlyph(b, Question, white, 6);
        return b;
    case 32515: // warning
        DrawTriangle(b, {250, 210, 40}, {120, 90, 0});
        DrawGlyph(b, Exclamation, black, 9);
        return b;
    case 32516: // information
        DrawDisc(b, {40, 90, 200}, {20, 50, 130});
        DrawGlyph(b, Info, white, 6);
        return b;
    default:
        return {};
    }
}

} // namespace platform::forms
