#pragma once

#include <cstdint>
#include <string>

#include "foundation/geometry.h"
#include "foundation/lists.h"
#include "foundation/tagged_stream.h"

// What a saved class receives while its record is read: one setter per kind
// of value, each given the tag and the value in the order the tokens stand
// in the text. A class overrides the kinds it saves and selects on the tag;
// tags it does not know fall through to the defaults, which ignore them.
class TdvTaggedReceiver {
 public:
  TdvTaggedReceiver() = default;
  TdvTaggedReceiver(const TdvTaggedReceiver&) = default;
  TdvTaggedReceiver& operator=(const TdvTaggedReceiver&) = default;
  virtual ~TdvTaggedReceiver() = default;

  virtual void SetFlagValue(std::int32_t tag, bool flag);
  virtual void SetIntValue(std::int32_t tag, std::int32_t value);
  virtual void SetRealValue(std::int32_t tag, double value);
  virtual void SetStringValue(std::int32_t tag, const std::string& text);
  virtual void SetRectValue(std::int32_t tag, const TdvRect& rect);
  virtual void SetListValue(std::int32_t tag, const LList& list);

  // Groups whose layout belongs to the receiver: per-frame data, transformed
  // frames, count data and the nested "g[" / "a[" sub-records. Called right
  // after the group letter (code from NextCode) has been consumed; a
  // receiver that reads nested records calls ReadRecordBody on the same
  // stream. The default leaves the group to be skipped.
  virtual void ReadOwnGroup(int code, TdvStringStream& stream);
};

// True for the group codes that ReadRecordBody hands to ReadOwnGroup.
bool IsOwnGroupCode(int code);

// Reads one record body: past its "[", then every group up to the ";" that
// ends the record or the end of the text. Groups of the six value kinds go to
// the receiver's setters, the receiver's own groups to ReadOwnGroup, anything
// else is skipped character by character. Records nested deeper than
// kTdvMaxRecordDepth are skipped without reaching the receiver.
void ReadRecordBody(TdvStringStream& stream, TdvTaggedReceiver& receiver);
