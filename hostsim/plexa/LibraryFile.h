// Part library files: {"format": "tessellon-library", "components": [...]}, each component with its parts and
// their items in library coordinates. A sheet names its library file or carries the same content itself.
#pragma once

#include <filesystem>

#include "hostsim/plexa/JsonFile.h"
#include "hostsim/plexa/PartLibrary.h"

namespace hostsim {

// Reads the "components" of a library (the library file's top object, or a sheet's inline "library").
PartLibrary readLibrary(const Json& json, const std::string& place);
Json writeLibrary(const PartLibrary& library);

// Throws SheetError naming the file, the place and the fault.
TESSELLON_EXPORT PartLibrary readLibraryFile(const std::filesystem::path& file);
TESSELLON_EXPORT void writeLibraryFile(const PartLibrary& library, const std::filesystem::path& file);

} // namespace hostsim
