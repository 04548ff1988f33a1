#pragma once

#include "hostsim/host/LoadedLibrary.h"
#include "platform/Abi.h"

#include <cstdint>
#include <string>

namespace hostsim {

// A wire router plug-in as the schematic editor drives it while the user draws a wire: create a router instance for
// the current sheet, route connections into the wire being drawn, show the options, destroy the instance.
class RouterPlugin {
public:
    using CreateProc = void(TESSELLON_STDCALL*)();
    using DestroyProc = void(TESSELLON_STDCALL*)();
    using OptionsProc = void(TESSELLON_STDCALL*)();
    // One byte answer: 1 when a route was found and appended to Wire.
    using ExecuteProc = uint8_t(TESSELLON_STDCALL*)(uint32_t Wire, int32_t X1, int32_t Y1, int32_t X2, int32_t Y2);

    // Loads the library and binds its four exports; throws HostError when one is missing.
    explicit RouterPlugin(const std::string& fileName);
    // A router instance the editor left behind is destroyed before the library goes.
    ~RouterPlugin();
    RouterPlugin(const RouterPlugin&) = delete;
    RouterPlugin& operator=(const RouterPlugin&) = delete;

    void create() {
        create_();
        instanceLive_ = true;
    }
    void destroy() {
        destroy_();
        instanceLive_ = false;
    }
    bool execute(uint32_t wire, int32_t x1, int32_t y1, int32_t x2, int32_t y2) const {
        return execute_(wire, x1, y1, x2, y2) != 0;
    }
    void options() const { options_(); }

    const LoadedLibrary& library() const { return library_; }

private:
    LoadedLibrary library_;
    CreateProc create_;
    DestroyProc destroy_;
    ExecuteProc execute_;
    OptionsProc options_;
    bool instanceLive_ = false;
};

} // namespace hostsim
