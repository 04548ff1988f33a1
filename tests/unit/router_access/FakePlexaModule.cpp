// A stand-in schematic server with three exports, two of them spelled like router look-ups in another letter case,
// so that the binding's exact, case-sensitive look-up can be seen.
#include "platform/Abi.h"
#include "router/New_SchAPITypes.h"

#include <type_traits>

using wirewright::THostHandle;

extern "C" {

TESSELLON_EXPORT THostHandle TESSELLON_STDCALL SchAPI_GetCurrentDocumentHandle() {
    return 4242;
}

TESSELLON_EXPORT THostHandle TESSELLON_STDCALL SchApi_GetSheetHandleFromServerWindowHandle(THostHandle Window) {
    return Window + 1;
}

// The router looks these names up with other capitalisations ("SchAPI_GetObjectId...", "SchApi_GetSheet...").
TESSELLON_EXPORT uint8_t TESSELLON_STDCALL SchApi_GetObjectIdFromObjectHandle(THostHandle) {
    return 16;
}
TESSELLON_EXPORT THostHandle TESSELLON_STDCALL SchAPI_GetSheetHandleFromServerWindowHandle(THostHandle) {
    return 0;
}
}

static_assert(std::is_same_v<decltype(&SchAPI_GetCurrentDocumentHandle), wirewright::TSchAPI_GetCurrentDocumentHandle>);
static_assert(std::is_same_v<decltype(&SchApi_GetSheetHandleFromServerWindowHandle),
                             wirewright::TSchApi_GetSheetHandleFromServerWindowHandle>);
