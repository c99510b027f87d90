// First run dates of every cycle kind, and dynamic date rules applied to a
// large condition values array. ApplyDynamicDates runs at two sizes with a
// complexity fit, so the report shows the cost per rule and that it grows
// linearly; CopyValues is the floor (the copy of the values array every call
// makes).
#include <benchmark/benchmark.h>

#include <string>

#include "services/LibStrs.h"

namespace kw {
namespace {

Variant CycleOfKind(int kind) {
    switch (kind) {
        case 0: return Variant::ArrayOf({0, "1"});
        case 1: return Variant::ArrayOf({1, Variant::ArrayOf({"2", 1})});
        case 2: return Variant::ArrayOf({2, Variant::ArrayOf({0, "1", "31"})});
        case 3: return Variant::ArrayOf({2, Variant::ArrayOf({1, "1", 4, 5})});
        default: return Variant::ArrayOf({3, 2.5});
    }
}

void BM_FirstRunDate(benchmark::State& state) {
    const Variant cycle = CycleOfKind(static_cast<int>(state.range(0)));
    for (auto _ : state) benchmark::DoNotOptimize(FirstRunDate("20040107", cycle));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_FirstRunDate)->ArgName("cycle")->DenseRange(0, 4);

std::string Join(std::initializer_list<std::string> fields) {
    std::string rule;
    for (const std::string& field : fields) {
        if (!rule.empty()) rule += RuleFieldSeparator;
        rule += field;
    }
    return rule;
}

// Values [1..n]: odd positions single dates, even positions ranges; one rule
// for each value, with a mix of week, month and week-edge rules.
Variant RuleList(int count) {
    Variant values = Variant::Array(1, count);
    Variant rules = Variant::Array(0, count);
    rules[0] = count;
    for (int i = 1; i <= count; ++i) {
        const std::string index = std::to_string(i);
        const std::string shift = std::to_string(i % 5 - 2);
        if (i % 2 == 1) {
            values[i] = "20000101";
            rules[i] = Join({"1", "edDate", "Y", shift, i % 3 == 0 ? "0" : "1", std::to_string(i % 3), "1", "D", index});
        } else {
            values[i] = Variant::ArrayOf(1, {"20000101", "20001231"});
            rules[i] = Join({"0", "spDate", "Y", shift, "1", "1", "0", "Y", shift, "0", "2", "0", "D", index});
        }
    }
    return Variant::ArrayOf(1, {values, Variant::ArrayOf({"Y", "08:00"}), rules});
}

void BM_ApplyDynamicDates(benchmark::State& state) {
    const Variant ruleList = RuleList(static_cast<int>(state.range(0)));
    for (auto _ : state) benchmark::DoNotOptimize(ApplyDynamicDates(ruleList, "20040107"));
    state.SetItemsProcessed(state.iterations() * state.range(0));
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_ApplyDynamicDates)->ArgName("rules")->Arg(1000)->Arg(10000)->Complexity(benchmark::oN)
    ->Unit(benchmark::kMillisecond);

void BM_CopyValues(benchmark::State& state) {
    const Variant ruleList = RuleList(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        Variant values = ruleList[1];
        benchmark::DoNotOptimize(values);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_CopyValues)->ArgName("rules")->Arg(10000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kw
