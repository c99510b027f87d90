#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

#include "platform/CodePage.h"
#include "platform/DynLib.h"

using namespace kw;

namespace {

using Conversion = char* (*)(const char*);

// Loads the converter by name, as the module does, and converts one text.
class Vozedarure : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(lib_.Load("Vozedarure.so")) << lib_.ErrorText(); }

    std::string Call(const char* entry, const std::string& text) {
        auto fn = lib_.Function<char*(const char*)>(entry);
        EXPECT_NE(fn, nullptr) << entry;
        std::unique_ptr<char, decltype(&std::free)> result(fn(text.c_str()), &std::free);
        return result ? std::string(result.get()) : std::string();
    }

    DynLib lib_;
};

}  // namespace

TEST_F(Vozedarure, GbBecomesTraditionalBig5AndBack) {
    const std::string gb = Utf8ToCodePage("条件方案", CP_GBK);
    const std::string big5 = Call("GBtoBIG5", gb);
    EXPECT_EQ(big5, Utf8ToCodePage("條件方案", CP_BIG5));
    EXPECT_EQ(Call("BIG5toGB", big5), gb);
}

TEST_F(Vozedarure, TraditionalCharactersStayWithinBig5) {
    // 开启 becomes 開啟: the variant 啓 has no Big5 code.
    EXPECT_EQ(Call("GBtoBIG5", Utf8ToCodePage("开启", CP_GBK)), Utf8ToCodePage("開啟", CP_BIG5));
}

TEST_F(Vozedarure, PlainTextAndEmptyTextPassThrough) {
    EXPECT_EQ(Call("GBtoBIG5", "KTXR58 ok"), "KTXR58 ok");
    EXPECT_EQ(Call("BIG5toGB", ""), "");
    EXPECT_EQ(lib_.Function<char*(const char*)>("GBtoBIG5")(nullptr), nullptr);
}

TEST_F(Vozedarure, AllFiveEntryPointsAreExported) {
    for (const char* entry : {"GBtoBIG5", "BIG5toGB", "GetBIG5Data", "GetGBData", "SaveOrder"})
        EXPECT_NE(lib_.Export(entry), nullptr) << entry;
}
