// AddRow into a selection panel that keeps its rows sorted, drops duplicate
// captions and sizes its columns: the cost of n rows should grow no faster
// than n log n (compare the 10,000-row time with ten times the 1,000-row one).
#include <benchmark/benchmark.h>

#include <chrono>
#include <string>
#include <vector>

#include "controls/SelectPnl.h"
#include "platform/SysUtils.h"

namespace kw {
namespace {

// n distinct rows, scattered (7919 is prime to both sizes) or ascending.
std::vector<std::vector<std::string>> DistinctRows(int n, bool scattered) {
    std::vector<std::vector<std::string>> rows;
    rows.reserve(n);
    for (int i = 0; i < n; ++i) {
        const int k = scattered ? static_cast<int>((static_cast<long long>(i) * 7919) % n) : i;
        rows.push_back({Format("ITEM%.6d", {k}), Format("Part %d", {k % 97}), IntToStr(k % 13)});
    }
    return rows;
}

// Only the AddRow calls are timed: making the panel and emptying it again
// are not part of the cost.
void AddRowSortedUniqueAutoSized(benchmark::State& state) {
    const auto rows = DistinctRows(static_cast<int>(state.range(0)), state.range(1) != 0);
    TSelectPanel panel(nullptr);
    panel.SetStyle(sp_Discrete);
    panel.SetCheckDuplicate(cd_CaseInsensitive);
    panel.SetSortListBox(true);
    panel.SetColumnsAutoSize(true);
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        for (const auto& row : rows) panel.AddRow(row);
        const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
        state.SetIterationTime(elapsed.count());
        if (panel.Items()->Count() != static_cast<int>(rows.size())) state.SkipWithError("rows were lost");
        if (panel.Items()->Item(0)->Caption() != "ITEM000000") state.SkipWithError("rows are not sorted");
        panel.ClearRows();
    }
}
// Second argument: 1 scattered input (rows go in between), 0 ascending input.
BENCHMARK(AddRowSortedUniqueAutoSized)
    ->Args({1000, 1})
    ->Args({10000, 1})
    ->Args({1000, 0})
    ->Args({10000, 0})
    ->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kw
