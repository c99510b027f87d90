#include "platform/Forms.h"

#include <algorithm>

#include "platform/Backend.h"
#include "platform/ClassBuilder.h"
#include "platform/Dialogs.h"
#include "platform/FormStream.h"

namespace kw {

KW_DEFINE_ENUM(TPosition, "poDesigned", "poDefault", "poDefaultPosOnly", "poDefaultSizeOnly", "poScreenCenter",
               "poDesktopCenter", "poMainFormCenter", "poOwnerFormCenter")
KW_DEFINE_ENUM(TWindowState, "wsNormal", "wsMinimized", "wsMaximized")
KW_DEFINE_ENUM(TBorderIcon, "biSystemMenu", "biMinimize", "biMaximize", "biHelp")
KW_DEFINE_ENUM(TFormStyle, "fsNormal", "fsMDIChild", "fsMDIForm", "fsStayOnTop")
KW_DEFINE_ENUM(TCloseAction, "caNone", "caHide", "caFree", "caMinimize")

const TTypeInfo* TypeBorderIcons() {
    static auto t = MakeSetType("TBorderIcons", TypeInfoOf(static_cast<TBorderIcon*>(nullptr)));
    return t;
}

const TTypeInfo* TypeFormBorderStyle() {
    static auto t = MakeEnumType("TFormBorderStyle", TypeInfoOf(static_cast<TBorderStyle*>(nullptr))->EnumNames);
    return t;
}

const TTypeInfo* TypeModalResult() {
    static const TIdentMap map{{mrNone, "mrNone"},   {mrOk, "mrOk"},         {mrCancel, "mrCancel"},
                               {mrAbort, "mrAbort"}, {mrRetry, "mrRetry"},   {mrIgnore, "mrIgnore"},
                               {mrYes, "mrYes"},     {mrNo, "mrNo"},         {mrAll, "mrAll"},
                               {mrNoToAll, "mrNoToAll"}, {mrYesToAll, "mrYesToAll"}};
    static auto t = MakeIntegerType("TModalResult", &map);
    return t;
}

// ---------------------------------------------------------------- TCustomForm

KW_BEGIN_CLASS(TCustomForm, TWinControl)
    b.Prop("Caption", TypeCaption(), &TCustomForm::Text, &TCustomForm::SetText);
    b.Prop("ClientWidth", &TCustomForm::ClientWidth, &TCustomForm::SetClientWidth);
    b.Prop("ClientHeight", &TCustomForm::ClientHeight, &TCustomForm::SetClientHeight);
    b.Prop("ActiveControl", &TCustomForm::ActiveControl, &TCustomForm::SetActiveControl);
    b.Prop("KeyPreview", &TCustomForm::KeyPreview, &TCustomForm::SetKeyPreview);
    b.Prop("Position", &TCustomForm::Position, &TCustomForm::SetPosition);
    b.Prop("BorderIcons", TypeBorderIcons(), &TCustomForm::BorderIcons, &TCustomForm::SetBorderIcons);
    b.Prop("BorderStyle", TypeFormBorderStyle(), &TCustomForm::BorderStyle, &TCustomForm::SetBorderStyle);
    b.Prop("WindowState", &TCustomForm::WindowState, &TCustomForm::SetWindowState);
    b.Prop("FormStyle", &TCustomForm::FormStyle, &TCustomForm::SetFormStyle);
    b.Prop("Scaled", &TCustomForm::Scaled, &TCustomForm::SetScaled);
    b.Prop("PixelsPerInch", &TCustomForm::PixelsPerInch, &TCustomForm::SetPixelsPerInch);
    b.Event("OnCreate", "TNotifyEvent", &TCustomForm::OnCreate);
    b.Event("OnShow", "TNotifyEvent", &TCustomForm::OnShow);
    b.Event("OnHide", "TNotifyEvent", &TCustomForm::OnHide);
    b.Event("OnClose", "TCloseEvent", &TCustomForm::OnClose);
    b.Event("OnCloseQuery", "TCloseQueryEvent", &TCustomForm::OnCloseQuery);
    b.Event("OnDestroy", "TNotifyEvent", &TCustomForm::OnDestroy);
    b.Event("OnActivate", "TNotifyEvent", &TCustomForm::OnActivate);
    b.Event("OnDeactivate", "TNotifyEvent", &TCustomForm::OnDeactivate);
    b.Event("OnResize", "TNotifyEvent", &TControl::OnResize);
    b.Message<&TCustomForm::WMClose>(WM_CLOSE);
    b.Message<&TCustomForm::CMRelease>(CM_RELEASE);
KW_END_CLASS(TCustomForm)

TCustomForm::TCustomForm(TComponent* owner) : TWinControl(owner) {
    TControl::SetVisible(false);
    SetBounds(0, 0, 320, 240);
    Screen()->forms_.push_back(this);
}

TCustomForm::~TCustomForm() {
    BeforeDestruction();
    auto& forms = Screen()->forms_;
    forms.erase(std::remove(forms.begin(), forms.end(), this), forms.end());
    if (Screen()->activeForm_ == this) Screen()->activeForm_ = nullptr;
    if (Application()->MainForm() == this) Application()->SetMainForm(nullptr);
}

void TCustomForm::BeforeDestruction() {
    if (state_ & csDestroying) return;
    if (!destroyed_) {
        destroyed_ = true;
        if (Visible()) TControl::SetVisible(false);
        Deactivate();
        DoDestroy();
    }
    TWinControl::BeforeDestruction();
}

void TCustomForm::InitializeForm() {
    if (created_) return;
    created_ = true;
    ReadFormResources(*this);
    DoCreate();
}

void TCustomForm::DoCreate() { OnCreate(this); }
void TCustomForm::DoShow() { OnShow(this); }
void TCustomForm::DoHide() { OnHide(this); }
void TCustomForm::DoClose(TCloseAction& action) { OnClose(this, action); }
void TCustomForm::DoDestroy() { OnDestroy(this); }

void TCustomForm::SetActiveControl(TWinControl* control) {
    if (control == activeControl_) {
        ++focusGeneration_;  // a focus request for the focused control ends a focus move in progress
        return;
    }
    if (control && (control == this || GetParentForm(control) != this ||
                    (!(ComponentState() & csLoading) && !control->CanFocus())))
        throw EInvalidOperation("Cannot focus a disabled or invisible window");
    if (ComponentState() & csLoading) {
        activeControl_ = control;
        return;
    }
    if (active_ && control)
        SetFocusedControl(control);
    else
        activeControl_ = control;
}

void TCustomForm::SetBorderIcons(TBorderIcons icons) {
    borderIcons_ = icons;
    Changed(TControlChange::State);
}

void TCustomForm::SetBorderStyle(TBorderStyle style) {
    borderStyle_ = style;
    Changed(TControlChange::State);
}

void TCustomForm::SetWindowState(TWindowState state) {
    if (state == windowState_) return;
    windowState_ = state;
    Changed(TControlChange::State);
}

void TCustomForm::PlaceOnScreen() {
    TSize screen = Backend().ScreenSize();
    TCustomForm* center = nullptr;
    switch (position_) {
        case poScreenCenter:
        case poDesktopCenter:
            SetBounds((screen.cx - Width()) / 2, (screen.cy - Height()) / 2, Width(), Height());
            return;
        case poMainFormCenter: center = Application()->MainForm(); break;
        case poOwnerFormCenter: center = dynamic_cast<TCustomForm*>(Owner()); break;
        default: return;
    }
    if (center && center != this)
        SetBounds(center->Left() + (center->Width() - Width()) / 2, center->Top() + (center->Height() - Height()) / 2,
                  Width(), Height());
    else
        SetBounds((screen.cx - Width()) / 2, (screen.cy - Height()) / 2, Width(), Height());
}

void TCustomForm::SetVisible(bool visible) {
    if (visible == Visible()) return;
    if (visible) {
        PlaceOnScreen();
        Handle();
        // The form is visible while OnShow runs, so show handlers can move
        // the focus; the display paints it only once they are done.
        TControl::SetVisible(true);
        DoShow();
        Activate();
    } else {
        DoHide();
        TControl::SetVisible(false);
        Deactivate();
    }
}

void TCustomForm::Show() {
    SetVisible(true);
}

void TCustomForm::Hide() { SetVisible(false); }

void TCustomForm::Activate() {
    if (active_ || !Visible()) return;
    TScreen* screen = Screen();
    if (screen->activeForm_ && screen->activeForm_ != this) screen->activeForm_->Deactivate();
    screen->activeForm_ = this;
    active_ = true;
    Handle();
    OnActivate(this);
    TWinControl* target = activeControl_;
    if (!target || !target->CanFocus()) target = FindNextControl(nullptr, true, true, false);
    activeControl_ = nullptr;
    if (target) SetFocusedControl(target);
}

void TCustomForm::Deactivate() {
    if (!active_) return;
    active_ = false;
    OnDeactivate(this);
    TScreen* screen = Screen();
    if (screen->activeForm_ == this) {
        screen->activeForm_ = nullptr;
        // The most recently shown other visible form becomes active.
        for (auto it = screen->forms_.rbegin(); it != screen->forms_.rend(); ++it)
            if (*it != this && (*it)->Visible() && !((*it)->ComponentState() & csDestroying)) {
                (*it)->Activate();
                break;
            }
    }
}

bool TCustomForm::SetFocusedControl(TWinControl* control) {
    ++focusGeneration_;
    const int generation = focusGeneration_;
    TWinControl* old = activeControl_;
    if (old == control) return true;
    // Exits: from the old control up to the first container that also holds the new one.
    for (TWinControl* w = old; w && w != this && !(control && w->ContainsControl(control)); w = w->Parent()) {
        if (std::find(exiting_.begin(), exiting_.end(), w) != exiting_.end()) continue;
        exiting_.push_back(w);
        try {
            w->DoExit();
        } catch (...) {
            exiting_.pop_back();
            throw;
        }
        exiting_.pop_back();
        if (generation != focusGeneration_) return false;  // a handler moved the focus
    }
    activeControl_ = control;
    if (control && active_) Backend().SetFocus(*control);
    // Enters: from the outermost container that did not hold the old control down to the new one.
    std::vector<TWinControl*> chain;
    for (TWinControl* w = control; w && w != this && !(old && w->ContainsControl(old)); w = w->Parent())
        chain.push_back(w);
    for (auto it = chain.rbegin(); it != chain.rend(); ++it) {
        (*it)->DoEnter();
        if (generation != focusGeneration_) return false;
    }
    return true;
}

void TCustomForm::FocusControl(TWinControl* control) {
    bool wasActive = active_;
    SetActiveControl(control);
    if (!wasActive) SetFocus();
}

bool TCustomForm::CanFocus() const { return Visible() && Enabled(); }

void TCustomForm::SetFocus() {
    if (!active_) {
        if (!Visible() || !Enabled()) throw EInvalidOperation("Cannot focus a disabled or invisible window");
        Activate();
    }
}

bool TCustomForm::DialogKey(uint16_t key, TShiftState shift) {
    if (shift & SS_ALT) return false;
    if (key == VK_TAB) {
        if (shift & SS_CTRL) return false;
        SelectNext(activeControl_, !(shift & SS_SHIFT), true);
        return true;
    }
    if ((key == VK_RETURN || key == VK_ESCAPE) && shift == 0) {
        TMessage m{CM_DIALOGKEY, key, 0, 0};
        Broadcast(m);
        return m.Result != 0;
    }
    return false;
}

TModalResult TCustomForm::ShowModal() {
    if (Visible() || !Enabled() || modal_) throw EInvalidOperation("Cannot make a visible window modal");
    modal_ = true;
    modalResult_ = mrNone;
    TCustomForm* previous = Screen()->ActiveForm();
    try {
        Show();
        Backend().RunModal(*this);
    } catch (...) {
        modal_ = false;
        if (!(ComponentState() & csDestroying) && Visible()) Hide();
        throw;
    }
    TModalResult result = modalResult_;
    modal_ = false;
    if (Visible()) Hide();
    if (previous && previous != this && previous->Visible()) previous->Activate();
    return result;
}

bool TCustomForm::ModalLoopDone() {
    if (Application()->Terminated()) modalResult_ = mrCancel;
    if (modalResult_ == mrNone) return false;
    TCloseAction action = caNone;
    if (CloseQuery()) {
        action = caHide;
        DoClose(action);
    }
    switch (action) {
        case caNone: modalResult_ = mrNone; break;
        case caFree: Release(); break;
        default: break;
    }
    return modalResult_ != mrNone;
}

bool TCustomForm::CloseQuery() {
    bool canClose = true;
    OnCloseQuery(this, canClose);
    return canClose;
}

void TCustomForm::Close() {
    if (modal_) {
        modalResult_ = mrCancel;
        return;
    }
    if (!CloseQuery()) return;
    TCloseAction action = caHide;
    DoClose(action);
    if (action == caNone) return;
    if (Application()->MainForm() == this) Application()->Terminate();
    switch (action) {
        case caHide: Hide(); break;
        case caMinimize: SetWindowState(wsMinimized); break;
        case caFree: Release(); break;
        default: break;
    }
}

void TCustomForm::Release() { kw::PostMessage(Handle(), CM_RELEASE, 0, 0); }

void TCustomForm::WMClose(TMessage&) { Close(); }

void TCustomForm::CMRelease(TMessage&) { Free(); }

void TCustomForm::Notification(TComponent* component, TOperation operation) {
    TWinControl::Notification(component, operation);
    if (operation != opRemove) return;
    if (auto w = dynamic_cast<TWinControl*>(component)) {
        if (activeControl_ && (activeControl_ == w || w->ContainsControl(activeControl_))) activeControl_ = nullptr;
    }
}

KW_BEGIN_CLASS(TForm, TCustomForm)
    b.Creatable();
KW_END_CLASS(TForm)

TForm::TForm(TComponent* owner) : TCustomForm(owner) {}

// ---------------------------------------------------------------- TScreen

KW_BEGIN_CLASS(TScreen, TComponent)
    b.Prop("Cursor", TypeCursor(), &TScreen::Cursor, &TScreen::SetCursor);
KW_END_CLASS(TScreen)

TScreen::TScreen(TComponent* owner) : TComponent(owner), iconFont_(new TFont), hintFont_(new TFont), menuFont_(new TFont) {}

TScreen::~TScreen() {
    delete iconFont_;
    delete hintFont_;
    delete menuFont_;
}

void TScreen::SetCursor(TCursor c) {
    if (c == cursor_) return;
    cursor_ = c;
    Backend().ScreenCursorChanged(c);
}

int TScreen::Width() const { return Backend().ScreenSize().cx; }
int TScreen::Height() const { return Backend().ScreenSize().cy; }
TWinControl* TScreen::ActiveControl() const { return activeForm_ ? activeForm_->ActiveControl() : nullptr; }

// ---------------------------------------------------------------- TApplication

KW_BEGIN_CLASS(TApplication, TComponent)
    b.Prop("Title", &TApplication::Title, &TApplication::SetTitle);
    b.Prop("ShowHint", &TApplication::ShowHint, &TApplication::SetShowHint);
    b.Prop("HintPause", &TApplication::HintPause, &TApplication::SetHintPause);
    b.Prop("HintHidePause", &TApplication::HintHidePause, &TApplication::SetHintHidePause);
    b.Prop("HintShortPause", &TApplication::HintShortPause, &TApplication::SetHintShortPause);
    b.Prop("HintColor", TypeColor(), &TApplication::HintColor, &TApplication::SetHintColor);
KW_END_CLASS(TApplication)

TApplication::TApplication(TComponent* owner) : TComponent(owner) {}
TApplication::~TApplication() = default;

void TApplication::SetShowHint(bool v) { showHint_ = v; }

TCustomForm* TApplication::ActiveForm() const { return Screen()->ActiveForm(); }

void TApplication::PostMessage(HWND handle, uint32_t msg, WPARAM w, LPARAM l) {
    queue_.push_back(TMessage{msg, w, l, 0});
    queueTargets_.push_back(handle);
}

void TApplication::ProcessMessages() {
    Backend().ProcessEvents();
    size_t n = queue_.size();
    for (size_t i = 0; i < n && !queue_.empty(); ++i) {
        TMessage m = queue_.front();
        HWND target = queueTargets_.front();
        queue_.pop_front();
        queueTargets_.pop_front();
        if (TWinControl* control = FindControl(target)) control->MainWndProc(m);
    }
}

void TApplication::HandleException(TObject* sender) {
    try {
        throw;
    } catch (const EUnansweredDialog&) {
        throw;
    } catch (const std::exception& e) {
        if (OnException.Assigned())
            OnException(sender, e);
        else
            ShowException(e);
    }
}

void TApplication::ShowException(const std::exception& e) {
    std::string text = e.what();
    if (!text.empty() && static_cast<unsigned char>(text.back()) > '.') text += '.';
    TForm* box = CreateMessageDialog(text, mtError, MsgDlgButtons({mbOK}));
    box->SetText(title_);
    try {
        box->ShowModal();
    } catch (...) {
        box->Free();
        throw;
    }
    box->Free();
}

TApplication* Application() {
    static TApplication* app = new TApplication(nullptr);
    return app;
}

TScreen* Screen() {
    static TScreen* screen = new TScreen(nullptr);
    return screen;
}

}  // namespace kw
