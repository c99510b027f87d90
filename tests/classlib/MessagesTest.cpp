#include <gtest/gtest.h>

#include "platform/ClassBuilder.h"
#include "platform/InputSim.h"
#include "platform/StdCtrls.h"
#include "tests/classlib/HeadlessFixture.h"

namespace kw {

inline constexpr uint32_t WM_TESTREQUEST = WM_USER + 10;

class TBaseMsgForm : public TForm {
    KW_CLASS(TBaseMsgForm)
public:
    explicit TBaseMsgForm(TComponent* owner) : TForm(owner) {}
    std::vector<std::string> Log;
    void WMTestRequest(TMessage& m) {
        Log.push_back("base " + std::to_string(m.LParam));
        m.Result = 7;
    }
};

class TDerivedMsgForm : public TBaseMsgForm {
    KW_CLASS(TDerivedMsgForm)
public:
    explicit TDerivedMsgForm(TComponent* owner) : TBaseMsgForm(owner) {}
    void WMTestRequest2(TMessage& m) {
        Log.push_back("derived");
        InheritedMessage(StaticClassInfo(), m);
    }
};

KW_BEGIN_CLASS(TBaseMsgForm, TForm)
    b.Message<&TBaseMsgForm::WMTestRequest>(WM_TESTREQUEST);
KW_END_CLASS(TBaseMsgForm)

KW_BEGIN_CLASS(TDerivedMsgForm, TBaseMsgForm)
    b.Message<&TDerivedMsgForm::WMTestRequest2>(WM_TESTREQUEST);
KW_END_CLASS(TDerivedMsgForm)

namespace {

using MessagesTest = testing::HeadlessTest;

TEST_F(MessagesTest, UserMessagesReachTheHandlerOfTheClassAndItsInheritedOne) {
    TDerivedMsgForm form(nullptr);
    EXPECT_EQ(form.Perform(WM_TESTREQUEST, 0, 42), 7);
    EXPECT_EQ(form.Log, (std::vector<std::string>{"derived", "base 42"}));
    TBaseMsgForm base(nullptr);
    EXPECT_EQ(SendMessage(base.Handle(), WM_TESTREQUEST, 0, 5), 7);
    EXPECT_EQ(base.Log, (std::vector<std::string>{"base 5"}));
    EXPECT_EQ(base.Perform(WM_USER + 11), 0);  // no handler: default handling
    EXPECT_EQ(SendMessage(0xDEAD, WM_TESTREQUEST, 0, 0), 0);
}

TEST_F(MessagesTest, PostedMessagesWaitForProcessMessagesAndSkipWindowsThatWent) {
    auto* form = new TBaseMsgForm(nullptr);
    HWND h = form->Handle();
    PostMessage(h, WM_TESTREQUEST, 0, 1);
    PostMessage(h, WM_TESTREQUEST, 0, 2);
    EXPECT_TRUE(form->Log.empty());
    Application()->ProcessMessages();
    EXPECT_EQ(form->Log, (std::vector<std::string>{"base 1", "base 2"}));
    PostMessage(h, WM_TESTREQUEST, 0, 3);
    form->Free();
    Application()->ProcessMessages();  // the window is gone: nothing happens
    EXPECT_EQ(Application()->PendingMessages(), 0u);
}

TEST_F(MessagesTest, APostedCloseRequestClosesTheForm) {
    TForm form(nullptr);
    form.Show();
    PostMessage(form.Handle(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(form.Visible());
    Application()->ProcessMessages();
    EXPECT_FALSE(form.Visible());
}

TEST_F(MessagesTest, LeftButtonDownAndUpMakeAClick) {
    TForm form(nullptr);
    auto* button = new TButton(&form);
    button->SetParent(&form);
    std::vector<std::string> log;
    button->OnMouseDown = [&](TObject*, TMouseButton b, TShiftState s, int x, int y) {
        log.push_back("down " + std::to_string(x) + "," + std::to_string(y));
    };
    button->OnMouseUp = [&](TObject*, TMouseButton, TShiftState, int, int) { log.push_back("up"); };
    button->OnClick = [&](TObject*) { log.push_back("click"); };
    SendMessage(button->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MakeMouseLParam(3, 4));
    SendMessage(button->Handle(), WM_LBUTTONUP, 0, MakeMouseLParam(3, 4));
    EXPECT_EQ(log, (std::vector<std::string>{"down 3,4", "up", "click"}));
    log.clear();
    // Released outside the button: no click.
    SendMessage(button->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, 0);
    SendMessage(button->Handle(), WM_LBUTTONUP, 0, MakeMouseLParam(500, 4));
    EXPECT_EQ(log, (std::vector<std::string>{"down 0,0", "up"}));
}

TEST_F(MessagesTest, HandlesAreMadeOnDemandAndGoWithTheControl) {
    TForm form(nullptr);
    auto* edit = new TEdit(&form);
    edit->SetParent(&form);
    EXPECT_FALSE(edit->HandleAllocated());
    HWND h = edit->Handle();
    EXPECT_NE(h, 0u);
    EXPECT_EQ(FindControl(h), edit);
    edit->Free();
    EXPECT_EQ(FindControl(h), nullptr);
}

}  // namespace
}  // namespace kw
