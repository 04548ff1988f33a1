// The user's system colours (the colour scheme of buttons, windows and texts).
#pragma once

#include "platform/Bitmap.h"

namespace platform {

// The system's colour numbers.
enum class SystemColor {
    Window = 5,
    WindowText = 8,
    ButtonFace = 15,
    ButtonShadow = 16,
    GrayText = 17,
    ButtonHighlight = 20,
    DarkShadow3D = 21,
};

// The current colour. The posix stand-in answers the classic scheme: window 255,255,255; window text 0,0,0;
// button face 212,208,200; button shadow 128,128,128; grey text 128,128,128; button highlight 255,255,255;
// 3D dark shadow 64,64,64.
Color GetSystemColor(SystemColor which);

// Stand-in control (posix build only; host program and tests): change one colour; ResetSystemColors restores
// the classic scheme.
void SetSystemColor(SystemColor which, Color c);
void ResetSystemColors();

} // namespace platform
