// Documents, their editor windows, names and options; objects made, destroyed, framed and redrawn.
#include "hostsim/plexa/ExportSupport.h"
#include "hostsim/plexa/ObjectBounds.h"
#include "hostsim/plexa/SchApi.h"

using namespace hostsim;

namespace {

DocumentStore& store() {
    return DocumentStore::instance();
}

Document* documentAt(int32_t index) {
    const auto& documents = store().documents();
    if (index < 0 || static_cast<size_t>(index) >= documents.size())
        return nullptr;
    return documents[static_cast<size_t>(index)].get();
}

void put(int32_t* target, int32_t value) {
    if (target)
        *target = value;
}

// An object's rectangle, or the sheet of a document.
std::optional<Rect> frameOf(uint32_t handle) {
    if (const SheetObject* object = anyObject(handle))
        return boundsOf(*object);
    if (const Document* document = store().find(handle))
        return document->options().sheet();
    return std::nullopt;
}

} // namespace

PLEXA_EXPORT uint32_t TESSELLON_STDCALL SchAPI_GetCurrentDocumentHandle() {
    return guarded(0u, [] { return store().current() ? store().current()->handle() : 0u; });
}

PLEXA_EXPORT uint32_t TESSELLON_STDCALL SchAPI_GetCurrentEditorWindowHandle() {
    return guarded(0u, [] { return store().editorWindow(); });
}

PLEXA_EXPORT uint32_t TESSELLON_STDCALL SchAPI_GetDocumentHandleFromFileName(const char* FileName) {
    return guarded(0u, [&] {
        const Document* document = FileName ? store().find(std::filesystem::path(FileName)) : nullptr;
        return document ? document->handle() : 0u;
    });
}

PLEXA_EXPORT uint32_t TESSELLON_STDCALL SchAPI_GetWindowHandleFromSheetHandle(uint32_t Sheet) {
    return guarded(0u, [&] {
        const Document* document = store().find(Sheet);
        return document ? document->window() : 0u;
    });
}

PLEXA_EXPORT uint32_t TESSELLON_STDCALL SchApi_GetSheetHandleFromServerWindowHandle(uint32_t Window) {
    return guarded(0u, [&] {
        const Document* document = store().findByWindow(Window);
        return document ? document->handle() : 0u;
    });
}

PLEXA_EXPORT int32_t TESSELLON_STDCALL SchAPI_GetCurrentDocumentName(char** Name, int32_t Size) {
    return guarded(0, [&] {
        if (!store().current() || !Name)
            return 0;
        copyToBuffer(store().current()->fileName().string(), *Name, Size);
        return 1;
    });
}

PLEXA_EXPORT int32_t TESSELLON_STDCALL SchAPI_QueryDocumentName(uint8_t Mode, uint32_t Document, char** Name,
                                                                int32_t Size) {
    return guarded(QueryRefused, [&] {
        hostsim::Document* document = store().find(Document);
        if (!document)
            return QueryRefused;
        std::string name = document->fileName().string();
        const Exchange exchange(Mode);
        exchange.text(name, Name, Size);
        if (!exchange.reading())
            document->setFileName(name);
        return QueryDone;
    });
}

PLEXA_EXPORT int32_t TESSELLON_STDCALL SchAPI_GetDocumentCountInProject() {
    return guarded(0, [] { return static_cast<int32_t>(store().documents().size()); });
}

PLEXA_EXPORT uint32_t TESSELLON_STDCALL SchAPI_GetDocumentHandleByIndex(int32_t Index) {
    return guarded(0u, [&] {
        const Document* document = documentAt(Index);
        return document ? document->handle() : 0u;
    });
}

PLEXA_EXPORT int32_t TESSELLON_STDCALL SchAPI_GetOpenedDocumentsCount() {
    return SchAPI_GetDocumentCountInProject();
}

PLEXA_EXPORT int32_t TESSELLON_STDCALL SchAPI_GetOpenedDocumentDetails(int32_t Index, uint32_t* Document,
                                                                       char** FileName, int32_t Size) {
    return guarded(0, [&] {
        const hostsim::Document* document = documentAt(Index);
        if (!document)
            return 0;
        if (Document)
            *Document = document->handle();
        if (FileName)
            copyToBuffer(document->fileName().string(), *FileName, Size);
        return 1;
    });
}

