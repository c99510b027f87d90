#include "platform/StdCtrls.h"

#include <algorithm>

#include "platform/Backend.h"
#include "platform/ClassBuilder.h"
#include "platform/Forms.h"
#include "platform/SysUtils.h"

namespace kw {

KW_DEFINE_ENUM(TTextLayout, "tlTop", "tlCenter", "tlBottom")
KW_DEFINE_ENUM(TEditCharCase, "ecNormal", "ecUpperCase", "ecLowerCase")
KW_DEFINE_ENUM(TScrollStyle, "ssNone", "ssHorizontal", "ssVertical", "ssBoth")
KW_DEFINE_ENUM(TComboBoxStyle, "csDropDown", "csSimple", "csDropDownList", "csOwnerDrawFixed", "csOwnerDrawVariable")
KW_DEFINE_ENUM(TListBoxStyle, "lbStandard", "lbOwnerDrawFixed", "lbOwnerDrawVariable", "lbVirtual",
               "lbVirtualOwnerDraw")
KW_DEFINE_ENUM(TCheckBoxState, "cbUnchecked", "cbChecked", "cbGrayed")

const TTypeInfo* TypeLeftRight() {
    static auto t = MakeEnumType("TLeftRight", {"taLeftJustify", "taRightJustify"});
    return t;
}

// ---------------------------------------------------------------- labels

KW_BEGIN_CLASS(TCustomLabel, TGraphicControl)
KW_END_CLASS(TCustomLabel)

TCustomLabel::TCustomLabel(TComponent* owner) : TGraphicControl(owner) {
    SetBounds(0, 0, 65, 17);
    AdjustBounds();
}

std::string TCustomLabel::DisplayText() const {
    std::string text = Text();
    if (!showAccelChar_) return text;
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '&') {
            if (i + 1 < text.size() && text[i + 1] == '&') {
                out += '&';
                ++i;
            }
            continue;
        }
        out += text[i];
    }
    return out;
}

void TCustomLabel::SetAutoSize(bool v) {
    autoSize_ = v;
    AdjustBounds();
}

void TCustomLabel::AdjustBounds() {
    if (!autoSize_ || wordWrap_ || (ComponentState() & csLoading)) return;
    std::string text = DisplayText();
    if (text.empty()) text = " ";
    TSize size = TextExtent(text);
    int left = Left();
    if (alignment_ == taRightJustify) left += Width() - size.cx;
    if (alignment_ == taCenter) left += (Width() - size.cx) / 2;
    SetBounds(left, Top(), size.cx, size.cy);
}

void TCustomLabel::Loaded() {
    TGraphicControl::Loaded();
    AdjustBounds();
}

void TCustomLabel::TextChanged() {
    AdjustBounds();
    Invalidate();
}

void TCustomLabel::FontChanged() {
    TGraphicControl::FontChanged();
    AdjustBounds();
}

void TCustomLabel::SetFocusControl(TWinControl* control) {
    focusControl_ = control;
    if (control) control->FreeNotification(this);
}

void TCustomLabel::Notification(TComponent* component, TOperation operation) {
    TGraphicControl::Notification(component, operation);
    if (operation == opRemove && component == focusControl_) focusControl_ = nullptr;
}

void TCustomLabel::Paint() {
    TCanvas* canvas = Canvas();
    if (!transparent_) {
        canvas->Brush()->SetColor(Color());
        canvas->FillRect(ClientRect());
    }
    uint32_t flags = tfSingleLine;
    if (alignment_ == taCenter) flags |= tfCenter;
    if (alignment_ == taRightJustify) flags |= tfRight;
    if (layout_ == tlCenter) flags |= tfVerticalCenter;
    canvas->DrawText(ClientRect(), DisplayText(), flags);
}

