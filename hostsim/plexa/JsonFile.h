// JSON files of the server: read with errors that name the file and the place, written with one object of a list
// per line and replaced in one step, so a failed write leaves the previous file as it was.
#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>

#include "hostsim/plexa/FieldCodec.h"

namespace hostsim {

// A sheet or library file that cannot be read or written: the message names the file, the place and the fault.
struct TESSELLON_EXPORT SheetError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// The message of a fault in a file's content: "FILE: PLACE: WHAT".
std::string describeFault(const std::filesystem::path& file, const FormatError& fault);

Json readJsonFile(const std::filesystem::path& file);

// Containers nested deeper than compactDepth are written on one line.
std::string layoutJson(const Json& value, int compactDepth);

void writeTextFile(const std::filesystem::path& file, const std::string& text);

} // namespace hostsim
