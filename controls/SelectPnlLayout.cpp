// The layout of the selection panel: its pages and their children placed by
// fixed rules from the panel's size, style and texts.
#include "controls/SelectPnl.h"

namespace kw {

void TSelectPanel::SizeChoiceBox() {
    const TSize text = choiceBox_->TextExtent(HintWord().empty() ? " " : HintWord());
    choiceBox_->SetBounds(choiceBox_->Left(), choiceBox_->Top(), choiceBox_->TextExtent(HintWord()).cx + 24,
                          text.cy + 2);
}

void TSelectPanel::LayOut(TSelectStyle style) {
    if (!built_ || (ComponentState() & csLoading)) return;
    SizeChoiceBox();
    switch (style) {
        case sp_Range:
            choiceBox_->Hide();
            PlacePages(style);
            if (useVertical_)
                PlaceRangeVertical();
            else
                PlaceRangeHorizontal();
            break;
        case sp_Discrete:
            choiceBox_->Hide();
            PlacePages(style);
            PlaceList();
            break;
        case sp_UserChoice:
            choiceBox_->Show();
            PlacePages(style);
            PlaceRangeVertical();
            PlaceList();
            break;
    }
}

// (a), (b) and (f): the page in force in front, the other one behind it in
// the same place.
void TSelectPanel::PlacePages(TSelectStyle style) {
    const int captionHeight = TextExtent(Caption().empty() ? " " : Caption()).cy;
    TPanel* front = style == sp_Discrete || (style == sp_UserChoice && !userChoice_) ? listPage_ : rangePage_;
    TPanel* back = front == rangePage_ ? listPage_ : rangePage_;
    TRect bounds;
    if (style == sp_UserChoice) {
        choiceBox_->SetBounds(16, captionHeight + 1, choiceBox_->Width(), choiceBox_->Height());
        choiceBox_->BringToFront();
        const int top = choiceBox_->Top() + choiceBox_->TextExtent(HintWord().empty() ? " " : HintWord()).cy + 2;
        bounds = Bounds(2, top, Width() - 2 - 2, Height() - top - 2);
    } else {
        choiceBox_->SendToBack();
        const int bevel = front->BevelWidth();
        const int top = captionHeight + 3;
        bounds = Bounds(2, top, Width() - 2 - bevel - 2, Height() - top - bevel - 2);
    }
    back->SendToBack();
    front->BringToFront();
    front->SetBoundsRect(bounds);
    back->SetBoundsRect(bounds);
}

// (c) The range edits one above the other.
void TSelectPanel::PlaceRangeVertical() {
    const TPanel& page = *rangePage_;
    beginLabel_->SetCaption(Word(*beginWords_, 1));
    const int g = (page.Height() - beginEdit_->Height() - endEdit_->Height()) / 3;
    beginLabel_->SetBounds(2, g, beginLabel_->Width(), beginLabel_->Height());
    const int labelRight = beginLabel_->Left() + beginLabel_->Width();
    const int editWidth = canOpenWin_ ? page.Width() - labelRight - beginLookup_->Width() - 4
                                      : page.Width() - labelRight - 2;
    beginEdit_->SetBounds(labelRight + 2, beginLabel_->Top(), editWidth, beginEdit_->Height());
    if (canOpenWin_)
        beginLookup_->SetBounds(beginEdit_->Left() + beginEdit_->Width() + 1, beginLabel_->Top(), beginLookup_->Width(),
                                beginLookup_->Height());
    endLabel_->SetCaption(Word(*finalWords_, 1));
    endLabel_->SetBounds(beginLabel_->Left(), beginLabel_->Top() + g + beginEdit_->Height(), endLabel_->Width(),
                         endLabel_->Height());
    endEdit_->SetBounds(beginEdit_->Left(), endLabel_->Top(), beginEdit_->Width(), endEdit_->Height());
    if (canOpenWin_)
        endLookup_->SetBounds(beginLookup_->Left(), endLabel_->Top(), endLookup_->Width(), endLookup_->Height());
}

// (d) The range edits side by side.
void TSelectPanel::PlaceRangeHorizontal() {
    const TPanel& page = *rangePage_;
    beginLabel_->SetCaption(Word(*beginWords_, 0));
    endLabel_->SetCaption(Word(*finalWords_, 0));
    const int top = (page.Height() - beginEdit_->Height()) / 2;
    beginLabel_->SetBounds(2, top, beginLabel_->Width(), beginLabel_->Height());
    const int labelRight = beginLabel_->Left() + beginLabel_->Width();
    const int editWidth =
        canOpenWin_
            ? (page.Width() - labelRight - beginLookup_->Width() - endLabel_->Width() - endLookup_->Width() - 8) / 2 - 1
            : (page.Width() - labelRight - endLabel_->Width() - 4) / 2 - 1;
    beginEdit_->SetBounds(labelRight + 1, top, editWidth, beginEdit_->Height());
    const int beginEditRight = beginEdit_->Left() + beginEdit_->Width();
    if (canOpenWin_)
        beginLookup_->SetBounds(beginEditRight + 2, top, beginLookup_->Width(), beginLookup_->Height());
    const int endLabelLeft = canOpenWin_ ? beginLookup_->Left() + beginLookup_->Width() + 2 : beginEditRight + 4;
    endLabel_->SetBounds(endLabelLeft, top, endLabel_->Width(), endLabel_->Height());
    endEdit_->SetBounds(endLabel_->Left() + endLabel_->Width() + 2, top, beginEdit_->Width(), endEdit_->Height());
    if (canOpenWin_)
        endLookup_->SetBounds(endEdit_->Left() + endEdit_->Width() + 2, top, endLookup_->Width(), endLookup_->Height());
}

// (e) The list with its three buttons on the right.
void TSelectPanel::PlaceList() {
    const TPanel& page = *listPage_;
    listView_->SetBounds(listView_->Left(), 0, page.Width() - listView_->Left() - listLookup_->Width() - 3,
                         page.Height());
    listLookup_->SetBounds(listView_->Width() + 2, listView_->Top(), listLookup_->Width(), listLookup_->Height());
    deleteButton_->SetBounds(listLookup_->Left(), listLookup_->Top() + listLookup_->Height(), deleteButton_->Width(),
                             deleteButton_->Height());
    clearButton_->SetBounds(deleteButton_->Left(), deleteButton_->Top() + deleteButton_->Height(),
                            clearButton_->Width(), clearButton_->Height());
}

}  // namespace kw