KW_BEGIN_CLASS(TLabel, TCustomLabel)
    b.Prop("Caption", TypeCaption(), &TLabel::Text, &TLabel::SetText);
    b.Prop("AutoSize", &TLabel::AutoSize, &TLabel::SetAutoSize);
    b.Prop("Alignment", &TLabel::Alignment, &TLabel::SetAlignment);
    b.Prop("Layout", &TLabel::Layout, &TLabel::SetLayout);
    b.Prop("FocusControl", &TLabel::FocusControl, &TLabel::SetFocusControl);
    b.Prop("Transparent", &TLabel::Transparent, &TLabel::SetTransparent);
    b.Prop("WordWrap", &TLabel::WordWrap, &TLabel::SetWordWrap);
    b.Prop("ShowAccelChar", &TLabel::ShowAccelChar, &TLabel::SetShowAccelChar);
    b.Creatable();
KW_END_CLASS(TLabel)

TLabel::TLabel(TComponent* owner) : TCustomLabel(owner) {}

// ---------------------------------------------------------------- edits

KW_BEGIN_CLASS(TCustomEdit, TWinControl)
KW_END_CLASS(TCustomEdit)

TCustomEdit::TCustomEdit(TComponent* owner) : TWinControl(owner) {
    SetBounds(0, 0, 121, 21);
    SetTabStop(true);
    SetColor(clWindow);
}

void TCustomEdit::SetCharCase(TEditCharCase c) {
    charCase_ = c;
    if (c != ecNormal) SetText(Text());
}

std::string TCustomEdit::ApplyCharCase(const std::string& text) const {
    switch (charCase_) {
        case ecUpperCase: return UpperCase(text);
        case ecLowerCase: return LowerCase(text);
        default: return text;
    }
}

void TCustomEdit::SetText(const std::string& text) {
    std::string t = ApplyCharCase(text);
    TWinControl::SetText(t);
    int len = static_cast<int>(ShownText().size());
    selStart_ = std::min(selStart_, len);
    selLength_ = std::min(selLength_, len - selStart_);
}

void TCustomEdit::TextChanged() { Change(); }

void TCustomEdit::Change() {
    modified_ = true;
    OnChange(this);
}

void TCustomEdit::SetSelStart(int pos) {
    selStart_ = std::clamp(pos, 0, static_cast<int>(ShownText().size()));
    selLength_ = 0;
}

void TCustomEdit::SetSelLength(int len) {
    selLength_ = std::clamp(len, 0, static_cast<int>(ShownText().size()) - selStart_);
}

std::string TCustomEdit::SelText() const { return ShownText().substr(selStart_, selLength_); }

void TCustomEdit::SetSelText(const std::string& text) {
    std::string t = ShownText();
    t.replace(selStart_, selLength_, text);
    int caret = selStart_ + static_cast<int>(text.size());
    SetText(t);
    selStart_ = std::min(caret, static_cast<int>(ShownText().size()));
    selLength_ = 0;
}

void TCustomEdit::SelectAll() {
    selStart_ = 0;
    selLength_ = static_cast<int>(ShownText().size());
}

void TCustomEdit::CopyToClipboard() {
    if (selLength_ > 0 && !passwordChar_) Backend().SetClipboardText(SelText());
}

void TCustomEdit::CutToClipboard() {
    if (readOnly_) return;
    CopyToClipboard();
    SetSelText("");
}

void TCustomEdit::PasteFromClipboard() {
    if (!readOnly_) TypeInsert(Backend().ClipboardText());
}

void TCustomEdit::DoEnter() {
    if (autoSelect_) SelectAll();
    TWinControl::DoEnter();
}

void TCustomEdit::TypeInsert(const std::string& text) {
    if (readOnly_) return;
    std::string insert = ApplyCharCase(text);
    if (maxLength_ > 0) {
        int room = maxLength_ - (static_cast<int>(ShownText().size()) - selLength_);
        if (room <= 0) {
            Backend().Beep();
            return;
        }
        if (static_cast<int>(insert.size()) > room) insert.resize(room);
    }
    SetSelText(insert);
}

void TCustomEdit::TypeDelete(bool forward) {
    if (readOnly_) return;
    if (selLength_ == 0) {
        if (forward) {
            if (selStart_ >= static_cast<int>(ShownText().size())) return;
            selLength_ = 1;
        } else {
            if (selStart_ == 0) return;
            --selStart_;
            selLength_ = 1;
        }
    }
    SetSelText("");
}

