// The component model: persistent objects, components with owners and
// names, string lists and collections.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/TypInfo.h"

namespace kw {

// Raised for a name that is not an identifier or that the owner already holds.
class EComponentError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};
// Raised for an index outside a list.
class EListError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};
// Raised for an operation the object's state does not allow.
class EInvalidOperation : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class TPersistent : public TObject {
    KW_CLASS(TPersistent)
public:
    // Copies the contents of Source; raises EPropertyError ("Cannot assign
    // a X to a Y") when the classes do not fit.
    virtual void Assign(const TPersistent* source);

protected:
    virtual void AssignTo(TPersistent* dest) const;
};

// Component states (bits of TComponentState).
enum TComponentStateBit : uint32_t {
    csLoading = 1u << 0,
    csReading = 1u << 1,
    csWriting = 1u << 2,
    csDestroying = 1u << 3,
    csDesigning = 1u << 4,
    csAncestor = 1u << 5,
    csUpdating = 1u << 6,
    csFixups = 1u << 7,
    csFreeNotification = 1u << 8,
    csInline = 1u << 9,
    csDesignInstance = 1u << 10,
};
using TComponentState = uint32_t;
const TTypeInfo* TypeComponentState();

enum TOperation { opInsert, opRemove };

class TComponent : public TPersistent {
    KW_CLASS(TComponent)
public:
    explicit TComponent(TComponent* owner);
    ~TComponent() override;

    const std::string& Name() const { return name_; }
    virtual void SetName(const std::string& name);
    TComponent* Owner() const { return owner_; }
    int ComponentCount() const { return static_cast<int>(components_.size()); }
    TComponent* Components(int index) const;
    const std::vector<TComponent*>& ComponentList() const { return components_; }
    int ComponentIndex() const;
    int64_t Tag() const { return tag_; }
    void SetTag(int64_t tag) { tag_ = tag; }
    TComponentState ComponentState() const { return state_; }
    bool HasState(TComponentState bits) const { return (state_ & bits) == bits; }

    // An owned component by name (case-insensitive), or none.
    TComponent* FindComponent(const std::string& name) const;
    template <class T>
    T* Find(const std::string& name) const {
        return dynamic_cast<T*>(FindComponent(name));
    }

    void InsertComponent(TComponent* component);
    void RemoveComponent(TComponent* component);
    void DestroyComponents();
    // Asks to be told (Notification with opRemove) when Component goes.
    void FreeNotification(TComponent* component);
    void RemoveFreeNotification(TComponent* component);
    // Destroys the component: BeforeDestruction (destroying state, owned
    // components freed, owner and watchers told), then the destructors.
    void Free();
    virtual void BeforeDestruction();

    // The component that holds this one in a form text (a control's parent,
    // a menu item's menu); the reader calls SetParentComponent.
    virtual TComponent* GetParentComponent() const { return nullptr; }
    virtual bool HasParent() const { return false; }
    virtual void SetParentComponent(TComponent* parent) {}

    // Loading: the reader sets the loading and reading states and calls
    // Loaded once all components of the text were read.
    void SetLoadingState(bool loading);
    void SetReadingState(bool reading);
    void SetDesigning(bool designing);
    virtual void Loaded();
    void SetAncestor(bool ancestor);

protected:
    virtual void Notification(TComponent* component, TOperation operation);
    virtual void ValidateRename(TComponent* component, const std::string& oldName, const std::string& newName);
    TComponentState state_ = 0;

private:
    void Insert(TComponent* component);
    void Remove(TComponent* component);
    std::string name_;
    TComponent* owner_ = nullptr;
    std::vector<TComponent*> components_;
    std::vector<TComponent*> freeNotifies_;
    int64_t tag_ = 0;
};

bool IsValidIdent(const std::string& name);

// A list of byte strings with an optional object per line.
class TStrings : public TPersistent {
    KW_CLASS(TStrings)
public:
    TStrings() = default;
    int Count() const { return static_cast<int>(items_.size()); }
    const std::string& Strings(int index) const;
    const std::string& operator[](int index) const { return Strings(index); }
    virtual void Put(int index, const std::string& s);
    TObject* Objects(int index) const;
    void PutObject(int index, TObject* object);

