#include <gtest/gtest.h>

#include "platform/ClassBuilder.h"
#include "platform/CodePage.h"
#include "platform/ExtCtrls.h"
#include "platform/FormStream.h"
#include "platform/ImgList.h"
#include "platform/InputSim.h"
#include "platform/Menus.h"
#include "platform/StdCtrls.h"
#include "tests/classlib/HeadlessFixture.h"

namespace kw {

// Records the states it sees while its property is read.
class TStateProbe : public TComponent {
    KW_CLASS(TStateProbe)
public:
    explicit TStateProbe(TComponent* owner) : TComponent(owner) {}
    int Probe() const { return 0; }
    void SetProbe(int) {
        StateWhileRead = ComponentState();
        OwnerStateWhileRead = Owner() ? Owner()->ComponentState() : 0;
    }
    void Loaded() override {
        TComponent::Loaded();
        ++LoadedCalls;
    }
    TComponentState StateWhileRead = 0;
    TComponentState OwnerStateWhileRead = 0;
    int LoadedCalls = 0;
};

class TTestBaseForm : public TForm {
    KW_CLASS(TTestBaseForm)
public:
    explicit TTestBaseForm(TComponent* owner) : TForm(owner) {}
    TButton* btnOk = nullptr;
    TEdit* edName = nullptr;
    int Shown = 0;
    int Clicks = 0;
    void FormShow(TObject*) { ++Shown; }
    void btnOkClick(TObject*) { ++Clicks; }
};

class TTestDerivedForm : public TTestBaseForm {
    KW_CLASS(TTestDerivedForm)
public:
    explicit TTestDerivedForm(TComponent* owner) : TTestBaseForm(owner) {}
    TEdit* edExtra = nullptr;
};

KW_BEGIN_CLASS(TStateProbe, TComponent)
    b.Prop("Probe", &TStateProbe::Probe, &TStateProbe::SetProbe);
    b.Creatable();
KW_END_CLASS(TStateProbe)

KW_BEGIN_CLASS(TTestBaseForm, TForm)
    b.Component("btnOk", &TTestBaseForm::btnOk);
    b.Component("edName", &TTestBaseForm::edName);
    b.Method<TNotifyEvent, &TTestBaseForm::FormShow>("FormShow");
    b.Method<TNotifyEvent, &TTestBaseForm::btnOkClick>("btnOkClick");
KW_END_CLASS(TTestBaseForm)

KW_BEGIN_CLASS(TTestDerivedForm, TTestBaseForm)
    b.Component("edExtra", &TTestDerivedForm::edExtra);
KW_END_CLASS(TTestDerivedForm)

namespace {

using FormStreamTest = testing::HeadlessTest;

TEST_F(FormStreamTest, AnInheritedFormGetsItsAncestorsComponentsAndItsOwnChanges) {
    auto* form = CreateForm<TTestDerivedForm>(nullptr);
    EXPECT_EQ(form->Name(), "TestDerived");
    EXPECT_EQ(form->Caption(), "Derived");
    EXPECT_EQ(form->Width(), 509);
    EXPECT_TRUE(form->KeyPreview());
    EXPECT_EQ(form->BorderIcons(), 1u << biMaximize);
    EXPECT_EQ(form->Color(), clBtnFace);
    EXPECT_EQ(form->Font()->Name(), DesignText("宋体"));
    EXPECT_EQ(form->Font()->Charset(), 134);
    // Owners and parents.
    auto* pnl = form->Find<TPanel>("pnlLeft");
    ASSERT_NE(pnl, nullptr);
    ASSERT_NE(form->edExtra, nullptr);
    ASSERT_NE(form->edName, nullptr);
    ASSERT_NE(form->btnOk, nullptr);
    for (TComponent* c : form->ComponentList()) EXPECT_EQ(c->Owner(), form) << c->Name();
    EXPECT_EQ(form->edExtra->Parent(), pnl);
    EXPECT_EQ(form->edName->Parent(), pnl);
    EXPECT_EQ(pnl->Parent(), form);
    EXPECT_EQ(pnl->Width(), 200);
    EXPECT_EQ(pnl->Height(), 355);  // aligned left in the form's client area
    EXPECT_EQ(form->btnOk->Caption(), "OK");
    EXPECT_EQ(form->btnOk->ModalResult(), mrOk);
    // References resolved when loading ended, forward ones included.
    EXPECT_EQ(form->Find<TLabel>("lblCaption")->FocusControl(), form->edName);
    EXPECT_EQ(form->Find<TLabel>("lblExtra")->FocusControl(), form->edExtra);
    EXPECT_EQ(form->btnOk->PopupMenu(), form->Find<TPopupMenu>("mnList"));
    // Tab order as the texts gave it.
    auto* edCode = form->Find<TEdit>("edCode");
    EXPECT_EQ(form->edExtra->TabOrder(), 0);  // the derived text puts it first
    EXPECT_EQ(edCode->TabOrder(), 1);
    EXPECT_EQ(form->edName->TabOrder(), 2);
    // Texts in the design code page.
    EXPECT_EQ(form->Find<TLabel>("lblCaption")->Caption(), DesignText(" 条件方案"));
    EXPECT_EQ(edCode->Text(), "A'B\r\nC");
    auto* kind = form->Find<TComboBox>("cboKind");
    EXPECT_EQ(kind->Items()->Strings(0), DesignText("甲"));
    EXPECT_EQ(kind->ItemIndex(), 1);
    EXPECT_EQ(kind->Text(), "B");
    // Menus.
    auto* menu = form->Find<TPopupMenu>("mnList");
    ASSERT_EQ(menu->Items()->Count(), 2);
    auto* n8 = form->Find<TMenuItem>("N8");
    n8->SetChecked(true);
    EXPECT_FALSE(form->Find<TMenuItem>("N7")->Checked());
    // Events bound to the form's methods.
    form->Show();
    EXPECT_EQ(form->Shown, 1);
    ClickControl(*form->btnOk);
    EXPECT_EQ(form->Clicks, 1);
    form->Free();
}

TEST_F(FormStreamTest, ComponentsAreReadWithTheLoadingAndReadingStatesSet) {
    auto* form = CreateForm<TTestBaseForm>(nullptr);
    auto* probe = form->Find<TStateProbe>("probe");
    ASSERT_NE(probe, nullptr);
    EXPECT_EQ(probe->StateWhileRead & (csLoading | csReading), csLoading | csReading);
    EXPECT_EQ(probe->OwnerStateWhileRead & (csLoading | csReading), csLoading | csReading);
    EXPECT_EQ(probe->LoadedCalls, 1);
    EXPECT_EQ(probe->ComponentState() & (csLoading | csReading), 0u);
    EXPECT_EQ(form->ComponentState() & (csLoading | csReading), 0u);
    form->Free();
}

TEST_F(FormStreamTest, BrokenTextsNameTheLine) {
    struct {
        const char* Text;
        const char* Says;
    } cases[] = {
        {"object F: TForm\n  Nonsense = 1\nend", "Line 2: Property Nonsense does not exist"},
        {"object F: TForm\n  object X: TNoSuchClass\n  end\nend", "Line 2: Class TNoSuchClass not found"},
        {"object F: TForm\n  ActiveControl = edMissing\nend", "Unresolved reference to edMissing"},
        {"object F: TForm\n  Position = poNowhere\nend", "Line 2: Invalid property value"},
        {"object F: TForm\n  Caption = 'open\nend", "Line 2: unterminated text"},
        {"object F: TForm\n  Left = 1\n", "end expected"},
        {"object F: TForm\n  OnShow = NoSuchHandler\nend", "Method NoSuchHandler of TForm not found"},
        {"object F: TForm\n  inherited Z: TEdit\n  end\nend", "Ancestor for 'Z' not found"},
    };
    for (auto& c : cases) {
        TForm form(nullptr);
        try {
            ReadComponentText(form, c.Text);
            ADD_FAILURE() << "no error for " << c.Text;
        } catch (const EReadError& e) {
            EXPECT_NE(std::string(e.what()).find(c.Says), std::string::npos) << e.what();
        }
    }
}

TEST_F(FormStreamTest, CollectionsBitmapsAndFloatsAreRead) {
    TForm form(nullptr);
    TBitmap glyph;
    glyph.SetSize(2, 1);
    glyph.SetPixel(0, 0, clRed);
    glyph.SetPixel(1, 0, clBlue);
    std::string hex;
    for (unsigned char c : glyph.SaveToBytes()) {
        static const char digits[] = "0123456789ABCDEF";
        hex += digits[c >> 4];
        hex += digits[c & 15];
    }
    std::string text = "object F: TForm\n object list: TImageList\n  Width = 1\n  Height = 1\n  Strip = {" + hex +
                       "}\n end\nend";
    ReadComponentText(form, text);
    auto* images = form.Find<TImageList>("list");
    ASSERT_NE(images, nullptr);
    EXPECT_EQ(images->Count(), 2);
}

}  // namespace
}  // namespace kw
