// Colours, fonts, brushes, pens, bitmaps and the canvas that draws on them.
// Colours are 0x00BBGGRR; system colours carry the high bit and an index.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/Classes.h"
#include "platform/Types.h"

namespace kw {

using TColor = int32_t;
const TTypeInfo* TypeColor();  // "TColor", with the cl... identifiers

inline constexpr TColor clSystemColor = static_cast<TColor>(0x80000000u);
inline constexpr TColor SysColor(int index) { return static_cast<TColor>(0x80000000u | static_cast<uint32_t>(index)); }
inline constexpr TColor clScrollBar = SysColor(0);
inline constexpr TColor clBackground = SysColor(1);
inline constexpr TColor clActiveCaption = SysColor(2);
inline constexpr TColor clInactiveCaption = SysColor(3);
inline constexpr TColor clMenu = SysColor(4);
inline constexpr TColor clWindow = SysColor(5);
inline constexpr TColor clWindowFrame = SysColor(6);
inline constexpr TColor clMenuText = SysColor(7);
inline constexpr TColor clWindowText = SysColor(8);
inline constexpr TColor clCaptionText = SysColor(9);
inline constexpr TColor clActiveBorder = SysColor(10);
inline constexpr TColor clInactiveBorder = SysColor(11);
inline constexpr TColor clAppWorkSpace = SysColor(12);
inline constexpr TColor clHighlight = SysColor(13);
inline constexpr TColor clHighlightText = SysColor(14);
inline constexpr TColor clBtnFace = SysColor(15);
inline constexpr TColor clBtnShadow = SysColor(16);
inline constexpr TColor clGrayText = SysColor(17);
inline constexpr TColor clBtnText = SysColor(18);
inline constexpr TColor clInactiveCaptionText = SysColor(19);
inline constexpr TColor clBtnHighlight = SysColor(20);
inline constexpr TColor cl3DDkShadow = SysColor(21);
inline constexpr TColor cl3DLight = SysColor(22);
inline constexpr TColor clInfoText = SysColor(23);
inline constexpr TColor clInfoBk = SysColor(24);

inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clMaroon = 0x000080;
inline constexpr TColor clGreen = 0x008000;
inline constexpr TColor clOlive = 0x008080;
inline constexpr TColor clNavy = 0x800000;
inline constexpr TColor clPurple = 0x800080;
inline constexpr TColor clTeal = 0x808000;
inline constexpr TColor clGray = 0x808080;
inline constexpr TColor clSilver = 0xC0C0C0;
inline constexpr TColor clRed = 0x0000FF;
inline constexpr TColor clLime = 0x00FF00;
inline constexpr TColor clYellow = 0x00FFFF;
inline constexpr TColor clBlue = 0xFF0000;
inline constexpr TColor clFuchsia = 0xFF00FF;
inline constexpr TColor clAqua = 0xFFFF00;
inline constexpr TColor clWhite = 0xFFFFFF;
inline constexpr TColor clMoneyGreen = 0xC0DCC0;
inline constexpr TColor clSkyBlue = 0xF0CAA6;
inline constexpr TColor clCream = 0xF0FBFF;
inline constexpr TColor clMedGray = 0xA4A0A0;
inline constexpr TColor clNone = 0x1FFFFFFF;
inline constexpr TColor clDefault = 0x20000000;

// The RGB value of a colour: system colours through the backend.
TColor ColorToRGB(TColor color);
bool ColorToIdent(TColor color, std::string& ident);
bool IdentToColor(const std::string& ident, TColor& color);
inline constexpr int GetRValue(TColor c) { return c & 0xFF; }
inline constexpr int GetGValue(TColor c) { return (c >> 8) & 0xFF; }
inline constexpr int GetBValue(TColor c) { return (c >> 16) & 0xFF; }
inline constexpr TColor RGB(int r, int g, int b) { return r | (g << 8) | (b << 16); }

// Character sets of fonts.
using TFontCharset = uint8_t;
inline constexpr TFontCharset ANSI_CHARSET = 0;
inline constexpr TFontCharset DEFAULT_CHARSET = 1;
inline constexpr TFontCharset SYMBOL_CHARSET = 2;
inline constexpr TFontCharset GB2312_CHARSET = 134;
inline constexpr TFontCharset CHINESEBIG5_CHARSET = 136;
inline constexpr TFontCharset OEM_CHARSET = 255;
const TTypeInfo* TypeFontCharset();  // "TFontCharset", with the ..._CHARSET identifiers

enum TFontStyle { fsBold, fsItalic, fsUnderline, fsStrikeOut };
KW_DECLARE_ENUM(TFontStyle)
using TFontStyles = uint32_t;  // bit (1 << TFontStyle)
const TTypeInfo* TypeFontStyles();
enum TFontPitch { fpDefault, fpVariable, fpFixed };
KW_DECLARE_ENUM(TFontPitch)

inline constexpr int ScreenPixelsPerInch = 96;

class TFont : public TPersistent {
    KW_CLASS(TFont)
public:
    TFont();
    const std::string& Name() const { return name_; }
    void SetName(const std::string& name);
    TFontCharset Charset() const { return charset_; }
    void SetCharset(TFontCharset charset);
    int Height() const { return height_; }
    void SetHeight(int height);
    int Size() const;
    void SetSize(int size);
    TFontStyles Style() const { return style_; }
    void SetStyle(TFontStyles style);
    TColor Color() const { return color_; }
    void SetColor(TColor color);
    TFontPitch Pitch() const { return pitch_; }
    void SetPitch(TFontPitch pitch);
    int PixelsPerInch() const { return pixelsPerInch_; }
    // The code page of the texts this font shows (134 -> 936, 136 -> 950,
    // any other -> the system code page).
    int CodePage() const;

