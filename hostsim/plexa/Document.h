// One schematic document of the server: its objects in sheet order, its options and its part library.
#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "hostsim/plexa/DocumentOptions.h"
#include "hostsim/plexa/PartLibrary.h"
#include "hostsim/plexa/SheetObject.h"
#include "hostsim/plexa/SpatialIndex.h"

namespace hostsim {

class TESSELLON_EXPORT Document {
public:
    explicit Document(std::filesystem::path fileName);
    Document(const Document&) = delete;
    Document& operator=(const Document&) = delete;
    ~Document();

    Handle handle() const { return handle_; }
    // The editor window that shows the document: a handle of the document's own until the host program shows it
    // in one of its windows.
    Handle window() const { return window_; }
    void showIn(Handle window) { window_ = window; }

    const std::filesystem::path& fileName() const { return fileName_; }
    void setFileName(std::filesystem::path fileName) { fileName_ = std::move(fileName); }

    DocumentOptions& options() { return options_; }
    const DocumentOptions& options() const { return options_; }

    PartLibrary& library() { return library_; }
    const PartLibrary& library() const { return library_; }
    // The library file as the sheet file names it (relative to the sheet's folder); empty when the sheet carries
    // its library itself.
    const std::string& libraryFile() const { return libraryFile_; }
    void setLibrary(PartLibrary library, std::string libraryFile);

    const std::vector<std::unique_ptr<SheetObject>>& objects() const { return objects_; }

    // Puts the object on the sheet, last in sheet order: it gets its handles, and a part is placed from the
    // library (its pins, body and the texts that have no place yet).
    SheetObject& add(std::unique_ptr<SheetObject> object);
    // Takes an object off the sheet; nothing when it is not on this sheet.
    std::unique_ptr<SheetObject> remove(const SheetObject& object);

    // The objects of the given kinds whose rectangle touches the area (edges included), in sheet order.
    std::vector<SheetObject*> objectsAt(const Rect& area, KindSet kinds = AllKinds) const;
    // Selects every object whose rectangle lies wholly inside the area; answers how many that were.
    size_t selectInside(const Rect& area);
    void deselectAll();

    // Call after changing objects' places or extents directly, so that spatial questions see the change: the one
    // object (or the part that owns it), or else the whole sheet.
    void changed(const SheetObject& object);
    void changed() { indexStale_ = true; }

private:
    Handle handle_ = 0;
    Handle ownWindow_ = 0;
    Handle window_ = 0;
    std::filesystem::path fileName_;
    DocumentOptions options_;
    PartLibrary library_;
    std::string libraryFile_;
    std::vector<std::unique_ptr<SheetObject>> objects_;
    mutable SpatialIndex index_;
    mutable bool indexStale_ = true;
    mutable std::vector<const SheetObject*> unfiled_; // added or changed since the index was last brought up to date
};

} // namespace hostsim
