// The router's three settings and their settings file Router.ini in the
// per-user data folder, section "Options".
#pragma once

#include <cstdint>
#include <string>

namespace wirewright {

class TRouteOptions {
public:
    static constexpr int32_t DefaultTimeOut = 3000;
    static constexpr int32_t MaxTimeOut = 600000;
    static constexpr int32_t DefaultClearance = 5;
    static constexpr int32_t MaxClearance = 100;
    static constexpr int32_t DefaultAvoidWiresPosition = 1;
    static constexpr int32_t MaxAvoidWiresPosition = 10;

    // Settles on the settings file (the per-user data folder is created when
    // missing; the file need not exist) and reads it.
    TRouteOptions();

    // Reads the three keys; a missing, non-numeric or out-of-range value gives
    // the key's default.
    void Load();
    // Writes the three keys, keeping everything else in the file; false when the
    // file could not be written (the values stay in force in memory).
    bool Save() const;

    // Search time-out in milliseconds, search and drawing together.
    int32_t TimeOut() const { return FTimeOut; }
    // Clearance around obstacles in sheet units; obstacles are grown by Clearance
    // - 1.
    int32_t Clearance() const { return FClearance; }
    // Wire avoidance: 1 = crossing wires costs nothing extra, 10 = strongest
    // avoidance.
    int32_t AvoidWiresPosition() const { return FAvoidWiresPosition; }

    // The options dialog puts the user's confirmed values here before it calls
    // Save.
    void SetTimeOut(int32_t Value) { FTimeOut = Value; }
    void SetClearance(int32_t Value) { FClearance = Value; }
    void SetAvoidWiresPosition(int32_t Value) { FAvoidWiresPosition = Value; }

    const std::string& IniFile() const { return FIniFile; }

private:
    std::string FIniFile;
    int32_t FTimeOut = DefaultTimeOut;
    int32_t FClearance = DefaultClearance;
    int32_t FAvoidWiresPosition = DefaultAvoidWiresPosition;
};

} // namespace wirewright
