// Wirewright on generated sheets of 1,000, 10,000 and 100,000 objects, through the built plug-in as the schematic
// editor drives it: building the obstacle tree (creating the router instance), and routing connections between pins
// of neighbouring parts and across the sheet. Each connection is one iteration; the counters give the median and
// 95th percentile time per connection and the share routed.
#include "hostsim/host/Host.h"
#include "hostsim/host/RouterPlugin.h"
#include "hostsim/host/ServerDocument.h"
#include "hostsim/plexa/DocumentStore.h"
#include "hostsim/sheetgen/SheetGenerator.h"
#include "platform/Folders.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <map>
#include <random>

namespace {

namespace fs = std::filesystem;
using hostsim::Point;

// Parts enough for the wanted number of objects with the generator's mix.
int32_t PartsFor(int64_t objects) {
    return static_cast<int32_t>(objects * 466 / 1000);
}

fs::path Folder() {
    const fs::path folder = fs::temp_directory_path() / "tessellon-router-bench";
    fs::create_directories(folder / "user");
    return folder;
}

// The generated sheet of about Objects objects, written once per run.
fs::path SheetFile(int64_t objects) {
    static std::map<int64_t, fs::path> made;
    if (auto found = made.find(objects); found != made.end())
        return found->second;
    const fs::path file = Folder() / ("sheet" + std::to_string(objects) + ".sch");
    hostsim::DocumentStore& store = hostsim::DocumentStore::instance();
    hostsim::Document& sheet =
        hostsim::generateSheet(hostsim::shippedLibraryFile(), {.parts = PartsFor(objects), .seed = 1}, file);
    store.save(sheet, file);
    store.close(sheet.handle());
    return made[objects] = file;
}

// The sheet open and current in a host, with the router loaded.
struct Session {
    explicit Session(int64_t objects) {
        platform::SetUserDataFolderOverride((Folder() / "user").string());
        hostsim::ServerDocument& document = host.openDocument(SheetFile(objects), "Sch");
        host.showDocument(document);
        sheet = host.sheetOf(document);
        router = &host.loadRouter(WIREWRIGHT_PLUGIN);
    }
    hostsim::Host host;
    hostsim::Document* sheet = nullptr;
    hostsim::RouterPlugin* router = nullptr;
};

void BM_BuildTree(benchmark::State& state) {
    Session session(state.range(0));
    for (auto _ : state) {
        session.router->create();
        session.router->destroy();
    }
    state.counters["objects"] = static_cast<double>(session.sheet->objects().size());
}

struct Connection {
    Point Start, Goal;
};

// A visible pin end nothing else touches: no wire, power object, label or other part is connected there yet.
bool IsFree(const hostsim::Document& sheet, const hostsim::SheetObject& part, Point end) {
    const std::vector<hostsim::SheetObject*> there = sheet.objectsAt(hostsim::Rect::fromCorners(end, end));
    return std::all_of(there.begin(), there.end(), [&part](const hostsim::SheetObject* o) { return o == &part; });
}

// Connections between free pin ends, as a user draws them: from a part to its nearest neighbour with a free pin
// (near), or to a part at least half the sheet's width away (across), chosen with a fixed seed.
std::vector<Connection> Connections(const hostsim::Document& sheet, bool near, size_t count) {
    struct FreePins {
        const hostsim::SheetObject* Part;
        std::vector<Point> Ends;
    };
    std::vector<FreePins> parts;
    for (const auto& object : sheet.objects()) {
        if (object->kind != hostsim::Kind::Part)
            continue;
        FreePins free{object.get(), {}};
        for (const auto& pin : object->part->pins)
            if ((!pin->pin->isHidden || object->part->showHiddenPins) && IsFree(sheet, *object, pin->location))
                free.Ends.push_back(pin->location);
        if (!free.Ends.empty())
            parts.push_back(std::move(free));
    }
    std::mt19937 random(7);
    const auto endOf = [&random](const FreePins& part) { return part.Ends[random() % part.Ends.size()]; };
    const auto distance = [](Point a, Point b) { return std::abs(int64_t{a.x} - b.x) + std::abs(int64_t{a.y} - b.y); };
    std::vector<Connection> connections;
    while (connections.size() < count) {
        const FreePins& from = parts[random() % parts.size()];
        const FreePins* to = nullptr;
        if (near) {
            for (const FreePins& other : parts)
                if (&other != &from && (to == nullptr || distance(other.Part->location, from.Part->location) <
                                                             distance(to->Part->location, from.Part->location)))
                    to = &other;
        } else {
            to = &parts[random() % parts.size()];
            if (distance(from.Part->location, to->Part->location) < sheet.options().sheetWidth / 2)
                continue;
        }
        connections.push_back({endOf(from), endOf(*to)});
    }
    return connections;
}

void BM_Route(benchmark::State& state) {
    Session session(state.range(0));
    const bool near = state.range(1) != 0;
    const std::vector<Connection> connections = Connections(*session.sheet, near, size_t(state.max_iterations));
    session.router->create();
    std::vector<double> times;
    size_t routed = 0;
    for (auto _ : state) {
        const Connection& c = connections[times.size()];
        auto drawn = hostsim::makeObject(hostsim::Kind::Wire);
        drawn->vertices = {c.Start, c.Goal};
        hostsim::SheetObject& wire = session.sheet->add(std::move(drawn));
        const auto began = std::chrono::steady_clock::now();
        const bool ok = session.router->execute(wire.handle, c.Start.x, c.Start.y, c.Goal.x, c.Goal.y);
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - began;
        state.SetIterationTime(took.count());
        times.push_back(took.count() * 1000);
        routed += ok ? 1 : 0;
        if (!ok)
            session.sheet->remove(wire);
    }
    session.router->destroy();
    std::sort(times.begin(), times.end());
    state.counters["median_ms"] = times[times.size() / 2];
    state.counters["p95_ms"] = times[std::min(times.size() - 1, times.size() * 95 / 100)];
    state.counters["routed_share"] = double(routed) / double(times.size());
    state.counters["objects"] = static_cast<double>(session.sheet->objects().size());
}

void Sizes(benchmark::internal::Benchmark* b) {
    for (int64_t objects : {1000, 10000, 100000})
        b->Args({objects});
}

void RouteCases(benchmark::internal::Benchmark* b) {
    for (int64_t objects : {1000, 10000, 100000})
        for (int64_t near : {1, 0})
            b->Args({objects, near});
}

BENCHMARK(BM_BuildTree)->Apply(Sizes)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_Route)
    ->Apply(RouteCases)
    ->ArgNames({"objects", "near"})
    ->UseManualTime()
    ->Iterations(40)
    ->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
