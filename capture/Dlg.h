// The measuring form: the character widths of the dialogs that generated scripts create, read from the text metrics
// of a dialog window's device context.
#pragma once

#include <cstdint>

namespace snapscribe {

struct TDialogCharWidths {
    std::int32_t Average = 0; // the width ClientBasic dialogs are laid out with
    std::int32_t Maximum = 0; // the width ClientPascal forms are laid out with
};

// The widths of the font a dialog window's device context holds before anything selects another into it.
TDialogCharWidths MeasureDialogCharWidths();

} // namespace snapscribe
