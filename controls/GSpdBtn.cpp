#include "controls/GSpdBtn.h"

#include "controls/GlyphLibrary.h"
#include "platform/ClassBuilder.h"
#include "platform/CodePage.h"
#include "platform/Dialogs.h"
#include "platform/SysUtils.h"

namespace kw {

KW_BEGIN_CLASS(TGSpeedButton, TSpeedButton)
    b.Prop("GlyphIndex", &TGSpeedButton::GlyphIndex, &TGSpeedButton::SetGlyphIndex);
    b.Prop("HintIndex", &TGSpeedButton::HintIndex, &TGSpeedButton::SetHintIndex);
    b.Creatable();
KW_END_CLASS(TGSpeedButton)

TGSpeedButton::TGSpeedButton(TComponent* owner) : TSpeedButton(owner) {}

void TGSpeedButton::SetGlyphIndex(int n) {
    if (n == glyphIndex_) return;
    glyphIndex_ = n;
    SetCaption(IntToStr(n));
    try {
        TBitmap picture;
        IGlyphLibrary& library = GlyphLibrary();
        if (n != 0 && n <= library.GetMaxBmpID() && library.LoadBmp(picture, n) && !picture.Empty()) {
            SetGlyph(&picture);
            SetNumGlyphs(picture.Width() / picture.Height());
            SetCaption("");
            return;
        }
        SetGlyph(nullptr);
        SetNumGlyphs(1);
    } catch (const std::exception&) {
        MessageDlg(DesignText("读取 BMP 发生错误"), mtError, MsgDlgButtons({mbOK}));
    }
}

}  // namespace kw
