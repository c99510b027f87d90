#include "controls/ExtPage.h"

#include "platform/ClassBuilder.h"

namespace kw {

KW_BEGIN_CLASS(TExtPageControl, TPageControl)
    b.Event("OnDrawTab", "TDrawTabEvent", &TExtPageControl::OnDrawTab);
    b.Creatable();
KW_END_CLASS(TExtPageControl)

TExtPageControl::TExtPageControl(TComponent* owner) : TPageControl(owner) { SetOwnerDraw(true); }

void TExtPageControl::DrawTab(int tabIndex, const TRect& rect, bool active) {
    if (OnDrawTab.Assigned()) {
        TPageControl::DrawTab(tabIndex, rect, active);
        return;
    }
    TTabSheet* page = PageForTab(tabIndex);
    if (!page) return;
    TCanvas& canvas = *TabCanvas();
    canvas.Font()->Assign(Font());
    TRect area = rect;
    TRect text = rect;
    if (active) {
        area = Rect(rect.Left + 2, rect.Top + 2, rect.Right - 2, rect.Bottom - 2);
        text = area;
        canvas.Brush()->SetColor(clActiveCaption);
        canvas.Font()->SetStyle(canvas.Font()->Style() | (1u << fsBold));
        canvas.Font()->SetColor(clCaptionText);
    } else {
        text = Rect(rect.Left, rect.Top + 2, rect.Right, rect.Bottom + 2);
        canvas.Brush()->SetColor(clInactiveCaption);
        canvas.Font()->SetStyle(canvas.Font()->Style() & ~(1u << fsBold));
        canvas.Font()->SetColor(clInactiveCaptionText);
    }
    canvas.Brush()->SetStyle(bsSolid);
    canvas.FillRect(area);
    canvas.DrawText(text, page->Caption(), tfSingleLine | tfCenter | tfVerticalCenter);
}

}  // namespace kw
