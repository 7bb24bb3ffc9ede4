#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "foundation/geometry.h"
#include "foundation/lists.h"
#include "foundation/object.h"
#include "foundation/tagged_record.h"

// A record of a document file read as plain tagged values, for the windows
// (graphs, table columns) that are built from their records after the
// items exist. Nested "g[" and "a[" records become child records.
class TdvFileDataObject : public TdvObject, public TdvTaggedReceiver {
 public:
  // Values of each scalar kind a record keeps; later ones are dropped.
  static constexpr std::size_t kMaxValues = 15;
  static constexpr std::size_t kMaxLists = 5;

  explicit TdvFileDataObject(int kind) : kind(kind) {}
  TdvFileDataObject(const TdvFileDataObject& other);

  std::unique_ptr<TdvObject> Clone() const override {
    return std::make_unique<TdvFileDataObject>(*this);
  }

  void SetFlagValue(std::int32_t tag, bool flag) override;
  void SetIntValue(std::int32_t tag, std::int32_t value) override;
  void SetRealValue(std::int32_t tag, double value) override;
  void SetStringValue(std::int32_t tag, const std::string& text) override;
  void SetRectValue(std::int32_t tag, const TdvRect& rect) override;
  void SetListValue(std::int32_t tag, const LList& list) override;
  void ReadOwnGroup(int code, TdvStringStream& stream) override;

  // The first value with the tag in this record (childKind -1) or in the
  // n-th child record of kind childKind (n from 0).
  bool GetTaggedInt(std::int32_t tag, std::int32_t& out, int childKind = -1, int n = 0) const;
  bool GetTaggedReal(std::int32_t tag, double& out, int childKind = -1, int n = 0) const;
  bool GetTaggedFlag(std::int32_t tag, bool& out, int childKind = -1, int n = 0) const;
  bool GetTaggedRect(std::int32_t tag, TdvRect& out, int childKind = -1, int n = 0) const;
  bool GetTaggedString(std::int32_t tag, std::string& out, int childKind = -1, int n = 0) const;
  bool GetTaggedList(std::int32_t tag, LList& out, int childKind = -1, int n = 0) const;
  int ChildCount(int childKind) const;
  // The rectangles of this record, for corrections made after reading.
  std::vector<std::pair<std::int32_t, TdvRect>>& Rects() { return rects; }

  int kind = 0;

 private:
  const TdvFileDataObject* Holder(int childKind, int n) const;

  std::vector<std::pair<std::int32_t, std::int32_t>> ints;
  std::vector<std::pair<std::int32_t, double>> reals;
  std::vector<std::pair<std::int32_t, bool>> flags;
  std::vector<std::pair<std::int32_t, TdvRect>> rects;
  std::vector<std::pair<std::int32_t, std::string>> strings;
  std::vector<std::pair<std::int32_t, LList>> lists;
  std::vector<std::unique_ptr<TdvFileDataObject>> children;
};
