// Captures a generated sheet whose every object is selected into a script with the shipped template: the recorder
// reads each object through the schematic server's exported functions, as in the host, and writes the script file.
// Reports objects per second (items_per_second).
#include "capture/Sch2Scpt.h"
#include "capture/SchProcs.h"
#include "hostkit/ClientProcs.h"
#include "hostsim/host/Host.h"
#include "hostsim/host/ServerDocument.h"
#include "hostsim/plexa/DocumentStore.h"
#include "hostsim/sheetgen/SheetGenerator.h"

#include <benchmark/benchmark.h>

#include <filesystem>

namespace {

namespace fs = std::filesystem;

// A failed generation ends the benchmark with the box's text.
class TFailureMessages : public snapscribe::TRecorderMessages {
public:
    void ShowInformation(const std::string& text) override { Failure = text; }
    void ShowError(const std::string& text) override { Failure += " " + text; }
    std::string Failure;
};

// Parts enough for 100,000 objects with the generator's mix (parts, wires, junctions, labels, power objects).
int32_t PartsFor(int64_t objects) {
    return static_cast<int32_t>(objects * 466 / 1000);
}

void BM_CaptureSelectedSheet(benchmark::State& state) {
    const bool isPascal = state.range(1) != 0;
    const fs::path folder = fs::temp_directory_path() / "tessellon-capture-bench";
    fs::create_directories(folder);

    hostsim::HostSettings settings;
    settings.ProgramFolder = TESSELLON_DATA_DIR; // the templates are found next to the host program
    hostsim::Host host(settings);
    hostkit::BindClientApi();
    const fs::path sheetFile = folder / "selected.sch";
    hostsim::Document& sheet = hostsim::generateSheet(
        hostsim::shippedLibraryFile(), {.parts = PartsFor(state.range(0)), .seed = 1, .selectAll = true}, sheetFile);
    const auto objects = static_cast<int64_t>(sheet.objects().size());
    hostsim::ServerDocument& document = host.openDocument(sheetFile, "Sch");
    snapscribe::BindSchematicApi();

    snapscribe::TSetUpInfo setUp;
    setUp.MacroType = isPascal ? "ClientPascal" : "ClientBasic";
    setUp.MacroFileName = (folder / (isPascal ? "selected.trp" : "selected.bas")).string();
    setUp.DocumentView = hostkit::TInterfaceRef<hostkit::IServerDocumentView>(document.view());
    TFailureMessages messages;
    for (auto _ : state) {
        snapscribe::TMacroRecorder recorder(setUp, messages);
        if (!recorder.Execute()) {
            state.SkipWithError(("no script:" + messages.Failure).c_str());
            break;
        }
    }
    state.SetItemsProcessed(state.iterations() * objects);
    state.counters["objects"] = static_cast<double>(objects);
    state.counters["script_MB"] = static_cast<double>(fs::file_size(setUp.MacroFileName)) / 1e6;
    setUp.DocumentView.Reset();
    hostsim::DocumentStore::instance().reset();
    fs::remove_all(folder);
}

BENCHMARK(BM_CaptureSelectedSheet)->Args({100000, 0})->Args({100000, 1})->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
