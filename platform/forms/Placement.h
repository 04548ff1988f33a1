// Where dialogs appear: on the monitor the user is working on, which is the monitor of the active window.
#pragma once

#include "platform/Window.h"

namespace platform::forms {

class Form;

// Centres Form on the full rectangle of the monitor that holds the active window; nothing moves when no monitor
// holds it.
void CenterOnActiveMonitor(Form& form);

// The top left of a file dialog Width x Height: centred across the monitor nearest to the active window and a
// third of the way down it.
platform::ScreenPoint FileDialogPlace(int width, int height);

} // namespace platform::forms
