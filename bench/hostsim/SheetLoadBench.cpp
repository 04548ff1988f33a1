// Loading a sheet of about 100,000 objects (a generated sheet of 46,500 parts with their wires, junctions,
// labels, supplies and ports), and writing it. Target: a load in under one second.
#include <filesystem>

#include <benchmark/benchmark.h>

#include "hostsim/plexa/DocumentStore.h"
#include "hostsim/sheetgen/SheetGenerator.h"

namespace {

using namespace hostsim;

const std::filesystem::path& bigSheet() {
    static const std::filesystem::path file = [] {
        const auto path = std::filesystem::temp_directory_path() / "hostsim-bench-100k.sch";
        DocumentStore& store = DocumentStore::instance();
        Document& document = generateSheet(shippedLibraryFile(), {46500, 1, false}, path);
        store.save(document, path);
        store.reset();
        return path;
    }();
    return file;
}

void LoadSheet(benchmark::State& state) {
    const auto& file = bigSheet();
    DocumentStore& store = DocumentStore::instance();
    size_t objects = 0;
    for (auto _ : state) {
        Document& document = store.open(file);
        objects = document.objects().size();
        state.PauseTiming();
        store.reset();
        state.ResumeTiming();
    }
    state.counters["objects"] = static_cast<double>(objects);
    state.counters["MB"] = static_cast<double>(std::filesystem::file_size(file)) / 1e6;
}
BENCHMARK(LoadSheet)->Unit(benchmark::kMillisecond)->Iterations(5);

void SaveSheet(benchmark::State& state) {
    DocumentStore& store = DocumentStore::instance();
    const Document& document = store.open(bigSheet());
    const auto out = std::filesystem::temp_directory_path() / "hostsim-bench-out.sch";
    for (auto _ : state)
        store.save(document, out);
    std::filesystem::remove(out);
    store.reset();
}
BENCHMARK(SaveSheet)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
