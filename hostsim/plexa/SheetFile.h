// Sheet files (.sch): {"format": "tessellon-sheet", "version": 1, "library": ..., "options": {...},
// "objects": [...]}. Every value the host calls exchange is read and written; see docs/sheet-format.md.
#pragma once

#include <filesystem>
#include <memory>

#include "hostsim/plexa/Document.h"
#include "hostsim/plexa/JsonFile.h"

namespace hostsim {

// A new document with the file's content, or SheetError naming the file, the place and what is wrong.
TESSELLON_EXPORT std::unique_ptr<Document> readSheet(const std::filesystem::path& file);

// Writes the document; the library goes in as the file name the sheet came with, or whole when it had none.
TESSELLON_EXPORT void writeSheet(const Document& document, const std::filesystem::path& file);

} // namespace hostsim
