#include "services/LangReader.h"

#include "platform/SysUtils.h"
#include "services/LanguagePackage.h"
#include "services/ReaderFactory.h"

namespace kw {

namespace {

bool IsFormOrDataModule(const TComponent& component)
{
    return component.InheritsFrom("TCustomForm") || component.InheritsFrom("TDataModule");
}

}  // namespace

TLangReader::TLangReader(const pugi::xml_document& document) : document_(document) {}

void TLangReader::SetExcludeControls(const TStrings& names)
{
    excluded_.clear();
    for (int i = 0; i < names.Count(); ++i)
        excluded_.push_back(Trim(names[i]));
}

bool TLangReader::IsExcluded(const std::string& componentName) const
{
    const std::string name = Trim(componentName);
    for (const std::string& excluded : excluded_)
        if (SameText(excluded, name))
            return true;
    return false;
}

void TLangReader::ReadComponent(TComponent* component)
{
    if (!component)
        return;
    const pugi::xml_node root = document_.document_element();
    if (IsFormOrDataModule(*component) && root)
        ReadElement(component, root);
    if (!component->Name().empty() && !IsExcluded(component->Name())) {
        const pugi::xml_node element = FindPackageElement(document_, component->Name());
        if (element)
            ReadElement(component, element);
    }
    const std::vector<TComponent*> owned = component->ComponentList();
    for (TComponent* child : owned)
        ReadComponent(child);
}

void TLangReader::ReadElement(TComponent* component, pugi::xml_node element)
{
    DoBeforeLoadComponent(component, element);
    TReaderFactory::CreateReader(component, element)->ReadAll();
    DoAfterLoadComponent(component, element);
}

void TLangReader::DoBeforeLoadComponent(TComponent* component, pugi::xml_node element)
{
    BeforeLoadComponent(component, element);
}

void TLangReader::DoAfterLoadComponent(TComponent* component, pugi::xml_node element)
{
    AfterLoadComponent(component, element);
}

}  // namespace kw
