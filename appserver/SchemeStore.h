// Condition schemes in the company database: one record per scheme name,
// user and program. Texts are UTF-8; operations that change the table answer
// an error text, empty on success.
#pragma once

#include <string>
#include <vector>

#include "appserver/CompanyDb.h"

namespace kw {

// Longest scheme name, in bytes of the data code page.
inline constexpr size_t MaxSchemeNameBytes = 20;

struct TSchemeKey {
    std::string Name;
    std::string User;
    std::string Program;
};

struct TScheme {
    TSchemeKey Key;
    std::string CreateDate;  // "YYYYMMDD"
    std::string Properties;  // SCONDITION
    std::string Values;      // VCONDITION
};

class TSchemeStore {
public:
    explicit TSchemeStore(TCompanyDb& db) : db_(db) {}

    // The user's schemes of the program, ordered by name.
    std::vector<TScheme> Load(const std::string& user, const std::string& program);
    // Saves a scheme; an existing one of the same key is replaced only when
    // replace is set.
    std::string Insert(const TScheme& scheme, bool replace);
    std::string Delete(const TSchemeKey& key);
    // Gives a scheme a new name; user and program stay.
    std::string Rename(const TSchemeKey& from, const TSchemeKey& to);

private:
    bool Exists(const TSchemeKey& key);
    TCompanyDb& db_;
};

// Empty when name is a valid scheme name (not blank, at most 20 bytes).
std::string CheckSchemeName(const std::string& name);

}  // namespace kw
