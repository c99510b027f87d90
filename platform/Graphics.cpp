#include "platform/Graphics.h"

#include <cmath>
#include <cstring>
#include <fstream>
#include <sstream>

#include "platform/Backend.h"
#include "platform/ClassBuilder.h"
#include "platform/CodePage.h"
#include "platform/Resources.h"

namespace kw {

// ---------------------------------------------------------------- colours

namespace {
const TIdentMap& ColorMap() {
    static const TIdentMap map{
        {clBlack, "clBlack"}, {clMaroon, "clMaroon"}, {clGreen, "clGreen"}, {clOlive, "clOlive"},
        {clNavy, "clNavy"}, {clPurple, "clPurple"}, {clTeal, "clTeal"}, {clGray, "clGray"},
        {clSilver, "clSilver"}, {clRed, "clRed"}, {clLime, "clLime"}, {clYellow, "clYellow"},
        {clBlue, "clBlue"}, {clFuchsia, "clFuchsia"}, {clAqua, "clAqua"}, {clWhite, "clWhite"},
        {clMoneyGreen, "clMoneyGreen"}, {clSkyBlue, "clSkyBlue"}, {clCream, "clCream"},
        {clMedGray, "clMedGray"}, {clNone, "clNone"}, {clDefault, "clDefault"},
        {clScrollBar, "clScrollBar"}, {clBackground, "clBackground"}, {clActiveCaption, "clActiveCaption"},
        {clInactiveCaption, "clInactiveCaption"}, {clMenu, "clMenu"}, {clWindow, "clWindow"},
        {clWindowFrame, "clWindowFrame"}, {clMenuText, "clMenuText"}, {clWindowText, "clWindowText"},
        {clCaptionText, "clCaptionText"}, {clActiveBorder, "clActiveBorder"},
        {clInactiveBorder, "clInactiveBorder"}, {clAppWorkSpace, "clAppWorkSpace"},
        {clHighlight, "clHighlight"}, {clHighlightText, "clHighlightText"}, {clBtnFace, "clBtnFace"},
        {clBtnShadow, "clBtnShadow"}, {clGrayText, "clGrayText"}, {clBtnText, "clBtnText"},
        {clInactiveCaptionText, "clInactiveCaptionText"}, {clBtnHighlight, "clBtnHighlight"},
        {cl3DDkShadow, "cl3DDkShadow"}, {cl3DLight, "cl3DLight"}, {clInfoText, "clInfoText"},
        {clInfoBk, "clInfoBk"}};
    return map;
}

const TIdentMap& CharsetMap() {
    static const TIdentMap map{
        {0, "ANSI_CHARSET"}, {1, "DEFAULT_CHARSET"}, {2, "SYMBOL_CHARSET"}, {77, "MAC_CHARSET"},
        {128, "SHIFTJIS_CHARSET"}, {129, "HANGEUL_CHARSET"}, {130, "JOHAB_CHARSET"},
        {134, "GB2312_CHARSET"}, {136, "CHINESEBIG5_CHARSET"}, {161, "GREEK_CHARSET"},
        {162, "TURKISH_CHARSET"}, {163, "VIETNAMESE_CHARSET"}, {177, "HEBREW_CHARSET"},
        {178, "ARABIC_CHARSET"}, {186, "BALTIC_CHARSET"}, {204, "RUSSIAN_CHARSET"}, {222, "THAI_CHARSET"},
        {238, "EASTEUROPE_CHARSET"}, {255, "OEM_CHARSET"}};
    return map;
}
}  // namespace

const TTypeInfo* TypeColor() {
    static auto t = MakeIntegerType("TColor", &ColorMap());
    return t;
}

const TTypeInfo* TypeFontCharset() {
    static auto t = MakeIntegerType("TFontCharset", &CharsetMap());
    return t;
}

TColor ColorToRGB(TColor color) {
    if (color < 0) return Backend().SystemColor(color & 0xFF);
    return color;
}

bool ColorToIdent(TColor color, std::string& ident) { return ColorMap().IntToIdent(color, ident); }

bool IdentToColor(const std::string& ident, TColor& color) {
    int64_t v;
    if (!ColorMap().IdentToInt(ident, v)) return false;
    color = static_cast<TColor>(v);
    return true;
}

// ---------------------------------------------------------------- fonts

KW_DEFINE_ENUM(TFontStyle, "fsBold", "fsItalic", "fsUnderline", "fsStrikeOut")
KW_DEFINE_ENUM(TFontPitch, "fpDefault", "fpVariable", "fpFixed")
KW_DEFINE_ENUM(TBrushStyle, "bsSolid", "bsClear", "bsHorizontal", "bsVertical", "bsFDiagonal", "bsBDiagonal",
               "bsCross", "bsDiagCross")
KW_DEFINE_ENUM(TPenStyle, "psSolid", "psDash", "psDot", "psDashDot", "psDashDotDot", "psClear", "psInsideFrame")
KW_DEFINE_ENUM(TPenMode, "pmBlack", "pmWhite", "pmNop", "pmNot", "pmCopy", "pmNotCopy", "pmMergePenNot",
               "pmMaskPenNot", "pmMergeNotPen", "pmMaskNotPen", "pmMerge", "pmNotMerge", "pmMask", "pmNotMask",
               "pmXor", "pmNotXor")
KW_DEFINE_ENUM(TPixelFormat, "pfDevice", "pf1bit", "pf4bit", "pf8bit", "pf15bit", "pf16bit", "pf24bit", "pf32bit",
               "pfCustom")
KW_DEFINE_ENUM(TTransparentMode, "tmAuto", "tmFixed")

const TTypeInfo* TypeFontStyles() {
    static auto t = MakeSetType("TFontStyles", TypeInfoOf(static_cast<TFontStyle*>(nullptr)));
    return t;
}

namespace {
const TTypeInfo* TypeFontName() {
    static auto t = MakeStringType("TFontName");
    return t;
}
}  // namespace

KW_BEGIN_CLASS(TFont, TPersistent)
    b.Prop("Charset", TypeFontCharset(), &TFont::Charset, &TFont::SetCharset);
    b.Prop("Color", TypeColor(), &TFont::Color, &TFont::SetColor);
    b.Prop("Height", &TFont::Height, &TFont::SetHeight);
    b.Prop("Name", TypeFontName(), &TFont::Name, &TFont::SetName);
    b.Prop("Pitch", &TFont::Pitch, &TFont::SetPitch);
    b.Prop("Size", &TFont::Size, &TFont::SetSize);
    b.Prop("Style", TypeFontStyles(), &TFont::Style, &TFont::SetStyle);
KW_END_CLASS(TFont)

namespace {
// Stores value in field; true when that changed it.
template <class T>
bool StoreChange(T& field, const T& value) {
    if (field == value) return false;
    field = value;
    return true;
}

// Rounds halves away from zero, as the platform's MulDiv does.
int RoundAsMulDiv(double v) { return static_cast<int>(v < 0 ? std::ceil(v - 0.5) : std::floor(v + 0.5)); }
}  // namespace

TFont::TFont() = default;

void TFont::Changed() { OnChange(this); }

void TFont::SetName(const std::string& name) {
    if (!name.empty() && StoreChange(name_, name)) Changed();
}
void TFont::SetCharset(TFontCharset charset) {
    if (StoreChange(charset_, charset)) Changed();
}
void TFont::SetHeight(int height) {
    if (StoreChange(height_, height)) Changed();
}
int TFont::Size() const {
    // Size = -Height * 72 / PixelsPerInch.
    return RoundAsMulDiv(-static_cast<double>(height_) * 72.0 / pixelsPerInch_);
}
void TFont::SetSize(int size) { SetHeight(-RoundAsMulDiv(static_cast<double>(size) * pixelsPerInch_ / 72.0)); }
void TFont::SetStyle(TFontStyles style) {
    if (StoreChange(style_, style)) Changed();
}
void TFont::SetColor(TColor color) {
    if (StoreChange(color_, color)) Changed();
}
void TFont::SetPitch(TFontPitch pitch) {
    if (StoreChange(pitch_, pitch)) Changed();
}

int TFont::CodePage() const { return CodePageOfCharset(charset_); }

void TFont::Assign(const TPersistent* source) {
    if (auto f = dynamic_cast<const TFont*>(source)) {
        if (SameAs(*f)) return;
        name_ = f->name_;
        charset_ = f->charset_;
        height_ = f->height_;
        style_ = f->style_;
        color_ = f->color_;
        pitch_ = f->pitch_;
        Changed();
        return;
    }
    TPersistent::Assign(source);
}

bool TFont::SameAs(const TFont& f) const {
    return name_ == f.name_ && charset_ == f.charset_ && height_ == f.height_ && style_ == f.style_ &&
           color_ == f.color_ && pitch_ == f.pitch_;
}

KW_BEGIN_CLASS(TBrush, TPersistent)
    b.Prop("Color", TypeColor(), &TBrush::Color, &TBrush::SetColor);
    b.Prop("Style", &TBrush::Style, &TBrush::SetStyle);
KW_END_CLASS(TBrush)

void TBrush::Assign(const TPersistent* source) {
    if (auto b = dynamic_cast<const TBrush*>(source)) {
        color_ = b->color_;
        style_ = b->style_;
        return;
    }
    TPersistent::Assign(source);
}

KW_BEGIN_CLASS(TPen, TPersistent)
    b.Prop("Color", TypeColor(), &TPen::Color, &TPen::SetColor);
    b.Prop("Mode", &TPen::Mode, &TPen::SetMode);
    b.Prop("Style", &TPen::Style, &TPen::SetStyle);
    b.Prop("Width", &TPen::Width, &TPen::SetWidth);
KW_END_CLASS(TPen)

void TPen::Assign(const TPersistent* source) {
    if (auto p = dynamic_cast<const TPen*>(source)) {
        color_ = p->color_;
        width_ = p->width_;
        style_ = p->style_;
        mode_ = p->mode_;
        return;
    }
    TPersistent::Assign(source);
}

// ---------------------------------------------------------------- canvas

KW_BEGIN_CLASS(TCanvas, TPersistent)
KW_END_CLASS(TCanvas)

namespace {
// A one-pixel frame just inside r.
void DrawFrame(TBitmap& target, const TRect& r, TColor c) {
    for (int x = r.Left; x < r.Right; ++x) {
        target.SetPixel(x, r.Top, c);
        target.SetPixel(x, r.Bottom - 1, c);
    }
    for (int y = r.Top; y < r.Bottom; ++y) {
        target.SetPixel(r.Left, y, c);
        target.SetPixel(r.Right - 1, y, c);
    }
}

TCanvasText TextInFont(int x, int y, const std::string& text, const TFont& font) {
    return {x, y, text, font.Color(), (font.Style() & (1u << fsBold)) != 0};
}
}  // namespace

TCanvas::TCanvas(TBitmap* target) : target_(target), font_(new TFont), brush_(new TBrush), pen_(new TPen) {}

TCanvas::~TCanvas() {
    delete font_;
    delete brush_;
    delete pen_;
}

TColor TCanvas::Pixel(int x, int y) const { return target_ ? target_->Pixel(x, y) : -1; }

void TCanvas::SetPixel(int x, int y, TColor color) {
    if (target_) target_->SetPixel(x, y, ColorToRGB(color));
}

void TCanvas::FillRect(const TRect& r) {
    if (!target_ || brush_->Style() == bsClear) return;
    TColor c = ColorToRGB(brush_->Color());
    for (int y = std::max(r.Top, 0); y < std::min(r.Bottom, target_->Height()); ++y)
        for (int x = std::max(r.Left, 0); x < std::min(r.Right, target_->Width()); ++x) target_->SetPixel(x, y, c);
}

void TCanvas::FrameRect(const TRect& r) {
    if (target_) DrawFrame(*target_, r, ColorToRGB(brush_->Color()));
}

void TCanvas::Rectangle(const TRect& r) {
    FillRect(Rect(r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1));
    if (pen_->Style() == psClear || !target_) return;
    DrawFrame(*target_, r, ColorToRGB(pen_->Color()));
}

void TCanvas::LineTo(int x, int y) {
    if (target_ && pen_->Style() != psClear) {
        TColor c = ColorToRGB(pen_->Color());
        int x0 = penPos_.X, y0 = penPos_.Y;
        int dx = std::abs(x - x0), dy = -std::abs(y - y0);
        int sx = x0 < x ? 1 : -1, sy = y0 < y ? 1 : -1, err = dx + dy;
        // The end point itself is not drawn, as the platform's lines do.
        while (!(x0 == x && y0 == y)) {
            target_->SetPixel(x0, y0, c);
            int e2 = 2 * err;
            if (e2 >= dy) {
                err += dy;
                x0 += sx;
            }
            if (e2 <= dx) {
                err += dx;
                y0 += sy;
            }
        }
    }
    penPos_ = {x, y};
}

void TCanvas::DrawFocusRect(const TRect& r) {
    if (!target_) return;
    auto flip = [&](int x, int y) {
        if (x >= 0 && y >= 0 && x < target_->Width() && y < target_->Height())
            target_->SetPixel(x, y, target_->Pixel(x, y) ^ 0xFFFFFF);
    };
    for (int x = r.Left; x < r.Right; x += 2) {
        flip(x, r.Top);
        flip(x, r.Bottom - 1);
    }
    for (int y = r.Top + 2; y < r.Bottom - 1; y += 2) {
        flip(r.Left, y);
        flip(r.Right - 1, y);
    }
}

void TCanvas::TextOut(int x, int y, const std::string& text) {
    if (brush_->Style() != bsClear) {
        TSize s = TextExtent(text);
        FillRect(Bounds(x, y, s.cx, s.cy));
    }
    texts_.push_back(TextInFont(x, y, text, *font_));
    penPos_ = {x + TextWidth(text), y};
}

void TCanvas::TextRect(const TRect& r, int x, int y, const std::string& text) {
    FillRect(r);
    texts_.push_back(TextInFont(x, y, text, *font_));
}

void TCanvas::DrawText(const TRect& r, const std::string& text, uint32_t flags) {
    TSize s = TextExtent(text);
    int x = r.Left, y = r.Top;
    if (flags & tfCenter) x = r.Left + (r.Width() - s.cx) / 2;
    if (flags & tfRight) x = r.Right - s.cx;
    if (flags & tfVerticalCenter) y = r.Top + (r.Height() - s.cy) / 2;
    texts_.push_back(TextInFont(x, y, text, *font_));
}

TSize TCanvas::TextExtent(const std::string& text) const { return Backend().TextExtent(*font_, text); }

void TCanvas::Draw(int x, int y, const TBitmap& graphic) {
    if (!target_) return;
    bool transparent = graphic.Transparent();
    TColor key = graphic.TransparentColor();
    for (int j = 0; j < graphic.Height(); ++j)
        for (int i = 0; i < graphic.Width(); ++i) {
            TColor c = graphic.Pixel(i, j);
            if (transparent && c == key) continue;
            target_->SetPixel(x + i, y + j, c);
        }
}

void TCanvas::CopyRect(const TRect& dest, const TCanvas& source, const TRect& src) {
    // Same-size copies only; the system never stretches.
    BitBlt(dest.Left, dest.Top, std::min(dest.Width(), src.Width()), std::min(dest.Height(), src.Height()), source,
           src.Left, src.Top, copyMode_);
}

void TCanvas::BitBlt(int x, int y, int w, int h, const TCanvas& source, int sx, int sy, TCopyMode rop) {
    if (!target_) return;
    const uint32_t op = (static_cast<uint32_t>(rop) >> 16) & 0xFF;
    const uint32_t pattern = static_cast<uint32_t>(ColorToRGB(brush_->Color())) & 0xFFFFFF;
    // Copy the source first so that a canvas can be copied onto itself.
    std::vector<uint32_t> src(static_cast<size_t>(std::max(w, 0)) * std::max(h, 0));
    const bool mono = source.target_ && source.target_->Monochrome() && !(target_->Monochrome());
    const uint32_t foreground = static_cast<uint32_t>(ColorToRGB(textColor_)) & 0xFFFFFF;
    const uint32_t background = static_cast<uint32_t>(ColorToRGB(bkColor_)) & 0xFFFFFF;
    for (int j = 0; j < h; ++j)
        for (int i = 0; i < w; ++i) {
            TColor c = source.Pixel(sx + i, sy + j);
            uint32_t v = c < 0 ? 0 : static_cast<uint32_t>(c);
            if (mono) v = v == clBlack ? foreground : background;
            src[static_cast<size_t>(j) * w + i] = v;
        }
    for (int j = 0; j < h; ++j)
        for (int i = 0; i < w; ++i) {
            int dx = x + i, dy = y + j;
            if (dx < 0 || dy < 0 || dx >= target_->Width() || dy >= target_->Height()) continue;
            uint32_t s = src[static_cast<size_t>(j) * w + i], d = static_cast<uint32_t>(target_->Pixel(dx, dy));
            uint32_t result = 0;
            for (int bit = 0; bit < 24; ++bit) {
                uint32_t index = (((pattern >> bit) & 1) << 2) | (((s >> bit) & 1) << 1) | ((d >> bit) & 1);
                result |= ((op >> index) & 1) << bit;
            }
            target_->SetPixel(dx, dy, static_cast<TColor>(result));
        }
}

// ---------------------------------------------------------------- bitmaps

KW_BEGIN_CLASS(TBitmap, TPersistent)
    b.Prop("Height", &TBitmap::Height, &TBitmap::SetHeight);
    b.Prop("Width", &TBitmap::Width, &TBitmap::SetWidth);
    b.Prop("PixelFormat", &TBitmap::PixelFormat, &TBitmap::SetPixelFormat);
    b.Prop("Transparent", &TBitmap::Transparent, &TBitmap::SetTransparent);
    b.Prop("TransparentColor", TypeColor(), &TBitmap::TransparentColor, &TBitmap::SetTransparentColor);
    b.Prop("TransparentMode", &TBitmap::TransparentMode, &TBitmap::SetTransparentMode);
KW_END_CLASS(TBitmap)

TBitmap::TBitmap() : canvas_(new TCanvas(this)) {}

TBitmap::~TBitmap() { delete canvas_; }

void TBitmap::SetSize(int w, int h) {
    w = std::max(w, 0);
    h = std::max(h, 0);
    if (w == width_ && h == height_) return;
    std::vector<TColor> next(static_cast<size_t>(w) * h, clWhite);
    for (int y = 0; y < std::min(h, height_); ++y)
        for (int x = 0; x < std::min(w, width_); ++x) next[static_cast<size_t>(y) * w + x] = Pixel(x, y);
    pixels_ = std::move(next);
    width_ = w;
    height_ = h;
    OnChange(this);
}

TColor TBitmap::Stored(TColor c) const {
    c &= 0xFFFFFF;
    if (pixelFormat_ == pf1bit) return c == clBlack ? clBlack : clWhite;
    return c;
}

void TBitmap::SetPixelFormat(TPixelFormat format) {
    if (format == pixelFormat_) return;
    pixelFormat_ = format;
    if (format == pf1bit)
        for (TColor& c : pixels_) c = Stored(c);
    OnChange(this);
}

TColor TBitmap::TransparentColor() const {
    if (transparentMode_ == tmFixed && transparentColor_ != clDefault) return transparentColor_;
    if (Empty()) return clDefault;
    return Pixel(0, height_ - 1);
}

void TBitmap::SetTransparentColor(TColor color) {
    transparentColor_ = color;
    transparentMode_ = color == clDefault ? tmAuto : tmFixed;
}

TColor TBitmap::Pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return -1;
    return pixels_[static_cast<size_t>(y) * width_ + x];
}

