// The obstacle tree on generated sheets: building it, and a million point, segment and window queries against it.
// A plain scan of the same obstacles is measured beside the queries to show that they prune.
#include "router/ObstacleTree.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <random>
#include <vector>

namespace wirewright {
namespace {

struct TObstacleSpec {
    TBoundingRect Rect;
    uint8_t Kind;
};

enum TSheetOrder { soShuffled, soRowByRow };

constexpr int32_t Cell = 200; // each part owns a cell of the sheet, with its wires and texts around it

// A sheet of Count obstacles: parts on a grid, each with a designator, a wire leaving it with end marks, and now and
// then a junction. RowByRow keeps the order in which a generator laying the sheet out row by row would create them.
std::vector<TObstacleSpec> MakeSheet(int Count, TSheetOrder Order, unsigned Seed = 1) {
    std::mt19937 Random(Seed);
    const auto Jitter = [&](int32_t Range) { return static_cast<int32_t>(Random() % static_cast<unsigned>(Range)); };
    const int Columns = static_cast<int>(std::sqrt(Count / 5.0)) + 1;
    std::vector<TObstacleSpec> Sheet;
    Sheet.reserve(static_cast<std::size_t>(Count));
    for (int Index = 0; static_cast<int>(Sheet.size()) < Count; ++Index) {
        const int32_t X = (Index % Columns) * Cell + Jitter(40), Y = (Index / Columns) * Cell + Jitter(40);
        const int32_t W = 40 + Jitter(60), H = 30 + Jitter(80);
        Sheet.push_back({{X, Y, X + W, Y + H}, okPart});
        Sheet.push_back({{X, Y + H + 2, X + 30, Y + H + 12}, okDesignator});
        const int32_t WireY = Y + Jitter(H);
        const int32_t WireEnd = X + W + 20 + Jitter(Cell);
        Sheet.push_back({{X + W, WireY, WireEnd, WireY}, okWire});
        Sheet.push_back({{X + W - 1, WireY - 1, X + W + 1, WireY + 1}, okJunction});
        Sheet.push_back({{WireEnd - 1, WireY - 1, WireEnd + 1, WireY + 1}, okJunction});
    }
    Sheet.resize(static_cast<std::size_t>(Count));
    if (Order == soShuffled)
        std::shuffle(Sheet.begin(), Sheet.end(), Random);
    return Sheet;
}

int32_t SheetSide(int Count) {
    return (static_cast<int32_t>(std::sqrt(Count / 5.0)) + 2) * Cell;
}

void Fill(TObstacleTree& Tree, const std::vector<TObstacleSpec>& Sheet) {
    for (const TObstacleSpec& O : Sheet)
        Tree.AddObstacle(O.Rect, O.Kind);
}

constexpr int SheetSize = 100000;
constexpr int Queries = 1000000;

const std::vector<TObstacleSpec>& Sheet() {
    static const std::vector<TObstacleSpec> Sheet = MakeSheet(SheetSize, soShuffled);
    return Sheet;
}

const TObstacleTree& Tree() {
    static const TObstacleTree& Tree = []() -> const TObstacleTree& {
        static TObstacleTree Built(10);
        Fill(Built, Sheet());
        return Built;
    }();
    return Tree;
}

std::vector<TPoint> Points(int Count, unsigned Seed) {
    std::mt19937 Random(Seed);
    std::uniform_int_distribution<int32_t> Coord(0, SheetSide(SheetSize));
    std::vector<TPoint> Result(static_cast<std::size_t>(Count));
    for (TPoint& P : Result)
        P = {Coord(Random), Coord(Random)};
    return Result;
}

// Axis-parallel segments up to two cells long, as the legs of a route.
std::vector<std::pair<TPoint, TPoint>> Segments(int Count, unsigned Seed) {
    std::mt19937 Random(Seed);
    std::uniform_int_distribution<int32_t> Length(-2 * Cell, 2 * Cell);
    std::vector<std::pair<TPoint, TPoint>> Result;
    Result.reserve(static_cast<std::size_t>(Count));
    for (const TPoint& P : Points(Count, Seed + 1)) {
        const TPoint Q = Random() % 2 == 0 ? TPoint{P.X + Length(Random), P.Y} : TPoint{P.X, P.Y + Length(Random)};
        Result.emplace_back(P, Q);
    }
    return Result;
}

void BM_Insert(benchmark::State& State) {
    const auto Order = static_cast<TSheetOrder>(State.range(1));
    const std::vector<TObstacleSpec> Obstacles = MakeSheet(static_cast<int>(State.range(0)), Order);
    for (auto _ : State) {
        TObstacleTree Built(10);
        Fill(Built, Obstacles);
        benchmark::DoNotOptimize(Built.Root);
    }
    State.SetItemsProcessed(State.iterations() * State.range(0));
}
BENCHMARK(BM_Insert)
    ->ArgNames({"obstacles", "row_by_row"})
    ->Args({SheetSize, soShuffled})
    ->Args({SheetSize, soRowByRow})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

// Sorted insertion makes a chain: each insertion walks the whole chain, so the cost grows with the square.
void BM_InsertSorted(benchmark::State& State) {
    const int32_t Count = static_cast<int32_t>(State.range(0));
    for (auto _ : State) {
        TObstacleTree Built(10);
        for (int32_t I = 0; I < Count; ++I)
            Built.AddObstacle(TBoundingRect(4 * I, 4 * I, 4 * I + 2, 4 * I + 2), okPart);
        benchmark::DoNotOptimize(Built.Root);
    }
    State.SetItemsProcessed(State.iterations() * State.range(0));
}
BENCHMARK(BM_InsertSorted)->Arg(5000)->Arg(10000)->Arg(20000)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_PointQueries(benchmark::State& State) {
    const TObstacleTree& T = Tree();
    const std::vector<TPoint> At = Points(Queries, 2);
    int64_t Hits = 0;
    for (auto _ : State)
        for (const TPoint& P : At)
            Hits += T.PointBlocked(P, 2) + T.IsOnLine(P);
    benchmark::DoNotOptimize(Hits);
    State.SetItemsProcessed(State.iterations() * Queries * 2);
    State.counters["hits"] = static_cast<double>(Hits) / static_cast<double>(State.iterations());
}
BENCHMARK(BM_PointQueries)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_SegmentQueries(benchmark::State& State) {
    const TObstacleTree& T = Tree();
    const auto Legs = Segments(Queries, 3);
    int64_t Hits = 0;
    int32_t Lines = 0;
    for (auto _ : State)
        for (const auto& [P1, P2] : Legs)
            Hits += T.SegmentBlocked(P1, P2) + T.PathMeetsLines(P1, P2, P1, P2, Lines);
    benchmark::DoNotOptimize(Hits);
    State.SetItemsProcessed(State.iterations() * Queries * 2);
    State.counters["hits"] = static_cast<double>(Hits) / static_cast<double>(State.iterations());
}
BENCHMARK(BM_SegmentQueries)->Unit(benchmark::kMillisecond)->Iterations(3);

// The window search of the route: a cell-sized strip above each point, shrinking to the nearest obstacle.
void BM_NeighbourQueries(benchmark::State& State) {
    const TObstacleTree& T = Tree();
    const std::vector<TPoint> At = Points(Queries, 4);
    int64_t Found = 0;
    for (auto _ : State)
        for (const TPoint& P : At) {
            TBoundingRect Window(P.X - Cell, P.Y, P.X + Cell, P.Y + 4 * Cell), Above, Below;
            T.FindNeighboursAboveBelow(P, Window, Above, Below);
            Found += Above.IsSet();
        }
    benchmark::DoNotOptimize(Found);
    State.SetItemsProcessed(State.iterations() * Queries);
}
BENCHMARK(BM_NeighbourQueries)->Unit(benchmark::kMillisecond)->Iterations(3);

// What a query would cost without the tree: every obstacle tested.
void BM_PointScanBaseline(benchmark::State& State) {
    const std::vector<TObstacleSpec>& Obstacles = Sheet();
    const std::vector<TPoint> At = Points(1000, 2);
    int64_t Hits = 0;
    for (auto _ : State)
        for (const TPoint& P : At)
            Hits += std::any_of(Obstacles.begin(), Obstacles.end(),
                                [&](const TObstacleSpec& O) { return O.Rect.ContainsPoint(P); });
    benchmark::DoNotOptimize(Hits);
    State.SetItemsProcessed(State.iterations() * 1000);
}
BENCHMARK(BM_PointScanBaseline)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
} // namespace wirewright

BENCHMARK_MAIN();
