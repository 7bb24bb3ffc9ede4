#include <algorithm>
#include <climits>
#include <cstdint>
#include <memory>
#include <random>
#include <vector>

#include <gtest/gtest.h>

#include "foundation/lists.h"
#include "tracked_object.h"

namespace {

class SparseArrayTest : public ::testing::Test {
 protected:
  std::unique_ptr<TdvObject> Make(int tag) { return std::make_unique<TrackedObject>(&live_, tag); }

  ArrayAsLList<> Filled(std::initializer_list<int> keys) {
    ArrayAsLList<> array;
    for (int key : keys) {
      array.Set(key, Make(key * 10));
    }
    return array;
  }

  int live_ = 0;
};

TEST_F(SparseArrayTest, CopiesAreDeepAndMovesTakeEverything) {
  ArrayAsLList<> array = Filled({1, 6});
  array.Remove(6);
  array.Set(3, Make(30));
  ArrayAsLList<> copy(array);
  EXPECT_EQ(copy.Size(), array.Size());
  EXPECT_EQ(live_, 4);
  static_cast<TrackedObject*>(copy.Get(3))->set_tag(5);
  EXPECT_EQ(TagOf(array.Get(3)), 30);
  ArrayAsLList<> assigned = Filled({100});
  assigned = array;
  EXPECT_EQ(assigned.Size(), 4);
  EXPECT_EQ(assigned.Get(100), nullptr);
  EXPECT_EQ(TagOf(assigned.Get(1)), 10);

  array.Seek(1);
  ArrayAsLList<> moved(std::move(array));
  EXPECT_EQ(moved.CurrentKey(), 1);
  EXPECT_EQ(moved.Size(), 4);
  ArrayAsLList<> target;
  target = std::move(moved);
  EXPECT_EQ(TagOf(target.Get(3)), 30);
  EXPECT_EQ(live_, 6);
}

TEST_F(SparseArrayTest, ExtremeKeysDoNotOverflowSize) {
  ArrayAsLList<> array;
  array.Set(INT32_MAX, Make(1));
  EXPECT_EQ(array.Size(), INT32_MAX);
  array.Set(INT32_MIN, Make(2));
  EXPECT_EQ(array.CurrentKey(), INT32_MIN);
  array.Remove(INT32_MAX);
  EXPECT_EQ(array.Size(), INT32_MIN + 1);
}

// A plain model of the sorted linked nodes and their walking cursor, node by
// node, to hold the map-based array to exactly the same cursor answers.
class WalkingModel {
 public:
  bool Seek(int key) {
    if (keys_.empty()) {
      return false;
    }
    if (keys_[cursor_] >= key) {
      while (true) {
        if (keys_[cursor_] == key) {
          return true;
        }
        if (keys_[cursor_] < key || cursor_ == 0) {
          return false;
        }
        --cursor_;
      }
    }
    while (true) {
      if (keys_[cursor_] == key) {
        return true;
      }
      if (keys_[cursor_] > key || cursor_ + 1 == static_cast<int>(keys_.size())) {
        return false;
      }
      ++cursor_;
    }
  }
  int Get(int key) { return Seek(key) ? values_[cursor_] : -1; }
  void Set(int key, int value) {
    if (Seek(key)) {
      values_[cursor_] = value;
      return;
    }
    size_ = std::max(size_, key + 1);
    if (keys_.empty()) {
      cursor_ = 0;
    } else if (key >= keys_[cursor_]) {
      ++cursor_;
    }
    keys_.insert(keys_.begin() + cursor_, key);
    values_.insert(values_.begin() + cursor_, value);
  }
  void Remove(int key) {
    if (!Seek(key)) {
      return;
    }
    bool wasLast = cursor_ + 1 == static_cast<int>(keys_.size());
    keys_.erase(keys_.begin() + cursor_);
    values_.erase(values_.begin() + cursor_);
    if (cursor_ == static_cast<int>(keys_.size())) {
      cursor_ = static_cast<int>(keys_.size()) - 1;
    }
    if (wasLast) {
      size_ = keys_.empty() ? 0 : keys_.back() + 1;
    }
  }
  int Count() {
    cursor_ = keys_.empty() ? -1 : 0;
    return static_cast<int>(keys_.size());
  }
  void First() { cursor_ = keys_.empty() ? -1 : 0; }
  void Last() { cursor_ = static_cast<int>(keys_.size()) - 1; }
  int Next() {
    if (cursor_ < 0 || cursor_ + 1 == static_cast<int>(keys_.size())) {
      return -1;
    }
    return values_[++cursor_];
  }
  int Prev() {
    if (cursor_ <= 0) {
      return -1;
    }
    return values_[--cursor_];
  }
  int CurrentKey() const { return cursor_ < 0 ? -1 : keys_[cursor_]; }
  int Size() const { return size_; }

 private:
  std::vector<int> keys_;
  std::vector<int> values_;
  int cursor_ = -1;
  int size_ = 0;
};

int ValueOf(const TdvInt* boxed) {
  return boxed == nullptr ? -1 : boxed->value;
}

TEST(SparseArrayCursorTest, EveryOperationLeavesTheCursorWhereTheNodeWalkWould) {
  std::mt19937 random(20261206);
  for (int round = 0; round < 40; ++round) {
    ArrayAsLList<TdvInt> array;
    WalkingModel model;
    int keyRange = 4 + round * 3;
    std::uniform_int_distribution<int> keyOf(0, keyRange);
    std::uniform_int_distribution<int> operationOf(0, 9);
    for (int step = 0; step < 600; ++step) {
      int key = keyOf(random);
      switch (operationOf(random)) {
        case 0:
        case 1:
        case 2:
          array.Set(key, std::make_unique<TdvInt>(step));
          model.Set(key, step);
          break;
        case 3:
          array.Remove(key);
          model.Remove(key);
          break;
        case 4:
        case 5:
          ASSERT_EQ(ValueOf(array.Get(key)), model.Get(key));
          break;
        case 6:
          ASSERT_EQ(ValueOf(array.Next()), model.Next());
          break;
        case 7:
          ASSERT_EQ(ValueOf(array.Prev()), model.Prev());
          break;
        case 8:
          if (key % 3 == 0) {
            ASSERT_EQ(array.Count(), model.Count());
          } else if (key % 3 == 1) {
            array.First();
            model.First();
          } else {
            array.Last();
            model.Last();
          }
          break;
        default:
          ASSERT_EQ(array.Seek(key), model.Seek(key));
          break;
      }
      ASSERT_EQ(array.CurrentKey(), model.CurrentKey()) << "round " << round << " step " << step;
      ASSERT_EQ(array.Size(), model.Size());
    }
  }
}

}  // namespace
