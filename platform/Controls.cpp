#include "platform/Controls.h"

#include <algorithm>
#include <map>

#include "platform/Backend.h"
#include "platform/ClassBuilder.h"
#include "platform/Forms.h"
#include "platform/Menus.h"

namespace kw {

KW_DEFINE_ENUM(TAlign, "alNone", "alTop", "alBottom", "alLeft", "alRight", "alClient", "alCustom")
KW_DEFINE_ENUM(TAlignment, "taLeftJustify", "taRightJustify", "taCenter")
KW_DEFINE_ENUM(TMouseButton, "mbLeft", "mbRight", "mbMiddle")
KW_DEFINE_ENUM(TBevelCut, "bvNone", "bvLowered", "bvRaised", "bvSpace")
KW_DEFINE_ENUM(TBorderStyle, "bsNone", "bsSingle", "bsSizeable", "bsDialog", "bsToolWindow", "bsSizeToolWin")
KW_DEFINE_ENUM(TShiftStateItem, "ssShift", "ssAlt", "ssCtrl", "ssLeft", "ssRight", "ssMiddle", "ssDouble")

const TTypeInfo* TypeControlBorderStyle() {
    static auto t = MakeEnumType("TBorderStyle", {"bsNone", "bsSingle"});
    return t;
}

const TTypeInfo* TypeCursor() {
    static const TIdentMap map{{crDefault, "crDefault"}, {crNone, "crNone"}, {crArrow, "crArrow"},
                               {crCross, "crCross"}, {crIBeam, "crIBeam"}, {crSizeNESW, "crSizeNESW"},
                               {crSizeNS, "crSizeNS"}, {crSizeNWSE, "crSizeNWSE"}, {crSizeWE, "crSizeWE"},
                               {crUpArrow, "crUpArrow"}, {crHourGlass, "crHourGlass"}, {crDrag, "crDrag"},
                               {crNoDrop, "crNoDrop"}, {crHSplit, "crHSplit"}, {crVSplit, "crVSplit"},
                               {crMultiDrag, "crMultiDrag"}, {crSQLWait, "crSQLWait"}, {crNo, "crNo"},
                               {crAppStart, "crAppStart"}, {crHelp, "crHelp"}, {crHandPoint, "crHandPoint"},
                               {crSizeAll, "crSizeAll"}};
    static auto t = MakeIntegerType("TCursor", &map);
    return t;
}

namespace {
std::map<HWND, TWinControl*>& Handles() {
    static std::map<HWND, TWinControl*> handles;
    return handles;
}
TShiftState& ShiftStateStore() {
    static TShiftState state = 0;
    return state;
}
}  // namespace

TShiftState KeyboardShiftState() { return ShiftStateStore(); }
void SetKeyboardShiftState(TShiftState state) { ShiftStateStore() = state; }

char KeyToChar(uint16_t key, TShiftState shift) {
    if (shift & SS_ALT) return 0;
    if (key >= 'A' && key <= 'Z') {
        if (shift & SS_CTRL) return static_cast<char>(key - 'A' + 1);
        return static_cast<char>((shift & SS_SHIFT) ? key : key - 'A' + 'a');
    }
    if (shift & SS_CTRL) return 0;
    if (key >= '0' && key <= '9') return static_cast<char>(key);
    switch (key) {
        case VK_RETURN: return '\r';
        case VK_ESCAPE: return 27;
        case VK_BACK: return 8;
        case VK_TAB: return '\t';
        case VK_SPACE: return ' ';
        default: return 0;
    }
}

TWinControl* FindControl(HWND handle) {
    auto& h = Handles();
    auto it = h.find(handle);
    return it == h.end() ? nullptr : it->second;
}

std::string GetShortHint(const std::string& hint) {
    size_t bar = hint.find('|');
    return bar == std::string::npos ? hint : hint.substr(0, bar);
}

std::string GetLongHint(const std::string& hint) {
    size_t bar = hint.find('|');
    return bar == std::string::npos ? hint : hint.substr(bar + 1);
}

LRESULT SendMessage(HWND handle, uint32_t msg, WPARAM w, LPARAM l) {
    TWinControl* control = FindControl(handle);
    if (!control) return 0;
    TMessage m{msg, w, l, 0};
    control->MainWndProc(m);
    return m.Result;
}

void PostMessage(HWND handle, uint32_t msg, WPARAM w, LPARAM l) { Application()->PostMessage(handle, msg, w, l); }

TCustomForm* GetParentForm(const TControl* control) {
    const TControl* c = control;
    while (c && c->Parent()) c = c->Parent();
    return const_cast<TCustomForm*>(dynamic_cast<const TCustomForm*>(c));
}

// ---------------------------------------------------------------- TControl

KW_BEGIN_CLASS(TControl, TComponent)
    b.Prop("Left", &TControl::Left, &TControl::SetLeft);
    b.Prop("Top", &TControl::Top, &TControl::SetTop);
    b.Prop("Width", &TControl::Width, &TControl::SetWidth);
    b.Prop("Height", &TControl::Height, &TControl::SetHeight);
    b.Prop("Cursor", TypeCursor(), &TControl::Cursor, &TControl::SetCursor);
    b.Prop("Hint", &TControl::Hint, &TControl::SetHint);
    b.Prop("Align", &TControl::Align, &TControl::SetAlign);
    b.Prop("Visible", &TControl::Visible, &TControl::SetVisible);
    b.Prop("Enabled", &TControl::Enabled, &TControl::SetEnabled);
    b.Prop("ShowHint", &TControl::ShowHint, &TControl::SetShowHint);
    b.Prop("ParentShowHint", &TControl::ParentShowHint, &TControl::SetParentShowHint);
    b.Object("Font", &TControl::Font, &TControl::SetFont);
    b.Prop("ParentFont", &TControl::ParentFont, &TControl::SetParentFont);
    b.Prop("Color", TypeColor(), &TControl::Color, &TControl::SetColor);
    b.Prop("ParentColor", &TControl::ParentColor, &TControl::SetParentColor);
    b.Prop("PopupMenu", &TControl::PopupMenu, &TControl::SetPopupMenu);
    b.Event("OnClick", "TNotifyEvent", &TControl::OnClick);
    b.Event("OnDblClick", "TNotifyEvent", &TControl::OnDblClick);
    b.Event("OnMouseDown", "TMouseEvent", &TControl::OnMouseDown);
    b.Event("OnMouseUp", "TMouseEvent", &TControl::OnMouseUp);
    b.Event("OnMouseMove", "TMouseMoveEvent", &TControl::OnMouseMove);
KW_END_CLASS(TControl)

TControl::TControl(TComponent* owner) : TComponent(owner), font_(new TFont) {
    font_->OnChange = TNotifyEvent::Of<&TControl::FontOnChange>(this);
}

TControl::~TControl() {
    BeforeDestruction();
    if (parent_) parent_->RemoveControl(this);
    delete font_;
}

void TControl::BeforeDestruction() {
    if (state_ & csDestroying) return;
    TComponent::BeforeDestruction();
}

TComponent* TControl::GetParentComponent() const { return parent_; }

void TControl::SetParentComponent(TComponent* parent) {
    if (auto w = dynamic_cast<TWinControl*>(parent)) SetParent(w);
}

void TControl::SetParent(TWinControl* parent) {
    if (parent == parent_) return;
    if (parent == this) throw EInvalidOperation("Control cannot have itself as parent");
    if (parent_) parent_->RemoveControl(this);
    if (parent) parent->InsertControl(this);
}

void TControl::SetBounds(int left, int top, int width, int height) {
    if (left == left_ && top == top_ && width == width_ && height == height_) return;
    bool resized = width != width_ || height != height_;
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    Changed(TControlChange::Bounds);
    if (parent_ && align_ != alNone) parent_->AlignControls();
    if (resized && !(ComponentState() & csLoading)) Resize();
}

TPoint TControl::ClientToScreen(TPoint p) const {
    for (const TControl* c = this; c; c = c->parent_) {
        p.X += c->left_;
        p.Y += c->top_;
    }
    return p;
}

TPoint TControl::ScreenToClient(TPoint p) const {
    TPoint origin = ClientToScreen({0, 0});
    return {p.X - origin.X, p.Y - origin.Y};
}

void TControl::SetAlign(TAlign align) {
    if (align == align_) return;
    align_ = align;
    if (parent_) parent_->AlignControls();
}

void TControl::SetVisible(bool visible) {
    if (visible == visible_) return;
    visible_ = visible;
    VisibleChanged();
    Changed(TControlChange::Visible);
    if (parent_ && align_ != alNone) parent_->AlignControls();
    if (!visible) {
        if (TCustomForm* form = GetParentForm(this); form && form != this) {
            TWinControl* focused = form->ActiveControl();
            auto self = dynamic_cast<TWinControl*>(this);
            if (focused && (focused == self || (self && self->ContainsControl(focused)))) form->SetActiveControl(nullptr);
        }
    }
}

bool TControl::Showing() const {
    for (const TControl* c = this; c; c = c->parent_)
        if (!c->visible_) return false;
    return true;
}

bool TControl::Destroying() const {
    for (const TControl* c = this; c; c = c->parent_)
        if ((c->ComponentState() & csDestroying) || (c->Owner() && (c->Owner()->ComponentState() & csDestroying)))
            return true;
    return false;
}

void TControl::SetEnabled(bool enabled) {
    if (enabled == enabled_) return;
    enabled_ = enabled;
    EnabledChanged();
    Changed(TControlChange::Enabled);
}

void TControl::SetText(const std::string& text) {
    if (text == text_) return;
    text_ = text;
    TextChanged();
    Changed(TControlChange::Text);
}

namespace {
// Passes a change of a parent's font, colour or hint setting on to the
// controls it holds.
void PassToChildren(TControl* control, void (TControl::*changed)()) {
    if (auto w = dynamic_cast<TWinControl*>(control))
        for (TControl* c : w->ControlList()) (c->*changed)();
}
}  // namespace

void TControl::SetShowHint(bool v) {
    showHint_ = v;
    parentShowHint_ = false;
    PassToChildren(this, &TControl::ParentShowHintChanged);
}

void TControl::SetParentShowHint(bool v) {
    parentShowHint_ = v;
    if (v) ParentShowHintChanged();
}

void TControl::ParentShowHintChanged() {
    if (!parentShowHint_ || !parent_) return;
    showHint_ = parent_->showHint_;
    PassToChildren(this, &TControl::ParentShowHintChanged);
}

void TControl::FontOnChange(TObject*) {
    if (!fontFromParent_) parentFont_ = false;
    FontChanged();
}

void TControl::FontChanged() {
    Changed(TControlChange::Font);
    PassToChildren(this, &TControl::ParentFontChanged);
}

void TControl::SetParentFont(bool v) {
    parentFont_ = v;
    if (v) ParentFontChanged();
}

void TControl::ParentFontChanged() {
    if (!parentFont_ || !parent_) return;
    fontFromParent_ = true;
    font_->Assign(parent_->font_);
    fontFromParent_ = false;
    parentFont_ = true;
}

void TControl::SetColor(TColor color) {
    parentColor_ = false;
    if (color == color_) return;
    color_ = color;
    Changed(TControlChange::Color);
    PassToChildren(this, &TControl::ParentColorChanged);
}

void TControl::SetParentColor(bool v) {
    parentColor_ = v;
    if (v) ParentColorChanged();
}

void TControl::ParentColorChanged() {
    if (!parentColor_ || !parent_) return;
    color_ = parent_->color_;
    Changed(TControlChange::Color);
    PassToChildren(this, &TControl::ParentColorChanged);
}

void TControl::SetPopupMenu(TPopupMenu* menu) {
    popupMenu_ = menu;
    if (menu) menu->FreeNotification(this);
}

void TControl::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation == opRemove && component == popupMenu_) popupMenu_ = nullptr;
}

