#include <gtest/gtest.h>

#include "platform/Backend.h"
#include "platform/CodePage.h"
#include "platform/Graphics.h"

namespace kw {
namespace {

TEST(Graphics, BitmapsSurviveTheBmpFormat) {
    TBitmap color;
    color.SetPixelFormat(pf24bit);
    color.SetSize(5, 3);
    color.Fill(clWhite);
    color.SetPixel(0, 0, clRed);
    color.SetPixel(4, 2, RGB(1, 2, 3));
    TBitmap copy;
    copy.LoadFromBytes(color.SaveToBytes());
    EXPECT_TRUE(copy.SameAs(color));
    EXPECT_EQ(copy.PixelFormat(), pf24bit);
    EXPECT_EQ(copy.Pixel(4, 2), RGB(1, 2, 3));

    TBitmap mono;
    mono.Assign(&color);
    mono.SetMonochrome(true);  // black stays black, every other colour becomes white
    mono.SetPixel(2, 1, clBlack);
    EXPECT_EQ(mono.Pixel(0, 0), clWhite);
    EXPECT_EQ(mono.Pixel(2, 1), clBlack);
    TBitmap monoCopy;
    monoCopy.LoadFromBytes(mono.SaveToBytes());
    EXPECT_TRUE(monoCopy.Monochrome());
    EXPECT_TRUE(monoCopy.SameAs(mono));
    EXPECT_THROW(monoCopy.LoadFromBytes("BMnot a bitmap"), EInvalidGraphic);
}

TEST(Graphics, RasterOperationPaintsTheBrushWhereTheSourceIsBlack) {
    TBitmap mask;
    mask.SetMonochrome(true);
    mask.SetSize(2, 1);
    mask.SetPixel(0, 0, clBlack);
    mask.SetPixel(1, 0, clWhite);
    TBitmap target;
    target.SetPixelFormat(pf24bit);
    target.SetSize(2, 1);
    target.Fill(clBtnFace);
    TCanvas& canvas = *target.Canvas();
    canvas.Brush()->SetColor(clBtnShadow);
    canvas.BitBlt(0, 0, 2, 1, *mask.Canvas(), 0, 0, ROP_DSPDxax);  // white becomes BkColor (white): brush there
    EXPECT_EQ(target.Pixel(0, 0), ColorToRGB(clBtnFace));
    EXPECT_EQ(target.Pixel(1, 0), ColorToRGB(clBtnShadow));
    target.Fill(clBtnFace);
    canvas.SetTextColor(clWhite);
    canvas.SetBkColor(clBlack);
    canvas.BitBlt(0, 0, 2, 1, *mask.Canvas(), 0, 0, ROP_DSPDxax);  // now the brush goes where the mask is black
    EXPECT_EQ(target.Pixel(0, 0), ColorToRGB(clBtnShadow));
    EXPECT_EQ(target.Pixel(1, 0), ColorToRGB(clBtnFace));
    canvas.SetTextColor(clBlack);
    canvas.SetBkColor(clWhite);
    target.Canvas()->BitBlt(0, 0, 2, 1, *mask.Canvas(), 0, 0, cmSrcCopy);
    EXPECT_EQ(target.Pixel(0, 0), clBlack);
    EXPECT_EQ(target.Pixel(1, 0), clWhite);
}

TEST(Graphics, TransparentBitmapsLeaveTheirTransparentColourOut) {
    TBitmap glyph;
    glyph.SetPixelFormat(pf24bit);
    glyph.SetSize(2, 2);
    glyph.Fill(clFuchsia);
    glyph.SetPixel(1, 0, clNavy);
    EXPECT_EQ(glyph.TransparentColor(), clFuchsia);  // the bottom-left pixel
    glyph.SetTransparent(true);
    TBitmap target;
    target.SetPixelFormat(pf24bit);
    target.SetSize(2, 2);
    target.Fill(clWhite);
    target.Canvas()->Draw(0, 0, glyph);
    EXPECT_EQ(target.Pixel(0, 0), clWhite);
    EXPECT_EQ(target.Pixel(1, 0), clNavy);
    glyph.SetTransparentColor(clNavy);
    EXPECT_EQ(glyph.TransparentMode(), tmFixed);
    EXPECT_EQ(glyph.TransparentColor(), clNavy);
}

TEST(Graphics, FontSizeAndHeightAndHeadlessMetrics) {
    TFont font;
    int changes = 0;
    font.OnChange = [&](TObject*) { ++changes; };
    font.SetSize(9);
    EXPECT_EQ(font.Height(), -12);
    font.SetHeight(-13);
    EXPECT_EQ(font.Size(), 10);
    EXPECT_EQ(changes, 2);
    font.SetCharset(GB2312_CHARSET);
    EXPECT_EQ(font.CodePage(), CP_GBK);
    TSize size = Backend().TextExtent(font, DesignText("条件") + "ab");
    EXPECT_EQ(size.cy, 13);
    EXPECT_EQ(size.cx, 13 * 2 + 7 * 2);
    font.SetCharset(ANSI_CHARSET);
    EXPECT_EQ(font.CodePage(), SystemCodePage());
    EXPECT_EQ(ColorToRGB(clBtnFace), 0xC8D0D4);
    EXPECT_EQ(ColorToRGB(clRed), 0x0000FF);
}

}  // namespace
}  // namespace kw
