// Window handles and geometry as the system hands them out.
#pragma once

#include <cstdint>

namespace platform {

// A window handle: 32 bits wide like every host handle, 0 means none.
using WindowHandle = std::uint32_t;

// A rectangle in screen pixels; Right and Bottom lie just outside it.
struct Rect {
    std::int32_t Left = 0;
    std::int32_t Top = 0;
    std::int32_t Right = 0;
    std::int32_t Bottom = 0;

    std::int32_t Width() const { return Right - Left; }
    std::int32_t Height() const { return Bottom - Top; }
    bool Contains(std::int32_t x, std::int32_t y) const { return x >= Left && x < Right && y >= Top && y < Bottom; }
    friend bool operator==(const Rect&, const Rect&) = default;
};

struct ScreenPoint {
    std::int32_t X = 0;
    std::int32_t Y = 0;
    friend bool operator==(const ScreenPoint&, const ScreenPoint&) = default;
};

} // namespace platform