PLEXA_EXPORT int32_t TESSELLON_STDCALL SchAPI_QueryDocumentOptions(
    uint8_t Mode, uint32_t Document, uint8_t* Portrait, uint8_t* StyledTitleBlock, uint8_t* ShowReferenceZones,
    uint8_t* ShowBorder, uint8_t* TitleBlockStyle, int32_t* BorderColor, uint8_t* SheetStyle, int32_t* SheetColor,
    uint8_t* SnapToGrid, int32_t* VisibleGridSize, uint8_t* ShowGrid, int32_t* GridSize, uint8_t* ElectricalGrid,
    int32_t* ElectricalGridRange, uint8_t* UseCustomSheet, uint8_t* ShowTemplateGraphics, int32_t* SheetWidth,
    int32_t* SheetHeight, int32_t* XZones, int32_t* YZones, int32_t* MarginWidth, char** Title, char** DocumentNumber,
    char** Revision, char** Organization, char** Address, char** DrawnBy, char** CheckedBy, char** Date,
    int32_t* SheetNumber, int32_t* SheetTotal, char** FontName, int32_t* FontSize) {
    return guarded(QueryRefused, [&] {
        hostsim::Document* document = store().find(Document);
        if (!document)
            return QueryRefused;
        DocumentOptions& options = document->options();
        const Exchange exchange(Mode);
        exchange.value(options.portrait, Portrait);
        exchange.value(options.styledTitleBlock, StyledTitleBlock);
        exchange.value(options.showReferenceZones, ShowReferenceZones);
        exchange.value(options.showBorder, ShowBorder);
        exchange.value(options.titleBlockStyle, TitleBlockStyle);
        exchange.value(options.borderColor, BorderColor);
        exchange.value(options.sheetStyle, SheetStyle);
        exchange.value(options.sheetColor, SheetColor);
        exchange.value(options.snapToGrid, SnapToGrid);
        exchange.value(options.visibleGridSize, VisibleGridSize);
        exchange.value(options.showGrid, ShowGrid);
        exchange.value(options.gridSize, GridSize);
        exchange.value(options.electricalGrid, ElectricalGrid);
        exchange.value(options.electricalGridRange, ElectricalGridRange);
        exchange.value(options.useCustomSheet, UseCustomSheet);
        exchange.value(options.showTemplateGraphics, ShowTemplateGraphics);
        exchange.value(options.sheetWidth, SheetWidth);
        exchange.value(options.sheetHeight, SheetHeight);
        exchange.value(options.xZones, XZones);
        exchange.value(options.yZones, YZones);
        exchange.value(options.marginWidth, MarginWidth);
        exchange.text(options.title, Title);
        exchange.text(options.documentNumber, DocumentNumber);
        exchange.text(options.revision, Revision);
        exchange.text(options.organization, Organization);
        exchange.text(options.address, Address);
        exchange.text(options.drawnBy, DrawnBy);
        exchange.text(options.checkedBy, CheckedBy);
        exchange.text(options.date, Date);
        exchange.value(options.sheetNumber, SheetNumber);
        exchange.value(options.sheetTotal, SheetTotal);
        exchange.text(options.fontName, FontName);
        exchange.value(options.fontSize, FontSize);
        return QueryDone;
    });
}

PLEXA_EXPORT uint8_t TESSELLON_STDCALL SchAPI_GetObjectIdFromObjectHandle(uint32_t Object) {
    return guarded(uint8_t{0}, [&] {
        const SheetObject* object = anyObject(Object);
        return object ? static_cast<uint8_t>(object->kind) : uint8_t{0};
    });
}

PLEXA_EXPORT void TESSELLON_STDCALL SchAPI_GetObjectBoundingRectangle(uint32_t Object, int32_t* X1, int32_t* Y1,
                                                                      int32_t* X2, int32_t* Y2) {
    guarded([&] {
        // Top left, then bottom right.
        if (const auto frame = frameOf(Object)) {
            put(X1, frame->left);
            put(Y1, frame->top);
            put(X2, frame->right);
            put(Y2, frame->bottom);
        }
    });
}

PLEXA_EXPORT void TESSELLON_STDCALL SchAPI_GetBoundingRect(uint32_t Object, int32_t* Left, int32_t* Bottom,
                                                           int32_t* Right, int32_t* Top) {
    // The same corners, taken by side.
    SchAPI_GetObjectBoundingRectangle(Object, Left, Top, Right, Bottom);
}

PLEXA_EXPORT uint32_t TESSELLON_STDCALL SchAPI_CreateObjectEx(uint8_t KindCode) {
    return guarded(0u, [&] {
        const KindInfo* info = findKind(KindCode);
        if (!info || !info->onSheet)
            return 0u;
        return store().addLoose(makeObject(info->kind)).handle;
    });
}

PLEXA_EXPORT uint32_t TESSELLON_STDCALL SchAPI_CreateObject(uint8_t KindCode, uint32_t Container) {
    return guarded(0u, [&] {
        const KindInfo* info = findKind(KindCode);
        Document* document = store().find(Container);
        if (!info || !info->onSheet || !document)
            return 0u;
        return document->add(makeObject(info->kind)).handle;
    });
}

PLEXA_EXPORT void TESSELLON_STDCALL SchAPI_DestroyObject(uint32_t Object) {
    guarded([&] { store().destroy(Object); });
}

PLEXA_EXPORT int32_t TESSELLON_STDCALL SchAPI_AddObjectToContainer(uint32_t Container, uint32_t Object) {
    return guarded(0, [&] {
        Document* document = store().find(Container);
        auto object = document ? store().takeLoose(Object) : nullptr;
        if (!object)
            return 0;
        document->add(std::move(object));
        return 1;
    });
}

PLEXA_EXPORT void TESSELLON_STDCALL SchAPI_RedrawObject(uint32_t) {
    // Pictures are drawn from the document when asked for; there is no screen to repaint.
}

PLEXA_EXPORT void TESSELLON_STDCALL SchAPI_RedrawSheet(uint32_t) {}

PLEXA_EXPORT uint8_t TESSELLON_STDCALL SchAPI_ImportFromUser(uint32_t) {
    // No user edits objects inside the simulated editor, so nothing has changed.
    return 0;
}
