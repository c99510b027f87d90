// Controls that paint themselves (the system's owner-drawn controls and any
// control the backend has no native widget for) show what their Paint drew
// on their canvas; windowed controls without a kind of their own are plain
// containers in their colour.
#include <QPainter>
#include <QWidget>
#include <iostream>

#include "platform/qt/QtBackend.h"
#include "platform/qt/QtCanvas.h"
#include "platform/qt/QtKinds.h"

namespace kw {

namespace {
class TQtPaintedWidget : public QWidget {
public:
    explicit TQtPaintedWidget(QWidget* parent) : QWidget(parent) { setAttribute(Qt::WA_OpaquePaintEvent); }

protected:
    void paintEvent(QPaintEvent*) override {
        TMirror* m = MirrorAt(this);
        if (!m) return;
        QPainter painter(this);
        try {
            if (auto* custom = dynamic_cast<TCustomControl*>(m->Control)) {
                PaintCanvas(painter, *custom->PaintToBitmap().Canvas());
            } else if (auto* graphic = dynamic_cast<TGraphicControl*>(m->Control)) {
                TCanvas* canvas = graphic->Canvas();
                canvas->ClearTexts();
                graphic->Paint();
                PaintCanvas(painter, *canvas);
            }
        } catch (const std::exception& e) {
            std::cerr << "Painting " << m->Control->Name() << " failed: " << e.what() << '\n';
        }
    }
};

class TPaintedKind : public TWidgetKind {
public:
    QWidget* Create(TMirror& m, QWidget* parent) const override { return new TQtPaintedWidget(parent); }
    void SyncText(TMirror& m) const override {
        if (m.ShownText == m.Control->Text()) return;
        m.ShownText = m.Control->Text();
        m.Widget->update();
    }
};

class TContainerKind : public TWidgetKind {
public:
    QWidget* Create(TMirror& m, QWidget* parent) const override {
        auto* w = new QWidget(parent);
        w->setAutoFillBackground(true);
        return w;
    }
};
}  // namespace

void RegisterPaintedKinds() {
    static const TPaintedKind painted;
    static const TContainerKind container;
    RegisterWidgetKind("TControl", &painted);
    RegisterWidgetKind("TGraphicControl", &painted);
    RegisterWidgetKind("TCustomControl", &painted);
    RegisterWidgetKind("TWinControl", &container);
}

}  // namespace kw
