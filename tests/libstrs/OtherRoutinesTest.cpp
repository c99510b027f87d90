#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>

#include <unistd.h>

#include "platform/CodePage.h"
#include "platform/SysUtils.h"
#include "services/LibStrs.h"
#include "tests/libstrs/CodePageScope.h"

namespace kw {
namespace {

TEST(ReplaceAllText, RemovesOrReplacesEveryOccurrence) {
    const struct {
        const char* text;
        const char* searched;
        const char* replacement;
        bool trim;
        const char* result;
    } cases[] = {
        {"a,b,,c", ",", "", false, "abc"},
        {"aabb", "ab", "", false, ""},             // a removal that forms a new occurrence
        {"AbcAbc", "bc", "X", false, "AXAX"},
        {"ABC", "b", "", false, "ABC"},            // case-sensitive search
        {"Abc", "a", "A", false, "Abc"},           // equal ignoring case: nothing replaced
        {"abc", "", "x", false, "abc"},
        {"a-b-c", "-", "--", false, "a--b--c"},    // the replacement brings the text back
        {"  x y \t", " y", "", true, "x"},
        {"\r\n x \x01", "q", "", true, "x"},
        {"  Abc  ", "a", "A", true, "Abc"},
        {"  x  ", "", "", false, "  x  "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.text) + " | " + c.searched + " -> " + c.replacement);
        EXPECT_EQ(ReplaceAllText(c.text, c.searched, c.replacement, c.trim), c.result);
    }
}

TEST(ReplaceAllText, LeavesDoubleByteCharactersWhole) {
    test::CodePageScope gbk(CP_GBK);
    // 0x95 0x5C is one GBK character whose second byte is a backslash.
    EXPECT_EQ(ReplaceAllText("\x95\x5C\\x", "\\", "", false), "\x95\x5Cx");
}

TEST(JoinCountedList, WritesPrefixCountAndItemsSeparatedByCode3) {
    EXPECT_EQ(JoinCountedList("R", Variant::ArrayOf({2, "a", 7})), u"R\x03" u"2\x03" u"a\x03" u"7\x03");
    EXPECT_EQ(JoinCountedList("", Variant::ArrayOf({0})), u"\x03" u"0\x03");
    EXPECT_EQ(JoinCountedList("R", Variant::ArrayOf({1, u"宽", "x"})), u"R\x03" u"1\x03" u"宽\x03");
    test::CodePageScope gbk(CP_GBK);
    EXPECT_EQ(JoinCountedList(DesignText("条件"), Variant::ArrayOf({0})), u"条件\x03" u"0\x03");
}

TEST(JoinCountedList, MalformedListGivesEmptyText) {
    EXPECT_EQ(JoinCountedList("R", Variant()), u"");
    EXPECT_EQ(JoinCountedList("R", Variant::ArrayOf({3, "a"})), u"");
    EXPECT_EQ(JoinCountedList("R", Variant::ArrayOf({"x", "a"})), u"");
}

TEST(DialogButtonCaption, TranslatesTheStandardButtonNames) {
    const struct {
        const char* name;
        const char* caption;  // UTF-8
    } cases[] = {
        {"Yes", "是(&Y)"},      {"No", "否(&N)"},          {"OK", "确定"},          {"Cancel", "取消"},
        {"Abort", "中断(&A)"},  {"Retry", "重试(&R)"},     {"Ignore", "忽略(&I)"},  {"All", "全部(&A)"},
        {"NoToAll", "全否(&o)"}, {"YesToAll", "全是(&A)"}, {"Help", "帮助(&H)"},
        {"yes", "yes"},         {"Close", "Close"},        {"", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(CodePageToUtf8(DialogButtonCaption(c.name), CP_DESIGN), c.caption);
    }
}

TEST(TextToFloatDef, ReadsOnlyAWholeDecimalNumber) {
    constexpr double fallback = -99;
    const struct {
        const char* text;
        double value;
    } cases[] = {
        {"1.5", 1.5},      {"-2.25e2", -225}, {"+3", 3},         {".5", 0.5},      {"7", 7},
        {"1E-2", 0.01},    {"1,5", fallback}, {" 1", fallback},  {"1 ", fallback}, {"", fallback},
        {"abc", fallback}, {"inf", fallback}, {"nan", fallback}, {"1e", fallback}, {"+-1", fallback},
        {"--1", fallback}, {"1e999", fallback}, {"0x10", fallback}, {".", fallback}, {"+", fallback},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_DOUBLE_EQ(TextToFloatDef(c.text, fallback), c.value);
    }
}

TEST(TextToFloatDef, IgnoresTheDecimalSeparatorOfTheSettings) {
    const char saved = FormatSettings().DecimalSeparator;
    FormatSettings().DecimalSeparator = ',';
    EXPECT_DOUBLE_EQ(TextToFloatDef("1.5", 0), 1.5);
    EXPECT_DOUBLE_EQ(TextToFloatDef("1,5", 0), 0);
    FormatSettings().DecimalSeparator = saved;
}

TEST(SmallRoutines, VariantsAndAddresses) {
    const Variant list = Variant::ArrayOf({1, 2});
    EXPECT_EQ(VariantIfThen(true, list, "b"), list);
    EXPECT_EQ(VariantIfThen(false, list, "b"), Variant("b"));

    EXPECT_TRUE(IsEmptyOrNull(Variant()));
    EXPECT_TRUE(IsEmptyOrNull(Variant::Null()));
    EXPECT_FALSE(IsEmptyOrNull(Variant("")));
    EXPECT_FALSE(IsEmptyOrNull(Variant(0)));

    EXPECT_TRUE(IsLoopbackAddress("127.0.0.1"));
    for (const char* address : {" 127.0.0.1", "127.0.0.1 ", "localhost", "127.0.0.2", "::1", ""}) {
        EXPECT_FALSE(IsLoopbackAddress(address)) << address;
    }
}

// Points TMPDIR somewhere for one test.
class TempFolderTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (const char* saved = std::getenv("TMPDIR")) saved_ = saved;
        root_ = std::filesystem::temp_directory_path() / ("libstrs_tmp_" + std::to_string(::getpid()));
        std::filesystem::create_directories(root_ / "real");
        std::filesystem::create_directory_symlink(root_ / "real", root_ / "link");
    }
    void TearDown() override {
        if (saved_) ::setenv("TMPDIR", saved_->c_str(), 1);
        else ::unsetenv("TMPDIR");
        std::filesystem::remove_all(root_);
    }
    std::filesystem::path root_;

private:
    std::optional<std::string> saved_;
};

TEST_F(TempFolderTest, LongTempFolderResolvesTheFolderWithTrailingSeparator) {
    ::setenv("TMPDIR", (root_ / "link").c_str(), 1);
    const std::string real = std::filesystem::canonical(root_ / "real").string();
    EXPECT_EQ(LongTempFolder(), real + "/");
}

TEST_F(TempFolderTest, LongTempFolderIsEmptyWhenTheFolderCannotBeResolved) {
    ::setenv("TMPDIR", (root_ / "missing").c_str(), 1);
    EXPECT_EQ(LongTempFolder(), "");
    ::setenv("TMPDIR", ("/" + std::string(300, 'x')).c_str(), 1);
    EXPECT_EQ(LongTempFolder(), "");
}

}  // namespace
}  // namespace kw
