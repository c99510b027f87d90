// Component property access by name: the small set of operations with which
// the form framework, the language packages and the code converter read and
// write properties ("Caption", "Font.Charset", "OnClick", ...) of components
// whose classes they do not know. Each operation gives a neutral result (or
// does nothing) when the property is missing; only SetPropertyPath raises.
#pragma once

#include <string>

#include "platform/Controls.h"
#include "platform/TypInfo.h"
#include "platform/Variant.h"

namespace kw {

bool HasProperty(const TObject* component, const std::string& name);
// The property exists and its type's name equals TypeName without regard to case.
bool HasPropertyOfType(const TObject* component, const std::string& name, const std::string& typeName);

// Text properties; empty text / nothing when missing or not a text.
std::string GetTextProperty(const TObject* component, const std::string& name);
void SetTextProperty(TObject* component, const std::string& name, const std::string& text);

// Ordinal properties (integer, enumeration, set, character); 0 / nothing when missing.
int64_t GetOrdinalProperty(const TObject* component, const std::string& name);
void SetOrdinalProperty(TObject* component, const std::string& name, int64_t value);

// Event properties: the handler pair; an empty pair / nothing when missing.
TMethod GetEventProperty(const TObject& component, const std::string& name);
void SetEventProperty(TObject& component, const std::string& name, const TMethod& handler);

// The object held by a class-typed property; none when missing or not class-typed.
TObject* GetObjectProperty(const TObject* object, const std::string& name);

// Sets the last property of a dotted path ("Font.Charset") converting the
// value: identifier names of integer types (clRed), enumeration names and
// set notation (trimmed) for values that are no integers, the standard
// conversion otherwise. A missing last property changes nothing; an
// intermediate part that is not an object property, or a value that cannot
// be converted, raises.
void SetPropertyPath(TObject* object, const std::string& path, const Variant& value);
// SetPropertyPath with any error caught: false on error, true otherwise.
bool TrySetPropertyPath(TObject* object, const std::string& path, const Variant& value);

// Sends the left-button-down (513) and left-button-up (514) messages with the
// two parameters to the control; gives the second message's result.
LRESULT SimulateClick(TControl& control, WPARAM wParam, LPARAM lParam);

}  // namespace kw
