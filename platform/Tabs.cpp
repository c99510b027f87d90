#include "platform/Tabs.h"

#include "platform/ClassBuilder.h"

namespace kw {

KW_BEGIN_CLASS(TTabSet, TCustomControl)
    b.Object("Tabs", &TTabSet::Tabs, &TTabSet::SetTabs);
    b.Prop("TabIndex", &TTabSet::TabIndex, &TTabSet::SetTabIndex);
    b.Event("OnChange", "TTabChangeEvent", &TTabSet::OnChange);
    b.Creatable();
KW_END_CLASS(TTabSet)

TTabSet::TTabSet(TComponent* owner) : TCustomControl(owner), tabs_(new TStringList) {
    SetBounds(0, 0, 185, 21);
    tabs_->OnChange = TNotifyEvent::Of<&TTabSet::TabsChanged>(this);
}

TTabSet::~TTabSet() {
    BeforeDestruction();
    delete tabs_;
}

void TTabSet::TabsChanged(TObject*) {
    if (tabIndex_ >= tabs_->Count()) tabIndex_ = tabs_->Count() - 1;
    Invalidate();
}

void TTabSet::SetTabIndex(int index) {
    if (ComponentState() & csLoading) {
        tabIndex_ = index;
        return;
    }
    if (index == tabIndex_ || index < -1 || index >= tabs_->Count()) return;
    bool allow = true;
    OnChange(this, index, allow);
    if (!allow) return;
    tabIndex_ = index;
    Invalidate();
    Click();
}

void TTabSet::SelectNext(bool goForward) {
    int n = tabs_->Count();
    if (n == 0) return;
    SetTabIndex(goForward ? (tabIndex_ + 1) % n : (tabIndex_ <= 0 ? n - 1 : tabIndex_ - 1));
}

}  // namespace kw