void TBitmap::SetPixel(int x, int y, TColor color) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
    pixels_[static_cast<size_t>(y) * width_ + x] = Stored(ColorToRGB(color));
}

void TBitmap::Fill(TColor color) {
    TColor c = Stored(ColorToRGB(color));
    std::fill(pixels_.begin(), pixels_.end(), c);
}

void TBitmap::Assign(const TPersistent* source) {
    if (!source) {
        Clear();
        return;
    }
    if (auto b = dynamic_cast<const TBitmap*>(source)) {
        if (b == this) return;
        width_ = b->width_;
        height_ = b->height_;
        pixels_ = b->pixels_;
        pixelFormat_ = b->pixelFormat_;
        transparent_ = b->transparent_;
        transparentMode_ = b->transparentMode_;
        transparentColor_ = b->transparentColor_;
        OnChange(this);
        return;
    }
    TPersistent::Assign(source);
}

bool TBitmap::SameAs(const TBitmap& other) const {
    return width_ == other.width_ && height_ == other.height_ && pixels_ == other.pixels_;
}

namespace {
uint32_t Le32(std::string_view b, size_t at) {
    if (at + 4 > b.size()) throw EInvalidGraphic("Bitmap image is not valid");
    return static_cast<uint8_t>(b[at]) | (static_cast<uint8_t>(b[at + 1]) << 8) |
           (static_cast<uint8_t>(b[at + 2]) << 16) | (static_cast<uint32_t>(static_cast<uint8_t>(b[at + 3])) << 24);
}
uint16_t Le16(std::string_view b, size_t at) {
    if (at + 2 > b.size()) throw EInvalidGraphic("Bitmap image is not valid");
    return static_cast<uint16_t>(static_cast<uint8_t>(b[at]) | (static_cast<uint8_t>(b[at + 1]) << 8));
}
void Put32(std::string& out, uint32_t v) {
    for (int i = 0; i < 4; ++i) out += static_cast<char>((v >> (8 * i)) & 0xFF);
}
void Put16(std::string& out, uint16_t v) {
    out += static_cast<char>(v & 0xFF);
    out += static_cast<char>(v >> 8);
}
}  // namespace

