// What the shell's validator and lookup window read for each table code and
// kind the condition forms ask for: one table of SQL statements, so the
// mapping from the ERP's codes to the company database lives in one place.
//
// A check ("Check" use) answers one record for a key; a query (validator's
// QueryData) answers every row of the same statement; a lookup ("Lookup"
// use) is what the lookup window lists for the user to choose from.
#pragma once

#include <string>
#include <vector>

#include "appserver/CompanyDb.h"

namespace kw {

enum class TLookupUse { Check, Lookup };

struct TLookupColumn {
    const char* Caption;  // UTF-8 heading in the lookup window
};

struct TLookupSpec {
    const char* Table;  // table code as the caller names it, e.g. "ADMMB"
    const char* Kind;   // kind or mode, e.g. "01"
    TLookupUse Use;
    const char* Title;  // UTF-8 caption of the lookup window
    const char* Sql;    // "?" placeholders, filled from Binds
    // For each "?", the index of the caller's parameter that fills it; a
    // parameter the caller did not send binds as "".
    std::vector<int> Binds;
    std::vector<TLookupColumn> Columns;  // headings of the answered columns
};

// The lookup entry for a table code and kind (compared without regard to
// case), or none.
const TLookupSpec* FindLookup(const std::string& table, const std::string& kind, TLookupUse use);
// Every lookup entry, in table order.
const std::vector<TLookupSpec>& LookupSpecs();
// Runs the statement with the caller's parameters (UTF-8 texts).
DbRows RunLookup(TCompanyDb& db, const TLookupSpec& spec, const std::vector<std::string>& params);

}  // namespace kw
