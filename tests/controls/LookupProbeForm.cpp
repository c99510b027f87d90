#include "tests/controls/LookupProbeForm.h"

#include <gtest/gtest.h>

#include "controls/LookupRequest.h"
#include "platform/ClassBuilder.h"

namespace kw::testing {

KW_BEGIN_CLASS(TLookupProbeForm, TForm)
    b.Message<&TLookupProbeForm::WMLookupRequest>(WM_LOOKUPREQUEST);
KW_END_CLASS(TLookupProbeForm)

void TLookupProbeForm::WMLookupRequest(TMessage& m) {
    EXPECT_EQ(m.WParam, 0u);
    Requests.push_back(reinterpret_cast<TObject*>(m.LParam));
}

}  // namespace kw::testing
