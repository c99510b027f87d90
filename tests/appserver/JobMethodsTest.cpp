// Jobs, rights and the remaining methods of the server object, in-process and
// over TCP; a job kept across a restart of kwappserver.
#include <gtest/gtest.h>

#include "appserver/JobStore.h"
#include "platform/SysUtils.h"
#include "tests/appserver/AppServerClient.h"
#include "tests/appserver/SampleJobParams.h"

namespace kw::testing {
namespace {

bool IsJobNumber(const std::string& text) {
    return text.size() == 14 && text.find_first_not_of("0123456789") == std::string::npos;
}

std::optional<TStoredJob> FindJob(const std::string& database, const std::string& jobNo) {
    auto db = OpenCompanyDb(database);
    return TJobStore(*db).Find(jobNo);
}

class JobMethodsTest : public ::testing::TestWithParam<TTransport> {
protected:
    TServedDatabase database{GetParam()};
};

TEST_P(JobMethodsTest, RequestStoresTheArrayAndAnswersIncreasingNumbersOfToday) {
    auto server = database.Connect();
    const std::string before = FormatDateTime("yyyymmdd", Now());
    Variant params = Ktxr58JobParams();
    const std::string first = Utf8Of(Call(*server, "Request", {params}));
    const std::string second = Utf8Of(Call(*server, "Request", {Ktxr58PeriodicJobParams("LIMEI")}));
    const std::string after = FormatDateTime("yyyymmdd", Now());

    ASSERT_TRUE(IsJobNumber(first)) << first << " / " << Utf8Of(Call(*server, "ErrorDescript"));
    ASSERT_TRUE(IsJobNumber(second)) << second;
    EXPECT_LT(first, second);
    EXPECT_TRUE(first.substr(0, 8) == before || first.substr(0, 8) == after);

    auto stored = FindJob(database.DatabasePath(), first);
    ASSERT_TRUE(stored);
    EXPECT_TRUE(stored->Params == params);
    EXPECT_EQ(stored->UserId, "ZHANGWEI");
    EXPECT_EQ(stored->ProgramCode, "KTXR58");
    EXPECT_EQ(stored->Origin, TJobOrigin::Queued);
    EXPECT_EQ(stored->Status, "W");
    auto periodic = FindJob(database.DatabasePath(), second);
    ASSERT_TRUE(periodic);
    EXPECT_EQ(periodic->Params.high(), 4);
}

struct BadJobCase {
    const char* label;
    std::function<void(Variant&)> spoil;
    const char* reason;  // part of ErrorDescript's answer
};

const BadJobCase BadJobs[] = {
    {"not an array", [](Variant& p) { p = Variant(u"KTXR58"); }, "array 0..2"},
    {"four elements", [](Variant& p) { p = Variant::ArrayOf({p[0], p[1], p[2], Variant()}); }, "array 0..2"},
    {"header count disagrees", [](Variant& p) { p[0][2] = Variant(12); }, "header count"},
    {"header too short", [](Variant& p) { p[0] = Variant::ArrayOf(1, {Variant(u"KTXR58")}); }, "header array"},
    {"no user", [](Variant& p) { p[0][5] = Variant(u""); }, "user"},
    {"submission time not a date", [](Variant& p) { p[0][7] = Variant(u"today"); }, "submission time"},
    {"run mode out of range", [](Variant& p) { p[0][10] = Variant(7); }, "run mode"},
    {"fewer values than conditions", [](Variant& p) { p[2] = Variant::ArrayOf(1, {Variant(u"x")}); }, "condition values"},
    {"caption not a pair", [](Variant& p) { p[1][3] = Variant(u"选择更改日期"); }, "condition caption 3"},
    {"periodic without a schedule", [](Variant& p) { p = Variant::ArrayOf({p[0], p[1], p[2], Variant(), Variant()}); },
     "schedule"},
};

TEST_P(JobMethodsTest, ArraysThatAreNoJobAnswerErrorWithAReason) {
    auto server = database.Connect();
    for (const BadJobCase& bad : BadJobs) {
        Variant params = Ktxr58JobParams();
        bad.spoil(params);
        EXPECT_EQ(Utf8Of(Call(*server, "Request", {params})), "ERROR") << bad.label;
        EXPECT_NE(Utf8Of(Call(*server, "ErrorDescript")).find(bad.reason), std::string::npos) << bad.label;
        EXPECT_EQ(Utf8Of(Call(*server, "Request1", {params, Data("PC-01")})), "ERROR") << bad.label;
    }
}

TEST_P(JobMethodsTest, Request1RecordsTheComputerAndUpdateStatus1TheMessages) {
    auto server = database.Connect();
    const std::string jobNo = Utf8Of(Call(*server, "Request1", {Ktxr58JobParams(), Data("PC-生管01")}));
    ASSERT_TRUE(IsJobNumber(jobNo)) << jobNo;
    Args status{Data(jobNo), Data("E;000013; 报表已生成; "), Variant::FromDate(Now())};
    Call(*server, "UpdateStatus1", status);
    EXPECT_TRUE(status[0] == Data(jobNo));  // by reference, handed back unchanged

    auto stored = FindJob(database.DatabasePath(), jobNo);
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->Origin, TJobOrigin::LocalRun);
    EXPECT_EQ(stored->Computer, "PC-生管01");
    EXPECT_EQ(stored->Status, "D");
    EXPECT_EQ(stored->StatusCount, 1);