    void Assign(const TPersistent* source) override;
    bool SameAs(const TFont& other) const;
    TNotifyEvent OnChange;

private:
    void Changed();
    std::string name_ = "MS Sans Serif";
    TFontCharset charset_ = DEFAULT_CHARSET;
    int height_ = -11;
    TFontStyles style_ = 0;
    TColor color_ = clWindowText;
    TFontPitch pitch_ = fpDefault;
    int pixelsPerInch_ = ScreenPixelsPerInch;
};

enum TBrushStyle { bsSolid, bsClear, bsHorizontal, bsVertical, bsFDiagonal, bsBDiagonal, bsCross, bsDiagCross };
KW_DECLARE_ENUM(TBrushStyle)

class TBrush : public TPersistent {
    KW_CLASS(TBrush)
public:
    TBrush() = default;
    TColor Color() const { return color_; }
    void SetColor(TColor c) { color_ = c; }
    TBrushStyle Style() const { return style_; }
    void SetStyle(TBrushStyle s) { style_ = s; }
    void Assign(const TPersistent* source) override;

private:
    TColor color_ = clWhite;
    TBrushStyle style_ = bsSolid;
};

enum TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };
KW_DECLARE_ENUM(TPenStyle)
enum TPenMode { pmBlack, pmWhite, pmNop, pmNot, pmCopy, pmNotCopy, pmMergePenNot, pmMaskPenNot, pmMergeNotPen,
                pmMaskNotPen, pmMerge, pmNotMerge, pmMask, pmNotMask, pmXor, pmNotXor };
KW_DECLARE_ENUM(TPenMode)

class TPen : public TPersistent {
    KW_CLASS(TPen)
public:
    TPen() = default;
    TColor Color() const { return color_; }
    void SetColor(TColor c) { color_ = c; }
    int Width() const { return width_; }
    void SetWidth(int w) { width_ = w < 1 ? 1 : w; }
    TPenStyle Style() const { return style_; }
    void SetStyle(TPenStyle s) { style_ = s; }
    TPenMode Mode() const { return mode_; }
    void SetMode(TPenMode m) { mode_ = m; }
    void Assign(const TPersistent* source) override;

private:
    TColor color_ = clBlack;
    int width_ = 1;
    TPenStyle style_ = psSolid;
    TPenMode mode_ = pmCopy;
};

