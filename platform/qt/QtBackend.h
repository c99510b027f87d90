// The desktop backend: the class library on Qt 6 Widgets. Every control
// gets a native widget (its mirror) when its window is first needed; the
// widgets follow the model's changes, and whatever the user does with them
// goes back through the model's own paths (window messages for keys and the
// mouse, the model's focus order, its modal loop and close rules), so the
// model sees the same calls and events as in a headless run.
//
// Texts are bytes in a code page: each control's text is decoded by its
// font's character set for the screen, and typed text is encoded back the
// same way.
#pragma once

#include <QPoint>
#include <functional>
#include <memory>
#include <set>
#include <unordered_map>
#include <vector>

#include "platform/Backend.h"
#include "platform/Forms.h"
#include "platform/qt/QtMirror.h"

class QObject;

namespace kw {

class TPopupMenu;

class TQtBackend : public IBackend {
public:
    // Needs the Qt application object (InstallQtBackend makes it).
    TQtBackend();
    ~TQtBackend() override;

    HWND CreateWindowHandle(TWinControl& control) override;
    void DestroyWindowHandle(TWinControl& control, HWND handle) override;
    void ShowWindow(TWinControl& control, bool visible) override;
    void ControlChanged(TControl& control, TControlChange change) override;
    void Invalidate(TControl& control) override;
    void Update(TControl& control) override;
    void SetFocus(TWinControl& control) override;
    // Shows a pop-up menu at a screen point and runs the chosen item (not
    // while a widget shows that menu itself: see MenuShownByWidget).
    void ShowPopupMenu(TPopupMenu& menu, TPoint at);
    // While set, the class library's pop-ups are shown by a widget's own menu.
    void MenuShownByWidget(bool shown) { menuShownByWidget_ = shown; }
    void ScreenCursorChanged(int cursor);
    void RunModal(TCustomForm& form) override;
    void ProcessEvents() override;
    TSize TextExtent(const TFont& font, const std::string& text) override;
    int SystemColor(int index) override;
    TSize ScreenSize() override;
    std::string ClipboardText() override;
    void SetClipboardText(const std::string& text) override;
    int ShellExecute(HWND parent, const std::string& verb, const std::string& file, const std::string& parameters,
                     const std::string& directory, int showCommand) override;
    void Beep() override;

    // The mirror of a control (none while it has no widget).
    TMirror* MirrorOf(const TControl& control) const;
    QWidget* WidgetOf(const TControl& control) const;
    // The mirror whose widget holds Object, within Object's window.
    TMirror* MirrorOfWidget(const QObject* object) const;
    // The mirror whose widget is exactly this one (none once its control went).
    TMirror* MirrorAt(const QWidget* widget) const;

    // Runs model code for the user's input: an exception goes to the
    // application's handler; afterwards the widgets catch up with the model.
    void UserInput(const std::function<void()>& work);
    // A window message to a control as input delivers it (through its
    // window, or its main window procedure when it has none).
    void Deliver(TControl& control, uint32_t msg, WPARAM w, LPARAM l);
    // The context menu of a control at a screen point: the menu's Popup
    // (OnPopup), then the menu, then the chosen item.
    void ContextMenu(TPopupMenu& menu, TControl& control, QPoint global);
    // Writes the state of every control into its widget (what the model
    // changes without telling: item indexes, selections, hints).
    void Refresh();

private:
    class Watcher;
    TMirror& Mirror(TControl& control);
    void Build(TMirror& m);
    void EnsureMirror(TControl& control);
    void ApplyAll(TMirror& m);
    void ApplyGeometry(TMirror& m);
    void ApplyVisible(TMirror& m);
    void ApplyHint(TMirror& m);
    void ParentChanged(TControl& control);
    void Restack(TWinControl& parent);
    void Forget(const TControl* control);
    void Bury(QWidget* widget);
    void FlushGraveyard();

    std::unordered_map<const TControl*, std::unique_ptr<TMirror>> mirrors_;
    std::unordered_map<const QObject*, TMirror*> byWidget_;
    std::set<const TControl*> building_;
    std::vector<QPointer<QWidget>> graveyard_;
    std::unique_ptr<Watcher> watcher_;
    std::unique_ptr<QObject> input_;
    int inputDepth_ = 0;
    HWND nextHandle_ = 0x10000;
    TCursor screenCursor_ = crDefault;
    bool popupShown_ = false;
    bool menuShownByWidget_ = false;
    friend class TInputFilter;
};

// The desktop backend in force, or none.
TQtBackend* QtBackend();
// The mirror of a widget through the backend in force (none when the
// widget's control went or no desktop backend is installed).
TMirror* MirrorAt(const QWidget* widget);

// Makes the Qt application (when there is none) and installs the desktop
// backend. Without a usable display it says so on the error output and
// leaves the headless backend in force: the answer is false.
bool InstallQtBackend(int& argc, char** argv);

}  // namespace kw
