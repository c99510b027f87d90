// Controls: TControl (position, size, alignment, visibility, texts, font,
// colour, mouse) and TWinControl (children in tab order, focus, keys, a
// window handle made on demand through the backend), and the message path
// (Perform, SendMessage, PostMessage) with the per-class handler tables.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/Backend.h"
#include "platform/Classes.h"
#include "platform/Graphics.h"
#include "platform/Messages.h"
#include "platform/Types.h"

namespace kw {

class TWinControl;
class TCustomForm;
class TPopupMenu;

enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient, alCustom };
KW_DECLARE_ENUM(TAlign)
enum TAlignment { taLeftJustify, taRightJustify, taCenter };
KW_DECLARE_ENUM(TAlignment)
enum TLeftRight { lrLeftJustify, lrRightJustify };  // check box and radio alignment
enum TMouseButton { mbLeft, mbRight, mbMiddle };
KW_DECLARE_ENUM(TMouseButton)
enum TBevelCut { bvNone, bvLowered, bvRaised, bvSpace };
KW_DECLARE_ENUM(TBevelCut)
enum TBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
KW_DECLARE_ENUM(TBorderStyle)
const TTypeInfo* TypeControlBorderStyle();  // "TBorderStyle": bsNone, bsSingle

enum TShiftStateItem { ssShift, ssAlt, ssCtrl, ssLeft, ssRight, ssMiddle, ssDouble };
KW_DECLARE_ENUM(TShiftStateItem)
using TShiftState = uint32_t;
inline constexpr TShiftState Shift(std::initializer_list<TShiftStateItem> items) {
    TShiftState s = 0;
    for (auto i : items) s |= 1u << i;
    return s;
}
inline constexpr TShiftState SS_SHIFT = 1u << ssShift;
inline constexpr TShiftState SS_ALT = 1u << ssAlt;
inline constexpr TShiftState SS_CTRL = 1u << ssCtrl;

using TCursor = int16_t;
inline constexpr TCursor crDefault = 0, crNone = -1, crArrow = -2, crCross = -3, crIBeam = -4, crSizeNESW = -6,
                         crSizeNS = -7, crSizeNWSE = -8, crSizeWE = -9, crUpArrow = -10, crHourGlass = -11,
                         crDrag = -12, crNoDrop = -13, crHSplit = -14, crVSplit = -15, crMultiDrag = -16,
                         crSQLWait = -17, crNo = -18, crAppStart = -19, crHelp = -20, crHandPoint = -21,
                         crSizeAll = -22, crSize = -22;
const TTypeInfo* TypeCursor();  // "TCursor", with the cr... identifiers

// Virtual key codes.
inline constexpr uint16_t VK_BACK = 8, VK_TAB = 9, VK_RETURN = 13, VK_SHIFT = 16, VK_CONTROL = 17, VK_MENU = 18,
                          VK_ESCAPE = 27, VK_SPACE = 32, VK_PRIOR = 33, VK_NEXT = 34, VK_END = 35, VK_HOME = 36,
                          VK_LEFT = 37, VK_UP = 38, VK_RIGHT = 39, VK_DOWN = 40, VK_INSERT = 45, VK_DELETE = 46,
                          VK_F1 = 112, VK_F2 = 113, VK_F3 = 114, VK_F4 = 115, VK_F5 = 116, VK_F6 = 117, VK_F7 = 118,
                          VK_F8 = 119, VK_F9 = 120, VK_F10 = 121, VK_F11 = 122, VK_F12 = 123;

// The modifier keys held down, as the platform's key state reports them.
// Input simulation sets it while it delivers a key.
TShiftState KeyboardShiftState();
void SetKeyboardShiftState(TShiftState state);
// The character a key press types (0 for none).
char KeyToChar(uint16_t key, TShiftState shift);

using TKeyEvent = TEvent<TObject*, uint16_t&, TShiftState>;
using TKeyPressEvent = TEvent<TObject*, char&>;
using TMouseEvent = TEvent<TObject*, TMouseButton, TShiftState, int, int>;
using TMouseMoveEvent = TEvent<TObject*, TShiftState, int, int>;

// Routes a message to the control of a window handle (0 when there is none)
// through its main window procedure, so exceptions reach the application.
LRESULT SendMessage(HWND handle, uint32_t msg, WPARAM w, LPARAM l);
// Queues a message for the handle; Application.ProcessMessages delivers it
// when the window still exists.
void PostMessage(HWND handle, uint32_t msg, WPARAM w, LPARAM l);
TWinControl* FindControl(HWND handle);

// The parts of a hint "short|long": the text before the bar, and the text
// after it (the whole hint when it has no bar).
std::string GetShortHint(const std::string& hint);
std::string GetLongHint(const std::string& hint);

class TControl : public TComponent {
    KW_CLASS(TControl)
public:
    explicit TControl(TComponent* owner);
    ~TControl() override;
    void BeforeDestruction() override;