// Raster operations of BitBlt-style copies (the ternary operation codes).
using TCopyMode = int32_t;
inline constexpr TCopyMode cmBlackness = 0x00000042;
inline constexpr TCopyMode cmDstInvert = 0x00550009;
inline constexpr TCopyMode cmMergeCopy = 0x00C000CA;
inline constexpr TCopyMode cmMergePaint = 0x00BB0226;
inline constexpr TCopyMode cmNotSrcCopy = 0x00330008;
inline constexpr TCopyMode cmNotSrcErase = 0x001100A6;
inline constexpr TCopyMode cmPatCopy = 0x00F00021;
inline constexpr TCopyMode cmPatInvert = 0x005A0049;
inline constexpr TCopyMode cmPatPaint = 0x00FB0A09;
inline constexpr TCopyMode cmSrcAnd = 0x008800C6;
inline constexpr TCopyMode cmSrcCopy = 0x00CC0020;
inline constexpr TCopyMode cmSrcErase = 0x00440328;
inline constexpr TCopyMode cmSrcInvert = 0x00660046;
inline constexpr TCopyMode cmSrcPaint = 0x00EE0086;
inline constexpr TCopyMode cmWhiteness = 0x00FF0062;
// D ^ (S & (P ^ D)): the brush where the source bits are 1, the destination
// where they are 0. From a monochrome source, white pixels become the
// canvas's BkColor and black ones its TextColor (as the platform's blits
// do), so with TextColor white and BkColor black the brush paints where the
// monochrome source is black.
inline constexpr TCopyMode ROP_DSPDxax = 0x00E20746;  // 14812998

class TBitmap;

// A text drawn on a canvas, kept so that tests and the desktop backend can
// see what was written where.
struct TCanvasText {
    int X = 0;
    int Y = 0;
    std::string Text;  // bytes in the font's code page
    TColor Color = clBlack;
    bool Bold = false;
};

enum TTextFormatBit : uint32_t { tfSingleLine = 1, tfCenter = 2, tfVerticalCenter = 4, tfRight = 8 };

// Draws on the pixels of a bitmap.
class TCanvas : public TPersistent {
    KW_CLASS(TCanvas)
public:
    explicit TCanvas(TBitmap* target = nullptr);
    ~TCanvas() override;
    TFont* Font() const { return font_; }
    TBrush* Brush() const { return brush_; }
    TPen* Pen() const { return pen_; }
    TCopyMode CopyMode() const { return copyMode_; }
    void SetCopyMode(TCopyMode mode) { copyMode_ = mode; }
    // The colours that black and white pixels of a monochrome source take in
    // a copy onto this canvas.
    TColor TextColor() const { return textColor_; }
    void SetTextColor(TColor c) { textColor_ = c; }
    TColor BkColor() const { return bkColor_; }
    void SetBkColor(TColor c) { bkColor_ = c; }
    TBitmap* Target() const { return target_; }
    void SetTarget(TBitmap* target) { target_ = target; }

