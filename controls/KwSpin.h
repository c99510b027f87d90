// TKwSpinEdit: the spin edit of the periodic schedule. A sign can be typed
// only as the first character, and an emptied edit raises no change event.
#pragma once

#include "platform/Spin.h"

namespace kw {

class TKwSpinEdit : public TSpinEdit {
    KW_CLASS(TKwSpinEdit)
public:
    explicit TKwSpinEdit(TComponent* owner);

protected:
    void Change() override;
};

}  // namespace kw
