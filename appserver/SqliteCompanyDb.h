// The SQLite company database: one file, write-ahead log, foreign keys on,
// created and seeded from the embedded scripts on first use. One object is
// one connection; use it from one thread at a time and open one per thread
// or client session.
#pragma once

#include <map>
#include <memory>
#include <mutex>
#include <string>

#include "appserver/CompanyDb.h"

struct sqlite3;
struct sqlite3_stmt;

namespace kw {

class TSqliteCompanyDb : public TCompanyDb {
public:
    explicit TSqliteCompanyDb(const std::string& path);
    ~TSqliteCompanyDb() override;

    int64_t Execute(const std::string& sql, const std::vector<DbValue>& params = {}) override;
    DbRows Query(const std::string& sql, const std::vector<DbValue>& params = {}) override;
    void BeginWrite() override;
    void Commit() override;
    void Rollback() override;
    bool InTransaction() const override;
    std::string Dialect() const override { return "SQLite"; }

private:
    void Configure();
    void SeedWhenNew();
    void RunScript(const std::string& name, const char* sql);
    sqlite3_stmt* Prepare(const std::string& sql, const std::vector<DbValue>& params);
    [[noreturn]] void Fail(const std::string& what) const;

    std::string path_;
    sqlite3* db_ = nullptr;
    std::map<std::string, sqlite3_stmt*> statements_;
    // Writers of this process take turns here before asking SQLite, whose
    // busy handler would otherwise let them sleep and retry.
    std::shared_ptr<std::mutex> writeTurn_;
    std::unique_lock<std::mutex> writing_;
};

}  // namespace kw
