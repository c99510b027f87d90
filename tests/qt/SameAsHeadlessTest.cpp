// A form with every standard control kind, worked through the desktop's
// widgets and, as a reference, through the headless backend's simulated
// input: the model must see the same events and end with the same values.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>

#include "platform/CodePage.h"
#include "platform/InputSim.h"
#include "platform/StdCtrls.h"
#include "tests/qt/QtFixture.h"

namespace kw {
namespace {

using testing::QtTest;
using testing::TQtUser;

// What a user can do, on either backend.
class User {
public:
    virtual ~User() = default;
    virtual void Click(TControl& control) = 0;
    virtual void Type(const std::string& utf8) = 0;
    virtual void Press(uint16_t key, TShiftState shift = 0) = 0;
    virtual void PickFromList(TComboBox& combo, int index) = 0;
    virtual void PickListItem(TListBox& list, int index) = 0;
    virtual void CloseWindow(TCustomForm& form) = 0;
};

class HeadlessUser : public User {
public:
    void Click(TControl& control) override { ClickControl(control, 2, 2); }
    void Type(const std::string& utf8) override {
        for (QChar c : QString::fromUtf8(utf8)) {
            TWinControl* target = KeyTarget();
            TypeText(c.unicode() < 0x80 ? std::string(1, static_cast<char>(c.unicode()))
                                        : Utf8ToCodePage(QString(c).toStdString(), target->Font()->CodePage()));
        }
    }
    void Press(uint16_t key, TShiftState shift) override { PressKey(key, shift); }
    void PickFromList(TComboBox& combo, int index) override {
        combo.SetDroppedDown(true);
        combo.SelectByUser(index);
        combo.SetDroppedDown(false);
    }
    void PickListItem(TListBox& list, int index) override {
        list.SetItemIndex(index);
        ClickControl(list, 2, 2);
    }
    void CloseWindow(TCustomForm& form) override { SendMessage(form.Handle(), WM_CLOSE, 0, 0); }
};

class DesktopUser : public User {
public:
    explicit DesktopUser(TQtBackend& backend) : user_(backend) {}
    void Click(TControl& control) override { user_.Click(control); }
    void Type(const std::string& utf8) override { user_.Type(utf8); }
    void Press(uint16_t key, TShiftState shift) override { user_.Press(key, shift); }
    void PickFromList(TComboBox& combo, int index) override { user_.PickFromList(combo, index); }
    void PickListItem(TListBox& list, int index) override { user_.PickListItem(list, index); }
    void CloseWindow(TCustomForm& form) override { user_.CloseWindow(form); }

private:
    TQtUser user_;
};

// The sample form: every control logs what it hears.
struct Sample {
    TForm* form = nullptr;
    TLabel* lblName = nullptr;
    TEdit *edName = nullptr, *edCode = nullptr, *edGuard = nullptr;
    TMemo* memNote = nullptr;
    TComboBox *cboKind = nullptr, *cboFree = nullptr;
    TListBox* lstItems = nullptr;
    TCheckBox* chkAll = nullptr;
    TGroupBox* gbWhen = nullptr;
    TRadioButton *rbNow = nullptr, *rbLater = nullptr;
    TButton *btnOk = nullptr, *btnCancel = nullptr;
    std::vector<std::string> log;
    int closeAsks = 0;

    template <class T>
    T* Make(const char* name, TWinControl* parent, int left, int top) {
        auto* c = new T(form);
        c->SetName(name);
        c->SetParent(parent);
        c->SetLeft(left);
        c->SetTop(top);
        c->OnClick = [this, c](TObject*) { log.push_back(c->Name() + ".Click"); };
        if constexpr (std::is_base_of_v<TWinControl, T>) {
            c->OnEnter = [this, c](TObject*) { log.push_back(c->Name() + ".Enter"); };
            c->OnExit = [this, c](TObject*) { log.push_back(c->Name() + ".Exit"); };
        }
        return c;
    }
    template <class T>
    void LogChange(T* c) {
        c->OnChange = [this, c](TObject*) { log.push_back(c->Name() + ".Change " + CodePageToUtf8(c->Text(), CP_GBK)); };
    }
    static std::string G(const char* utf8) { return DesignText(utf8); }

