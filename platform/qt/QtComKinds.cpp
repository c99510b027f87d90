// Page controls, list views, tree views, tool bars, status bars and the
// animation as native widgets. Clicks on tabs, items and nodes reach the
// model's own user paths (SelectTabByUser, ClickItem, SetSelected) before
// the press itself, as the platform's common controls act on the press.
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPainter>
#include <QProgressBar>
#include <QStyleOptionTabWidgetFrame>
#include <QTabBar>
#include <QToolButton>
#include <QTreeWidget>
#include <iostream>
#include <qdrawutil.h>

#include "platform/ComCtrls.h"
#include "platform/qt/QtBackend.h"
#include "platform/qt/QtCanvas.h"
#include "platform/qt/QtKinds.h"
#include "platform/qt/QtMenus.h"
#include "platform/qt/QtText.h"

namespace kw {

namespace {
bool Moved(TMirror& m, std::vector<std::string> now) {
    if (m.ShownItems == now) return false;
    m.ShownItems = std::move(now);
    return true;
}

// ---------------------------------------------------------------- page control

// Tabs as wide as the page control lays them out, or as the style needs
// to show the whole caption. An owner-drawn page control's tabs are exactly
// its tab rectangles and show what its tab drawing painted on its tab canvas.
class TQtTabBar : public QTabBar {
public:
    explicit TQtTabBar(QWidget* parent) : QTabBar(parent) {
        setDrawBase(false);
        setExpanding(false);
    }

protected:
    TPageControl* Model() const {
        TMirror* m = MirrorAt(parentWidget());
        return m ? static_cast<TPageControl*>(m->Control) : nullptr;
    }
    QSize tabSizeHint(int index) const override {
        const TPageControl* pc = Model();
        if (!pc) return QTabBar::tabSizeHint(index);
        const TRect r = pc->TabRect(index);
        if (pc->OwnerDraw()) return {r.Width(), r.Height()};
        const QSize native = QTabBar::tabSizeHint(index);
        return {std::max(r.Width(), native.width()), std::max(r.Height(), native.height())};
    }
    void paintEvent(QPaintEvent* event) override {
        TPageControl* pc = Model();
        if (!pc || !pc->OwnerDraw() || !count()) {
            QTabBar::paintEvent(event);
            return;
        }
        QPainter painter(this);
        QRegion tabs;
        for (int i = 0; i < count(); ++i) tabs += tabRect(i);
        painter.setClipRegion(tabs);
        const TRect first = pc->TabRect(0);
        painter.translate(tabRect(0).topLeft() - QPoint(first.Left, first.Top));
        try {
            PaintCanvas(painter, *pc->PaintTabs().Canvas());
        } catch (const std::exception& e) {
            std::cerr << "Painting the tabs of " << pc->Name() << " failed: " << e.what() << '\n';
        }
    }
};

class TQtPageControl : public QWidget {
public:
    explicit TQtPageControl(QWidget* parent) : QWidget(parent), tabs(new TQtTabBar(this)) {}
    TQtTabBar* tabs;
    int TabsHeight() const { return tabs->count() ? tabs->sizeHint().height() : 0; }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        QStyleOptionTabWidgetFrame frame;
        frame.initFrom(this);
        frame.rect = rect().adjusted(0, TabsHeight() - 1, 0, 0);
        style()->drawPrimitive(QStyle::PE_FrameTabWidget, &frame, &painter, this);
    }
};

class TPageControlKind : public TWidgetKind {
public:
    QWidget* Create(TMirror& m, QWidget* parent) const override { return new TQtPageControl(parent); }
    void SyncState(TMirror& m) const override {
        auto* w = static_cast<TQtPageControl*>(m.Widget.data());
        const auto& pc = static_cast<const TPageControl&>(*m.Control);
        std::vector<std::string> captions;
        for (int i = 0; i < pc.TabCount(); ++i) captions.push_back(pc.PageForTab(i)->Caption());
        if (Moved(m, captions)) {
            TSyncGuard guard(m);
            while (w->tabs->count()) w->tabs->removeTab(0);
            for (const std::string& c : captions) w->tabs->addTab(FontText(c, *pc.Font()));
        }
        if (w->tabs->currentIndex() != pc.TabIndex()) w->tabs->setCurrentIndex(pc.TabIndex());
        const QRect bar(0, 0, w->width(), w->TabsHeight());
        if (w->tabs->geometry() != bar) w->tabs->setGeometry(bar);
        w->tabs->raise();
        for (int i = 0; i < pc.PageCount(); ++i)
            if (QWidget* page = QtBackend()->WidgetOf(*pc.Pages(i))) {
                const TTabSheet& sheet = *pc.Pages(i);
                const QRect r = ChildGeometry(m, sheet, QRect(sheet.Left(), sheet.Top(), sheet.Width(), sheet.Height()));
                if (page->geometry() != r) page->setGeometry(r);
            }
    }
    // Pages lie below the tabs, inside the frame.
    QRect ChildGeometry(const TMirror& m, const TControl& child, const QRect& bounds) const override {
        if (!dynamic_cast<const TTabSheet*>(&child)) return bounds;
        const int top = static_cast<const TQtPageControl*>(m.Widget.data())->TabsHeight();
        return QRect(2, top + 2, std::max(m.Control->Width() - 4, 0), std::max(m.Control->Height() - top - 4, 0));
    }
    void BeforePress(TMirror& m, QPoint pos) const override {
        auto* w = static_cast<TQtPageControl*>(m.Widget.data());
        const int tab = w->tabs->tabAt(w->tabs->mapFrom(w, pos));
        if (tab >= 0) static_cast<TPageControl*>(m.Control)->SelectTabByUser(tab);
    }
};

// ---------------------------------------------------------------- list view

class TQtListView : public QWidget {
public:
    explicit TQtListView(QWidget* parent) : QWidget(parent), icons(new QListWidget(this)), report(new QTreeWidget(this)) {
        report->setRootIsDecorated(false);
        report->setUniformRowHeights(true);
        icons->setMovement(QListView::Static);
        icons->setResizeMode(QListView::Adjust);
        connect(report->header(), &QHeaderView::sectionClicked, this, [this](int column) {
            TMirror* m = MirrorAt(this);
            if (!m) return;
            auto* view = static_cast<TListView*>(m->Control);
            if (view->ColumnClick()) QtBackend()->UserInput([view, column] { view->ClickColumn(column); });
        });
    }
    QAbstractItemView* Shown() const { return report->isVisible() ? static_cast<QAbstractItemView*>(report) : icons; }
    void resizeEvent(QResizeEvent*) override {
        icons->setGeometry(rect());
        report->setGeometry(rect());
    }
    QListWidget* icons;
    QTreeWidget* report;
    QPointer<QLineEdit> editor;
};

// The in-place editor of a caption: Enter accepts, Esc cancels, leaving it
// accepts, each through the model's EndEdit.
class TCaptionEditor : public QLineEdit {
public:
    TCaptionEditor(QWidget* parent, TListView* view) : QLineEdit(parent), view_(view) {}

protected:
    void keyPressEvent(QKeyEvent* e) override {
        if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) return End(true);
        if (e->key() == Qt::Key_Escape) return End(false);
        QLineEdit::keyPressEvent(e);
    }
    void focusOutEvent(QFocusEvent* e) override {
        QLineEdit::focusOutEvent(e);
        End(true);
    }

private:
    void End(bool accept) {
        if (ended_) return;
        ended_ = true;
        TListView* view = view_;
        const std::string text = FontBytes(this->text(), *view->Font());
        QtBackend()->UserInput([view, text, accept] {
            if (view->IsEditing()) view->EndEdit(text, accept);
        });
    }
    TListView* view_;
    bool ended_ = false;
};

