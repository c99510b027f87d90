#include "platform/qt/QtBackend.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QClipboard>
#include <QCursor>
#include <QDesktopServices>
#include <QFileInfo>
#include <QFontMetrics>
#include <QProcess>
#include <QScreen>
#include <QUrl>
#include <algorithm>
#include <iostream>

#include "platform/CodePage.h"
#include "platform/qt/QtInput.h"
#include "platform/qt/QtKinds.h"
#include "platform/qt/QtText.h"

namespace kw {

namespace {
TQtBackend* installed = nullptr;

Qt::CursorShape CursorShapeOf(TCursor cursor) {
    switch (cursor) {
        case crCross: return Qt::CrossCursor;
        case crIBeam: return Qt::IBeamCursor;
        case crSizeNESW: return Qt::SizeBDiagCursor;
        case crSizeNS: return Qt::SizeVerCursor;
        case crSizeNWSE: return Qt::SizeFDiagCursor;
        case crSizeWE: return Qt::SizeHorCursor;
        case crUpArrow: return Qt::UpArrowCursor;
        case crHourGlass:
        case crSQLWait: return Qt::WaitCursor;
        case crAppStart: return Qt::BusyCursor;
        case crDrag:
        case crMultiDrag: return Qt::DragCopyCursor;
        case crNoDrop:
        case crNo: return Qt::ForbiddenCursor;
        case crHSplit: return Qt::SplitHCursor;
        case crVSplit: return Qt::SplitVCursor;
        case crHelp: return Qt::WhatsThisCursor;
        case crHandPoint: return Qt::PointingHandCursor;
        case crSizeAll: return Qt::SizeAllCursor;
        case crNone: return Qt::BlankCursor;
        default: return Qt::ArrowCursor;
    }
}

// The short part of a hint ("short|long").
QString ShortHint(const TControl& control) {
    const std::string& hint = control.Hint();
    return FontText(hint.substr(0, hint.find('|')), *control.Font());
}
}  // namespace

// Hears of every mirrored control that goes, so its widget goes too.
class TQtBackend::Watcher : public TComponent {
public:
    explicit Watcher(TQtBackend& backend) : TComponent(nullptr), backend_(backend) {}

protected:
    void Notification(TComponent* component, TOperation operation) override {
        TComponent::Notification(component, operation);
        if (operation == opRemove) backend_.Forget(static_cast<const TControl*>(component));
    }

private:
    TQtBackend& backend_;
};

TQtBackend::TQtBackend() : watcher_(std::make_unique<Watcher>(*this)) {
    RegisterFormKind();
    RegisterStdKinds();
    RegisterPaintedKinds();
    RegisterExtKinds();
    RegisterComKinds();
    input_ = MakeInputFilter(*this);
    qApp->installEventFilter(input_.get());
    if (auto* dispatcher = QAbstractEventDispatcher::instance(qApp->thread()))
        QObject::connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, input_.get(), [this] {
            Refresh();
            if (inputDepth_ == 0) FlushGraveyard();
        });
    installed = this;
}

TQtBackend::~TQtBackend() {
    if (installed == this) installed = nullptr;
    if (qApp) qApp->removeEventFilter(input_.get());
    for (auto& [control, m] : mirrors_) {
        const_cast<TControl*>(control)->RemoveFreeNotification(watcher_.get());
        if (m->Widget) Bury(m->Widget);
    }
    mirrors_.clear();
    byWidget_.clear();
    FlushGraveyard();
}

TQtBackend* QtBackend() { return installed; }

// ---------------------------------------------------------------- mirrors

TMirror* TQtBackend::MirrorOf(const TControl& control) const {
    auto it = mirrors_.find(&control);
    return it == mirrors_.end() ? nullptr : it->second.get();
}

QWidget* TQtBackend::WidgetOf(const TControl& control) const {
    TMirror* m = MirrorOf(control);
    return m ? m->Widget.data() : nullptr;
}

TMirror* TQtBackend::MirrorAt(const QWidget* widget) const {
    auto it = byWidget_.find(widget);
    return it == byWidget_.end() ? nullptr : it->second;
}

TMirror* MirrorAt(const QWidget* widget) { return installed ? installed->MirrorAt(widget) : nullptr; }

TMirror* TQtBackend::MirrorOfWidget(const QObject* object) const {
    for (const QObject* o = object; o; o = o->parent()) {
        if (auto it = byWidget_.find(o); it != byWidget_.end()) return it->second;
        if (auto* w = qobject_cast<const QWidget*>(o); w && w->isWindow()) break;
    }
    return nullptr;
}

