#include "platform/qt/QtCanvas.h"

#include <QFontMetrics>
#include <algorithm>

#include "platform/qt/QtText.h"

namespace kw {

QImage ImageOfBitmap(const TBitmap& bitmap) {
    QImage image(bitmap.Width(), bitmap.Height(), QImage::Format_ARGB32);
    if (image.isNull()) return image;
    const bool transparent = bitmap.Transparent();
    const TColor key = transparent ? ColorToRGB(bitmap.TransparentColor()) & 0xFFFFFF : -1;
    for (int y = 0; y < bitmap.Height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < bitmap.Width(); ++x) {
            const TColor c = ColorToRGB(bitmap.Pixel(x, y)) & 0xFFFFFF;
            line[x] = transparent && c == key ? qRgba(0, 0, 0, 0) : qRgb(GetRValue(c), GetGValue(c), GetBValue(c));
        }
    }
    return image;
}

QPixmap GlyphCell(const TBitmap& glyph, int numGlyphs, int index) {
    if (glyph.Empty()) return {};
    numGlyphs = std::max(numGlyphs, 1);
    index = std::clamp(index, 0, numGlyphs - 1);
    const int cellWidth = glyph.Width() / numGlyphs;
    if (cellWidth <= 0) return {};
    TBitmap cell;
    cell.SetSize(cellWidth, glyph.Height());
    for (int y = 0; y < glyph.Height(); ++y)
        for (int x = 0; x < cellWidth; ++x) cell.SetPixel(x, y, glyph.Pixel(index * cellWidth + x, y));
    cell.SetTransparent(true);
    cell.SetTransparentColor(glyph.Pixel(0, glyph.Height() - 1));
    return QPixmap::fromImage(ImageOfBitmap(cell));
}

QIcon ImageListIcon(const TImageList* images, int index) {
    TBitmap bitmap;
    if (!images || !images->GetBitmap(index, bitmap)) return {};
    return QIcon(QPixmap::fromImage(ImageOfBitmap(bitmap)));
}

void PaintCanvas(QPainter& painter, const TCanvas& canvas) {
    if (const TBitmap* surface = canvas.Target()) painter.drawImage(0, 0, ImageOfBitmap(*surface));
    const TFont& font = *canvas.Font();
    for (const TCanvasText& text : canvas.Texts()) {
        QFont q = QtFont(font);
        q.setBold(text.Bold);
        painter.setFont(q);
        painter.setPen(QtColor(text.Color));
        painter.drawText(text.X, text.Y + QFontMetrics(q).ascent(), FontText(text.Text, font));
    }
}

}  // namespace kw
