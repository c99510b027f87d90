#include "module/DLLFunc.h"

#include <stdexcept>

namespace kw {

TDLLControllerClass DLLControllerClass = nullptr;

extern "C" TDLLBaseController* GetController() {
    if (!DLLControllerClass)
        throw std::runtime_error("KWT DLL Internal Error :\rNot Assign \"DLLControllerClass\" varible");
    return DLLControllerClass();
}

}  // namespace kw
