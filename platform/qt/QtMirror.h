// A control's mirror on the desktop: the widget that shows it and the kind
// of widget that knows how to follow the control. Kinds are registered by
// the class-library class they show; a control gets the kind of the nearest
// registered class in its class chain.
#pragma once

#include <QPointer>
#include <QWidget>
#include <optional>
#include <string>
#include <vector>

#include "platform/Controls.h"

namespace kw {

class TWidgetKind;

struct TMirror {
    TControl* Control = nullptr;
    QPointer<QWidget> Widget;
    const TWidgetKind* Kind = nullptr;
    HWND Handle = 0;               // 0 for controls without a window of their own
    int Syncing = 0;               // above 0 while model state is written into the widget
    std::optional<std::string> ShownText;               // the text as last written into the widget
    std::optional<std::vector<std::string>> ShownItems;  // list items as last written
};

// While alive, changes of the widget are the backend's own, not the user's.
class TSyncGuard {
public:
    explicit TSyncGuard(TMirror& m) : m_(m) { ++m_.Syncing; }
    ~TSyncGuard() { --m_.Syncing; }
    TSyncGuard(const TSyncGuard&) = delete;
    TSyncGuard& operator=(const TSyncGuard&) = delete;

private:
    TMirror& m_;
};

class TWidgetKind {
public:
    virtual ~TWidgetKind() = default;
    // Makes the widget of a control (Parent is the parent control's widget,
    // none for a window of its own).
    virtual QWidget* Create(TMirror& m, QWidget* parent) const = 0;
    // Writes the control's text into the widget.
    virtual void SyncText(TMirror& m) const {}
    // Writes the control's other state (check marks, item lists, selection,
    // window style) into the widget; runs after every change the model
    // reports and whenever the desktop becomes idle, so it compares first.
    virtual void SyncState(TMirror& m) const {}
    // Writes colour and font colour into the widget's palette.
    virtual void SyncColors(TMirror& m) const;
    // True when a mouse press, after it went through the model, still goes
    // to the widget (caret placement in edits, the list of a combo box).
    virtual bool NativeMouse(const TMirror& m) const { return false; }
    // Before a left press reaches the model (a list box picks the item
    // under the mouse, as the platform's list does before the press).
    virtual void BeforePress(TMirror& m, QPoint pos) const {}
    // The pressed look of a button while the mouse button is down.
    virtual void ShowPressed(TMirror& m, bool down) const {}
    // Whether the input of a part of the widget goes through the model
    // (false for scroll bars and the like, which work on their own).
    virtual bool RoutesInputOf(const TMirror& m, const QWidget* part) const;
    // Whether a mouse press at a point of the widget goes through the model
    // (false for a drop-down arrow that opens its menu by itself).
    virtual bool RoutesMouseAt(const TMirror& m, QPoint pos) const { return true; }
    // Where a child control's widget goes, given the child's bounds (a page
    // control puts its pages below its tabs).
    virtual QRect ChildGeometry(const TMirror& m, const TControl& child, const QRect& bounds) const { return bounds; }
};

void RegisterWidgetKind(const std::string& className, const TWidgetKind* kind);
// The kind of the nearest registered class of the control's class chain.
const TWidgetKind* WidgetKindOf(const TControl& control);

}  // namespace kw