TMirror& TQtBackend::Mirror(TControl& control) {
    auto& slot = mirrors_[&control];
    if (!slot) {
        slot = std::make_unique<TMirror>();
        slot->Control = &control;
        slot->Kind = WidgetKindOf(control);
        control.FreeNotification(watcher_.get());
    }
    return *slot;
}

// Makes the widget of a mirror under its parent's widget, then the widgets
// of the children.
void TQtBackend::Build(TMirror& m) {
    TControl& control = *m.Control;
    building_.insert(&control);
    QWidget* parentWidget = nullptr;
    if (TWinControl* parent = control.Parent()) {
        if (!WidgetOf(*parent)) parent->HandleNeeded();
        parentWidget = WidgetOf(*parent);
    }
    {
        TSyncGuard guard(m);
        m.Widget = m.Kind->Create(m, parentWidget);
        m.Widget->setObjectName(QString::fromStdString(control.Name()));
        m.Widget->setFocusPolicy(Qt::NoFocus);
        for (QWidget* part : m.Widget->findChildren<QWidget*>()) part->setFocusPolicy(Qt::NoFocus);
        byWidget_[m.Widget] = &m;
        m.ShownText.reset();
        m.ShownItems.reset();
        ApplyAll(m);
    }
    building_.erase(&control);
    if (auto* container = dynamic_cast<TWinControl*>(&control)) {
        for (TControl* child : std::vector<TControl*>(container->ControlList())) EnsureMirror(*child);
        Restack(*container);
    }
}

void TQtBackend::EnsureMirror(TControl& control) {
    if (building_.count(&control)) return;
    TMirror* m = MirrorOf(control);
    if (m && m->Widget) {
        ParentChanged(control);
        return;
    }
    if (auto* win = dynamic_cast<TWinControl*>(&control); win && !win->HandleAllocated()) {
        win->HandleNeeded();  // comes back through CreateWindowHandle
        return;
    }
    Build(Mirror(control));
}

HWND TQtBackend::CreateWindowHandle(TWinControl& control) {
    TMirror& m = Mirror(control);
    if (!m.Handle) m.Handle = nextHandle_++;
    if (!m.Widget) Build(m);
    return m.Handle;
}

void TQtBackend::DestroyWindowHandle(TWinControl& control, HWND) { Forget(&control); }

