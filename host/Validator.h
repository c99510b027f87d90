// The shell's validator: checks values and answers queries against the
// tables of LookupTables.h. The caller sets ProductID and BaseLimited before
// each call.
//
//   QueryData(var table, var kind, var database, var params, var result) -> Boolean
//       result := every row (an array of rows); true when there is one
//   CheckValue(var table, var kind, var database, var params, var result) -> Boolean
//       result := the first row (an array of column texts); true when found
// An unknown table or kind, or a failing statement, answers false with the
// result unassigned.
#pragma once

#include <memory>

#include "host/ShellData.h"
#include "platform/Automation.h"

namespace kw {

class TValidator : public DispatchObject {
public:
    explicit TValidator(std::shared_ptr<TShellData> data);

    bool Query(const Variant& table, const Variant& kind, const Variant& params, Variant& result, bool allRows);

    int ProductId() const { return productId_; }
    const Variant& BaseLimited() const { return baseLimited_; }

private:
    std::shared_ptr<TShellData> data_;
    int productId_ = 0;
    Variant baseLimited_;
};

}  // namespace kw
