#include "hostsim/host/HostProcesses.h"

#include "hostsim/host/Host.h"
#include "hostsim/host/Placement.h"
#include "hostsim/host/ServerDocument.h"
#include "hostsim/plexa/Document.h"
#include "platform/AsciiText.h"

#include <filesystem>

namespace hostsim {

namespace {

using platform::EqualIgnoringAsciiCase;

std::string Required(const ProcessRequest& request, std::string_view name) {
    auto value = request.Parameters.find(name);
    if (!value || value->empty())
        throw ParameterError(std::string(name) + " is needed");
    return *value;
}

// The sheet a schematic process acts on: the one of the view it was given, else the current document's.
Document& ActingSheet(Host& host, const ProcessRequest& request) {
    ServerDocument* document = request.Context != nullptr ? request.Context : host.currentDocument();
    Document* sheet = document != nullptr ? host.sheetOf(*document) : nullptr;
    if (sheet == nullptr)
        throw HostError("no schematic document to act on");
    return *sheet;
}

// The user answered with Escape: the caller reads "Result=False".
bool Cancelled(ProcessRequest& request) {
    ResultText().add("Result", "False").write(request.Buffer, request.Size);
    request.Note = "cancelled";
    return true;
}

std::string PointText(Point point) {
    return "(" + std::to_string(point.x) + ", " + std::to_string(point.y) + ")";
}

bool SetupServers(Host& host, ProcessRequest& request) {
    const std::string server = Required(request, "Server");
    if (!EqualIgnoringAsciiCase(server, "Sch"))
        throw ParameterError("Server=" + server + ": only the schematic server Sch is known");
    if (auto action = request.Parameters.find("Action"); action && !EqualIgnoringAsciiCase(*action, "Start"))
        throw ParameterError("Action=" + *action + ": expected Start");
    host.startSchematicServer();
    return true;
}

bool OpenDocument(Host& host, ProcessRequest& request) {
    const std::filesystem::path fileName = Required(request, "FileName");
    std::string kind = request.Parameters.find("DocumentType").value_or("");
    if (kind.empty())
        kind = EqualIgnoringAsciiCase(fileName.extension().string(), ".sch") ? "Sch" : "Text";
    host.showDocument(host.openDocument(fileName, kind));
    return true;
}

bool CloseDocument(Host& host, ProcessRequest& request) {
    ServerDocument* document = request.Context != nullptr ? request.Context : host.currentDocument();
    if (auto fileName = request.Parameters.find("FileName"); fileName && !fileName->empty()) {
        document = host.findDocument(*fileName);
        if (document == nullptr)
            throw HostError(*fileName + ": not open");
    }
    if (document == nullptr)
        throw HostError("no document to close");
    host.closeDocument(*document);
    return true;
}

bool DeselectAll(Host& host, ProcessRequest& request) {
    ActingSheet(host, request).deselectAll();
    return true;
}

bool SelectInsideArea(Host& host, ProcessRequest& request) {
    Document& sheet = ActingSheet(host, request);
    auto region = host.input().takeRegion();
    if (!region)
        return Cancelled(request);
    const Point first{region->First.X, region->First.Y};
    const Point second{region->Second.X, region->Second.Y};
    const size_t selected = sheet.selectInside(Rect::fromCorners(first, second));
    ResultText().add("Result", "True").write(request.Buffer, request.Size);
    request.Note = std::to_string(selected) + " selected inside " + PointText(first) + " " + PointText(second);
    return true;
}

bool AskForLocation(Host& host, ProcessRequest& request) {
    ActingSheet(host, request);
    auto point = host.input().takePoint();
    if (!point)
        return Cancelled(request);
    ResultText()
        .add("LocationX", point->X)
        .add("LocationY", point->Y)
        .add("Result", "True")
        .write(request.Buffer, request.Size);
    request.Note = "location " + PointText({point->X, point->Y});
    return true;
}

bool RunMacro(Host& host, ProcessRequest& request) {
    host.journal().record(JournalKind::MacroRun, Required(request, "FileName"));
    return true;
}

bool Place(Host& host, const PlacementProcess& process, ProcessRequest& request) {
    Document& sheet = ActingSheet(host, request);
    std::unique_ptr<SheetObject> object = MakePlacedObject(process, request.Parameters);
    if (object->part && sheet.library().find(object->part->libReference) == nullptr)
        throw ParameterError("LibReference=" + object->part->libReference + ": not in the sheet's part library");
    const SheetObject& placed = sheet.add(std::move(object));
    request.Note = "placed " + std::string(kindInfo(placed.kind).name) + " " + std::to_string(placed.handle);
    return true;
}

} // namespace

void RegisterHostProcesses(Host& host) {
    ProcessTable& table = host.processes();
    auto add = [&](std::string name, bool (*run)(Host&, ProcessRequest&)) {
        table.add(std::move(name), [&host, run](ProcessRequest& request) { return run(host, request); });
    };
    add("Client:SetupEDAServers", SetupServers);
    add("Client:OpenDocument", OpenDocument);
    add("Client:CloseDocument", CloseDocument);
    add("Client:ConfigureEDAEditorTabs", [](Host&, ProcessRequest&) { return true; });
    add("Sch:DeselectAllObjects", DeselectAll);
    add("Sch:SelectObjectsInsideArea", SelectInsideArea);
    add("Sch:AskForXYLocation", AskForLocation);
    add("Macro:RunMacro", RunMacro);
    for (const PlacementProcess& process : PlacementProcesses())
        table.add(std::string(process.Name),
                  [&host, &process](ProcessRequest& request) { return Place(host, process, request); });
}

} // namespace hostsim