    TColor Pixel(int x, int y) const;
    void SetPixel(int x, int y, TColor color);
    void FillRect(const TRect& r);
    void FrameRect(const TRect& r);
    void Rectangle(const TRect& r);
    void MoveTo(int x, int y) { penPos_ = {x, y}; }
    void LineTo(int x, int y);
    TPoint PenPos() const { return penPos_; }
    void DrawFocusRect(const TRect& r);
    void TextOut(int x, int y, const std::string& text);
    void TextRect(const TRect& r, int x, int y, const std::string& text);
    // DrawText-like: single line, centred as the flags say.
    void DrawText(const TRect& r, const std::string& text, uint32_t flags);
    TSize TextExtent(const std::string& text) const;
    int TextWidth(const std::string& text) const { return TextExtent(text).cx; }
    int TextHeight(const std::string& text) const { return TextExtent(text).cy; }
    // Copies a bitmap; a transparent bitmap leaves its transparent colour out.
    void Draw(int x, int y, const TBitmap& graphic);
    // Copies a rectangle of another canvas with CopyMode.
    void CopyRect(const TRect& dest, const TCanvas& source, const TRect& src);
    // Raster operation of source and brush onto this canvas.
    void BitBlt(int x, int y, int w, int h, const TCanvas& source, int sx, int sy, TCopyMode rop);
    const std::vector<TCanvasText>& Texts() const { return texts_; }
    void ClearTexts() { texts_.clear(); }

private:
    TBitmap* target_;
    TFont* font_;
    TBrush* brush_;
    TPen* pen_;
    TCopyMode copyMode_ = cmSrcCopy;
    TColor textColor_ = clBlack;
    TColor bkColor_ = clWhite;
    TPoint penPos_;
    std::vector<TCanvasText> texts_;
};

enum TPixelFormat { pfDevice, pf1bit, pf4bit, pf8bit, pf15bit, pf16bit, pf24bit, pf32bit, pfCustom };
KW_DECLARE_ENUM(TPixelFormat)
enum TTransparentMode { tmAuto, tmFixed };
KW_DECLARE_ENUM(TTransparentMode)

// A bitmap: pixels as colours, 24-bit or monochrome. Reads and writes the
// BMP file format (uncompressed 1, 4, 8, 24 and 32 bits per pixel).
class TBitmap : public TPersistent {
    KW_CLASS(TBitmap)
public:
    TBitmap();
    ~TBitmap() override;
    int Width() const { return width_; }
    int Height() const { return height_; }
    void SetWidth(int w) { SetSize(w, height_); }
    void SetHeight(int h) { SetSize(width_, h); }
    void SetSize(int w, int h);
    bool Empty() const { return width_ == 0 || height_ == 0; }
    TPixelFormat PixelFormat() const { return pixelFormat_; }
    void SetPixelFormat(TPixelFormat format);
    bool Monochrome() const { return pixelFormat_ == pf1bit; }
    void SetMonochrome(bool mono) { SetPixelFormat(mono ? pf1bit : pf24bit); }
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool t) { transparent_ = t; }
    TTransparentMode TransparentMode() const { return transparentMode_; }
    void SetTransparentMode(TTransparentMode m) { transparentMode_ = m; }
    // Fixed: the colour set; automatic: the bottom-left pixel.
    TColor TransparentColor() const;
    void SetTransparentColor(TColor color);
    TCanvas* Canvas() const { return canvas_; }

    TColor Pixel(int x, int y) const;
    void SetPixel(int x, int y, TColor color);
    void Fill(TColor color);

    void Assign(const TPersistent* source) override;
    bool SameAs(const TBitmap& other) const;
    // BMP file bytes; LoadFromBytes raises EInvalidGraphic for what it cannot read.
    void LoadFromBytes(std::string_view bytes);
    std::string SaveToBytes() const;
    void LoadFromFile(const std::string& path);
    void LoadFromResourceName(const std::string& name);
    void Clear() { SetSize(0, 0); }

    TNotifyEvent OnChange;

private:
    TColor Stored(TColor c) const;
    int width_ = 0;
    int height_ = 0;
    std::vector<TColor> pixels_;
    TPixelFormat pixelFormat_ = pfDevice;
    bool transparent_ = false;
    TTransparentMode transparentMode_ = tmAuto;
    TColor transparentColor_ = clDefault;
    TCanvas* canvas_;
};

class EInvalidGraphic : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace kw
