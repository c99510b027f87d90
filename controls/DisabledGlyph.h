// The disabled look of a button picture, generated once when a form is
// created for pictures that bring only their enabled cell.
#pragma once

namespace kw {

class TBitmap;

// Makes a one-cell glyph a two-cell strip of the same cell size: the glyph
// itself, then an embossed grey image of its outline and dark parts on the
// button face (highlight one pixel down and right, shadow over it). The
// transparent colour of the glyph fills the new strip before the cells are
// placed. An empty glyph stays as it is.
void AddDisabledImage(TBitmap& glyph);

}  // namespace kw
