// A form for the lookup tests: it records the controls of the lookup
// requests it receives.
#pragma once

#include <vector>

#include "platform/Forms.h"

namespace kw::testing {

class TLookupProbeForm : public TForm {
    KW_CLASS(TLookupProbeForm)
public:
    explicit TLookupProbeForm(TComponent* owner) : TForm(owner) {}
    std::vector<TObject*> Requests;
    // Checks that wParam is 0, as every lookup request has it.
    void WMLookupRequest(TMessage& m);
};

}  // namespace kw::testing
