// Panels, splitters and glyph buttons.
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QToolButton>

#include "platform/Buttons.h"
#include "platform/ExtCtrls.h"
#include "platform/qt/QtBackend.h"
#include "platform/qt/QtCanvas.h"
#include "platform/qt/QtKinds.h"
#include "platform/qt/QtText.h"

namespace kw {

namespace {
// ---------------------------------------------------------------- panel

// A panel: its bevels as the frame, its caption where its alignment says.
class TPanelKind : public TWidgetKind {
public:
    QWidget* Create(TMirror& m, QWidget* parent) const override {
        auto* panel = new QLabel(parent);
        panel->setTextFormat(Qt::PlainText);
        panel->setAutoFillBackground(true);
        return panel;
    }
    void SyncText(TMirror& m) const override {
        if (m.ShownText == m.Control->Text()) return;
        m.ShownText = m.Control->Text();
        static_cast<QLabel*>(m.Widget.data())->setText(FontText(*m.ShownText, *m.Control->Font()));
    }
    void SyncState(TMirror& m) const override {
        auto* panel = static_cast<QLabel*>(m.Widget.data());
        const auto& c = static_cast<const TCustomPanel&>(*m.Control);
        int style = QFrame::NoFrame;
        if (c.BevelOuter() == bvRaised) style = QFrame::Panel | QFrame::Raised;
        if (c.BevelOuter() == bvLowered) style = QFrame::Panel | QFrame::Sunken;
        if (c.BorderStyle() == bsSingle) style = QFrame::Box | QFrame::Plain;
        if (panel->frameStyle() != style) panel->setFrameStyle(style);
        if (panel->lineWidth() != c.BevelWidth()) panel->setLineWidth(c.BevelWidth());
        const Qt::Alignment align = (c.Alignment() == taLeftJustify    ? Qt::AlignLeft
                                     : c.Alignment() == taRightJustify ? Qt::AlignRight
                                                                       : Qt::AlignHCenter) |
                                    Qt::AlignVCenter;
        if (panel->alignment() != align) panel->setAlignment(align);
    }
};

// ---------------------------------------------------------------- splitter

// Dragging moves the splitter through the model, which resizes the control
// beside it.
class TQtSplitter : public QWidget {
public:
    explicit TQtSplitter(QWidget* parent) : QWidget(parent) { setAutoFillBackground(true); }

protected:
    void mousePressEvent(QMouseEvent* e) override { from_ = e->globalPosition().toPoint(); }
    void mouseMoveEvent(QMouseEvent* e) override {
        if (!(e->buttons() & Qt::LeftButton)) return;
        TMirror* m = MirrorAt(this);
        if (!m) return;
        auto* splitter = static_cast<TSplitter*>(m->Control);
        const QPoint at = e->globalPosition().toPoint();
        const bool across = splitter->Align() == alLeft || splitter->Align() == alRight;
        const int delta = across ? at.x() - from_.x() : at.y() - from_.y();
        if (delta == 0) return;
        from_ = at;
        QtBackend()->UserInput([splitter, delta] { splitter->MoveBy(delta); });
    }

private:
    QPoint from_;
};

class TSplitterKind : public TWidgetKind {
public:
    QWidget* Create(TMirror& m, QWidget* parent) const override { return new TQtSplitter(parent); }
    void SyncState(TMirror& m) const override {
        const TAlign align = m.Control->Align();
        const Qt::CursorShape shape = align == alTop || align == alBottom ? Qt::SplitVCursor : Qt::SplitHCursor;
        if (m.Widget->cursor().shape() != shape) m.Widget->setCursor(shape);
    }
    bool NativeMouse(const TMirror&) const override { return true; }
};

// ---------------------------------------------------------------- glyph buttons

// The glyph's cells: the first when enabled, the second (when there is
// one) when disabled.
QIcon GlyphIcon(const TBitmap* glyph, int numGlyphs) {
    if (!glyph || glyph->Empty()) return {};
    QIcon icon(GlyphCell(*glyph, numGlyphs, 0));
    if (numGlyphs >= 2) icon.addPixmap(GlyphCell(*glyph, numGlyphs, 1), QIcon::Disabled);
    return icon;
}

// The glyph as last written, so it is made into an icon only when it changed.
bool GlyphMoved(TMirror& m, const TBitmap* glyph, int numGlyphs) {
    std::vector<std::string> now{glyph ? glyph->SaveToBytes() : std::string(), std::to_string(numGlyphs)};
    if (m.ShownItems == now) return false;
    m.ShownItems = std::move(now);
    return true;
}

class TGlyphButtonKind : public TWidgetKind {
public:
    QWidget* Create(TMirror& m, QWidget* parent) const override { return new QPushButton(parent); }
    void SyncText(TMirror& m) const override {
        if (m.ShownText == m.Control->Text()) return;
        m.ShownText = m.Control->Text();
        static_cast<QPushButton*>(m.Widget.data())->setText(FontText(*m.ShownText, *m.Control->Font()));
    }
    void SyncState(TMirror& m) const override {
        auto* button = static_cast<QPushButton*>(m.Widget.data());
        const auto& c = static_cast<const TBitBtn&>(*m.Control);
        if (GlyphMoved(m, c.Glyph(), c.NumGlyphs())) {
            button->setIcon(GlyphIcon(c.Glyph(), c.NumGlyphs()));
            if (c.Glyph() && !c.Glyph()->Empty())
                button->setIconSize(QSize(c.Glyph()->Width() / std::max(c.NumGlyphs(), 1), c.Glyph()->Height()));
        }
        if (button->autoDefault()) button->setAutoDefault(false);
        if (button->isDefault() != c.Default()) button->setDefault(c.Default());
    }
    void ShowPressed(TMirror& m, bool down) const override { static_cast<QPushButton*>(m.Widget.data())->setDown(down); }
};

class TSpeedButtonKind : public TWidgetKind {
public:
    QWidget* Create(TMirror& m, QWidget* parent) const override { return new QToolButton(parent); }
    void SyncText(TMirror& m) const override {
        if (m.ShownText == m.Control->Text()) return;
        m.ShownText = m.Control->Text();
        auto* button = static_cast<QToolButton*>(m.Widget.data());
        button->setText(FontText(*m.ShownText, *m.Control->Font()));
        button->setToolButtonStyle(m.ShownText->empty() ? Qt::ToolButtonIconOnly : Qt::ToolButtonTextBesideIcon);
    }
    void SyncState(TMirror& m) const override {
        auto* button = static_cast<QToolButton*>(m.Widget.data());
        const auto& c = static_cast<const TSpeedButton&>(*m.Control);
        if (GlyphMoved(m, c.Glyph(), c.NumGlyphs())) {
            button->setIcon(GlyphIcon(c.Glyph(), c.NumGlyphs()));
            if (c.Glyph() && !c.Glyph()->Empty())
                button->setIconSize(QSize(c.Glyph()->Width() / std::max(c.NumGlyphs(), 1), c.Glyph()->Height()));
        }
        if (button->autoRaise() != c.Flat()) button->setAutoRaise(c.Flat());
        if (button->isCheckable() != (c.GroupIndex() > 0)) button->setCheckable(c.GroupIndex() > 0);
        if (button->isChecked() != c.Down()) button->setChecked(c.Down());
    }
    void ShowPressed(TMirror& m, bool down) const override {
        static_cast<QToolButton*>(m.Widget.data())->setDown(down);
    }
};
}  // namespace

void RegisterExtKinds() {
    static const TPanelKind panel;
    static const TSplitterKind splitter;
    static const TGlyphButtonKind bitBtn;
    static const TSpeedButtonKind speedButton;
    RegisterWidgetKind("TCustomPanel", &panel);
    RegisterWidgetKind("TSplitter", &splitter);
    RegisterWidgetKind("TBitBtn", &bitBtn);
    RegisterWidgetKind("TSpeedButton", &speedButton);
}

}  // namespace kw
