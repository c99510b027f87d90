// The shell's lookup window: the row chooser, the date picker and the phrase
// picker, as the condition forms call them.
//
//   F2GetData(args)  args: [0] lookup key, [1] mode, [2] extra parameters,
//                    [3] multi-select, [4] the control's text, [5] company,
//                    [6] database, [7] window, ... (see the forms' lookups)
//                    -> an array of the chosen rows, each an array of column
//                       texts; unassigned when cancelled or unknown
//   ShowInputDay([flag, initial "YYYYMMDD", database])
//                    -> the picked "YYYYMMDD", "" when cancelled; flag true
//                       shows years counted from 1912
//   GetPhrase(var user, var database, window) -> a phrase text
#pragma once

#include <memory>

#include "host/ShellData.h"
#include "platform/Automation.h"

namespace kw {

class TLookupWindow : public DispatchObject {
public:
    explicit TLookupWindow(std::shared_ptr<TShellData> data);

    Variant F2GetData(const Variant& args);
    Variant ShowInputDay(const Variant& args);

private:
    std::shared_ptr<TShellData> data_;
};

}  // namespace kw
