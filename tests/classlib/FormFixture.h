// A shown form on the headless backend for the tests of controls on forms.
#pragma once

#include "platform/Forms.h"
#include "tests/classlib/HeadlessFixture.h"

namespace kw::testing {

// The form is of class Form, Width x Height, shown before each test and
// freed after it.
template <class Form, int Width, int Height>
class FormTestOf : public HeadlessTest {
protected:
    Form* form = nullptr;

    void SetUp() override {
        HeadlessTest::SetUp();
        form = new Form(Application());
        form->SetBounds(0, 0, Width, Height);
        form->Show();
    }
    void TearDown() override {
        form->Free();
        HeadlessTest::TearDown();
    }
    template <class T>
    T* Make(const char* name, TWinControl* parent = nullptr) {
        auto* c = new T(form);
        c->SetName(name);
        c->SetParent(parent ? parent : form);
        return c;
    }
};

}  // namespace kw::testing
