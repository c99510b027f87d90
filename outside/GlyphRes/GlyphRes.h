// The glyph library "GlyphRes": the pictures of the system's buttons, found
// by number. A picture is a strip of equal square cells side by side (one
// cell per button state in use); its bottom-left pixel is the transparent
// colour.
#pragma once

namespace kw {
class TBitmap;
}

extern "C" {
// The highest glyph number the library holds.
int GetMaxBmpID();
// Fills bitmap with the picture of that number; false when the library has
// no picture of that number. A picture that cannot be read raises
// kw::EInvalidGraphic.
bool LoadBmp(kw::TBitmap* bitmap, int number);
}
