// The shell's counter service: the company's system information and named
// counters.
//
//   GetSysInfo(var company)                 -> [0..1, 0..n-1]: key at [0, i], value at [1, i]
//   GetCounter(name, var params, [company, database]) -> the counter's answer
//
// Counters:
//   "SIMPLESQL"  params [statement, columns]: runs one SELECT statement and
//                answers its rows (each an array of column texts), only the
//                named columns (comma-separated; "" = all) in that order.
//                Anything but a single SELECT is refused.
// An unknown counter answers unassigned.
#pragma once

#include <memory>

#include "host/ShellData.h"
#include "platform/Automation.h"

namespace kw {

class TCounterService : public DispatchObject {
public:
    explicit TCounterService(std::shared_ptr<TShellData> data);

    Variant GetSysInfo(const std::string& companyUtf8);
    Variant GetCounter(const std::string& name, const Variant& params);

private:
    Variant SimpleSql(const std::vector<std::string>& params);
    std::shared_ptr<TShellData> data_;
};

// True for one SELECT statement (a trailing ";" allowed).
bool IsSingleSelect(const std::string& sql);

}  // namespace kw
