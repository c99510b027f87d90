// A form and the components it owns as JSON, for scripted runs and tests:
//
//   {"form": {...}, "components": [{...}, ...]}
//
// Each entry: "name", "class", "owner" and "parent" (names, null for none),
// "text" (a control's caption or text, a component's "Caption", decoded to
// UTF-8 by the font's character set as the screen shows it; null when it has
// none), "bounds" [left, top, width, height], "visible" and "enabled"
// (controls only). Components are listed depth first in creation order,
// each followed by the components it owns in turn.
#pragma once

#include <string>

namespace kw {

class TComponent;

std::string DumpFormJson(const TComponent& form);

// A UTF-8 text as a JSON string literal.
std::string JsonString(const std::string& utf8);

}  // namespace kw
