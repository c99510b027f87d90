#include <gtest/gtest.h>

#include "controls/SelectPnl.h"
#include "platform/ClassBuilder.h"
#include "platform/InputSim.h"
#include "platform/TypInfo.h"
#include "tests/controls/ControlsFixture.h"
#include "tests/controls/LookupProbeForm.h"

namespace kw {
namespace {

class SelectPanel : public testing::HeadlessTest {
protected:
    testing::TLookupProbeForm* form = nullptr;
    TSelectPanel* panel = nullptr;
    TEdit* outside = nullptr;

    void SetUp() override {
        HeadlessTest::SetUp();
        form = new testing::TLookupProbeForm(Application());
        form->SetBounds(0, 0, 600, 400);
        panel = new TSelectPanel(form);
        panel->SetName("spItem");
        panel->SetParent(form);
        outside = new TEdit(form);
        outside->SetName("edOutside");
        outside->SetParent(form);
        outside->SetTop(300);
        form->Show();
    }
    void TearDown() override {
        form->Free();
        HeadlessTest::TearDown();
    }
    // Types the two texts and leaves the panel.
    void Leave(const std::string& begin, const std::string& end) {
        panel->BeginEdit()->SetFocus();
        panel->BeginEdit()->SetText(begin);
        panel->EndEdit()->SetFocus();  // inside the panel: no exit validation
        panel->EndEdit()->SetText(end);
        outside->SetFocus();
    }
    std::vector<std::string> Row(int i) const {
        TListItem* item = panel->Items()->Item(i);
        std::vector<std::string> row{item->Caption()};
        for (int k = 0; k < item->SubItems()->Count(); ++k) row.push_back(item->SubItems()->Strings(k));
        return row;
    }
    std::vector<std::string> Captions() const {
        std::vector<std::string> captions;
        for (int i = 0; i < panel->Items()->Count(); ++i) captions.push_back(panel->Items()->Item(i)->Caption());
        return captions;
    }
};

TEST_F(SelectPanel, NewPanelHasItsDefaults) {
    EXPECT_EQ(panel->Width(), 353);
    EXPECT_EQ(panel->Height(), 45);
    EXPECT_EQ(panel->Style(), sp_Range);
    EXPECT_TRUE(panel->UserChoice());
    EXPECT_TRUE(panel->IsRangeMode());
    EXPECT_EQ(panel->BeginWords()->Count(), 2);
    EXPECT_EQ(panel->ChildHints()->Count(), 9);
    EXPECT_EQ(panel->ClearButton()->Hint(), panel->ChildHints()->Strings(8));
    EXPECT_EQ(panel->GlyphIndex(), 8);
    EXPECT_EQ(panel->OtherWidth(), 200);
    EXPECT_EQ(panel->OtherHeight(), 105);
    EXPECT_EQ(panel->ClearButton()->NumGlyphs(), 2);
    EXPECT_EQ(panel->DeleteButton()->GlyphIndex(), 47);
    EXPECT_EQ(panel->BeginEdit()->Height(), 24);
    EXPECT_FALSE(panel->ChoiceBox()->Visible());
    EXPECT_TRUE(panel->RangePage()->Visible());
    EXPECT_FALSE(panel->ListPage()->Visible());
    EXPECT_TRUE(panel->ColumnsAutoSize());
    EXPECT_FALSE(panel->ShowColumnHeader());
}

TEST_F(SelectPanel, LeavingPutsTheRangeInOrder) {
    Leave("  B ", "A");
    EXPECT_EQ(panel->BeginEdit()->Text(), "A");
    EXPECT_EQ(panel->EndEdit()->Text(), "B");
    panel->SetValueType(vt_Number);
    Leave("x", "5");
    EXPECT_EQ(panel->BeginEdit()->Text(), "x");
    panel->SetValueType(vt_Date);
    panel->SetDateType(dt_YYYYMMDD);
    Leave("2024/05", "2024/04/30");
    EXPECT_EQ(panel->BeginEdit()->Text(), "2024/04/30");
    EXPECT_EQ(panel->EndEdit()->Text(), "2024/05");  // as typed
    int exits = 0;
    panel->OnExit = [&](TObject* sender) {
        EXPECT_EQ(sender, panel);
        EXPECT_EQ(panel->BeginEdit()->Text(), "2024/01/01");  // after the exchange
        ++exits;
    };
    Leave("2024/02/01", "2024/01/01");
    EXPECT_EQ(exits, 1);
}

TEST_F(SelectPanel, EmptyMaskTextFollowsTheMaskAndABangMaskKeepsBlanks) {
    panel->SetEditMask("(999);1;_");
    EXPECT_EQ(panel->EmptyMaskText(), "(   )");
    panel->SetEditMask("");
    EXPECT_EQ(panel->EmptyMaskText(), "");
    panel->BeginEdit()->SetEditMask("!");
    Leave(" B", "A ");
    EXPECT_EQ(panel->BeginEdit()->Text(), " B");  // " B" < "A ": kept, blanks and all
    EXPECT_EQ(panel->EndEdit()->Text(), "A ");
}

TEST_F(SelectPanel, EditMaskKeepsTheBeginTextAndRaisesNoChange) {
    panel->BeginEdit()->SetText("123");
    int changes = 0;
    panel->BeginEdit()->OnChange = [&](TObject*) { ++changes; };
    panel->SetEditMask("999;0;_");
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(panel->BeginEdit()->Text(), "123");
    EXPECT_EQ(panel->BeginEdit()->EditMask(), "999;0;_");
    EXPECT_EQ(panel->EndEdit()->EditMask(), "999;0;_");
}

TEST_F(SelectPanel, AddRowCreatesDataColumnsAndPadsTheRows) {
    EXPECT_FALSE(panel->AddRow({}));
    EXPECT_EQ(panel->Columns()->Count(), 0);
    EXPECT_EQ(panel->Items()->Count(), 0);
    ASSERT_TRUE(panel->AddRow({"A", "x"}));
    ASSERT_EQ(panel->Columns()->Count(), 2);
    EXPECT_EQ(panel->Columns()->Items(0)->Caption(), "Data1");
    EXPECT_EQ(panel->Columns()->Items(1)->Caption(), "Data2");
    ASSERT_TRUE(panel->AddRow({"B"}));
    EXPECT_EQ(Row(1), (std::vector<std::string>{"B", ""}));
    ASSERT_TRUE(panel->AddRow({"C", "1", "2"}));
    EXPECT_EQ(Row(0), (std::vector<std::string>{"A", "x", ""}));
    EXPECT_EQ(Row(1), (std::vector<std::string>{"B", "", ""}));
    EXPECT_EQ(panel->Columns()->Items(2)->Caption(), "Data3");
    const int w = panel->ListView()->TextExtent("W").cx;
    EXPECT_EQ(panel->Columns()->Items(0)->Width(), 5 * w);  // "Data1" is the longest
    panel->ClearRows();
    EXPECT_EQ(panel->Items()->Count(), 0);
}

TEST_F(SelectPanel, DuplicatesGoUnderEitherRule) {
    struct Case {
        TCheckDuplicate rule;
        std::vector<std::string> expected;
    };
    for (const Case& c : {Case{cd_CaseInsensitive, {"abc"}}, Case{cd_CheckCase, {"abc", "ABC"}},
                          Case{cd_None, {"abc", "ABC"}}}) {
        panel->ClearRows();
        panel->SetSortListBox(false);
        panel->SetCheckDuplicate(c.rule);
        EXPECT_EQ(panel->SortListBox(), c.rule != cd_None);
        panel->AddRow({"abc"});
        panel->AddRow({"ABC"});
        EXPECT_EQ(Captions(), c.expected) << c.rule;
    }
}

TEST_F(SelectPanel, SettingTheRuleInListModeRemovesDuplicatesAtOnce) {
    panel->SetStyle(sp_Discrete);
    panel->AddRow({"a"});
    panel->AddRow({"A"});
    panel->AddRow({"b"});
    panel->SetCheckDuplicate(cd_CaseInsensitive);
    EXPECT_EQ(Captions(), (std::vector<std::string>{"a", "b"}));
    panel->SetSortListBox(false);
    EXPECT_EQ(panel->CheckDuplicate(), cd_CaseInsensitive);
}

TEST_F(SelectPanel, SortedRowsFollowTheComparisonAndHeaderClicks) {
    panel->SetSortListBox(true);
    for (auto row : {std::vector<std::string>{"b", "2", "k"}, {"a", "3", "k"}, {"c", "1", "j"}, {"a", "1", "k"}})
        panel->AddRow(row);
    EXPECT_EQ(Captions(), (std::vector<std::string>{"a", "a", "b", "c"}));
    EXPECT_EQ(Row(0)[1], "1");  // equal captions: by column 1
    panel->ColumnHeaderClicked(0);  // column 0 ascending is in force: descending
    EXPECT_EQ(Captions(), (std::vector<std::string>{"c", "b", "a", "a"}));
    panel->ColumnHeaderClicked(2);  // another column: ascending by it, then caption, then column 1
    EXPECT_EQ(Captions(), (std::vector<std::string>{"c", "a", "a", "b"}));
    EXPECT_EQ(Row(1)[1], "1");
    panel->ColumnHeaderClicked(2);
    EXPECT_EQ(Captions(), (std::vector<std::string>{"b", "a", "a", "c"}));
    panel->ListView()->ClickColumn(1);  // through the list view's header
    EXPECT_EQ(panel->ListView()->SortColumn(), 1);
    EXPECT_TRUE(panel->ListView()->SortAscending());
    panel->AddRow({"d", "0", "z"});  // added rows keep the order in force
    EXPECT_EQ(Captions().front(), "d");
}

TEST_F(SelectPanel, SizeIsExchangedBetweenTheRangeAndTheTallLayouts) {
    panel->SetBounds(0, 0, 287, 52);
    panel->SetOtherWidth(185);
    panel->SetOtherHeight(110);
    panel->SetStyle(sp_Discrete);
    EXPECT_EQ(panel->Width(), 185);
    EXPECT_EQ(panel->Height(), 110);
    EXPECT_EQ(panel->OtherWidth(), 287);
    EXPECT_EQ(panel->OtherHeight(), 52);
    panel->SetStyle(sp_UserChoice);
    EXPECT_EQ(panel->Width(), 185);
    panel->SetStyle(sp_Range);
    EXPECT_EQ(panel->Width(), 287);
    EXPECT_EQ(panel->Height(), 52);
    panel->SetUseVertical(true);
    EXPECT_EQ(panel->Height(), 110);
    panel->SetStyle(sp_Discrete);  // vertical: no exchange
    EXPECT_EQ(panel->Height(), 110);
}

TEST_F(SelectPanel, ARefusedStyleChangeChangesNothing) {
    panel->SetBounds(0, 0, 287, 52);
    int changes = 0;
    panel->OnStyleChange = [&](TObject*, TSelectStyle, TSelectStyle) { ++changes; };
    panel->OnStyleChanging = [](TObject*, TSelectStyle, TSelectStyle&, bool& accept) { accept = false; };
    panel->SetStyle(sp_Discrete);
    EXPECT_EQ(panel->Style(), sp_Range);
    EXPECT_EQ(panel->Width(), 287);
    EXPECT_TRUE(panel->RangePage()->Visible());
    EXPECT_EQ(changes, 0);
    panel->OnStyleChanging = [](TObject*, TSelectStyle now, TSelectStyle& target, bool&) {
        EXPECT_EQ(now, sp_Range);
        target = sp_UserChoice;
    };
    panel->OnStyleChange = [&](TObject*, TSelectStyle old, TSelectStyle now) {
        EXPECT_EQ(old, sp_Range);
        EXPECT_EQ(now, sp_UserChoice);
        EXPECT_EQ(panel->Style(), sp_Range);  // stored after the event
        ++changes;
    };
    panel->SetStyle(sp_Discrete);
    EXPECT_EQ(panel->Style(), sp_UserChoice);
    EXPECT_EQ(changes, 1);
}

TEST_F(SelectPanel, UseVerticalAndUserChoiceAreIgnoredWhereTheyDoNotApply) {
    panel->SetStyle(sp_Discrete);
    const TRect before = panel->BoundsRect();
    panel->SetUseVertical(true);
    EXPECT_FALSE(panel->UseVertical());
    panel->SetUserChoice(false);
    EXPECT_TRUE(panel->UserChoice());
    EXPECT_EQ(panel->BoundsRect(), before);
    panel->SetStyle(sp_Range);
    panel->SetUserChoice(false);
    EXPECT_TRUE(panel->UserChoice());
    EXPECT_TRUE(panel->IsRangeMode());
}

TEST_F(SelectPanel, UserChoiceSwitchesThePagesThroughTheCheckBox) {
    panel->SetStyle(sp_UserChoice);
    int typeClicks = 0;
    panel->OnTypeClick = [&](TObject* sender) {
        EXPECT_EQ(sender, panel);
        ++typeClicks;
    };
    EXPECT_TRUE(panel->ChoiceBox()->Visible());
    EXPECT_TRUE(panel->RangePage()->Visible());
    ASSERT_TRUE(ClickControl(*panel->ChoiceBox()));
    EXPECT_FALSE(panel->UserChoice());
    EXPECT_FALSE(panel->IsRangeMode());
    EXPECT_TRUE(panel->ListPage()->Visible());
    EXPECT_FALSE(panel->RangePage()->Visible());
    panel->SetUserChoice(true);
    EXPECT_TRUE(panel->ChoiceBox()->Checked());
    EXPECT_TRUE(panel->RangePage()->Visible());
    EXPECT_EQ(typeClicks, 2);
    // The page in force starts below the check box.
    const int hintHeight = panel->ChoiceBox()->TextExtent(panel->HintWord()).cy;
    EXPECT_EQ(panel->RangePage()->Top(), panel->ChoiceBox()->Top() + hintHeight + 2);
    EXPECT_EQ(panel->ListPage()->BoundsRect(), panel->RangePage()->BoundsRect());
}

TEST_F(SelectPanel, LookupButtonsAskTheFormForTheirTarget) {
    std::vector<TObject*> opened;
    panel->OnOpenWinClick = [&](TObject* parent, TObject* target) {
        EXPECT_EQ(parent, panel);
        EXPECT_EQ(form->Requests.back(), target);  // after the request was handled
        opened.push_back(target);
    };
    ASSERT_TRUE(ClickControl(*panel->EndLookupButton()));
    EXPECT_TRUE(panel->EndEdit()->Focused());
    ClickControl(*panel->BeginLookupButton());
    panel->SetStyle(sp_Discrete);
    ClickControl(*panel->ListLookupButton());
    EXPECT_EQ(form->Requests,
              (std::vector<TObject*>{panel->EndEdit(), panel->BeginEdit(), panel->ListView()}));
    EXPECT_EQ(opened, form->Requests);
}

TEST_F(SelectPanel, DeleteAndClearButtons) {
    panel->SetStyle(sp_Discrete);
    for (const char* c : {"a", "b", "c", "d"}) panel->AddRow({c});
    panel->Items()->Item(1)->SetSelected(true);
    panel->Items()->Item(2)->SetSelected(true);
    panel->OnDeleteClick = [](TObject*, bool& accept) { accept = false; };
    ClickControl(*panel->DeleteButton());
    EXPECT_EQ(panel->Items()->Count(), 4);
    panel->OnDeleteClick = nullptr;
    ClickControl(*panel->DeleteButton());
    EXPECT_EQ(Captions(), (std::vector<std::string>{"a", "d"}));
    int clears = 0;
    panel->OnClearClick = [&](TObject* sender) {
        EXPECT_EQ(sender, panel->ClearButton());
        ++clears;
    };
    ClickControl(*panel->ClearButton());
    EXPECT_EQ(panel->Items()->Count(), 0);
    EXPECT_TRUE(panel->ListView()->Focused());
    EXPECT_EQ(clears, 1);
}

TEST_F(SelectPanel, WithoutLookupTheEditsTakeTheButtonsRoom) {
    const int withButtons = panel->BeginEdit()->Width();
    panel->SetCanOpenWin(false);
    EXPECT_FALSE(panel->BeginLookupButton()->Visible());
    EXPECT_FALSE(panel->ListLookupButton()->Visible());
    EXPECT_GT(panel->BeginEdit()->Width(), withButtons);
    const TPanel& page = *panel->RangePage();
    const int labelRight = panel->BeginLabel()->Left() + panel->BeginLabel()->Width();
    EXPECT_EQ(panel->BeginEdit()->Width(), (page.Width() - labelRight - panel->EndLabel()->Width() - 4) / 2 - 1);
}

TEST_F(SelectPanel, HorizontalRangeLayout) {
    const TPanel& page = *panel->RangePage();
    const int captionHeight = panel->TextExtent(" ").cy;
    EXPECT_EQ(page.BoundsRect(), Bounds(2, captionHeight + 3, 353 - 2 - 1 - 2, 45 - captionHeight - 3 - 1 - 2));
    TLabel& begin = *panel->BeginLabel();
    EXPECT_EQ(begin.Top(), (page.Height() - 24) / 2);
    EXPECT_EQ(panel->BeginEdit()->Left(), begin.Left() + begin.Width() + 1);
    EXPECT_EQ(panel->BeginLookupButton()->Left(), panel->BeginEdit()->Left() + panel->BeginEdit()->Width() + 2);
    EXPECT_EQ(panel->EndEdit()->Width(), panel->BeginEdit()->Width());
    EXPECT_EQ(panel->EndLookupButton()->Left(), panel->EndEdit()->Left() + panel->EndEdit()->Width() + 2);
}

TEST_F(SelectPanel, EnablingReachesEveryInnerControl) {
    panel->SetEnabled(false);
    EXPECT_FALSE(panel->BeginEdit()->Enabled());
    EXPECT_FALSE(panel->ClearButton()->Enabled());
    EXPECT_FALSE(panel->RangePage()->Enabled());
    panel->SetEnabled(true);
    EXPECT_TRUE(panel->ListView()->Enabled());
}

TEST_F(SelectPanel, KeysOfInnerControlsReachThePanelWithThemAsSender) {
    std::vector<TObject*> senders;
    panel->OnKeyDown = [&](TObject* sender, uint16_t&, TShiftState) { senders.push_back(sender); };
    panel->BeginEdit()->SetFocus();
    PressKey(VK_F5);
    panel->SetStyle(sp_Discrete);
    panel->SetFocus();
    EXPECT_TRUE(panel->ListView()->Focused());
    PressKey(VK_F5);
    EXPECT_EQ(senders, (std::vector<TObject*>{panel->BeginEdit(), panel->ListView()}));
}

TEST_F(SelectPanel, PropertiesAreReadAndWrittenByName) {
    const TPropInfo* style = panel->ClassInfo().FindProp("Style");
    ASSERT_NE(style, nullptr);
    SetEnumProp(*panel, *style, "sp_UserChoice");
    EXPECT_EQ(panel->Style(), sp_UserChoice);
    const TPropInfo* choice = panel->ClassInfo().FindProp("UserChoice");
    SetEnumProp(*panel, *choice, "False");
    EXPECT_FALSE(panel->IsRangeMode());
    EXPECT_EQ(GetEnumProp(*panel, *style), "sp_UserChoice");
    for (const char* name : {"HintWord", "BeginWords", "FinalWords", "ChildHints", "ValueType", "DateType",
                             "DateSign", "AutoChangeDateSite", "Discard", "UseDiscard", "EditMask", "CanOpenWin",
                             "GlyphIndex", "UseVertical", "OtherWidth", "OtherHeight", "CheckDuplicate",
                             "SortListBox", "Items", "Columns", "ColumnCaptions", "ShowColumnHeader",
                             "HideSelection", "ColumnsAutoSize", "OnOpenWinClick", "OnDeleteClick", "OnClearClick",
                             "OnTypeClick", "OnStyleChanging", "OnStyleChange", "OnExit", "OnItemSelect",
                             "OnItemChange", "OnItemChanging", "OnKeyDown", "Caption"})
        EXPECT_NE(panel->ClassInfo().FindProp(name), nullptr) << name;
}

TEST_F(SelectPanel, WordsAndColumnCaptionsThroughTheirSetters) {
    TStringList words;
    words.Add("From");
    words.Add("Starting");
    words.Add("ignored");
    panel->SetBeginWords(&words);
    EXPECT_EQ(panel->BeginWords()->Count(), 2);
    EXPECT_EQ(panel->BeginLabel()->Caption(), "From");
    panel->SetUseVertical(true);
    EXPECT_EQ(panel->BeginLabel()->Caption(), "Starting");
    TStringList captions;
    captions.SetCommaText("Code,Name");
    panel->SetColumnCaptions(&captions);
    EXPECT_EQ(panel->ColumnCaptions()->CommaText(), "Code,Name");
    EXPECT_TRUE(panel->Columns()->Items(1)->AutoSize());
}

}  // namespace
}  // namespace kw
