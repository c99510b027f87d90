// TDataSource and TDBEdit: the edit shows the bound field of the current
// record and writes typing into it only while the record is being edited.
#include <gtest/gtest.h>

#include <functional>

#include "platform/Automation.h"
#include "platform/DBCtrls.h"
#include "platform/FormStream.h"
#include "platform/InputSim.h"
#include "platform/SocketConn.h"
#include "tests/classlib/FormFixture.h"
#include "tests/classlib/RecordsServer.h"

namespace kw {
namespace {

const char* const ProviderClass = "KwClasslibTest.DBEditProvider";

// A server whose provider "pvdItems" delivers two records.
AutoClassRegistrar registrar(ProviderClass, testing::RecordsServerFactory(ProviderClass, {"CODE", "NAME"},
                                                                             {{"A-1", "alpha"}, {"B-2", "beta"}}));

class DBEditTest : public testing::FormTestOf<TForm, 400, 300> {
protected:
    TSocketConnection connection{nullptr};
    TClientDataSet* dataSet = nullptr;
    TDataSource* source = nullptr;
    TDBEdit* edit = nullptr;

    void SetUp() override {
        FormTestOf::SetUp();
        dataSet = testing::MakeItemsDataSet(form, connection, ProviderClass);
        dataSet->SetName("cdsItems");
        source = new TDataSource(form);
        edit = Make<TDBEdit>("edName");
    }
    // The edit bound to NAME of the open dataset, focused.
    void BindAndFocus() {
        source->SetDataSet(dataSet);
        edit->SetDataSource(source);
        edit->SetDataField("NAME");
        dataSet->Open();
        source->DataChanged();
        edit->SetFocus();
    }
    std::string RecordName() const { return dataSet->FieldByName("NAME").AsString(); }
};

TEST_F(DBEditTest, ShowsTheFieldOfTheCurrentRecordWhenTheSourceSaysSo) {
    int told = 0;
    source->OnDataChange = [&](TObject* sender) {
        EXPECT_EQ(sender, source);
        ++told;
    };
    source->SetDataSet(dataSet);
    edit->SetDataSource(source);
    edit->SetDataField("NAME");
    EXPECT_EQ(edit->Text(), "");  // closed dataset
    dataSet->Open();
    source->DataChanged();
    EXPECT_EQ(edit->Text(), "alpha");
    EXPECT_FALSE(edit->Modified());
    EXPECT_EQ(edit->Field(), dataSet->FindField("NAME"));
    dataSet->Next();
    EXPECT_EQ(edit->Text(), "alpha");  // nobody told the source yet
    source->DataChanged();
    EXPECT_EQ(edit->Text(), "beta");
    EXPECT_EQ(told, 3);  // dataset set, then twice told
    edit->SetDataField("CODE");
    EXPECT_EQ(edit->Text(), "B-2");
    edit->SetDataField("NO_SUCH_FIELD");
    EXPECT_EQ(edit->Field(), nullptr);
    EXPECT_EQ(edit->Text(), "");
    edit->SetDataField("NAME");
    dataSet->Close();
    source->DataChanged();
    EXPECT_EQ(edit->Text(), "");
    EXPECT_EQ(source->State(), TDataSetState::Inactive);
}

TEST_F(DBEditTest, ShowsTheFieldsTextThroughItsGetTextHandler) {
    BindAndFocus();
    dataSet->FieldByName("NAME").OnGetText = [](TField* field, std::string& text, bool) {
        text = "<" + field->AsString() + ">";
    };
    source->DataChanged();
    EXPECT_EQ(edit->Text(), "<alpha>");
}

TEST_F(DBEditTest, EnteringTheEditShowsTheRecordAsItIsNow) {
    BindAndFocus();
    auto* other = new TEdit(form);
    other->SetParent(form);
    other->SetFocus();
    dataSet->Last();  // moved without telling the source
    edit->SetFocus();
    EXPECT_EQ(edit->Text(), "beta");
}

TEST_F(DBEditTest, InputIsRefusedWithABeepUnlessTheRecordIsBeingEdited) {
    BindAndFocus();
    struct Input {
        const char* what;
        std::function<void()> give;
    };
    const Input inputs[] = {
        {"typing", [] { TypeText("x"); }},
        {"backspace", [] { PressKey(VK_BACK); }},
        {"delete", [] { PressKey(VK_DELETE); }},
        {"cut", [] { KeyTarget()->HandleChar(24); }},
    };
    for (const Input& input : inputs) {
        const int beeps = ui.Beeps();
        edit->SelectAll();
        input.give();
        EXPECT_EQ(edit->Text(), "alpha") << input.what;
        EXPECT_EQ(RecordName(), "alpha") << input.what;
        EXPECT_EQ(ui.Beeps(), beeps + 1) << input.what;
    }
    EXPECT_EQ(dataSet->State(), TDataSetState::Browse);
}

TEST_F(DBEditTest, TypingEditsTheRecordThroughTheFieldsSetText) {
    BindAndFocus();
    std::vector<std::string> entered;
    dataSet->FieldByName("NAME").OnSetText = [&](TField* field, const std::string& text) {
        entered.push_back(text);
        field->SetAsString(text);
    };
    int changes = 0;
    edit->OnChange = [&](TObject*) { ++changes; };
    dataSet->Edit();
    source->DataChanged();
    edit->SelectAll();
    TypeText("zeta");
    EXPECT_EQ(edit->Text(), "zeta");
    EXPECT_EQ(RecordName(), "zeta");
    EXPECT_EQ(entered, (std::vector<std::string>{"z", "ze", "zet", "zeta"}));
    EXPECT_EQ(changes, 4);
    PressKey(VK_BACK);
    EXPECT_EQ(RecordName(), "zet");
    dataSet->Post();
    source->DataChanged();
    EXPECT_EQ(RecordName(), "zet");
    EXPECT_EQ(edit->Text(), "zet");

    dataSet->Edit();
    edit->SelectAll();
    TypeText("q");
    dataSet->Cancel();
    source->DataChanged();
    EXPECT_EQ(edit->Text(), "zet");
    EXPECT_EQ(RecordName(), "zet");
}

TEST_F(DBEditTest, AReadOnlyEditLeavesTheRecordAlone) {
    BindAndFocus();
    edit->SetReadOnly(true);
    dataSet->Edit();
    edit->SelectAll();
    TypeText("x");
    EXPECT_EQ(edit->Text(), "alpha");
    EXPECT_EQ(RecordName(), "alpha");
    EXPECT_FALSE(edit->CanModify());
}

TEST_F(DBEditTest, FreeingTheDataSetOrTheSourceUnbindsTheEdit) {
    BindAndFocus();
    dataSet->Free();
    EXPECT_EQ(source->DataSet(), nullptr);
    EXPECT_EQ(edit->Text(), "");
    EXPECT_EQ(edit->Field(), nullptr);
    source->Free();
    EXPECT_EQ(edit->DataSource(), nullptr);
    TypeText("x");  // no record to write to
    EXPECT_EQ(edit->Text(), "");
}

TEST_F(DBEditTest, AFreedEditIsNoLongerTold) {
    BindAndFocus();
    auto* second = new TDBEdit(form);
    second->SetParent(form);
    second->SetDataSource(source);
    second->SetDataField("CODE");
    EXPECT_EQ(second->Text(), "A-1");
    edit->Free();
    dataSet->Next();
    source->DataChanged();
    EXPECT_EQ(second->Text(), "B-2");
}

TEST_F(DBEditTest, FormTextsCreateAndBindThemByName) {
    TForm* textForm = new TForm(Application());
    ReadComponentText(*textForm, R"(object frmItems: TForm
  object edItem: TDBEdit
    Left = 8
    Top = 8
    DataSource = dsItems
    DataField = 'NAME'
    MaxLength = 12
    CharCase = ecUpperCase
    ReadOnly = True
  end
  object dsItems: TDataSource
    DataSet = cdsItems
  end
  object cdsItems: TClientDataSet
    ProviderName = 'pvdItems'
  end
end)");
    auto* item = textForm->Find<TDBEdit>("edItem");
    auto* items = textForm->Find<TDataSource>("dsItems");
    auto* itemSet = textForm->Find<TClientDataSet>("cdsItems");
    ASSERT_NE(item, nullptr);
    ASSERT_NE(items, nullptr);
    EXPECT_EQ(item->DataSource(), items);
    EXPECT_EQ(items->DataSet(), itemSet);
    EXPECT_EQ(item->DataField(), "NAME");
    EXPECT_EQ(item->MaxLength(), 12);
    EXPECT_TRUE(item->ReadOnly());
    for (const char* name : {"AutoSelect", "ImeName", "PasswordChar", "OnChange", "TabOrder"})
        EXPECT_NE(item->ClassInfo().FindProp(name), nullptr) << name;
    itemSet->SetRemoteServer(&connection);
    itemSet->Open();
    items->DataChanged();
    EXPECT_EQ(item->Text(), "ALPHA");  // the edit's character case
    textForm->Free();
}

}  // namespace
}  // namespace kw
