// Applies a loaded language package to a component and everything it owns.
#pragma once

#include <pugixml.hpp>

#include <string>
#include <vector>

#include "platform/Classes.h"

namespace kw {

// Told before and after a component is read from its element.
using TLoadComponentEvent = TEvent<TComponent* /*xComponent*/, pugi::xml_node /*xComponentNode*/>;

class TLangReader {
public:
    // The document must outlive the reader.
    explicit TLangReader(const pugi::xml_document& document);
    virtual ~TLangReader() = default;
    TLangReader(const TLangReader&) = delete;
    TLangReader& operator=(const TLangReader&) = delete;

    // A form or data module takes the root element's attributes; a named
    // component that is not excluded takes those of the first element named
    // after it; then every owned component is read in ownership order.
    virtual void ReadComponent(TComponent* component);

    // Names of components whose elements are not applied (blanks around a
    // name and letter case do not matter).
    void SetExcludeControls(const TStrings& names);
    bool IsExcluded(const std::string& componentName) const;

    TLoadComponentEvent BeforeLoadComponent;
    TLoadComponentEvent AfterLoadComponent;

protected:
    virtual void DoBeforeLoadComponent(TComponent* component, pugi::xml_node element);
    virtual void DoAfterLoadComponent(TComponent* component, pugi::xml_node element);

private:
    void ReadElement(TComponent* component, pugi::xml_node element);

    const pugi::xml_document& document_;
    std::vector<std::string> excluded_;
};

}  // namespace kw