void TQtBackend::Forget(const TControl* control) {
    auto it = mirrors_.find(control);
    if (it == mirrors_.end()) return;
    std::unique_ptr<TMirror> m = std::move(it->second);
    mirrors_.erase(it);
    if (!m->Widget) return;
    byWidget_.erase(m->Widget.data());
    // Widgets of controls that live on keep out of the burial.
    for (QWidget* child : m->Widget->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (byWidget_.count(child)) {
            child->hide();
            child->setParent(nullptr);
        }
    Bury(m->Widget);
}

// Widgets are deleted once no input handling is running, as the user's
// event that freed a control may still be on its way through the widget.
void TQtBackend::Bury(QWidget* widget) {
    widget->hide();
    widget->removeEventFilter(input_.get());
    graveyard_.emplace_back(widget);
}

void TQtBackend::FlushGraveyard() {
    std::vector<QPointer<QWidget>> dead;
    dead.swap(graveyard_);
    for (auto& w : dead) delete w.data();
}

// ---------------------------------------------------------------- model to widgets

void TQtBackend::ApplyAll(TMirror& m) {
    TControl& control = *m.Control;
    m.Widget->setFont(QtFont(*control.Font()));
    m.Kind->SyncColors(m);
    ApplyGeometry(m);
    m.Widget->setEnabled(control.Enabled());
    m.Kind->SyncText(m);
    m.Kind->SyncState(m);
    ApplyHint(m);
    ApplyVisible(m);
}

void TQtBackend::ApplyGeometry(TMirror& m) {
    const TControl& c = *m.Control;
    if (m.Widget->isWindow()) {
        const QSize size(std::max(c.Width(), 1), std::max(c.Height(), 1));
        auto* form = dynamic_cast<const TCustomForm*>(&c);
        if (form && form->BorderStyle() != bsSizeable && form->BorderStyle() != bsSizeToolWin) {
            m.Widget->setFixedSize(size);
        } else {
            m.Widget->setMinimumSize(0, 0);
            m.Widget->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
            m.Widget->resize(size);
        }
        m.Widget->move(c.Left(), c.Top());
    } else {
        QRect bounds(c.Left(), c.Top(), std::max(c.Width(), 0), std::max(c.Height(), 0));
        if (c.Parent())
            if (TMirror* pm = MirrorOf(*c.Parent())) bounds = pm->Kind->ChildGeometry(*pm, c, bounds);
        m.Widget->setGeometry(bounds);
    }
}

void TQtBackend::ApplyVisible(TMirror& m) {
    // Windows of their own appear through ShowWindow only.
    if (m.Widget->isWindow()) return;
    m.Widget->setVisible(m.Control->Visible());
}

void TQtBackend::ApplyHint(TMirror& m) {
    const TControl& c = *m.Control;
    const QString tip = c.ShowHint() && Application()->ShowHint() ? ShortHint(c) : QString();
    if (m.Widget->toolTip() != tip) m.Widget->setToolTip(tip);
    if (c.Cursor() == crDefault) {
        if (m.Widget->testAttribute(Qt::WA_SetCursor)) m.Widget->unsetCursor();
    } else if (const Qt::CursorShape shape = CursorShapeOf(c.Cursor());
               !m.Widget->testAttribute(Qt::WA_SetCursor) || m.Widget->cursor().shape() != shape) {
        m.Widget->setCursor(shape);
    }
}

void TQtBackend::ParentChanged(TControl& control) {
    TMirror* m = MirrorOf(control);
    TWinControl* parent = control.Parent();
    TMirror* pm = parent ? MirrorOf(*parent) : nullptr;
    if (!pm || !pm->Widget) {
        if (!m || !m->Widget) return;
        if (dynamic_cast<TWinControl*>(&control)) {
            m->Widget->hide();
            m->Widget->setParent(nullptr);
        } else {
            Forget(&control);
        }
        return;
    }
    if (!m || !m->Widget) {
        EnsureMirror(control);
    } else if (m->Widget->parentWidget() != pm->Widget) {
        TSyncGuard guard(*m);
        m->Widget->setParent(pm->Widget);
        ApplyGeometry(*m);
        ApplyVisible(*m);
    }
    Restack(*parent);
}

// Controls without a window lie under the windowed ones, each group in the
// parent's order.
void TQtBackend::Restack(TWinControl& parent) {
    std::vector<QWidget*> graphic, windowed;
    for (TControl* child : parent.ControlList())
        if (QWidget* w = WidgetOf(*child)) (dynamic_cast<TWinControl*>(child) ? windowed : graphic).push_back(w);
    for (auto it = graphic.rbegin(); it != graphic.rend(); ++it) (*it)->lower();
    for (QWidget* w : windowed) w->raise();
}

void TQtBackend::ControlChanged(TControl& control, TControlChange change) {
    if (change == TControlChange::Parent) {
        ParentChanged(control);
        return;
    }
    TMirror* m = MirrorOf(control);
    if (!m || !m->Widget) return;
    TSyncGuard guard(*m);
    if (change != TControlChange::Bounds && change != TControlChange::Visible) m->Widget->update();
    switch (change) {
        case TControlChange::Bounds: ApplyGeometry(*m); break;
        case TControlChange::Text: m->Kind->SyncText(*m); break;
        case TControlChange::Visible: ApplyVisible(*m); break;
        case TControlChange::Enabled:
            m->Widget->setEnabled(control.Enabled());
            m->Kind->SyncState(*m);
            break;
        case TControlChange::Font:
            m->Widget->setFont(QtFont(*control.Font()));
            m->Kind->SyncColors(*m);
            m->ShownText.reset();  // the character set decodes the text anew
            m->ShownItems.reset();
            m->Kind->SyncText(*m);
            m->Kind->SyncState(*m);
            break;
        case TControlChange::Color: m->Kind->SyncColors(*m); break;
        case TControlChange::State:
            m->Kind->SyncState(*m);
            if (control.Parent()) Restack(*control.Parent());
            break;
        case TControlChange::Paint:
        case TControlChange::Parent: break;
    }
}

void TQtBackend::Refresh() {
    std::vector<TMirror*> all;
    all.reserve(mirrors_.size());
    for (auto& [control, m] : mirrors_)
        if (m->Widget) all.push_back(m.get());
    for (TMirror* m : all) {
        if (!MirrorOf(*m->Control)) continue;
        TSyncGuard guard(*m);
        m->Kind->SyncText(*m);
        m->Kind->SyncState(*m);
        ApplyHint(*m);
    }
    ScreenCursorChanged(Screen()->Cursor());
}

void TQtBackend::ScreenCursorChanged(int cursor) {
    if (cursor == screenCursor_) return;
    if (screenCursor_ != crDefault) QApplication::restoreOverrideCursor();
    if (cursor != crDefault) QApplication::setOverrideCursor(CursorShapeOf(static_cast<TCursor>(cursor)));
    screenCursor_ = static_cast<TCursor>(cursor);
}

void TQtBackend::ShowWindow(TWinControl& control, bool visible) {
    TMirror* m = MirrorOf(control);
    if (!m || !m->Widget) return;
    TSyncGuard guard(*m);
    QWidget* w = m->Widget;
    if (!w->isWindow()) {
        w->setVisible(visible && control.Visible());
        return;
    }
    if (!visible) {
        w->hide();
        return;
    }
    m->Kind->SyncState(*m);
    auto* form = dynamic_cast<TCustomForm*>(&control);
    if (!form) return;  // a windowed control without a parent stays out of sight
    w->setWindowModality(form->Modal() ? Qt::ApplicationModal : Qt::NonModal);
    ApplyGeometry(*m);
    const TWindowState state = form->WindowState();
    if (state == wsMaximized)
        w->showMaximized();
    else if (state == wsMinimized)
        w->showMinimized();
    else
        w->show();
    if (QGuiApplication::platformName() != "offscreen") w->raise();
    w->activateWindow();
}

void TQtBackend::Invalidate(TControl& control) {
    if (QWidget* w = WidgetOf(control)) w->update();
}

void TQtBackend::Update(TControl& control) {
    if (QWidget* w = WidgetOf(control); w && w->isVisible()) w->repaint();
}

void TQtBackend::SetFocus(TWinControl& control) {
    QWidget* w = WidgetOf(control);
    if (!w) return;
    if (TCustomForm* form = GetParentForm(&control); form && form->Active() && w->window()->isVisible() &&
                                                     !w->window()->isActiveWindow())
        w->window()->activateWindow();
    if (!w->isWindow()) w->setFocus(Qt::OtherFocusReason);
}

// ---------------------------------------------------------------- input

void TQtBackend::UserInput(const std::function<void()>& work) {
    ++inputDepth_;
    try {
        work();
    } catch (...) {
        try {
            Application()->HandleException(nullptr);
        } catch (const std::exception& e) {
            std::cerr << "Unhandled error in an input handler: " << e.what() << '\n';
        } catch (...) {
            std::cerr << "Unhandled error in an input handler\n";
        }
    }
    --inputDepth_;
    Refresh();
}

void TQtBackend::Deliver(TControl& control, uint32_t msg, WPARAM w, LPARAM l) {
    if (auto* win = dynamic_cast<TWinControl*>(&control)) {
        SendMessage(win->Handle(), msg, w, l);
    } else {
        TMessage m{msg, w, l, 0};
        control.MainWndProc(m);
    }
}

// ---------------------------------------------------------------- modal runs and events

void TQtBackend::RunModal(TCustomForm& form) {
    while (!form.ModalLoopDone()) {
        Application()->ProcessMessages();
        if (form.ModalLoopDone()) break;
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents | QEventLoop::AllEvents);
    }
}

