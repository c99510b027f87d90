#include "appserver/UserRights.h"

#include "appserver/DataText.h"

namespace kw {

namespace {

const char* const NoRights = ",N,N,NNNNNNNN,,";

}  // namespace

Variant LoadUserRights(TCompanyDb& db, const std::string& user, const std::string& program) {
    DbRows rights = db.Query(
        "SELECT PROGRAMME, RIGHTS, RIGHTS2, WEBUSER, LIMITBASE FROM USERRIGHTS "
        "WHERE USERID = ? AND PROGRAMME IN (?, '*') ORDER BY PROGRAMME = '*'",
        {user, program});
    Variant record = Variant::Array(0, 5);
    record[0] = Utf8ToDataText(user);
    if (rights.empty()) {
        record[1] = Utf8ToDataText(NoRights);
        for (int i = 2; i <= 4; ++i) record[i] = Utf8ToDataText("");
        record[5] = Variant::ArrayOf({Variant(0)});
        return record;
    }
    const DbRow& row = rights.rows[0];
    for (int i = 1; i <= 4; ++i) record[i] = Utf8ToDataText(DbText(row[i]));
    DbRows limits = db.Query(
        "SELECT LIMITTEXT FROM USERLIMITS WHERE USERID = ? AND PROGRAMME = ? ORDER BY SEQ", {user, row[0]});
    std::vector<Variant> list{Variant(static_cast<int>(limits.rows.size()))};
    for (const DbRow& limit : limits.rows) list.push_back(Utf8ToDataText(DbText(limit[0])));
    record[5] = Variant::ArrayOf(std::move(list));
    return record;
}

}  // namespace kw
