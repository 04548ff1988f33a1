// tessellon-sim route SHEET --connect X1,Y1:X2,Y2 ...: routes connections on a sheet with the Wirewright plug-in as
// the schematic editor does while the user draws: each connection starts a new wire (its start point and loose end),
// the router is asked to route it, and the wire stays only when the route was found.
#include "hostsim/cli/Commands.h"
#include "hostsim/cli/PluginRun.h"
#include "hostsim/host/Host.h"
#include "hostsim/host/HostError.h"
#include "hostsim/host/RouterPlugin.h"
#include "hostsim/plexa/DocumentStore.h"
#include "hostsim/plexa/JsonFile.h"
#include "hostsim/render/SheetRenderer.h"

#include <chrono>
#include <cstdio>
#include <iostream>
#include <memory>
#include <string_view>

namespace hostsim {

namespace {

namespace fs = std::filesystem;

struct RouteOptions {
    std::string Sheet;
    std::vector<std::string> Connections;
    std::string Output;
    std::string Picture;
    std::string UserData;
    std::string Plugin;
};

struct Connection {
    Point Start;
    Point Goal;
};

constexpr const char* ConnectionForm = "expected X1,Y1:X2,Y2";

Point ReadPoint(std::string_view part, const std::string& text) {
    const std::string context = "--connect \"" + text + "\"";
    const size_t comma = part.find(',');
    if (comma == std::string_view::npos)
        throw InputError(context + ": " + ConnectionForm);
    return {readSheetCoordinate(part.substr(0, comma), context, ConnectionForm),
            readSheetCoordinate(part.substr(comma + 1), context, ConnectionForm)};
}

Connection ReadConnection(const std::string& text) {
    const size_t colon = text.find(':');
    if (colon == std::string::npos)
        throw InputError("--connect \"" + text + "\": " + ConnectionForm);
    const std::string_view whole(text);
    return {ReadPoint(whole.substr(0, colon), text), ReadPoint(whole.substr(colon + 1), text)};
}

std::string PointText(Point p) {
    return "(" + std::to_string(p.x) + "," + std::to_string(p.y) + ")";
}

int RunRoute(const RouteOptions& options) {
    std::vector<Connection> connections;
    for (const std::string& text : options.Connections)
        connections.push_back(ReadConnection(text));
    UseUserDataFolder(options.UserData);

    Host host;
    Document* sheet = nullptr;
    try {
        ServerDocument& document = host.openDocument(fs::absolute(options.Sheet), "Sch");
        host.showDocument(document);
        sheet = host.sheetOf(document);
    } catch (const HostError& error) {
        throw InputError(error.what());
    }
    const fs::path plugin = FindPlugin(host, "libWirewright.so", "router", options.Plugin);
    RouterPlugin* router = nullptr;
    try {
        router = &host.loadRouter(plugin.string());
    } catch (const HostError& error) {
        throw JobError(error.what());
    }

    router->create();
    RenderOptions picture;
    size_t routed = 0;
    for (size_t i = 0; i < connections.size(); ++i) {
        const Connection& c = connections[i];
        auto drawn = makeObject(Kind::Wire);
        drawn->vertices = {c.Start, c.Goal};
        SheetObject& wire = sheet->add(std::move(drawn));
        const auto began = std::chrono::steady_clock::now();
        const bool ok = router->execute(wire.handle, c.Start.x, c.Start.y, c.Goal.x, c.Goal.y);
        const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - began;
        char time[32];
        std::snprintf(time, sizeof time, "%.2f ms", took.count());
        std::cout << "connection " << i + 1 << " " << PointText(c.Start) << " to " << PointText(c.Goal) << ": "
                  << (ok ? "routed, " : "failed, ") << wire.vertices.size() << " vertices, " << time << std::endl;
        if (ok) {
            ++routed;
            picture.routes.push_back(wire.handle);
        } else {
            sheet->remove(wire); // the editor drops a wire it could not route
        }
    }
    router->destroy();
    sheet->changed();

    if (!options.Output.empty()) {
        try {
            DocumentStore::instance().save(*sheet, options.Output);
        } catch (const SheetError& error) {
            throw JobError(error.what());
        }
    }
    if (!options.Picture.empty())
        writeOutput(options.Picture, renderSheet(*sheet, picture));
    std::cout << routed << " of " << connections.size() << " connections routed" << std::endl;
    return routed == connections.size() ? ExitDone : ExitFailed;
}

} // namespace

void addRouteCommand(CommandLine& commandLine) {
    auto options = std::make_shared<RouteOptions>();
    CLI::App& command = commandLine.add(
        "route",
        "Route connections on a sheet with the Wirewright plug-in, one new wire each, as the schematic editor does "
        "while the user draws. Prints one line per connection; exit 0 when every connection was routed, 1 "
        "otherwise.",
        [options] { return RunRoute(*options); });
    command.add_option("SHEET", options->Sheet, "The sheet file (.sch)")->required();
    command.add_option("--connect", options->Connections, "A connection from X1,Y1 to X2,Y2: X1,Y1:X2,Y2 (repeat)")
        ->required()
        ->allow_extra_args(false);
    command.add_option("-o,--output", options->Output, "Write the sheet with its routed wires here (.sch)");
    command.add_option("--svg", options->Picture, "Write a picture of the sheet, routes emphasised (.svg)");
    command.add_option("--user-data", options->UserData,
                       "The per-user data folder of the host and the plug-ins (Router.ini), instead of the user's "
                       "own");
    command.add_option("--plugin", options->Plugin,
                       "The Wirewright library (default: the one built with this program)");
}

} // namespace hostsim