    virtual int Add(const std::string& s);
    int AddObject(const std::string& s, TObject* object);
    virtual void Insert(int index, const std::string& s);
    void InsertObject(int index, const std::string& s, TObject* object);
    virtual void Delete(int index);
    virtual void Clear();
    void Exchange(int a, int b);
    void Move(int from, int to);
    void AddStrings(const TStrings& other);
    // Case-insensitive, as the platform's lists compare.
    virtual int IndexOf(const std::string& s) const;
    int IndexOfName(const std::string& name) const;
    int IndexOfObject(const TObject* object) const;

    // All lines, each followed by "\r\n"; setting splits at CR, LF or CR LF.
    std::string Text() const;
    void SetText(const std::string& text);
    // Lines separated by ",", quoted with '"' when they hold blanks or commas.
    std::string CommaText() const;
    void SetCommaText(const std::string& text);
    // name=value lines.
    std::string Names(int index) const;
    std::string Values(const std::string& name) const;
    void SetValue(const std::string& name, const std::string& value);

    std::vector<std::string> ToVector() const;
    void Assign(const TPersistent* source) override;
    void BeginUpdate() { ++updateCount_; }
    void EndUpdate();
    int UpdateCount() const { return updateCount_; }
    bool Equals(const TStrings& other) const;

    TNotifyEvent OnChange;
    TNotifyEvent OnChanging;

protected:
    struct Item {
        std::string Text;
        TObject* Object = nullptr;
    };
    void Changing();
    virtual void Changed();
    void CheckIndex(int index) const;
    std::vector<Item> items_;

private:
    int updateCount_ = 0;
};

enum TDuplicates { dupIgnore, dupAccept, dupError };

class TStringList : public TStrings {
    KW_CLASS(TStringList)
public:
    TStringList() = default;
    int Add(const std::string& s) override;
    void Insert(int index, const std::string& s) override;
    void Put(int index, const std::string& s) override;
    int IndexOf(const std::string& s) const override;
    // Position of s in a sorted list; true when found.
    bool Find(const std::string& s, int& index) const;
    bool Sorted() const { return sorted_; }
    void SetSorted(bool sorted);
    TDuplicates Duplicates() const { return duplicates_; }
    void SetDuplicates(TDuplicates d) { duplicates_ = d; }
    bool CaseSensitive() const { return caseSensitive_; }
    void SetCaseSensitive(bool value) { caseSensitive_ = value; }
    void Sort();
    void CustomSort(const std::function<int(const TStringList&, int, int)>& compare);

private:
    int Compare(const std::string& a, const std::string& b) const;
    bool sorted_ = false;
    bool caseSensitive_ = false;
    TDuplicates duplicates_ = dupIgnore;
};

class TCollection;

class TCollectionItem : public TPersistent {
    KW_CLASS(TCollectionItem)
public:
    explicit TCollectionItem(TCollection* collection);
    ~TCollectionItem() override;
    TCollection* Collection() const { return collection_; }
    int Index() const;
    void SetIndex(int index);
    virtual std::string DisplayName() const { return ClassName(); }

protected:
    // Tells the collection (and through it the owner) that this item changed.
    void Changed(bool allItems = false);

private:
    friend class TCollection;
    TCollection* collection_ = nullptr;
};

// An owned list of items of one class; the owner hears of every change.
class TCollection : public TPersistent {
    KW_CLASS(TCollection)
public:
    using ItemFactory = std::function<TCollectionItem*(TCollection*)>;
    TCollection(TPersistent* owner, ItemFactory factory);
    ~TCollection() override;

    int Count() const { return static_cast<int>(items_.size()); }
    TCollectionItem* Items(int index) const;
    TCollectionItem* Add();
    TCollectionItem* Insert(int index);
    void Delete(int index);
    void Clear();
    void BeginUpdate() { ++updateCount_; }
    void EndUpdate();
    int UpdateCount() const { return updateCount_; }
    TPersistent* Owner() const { return owner_; }
    void Assign(const TPersistent* source) override;

    std::function<void(TCollectionItem*)> OnUpdate;  // item or none for all

protected:
    virtual void Update(TCollectionItem* item);

private:
    friend class TCollectionItem;
    void Changed(TCollectionItem* item);
    TPersistent* owner_;
    ItemFactory factory_;
    std::vector<TCollectionItem*> items_;
    int updateCount_ = 0;
};

// A typed view of a collection's items.
template <class T>
T* CollectionItem(const TCollection& c, int index) {
    return static_cast<T*>(c.Items(index));
}

}  // namespace kw
