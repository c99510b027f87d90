// Class-library pictures on the desktop: bitmaps as images (their
// transparent colour left out), glyph cells, and what a control painted on
// its canvas.
#pragma once

#include <QIcon>
#include <QImage>
#include <QPainter>
#include <QPixmap>

#include "platform/Graphics.h"
#include "platform/ImgList.h"

namespace kw {

// The pixels of a bitmap; a transparent bitmap's transparent colour becomes
// see-through.
QImage ImageOfBitmap(const TBitmap& bitmap);
// Cell Index of a glyph strip of NumGlyphs equal cells, transparent where the
// strip's bottom-left colour is (as the platform's glyph buttons draw).
QPixmap GlyphCell(const TBitmap& glyph, int numGlyphs, int index);
// Image Index of an image list (empty when there is none).
QIcon ImageListIcon(const TImageList* images, int index);
// A canvas's bitmap and then the texts written on it, in the canvas's font
// (bold where the text was written bold).
void PaintCanvas(QPainter& painter, const TCanvas& canvas);

}  // namespace kw
