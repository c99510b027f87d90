#include "controls/KwSpin.h"

#include "platform/ClassBuilder.h"
#include "platform/SysUtils.h"

namespace kw {

KW_BEGIN_CLASS(TKwSpinEdit, TSpinEdit)
    b.Creatable();
KW_END_CLASS(TKwSpinEdit)

TKwSpinEdit::TKwSpinEdit(TComponent* owner) : TSpinEdit(owner) {}

void TKwSpinEdit::Change() {
    std::string text = Text();
    bool cut = false;
    for (char sign : {'+', '-'})
        if (text.size() > 1 && text.find(sign, 1) != std::string::npos) {
            text.pop_back();
            cut = true;
        }
    if (cut) {
        SetText(text);  // the change of the shortened text is raised from there
        return;
    }
    if (!Trim(text).empty()) TSpinEdit::Change();
}

}  // namespace kw
