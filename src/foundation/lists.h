#pragma once

#include <cstdint>
#include <iterator>
#include <list>
#include <map>
#include <memory>
#include <type_traits>
#include <utility>

#include "foundation/object.h"

// Copies an element through its Clone(). Clone() of a TdvObject subclass
// answers a TdvObject, narrowed back to T here; a subclass that forgot to
// override Clone() yields an empty slot rather than a mistyped object.
template <typename T>
std::unique_ptr<T> CopyElement(const T& element) {
  auto copy = element.Clone();
  if constexpr (std::is_same_v<decltype(copy), std::unique_ptr<T>>) {
    return copy;
  } else {
    T* typed = dynamic_cast<T*>(copy.get());
    if (typed != nullptr) {
      copy.release();
    }
    return std::unique_ptr<T>(typed);
  }
}

// A read-only forward walk over a list's storage that leaves the list's
// cursor alone, for code that only holds a const list (writing a list to a
// file, comparing). View turns a stored element into what the walk shows.
template <typename StorageIterator, typename View>
class TdvConstWalk {
 public:
  using difference_type = std::ptrdiff_t;
  using value_type = decltype(View{}(*std::declval<StorageIterator>()));

  TdvConstWalk() = default;
  explicit TdvConstWalk(StorageIterator it) : it_(it) {}
  value_type operator*() const { return View{}(*it_); }
  TdvConstWalk& operator++() {
    ++it_;
    return *this;
  }
  TdvConstWalk operator++(int) {
    TdvConstWalk old = *this;
    ++it_;
    return old;
  }
  bool operator==(const TdvConstWalk&) const = default;

 private:
  StorageIterator it_;
};

// A doubly linked list that owns its elements and is walked through a single
// cursor kept in the list. When the list is not empty the cursor always
// stands on a node; "none" only happens for an empty list.
template <typename T>
class TdvLList {
  using Storage = std::list<std::unique_ptr<T>>;

 public:
  struct ElementView {
    const T* operator()(const std::unique_ptr<T>& element) const { return element.get(); }
  };
  using ConstIterator = TdvConstWalk<typename Storage::const_iterator, ElementView>;

  TdvLList() : cursor_(items_.end()) {}
  TdvLList(const TdvLList& other) : cursor_(items_.end()) { AppendCopies(other); }
  TdvLList(TdvLList&& other) noexcept : cursor_(items_.end()) { Swap(other); }
  TdvLList& operator=(const TdvLList& other) {
    if (this != &other) {
      Clear();
      AppendCopies(other);
    }
    return *this;
  }
  TdvLList& operator=(TdvLList&& other) noexcept {
    if (this != &other) {
      Clear();
      Swap(other);
    }
    return *this;
  }
  ~TdvLList() = default;

  T* First() {
    cursor_ = items_.begin();
    return Current();
  }
  T* Last() {
    cursor_ = items_.empty() ? items_.end() : std::prev(items_.end());
    return Current();
  }
  // Steps the cursor; none (and the cursor stays) at the end of the list.
  T* Next() {
    if (IsLast()) {
      return nullptr;
    }
    ++cursor_;
    return Current();
  }
  T* Prev() {
    if (IsFirst()) {
      return nullptr;
    }
    --cursor_;
    return Current();
  }
  bool IsFirst() const { return cursor_ == items_.end() || cursor_ == items_.begin(); }
  bool IsLast() const { return cursor_ == items_.end() || std::next(cursor_) == items_.end(); }
  T* Current() const { return cursor_ == items_.end() ? nullptr : cursor_->get(); }

  // Leaves the cursor on the first node, as every caller expects.
  int Count() {
    cursor_ = items_.begin();
    return static_cast<int>(items_.size());
  }
  bool IsEmpty() const { return items_.empty(); }

  void PushFront(std::unique_ptr<T> element) {
    cursor_ = items_.insert(items_.begin(), std::move(element));
  }
  void InsertBefore(std::unique_ptr<T> element) {
    cursor_ = items_.insert(cursor_ == items_.end() ? items_.begin() : cursor_, std::move(element));
  }
  void InsertAfter(std::unique_ptr<T> element) {
    auto at = cursor_ == items_.end() ? items_.end() : std::next(cursor_);
    cursor_ = items_.insert(at, std::move(element));
  }
  void Append(std::unique_ptr<T> element) {
    Last();
    InsertAfter(std::move(element));
  }

