// Registration of the widget kinds, one function per group of controls.
#pragma once

namespace kw {

void RegisterFormKind();
// Labels, edits, memos, combo boxes, list boxes, buttons, check boxes,
// radio buttons and group boxes.
void RegisterStdKinds();
// Panels, splitters, glyph buttons and speed buttons.
void RegisterExtKinds();
// Page controls, list views, tree views, tool bars, status bars, animations.
void RegisterComKinds();
// Controls that paint themselves through their canvas, and plain containers.
void RegisterPaintedKinds();

}  // namespace kw
