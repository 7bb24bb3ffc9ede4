#pragma once

#include <cstdint>
#include <memory>

// Root of every model object. Objects are told apart by a one-byte class
// code rather than by C++ type: IsA answers for the object's own code, the
// codes of its bases and 0.
class TdvObject {
 public:
  TdvObject() = default;
  TdvObject(const TdvObject&) = default;
  TdvObject& operator=(const TdvObject&) = default;
  virtual ~TdvObject() = default;

  virtual bool IsA(int code) const { return code == 0; }
  // A new object of the same class with the same contents.
  virtual std::unique_ptr<TdvObject> Clone() const { return std::make_unique<TdvObject>(*this); }
  // Lets derived classes bring themselves up to date; the root has nothing to do.
  virtual void Refresh() {}
};

// A boxed item id or frame key, so that ids can live in object lists.
class TdvInt : public TdvObject {
 public:
  static constexpr int kClassCode = 1;

  TdvInt() = default;
  explicit TdvInt(std::int32_t v) : value(v) {}

  bool IsA(int code) const override { return code == kClassCode || TdvObject::IsA(code); }
  std::unique_ptr<TdvObject> Clone() const override { return std::make_unique<TdvInt>(*this); }

  std::int32_t value = 0;
};
