#pragma once

#include <memory>

#include "foundation/object.h"

// An object that counts how many of its kind are alive, so tests can see
// what a list frees and what it hands back.
class TrackedObject : public TdvObject {
 public:
  static constexpr int kClassCode = 200;

  TrackedObject(int* live, int tag) : live_(live), tag_(tag) { ++*live_; }
  TrackedObject(const TrackedObject& other)
      : TdvObject(other), live_(other.live_), tag_(other.tag_) {
    ++*live_;
  }
  TrackedObject& operator=(const TrackedObject&) = delete;
  ~TrackedObject() override { --*live_; }

  bool IsA(int code) const override { return code == kClassCode || TdvObject::IsA(code); }
  std::unique_ptr<TdvObject> Clone() const override {
    return std::make_unique<TrackedObject>(*this);
  }

  int tag() const { return tag_; }
  void set_tag(int tag) { tag_ = tag; }

 private:
  int* live_;
  int tag_;
};

inline int TagOf(const TdvObject* object) {
  return object == nullptr ? -1 : static_cast<const TrackedObject*>(object)->tag();
}
