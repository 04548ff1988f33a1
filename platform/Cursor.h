// The mouse cursor shown over the application.
#pragma once

#include <vector>

namespace platform {

enum class Cursor { Arrow, Wait };

// Shows Cursor and answers the one shown before, so that a caller can restore it on every path.
Cursor SetCursor(Cursor cursor);

// The cursor shown now (Arrow at start).
Cursor CurrentCursor();

// Stand-in control (posix build only; host program and tests): every cursor set since the last reset, in order,
// so a test can see that a wait cursor was shown and then taken back.
std::vector<Cursor> CursorHistory();
void ResetCursor();

} // namespace platform
