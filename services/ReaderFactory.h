// Chooses the reader class of a component.
#pragma once

#include "services/ComponentRead.h"

namespace kw {

class TReaderFactory {
public:
    // TwwDBCustomComboBoxRead for the data-aware combo box, TCustomComboBoxRead
    // for any other combo box, TComponentRead for everything else.
    static ILangReadPtr CreateReader(TComponent* component, pugi::xml_node element);
};

}  // namespace kw
