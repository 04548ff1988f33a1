// Special folders of the system and of the user, and the building of paths.
#pragma once

#include <string>

namespace platform {

// Path separator and the separator of folder lists (PATH).
#if defined(_WIN32)
constexpr char PathDelimiter = '\\';
constexpr char PathListDelimiter = ';';
#else
constexpr char PathDelimiter = '/';
constexpr char PathListDelimiter = ':';
#endif

// The number of the user's application-data folder among the system's special folders.
constexpr int AppDataFolder = 26;

// The path of special folder Number without a trailing delimiter; empty when the system does not know it. Never
// creates the folder. On posix only AppDataFolder is known: $XDG_CONFIG_HOME, else $HOME/.config.
std::string GetSpecialFolder(int number);

// The Windows folder and the system folder; on posix empty unless set below.
std::string WindowsFolder();
std::string SystemFolder();

// The maker's per-user data folder: the application-data folder followed by "Korvane" (only the delimiter and
// "Korvane" when the application-data folder is unknown), or the override below. Not created here.
std::string PerUserDataFolder();

// The per-user data folder override: when not empty, PerUserDataFolder answers it, so tests and the host program's
// --user-data never touch the user's own files (settings, recent lists, the posix registry store). Empty by
// default; process-wide.
std::string UserDataFolderOverride();
void SetUserDataFolderOverride(const std::string& folder);

// True when Path ends in a delimiter that needs no further one before a name (also "C:" on Windows).
bool EndsWithPathDelimiter(const std::string& path);

// Folder + delimiter + Name; the delimiter is left out when Folder already ends in one. An empty Folder gives
// the delimiter and Name (the root), as the system's string concatenation would.
std::string JoinPath(const std::string& folder, const std::string& name);

// The folder part of Path (without the trailing delimiter), empty when there is none.
std::string ExtractFileDir(const std::string& path);

// The name part of Path after the last delimiter.
std::string ExtractFileName(const std::string& path);

// A path as the system writes it in upper case: upper-cased on Windows, whose file names ignore case; unchanged on
// posix, where the case is part of the name.
std::string SystemUpperCasePath(const std::string& path);

// Stand-in control (posix build only; host program and tests).
void SetWindowsFolder(const std::string& folder);
void SetSystemFolder(const std::string& folder);

} // namespace platform
