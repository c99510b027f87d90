// The tree view of ComCtrls.h: nodes in a tree, one selected.
#include <algorithm>

#include "platform/ClassBuilder.h"
#include "platform/ComCtrls.h"

namespace kw {

KW_BEGIN_CLASS(TTreeNode, TPersistent)
KW_END_CLASS(TTreeNode)

TTreeNode::TTreeNode(TTreeNodes* owner, TTreeNode* parent) : owner_(owner), parent_(parent) {}

TTreeNode::~TTreeNode() {
    for (TTreeNode* child : children_) {
        child->parent_ = nullptr;
        child->owner_ = nullptr;
        delete child;
    }
}

TTreeView* TTreeNode::TreeView() const { return owner_ ? owner_->owner_ : nullptr; }

void TTreeNode::Expand(bool recurse) {
    expanded_ = true;
    if (recurse)
        for (TTreeNode* c : children_) c->Expand(true);
}

void TTreeNode::Collapse(bool recurse) {
    expanded_ = false;
    if (recurse)
        for (TTreeNode* c : children_) c->Collapse(true);
}

int TTreeNode::Index() const {
    if (!owner_) return -1;
    auto& siblings = owner_->SiblingsOf(parent_);
    return static_cast<int>(std::find(siblings.begin(), siblings.end(), this) - siblings.begin());
}

int TTreeNode::Level() const {
    int level = 0;
    for (TTreeNode* p = parent_; p; p = p->parent_) ++level;
    return level;
}

int TTreeNode::AbsoluteIndex() const {
    if (!owner_) return -1;
    for (int i = 0; i < owner_->Count(); ++i)
        if (owner_->Item(i) == this) return i;
    return -1;
}

bool TTreeNode::Selected() const { return TreeView() && TreeView()->Selected() == this; }

void TTreeNode::SetSelected(bool s) {
    TTreeView* view = TreeView();
    if (!view) return;
    if (s)
        view->SetSelected(this);
    else if (view->Selected() == this)
        view->SetSelected(nullptr);
}

TTreeNode* TTreeNode::GetNextSibling() const {
    if (!owner_) return nullptr;
    auto& siblings = owner_->SiblingsOf(parent_);
    int i = Index();
    return i + 1 < static_cast<int>(siblings.size()) ? siblings[i + 1] : nullptr;
}

TTreeNode* TTreeNode::GetPrevSibling() const {
    if (!owner_) return nullptr;
    int i = Index();
    return i > 0 ? owner_->SiblingsOf(parent_)[i - 1] : nullptr;
}

void TTreeNode::Delete() {
    if (owner_)
        owner_->Delete(this);
    else
        delete this;
}

KW_BEGIN_CLASS(TTreeNodes, TPersistent)
KW_END_CLASS(TTreeNodes)

TTreeNodes::TTreeNodes(TTreeView* owner) : owner_(owner) {}

TTreeNodes::~TTreeNodes() {
    for (TTreeNode* root : roots_) {
        root->owner_ = nullptr;
        delete root;
    }
}

std::vector<TTreeNode*>& TTreeNodes::SiblingsOf(TTreeNode* parent) { return parent ? parent->children_ : roots_; }

namespace {
void Flatten(const std::vector<TTreeNode*>& nodes, std::vector<TTreeNode*>& out) {
    for (TTreeNode* n : nodes) {
        out.push_back(n);
        std::vector<TTreeNode*> children;
        for (int i = 0; i < n->Count(); ++i) children.push_back(n->Item(i));
        Flatten(children, out);
    }
}
}  // namespace

int TTreeNodes::Count() const {
    std::vector<TTreeNode*> all;
    Flatten(roots_, all);
    return static_cast<int>(all.size());
}

TTreeNode* TTreeNodes::Item(int index) const {
    std::vector<TTreeNode*> all;
    Flatten(roots_, all);
    if (index < 0 || index >= static_cast<int>(all.size()))
        throw EListError("List index out of bounds (" + std::to_string(index) + ")");
    return all[index];
}

TTreeNode* TTreeNodes::Make(TTreeNode* parent, size_t at, const std::string& text) {
    auto* node = new TTreeNode(this, parent);
    node->text_ = text;
    auto& siblings = SiblingsOf(parent);
    siblings.insert(siblings.begin() + std::min(at, siblings.size()), node);
    owner_->Invalidate();
    return node;
}

TTreeNode* TTreeNodes::Add(TTreeNode* sibling, const std::string& text) {
    TTreeNode* parent = sibling ? sibling->parent_ : nullptr;
    return Make(parent, SiblingsOf(parent).size(), text);
}

TTreeNode* TTreeNodes::AddFirst(TTreeNode* sibling, const std::string& text) {
    return Make(sibling ? sibling->parent_ : nullptr, 0, text);
}

TTreeNode* TTreeNodes::AddChild(TTreeNode* parent, const std::string& text) {
    return Make(parent, SiblingsOf(parent).size(), text);
}

TTreeNode* TTreeNodes::AddChildFirst(TTreeNode* parent, const std::string& text) { return Make(parent, 0, text); }

TTreeNode* TTreeNodes::Insert(TTreeNode* sibling, const std::string& text) {
    if (!sibling) return Add(nullptr, text);
    return Make(sibling->parent_, sibling->Index(), text);
}

void TTreeNodes::Detach(TTreeNode* node) {
    auto& siblings = SiblingsOf(node->parent_);
    siblings.erase(std::remove(siblings.begin(), siblings.end(), node), siblings.end());
}

void TTreeNodes::Delete(TTreeNode* node) {
    if (!node) return;
    for (TTreeNode* p = owner_->selected_; p; p = p->parent_)
        if (p == node) {
            owner_->selected_ = nullptr;
            break;
        }
    while (!node->children_.empty()) Delete(node->children_.back());
    owner_->OnDeletion(owner_, node);
    Detach(node);
    node->owner_ = nullptr;
    delete node;
    owner_->Invalidate();
}

void TTreeNodes::Clear() {
    BeginUpdate();
    while (!roots_.empty()) Delete(roots_.back());
    EndUpdate();
}

KW_BEGIN_CLASS(TTreeView, TWinControl)
    b.Prop("ReadOnly", &TTreeView::ReadOnly, &TTreeView::SetReadOnly);
    b.Prop("HideSelection", &TTreeView::HideSelection, &TTreeView::SetHideSelection);
    b.Prop("ShowLines", &TTreeView::ShowLines, &TTreeView::SetShowLines);
    b.Prop("ShowRoot", &TTreeView::ShowRoot, &TTreeView::SetShowRoot);
    b.Prop("ShowButtons", &TTreeView::ShowButtons, &TTreeView::SetShowButtons);
    b.Prop("AutoExpand", &TTreeView::AutoExpand, &TTreeView::SetAutoExpand);
    b.Prop("Images", &TTreeView::Images, &TTreeView::SetImages);
    b.Event("OnChange", "TTVChangedEvent", &TTreeView::OnChange);
    b.Event("OnChanging", "TTVChangingEvent", &TTreeView::OnChanging);
    b.Event("OnDeletion", "TTVChangedEvent", &TTreeView::OnDeletion);
    b.Creatable();
KW_END_CLASS(TTreeView)

TTreeView::TTreeView(TComponent* owner) : TWinControl(owner), items_(new TTreeNodes(this)) {
    SetBounds(0, 0, 121, 97);
    SetTabStop(true);
    SetColor(clWindow);
}

TTreeView::~TTreeView() {
    BeforeDestruction();
    delete items_;
}

void TTreeView::SetSelected(TTreeNode* node) {
    if (node == selected_) return;
    bool allow = true;
    OnChanging(this, node, allow);
    if (!allow) return;
    selected_ = node;
    OnChange(this, node);
}

void TTreeView::SetImages(TImageList* i) {
    images_ = i;
    if (i) i->FreeNotification(this);
}

void TTreeView::Notification(TComponent* component, TOperation operation) {
    TWinControl::Notification(component, operation);
    if (operation == opRemove && component == images_) images_ = nullptr;
}

}  // namespace kw
