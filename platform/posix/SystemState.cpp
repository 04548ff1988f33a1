#include "platform/posix/SystemState.h"

#include <dlfcn.h>

namespace platform::posix {

namespace {

SystemState* FindSystem() {
    using Owner = SystemState* (*)();
    if (auto owner = reinterpret_cast<Owner>(dlsym(RTLD_DEFAULT, SystemStateExport))) {
        return owner();
    }
    static SystemState own = InitialSystemState();
    return &own;
}

} // namespace

SystemState& System() {
    static SystemState* const system = FindSystem();
    return *system;
}

SystemState InitialSystemState() {
    SystemState s;
    s.Monitors = DefaultMonitors();
    s.Colors = ClassicColors();
    return s;
}

std::vector<Monitor> DefaultMonitors() {
    return {Monitor{Rect{0, 0, 1920, 1080}, Rect{0, 0, 1920, 1040}}};
}

std::map<SystemColor, Color> ClassicColors() {
    return {
        {SystemColor::Window, {255, 255, 255}},     {SystemColor::WindowText, {0, 0, 0}},
        {SystemColor::ButtonFace, {212, 208, 200}}, {SystemColor::ButtonShadow, {128, 128, 128}},
        {SystemColor::GrayText, {128, 128, 128}},   {SystemColor::ButtonHighlight, {255, 255, 255}},
        {SystemColor::DarkShadow3D, {64, 64, 64}},
    };
}

} // namespace platform::posix
