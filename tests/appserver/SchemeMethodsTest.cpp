// Condition schemes through LoadTable, InsertConTable, DeleteConTable,
// ChangeConName and the provider "pvdConSave", in-process and over TCP.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "platform/ClientDataSet.h"
#include "tests/appserver/AppServerClient.h"

namespace kw::testing {
namespace {

const char* const Program = "KTXR58";

enum class TOp { Insert, Replace, Delete, Rename };

struct SchemeStep {
    const char* label;
    TOp op;
    const char* user;
    const char* name;
    const char* second;  // value text (insert), new name (rename)
    bool accepted;
    const char* date = "20240115";
};

// Run in order on one connection; each step says whether the server takes it.
const SchemeStep Steps[] = {
    {"first scheme", TOp::Insert, "ZHANGWEI", "月报", "v1", true},
    {"same name for another user", TOp::Insert, "LIMEI", "月报", "limei", true},
    {"existing key without the flag", TOp::Insert, "ZHANGWEI", "月报", "v2", false},
    {"existing key with the flag", TOp::Replace, "ZHANGWEI", "月报", "v3", true},
    {"second scheme", TOp::Insert, "ZHANGWEI", "周报", "w1", true},
    {"rename onto an existing name", TOp::Rename, "ZHANGWEI", "月报", "周报", false},
    {"rename to a new name", TOp::Rename, "ZHANGWEI", "月报", "年报", true},
    {"rename of a missing scheme", TOp::Rename, "ZHANGWEI", "不存在", "别名", false},
    {"rename of another user's scheme", TOp::Rename, "LIMEI", "年报", "YEAR", false},
    {"rename to a latin name", TOp::Rename, "ZHANGWEI", "周报", "week", true},
    {"rename differing in letter case only", TOp::Rename, "ZHANGWEI", "week", "WEEK", true},
    {"name of 20 bytes", TOp::Insert, "ZHANGWEI", "12345678901234567890", "x", true},
    {"name of 21 bytes", TOp::Insert, "ZHANGWEI", "123456789012345678901", "x", false},
    {"ten Chinese characters are 20 bytes", TOp::Insert, "ZHANGWEI", "一二三四五六七八九十", "x", true},
    {"eleven Chinese characters", TOp::Insert, "ZHANGWEI", "一二三四五六七八九十一", "x", false},
    {"blank name", TOp::Insert, "ZHANGWEI", "   ", "x", false},
    {"blanks around a name are kept", TOp::Insert, "ZHANGWEI", " 前后 ", "x", true},
    {"creation date not YYYYMMDD", TOp::Insert, "ZHANGWEI", "坏日期", "x", false, "2024-01-15"},
    {"impossible creation date", TOp::Insert, "ZHANGWEI", "坏日期", "x", false, "20240230"},
    {"delete", TOp::Delete, "ZHANGWEI", "WEEK", "", true},
    {"delete again", TOp::Delete, "ZHANGWEI", "WEEK", "", false},
};

// What the provider delivers afterwards: name -> value text per user.
const std::map<std::string, std::map<std::string, std::string>> Expected = {
    {"ZHANGWEI", {{"年报", "v3"}, {"12345678901234567890", "x"}, {"一二三四五六七八九十", "x"}, {" 前后 ", "x"}}},
    {"LIMEI", {{"月报", "limei"}}},
};

Variant Key(const char* name, const char* user) { return Variant::ArrayOf({Data(name), Data(user), Data(Program)}); }

std::string RunStep(TSocketConnection& server, const SchemeStep& step) {
    Variant answer;
    switch (step.op) {
    case TOp::Insert:
    case TOp::Replace:
        answer = Call(server, "InsertConTable",
                      {Variant::ArrayOf({Data(step.name), Data(step.user), Data(step.date), Data(Program),
                                         Data("sp01.style;chk04.checked;"), Data(step.second),
                                         Variant(step.op == TOp::Replace)})});
        break;
    case TOp::Delete:
        answer = Call(server, "DeleteConTable", {Key(step.name, step.user)});
        break;
    case TOp::Rename:
        answer = Call(server, "ChangeConName", {Key(step.name, step.user), Key(step.second, step.user)});
        break;
    }
    EXPECT_TRUE(answer.isText()) << step.label;
    return Utf8Of(answer);
}

// The provider's records of user and program, read like the scheme list does.
std::map<std::string, std::string> LoadSchemes(TSocketConnection& server, const char* user) {
    Call(server, "LoadTable", {Variant::ArrayOf({Data(user), Data(Program)})});
    TClientDataSet dataSet(nullptr);
    dataSet.SetRemoteServer(&server);
    dataSet.SetProviderName(SchemeProviderName);
    dataSet.SetIndexFieldNames("NCONDITION;CREATOR;PROGRAMME");
    dataSet.Open();
    std::map<std::string, std::string> schemes;
    const int count = dataSet.RecordCount();
    for (int i = 0; i < count; ++i, dataSet.Next()) {
        EXPECT_EQ(dataSet.FieldByName("CREATOR").AsString(), user);
        EXPECT_EQ(dataSet.FieldByName("PROGRAMME").AsString(), Program);
        schemes[Utf8Of(dataSet.FieldByName("NCONDITION").Value())] = Utf8Of(dataSet.FieldByName("VCONDITION").Value());
    }
    EXPECT_TRUE(dataSet.Eof());
    return schemes;
}

class SchemeMethodsTest : public ::testing::TestWithParam<TTransport> {
protected:
    TServedDatabase database{GetParam()};
};

TEST_P(SchemeMethodsTest, StepsAreTakenOrRefusedAndTheProviderShowsTheResult) {
    auto server = database.Connect();
    for (const SchemeStep& step : Steps) {
        std::string error = RunStep(*server, step);
        EXPECT_EQ(error.empty(), step.accepted) << step.label << ": \"" << error << "\"";
    }
    for (const auto& [user, schemes] : Expected) EXPECT_EQ(LoadSchemes(*server, user.c_str()), schemes) << user;
    // The refusals above are the last errors the connection remembers.
    EXPECT_FALSE(Utf8Of(Call(*server, "ErrorDescript")).empty());
}

TEST_P(SchemeMethodsTest, ReplacingKeepsOneRecordWithTheNewDateAndValue) {
    auto server = database.Connect();
    auto insert = [&](const char* date, const char* value, bool replace) {
        return Utf8Of(Call(*server, "InsertConTable",
                           {Variant::ArrayOf({Data("方案"), Data("DS"), Data(date), Data(Program), Data("a.text;"),
                                              Data(value), Variant(replace)})}));
    };
    ASSERT_EQ(insert("20240101", "old", false), "");
    ASSERT_EQ(insert("20240301", "new", true), "");
    Call(*server, "LoadTable", {Variant::ArrayOf({Data("DS"), Data(Program)})});
    Variant packet = Call(*server, "AS_GetRecords", {Variant(SchemeProviderName)});
    const Variant& rows = packet[1];
    ASSERT_EQ(rows.array().size(), 1u);
    EXPECT_EQ(Utf8Of(rows[0][2]), "20240301");
    EXPECT_EQ(Utf8Of(rows[0][4]), "a.text;");
    EXPECT_EQ(Utf8Of(rows[0][5]), "new");
}

TEST_P(SchemeMethodsTest, ValueTextsKeepTheirSeparatorsAndLineBreaks) {
    auto server = database.Connect();
    const std::string value = "sp_UserChoice\x03" "False\x03" "FG-CH01\x01人体工学办公椅\x04" "FG-DK01\x04\r\nY\r\n\r\n";
    ASSERT_EQ(Utf8Of(Call(*server, "InsertConTable",
                          {Variant::ArrayOf({Data("分隔"), Data("DS"), Data("20240101"), Data(Program),
                                             Data("sp01.style;chk04.checked;me05.text;"), Data(value),
                                             Variant(false)})})),
              "");
    EXPECT_EQ(LoadSchemes(*server, "DS"), (std::map<std::string, std::string>{{"分隔", value}}));
}

TEST_P(SchemeMethodsTest, EachConnectionKeepsItsOwnProviderState) {
    auto first = database.Connect();
    auto second = database.Connect();
    for (const char* user : {"ZHANGWEI", "LIMEI"})
        ASSERT_EQ(Utf8Of(Call(*first, "InsertConTable",
                              {Variant::ArrayOf({Data(user), Data(user), Data("20240101"), Data(Program), Data(""),
                                                 Data(""), Variant(false)})})),
                  "");
    Call(*first, "LoadTable", {Variant::ArrayOf({Data("ZHANGWEI"), Data(Program)})});
    // Before its first LoadTable a connection's provider delivers nothing.
    Variant empty = Call(*second, "AS_GetRecords", {Variant(SchemeProviderName)});
    EXPECT_EQ(empty[1].array().size(), 0u);
    Call(*second, "LoadTable", {Variant::ArrayOf({Data("LIMEI"), Data(Program)})});
    Variant mine = Call(*first, "AS_GetRecords", {Variant(SchemeProviderName)});
    ASSERT_EQ(mine[1].array().size(), 1u);
    EXPECT_EQ(Utf8Of(mine[1][0][1]), "ZHANGWEI");
}

TEST_P(SchemeMethodsTest, DataSetLocatesAndChangesItsRecordsLocallyOnly) {
    auto server = database.Connect();
    for (const char* name : {"乙", "甲", "丙"})
        ASSERT_EQ(Utf8Of(Call(*server, "InsertConTable",
                              {Variant::ArrayOf({Data(name), Data("DS"), Data("20240101"), Data(Program), Data(""),
                                                 Data(name), Variant(false)})})),
                  "");
    Call(*server, "LoadTable", {Variant::ArrayOf({Data("DS"), Data(Program)})});
    TClientDataSet dataSet(nullptr);
    dataSet.SetRemoteServer(server.get());
    dataSet.SetProviderName(SchemeProviderName);
    dataSet.SetIndexFieldNames("NCONDITION;CREATOR;PROGRAMME");
    dataSet.Open();
    ASSERT_EQ(dataSet.RecordCount(), 3);
    EXPECT_EQ(dataSet.FieldByName("VCONDITION").DataType(), TFieldType::Memo);

    ASSERT_TRUE(dataSet.Locate("NCONDITION;CREATOR;PROGRAMME",
                               Variant::ArrayOf({Data("甲"), Data("DS"), Data(Program)})));
    EXPECT_EQ(Utf8Of(dataSet.FieldByName("VCONDITION").Value()), "甲");
    EXPECT_FALSE(dataSet.Locate("NCONDITION;CREATOR;PROGRAMME",
                                Variant::ArrayOf({Data("甲"), Data("LIMEI"), Data(Program)})));
    EXPECT_EQ(Utf8Of(dataSet.FieldByName("NCONDITION").Value()), "甲");

    dataSet.Edit();
    dataSet.FieldByName("NCONDITION").SetAsString(Utf8ToCodePage("丁", 936));
    dataSet.Post();
    EXPECT_EQ(Utf8Of(dataSet.FieldByName("VCONDITION").Value()), "甲");
    EXPECT_TRUE(dataSet.Locate("NCONDITION", Data("丁")));
    EXPECT_FALSE(dataSet.Locate("NCONDITION", Data("甲")));

    EXPECT_EQ(LoadSchemes(*server, "DS"),
              (std::map<std::string, std::string>{{"甲", "甲"}, {"乙", "乙"}, {"丙", "丙"}}));
}

INSTANTIATE_TEST_SUITE_P(Transports, SchemeMethodsTest,
                         ::testing::Values(TTransport::InProcess, TTransport::Tcp),
                         [](const auto& info) { return TransportName(info.param); });

}  // namespace
}  // namespace kw::testing
