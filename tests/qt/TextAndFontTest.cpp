// Texts in code pages through the widgets, the fonts the desktop picks,
// and whether a display is there.
#include <QFontInfo>
#include <QLineEdit>
#include <cstdlib>

#include "platform/CodePage.h"
#include "platform/StdCtrls.h"
#include "platform/qt/QtDisplay.h"
#include "platform/qt/QtText.h"
#include "tests/qt/QtFixture.h"

namespace kw {
namespace {

using testing::QtTest;
using testing::TQtUser;

struct RoundTrip {
    TFontCharset Charset;
    int CodePage;
    const char* Utf8;
};

class CodePageRoundTripTest : public QtTest, public ::testing::WithParamInterface<RoundTrip> {};

// Typed text reaches the model in the font's code page, and the model's
// bytes show as the same characters.
TEST_P(CodePageRoundTripTest, TypedTextIsStoredAndShownInTheFontsCodePage) {
    const RoundTrip& p = GetParam();
    auto* form = new TForm(nullptr);
    form->Font()->SetCharset(p.Charset);
    auto* edit = new TEdit(form);
    edit->SetParent(form);
    form->Show();
    Settle();
    TQtUser(Desktop()).Type(p.Utf8);
    EXPECT_EQ(edit->Text(), Utf8ToCodePage(p.Utf8, p.CodePage));
    auto* widget = qobject_cast<QLineEdit*>(Desktop().WidgetOf(*edit));
    EXPECT_EQ(widget->text(), QString::fromUtf8(p.Utf8));
    edit->SetText(Utf8ToCodePage("甲乙丙", p.CodePage));
    Settle();
    EXPECT_EQ(widget->text(), QString::fromUtf8("甲乙丙"));
    form->Free();
}

INSTANTIATE_TEST_SUITE_P(Charsets, CodePageRoundTripTest,
                         ::testing::Values(RoundTrip{GB2312_CHARSET, CP_GBK, "简体中文ab"},
                                           RoundTrip{CHINESEBIG5_CHARSET, CP_BIG5, "繁體中文ab"}));

TEST(QtTextTest, PositionsCountWholeDoubleByteCharacters) {
    const std::string text = Utf8ToCodePage("a中b", CP_GBK);  // bytes: a, 2, b
    EXPECT_EQ(CharPosOfBytePos(text, 3, CP_GBK), 2);
    EXPECT_EQ(CharPosOfBytePos(text, 2, CP_GBK), 1);  // inside the double-byte character
    EXPECT_EQ(BytePosOfCharPos(text, 2, CP_GBK), 3);
    EXPECT_EQ(BytePosOfCharPos(text, 9, CP_GBK), 4);
}

class FontMapTest : public QtTest {};

TEST_F(FontMapTest, ChineseSystemFontsAndMissingFontsBecomeTheCjkFont) {
    struct Case {
        std::string Name;
        TFontCharset Charset;
        const char* Family;
    };
    const Case cases[] = {{"SimSun", GB2312_CHARSET, CjkFontFamily},
                          {DesignText("宋体"), GB2312_CHARSET, CjkFontFamily},
                          {DesignText("宋体"), DEFAULT_CHARSET, CjkFontFamily},
                          {Utf8ToCodePage("新細明體", CP_BIG5), CHINESEBIG5_CHARSET, CjkFontFamily},
                          {"MS Sans Serif", DEFAULT_CHARSET, CjkFontFamily},
                          {"No Such Font 42", DEFAULT_CHARSET, CjkFontFamily},
                          {"DejaVu Sans", DEFAULT_CHARSET, "DejaVu Sans"}};
    for (const Case& c : cases) {
        TFont font;
        font.SetName(c.Name);
        font.SetCharset(c.Charset);
        font.SetHeight(-13);
        const QFont q = QtFont(font);
        EXPECT_EQ(QFontInfo(q).family(), QString::fromUtf8(c.Family)) << c.Name;
        EXPECT_EQ(q.pixelSize(), 13);
    }
}

TEST_F(FontMapTest, TextExtentMeasuresWithTheShownFont) {
    TFont font;
    font.SetName(DesignText("宋体"));
    font.SetCharset(GB2312_CHARSET);
    font.SetHeight(-13);
    const TSize one = Backend().TextExtent(font, DesignText("中"));
    const TSize two = Backend().TextExtent(font, DesignText("中中"));
    EXPECT_GT(one.cx, 8);
    EXPECT_EQ(two.cx, 2 * one.cx);
    EXPECT_GE(one.cy, 13);
}

// Environment variables set for one test and put back after it.
class EnvGuard {
public:
    explicit EnvGuard(std::initializer_list<const char*> names) {
        for (const char* n : names) {
            const char* v = std::getenv(n);
            saved_.push_back({n, v ? std::optional<std::string>(v) : std::nullopt});
            ::unsetenv(n);
        }
    }
    ~EnvGuard() {
        for (auto& [n, v] : saved_) v ? (void)::setenv(n, v->c_str(), 1) : (void)::unsetenv(n);
    }

private:
    std::vector<std::pair<const char*, std::optional<std::string>>> saved_;
};

TEST(QtDisplayTest, AnOffscreenPlatformNeedsNoDisplay) {
    EnvGuard env({"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"});
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    EXPECT_TRUE(DisplayUsable());
}

TEST(QtDisplayTest, WithoutADisplayTheReasonIsGiven) {
    EnvGuard env({"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"});
    std::string why;
    EXPECT_FALSE(DisplayUsable(&why));
    EXPECT_NE(why.find("DISPLAY"), std::string::npos);
    ::setenv("DISPLAY", ":97", 1);  // no server answers there
    EXPECT_FALSE(DisplayUsable(&why));
    EXPECT_NE(why.find(":97"), std::string::npos);
}

}  // namespace
}  // namespace kw
