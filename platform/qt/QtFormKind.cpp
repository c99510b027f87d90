// Forms as windows of their own: caption, border style and icons, the
// close button through the form's close rules, the user's moves and
// resizes into the form's bounds, activation into the model.
#include <QCloseEvent>
#include <QWidget>

#include "platform/Forms.h"
#include "platform/qt/QtBackend.h"
#include "platform/qt/QtKinds.h"
#include "platform/qt/QtText.h"

namespace kw {

namespace {
class TQtFormWidget : public QWidget {
public:
    TQtFormWidget() : QWidget(nullptr, Qt::Window) { setAttribute(Qt::WA_InputMethodEnabled); }

protected:
    // The close button asks the form (WM_CLOSE): it hides, frees itself,
    // ends its modal run or stays, as its close handlers decide.
    void closeEvent(QCloseEvent* e) override {
        e->ignore();
        TMirror* m = MirrorAt(this);
        if (!m) return;
        TControl* form = m->Control;
        QtBackend()->UserInput([form] { QtBackend()->Deliver(*form, WM_CLOSE, 0, 0); });
    }
    void resizeEvent(QResizeEvent* e) override {
        QWidget::resizeEvent(e);
        PushBounds();
    }
    void moveEvent(QMoveEvent* e) override {
        QWidget::moveEvent(e);
        PushBounds();
    }
    void changeEvent(QEvent* e) override {
        QWidget::changeEvent(e);
        if (e->type() != QEvent::ActivationChange || !isActiveWindow()) return;
        TMirror* m = MirrorAt(this);
        if (!m || m->Syncing) return;
        auto* form = static_cast<TCustomForm*>(m->Control);
        if (!form->Active() && form->Visible()) QtBackend()->UserInput([form] { form->Activate(); });
    }

private:
    // What the user did to the window becomes the form's bounds.
    void PushBounds() {
        TMirror* m = MirrorAt(this);
        if (!m || m->Syncing || !isVisible()) return;
        TControl* form = m->Control;
        const QRect r(pos(), size());
        if (r == QRect(form->Left(), form->Top(), form->Width(), form->Height())) return;
        QtBackend()->UserInput([form, r] { form->SetBounds(r.x(), r.y(), r.width(), r.height()); });
    }
};

Qt::WindowFlags FlagsOf(const TCustomForm& form) {
    Qt::WindowFlags flags;
    const TBorderStyle style = form.BorderStyle();
    switch (style) {
        case bsNone: return Qt::Window | Qt::FramelessWindowHint;
        case bsDialog: flags = Qt::Dialog; break;
        case bsToolWindow:
        case bsSizeToolWin: flags = Qt::Tool; break;
        default: flags = Qt::Window; break;
    }
    flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    // Without the system menu a window has no caption buttons at all.
    const TBorderIcons icons = form.BorderIcons();
    if (icons & (1u << biSystemMenu)) {
        flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
        if (style == bsSingle || style == bsSizeable) {
            if (icons & (1u << biMinimize)) flags |= Qt::WindowMinimizeButtonHint;
            if (icons & (1u << biMaximize)) flags |= Qt::WindowMaximizeButtonHint;
        }
    }
    if (form.FormStyle() == fsStayOnTop) flags |= Qt::WindowStaysOnTopHint;
    return flags;
}

class TFormKind : public TWidgetKind {
public:
    QWidget* Create(TMirror& m, QWidget*) const override {
        auto* w = new TQtFormWidget;
        w->setAutoFillBackground(true);
        return w;
    }
    void SyncText(TMirror& m) const override {
        if (m.ShownText == m.Control->Text()) return;
        m.ShownText = m.Control->Text();
        m.Widget->setWindowTitle(FontText(*m.ShownText, *m.Control->Font()));
    }
    void SyncState(TMirror& m) const override {
        const auto& form = static_cast<const TCustomForm&>(*m.Control);
        const Qt::WindowFlags flags = FlagsOf(form);
        if (m.Widget->windowFlags() != flags) {
            const bool shown = m.Widget->isVisible();
            m.Widget->setWindowFlags(flags);
            if (shown) m.Widget->show();
        }
        if (!m.Widget->isVisible()) return;
        Qt::WindowStates state = m.Widget->windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized);
        if (form.WindowState() == wsMaximized) state |= Qt::WindowMaximized;
        if (form.WindowState() == wsMinimized) state |= Qt::WindowMinimized;
        if (state != m.Widget->windowState()) m.Widget->setWindowState(state);
    }
};
}  // namespace

void RegisterFormKind() {
    static const TFormKind form;
    RegisterWidgetKind("TCustomForm", &form);
}

}  // namespace kw
