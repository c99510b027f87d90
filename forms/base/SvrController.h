// The controller a program's server library hands out from its export
// "GetSvrController". Like the module's own controller it is bound by
// virtual-table position: slot 2 gives the error text of the last run,
// slot 3 runs a job with its parameter array. The first two slots belong to
// the server library and are not called from here.
#pragma once

#include <string>

#include "platform/Variant.h"

namespace kw {

class TDLLSvrController {
public:
    virtual void Reserved0() = 0;                              // 0
    virtual void Reserved1() = 0;                              // 1
    virtual void GetErrorText(std::u16string& text) = 0;       // 2
    virtual void Execute(const Variant& params) = 0;           // 3
    virtual ~TDLLSvrController() = default;
};

using TGetSvrControllerFunc = TDLLSvrController* (*)();

}  // namespace kw
