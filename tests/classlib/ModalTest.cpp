#include <gtest/gtest.h>

#include "platform/CodePage.h"
#include "platform/Dialogs.h"
#include "platform/InputSim.h"
#include "platform/StdCtrls.h"
#include "tests/classlib/HeadlessFixture.h"

namespace kw {
namespace {

using ModalTest = testing::HeadlessTest;

TEST_F(ModalTest, ModalFormsTakeTheirAnswerFromTheQueue) {
    TForm form(nullptr);
    form.SetCaption("Pick");
    auto* ok = new TButton(&form);
    ok->SetName("btnOk");
    ok->SetParent(&form);
    ok->SetModalResult(mrOk);
    auto* edit = new TEdit(&form);
    edit->SetParent(&form);
    ui.AnswerWith([&](TCustomForm& f) {
        edit->SetFocus();
        TypeText("abc");
        ClickControl(*ok);
    });
    EXPECT_EQ(form.ShowModal(), mrOk);
    EXPECT_EQ(edit->Text(), "abc");
    EXPECT_FALSE(form.Visible());
    ui.Answer(mrCancel, "Pick");
    EXPECT_EQ(form.ShowModal(), mrCancel);
    ASSERT_EQ(ui.Shown().size(), 2u);
    EXPECT_EQ(ui.Shown()[0].Caption, "Pick");
    EXPECT_EQ(ui.Shown()[0].Result, mrOk);
}

TEST_F(ModalTest, AModalFormBlocksClicksOnTheOtherForms) {
    TForm main(nullptr);
    auto* button = new TButton(&main);
    button->SetParent(&main);
    main.Show();
    TForm dialog(nullptr);
    bool reachedMain = true;
    ui.AnswerWith([&](TCustomForm& f) {
        reachedMain = ClickControl(*button);
        f.SetModalResult(mrOk);
    });
    dialog.ShowModal();
    EXPECT_FALSE(reachedMain);
    EXPECT_TRUE(ClickControl(*button));
    EXPECT_EQ(Screen()->ActiveForm(), &main);
}

TEST_F(ModalTest, AVisibleFormCannotBeShownModally) {
    TForm form(nullptr);
    form.Show();
    EXPECT_THROW(form.ShowModal(), EInvalidOperation);
}

TEST_F(ModalTest, UnansweredDialogsFailWithTheirText) {
    ExpectsUnanswered = true;
    try {
        MessageDlg("Save changes?", mtConfirmation, mbYesNoCancel);
        FAIL() << "no exception";
    } catch (const EUnansweredDialog& e) {
        EXPECT_NE(std::string(e.what()).find("Save changes?"), std::string::npos);
        EXPECT_NE(std::string(e.what()).find("Confirm"), std::string::npos);
    }
    ui.Answer(mrYes, "Something else");
    EXPECT_THROW(MessageDlg("Save changes?", mtConfirmation, mbYesNoCancel), EUnansweredDialog);
    EXPECT_EQ(ui.Unanswered().size(), 2u);
    // Caught on the way, the failure is still on record for the test's end.
    try {
        MessageDlg("Swallowed", mtError, MsgDlgButtons({mbOK}));
    } catch (const std::exception&) {
    }
    EXPECT_NE(ui.Unanswered().back().find("Swallowed"), std::string::npos);
}

TEST_F(ModalTest, CloseQueryCanKeepAModalFormOpenUntilTheNextAnswer) {
    TForm form(nullptr);
    int asked = 0;
    form.OnCloseQuery = [&](TObject*, bool& canClose) { canClose = ++asked > 1; };
    ui.Answer(mrOk);
    ui.Answer(mrCancel);
    EXPECT_EQ(form.ShowModal(), mrCancel);
    EXPECT_EQ(asked, 2);
}

struct CloseCase {
    TCloseAction Action;
    bool VisibleAfter;
    bool FreedAfterMessages;
};

class CloseActionTest : public testing::HeadlessTest, public ::testing::WithParamInterface<CloseCase> {};

TEST_P(CloseActionTest, CloseCarriesOutTheActionTheHandlerChose) {
    auto* form = new TForm(nullptr);
    bool destroyed = false;
    std::vector<std::string> events;
    form->OnHide = [&](TObject*) { events.push_back("hide"); };
    form->OnClose = [&](TObject*, TCloseAction& action) {
        EXPECT_EQ(action, caHide);
        events.push_back("close");
        action = GetParam().Action;
    };
    form->OnDestroy = [&](TObject*) { destroyed = true; };
    form->Show();
    form->Close();
    EXPECT_EQ(form->Visible(), GetParam().VisibleAfter);
    EXPECT_FALSE(destroyed);  // a release waits for the message loop
    Application()->ProcessMessages();
    EXPECT_EQ(destroyed, GetParam().FreedAfterMessages);
    if (!destroyed) form->Free();
    EXPECT_EQ(events.front(), "close");
}

INSTANTIATE_TEST_SUITE_P(Actions, CloseActionTest,
                         ::testing::Values(CloseCase{caNone, true, false}, CloseCase{caHide, false, false},
                                           CloseCase{caFree, true, true}, CloseCase{caMinimize, true, false}));

TEST_F(ModalTest, MessageDialogButtonsAreFoundByNameAndKeepTheirResults) {
    TForm* dlg = CreateMessageDialog("Delete the scheme?", mtConfirmation, MsgDlgButtons({mbYes, mbNo}));
    EXPECT_EQ(dlg->Caption(), "Confirm");
    auto* yes = dlg->Find<TButton>("Yes");
    auto* no = dlg->Find<TButton>("No");
    ASSERT_NE(yes, nullptr);
    ASSERT_NE(no, nullptr);
    EXPECT_EQ(dlg->FindComponent("OK"), nullptr);
    EXPECT_EQ(yes->Caption(), "&Yes");
    EXPECT_TRUE(yes->Default());
    EXPECT_TRUE(no->Cancel());
    EXPECT_EQ(MessageDialogText(*dlg), "Delete the scheme?");
    yes->SetCaption(DesignText("是(&Y)"));
    dlg->Font()->SetCharset(GB2312_CHARSET);
    dlg->SetCaption(DesignText("确认"));
    ui.AnswerWith([](TCustomForm& f) { ClickControl(*f.Find<TButton>("No")); });
    EXPECT_EQ(dlg->ShowModal(), mrNo);
    EXPECT_EQ(ui.Shown().back().Caption, "确认");
    dlg->Free();
}

TEST_F(ModalTest, DialogKindsHaveTheirCaptions) {
    struct {
        TMsgDlgType Type;
        const char* Caption;
    } cases[] = {{mtWarning, "Warning"}, {mtError, "Error"}, {mtInformation, "Information"},
                 {mtConfirmation, "Confirm"}};
    for (auto& c : cases) {
        ui.Answer(mrOk, c.Caption);
        EXPECT_EQ(MessageDlg("x", c.Type, MsgDlgButtons({mbOK})), mrOk);
    }
    Application()->SetTitle("KTXR58");
    ui.Answer(mrOk, "KTXR58");
    ShowMessage("done");
}

TEST_F(ModalTest, AnExceptionInAnEventHandlerIsShownInAnErrorBoxAndTheProgramGoesOn) {
    TForm form(nullptr);
    auto* button = new TButton(&form);
    button->SetParent(&form);
    button->OnClick = [](TObject*) { throw std::runtime_error("Disk full"); };
    form.Show();
    ui.Answer(mrOk, "Disk full.");
    EXPECT_TRUE(ClickControl(*button));
    EXPECT_EQ(ui.Shown().back().ClassName, "TMessageForm");
    int seen = 0;
    Application()->OnException = [&](TObject* sender, const std::exception& e) {
        EXPECT_EQ(sender, button);
        ++seen;
    };
    ClickControl(*button);
    EXPECT_EQ(seen, 1);
    Application()->OnException = nullptr;
    // Perform is a direct call: the exception reaches the caller.
    button->Perform(WM_LBUTTONDOWN, MK_LBUTTON, 0);
    EXPECT_THROW(button->Perform(WM_LBUTTONUP, 0, 0), std::runtime_error);
}

}  // namespace
}  // namespace kw
