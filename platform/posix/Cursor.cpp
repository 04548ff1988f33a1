#include "platform/Cursor.h"
#include "platform/posix/SystemState.h"

namespace platform {

Cursor SetCursor(Cursor cursor) {
    auto& system = posix::System();
    system.CursorHistory.push_back(cursor);
    const Cursor previous = system.Shown;
    system.Shown = cursor;
    return previous;
}

Cursor CurrentCursor() {
    return posix::System().Shown;
}

std::vector<Cursor> CursorHistory() {
    return posix::System().CursorHistory;
}

void ResetCursor() {
    auto& system = posix::System();
    system.Shown = Cursor::Arrow;
    system.CursorHistory.clear();
}

} // namespace platform
