#include "appserver/SqliteCompanyDb.h"

#include <sqlite3.h>

#include <filesystem>


namespace kw {

namespace {

// Raised to PRAGMA user_version once the scripts have run.
constexpr int SchemaVersion = 1;
constexpr int BusyTimeoutMs = 15000;

// One turn per database file (by its canonical path) for the whole process.
std::shared_ptr<std::mutex> WriteTurnOf(const std::string& path) {
    static std::mutex guard;
    static std::map<std::string, std::weak_ptr<std::mutex>> turns;
    std::error_code error;
    std::string key = std::filesystem::weakly_canonical(path, error).string();
    if (error) key = path;
    std::lock_guard<std::mutex> lock(guard);
    std::shared_ptr<std::mutex> turn = turns[key].lock();
    if (!turn) {
        turn = std::make_shared<std::mutex>();
        turns[key] = turn;
    }
    return turn;
}

}  // namespace

TSqliteCompanyDb::TSqliteCompanyDb(const std::string& path) : path_(path) {
    std::error_code error;
    std::filesystem::path folder = std::filesystem::path(path).parent_path();
    if (!folder.empty()) std::filesystem::create_directories(folder, error);
    writeTurn_ = WriteTurnOf(path);
    writing_ = std::unique_lock<std::mutex>(*writeTurn_, std::defer_lock);
    int rc = sqlite3_open_v2(path.c_str(), &db_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX,
                             nullptr);
    if (rc != SQLITE_OK) {
        std::string reason = db_ ? sqlite3_errmsg(db_) : sqlite3_errstr(rc);
        sqlite3_close(db_);
        db_ = nullptr;
        throw EDbError("cannot open the company database " + path + ": " + reason);
    }
    try {
        Configure();
        SeedWhenNew();
    } catch (const std::exception& e) {
        for (auto& entry : statements_) sqlite3_finalize(entry.second);
        statements_.clear();
        sqlite3_close(db_);
        db_ = nullptr;
        throw EDbError(std::string("cannot open the company database: ") + e.what());
    }
}

TSqliteCompanyDb::~TSqliteCompanyDb() {
    for (auto& entry : statements_) sqlite3_finalize(entry.second);
    if (db_ && !sqlite3_get_autocommit(db_)) sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(db_);
    if (writing_.owns_lock()) writing_.unlock();
}

void TSqliteCompanyDb::Fail(const std::string& what) const {
    throw EDbError(what + ": " + sqlite3_errmsg(db_) + " (" + path_ + ")");
}

void TSqliteCompanyDb::Configure() {
    sqlite3_busy_timeout(db_, BusyTimeoutMs);
    sqlite3_extended_result_codes(db_, 1);
    DbRows mode = Query("PRAGMA journal_mode=WAL");
    if (mode.empty() || DbText(mode.rows[0][0]) != "wal")
        throw EDbError("cannot switch the company database to write-ahead logging (" + path_ + ")");
    Execute("PRAGMA foreign_keys=ON");
    // Every commit reaches the disk before the caller is answered.
    Execute("PRAGMA synchronous=FULL");
}

void TSqliteCompanyDb::SeedWhenNew() {
    if (DbInt(Query("PRAGMA user_version").rows.at(0).at(0)) >= SchemaVersion) return;
    TDbTransaction transaction(*this);
    // Another process may have seeded the file while this one waited.
    if (DbInt(Query("PRAGMA user_version").rows.at(0).at(0)) >= SchemaVersion) return;
    if (DbInt(Query("SELECT count(*) FROM sqlite_master").rows.at(0).at(0)) != 0)
        throw EDbError("the file holds tables but is not a company database: " + path_);
    std::vector<TDbScript> scripts = CompanyDbScripts();
    if (scripts.empty()) throw EDbError("the database scripts are missing from this build");
    for (const TDbScript& script : scripts) RunScript(script.name, script.sql.c_str());
    Execute("PRAGMA user_version=" + std::to_string(SchemaVersion));
    transaction.Commit();
}

void TSqliteCompanyDb::RunScript(const std::string& name, const char* sql) {
    char* message = nullptr;
    if (sqlite3_exec(db_, sql, nullptr, nullptr, &message) != SQLITE_OK) {
        std::string reason = message ? message : "unknown error";
        sqlite3_free(message);
        throw EDbError("database script " + name + " failed: " + reason + " (" + path_ + ")");
    }
}

sqlite3_stmt* TSqliteCompanyDb::Prepare(const std::string& sql, const std::vector<DbValue>& params) {
    sqlite3_stmt* statement = nullptr;
    auto cached = statements_.find(sql);
    if (cached != statements_.end()) {
        statement = cached->second;
    } else {
        if (sqlite3_prepare_v2(db_, sql.c_str(), static_cast<int>(sql.size()), &statement, nullptr) != SQLITE_OK)
            Fail("cannot prepare \"" + sql + "\"");
        if (!statement) throw EDbError("empty statement");
        statements_.emplace(sql, statement);
    }
    if (sqlite3_bind_parameter_count(statement) != static_cast<int>(params.size()))
        throw EDbError("\"" + sql + "\" takes " + std::to_string(sqlite3_bind_parameter_count(statement)) +
                       " parameters, " + std::to_string(params.size()) + " given");
    for (size_t i = 0; i < params.size(); ++i) {
        const int index = static_cast<int>(i + 1);
        const DbValue& value = params[i];
        int rc;
        if (auto integer = std::get_if<int64_t>(&value))
            rc = sqlite3_bind_int64(statement, index, *integer);
        else if (auto real = std::get_if<double>(&value))
            rc = sqlite3_bind_double(statement, index, *real);
        else if (auto text = std::get_if<std::string>(&value))
            rc = sqlite3_bind_text(statement, index, text->data(), static_cast<int>(text->size()), SQLITE_TRANSIENT);
        else if (auto blob = std::get_if<DbBlob>(&value))
            rc = sqlite3_bind_blob(statement, index, blob->bytes.data(), static_cast<int>(blob->bytes.size()),
                                   SQLITE_TRANSIENT);
        else
            rc = sqlite3_bind_null(statement, index);
        if (rc != SQLITE_OK) Fail("cannot bind parameter " + std::to_string(index));
    }
    return statement;
}

namespace {

// Resets a cached statement however the step loop ends.
struct StatementReset {
    sqlite3_stmt* statement;
    ~StatementReset() {
        sqlite3_reset(statement);
        sqlite3_clear_bindings(statement);
    }
};

DbValue ColumnValue(sqlite3_stmt* statement, int column) {
    switch (sqlite3_column_type(statement, column)) {
    case SQLITE_INTEGER:
        return static_cast<int64_t>(sqlite3_column_int64(statement, column));
    case SQLITE_FLOAT:
        return sqlite3_column_double(statement, column);
    case SQLITE_TEXT: {
        const char* text = reinterpret_cast<const char*>(sqlite3_column_text(statement, column));
        return std::string(text, sqlite3_column_bytes(statement, column));
    }
    case SQLITE_BLOB: {
        const char* bytes = static_cast<const char*>(sqlite3_column_blob(statement, column));
        return DbBlob{std::string(bytes ? bytes : "", sqlite3_column_bytes(statement, column))};
    }
    default:
        return nullptr;
    }
}

}  // namespace

int64_t TSqliteCompanyDb::Execute(const std::string& sql, const std::vector<DbValue>& params) {
    sqlite3_stmt* statement = Prepare(sql, params);
    StatementReset reset{statement};
    int rc;
    while ((rc = sqlite3_step(statement)) == SQLITE_ROW) {
    }
    if (rc != SQLITE_DONE) Fail("\"" + sql + "\" failed");
    return sqlite3_changes64(db_);
}

DbRows TSqliteCompanyDb::Query(const std::string& sql, const std::vector<DbValue>& params) {
    sqlite3_stmt* statement = Prepare(sql, params);
    StatementReset reset{statement};
    DbRows result;
    const int columns = sqlite3_column_count(statement);
    for (int c = 0; c < columns; ++c) result.columns.emplace_back(sqlite3_column_name(statement, c));
    int rc;
    while ((rc = sqlite3_step(statement)) == SQLITE_ROW) {
        DbRow row;
        row.reserve(columns);
        for (int c = 0; c < columns; ++c) row.push_back(ColumnValue(statement, c));
        result.rows.push_back(std::move(row));
    }
    if (rc != SQLITE_DONE) Fail("\"" + sql + "\" failed");
    return result;
}

void TSqliteCompanyDb::BeginWrite() {
    writing_.lock();
    try {
        Execute("BEGIN IMMEDIATE");
    } catch (...) {
        writing_.unlock();
        throw;
    }
}

void TSqliteCompanyDb::Commit() {
    Execute("COMMIT");
    if (writing_.owns_lock()) writing_.unlock();
}

void TSqliteCompanyDb::Rollback() {
    if (InTransaction()) Execute("ROLLBACK");
    if (writing_.owns_lock()) writing_.unlock();
}

bool TSqliteCompanyDb::InTransaction() const { return sqlite3_get_autocommit(db_) == 0; }

}  // namespace kw
