// Files on disk: existence, folders and safe replacement of a file's content.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace platform {

// True when a file (not a folder) exists at Path.
bool FileExistsOnDisk(const std::string& path);

// True when a folder exists at Path.
bool FolderExists(const std::string& path);

// Creates one folder level (its parent must exist); true when the folder exists afterwards.
bool CreateFolder(const std::string& path);

// Reads a whole file as bytes; false when it cannot be read.
bool ReadWholeFile(const std::string& path, std::string& contents);

// The lines of a text file's contents without their line ends (LF or CR LF); a final line end starts no further
// line.
std::vector<std::string> SplitLines(std::string_view text);

// Replaces the file at Path by Contents: written under a temporary name in the same folder, then moved over the
// old file, so a failed write (full disk, no permission, missing folder) leaves the previous file as it was.
// False on failure.
bool WriteFileReplacing(const std::string& path, const std::string& contents);

// Deletes a file; true when it no longer exists.
bool DeleteFileAt(const std::string& path);

// Stand-in control (host program and tests): while set, every WriteFileReplacing fails as on a full disk.
void SimulateFullDisk(bool on);

} // namespace platform
