#include "controls/DisabledGlyph.h"

#include <algorithm>

#include "platform/Graphics.h"

namespace kw {

namespace {

bool IsDarkOrEdge(const TBitmap& glyph, int x, int y, TColor transparent) {
    const TColor c = glyph.Pixel(x, y);
    if (GetRValue(c) + GetGValue(c) + GetBValue(c) < 384) return true;
    auto at = [&](int nx, int ny) {
        return glyph.Pixel(std::clamp(nx, 0, glyph.Width() - 1), std::clamp(ny, 0, glyph.Height() - 1));
    };
    return at(x, y - 1) == transparent || at(x, y + 1) == transparent || at(x - 1, y) == transparent ||
           at(x + 1, y) == transparent;
}

// The brush where the mask is black, the surface where it is white: the
// mask's black becomes the text colour (white, all bits set) and its white
// the background colour (black) on the way onto the colour surface.
void DrawMask(TBitmap& target, const TBitmap& mask, int x, int y, TColor brush) {
    TCanvas& canvas = *target.Canvas();
    canvas.SetTextColor(clWhite);
    canvas.SetBkColor(clBlack);
    canvas.Brush()->SetColor(brush);
    canvas.BitBlt(x, y, mask.Width(), mask.Height(), *mask.Canvas(), 0, 0, ROP_DSPDxax);
}

}  // namespace

void AddDisabledImage(TBitmap& glyph) {
    if (glyph.Empty()) return;
    const int w = glyph.Width(), h = glyph.Height();
    const TColor transparent = ColorToRGB(glyph.TransparentColor()) & 0xFFFFFF;

    // 1-2. The outline and dark parts in black on the transparent colour.
    TBitmap work;
    work.Assign(&glyph);
    work.SetPixelFormat(pf24bit);
    work.Fill(transparent);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (glyph.Pixel(x, y) != transparent && IsDarkOrEdge(glyph, x, y, transparent))
                work.SetPixel(x, y, clBlack);

    // 3. The mask: black stays black, every other colour becomes white.
    TBitmap mask;
    mask.Assign(&work);
    mask.SetMonochrome(true);

    // 4. Embossed on the button face.
    work.Fill(clBtnFace);
    DrawMask(work, mask, 1, 1, clBtnHighlight);
    DrawMask(work, mask, 0, 0, clBtnShadow);

    // 5. The strip: the glyph, then the disabled image.
    TBitmap source;
    source.Assign(&glyph);
    source.SetTransparent(false);
    work.SetTransparent(false);
    glyph.SetSize(2 * w, h);
    glyph.Fill(transparent);
    glyph.Canvas()->Draw(0, 0, source);
    glyph.Canvas()->Draw(w, 0, work);
}

}  // namespace kw
