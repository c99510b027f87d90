// Code-page conversion of a job parameter array of 10,000 texts: wide text
// to code-page bytes and back, against the bare wide-to-bytes conversion of
// the same texts (the ratio shows what the array walk costs on top).
#include <benchmark/benchmark.h>

#include "platform/CodePage.h"
#include "services/CodePageVariant.h"

using namespace kw;

namespace {

constexpr int kElements = 10000;

std::u16string ElementText(int i) { return u"产品结构明细表 KTXR58 条件 " + Utf8ToWide(std::to_string(i)); }

Variant WideArray() {
    Variant array = Variant::Array(1, kElements);
    for (int i = 1; i <= kElements; ++i) array[i] = Variant(ElementText(i));
    return array;
}

void BM_EncodeArray(benchmark::State& state) {
    const Variant array = WideArray();
    for (auto _ : state) benchmark::DoNotOptimize(EncodeToCodePage(array, CP_GBK));
    state.SetItemsProcessed(state.iterations() * kElements);
}
BENCHMARK(BM_EncodeArray)->Unit(benchmark::kMillisecond);

void BM_DecodeArray(benchmark::State& state) {
    const Variant bytes = EncodeToCodePage(WideArray(), CP_GBK);
    for (auto _ : state) benchmark::DoNotOptimize(DecodeFromCodePage(bytes, CP_GBK));
    state.SetItemsProcessed(state.iterations() * kElements);
}
BENCHMARK(BM_DecodeArray)->Unit(benchmark::kMillisecond);

void BM_BareConversions(benchmark::State& state) {
    std::vector<std::u16string> texts;
    for (int i = 1; i <= kElements; ++i) texts.push_back(ElementText(i));
    for (auto _ : state)
        for (const auto& text : texts) benchmark::DoNotOptimize(WideToMultiByte(text, CP_GBK));
    state.SetItemsProcessed(state.iterations() * kElements);
}
BENCHMARK(BM_BareConversions)->Unit(benchmark::kMillisecond);

}  // namespace
