#include "hostsim/plexa/DocumentStore.h"

#include <algorithm>
#include <system_error>

#include "hostsim/plexa/HandleTable.h"
#include "hostsim/plexa/SheetFile.h"

namespace hostsim {

namespace {

bool sameFile(const std::filesystem::path& a, const std::filesystem::path& b) {
    std::error_code error;
    if (std::filesystem::equivalent(a, b, error))
        return true;
    return std::filesystem::absolute(a, error).lexically_normal() ==
           std::filesystem::absolute(b, error).lexically_normal();
}

bool exists(Handle handle) {
    return handleTable().typeOf(handle) != HandleType::Free;
}

} // namespace

Handle HandleIterator::first() {
    next = 0;
    return nextItem();
}

Handle HandleIterator::nextItem() {
    while (next < items.size()) {
        const Handle item = items[next++];
        if (exists(item))
            return item;
    }
    return 0;
}

DocumentStore::DocumentStore() {
    // The handle table must outlive every document the store holds.
    handleTable();
}

DocumentStore& DocumentStore::instance() {
    static DocumentStore store;
    return store;
}

Document& DocumentStore::open(const std::filesystem::path& file) {
    if (Document* open = find(file))
        return *open;
    documents_.push_back(readSheet(file));
    return *documents_.back();
}

Document& DocumentStore::create(const std::filesystem::path& fileName) {
    documents_.push_back(std::make_unique<Document>(fileName));
    return *documents_.back();
}

void DocumentStore::save(const Document& document, const std::filesystem::path& file) const {
    writeSheet(document, file);
}

bool DocumentStore::close(Handle document) {
    const auto it = std::find_if(documents_.begin(), documents_.end(),
                                 [document](const auto& held) { return held->handle() == document; });
    if (it == documents_.end())
        return false;
    if (current_ == it->get())
        current_ = nullptr;
    documents_.erase(it);
    return true;
}

void DocumentStore::reset() {
    for (const auto& [handle, iterator] : iterators_)
        handleTable().remove(handle);
    iterators_.clear();
    loose_.clear();
    current_ = nullptr;
    documents_.clear();
}

Document* DocumentStore::find(Handle document) const {
    return handleTable().find<Document>(document, HandleType::Document);
}

Document* DocumentStore::find(const std::filesystem::path& file) const {
    for (const auto& document : documents_) {
        if (sameFile(document->fileName(), file))
            return document.get();
    }
    return nullptr;
}

Document* DocumentStore::findByWindow(Handle window) const {
    if (window == 0)
        return nullptr;
    for (const auto& document : documents_) {
        if (document->window() == window)
            return document.get();
    }
    return nullptr;
}

SheetObject* DocumentStore::object(Handle object) const {
    return handleTable().find<SheetObject>(object, HandleType::Object);
}

SheetObject& DocumentStore::addLoose(std::unique_ptr<SheetObject> object) {
    object->attach(nullptr, nullptr);
    const Handle handle = object->handle;
    return *(loose_[handle] = std::move(object));
}

std::unique_ptr<SheetObject> DocumentStore::takeLoose(Handle object) {
    const auto it = loose_.find(object);
    if (it == loose_.end())
        return nullptr;
    auto taken = std::move(it->second);
    loose_.erase(it);
    return taken;
}

bool DocumentStore::destroy(Handle object) {
    if (loose_.erase(object))
        return true;
    SheetObject* found = this->object(object);
    if (!found || !found->document || found->owner)
        return false;
    return found->document->remove(*found) != nullptr;
}

Handle DocumentStore::addIterator(std::vector<Handle> items) {
    auto iterator = std::make_unique<HandleIterator>();
    iterator->items = std::move(items);
    const Handle handle = handleTable().add(HandleType::Iterator, iterator.get());
    iterators_[handle] = std::move(iterator);
    return handle;
}

HandleIterator* DocumentStore::iterator(Handle iterator) const {
    return handleTable().find<HandleIterator>(iterator, HandleType::Iterator);
}

bool DocumentStore::destroyIterator(Handle iterator) {
    const auto it = iterators_.find(iterator);
    if (it == iterators_.end())
        return false;
    handleTable().remove(iterator);
    iterators_.erase(it);
    return true;
}

} // namespace hostsim
