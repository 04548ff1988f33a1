#include "platform/Cursor.h"

#include <windows.h>

namespace platform {

namespace {

HCURSOR SystemCursor(Cursor cursor) {
    return LoadCursor(nullptr, cursor == Cursor::Wait ? IDC_WAIT : IDC_ARROW);
}

Cursor KindOf(HCURSOR cursor) {
    return cursor != nullptr && cursor == SystemCursor(Cursor::Wait) ? Cursor::Wait : Cursor::Arrow;
}

} // namespace

Cursor SetCursor(Cursor cursor) {
    return KindOf(::SetCursor(SystemCursor(cursor)));
}

Cursor CurrentCursor() {
    return KindOf(::GetCursor());
}

} // namespace platform
