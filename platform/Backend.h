// The interface between the class library and whatever shows it. The class
// library keeps all state and behaviour (properties, focus, keys, messages,
// modal results); a backend only mirrors windows on a display and pumps the
// display's events. The headless backend (HeadlessBackend.h) shows nothing
// and answers modal runs from a queue; the desktop backend shows real windows.
#pragma once

#include <memory>
#include <string>

#include "platform/Messages.h"
#include "platform/Types.h"

namespace kw {

class TControl;
class TWinControl;
class TCustomForm;
class TFont;
class TPopupMenu;

// What changed on a control, so a backend can update its mirror.
enum class TControlChange { Bounds, Text, Visible, Enabled, Font, Color, Parent, State, Paint };

class IBackend {
public:
    virtual ~IBackend() = default;

    // Windows. A handle is created when the class library first needs one
    // (on demand) and destroyed with the control.
    virtual HWND CreateWindowHandle(TWinControl& control) = 0;
    virtual void DestroyWindowHandle(TWinControl& control, HWND handle) = 0;
    virtual void ShowWindow(TWinControl& control, bool visible) = 0;
    virtual void ControlChanged(TControl& control, TControlChange change) = 0;
    // Marks a control for repainting; Update asks for it at once.
    virtual void Invalidate(TControl& control) = 0;
    virtual void Update(TControl& control) = 0;
    // The class library moved the focus to this control.
    virtual void SetFocus(TWinControl& control) = 0;
    // Shows a pop-up menu at a screen point; the user's choice reaches the
    // chosen item's Click.
    virtual void ShowPopupMenu(TPopupMenu& menu, TPoint at) = 0;
    // The screen's cursor changed (crDefault: each control's own).
    virtual void ScreenCursorChanged(int cursor) = 0;

    // Runs a modal loop for a shown form: pumps the display's events (and
    // Application's posted messages) until form.ModalLoopDone() is true.
    virtual void RunModal(TCustomForm& form) = 0;
    // One round of the display's events without waiting.
    virtual void ProcessEvents() = 0;

    // Font metrics of a text in a font (bytes in the font's code page).
    virtual TSize TextExtent(const TFont& font, const std::string& text) = 0;
    // The RGB value of a system colour index (0 .. 24).
    virtual int SystemColor(int index) = 0;
    virtual TSize ScreenSize() = 0;

    // The clipboard's text (bytes in the system code page).
    virtual std::string ClipboardText() = 0;
    virtual void SetClipboardText(const std::string& text) = 0;

    // Opens a file or address with the desktop ("open", "properties", ...);
    // the result is above 32 on success, as the platform's shell call answers.
    virtual int ShellExecute(HWND parent, const std::string& verb, const std::string& file,
                             const std::string& parameters, const std::string& directory, int showCommand) = 0;

    // A short sound for refused input.
    virtual void Beep() = 0;
};

// The backend in force (the headless one unless another was installed).
IBackend& Backend();
// Installs a backend for the process; returns the previous one.
std::unique_ptr<IBackend> SetBackend(std::unique_ptr<IBackend> backend);

}  // namespace kw
