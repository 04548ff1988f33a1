#include "hostkit/Rt_Util.h"
#include "hostkit/HostText.h"
#include "platform/AsciiText.h"
#include "platform/Environment.h"
#include "platform/Files.h"
#include "platform/Folders.h"
#include "platform/SystemColors.h"
#include "platform/SystemInfo.h"

#include <charconv>

namespace hostkit {

bool SameText(std::string_view a, std::string_view b) {
    return platform::EqualIgnoringAsciiCase(a, b);
}

bool SameTextTrim(std::string_view a, std::string_view b) {
    return a == b || platform::EqualIgnoringAsciiCase(platform::TrimBlanks(a), platform::TrimBlanks(b));
}

std::string TrimLeftText(std::string_view text) {
    return std::string(platform::TrimBlanksLeft(text));
}

std::string TrimRightText(std::string_view text) {
    return std::string(platform::TrimBlanksRight(text));
}

std::string IntegerToText(std::int32_t n) {
    return std::to_string(n);
}

bool IsDesignatorChar(char c) {
    return c == '-' || c == '.' || (c >= '0' && c <= '9');
}

void IncrementTrailingNumber(std::string& text, std::int32_t delta) {
    std::size_t start = text.size();
    while (start > 0 && IsDesignatorChar(text[start - 1])) {
        --start;
    }
    const std::string_view run = std::string_view(text).substr(start);
    std::int32_t number = 0;
    const auto [end, error] = std::from_chars(run.data(), run.data() + run.size(), number);
    if (run.empty() || error != std::errc{} || end != run.data() + run.size()) {
        return;
    }
    // Summed wide, so a number near the 32-bit limit grows a digit instead of wrapping.
    std::string sum = std::to_string(static_cast<std::int64_t>(number) + delta);
    if (sum.size() < run.size()) {
        sum.insert(0, run.size() - sum.size(), '0');
    }
    text.replace(start, std::string::npos, sum);
}

void IncrementTrailingNumberShort(std::string& text, std::int32_t delta) {
    IncrementTrailingNumber(text, delta);
    text = ToShortString(text);
}

std::string GetEnvironmentText(const std::string& name) {
    const auto value = platform::ReadEnvironmentVariable(name);
    return value && value->size() <= ShortStringLength ? *value : std::string();
}

bool IsWindowsXPOrLater() {
    const platform::SystemVersion version = platform::GetSystemVersion();
    return version.Major > 5 || (version.Major == 5 && version.Minor > 0);
}

platform::ModuleHandle HostModuleHandle() {
    return platform::MainProgramModule();
}

std::string HostFolder() {
    return platform::ExtractFileDir(platform::ModuleFileName(HostModuleHandle()));
}

std::string GetSpecialFolder(int number) {
    return platform::GetSpecialFolder(number);
}

std::string GetUserDataFolder() {
    std::string folder = platform::PerUserDataFolder();
    platform::CreateFolder(folder);
    return folder;
}

std::string ModuleRelativePath(const std::string& name) {
    const std::string library =
        platform::ModuleFileName(platform::ModuleContaining(reinterpret_cast<const void*>(&ModuleRelativePath)));
    if (library.empty()) {
        return name;
    }
    return platform::SystemUpperCasePath(platform::JoinPath(platform::ExtractFileDir(library), name));
}

std::string SystemRelativePath(const std::string& name) {
    return platform::SystemUpperCasePath(platform::JoinPath(platform::JoinPath(HostFolder(), "System"), name));
}

void RecolorToSystem(platform::Bitmap& bitmap) {
    using platform::SystemColor;
    struct Replacement {
        platform::Color Fixed;
        SystemColor System;
    };
    static constexpr Replacement replacements[] = {
        {{255, 0, 255}, SystemColor::ButtonFace},        {{191, 191, 191}, SystemColor::ButtonFace},
        {{192, 192, 192}, SystemColor::ButtonFace},      {{128, 128, 128}, SystemColor::ButtonShadow},
        {{255, 255, 255}, SystemColor::ButtonHighlight},
    };
    for (const Replacement& r : replacements) {
        bitmap.ReplaceColor(r.Fixed, platform::GetSystemColor(r.System));
    }
}

} // namespace hostkit
