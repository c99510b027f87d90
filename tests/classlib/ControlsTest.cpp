#include <gtest/gtest.h>

#include "platform/Buttons.h"
#include "platform/ComCtrls.h"
#include "platform/ExtCtrls.h"
#include "platform/FormStream.h"
#include "platform/Grids.h"
#include "platform/InputSim.h"
#include "platform/Menus.h"
#include "platform/Spin.h"
#include "platform/Tabs.h"
#include "tests/classlib/HeadlessFixture.h"

namespace kw {
namespace {

class ControlsTest : public testing::HeadlessTest {
protected:
    TForm* form = new TForm(nullptr);
    void TearDown() override {
        form->Free();
        HeadlessTest::TearDown();
    }
    template <class T>
    T* Make(TWinControl* parent = nullptr, const char* name = "") {
        auto* c = new T(form);
        if (*name) c->SetName(name);
        c->SetParent(parent ? parent : form);
        return c;
    }
};

TEST_F(ControlsTest, PageChangesByTheUserAskOnChangingAndSkipHiddenTabs) {
    auto* pages = Make<TPageControl>();
    std::vector<TTabSheet*> sheets;
    for (int i = 0; i < 3; ++i) {
        auto* sheet = new TTabSheet(form);
        sheet->SetPageControl(pages);
        sheets.push_back(sheet);
    }
    pages->SetActivePage(sheets[0]);
    EXPECT_TRUE(sheets[0]->Visible());
    EXPECT_FALSE(sheets[1]->Visible());
    bool allow = false;
    int changes = 0;
    pages->OnChanging = [&](TObject*, bool& a) { a = allow; };
    pages->OnChange = [&](TObject*) { ++changes; };
    pages->SelectNextPage(true);
    EXPECT_EQ(pages->ActivePage(), sheets[0]);
    EXPECT_EQ(changes, 0);
    allow = true;
    sheets[1]->SetTabVisible(false);
    pages->SelectNextPage(true);
    EXPECT_EQ(pages->ActivePage(), sheets[2]);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(sheets[2]->TabIndex(), 1);
    EXPECT_EQ(sheets[1]->TabIndex(), -1);
    EXPECT_EQ(pages->PageForTab(1), sheets[2]);
    pages->SelectNextPage(true);  // wraps around
    EXPECT_EQ(pages->ActivePage(), sheets[0]);
    pages->SetActivePageIndex(1);  // a program's change raises nothing
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(pages->ActivePage(), sheets[1]);
    std::vector<int> drawn;
    pages->OnDrawTab = [&](TPageControl*, int tab, const TRect&, bool active) { drawn.push_back(tab * 10 + active); };
    pages->DrawTabs();
    EXPECT_EQ(drawn, (std::vector<int>{0, 10}));
}

TEST_F(ControlsTest, ListViewSortsEditsInPlaceAndReportsSelection) {
    auto* list = Make<TListView>();
    list->SetViewStyle(vsReport);
    list->SetSortType(stText);
    list->Columns()->Add()->SetCaption("Name");
    list->Items()->BeginUpdate();
    for (const char* s : {"pear", "Apple", "fig"}) {
        TListItem* item = list->Items()->Add();
        item->SetCaption(s);
        item->SubItems()->Add(std::string(s) + "-x");
    }
    list->Items()->EndUpdate();
    auto captions = [&] {
        std::vector<std::string> out;
        for (int i = 0; i < list->Items()->Count(); ++i) out.push_back(list->Items()->Item(i)->Caption());
        return out;
    };
    EXPECT_EQ(captions(), (std::vector<std::string>{"Apple", "fig", "pear"}));
    list->SetSortType(stNone);
    list->CustomSort([](TListItem* a, TListItem* b) {
        return static_cast<int>(a->Caption().size()) - static_cast<int>(b->Caption().size());
    });
    EXPECT_EQ(captions(), (std::vector<std::string>{"fig", "pear", "Apple"}));

    std::vector<std::string> log;
    list->OnSelectItem = [&](TObject*, TListItem* item, bool selected) {
        log.push_back(item->Caption() + (selected ? "+" : "-"));
    };
    form->Show();
    list->ClickItem(0);
    list->ClickItem(2);
    EXPECT_EQ(log, (std::vector<std::string>{"fig+", "fig-", "Apple+"}));
    EXPECT_EQ(list->ItemIndex(), 2);
    EXPECT_EQ(form->ActiveControl(), list);

    list->OnEdited = [&](TObject*, TListItem* item, std::string& s) {
        if (s.empty()) s = item->Caption();  // refused: the old caption stays
    };
    ASSERT_TRUE(list->Selected()->EditCaption());
    list->EndEdit("Banana");
    EXPECT_EQ(list->Items()->Item(2)->Caption(), "Banana");
    PressKey(VK_F2);
    EXPECT_TRUE(list->IsEditing());
    list->EndEdit("");
    EXPECT_EQ(list->Items()->Item(2)->Caption(), "Banana");
    list->Selected()->EditCaption();
    list->EndEdit("Cherry", false);
    EXPECT_EQ(list->Items()->Item(2)->Caption(), "Banana");
    list->SetReadOnly(true);
    EXPECT_FALSE(list->Selected()->EditCaption());
    list->Items()->Delete(0);
    EXPECT_EQ(list->Items()->Count(), 2);
}

TEST_F(ControlsTest, ListViewMultiSelectAndColumnsFromAFormText) {
    ReadComponentText(*form, R"(object F: TForm
  object lv: TListView
    ViewStyle = vsReport
    MultiSelect = True
    Columns = <
      item
        Caption = '代码'
        Width = 80
      end
      item
        Caption = 'Name'
      end>
  end
  object sb: TStatusBar
    Panels = <
      item
        Text = 'ready'
        Width = 100
      end>
  end
end)");
    auto* lv = form->Find<TListView>("lv");
    ASSERT_EQ(lv->Columns()->Count(), 2);
    EXPECT_EQ(lv->Columns()->Items(0)->Width(), 80);
    EXPECT_EQ(lv->Columns()->Items(1)->Caption(), "Name");
    auto* sb = form->Find<TStatusBar>("sb");
    ASSERT_EQ(sb->Panels()->Count(), 1);
    EXPECT_EQ(sb->Panels()->Items(0)->Text(), "ready");
    for (const char* s : {"a", "b", "c"}) lv->Items()->Add()->SetCaption(s);
    lv->ClickItem(0);
    lv->ClickItem(2, SS_CTRL);
    EXPECT_EQ(lv->SelCount(), 2);
    EXPECT_EQ(lv->GetNextSelected(lv->Selected())->Caption(), "c");
    int clicked = -1;
    lv->OnColumnClick = [&](TObject*, TListColumn* c) { clicked = c->Index(); };
    lv->ClickColumn(1);
    EXPECT_EQ(clicked, 1);
}

TEST_F(ControlsTest, SpeedButtonGroupsKeepOneDown) {
    auto* a = Make<TSpeedButton>();
    auto* b = Make<TSpeedButton>();
    a->SetGroupIndex(1);
    b->SetGroupIndex(1);
    form->Show();
    ClickControl(*a);
    EXPECT_TRUE(a->Down());
    ClickControl(*b);
    EXPECT_TRUE(b->Down());
    EXPECT_FALSE(a->Down());
    ClickControl(*b);  // stays down without AllowAllUp
    EXPECT_TRUE(b->Down());
    b->SetAllowAllUp(true);
    EXPECT_TRUE(a->AllowAllUp());
    ClickControl(*b);
    EXPECT_FALSE(b->Down());
    auto* plain = Make<TSpeedButton>();
    plain->SetDown(true);  // no group: never down
    EXPECT_FALSE(plain->Down());
}

TEST_F(ControlsTest, GlyphButtonsCountTheCellsOfTheirPicture) {
    struct {
        int Width, Height, Before, After;
    } cases[] = {{16, 16, 1, 1}, {32, 16, 1, 2}, {30, 16, 1, 1}, {64, 16, 1, 4}, {80, 16, 2, 1}};
    for (auto& c : cases) {
        auto* button = Make<TBitBtn>();
        button->SetNumGlyphs(c.Before);
        TBitmap picture;
        picture.SetSize(c.Width, c.Height);
        button->SetGlyph(&picture);
        EXPECT_EQ(button->NumGlyphs(), c.After) << c.Width << "x" << c.Height;
    }
    auto* ok = Make<TBitBtn>();
    ok->SetKind(bkCancel);
    EXPECT_EQ(ok->ModalResult(), mrCancel);
    EXPECT_TRUE(ok->Cancel());
    EXPECT_EQ(ok->Caption(), "Cancel");
}

TEST_F(ControlsTest, RadioGroupsCheckboxesAndRadioButtons) {
    auto* group = Make<TRadioGroup>();
    group->SetBounds(0, 0, 210, 60);
    group->Items()->SetText("one\ntwo\nthree");
    group->SetColumns(20);
    EXPECT_EQ(group->Columns(), 16);
    group->SetColumns(0);
    EXPECT_EQ(group->Columns(), 1);
    int clicks = 0;
    group->OnClick = [&](TObject*) { ++clicks; };
    form->Show();
    ClickControl(*group->Buttons(1));
    EXPECT_EQ(group->ItemIndex(), 1);
    EXPECT_EQ(clicks, 1);
    group->SetItemIndex(2);
    EXPECT_TRUE(group->Buttons(2)->Checked());
    EXPECT_FALSE(group->Buttons(1)->Checked());

    auto* box = Make<TCheckBox>();
    box->SetAllowGrayed(true);
    std::vector<TCheckBoxState> states;
    box->OnClick = [&](TObject*) { states.push_back(box->State()); };
    for (int i = 0; i < 3; ++i) ClickControl(*box);
    EXPECT_EQ(states, (std::vector<TCheckBoxState>{cbGrayed, cbChecked, cbUnchecked}));

    auto* r1 = Make<TRadioButton>();
    auto* r2 = Make<TRadioButton>();
    r1->SetChecked(true);
    r2->SetChecked(true);
    EXPECT_FALSE(r1->Checked());
}

TEST_F(ControlsTest, SpinEditComboBoxAndTabSet) {
    auto* spin = Make<TSpinEdit>();
    spin->SetMinValue(1);
    spin->SetMaxValue(31);
    spin->SetValue(40);
    EXPECT_EQ(spin->Value(), 31);
    spin->SetText("abc");
    EXPECT_EQ(spin->Value(), 1);
    form->Show();
    spin->SetValue(5);
    spin->SetFocus();
    PressKey(VK_UP);
    EXPECT_EQ(spin->Value(), 6);
    TypeText("x");
    EXPECT_EQ(spin->Text(), "6");

    auto* combo = Make<TComboBox>();
    combo->SetStyle(csDropDownList);
    combo->Items()->SetText("Apple\nBanana\nBerry");
    std::vector<std::string> log;
    combo->OnSelect = [&](TObject*) { log.push_back("select"); };
    combo->OnChange = [&](TObject*) { log.push_back("change " + combo->Text()); };
    combo->SetFocus();
    TypeText("b");
    TypeText("b");
    EXPECT_EQ(combo->ItemIndex(), 2);
    EXPECT_EQ(log, (std::vector<std::string>{"select", "change Banana", "select", "change Berry"}));
    combo->SetText("Nope");  // not in the list: a drop-down list keeps its text
    EXPECT_EQ(combo->Text(), "Berry");
    combo->Items()->Clear();
    EXPECT_EQ(combo->ItemIndex(), -1);

    auto* tabs = Make<TTabSet>();
    tabs->Tabs()->SetText("a\nb");
    tabs->OnChange = [](TObject*, int newTab, bool& allow) { allow = newTab != 1; };
    tabs->SetTabIndex(0);
    tabs->SelectNext(true);
    EXPECT_EQ(tabs->TabIndex(), 0);
}

TEST_F(ControlsTest, TreeViewGridToolBarAndSplitter) {
    auto* tree = Make<TTreeView>();
    TTreeNode* root = tree->Items()->Add(nullptr, "root");
    TTreeNode* child = tree->Items()->AddChild(root, "child");
    tree->Items()->AddChildFirst(root, "first");
    tree->Items()->Add(nullptr, "second root");
    EXPECT_EQ(tree->Items()->Count(), 4);
    EXPECT_EQ(tree->Items()->Item(1)->Text(), "first");
    EXPECT_EQ(child->Level(), 1);
    EXPECT_EQ(child->Index(), 1);
    EXPECT_EQ(child->AbsoluteIndex(), 2);
    tree->SetSelected(child);
    tree->Items()->Delete(root);
    EXPECT_EQ(tree->Selected(), nullptr);
    EXPECT_EQ(tree->Items()->Count(), 1);

    auto* grid = Make<TStringGrid>();
    grid->SetColCount(3);
    grid->SetRowCount(2);
    grid->SetOptions(grid->Options() | (1u << goEditing));
    form->Show();
    grid->SetFocus();
    TypeText("ab");
    EXPECT_EQ(grid->Cells(1, 1), "ab");
    PressKey(VK_RIGHT);
    EXPECT_EQ(grid->Col(), 2);
    grid->OnSelectCell = [](TObject*, int col, int, bool& can) { can = col != 1; };
    PressKey(VK_LEFT);
    EXPECT_EQ(grid->Col(), 2);

    auto* bar = Make<TToolBar>();
    bar->SetButtonWidth(25);
    auto* t1 = new TToolButton(form);
    t1->SetParent(bar);
    t1->SetStyle(tbsCheck);
    t1->SetGrouped(true);
    auto* t2 = new TToolButton(form);
    t2->SetLeft(100);
    t2->SetParent(bar);
    t2->SetStyle(tbsCheck);
    t2->SetGrouped(true);
    EXPECT_EQ(t2->Left(), 25);
    ClickControl(*t1);
    ClickControl(*t2);
    EXPECT_FALSE(t1->Down());
    EXPECT_TRUE(t2->Down());

    auto* pnl = Make<TPanel>();
    pnl->SetAlign(alLeft);
    pnl->SetWidth(151);
    auto* split = Make<TSplitter>();
    split->SetLeft(200);
    EXPECT_EQ(split->ResizedControl(), pnl);
    split->MoveBy(-200);
    EXPECT_EQ(pnl->Width(), split->MinSize());
}

TEST_F(ControlsTest, DropDownButtonsPopUpTheirMenuAndRadioItemsCheckOneAtATime) {
    auto* menu = new TPopupMenu(form);
    std::vector<TMenuItem*> items;
    for (const char* caption : {"Large", "Small", "List"}) {
        auto* item = new TMenuItem(form);
        item->SetCaption(caption);
        item->SetRadioItem(true);
        item->SetAutoCheck(true);
        menu->Items()->Add(item);
        items.push_back(item);
    }
    items[0]->SetChecked(true);
    auto* bar = Make<TToolBar>();
    auto* button = new TToolButton(form);
    button->SetParent(bar);
    button->SetStyle(tbsDropDown);
    button->SetDropdownMenu(menu);
    int popups = 0;
    menu->OnPopup = [&](TObject*) { ++popups; };
    ui.ClearLastPopup();
    button->ClickArrow();
    EXPECT_EQ(popups, 1);
    EXPECT_EQ(ui.LastPopup(), menu);
    EXPECT_EQ(menu->PopupComponent(), button);
    ui.LastPopup()->Items()->Items(2)->Click();
    EXPECT_TRUE(items[2]->Checked());
    EXPECT_FALSE(items[0]->Checked());
    items[1]->SetEnabled(false);
    items[1]->Click();
    EXPECT_FALSE(items[1]->Checked());
    menu->Free();  // the button forgets it
    EXPECT_EQ(button->DropdownMenu(), nullptr);
    EXPECT_EQ(GetShortHint("Save|Saves the scheme"), "Save");
    EXPECT_EQ(GetLongHint("Save|Saves the scheme"), "Saves the scheme");
    EXPECT_EQ(GetLongHint("Save"), "Save");
}

TEST_F(ControlsTest, FreeingAFormRaisesNoPageEventsOnTheWay) {
    auto* owned = new TForm(nullptr);
    auto* pages = new TPageControl(owned);
    pages->SetParent(owned);
    int shows = 0;
    for (int i = 0; i < 3; ++i) {
        auto* sheet = new TTabSheet(owned);
        sheet->SetPageControl(pages);
        sheet->OnShow = [&](TObject*) { ++shows; };
    }
    pages->SetActivePageIndex(2);
    EXPECT_EQ(shows, 1);
    owned->Free();  // the active sheet goes first: no other sheet is shown
    EXPECT_EQ(shows, 1);
}

TEST_F(ControlsTest, LabelsSizeThemselvesToTheirCaptionAndFormsCentreOnTheScreen) {
    auto* label = Make<TLabel>();
    label->Font()->SetHeight(-12);
    label->SetCaption("&Name");  // the accelerator mark takes no room
    EXPECT_EQ(label->DisplayText(), "Name");
    EXPECT_EQ(label->Width(), 4 * 6);
    EXPECT_EQ(label->Height(), 12);
    label->SetCaption("");
    EXPECT_EQ(label->Width(), 6);  // an empty caption keeps the room of a blank
    label->SetAutoSize(false);
    label->SetCaption("a much longer caption");
    EXPECT_EQ(label->Width(), 6);

    form->SetBounds(0, 0, 509, 355);
    form->SetPosition(poScreenCenter);
    form->Show();
    TSize screen = ui.ScreenSize();
    EXPECT_EQ(form->Left(), (screen.cx - 509) / 2);
    EXPECT_EQ(form->Top(), (screen.cy - 355) / 2);
}

}  // namespace
}  // namespace kw
