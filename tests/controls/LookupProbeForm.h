// A form for the lookup tests: it records the controls of the lookup
// requests it receives.
#pragma once

#include <vector>

#include "platform/Forms.h"
#include "tests/controls/ControlsFixture.h"

namespace kw::testing {

class TLookupProbeForm : public TForm {
    KW_CLASS(TLookupProbeForm)
public:
    explicit TLookupProbeForm(TComponent* owner) : TForm(owner) {}
    std::vector<TObject*> Requests;
    // Checks that wParam is 0, as every lookup request has it.
    void WMLookupRequest(TMessage& m);
};

// A shown 400 x 300 lookup probe form.
class LookupFormTest : public FormTestOf<TLookupProbeForm, 400, 300> {};

}  // namespace kw::testing
