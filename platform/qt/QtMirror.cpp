#include "platform/qt/QtMirror.h"

#include <QPalette>
#include <QScrollBar>
#include <map>

#include "platform/qt/QtText.h"

namespace kw {

namespace {
std::map<std::string, const TWidgetKind*>& Kinds() {
    static std::map<std::string, const TWidgetKind*> kinds;
    return kinds;
}
}  // namespace

void RegisterWidgetKind(const std::string& className, const TWidgetKind* kind) { Kinds()[className] = kind; }

const TWidgetKind* WidgetKindOf(const TControl& control) {
    for (const TClassInfo* c = &control.ClassInfo(); c; c = c->Parent())
        if (auto it = Kinds().find(c->ClassName()); it != Kinds().end()) return it->second;
    return Kinds().at("TControl");
}

void TWidgetKind::SyncColors(TMirror& m) const {
    QPalette palette = m.Widget->palette();
    const QColor back = QtColor(m.Control->Color());
    const QColor text = QtColor(m.Control->Font()->Color());
    palette.setColor(QPalette::Window, back);
    palette.setColor(QPalette::Button, back);
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::ButtonText, text);
    palette.setColor(QPalette::Text, text);
    m.Widget->setPalette(palette);
}

bool TWidgetKind::RoutesInputOf(const TMirror& m, const QWidget* part) const {
    for (const QWidget* w = part; w && w != m.Widget; w = w->parentWidget())
        if (qobject_cast<const QScrollBar*>(w)) return false;
    return true;
}

}  // namespace kw
