// A shown form on the headless backend for the control tests.
#pragma once

#include "platform/Forms.h"
#include "tests/classlib/HeadlessFixture.h"

namespace kw::testing {

class FormTest : public HeadlessTest {
protected:
    TForm* form = nullptr;

    void SetUp() override {
        HeadlessTest::SetUp();
        form = new TForm(Application());
        form->SetBounds(0, 0, 640, 480);
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
