#include "document/file_data_object.h"

namespace {

template <typename Value>
void Keep(std::vector<std::pair<std::int32_t, Value>>& values, std::int32_t tag, const Value& value,
          std::size_t limit) {
  if (values.size() < limit) {
    values.emplace_back(tag, value);
  }
}

template <typename Value>
bool Find(const std::vector<std::pair<std::int32_t, Value>>& values, std::int32_t tag, Value& out) {
  for (const auto& [key, value] : values) {
    if (key == tag) {
      out = value;
      return true;
    }
  }
  return false;
}

}  // namespace

TdvFileDataObject::TdvFileDataObject(const TdvFileDataObject& other)
    : TdvObject(other),
      TdvTaggedReceiver(other),
      kind(other.kind),
      ints(other.ints),
      reals(other.reals),
      flags(other.flags),
      rects(other.rects),
      strings(other.strings),
      lists(other.lists) {
  for (const auto& child : other.children) {
    children.push_back(std::make_unique<TdvFileDataObject>(*child));
  }
}

void TdvFileDataObject::SetFlagValue(std::int32_t tag, bool flag) {
  Keep(flags, tag, flag, kMaxValues);
}

void TdvFileDataObject::SetIntValue(std::int32_t tag, std::int32_t value) {
  Keep(ints, tag, value, kMaxValues);
}

void TdvFileDataObject::SetRealValue(std::int32_t tag, double value) {
  Keep(reals, tag, value, kMaxValues);
}

void TdvFileDataObject::SetStringValue(std::int32_t tag, const std::string& text) {
  Keep(strings, tag, text, kMaxValues);
}

void TdvFileDataObject::SetRectValue(std::int32_t tag, const TdvRect& rect) {
  Keep(rects, tag, rect, kMaxValues);
}

void TdvFileDataObject::SetListValue(std::int32_t tag, const LList& list) {
  Keep(lists, tag, list, kMaxLists);
}

void TdvFileDataObject::ReadOwnGroup(int code, TdvStringStream& stream) {
  if (code != kTdvCodePlotRecord && code != kTdvCodeSubRecord) {
    return;
  }
  auto child = std::make_unique<TdvFileDataObject>(code);
  ReadRecordBody(stream, *child);
  children.push_back(std::move(child));
}

const TdvFileDataObject* TdvFileDataObject::Holder(int childKind, int n) const {
  if (childKind == -1) {
    return this;
  }
  for (const auto& child : children) {
    if (child->kind == childKind && n-- == 0) {
      return child.get();
    }
  }
  return nullptr;
}

int TdvFileDataObject::ChildCount(int childKind) const {
  int count = 0;
  for (const auto& child : children) {
    count += child->kind == childKind ? 1 : 0;
  }
  return count;
}

bool TdvFileDataObject::GetTaggedInt(std::int32_t tag, std::int32_t& out, int childKind,
                                     int n) const {
  const TdvFileDataObject* holder = Holder(childKind, n);
  return holder != nullptr && Find(holder->ints, tag, out);
}

bool TdvFileDataObject::GetTaggedReal(std::int32_t tag, double& out, int childKind, int n) const {
  const TdvFileDataObject* holder = Holder(childKind, n);
  return holder != nullptr && Find(holder->reals, tag, out);
}

bool TdvFileDataObject::GetTaggedFlag(std::int32_t tag, bool& out, int childKind, int n) const {
  const TdvFileDataObject* holder = Holder(childKind, n);
  return holder != nullptr && Find(holder->flags, tag, out);
}

bool TdvFileDataObject::GetTaggedRect(std::int32_t tag, TdvRect& out, int childKind, int n) const {
  const TdvFileDataObject* holder = Holder(childKind, n);
  return holder != nullptr && Find(holder->rects, tag, out);
}

bool TdvFileDataObject::GetTaggedString(std::int32_t tag, std::string& out, int childKind,
                                        int n) const {
  const TdvFileDataObject* holder = Holder(childKind, n);
  return holder != nullptr && Find(holder->strings, tag, out);
}

bool TdvFileDataObject::GetTaggedList(std::int32_t tag, LList& out, int childKind, int n) const {
  const TdvFileDataObject* holder = Holder(childKind, n);
  return holder != nullptr && Find(holder->lists, tag, out);
}
