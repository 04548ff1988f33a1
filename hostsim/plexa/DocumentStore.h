// The schematic server's state as the host program sees it: the open documents, the current one, objects that
// lie on no sheet yet, and the iterators handed out through the exported functions. There is one store per
// process; the host program and the exported functions share it.
#pragma once

#include <filesystem>
#include <map>
#include <memory>
#include <vector>

#include "hostsim/plexa/Document.h"

namespace hostsim {

// What an exported iterator walks: a list of handles taken when it was made.
struct HandleIterator {
    std::vector<Handle> items;
    size_t next = 0;

    // The first (or next) item that still exists; 0 after the last.
    Handle first();
    Handle nextItem();
};

class TESSELLON_EXPORT DocumentStore {
public:
    static DocumentStore& instance();

    // Reads a sheet file into a new document (or answers the document already open on that file). Throws SheetError
    // naming the file, the place and what is wrong; a failed read leaves no trace.
    Document& open(const std::filesystem::path& file);
    // A new, empty document with the given file name.
    Document& create(const std::filesystem::path& fileName);
    // Writes the document to a sheet file. Throws SheetError when the file cannot be written.
    void save(const Document& document, const std::filesystem::path& file) const;
    bool close(Handle document);
    // Closes every document and drops every loose object and iterator.
    void reset();

    Document* find(Handle document) const;
    Document* find(const std::filesystem::path& file) const;
    Document* findByWindow(Handle window) const;
    const std::vector<std::unique_ptr<Document>>& documents() const { return documents_; }

    Document* current() const { return current_; }
    void setCurrent(Document* document) { current_ = document; }
    // The editor window of the current document; 0 when there is none.
    Handle editorWindow() const { return current_ ? current_->window() : 0; }

    // Any object with a handle: on a sheet, a part's text or pin, a library item or a loose object.
    SheetObject* object(Handle object) const;
    // An object that lies on no sheet (a new object, a placed copy of a library item), kept until destroyed.
    SheetObject& addLoose(std::unique_ptr<SheetObject> object);
    // Takes a loose object out of the store (to put it on a sheet); null when the handle is not a loose object.
    std::unique_ptr<SheetObject> takeLoose(Handle object);
    // Destroys a loose object, or takes an object off its sheet and destroys it. False for anything else.
    bool destroy(Handle object);

    Handle addIterator(std::vector<Handle> items);
    HandleIterator* iterator(Handle iterator) const;
    bool destroyIterator(Handle iterator);

private:
    DocumentStore();

    std::vector<std::unique_ptr<Document>> documents_;
    Document* current_ = nullptr;
    std::map<Handle, std::unique_ptr<SheetObject>> loose_;
    std::map<Handle, std::unique_ptr<HandleIterator>> iterators_;
};

} // namespace hostsim
