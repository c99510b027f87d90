// Readers of combo boxes: they keep the box's selected index through
// ReadAll (assigning the items would otherwise move or clear it).
#pragma once

#include "services/ComponentRead.h"

namespace kw {

class TCustomComboBoxRead : public TComponentRead {
public:
    using TComponentRead::TComponentRead;
    void ReadAll() override;
};

// The same for the data-aware combo box of the component pack.
class TwwDBCustomComboBoxRead : public TComponentRead {
public:
    using TComponentRead::TComponentRead;
    void ReadAll() override;
};

}  // namespace kw
