// A minimal 24-bit picture: width, height and one colour per pixel.
#pragma once

#include <cstdint>
#include <vector>

namespace platform {

struct Color {
    std::uint8_t Red = 0;
    std::uint8_t Green = 0;
    std::uint8_t Blue = 0;
    friend bool operator==(const Color&, const Color&) = default;
};

class Bitmap {
public:
    Bitmap() = default;
    // A Width x Height picture filled with Fill; negative sizes count as 0.
    Bitmap(int width, int height, Color fill = {});

    int Width() const { return Width_; }
    int Height() const { return Height_; }
    bool Empty() const { return Pixels_.empty(); }

    // Pixel access; (0, 0) is the top left pixel. Out-of-range reads answer black and writes do nothing.
    Color Pixel(int x, int y) const;
    void SetPixel(int x, int y, Color c);

    // Paints every pixel of exactly colour From with To, leaving all others; answers the number changed.
    int ReplaceColor(Color from, Color to);

private:
    bool Inside(int x, int y) const { return x >= 0 && y >= 0 && x < Width_ && y < Height_; }
    int Width_ = 0;
    int Height_ = 0;
    std::vector<Color> Pixels_;
};

} // namespace platform
