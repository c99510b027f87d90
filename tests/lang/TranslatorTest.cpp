#include <gtest/gtest.h>

#include "platform/CodePage.h"
#include "services/Translator.h"

using namespace kw;

namespace {

TEST(TranslatorTest, ConvertsGBToBig5AndBack)
{
    TTranslator translator;
    const std::string gb = Utf8ToCodePage("条件方案", CP_GBK);
    const std::string big5 = translator.ConvertToBig5(gb);
    EXPECT_EQ(big5, Utf8ToCodePage("條件方案", CP_BIG5));
    EXPECT_EQ(translator.ConvertToGB(big5), gb);
    EXPECT_EQ(translator.ConvertToBig5(""), "");
    EXPECT_EQ(translator.ConvertToGB("KTXR58"), "KTXR58");
}

TEST(TranslatorTest, MissingLibraryNamesTheFile)
{
    try {
        TTranslator translator("NoSuchConverter.so");
        FAIL() << "loaded a missing library";
    } catch (const ETranslatorError& e) {
        EXPECT_STREQ(e.what(), "Load Library NoSuchConverter.so Error!");
    }
}

TEST(TranslatorTest, LibraryWithoutTheConversionsIsRefused)
{
    try {
        TTranslator translator("libkwplatform.so");  // loads, but exports no conversion
        FAIL() << "accepted a library without conversions";
    } catch (const ETranslatorError& e) {
        EXPECT_STREQ(e.what(), "Get Library Procedure Address Error!");
    }
}

}  // namespace
