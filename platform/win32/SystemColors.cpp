#include "platform/SystemColors.h"

#include <windows.h>

namespace platform {

Color GetSystemColor(SystemColor which) {
    const COLORREF c = GetSysColor(static_cast<int>(which));
    return Color{GetRValue(c), GetGValue(c), GetBValue(c)};
}

} // namespace platform
