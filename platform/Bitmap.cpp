#include "platform/Bitmap.h"

#include <algorithm>

namespace platform {

Bitmap::Bitmap(int width, int height, Color fill)
    : Width_(std::max(width, 0)), Height_(std::max(height, 0)),
      Pixels_(static_cast<std::size_t>(Width_) * static_cast<std::size_t>(Height_), fill) {
    if (Pixels_.empty()) {
        Width_ = Height_ = 0;
    }
}

Color Bitmap::Pixel(int x, int y) const {
    return Inside(x, y) ? Pixels_[static_cast<std::size_t>(y) * Width_ + x] : Color{};
}

void Bitmap::SetPixel(int x, int y, Color c) {
    if (Inside(x, y)) {
        Pixels_[static_cast<std::size_t>(y) * Width_ + x] = c;
    }
}

int Bitmap::ReplaceColor(Color from, Color to) {
    int changed = 0;
    for (Color& pixel : Pixels_) {
        if (pixel == from) {
            pixel = to;
            ++changed;
        }
    }
    return changed;
}

} // namespace platform
