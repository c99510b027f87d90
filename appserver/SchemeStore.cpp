#include "appserver/SchemeStore.h"

#include "appserver/DataText.h"
#include "platform/SysUtils.h"

namespace kw {

namespace {

std::string CheckKeyParts(const TSchemeKey& key) {
    if (key.User.empty()) return "the scheme's user is empty";
    if (key.Program.empty()) return "the scheme's program code is empty";
    return CheckSchemeName(key.Name);
}

bool IsStorageDate(const std::string& text) {
    if (text.size() != 8 || text.find_first_not_of("0123456789") != std::string::npos) return false;
    return text >= "17530101" && text <= "99991231" &&
           IsValidDate(std::stoi(text.substr(0, 4)), std::stoi(text.substr(4, 2)), std::stoi(text.substr(6, 2)));
}

std::string Describe(const TSchemeKey& key) {
    return "\"" + key.Name + "\" of user " + key.User + " in " + key.Program;
}

}  // namespace

std::string CheckSchemeName(const std::string& name) {
    if (Trim(name).empty()) return "the scheme name is empty";
    if (DataTextBytes(name) > MaxSchemeNameBytes)
        return "the scheme name is longer than " + std::to_string(MaxSchemeNameBytes) + " bytes";
    return "";
}

std::vector<TScheme> TSchemeStore::Load(const std::string& user, const std::string& program) {
    DbRows rows = db_.Query(
        "SELECT NCONDITION, CREATOR, CREATE_DATE, PROGRAMME, SCONDITION, VCONDITION FROM CONSAVE "
        "WHERE CREATOR = ? AND PROGRAMME = ? ORDER BY NCONDITION",
        {user, program});
    std::vector<TScheme> schemes;
    schemes.reserve(rows.rows.size());
    for (const DbRow& row : rows.rows)
        schemes.push_back(TScheme{{DbText(row[0]), DbText(row[1]), DbText(row[3])},
                                  DbText(row[2]), DbText(row[4]), DbText(row[5])});
    return schemes;
}

bool TSchemeStore::Exists(const TSchemeKey& key) {
    return !db_.Query("SELECT 1 FROM CONSAVE WHERE NCONDITION = ? AND CREATOR = ? AND PROGRAMME = ?",
                      {key.Name, key.User, key.Program})
                .empty();
}

std::string TSchemeStore::Insert(const TScheme& scheme, bool replace) {
    if (std::string problem = CheckKeyParts(scheme.Key); !problem.empty()) return problem;
    if (!IsStorageDate(scheme.CreateDate)) return "the creation date \"" + scheme.CreateDate + "\" is not YYYYMMDD";
    TDbTransaction transaction(db_);
    if (Exists(scheme.Key)) {
        if (!replace) return "the scheme " + Describe(scheme.Key) + " already exists";
        db_.Execute(
            "UPDATE CONSAVE SET CREATE_DATE = ?, SCONDITION = ?, VCONDITION = ? "
            "WHERE NCONDITION = ? AND CREATOR = ? AND PROGRAMME = ?",
            {scheme.CreateDate, scheme.Properties, scheme.Values, scheme.Key.Name, scheme.Key.User,
             scheme.Key.Program});
    } else {
        db_.Execute(
            "INSERT INTO CONSAVE (NCONDITION, CREATOR, CREATE_DATE, PROGRAMME, SCONDITION, VCONDITION) "
            "VALUES (?, ?, ?, ?, ?, ?)",
            {scheme.Key.Name, scheme.Key.User, scheme.CreateDate, scheme.Key.Program, scheme.Properties,
             scheme.Values});
    }
    transaction.Commit();
    return "";
}

std::string TSchemeStore::Delete(const TSchemeKey& key) {
    TDbTransaction transaction(db_);
    int64_t deleted = db_.Execute("DELETE FROM CONSAVE WHERE NCONDITION = ? AND CREATOR = ? AND PROGRAMME = ?",
                                  {key.Name, key.User, key.Program});
    if (deleted == 0) return "there is no scheme " + Describe(key);
    transaction.Commit();
    return "";
}

std::string TSchemeStore::Rename(const TSchemeKey& from, const TSchemeKey& to) {
    if (from.User != to.User || from.Program != to.Program)
        return "a scheme keeps its user and program when renamed";
    if (std::string problem = CheckKeyParts(to); !problem.empty()) return problem;
    if (from.Name == to.Name) return Exists(from) ? "" : "there is no scheme " + Describe(from);
    TDbTransaction transaction(db_);
    if (!Exists(from)) return "there is no scheme " + Describe(from);
    if (Exists(to)) return "the scheme " + Describe(to) + " already exists";
    db_.Execute("UPDATE CONSAVE SET NCONDITION = ? WHERE NCONDITION = ? AND CREATOR = ? AND PROGRAMME = ?",
                {to.Name, from.Name, from.User, from.Program});
    transaction.Commit();
    return "";
}

}  // namespace kw