class TListViewKind : public TWidgetKind {
public:
    QWidget* Create(TMirror& m, QWidget* parent) const override { return new TQtListView(parent); }
    void SyncState(TMirror& m) const override {
        auto* w = static_cast<TQtListView*>(m.Widget.data());
        auto& view = static_cast<TListView&>(*m.Control);
        const TViewStyle style = view.ViewStyle();
        w->report->setVisible(style == vsReport);
        w->icons->setVisible(style != vsReport);
        TImageList* images = style == vsIcon ? view.LargeImages() : view.SmallImages();
        std::vector<std::string> shown{std::to_string(style), std::to_string(reinterpret_cast<uintptr_t>(images))};
        for (int i = 0; i < view.Columns()->Count(); ++i) {
            const TListColumn* c = view.Columns()->Items(i);
            shown.push_back(c->Caption() + '\x01' + std::to_string(c->Width()));
        }
        for (int i = 0; i < view.Items()->Count(); ++i) {
            const TListItem* item = view.Items()->Item(i);
            std::string line = item->Caption() + '\x01' + std::to_string(item->ImageIndex());
            for (const std::string& sub : item->SubItems()->ToVector()) line += '\x01' + sub;
            shown.push_back(std::move(line));
        }
        if (Moved(m, shown)) Rebuild(*w, view, images);
        for (int i = 0; i < view.Items()->Count(); ++i) {
            const bool selected = view.Items()->Item(i)->Selected();
            if (QTreeWidgetItem* row = w->report->topLevelItem(i); row && row->isSelected() != selected)
                row->setSelected(selected);
            if (QListWidgetItem* cell = w->icons->item(i); cell && cell->isSelected() != selected)
                cell->setSelected(selected);
        }
        const auto mode = view.MultiSelect() ? QAbstractItemView::ExtendedSelection : QAbstractItemView::SingleSelection;
        w->report->setSelectionMode(mode);
        w->icons->setSelectionMode(mode);
        w->report->setHeaderHidden(!view.ShowColumnHeaders());
        SyncEditor(*w, view);
    }
    void SyncColors(TMirror& m) const override {
        TWidgetKind::SyncColors(m);
        QPalette palette = m.Widget->palette();
        palette.setColor(QPalette::Base, QtColor(m.Control->Color()));
        m.Widget->setPalette(palette);
    }
    // The item under the mouse is clicked before the press.
    void BeforePress(TMirror& m, QPoint pos) const override {
        auto* w = static_cast<TQtListView*>(m.Widget.data());
        QAbstractItemView* shown = w->Shown();
        const int row = shown->indexAt(shown->viewport()->mapFrom(w, pos)).row();
        if (row >= 0) static_cast<TListView*>(m.Control)->ClickItem(row, KeyboardShiftState());
    }
    // The column headers and the caption editor work by themselves.
    bool RoutesInputOf(const TMirror& m, const QWidget* part) const override {
        for (const QWidget* p = part; p && p != m.Widget; p = p->parentWidget())
            if (qobject_cast<const QHeaderView*>(p) || qobject_cast<const QLineEdit*>(p)) return false;
        return TWidgetKind::RoutesInputOf(m, part);
    }

private:
    static void Rebuild(TQtListView& w, const TListView& view, const TImageList* images) {
        const TFont& font = *view.Font();
        w.report->clear();
        w.icons->clear();
        QStringList headers;
        for (int i = 0; i < view.Columns()->Count(); ++i)
            headers << FontText(view.Columns()->Items(i)->Caption(), font);
        w.report->setColumnCount(std::max<int>(headers.size(), 1));
        w.report->setHeaderLabels(headers);
        for (int i = 0; i < view.Columns()->Count(); ++i) w.report->setColumnWidth(i, view.Columns()->Items(i)->Width());
        const TViewStyle style = view.ViewStyle();
        w.icons->setViewMode(style == vsIcon ? QListView::IconMode : QListView::ListMode);
        w.icons->setFlow(style == vsSmallIcon ? QListView::LeftToRight : style == vsList ? QListView::TopToBottom
                                                                                         : QListView::LeftToRight);
        w.icons->setWrapping(style != vsReport);
        if (images) {
            const QSize size(images->Width(), images->Height());
            w.icons->setIconSize(size);
            w.report->setIconSize(size);
        }
        for (int i = 0; i < view.Items()->Count(); ++i) {
            const TListItem* item = view.Items()->Item(i);
            const QIcon icon = ImageListIcon(images, item->ImageIndex());
            auto* cell = new QListWidgetItem(icon, FontText(item->Caption(), font), w.icons);
            if (style == vsIcon) cell->setTextAlignment(Qt::AlignHCenter);
            QStringList texts{FontText(item->Caption(), font)};
            for (const std::string& sub : item->SubItems()->ToVector()) texts << FontText(sub, font);
            auto* row = new QTreeWidgetItem(w.report, texts);
            row->setIcon(0, ImageListIcon(view.SmallImages(), item->ImageIndex()));
        }
    }
    static void SyncEditor(TQtListView& w, TListView& view) {
        TListItem* item = view.EditingItem();
        if (!item) {
            if (w.editor) w.editor->deleteLater();
            return;
        }
        if (w.editor) return;
        QAbstractItemView* shown = w.Shown();
        QRect r = shown->visualRect(shown->model()->index(item->Index(), 0));
        r.moveTopLeft(shown->viewport()->mapTo(&w, r.topLeft()));
        auto* editor = new TCaptionEditor(&w, &view);
        editor->setText(FontText(item->Caption(), *view.Font()));
        editor->setGeometry(r.adjusted(0, 0, 40, 0));
        editor->selectAll();
        editor->show();
        editor->setFocus();
        w.editor = editor;
    }
};

