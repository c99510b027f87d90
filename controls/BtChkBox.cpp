#include "controls/BtChkBox.h"

#include <algorithm>

#include "platform/ClassBuilder.h"
#include "services/LogUtils.h"

namespace kw {

namespace {
// The built-in pictures by state, embedded with the controls.
const char* const BuiltInPictures[] = {"UNCHECKED", "CHECKED", "GRAYED"};

void LoadBuiltIn(TBitmap& glyph, TCheckBoxState state) {
    try {
        glyph.LoadFromResourceName(BuiltInPictures[state]);
    } catch (const std::exception& e) {
        glyph.Clear();
        WriteAlertLog("controls", std::string("Check-box picture ") + BuiltInPictures[state] + ": " + e.what(), "D");
    }
    glyph.SetTransparent(true);
}
}  // namespace

KW_BEGIN_CLASS(TBitCheckBox, TCustomControl)
    b.Prop("Caption", TypeCaption(), &TBitCheckBox::Text, &TBitCheckBox::SetText);
    b.Prop("State", &TBitCheckBox::State, &TBitCheckBox::SetState);
    b.Prop("Checked", &TBitCheckBox::Checked, &TBitCheckBox::SetChecked);
    b.Prop("AllowGrayed", &TBitCheckBox::AllowGrayed, &TBitCheckBox::SetAllowGrayed);
    b.Prop("Alignment", TypeLeftRight(), &TBitCheckBox::Alignment, &TBitCheckBox::SetAlignment);
    b.Object("CheckedGlyph", &TBitCheckBox::CheckedGlyph, &TBitCheckBox::SetCheckedGlyph);
    b.Object("UncheckedGlyph", &TBitCheckBox::UncheckedGlyph, &TBitCheckBox::SetUncheckedGlyph);
    b.Object("GrayedGlyph", &TBitCheckBox::GrayedGlyph, &TBitCheckBox::SetGrayedGlyph);
    b.Prop("CheckedNumGlyphs", &TBitCheckBox::CheckedNumGlyphs, &TBitCheckBox::SetCheckedNumGlyphs);
    b.Prop("UncheckedNumGlyphs", &TBitCheckBox::UncheckedNumGlyphs, &TBitCheckBox::SetUncheckedNumGlyphs);
    b.Prop("GrayedNumGlyphs", &TBitCheckBox::GrayedNumGlyphs, &TBitCheckBox::SetGrayedNumGlyphs);
    b.Creatable();
KW_END_CLASS(TBitCheckBox)

TBitCheckBox::TBitCheckBox(TComponent* owner) : TCustomControl(owner) {
    for (TCheckBoxState s : {cbUnchecked, cbChecked, cbGrayed}) {
        glyphs_[s] = new TBitmap;
        LoadBuiltIn(*glyphs_[s], s);
    }
    SetBounds(0, 0, 97, 17);
    SetTabStop(true);
}

TBitCheckBox::~TBitCheckBox() {
    BeforeDestruction();
    for (TBitmap* glyph : glyphs_) delete glyph;
}

void TBitCheckBox::SetState(TCheckBoxState state) {
    if (state == state_) return;
    state_ = state;
    Changed(TControlChange::State);
    Invalidate();
}

void TBitCheckBox::SetAlignment(TAlignment alignment) {
    alignment_ = alignment == taLeftJustify ? taLeftJustify : taRightJustify;
    Invalidate();
}

void TBitCheckBox::SetGlyph(TCheckBoxState state, TBitmap* glyph) {
    TBitmap& own = *glyphs_[state];
    if (!glyph || glyph->Empty()) {
        LoadBuiltIn(own, state);
    } else {
        own.Assign(glyph);
        own.SetTransparent(true);
        if (own.Width() % own.Height() == 0) SetNumGlyphs(state, own.Width() / own.Height());
    }
    Invalidate();
}

void TBitCheckBox::SetNumGlyphs(TCheckBoxState state, int n) {
    numGlyphs_[state] = std::clamp(n, 1, 2);
    Invalidate();
}

void TBitCheckBox::Toggle() {
    switch (state_) {
        case cbUnchecked: SetState(allowGrayed_ ? cbGrayed : cbChecked); break;
        case cbChecked: SetState(cbUnchecked); break;
        case cbGrayed: SetState(cbChecked); break;
    }
}

void TBitCheckBox::Click() {
    Toggle();
    TCustomControl::Click();
    if (CanFocus()) SetFocus();
}

void TBitCheckBox::KeyPress(char& ch) {
    if (ch == ' ') Click();
}

void TBitCheckBox::DoEnter() {
    Invalidate();
    TCustomControl::DoEnter();
}

void TBitCheckBox::DoExit() {
    Invalidate();
    TCustomControl::DoExit();
}

void TBitCheckBox::Paint() {
    TCanvas& canvas = *Canvas();
    const TRect client = ClientRect();
    canvas.Brush()->SetColor(Color());
    canvas.Brush()->SetStyle(bsSolid);
    canvas.FillRect(client);

    const TBitmap& glyph = *glyphs_[state_];
    const int cells = numGlyphs_[state_];
    const int cellWidth = glyph.Width() / cells;

    const std::string caption = Caption();
    int textWidth = canvas.TextWidth(caption);
    if (caption.find('&') != std::string::npos) textWidth -= canvas.TextWidth("&");
    const int textHeight = canvas.TextHeight(caption.empty() ? " " : caption);
    TRect text;
    text.Left = alignment_ == taRightJustify ? cellWidth + 4 : 1;
    text.Right = text.Left + textWidth;
    text.Top = (client.Height() - textHeight) / 2 - 2;
    text.Bottom = text.Top + textHeight + 3;
    text = Rect(std::max(text.Left, 0), std::max(text.Top, 0), std::min(text.Right, client.Right),
                std::min(text.Bottom, client.Bottom));

    canvas.Brush()->SetStyle(bsClear);
    if (Enabled()) {
        canvas.Font()->SetColor(Font()->Color());
        canvas.DrawText(text, caption, tfSingleLine | tfVerticalCenter);
    } else {
        canvas.Font()->SetColor(clBtnHighlight);
        canvas.DrawText(Rect(text.Left + 1, text.Top + 1, text.Right + 1, text.Bottom + 1), caption,
                        tfSingleLine | tfVerticalCenter);
        canvas.Font()->SetColor(clGrayText);
        canvas.DrawText(text, caption, tfSingleLine | tfVerticalCenter);
    }
    if (Focused())
        canvas.DrawFocusRect(Rect(std::max(text.Left - 1, 0), std::max(text.Top - 1, 0),
                                  std::min(text.Right + 1, client.Right), std::min(text.Bottom + 1, client.Bottom)));

    if (cellWidth <= 0) return;
    TBitmap cell;
    cell.SetSize(cellWidth, glyph.Height());
    const int from = !Enabled() && cells == 2 ? cellWidth : 0;
    for (int y = 0; y < glyph.Height(); ++y)
        for (int x = 0; x < cellWidth; ++x) cell.SetPixel(x, y, glyph.Pixel(from + x, y));
    cell.SetTransparent(true);
    cell.SetTransparentColor(glyph.TransparentColor());
    const int x = alignment_ == taRightJustify ? 0 : client.Width() - cellWidth;
    canvas.Draw(x, (client.Height() - glyph.Height()) / 2, cell);
}

}  // namespace kw
