#pragma once
// TCollection and TCollectionItem: an ordered, owned list of items of one
// class, stored in form definitions as < item ... end >. Changes are reported
// through Update; between BeginUpdate and the last EndUpdate they are deferred
// to a single Update at the end.
#include <string>
#include <vector>

#include "core/persistent.h"

namespace tv {

class TCollection;

enum class TCollectionNotification { cnAdded, cnExtracting, cnDeleting };

class TCollectionItem : public TPersistent {
    TV_CLASS(TCollectionItem, TPersistent)
public:
    // With a collection, the item adds itself to it.
    explicit TCollectionItem(TCollection* collection = nullptr);
    // Leaves its collection.
    ~TCollectionItem() override;

    TCollection* Collection() const { return collection_; }
    // Moves the item from one collection to another (or out, with null).
    virtual void SetCollection(TCollection* collection);
    int Index() const;
    // Moves the item to another position (clamped into range).
    virtual void SetIndex(int index);
    // Unique within the collection, never reused.
    int ID() const { return id_; }
    // The text a designer or list shows; the base gives the class name.
    virtual std::string DisplayName() const;
    virtual void SetDisplayName(const std::string& value);

    TPersistent* GetOwner() const override;
    std::string GetNamePath() const override;

protected:
    // Reports a change of this item (or, with allItems, of every item).
    void Changed(bool allItems);

private:
    friend class TCollection;
    TCollection* collection_ = nullptr;
    int id_ = 0;
};

class TCollection : public TPersistent {
    TV_CLASS(TCollection, TPersistent)
public:
    explicit TCollection(TClass itemClass = TCollectionItem::StaticClass());
    // Frees the items.
    ~TCollection() override;

    TClass ItemClass() const { return itemClass_; }
    int Count() const { return static_cast<int>(items_.size()); }
    // Raises EListError "List index out of bounds (%d)".
    TCollectionItem* Items(int index) const;
    // Assigns `value` to the item at that index.
    void SetItems(int index, TCollectionItem* value);

    TCollectionItem* Add();
    TCollectionItem* Insert(int index);
    void Delete(int index);
    void Clear();
    TCollectionItem* FindItemID(int id) const;
    // Items keep their classes; the source's items are assigned one by one.
    void Assign(TPersistent* source) override;

    void BeginUpdate();
    void EndUpdate();
    int UpdateCount() const { return updateCount_; }

    TPersistent* GetOwner() const override { return nullptr; }
    std::string GetNamePath() const override;
    // The name of the owner's property that holds this collection.
    std::string PropName() const;
    void SetPropName(const std::string& name) { propName_ = name; }

protected:
    // Something changed: the item, or every item when null. Called at once
    // outside updates, and once with null at the last EndUpdate.
    virtual void Update(TCollectionItem* item) {}
    virtual void Notify(TCollectionItem* item, TCollectionNotification action) {}
    // Reports a change of the whole collection.
    void Changed();
    // Called when an item's DisplayName is to be made unique (the base does nothing).
    virtual void SetItemName(TCollectionItem* item) {}

private:
    friend class TCollectionItem;
    void InsertItem(TCollectionItem* item);
    void RemoveItem(TCollectionItem* item);
    void MoveItem(int curIndex, int newIndex);

    TClass itemClass_;
    std::vector<TCollectionItem*> items_;
    int updateCount_ = 0;
    int nextId_ = 0;
    mutable std::string propName_;
};

// A collection that names an owner (a component or another persistent).
class TOwnedCollection : public TCollection {
    TV_CLASS(TOwnedCollection, TCollection)
public:
    TOwnedCollection(TPersistent* owner, TClass itemClass)
        : TCollection(itemClass), owner_(owner) {}
    TPersistent* GetOwner() const override { return owner_; }

private:
    TPersistent* owner_;
};

} // namespace tv
