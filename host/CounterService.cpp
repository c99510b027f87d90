#include "host/CounterService.h"

#include "platform/SysUtils.h"
#include "services/LogUtils.h"

namespace kw {

namespace {

constexpr const char* kLogName = "kwshell";

std::vector<std::string> SplitColumns(const std::string& list) {
    std::vector<std::string> names;
    size_t start = 0;
    while (start <= list.size()) {
        size_t comma = list.find(',', start);
        std::string name = Trim(list.substr(start, comma == std::string::npos ? std::string::npos : comma - start));
        if (!name.empty()) names.push_back(name);
        if (comma == std::string::npos) break;
        start = comma + 1;
    }
    return names;
}

}  // namespace

bool IsSingleSelect(const std::string& sql) {
    std::string text = Trim(sql);
    if (!text.empty() && text.back() == ';') text = Trim(text.substr(0, text.size() - 1));
    if (text.size() < 7 || !SameText(text.substr(0, 6), "SELECT")) return false;
    if (text[6] != ' ' && text[6] != '\t' && text[6] != '\r' && text[6] != '\n') return false;
    return text.find(';') == std::string::npos;
}

TCounterService::TCounterService(std::shared_ptr<TShellData> data)
    : DispatchObject("PilotWorkCenter.Counter"), data_(std::move(data)) {
    AddMethod("GetSysInfo", [this](Args& a) {
        RequireArgs("GetSysInfo", a, 1);
        return GetSysInfo(data_->Utf8Of(a[0]));
    });
    AddMethod("GetCounter", [this](Args& a) {
        RequireArgs("GetCounter", a, 2);
        return GetCounter(data_->Utf8Of(a[0]), a[1]);
    });
}

Variant TCounterService::GetSysInfo(const std::string& companyUtf8) {
    DbRows rows = data_->Db().Query(
        "SELECT INFO_KEY, INFO_VALUE FROM SYSINFO WHERE COMPANY_ID = ? ORDER BY INFO_KEY", {Trim(companyUtf8)});
    const int count = static_cast<int>(rows.rows.size());
    VarArray info({{0, 1}, {0, count - 1}});
    for (int i = 0; i < count; ++i) {
        info.at({0, i}) = data_->DataText(DbText(rows.rows[i][0]));
        info.at({1, i}) = data_->DataText(DbText(rows.rows[i][1]));
    }
    return Variant(std::move(info));
}

Variant TCounterService::GetCounter(const std::string& name, const Variant& params) {
    if (SameText(Trim(name), "SimpleSQL")) return SimpleSql(data_->ParamTexts(params));
    WriteAlertLog(kLogName, "GetCounter: no counter named \"" + name + "\"", "D");
    return Variant();
}

Variant TCounterService::SimpleSql(const std::vector<std::string>& params) {
    const std::string sql = params.empty() ? "" : params[0];
    if (!IsSingleSelect(sql)) {
        WriteAlertLog(kLogName, "GetCounter SimpleSQL refused: " + sql, "D");
        return Variant();
    }
    DbRows rows;
    try {
        rows = data_->Db().Query(sql);
    } catch (const EDbError& e) {
        WriteAlertLog(kLogName, std::string("GetCounter SimpleSQL failed: ") + e.what(), "D");
        return Variant();
    }
    const std::vector<std::string> wanted = SplitColumns(params.size() > 1 ? params[1] : "");
    std::vector<size_t> picks;
    for (const std::string& name : wanted) {
        size_t i = 0;
        while (i < rows.columns.size() && !SameText(rows.columns[i], name)) ++i;
        if (i == rows.columns.size()) {
            WriteAlertLog(kLogName, "GetCounter SimpleSQL: no column " + name + " in " + sql, "D");
            return Variant();
        }
        picks.push_back(i);
    }
    if (picks.empty())
        for (size_t i = 0; i < rows.columns.size(); ++i) picks.push_back(i);
    std::vector<Variant> answer;
    for (const DbRow& row : rows.rows) {
        DbRow picked;
        for (size_t i : picks) picked.push_back(row[i]);
        answer.push_back(data_->RowToVariant(picked));
    }
    return Variant::ArrayOf(std::move(answer));
}

}  // namespace kw
