// A small shared library that the loader tests load by path.
#include "platform/DynLib.h"

extern "C" int KwtTwice(int value)
{
    return value * 2;
}

// The module file name of this library, as the library itself finds it.
extern "C" const char* KwtOwnModuleName()
{
    static const std::string name = kw::ModuleFileName(reinterpret_cast<const void*>(&KwtTwice));
    return name.c_str();
}