void TBitmap::LoadFromBytes(std::string_view b) {
    if (b.size() < 54 || b[0] != 'B' || b[1] != 'M') throw EInvalidGraphic("Bitmap image is not valid");
    uint32_t dataOffset = Le32(b, 10);
    uint32_t headerSize = Le32(b, 14);
    int32_t w = static_cast<int32_t>(Le32(b, 18));
    int32_t h = static_cast<int32_t>(Le32(b, 22));
    uint16_t bits = Le16(b, 28);
    uint32_t compression = Le32(b, 30);
    uint32_t colorsUsed = Le32(b, 46);
    if (compression != 0 || w <= 0 || h == 0 || w > 16384 || std::abs(h) > 16384)
        throw EInvalidGraphic("Bitmap image is not valid");
    if (bits != 1 && bits != 4 && bits != 8 && bits != 24 && bits != 32)
        throw EInvalidGraphic("Bitmap image is not valid");
    bool topDown = h < 0;
    h = std::abs(h);
    std::vector<TColor> palette;
    if (bits <= 8) {
        uint32_t n = colorsUsed ? colorsUsed : (1u << bits);
        size_t at = 14 + headerSize;
        for (uint32_t i = 0; i < n; ++i, at += 4) {
            if (at + 4 > b.size()) throw EInvalidGraphic("Bitmap image is not valid");
            palette.push_back(RGB(static_cast<uint8_t>(b[at + 2]), static_cast<uint8_t>(b[at + 1]),
                                  static_cast<uint8_t>(b[at])));
        }
    }
    size_t stride = ((static_cast<size_t>(w) * bits + 31) / 32) * 4;
    if (dataOffset + stride * h > b.size()) throw EInvalidGraphic("Bitmap image is not valid");
    std::vector<TColor> px(static_cast<size_t>(w) * h);
    for (int row = 0; row < h; ++row) {
        int y = topDown ? row : h - 1 - row;
        const unsigned char* line = reinterpret_cast<const unsigned char*>(b.data()) + dataOffset + stride * row;
        for (int x = 0; x < w; ++x) {
            TColor c;
            if (bits == 24 || bits == 32) {
                const unsigned char* p = line + x * (bits / 8);
                c = RGB(p[2], p[1], p[0]);
            } else {
                unsigned index;
                if (bits == 8)
                    index = line[x];
                else if (bits == 4)
                    index = (line[x / 2] >> ((x % 2) ? 0 : 4)) & 0xF;
                else
                    index = (line[x / 8] >> (7 - x % 8)) & 1;
                if (index >= palette.size()) throw EInvalidGraphic("Bitmap image is not valid");
                c = palette[index];
            }
            px[static_cast<size_t>(y) * w + x] = c;
        }
    }
    width_ = w;
    height_ = h;
    pixels_ = std::move(px);
    pixelFormat_ = bits == 1 ? pf1bit : bits == 4 ? pf4bit : bits == 8 ? pf8bit : bits == 24 ? pf24bit : pf32bit;
    if (pixelFormat_ == pf1bit)
        for (TColor& c : pixels_) c = Stored(c);
    OnChange(this);
}

