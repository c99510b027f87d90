#include "host/ShellData.h"

#include <cstdlib>

#include "platform/CodePage.h"
#include "services/BatonINI.h"

namespace kw {

TShellData::TShellData(std::unique_ptr<TCompanyDb> db, int dataCodePage, bool english)
    : db_(std::move(db)), dataCodePage_(dataCodePage), english_(english) {}

std::shared_ptr<TShellData> TShellData::OpenDefault() {
    TBatonIniC settings;
    int dataCodePage = std::atoi(settings.DBCodePage.c_str());
    if (dataCodePage != CP_GBK && dataCodePage != CP_BIG5 && dataCodePage != CP_US) dataCodePage = CP_GBK;
    return std::make_shared<TShellData>(OpenCompanyDb(), dataCodePage, settings.UICodePage == "437");
}

Variant TShellData::DataText(const std::string& utf8) const {
    return Variant(Utf8ToCodePage(utf8, dataCodePage_), dataCodePage_);
}

std::string TShellData::Utf8Of(const Variant& value) const {
    switch (value.type()) {
        case VarType::Empty:
        case VarType::Null: return "";
        case VarType::WideString: return WideToUtf8(value.toWide());
        case VarType::String: {
            const int codePage = value.codePage() == CP_ACP ? dataCodePage_ : value.codePage();
            return codePage == CP_UTF8 ? value.bytes() : CodePageToUtf8(value.bytes(), codePage);
        }
        default: return CodePageToUtf8(VarToStr(value), SystemCodePage());
    }
}

std::vector<std::string> TShellData::ParamTexts(const Variant& params) const {
    std::vector<std::string> texts;
    if (VarIsEmptyOrNull(params)) return texts;
    if (!params.isArray()) {
        texts.push_back(Utf8Of(params));
        return texts;
    }
    for (const Variant& item : params.array().items()) texts.push_back(Utf8Of(item));
    return texts;
}

Variant TShellData::RowToVariant(const DbRow& row) const {
    std::vector<Variant> columns;
    columns.reserve(row.size());
    for (const DbValue& value : row) columns.push_back(DataText(DbText(value)));
    return Variant::ArrayOf(std::move(columns));
}

Variant TShellData::RowsToVariant(const DbRows& rows) const {
    std::vector<Variant> items;
    items.reserve(rows.rows.size());
    for (const DbRow& row : rows.rows) items.push_back(RowToVariant(row));
    return Variant::ArrayOf(std::move(items));
}

}  // namespace kw
