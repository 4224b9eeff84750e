// Component ownership, names and free notification.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/component.h"
#include "core/exceptions.h"

using namespace tv;

namespace {

std::vector<std::string> events;

// Logs its destruction and the notices it receives, and keeps a reference
// that free notification must clear.
class TProbe : public TComponent {
    TV_CLASS(TProbe, TComponent)
public:
    explicit TProbe(TComponent* owner = nullptr, std::string tag = {}) : TComponent(owner), label(std::move(tag)) {}
    ~TProbe() override {
        // Reading a freed partner here would be caught by the sanitizer.
        auto* other = dynamic_cast<TProbe*>(watched);
        events.push_back("free " + label + (other ? " watching " + other->label : ""));
    }

    void Watch(TComponent* other) {
        watched = other;
        if (other) other->FreeNotification(this);
    }

    std::string label;
    TComponent* watched = nullptr;
    int inserts = 0, removes = 0;
    bool sawDestroying = false;

protected:
    void Notification(TComponent* component, TOperation operation) override {
        TComponent::Notification(component, operation);
        if (operation == opInsert) ++inserts;
        if (operation == opRemove) {
            ++removes;
            if (component == watched) {
                sawDestroying = component->ComponentState().Contains(csDestroying);
                watched = nullptr;
            }
        }
    }
};

class Components : public ::testing::Test {
protected:
    void SetUp() override { events.clear(); }
};

TEST_F(Components, AnOwnerKeepsCreationOrderAndFreesTheOwnedLastFirst) {
    auto* owner = new TProbe(nullptr, "owner");
    auto* a = new TProbe(owner, "a");
    auto* b = new TProbe(owner, "b");
    auto* c = new TProbe(a, "c");
    ASSERT_EQ(owner->ComponentCount(), 2);
    EXPECT_EQ(owner->Components(0), a);
    EXPECT_EQ(owner->Components(1), b);
    EXPECT_EQ(b->ComponentIndex(), 1);
    EXPECT_EQ(c->Owner(), a);
    delete owner;
    // A component's own destructor runs before it frees what it owns.
    EXPECT_EQ(events, (std::vector<std::string>{"free owner", "free b", "free a", "free c"}));
}

TEST_F(Components, FreeingAComponentLeavesItsOwnerAndTellsTheSiblings) {
    TProbe owner(nullptr, "owner");
    auto* a = new TProbe(&owner, "a");
    auto* b = new TProbe(&owner, "b");
    EXPECT_EQ(a->inserts, 1);  // b's arrival
    delete b;
    EXPECT_EQ(owner.ComponentCount(), 1);
    EXPECT_EQ(owner.removes, 1);
    EXPECT_EQ(a->removes, 1);
}

TEST_F(Components, ComponentsInsertedOrFreedTogetherAreAnnouncedOnlyToThoseThatStay) {
    TProbe owner(nullptr, "owner");
    auto* staying = new TProbe(&owner, "staying");
    auto* a = new TProbe(nullptr, "a");
    auto* b = new TProbe(nullptr, "b");
    auto* c = new TProbe(nullptr, "c");
    c->SetName("Taken");
    auto* clash = new TProbe(nullptr, "clash");
    clash->SetName("taken");
    owner.InsertComponents({a, b});
    EXPECT_EQ(owner.ComponentCount(), 3);
    EXPECT_EQ(owner.Components(2), b);
    EXPECT_EQ(owner.inserts, 3);  // staying, a and b
    EXPECT_EQ(staying->inserts, 2);
    EXPECT_EQ(a->inserts + b->inserts, 0);
    // A name already taken stops the insertion there; those before it are in and announced.
    EXPECT_THROW(owner.InsertComponents({c, clash}), EComponentError);
    EXPECT_EQ(c->Owner(), &owner);
    EXPECT_EQ(clash->Owner(), nullptr);
    EXPECT_EQ(staying->inserts, 3);
    delete clash;
    events.clear();

    // A watch across the freed ones is still cleared by free notification.
    a->Watch(b);
    staying->Watch(b);
    owner.DestroyComponents({b, a, &owner});  // the owner itself is not one it owns
    EXPECT_EQ(events, (std::vector<std::string>{"free b", "free a"}));
    EXPECT_EQ(owner.ComponentCount(), 2);
    EXPECT_EQ(owner.removes, 2);
    EXPECT_EQ(staying->removes, 2);
    EXPECT_EQ(staying->watched, nullptr);
    EXPECT_EQ(c->removes, 2);
}

TEST_F(Components, FreeNotificationClearsAReferenceAcrossOwners) {
    TProbe form1(nullptr, "form1");
    auto* module = new TProbe(nullptr, "module");
    auto* source = new TProbe(module, "source");
    auto* grid = new TProbe(&form1, "grid");
    grid->Watch(source);
    delete module;  // frees source as well
    EXPECT_EQ(grid->watched, nullptr);
    EXPECT_TRUE(grid->sawDestroying);
}

TEST_F(Components, AReferenceBetweenSiblingsIsClearedWhileTheOwnerIsFreed) {
    // Freed last first: b goes before a, and a must not keep a dangling b.
    auto* owner = new TProbe(nullptr, "owner");
    auto* a = new TProbe(owner, "a");
    auto* b = new TProbe(owner, "b");
    a->Watch(b);
    delete owner;
    EXPECT_EQ(events, (std::vector<std::string>{"free owner", "free b", "free a"}));
}

TEST_F(Components, RemoveFreeNotificationStopsTheNotice) {
    TProbe a(nullptr, "a");
    auto* b = new TProbe(nullptr, "b");
    a.Watch(b);
    b->RemoveFreeNotification(&a);
    delete b;
    EXPECT_NE(a.watched, nullptr);  // not told: the reference is the caller's business now
    EXPECT_EQ(a.removes, 0);
    a.watched = nullptr;
}

TEST_F(Components, NamesAreValidIdentifiersUniqueWithinTheOwner) {
    TProbe owner;
    auto* a = new TProbe(&owner);
    auto* b = new TProbe(&owner);
    a->SetName("Button1");
    EXPECT_EQ(owner.FindComponent("BUTTON1"), a);
    EXPECT_EQ(owner.FindComponent(""), nullptr);
    try {
        b->SetName("button1");
        FAIL() << "no exception";
    } catch (const EComponentError& e) {
        EXPECT_EQ(e.Message(), "A component named button1 already exists");
    }
    for (const char* bad : {"1abc", "con espacio", "año", "a-b"}) {
        try {
            b->SetName(bad);
            FAIL() << bad;
        } catch (const EComponentError& e) {
            EXPECT_EQ(e.Message(), std::string("'") + bad + "' is not a valid component name");
        }
    }
    EXPECT_EQ(b->Name(), "");
    a->SetName("BUTTON1");  // a change of case only is allowed
    EXPECT_EQ(a->Name(), "BUTTON1");
    b->SetName("_Edit2");
    a->SetName("");
    b->SetName("Edit3");
}

TEST_F(Components, InsertingANamedComponentChecksTheNewOwnersNames) {
    TProbe first, second;
    auto* a = new TProbe(&first);
    a->SetName("Same");
    auto* other = new TProbe(&second);
    other->SetName("Same");
    EXPECT_THROW(second.InsertComponent(a), EComponentError);
    EXPECT_EQ(a->Owner(), &first);
    first.RemoveComponent(a);
    EXPECT_EQ(a->Owner(), nullptr);
    EXPECT_EQ(first.ComponentCount(), 0);
    a->SetName("Moved");
    second.InsertComponent(a);
    EXPECT_EQ(a->Owner(), &second);
    EXPECT_EQ(second.Components(1), a);
    EXPECT_THROW(second.Components(2), EListError);
}

TEST_F(Components, DesigningSpreadsToOwnedComponents) {
    TProbe owner;
    owner.SetDesigning(true);
    auto* a = new TProbe(&owner);
    EXPECT_TRUE(a->ComponentState().Contains(csDesigning));
    owner.SetDesigning(false);
    EXPECT_FALSE(a->ComponentState().Contains(csDesigning));
}

TEST_F(Components, NamePathAndTag) {
    TProbe owner;
    auto* a = new TProbe(&owner);
    a->SetName("Grid1");
    a->SetTag(7);
    EXPECT_EQ(a->GetNamePath(), "Grid1");
    EXPECT_EQ(a->GetOwner(), &owner);
    EXPECT_EQ(a->Tag(), 7);
}

} // namespace
