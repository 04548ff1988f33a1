#include "platform/Application.h"
#include "platform/Screen.h"

namespace platform {

// One hidden window per library; made again when the stand-in screen was reset under it.
WindowHandle ApplicationWindow() {
    static WindowHandle window = 0;
    if (window == 0 || !WindowBounds(window)) {
        window = CreateStandInWindow(Rect{});
    }
    return window;
}

} // namespace platform