    Sample() {
        form = new TForm(nullptr);
        form->SetName("frmSample");
        form->SetBounds(100, 100, 460, 320);
        form->Font()->SetName(G("宋体"));
        form->Font()->SetCharset(GB2312_CHARSET);
        form->Font()->SetHeight(-13);
        form->SetText(G("样例"));
        form->SetKeyPreview(true);
        form->OnKeyDown = [this](TObject*, uint16_t& key, TShiftState shift) {
            log.push_back("form.KeyDown " + std::to_string(key) + "/" + std::to_string(shift));
            if (key == VK_F2) key = 0;
        };
        form->OnCloseQuery = [this](TObject*, bool& canClose) {
            canClose = ++closeAsks > 1;
            log.push_back(std::string("form.CloseQuery ") + (canClose ? "yes" : "no"));
        };
        form->OnClose = [this](TObject*, TCloseAction&) { log.push_back("form.Close"); };
        lblName = Make<TLabel>("lblName", form, 8, 12);
        lblName->SetText(G("名称(&N)"));
        edName = Make<TEdit>("edName", form, 80, 8);
        edName->OnKeyDown = [this](TObject*, uint16_t& key, TShiftState) {
            log.push_back("edName.KeyDown " + std::to_string(key));
        };
        edName->OnKeyPress = [this](TObject*, char& ch) {
            log.push_back("edName.KeyPress " + std::to_string(static_cast<unsigned char>(ch)));
        };
        LogChange(edName);
        edCode = Make<TEdit>("edCode", form, 220, 8);
        edCode->SetCharCase(ecUpperCase);
        edCode->SetMaxLength(5);
        LogChange(edCode);
        memNote = Make<TMemo>("memNote", form, 8, 36);
        memNote->SetHeight(50);
        LogChange(memNote);
        cboKind = Make<TComboBox>("cboKind", form, 220, 36);
        cboKind->SetStyle(csDropDownList);
        cboKind->Items()->SetText(G("甲\n乙\n丙"));
        LogChange(cboKind);
        cboKind->OnSelect = [this](TObject*) { log.push_back("cboKind.Select"); };
        cboKind->OnDropDown = [this](TObject*) { log.push_back("cboKind.DropDown"); };
        cboKind->OnCloseUp = [this](TObject*) { log.push_back("cboKind.CloseUp"); };
        cboFree = Make<TComboBox>("cboFree", form, 220, 64);
        cboFree->Items()->SetText("one\ntwo");
        LogChange(cboFree);
        lstItems = Make<TListBox>("lstItems", form, 8, 96);
        lstItems->SetHeight(60);
        lstItems->Items()->SetText(G("第一\n第二\n第三"));
        chkAll = Make<TCheckBox>("chkAll", form, 220, 96);
        chkAll->SetText(G("全部(&A)"));
        gbWhen = Make<TGroupBox>("gbWhen", form, 220, 120);
        gbWhen->SetText(G("时间"));
        gbWhen->SetHeight(70);
        rbNow = Make<TRadioButton>("rbNow", gbWhen, 8, 18);
        rbNow->SetText(G("立即"));
        rbLater = Make<TRadioButton>("rbLater", gbWhen, 8, 40);
        rbLater->SetText(G("稍后"));
        edGuard = Make<TEdit>("edGuard", form, 8, 200);
        edGuard->OnExit = [this](TObject*) {
            log.push_back("edGuard.Exit " + edGuard->Text());
            if (edGuard->Text() == "no") edGuard->SetFocus();
        };
        btnOk = Make<TButton>("btnOk", form, 200, 260);
        btnOk->SetText(G("确定"));
        btnOk->SetDefault(true);
        btnCancel = Make<TButton>("btnCancel", form, 290, 260);
        btnCancel->SetText(G("取消"));
        btnCancel->SetCancel(true);
    }
    ~Sample() { form->Free(); }