    TWinControl* Parent() const { return parent_; }
    virtual void SetParent(TWinControl* parent);
    TComponent* GetParentComponent() const override;
    bool HasParent() const override { return true; }
    void SetParentComponent(TComponent* parent) override;

    int Left() const { return left_; }
    int Top() const { return top_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    void SetLeft(int v) { SetBounds(v, top_, width_, height_); }
    void SetTop(int v) { SetBounds(left_, v, width_, height_); }
    void SetWidth(int v) { SetBounds(left_, top_, v, height_); }
    void SetHeight(int v) { SetBounds(left_, top_, width_, v); }
    virtual void SetBounds(int left, int top, int width, int height);
    TRect BoundsRect() const { return Bounds(left_, top_, width_, height_); }
    void SetBoundsRect(const TRect& r) { SetBounds(r.Left, r.Top, r.Width(), r.Height()); }
    virtual int ClientWidth() const { return width_; }
    virtual int ClientHeight() const { return height_; }
    void SetClientWidth(int v) { SetWidth(v + width_ - ClientWidth()); }
    void SetClientHeight(int v) { SetHeight(v + height_ - ClientHeight()); }
    TRect ClientRect() const { return Rect(0, 0, ClientWidth(), ClientHeight()); }
    TPoint ClientToScreen(TPoint p) const;
    TPoint ScreenToClient(TPoint p) const;

    TAlign Align() const { return align_; }
    void SetAlign(TAlign align);
    bool Visible() const { return visible_; }
    virtual void SetVisible(bool visible);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    // Visible up to the form (or up to a control without parent).
    bool Showing() const;
    // This control, a container of it or its owner is being destroyed.
    bool Destroying() const;
    bool Enabled() const { return enabled_; }
    virtual void SetEnabled(bool enabled);

    // The control's text: Caption and Text are the same text.
    virtual std::string Text() const { return text_; }
    virtual void SetText(const std::string& text);
    std::string Caption() const { return Text(); }
    void SetCaption(const std::string& text) { SetText(text); }
    int GetTextLen() const { return static_cast<int>(Text().size()); }

    const std::string& Hint() const { return hint_; }
    void SetHint(const std::string& hint) { hint_ = hint; }
    bool ShowHint() const { return showHint_; }
    void SetShowHint(bool v);
    bool ParentShowHint() const { return parentShowHint_; }
    void SetParentShowHint(bool v);

    TFont* Font() const { return font_; }
    void SetFont(TFont* font) { font_->Assign(font); }
    bool ParentFont() const { return parentFont_; }
    void SetParentFont(bool v);
    TColor Color() const { return color_; }
    void SetColor(TColor color);
    bool ParentColor() const { return parentColor_; }
    void SetParentColor(bool v);
    TCursor Cursor() const { return cursor_; }
    void SetCursor(TCursor c) { cursor_ = c; }
    TPopupMenu* PopupMenu() const { return popupMenu_; }
    void SetPopupMenu(TPopupMenu* menu);
    bool IsRightToLeft() const { return false; }

    // Messages.
    LRESULT Perform(uint32_t msg, WPARAM w = 0, LPARAM l = 0);
    virtual void WndProc(TMessage& message);
    // WndProc with any exception handed to the application's handler.
    void MainWndProc(TMessage& message);
    void Dispatch(TMessage& message) override;
    // Runs the handler of the class above Base in the chain (the inherited
    // handler of a message handler) or the default handling.
    void InheritedMessage(const TClassInfo& base, TMessage& message);

    virtual void Click();
    virtual void DblClick();
    void Invalidate();
    void Repaint();
    void Update();
    void BringToFront();
    void SendToBack();
    virtual TSize TextExtent(const std::string& text) const;

    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TNotifyEvent OnResize;
    TMouseEvent OnMouseDown;
    TMouseEvent OnMouseUp;
    TMouseMoveEvent OnMouseMove;

protected:
    virtual void Changed(TControlChange change);
    virtual void Resize();
    virtual void FontChanged();
    virtual void VisibleChanged() {}
    virtual void EnabledChanged() {}
    virtual void TextChanged() {}
    virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
    virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
    virtual void MouseMove(TShiftState shift, int x, int y);
    void Notification(TComponent* component, TOperation operation) override;
    void ParentFontChanged();
    void ParentColorChanged();
    void ParentShowHintChanged();
    bool mouseCaptured_ = false;

private:
    friend class TWinControl;
    void FontOnChange(TObject*);
    TWinControl* parent_ = nullptr;
    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    TAlign align_ = alNone;
    bool visible_ = true;
    bool enabled_ = true;
    std::string text_;
    std::string hint_;
    bool showHint_ = false;
    bool parentShowHint_ = true;
    TFont* font_;
    bool parentFont_ = true;
    bool fontFromParent_ = false;
    TColor color_ = clBtnFace;
    bool parentColor_ = false;
    TCursor cursor_ = crDefault;
    TPopupMenu* popupMenu_ = nullptr;
};

class TWinControl : public TControl {
    KW_CLASS(TWinControl)
public:
    explicit TWinControl(TComponent* owner);
    ~TWinControl() override;

