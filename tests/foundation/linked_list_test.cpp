#include <memory>
#include <vector>

#include <gtest/gtest.h>

#include "foundation/lists.h"
#include "tracked_object.h"

namespace {

class LinkedListTest : public ::testing::Test {
 protected:
  std::unique_ptr<TdvObject> Make(int tag) { return std::make_unique<TrackedObject>(&live_, tag); }

  // Reads the list from head to tail through the cursor, as the program does.
  static std::vector<int> Tags(LList& list) {
    std::vector<int> tags;
    if (list.First() == nullptr) {
      return tags;
    }
    do {
      tags.push_back(TagOf(list.Current()));
    } while (list.Next() != nullptr);
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

TEST_F(LinkedListTest, EmptyListHasNoCursorAndCountsZero) {
  LList list;
  EXPECT_EQ(list.Count(), 0);
  EXPECT_EQ(list.Current(), nullptr);
  EXPECT_EQ(list.Next(), nullptr);
  EXPECT_EQ(list.Prev(), nullptr);
  EXPECT_TRUE(list.IsFirst());
  EXPECT_TRUE(list.IsLast());
  EXPECT_EQ(list.First(), nullptr);
  EXPECT_EQ(list.Last(), nullptr);
}

TEST_F(LinkedListTest, CountLeavesCursorOnFirstNode) {
  LList list = Filled({1, 2, 3});
  list.Last();
  EXPECT_EQ(list.Count(), 3);
  EXPECT_EQ(TagOf(list.Current()), 1);
}

TEST_F(LinkedListTest, NextAndPrevStopAtTheEndsWithoutMovingTheCursor) {
  LList list = Filled({1, 2});
  list.Last();
  EXPECT_EQ(list.Next(), nullptr);
  EXPECT_EQ(TagOf(list.Current()), 2);
  EXPECT_TRUE(list.IsLast());
  EXPECT_FALSE(list.IsFirst());
  EXPECT_EQ(TagOf(list.Prev()), 1);
  EXPECT_EQ(list.Prev(), nullptr);
  EXPECT_EQ(TagOf(list.Current()), 1);
  EXPECT_TRUE(list.IsFirst());
}

TEST_F(LinkedListTest, InsertionsPlaceTheNodeAndMoveTheCursorOntoIt) {
  LList list;
  list.InsertBefore(Make(5));  // an empty list takes it as its only node
  EXPECT_EQ(TagOf(list.Current()), 5);
  list.InsertAfter(Make(7));  // after the tail: the new tail
  EXPECT_EQ(TagOf(list.Current()), 7);
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
  EXPECT_EQ(Tags(list), (std::vector<int>{3, 4, 5, 6, 7, 8}));

  LList other;
  other.InsertAfter(Make(1));
  EXPECT_EQ(other.Count(), 1);
}

TEST_F(LinkedListTest, RemoveCurrentMovesToFollowingOrNewLastNode) {
  LList list = Filled({1, 2, 3});
  list.Seek(1);
  list.RemoveCurrent();
  EXPECT_EQ(TagOf(list.Current()), 3);
  list.RemoveCurrent();
  EXPECT_EQ(TagOf(list.Current()), 1);
  EXPECT_TRUE(list.IsLast());
  list.RemoveCurrent();
  EXPECT_EQ(list.Current(), nullptr);
  EXPECT_EQ(list.Count(), 0);
  EXPECT_EQ(live_, 0);
  list.RemoveCurrent();  // nothing under the cursor: nothing happens
  EXPECT_EQ(list.Count(), 0);
}

TEST_F(LinkedListTest, ListFreesWhatItHolds) {
  {
    LList list = Filled({1, 2, 3, 4});
    EXPECT_EQ(live_, 4);
    list.First();
    list.RemoveCurrent();
    EXPECT_EQ(live_, 3);
    list.Clear();
    EXPECT_EQ(live_, 0);
    EXPECT_EQ(list.Current(), nullptr);
    list.Append(Make(9));
  }
  EXPECT_EQ(live_, 0);
}

TEST_F(LinkedListTest, DetachHandsTheElementOverWithoutFreeingIt) {
  LList list = Filled({1, 2, 3});
  list.Last();
  std::unique_ptr<TdvObject> taken = list.Detach();
  EXPECT_EQ(TagOf(taken.get()), 3);
  EXPECT_EQ(live_, 3);
  EXPECT_EQ(TagOf(list.Current()), 2);
  EXPECT_EQ(Tags(list), (std::vector<int>{1, 2}));

  LList empty;
  EXPECT_EQ(empty.Detach(), nullptr);
}

TEST_F(LinkedListTest, SeekCountsFromZeroAndRefusesOutsidePositions) {
  LList list = Filled({10, 11, 12});
  EXPECT_TRUE(list.Seek(2));
  EXPECT_EQ(TagOf(list.Current()), 12);
  EXPECT_TRUE(list.Seek(0));
  EXPECT_EQ(TagOf(list.Current()), 10);
  EXPECT_FALSE(list.Seek(3));
  EXPECT_FALSE(list.Seek(-1));
  LList empty;
  EXPECT_FALSE(empty.Seek(0));
}

TEST_F(LinkedListTest, CopiesAreDeepAndReplaceTheTargetContents) {
  LList source = Filled({1, 2});
  LList target = Filled({7, 8, 9});
  target = source;
  EXPECT_EQ(Tags(target), (std::vector<int>{1, 2}));
  EXPECT_EQ(live_, 4);
  target.First();
  static_cast<TrackedObject*>(target.Current())->set_tag(50);
  EXPECT_EQ(Tags(source), (std::vector<int>{1, 2}));

  LList constructed(source);
  EXPECT_EQ(Tags(constructed), (std::vector<int>{1, 2}));
  EXPECT_EQ(live_, 6);

  target = target;
  EXPECT_EQ(Tags(target), (std::vector<int>{50, 2}));
}

TEST_F(LinkedListTest, AppendCopiesAddsAtTheEndAndCopesWithItself) {
  LList list = Filled({1, 2});
  LList more = Filled({3});
  list.First();
  list.AppendCopies(more);
  EXPECT_EQ(TagOf(list.Current()), 3);
  list.AppendCopies(list);
  EXPECT_EQ(Tags(list), (std::vector<int>{1, 2, 3, 1, 2, 3}));
  EXPECT_EQ(live_, 7);
}

TEST_F(LinkedListTest, MovedListKeepsItsCursor) {
  LList list = Filled({1, 2, 3});
  list.Seek(1);
  LList moved(std::move(list));
  EXPECT_EQ(TagOf(moved.Current()), 2);
  EXPECT_EQ(TagOf(moved.Next()), 3);
  LList assigned = Filled({9});
  assigned = std::move(moved);
  EXPECT_EQ(TagOf(assigned.Current()), 3);
  EXPECT_EQ(live_, 3);
}

TEST(TypedLinkedListTest, HoldsOneElementType) {
  TdvLList<TdvInt> ids;
  ids.Append(std::make_unique<TdvInt>(4));
  ids.Append(std::make_unique<TdvInt>(8));
  TdvLList<TdvInt> copy(ids);
  copy.First();
  copy.Current()->value = 5;
  EXPECT_EQ(ids.First()->value, 4);
  EXPECT_EQ(copy.Next()->value, 8);
}

// Inherits TdvInt::Clone, which makes a plain TdvInt.
class UncopiedInt : public TdvInt {};

TEST(TypedLinkedListTest, ElementWithoutItsOwnCloneCopiesAsAnEmptySlot) {
  TdvLList<UncopiedInt> list;
  list.Append(std::make_unique<UncopiedInt>());
  TdvLList<UncopiedInt> copy(list);
  EXPECT_EQ(copy.Count(), 1);
  EXPECT_EQ(copy.First(), nullptr);
}

TEST(IdListTest, FindIntPutsCursorOnFirstMatch) {
  LList ids;
  for (int id : {3, 9, 4, 9}) {
    ids.Append(std::make_unique<TdvInt>(id));
  }
  ASSERT_TRUE(ids.FindInt(9));
  TdvObject* found = ids.Current();
  ids.Seek(1);
  EXPECT_EQ(found, ids.Current());
  ids.Seek(3);
  EXPECT_TRUE(ids.FindInt(9));
  EXPECT_FALSE(ids.IsLast());
  EXPECT_FALSE(ids.FindInt(7));
  LList empty;
  EXPECT_FALSE(empty.FindInt(0));
}

TEST(IdListTest, FindIntLooksPastEmptySlots) {
  LList ids;
  ids.Append(nullptr);
  ids.Append(std::make_unique<TdvInt>(6));
  EXPECT_TRUE(ids.FindInt(6));
}

TEST(IdListTest, CopyIdListReplacesTargetWithIdsInOrder) {
  LList source;
  for (int id : {-1, 12, 5}) {
    source.Append(std::make_unique<TdvInt>(id));
  }
  LList target;
  target.Append(std::make_unique<TdvInt>(99));
  CopyIdList(target, source);
  std::vector<int> ids;
  for (const TdvObject* element : target) {
    ids.push_back(static_cast<const TdvInt*>(element)->value);
  }
  EXPECT_EQ(ids, (std::vector<int>{-1, 12, 5}));

  CopyIdList(target, LList());
  EXPECT_EQ(target.Count(), 0);
}

TEST(ObjectTest, ClassCodesAnswerForTheClassAndItsBases) {
  TdvObject object;
  EXPECT_TRUE(object.IsA(0));
  EXPECT_FALSE(object.IsA(1));
  TdvInt boxed;
  EXPECT_EQ(boxed.value, 0);
  EXPECT_TRUE(boxed.IsA(0));
  EXPECT_TRUE(boxed.IsA(TdvInt::kClassCode));
  EXPECT_FALSE(boxed.IsA(2));
}

TEST(ObjectTest, CloneOfBoxedIntCopiesValue) {
  TdvInt boxed(-19);
  std::unique_ptr<TdvObject> copy = boxed.Clone();
  ASSERT_TRUE(copy->IsA(TdvInt::kClassCode));
  EXPECT_EQ(static_cast<TdvInt*>(copy.get())->value, -19);
}

}  // namespace
