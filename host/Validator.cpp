#include "host/Validator.h"

#include "host/LookupTables.h"
#include "services/LogUtils.h"

namespace kw {

TValidator::TValidator(std::shared_ptr<TShellData> data)
    : DispatchObject("PilotWorkCenter.Validator"), data_(std::move(data)) {
    AddProperty(
        "ProductID", [this] { return Variant(productId_); },
        [this](const Variant& v) { productId_ = v.toInt(); });
    AddProperty(
        "BaseLimited", [this] { return baseLimited_; }, [this](const Variant& v) { baseLimited_ = v; });
    AddMethod("QueryData", [this](Args& a) {
        RequireArgs("QueryData", a, 5);
        return Variant(Query(a[0], a[1], a[3], a[4], true));
    });
    AddMethod("CheckValue", [this](Args& a) {
        RequireArgs("CheckValue", a, 5);
        return Variant(Query(a[0], a[1], a[3], a[4], false));
    });
}

bool TValidator::Query(const Variant& table, const Variant& kind, const Variant& params, Variant& result,
                       bool allRows) {
    result = Variant();
    const std::string tableText = data_->Utf8Of(table), kindText = data_->Utf8Of(kind);
    const TLookupSpec* spec = FindLookup(tableText, kindText, TLookupUse::Check);
    if (!spec) {
        WriteAlertLog("kwshell", "Validator: no table " + tableText + " kind " + kindText, "D");
        return false;
    }
    DbRows rows;
    try {
        rows = RunLookup(data_->Db(), *spec, data_->ParamTexts(params));
    } catch (const EDbError& e) {
        WriteAlertLog("kwshell", "Validator " + tableText + " " + kindText + ": " + e.what(), "D");
        return false;
    }
    if (rows.empty()) return false;
    result = allRows ? data_->RowsToVariant(rows) : data_->RowToVariant(rows.rows.front());
    return true;
}

}  // namespace kw
