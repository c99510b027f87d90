// The module's export GetController and the controller class it creates.
#pragma once

#include "module/DLLBaseCtrller.h"

namespace kw {

// The class of the controller GetController creates (a factory, set once by
// the controller unit when the library loads).
using TDLLControllerClass = TDLLBaseController* (*)();
extern TDLLControllerClass DLLControllerClass;

}  // namespace kw
