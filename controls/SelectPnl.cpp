#include "controls/SelectPnl.h"

#include <algorithm>

#include "controls/LookupRequest.h"
#include "platform/ClassBuilder.h"
#include "platform/CodePage.h"

namespace kw {

KW_BEGIN_CLASS(TSelectPanel, TGroupBox)
    b.Prop("Style", &TSelectPanel::Style, &TSelectPanel::SetStyle);
    b.Prop("UserChoice", &TSelectPanel::UserChoice, &TSelectPanel::SetUserChoice);
    b.Prop("HintWord", &TSelectPanel::HintWord, &TSelectPanel::SetHintWord);
    b.Object("BeginWords", &TSelectPanel::BeginWords, &TSelectPanel::SetBeginWords);
    b.Object("FinalWords", &TSelectPanel::FinalWords, &TSelectPanel::SetFinalWords);
    b.Object("ChildHints", &TSelectPanel::ChildHints, &TSelectPanel::SetChildHints);
    b.Prop("ValueType", &TSelectPanel::ValueType, &TSelectPanel::SetValueType);
    b.Prop("DateType", &TSelectPanel::DateType, &TSelectPanel::SetDateType);
    b.Prop("DateSign", &TSelectPanel::DateSign, &TSelectPanel::SetDateSign);
    b.Prop("AutoChangeDateSite", &TSelectPanel::AutoChangeDateSite, &TSelectPanel::SetAutoChangeDateSite);
    b.Prop("Discard", &TSelectPanel::Discard, &TSelectPanel::SetDiscard);
    b.Prop("UseDiscard", &TSelectPanel::UseDiscard, &TSelectPanel::SetUseDiscard);
    b.Prop("EditMask", &TSelectPanel::EditMask, &TSelectPanel::SetEditMask);
    b.Prop("CanOpenWin", &TSelectPanel::CanOpenWin, &TSelectPanel::SetCanOpenWin);
    b.Prop("GlyphIndex", &TSelectPanel::GlyphIndex, &TSelectPanel::SetGlyphIndex);
    b.Prop("UseVertical", &TSelectPanel::UseVertical, &TSelectPanel::SetUseVertical);
    b.Prop("OtherWidth", &TSelectPanel::OtherWidth, &TSelectPanel::SetOtherWidth);
    b.Prop("OtherHeight", &TSelectPanel::OtherHeight, &TSelectPanel::SetOtherHeight);
    b.Prop("CheckDuplicate", &TSelectPanel::CheckDuplicate, &TSelectPanel::SetCheckDuplicate);
    b.Prop("SortListBox", &TSelectPanel::SortListBox, &TSelectPanel::SetSortListBox);
    b.Object("Items", &TSelectPanel::Items, &TSelectPanel::SetItems);
    b.Object("Columns", &TSelectPanel::Columns, &TSelectPanel::SetColumns);
    b.Object("ColumnCaptions", &TSelectPanel::ColumnCaptions, &TSelectPanel::SetColumnCaptions);
    b.Prop("ShowColumnHeader", &TSelectPanel::ShowColumnHeader, &TSelectPanel::SetShowColumnHeader);
    b.Prop("HideSelection", &TSelectPanel::HideSelection, &TSelectPanel::SetHideSelection);
    b.Prop("ColumnsAutoSize", &TSelectPanel::ColumnsAutoSize, &TSelectPanel::SetColumnsAutoSize);
    b.Event("OnOpenWinClick", "TOpenWinClickEvent", &TSelectPanel::OnOpenWinClick);
    b.Event("OnDeleteClick", "TDeleteClickEvent", &TSelectPanel::OnDeleteClick);
    b.Event("OnClearClick", "TNotifyEvent", &TSelectPanel::OnClearClick);
    b.Event("OnTypeClick", "TNotifyEvent", &TSelectPanel::OnTypeClick);
    b.Event("OnStyleChanging", "TStyleChangingEvent", &TSelectPanel::OnStyleChanging);
    b.Event("OnStyleChange", "TStyleChangeEvent", &TSelectPanel::OnStyleChange);
    b.Event("OnItemSelect", "TListViewSelectItemEvent", &TSelectPanel::OnItemSelect);
    b.Event("OnItemChange", "TListViewDataChangeEvent", &TSelectPanel::OnItemChange);
    b.Event("OnItemChanging", "TListViewDataChangingEvent", &TSelectPanel::OnItemChanging);
    b.Creatable();
KW_END_CLASS(TSelectPanel)

namespace {
const char* const DefaultChildHints[] = {"用户自定输入方式",     "区间选择-起始信息", "区间选择-起始信息开窗",
                                         "区间选择-截止信息",     "区间选择-截止信息开窗", "多选-己选择的信息",
                                         "多选-信息开窗",         "多选-删除一笔信息", "多选-删除己选信息"};
}  // namespace

TSelectPanel::TSelectPanel(TComponent* owner)
    : TGroupBox(owner),
      beginWords_(new TStringList),
      finalWords_(new TStringList),
      childHints_(new TStringList),
      columnCaptions_(new TStringList) {
    SetBounds(0, 0, 353, 45);
    CreateChildren();
    for (TStringList* words : {beginWords_, finalWords_}) {
        words->Add(DesignText("起"));
        words->Add(DesignText(words == beginWords_ ? "起" : "止"));
        words->OnChange = TNotifyEvent::Of<&TSelectPanel::WordsChanged>(this);
    }
    beginLabel_->SetCaption(beginWords_->Strings(0));
    endLabel_->SetCaption(finalWords_->Strings(0));
    childHints_->OnChange = TNotifyEvent::Of<&TSelectPanel::HintsChanged>(this);
    for (const char* hint : DefaultChildHints) childHints_->Add(DesignText(hint));
    SetHintWord(DesignText("区间选择"));
    WireEvents();
    built_ = true;
    ApplyVisibility(style_);
    LayOut(style_);
}

TSelectPanel::~TSelectPanel() {
    BeforeDestruction();
    delete beginWords_;
    delete finalWords_;
    delete childHints_;
    delete columnCaptions_;
}

void TSelectPanel::CreateChildren() {
    auto named = [this](auto* child, const char* name, TWinControl* parent) {
        child->SetName(name);
        child->SetShowHint(ShowHint());
        child->SetParent(parent);
        return child;
    };
    auto page = [&](const char* name) {
        auto* p = named(new TPanel(this), name, this);
        p->SetBevelOuter(bvNone);
        p->SetBevelInner(bvNone);
        p->SetCaption(" ");
        return p;
    };
    auto lookup = [&](const char* name, TWinControl* parent) {
        auto* b = named(new TF2Button(this), name, parent);
        b->SetFlat(true);
        b->SetBounds(0, 0, 23, 23);
        return b;
    };
    auto edit = [&](const char* name) {
        auto* e = named(new TVelMaskEdit(this), name, rangePage_);
        e->SetHeight(24);
        e->SetText("");
        return e;
    };

    choiceBox_ = named(new TVelCheckBox(this), "ChoiceBox", this);
    choiceBox_->SetLeft(16);
    choiceBox_->SetChecked(userChoice_);
    rangePage_ = page("RangePage");
    beginLabel_ = named(new TLabel(this), "BeginLabel", rangePage_);
    endLabel_ = named(new TLabel(this), "EndLabel", rangePage_);
    beginEdit_ = edit("BeginEdit");
    endEdit_ = edit("EndEdit");
    beginLookup_ = lookup("BeginLookupButton", rangePage_);
    endLookup_ = lookup("EndLookupButton", rangePage_);

    listPage_ = page("ListPage");
    listView_ = named(new TVelListView(this), "ListView", listPage_);
    listView_->SetViewStyle(vsReport);
    listView_->SetMultiSelect(true);
    listView_->SetRowSelect(true);
    listView_->SetReadOnly(true);
    listView_->SetShowColumnHeaders(false);
    listView_->SetSortType(stNone);
    listView_->SetCursor(crHandPoint);
    listView_->SetHideSelection(false);
    listLookup_ = lookup("ListLookupButton", listPage_);
    deleteButton_ = named(new TGSpeedButton(this), "DeleteButton", listPage_);
    clearButton_ = named(new TGSpeedButton(this), "ClearButton", listPage_);
    for (TGSpeedButton* b : {deleteButton_, clearButton_}) {
        b->SetFlat(true);
        b->SetBounds(0, 0, 23, 23);
    }
    deleteButton_->SetGlyphIndex(47);
    clearButton_->SetGlyphIndex(4);
    for (TF2Button* b : {beginLookup_, endLookup_, listLookup_}) b->SetGlyphIndex(glyphIndex_);
}

void TSelectPanel::WireEvents() {
    choiceBox_->OnClick = TNotifyEvent::Of<&TSelectPanel::ChoiceBoxClick>(this);
    for (TF2Button* b : {beginLookup_, endLookup_, listLookup_})
        b->OnClick = TNotifyEvent::Of<&TSelectPanel::LookupClick>(this);
    deleteButton_->OnClick = TNotifyEvent::Of<&TSelectPanel::DeleteClick>(this);
    clearButton_->OnClick = TNotifyEvent::Of<&TSelectPanel::ClearClick>(this);

    for (TControl* c : std::initializer_list<TControl*>{rangePage_, listPage_, beginLabel_, endLabel_, beginEdit_,
                                                        endEdit_, listView_}) {
        c->OnClick = TNotifyEvent::Of<&TSelectPanel::ChildClick>(this);
        c->OnDblClick = TNotifyEvent::Of<&TSelectPanel::ChildDblClick>(this);
    }
    choiceBox_->OnDblClick = TNotifyEvent::Of<&TSelectPanel::ChildDblClick>(this);
    for (TControl* c : std::initializer_list<TControl*>{choiceBox_, rangePage_, listPage_, beginLabel_, endLabel_,
                                                        beginEdit_, endEdit_, listView_, beginLookup_, endLookup_,
                                                        listLookup_, deleteButton_, clearButton_}) {
        c->OnMouseDown = TMouseEvent::Of<&TSelectPanel::ChildMouseDown>(this);
        c->OnMouseUp = TMouseEvent::Of<&TSelectPanel::ChildMouseUp>(this);
        c->OnMouseMove = TMouseMoveEvent::Of<&TSelectPanel::ChildMouseMove>(this);
    }
    for (TWinControl* c : std::initializer_list<TWinControl*>{choiceBox_, beginEdit_, endEdit_, listView_}) {
        c->OnKeyDown = TKeyEvent::Of<&TSelectPanel::ChildKeyDown>(this);
        c->OnKeyUp = TKeyEvent::Of<&TSelectPanel::ChildKeyUp>(this);
        c->OnKeyPress = TKeyPressEvent::Of<&TSelectPanel::ChildKeyPress>(this);
    }
    listView_->OnSelectItem = [this](TObject* sender, TListItem* item, bool selected) {
        OnItemSelect(sender, item, item ? item->Index() : -1, selected);
    };
    listView_->OnChange = [this](TObject* sender, TListItem* item, TItemChange change) {
        listView_->ForgetRowState();
        OnItemChange(sender, item, change);
    };
    listView_->OnChanging = [this](TObject* sender, TListItem* item, TItemChange change, bool& allow) {
        OnItemChanging(sender, item, change, allow);
    };
    listView_->OnColumnClick = [this](TObject*, TListColumn* column) { ColumnHeaderClicked(column->Index()); };
}

bool TSelectPanel::IsRangeMode() const {
    return style_ == sp_Range || (style_ == sp_UserChoice && userChoice_);
}

// ---------------------------------------------------------------- style and mode

void TSelectPanel::SetStyle(TSelectStyle style) {
    if (ComponentState() & csLoading) {
        style_ = style;
        return;
    }
    bool accept = true;
    TSelectStyle target = style;
    if (!Designing()) OnStyleChanging(this, style_, target, accept);
    if (!accept) return;
    ApplyVisibility(target);
    if (target != style_ && (target == sp_Range || style_ == sp_Range) && !useVertical_ && SizeExchangeAllowed())
        ExchangeSize();
    LayOut(target);
    if (!Designing()) OnStyleChange(this, style_, target);
    style_ = target;
}

void TSelectPanel::SetUserChoice(bool value) {
    if (ComponentState() & csLoading) {
        userChoice_ = value;
        return;
    }
    if (style_ != sp_UserChoice) return;
    choiceBox_->SetChecked(value);
    ChoiceBoxClick(choiceBox_);
}

void TSelectPanel::ChoiceBoxClick(TObject*) {
    if (style_ != sp_UserChoice) return;
    userChoice_ = choiceBox_->Checked();
    LayOut(style_);
    ApplyVisibility(style_);
    if (!Designing()) OnTypeClick(this);
}

void TSelectPanel::SetUseVertical(bool value) {
    if (ComponentState() & csLoading) {
        useVertical_ = value;
        return;
    }
    if (style_ != sp_Range || value == useVertical_) return;
    useVertical_ = value;
    if (SizeExchangeAllowed()) ExchangeSize();
    LayOut(style_);
}

// The loaded style first, then the user choice and the vertical layout under it.
void TSelectPanel::Loaded() {
    TGroupBox::Loaded();
    if (style_ != sp_UserChoice) userChoice_ = true;
    if (style_ != sp_Range) useVertical_ = false;
    choiceBox_->SetChecked(userChoice_);
    ApplyVisibility(style_);
    LayOut(style_);
}

void TSelectPanel::ApplyVisibility(TSelectStyle style) {
    if (Designing() || !built_) return;
    choiceBox_->SetVisible(style == sp_UserChoice);
    const bool range = style == sp_Range || (style == sp_UserChoice && choiceBox_->Visible() && choiceBox_->Checked());
    rangePage_->SetVisible(range);
    listPage_->SetVisible(!range);
}

bool TSelectPanel::SizeExchangeAllowed() const {
    if (ComponentState() & csLoading) return false;
    if (TWinControl* parent = Parent()) {
        const TComponentState mask = csLoading | csReading | csDesigning | csAncestor;
        const TComponentState state = parent->ComponentState() & mask;
        if (state == (csLoading | csReading) || state == mask) return false;
    }
    return true;
}

void TSelectPanel::ExchangeSize() {
    const int width = Width(), height = Height();
    SetBounds(Left(), Top(), otherWidth_, otherHeight_);
    otherWidth_ = width;
    otherHeight_ = height;
}

// ---------------------------------------------------------------- texts

void TSelectPanel::SetHintWord(const std::string& word) {
    choiceBox_->SetCaption(word);
    SizeChoiceBox();
}

std::string TSelectPanel::Word(const TStringList& words, int index) const {
    if (words.Count() == 0) return "";
    return words[std::min(index, words.Count() - 1)];
}

void TSelectPanel::SetWords(TStringList& stored, TStrings* words, TLabel& label) {
    settingWords_ = true;
    stored.Clear();
    const int count = words ? words->Count() : 0;
    for (int i = 0; i < std::min(count, 2); ++i) stored.Add(words->Strings(i));
    settingWords_ = false;
    if (count >= 1) label.SetCaption(Word(stored, count >= 2 && style_ == sp_UserChoice ? 1 : 0));
    if (!(ComponentState() & csLoading)) LayOut(style_);
}

void TSelectPanel::WordsChanged(TObject* sender) {
    if (settingWords_ || !built_) return;
    if (static_cast<TStrings*>(sender)->Count() >= 2) LayOut(style_);
}

void TSelectPanel::SetChildHints(TStrings* hints) {
    if (hints) childHints_->Assign(hints);
}

void TSelectPanel::HintsChanged(TObject*) {
    TControl* children[] = {choiceBox_, beginEdit_, beginLookup_, endEdit_, endLookup_,
                            listView_, listLookup_, deleteButton_, clearButton_};
    for (int i = 0; i < std::min(childHints_->Count(), 9); ++i) children[i]->SetHint(childHints_->Strings(i));
}

TStrings* TSelectPanel::ColumnCaptions() const {
    columnCaptions_->Clear();
    for (int i = 0; i < Columns()->Count(); ++i) columnCaptions_->Add(Columns()->Items(i)->Caption());
    return columnCaptions_;
}

void TSelectPanel::SetColumnCaptions(TStrings* captions) {
    Columns()->Clear();
    if (!captions) return;
    for (int i = 0; i < captions->Count(); ++i) {
        TListColumn* column = Columns()->Add();
        column->SetCaption(captions->Strings(i));
        column->SetAutoSize(true);
    }
}

// ---------------------------------------------------------------- values

void TSelectPanel::SetEditMask(const std::string& mask) {
    editMask_ = mask;
    const std::string kept = beginEdit_->Text();
    beginEdit_->SuppressChange = true;
    beginEdit_->SetText("");
    beginEdit_->SetEditMask(mask);
    endEdit_->SetEditMask(mask);
    emptyMaskText_ = beginEdit_->Text();
    rules_.EmptyMaskText = emptyMaskText_;
    beginEdit_->SetText(kept);
    beginEdit_->SuppressChange = false;
}

void TSelectPanel::SetCanOpenWin(bool value) {
    if (value == canOpenWin_) return;
    canOpenWin_ = value;
    for (TF2Button* b : {beginLookup_, endLookup_, listLookup_}) b->SetVisible(value);
    LayOut(style_);
}

void TSelectPanel::SetGlyphIndex(int n) {
    try {
        beginLookup_->SetGlyphIndex(n);
        endLookup_->SetGlyphIndex(beginLookup_->GlyphIndex());
        listLookup_->SetGlyphIndex(beginLookup_->GlyphIndex());
        glyphIndex_ = n;
    } catch (const std::exception&) {
        for (TF2Button* b : {beginLookup_, endLookup_, listLookup_}) b->SetGlyphIndex(0);
    }
}

void TSelectPanel::SetCheckDuplicate(TCheckDuplicate rule) {
    listView_->SetCheckDuplicate(rule);
    if (rule != cd_None) listView_->SetKeepSorted(true);
    if (!IsRangeMode()) listView_->RemoveDuplicates();
}

void TSelectPanel::ColumnHeaderClicked(int column) {
    if (column == listView_->SortColumn())
        listView_->SetSortOrder(column, !listView_->SortAscending());
    else
        listView_->SetSortOrder(column, true);
    listView_->SortRows();
}

// ---------------------------------------------------------------- children's events

void TSelectPanel::LookupClick(TObject* sender) {
    if (Designing()) return;
    TWinControl* target = sender == listLookup_  ? static_cast<TWinControl*>(listView_)
                          : sender == endLookup_ ? static_cast<TWinControl*>(endEdit_)
                                                 : static_cast<TWinControl*>(beginEdit_);
    if (target->CanFocus()) target->SetFocus();
    SendLookupRequest(Owner(), *target);
    OnOpenWinClick(this, target);
}

void TSelectPanel::DeleteClick(TObject* sender) {
    bool accept = true;
    if (!Designing()) OnDeleteClick(sender, accept);
    if (!accept) return;
    TListItems& rows = *listView_->Items();
    for (int i = 0; i < rows.Count();)
        if (rows[i]->Selected())
            rows.Delete(i);
        else
            ++i;
}

void TSelectPanel::ClearClick(TObject* sender) {
    ClearRows();
    if (listView_->CanFocus()) listView_->SetFocus();
    if (!Designing()) OnClearClick(sender);
}

TObject* TSelectPanel::MouseSender(TObject* sender, int& x, int& y) const {
    if (sender == listView_ || sender == beginEdit_ || sender == endEdit_) return sender;
    if (auto control = dynamic_cast<TControl*>(sender)) {
        const TPoint p = ScreenToClient(control->ClientToScreen({x, y}));
        x = p.X;
        y = p.Y;
    }
    return const_cast<TSelectPanel*>(this);
}

void TSelectPanel::ChildMouseDown(TObject* sender, TMouseButton button, TShiftState shift, int x, int y) {
    TObject* s = MouseSender(sender, x, y);
    OnMouseDown(s, button, shift, x, y);
}

void TSelectPanel::ChildMouseUp(TObject* sender, TMouseButton button, TShiftState shift, int x, int y) {
    TObject* s = MouseSender(sender, x, y);
    OnMouseUp(s, button, shift, x, y);
}

void TSelectPanel::ChildMouseMove(TObject* sender, TShiftState shift, int x, int y) {
    TObject* s = MouseSender(sender, x, y);
    OnMouseMove(s, shift, x, y);
}

// ---------------------------------------------------------------- enabling, focus, exit

void TSelectPanel::SetEnabled(bool enabled) {
    TGroupBox::SetEnabled(enabled);
    std::vector<TControl*> pending(ControlList().begin(), ControlList().end());
    while (!pending.empty()) {
        TControl* c = pending.back();
        pending.pop_back();
        c->SetEnabled(enabled);
        if (auto w = dynamic_cast<TWinControl*>(c)) pending.insert(pending.end(), w->ControlList().begin(), w->ControlList().end());
    }
}

void TSelectPanel::SetFocus() {
    TGroupBox::SetFocus();
    if (!IsRangeMode() && listView_->CanFocus()) listView_->SetFocus();
}

void TSelectPanel::DoExit() {
    const std::string& mask = beginEdit_->EditMask();
    if (mask.empty() || mask[0] != '!') {
        beginEdit_->SetText(Trim(beginEdit_->Text()));
        endEdit_->SetText(Trim(endEdit_->Text()));
    }
    const std::string begin = beginEdit_->Text(), end = endEdit_->Text();
    if (RangeNeedsExchange(rules_, begin, end)) {
        beginEdit_->SetText(end);
        endEdit_->SetText(begin);
    }
    TGroupBox::DoExit();
}

void TSelectPanel::Resize() {
    TGroupBox::Resize();
    if (built_) LayOut(style_);
}

void TSelectPanel::FontChanged() {
    TGroupBox::FontChanged();
    if (built_) LayOut(style_);
}

}  // namespace kw