    EXPECT_THROW(Call(*server, "UpdateStatus1", {Data("ERROR"), Data(""), Variant::FromDate(Now())}), EOleError);
    EXPECT_NE(Utf8Of(Call(*server, "ErrorDescript")).find("no job ERROR"), std::string::npos);
}

struct PowerCase {
    const char* user;
    const char* program;
    const char* rights;
    std::vector<std::string> limits;
};

TEST_P(JobMethodsTest, GetPowerAnswersTheRecordTheFormsRead) {
    auto server = database.Connect();
    const PowerCase cases[] = {
        {"ZHANGWEI", "KTXR58", "PMC,Y,Y,YYYNNYYY,PMC,", {"FG", "SA"}},
        {"ZHANGWEI", "INVR01", "PMC,Y,N,YNNNNYYN,PMC,", {}},
        {"LIMEI", "KTXR58", "ACC,Y,Y,YNNNNYNN,ACC,", {"FG"}},
        {"NOBODY", "KTXR58", ",N,N,NNNNNNNN,,", {}},
    };
    for (const PowerCase& c : cases) {
        Variant record = Call(*server, "GetPower", {Variant::ArrayOf({Data("KWTDEMO"), Data(c.user), Data(c.program),
                                                                      Data("")})});
        ASSERT_TRUE(record.isArray()) << c.user;
        ASSERT_EQ(record.high(), 5) << c.user;
        EXPECT_EQ(Utf8Of(record[1]), c.rights) << c.user;
        const Variant& limits = record[5];
        ASSERT_EQ(limits[0].toInt(), static_cast<int>(c.limits.size())) << c.user;
        for (size_t i = 0; i < c.limits.size(); ++i) EXPECT_EQ(Utf8Of(limits[static_cast<int>(i) + 1]), c.limits[i]);
        for (int i = 2; i <= 4; ++i) EXPECT_TRUE(record[i].isText()) << c.user << " " << i;
    }
}

TEST_P(JobMethodsTest, SQLTypeNamesTheEngine) {
    auto server = database.Connect();
    EXPECT_EQ(Utf8Of(Call(*server, "SQLType")), "SQLite");
}

struct BadCallCase {
    const char* label;
    const char* method;
    std::function<Args()> args;
};

TEST_P(JobMethodsTest, WrongCallsRaiseAnErrorTextAndTheConnectionGoesOn) {
    auto server = database.Connect();
    const BadCallCase cases[] = {
        {"unknown method", "NoSuchMethod", [] { return Args{}; }},
        {"LoadTable without arguments", "LoadTable", [] { return Args{}; }},
        {"LoadTable with a number", "LoadTable", [] { return Args{Variant(5)}; }},
        {"LoadTable with a short array", "LoadTable", [] { return Args{Variant::ArrayOf({Data("DS")})}; }},
        {"InsertConTable with two arguments", "InsertConTable", [] { return Args{Variant(), Variant()}; }},
        {"ChangeConName with one key", "ChangeConName", [] { return Args{Variant::ArrayOf({})}; }},
        {"GetPower with a number", "GetPower", [] { return Args{Variant(1)}; }},
        {"Request without arguments", "Request", [] { return Args{}; }},
        {"UpdateStatus1 with a text for the moment", "UpdateStatus1",
         [] { return Args{Data("1"), Data(""), Data("now")}; }},
        {"unknown provider", "AS_GetRecords", [] { return Args{Data("pvdOther")}; }},
    };
    for (const BadCallCase& c : cases) {
        Args args = c.args();
        try {
            Call(*server, c.method, args);
            ADD_FAILURE() << c.label << ": no error";
        } catch (const EOleError& e) {
            EXPECT_STRNE(e.what(), "") << c.label;
        }
    }
    // Methods that answer error texts answer them for a malformed record.
    EXPECT_NE(Utf8Of(Call(*server, "InsertConTable", {Variant::ArrayOf({Data("x"), Data("DS")})})), "");
    EXPECT_NE(Utf8Of(Call(*server, "DeleteConTable", {Variant::ArrayOf({Variant(1), Variant(2), Variant(3)})})), "");
    EXPECT_NE(Utf8Of(Call(*server, "InsertConTable",
                          {Variant::ArrayOf({Data("x"), Data("DS"), Data("20240101"), Data("KTXR58"), Data(""),
                                             Data(""), Data("yes")})})),
              "");
    EXPECT_EQ(Utf8Of(Call(*server, "SQLType")), "SQLite");
}

INSTANTIATE_TEST_SUITE_P(Transports, JobMethodsTest, ::testing::Values(TTransport::InProcess, TTransport::Tcp),
                         [](const auto& info) { return TransportName(info.param); });

TEST(ServerRestartTest, AJobSurvivesARestartOfTheServer) {
    TTempFolder folder;
    const std::string db = folder.File("Company.db");
    Variant params = Ktxr58JobParams();
    std::string jobNo;
    {
        TServerProcess server(db, folder.File("first.log"));
        jobNo = Utf8Of(Call(*ConnectTcp(server.Port()), "Request", {params}));
        ASSERT_TRUE(IsJobNumber(jobNo)) << jobNo;
        EXPECT_EQ(server.Stop(), 0);
    }
    TServerProcess restarted(db, folder.File("second.log"));
    auto connection = ConnectTcp(restarted.Port());
    Call(*connection, "UpdateStatus1", {Data(jobNo), Data("done"), Variant::FromDate(Now())});
    const std::string next = Utf8Of(Call(*connection, "Request", {params}));
    EXPECT_LT(jobNo, next);
    auto stored = FindJob(db, jobNo);
    ASSERT_TRUE(stored);
    EXPECT_TRUE(stored->Params == params);
    EXPECT_EQ(stored->StatusCount, 1);
}

TEST(ServerStartTest, ADatabaseThatCannotBeOpenedStopsTheServer) {
    TTempFolder folder;
    const std::string garbage = folder.File("garbage.db");
    FILE* file = fopen(garbage.c_str(), "w");
    fputs("this is not a database, just text that is long enough to fill a header page", file);
    fclose(file);
    struct {
        const char* label;
        std::string path;
    } cases[] = {{"not a database", garbage}, {"folder that cannot be made", "/proc/kwt/Company.db"}};
    for (const auto& c : cases) {
        std::string errors;
        EXPECT_EQ(RunServerOnce(c.path, errors), 2) << c.label;
        EXPECT_NE(errors.find("cannot open the company database"), std::string::npos) << c.label << ": " << errors;
    }
}

}  // namespace
}  // namespace kw::testing