void TQtBackend::ProcessEvents() {
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    if (inputDepth_ == 0) FlushGraveyard();
    Refresh();
}

// ---------------------------------------------------------------- system services

TSize TQtBackend::TextExtent(const TFont& font, const std::string& text) {
    const QFontMetrics metrics(QtFont(font));
    return {metrics.horizontalAdvance(FontText(text, font)), metrics.height()};
}

int TQtBackend::SystemColor(int index) { return ClassicSystemColor(index); }

TSize TQtBackend::ScreenSize() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return {1024, 768};
    const QRect r = screen->geometry();
    return {r.width(), r.height()};
}

std::string TQtBackend::ClipboardText() { return EncodeText(QGuiApplication::clipboard()->text(), 0); }

void TQtBackend::SetClipboardText(const std::string& text) {
    QGuiApplication::clipboard()->setText(DecodeText(text, 0));
}

int TQtBackend::ShellExecute(HWND, const std::string& verb, const std::string& file, const std::string& parameters,
                             const std::string& directory, int) {
    constexpr int done = 42, fileNotFound = 2, noAssociation = 31;
    const QString target = DecodeText(file, 0), folder = DecodeText(directory, 0);
    if (!verb.empty() && verb != "open" && verb != "explore") return noAssociation;
    const QFileInfo info(folder.isEmpty() || QFileInfo(target).isAbsolute() ? target : folder + "/" + target);
    if (info.isFile() && info.isExecutable())
        return QProcess::startDetached(info.filePath(), QProcess::splitCommand(DecodeText(parameters, 0)), folder)
                   ? done
                   : fileNotFound;
    const QUrl url = info.exists() ? QUrl::fromLocalFile(info.absoluteFilePath()) : QUrl::fromUserInput(target);
    return url.isValid() && QDesktopServices::openUrl(url) ? done : fileNotFound;
}

void TQtBackend::Beep() { QApplication::beep(); }

}  // namespace kw
