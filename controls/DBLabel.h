// TDBLabel: a caption label bound to a control (FocusControl) that places
// itself beside the control and can take its caption from the display label
// of the control's data field.
#pragma once

#include <cstdint>

#include "platform/StdCtrls.h"

namespace kw {

enum TPos { psTop, psLeft, psRight, psBottom };
KW_DECLARE_ENUM(TPos)

class TDBLabel : public TLabel {
    KW_CLASS(TDBLabel)
public:
    explicit TDBLabel(TComponent* owner);

    // Binding to a control that another TDBLabel of the same container
    // already names is refused with a message; none unbinds.
    void SetFocusControl(TWinControl* control) override;
    TPos Pos() const { return pos_; }
    void SetPos(TPos pos);
    uint8_t Gap() const { return gap_; }
    void SetGap(uint8_t gap);
    bool AutoAlign() const { return autoAlign_; }
    void SetAutoAlign(bool value);
    bool AutoCaption() const { return autoCaption_; }
    void SetAutoCaption(bool value);

    // Caption from the bound data field, then the position beside the
    // bound control.
    void RefreshBinding();
    void Loaded() override;

private:
    void TakeFieldCaption();
    void Align();
    TPos pos_ = psLeft;
    uint8_t gap_ = 4;
    bool autoAlign_ = true;
    bool autoCaption_ = true;
};

}  // namespace kw
