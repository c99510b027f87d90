#include <gtest/gtest.h>

#include "services/CodePageVariant.h"
#include "tests/lang/LangTestSupport.h"

using namespace kw;
using kw::testing::InCodePage;

namespace {

class CodePageVariantTest : public kw::testing::LangInstallation {};

TEST_F(CodePageVariantTest, EmptyNullAndNonTextValuesComeBackUnchanged)
{
    for (const Variant& value : {Variant(), Variant::Null(), Variant(5), Variant(2.5), Variant(true)}) {
        EXPECT_EQ(EncodeToCodePage(value, CP_BIG5), value) << value.typeName();
        EXPECT_EQ(DecodeFromCodePage(value, CP_BIG5), value) << value.typeName();
    }
}

TEST_F(CodePageVariantTest, TextOfEitherKindBecomesBytesOfTheCodePage)
{
    const Variant wide(Utf8ToWide("條件方案"));
    const Variant encoded = EncodeToCodePage(wide, CP_BIG5);
    EXPECT_EQ(encoded.type(), VarType::String);
    EXPECT_EQ(encoded.bytes(), InCodePage("條件方案", CP_BIG5));
    EXPECT_EQ(encoded.codePage(), CP_BIG5);
    // A byte text is read in its own code page first.
    const Variant gb(InCodePage("条件", CP_GBK), CP_GBK);
    EXPECT_EQ(EncodeToCodePage(gb, CP_UTF8).bytes(), "条件");
}

TEST_F(CodePageVariantTest, DecodeReadsTheBytesInTheGivenCodePage)
{
    const Variant big5(InCodePage("條件", CP_BIG5));  // tagged with the system code page (936)
    const Variant decoded = DecodeFromCodePage(big5, CP_BIG5);
    EXPECT_EQ(decoded.type(), VarType::WideString);
    EXPECT_EQ(decoded.toWide(), Utf8ToWide("條件"));
    // A wide text is first taken as bytes of the system code page.
    EXPECT_EQ(DecodeFromCodePage(Variant(Utf8ToWide("条件")), CP_GBK).toWide(), Utf8ToWide("条件"));
}

TEST_F(CodePageVariantTest, ArraysAreConvertedElementByElementAtEveryDepth)
{
    const Variant job = Variant::ArrayOf({Variant(InCodePage("方案", CP_GBK), CP_GBK), Variant(7),
                                          Variant::ArrayOf({Variant(u"x"), Variant::Null()})});
    const Variant wide = DecodeFromCodePage(job, CP_GBK);
    EXPECT_EQ(wide[0].toWide(), Utf8ToWide("方案"));
    EXPECT_EQ(wide[0].type(), VarType::WideString);
    EXPECT_EQ(wide[1], Variant(7));
    EXPECT_EQ(wide[2][0], Variant(u"x"));
    EXPECT_TRUE(wide[2][1].isNull());

    const Variant bytes = EncodeToCodePage(wide, CP_BIG5);
    EXPECT_EQ(bytes[0].bytes(), InCodePage("方案", CP_BIG5));
    EXPECT_EQ(bytes[0].codePage(), CP_BIG5);
    EXPECT_EQ(bytes[0].toWide(), Utf8ToWide("方案"));  // the element still reads as the same text
    EXPECT_EQ(bytes[2][0].bytes(), "x");

    VarArray grid({{0, 1}, {0, 1}});
    grid.at({1, 1}) = Variant(u"表");
    const Variant encodedGrid = EncodeToCodePage(Variant(grid), CP_GBK);
    EXPECT_EQ(encodedGrid.array().at({1, 1}).bytes(), InCodePage("表", CP_GBK));
}

TEST_F(CodePageVariantTest, CodePageTheSystemCannotConvertFallsBackToTheSystemCodePage)
{
    const Variant encoded = EncodeToCodePage(Variant(Utf8ToWide("方案")), 1252);
    EXPECT_EQ(encoded.bytes(), InCodePage("方案", CP_GBK));
    EXPECT_EQ(DecodeFromCodePage(Variant(InCodePage("方案", CP_GBK)), 1252).toWide(), Utf8ToWide("方案"));
}

}  // namespace