LRESULT TControl::Perform(uint32_t msg, WPARAM w, LPARAM l) {
    TMessage m{msg, w, l, 0};
    WndProc(m);
    return m.Result;
}

void TControl::MainWndProc(TMessage& message) {
    try {
        WndProc(message);
    } catch (...) {
        Application()->HandleException(this);
    }
}

void TControl::Dispatch(TMessage& message) { TObject::Dispatch(message); }

void TControl::InheritedMessage(const TClassInfo& base, TMessage& message) {
    const TClassInfo* above = base.Parent();
    if (auto handler = above ? above->FindMessageHandler(message.Msg) : nullptr)
        (*handler)(*this, message);
    else
        DefaultHandler(message);
}

void TControl::WndProc(TMessage& m) {
    const int x = MouseX(m.LParam), y = MouseY(m.LParam);
    TShiftState shift = KeyboardShiftState();
    switch (m.Msg) {
        case WM_LBUTTONDOWN:
            mouseCaptured_ = true;
            MouseDown(mbLeft, shift | (1u << ssLeft), x, y);
            break;
        case WM_LBUTTONUP: {
            bool clicked = mouseCaptured_;
            mouseCaptured_ = false;
            MouseUp(mbLeft, shift, x, y);
            bool inside = x >= 0 && y >= 0 && (x < width_ || width_ == 0) && (y < height_ || height_ == 0);
            if (clicked && inside) Click();
            break;
        }
        case WM_LBUTTONDBLCLK:
            MouseDown(mbLeft, shift | (1u << ssLeft) | (1u << ssDouble), x, y);
            DblClick();
            break;
        case WM_RBUTTONDOWN:
            MouseDown(mbRight, shift | (1u << ssRight), x, y);
            break;
        case WM_RBUTTONUP:
            MouseUp(mbRight, shift, x, y);
            break;
        case WM_MOUSEMOVE:
            MouseMove(shift, x, y);
            break;
        default:
            break;
    }
    Dispatch(m);
}

