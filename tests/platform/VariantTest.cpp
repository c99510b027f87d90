#include "platform/Variant.h"

#include <gtest/gtest.h>

#include "platform/CodePage.h"
#include "platform/SysUtils.h"

using namespace kw;

TEST(Variant, KindsKeepTheirType) {
    EXPECT_EQ(Variant().type(), VarType::Empty);
    EXPECT_EQ(Variant::Null().type(), VarType::Null);
    EXPECT_EQ(Variant(true).type(), VarType::Boolean);
    EXPECT_EQ(Variant(7).type(), VarType::Int32);
    EXPECT_EQ(Variant(int64_t{7}).type(), VarType::Int64);
    EXPECT_EQ(Variant(1.5).type(), VarType::Double);
    EXPECT_EQ(Variant::FromDate(2.0).type(), VarType::Date);
    EXPECT_EQ(Variant("abc").type(), VarType::String);
    EXPECT_EQ(Variant(u"abc").type(), VarType::WideString);
    EXPECT_EQ(Variant::Array(1, 3).type(), VarType::Array);
}

TEST(Variant, TextConversions) {
    struct Case {
        Variant value;
        std::string text;
    } cases[] = {
        {Variant(true), "True"},         {Variant(false), "False"},      {Variant(-42), "-42"},
        {Variant(int64_t{1} << 40), "1099511627776"},                     {Variant(2.5), "2.5"},
        {Variant(0.1), "0.1"},           {Variant(1e20), "1E20"},        {Variant(100.0), "100"},
        {Variant::FromDate(EncodeDate(2004, 2, 29)), "2004/02/29"},
        {Variant::FromDate(EncodeDate(2004, 2, 29) + EncodeTime(13, 5, 9, 0)), "2004/02/29 13:05:09"},
        {Variant(), ""},                 {Variant(u"wide"), "wide"},
    };
    for (const auto& c : cases) EXPECT_EQ(c.value.toString(), c.text) << c.value.typeName();
}

TEST(Variant, FromTextConversions) {
    EXPECT_TRUE(Variant("true").toBool());
    EXPECT_FALSE(Variant("False").toBool());
    EXPECT_TRUE(Variant("3").toBool());
    EXPECT_EQ(Variant(" 12 ").toInt(), 12);
    EXPECT_EQ(Variant("12.5").toInt(), 12);  // rounds half to even
    EXPECT_EQ(Variant("13.5").toInt(), 14);
    EXPECT_DOUBLE_EQ(Variant("2.25").toDouble(), 2.25);
    EXPECT_EQ(Variant(true).toInt(), -1);
    EXPECT_DOUBLE_EQ(Variant("2004/02/29").toDate(), EncodeDate(2004, 2, 29));
    EXPECT_EQ(Variant().toInt(), 0);
}

TEST(Variant, FailedConversionsRaiseWithClearMessage) {
    try {
        Variant("abc").toInt();
        FAIL() << "no exception";
    } catch (const EVariantError& e) {
        EXPECT_STREQ(e.what(), "Could not convert variant of type (String) into type (Int64)");
    }
    EXPECT_THROW(Variant::Null().toString(), EVariantError);
    EXPECT_EQ(VarToStr(Variant::Null()), "");
    EXPECT_THROW(Variant("yes").toBool(), EVariantError);
    EXPECT_THROW(Variant("2004/02/30").toDate(), EVariantError);
    EXPECT_THROW(Variant(int64_t{1} << 40).toInt(), EVariantError);
    EXPECT_THROW(Variant::Array(0, 1).toString(), EVariantError);
    EXPECT_THROW(Variant(5).array(), EVariantError);
}

TEST(Variant, ByteStringsKeepTheirCodePage) {
    const std::string gbk = Utf8ToCodePage("条件方案", CP_GBK);
    Variant v(gbk, CP_GBK);
    EXPECT_EQ(v.codePage(), CP_GBK);
    EXPECT_EQ(v.bytes().size(), 8u);  // two bytes a character
    EXPECT_EQ(WideToUtf8(v.toWide()), "条件方案");
}

TEST(VarArray, OneDimensionWithAnyLowBound) {
    Variant a = Variant::Array(1, 3);
    a[1] = "x";
    a[3] = 5;
    EXPECT_EQ(a.low(), 1);
    EXPECT_EQ(a.high(), 3);
    EXPECT_TRUE(a[2].isEmpty());
    EXPECT_THROW(a[0], EVariantError);
    EXPECT_THROW(a[4], EVariantError);
}

TEST(VarArray, TwoDimensionsIndexRowMajor) {
    Variant grid(VarArray({{0, 1}, {0, 2}}));
    for (int r = 0; r <= 1; ++r)
        for (int c = 0; c <= 2; ++c) grid.array().at({r, c}) = r * 10 + c;
    EXPECT_EQ(grid.dimCount(), 2);
    EXPECT_EQ(grid.high(2), 2);
    EXPECT_EQ(grid.array().at({1, 2}).toInt(), 12);
    EXPECT_EQ(grid.array().items()[3].toInt(), 10);
    EXPECT_THROW(grid.array().at({2, 0}), EVariantError);
    EXPECT_THROW(grid.array().at(1), EVariantError);  // needs two indices
}

TEST(VarArray, CopiesByValueAndNests) {
    Variant inner = Variant::ArrayOf({Variant("a"), Variant("b")});
    Variant outer = Variant::Array(0, 2);
    outer[0] = inner;
    Variant copy = outer;
    copy[0][1] = "changed";
    EXPECT_EQ(outer[0][1].toString(), "b");
    EXPECT_EQ(copy[0][1].toString(), "changed");
    EXPECT_NE(outer, copy);
    copy[0][1] = "b";
    EXPECT_EQ(outer, copy);
}

TEST(VarArray, RedimPreservesAndGrows) {
    Variant a = Variant::ArrayOf(1, {Variant(1), Variant(2)});
    a.array().redimLast(4);
    EXPECT_EQ(a.high(), 4);
    EXPECT_EQ(a[2].toInt(), 2);
    EXPECT_TRUE(a[4].isEmpty());
    a.array().redimLast(1);
    EXPECT_EQ(a.array().size(), 1u);
}
