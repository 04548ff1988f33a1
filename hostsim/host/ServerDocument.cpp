#include "hostsim/host/ServerDocument.h"

#include "hostkit/InterfaceRef.h"

namespace hostsim {

namespace {

using hostkit::HResult;
using hostkit::IInterface;
using hostkit::IServerDocument;
using hostkit::IServerDocumentView;
using hostkit::TGUID;

// The trio of either face; both count the one document.
template <typename Face> ServerDocument& Owner(IInterface* self) {
    return ServerDocument::Of(reinterpret_cast<Face*>(self));
}

template <typename Face> HResult TESSELLON_STDCALL Query(IInterface* self, const TGUID* iid, void** result) {
    if (result == nullptr)
        return hostkit::E_NOINTERFACE;
    *result = nullptr;
    if (!IsGuid(iid, hostkit::IID_IInterface))
        return hostkit::E_NOINTERFACE;
    Owner<Face>(self).addRef();
    *result = self;
    return hostkit::S_OK;
}

template <typename Face> int32_t TESSELLON_STDCALL AddRef(IInterface* self) {
    return Owner<Face>(self).addRef();
}
template <typename Face> int32_t TESSELLON_STDCALL Release(IInterface* self) {
    return Owner<Face>(self).release();
}

const char* TESSELLON_STDCALL GetFileName(IServerDocument* self) {
    return ServerDocument::Of(self).fileName().c_str();
}
const char* TESSELLON_STDCALL GetKind(IServerDocument* self) {
    return ServerDocument::Of(self).kind().c_str();
}

// The document has exactly one view.
void TESSELLON_STDCALL GetView(IServerDocumentView** result, IServerDocument* self, int32_t index) {
    hostkit::StoreInterfaceResult(result, index == 0 ? ServerDocument::Of(self).view() : nullptr);
}

void TESSELLON_STDCALL GetOwnerDocument(IServerDocument** result, IServerDocumentView* self) {
    hostkit::StoreInterfaceResult(result, ServerDocument::Of(self).document());
}

const hostkit::IServerDocumentVtbl DocumentTable = [] {
    hostkit::IServerDocumentVtbl table{};
    table.Unknown = {Query<IServerDocument>, AddRef<IServerDocument>, Release<IServerDocument>};
    table.GetFileName = GetFileName;
    table.GetKind = GetKind;
    table.GetView = GetView;
    return table;
}();

const hostkit::IServerDocumentViewVtbl ViewTable = [] {
    hostkit::IServerDocumentViewVtbl table{};
    table.Unknown = {Query<IServerDocumentView>, AddRef<IServerDocumentView>, Release<IServerDocumentView>};
    table.GetOwnerDocument = GetOwnerDocument;
    return table;
}();

} // namespace

ServerDocument* ServerDocument::Create(std::string fileName, std::string kind, uint32_t sheet) {
    return new ServerDocument(std::move(fileName), std::move(kind), sheet);
}

ServerDocument::ServerDocument(std::string fileName, std::string kind, uint32_t sheet)
    : document_(&DocumentTable, this), view_(&ViewTable, this), fileName_(std::move(fileName)), kind_(std::move(kind)),
      sheet_(sheet) {}

int32_t ServerDocument::release() {
    const int32_t left = --references_;
    if (left == 0)
        delete this;
    return left;
}

} // namespace hostsim