void TCustomEdit::KeyDown(uint16_t& key, TShiftState shift) {
    int len = static_cast<int>(ShownText().size());
    switch (key) {
        case VK_LEFT: SetSelStart(selStart_ - 1); break;
        case VK_RIGHT: SetSelStart(selStart_ + selLength_ + (selLength_ ? 0 : 1)); break;
        case VK_HOME: SetSelStart(0); break;
        case VK_END: SetSelStart(len); break;
        case VK_DELETE: TypeDelete(true); break;
        default: break;
    }
}

void TCustomEdit::KeyPress(char& ch) {
    unsigned char c = static_cast<unsigned char>(ch);
    if (c == 8) {
        TypeDelete(false);
    } else if (c == 3) {
        CopyToClipboard();
    } else if (c == 22) {
        PasteFromClipboard();
    } else if (c == 24) {
        CutToClipboard();
    } else if (c == 1) {
        SelectAll();
    } else if (c >= 32) {
        TypeInsert(std::string(1, ch));
    }
}

namespace {
template <class C>
void PublishEdit(TClassBuilder<C>& b) {
    b.Prop("Text", TypeCaption(), &C::Text, &C::SetText);
    b.Prop("MaxLength", &C::MaxLength, &C::SetMaxLength);
    b.Prop("ReadOnly", &C::ReadOnly, &C::SetReadOnly);
    b.Prop("CharCase", &C::CharCase, &C::SetCharCase);
    b.Prop("AutoSelect", &C::AutoSelect, &C::SetAutoSelect);
    b.Prop("ImeName", TypeImeName(), &C::ImeName, &C::SetImeName);
    b.Event("OnChange", "TNotifyEvent", &C::OnChange);
}
}  // namespace

KW_BEGIN_CLASS(TEdit, TCustomEdit)
    PublishEdit(b);
    b.Prop("PasswordChar", &TEdit::PasswordChar, &TEdit::SetPasswordChar);
    b.Creatable();
KW_END_CLASS(TEdit)

TEdit::TEdit(TComponent* owner) : TCustomEdit(owner) {}

// ---------------------------------------------------------------- memo

KW_BEGIN_CLASS(TMemo, TCustomEdit)
    b.Object("Lines", &TMemo::Lines, &TMemo::SetLines);
    b.Prop("MaxLength", &TMemo::MaxLength, &TMemo::SetMaxLength);
    b.Prop("ReadOnly", &TMemo::ReadOnly, &TMemo::SetReadOnly);
    b.Prop("ImeName", TypeImeName(), &TMemo::ImeName, &TMemo::SetImeName);
    b.Prop("WantReturns", &TMemo::WantReturns, &TMemo::SetWantReturns);
    b.Prop("WantTabs", &TMemo::WantTabs, &TMemo::SetWantTabs);
    b.Prop("WordWrap", &TMemo::WordWrap, &TMemo::SetWordWrap);
    b.Prop("ScrollBars", &TMemo::ScrollBars, &TMemo::SetScrollBars);
    b.Prop("Alignment", &TMemo::Alignment, &TMemo::SetAlignment);
    b.Event("OnChange", "TNotifyEvent", &TMemo::OnChange);
    b.Creatable();
KW_END_CLASS(TMemo)

TMemo::TMemo(TComponent* owner) : TCustomEdit(owner), lines_(new TStringList) {
    SetBounds(0, 0, 185, 89);
    SetAutoSelect(false);
    lines_->OnChange = TNotifyEvent::Of<&TMemo::LinesChanged>(this);
}

TMemo::~TMemo() {
    BeforeDestruction();
    delete lines_;
}

std::string TMemo::Text() const {
    std::string text = lines_->Text();
    if (text.size() >= 2) text.resize(text.size() - 2);
    return text;
}

void TMemo::SetText(const std::string& text) {
    if (text == Text()) return;
    settingLines_ = true;
    lines_->SetText(text);
    // A text that ends with a line break keeps an empty last line.
    if (!text.empty() && (text.back() == '\n' || text.back() == '\r')) lines_->Add("");
    settingLines_ = false;
    LinesChanged(nullptr);
}

void TMemo::LinesChanged(TObject*) {
    if (settingLines_) return;
    int len = static_cast<int>(Text().size());
    if (SelStart() > len) SetSelStart(len);
    Changed(TControlChange::Text);
    Change();
}

