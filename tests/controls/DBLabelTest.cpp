#include <gtest/gtest.h>

#include "controls/DBLabel.h"
#include "platform/ClassBuilder.h"
#include "platform/ClientDataSet.h"
#include "platform/HeadlessBackend.h"
#include "platform/SocketConn.h"
#include "tests/classlib/RecordsServer.h"
#include "tests/controls/ControlsFixture.h"

namespace kw {
namespace {

using DBLabel = testing::FormTest;

struct PlaceCase {
    TPos pos;
    int gap;
    TRect control;
    TSize label;
    TPoint expected;
};

TEST_F(DBLabel, PlacesItselfBesideItsControl) {
    const PlaceCase cases[] = {
        {psLeft, 4, Bounds(100, 19, 80, 21), {30, 13}, {66, 23}},   // 19 + 10 - 6
        {psLeft, 4, Bounds(100, 40, 80, 13), {30, 13}, {66, 40}},   // equal heights: same top
        {psLeft, 4, Bounds(5, 19, 80, 21), {30, 13}, {0, 23}},      // not beyond the left edge
        {psRight, 2, Bounds(100, 19, 80, 21), {30, 13}, {182, 23}},
        {psTop, 4, Bounds(100, 30, 80, 21), {30, 13}, {100, 13}},
        {psTop, 4, Bounds(100, 10, 80, 21), {30, 13}, {100, 0}},    // not above the top edge
        {psBottom, 3, Bounds(100, 30, 80, 21), {30, 13}, {100, 54}},
    };
    for (const PlaceCase& c : cases) {
        auto* edit = Make<TEdit>("edTarget");
        auto* label = Make<TDBLabel>("lblTarget");
        label->SetAutoSize(false);
        label->SetBounds(0, 0, c.label.cx, c.label.cy);
        edit->SetBoundsRect(c.control);
        label->SetPos(c.pos);
        label->SetGap(static_cast<uint8_t>(c.gap));
        label->SetFocusControl(edit);
        EXPECT_EQ(label->Left(), c.expected.X) << "pos " << c.pos << " at " << c.control.Left;
        EXPECT_EQ(label->Top(), c.expected.Y) << "pos " << c.pos << " at " << c.control.Top;
        label->Free();
        edit->Free();
    }
}

TEST_F(DBLabel, NewLabelHasItsDefaults) {
    auto* label = Make<TDBLabel>("lblNew");
    EXPECT_EQ(THeadlessBackend::Readable(label->Caption(), *label->Font()), "挂靠标签");
    EXPECT_EQ(label->Pos(), psLeft);
    EXPECT_EQ(label->Gap(), 4);
    EXPECT_TRUE(label->AutoAlign());
    EXPECT_TRUE(label->AutoCaption());
}

TEST_F(DBLabel, ASecondLabelOnTheSameControlIsRefusedWithAMessage) {
    auto* edit = Make<TEdit>("edCode");
    auto* other = Make<TEdit>("edOther");
    auto* first = Make<TDBLabel>("lblFirst");
    auto* second = Make<TDBLabel>("lblSecond");
    first->SetFocusControl(edit);
    second->SetFocusControl(other);
    ui.Answer(mrOk, "不能同时有两个 DBLabel 指到同一个 Control.");
    second->SetFocusControl(edit);
    EXPECT_EQ(second->FocusControl(), other);
    EXPECT_EQ(first->FocusControl(), edit);
    ASSERT_EQ(ui.Shown().size(), 1u);
    EXPECT_EQ(ui.Shown()[0].Caption, "Error");
    // Binding again to its own control shows nothing; unbinding needs no check.
    first->SetFocusControl(edit);
    second->SetFocusControl(nullptr);
    EXPECT_EQ(second->FocusControl(), nullptr);
    EXPECT_EQ(ui.Shown().size(), 1u);
}

TEST_F(DBLabel, LabelsInAnotherContainerAreNotInspected) {
    auto* edit = Make<TEdit>("edCode");
    auto* box = Make<TGroupBox>("gbOther");
    auto* first = Make<TDBLabel>("lblFirst");
    auto* inBox = Make<TDBLabel>("lblInBox", box);  // owned by the form, so its container owns nothing
    first->SetFocusControl(edit);
    inBox->SetFocusControl(edit);
    EXPECT_EQ(inBox->FocusControl(), edit);
}

TEST_F(DBLabel, AtRunTimeALaterMoveOfTheControlDoesNotMoveTheLabel) {
    auto* edit = Make<TEdit>("edCode");
    auto* label = Make<TDBLabel>("lblCode");
    label->SetFocusControl(edit);
    const int left = label->Left();
    edit->SetLeft(edit->Left() + 50);
    EXPECT_EQ(label->Left(), left);
    label->SetGap(8);  // a change of the gap places it again
    EXPECT_EQ(label->Left(), std::max(edit->Left() - label->Width() - 8, 0));
}

// A data source and a data-aware edit just as far as the label looks at them.
class TProbeSource : public TComponent {
    KW_CLASS(TProbeSource)
public:
    explicit TProbeSource(TComponent* owner) : TComponent(owner) {}
    TClientDataSet* DataSet() const { return dataSet_; }
    void SetDataSet(TClientDataSet* d) { dataSet_ = d; }

private:
    TClientDataSet* dataSet_ = nullptr;
};

class TProbeDBEdit : public TEdit {
    KW_CLASS(TProbeDBEdit)
public:
    explicit TProbeDBEdit(TComponent* owner) : TEdit(owner) {}
    TProbeSource* DataSource() const { return source_; }
    void SetDataSource(TProbeSource* s) { source_ = s; }
    std::string DataField() const { return field_; }
    void SetDataField(const std::string& f) { field_ = f; }

private:
    TProbeSource* source_ = nullptr;
    std::string field_;
};

}  // namespace

KW_BEGIN_CLASS(TProbeSource, TComponent)
    b.Prop("DataSet", &TProbeSource::DataSet, &TProbeSource::SetDataSet);
KW_END_CLASS(TProbeSource)

KW_BEGIN_CLASS(TProbeDBEdit, TEdit)
    b.Prop("DataSource", &TProbeDBEdit::DataSource, &TProbeDBEdit::SetDataSource);
    b.Prop("DataField", &TProbeDBEdit::DataField, &TProbeDBEdit::SetDataField);
KW_END_CLASS(TProbeDBEdit)

namespace {

const char* const ProviderClass = "KwControlsTest.Provider";

// A server whose provider "pvdItems" delivers one record.
AutoClassRegistrar registrar(ProviderClass, testing::RecordsServerFactory(ProviderClass, {"ITEM_NO"}, {{"A-1"}}));

TEST_F(DBLabel, TakesTheDisplayLabelOfTheBoundFieldOrKeepsItsCaption) {
    TSocketConnection connection(nullptr);
    auto* dataSet = testing::MakeItemsDataSet(form, connection, ProviderClass);
    dataSet->Open();
    dataSet->FieldByName("ITEM_NO").SetDisplayLabel("Item number");
    auto* source = new TProbeSource(form);
    auto* edit = Make<TProbeDBEdit>("edItem");
    auto* label = Make<TDBLabel>("lblItem");
    label->SetCaption("Item");

    edit->SetDataField("ITEM_NO");
    label->SetFocusControl(edit);  // no data source
    EXPECT_EQ(label->Caption(), "Item");
    edit->SetDataSource(source);   // a data source without a dataset
    label->SetAutoCaption(true);
    EXPECT_EQ(label->Caption(), "Item");
    source->SetDataSet(dataSet);
    edit->SetDataField("NO_SUCH_FIELD");
    label->SetAutoCaption(true);
    EXPECT_EQ(label->Caption(), "Item");
    edit->SetDataField("ITEM_NO");
    label->SetAutoCaption(false);  // switched off: left alone
    EXPECT_EQ(label->Caption(), "Item");
    label->SetAutoCaption(true);
    EXPECT_EQ(label->Caption(), "Item number");
    dataSet->Free();
}

}  // namespace
}  // namespace kw
