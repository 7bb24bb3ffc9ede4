#include <memory>
#include <vector>

#include <gtest/gtest.h>

#include "foundation/lists.h"
#include "tracked_object.h"

namespace {

using Ints = std::vector<int>;

class LinkedListTest : public ::testing::Test {
 protected:
  std::unique_ptr<TdvObject> Make(int tag) { return std::make_unique<TrackedObject>(&live_, tag); }

  // Reads the list from head to tail through the cursor, as the program does.
  static Ints Tags(LList& list) {
    Ints tags;
    for (TdvObject* at = list.First(); at != nullptr; at = list.Next()) {
      tags.push_back(TagOf(at));
    }
    return tags;
  }

  LList Filled(std::initializer_list<int> tags) {
    LList list;
    for (int tag : tags) {
      list.Append(Make(tag));
    }
    return list;
  }

  int live_ = 0;
};

TEST_F(LinkedListTest, CursorOnAnEmptyListAndAtTheEnds) {
  LList empty;
  EXPECT_EQ(empty.Count(), 0);
  EXPECT_EQ(empty.Current(), nullptr);
  EXPECT_EQ(empty.Next(), nullptr);
  EXPECT_EQ(empty.Prev(), nullptr);
  EXPECT_TRUE(empty.IsFirst() && empty.IsLast());
  EXPECT_EQ(empty.First(), nullptr);
  EXPECT_FALSE(empty.Seek(0));
  EXPECT_EQ(empty.Detach(), nullptr);

  LList list = Filled({1, 2});
  list.Last();
  EXPECT_EQ(list.Next(), nullptr);
  EXPECT_EQ(TagOf(list.Current()), 2);
  EXPECT_TRUE(list.IsLast() && !list.IsFirst());
  EXPECT_EQ(TagOf(list.Prev()), 1);
  EXPECT_EQ(list.Prev(), nullptr);
  EXPECT_TRUE(list.IsFirst());
  list.Last();
  EXPECT_EQ(list.Count(), 2);  // counting leaves the cursor on the head
  EXPECT_EQ(TagOf(list.Current()), 1);
}

TEST_F(LinkedListTest, InsertionsPlaceTheNodeAndMoveTheCursorOntoIt) {
  LList list;
  list.InsertBefore(Make(5));  // an empty list takes it as its only node
  EXPECT_EQ(TagOf(list.Current()), 5);
  list.InsertAfter(Make(7));  // after the tail: the new tail
  EXPECT_TRUE(list.IsLast());
  list.InsertBefore(Make(6));
  EXPECT_EQ(TagOf(list.Current()), 6);
  list.First();
  list.InsertBefore(Make(4));  // on the first node: a new head
  EXPECT_TRUE(list.IsFirst());
  list.Last();
  list.PushFront(Make(3));
  EXPECT_EQ(TagOf(list.Current()), 3);
  list.Last();
  list.InsertAfter(Make(8));
  EXPECT_EQ(Tags(list), (Ints{3, 4, 5, 6, 7, 8}));
  LList other;
  other.InsertAfter(Make(1));
  EXPECT_EQ(other.Count(), 1);
}

TEST_F(LinkedListTest, RemovingAndDetachingFreeOnlyWhatTheListGivesUp) {
  {
    LList list = Filled({1, 2, 3, 4});
    list.Seek(1);
    list.RemoveCurrent();
    EXPECT_EQ(TagOf(list.Current()), 3);  // the following node
    EXPECT_EQ(live_, 3);
    list.Last();
    list.RemoveCurrent();
    EXPECT_EQ(TagOf(list.Current()), 3);  // the new last node
    std::unique_ptr<TdvObject> taken = list.Detach();
    EXPECT_EQ(TagOf(taken.get()), 3);
    EXPECT_EQ(live_, 2);
    EXPECT_EQ(Tags(list), (Ints{1}));
    list.RemoveCurrent();
    EXPECT_EQ(list.Current(), nullptr);
    list.RemoveCurrent();  // nothing under the cursor: nothing happens
    EXPECT_EQ(live_, 1);
    list.Append(Make(9));
    list.Append(Make(10));
    list.Clear();
    EXPECT_EQ(list.Current(), nullptr);
    EXPECT_EQ(live_, 1);
    list.Append(Make(11));
  }
  EXPECT_EQ(live_, 0);
}

TEST_F(LinkedListTest, SeekCountsFromZeroAndRefusesOutsidePositions) {
  LList list = Filled({10, 11, 12});
  EXPECT_TRUE(list.Seek(2));
  EXPECT_EQ(TagOf(list.Current()), 12);
  EXPECT_TRUE(list.Seek(0));
  EXPECT_EQ(TagOf(list.Current()), 10);
  EXPECT_FALSE(list.Seek(3));
  EXPECT_FALSE(list.Seek(-1));
}

TEST_F(LinkedListTest, CopiesAreDeepAndMovesKeepTheCursor) {
  LList source = Filled({1, 2});
  LList target = Filled({7, 8, 9});
  target = source;
  EXPECT_EQ(Tags(target), (Ints{1, 2}));
  EXPECT_EQ(live_, 4);
  static_cast<TrackedObject*>(target.First())->set_tag(50);
  EXPECT_EQ(Tags(source), (Ints{1, 2}));
  LList constructed(source);
  EXPECT_EQ(Tags(constructed), (Ints{1, 2}));
  EXPECT_EQ(live_, 6);
  target = target;
  EXPECT_EQ(Tags(target), (Ints{50, 2}));

  source.Seek(1);
  LList moved(std::move(source));
  EXPECT_EQ(TagOf(moved.Current()), 2);
  LList assigned = Filled({9});
  assigned = std::move(moved);
  EXPECT_EQ(TagOf(assigned.Current()), 2);
  EXPECT_EQ(live_, 6);
}

TEST_F(LinkedListTest, AppendCopiesAddsAtTheEndAndCopesWithItself) {
  LList list = Filled({1, 2});
  LList more = Filled({3});
  list.First();
  list.AppendCopies(more);
  EXPECT_EQ(TagOf(list.Current()), 3);
  list.AppendCopies(list);
  EXPECT_EQ(Tags(list), (Ints{1, 2, 3, 1, 2, 3}));
  EXPECT_EQ(live_, 7);
}

// Inherits TdvInt::Clone, which makes a plain TdvInt.
class UncopiedInt : public TdvInt {};

TEST(TypedLinkedListTest, CopiesHoldOneElementTypeOrAnEmptySlot) {
  TdvLList<TdvInt> ids;
  ids.Append(std::make_unique<TdvInt>(4));
  ids.Append(std::make_unique<TdvInt>(8));
  TdvLList<TdvInt> copy(ids);
  copy.First()->value = 5;
  EXPECT_EQ(ids.First()->value, 4);
  EXPECT_EQ(copy.Next()->value, 8);

  TdvLList<UncopiedInt> list;
  list.Append(std::make_unique<UncopiedInt>());
  TdvLList<UncopiedInt> uncopied(list);
  EXPECT_EQ(uncopied.Count(), 1);
  EXPECT_EQ(uncopied.First(), nullptr);
}

LList Ids(std::initializer_list<int> ids) {
  LList list;
  for (int id : ids) {
    list.Append(std::make_unique<TdvInt>(id));
  }
  return list;
}

TEST(IdListTest, FindIntPutsCursorOnFirstMatchPastEmptySlots) {
  LList ids = Ids({3, 9, 4, 9});
  ASSERT_TRUE(ids.FindInt(9));
  TdvObject* found = ids.Current();
  ids.Seek(1);
  EXPECT_EQ(found, ids.Current());
  ids.Seek(3);
  EXPECT_TRUE(ids.FindInt(9));
  EXPECT_FALSE(ids.IsLast());
  EXPECT_FALSE(ids.FindInt(7));
  EXPECT_FALSE(LList().FindInt(0));
  LList gaps;
  gaps.Append(nullptr);
  gaps.Append(std::make_unique<TdvInt>(6));
  EXPECT_TRUE(gaps.FindInt(6));
}

TEST(IdListTest, CopyIdListReplacesTargetWithIdsInOrder) {
  LList target = Ids({99});
  CopyIdList(target, Ids({-1, 12, 5}));
  Ints ids;
  for (const TdvObject* element : target) {
    ids.push_back(static_cast<const TdvInt*>(element)->value);
  }
  EXPECT_EQ(ids, (Ints{-1, 12, 5}));
  CopyIdList(target, LList());
  EXPECT_EQ(target.Count(), 0);
}

TEST(ObjectTest, BoxedIntAnswersForItsClassAndClonesItsValue) {
  TdvInt boxed(-19);
  EXPECT_TRUE(boxed.IsA(0) && boxed.IsA(TdvInt::kClassCode));
  EXPECT_FALSE(boxed.IsA(2) || TdvObject().IsA(1));
  std::unique_ptr<TdvObject> copy = boxed.Clone();
  ASSERT_TRUE(copy->IsA(TdvInt::kClassCode));
  EXPECT_EQ(static_cast<TdvInt*>(copy.get())->value, -19);
}

}  // namespace
