#include "host/LookupWindow.h"

#include "host/DatePickerDialog.h"
#include "host/LookupDialog.h"
#include "host/LookupTables.h"
#include "services/LogUtils.h"

namespace kw {

namespace {

// Element i of an argument array, unassigned when it is absent.
Variant Element(const Variant& args, int i) {
    if (!args.isArray() || args.dimCount() != 1) return Variant();
    const int index = args.low() + i;
    return index <= args.high() ? args[index] : Variant();
}

bool FlagOf(const Variant& value) {
    try {
        return !VarIsEmptyOrNull(value) && value.toBool();
    } catch (const EVariantError&) {
        return false;
    }
}

}  // namespace

TLookupWindow::TLookupWindow(std::shared_ptr<TShellData> data)
    : DispatchObject("PilotWorkCenter.F2Window"), data_(std::move(data)) {
    AddMethod("F2GetData", [this](Args& a) {
        RequireArgs("F2GetData", a, 1);
        return F2GetData(a[0]);
    });
    AddMethod("ShowInputDay", [this](Args& a) {
        RequireArgs("ShowInputDay", a, 1);
        return ShowInputDay(a[0]);
    });
    // The phrase book is not kept in the company database: no phrase to offer.
    AddMethod("GetPhrase", [this](Args& a) {
        RequireArgs("GetPhrase", a, 3);
        return data_->DataText("");
    });
}

Variant TLookupWindow::F2GetData(const Variant& args) {
    const std::string key = data_->Utf8Of(Element(args, 0)), mode = data_->Utf8Of(Element(args, 1));
    const TLookupSpec* spec = FindLookup(key, mode, TLookupUse::Lookup);
    if (!spec) {
        WriteAlertLog("kwshell", "F2GetData: no lookup " + key + " mode " + mode, "D");
        return Variant();
    }
    DbRows rows;
    try {
        rows = RunLookup(data_->Db(), *spec, data_->ParamTexts(Element(args, 2)));
    } catch (const EDbError& e) {
        WriteAlertLog("kwshell", "F2GetData " + key + " " + mode + ": " + e.what(), "D");
        return Variant();
    }
    std::vector<std::vector<std::string>> texts;
    for (const DbRow& row : rows.rows) {
        std::vector<std::string> columns;
        for (const DbValue& value : row) columns.push_back(DbText(value));
        texts.push_back(std::move(columns));
    }
    const std::vector<int> chosen =
        ChooseLookupRows(*spec, texts, FlagOf(Element(args, 3)), data_->Utf8Of(Element(args, 4)));
    if (chosen.empty()) return Variant();
    DbRows answer;
    for (int index : chosen) answer.rows.push_back(rows.rows[index]);
    return data_->RowsToVariant(answer);
}

Variant TLookupWindow::ShowInputDay(const Variant& args) {
    return data_->DataText(PickDay(data_->Utf8Of(Element(args, 1)), FlagOf(Element(args, 0))));
}

}  // namespace kw
