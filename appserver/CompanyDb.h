// The company database behind a narrow interface: statements with bound
// parameters, row results and transactions. The application server and the
// shell's services work only through TCompanyDb, so that another engine can
// take SQLite's place without touching them.
//
// SQL texts use "?" for parameters, in order; an implementation for another
// engine rewrites them as its own placeholders. Texts are UTF-8.
//
// Where the database lives (CompanyDbPath): the path set with
// SetCompanyDbPath (kwappserver's --database), else the environment variable
// KWT_COMPANY_DB, else "<install folder>/Data/Company.db" where the install
// folder is KWT_HOME or, without it, the folder above the running program's
// folder. A new database file is created and filled from the SQL scripts
// resources/db/CompanyDb*.sql, which the build embeds into this library as
// resources (platform/Resources.h) and which run in file-name order.
#pragma once

#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <variant>
#include <vector>

namespace kw {

class EDbError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct DbBlob {
    std::string bytes;
};

// A parameter or column value: NULL, integer, real, text (UTF-8) or blob.
using DbValue = std::variant<std::nullptr_t, int64_t, double, std::string, DbBlob>;
using DbRow = std::vector<DbValue>;

struct DbRows {
    std::vector<std::string> columns;
    std::vector<DbRow> rows;
    bool empty() const { return rows.empty(); }
};

// Readers for a column value: text of any value ("" for NULL), integer of an
// integer, real or numeric text (fallback otherwise), the bytes of a blob or
// text.
std::string DbText(const DbValue& value);
int64_t DbInt(const DbValue& value, int64_t fallback = 0);
double DbReal(const DbValue& value, double fallback = 0);
std::string DbBytes(const DbValue& value);
bool DbIsNull(const DbValue& value);

class TCompanyDb {
public:
    virtual ~TCompanyDb() = default;

    // Runs a statement that returns no rows; answers the number of rows it
    // changed. Raises EDbError.
    virtual int64_t Execute(const std::string& sql, const std::vector<DbValue>& params = {}) = 0;
    // Runs a query and answers all its rows. Raises EDbError.
    virtual DbRows Query(const std::string& sql, const std::vector<DbValue>& params = {}) = 0;

    // A transaction that will write: once begun, no other connection can
    // write until it ends (so read-then-insert sequences are safe).
    virtual void BeginWrite() = 0;
    virtual void Commit() = 0;
    virtual void Rollback() = 0;
    virtual bool InTransaction() const = 0;

    // The engine's name, e.g. "SQLite".
    virtual std::string Dialect() const = 0;
};

// Rolls back on destruction unless committed.
class TDbTransaction {
public:
    explicit TDbTransaction(TCompanyDb& db) : db_(db) { db_.BeginWrite(); }
    ~TDbTransaction();
    TDbTransaction(const TDbTransaction&) = delete;
    TDbTransaction& operator=(const TDbTransaction&) = delete;
    void Commit();

private:
    TCompanyDb& db_;
    bool done_ = false;
};

// Opens (creating and seeding when new) the database at path. Raises
// EDbError with the reason when it cannot be opened.
std::unique_ptr<TCompanyDb> OpenCompanyDb(const std::string& path);
// Opens the database at CompanyDbPath().
std::unique_ptr<TCompanyDb> OpenCompanyDb();

// The embedded scripts that create and fill a new database, in order.
struct TDbScript {
    std::string name;
    std::string sql;
};
std::vector<TDbScript> CompanyDbScripts();

std::string CompanyDbPath();
void SetCompanyDbPath(const std::string& path);

}  // namespace kw
