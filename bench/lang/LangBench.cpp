// Language packages and code-page conversion on forms of many components.
//
// BM_ApplyPackage: a package of N entries applied to a form of N buttons
// (load and read). BM_ConvertFormToBig5: a form of N buttons with Chinese
// captions and hints converted for a Big5 screen; BM_ConvertTextsOneByOne
// converts the same 2N texts with the translator alone, so the ratio of the
// two is what walking the form and its properties adds. Each converter
// loads the converter library afresh, so a form's first conversion also
// pays for opening the library's dictionaries.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "platform/CodePage.h"
#include "platform/Forms.h"
#include "platform/StdCtrls.h"
#include "services/CodeConverter.h"
#include "services/KwLangController.h"

using namespace kw;

namespace {

// A scratch installation whose client settings ask for a Big5 screen on a
// GB system.
class BigFiveInstallation {
public:
    BigFiveInstallation()
    {
        folder_ = std::filesystem::temp_directory_path() / ("kwt-bench-lang-" + std::to_string(::getpid()));
        std::filesystem::create_directories(folder_ / "client");
        std::ofstream(folder_ / "registry.reg") << "[HKEY_LOCAL_MACHINE\\Software\\KWT\\Baton]\n\"ClientPath\"=\""
                                                << (folder_ / "client").string() << "\"\n";
        std::ofstream(folder_ / "client" / "BatonC.ini")
            << "[Server Information]\nComputerName=127.0.0.1\n[CodePage]\nUICodePage=950\nDBCodePage=936\n";
        setenv("KWT_REGISTRY", (folder_ / "registry.reg").string().c_str(), 1);
        SetSystemCodePage(CP_GBK);
    }
    ~BigFiveInstallation() { std::filesystem::remove_all(folder_); }

private:
    std::filesystem::path folder_;
};

TForm* MakeButtonForm(int count)
{
    auto* form = new TForm(nullptr);
    form->SetName("frmBench");
    form->SetCaption(DesignText("报表条件"));
    for (int i = 0; i < count; ++i) {
        auto* button = new TButton(form);
        button->SetName("btn" + std::to_string(i));
        button->SetCaption(DesignText("条件方案") + std::to_string(i));
        button->SetHint(DesignText("请输入选项条件"));
    }
    return form;
}

void BM_ApplyPackage(benchmark::State& state)
{
    const int count = static_cast<int>(state.range(0));
    TForm* form = MakeButtonForm(count);
    auto* controller = new TKwLangController(form);
    TStringList package;
    package.Add("<TfrmBench Caption=\"Bench\">");
    for (int i = 0; i < count; ++i)
        package.Add("<btn" + std::to_string(i) + " Caption=\"Button " + std::to_string(i) + "\" Hint=\"Hint\"/>");
    package.Add("</TfrmBench>");
    for (auto _ : state) {
        controller->SetInlinePackage(&package);
        controller->SetActive(true);
        controller->Reader().ReadComponent(form);
    }
    state.SetComplexityN(count);
    form->Free();
}
BENCHMARK(BM_ApplyPackage)->Arg(50)->Arg(100)->Arg(200)->Complexity()->Unit(benchmark::kMillisecond);

void BM_ConvertFormToBig5(benchmark::State& state)
{
    BigFiveInstallation installation;
    const int count = static_cast<int>(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        TForm* form = MakeButtonForm(count);
        auto* converter = new TCodeConverter(form);
        state.ResumeTiming();
        converter->ConvertForm(form);
        state.PauseTiming();
        form->Free();
        state.ResumeTiming();
    }
    state.SetComplexityN(count);
}
BENCHMARK(BM_ConvertFormToBig5)->Arg(50)->Arg(200)->Complexity()->Unit(benchmark::kMillisecond);

void BM_ConvertTextsOneByOne(benchmark::State& state)
{
    BigFiveInstallation installation;
    const int count = static_cast<int>(state.range(0));
    TTranslator translator;
    const std::string caption = DesignText("条件方案") + "0";
    const std::string hint = DesignText("请输入选项条件");
    for (auto _ : state)
        for (int i = 0; i < count; ++i) {
            benchmark::DoNotOptimize(translator.ConvertToBig5(caption));
            benchmark::DoNotOptimize(translator.ConvertToBig5(hint));
        }
}
BENCHMARK(BM_ConvertTextsOneByOne)->Arg(200)->Unit(benchmark::kMillisecond);

}  // namespace
