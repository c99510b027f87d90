// The shell's side of the company database: one connection shared by the
// host object and its services, and the conversion of texts between the
// database (UTF-8) and the callers, who send and receive data texts in the
// database code page of the client settings ("DBCodePage", default 936).
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "appserver/CompanyDb.h"
#include "platform/Variant.h"

namespace kw {

class TShellData {
public:
    // dataCodePage: the code page of the texts exchanged with the callers;
    // english: answer the English texts of the catalogue.
    TShellData(std::unique_ptr<TCompanyDb> db, int dataCodePage, bool english);

    // The database at CompanyDbPath(), with the code pages of the client
    // settings (BatonC.ini): DBCodePage for data, English for UI code page 437.
    static std::shared_ptr<TShellData> OpenDefault();

    TCompanyDb& Db() { return *db_; }
    int DataCodePage() const { return dataCodePage_; }
    bool English() const { return english_; }

    // A UTF-8 text as a data text (bytes in the data code page, tagged).
    Variant DataText(const std::string& utf8) const;
    // The text of an argument as UTF-8: byte strings are read in their own
    // code page (untagged ones in the data code page), wide strings as
    // UTF-16, numbers and Booleans as their text, empty and null as "".
    std::string Utf8Of(const Variant& value) const;
    // The elements of a parameter array as UTF-8 texts; a value that is not
    // an array counts as a one-element array, empty and null as none.
    std::vector<std::string> ParamTexts(const Variant& params) const;
    // Rows as an array of rows, each row an array of column data texts.
    Variant RowsToVariant(const DbRows& rows) const;
    // One row as an array of column data texts.
    Variant RowToVariant(const DbRow& row) const;

private:
    std::unique_ptr<TCompanyDb> db_;
    int dataCodePage_;
    bool english_;
};

}  // namespace kw