void TControl::Click() { OnClick(this); }
void TControl::DblClick() { OnDblClick(this); }
void TControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) { OnMouseDown(this, button, shift, x, y); }
void TControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y) { OnMouseUp(this, button, shift, x, y); }
void TControl::MouseMove(TShiftState shift, int x, int y) { OnMouseMove(this, shift, x, y); }
void TControl::Resize() { OnResize(this); }

void TControl::Changed(TControlChange change) {
    if (ComponentState() & csDestroying) return;
    Backend().ControlChanged(*this, change);
}

void TControl::Invalidate() { Backend().Invalidate(*this); }
void TControl::Repaint() {
    Backend().Invalidate(*this);
    Backend().Update(*this);
}
void TControl::Update() { Backend().Update(*this); }

void TControl::BringToFront() {
    if (!parent_) return;
    auto& list = parent_->controls_;
    list.erase(std::remove(list.begin(), list.end(), this), list.end());
    list.push_back(this);
    Changed(TControlChange::State);
}

void TControl::SendToBack() {
    if (!parent_) return;
    auto& list = parent_->controls_;
    list.erase(std::remove(list.begin(), list.end(), this), list.end());
    list.insert(list.begin(), this);
    Changed(TControlChange::State);
}

TSize TControl::TextExtent(const std::string& text) const { return Backend().TextExtent(*font_, text); }