TPoint TMemo::CaretPos() const {
    std::string text = Text();
    int line = 0, col = 0;
    for (int i = 0; i < SelStart() && i < static_cast<int>(text.size()); ++i) {
        if (text[i] == '\n') {
            ++line;
            col = 0;
        } else if (text[i] != '\r') {
            ++col;
        }
    }
    return {col, line};
}

void TMemo::SetCaretPos(TPoint p) {
    std::string text = Text();
    int pos = 0;
    for (int line = 0; line < p.Y && pos < static_cast<int>(text.size()); ++pos)
        if (text[pos] == '\n') ++line;
    int end = static_cast<int>(text.find("\r\n", pos));
    if (end < 0) end = static_cast<int>(text.size());
    SetSelStart(std::min(pos + p.X, end));
}

bool TMemo::WantsKey(uint16_t key, TShiftState shift) const {
    if (key == VK_RETURN) return wantReturns_ && !(shift & SS_CTRL);
    if (key == VK_TAB) return wantTabs_ && !(shift & SS_CTRL);
    return false;
}

void TMemo::KeyPress(char& ch) {
    if (ch == '\r') {
        if (wantReturns_) TypeInsert("\r\n");
        return;
    }
    if (ch == '\t') {
        if (wantTabs_) TypeInsert("\t");
        return;
    }
    TCustomEdit::KeyPress(ch);
}

// ---------------------------------------------------------------- combo box

KW_BEGIN_CLASS(TComboBox, TWinControl)
    b.Prop("Style", &TComboBox::Style, &TComboBox::SetStyle);
    b.Object("Items", &TComboBox::Items, &TComboBox::SetItems);
    b.Prop("ItemIndex", &TComboBox::ItemIndex, &TComboBox::SetItemIndex);
    b.Prop("Text", TypeCaption(), &TComboBox::Text, &TComboBox::SetText);
    b.Prop("Sorted", &TComboBox::Sorted, &TComboBox::SetSorted);
    b.Prop("DropDownCount", &TComboBox::DropDownCount, &TComboBox::SetDropDownCount);
    b.Prop("ItemHeight", &TComboBox::ItemHeight, &TComboBox::SetItemHeight);
    b.Prop("MaxLength", &TComboBox::MaxLength, &TComboBox::SetMaxLength);
    b.Prop("ImeName", TypeImeName(), &TComboBox::ImeName, &TComboBox::SetImeName);
    b.Event("OnChange", "TNotifyEvent", &TComboBox::OnChange);
    b.Event("OnSelect", "TNotifyEvent", &TComboBox::OnSelect);
    b.Event("OnDropDown", "TNotifyEvent", &TComboBox::OnDropDown);
    b.Event("OnCloseUp", "TNotifyEvent", &TComboBox::OnCloseUp);
    b.Creatable();
KW_END_CLASS(TComboBox)

TComboBox::TComboBox(TComponent* owner) : TWinControl(owner), items_(new TStringList) {
    SetBounds(0, 0, 145, 21);
    SetTabStop(true);
    SetColor(clWindow);
    items_->OnChange = TNotifyEvent::Of<&TComboBox::ItemsChanged>(this);
}

TComboBox::~TComboBox() {
    BeforeDestruction();
    delete items_;
}

void TComboBox::SetStyle(TComboBoxStyle s) {
    if (s == style_) return;
    style_ = s;
    Changed(TControlChange::State);
}

void TComboBox::ItemsChanged(TObject*) {
    if (itemIndex_ >= items_->Count()) {
        itemIndex_ = -1;
        if (style_ == csDropDownList || style_ == csOwnerDrawFixed || style_ == csOwnerDrawVariable)
            TWinControl::SetText("");
    }
    Changed(TControlChange::State);
}

void TComboBox::SetItemIndex(int index) {
    if (index < -1 || index >= items_->Count()) index = -1;
    itemIndex_ = index;
    TWinControl::SetText(index >= 0 ? (*items_)[index] : std::string());
}

