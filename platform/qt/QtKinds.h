// Registration of the widget kinds, one function per group of controls.
#pragma once

namespace kw {

void RegisterFormKind();
// Labels, edits, memos, combo boxes, list boxes, buttons, check boxes,
// radio buttons and group boxes.
void RegisterStdKinds();
// Controls that paint themselves through their canvas, and plain containers.
void RegisterPaintedKinds();

}  // namespace kw