    int ControlCount() const { return static_cast<int>(controls_.size()); }
    TControl* Controls(int index) const { return controls_.at(index); }
    const std::vector<TControl*>& ControlList() const { return controls_; }
    void InsertControl(TControl* control);
    void RemoveControl(TControl* control);
    bool ContainsControl(const TControl* control) const;
    // The windowed children in tab order.
    const std::vector<TWinControl*>& TabList() const { return tabList_; }
    // Every windowed control inside, depth first, each followed by its own.
    void GetTabOrderList(std::vector<TWinControl*>& list) const;

    int TabOrder() const;
    void SetTabOrder(int order);
    bool TabStop() const { return tabStop_; }
    void SetTabStop(bool v) { tabStop_ = v; }
    // After reading: puts the children in the tab order the text gave them.
    void FixupTabList();

    HWND Handle();
    bool HandleAllocated() const { return handle_ != 0; }
    void HandleNeeded() { Handle(); }
    void DestroyHandle();
    HWND ParentWindow() const { return parentWindow_; }
    void SetParentWindow(HWND h) { parentWindow_ = h; }

    // Focus.
    virtual bool CanFocus() const;
    bool Focused() const;
    virtual void SetFocus();
    // Windows that take the focus when clicked (edits, buttons, lists).
    virtual bool FocusOnClick() const { return false; }
    TWinControl* FindNextControl(TWinControl* current, bool goForward, bool checkTabStop, bool checkParent) const;
    void SelectNext(TWinControl* current, bool goForward, bool checkTabStop);
    void SelectFirst();
    // Keys this control handles itself instead of the form's dialog keys
    // (Tab in a memo with WantTabs, Enter in a memo with WantReturns, ...).
    virtual bool WantsKey(uint16_t key, TShiftState shift) const { return false; }

    // Key handling as the platform runs it for a key press aimed at this
    // control: dialog keys, then OnKeyDown (form first under key preview),
    // then the character (OnKeyPress, form first), then the key release.
    void HandleKeyDown(uint16_t key, TShiftState shift);
    void HandleChar(char ch);
    void HandleKeyUp(uint16_t key, TShiftState shift);

    void Broadcast(TMessage& message);
    void WndProc(TMessage& message) override;
    // Dialog keys travel on to the children of containers.
    void DefaultHandler(TMessage& message) override;
    void AlignControls();
    void DisableAlign() { ++alignDisabled_; }
    void EnableAlign();
    void SetBounds(int left, int top, int width, int height) override;
    void Loaded() override;

    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;
    TKeyEvent OnKeyDown;
    TKeyPressEvent OnKeyPress;
    TKeyEvent OnKeyUp;

protected:
    friend class TCustomForm;
    friend class TControl;
    virtual void DoEnter();
    virtual void DoExit();
    // Default handling after the events left the key alone.
    virtual void KeyDown(uint16_t& key, TShiftState shift) {}
    virtual void KeyPress(char& ch) {}
    virtual void KeyUp(uint16_t& key, TShiftState shift) {}
    bool DoKeyDown(uint16_t& key, TShiftState shift);
    bool DoKeyPress(char& ch);
    bool DoKeyUp(uint16_t& key, TShiftState shift);
    void VisibleChanged() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;

private:
    std::vector<TControl*> controls_;
    std::vector<TWinControl*> tabList_;
    HWND handle_ = 0;
    HWND parentWindow_ = 0;
    bool tabStop_ = false;
    int wantedTabOrder_ = -1;
    int alignDisabled_ = 0;
};

// A control without a window of its own (label, speed button, splitter).
class TGraphicControl : public TControl {
    KW_CLASS(TGraphicControl)
public:
    explicit TGraphicControl(TComponent* owner);
    ~TGraphicControl() override;
    // Paints into Canvas (a bitmap of the control's size).
    virtual void Paint() {}
    TCanvas* Canvas();

private:
    TBitmap* surface_ = nullptr;
};

// A windowed control that paints itself.
class TCustomControl : public TWinControl {
    KW_CLASS(TCustomControl)
public:
    explicit TCustomControl(TComponent* owner);
    ~TCustomControl() override;
    virtual void Paint() {}
    // Sizes the drawing surface to the control, runs Paint and gives it back.
    TBitmap& PaintToBitmap();
    TCanvas* Canvas();

private:
    TBitmap* surface_ = nullptr;
};

// The form that holds a control (none when it sits on no form).
TCustomForm* GetParentForm(const TControl* control);

}  // namespace kw