// ---------------------------------------------------------------- TWinControl

KW_BEGIN_CLASS(TWinControl, TControl)
    b.Prop("TabOrder", &TWinControl::TabOrder, &TWinControl::SetTabOrder);
    b.Prop("TabStop", &TWinControl::TabStop, &TWinControl::SetTabStop);
    b.Event("OnEnter", "TNotifyEvent", &TWinControl::OnEnter);
    b.Event("OnExit", "TNotifyEvent", &TWinControl::OnExit);
    b.Event("OnKeyDown", "TKeyEvent", &TWinControl::OnKeyDown);
    b.Event("OnKeyPress", "TKeyPressEvent", &TWinControl::OnKeyPress);
    b.Event("OnKeyUp", "TKeyEvent", &TWinControl::OnKeyUp);
KW_END_CLASS(TWinControl)

TWinControl::TWinControl(TComponent* owner) : TControl(owner) {}

TWinControl::~TWinControl() {
    BeforeDestruction();
    while (!controls_.empty()) controls_.back()->Free();
    DestroyHandle();
}

void TWinControl::InsertControl(TControl* control) {
    control->parent_ = this;
    controls_.push_back(control);
    if (auto w = dynamic_cast<TWinControl*>(control)) tabList_.push_back(w);
    control->ParentFontChanged();
    control->ParentColorChanged();
    control->ParentShowHintChanged();
    control->Changed(TControlChange::Parent);
    if (control->align_ != alNone) AlignControls();
}

