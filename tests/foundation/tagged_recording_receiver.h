#pragma once

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

#include "foundation/tagged_frame_groups.h"
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

// Also reads the series groups, each element flattened with its tag first:
// frame data as {tag, key, x, y} (values apart), transformed frames as
// {tag, position, start, use} (names apart), counts as {tag, key, x, y, ...}.
class TdvSeriesGroupsReceiver : public TdvRecordingReceiver {
 public:
  using Ints = std::vector<std::int32_t>;

  void ReadOwnGroup(int code, TdvStringStream& stream) override {
    if (code == kTdvCodeFrameDataGroup) {
      ReadFrameDataGroup(stream, [&](std::int32_t tag, const TdvFrameDatumToken& d) {
        frameData.push_back({tag, d.key, d.x, d.y});
        frameValues.push_back(d.value);
      });
    } else if (code == kTdvCodeTransformedFramesGroup) {
      ReadTransformedFramesGroup(
          stream, [&](std::int32_t tag, std::int32_t position, const TdvTransformedFrameToken& e) {
            frames.push_back({tag, position, e.startFrame, e.useTransformPoint});
            frameNames.push_back(e.name);
          });
    } else if (code == kTdvCodeCountGroup) {
      ReadCountGroup(stream, [&](std::int32_t tag, std::int32_t key,
                                 const std::vector<TdvCountMarkToken>& marks) {
        Ints flat = {tag, key};
        for (const TdvCountMarkToken& mark : marks) {
          flat.insert(flat.end(), {mark.x, mark.y});
        }
        counts.push_back(flat);
      });
    }
  }

  std::vector<Ints> frameData;
  std::vector<double> frameValues;
  std::vector<Ints> frames;
  std::vector<std::string> frameNames;
  std::vector<Ints> counts;
};
