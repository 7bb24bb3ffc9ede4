#pragma once

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

#include "foundation/tagged_record.h"

// Receives every kind of value and keeps the calls in the order they came,
// with lists flattened to their TdvInt values.
class TdvRecordingReceiver : public TdvTaggedReceiver {
 public:
  using Value =
      std::variant<bool, std::int32_t, double, std::string, TdvRect, std::vector<std::int32_t>>;
  struct Call {
    std::int32_t tag;
    Value value;
  };

  void SetFlagValue(std::int32_t tag, bool flag) override { calls.push_back({tag, flag}); }
  void SetIntValue(std::int32_t tag, std::int32_t value) override { calls.push_back({tag, value}); }
  void SetRealValue(std::int32_t tag, double value) override { calls.push_back({tag, value}); }
  void SetStringValue(std::int32_t tag, const std::string& text) override {
    calls.push_back({tag, text});
  }
  void SetRectValue(std::int32_t tag, const TdvRect& rect) override {
    calls.push_back({tag, rect});
  }
  void SetListValue(std::int32_t tag, const LList& list) override {
    std::vector<std::int32_t> values;
    for (const TdvObject* element : list) {
      values.push_back(static_cast<const TdvInt*>(element)->value);
    }
    calls.push_back({tag, values});
  }

  // The value of the last call with this tag holding a T, as a reader that
  // lets later tokens overwrite earlier ones would keep it.
  template <typename T>
  const T* Last(std::int32_t tag) const {
    for (auto it = calls.rbegin(); it != calls.rend(); ++it) {
      if (it->tag == tag && std::holds_alternative<T>(it->value)) {
        return &std::get<T>(it->value);
      }
    }
    return nullptr;
  }

  std::vector<Call> calls;
};