void TWinControl::RemoveControl(TControl* control) {
    if (TCustomForm* form = GetParentForm(this)) {
        auto w = dynamic_cast<TWinControl*>(control);
        TWinControl* focused = form->ActiveControl();
        if (focused && w && (focused == w || w->ContainsControl(focused))) form->SetActiveControl(nullptr);
    }
    controls_.erase(std::remove(controls_.begin(), controls_.end(), control), controls_.end());
    tabList_.erase(std::remove(tabList_.begin(), tabList_.end(), control), tabList_.end());
    control->parent_ = nullptr;
    if (!(ComponentState() & csDestroying)) {
        control->Changed(TControlChange::Parent);
        if (control->align_ != alNone) AlignControls();
    }
}

bool TWinControl::ContainsControl(const TControl* control) const {
    for (const TControl* c = control; c; c = c->Parent())
        if (c == this) return true;
    return false;
}

void TWinControl::GetTabOrderList(std::vector<TWinControl*>& list) const {
    for (TWinControl* c : tabList_) {
        list.push_back(c);
        c->GetTabOrderList(list);
    }
}

int TWinControl::TabOrder() const {
    if (!Parent()) return -1;
    auto& list = Parent()->tabList_;
    auto it = std::find(list.begin(), list.end(), this);
    return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

void TWinControl::SetTabOrder(int order) {
    if (ComponentState() & csLoading) {
        wantedTabOrder_ = order;
        return;
    }
    if (!Parent()) return;
    auto& list = Parent()->tabList_;
    int count = static_cast<int>(list.size());
    if (order < 0 || order >= count) order = count - 1;
    list.erase(std::remove(list.begin(), list.end(), this), list.end());
    list.insert(list.begin() + order, this);
}

void TWinControl::FixupTabList() {
    std::vector<TWinControl*> wanted, rest;
    for (TWinControl* c : tabList_) (c->wantedTabOrder_ >= 0 ? wanted : rest).push_back(c);
    std::stable_sort(wanted.begin(), wanted.end(),
                     [](TWinControl* a, TWinControl* b) { return a->wantedTabOrder_ < b->wantedTabOrder_; });
    // Controls with a stored order take their place; the others fill the gaps in reading order.
    std::vector<TWinControl*> result(tabList_.size(), nullptr);
    std::vector<TWinControl*> overflow;
    for (TWinControl* c : wanted) {
        size_t at = static_cast<size_t>(c->wantedTabOrder_);
        if (at < result.size() && !result[at])
            result[at] = c;
        else
            overflow.push_back(c);
        c->wantedTabOrder_ = -1;
    }
    overflow.insert(overflow.end(), rest.begin(), rest.end());
    size_t next = 0;
    for (auto& slot : result)
        if (!slot) slot = overflow[next++];
    tabList_ = std::move(result);
}

HWND TWinControl::Handle() {
    if (!handle_) {
        if (ComponentState() & csDestroying) return 0;
        handle_ = Backend().CreateWindowHandle(*this);
        Handles()[handle_] = this;
    }
    return handle_;
}

void TWinControl::DestroyHandle() {
    if (!handle_) return;
    Handles().erase(handle_);
    Backend().DestroyWindowHandle(*this, handle_);
    handle_ = 0;
}

bool TWinControl::CanFocus() const {
    TCustomForm* form = GetParentForm(this);
    if (!form) return false;
    for (const TControl* c = this; c && c != form; c = c->Parent())
        if (!c->Visible() || !c->Enabled()) return false;
    return true;
}

bool TWinControl::Focused() const {
    TCustomForm* form = GetParentForm(this);
    return form && form->Active() && form->ActiveControl() == this;
}

void TWinControl::SetFocus() {
    TCustomForm* form = GetParentForm(this);
    if (form) {
        form->FocusControl(this);
    } else {
        Backend().SetFocus(*this);
    }
}

TWinControl* TWinControl::FindNextControl(TWinControl* current, bool goForward, bool checkTabStop,
                                          bool checkParent) const {
    std::vector<TWinControl*> list;
    GetTabOrderList(list);
    if (list.empty()) return nullptr;
    int n = static_cast<int>(list.size());
    auto it = std::find(list.begin(), list.end(), current);
    int start = it == list.end() ? (goForward ? n - 1 : 0) : static_cast<int>(it - list.begin());
    int i = start;
    for (int step = 0; step < n; ++step) {
        i = goForward ? (i + 1) % n : (i - 1 + n) % n;
        TWinControl* c = list[i];
        if (c == current) break;
        if ((!checkTabStop || c->TabStop()) && (!checkParent || c->Parent() == this) && c->CanFocus()) return c;
    }
    return nullptr;
}

void TWinControl::SelectNext(TWinControl* current, bool goForward, bool checkTabStop) {
    if (TWinControl* next = FindNextControl(current, goForward, checkTabStop, !checkTabStop)) next->SetFocus();
}

void TWinControl::SelectFirst() {
    TWinControl* first = FindNextControl(nullptr, true, true, false);
    if (!first) first = FindNextControl(nullptr, true, false, false);
    if (first) first->SetFocus();
}

void TWinControl::DoEnter() { OnEnter(this); }
void TWinControl::DoExit() { OnExit(this); }

bool TWinControl::DoKeyDown(uint16_t& key, TShiftState shift) {
    TCustomForm* form = GetParentForm(this);
    if (form && form != this && form->KeyPreview()) {
        form->OnKeyDown(form, key, shift);
        if (key == 0) return true;
    }
    OnKeyDown(this, key, shift);
    if (key == 0) return true;
    KeyDown(key, shift);
    return key == 0;
}

bool TWinControl::DoKeyPress(char& ch) {
    TCustomForm* form = GetParentForm(this);
    if (form && form != this && form->KeyPreview()) {
        form->OnKeyPress(form, ch);
        if (ch == 0) return true;
    }
    OnKeyPress(this, ch);
    if (ch == 0) return true;
    KeyPress(ch);
    return ch == 0;
}

bool TWinControl::DoKeyUp(uint16_t& key, TShiftState shift) {
    TCustomForm* form = GetParentForm(this);
    if (form && form != this && form->KeyPreview()) {
        form->OnKeyUp(form, key, shift);
        if (key == 0) return true;
    }
    OnKeyUp(this, key, shift);
    if (key == 0) return true;
    KeyUp(key, shift);
    return key == 0;
}

void TWinControl::HandleKeyDown(uint16_t key, TShiftState shift) {
    const bool dialogKey = key == VK_TAB || key == VK_RETURN || key == VK_ESCAPE;
    if (dialogKey && !WantsKey(key, shift)) {
        TCustomForm* form = GetParentForm(this);
        if (form && form->DialogKey(key, shift)) return;
    }
    uint16_t k = key;
    DoKeyDown(k, shift);
    // The character follows the key as the platform's message loop
    // translates it, even when a handler cleared the key.
    if (char ch = KeyToChar(key, shift)) HandleChar(ch);
}

void TWinControl::HandleChar(char ch) { DoKeyPress(ch); }

void TWinControl::HandleKeyUp(uint16_t key, TShiftState shift) { DoKeyUp(key, shift); }

void TWinControl::WndProc(TMessage& m) {
    switch (m.Msg) {
        case WM_KEYDOWN: HandleKeyDown(static_cast<uint16_t>(m.WParam), KeyboardShiftState()); break;
        case WM_CHAR: HandleChar(static_cast<char>(m.WParam)); break;
        case WM_KEYUP: HandleKeyUp(static_cast<uint16_t>(m.WParam), KeyboardShiftState()); break;
        default: break;
    }
    TControl::WndProc(m);
}

void TWinControl::DefaultHandler(TMessage& m) {
    if (m.Msg == CM_DIALOGKEY) Broadcast(m);
}

void TWinControl::Broadcast(TMessage& message) {
    std::vector<TControl*> children = controls_;
    for (TControl* c : children) {
        c->WndProc(message);
        if (message.Result) return;
    }
}

void TWinControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (button == mbLeft && FocusOnClick() && CanFocus() && !Focused()) {
        TCustomForm* form = GetParentForm(this);
        if (form && form->Visible()) SetFocus();
    }
    TControl::MouseDown(button, shift, x, y);
}

