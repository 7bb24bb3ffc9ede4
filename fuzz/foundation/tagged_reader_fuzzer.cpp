// Feeds arbitrary text through the document reader's loop: records of every
// section, the record-body loop with a receiver that takes every value kind,
// the series groups and nested sub-records. Whatever a record yields is
// written again and must read back the same.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <variant>
#include <vector>

#include "foundation/tagged_frame_groups.h"
#include "foundation/tagged_record.h"
#include "foundation/tagged_writer.h"

namespace {

struct Datum {
  std::int32_t tag, key, x, y;
  bool operator==(const Datum&) const = default;
};
struct Entry {
  std::int32_t tag, position;
  std::string name;
  std::int32_t start, use;
  bool operator==(const Entry&) const = default;
};
struct CountFrame {
  std::int32_t tag, key;
  std::vector<std::int32_t> marks;
  bool operator==(const CountFrame&) const = default;
};

using Value = std::variant<bool, std::int32_t, std::string, TdvRect, std::vector<std::int32_t>>;
struct Call {
  std::int32_t tag;
  Value value;
  bool operator==(const Call&) const = default;
};

// Everything one record delivered, in order. Reals are only written again,
// not compared: the format keeps eight significant digits, not the input's.
struct Received {
  std::vector<Call> calls;
  std::vector<std::pair<std::int32_t, double>> reals;
  std::vector<Datum> data;
  std::vector<Entry> entries;
  std::vector<CountFrame> counts;
  bool operator==(const Received& o) const {
    return calls == o.calls && reals.size() == o.reals.size() && data == o.data &&
           entries == o.entries && counts == o.counts;
  }
};

void Require(bool condition) {
  if (!condition) {
    std::abort();
  }
}

class FuzzReceiver : public TdvTaggedReceiver {
 public:
  void SetFlagValue(std::int32_t tag, bool flag) override { got.calls.push_back({tag, flag}); }
  void SetIntValue(std::int32_t tag, std::int32_t value) override {
    got.calls.push_back({tag, value});
  }
  void SetRealValue(std::int32_t tag, double value) override { got.reals.emplace_back(tag, value); }
  void SetStringValue(std::int32_t tag, const std::string& text) override {
    Require(text.size() <= kTdvMaxStringLength);
    got.calls.push_back({tag, text});
  }
  void SetRectValue(std::int32_t tag, const TdvRect& rect) override {
    got.calls.push_back({tag, rect});
  }
  void SetListValue(std::int32_t tag, const LList& list) override {
    std::vector<std::int32_t> values;
    for (const TdvObject* element : list) {
      Require(element != nullptr && element->IsA(TdvInt::kClassCode));
      values.push_back(static_cast<const TdvInt*>(element)->value);
    }
    got.calls.push_back({tag, values});
  }
  void ReadOwnGroup(int code, TdvStringStream& stream) override;

