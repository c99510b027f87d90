// The library's start-up block: the controller creates KTXR58's form.
#include "forms/report/Ktxr58CF.h"
#include "module/DLLRPCtrller.h"

namespace kw {
namespace {

const bool formClassRegistered = [] {
    frmBaseGeneClass = &TfrmKtxr58::StaticClassInfo();
    return true;
}();

}  // namespace
}  // namespace kw
