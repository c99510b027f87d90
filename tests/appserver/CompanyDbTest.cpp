// A new company database is created, configured and seeded once; the seed
// holds what the shell's services and the server read.
#include <gtest/gtest.h>

#include "appserver/CompanyDb.h"
#include "tests/appserver/ServerProcess.h"

namespace kw::testing {
namespace {

int64_t Count(TCompanyDb& db, const std::string& sql, const std::vector<DbValue>& params = {}) {
    return DbInt(db.Query(sql, params).rows.at(0).at(0));
}

TEST(CompanyDbTest, ANewDatabaseIsConfiguredAndSeededOnce) {
    TTempFolder folder;
    const std::string path = folder.File("sub/Company.db");  // missing folders are made
    {
        auto db = OpenCompanyDb(path);
        EXPECT_EQ(db->Dialect(), "SQLite");
        EXPECT_EQ(DbText(db->Query("PRAGMA journal_mode").rows[0][0]), "wal");
        EXPECT_EQ(Count(*db, "PRAGMA foreign_keys"), 1);
        EXPECT_TRUE(db->Query("PRAGMA foreign_key_check").empty());
        db->Execute("DELETE FROM KWTINTMA WHERE MA001 = ?", {std::string("MailServer")});
    }
    auto again = OpenCompanyDb(path);
    EXPECT_EQ(Count(*again, "SELECT COUNT(*) FROM KWTINTMA WHERE MA001 = 'MailServer'"), 0) << "seeded twice";
    EXPECT_EQ(Count(*again, "SELECT COUNT(*) FROM KWTMA"), 3);
}

struct SeedCase {
    const char* label;
    const char* sql;
    int64_t expected;
};

TEST(CompanyDbTest, TheDemoCompanyHasWhatTheFormsAskFor) {
    TTempFolder folder;
    auto db = OpenCompanyDb(folder.File("Company.db"));
    const SeedCase cases[] = {
        {"date style 1", "SELECT COUNT(*) FROM SYSINFO WHERE INFO_KEY = 'Sys001' AND INFO_VALUE = '1'", 1},
        {"date separator", "SELECT COUNT(*) FROM SYSINFO WHERE INFO_KEY = 'Sys002' AND INFO_VALUE = '/'", 1},
        {"program KTXR58 registered", "SELECT COUNT(*) FROM ADMMB WHERE MB001 = 'KTXR58'", 1},
        {"footer and sign-off defaults of KTXR58", "SELECT COUNT(*) FROM CMSMT WHERE MT001 = 'KTXR58'", 1},
        {"footers and sign-offs", "SELECT COUNT(DISTINCT MS001) FROM CMSMS", 2},
        {"a few dozen items", "SELECT COUNT(*) >= 36 FROM INVMB", 1},
        {"parents that are components too (multi-level)",
         "SELECT COUNT(DISTINCT MC001) >= 5 FROM BOMMC WHERE MC001 IN (SELECT MD003 FROM BOMMD)", 1},
        {"second-level lines below the ergonomic chair",
         "SELECT COUNT(*) FROM BOMMD A JOIN BOMMD B ON B.MD001 = A.MD003 WHERE A.MD001 = 'FG-CH01'", 10},
        {"components outside the standard cost", "SELECT COUNT(*) > 0 FROM BOMMD WHERE MD008 = 'N'", 1},
        {"portal setting", "SELECT COUNT(*) FROM KWTINTMA WHERE MA001 = 'StartupPortal'", 1},
        {"every message in two languages", "SELECT COUNT(*) FROM MESSAGES WHERE TEXT_CHS = '' OR TEXT_ENG = ''", 0},
    };
    for (const SeedCase& c : cases) EXPECT_EQ(Count(*db, c.sql), c.expected) << c.label;

    const char* shown[] = {"E000001", "E000005", "E000006", "E000013", "E000015", "E000016", "E000030",
                           "E000036", "E000037", "E000038", "E100082", "I000003", "I000004", "I000005",
                           "I000008", "I000009", "I000010", "I000011", "R100235", "R100236", "R200235",
                           "W000002", "W000003", "W000004", "W000014"};
    for (const char* code : shown)
        EXPECT_EQ(Count(*db, "SELECT COUNT(*) FROM MESSAGES WHERE MSG_TYPE || MSG_ID = ?", {std::string(code)}), 1)
            << code;
}

TEST(CompanyDbTest, TransactionsRollBackUnlessCommittedAndConstraintsHold) {
    TTempFolder folder;
    auto db = OpenCompanyDb(folder.File("Company.db"));
    {
        TDbTransaction transaction(*db);
        db->Execute("DELETE FROM CONSAVE");
        db->Execute("INSERT INTO CONSAVE (NCONDITION, CREATOR, CREATE_DATE, PROGRAMME) VALUES ('a', 'DS', '20240101', 'X')");
    }
    EXPECT_FALSE(db->InTransaction());
    EXPECT_EQ(Count(*db, "SELECT COUNT(*) FROM CONSAVE"), 0);
    // A component that is no item breaks the foreign key.
    EXPECT_THROW(db->Execute("INSERT INTO BOMMD (MD001, MD002, MD003, MD004) VALUES ('FG-CH01', '9990', 'NOITEM', 1)"),
                 EDbError);
    EXPECT_THROW(db->Query("SELECT ? FROM INVMB", {}), EDbError);
}

TEST(CompanyDbTest, AnotherSqliteFileIsNotTakenForACompanyDatabase) {
    TTempFolder folder;
    const std::string path = folder.File("other.db");
    {
        auto db = OpenCompanyDb(path);
        db->Execute("PRAGMA user_version = 0");
    }
    EXPECT_THROW(OpenCompanyDb(path), EDbError);
}

}  // namespace
}  // namespace kw::testing
