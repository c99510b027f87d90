#include "platform/ComCtrls.h"

#include <algorithm>

#include "platform/ClassBuilder.h"
#include "platform/Forms.h"

namespace kw {

KW_DEFINE_ENUM(TTabStyle, "tsTabs", "tsButtons", "tsFlatButtons")
KW_DEFINE_ENUM(TTabPosition, "tpTop", "tpBottom", "tpLeft", "tpRight")
KW_DEFINE_ENUM(TToolButtonStyle, "tbsButton", "tbsCheck", "tbsDropDown", "tbsSeparator", "tbsDivider")
KW_DEFINE_ENUM(TStatusPanelStyle, "psText", "psOwnerDraw")
KW_DEFINE_ENUM(TStatusPanelBevel, "pbNone", "pbLowered", "pbRaised")
KW_DEFINE_ENUM(TCommonAVI, "aviNone", "aviFindFolder", "aviFindFile", "aviFindComputer", "aviCopyFiles",
               "aviCopyFile", "aviRecycleFile", "aviEmptyRecycle", "aviDeleteFile")

// ---------------------------------------------------------------- tab sheets

KW_BEGIN_CLASS(TTabSheet, TWinControl)
    b.Prop("Caption", TypeCaption(), &TTabSheet::Text, &TTabSheet::SetText);
    b.Prop("PageIndex", &TTabSheet::PageIndex, &TTabSheet::SetPageIndex);
    b.Prop("TabVisible", &TTabSheet::TabVisible, &TTabSheet::SetTabVisible);
    b.Prop("ImageIndex", &TTabSheet::ImageIndex, &TTabSheet::SetImageIndex);
    b.Event("OnShow", "TNotifyEvent", &TTabSheet::OnShow);
    b.Event("OnHide", "TNotifyEvent", &TTabSheet::OnHide);
    b.Creatable();
KW_END_CLASS(TTabSheet)

TTabSheet::TTabSheet(TComponent* owner) : TWinControl(owner) {
    SetAlign(alClient);
    TControl::SetVisible(false);
}

TTabSheet::~TTabSheet() {
    BeforeDestruction();
    if (pageControl_) pageControl_->RemovePage(this);
}

void TTabSheet::SetPageControl(TPageControl* control) {
    if (control == pageControl_) return;
    if (pageControl_) pageControl_->RemovePage(this);
    if (control) control->InsertPage(this);
}

void TTabSheet::VisibleChanged() {
    TWinControl::VisibleChanged();
    if ((ComponentState() & csLoading) || Destroying()) return;
    if (Visible())
        OnShow(this);
    else
        OnHide(this);
}

TComponent* TTabSheet::GetParentComponent() const { return pageControl_; }

void TTabSheet::SetParentComponent(TComponent* parent) {
    if (auto pc = dynamic_cast<TPageControl*>(parent)) SetPageControl(pc);
}

int TTabSheet::PageIndex() const {
    if (!pageControl_) return -1;
    auto& pages = pageControl_->pages_;
    return static_cast<int>(std::find(pages.begin(), pages.end(), this) - pages.begin());
}

void TTabSheet::SetPageIndex(int index) {
    if (!pageControl_) return;
    auto& pages = pageControl_->pages_;
    index = std::clamp(index, 0, static_cast<int>(pages.size()) - 1);
    pages.erase(std::find(pages.begin(), pages.end(), this));
    pages.insert(pages.begin() + index, this);
}

void TTabSheet::SetTabVisible(bool v) {
    if (v == tabVisible_) return;
    tabVisible_ = v;
    Changed(TControlChange::State);
}

int TTabSheet::TabIndex() const {
    if (!pageControl_ || !tabVisible_) return -1;
    int index = 0;
    for (TTabSheet* p : pageControl_->pages_) {
        if (p == this) return index;
        if (p->tabVisible_) ++index;
    }
    return -1;
}

// ---------------------------------------------------------------- page control

KW_BEGIN_CLASS(TPageControl, TWinControl)
    b.Prop("ActivePage", &TPageControl::ActivePage, &TPageControl::SetActivePage);
    b.Prop("Style", &TPageControl::Style, &TPageControl::SetStyle);
    b.Prop("TabPosition", &TPageControl::TabPosition, &TPageControl::SetTabPosition);
    b.Prop("TabHeight", &TPageControl::TabHeight, &TPageControl::SetTabHeight);
    b.Prop("TabWidth", &TPageControl::TabWidth, &TPageControl::SetTabWidth);
    b.Prop("OwnerDraw", &TPageControl::OwnerDraw, &TPageControl::SetOwnerDraw);
    b.Prop("MultiLine", &TPageControl::MultiLine, &TPageControl::SetMultiLine);
    b.Prop("HotTrack", &TPageControl::HotTrack, &TPageControl::SetHotTrack);
    b.Prop("Images", &TPageControl::Images, &TPageControl::SetImages);
    b.Event("OnChange", "TNotifyEvent", &TPageControl::OnChange);
    b.Event("OnChanging", "TTabChangingEvent", &TPageControl::OnChanging);
    b.Event("OnDrawTab", "TDrawTabEvent", &TPageControl::OnDrawTab);
    b.Creatable();
KW_END_CLASS(TPageControl)

TPageControl::TPageControl(TComponent* owner) : TWinControl(owner) {
    SetBounds(0, 0, 289, 193);
    SetTabStop(true);
}

TPageControl::~TPageControl() {
    BeforeDestruction();
    for (TTabSheet* p : pages_) p->pageControl_ = nullptr;
    pages_.clear();
    activePage_ = nullptr;
    delete tabSurface_;
}

void TPageControl::InsertPage(TTabSheet* page) {
    pages_.push_back(page);
    page->pageControl_ = this;
    page->SetParent(this);
}

void TPageControl::RemovePage(TTabSheet* page) {
    if (page == activePage_) {
        TTabSheet* next = FindNextPage(page, true, false);
        activePage_ = nullptr;
        if (next && next != page && !Destroying()) SetActivePage(next);
    }
    pages_.erase(std::remove(pages_.begin(), pages_.end(), page), pages_.end());
    page->pageControl_ = nullptr;
}

int TPageControl::ActivePageIndex() const { return activePage_ ? activePage_->PageIndex() : -1; }

void TPageControl::SetActivePageIndex(int index) {
    SetActivePage(index >= 0 && index < PageCount() ? pages_[index] : nullptr);
}

void TPageControl::ShowOnly(TTabSheet* page) {
    for (TTabSheet* p : pages_)
        if (p != page) p->SetVisible(false);
    if (page) {
        page->SetVisible(true);
        page->BringToFront();
    }
}

void TPageControl::SetActivePage(TTabSheet* page) {
    if (page && page->pageControl_ != this) return;
    if (ComponentState() & csLoading) {
        activePage_ = page;
        return;
    }
    if (page == activePage_) return;
    activePage_ = page;
    ShowOnly(page);
    Changed(TControlChange::State);
}

void TPageControl::Loaded() {
    TWinControl::Loaded();
    ShowOnly(activePage_);
}

int TPageControl::TabCount() const {
    return static_cast<int>(std::count_if(pages_.begin(), pages_.end(), [](TTabSheet* p) { return p->TabVisible(); }));
}

TTabSheet* TPageControl::PageForTab(int tabIndex) const {
    int index = 0;
    for (TTabSheet* p : pages_)
        if (p->TabVisible() && index++ == tabIndex) return p;
    return nullptr;
}

TTabSheet* TPageControl::FindNextPage(TTabSheet* current, bool goForward, bool checkTabVisible) const {
    int n = PageCount();
    if (n == 0) return nullptr;
    auto it = std::find(pages_.begin(), pages_.end(), current);
    int start = it == pages_.end() ? (goForward ? n - 1 : 0) : static_cast<int>(it - pages_.begin());
    int i = start;
    do {
        i = goForward ? (i + 1) % n : (i == 0 ? n - 1 : i - 1);
        if (!checkTabVisible || pages_[i]->TabVisible()) return pages_[i];
    } while (i != start);
    return nullptr;
}

bool TPageControl::CanChange() {
    bool allow = true;
    OnChanging(this, allow);
    return allow;
}

void TPageControl::Change() { OnChange(this); }

bool TPageControl::ChangePageByUser(TTabSheet* page) {
    if (!page || page == activePage_ || page->pageControl_ != this) return false;
    if (!CanChange()) return false;
    SetActivePage(page);
    Change();
    return true;
}

void TPageControl::SelectNextPage(bool goForward, bool checkTabVisible) {
    ChangePageByUser(FindNextPage(activePage_, goForward, checkTabVisible));
}

bool TPageControl::SelectTabByUser(int tabIndex) { return ChangePageByUser(PageForTab(tabIndex)); }

void TPageControl::SetImages(TImageList* images) {
    images_ = images;
    if (images) images->FreeNotification(this);
}

void TPageControl::Notification(TComponent* component, TOperation operation) {
    TWinControl::Notification(component, operation);
    if (operation == opRemove && component == images_) images_ = nullptr;
}

TRect TPageControl::TabRect(int tabIndex) const {
    int height = tabHeight_ > 0 ? tabHeight_ : TextExtent("0").cy + 6;
    int x = 2;
    for (int i = 0; i < TabCount(); ++i) {
        TTabSheet* page = PageForTab(i);
        int width = tabWidth_ > 0 ? tabWidth_ : TextExtent(page->Caption()).cx + 12;
        if (i == tabIndex) return Bounds(x, 2, width, height);
        x += width;
    }
    return {};
}

void TPageControl::DrawTab(int tabIndex, const TRect& rect, bool active) {
    OnDrawTab(this, tabIndex, rect, active);
}

void TPageControl::DrawTabs() {
    for (int i = 0; i < TabCount(); ++i) DrawTab(i, TabRect(i), PageForTab(i) == activePage_);
}

TCanvas* TPageControl::TabCanvas() {
    if (!tabSurface_) {
        tabSurface_ = new TBitmap;
        tabSurface_->SetPixelFormat(pf24bit);
    }
    tabSurface_->SetSize(Width(), Height());
    tabSurface_->Canvas()->Font()->Assign(Font());
    return tabSurface_->Canvas();
}

TBitmap& TPageControl::PaintTabs() {
    TabCanvas()->ClearTexts();
    DrawTabs();
    return *tabSurface_;
}

// ---------------------------------------------------------------- tool bar

KW_BEGIN_CLASS(TToolButton, TGraphicControl)
    b.Prop("Caption", TypeCaption(), &TToolButton::Text, &TToolButton::SetText);
    b.Prop("Style", &TToolButton::Style, &TToolButton::SetStyle);
    b.Prop("ImageIndex", &TToolButton::ImageIndex, &TToolButton::SetImageIndex);
    b.Prop("DropdownMenu", &TToolButton::DropdownMenu, &TToolButton::SetDropdownMenu);
    b.Prop("Down", &TToolButton::Down, &TToolButton::SetDown);
    b.Prop("Grouped", &TToolButton::Grouped, &TToolButton::SetGrouped);
    b.Prop("AllowAllUp", &TToolButton::AllowAllUp, &TToolButton::SetAllowAllUp);
    b.Prop("Wrap", &TToolButton::Wrap, &TToolButton::SetWrap);
    b.Creatable();
KW_END_CLASS(TToolButton)

TToolButton::TToolButton(TComponent* owner) : TGraphicControl(owner) { SetBounds(0, 0, 23, 22); }

TToolBar* TToolButton::ToolBar() const { return dynamic_cast<TToolBar*>(Parent()); }

int TToolButton::Index() const {
    TToolBar* bar = ToolBar();
    if (!bar) return -1;
    for (int i = 0; i < bar->ButtonCount(); ++i)
        if (bar->Buttons(i) == this) return i;
    return -1;
}

void TToolButton::SetStyle(TToolButtonStyle s) {
    style_ = s;
    if (TToolBar* bar = ToolBar()) bar->ArrangeButtons();
}

void TToolButton::SetParent(TWinControl* parent) {
    TGraphicControl::SetParent(parent);
    if (TToolBar* bar = ToolBar()) bar->ArrangeButtons();
}

void TToolButton::SetDropdownMenu(TPopupMenu* m) {
    dropdownMenu_ = m;
    if (m) m->FreeNotification(this);
}

void TToolButton::Notification(TComponent* component, TOperation operation) {
    TGraphicControl::Notification(component, operation);
    if (operation == opRemove && component == dropdownMenu_) dropdownMenu_ = nullptr;
}

void TToolButton::SetDown(bool d) {
    if (d == down_) return;
    down_ = d;
    if (d && grouped_ && style_ == tbsCheck && ToolBar()) {
        // The grouped check buttons next to this one come up.
        TToolBar* bar = ToolBar();
        int index = Index();
        for (int step : {-1, 1})
            for (int i = index + step; i >= 0 && i < bar->ButtonCount(); i += step) {
                TToolButton* other = bar->Buttons(i);
                if (!other->grouped_ || other->style_ != tbsCheck) break;
                other->down_ = false;
            }
    }
    Invalidate();
}

void TToolButton::Click() {
    if (style_ == tbsCheck) {
        if (!down_)
            SetDown(true);
        else if (!grouped_ || allowAllUp_)
            SetDown(false);
    }
    TGraphicControl::Click();
}

void TToolButton::ClickArrow() {
    if (!dropdownMenu_) return;
    TPoint p = ClientToScreen({0, Height()});
    dropdownMenu_->SetPopupComponent(this);
    dropdownMenu_->Popup(p.X, p.Y);
}

KW_BEGIN_CLASS(TToolBar, TWinControl)
    b.Prop("Flat", &TToolBar::Flat, &TToolBar::SetFlat);
    b.Prop("ButtonWidth", &TToolBar::ButtonWidth, &TToolBar::SetButtonWidth);
    b.Prop("ButtonHeight", &TToolBar::ButtonHeight, &TToolBar::SetButtonHeight);
    b.Prop("Images", &TToolBar::Images, &TToolBar::SetImages);
    b.Prop("ShowCaptions", &TToolBar::ShowCaptions, &TToolBar::SetShowCaptions);
    b.Prop("List", &TToolBar::List, &TToolBar::SetList);
    b.Prop("Wrapable", &TToolBar::Wrapable, &TToolBar::SetWrapable);
    b.Creatable();
KW_END_CLASS(TToolBar)

TToolBar::TToolBar(TComponent* owner) : TWinControl(owner) {
    SetBounds(0, 0, 150, 29);
    SetAlign(alTop);
}

int TToolBar::ButtonCount() const {
    int n = 0;
    for (TControl* c : ControlList()) n += dynamic_cast<TToolButton*>(c) ? 1 : 0;
    return n;
}

TToolButton* TToolBar::Buttons(int index) const {
    std::vector<TToolButton*> buttons;
    for (TControl* c : ControlList())
        if (auto b = dynamic_cast<TToolButton*>(c)) buttons.push_back(b);
    std::stable_sort(buttons.begin(), buttons.end(), [](TToolButton* a, TToolButton* b) { return a->Left() < b->Left(); });
    return buttons.at(index);
}

void TToolBar::ArrangeButtons() {
    if (ComponentState() & (csLoading | csDestroying)) return;
    int n = ButtonCount();
    std::vector<TToolButton*> buttons;
    for (int i = 0; i < n; ++i) buttons.push_back(Buttons(i));
    int x = 0;
    for (TToolButton* b : buttons) {
        bool separator = b->Style() == tbsSeparator || b->Style() == tbsDivider;
        int width = separator ? (b->Width() > 0 && b->Width() != buttonWidth_ ? b->Width() : 8) : buttonWidth_;
        b->SetBounds(x, 0, width, buttonHeight_);
        x += width;
    }
}

void TToolBar::SetButtonWidth(int w) {
    buttonWidth_ = w;
    ArrangeButtons();
}

void TToolBar::SetButtonHeight(int h) {
    buttonHeight_ = h;
    ArrangeButtons();
}

void TToolBar::SetImages(TImageList* i) {
    images_ = i;
    if (i) i->FreeNotification(this);
}

void TToolBar::Notification(TComponent* component, TOperation operation) {
    TWinControl::Notification(component, operation);
    if (operation == opRemove && component == images_) images_ = nullptr;
}

void TToolBar::Loaded() {
    TWinControl::Loaded();
    ArrangeButtons();
}

// ---------------------------------------------------------------- status bar

KW_BEGIN_CLASS(TStatusPanel, TCollectionItem)
    b.Prop("Text", &TStatusPanel::Text, &TStatusPanel::SetText);
    b.Prop("Width", &TStatusPanel::Width, &TStatusPanel::SetWidth);
    b.Prop("Alignment", &TStatusPanel::Alignment, &TStatusPanel::SetAlignment);
    b.Prop("Style", &TStatusPanel::Style, &TStatusPanel::SetStyle);
    b.Prop("Bevel", &TStatusPanel::Bevel, &TStatusPanel::SetBevel);
KW_END_CLASS(TStatusPanel)

void TStatusPanel::Assign(const TPersistent* source) {
    auto p = dynamic_cast<const TStatusPanel*>(source);
    if (!p) return TCollectionItem::Assign(source);
    text_ = p->text_;
    width_ = p->width_;
    alignment_ = p->alignment_;
    style_ = p->style_;
    bevel_ = p->bevel_;
    Changed();
}

KW_BEGIN_CLASS(TStatusPanels, TCollection)
KW_END_CLASS(TStatusPanels)

TStatusPanels::TStatusPanels(TStatusBar* owner)
    : TCollection(owner, [](TCollection* c) { return new TStatusPanel(c); }) {}

KW_BEGIN_CLASS(TStatusBar, TWinControl)
    b.Object("Panels", &TStatusBar::Panels, &TStatusBar::SetPanels);
    b.Prop("SimplePanel", &TStatusBar::SimplePanel, &TStatusBar::SetSimplePanel);
    b.Prop("SimpleText", &TStatusBar::SimpleText, &TStatusBar::SetSimpleText);
    b.Prop("SizeGrip", &TStatusBar::SizeGrip, &TStatusBar::SetSizeGrip);
    b.Creatable();
KW_END_CLASS(TStatusBar)

TStatusBar::TStatusBar(TComponent* owner) : TWinControl(owner), panels_(new TStatusPanels(this)) {
    SetBounds(0, 0, 100, 19);
    SetAlign(alBottom);
    panels_->OnUpdate = [this](TCollectionItem*) { Invalidate(); };
}

TStatusBar::~TStatusBar() {
    BeforeDestruction();
    delete panels_;
}

// ---------------------------------------------------------------- animation

KW_BEGIN_CLASS(TAnimate, TWinControl)
    b.Prop("CommonAVI", &TAnimate::CommonAVI, &TAnimate::SetCommonAVI);
    b.Prop("FileName", &TAnimate::FileName, &TAnimate::SetFileName);
    b.Prop("Active", &TAnimate::Active, &TAnimate::SetActive);
    b.Prop("Center", &TAnimate::Center, &TAnimate::SetCenter);
    b.Prop("Transparent", &TAnimate::Transparent, &TAnimate::SetTransparent);
    b.Prop("Repetitions", &TAnimate::Repetitions, &TAnimate::SetRepetitions);
    b.Prop("StartFrame", &TAnimate::StartFrame, &TAnimate::SetStartFrame);
    b.Prop("StopFrame", &TAnimate::StopFrame, &TAnimate::SetStopFrame);
    b.Event("OnStart", "TNotifyEvent", &TAnimate::OnStart);
    b.Event("OnStop", "TNotifyEvent", &TAnimate::OnStop);
    b.Creatable();
KW_END_CLASS(TAnimate)

TAnimate::TAnimate(TComponent* owner) : TWinControl(owner) { SetBounds(0, 0, 100, 80); }

void TAnimate::SetActive(bool a) {
    if (ComponentState() & csLoading) {
        active_ = a;
        return;
    }
    if (a == active_) return;
    if (a)
        Play(startFrame_, stopFrame_, repetitions_);
    else
        Stop();
}

void TAnimate::Play(int fromFrame, int toFrame, int count) {
    startFrame_ = fromFrame;
    stopFrame_ = toFrame;
    repetitions_ = count;
    active_ = true;
    Changed(TControlChange::State);
    OnStart(this);
}

void TAnimate::Stop() {
    if (!active_) return;
    active_ = false;
    Changed(TControlChange::State);
    OnStop(this);
}

void TAnimate::Loaded() {
    TWinControl::Loaded();
    if (active_) {
        active_ = false;
        Play(startFrame_, stopFrame_, repetitions_);
    }
}

}  // namespace kw