void TWinControl::VisibleChanged() {
    if (handle_) Backend().ShowWindow(*this, Visible());
}

void TWinControl::EnableAlign() {
    if (alignDisabled_ > 0 && --alignDisabled_ == 0) AlignControls();
}

void TWinControl::SetBounds(int left, int top, int width, int height) {
    bool resized = width != Width() || height != Height();
    TControl::SetBounds(left, top, width, height);
    if (resized) AlignControls();
}

void TWinControl::Loaded() {
    TControl::Loaded();
    AlignControls();
}

void TWinControl::AlignControls() {
    if (alignDisabled_ || (ComponentState() & (csLoading | csDestroying))) return;
    ++alignDisabled_;
    TRect r = ClientRect();
    auto place = [&](TAlign align) {
        std::vector<TControl*> list;
        for (TControl* c : controls_)
            if (c->Align() == align && c->Visible()) list.push_back(c);
        std::stable_sort(list.begin(), list.end(), [align](TControl* a, TControl* b) {
            switch (align) {
                case alTop: return a->Top() < b->Top();
                case alBottom: return a->Top() + a->Height() > b->Top() + b->Height();
                case alLeft: return a->Left() < b->Left();
                case alRight: return a->Left() + a->Width() > b->Left() + b->Width();
                default: return false;
            }
        });
        for (TControl* c : list) {
            switch (align) {
                case alTop:
                    c->SetBounds(r.Left, r.Top, r.Width(), c->Height());
                    r.Top += c->Height();
                    break;
                case alBottom:
                    c->SetBounds(r.Left, r.Bottom - c->Height(), r.Width(), c->Height());
                    r.Bottom -= c->Height();
                    break;
                case alLeft:
                    c->SetBounds(r.Left, r.Top, c->Width(), r.Height());
                    r.Left += c->Width();
                    break;
                case alRight:
                    c->SetBounds(r.Right - c->Width(), r.Top, c->Width(), r.Height());
                    r.Right -= c->Width();
                    break;
                case alClient:
                    c->SetBounds(r.Left, r.Top, std::max(r.Width(), 0), std::max(r.Height(), 0));
                    break;
                default:
                    break;
            }
        }
    };
    for (TAlign a : {alTop, alBottom, alLeft, alRight, alClient}) place(a);
    --alignDisabled_;
}

