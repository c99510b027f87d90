// The user-rights record that the condition forms load for a user and
// program: a variant array 0..5
//   [0] user code
//   [1] six comma-separated fields: group, may print (Y/N), may export (Y/N),
//       eight permission letters (characters 7 and 8 are the two lookup
//       flags), department, company limit
//   [2] second rights text, [3] user of the web report site,
//   [4] base of the lookup limit text,
//   [5] the limits: array 0..k with k at [0] and the limit texts at 1..k.
// The program's own record wins over the user's "*" record; a user without
// either gets a record that grants nothing.
#pragma once

#include <string>

#include "appserver/CompanyDb.h"
#include "platform/Variant.h"

namespace kw {

Variant LoadUserRights(TCompanyDb& db, const std::string& user, const std::string& program);

}  // namespace kw
