#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/ComCtrls.h"
#include "platform/FilePaths.h"
#include "services/KwLangController.h"
#include "tests/lang/LangFixtureForm.h"
#include "tests/lang/LangTestSupport.h"

using namespace kw;

namespace {

class LanguageControllerTest : public kw::testing::LangInstallation {
protected:
    void SetUp() override
    {
        LangInstallation::SetUp();
        form_ = kw::testing::MakeLangFixtureForm();
        controller_ = new TKwLangController(form_);
        controller_->SetName("LangController");
    }
    void TearDown() override
    {
        form_->Free();
        LangInstallation::TearDown();
    }

    // Points the controller at the package and applies it to the form.
    void Apply(const std::string& packageName)
    {
        controller_->SetLangPackageName(packageName);
        controller_->SetActive(true);
        controller_->Reader().ReadComponent(form_);
    }
    template <class T>
    T& Part(const char* name) const
    {
        return *form_->Find<T>(name);
    }

    TForm* form_ = nullptr;
    TKwLangController* controller_ = nullptr;
};

TEST_F(LanguageControllerTest, RootAttributesChangeTheFormAndAnElementItsComponentOnly)
{
    WritePackage("CHS", "TfrmSample",
                 R"(<Lang Caption="Sample"><btnOk Caption="OK" Hint="Accept"/></Lang>)");
    Apply("TfrmSample");
    EXPECT_EQ(form_->Caption(), "Sample");
    EXPECT_EQ(Part<TButton>("btnOk").Caption(), "OK");
    EXPECT_EQ(Part<TButton>("btnOk").Hint(), "Accept");
    EXPECT_EQ(Part<TButton>("btnCancel").Caption(), DesignText("取消"));
}

TEST_F(LanguageControllerTest, TextsBecomeDesignTextsWhateverThePackageCodePage)
{
    WritePackage("CHS", "TfrmSample",
                 kw::testing::InCodePage(R"(<?xml version="1.0" encoding="GB2312"?><L><btnOk Caption="确认"/></L>)",
                                         CP_GBK));
    Apply("TfrmSample");
    EXPECT_EQ(Part<TButton>("btnOk").Caption(), DesignText("确认"));
}

TEST_F(LanguageControllerTest, ComboBoxKeepsItsIndexAndNumberedItemsLengthenTheList)
{
    TComboBox& combo = Part<TComboBox>("cboKind");
    combo.SetItemIndex(2);
    WritePackage("CHS", "TfrmSample", R"(<L><cboKind Items_0="A" Items_5="F"/><memNote Lines_2="three"/></L>)");
    Apply("TfrmSample");
    EXPECT_EQ(combo.ItemIndex(), 2);
    EXPECT_EQ(combo.Items()->ToVector(),
              (std::vector<std::string>{"A", DesignText("乙"), DesignText("丙"), "", "", "F"}));
    EXPECT_EQ(Part<TMemo>("memNote").Lines()->ToVector(), (std::vector<std::string>{DesignText("一"), "", "three"}));
}

TEST_F(LanguageControllerTest, ExcludedNamesAreSkippedButWhatTheyOwnIsStillRead)
{
    auto* inner = new TButton(&Part<TButton>("btnOk"));
    inner->SetName("btnInner");
    WritePackage("CHS", "TfrmSample",
                 R"(<L><btnOk Caption="OK"/><btnCancel Caption="Cancel"/><btnInner Caption="Inner"/></L>)");
    TStringList excluded;
    excluded.SetCommaText("\"  BTNOK \",BtnCancel");
    controller_->SetExcludeControls(&excluded);
    Apply("TfrmSample");
    EXPECT_EQ(Part<TButton>("btnOk").Caption(), DesignText("确定"));
    EXPECT_EQ(Part<TButton>("btnCancel").Caption(), DesignText("取消"));
    EXPECT_EQ(inner->Caption(), "Inner");
}

TEST_F(LanguageControllerTest, NumberedStepsReachCollectionItemsListItemsAndTreeNodes)
{
    auto* status = new TStatusBar(form_);
    status->SetName("stbMain");
    for (const char* text : {"a", "b", "c"})
        status->Panels()->Add()->SetText(text);
    auto* list = new TListView(form_);
    list->SetName("lvList");
    for (const char* caption : {"c0", "c1"})
        list->Columns()->Add()->SetCaption(caption);
    list->Items()->Add()->SetCaption("i0");
    auto* tree = new TTreeView(form_);
    tree->SetName("tvTree");
    tree->Items()->Add(nullptr, "n0");
    WritePackage("CHS", "TfrmSample", R"(<L>
        <stbMain Panels.Items_1.Text="B" Panels.Items_9.Text="X" Panels.Stuff_0.Text="Y"/>
        <lvList Columns_0.Caption="Code" Columns.ITEMS_1.Caption="Name" Items_0.Caption="Row"
                Items_7.Caption="Z"/>
        <tvTree items_0.Text="Root"/>
        </L>)");
    Apply("TfrmSample");
    std::vector<std::string> panels;
    for (int i = 0; i < status->Panels()->Count(); ++i)
        panels.push_back(status->Panels()->Items(i)->Text());
    EXPECT_EQ(panels, (std::vector<std::string>{"a", "B", "c"}));  // item 9 does not exist: no change
    EXPECT_EQ(list->Columns()->Items(0)->Caption(), "Code");
    EXPECT_EQ(list->Columns()->Items(1)->Caption(), "Name");
    EXPECT_EQ(list->Items()->Item(0)->Caption(), "Row");
    EXPECT_EQ(list->Items()->Count(), 1);
    EXPECT_EQ(tree->Items()->Item(0)->Text(), "Root");
}

TEST_F(LanguageControllerTest, FailedAssignmentsAreSkippedAndTheRestApplies)
{
    WritePackage("CHS", "TfrmSample",
                 R"(<L><btnCancel NoSuchProperty="x" Width="wide" Font.Name="Arial" Font_1.Name="Bad"
                                Caption="Cancel" Font.Nothing="y" Nothing.Name="z"/></L>)");
    TButton& button = Part<TButton>("btnCancel");
    const int width = button.Width();
    Apply("TfrmSample");
    EXPECT_EQ(button.Caption(), "Cancel");
    EXPECT_EQ(button.Width(), width);
    EXPECT_EQ(button.Font()->Name(), "Arial");
}

TEST_F(LanguageControllerTest, DerivedClassPackagesApplyAfterTheirAncestors)
{
    WritePackage("CHS", "TfrmBase", R"(<L Caption="Base"><btnOk Caption="Base OK" Hint="Base hint"/></L>)");
    WritePackage("CHS", "TfrmDerived", R"(<L><btnOk Caption="Derived OK"/></L>)");
    for (const char* className : {"TKWForm", "TfrmBase", "TfrmDerived"}) {
        controller_->SetLangPackageName(className);
        if (!FileExists(controller_->FileName()))
            continue;  // a class without a package is skipped
        controller_->SetActive(true);
        controller_->Reader().ReadComponent(form_);
    }
    EXPECT_EQ(form_->Caption(), "Base");
    EXPECT_EQ(Part<TButton>("btnOk").Caption(), "Derived OK");
    EXPECT_EQ(Part<TButton>("btnOk").Hint(), "Base hint");
}

TEST_F(LanguageControllerTest, MalformedPackageRaisesTheParserReasonAndLeavesTheFormAsDesigned)
{
    WritePackage("CHS", "TfrmSample", R"(<L Caption="Broken"><btnOk Caption="OK"></L>)");
    controller_->SetLangPackageName("TfrmSample");
    try {
        controller_->SetActive(true);
        FAIL() << "a malformed package was accepted";
    } catch (const LanguageControllerError& e) {
        EXPECT_STRNE(e.what(), "");
        EXPECT_STREQ(e.what(), pugi::xml_document().load_string(R"(<L><b></L>)").description());
    }
    EXPECT_FALSE(controller_->Active());
    EXPECT_EQ(form_->Caption(), DesignText("样例"));
    EXPECT_THROW(controller_->Reader(), LanguageControllerError);
}

TEST_F(LanguageControllerTest, ControllerErrorsHaveTheirOwnTexts)
{
    try {
        controller_->Reader();
        FAIL();
    } catch (const LanguageControllerError& e) {
        EXPECT_STREQ(e.what(), "No active LanguageController!");
    }
    try {
        controller_->SetActive(true);  // neither file nor inline text
        FAIL();
    } catch (const LanguageControllerError& e) {
        EXPECT_STREQ(e.what(), "Cannot Find File !");
    }
    controller_->SetLangPackageName("TfrmMissing");
    EXPECT_THROW(controller_->SetActive(true), LanguageControllerError);
    EXPECT_FALSE(controller_->Active());
}

TEST_F(LanguageControllerTest, PackageNameChoosesTheFileAndInlineTextReplacesIt)
{
    WritePackage("CHS", "TfrmSample", R"(<L Caption="From file"/>)");
    controller_->SetLangPackageName("TfrmSample");
    EXPECT_EQ(controller_->FileName(), ClientFolder() + "MultiLanguage\\CHS\\TfrmSample.Lng");
    controller_->SetActive(true);
    ASSERT_TRUE(controller_->Active());

    TStringList text;
    text.SetText(R"(<L Caption="Inline"/>)");
    controller_->SetInlinePackage(&text);
    EXPECT_FALSE(controller_->Active());
    EXPECT_EQ(controller_->FileName(), "");
    controller_->SetActive(true);
    controller_->Reader().ReadComponent(form_);
    EXPECT_EQ(form_->Caption(), "Inline");

    controller_->SetLangPackageName("TfrmOther");
    EXPECT_FALSE(controller_->Active());
    EXPECT_EQ(controller_->InlinePackage()->Count(), 0);
}

TEST_F(LanguageControllerTest, EventsTellOpeningClosingAndEachComponentRead)
{
    std::vector<std::string> events;
    controller_->BeforeOpen = [&](TObject*) { events.push_back("BeforeOpen"); };
    controller_->AfterOpen = [&](TObject*) { events.push_back("AfterOpen"); };
    controller_->BeforeClose = [&](TObject*) { events.push_back("BeforeClose"); };
    controller_->AfterClose = [&](TObject*) { events.push_back("AfterClose"); };
    controller_->BeforeLoadComponent = [&](TComponent* c, pugi::xml_node n) {
        events.push_back("Before " + c->Name() + " " + n.name());
    };
    controller_->AfterLoadComponent = [&](TComponent* c, pugi::xml_node) { events.push_back("After " + c->Name()); };
    WritePackage("CHS", "TfrmSample", R"(<L Caption="x"><lblName Caption="y"/></L>)");
    Apply("TfrmSample");
    controller_->SetActive(false);
    EXPECT_EQ(events, (std::vector<std::string>{"BeforeOpen", "AfterOpen", "Before frmSample L", "After frmSample",
                                                "Before lblName lblName", "After lblName", "BeforeClose",
                                                "AfterClose"}));
}

TEST_F(LanguageControllerTest, ActiveReadFromAFormTextTakesEffectWhenReadingEnds)
{
    WritePackage("CHS", "TfrmSample", R"(<L><btnOk Caption="OK"/></L>)");
    auto* form = new TForm(nullptr);
    ReadComponentText(*form, R"(object frmStreamed: TForm
  object LangController: TKwLangController
    Active = True
    LangPackageName = 'TfrmSample'
  end
end
)");
    auto* controller = form->Find<TKwLangController>("LangController");
    ASSERT_NE(controller, nullptr);
    EXPECT_TRUE(controller->Active());
    form->Free();
}

}  // namespace
