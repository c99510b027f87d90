// A shown form on the headless backend for the control tests.
#pragma once

#include "platform/Forms.h"
#include "tests/classlib/FormFixture.h"

namespace kw::testing {

class FormTest : public FormTestOf<TForm, 640, 480> {};

}  // namespace kw::testing