// ---------------------------------------------------------------- tree view

class TTreeViewKind : public TWidgetKind {
public:
    QWidget* Create(TMirror& m, QWidget* parent) const override {
        auto* tree = new QTreeWidget(parent);
        tree->setHeaderHidden(true);
        return tree;
    }
    void SyncState(TMirror& m) const override {
        auto* tree = static_cast<QTreeWidget*>(m.Widget.data());
        const auto& view = static_cast<const TTreeView&>(*m.Control);
        std::vector<std::string> shown;
        for (int i = 0; i < view.Items()->Count(); ++i) {
            const TTreeNode* node = view.Items()->Item(i);
            shown.push_back(std::to_string(node->Level()) + '\x01' + node->Text() + '\x01' +
                            std::to_string(node->Expanded()));
        }
        if (Moved(m, shown)) {
            tree->clear();
            std::vector<QTreeWidgetItem*> levels;
            for (int i = 0; i < view.Items()->Count(); ++i) {
                const TTreeNode* node = view.Items()->Item(i);
                const size_t level = static_cast<size_t>(node->Level());
                levels.resize(level);
                auto* row = level == 0 ? new QTreeWidgetItem(tree) : new QTreeWidgetItem(levels.back());
                row->setText(0, FontText(node->Text(), *view.Font()));
                row->setIcon(0, ImageListIcon(view.Images(), node->ImageIndex()));
                row->setExpanded(node->Expanded());
                levels.push_back(row);
            }
        }
        tree->setRootIsDecorated(view.ShowRoot());
        const int selected = view.Selected() ? view.Selected()->AbsoluteIndex() : -1;
        QTreeWidgetItemIterator it(tree);
        for (int i = 0; *it; ++it, ++i)
            if ((*it)->isSelected() != (i == selected)) (*it)->setSelected(i == selected);
    }
    void BeforePress(TMirror& m, QPoint pos) const override {
        auto* tree = static_cast<QTreeWidget*>(m.Widget.data());
        QTreeWidgetItem* hit = tree->itemAt(tree->viewport()->mapFrom(tree, pos));
        if (!hit) return;
        int index = 0;
        for (QTreeWidgetItemIterator it(tree); *it && *it != hit; ++it) ++index;
        auto& view = static_cast<TTreeView&>(*m.Control);
        if (index < view.Items()->Count()) view.SetSelected(view.Items()->Item(index));
    }
};

