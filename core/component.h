#pragma once
// TComponent: a named persistent object with an owner. An owner keeps the
// components it owns in creation order and frees them (last first) when it is
// freed; free notifications tell other components that one is going away.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "core/persistent.h"
#include "core/sets.h"

namespace tv {

enum class TOperation { opInsert, opRemove };
inline constexpr TOperation opInsert = TOperation::opInsert;
inline constexpr TOperation opRemove = TOperation::opRemove;

enum TComponentStateFlag {
    csLoading,
    csReading,
    csWriting,
    csDestroying,
    csDesigning,
    csAncestor,
    csUpdating,
    csFixups,
    csFreeNotification,
    csInline,
    csDesignInstance
};
using TComponentState = TSet<TComponentStateFlag>;

class TComponent : public TPersistent {
    TV_CLASS(TComponent, TPersistent)
public:
    explicit TComponent(TComponent* owner = nullptr);
    // Tells free-notification partners, frees the owned components (last
    // first) and leaves the owner. A derived class whose owned components
    // refer to its own members may call DestroyComponents() first thing in its
    // destructor.
    ~TComponent() override;

    static void Publish(TPublisher& p);

    TComponent* Owner() const { return owner_; }
    int ComponentCount() const { return static_cast<int>(components_.size()); }
    // Raises EListError "List index out of bounds (%d)".
    TComponent* Components(int index) const;
    // Position in the owner's list, -1 without owner.
    int ComponentIndex() const;
    void SetComponentIndex(int index);

    const std::string& Name() const { return name_; }
    // Validates the name: a valid identifier (or empty) not used by another
    // component of the same owner; raises EComponentError otherwise.
    void SetName(const std::string& name);
    std::intptr_t Tag() const { return tag_; }
    void SetTag(std::intptr_t tag) { tag_ = tag; }

    // The owned component of that name (case-insensitive), or null.
    TComponent* FindComponent(std::string_view name) const;

    void InsertComponent(TComponent* component);
    // Inserts these components, in order. This component and those it owned
    // before hear of each; the new ones do not hear of one another.
    void InsertComponents(const std::vector<TComponent*>& added);
    void RemoveComponent(TComponent* component);
    // Frees every owned component, last first.
    void DestroyComponents();
    // Frees these owned components, in order. This component and the owned
    // components that stay hear of each removal; those freed together do not
    // hear of one another, as when the owner frees all it owns.
    void DestroyComponents(const std::vector<TComponent*>& gone);
    // Marks this component and those it owns as being destroyed.
    void Destroying();

    // Asks `component` to tell this one (Notification opRemove) when it is freed,
    // and the other way round. Components of one owner also hear of each
    // other's removal through the owner, but not while the owner itself is
    // being freed: a reference used after that point needs free notification.
    void FreeNotification(TComponent* component);
    void RemoveFreeNotification(TComponent* component);

    TComponentState ComponentState() const { return state_; }
    void SetDesigning(bool value, bool setChildren = true);
    void SetAncestor(bool value);
    void SetInline(bool value);
    // State changes by the form reader and writer.
    void IncludeState(TComponentStateFlag flag) { state_.Include(flag); }
    void ExcludeState(TComponentStateFlag flag) { state_.Exclude(flag); }

    // Called once all components of a stored definition are read; clears csLoading.
    virtual void Loaded();
    // Reads this component's properties and children; a class may override it
    // to prepare the reader (handlers for obsolete properties and the like).
    virtual void ReadState(TReader& reader);

    // Children that a stored definition nests inside this component. The base
    // lists, for the root being written, the owned components without a parent.
    using TGetChildProc = std::function<void(TComponent*)>;
    virtual void GetChildren(const TGetChildProc& proc, TComponent* root);
    virtual bool HasParent() const { return false; }
    virtual TComponent* GetParentComponent() const { return nullptr; }
    // The reader gives each nested component the component it is nested in.
    virtual void SetParentComponent(TComponent* parent) {}

    TPersistent* GetOwner() const override;
    std::string GetNamePath() const override;

    // Where a designer placed a non-visual component. Stored definitions keep
    // it as "Left" and "Top"; it has no effect at run time. DesignInfo packs
    // both, Left in the low word and Top in the high word.
    int DesignLeft() const { return designLeft_; }
    int DesignTop() const { return designTop_; }
    void SetDesignPosition(int left, int top);
    std::int32_t DesignInfo() const;
    void SetDesignInfo(std::int32_t info);
    void DefineProperties(TFiler& filer) override;

protected:
    // Another component was inserted into or removed from the owner, or a
    // free-notification partner is going away. The base forwards it to the
    // owned components and forgets a removed partner.
    virtual void Notification(TComponent* component, TOperation operation);
    virtual void ValidateRename(TComponent* component, const std::string& curName, const std::string& newName);

private:
    void Insert(TComponent* component);
    void Remove(TComponent* component);

    TComponent* owner_ = nullptr;
    std::vector<TComponent*> components_;
    std::vector<TComponent*> freeNotifies_;
    // How many owned components hear of another's insertion (all but those
    // inserted together with it).
    std::size_t hearing_ = static_cast<std::size_t>(-1);
    std::string name_;
    std::intptr_t tag_ = 0;
    int designLeft_ = 0, designTop_ = 0;
    TComponentState state_;
};

// True for a name made of ASCII letters, digits and "_", not starting with a digit.
bool IsValidIdent(std::string_view name);

} // namespace tv