void TComboBox::SetText(const std::string& text) {
    int match = -1;
    for (int i = 0; i < items_->Count(); ++i)
        if ((*items_)[i] == text) {
            match = i;
            break;
        }
    bool listOnly = style_ == csDropDownList;
    if (listOnly && match < 0) return;
    itemIndex_ = match;
    TWinControl::SetText(text);
}

void TComboBox::SelectByUser(int index) {
    if (index < 0 || index >= items_->Count()) return;
    SetItemIndex(index);
    OnSelect(this);
    OnChange(this);
}

void TComboBox::SetDroppedDown(bool d) {
    if (d == droppedDown_) return;
    droppedDown_ = d;
    if (d)
        OnDropDown(this);
    else
        OnCloseUp(this);
}

void TComboBox::Clear() {
    items_->Clear();
    SetItemIndex(-1);
}

void TComboBox::KeyDown(uint16_t& key, TShiftState shift) {
    if (key == VK_DOWN && itemIndex_ + 1 < items_->Count()) SelectByUser(itemIndex_ + 1);
    if (key == VK_UP && itemIndex_ > 0) SelectByUser(itemIndex_ - 1);
}

void TComboBox::KeyPress(char& ch) {
    unsigned char c = static_cast<unsigned char>(ch);
    if (c < 32 && c != 8) return;
    bool listOnly = style_ == csDropDownList || style_ == csOwnerDrawFixed || style_ == csOwnerDrawVariable;
    if (listOnly) {
        // A typed character selects the next item that starts with it.
        int n = items_->Count();
        for (int step = 1; step <= n; ++step) {
            int i = (itemIndex_ + step + n) % n;
            const std::string& item = (*items_)[i];
            if (!item.empty() && SameText(item.substr(0, 1), std::string(1, ch))) {
                SelectByUser(i);
                return;
            }
        }
        return;
    }
    std::string text = Text();
    if (c == 8) {
        if (!text.empty()) text.pop_back();
    } else {
        if (maxLength_ > 0 && static_cast<int>(text.size()) >= maxLength_) return;
        text += ch;
    }
    TWinControl::SetText(text);
    itemIndex_ = -1;
    OnChange(this);
}

// ---------------------------------------------------------------- list box

KW_BEGIN_CLASS(TListBox, TWinControl)
    b.Prop("Style", &TListBox::Style, &TListBox::SetStyle);
    b.Object("Items", &TListBox::Items, &TListBox::SetItems);
    b.Prop("ItemIndex", &TListBox::ItemIndex, &TListBox::SetItemIndex);
    b.Prop("MultiSelect", &TListBox::MultiSelect, &TListBox::SetMultiSelect);
    b.Prop("Sorted", &TListBox::Sorted, &TListBox::SetSorted);
    b.Prop("ItemHeight", &TListBox::ItemHeight, &TListBox::SetItemHeight);
    b.Creatable();
KW_END_CLASS(TListBox)

TListBox::TListBox(TComponent* owner) : TWinControl(owner), items_(new TStringList) {
    SetBounds(0, 0, 121, 97);
    SetTabStop(true);
    SetColor(clWindow);
    items_->OnChange = TNotifyEvent::Of<&TListBox::ItemsChanged>(this);
}

TListBox::~TListBox() {
    BeforeDestruction();
    delete items_;
}

void TListBox::SetItemIndex(int index) { itemIndex_ = (index < -1 || index >= items_->Count()) ? -1 : index; }

void TListBox::ItemsChanged(TObject*) {
    if (itemIndex_ >= items_->Count()) itemIndex_ = -1;
}

// ---------------------------------------------------------------- buttons

KW_BEGIN_CLASS(TButtonControl, TWinControl)
KW_END_CLASS(TButtonControl)

TButtonControl::TButtonControl(TComponent* owner) : TWinControl(owner) { SetTabStop(true); }

void TButtonControl::KeyPress(char& ch) {
    if (ch == ' ') Click();
}

KW_BEGIN_CLASS(TButton, TButtonControl)
    b.Prop("Caption", TypeCaption(), &TButton::Text, &TButton::SetText);
    b.Prop("Default", &TButton::Default, &TButton::SetDefault);
    b.Prop("Cancel", &TButton::Cancel, &TButton::SetCancel);
    b.Prop("ModalResult", TypeModalResult(), &TButton::ModalResult, &TButton::SetModalResult);
    b.Message<&TButton::CMDialogKey>(CM_DIALOGKEY);
    b.Creatable();
