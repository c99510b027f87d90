#include "services/ReaderFactory.h"

#include "platform/StdCtrls.h"
#include "services/ComboBoxRead.h"

namespace kw {

ILangReadPtr TReaderFactory::CreateReader(TComponent* component, pugi::xml_node element)
{
    if (component && component->InheritsFrom("TwwDBCustomComboBox"))
        return std::make_shared<TwwDBCustomComboBoxRead>(component, element);
    if (dynamic_cast<TComboBox*>(component))
        return std::make_shared<TCustomComboBoxRead>(component, element);
    return std::make_shared<TComponentRead>(component, element);
}

}  // namespace kw
