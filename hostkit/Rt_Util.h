// Small services of the kit: text comparisons, the designator counter, environment and system queries, the
// per-user data folder, module-relative paths and the recolouring of dialog pictures.
#pragma once

#include "platform/Bitmap.h"
#include "platform/Module.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace hostkit {

// Equal ignoring the case of ASCII letters.
bool SameText(std::string_view a, std::string_view b);

// Byte-identical, or else equal ignoring ASCII case once both are trimmed (codes up to 32 at both ends).
bool SameTextTrim(std::string_view a, std::string_view b);

// Text without the characters with codes up to 32 at its start, at its end.
std::string TrimLeftText(std::string_view text);
std::string TrimRightText(std::string_view text);

// The decimal text of N.
std::string IntegerToText(std::int32_t n);

// The characters of a designator's number part: "-", "." and the digits.
bool IsDesignatorChar(char c);

// Adds Delta to the number that ends Text ("U9" + 1 = "U10", "R099" + 1 = "R100", "N-2" + 1 = "N-1"), keeping the
// number's width with leading zeros. Text stays as it was when it does not end in a designator character or its
// trailing run is not a whole number ("X1.5", a lone "-").
void IncrementTrailingNumber(std::string& text, std::int32_t delta);

// The same for a counted string: the result is cut to 255 characters.
void IncrementTrailingNumberShort(std::string& text, std::int32_t delta);

// The value of an environment variable as read into a 255-character buffer: empty when the variable is not set
// or does not fit.
std::string GetEnvironmentText(const std::string& name);

// True from system version 5.1 on.
bool IsWindowsXPOrLater();

// The module of the process's main program (the host).
platform::ModuleHandle HostModuleHandle();

// The folder of the host program's file, without a trailing delimiter; empty when it cannot be obtained.
std::string HostFolder();

// The path of the system's special folder Number, or empty; the folder is not created.
std::string GetSpecialFolder(int number);

// The per-user data folder (the application-data folder followed by "Korvane", or the platform's override),
// created (one level) when missing.
std::string GetUserDataFolder();

// The folder of this library's file followed by Name, upper-cased as the system writes paths; Name unchanged when
// the library's file name cannot be obtained.
std::string ModuleRelativePath(const std::string& name);

// The host program's folder, "System" and Name, upper-cased as the system writes paths.
std::string SystemRelativePath(const std::string& name);

// Replaces, in this order, each of the fixed colours 255,0,255 / 191,191,191 / 192,192,192 (button face),
// 128,128,128 (button shadow) and 255,255,255 (button highlight) by the current system colour, pixel by pixel.
void RecolorToSystem(platform::Bitmap& bitmap);

} // namespace hostkit
