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

}  // namespace