  // Frees the current element; the cursor moves to the following node, or to
  // the new last node when the last one went.
  void RemoveCurrent() { Detach(); }
  // Unlinks the current node and hands its element to the caller; the cursor
  // moves as for RemoveCurrent.
  std::unique_ptr<T> Detach() {
    if (cursor_ == items_.end()) {
      return nullptr;
    }
    std::unique_ptr<T> element = std::move(*cursor_);
    cursor_ = items_.erase(cursor_);
    if (cursor_ == items_.end() && !items_.empty()) {
      cursor_ = std::prev(items_.end());
    }
    return element;
  }
  void Clear() {
    items_.clear();
    cursor_ = items_.end();
  }

  // Cursor on the n-th node counted from 0; a failed seek leaves the cursor.
  bool Seek(int n) {
    if (n < 0 || static_cast<std::size_t>(n) >= items_.size()) {
      return false;
    }
    cursor_ = std::next(items_.begin(), n);
    return true;
  }

  // Appends a copy of each element of source; the cursor ends on the last
  // copy. Appending a list to itself copies its original elements once.
  void AppendCopies(const TdvLList& source) {
    std::size_t count = source.items_.size();
    auto from = source.items_.begin();
    for (std::size_t i = 0; i < count; ++i, ++from) {
      std::unique_ptr<T> copy = *from ? CopyElement(**from) : nullptr;
      cursor_ = items_.insert(items_.end(), std::move(copy));
    }
  }

  ConstIterator begin() const { return ConstIterator(items_.begin()); }
  ConstIterator end() const { return ConstIterator(items_.end()); }

 private:
  // std::list::swap keeps element iterators valid but not end(), so the
  // cursors are rebuilt from whether they stood on a node.
  void Swap(TdvLList& other) noexcept {
    bool mineOnNode = cursor_ != items_.end();
    bool theirsOnNode = other.cursor_ != other.items_.end();
    auto mine = cursor_;
    auto theirs = other.cursor_;
    items_.swap(other.items_);
    cursor_ = theirsOnNode ? theirs : items_.end();
    other.cursor_ = mineOnNode ? mine : other.items_.end();
  }

  Storage items_;
  typename Storage::iterator cursor_;
};

// The list of model objects (series, ids, per-frame records...). Elements
// copy themselves through Clone().
class LList : public TdvLList<TdvObject> {
 public:
  using TdvLList<TdvObject>::TdvLList;

  // For lists of TdvInt: cursor on the first element holding value.
  bool FindInt(std::int32_t value);
};

// Empties target and fills it with copies of the ids of source, in order.
void CopyIdList(LList& target, const LList& source);

// A sparse array indexed by a signed key, read with the same cursor rules as
// the linked lists. The entries live in an ordered map so that a lookup by
// an arbitrary key is logarithmic, while the cursor (a position in the map)
// makes the usual walk through consecutive keys a single step per key.
template <typename T = TdvObject>
class ArrayAsLList {
  using Storage = std::map<std::int32_t, std::unique_ptr<T>>;

 public:
  struct Entry {
    std::int32_t key;
    const T* value;
  };
  struct EntryView {
    Entry operator()(const typename Storage::value_type& node) const {
      return Entry{node.first, node.second.get()};
    }
  };
  using ConstIterator = TdvConstWalk<typename Storage::const_iterator, EntryView>;

  ArrayAsLList() : cursor_(values_.end()) {}
  ArrayAsLList(const ArrayAsLList& other) : cursor_(values_.end()) { CopyFrom(other); }
  ArrayAsLList(ArrayAsLList&& other) noexcept : cursor_(values_.end()) { Swap(other); }
  ArrayAsLList& operator=(const ArrayAsLList& other) {
    if (this != &other) {
      Clear();
      CopyFrom(other);
    }
    return *this;
  }
  ArrayAsLList& operator=(ArrayAsLList&& other) noexcept {
    if (this != &other) {
      Clear();
      size_ = 0;
      Swap(other);
    }
    return *this;
  }
  ~ArrayAsLList() = default;

  // Positions the cursor on key. When key is absent the answer is false and
  // the cursor is left on the node where a walk from the current node would
  // have stopped: walking towards the head, the last key below key (or the
  // head); walking towards the tail, the first key above key (or the tail).
  bool Seek(std::int32_t key) {
    if (values_.empty()) {
      return false;
    }
    if (cursor_->first == key) {
      return true;
    }
    return cursor_->first > key ? SeekTowardsHead(key) : SeekTowardsTail(key);
  }

