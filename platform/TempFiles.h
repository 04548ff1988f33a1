// Temporary files in the system's temporary folder.
#pragma once

#include <string>

namespace platform {

// The system's temporary folder, without a trailing delimiter.
std::string TempFolder();

// Creates a new, empty file with a name unique in Folder that starts with Prefix (the system uses up to three of its
// characters) and answers its full path; empty when no file could be created.
std::string CreateTempFile(const std::string& folder, const std::string& prefix);

} // namespace platform
