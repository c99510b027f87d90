// Time from CreateForm to the end of the form's first show, headless, on a
// demo installation in a scratch folder. The median of the repetitions is
// the figure to read; the creation-only benchmark gives the share of the
// show as a ratio.
#include <benchmark/benchmark.h>

#include <memory>

#include "host/HostObject.h"
#include "module/DLLBaseCtrller.h"
#include "platform/DynLib.h"
#include "platform/Forms.h"
#include "tests/host/HostTestSupport.h"

namespace {

using namespace kw;

struct ShellBench {
    testing::DemoInstallation demo;
    DynLib module{KWT_HOST_TEST_MODULE};
    TGetControllerFunc getController = module.Function<TDLLBaseController*()>("GetController");
    Variant host = Variant(AutoRef(std::make_shared<THostObject>(TShellData::OpenDefault())));
    Variant params = Variant::ArrayOf({Variant("DS"), Variant("DEMO"), Variant("DEMO"), Variant(0), Variant("")});
};

// Lives for the whole program: the module's classes stay registered.
ShellBench& Bench() {
    static ShellBench* bench = new ShellBench;
    return *bench;
}

void RunFirstShow(benchmark::State& state, bool show) {
    ShellBench& b = Bench();
    if (!b.demo.Ready() || !b.getController) {
        state.SkipWithError("no demo installation or no module");
        return;
    }
    for (auto _ : state) {
        state.PauseTiming();
        std::unique_ptr<TDLLBaseController> controller(b.getController());
        controller->HostObject = b.host;
        state.ResumeTiming();
        if (controller->CreateForm(b.params) != 0) {
            state.SkipWithError("CreateForm failed");
            break;
        }
        if (show) controller->SetVisible(-1);
        state.PauseTiming();
        controller->FreeForm();
        controller.reset();
        Application()->ProcessMessages();
        state.ResumeTiming();
    }
}

void BM_CreateFormToFirstShow(benchmark::State& state) { RunFirstShow(state, true); }
void BM_CreateFormOnly(benchmark::State& state) { RunFirstShow(state, false); }

BENCHMARK(BM_CreateFormToFirstShow)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK(BM_CreateFormOnly)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);

}  // namespace
