// Applying one element of a language package to one component: each
// attribute of the element names a property path of the component and
// gives its new value.
#pragma once

#include <pugixml.hpp>

#include <memory>

#include "platform/Classes.h"
#include "platform/Variant.h"

namespace kw {

class ILangRead {
public:
    virtual ~ILangRead() = default;
    virtual TComponent* GetComponent() const = 0;
    virtual pugi::xml_node GetElement() const = 0;
    virtual void SetComponent(TComponent* component) = 0;
    virtual void SetElement(pugi::xml_node element) = 0;
    // An integer key selects the attribute by position (from 0), any other
    // key by its text as the attribute's name; no such attribute, nothing.
    virtual void ReadItem(const Variant& key) = 0;
    // Every attribute in document order.
    virtual void ReadAll() = 0;
};

using ILangReadPtr = std::shared_ptr<ILangRead>;

class TComponentRead : public ILangRead {
public:
    TComponentRead(TComponent* component, pugi::xml_node element);

    // Applies one attribute: its name is the property path, its text the
    // value (as a design text). Assignments that fail are skipped.
    virtual void ApplyAttribute(pugi::xml_attribute attribute);

    TComponent* GetComponent() const override { return component_; }
    pugi::xml_node GetElement() const override { return element_; }
    void SetComponent(TComponent* component) override { component_ = component; }
    void SetElement(pugi::xml_node element) override { element_ = element; }
    void ReadItem(const Variant& key) override;
    void ReadAll() override;

private:
    TComponent* component_;
    pugi::xml_node element_;
};

// Combo boxes keep their selected index through ReadAll (assigning their
// items would otherwise move or clear it).

}  // namespace kw
