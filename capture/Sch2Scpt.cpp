#include "capture/Sch2Scpt.h"

#include "capture/SchProcs.h"
#include "hostkit/ClientClass.h"
#include "hostkit/ClientProcs.h"
#include "hostkit/Rt_Util.h"
#include "platform/TempFiles.h"

namespace snapscribe {

TMacroRecorder::TMacroRecorder(const TSetUpInfo& settings, TRecorderMessages& messages)
    : isPascal_(hostkit::SameTextTrim(settings.MacroType, "ClientPascal")), documentView_(settings.DocumentView),
      macroFileName_(settings.MacroFileName), tempFile_(platform::CreateTempFile(platform::TempFolder(), "T")),
      statements_(isPascal_, settings.LocationX, settings.LocationY), messages_(messages) {
    // The schematic API reads the editor's current document: make the captured one current first.
    const auto document = hostkit::ViewOwnerDocument(documentView_.Get());
    if (document)
        hostkit::ClientShowDocument(hostkit::GlobalClient().Get(), document.Get());
    documentHandle_ = SchAPI_GetCurrentDocumentHandle();
}

} // namespace snapscribe
