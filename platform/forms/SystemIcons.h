// The system's message icons as 32 x 32 pictures: 32513 error, 32514 question, 32515 warning,
// 32516 information.
#pragma once

#include "platform/Bitmap.h"

namespace platform::forms {

constexpr int IconSize = 32;

// The icon of that number on a background of Background; an empty picture for a number the system has no icon for.
platform::Bitmap SystemIconBitmap(int id, platform::Color background);

} // namespace platform::forms
