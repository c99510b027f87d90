#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/ComCtrls.h"
#include "platform/Forms.h"
#include "platform/Grids.h"
#include "platform/Menus.h"
#include "platform/StdCtrls.h"
#include "platform/Tabs.h"
#include "services/CodeConverter.h"
#include "tests/lang/LangTestSupport.h"

using namespace kw;
using kw::testing::InCodePage;

namespace {

// A form with one component of each kind the converter knows, its texts in
// the design code page, and its converter made under the code pages in force.
class FormConversionTest : public kw::testing::LangInstallation {
protected:
    void TearDown() override
    {
        if (form_)
            form_->Free();
        for (TFont* font : {Screen()->IconFont(), Screen()->HintFont(), Screen()->MenuFont()})
            font->Assign(&defaultFont_);
        LangInstallation::TearDown();
    }

    void MakeForm()
    {
        form_ = new TForm(nullptr);
        form_->SetName("frmConvert");
        form_->SetCaption(DesignText("报表条件"));
        form_->SetHint(DesignText("提示"));
        button_ = Add<TButton>("btnOk");
        button_->SetCaption(DesignText("确定"));
        button_->SetHint(DesignText("确定"));
        combo_ = Add<TComboBox>("cboKind");
        for (const char* item : {"甲", "乙", "丙", "条件"})
            combo_->Items()->Add(DesignText(item));
        combo_->SetItemIndex(3);
        emptyCombo_ = Add<TComboBox>("cboEmpty");
        emptyCombo_->SetStyle(csDropDownList);
        memo_ = Add<TMemo>("memNote");
        memo_->Lines()->SetText(DesignText("备注\r\n条件"));
        edit_ = Add<TEdit>("edName");
        edit_->SetText(DesignText("名称"));
        status_ = Add<TStatusBar>("stbMain");
        status_->Panels()->Add()->SetText(DesignText("状态"));
        listView_ = Add<TListView>("lvList");
        listView_->Columns()->Add()->SetCaption(DesignText("方案名称"));
        listView_->Columns()->Add()->SetCaption(DesignText("创建时间"));
        TListItem* item = listView_->Items()->Add();
        item->SetCaption(DesignText("方案"));
        item->SubItems()->Add(DesignText("今天"));
        item->SubItems()->Add(DesignText("多余"));
        tree_ = Add<TTreeView>("tvTree");
        tree_->Items()->Add(nullptr, DesignText("条件"));
        tabs_ = Add<TTabSet>("tabKinds");
        tabs_->Tabs()->Add(DesignText("基本"));
        tabs_->Tabs()->Add(DesignText("系统"));
        tabs_->SetTabIndex(1);
        grid_ = Add<TStringGrid>("grdCells");
        grid_->SetColCount(1);
        grid_->SetRowCount(1);
        grid_->SetCells(0, 0, DesignText("表格"));
        menu_ = Add<TPopupMenu>("muOperation");
        menuItem_ = Add<TMenuItem>("N2");
        menuItem_->SetCaption(DesignText("删除"));
        converter_ = Add<TCodeConverter>("KwConverter");
    }

    template <class T>
    T* Add(const char* name)
    {
        T* component = new T(form_);
        component->SetName(name);
        return component;
    }

    static std::string Big5(const char* utf8) { return InCodePage(utf8, CP_BIG5); }

