#pragma once

#include "hostsim/host/Facet.h"

#include <cstdint>
#include <string>

namespace hostsim {

// A document open in the host, as the plug-ins see it through IServerDocument and its one IServerDocumentView:
// a schematic sheet of the schematic server (kind "Sch") or a text document such as a generated script ("Text").
// Reference counted across both faces; it frees itself when the last reference goes.
class ServerDocument {
public:
    // A new document without any reference; whoever keeps it takes one.
    static ServerDocument* Create(std::string fileName, std::string kind, uint32_t sheet);

    // Interfaces are handed out from const documents too: what a plug-in may do with them is the interface's matter.
    hostkit::IServerDocument* document() const { return document_.get(); }
    hostkit::IServerDocumentView* view() const { return view_.get(); }

    const std::string& fileName() const { return fileName_; }
    const std::string& kind() const { return kind_; }
    // The schematic server's handle of the sheet; 0 for other kinds.
    uint32_t sheet() const { return sheet_; }

    // The object behind a face this host handed out.
    static ServerDocument& Of(hostkit::IServerDocument* document) { return DocumentFacet::OwnerOf(document); }
    static ServerDocument& Of(hostkit::IServerDocumentView* view) { return ViewFacet::OwnerOf(view); }

    int32_t addRef() { return ++references_; }
    int32_t release();

private:
    ServerDocument(std::string fileName, std::string kind, uint32_t sheet);
    ~ServerDocument() = default;

    using DocumentFacet = Facet<hostkit::IServerDocument, ServerDocument>;
    using ViewFacet = Facet<hostkit::IServerDocumentView, ServerDocument>;

    mutable DocumentFacet document_;
    mutable ViewFacet view_;
    int32_t references_ = 0;
    std::string fileName_;
    std::string kind_;
    uint32_t sheet_;
};

} // namespace hostsim
