// Sets the system code page for one test and restores it afterwards.
#pragma once

#include "platform/CodePage.h"

namespace kw::test {

class CodePageScope {
public:
    explicit CodePageScope(int codePage) : saved_(SystemCodePage()) { SetSystemCodePage(codePage); }
    ~CodePageScope() { SetSystemCodePage(saved_); }
    CodePageScope(const CodePageScope&) = delete;
    CodePageScope& operator=(const CodePageScope&) = delete;

private:
    int saved_;
};

}  // namespace kw::test
