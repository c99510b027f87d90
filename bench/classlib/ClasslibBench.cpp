// Streaming and destroying a form of 200 components, and property access by
// name next to the direct calls it stands for (compare the pairs as ratios).
#include <benchmark/benchmark.h>

#include <string>

#include "platform/ExtCtrls.h"
#include "platform/FormStream.h"
#include "platform/Forms.h"
#include "platform/StdCtrls.h"
#include "services/PropAccess.h"

namespace kw {
namespace {

// 40 panels, each with a label, an edit, a combo box and a check box: 200 components.
std::string FormText() {
    std::string text = "object frmBench: TForm\n  Caption = '条件'\n  Font.Charset = GB2312_CHARSET\n";
    for (int p = 0; p < 40; ++p) {
        std::string n = std::to_string(p);
        text += "  object pnl" + n + ": TPanel\n    Top = " + std::to_string(p * 30) + "\n    Align = alTop\n";
        text += "    object lbl" + n + ": TLabel\n      Caption = '名称" + n + "'\n      FocusControl = ed" + n +
                "\n    end\n";
        text += "    object ed" + n + ": TEdit\n      Left = 60\n      TabOrder = 0\n      Text = 'value'\n    end\n";
        text += "    object cbo" + n + ": TComboBox\n      Style = csDropDownList\n      Items = ('甲' '乙' '丙')\n"
                "      ItemIndex = 1\n    end\n";
        text += "    object chk" + n + ": TCheckBox\n      Caption = '选项'\n      Checked = True\n    end\n";
        text += "  end\n";
    }
    return text + "end\n";
}

void BM_StreamAndDestroyForm200(benchmark::State& state) {
    const std::string text = FormText();
    for (auto _ : state) {
        auto* form = new TForm(nullptr);
        ReadComponentText(*form, text);
        benchmark::DoNotOptimize(form->ComponentCount());
        form->Free();
    }
    state.SetItemsProcessed(state.iterations() * 200);
}
BENCHMARK(BM_StreamAndDestroyForm200)->Unit(benchmark::kMicrosecond);

struct LoadedForm {
    TForm form{nullptr};
    LoadedForm() { ReadComponentText(form, FormText()); }
};

void BM_GetTextPropertyByName(benchmark::State& state) {
    LoadedForm loaded;
    size_t total = 0;
    for (auto _ : state)
        for (TComponent* c : loaded.form.ComponentList()) total += GetTextProperty(c, "Caption").size();
    benchmark::DoNotOptimize(total);
    state.SetItemsProcessed(state.iterations() * loaded.form.ComponentCount());
}
BENCHMARK(BM_GetTextPropertyByName);

void BM_GetCaptionDirect(benchmark::State& state) {
    LoadedForm loaded;
    size_t total = 0;
    for (auto _ : state)
        for (TComponent* c : loaded.form.ComponentList())
            if (auto control = dynamic_cast<TControl*>(c)) total += control->Caption().size();
    benchmark::DoNotOptimize(total);
    state.SetItemsProcessed(state.iterations() * loaded.form.ComponentCount());
}
BENCHMARK(BM_GetCaptionDirect);

void BM_SetPropertyPathByName(benchmark::State& state) {
    LoadedForm loaded;
    for (auto _ : state)
        for (TComponent* c : loaded.form.ComponentList()) SetPropertyPath(c, "Font.Charset", 134);
    state.SetItemsProcessed(state.iterations() * loaded.form.ComponentCount());
}
BENCHMARK(BM_SetPropertyPathByName);

void BM_SetFontCharsetDirect(benchmark::State& state) {
    LoadedForm loaded;
    for (auto _ : state)
        for (TComponent* c : loaded.form.ComponentList())
            if (auto control = dynamic_cast<TControl*>(c)) control->Font()->SetCharset(134);
    state.SetItemsProcessed(state.iterations() * loaded.form.ComponentCount());
}
BENCHMARK(BM_SetFontCharsetDirect);

void BM_SetPropertyPathColourName(benchmark::State& state) {
    LoadedForm loaded;
    TEdit* edit = loaded.form.Find<TEdit>("ed0");
    for (auto _ : state) SetPropertyPath(edit, "Color", "clRed");
}
BENCHMARK(BM_SetPropertyPathColourName);

}  // namespace
}  // namespace kw
