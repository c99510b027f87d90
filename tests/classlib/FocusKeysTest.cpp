#include <gtest/gtest.h>

#include "platform/ExtCtrls.h"
#include "platform/InputSim.h"
#include "platform/StdCtrls.h"
#include "tests/classlib/HeadlessFixture.h"

namespace kw {
namespace {

// A form with a panel holding two edits and, outside it, a third edit and a
// button; tab order edA, edB (in the panel), edC, btn.
class FocusTest : public testing::HeadlessTest {
protected:
    TForm* form = nullptr;
    TPanel* panel = nullptr;
    TEdit *edA = nullptr, *edB = nullptr, *edC = nullptr;
    TButton* btn = nullptr;
    std::vector<std::string> log;

    TEdit* MakeEdit(const char* name, TWinControl* parent) {
        auto* e = new TEdit(form);
        e->SetName(name);
        e->SetParent(parent);
        e->OnEnter = [this, e](TObject*) { log.push_back("enter " + e->Name()); };
        e->OnExit = [this, e](TObject*) { log.push_back("exit " + e->Name()); };
        return e;
    }

    void SetUp() override {
        HeadlessTest::SetUp();
        form = new TForm(nullptr);
        form->SetName("frmFocus");
        panel = new TPanel(form);
        panel->SetName("pnl");
        panel->SetParent(form);
        panel->OnEnter = [this](TObject*) { log.push_back("enter pnl"); };
        panel->OnExit = [this](TObject*) { log.push_back("exit pnl"); };
        edA = MakeEdit("edA", panel);
        edB = MakeEdit("edB", panel);
        edC = MakeEdit("edC", form);
        btn = new TButton(form);
        btn->SetName("btn");
        btn->SetParent(form);
    }
    void TearDown() override {
        form->Free();
        HeadlessTest::TearDown();
    }
};

TEST_F(FocusTest, ShowingFocusesTheFirstControlInTabOrder) {
    form->Show();
    EXPECT_EQ(form->ActiveControl(), edA);
    EXPECT_TRUE(edA->Focused());
    EXPECT_EQ(log, (std::vector<std::string>{"enter pnl", "enter edA"}));
}

TEST_F(FocusTest, ExitsRunBeforeEntersAndContainersHearWhenTheFocusCrossesThem) {
    form->Show();
    log.clear();
    edB->SetFocus();
    EXPECT_EQ(log, (std::vector<std::string>{"exit edA", "enter edB"}));
    log.clear();
    edC->SetFocus();
    EXPECT_EQ(log, (std::vector<std::string>{"exit edB", "exit pnl", "enter edC"}));
    log.clear();
    edA->SetFocus();
    EXPECT_EQ(log, (std::vector<std::string>{"exit edC", "enter pnl", "enter edA"}));
}

TEST_F(FocusTest, AnExitHandlerThatSendsTheFocusBackKeepsIt) {
    form->Show();
    edA->OnExit = [this](TObject*) {
        log.push_back("exit edA refuses");
        edA->SetFocus();
    };
    log.clear();
    edC->SetFocus();
    EXPECT_EQ(form->ActiveControl(), edA);
    EXPECT_EQ(log, (std::vector<std::string>{"exit edA refuses"}));
}

TEST_F(FocusTest, AnExitHandlerThatRaisesLeavesTheFocusWhereItWas) {
    form->Show();
    edA->OnExit = [](TObject*) { throw std::runtime_error("bad value"); };
    EXPECT_THROW(edC->SetFocus(), std::runtime_error);
    EXPECT_EQ(form->ActiveControl(), edA);
}

TEST_F(FocusTest, TabAndShiftTabFollowTheTabOrderSkippingWhatCannotTakeTheFocus) {
    form->Show();
    edB->SetEnabled(false);
    PressKey(VK_TAB);
    EXPECT_EQ(form->ActiveControl(), edC);
    PressKey(VK_TAB);
    EXPECT_EQ(form->ActiveControl(), btn);
    PressKey(VK_TAB);
    EXPECT_EQ(form->ActiveControl(), edA);  // wraps around
    PressKey(VK_TAB, SS_SHIFT);
    EXPECT_EQ(form->ActiveControl(), btn);
    edC->SetTabOrder(0);  // now before the panel
    form->SelectNext(btn, true, true);
    EXPECT_EQ(form->ActiveControl(), edC);
    EXPECT_EQ(edC->TabOrder(), 0);
    EXPECT_EQ(panel->TabOrder(), 1);
}

TEST_F(FocusTest, FocusingInAHiddenFormOrADisabledControlIsRefused) {
    EXPECT_THROW(edA->SetFocus(), EInvalidOperation);
    form->Show();
    edC->SetVisible(false);
    EXPECT_THROW(edC->SetFocus(), EInvalidOperation);
    EXPECT_THROW(form->SetActiveControl(edC), EInvalidOperation);
}

TEST_F(FocusTest, KeyPreviewLetsTheFormSeeAndConsumeKeysFirst) {
    form->Show();
    form->SetKeyPreview(true);
    form->OnKeyDown = [this](TObject* sender, uint16_t& key, TShiftState) {
        log.push_back("form down " + std::to_string(key));
        if (key == VK_F2) key = 0;
    };
    form->OnKeyPress = [this](TObject*, char& ch) {
        if (ch == '\r') {
            log.push_back("form takes enter");
            ch = 0;
        }
    };
    edA->OnKeyDown = [this](TObject*, uint16_t& key, TShiftState) { log.push_back("edit down " + std::to_string(key)); };
    log.clear();
    PressKey(VK_F2);
    EXPECT_EQ(log, (std::vector<std::string>{"form down 113"}));
    log.clear();
    PressKey(VK_RETURN);
    EXPECT_EQ(log, (std::vector<std::string>{"form down 13", "edit down 13", "form takes enter"}));
    EXPECT_EQ(edA->Text(), "");
    TypeText("ab");
    EXPECT_EQ(edA->Text(), "ab");
}

TEST_F(FocusTest, EnterClicksTheDefaultButtonAndEscTheCancelButton) {
    int clicks = 0;
    btn->SetDefault(true);
    btn->SetModalResult(mrOk);
    btn->OnClick = [&](TObject*) { ++clicks; };
    auto* cancel = new TButton(form);
    cancel->SetParent(form);
    cancel->SetCancel(true);
    cancel->SetModalResult(mrCancel);
    form->Show();
    PressKey(VK_RETURN);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(form->ModalResult(), mrOk);
    PressKey(VK_ESCAPE);
    EXPECT_EQ(form->ModalResult(), mrCancel);
}

TEST_F(FocusTest, TypingEditsTheFocusedControl) {
    form->Show();
    TypeText("Hello");
    PressKey(VK_BACK);
    EXPECT_EQ(edA->Text(), "Hell");
    PressKey(VK_HOME);
    PressKey(VK_DELETE);
    EXPECT_EQ(edA->Text(), "ell");
    edA->SetMaxLength(4);
    PressKey(VK_END);
    TypeText("oo");
    EXPECT_EQ(edA->Text(), "ello");
    edA->SetSelStart(0);
    edA->SetSelLength(4);
    PressKey('C', SS_CTRL);
    EXPECT_EQ(ui.ClipboardText(), "ello");
}

TEST_F(FocusTest, ClickingAnEditFocusesItAndAMemoTakesEnterAsANewLine) {
    auto* memo = new TMemo(form);
    memo->SetParent(form);
    form->Show();
    ASSERT_TRUE(ClickControl(*memo));
    EXPECT_EQ(form->ActiveControl(), memo);
    TypeText("one");
    PressKey(VK_RETURN);
    TypeText("two");
    EXPECT_EQ(memo->Lines()->Count(), 2);
    EXPECT_EQ(memo->Lines()->Strings(1), "two");
    EXPECT_EQ(memo->CaretPos().Y, 1);
    memo->SetEnabled(false);
    EXPECT_FALSE(ClickControl(*memo));
}

}  // namespace
}  // namespace kw