// ---------------------------------------------------------------- tool bar

class TToolBarKind : public TWidgetKind {
public:
    QWidget* Create(TMirror& m, QWidget* parent) const override {
        auto* bar = new QWidget(parent);
        bar->setAutoFillBackground(true);
        return bar;
    }
};

// A tool button with its tool bar's image; a drop-down button opens its
// menu from the arrow (the model's ClickArrow raises OnPopup first).
class TToolButtonKind : public TWidgetKind {
public:
    QWidget* Create(TMirror& m, QWidget* parent) const override {
        auto* button = new QToolButton(parent);
        auto* menu = new QMenu(button);
        menu->setObjectName("dropdown");
        QObject::connect(menu, &QMenu::aboutToShow, button, [button, menu] {
            menu->clear();
            TMirror* mirror = MirrorAt(button);
            if (!mirror) return;
            auto* tool = static_cast<TToolButton*>(mirror->Control);
            QtBackend()->MenuShownByWidget(true);
            QtBackend()->UserInput([tool] { tool->ClickArrow(); });
            QtBackend()->MenuShownByWidget(false);
            if (!tool->DropdownMenu()) return;
            auto chosen = std::make_shared<std::unordered_map<const QAction*, TMenuItem*>>();
            QMenu* items = BuildMenu(*tool->DropdownMenu()->Items(), menu, *chosen);
            for (QAction* a : items->actions()) menu->addAction(a);
            QObject::connect(menu, &QMenu::triggered, items, [chosen](QAction* a) {
                auto it = chosen->find(a);
                if (it == chosen->end()) return;
                TMenuItem* item = it->second;
                QtBackend()->UserInput([item] { item->Click(); });
            });
        });
        return button;
    }
    void SyncText(TMirror& m) const override {
        if (m.ShownText == m.Control->Text()) return;
        m.ShownText = m.Control->Text();
        static_cast<QToolButton*>(m.Widget.data())->setText(FontText(*m.ShownText, *m.Control->Font()));
    }
    void SyncState(TMirror& m) const override {
        auto* button = static_cast<QToolButton*>(m.Widget.data());
        const auto& tool = static_cast<const TToolButton&>(*m.Control);
        const TToolBar* bar = tool.ToolBar();
        const bool separator = tool.Style() == tbsSeparator || tool.Style() == tbsDivider;
        button->setAutoRaise(!bar || bar->Flat() || separator);
        button->setEnabled(tool.Enabled() && !separator);
        QMenu* menu = tool.Style() == tbsDropDown ? button->findChild<QMenu*>("dropdown") : nullptr;
        if (button->menu() != menu) {
            button->setMenu(menu);
            button->setPopupMode(QToolButton::MenuButtonPopup);
        }
        const QIcon icon = separator ? QIcon() : ImageListIcon(bar ? bar->Images() : nullptr, tool.ImageIndex());
        const std::vector<std::string> shown{std::to_string(reinterpret_cast<uintptr_t>(bar ? bar->Images() : nullptr)),
                                             std::to_string(tool.ImageIndex()), std::to_string(separator)};
        if (Moved(m, shown)) button->setIcon(icon);
        if (bar && bar->Images()) button->setIconSize(QSize(bar->Images()->Width(), bar->Images()->Height()));
        button->setToolButtonStyle(bar && bar->ShowCaptions() ? Qt::ToolButtonTextUnderIcon : Qt::ToolButtonIconOnly);
        button->setCheckable(tool.Style() == tbsCheck);
        if (button->isChecked() != tool.Down()) button->setChecked(tool.Down());
    }
    void ShowPressed(TMirror& m, bool down) const override {
        static_cast<QToolButton*>(m.Widget.data())->setDown(down);
    }
    // The arrow of a drop-down button opens the menu by itself.
    bool RoutesMouseAt(const TMirror& m, QPoint pos) const override {
        const auto& tool = static_cast<const TToolButton&>(*m.Control);
        return tool.Style() != tbsDropDown || pos.x() < m.Widget->width() - 13;
    }
};

