// TExtPageControl: the page control of the option pages; its fixed-size
// tabs are drawn by the control (or by OnDrawTab when assigned).
#pragma once

#include "platform/ComCtrls.h"

namespace kw {

class TExtPageControl : public TPageControl {
    KW_CLASS(TExtPageControl)
public:
    explicit TExtPageControl(TComponent* owner);

    // The active tab shrunk by 2, filled in the active-caption colour with
    // its caption bold in the caption-text colour; the others in the
    // inactive-caption colours, the caption 2 pixels lower. Captions are
    // single-line and centred both ways.
    void DrawTab(int tabIndex, const TRect& rect, bool active) override;
};

}  // namespace kw