  T* Get(std::int32_t key) { return Seek(key) ? cursor_->second.get() : nullptr; }

  // Stores value under key, freeing a value that was there; the cursor ends
  // on the key.
  void Set(std::int32_t key, std::unique_ptr<T> value) {
    if (Seek(key)) {
      cursor_->second = std::move(value);
      return;
    }
    if (key >= size_) {
      // The largest key leaves size at the top of the range instead of
      // overflowing.
      size_ = key == INT32_MAX ? INT32_MAX : key + 1;
    }
    auto hint = values_.end();
    if (cursor_ != values_.end()) {
      hint = cursor_->first < key ? std::next(cursor_) : cursor_;
    }
    cursor_ = values_.emplace_hint(hint, key, std::move(value));
  }

  void Remove(std::int32_t key) {
    if (!Seek(key)) {
      return;
    }
    bool wasLast = std::next(cursor_) == values_.end();
    cursor_ = values_.erase(cursor_);
    if (cursor_ == values_.end() && !values_.empty()) {
      cursor_ = std::prev(values_.end());
    }
    if (wasLast) {
      size_ = values_.empty() ? 0 : values_.rbegin()->first + 1;
    }
  }

  // Frees every value; the next free key (Size) is kept.
  void Clear() {
    values_.clear();
    cursor_ = values_.end();
  }

  // Leaves the cursor on the first key, like the count of a linked list.
  int Count() {
    cursor_ = values_.begin();
    return static_cast<int>(values_.size());
  }
  bool IsEmpty() const { return values_.empty(); }
  std::int32_t Size() const { return size_; }

  T* First() {
    cursor_ = values_.begin();
    return CurrentValue();
  }
  T* Last() {
    cursor_ = values_.empty() ? values_.end() : std::prev(values_.end());
    return CurrentValue();
  }
  T* Next() {
    if (cursor_ == values_.end() || std::next(cursor_) == values_.end()) {
      return nullptr;
    }
    ++cursor_;
    return CurrentValue();
  }
  T* Prev() {
    if (cursor_ == values_.end() || cursor_ == values_.begin()) {
      return nullptr;
    }
    --cursor_;
    return CurrentValue();
  }
  T* CurrentValue() const { return cursor_ == values_.end() ? nullptr : cursor_->second.get(); }
  std::int32_t CurrentKey() const { return cursor_ == values_.end() ? -1 : cursor_->first; }

  ConstIterator begin() const { return ConstIterator(values_.begin()); }
  ConstIterator end() const { return ConstIterator(values_.end()); }

 private:
  // Cursor key above key: the neighbour below the cursor usually settles it.
  bool SeekTowardsHead(std::int32_t key) {
    if (cursor_ == values_.begin()) {
      return false;
    }
    auto below = std::prev(cursor_);
    if (below->first <= key) {
      cursor_ = below;
      return below->first == key;
    }
    auto at = values_.lower_bound(key);
    if (at->first == key) {
      cursor_ = at;
      return true;
    }
    cursor_ = at == values_.begin() ? at : std::prev(at);
    return false;
  }

  // Cursor key below key: the neighbour above the cursor usually settles it.
  bool SeekTowardsTail(std::int32_t key) {
    auto above = std::next(cursor_);
    if (above == values_.end()) {
      return false;
    }
    if (above->first >= key) {
      cursor_ = above;
      return above->first == key;
    }
    auto at = values_.lower_bound(key);
    cursor_ = at == values_.end() ? std::prev(at) : at;
    return cursor_->first == key;
  }

  void CopyFrom(const ArrayAsLList& other) {
    size_ = other.size_;
    for (const auto& [key, value] : other.values_) {
      values_.emplace_hint(values_.end(), key, value ? CopyElement(*value) : nullptr);
    }
    cursor_ = values_.empty() ? values_.end() : std::prev(values_.end());
  }

  // std::map::swap keeps element iterators valid but not end().
  void Swap(ArrayAsLList& other) noexcept {
    bool mineOnNode = cursor_ != values_.end();
    bool theirsOnNode = other.cursor_ != other.values_.end();
    auto mine = cursor_;
    auto theirs = other.cursor_;
    values_.swap(other.values_);
    std::swap(size_, other.size_);
    cursor_ = theirsOnNode ? theirs : values_.end();
    other.cursor_ = mineOnNode ? mine : other.values_.end();
  }

  Storage values_;
  typename Storage::iterator cursor_;
  std::int32_t size_ = 0;
};