// ---------------------------------------------------------------- status bar

class TQtStatusBar : public QWidget {
public:
    explicit TQtStatusBar(QWidget* parent) : QWidget(parent) { setAutoFillBackground(true); }

protected:
    void paintEvent(QPaintEvent*) override {
        TMirror* m = MirrorAt(this);
        if (!m) return;
        const auto& bar = static_cast<const TStatusBar&>(*m->Control);
        QPainter painter(this);
        painter.setPen(palette().color(QPalette::WindowText));
        auto cell = [&](const QRect& r, const std::string& text, TAlignment alignment) {
            qDrawShadePanel(&painter, r, palette(), true, 1);
            const Qt::Alignment align = alignment == taCenter         ? Qt::AlignHCenter
                                        : alignment == taRightJustify ? Qt::AlignRight
                                                                      : Qt::AlignLeft;
            painter.drawText(r.adjusted(3, 0, -3, 0), align | Qt::AlignVCenter, FontText(text, *bar.Font()));
        };
        if (bar.SimplePanel()) return cell(rect().adjusted(0, 2, 0, 0), bar.SimpleText(), taLeftJustify);
        int x = 0;
        for (int i = 0; i < bar.Panels()->Count(); ++i) {
            const TStatusPanel* p = bar.Panels()->Items(i);
            const bool last = i == bar.Panels()->Count() - 1;
            const int w = last ? width() - x : p->Width();
            cell(QRect(x, 2, w - 2, height() - 2), p->Text(), p->Alignment());
            x += w;
        }
    }
};

