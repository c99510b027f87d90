// TGSpeedButton: a speed button whose picture is taken by number from the
// glyph library, so every form shares one set of pictures.
#pragma once

#include "platform/Buttons.h"

namespace kw {

class TGSpeedButton : public TSpeedButton {
    KW_CLASS(TGSpeedButton)
public:
    explicit TGSpeedButton(TComponent* owner);

    int GlyphIndex() const { return glyphIndex_; }
    // The picture of glyph number n with as many cells as it holds; the
    // caption shows n while there is no picture. 0 or a number the library
    // lacks leaves no picture. A picture that cannot be read shows
    // "读取 BMP 发生错误"; the number is kept.
    void SetGlyphIndex(int n);
    // Stored with the form; no behaviour.
    int HintIndex() const { return hintIndex_; }
    void SetHintIndex(int n) { hintIndex_ = n; }

private:
    int glyphIndex_ = 0;
    int hintIndex_ = 0;
};

}  // namespace kw
