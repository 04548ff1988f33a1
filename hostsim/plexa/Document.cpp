#include "hostsim/plexa/Document.h"

#include <algorithm>

#include "hostsim/plexa/HandleTable.h"
#include "hostsim/plexa/ObjectBounds.h"
#include "hostsim/plexa/PartPlacer.h"

namespace hostsim {

Document::Document(std::filesystem::path fileName) : fileName_(std::move(fileName)) {
    handle_ = handleTable().add(HandleType::Document, this);
    ownWindow_ = window_ = handleTable().add(HandleType::Window, this);
}

Document::~Document() {
    objects_.clear();
    library_.components.clear();
    handleTable().remove(ownWindow_);
    handleTable().remove(handle_);
}

void Document::setLibrary(PartLibrary library, std::string libraryFile) {
    library_ = std::move(library);
    library_.registerHandles();
    libraryFile_ = std::move(libraryFile);
}

SheetObject& Document::add(std::unique_ptr<SheetObject> object) {
    object->attach(this, nullptr);
    if (object->part)
        placePart(*object, library_);
    objects_.push_back(std::move(object));
    changed(*objects_.back());
    return *objects_.back();
}

std::unique_ptr<SheetObject> Document::remove(const SheetObject& object) {
    const auto it = std::find_if(objects_.begin(), objects_.end(),
                                 [&object](const std::unique_ptr<SheetObject>& held) { return held.get() == &object; });
    if (it == objects_.end())
        return nullptr;
    std::unique_ptr<SheetObject> removed = std::move(*it);
    objects_.erase(it);
    removed->attach(nullptr, nullptr);
    changed();
    return removed;
}

void Document::changed(const SheetObject& object) {
    if (indexStale_)
        return;
    unfiled_.push_back(object.owner ? object.owner : &object);
    // Filing many objects one by one costs more than one rebuild.
    if (unfiled_.size() > objects_.size() / 4 + 64)
        changed();
}

std::vector<SheetObject*> Document::objectsAt(const Rect& area, KindSet kinds) const {
    if (indexStale_) {
        index_.build(objects_);
        indexStale_ = false;
        unfiled_.clear();
    }
    for (const SheetObject* object : unfiled_)
        index_.refile(objects_, *object);
    unfiled_.clear();
    std::vector<SheetObject*> found;
    for (uint32_t position : index_.query(area)) {
        if (kindSetHas(kinds, objects_[position]->kind))
            found.push_back(objects_[position].get());
    }
    return found;
}

size_t Document::selectInside(const Rect& area) {
    size_t count = 0;
    for (const auto& object : objects_) {
        if (area.contains(boundsOf(*object))) {
            object->selection = 1;
            ++count;
        }
    }
    return count;
}

void Document::deselectAll() {
    for (const auto& object : objects_)
        object->selection = 0;
}

} // namespace hostsim
