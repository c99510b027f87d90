// Forms, the application object and the screen object.
#pragma once

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "platform/Controls.h"

namespace kw {

enum TPosition { poDesigned, poDefault, poDefaultPosOnly, poDefaultSizeOnly, poScreenCenter, poDesktopCenter,
                 poMainFormCenter, poOwnerFormCenter };
KW_DECLARE_ENUM(TPosition)
enum TWindowState { wsNormal, wsMinimized, wsMaximized };
KW_DECLARE_ENUM(TWindowState)
enum TBorderIcon { biSystemMenu, biMinimize, biMaximize, biHelp };
KW_DECLARE_ENUM(TBorderIcon)
using TBorderIcons = uint32_t;
inline constexpr TBorderIcons BorderIconsAll = (1u << biSystemMenu) | (1u << biMinimize) | (1u << biMaximize);
const TTypeInfo* TypeBorderIcons();
enum TFormStyle { fsNormal, fsMDIChild, fsMDIForm, fsStayOnTop };
KW_DECLARE_ENUM(TFormStyle)
enum TCloseAction { caNone, caHide, caFree, caMinimize };
KW_DECLARE_ENUM(TCloseAction)
const TTypeInfo* TypeFormBorderStyle();  // "TFormBorderStyle"

using TModalResult = int;
inline constexpr TModalResult mrNone = 0, mrOk = 1, mrCancel = 2, mrAbort = 3, mrRetry = 4, mrIgnore = 5, mrYes = 6,
                              mrNo = 7, mrAll = 8, mrNoToAll = 9, mrYesToAll = 10;
const TTypeInfo* TypeModalResult();

using TCloseEvent = TEvent<TObject*, TCloseAction&>;
using TCloseQueryEvent = TEvent<TObject*, bool&>;

class TCustomForm : public TWinControl {
    KW_CLASS(TCustomForm)
public:
    explicit TCustomForm(TComponent* owner);
    ~TCustomForm() override;
    void BeforeDestruction() override;

    // Reads the form texts of the class chain (oldest first), then runs
    // OnCreate. CreateForm calls it right after construction.
    void InitializeForm();

    TWinControl* ActiveControl() const { return activeControl_; }
    void SetActiveControl(TWinControl* control);
    bool KeyPreview() const { return keyPreview_; }
    void SetKeyPreview(bool v) { keyPreview_ = v; }
    TPosition Position() const { return position_; }
    void SetPosition(TPosition p) { position_ = p; }
    TBorderIcons BorderIcons() const { return borderIcons_; }
    void SetBorderIcons(TBorderIcons icons);
    TBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TBorderStyle style);
    TWindowState WindowState() const { return windowState_; }
    void SetWindowState(TWindowState state);
    TFormStyle FormStyle() const { return formStyle_; }
    void SetFormStyle(TFormStyle s) { formStyle_ = s; }
    TModalResult ModalResult() const { return modalResult_; }
    void SetModalResult(TModalResult r) { modalResult_ = r; }
    bool Scaled() const { return scaled_; }
    void SetScaled(bool v) { scaled_ = v; }
    int PixelsPerInch() const { return ScreenPixelsPerInch; }
    void SetPixelsPerInch(int) {}
    bool Active() const { return active_; }
    bool Modal() const { return modal_; }
    int ClientWidth() const override { return Width(); }
    int ClientHeight() const override { return Height(); }

    void SetVisible(bool visible) override;
    void Show();
    void Hide();
    // Shows the form modally; the result is its modal result. Raises
    // EInvalidOperation for a form that is visible already or disabled.
    virtual TModalResult ShowModal();
    // Asks OnCloseQuery, then OnClose with the close action (caHide for a
    // plain form, caFree for one that frees itself) and carries it out.
    void Close();
    bool CloseQuery();
    // Frees the form once the posted release message is handled.
    void Release();
    // The modal loop's test: true when a modal result stands after the
    // close handlers had their say.
    bool ModalLoopDone();
    void FocusControl(TWinControl* control);
    void SetFocus() override;
    bool CanFocus() const override;
    // Moves the focus with OnExit of the controls left and OnEnter of the
    // controls entered. False when a handler moved the focus elsewhere.
    bool SetFocusedControl(TWinControl* control);
    // Becomes the active (foreground) form.
    void Activate();
    void Deactivate();
    // Dialog keys (Tab, Enter on the default button, Esc on the cancel button).
    virtual bool DialogKey(uint16_t key, TShiftState shift);