    TFont defaultFont_;
    TForm* form_ = nullptr;
    TButton* button_ = nullptr;
    TComboBox* combo_ = nullptr;
    TComboBox* emptyCombo_ = nullptr;
    TMemo* memo_ = nullptr;
    TEdit* edit_ = nullptr;
    TStatusBar* status_ = nullptr;
    TListView* listView_ = nullptr;
    TTreeView* tree_ = nullptr;
    TTabSet* tabs_ = nullptr;
    TStringGrid* grid_ = nullptr;
    TPopupMenu* menu_ = nullptr;
    TMenuItem* menuItem_ = nullptr;
    TCodeConverter* converter_ = nullptr;
};

TEST_F(FormConversionTest, GBScreenOnAGBSystemChangesNothing)
{
    MakeForm();
    const std::string fontName = button_->Font()->Name();
    converter_->ConvertForm(form_);
    EXPECT_EQ(converter_->Translator(), nullptr);
    EXPECT_EQ(form_->Caption(), DesignText("报表条件"));
    EXPECT_EQ(button_->Caption(), DesignText("确定"));
    EXPECT_EQ(button_->Font()->Name(), fontName);
    EXPECT_EQ(combo_->Style(), csDropDown);
    EXPECT_FALSE(menu_->OwnerDraw());
    EXPECT_EQ(Screen()->HintFont()->Name(), defaultFont_.Name());
}

TEST_F(FormConversionTest, BigFiveScreenOnAGBSystemConvertsEveryComponentButNotTheFormCaption)
{
    UseCodePages(936, "950");
    MakeForm();
    converter_->ConvertForm(form_);

    EXPECT_EQ(form_->Caption(), DesignText("报表条件"));
    EXPECT_EQ(form_->Hint(), Big5("提示"));
    EXPECT_EQ(button_->Caption(), Big5("確定"));
    EXPECT_EQ(button_->Hint(), Big5("確定"));
    EXPECT_EQ(button_->Font()->Name(), "SimSun");
    EXPECT_EQ(button_->Font()->Charset(), CHINESEBIG5_CHARSET);
    EXPECT_EQ(Screen()->HintFont()->Charset(), CHINESEBIG5_CHARSET);

    EXPECT_EQ(combo_->Items()->Strings(3), Big5("條件"));
    EXPECT_EQ(combo_->Style(), csOwnerDrawFixed);
    EXPECT_EQ(combo_->ItemIndex(), 3);
    EXPECT_EQ(emptyCombo_->Style(), csOwnerDrawFixed);
    EXPECT_EQ(emptyCombo_->ItemIndex(), -1);  // nothing to select
    EXPECT_EQ(memo_->Lines()->ToVector(), (std::vector<std::string>{Big5("備註"), Big5("條件")}));
    EXPECT_EQ(edit_->Text(), DesignText("名称"));  // texts are left alone
    EXPECT_EQ(status_->Panels()->Items(0)->Text(), Big5("狀態"));

    EXPECT_EQ(listView_->Columns()->Items(0)->Caption(), Big5("方案名稱"));
    EXPECT_EQ(listView_->Columns()->Items(1)->Caption(), Big5("創建時間"));
    EXPECT_EQ(listView_->Items()->Item(0)->Caption(), Big5("方案"));
    EXPECT_EQ(listView_->Items()->Item(0)->SubItems()->Strings(0), Big5("今天"));
    // Only as many sub-items as there are columns after the first.
    EXPECT_EQ(listView_->Items()->Item(0)->SubItems()->Strings(1), DesignText("多余"));
    EXPECT_EQ(tree_->Items()->Item(0)->Text(), Big5("條件"));
    EXPECT_EQ(tabs_->Tabs()->ToVector(), (std::vector<std::string>{Big5("基本"), Big5("系統")}));
    EXPECT_EQ(tabs_->TabIndex(), 1);
    EXPECT_EQ(grid_->Cells(0, 0), Big5("表格"));
    EXPECT_TRUE(menu_->OwnerDraw());
    EXPECT_EQ(menuItem_->Caption(), Big5("刪除"));
}

TEST_F(FormConversionTest, GBScreenOnABigFiveSystemKeepsTextsAndSetsGBFonts)
{
    UseCodePages(950, "936");
    MakeForm();
    ASSERT_EQ(converter_->UIConversion(), 4);
    converter_->ConvertForm(form_);

    EXPECT_EQ(form_->Caption(), Big5("報表條件"));
    EXPECT_EQ(button_->Caption(), DesignText("确定"));
    EXPECT_EQ(button_->Font()->Name(), "SimSun");
    EXPECT_EQ(button_->Font()->Charset(), GB2312_CHARSET);
    EXPECT_EQ(combo_->Style(), csOwnerDrawVariable);
    EXPECT_EQ(combo_->ItemIndex(), 3);
    EXPECT_EQ(emptyCombo_->Style(), csOwnerDrawFixed);
    EXPECT_EQ(listView_->Columns()->Items(0)->Caption(), DesignText("方案名称"));
    EXPECT_TRUE(menu_->OwnerDraw());
}

TEST_F(FormConversionTest, ListViewColumnsAreConvertedOnceWhenTheListIsEmpty)
{
    UseCodePages(936, "950");
    MakeForm();
    listView_->Items()->Clear();
    auto* bare = Add<TListView>("lvBare");  // no columns: left as it is
    bare->Items()->Add()->SetCaption(DesignText("方案"));
    converter_->ConvertForm(form_);
    EXPECT_EQ(listView_->Columns()->Items(0)->Caption(), Big5("方案名稱"));
    EXPECT_EQ(bare->Items()->Item(0)->Caption(), DesignText("方案"));
}

}  // namespace
