// Tab sets: a row of tabs without pages.
#pragma once

#include "platform/Controls.h"

namespace kw {

using TTabChangeEvent = TEvent<TObject*, int, bool&>;

class TTabSet : public TCustomControl {
    KW_CLASS(TTabSet)
public:
    explicit TTabSet(TComponent* owner);
    ~TTabSet() override;
    TStrings* Tabs() const { return tabs_; }
    void SetTabs(TStrings* t) { tabs_->Assign(t); }
    int TabIndex() const { return tabIndex_; }
    // Setting it asks OnChange (which may refuse) like a click does.
    void SetTabIndex(int index);
    void SelectNext(bool goForward);
    bool FocusOnClick() const override { return true; }

    TTabChangeEvent OnChange;

private:
    void TabsChanged(TObject*);
    TStringList* tabs_;
    int tabIndex_ = -1;
};

}  // namespace kw