  Received got;
};

void ReadAndCheck(TdvStringStream& stream);

void FuzzReceiver::ReadOwnGroup(int code, TdvStringStream& stream) {
  switch (code) {
    case kTdvCodeFrameDataGroup:
      ReadFrameDataGroup(stream, [&](std::int32_t tag, const TdvFrameDatumToken& d) {
        got.data.push_back({tag, d.key, d.x, d.y});
      });
      break;
    case kTdvCodeTransformedFramesGroup:
      ReadTransformedFramesGroup(
          stream, [&](std::int32_t tag, std::int32_t position, const TdvTransformedFrameToken& e) {
            got.entries.push_back({tag, position, e.name, e.startFrame, e.useTransformPoint});
          });
      break;
    case kTdvCodeCountGroup:
      ReadCountGroup(stream, [&](std::int32_t tag, std::int32_t key,
                                 const std::vector<TdvCountMarkToken>& marks) {
        CountFrame frame{tag, key, {}};
        for (const TdvCountMarkToken& mark : marks) {
          frame.marks.push_back(mark.x);
          frame.marks.push_back(mark.y);
        }
        got.counts.push_back(frame);
      });
      break;
    default:
      ReadAndCheck(stream);
      break;
  }
}

void WriteCall(TdvTaggedWriter& w, const Call& call) {
  if (const bool* flag = std::get_if<bool>(&call.value)) {
    w.OpenGroup('b');
    w.Flag(call.tag, *flag, TdvTokenEnd::kSpace);
  } else if (const std::int32_t* value = std::get_if<std::int32_t>(&call.value)) {
    w.OpenGroup('i');
    w.Int(call.tag, *value, TdvTokenEnd::kNothing);
  } else if (const std::string* text = std::get_if<std::string>(&call.value)) {
    w.OpenGroup('s');
    w.String(call.tag, *text, TdvTokenEnd::kSpace);
  } else if (const TdvRect* rect = std::get_if<TdvRect>(&call.value)) {
    w.RectGroup(call.tag, *rect);
    return;
  } else {
    LList list;
    for (const std::int32_t id : std::get<std::vector<std::int32_t>>(call.value)) {
      list.Append(std::make_unique<TdvInt>(id));
    }
    w.OpenGroup('l');
    w.LeadingList(call.tag, list);
  }
  w.CloseGroup();
}

std::string Rewrite(const Received& got) {
  std::string out;
  TdvTaggedWriter w(out);
  w.OpenObjectRecord(1, 1);
  for (const Call& call : got.calls) {
    WriteCall(w, call);
  }
  for (const auto& [tag, value] : got.reals) {
    w.OpenGroup('d');
    w.Real(tag, value, TdvTokenEnd::kSpace);
    w.CloseGroup();
  }
  for (const Datum& d : got.data) {
    w.OpenFrameData(d.tag, 1);
    w.FrameDatum(d.key, d.x, d.y, 0.0);
    w.CloseGroup();
  }
  // Entries keep their positions only when each token is written whole.
  for (std::size_t i = 0; i < got.entries.size();) {
    std::size_t end = i + 1;
    while (end < got.entries.size() && got.entries[end].position != 0) {
      ++end;
    }
    w.OpenTransformedFrames(got.entries[i].tag, static_cast<std::int32_t>(end - i));
    for (; i < end; ++i) {
      w.TransformedFrame(got.entries[i].name, got.entries[i].start, got.entries[i].use);
    }
    w.CloseGroup();
  }
  if (!got.counts.empty()) {
    w.OpenCountData();
    for (const CountFrame& frame : got.counts) {
      w.CountFrame(frame.tag, frame.key, static_cast<std::int32_t>(frame.marks.size() / 2));
      for (std::size_t m = 0; m + 1 < frame.marks.size(); m += 2) {
        w.CountMark(frame.marks[m], frame.marks[m + 1]);
      }
    }
  }
  w.CloseRecord();
  return out;
}

void CheckRoundTrip(const Received& got) {
  const std::string text = Rewrite(got);
  TdvStringStream stream(text);
  Require(stream.NextCode() == kTdvCodeObjectRecord);
  std::int32_t id = 0;
  std::int32_t kind = 0;
  Require(stream.ReadTag(id) && stream.ReadInt(kind));
  FuzzReceiver again;
  ReadRecordBody(stream, again);
  Require(again.got == got);
  Require(stream.NextCode() == kTdvCodeEnd);
}

void ReadAndCheck(TdvStringStream& stream) {
  FuzzReceiver receiver;
  ReadRecordBody(stream, receiver);
  CheckRoundTrip(receiver.got);
}

void ReadNumbers(TdvStringStream& stream, int count) {
  stream.OpenGroup();
  std::int32_t value = 0;
  for (int i = 0; i < count && stream.ReadInt(value); ++i) {
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  TdvStringStream stream(std::string(reinterpret_cast<const char*>(data), size));
  for (int code = stream.NextCode(); code != kTdvCodeEnd; code = stream.NextCode()) {
    switch (code) {
      case kTdvCodeVersion:
        ReadNumbers(stream, 3);
        break;
      case kTdvCodePathFormat:
        ReadNumbers(stream, 1);
        break;
      case kTdvCodeObjectRecord: {
        std::int32_t id = 0;
        std::int32_t kind = 0;
        if (stream.ReadTag(id)) {
          stream.ReadInt(kind);
        }
        ReadAndCheck(stream);
        break;
      }
      case kTdvCodeDocumentHeader:
      case kTdvCodeGraphRecord:
      case kTdvCodeTableRecord:
      case kTdvCodeTableColumn:
        ReadAndCheck(stream);
        break;
      default:
        break;
    }
  }
  return 0;
}
