#include "services/ComponentRead.h"

#include "platform/CodePage.h"
#include "services/LanguagePackage.h"
#include "services/PackagePropertyPath.h"

namespace kw {

TComponentRead::TComponentRead(TComponent* component, pugi::xml_node element)
    : component_(component), element_(element)
{
}

void TComponentRead::ApplyAttribute(pugi::xml_attribute attribute)
{
    if (!component_ || !attribute)
        return;
    ApplyPackageProperty(*component_, attribute.name(), PackageValue(attribute.value(), CP_DESIGN));
}

void TComponentRead::ReadItem(const Variant& key)
{
    pugi::xml_attribute attribute;
    if (key.type() == VarType::Int32 || key.type() == VarType::Int64) {
        int64_t position = key.toInt64();
        for (attribute = element_.first_attribute(); attribute && position > 0; attribute = attribute.next_attribute())
            --position;
        if (position < 0)
            attribute = pugi::xml_attribute();
    } else {
        attribute = element_.attribute(VarToStr(key).c_str());
    }
    if (attribute)
        ApplyAttribute(attribute);
}

void TComponentRead::ReadAll()
{
    int position = 0;
    for (pugi::xml_attribute attribute = element_.first_attribute(); attribute; attribute = attribute.next_attribute())
        ReadItem(Variant(position++));
}

}  // namespace kw
