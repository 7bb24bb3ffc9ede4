#include "foundation/tagged_record.h"

void TdvTaggedReceiver::SetFlagValue(std::int32_t, bool) {}
void TdvTaggedReceiver::SetIntValue(std::int32_t, std::int32_t) {}
void TdvTaggedReceiver::SetRealValue(std::int32_t, double) {}
void TdvTaggedReceiver::SetStringValue(std::int32_t, const std::string&) {}
void TdvTaggedReceiver::SetRectValue(std::int32_t, const TdvRect&) {}
void TdvTaggedReceiver::SetListValue(std::int32_t, const LList&) {}
void TdvTaggedReceiver::ReadOwnGroup(int, TdvStringStream&) {}

bool IsOwnGroupCode(int code) {
  return code == kTdvCodeFrameDataGroup || code == kTdvCodeTransformedFramesGroup ||
         code == kTdvCodeCountGroup || code == kTdvCodePlotRecord || code == kTdvCodeSubRecord;
}

namespace {

// Reads the tokens of one group with the stream's reader for the group's kind
// and hands each (tag, value) to the receiver's setter for that kind.
template <typename Value, typename Read, typename Set>
void ReadTokens(TdvStringStream& stream, TdvTaggedReceiver& receiver, Read read, Set set) {
  stream.ReadGroup([&] {
    std::int32_t tag = 0;
    Value value{};
    if (!(stream.*read)(tag, value)) {
      return false;
    }
    (receiver.*set)(tag, value);
    return true;
  });
}

void ReadGroupOfCode(int code, TdvStringStream& stream, TdvTaggedReceiver& receiver) {
  using S = TdvStringStream;
  using R = TdvTaggedReceiver;
  switch (code) {
    case kTdvCodeFlagGroup:
      ReadTokens<bool>(stream, receiver, &S::ReadTaggedFlag, &R::SetFlagValue);
      break;
    case kTdvCodeIntGroup:
      ReadTokens<std::int32_t>(stream, receiver, &S::ReadTaggedInt, &R::SetIntValue);
      break;
    case kTdvCodeRealGroup:
      ReadTokens<double>(stream, receiver, &S::ReadTaggedReal, &R::SetRealValue);
      break;
    case kTdvCodeStringGroup:
      ReadTokens<std::string>(stream, receiver, &S::ReadTaggedString, &R::SetStringValue);
      break;
    case kTdvCodeRectGroup:
      ReadTokens<TdvRect>(stream, receiver, &S::ReadTaggedRect, &R::SetRectValue);
      break;
    case kTdvCodeListGroup:
      ReadTokens<LList>(stream, receiver, &S::ReadTaggedList, &R::SetListValue);
      break;
    default:
      if (IsOwnGroupCode(code)) {
        receiver.ReadOwnGroup(code, stream);
      }
      break;
  }
}

}  // namespace

void ReadRecordBody(TdvStringStream& stream, TdvTaggedReceiver& receiver) {
  const bool readable = stream.EnterRecord();
  stream.OpenGroup();
  for (;;) {
    const int code = stream.NextCode();
    if (code == kTdvCodeEnd || code == kTdvCodeEndRecord) {
      break;
    }
    if (readable) {
      ReadGroupOfCode(code, stream, receiver);
    }
  }
  stream.LeaveRecord();
}
