#include "FakeHost.h"

#include "platform/Folders.h"

#include <algorithm>
#include <cstring>
#include <filesystem>

namespace snapscribe::test {

TFakeSheet* TFakeSheet::Current = nullptr;
TFakeHost* TFakeHost::Current = nullptr;

namespace {

constexpr TSchHandle IteratorHandle = 0x200;

const TFakeObject* Object(TSchHandle handle) {
    return TFakeSheet::Current->Find(handle);
}

void CopyText(const std::string& text, PSchText* buffer) {
    const std::size_t length = std::min<std::size_t>(text.size(), SchTextMaxLength);
    std::memcpy(*buffer, text.data(), length);
    (*buffer)[length] = '\0';
}

TSchHandle TESSELLON_STDCALL CurrentDocument() {
    return TFakeSheet::Current->Document;
}

TSchHandle TESSELLON_STDCALL CreateIterator(TSchHandle document, std::uint8_t) {
    TFakeSheet& sheet = *TFakeSheet::Current;
    if (document == 0 || document != sheet.Document)
        return 0;
    ++sheet.IteratorsOpen;
    return IteratorHandle;
}

TSchHandle TESSELLON_STDCALL FirstObject(TSchHandle iterator) {
    TFakeSheet::Current->Cursor = 0;
    return iterator == IteratorHandle && !TFakeSheet::Current->Objects.empty() ? ++TFakeSheet::Current->Cursor : 0;
}

TSchHandle TESSELLON_STDCALL NextObject(TSchHandle iterator) {
    TFakeSheet& sheet = *TFakeSheet::Current;
    return iterator == IteratorHandle && sheet.Cursor < sheet.Objects.size() ? ++sheet.Cursor : 0;
}

std::int32_t TESSELLON_STDCALL DestroyIterator(TSchHandle) {
    --TFakeSheet::Current->IteratorsOpen;
    return 1;
}

std::uint8_t TESSELLON_STDCALL ObjectId(TSchHandle handle) {
    const TFakeObject* o = Object(handle);
    return o == nullptr ? std::uint8_t{skNone} : o->Id;
}

std::int32_t TESSELLON_STDCALL QueryPrimitive(std::uint8_t, TSchHandle handle, std::uint8_t* kind, std::int32_t* x,
                                              std::int32_t* y, std::int32_t* color, std::uint8_t* selection) {
    const TFakeObject* o = Object(handle);
    if (o == nullptr)
        return 0;
    *kind = o->Id;
    *x = o->X;
    *y = o->Y;
    *color = o->Color;
    *selection = o->Selection;
    return 1;
}

std::int32_t TESSELLON_STDCALL QueryWire(std::uint8_t, TSchHandle handle, std::uint8_t* lineWidth, std::int32_t* color,
                                         std::uint8_t* selection) {
    const TFakeObject* o = Object(handle);
    if (o == nullptr)
        return 0;
    *lineWidth = o->LineWidth;
    *color = o->Color;
    *selection = o->Selection;
    return 1;
}

std::int32_t TESSELLON_STDCALL VertexCount(std::uint8_t, TSchHandle handle, std::int32_t) {
    const TFakeObject* o = Object(handle);
    return o == nullptr ? 0 : static_cast<std::int32_t>(o->Vertices.size());
}

std::int32_t TESSELLON_STDCALL VertexAt(std::uint8_t, TSchHandle handle, std::int32_t index, std::int32_t* x,
                                        std::int32_t* y) {
    const TFakeObject* o = Object(handle);
    if (o == nullptr || index < 1 || index > static_cast<std::int32_t>(o->Vertices.size()))
        return 0;
    *x = o->Vertices[static_cast<std::size_t>(index - 1)].X;
    *y = o->Vertices[static_cast<std::size_t>(index - 1)].Y;
    return 1;
}

std::int32_t TESSELLON_STDCALL QueryText(std::uint8_t, TSchHandle handle, std::int32_t*, std::int32_t*, std::uint8_t*,
                                         std::int32_t*, PSchText* text, std::uint8_t*, std::int32_t*, std::uint8_t*) {
    const TFakeObject* o = Object(handle);
    if (o == nullptr)
        return 0;
    CopyText(o->Text, text);
    return 1;
}

std::int32_t TESSELLON_STDCALL QueryPart(std::uint8_t, TSchHandle handle, std::int32_t*, std::int32_t*, std::uint8_t*,
                                         std::uint8_t*, std::uint8_t*, std::uint8_t*, std::int32_t*, std::uint8_t*,
                                         std::uint8_t*, PSchText* libReference, PSchText*, PSchText*, std::int32_t*,
                                         PSchText*, std::int32_t, PSchText*, TSchHandle* designator,
                                         TSchHandle* partType, TSchHandle*, TSchHandle* descriptions, std::int32_t,
                                         std::uint8_t*, std::uint8_t*, std::int32_t*, std::int32_t*, std::int32_t*) {
    const TFakeObject* o = Object(handle);
    if (o == nullptr)
        return 0;
    CopyText(o->LibReference, libReference);
    *designator = o->Designator;
    *partType = o->PartType;
    std::copy(o->Descriptions.begin(), o->Descriptions.end(), descriptions);
    return 1;
}

// ---- Host interfaces ----

template <typename Fake> std::int32_t TESSELLON_STDCALL AddRef(hostkit::IInterface* self) {
    return ++reinterpret_cast<Fake*>(self)->References;
}

template <typename Fake> std::int32_t TESSELLON_STDCALL Release(hostkit::IInterface* self) {
    return --reinterpret_cast<Fake*>(self)->References;
}

hostkit::HResult TESSELLON_STDCALL QueryInterface(hostkit::IInterface*, const hostkit::TGUID*, void** result) {
    *result = nullptr;
    return hostkit::E_NOINTERFACE;
}

template <typename Fake> constexpr hostkit::IInterfaceVtbl Unknown = {QueryInterface, AddRef<Fake>, Release<Fake>};

std::uint8_t TESSELLON_STDCALL FileExists(const char* fileName) {
    std::error_code error;
    return std::filesystem::is_regular_file(fileName, error) ? 1 : 0;
}

void TESSELLON_STDCALL ExeFileName(const char* fileName, char* result) {
    const std::string path = TFakeHost::Current->TemplateFolder + "/" + fileName;
    std::strncpy(result, path.c_str(), 4095);
    result[4095] = '\0';
}

} // namespace

TFakeSheet::TFakeSheet() : saved_(SchApi) {
    Current = this;
    SchApi = TSchApiTable{};
    SchApi.SchAPI_GetCurrentDocumentHandle = CurrentDocument;
    SchApi.SchAPI_CreateIterator = CreateIterator;
    SchApi.SchAPI_GetFirstObject = FirstObject;
    SchApi.SchAPI_GetNextObject = NextObject;
    SchApi.SchAPI_DestroyIterator = DestroyIterator;
    SchApi.SchAPI_GetObjectIdFromObjectHandle = ObjectId;
    SchApi.SchAPI_QueryPrimitive = QueryPrimitive;
    SchApi.SchAPI_QueryWire = QueryWire;
    SchApi.SchAPI_QueryVertexCount = VertexCount;
    SchApi.SchAPI_QueryVertexAt = VertexAt;
    SchApi.SchAPI_QueryText = QueryText;
    SchApi.SchAPI_QuerySchPart = QueryPart;
}

TFakeSheet::~TFakeSheet() {
    SchApi = saved_;
    Current = nullptr;
}

TSchHandle TFakeSheet::Add(TFakeObject object) {
    Objects.push_back(std::move(object));
    return static_cast<TSchHandle>(Objects.size());
}

TSchHandle TFakeSheet::AddText(std::string text) {
    TFakeObject object;
    object.Id = skText;
    object.Selection = 0;
    object.Text = std::move(text);
    return Add(std::move(object));
}

TSchHandle TFakeSheet::AddPart(std::int32_t x, std::int32_t y, const std::string& libReference,
                               const std::string& designator, const std::string& partType,
                               const std::vector<std::string>& descriptions) {
    TFakeObject part;
    part.Id = skPart;
    part.X = x;
    part.Y = y;
    part.LibReference = libReference;
    part.Designator = AddText(designator);
    part.PartType = AddText(partType);
    for (std::size_t i = 0; i < descriptions.size(); ++i)
        part.Descriptions[i] = AddText(descriptions[i]);
    return Add(std::move(part));
}

const TFakeObject* TFakeSheet::Find(TSchHandle handle) const {
    return handle >= 1 && handle <= Objects.size() ? &Objects[handle - 1] : nullptr;
}

struct TFakeHost::TDocument : hostkit::IServerDocument {
    std::string FileName;
    int References = 1;
};

struct TFakeHost::TView : hostkit::IServerDocumentView {
    TDocument* Document = nullptr;
    int References = 1;
};

struct TFakeHost::TClient : hostkit::IClient {
    std::vector<std::string> Shown;
    int References = 1;
};

namespace {

const char* TESSELLON_STDCALL DocumentFileName(hostkit::IServerDocument* self) {
    const auto* document = static_cast<TFakeHost::TDocument*>(self);
    return document->FileName.empty() ? nullptr : document->FileName.c_str();
}

void TESSELLON_STDCALL OwnerDocument(hostkit::IServerDocument** result, hostkit::IServerDocumentView* self) {
    hostkit::StoreInterfaceResult<hostkit::IServerDocument>(result, static_cast<TFakeHost::TView*>(self)->Document);
}

void TESSELLON_STDCALL ShowDocument(hostkit::IClient* self, hostkit::IServerDocument* document) {
    static_cast<TFakeHost::TClient*>(self)->Shown.push_back(static_cast<TFakeHost::TDocument*>(document)->FileName);
}

// Tables with every slot the recorder never calls left empty.
template <typename Table> Table EmptyTable() {
    Table table{};
    return table;
}

const hostkit::IServerDocumentVtbl DocumentTable = [] {
    auto table = EmptyTable<hostkit::IServerDocumentVtbl>();
    table.Unknown = Unknown<TFakeHost::TDocument>;
    table.GetFileName = DocumentFileName;
    return table;
}();

const hostkit::IServerDocumentViewVtbl ViewTable = [] {
    auto table = EmptyTable<hostkit::IServerDocumentViewVtbl>();
    table.Unknown = Unknown<TFakeHost::TView>;
    table.GetOwnerDocument = OwnerDocument;
    return table;
}();

const hostkit::IClientVtbl ClientTable = [] {
    auto table = EmptyTable<hostkit::IClientVtbl>();
    table.Unknown = Unknown<TFakeHost::TClient>;
    table.ShowDocument = ShowDocument;
    return table;
}();

} // namespace

TFakeHost::TFakeHost(std::string documentFileName)
    : document_(std::make_unique<TDocument>()), view_(std::make_unique<TView>()), client_(std::make_unique<TClient>()),
      saved_(hostkit::ClientApi) {
    Current = this;
    document_->Vtbl = &DocumentTable;
    document_->FileName = std::move(documentFileName);
    view_->Vtbl = &ViewTable;
    view_->Document = document_.get();
    client_->Vtbl = &ClientTable;
    hostkit::SetGlobalClient(client_.get());
    hostkit::ClientApi = hostkit::TClientApiTable{};
    hostkit::ClientApi.ClientAPI_ExistSpecific = FileExists;
    hostkit::ClientApi.ClientAPI_ConvertFileNameToExeFileName = ExeFileName;
    // The template search looks in the per-user data folder too: never in the user's own.
    platform::SetUserDataFolderOverride((std::filesystem::temp_directory_path() / "generator-tests-user").string());
}

TFakeHost::~TFakeHost() {
    platform::SetUserDataFolderOverride("");
    hostkit::ClientApi = saved_;
    hostkit::SetGlobalClient(nullptr);
    Current = nullptr;
}

hostkit::IServerDocumentView* TFakeHost::View() {
    return view_.get();
}

int TFakeHost::ViewReferences() const {
    return view_->References;
}

const std::vector<std::string>& TFakeHost::ShownDocuments() const {
    return client_->Shown;
}

} // namespace snapscribe::test
