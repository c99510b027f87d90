#include "platform/Classes.h"

#include <algorithm>

#include "platform/ClassBuilder.h"
#include "platform/SysUtils.h"

namespace kw {

const TTypeInfo* TypeComponentState() {
    static auto element = MakeEnumType("TComponentStateItem",
                                       {"csLoading", "csReading", "csWriting", "csDestroying", "csDesigning",
                                        "csAncestor", "csUpdating", "csFixups", "csFreeNotification", "csInline",
                                        "csDesignInstance"});
    static auto type = MakeSetType("TComponentState", element);
    return type;
}

// ---------------------------------------------------------------- TPersistent

KW_BEGIN_CLASS(TPersistent, TObject)
KW_END_CLASS(TPersistent)

void TPersistent::Assign(const TPersistent* source) {
    if (source) {
        source->AssignTo(this);
        return;
    }
    throw EPropertyError("Cannot assign nil to a " + ClassName());
}

void TPersistent::AssignTo(TPersistent* dest) const {
    throw EPropertyError("Cannot assign a " + ClassName() + " to a " + dest->ClassName());
}

// ---------------------------------------------------------------- TComponent

KW_BEGIN_CLASS(TComponent, TPersistent)
    b.Prop("Name", &TComponent::Name, &TComponent::SetName);
    b.Prop("Tag", TypeInteger(), &TComponent::Tag, &TComponent::SetTag);
KW_END_CLASS(TComponent)

bool IsValidIdent(const std::string& name) {
    if (name.empty()) return false;
    auto alpha = [](char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_'; };
    if (!alpha(name[0])) return false;
    return std::all_of(name.begin(), name.end(), [&](char c) { return alpha(c) || (c >= '0' && c <= '9'); });
}

TComponent::TComponent(TComponent* owner) {
    if (owner) owner->InsertComponent(this);
}

TComponent::~TComponent() { BeforeDestruction(); }

void TComponent::Free() {
    BeforeDestruction();
    delete this;
}

void TComponent::BeforeDestruction() {
    if (state_ & csDestroying) return;
    state_ |= csDestroying;
    while (!freeNotifies_.empty()) {
        TComponent* watcher = freeNotifies_.back();
        freeNotifies_.pop_back();
        auto& theirs = watcher->freeNotifies_;
        theirs.erase(std::remove(theirs.begin(), theirs.end(), this), theirs.end());
        watcher->Notification(this, opRemove);
    }
    DestroyComponents();
    if (owner_) owner_->RemoveComponent(this);
}

TComponent* TComponent::Components(int index) const {
    if (index < 0 || index >= ComponentCount()) throw EListError("List index out of bounds (" + std::to_string(index) + ")");
    return components_[index];
}

int TComponent::ComponentIndex() const {
    if (!owner_) return -1;
    auto& list = owner_->components_;
    auto it = std::find(list.begin(), list.end(), this);
    return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

void TComponent::SetName(const std::string& name) {
    if (name == name_) return;
    if (!name.empty() && !IsValidIdent(name))
        throw EComponentError("Component name \"" + name + "\" is not a valid identifier");
    if (owner_)
        owner_->ValidateRename(this, name_, name);
    else
        ValidateRename(nullptr, name_, name);
    std::string old = name_;
    name_ = name;
    if (owner_) {
        owner_->ClassInfo().SetComponentField(*owner_, old, nullptr);
        owner_->ClassInfo().SetComponentField(*owner_, name_, this);
    }
}

void TComponent::ValidateRename(TComponent* component, const std::string& oldName, const std::string& newName) {
    if (component && !newName.empty() && !SameText(oldName, newName)) {
        TComponent* other = FindComponent(newName);
        if (other && other != component)
            throw EComponentError("A component named " + newName + " already exists");
    }
}

TComponent* TComponent::FindComponent(const std::string& name) const {
    if (name.empty()) return nullptr;
    for (TComponent* c : components_)
        if (SameText(c->name_, name)) return c;
    return nullptr;
}

void TComponent::InsertComponent(TComponent* component) {
    ValidateRename(component, "", component->name_);
    Insert(component);
    if (!component->name_.empty()) ClassInfo().SetComponentField(*this, component->name_, component);
    Notification(component, opInsert);
}

void TComponent::RemoveComponent(TComponent* component) {
    Notification(component, opRemove);
    if (!component->name_.empty()) ClassInfo().SetComponentField(*this, component->name_, nullptr);
    Remove(component);
}

void TComponent::Insert(TComponent* component) {
    components_.push_back(component);
    component->owner_ = this;
}

void TComponent::Remove(TComponent* component) {
    components_.erase(std::remove(components_.begin(), components_.end(), component), components_.end());
    component->owner_ = nullptr;
}

void TComponent::DestroyComponents() {
    while (!components_.empty()) {
        TComponent* c = components_.back();
        c->BeforeDestruction();  // leaves the list through RemoveComponent
        if (!components_.empty() && components_.back() == c) Remove(c);
        delete c;
    }
}

void TComponent::FreeNotification(TComponent* component) {
    if (!component || component == this) return;
    if (owner_ && component->owner_ == owner_) return;  // siblings hear of each other through the owner
    if (std::find(freeNotifies_.begin(), freeNotifies_.end(), component) == freeNotifies_.end())
        freeNotifies_.push_back(component);
    auto& theirs = component->freeNotifies_;
    if (std::find(theirs.begin(), theirs.end(), this) == theirs.end()) theirs.push_back(this);
    state_ |= csFreeNotification;
}

void TComponent::RemoveFreeNotification(TComponent* component) {
    freeNotifies_.erase(std::remove(freeNotifies_.begin(), freeNotifies_.end(), component), freeNotifies_.end());
    auto& theirs = component->freeNotifies_;
    theirs.erase(std::remove(theirs.begin(), theirs.end(), this), theirs.end());
}

void TComponent::Notification(TComponent* component, TOperation operation) {
    if (operation == opRemove && component) {
        auto it = std::find(freeNotifies_.begin(), freeNotifies_.end(), component);
        if (it != freeNotifies_.end()) RemoveFreeNotification(component);
    }
    // Copy: a component may go while the others hear of it.
    std::vector<TComponent*> owned = components_;
    for (TComponent* c : owned)
        if (c != component) c->Notification(component, operation);
}

void TComponent::SetLoadingState(bool loading) { state_ = loading ? (state_ | csLoading) : (state_ & ~csLoading); }
void TComponent::SetReadingState(bool reading) { state_ = reading ? (state_ | csReading) : (state_ & ~csReading); }
void TComponent::SetAncestor(bool ancestor) { state_ = ancestor ? (state_ | csAncestor) : (state_ & ~csAncestor); }

void TComponent::SetDesigning(bool designing) {
    state_ = designing ? (state_ | csDesigning) : (state_ & ~csDesigning);
    for (TComponent* c : components_) c->SetDesigning(designing);
}

void TComponent::Loaded() { state_ &= ~csLoading; }

// ---------------------------------------------------------------- TStrings

KW_BEGIN_CLASS(TStrings, TPersistent)
KW_END_CLASS(TStrings)

void TStrings::CheckIndex(int index) const {
    if (index < 0 || index >= Count()) throw EListError("List index out of bounds (" + std::to_string(index) + ")");
}

const std::string& TStrings::Strings(int index) const {
    CheckIndex(index);
    return items_[index].Text;
}

void TStrings::Put(int index, const std::string& s) {
    CheckIndex(index);
    Changing();
    items_[index].Text = s;
    Changed();
}

TObject* TStrings::Objects(int index) const {
    CheckIndex(index);
    return items_[index].Object;
}

void TStrings::PutObject(int index, TObject* object) {
    CheckIndex(index);
    items_[index].Object = object;
}

int TStrings::Add(const std::string& s) {
    Insert(Count(), s);
    return Count() - 1;
}

int TStrings::AddObject(const std::string& s, TObject* object) {
    int i = Add(s);
    items_[i].Object = object;
    return i;
}

void TStrings::Insert(int index, const std::string& s) {
    if (index < 0 || index > Count()) throw EListError("List index out of bounds (" + std::to_string(index) + ")");
    Changing();
    items_.insert(items_.begin() + index, Item{s, nullptr});
    Changed();
}

void TStrings::InsertObject(int index, const std::string& s, TObject* object) {
    Insert(index, s);
    items_[index].Object = object;
}

void TStrings::Delete(int index) {
    CheckIndex(index);
    Changing();
    items_.erase(items_.begin() + index);
    Changed();
}

void TStrings::Clear() {
    if (items_.empty()) return;
    Changing();
    items_.clear();
    Changed();
}

void TStrings::Exchange(int a, int b) {
    CheckIndex(a);
    CheckIndex(b);
    Changing();
    std::swap(items_[a], items_[b]);
    Changed();
}

void TStrings::Move(int from, int to) {
    if (from == to) return;
    CheckIndex(from);
    CheckIndex(to);
    Changing();
    Item item = items_[from];
    items_.erase(items_.begin() + from);
    items_.insert(items_.begin() + to, item);
    Changed();
}

void TStrings::AddStrings(const TStrings& other) {
    BeginUpdate();
    for (const Item& item : other.items_) AddObject(item.Text, item.Object);
    EndUpdate();
}

int TStrings::IndexOf(const std::string& s) const {
    for (int i = 0; i < Count(); ++i)
        if (SameText(items_[i].Text, s)) return i;
    return -1;
}

int TStrings::IndexOfName(const std::string& name) const {
    for (int i = 0; i < Count(); ++i)
        if (SameText(Names(i), name) && items_[i].Text.find('=') != std::string::npos) return i;
    return -1;
}

int TStrings::IndexOfObject(const TObject* object) const {
    for (int i = 0; i < Count(); ++i)
        if (items_[i].Object == object) return i;
    return -1;
}

std::string TStrings::Text() const {
    std::string out;
    for (const Item& item : items_) out += item.Text + "\r\n";
    return out;
}

void TStrings::SetText(const std::string& text) {
    BeginUpdate();
    Clear();
    size_t i = 0;
    while (i < text.size()) {
        size_t j = i;
        while (j < text.size() && text[j] != '\r' && text[j] != '\n') ++j;
        Add(text.substr(i, j - i));
        if (j < text.size() && text[j] == '\r') ++j;
        if (j < text.size() && text[j] == '\n') ++j;
        i = j;
    }
    EndUpdate();
}

std::string TStrings::CommaText() const {
    std::string out;
    for (int i = 0; i < Count(); ++i) {
        if (i) out += ',';
        const std::string& s = items_[i].Text;
        bool quote = s.empty() || s.find_first_of(" ,\"") != std::string::npos;
        if (!quote) {
            out += s;
            continue;
        }
        out += '"';
        for (char c : s) {
            if (c == '"') out += '"';
            out += c;
        }
        out += '"';
    }
    return out;
}

void TStrings::SetCommaText(const std::string& text) {
    BeginUpdate();
    Clear();
    size_t i = 0;
    auto skipBlanks = [&] { while (i < text.size() && text[i] > 0 && text[i] <= ' ') ++i; };
    skipBlanks();
    while (i < text.size()) {
        std::string item;
        if (text[i] == '"') {
            ++i;
            while (i < text.size()) {
                if (text[i] == '"') {
                    if (i + 1 < text.size() && text[i + 1] == '"') {
                        item += '"';
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                item += text[i++];
            }
        } else {
            while (i < text.size() && text[i] != ',' && !(text[i] > 0 && text[i] <= ' ')) item += text[i++];
        }
        Add(item);
        skipBlanks();
        if (i < text.size() && text[i] == ',') {
            ++i;
            skipBlanks();
            if (i >= text.size()) Add("");
        }
    }
    EndUpdate();
}

std::string TStrings::Names(int index) const {
    const std::string& s = Strings(index);
    size_t eq = s.find('=');
    return eq == std::string::npos ? s : s.substr(0, eq);
}

std::string TStrings::Values(const std::string& name) const {
    int i = IndexOfName(name);
    if (i < 0) return {};
    const std::string& s = items_[i].Text;
    return s.substr(s.find('=') + 1);
}

void TStrings::SetValue(const std::string& name, const std::string& value) {
    int i = IndexOfName(name);
    if (value.empty()) {
        if (i >= 0) Delete(i);
    } else if (i >= 0) {
        Put(i, name + "=" + value);
    } else {
        Add(name + "=" + value);
    }
}

std::vector<std::string> TStrings::ToVector() const {
    std::vector<std::string> out;
    for (const Item& item : items_) out.push_back(item.Text);
    return out;
}

void TStrings::Assign(const TPersistent* source) {
    if (auto other = dynamic_cast<const TStrings*>(source)) {
        if (other == this) return;
        BeginUpdate();
        Clear();
        AddStrings(*other);
        EndUpdate();
        return;
    }
    TPersistent::Assign(source);
}

bool TStrings::Equals(const TStrings& other) const {
    if (Count() != other.Count()) return false;
    for (int i = 0; i < Count(); ++i)
        if (items_[i].Text != other.items_[i].Text) return false;
    return true;
}

void TStrings::Changing() {
    if (updateCount_ == 0) OnChanging(this);
}

void TStrings::Changed() {
    if (updateCount_ == 0) OnChange(this);
}

void TStrings::EndUpdate() {
    if (updateCount_ > 0 && --updateCount_ == 0) Changed();
}

// ---------------------------------------------------------------- TStringList

KW_BEGIN_CLASS(TStringList, TStrings)
KW_END_CLASS(TStringList)

int TStringList::Compare(const std::string& a, const std::string& b) const {
    return caseSensitive_ ? a.compare(b) : CompareText(a, b);
}

bool TStringList::Find(const std::string& s, int& index) const {
    int lo = 0, hi = Count() - 1;
    bool found = false;
    while (lo <= hi) {
        int mid = (lo + hi) / 2;
        int c = Compare(items_[mid].Text, s);
        if (c < 0) {
            lo = mid + 1;
        } else {
            hi = mid - 1;
            if (c == 0) {
                found = true;
                if (duplicates_ != dupAccept) lo = mid;
            }
        }
    }
    index = lo;
    return found;
}

int TStringList::Add(const std::string& s) {
    if (!sorted_) return TStrings::Add(s);
    int index;
    if (Find(s, index)) {
        if (duplicates_ == dupIgnore) return index;
        if (duplicates_ == dupError) throw EListError("String list does not allow duplicates");
    }
    TStrings::Insert(index, s);
    return index;
}

void TStringList::Insert(int index, const std::string& s) {
    if (sorted_) throw EListError("Operation not allowed on sorted list");
    TStrings::Insert(index, s);
}

void TStringList::Put(int index, const std::string& s) {
    if (sorted_) throw EListError("Operation not allowed on sorted list");
    TStrings::Put(index, s);
}

int TStringList::IndexOf(const std::string& s) const {
    if (!sorted_) {
        for (int i = 0; i < Count(); ++i)
            if (Compare(items_[i].Text, s) == 0) return i;
        return -1;
    }
    int index;
    return Find(s, index) ? index : -1;
}

void TStringList::SetSorted(bool sorted) {
    if (sorted == sorted_) return;
    if (sorted) Sort();
    sorted_ = sorted;
}

void TStringList::Sort() {
    CustomSort([](const TStringList& list, int a, int b) { return list.Compare(list[a], list[b]); });
}

void TStringList::CustomSort(const std::function<int(const TStringList&, int, int)>& compare) {
    if (Count() < 2) return;
    Changing();
    // Sort an index permutation so the comparison sees the list as it is.
    std::vector<int> order(Count());
    for (int i = 0; i < Count(); ++i) order[i] = i;
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return compare(*this, a, b) < 0; });
    std::vector<Item> sorted;
    for (int i : order) sorted.push_back(items_[i]);
    items_ = std::move(sorted);
    Changed();
}

// ---------------------------------------------------------------- collections

KW_BEGIN_CLASS(TCollectionItem, TPersistent)
KW_END_CLASS(TCollectionItem)

TCollectionItem::TCollectionItem(TCollection* collection) : collection_(collection) {}

TCollectionItem::~TCollectionItem() {
    if (collection_) {
        auto& items = collection_->items_;
        items.erase(std::remove(items.begin(), items.end(), this), items.end());
        collection_->Changed(nullptr);
    }
}

int TCollectionItem::Index() const {
    if (!collection_) return -1;
    auto& items = collection_->items_;
    return static_cast<int>(std::find(items.begin(), items.end(), this) - items.begin());
}

void TCollectionItem::SetIndex(int index) {
    int cur = Index();
    if (!collection_ || cur == index || index < 0 || index >= collection_->Count()) return;
    auto& items = collection_->items_;
    items.erase(items.begin() + cur);
    items.insert(items.begin() + index, this);
    collection_->Changed(nullptr);
}

void TCollectionItem::Changed(bool allItems) {
    if (collection_) collection_->Changed(allItems ? nullptr : this);
}

KW_BEGIN_CLASS(TCollection, TPersistent)
KW_END_CLASS(TCollection)

TCollection::TCollection(TPersistent* owner, ItemFactory factory) : owner_(owner), factory_(std::move(factory)) {}

TCollection::~TCollection() {
    updateCount_ = 1;  // no notifications while going
    while (!items_.empty()) delete items_.back();
}

TCollectionItem* TCollection::Items(int index) const {
    if (index < 0 || index >= Count()) throw EListError("List index out of bounds (" + std::to_string(index) + ")");
    return items_[index];
}

TCollectionItem* TCollection::Add() { return Insert(Count()); }

TCollectionItem* TCollection::Insert(int index) {
    if (index < 0 || index > Count()) throw EListError("List index out of bounds (" + std::to_string(index) + ")");
    TCollectionItem* item = factory_(this);
    item->collection_ = this;
    items_.insert(items_.begin() + index, item);
    Changed(nullptr);
    return item;
}

void TCollection::Delete(int index) { delete Items(index); }

void TCollection::Clear() {
    if (items_.empty()) return;
    BeginUpdate();
    while (!items_.empty()) delete items_.back();
    EndUpdate();
}

void TCollection::EndUpdate() {
    if (updateCount_ > 0 && --updateCount_ == 0) Changed(nullptr);
}

void TCollection::Changed(TCollectionItem* item) {
    if (updateCount_ == 0) Update(item);
}

void TCollection::Update(TCollectionItem* item) {
    if (OnUpdate) OnUpdate(item);
}

void TCollection::Assign(const TPersistent* source) {
    auto other = dynamic_cast<const TCollection*>(source);
    if (!other) return TPersistent::Assign(source);
    if (other == this) return;
    BeginUpdate();
    Clear();
    for (TCollectionItem* item : other->items_) Add()->Assign(item);
    EndUpdate();
}

}  // namespace kw
