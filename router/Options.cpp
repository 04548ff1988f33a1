#include "router/Options.h"

#include "hostkit/Rt_Util.h"
#include "platform/Folders.h"
#include "platform/Profile.h"

#include <charconv>
#include <optional>

namespace wirewright {

namespace {

const char* const Section = "Options";
const char* const TimeOutKey = "TimeOut";
const char* const ClearanceKey = "Clearance";
const char* const AvoidWiresKey = "Avoid Wires Position";

std::optional<int32_t> ParseInteger(const std::string& Text) {
    const char* First = Text.data();
    const char* Last = First + Text.size();
    if (First != Last && *First == '+')
        ++First;
    int32_t Value = 0;
    const auto [End, Error] = std::from_chars(First, Last, Value);
    if (Error != std::errc() || End != Last || First == Last)
        return std::nullopt;
    return Value;
}

// The key's value when it is an integer within 1 .. Max, else Fallback.
int32_t ReadSetting(const platform::ProfileFile& File, const char* Key, const char* Default, int32_t Max,
                    int32_t Fallback) {
    const std::optional<int32_t> Value = ParseInteger(File.Read(Section, Key, Default));
    if (!Value || *Value < 1 || *Value > Max)
        return Fallback;
    return *Value;
}

} // namespace

TRouteOptions::TRouteOptions() : FIniFile(platform::JoinPath(hostkit::GetUserDataFolder(), "Router.ini")) {
    Load();
}

void TRouteOptions::Load() {
    const platform::ProfileFile File(FIniFile);
    FTimeOut = ReadSetting(File, TimeOutKey, "3000", MaxTimeOut, DefaultTimeOut);
    FClearance = ReadSetting(File, ClearanceKey, "5", MaxClearance, DefaultClearance);
    // A missing key reads as "0", outside the range, and so gives the default as
    // well.
    FAvoidWiresPosition = ReadSetting(File, AvoidWiresKey, "0", MaxAvoidWiresPosition, DefaultAvoidWiresPosition);
}

bool TRouteOptions::Save() const {
    platform::ProfileFile File(FIniFile);
    File.Write(Section, TimeOutKey, std::to_string(FTimeOut));
    File.Write(Section, ClearanceKey, std::to_string(FClearance));
    File.Write(Section, AvoidWiresKey, std::to_string(FAvoidWiresPosition));
    return File.Save();
}

} // namespace wirewright
