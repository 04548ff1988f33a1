#include "hostsim/plexa/PartLibrary.h"

#include <algorithm>
#include <set>

#include "hostsim/plexa/HandleTable.h"

namespace hostsim {

namespace {

bool sameText(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        const auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; };
        return lower(x) == lower(y);
    });
}

} // namespace

LibraryPart::~LibraryPart() {
    if (handle)
        handleTable().remove(handle);
}

LibraryComponent::~LibraryComponent() {
    if (handle)
        handleTable().remove(handle);
}

int32_t LibraryComponent::partCount() const {
    std::set<int32_t> ids;
    for (const auto& part : parts)
        ids.insert(part->partId);
    return static_cast<int32_t>(ids.size());
}

const LibraryPart* LibraryComponent::findPart(int32_t partId, uint8_t displayMode) const {
    for (const auto& part : parts) {
        if (part->partId == partId && part->displayMode == displayMode)
            return part.get();
    }
    return nullptr;
}

const LibraryComponent* PartLibrary::find(std::string_view libReference) const {
    for (const auto& component : components) {
        if (sameText(component->libReference, libReference))
            return component.get();
    }
    return nullptr;
}

void PartLibrary::registerHandles() {
    for (auto& component : components) {
        if (!component->handle)
            component->handle = handleTable().add(HandleType::LibraryComponent, component.get());
        for (auto& part : component->parts) {
            if (!part->handle)
                part->handle = handleTable().add(HandleType::LibraryPart, part.get());
            for (auto& item : part->items)
                item->attach(nullptr, nullptr);
        }
    }
}

} // namespace hostsim