    TNotifyEvent OnCreate;
    TNotifyEvent OnShow;
    TNotifyEvent OnHide;
    TCloseEvent OnClose;
    TCloseQueryEvent OnCloseQuery;
    TNotifyEvent OnDestroy;
    TNotifyEvent OnActivate;
    TNotifyEvent OnDeactivate;

protected:
    virtual void DoCreate();
    virtual void DoShow();
    virtual void DoHide();
    virtual void DoClose(TCloseAction& action);
    virtual void DoDestroy();
    void Notification(TComponent* component, TOperation operation) override;
    void WMClose(TMessage& message);
    void CMRelease(TMessage& message);

private:
    void PlaceOnScreen();
    TWinControl* activeControl_ = nullptr;
    bool keyPreview_ = false;
    TPosition position_ = poDesigned;
    TBorderIcons borderIcons_ = BorderIconsAll;
    TBorderStyle borderStyle_ = bsSizeable;
    TWindowState windowState_ = wsNormal;
    TFormStyle formStyle_ = fsNormal;
    TModalResult modalResult_ = mrNone;
    bool scaled_ = true;
    bool active_ = false;
    bool modal_ = false;
    bool created_ = false;
    bool destroyed_ = false;
    int focusGeneration_ = 0;
    std::vector<TWinControl*> exiting_;
};

class TForm : public TCustomForm {
    KW_CLASS(TForm)
public:
    explicit TForm(TComponent* owner);
};

// Creates a form of class T and reads its form texts (then OnCreate runs).
template <class T, class... A>
T* CreateForm(TComponent* owner, A&&... args) {
    T* form = new T(owner, std::forward<A>(args)...);
    try {
        form->InitializeForm();
    } catch (...) {
        form->Free();
        throw;
    }
    return form;
}

class TScreen : public TComponent {
    KW_CLASS(TScreen)
public:
    explicit TScreen(TComponent* owner);
    ~TScreen() override;
    TCursor Cursor() const { return cursor_; }
    void SetCursor(TCursor c);
    int Width() const;
    int Height() const;
    int FormCount() const { return static_cast<int>(forms_.size()); }
    TCustomForm* Forms(int index) const { return forms_.at(index); }
    TCustomForm* ActiveForm() const { return activeForm_; }
    TWinControl* ActiveControl() const;
    TFont* IconFont() const { return iconFont_; }
    TFont* HintFont() const { return hintFont_; }
    TFont* MenuFont() const { return menuFont_; }
    int PixelsPerInch() const { return ScreenPixelsPerInch; }

private:
    friend class TCustomForm;
    TCursor cursor_ = crDefault;
    std::vector<TCustomForm*> forms_;
    TCustomForm* activeForm_ = nullptr;
    TFont* iconFont_;
    TFont* hintFont_;
    TFont* menuFont_;
};

using TExceptionEvent = TEvent<TObject*, const std::exception&>;

class TApplication : public TComponent {
    KW_CLASS(TApplication)
public:
    explicit TApplication(TComponent* owner);
    ~TApplication() override;

    const std::string& Title() const { return title_; }
    void SetTitle(const std::string& t) { title_ = t; }
    TCustomForm* MainForm() const { return mainForm_; }
    void SetMainForm(TCustomForm* form) { mainForm_ = form; }
    bool ShowHint() const { return showHint_; }
    void SetShowHint(bool v);
    int HintPause() const { return hintPause_; }
    void SetHintPause(int v) { hintPause_ = v; }
    int HintHidePause() const { return hintHidePause_; }
    void SetHintHidePause(int v) { hintHidePause_ = v; }
    int HintShortPause() const { return hintShortPause_; }
    void SetHintShortPause(int v) { hintShortPause_ = v; }
    TColor HintColor() const { return hintColor_; }
    void SetHintColor(TColor c) { hintColor_ = c; }
    TCustomForm* ActiveForm() const;
    bool Terminated() const { return terminated_; }
    void Terminate() { terminated_ = true; }

    // Delivers the posted messages (those posted while delivering wait for
    // the next call) and lets the backend pump its events.
    void ProcessMessages();
    void PostMessage(HWND handle, uint32_t msg, WPARAM w, LPARAM l);
    size_t PendingMessages() const { return queue_.size(); }
    // Runs OnException when set, else shows the message in an error box.
    void HandleException(TObject* sender);
    void ShowException(const std::exception& e);

    TExceptionEvent OnException;
    TNotifyEvent OnHint;

private:
    std::string title_;
    TCustomForm* mainForm_ = nullptr;
    bool showHint_ = true;
    int hintPause_ = 500;
    int hintHidePause_ = 2500;
    int hintShortPause_ = 50;
    TColor hintColor_ = clInfoBk;
    bool terminated_ = false;
    std::deque<TMessage> queue_;
    std::deque<HWND> queueTargets_;
};

// The process's application and screen objects.
TApplication* Application();
TScreen* Screen();

// Raised by a headless modal run that no one answered; never shown in an
// error box, so it reaches the test that caused it.
class EUnansweredDialog : public std::logic_error {
public:
    using std::logic_error::logic_error;
};

}  // namespace kw
