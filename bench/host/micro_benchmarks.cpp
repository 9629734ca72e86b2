// Host micro-benchmarks of the document builder and the block move, over the
// in-memory list. Each benchmark sets the counter "rows" so the caller can
// work out the cost per row.

#include <benchmark/benchmark.h>

#include <string>

#include "bench/host/rows_for_bench.h"
#include "listctl/memory_list.h"
#include "plist/plist_document_builder.h"
#include "reorder/move_selection.h"
#include "ui/recorded_info_message.h"

namespace quorrith {
namespace {

void BM_BuildPlistDocument(benchmark::State& state) {
    const int rows = static_cast<int>(state.range(0));
    ResetMemoryList();
    LoadMemoryList(CatalogueRows(rows, true));
    const size_t frame = kPlistHeader.size() + kPlistFooter.size();
    for (auto _ : state) {
        std::string document = BuildPlistDocument();
        benchmark::DoNotOptimize(document.data());
        // Every row is a known label with a tick, so each must add an entry.
        if (document.size() < frame + static_cast<size_t>(rows) * 100) {
            state.SkipWithError("document lacks entries for some rows");
            break;
        }
    }
    state.counters["rows"] = rows;
    state.SetItemsProcessed(state.iterations() * rows);
}
BENCHMARK(BM_BuildPlistDocument)->Arg(16)->Arg(1000)->Arg(100000)->Unit(benchmark::kMicrosecond);

// A block of `block` selected rows (rows 1 to block) in a list one row longer
// at each end, moved up by one. The selection is put back between iterations
// outside the timed part.
void BM_MoveSelectionUp(benchmark::State& state) {
    const int block = static_cast<int>(state.range(0));
    ResetMemoryList();
    LoadMemoryList(CatalogueRows(block + 2, true));
    MemoryList& list = TheMemoryList();
    list.singleSelection = false;
    RecordedMessages().clear();
    const std::string firstLabel = list.rows[1].text;

    for (auto _ : state) {
        state.PauseTiming();
        LoadMemoryList(CatalogueRows(block + 2, true));
        for (int row = 1; row <= block; ++row) list.rows[static_cast<size_t>(row)].selected = true;
        state.ResumeTiming();

        MoveSelectionUp();

        if (!list.rows[0].selected || list.rows[static_cast<size_t>(block)].selected ||
            list.rows[0].text != firstLabel || !RecordedMessages().empty()) {
            state.SkipWithError("the block did not move up by one row");
            break;
        }
    }
    state.counters["rows"] = block;
    state.SetItemsProcessed(state.iterations() * block);
}
BENCHMARK(BM_MoveSelectionUp)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quorrith

BENCHMARK_MAIN();
