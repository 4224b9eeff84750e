// Collections: items, moves, ids, assignment and the counting of updates.
#include <gtest/gtest.h>

#include "components/fixtures.h"
#include "core/collection.h"
#include "core/exceptions.h"

using namespace tv;
using fx::TTestItem;

namespace {

// Records every Update call: the item, or null for the whole collection.
class TRecordingCollection : public TCollection {
    TV_CLASS(TRecordingCollection, TCollection)
public:
    TRecordingCollection() : TCollection(TTestItem::StaticClass()) {}
    std::vector<TCollectionItem*> updates;
    std::vector<std::pair<TCollectionItem*, TCollectionNotification>> notices;

protected:
    void Update(TCollectionItem* item) override { updates.push_back(item); }
    void Notify(TCollectionItem* item, TCollectionNotification action) override { notices.emplace_back(item, action); }
};

// An item class whose only constructor names the collection.
class TStrictItem : public TCollectionItem {
    TV_CLASS(TStrictItem, TCollectionItem)
public:
    explicit TStrictItem(TCollection* collection) : TCollectionItem(collection) {}
};

TTestItem* Item(TCollection& c, int i) { return dynamic_cast<TTestItem*>(c.Items(i)); }

TEST(Collection, UpdatesInsideBeginEndCollapseIntoOneAtTheLastEnd) {
    TRecordingCollection c;
    auto* a = dynamic_cast<TTestItem*>(c.Add());
    ASSERT_NE(a, nullptr);
    ASSERT_EQ(c.updates.size(), 1u);
    EXPECT_EQ(c.updates[0], nullptr);
    a->SetCaption("x");
    ASSERT_EQ(c.updates.size(), 2u);
    EXPECT_EQ(c.updates[1], a);  // a change of one item names it

    c.updates.clear();
    c.BeginUpdate();
    c.BeginUpdate();
    c.Add();
    a->SetCaption("y");
    c.Delete(0);
    c.EndUpdate();
    EXPECT_TRUE(c.updates.empty());
    EXPECT_EQ(c.UpdateCount(), 1);
    c.EndUpdate();
    EXPECT_EQ(c.updates, (std::vector<TCollectionItem*>{nullptr}));
    EXPECT_EQ(c.Count(), 1);
}

TEST(Collection, IndexMovesAndIdsStayWithTheirItems) {
    TRecordingCollection c;
    for (const char* s : {"a", "b", "c", "d"}) dynamic_cast<TTestItem*>(c.Add())->SetCaption(s);
    auto* d = Item(c, 3);
    int idOfD = d->ID();
    d->SetIndex(0);
    EXPECT_EQ(Item(c, 0)->Caption(), "d");
    EXPECT_EQ(Item(c, 1)->Caption(), "a");
    EXPECT_EQ(d->Index(), 0);
    EXPECT_EQ(c.FindItemID(idOfD), d);
    d->SetIndex(99);  // clamped to the end
    EXPECT_EQ(d->Index(), 3);

    c.Delete(0);
    auto* e = dynamic_cast<TTestItem*>(c.Add());
    EXPECT_GT(e->ID(), idOfD);  // ids are not reused
    EXPECT_EQ(c.FindItemID(0), nullptr);

    auto* inserted = c.Insert(1);
    EXPECT_EQ(inserted->Index(), 1);
    EXPECT_THROW(c.Items(c.Count()), EListError);
}

TEST(Collection, CreatesItemsOfItsItemClass) {
    TCollection c(TStrictItem::StaticClass());
    EXPECT_NE(dynamic_cast<TStrictItem*>(c.Add()), nullptr);
    EXPECT_EQ(c.Count(), 1);
    TCollection abstract(TCollectionItem::StaticClass());
    EXPECT_NE(abstract.Add(), nullptr);
}

TEST(Collection, FreeingAnItemTakesItOutWithANotice) {
    TRecordingCollection c;
    auto* a = c.Add();
    auto* b = c.Add();
    c.notices.clear();
    delete a;
    EXPECT_EQ(c.Count(), 1);
    EXPECT_EQ(c.Items(0), b);
    ASSERT_EQ(c.notices.size(), 1u);
    EXPECT_EQ(c.notices[0].second, TCollectionNotification::cnExtracting);
    c.notices.clear();
    c.Delete(0);
    ASSERT_EQ(c.notices.size(), 2u);
    EXPECT_EQ(c.notices[0].second, TCollectionNotification::cnDeleting);
}

TEST(Collection, AssignCopiesItemsAndMovingBetweenCollectionsWorks) {
    TRecordingCollection source, dest;
    dynamic_cast<TTestItem*>(source.Add())->SetCaption("uno");
    dynamic_cast<TTestItem*>(source.Add())->SetValue(2.5);
    dest.Add();
    dest.updates.clear();
    dest.Assign(&source);
    ASSERT_EQ(dest.Count(), 2);
    EXPECT_EQ(Item(dest, 0)->Caption(), "uno");
    EXPECT_EQ(Item(dest, 1)->Value(), 2.5);
    EXPECT_EQ(dest.updates, (std::vector<TCollectionItem*>{nullptr}));

    TCollectionItem* moved = source.Items(0);
    moved->SetCollection(&dest);
    EXPECT_EQ(source.Count(), 1);
    EXPECT_EQ(dest.Count(), 3);
    EXPECT_EQ(moved->Collection(), &dest);
}

TEST(Collection, NamePathFollowsTheOwnersProperty) {
    fx::RegisterFixtures();
    fx::TTestControl grid;
    grid.SetName("Grid1");
    TCollectionItem* item = grid.Items()->Add();
    grid.Items()->Add();
    EXPECT_EQ(grid.Items()->GetNamePath(), "Grid1.Items");
    EXPECT_EQ(grid.Items()->Items(1)->GetNamePath(), "Grid1.Items[1]");
    EXPECT_EQ(item->DisplayName(), "TTestItem");
    EXPECT_EQ(item->GetOwner(), grid.Items());
}

} // namespace

namespace {

TEST(Collection, EqualWhenStoredAlike) {
    fx::TTestControl a, b;
    EXPECT_TRUE(CollectionsEqual(a.Items(), b.Items()));
    dynamic_cast<TTestItem*>(a.Items()->Add())->SetCaption("x");
    EXPECT_FALSE(CollectionsEqual(a.Items(), b.Items()));
    dynamic_cast<TTestItem*>(b.Items()->Add())->SetCaption("y");
    EXPECT_FALSE(CollectionsEqual(a.Items(), b.Items()));
    dynamic_cast<TTestItem*>(b.Items()->Items(0))->SetCaption("x");
    EXPECT_TRUE(CollectionsEqual(a.Items(), b.Items()));
    TCollection plain;
    plain.Add();
    EXPECT_FALSE(CollectionsEqual(a.Items(), &plain));  // other item class
}

} // namespace
