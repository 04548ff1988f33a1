// Random but realistic sheets for tests, benchmarks and demonstrations: library parts on the grid with their pins,
// wires between facing pins of neighbouring parts, junctions where wires branch, net labels, power objects and
// ports. The same options always give the same sheet.
#pragma once

#include <cstdint>
#include <filesystem>

#include "hostsim/plexa/Document.h"

namespace hostsim {

struct GenerateOptions {
    int32_t parts = 100;
    uint32_t seed = 1;
    bool selectAll = false; // every object comes selected
};

// A new document of the store, named fileName, with the library read from libraryFile carried in the sheet.
// Throws SheetError when the library cannot be read.
Document& generateSheet(const std::filesystem::path& libraryFile, const GenerateOptions& options,
                        const std::filesystem::path& fileName);

// The part library that ships with the host.
std::filesystem::path shippedLibraryFile();

} // namespace hostsim
