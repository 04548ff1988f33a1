// A small host for the recorder's tests: a schematic document behind the schematic API table, the client, document
// and view interfaces, the client functions the template search asks, and message boxes that only record.
#pragma once

#include "capture/Sch2Scpt.h"
#include "capture/SchProcs.h"
#include "hostkit/ClientProcs.h"

#include <array>
#include <memory>
#include <string>
#include <vector>

namespace snapscribe::test {

// One object of the fake document, with the fields its queries answer.
struct TFakeObject {
    std::uint8_t Id = skWire;
    std::uint8_t Selection = 1;
    std::int32_t X = 0;
    std::int32_t Y = 0;
    std::int32_t Color = 0;
    std::uint8_t LineWidth = 0;
    std::vector<TSchPoint> Vertices;
    std::string Text; // text objects
    // Parts.
    std::string LibReference;
    TSchHandle Designator = 0;
    TSchHandle PartType = 0;
    std::array<TSchHandle, SchPartDescriptionCount> Descriptions{};
};

// The current document of the schematic API: its objects in insertion order (handle = position + 1). Installs its
// functions into SchApi for its lifetime.
class TFakeSheet {
public:
    TFakeSheet();
    ~TFakeSheet();
    TFakeSheet(const TFakeSheet&) = delete;
    TFakeSheet& operator=(const TFakeSheet&) = delete;

    TSchHandle Add(TFakeObject object);
    // An unselected text object, as parts keep their fields.
    TSchHandle AddText(std::string text);
    // A selected part with its designator, part type and descriptions (texts of the fields 1, 2, ...).
    TSchHandle AddPart(std::int32_t x, std::int32_t y, const std::string& libReference, const std::string& designator,
                       const std::string& partType, const std::vector<std::string>& descriptions = {});

    // The current document's handle; 0 when the editor has none.
    TSchHandle Document = 0x100;
    int IteratorsOpen = 0;

    const TFakeObject* Find(TSchHandle handle) const;
    static TFakeSheet* Current;

    std::vector<TFakeObject> Objects;
    std::size_t Cursor = 0; // the iterator's next object

private:
    TSchApiTable saved_;
};

// A document with a file name (an empty one for "no file name"), its view, and the client that shows documents.
// Each counts its references. Installs itself as GlobalClient and as the client functions the template search
// calls: the name's executable-relative form is TemplateFolder + "/" + the name, and a file exists when it is on
// disk.
class TFakeHost {
public:
    explicit TFakeHost(std::string documentFileName = "/sheets/amplifier.sch");
    ~TFakeHost();
    TFakeHost(const TFakeHost&) = delete;
    TFakeHost& operator=(const TFakeHost&) = delete;

    hostkit::IServerDocumentView* View();
    int ViewReferences() const;
    // The file names of the documents the client was asked to show, in order.
    const std::vector<std::string>& ShownDocuments() const;

    std::string TemplateFolder;
    static TFakeHost* Current;

    struct TDocument;
    struct TView;
    struct TClient;

private:
    std::unique_ptr<TDocument> document_;
    std::unique_ptr<TView> view_;
    std::unique_ptr<TClient> client_;
    hostkit::TClientApiTable saved_;
};

// Records the boxes instead of showing them: "information: <text>", "error: <text>".
class TRecordedMessages : public TRecorderMessages {
public:
    void ShowInformation(const std::string& text) override { Shown.push_back("information: " + text); }
    void ShowError(const std::string& text) override { Shown.push_back("error: " + text); }
    std::vector<std::string> Shown;
};

} // namespace snapscribe::test
