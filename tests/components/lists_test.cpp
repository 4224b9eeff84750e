// TList and TObjectList.
#include <gtest/gtest.h>

#include "core/exceptions.h"
#include "core/lists.h"

using namespace tv;

namespace {

int alive = 0;
class TCounted : public TObject {
public:
    explicit TCounted(int v = 0) : value(v) { ++alive; }
    ~TCounted() override { --alive; }
    int value;
};

TEST(List, OutOfBoundsIndexesRaiseTheListError) {
    TList list;
    int x = 1;
    list.Add(&x);
    for (int bad : {-1, 1, 5}) {
        try {
            list.Items(bad);
            FAIL() << bad;
        } catch (const EListError& e) {
            EXPECT_EQ(e.Message(), "List index out of bounds (" + std::to_string(bad) + ")");
        }
    }
    EXPECT_THROW(list.Insert(2, &x), EListError);
    EXPECT_THROW(list.Delete(1), EListError);
    EXPECT_THROW(list.Move(0, 1), EListError);
    TList empty;
    EXPECT_THROW(empty.First(), EListError);
}

TEST(List, SortMoveExchangeAndPack) {
    int v[] = {3, 1, 2};
    TList list;
    for (int& i : v) list.Add(&i);
    list.Add(nullptr);
    list.Pack();
    EXPECT_EQ(list.Count(), 3);
    list.Sort([](void* a, void* b) { return *static_cast<int*>(a) - *static_cast<int*>(b); });
    EXPECT_EQ(*static_cast<int*>(list[0]), 1);
    EXPECT_EQ(*static_cast<int*>(list[2]), 3);
    list.Move(2, 0);
    EXPECT_EQ(*static_cast<int*>(list.First()), 3);
    list.Exchange(0, 2);
    EXPECT_EQ(*static_cast<int*>(list.Last()), 3);
    EXPECT_EQ(list.IndexOf(&v[0]), 2);
    EXPECT_EQ(list.Remove(&v[0]), 2);
    EXPECT_EQ(list.Remove(&v[0]), -1);
}

TEST(ObjectList, FreesWhatItOwnsButNotWhatIsExtracted) {
    alive = 0;
    {
        TObjectList list;
        auto* keep = new TCounted(1);
        list.Add(keep);
        list.Add(new TCounted(2));
        list.Add(new TCounted(3));
        EXPECT_EQ(alive, 3);
        list.Delete(1);
        EXPECT_EQ(alive, 2);
        EXPECT_EQ(list.Extract(keep), keep);
        EXPECT_EQ(alive, 2);
        delete keep;
        list.SetItems(0, new TCounted(4));  // replacing frees the old one
        EXPECT_EQ(alive, 1);
    }
    EXPECT_EQ(alive, 0);

    TCounted outside;
    {
        TObjectList borrowed(false);
        borrowed.Add(&outside);
    }
    EXPECT_EQ(alive, 1);
}

TEST(ObjectList, FindInstanceOf) {
    TObjectList list(false);
    TObject plain;
    TList inner;
    TObjectList derived;
    list.Add(&plain);
    list.Add(&derived);
    list.Add(&inner);
    EXPECT_EQ(list.FindInstanceOf(TList::StaticClass()), 2);
    EXPECT_EQ(list.FindInstanceOf(TList::StaticClass(), false), 1);
    EXPECT_EQ(list.FindInstanceOf(TList::StaticClass(), true, 3), -1);
}

} // namespace