// ---------------------------------------------------------------- painted controls

KW_BEGIN_CLASS(TGraphicControl, TControl)
KW_END_CLASS(TGraphicControl)

TGraphicControl::TGraphicControl(TComponent* owner) : TControl(owner) {}
TGraphicControl::~TGraphicControl() {
    BeforeDestruction();
    delete surface_;
}

TCanvas* TGraphicControl::Canvas() {
    if (!surface_) surface_ = new TBitmap;
    surface_->SetSize(Width(), Height());
    surface_->Canvas()->Font()->Assign(Font());
    return surface_->Canvas();
}

KW_BEGIN_CLASS(TCustomControl, TWinControl)
KW_END_CLASS(TCustomControl)

TCustomControl::TCustomControl(TComponent* owner) : TWinControl(owner) {}
TCustomControl::~TCustomControl() {
    BeforeDestruction();
    delete surface_;
}

TCanvas* TCustomControl::Canvas() {
    if (!surface_) {
        surface_ = new TBitmap;
        surface_->SetPixelFormat(pf24bit);
    }
    surface_->SetSize(Width(), Height());
    surface_->Canvas()->Font()->Assign(Font());
    return surface_->Canvas();
}

TBitmap& TCustomControl::PaintToBitmap() {
    Canvas()->ClearTexts();
    Paint();
    return *surface_;
}

}  // namespace kw
