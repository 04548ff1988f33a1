// The search for the kit's support files (script templates and the like).
#pragma once

#include <string>

namespace hostkit {

// Looks for FileName in the kit's places, in order: the name itself; the host's executable-relative form of it;
// the host's System folder; this library's folder; the per-user data folder; the Windows folder, the system
// folder and the Windows "Command" folder; then the folders of PATH. The steps up to the "Command" folder ask the
// host whether the file exists, the PATH step the disk. Each candidate is cut to 255 characters. True when found:
// FileName is then the path found; otherwise FileName stays as it was.
bool FindSupportFile(std::string& fileName);

} // namespace hostkit
