// The capture command "CreateSchMacro": starts the schematic server, runs the capture wizard, lets the macro
// recorder write the script and then opens and/or runs it in the host or reports it.
#pragma once

#include "hostkit/RT_ServerImplementation.h"

#include <cstdint>

namespace snapscribe {

inline constexpr const char* CaptureCommandName = "CreateSchMacro";

// The command procedure. Uses neither argument and answers 0; nothing it raises reaches the host.
std::int32_t CreateSchMacroCommand(hostkit::IInterface* context, const char* parameters);

// Registers CreateSchMacroCommand under CaptureCommandName, without a state procedure.
void RegisterCaptureCommand(hostkit::TCommandLauncher& launcher);

} // namespace snapscribe
