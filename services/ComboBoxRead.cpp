#include "services/ComboBoxRead.h"

#include "services/PropAccess.h"

namespace kw {

namespace {

// Runs read and puts the combo box's selected index back afterwards.
template <class Read>
void KeepingItemIndex(TComponent* comboBox, Read read)
{
    const int64_t itemIndex = GetOrdinalProperty(comboBox, "ItemIndex");
    read();
    SetOrdinalProperty(comboBox, "ItemIndex", itemIndex);
}

}  // namespace

void TCustomComboBoxRead::ReadAll()
{
    KeepingItemIndex(GetComponent(), [this] { TComponentRead::ReadAll(); });
}

void TwwDBCustomComboBoxRead::ReadAll()
{
    KeepingItemIndex(GetComponent(), [this] { TComponentRead::ReadAll(); });
}

}  // namespace kw
