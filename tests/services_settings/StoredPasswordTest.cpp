#include "services/BatonINI.h"

#include <gtest/gtest.h>

#include "services/LogUtils.h"
#include "tests/services_settings/SettingsTestSupport.h"

namespace kw {
namespace {

using testing::InstallationTest;

TEST(StoredPasswordTest, KnownEncodingRotatesEachByteByItsPosition)
{
    // 'A' = 0x41 rotated right by 1..7, 0, 1 bits.
    EXPECT_EQ(EncodeStoredPassword("AAAAAAAAA"), "A05028140A058241A0");
    EXPECT_EQ(DecodeStoredPassword("A05028140A058241A0"), "AAAAAAAAA");
    EXPECT_EQ(DecodeStoredPassword("a05028140a058241a0"), "AAAAAAAAA");
}

TEST(StoredPasswordTest, RoundTrips)
{
    std::string everyByte;
    for (int b = 0; b < 256; ++b)
        everyByte += static_cast<char>(b);
    for (const std::string& password : {std::string("sa"), std::string("P@ss w0rd!"), everyByte, std::string("x")}) {
        const std::string stored = EncodeStoredPassword(password);
        EXPECT_EQ(stored.size(), password.size() * 2);
        EXPECT_EQ(DecodeStoredPassword(stored), password);
    }
}

TEST(StoredPasswordTest, EmptyPasswordIsStoredAsTheMarker)
{
    const std::string stored = EncodeStoredPassword("");
    EXPECT_EQ(stored.size(), 2 * std::string("MG_Kdm_StFmmrBbbt_NwoAvnqJydzPkYhrdl").size());
    EXPECT_EQ(DecodeStoredPassword(stored), "");
    EXPECT_EQ(DecodeStoredPassword(""), "");
}

TEST(StoredPasswordTest, TrailingSingleDigitIsIgnored)
{
    EXPECT_EQ(DecodeStoredPassword(EncodeStoredPassword("ab") + "7"), "ab");
    EXPECT_EQ(DecodeStoredPassword("7"), "");
}

class BadStoredPasswordTest : public InstallationTest {};

TEST_F(BadStoredPasswordTest, NonHexadecimalPairGivesErrorTextAndReport)
{
    SetRegistry(RegValue("ClientPath", Folder("client")));
    for (const char* stored : {"A0ZZ", "A0-1", "+1", "A0 1"})
        EXPECT_EQ(DecodeStoredPassword(stored), "KW_Say_Password_Error") << stored;

    const auto lines = LogTexts(Folder("client/Log/Alert_NorvexGenerator_" + FormatDateTime("yyyymmdd", Now()) + ".log"));
    ASSERT_GE(lines.size(), 6u);
    const std::string dashes(34, '-');
    EXPECT_EQ(lines[0], dashes + " on " + EncodeStoredPassword("DecodeSQLSa") + " " + dashes);
    EXPECT_EQ(lines[1], DesignText("讯息信息:"));
    EXPECT_EQ(lines[2], "Exception is EConvertError\r");
    EXPECT_EQ(lines[3].rfind("Message 01: ", 0), 0u) << lines[3];
    EXPECT_EQ(lines[4], "ErrorMessage Count: 1");
    EXPECT_EQ(lines[5], "Programer Message: " + DesignText("解析 Sa 时发生错误!"));
}

}  // namespace
}  // namespace kw