class TStatusBarKind : public TWidgetKind {
public:
    QWidget* Create(TMirror& m, QWidget* parent) const override { return new TQtStatusBar(parent); }
    void SyncState(TMirror& m) const override {
        const auto& bar = static_cast<const TStatusBar&>(*m.Control);
        std::vector<std::string> shown{bar.SimplePanel() ? bar.SimpleText() : std::string()};
        for (int i = 0; i < bar.Panels()->Count(); ++i) shown.push_back(bar.Panels()->Items(i)->Text());
        if (Moved(m, shown)) m.Widget->update();
    }
};

// ---------------------------------------------------------------- animation

// The find-file animation as a busy bar while it plays.
class TAnimateKind : public TWidgetKind {
public:
    QWidget* Create(TMirror& m, QWidget* parent) const override {
        auto* bar = new QProgressBar(parent);
        bar->setTextVisible(false);
        return bar;
    }
    void SyncState(TMirror& m) const override {
        auto* bar = static_cast<QProgressBar*>(m.Widget.data());
        const bool active = static_cast<const TAnimate&>(*m.Control).Active();
        bar->setRange(0, active ? 0 : 1);
    }
};
}  // namespace

void RegisterComKinds() {
    static const TPageControlKind pages;
    static const TListViewKind listView;
    static const TTreeViewKind treeView;
    static const TToolBarKind toolBar;
    static const TToolButtonKind toolButton;
    static const TStatusBarKind statusBar;
    static const TAnimateKind animate;
    RegisterWidgetKind("TPageControl", &pages);
    RegisterWidgetKind("TListView", &listView);
    RegisterWidgetKind("TTreeView", &treeView);
    RegisterWidgetKind("TToolBar", &toolBar);
    RegisterWidgetKind("TToolButton", &toolButton);
    RegisterWidgetKind("TStatusBar", &statusBar);
    RegisterWidgetKind("TAnimate", &animate);
}

}  // namespace kw
