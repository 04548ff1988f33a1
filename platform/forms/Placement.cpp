#include "platform/forms/Placement.h"

#include "platform/Screen.h"
#include "platform/forms/Form.h"

namespace platform::forms {

void CenterOnActiveMonitor(Form& form) {
    const auto monitor = platform::MonitorOfWindow(platform::ActiveWindow());
    if (!monitor)
        return;
    const platform::Rect& m = monitor->Bounds;
    form.SetBounds((m.Left + m.Right - form.Width()) / 2, (m.Top + m.Bottom - form.Height()) / 2, form.Width(),
                   form.Height());
}

platform::ScreenPoint FileDialogPlace(int width, int height) {
    const platform::Rect m = platform::MonitorNearestWindow(platform::ActiveWindow()).Bounds;
    return {(m.Left + m.Right - width) / 2, (m.Top + m.Bottom - height) / 3};
}

} // namespace platform::forms
