// A wire router plug-in that records how the editor drives it; it "routes" any connection of two distinct points.
#include "TestPlugins.h"

#include "platform/Abi.h"

namespace {
TestRouterState State;
}

extern "C" {

TESSELLON_EXPORT void TESSELLON_STDCALL AutoWirer_Create() {
    ++State.Created;
}
TESSELLON_EXPORT void TESSELLON_STDCALL AutoWirer_Destroy() {
    ++State.Destroyed;
}
TESSELLON_EXPORT void TESSELLON_STDCALL AutoWirer_Options() {
    ++State.OptionsShown;
}

TESSELLON_EXPORT uint8_t TESSELLON_STDCALL AutoWirer_Execute(uint32_t wire, int32_t x1, int32_t y1, int32_t x2,
                                                             int32_t y2) {
    State.Wire = wire;
    State.Points[0] = x1;
    State.Points[1] = y1;
    State.Points[2] = x2;
    State.Points[3] = y2;
    return x1 != x2 || y1 != y2 ? 1 : 0;
}

TESSELLON_EXPORT TestRouterState* TestRouter_State() {
    return &State;
}
}