std::string TBitmap::SaveToBytes() const {
    const bool mono = pixelFormat_ == pf1bit;
    const int bits = mono ? 1 : 24;
    const size_t stride = ((static_cast<size_t>(width_) * bits + 31) / 32) * 4;
    const uint32_t paletteSize = mono ? 8 : 0;
    const uint32_t offset = 54 + paletteSize;
    std::string out = "BM";
    Put32(out, static_cast<uint32_t>(offset + stride * height_));
    Put32(out, 0);
    Put32(out, offset);
    Put32(out, 40);
    Put32(out, static_cast<uint32_t>(width_));
    Put32(out, static_cast<uint32_t>(height_));
    Put16(out, 1);
    Put16(out, static_cast<uint16_t>(bits));
    Put32(out, 0);
    Put32(out, static_cast<uint32_t>(stride * height_));
    Put32(out, 2835);
    Put32(out, 2835);
    Put32(out, mono ? 2 : 0);
    Put32(out, 0);
    if (mono) {
        Put32(out, 0x000000);
        Put32(out, 0xFFFFFF);
    }
    for (int y = height_ - 1; y >= 0; --y) {
        std::string line(stride, '\0');
        for (int x = 0; x < width_; ++x) {
            TColor c = Pixel(x, y);
            if (mono) {
                if (c != clBlack) line[x / 8] = static_cast<char>(line[x / 8] | (0x80 >> (x % 8)));
            } else {
                line[x * 3] = static_cast<char>(GetBValue(c));
                line[x * 3 + 1] = static_cast<char>(GetGValue(c));
                line[x * 3 + 2] = static_cast<char>(GetRValue(c));
            }
        }
        out += line;
    }
    return out;
}

void TBitmap::LoadFromFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw EInvalidGraphic("Cannot open file \"" + path + "\"");
    std::stringstream ss;
    ss << in.rdbuf();
    LoadFromBytes(ss.str());
}

void TBitmap::LoadFromResourceName(const std::string& name) {
    std::string_view bytes;
    if (!FindResource(name, bytes)) throw EInvalidGraphic("Resource " + name + " not found");
    LoadFromBytes(bytes);
}

}  // namespace kw
