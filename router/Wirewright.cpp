// Wirewright's library entry: binds the host at load, keeps the options for the library's lifetime, and the exports
// the schematic editor calls while the user draws a wire.
#include "hostkit/ClientProcs.h"
#include "platform/Abi.h"
#include "platform/Sound.h"
#include "router/MainApp.h"
#include "router/New_SchProcs.h"
#include "router/OptionsForm.h"

#include <cstdint>

namespace wirewright {
namespace {
// Runs when the host loads the library, before it calls any export. The options (unsaved) and a router instance
// the editor left behind go with their own globals when the library is unloaded.
const struct LibraryLoad {
    LibraryLoad() {
        BindSchematicApi();
        hostkit::BindClientApi();
        GlobalRouteOptions = std::make_unique<TRouteOptions>();
    }
} OnLoad;
} // namespace
} // namespace wirewright

extern "C" TESSELLON_EXPORT void TESSELLON_STDCALL AutoWirer_Create() {
    try {
        wirewright::CreateRouterInstance();
    } catch (...) {
        // The editor goes on drawing by hand; a later execute finds no tree and answers false.
    }
}

extern "C" TESSELLON_EXPORT void TESSELLON_STDCALL AutoWirer_Destroy() {
    try {
        wirewright::DestroyRouterInstance();
    } catch (...) {
    }
}

extern "C" TESSELLON_EXPORT uint8_t TESSELLON_STDCALL AutoWirer_Execute(uint32_t Wire, int32_t X1, int32_t Y1,
                                                                        int32_t X2, int32_t Y2) {
    try {
        return wirewright::ExecuteRoute(Wire, {X1, Y1}, {X2, Y2}) ? 1 : 0;
    } catch (...) {
        platform::MessageBeep(0);
        return 0;
    }
}

// Shows the options dialog on the library's options and saves Router.ini when the user confirms it.
extern "C" TESSELLON_EXPORT void TESSELLON_STDCALL AutoWirer_Options() {
    try {
        if (wirewright::GlobalRouteOptions)
            wirewright::ShowRouteOptionsDialog(*wirewright::GlobalRouteOptions);
    } catch (...) {
        // A dialog that cannot be shown changes nothing, as a cancelled one.
    }
}
