// The part library of a document: components by library reference, each with one container of items (pins and
// body graphics, in library coordinates) per part id and display mode.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "hostsim/plexa/SheetObject.h"

namespace hostsim {

struct TESSELLON_EXPORT LibraryPart {
    int32_t partId = 1;
    uint8_t displayMode = 0;
    std::vector<std::unique_ptr<SheetObject>> items;
    Handle handle = 0;

    LibraryPart() = default;
    LibraryPart(const LibraryPart&) = delete;
    LibraryPart& operator=(const LibraryPart&) = delete;
    ~LibraryPart();
};

struct TESSELLON_EXPORT LibraryComponent {
    std::string libReference;
    std::string description;
    std::string designatorPrefix;
    std::string footprint;
    std::string partType; // the part type a new part of this component gets
    std::vector<std::unique_ptr<LibraryPart>> parts;
    Handle handle = 0;

    LibraryComponent() = default;
    LibraryComponent(const LibraryComponent&) = delete;
    LibraryComponent& operator=(const LibraryComponent&) = delete;
    ~LibraryComponent();

    // The number of distinct part ids.
    int32_t partCount() const;
    const LibraryPart* findPart(int32_t partId, uint8_t displayMode) const;
};

class TESSELLON_EXPORT PartLibrary {
public:
    std::vector<std::unique_ptr<LibraryComponent>> components;

    // Library references compare ignoring ASCII letter case, as the host's do.
    const LibraryComponent* find(std::string_view libReference) const;
    // Gives every component, part container and item a handle of the server.
    void registerHandles();
};

} // namespace hostsim
