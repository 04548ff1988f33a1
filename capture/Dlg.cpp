#include "capture/Dlg.h"

#include "platform/TextMetrics.h"

namespace snapscribe {

TDialogCharWidths MeasureDialogCharWidths() {
    const platform::TextMetrics metrics = platform::GetFontMetrics(platform::SystemFont());
    return {metrics.AveCharWidth, metrics.MaxCharWidth};
}

} // namespace snapscribe