KW_END_CLASS(TButton)

TButton::TButton(TComponent* owner) : TButtonControl(owner) { SetBounds(0, 0, 75, 25); }

void TButton::Click() {
    if (TCustomForm* form = GetParentForm(this)) form->SetModalResult(modalResult_);
    TButtonControl::Click();
}

void TButton::CMDialogKey(TMessage& m) {
    bool enter = m.WParam == VK_RETURN && (default_ || Focused());
    bool escape = m.WParam == VK_ESCAPE && cancel_;
    if ((enter || escape) && CanFocus()) {
        Click();
        m.Result = 1;
    }
}

KW_BEGIN_CLASS(TCheckBox, TButtonControl)
    b.Prop("Caption", TypeCaption(), &TCheckBox::Text, &TCheckBox::SetText);
    b.Prop("Checked", &TCheckBox::Checked, &TCheckBox::SetChecked);
    b.Prop("State", &TCheckBox::State, &TCheckBox::SetState);
    b.Prop("AllowGrayed", &TCheckBox::AllowGrayed, &TCheckBox::SetAllowGrayed);
    b.Prop("Alignment", TypeLeftRight(), &TCheckBox::Alignment, &TCheckBox::SetAlignment);
    b.Creatable();
KW_END_CLASS(TCheckBox)

TCheckBox::TCheckBox(TComponent* owner) : TButtonControl(owner) { SetBounds(0, 0, 97, 17); }

void TCheckBox::SetState(TCheckBoxState s) {
    if (s == state_) return;
    state_ = s;
    Changed(TControlChange::State);
    if (!inSetState_ && !(ComponentState() & csLoading)) TButtonControl::Click();
}

void TCheckBox::Click() {
    TCheckBoxState next = state_ == cbUnchecked ? (allowGrayed_ ? cbGrayed : cbChecked)
                          : state_ == cbChecked ? cbUnchecked
                                                : cbChecked;
    inSetState_ = true;
    SetState(next);
    inSetState_ = false;
    TButtonControl::Click();
}

KW_BEGIN_CLASS(TRadioButton, TButtonControl)
    b.Prop("Caption", TypeCaption(), &TRadioButton::Text, &TRadioButton::SetText);
    b.Prop("Checked", &TRadioButton::Checked, &TRadioButton::SetChecked);
    b.Prop("Alignment", TypeLeftRight(), &TRadioButton::Alignment, &TRadioButton::SetAlignment);
    b.Creatable();
KW_END_CLASS(TRadioButton)

TRadioButton::TRadioButton(TComponent* owner) : TButtonControl(owner) { SetBounds(0, 0, 113, 17); }

void TRadioButton::SetChecked(bool c) {
    if (c == checked_) return;
    checked_ = c;
    SetTabStop(c);
    Changed(TControlChange::State);
    if (!c) return;
    if (Parent())
        for (TControl* sibling : Parent()->ControlList())
            if (auto r = dynamic_cast<TRadioButton*>(sibling); r && r != this) r->SetChecked(false);
    if (!inSetChecked_ && !(ComponentState() & csLoading)) TButtonControl::Click();
}

void TRadioButton::Click() {
    inSetChecked_ = true;
    SetChecked(true);
    inSetChecked_ = false;
    TButtonControl::Click();
}

// ---------------------------------------------------------------- group box

KW_BEGIN_CLASS(TCustomGroupBox, TCustomControl)
KW_END_CLASS(TCustomGroupBox)

TCustomGroupBox::TCustomGroupBox(TComponent* owner) : TCustomControl(owner) { SetBounds(0, 0, 185, 105); }

KW_BEGIN_CLASS(TGroupBox, TCustomGroupBox)
    b.Prop("Caption", TypeCaption(), &TGroupBox::Text, &TGroupBox::SetText);
    b.Creatable();
KW_END_CLASS(TGroupBox)

TGroupBox::TGroupBox(TComponent* owner) : TCustomGroupBox(owner) {}

}  // namespace kw