    std::string FocusName() const {
        return form->ActiveControl() ? form->ActiveControl()->Name() : std::string("(none)");
    }
    // The values a person would read off the form.
    std::vector<std::string> Values() const {
        auto u = [](const std::string& text) { return CodePageToUtf8(text, CP_GBK); };
        return {u(edName->Text()), u(edCode->Text()), u(memNote->Text()), std::to_string(cboKind->ItemIndex()),
                u(cboKind->Text()), u(cboFree->Text()), std::to_string(lstItems->ItemIndex()),
                std::to_string(chkAll->State()), std::to_string(rbNow->Checked()), std::to_string(rbLater->Checked()),
                u(edGuard->Text()), FocusName(), std::to_string(form->Visible())};
    }
};

struct Outcome {
    std::vector<std::string> Log;
    std::vector<std::string> Values;
    std::vector<std::string> FocusTrail;  // the focused control after each step
};

// The same steps on either backend; Check runs after each step.
Outcome Work(Sample& s, User& user, const std::function<void(Sample&)>& check) {
    Outcome out;
    auto step = [&](const std::function<void()>& act) {
        act();
        QtTest::Settle();
        out.FocusTrail.push_back(s.FocusName());
        check(s);
    };
    step([&] { s.form->Show(); });
    step([&] { user.Type("ab中文"); });
    step([&] { user.Press(VK_TAB); });
    step([&] { user.Type("x1-y"); });
    step([&] { user.Press(VK_F2); });
    step([&] { user.Press(VK_TAB); });
    step([&] {
        user.Type("l1");
        user.Press(VK_RETURN);
        user.Type("l2");
    });
    step([&] { user.Press(VK_TAB); });
    step([&] { user.PickFromList(*s.cboKind, 2); });
    step([&] { user.Press(VK_TAB); });
    step([&] { user.Type("zz"); });
    step([&] { user.Press(VK_TAB); });
    step([&] { user.PickListItem(*s.lstItems, 1); });
    step([&] { user.Click(*s.chkAll); });
    step([&] { user.Click(*s.chkAll); });
    step([&] { user.Click(*s.rbLater); });
    step([&] { user.Click(*s.lblName); });
    step([&] { user.Click(*s.edName); });
    step([&] {
        user.Press(VK_HOME);
        user.Type("Q");
    });
    step([&] { user.Click(*s.edGuard); });
    step([&] { user.Type("no"); });
    step([&] { user.Click(*s.btnOk); });  // the guard refuses to let the focus go
    step([&] {
        user.Press(VK_BACK);
        user.Press(VK_BACK);
        user.Type("ok");
    });
    step([&] { user.Press(VK_ESCAPE); });
    step([&] { user.Press(VK_RETURN); });
    step([&] { user.CloseWindow(*s.form); });  // refused the first time
    step([&] { user.CloseWindow(*s.form); });
    out.Log = s.log;
    out.Values = s.Values();
    return out;
}

class SameAsHeadlessTest : public QtTest {};

TEST_F(SameAsHeadlessTest, TheModelSeesTheSameEventsAndValues) {
    Outcome reference;
    {
        Headless();
        Sample s;
        HeadlessUser user;
        reference = Work(s, user, [](Sample&) {});
    }
    SetBackend(std::make_unique<TQtBackend>());
    TQtBackend& desktop = Desktop();
    Sample s;
    DesktopUser user(desktop);
    Outcome seen = Work(s, user, [&](Sample& f) {
        // The desktop's keyboard focus follows the model's.
        if (f.form->Visible() && f.form->ActiveControl()) {
            EXPECT_EQ(QApplication::focusWidget(), desktop.WidgetOf(*f.form->ActiveControl()))
                << "model focus on " << f.FocusName();
        }
    });
    EXPECT_EQ(seen.Log, reference.Log);
    EXPECT_EQ(seen.FocusTrail, reference.FocusTrail);
    EXPECT_EQ(seen.Values, reference.Values);
    // Sanity of the reference itself.
    EXPECT_EQ(reference.Values[0], "Qab中文");
    EXPECT_EQ(reference.Values[1], "X1-Y");
    EXPECT_EQ(reference.Values[2], "l1\r\nl2");
    EXPECT_EQ(reference.Values[4], "丙");
    EXPECT_EQ(reference.Values[10], "ok");
    EXPECT_EQ(reference.Values[12], "0");
}

TEST_F(SameAsHeadlessTest, WidgetsShowTheModelsState) {
    Sample s;
    s.form->Show();
    s.edName->SetText(s.G("甲乙"));
    s.cboKind->SetItemIndex(1);
    s.lstItems->SetItemIndex(2);
    s.chkAll->SetState(cbChecked);
    s.rbNow->SetChecked(true);
    s.memNote->SetText("a\r\nb");
    s.edCode->SetEnabled(false);
    s.btnCancel->SetVisible(false);
    s.edName->SetBounds(90, 10, 150, 24);
    Settle();
    TQtBackend& d = Desktop();
    EXPECT_EQ(qobject_cast<QLineEdit*>(d.WidgetOf(*s.edName))->text(), QString::fromUtf8("甲乙"));
    EXPECT_EQ(d.WidgetOf(*s.edName)->geometry(), QRect(90, 10, 150, 24));
    EXPECT_EQ(qobject_cast<QComboBox*>(d.WidgetOf(*s.cboKind))->currentText(), QString::fromUtf8("乙"));
    EXPECT_EQ(qobject_cast<QListWidget*>(d.WidgetOf(*s.lstItems))->currentRow(), 2);
    EXPECT_TRUE(qobject_cast<QCheckBox*>(d.WidgetOf(*s.chkAll))->isChecked());
    EXPECT_TRUE(qobject_cast<QRadioButton*>(d.WidgetOf(*s.rbNow))->isChecked());
    EXPECT_FALSE(qobject_cast<QRadioButton*>(d.WidgetOf(*s.rbLater))->isChecked());
    EXPECT_EQ(qobject_cast<QPlainTextEdit*>(d.WidgetOf(*s.memNote))->toPlainText(), "a\nb");
    EXPECT_FALSE(d.WidgetOf(*s.edCode)->isEnabled());
    EXPECT_FALSE(d.WidgetOf(*s.btnCancel)->isVisible());
    EXPECT_EQ(d.WidgetOf(*s.form)->windowTitle(), QString::fromUtf8("样例"));
    EXPECT_EQ(d.WidgetOf(*s.rbNow)->parentWidget(), d.WidgetOf(*s.gbWhen));
}

}  // namespace
}  // namespace kw
