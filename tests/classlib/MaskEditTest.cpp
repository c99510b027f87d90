#include <gtest/gtest.h>

#include "platform/InputSim.h"
#include "platform/Mask.h"
#include "tests/classlib/HeadlessFixture.h"

namespace kw {
namespace {

struct MaskCase {
    const char* Mask;
    const char* Set;       // assigned to Text
    const char* EditText;  // what the edit shows
    const char* Text;      // what Text gives back
};

class MaskTextTest : public ::testing::TestWithParam<MaskCase> {};

TEST_P(MaskTextTest, TextAndEditTextFollowThePlatformRules) {
    const MaskCase& c = GetParam();
    TMaskEdit edit(nullptr);
    edit.SetEditMask(c.Mask);
    edit.SetText(c.Set);
    EXPECT_EQ(edit.EditText(), c.EditText) << c.Mask << " <- \"" << c.Set << "\"";
    EXPECT_EQ(edit.Text(), c.Text) << c.Mask << " <- \"" << c.Set << "\"";
}

INSTANTIATE_TEST_SUITE_P(
    SystemMasks, MaskTextTest,
    ::testing::Values(
        // Literals kept, blank is a space.
        MaskCase{"9999/99/99;1; ", "", "    /  /  ", "    /  /  "},
        MaskCase{"9999/99/99;1; ", "2024/05/01", "2024/05/01", "2024/05/01"},
        MaskCase{"9999/99/99;1; ", "20240501", "2024/05/01", "2024/05/01"},
        MaskCase{"9999/99/99;1; ", "2024/5/1", "2024/5 /1 ", "2024/5 /1 "},
        MaskCase{"9999/99/99;1; ", "2024/05", "2024/05/  ", "2024/05/  "},
        MaskCase{"99/99/9999;1; ", "05/01/2024", "05/01/2024", "05/01/2024"},
        MaskCase{"99/99/9999;1; ", "", "  /  /    ", "  /  /    "},
        MaskCase{"999/99/99;1; ", "113/01/05", "113/01/05", "113/01/05"},
        MaskCase{"999/99/99;1; ", "1130105", "113/01/05", "113/01/05"},
        // Literals left out of Text.
        MaskCase{"9999/99/99;0; ", "20240501", "2024/05/01", "20240501"},
        MaskCase{"9999/99/99;0; ", "", "    /  /  ", ""},
        MaskCase{"9999/99/99;0; ", "2024", "2024/  /  ", "2024"},
        // Another blank character: shown in EditText, a space in Text.
        MaskCase{"9999/99/99;1;_", "", "____/__/__", "    /  /  "},
        MaskCase{"9999/99/99;1;_", "2024/05", "2024/05/__", "2024/05/  "},
        MaskCase{"9999/99/99;0;_", "2024 5", "2024/_5/__", "2024 5"},
        // Case conversion and leading blanks.
        MaskCase{">LL-999;0;_", "ab12", "AB-12_", "AB12"},
        MaskCase{"!999;0;_", "7", "__7", "7"}));

class MaskTypingTest : public testing::HeadlessTest {
protected:
    TForm form{nullptr};
    TMaskEdit* edit = new TMaskEdit(&form);
    void SetUp() override {
        HeadlessTest::SetUp();
        edit->SetParent(&form);
        edit->SetEditMask("9999/99/99;1; ");
        form.Show();
    }
};

TEST_F(MaskTypingTest, TypedDigitsSkipTheLiteralsAndLettersAreRefused) {
    PressKey(VK_HOME);
    TypeText("20240");
    EXPECT_EQ(edit->EditText(), "2024/0 /  ");
    int beeps = ui.Beeps();
    TypeText("x");
    EXPECT_EQ(ui.Beeps(), beeps + 1);
    TypeText("501");
    EXPECT_EQ(edit->Text(), "2024/05/01");
    PressKey(VK_BACK);
    EXPECT_EQ(edit->Text(), "2024/05/0 ");
    TypeText("99");  // the last position is full: the second 9 is refused
    EXPECT_EQ(edit->Text(), "2024/05/09");
}

TEST_F(MaskTypingTest, RemaskingKeepsTheText) {
    edit->SetText("2024/05/01");
    edit->SetEditMask("9999/99/99;0; ");
    EXPECT_EQ(edit->Text(), "20240501");
    edit->SetEditMask("");
    EXPECT_EQ(edit->Text(), "20240501");
    EXPECT_EQ(FormatMaskText("9999/99/99;1; ", "20240501"), "2024/05/01");
}

TEST_F(MaskTypingTest, RequiredPositionsMustBeFilledBeforeLeaving) {
    auto* other = new TEdit(&form);
    other->SetParent(&form);
    edit->SetEditMask("0000;1;_");
    edit->SetFocus();
    PressKey(VK_HOME);
    TypeText("12");
    EXPECT_THROW(other->SetFocus(), EDBEditError);
    EXPECT_EQ(form.ActiveControl(), edit);
    TypeText("34");
    other->SetFocus();
    EXPECT_EQ(form.ActiveControl(), other);
}

}  // namespace
}  // namespace kw
