// Time from creating a form to its first painted frame on the desktop
// backend (Qt's offscreen platform unless QT_QPA_PLATFORM says otherwise),
// beside the same form shown headless, for the ratio.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QEvent>
#include <QWidget>
#include <cstdlib>

#include "platform/CodePage.h"
#include "platform/ComCtrls.h"
#include "platform/ExtCtrls.h"
#include "platform/HeadlessBackend.h"
#include "platform/StdCtrls.h"
#include "platform/qt/QtBackend.h"

namespace kw {
namespace {

// A condition-form sized window: a scheme pane, two option pages with
// labels, edits, combo boxes, check boxes, and the OK and Cancel buttons.
TForm* MakeForm() {
    auto* form = new TForm(nullptr);
    form->SetBounds(0, 0, 509, 355);
    form->Font()->SetName(DesignText("宋体"));
    form->Font()->SetCharset(GB2312_CHARSET);
    form->Font()->SetHeight(-13);
    auto* pane = new TPanel(form);
    pane->SetParent(form);
    pane->SetAlign(alLeft);
    pane->SetWidth(151);
    auto* pages = new TPageControl(form);
    pages->SetParent(form);
    pages->SetAlign(alClient);
    for (const char* caption : {"基本选项", "系统选项"}) {
        auto* sheet = new TTabSheet(form);
        sheet->SetText(DesignText(caption));
        sheet->SetPageControl(pages);
        for (int row = 0; row < 8; ++row) {
            auto* label = new TLabel(form);
            label->SetParent(sheet);
            label->SetBounds(8, 8 + row * 28, 60, 17);
            label->SetText(DesignText("料号范围"));
            auto* edit = new TEdit(form);
            edit->SetParent(sheet);
            edit->SetBounds(80, 6 + row * 28, 120, 21);
            auto* check = new TCheckBox(form);
            check->SetParent(sheet);
            check->SetBounds(210, 8 + row * 28, 80, 17);
            check->SetText(DesignText("包含"));
        }
    }
    pages->SetActivePageIndex(0);
    auto* ok = new TButton(form);
    ok->SetParent(form);
    ok->SetBounds(330, 320, 75, 25);
    ok->SetText(DesignText("确定"));
    return form;
}

// Tells when a widget painted.
class PaintSpy : public QObject {
public:
    bool painted = false;
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint) painted = true;
        return false;
    }
};

void EnsureDesktop() {
    if (QtBackend()) return;
    if (!std::getenv("QT_QPA_PLATFORM")) ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static int argc = 1;
    static char name[] = "bench_qt";
    static char* argv[] = {name, nullptr};
    if (!InstallQtBackend(argc, argv)) std::abort();
}

void BM_CreateToFirstFrameDesktop(benchmark::State& state) {
    EnsureDesktop();
    for (auto _ : state) {
        TForm* form = MakeForm();
        form->Show();
        QWidget* window = QtBackend()->WidgetOf(*form);
        PaintSpy spy;
        window->installEventFilter(&spy);
        window->repaint();  // offscreen windows paint when asked; a display asks by itself
        while (!spy.painted) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        window->removeEventFilter(&spy);
        state.PauseTiming();
        form->Free();
        QtBackend()->ProcessEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_CreateToFirstFrameDesktop)->Unit(benchmark::kMillisecond);

void BM_CreateAndShowHeadless(benchmark::State& state) {
    std::unique_ptr<IBackend> desktop = SetBackend(std::make_unique<THeadlessBackend>());
    for (auto _ : state) {
        TForm* form = MakeForm();
        form->Show();
        state.PauseTiming();
        form->Free();
        state.ResumeTiming();
    }
    SetBackend(std::move(desktop));
}
BENCHMARK(BM_CreateAndShowHeadless)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kw
