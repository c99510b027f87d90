#include "platform/qt/QtMenus.h"

#include <QActionGroup>
#include <map>

#include "platform/qt/QtBackend.h"
#include "platform/qt/QtCanvas.h"
#include "platform/qt/QtText.h"

namespace kw {

namespace {
void AddItems(QMenu& menu, const TMenuItem& parent, std::unordered_map<const QAction*, TMenuItem*>& chosen) {
    std::map<int, QActionGroup*> radioGroups;
    const TMenu* owner = parent.Menu();
    for (int i = 0; i < parent.Count(); ++i) {
        TMenuItem* item = parent.Items(i);
        if (!item->Visible()) continue;
        if (item->Caption() == "-") {
            menu.addSeparator();
            continue;
        }
        const QString caption = DecodeText(item->Caption(), 0);
        if (item->Count() > 0) {
            QMenu* sub = menu.addMenu(caption);
            sub->setEnabled(item->Enabled());
            AddItems(*sub, *item, chosen);
            continue;
        }
        QAction* action = menu.addAction(ImageListIcon(owner ? owner->Images() : nullptr, item->ImageIndex()), caption);
        action->setEnabled(item->Enabled());
        action->setToolTip(DecodeText(item->Hint(), 0));
        if (item->Checked() || item->RadioItem() || item->AutoCheck()) {
            action->setCheckable(true);
            action->setChecked(item->Checked());
        }
        if (item->RadioItem()) {
            QActionGroup*& group = radioGroups[item->GroupIndex()];
            if (!group) group = new QActionGroup(&menu);
            group->addAction(action);
        }
        if (item->Default()) {
            QFont bold = action->font();
            bold.setBold(true);
            action->setFont(bold);
        }
        chosen[action] = item;
    }
}
}  // namespace

QMenu* BuildMenu(const TMenuItem& root, QWidget* parent, std::unordered_map<const QAction*, TMenuItem*>& chosen) {
    auto* menu = new QMenu(parent);
    AddItems(*menu, root, chosen);
    return menu;
}

void TQtBackend::ShowPopupMenu(TPopupMenu& menu, TPoint at) {
    popupShown_ = true;
    if (menuShownByWidget_) return;
    std::unordered_map<const QAction*, TMenuItem*> chosen;
    TComponent* component = menu.PopupComponent();
    auto* control = dynamic_cast<TControl*>(component);
    QMenu* shown = BuildMenu(*menu.Items(), control ? WidgetOf(*control) : nullptr, chosen);
    QAction* action = shown->exec(QPoint(at.X, at.Y));
    TMenuItem* item = action && chosen.count(action) ? chosen[action] : nullptr;
    delete shown;
    if (item) UserInput([item] { item->Click(); });
}

void TQtBackend::ContextMenu(TPopupMenu& menu, TControl& control, QPoint global) {
    popupShown_ = false;
    UserInput([&] {
        menu.SetPopupComponent(&control);
        menu.Popup(global.x(), global.y());
    });
    // A class library whose Popup does not show the menu leaves it to us.
    if (!popupShown_) ShowPopupMenu(menu, TPoint{global.x(), global.y()});
}

}  // namespace kw
