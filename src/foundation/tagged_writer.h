#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "foundation/geometry.h"
#include "foundation/lists.h"

// How a token is followed inside its group: the writers put " p" after every
// token but the last, and the last is followed by one space or by nothing,
// as each record's layout fixes.
enum class TdvTokenEnd { kSeparator, kSpace, kNothing };

// Appends records of the tagged text format to a string; the document writes
// the string to its file. Every token is written in exactly the layout the
// readers of TdvStringStream expect, so whatever is written reads back.
class TdvTaggedWriter {
 public:
  explicit TdvTaggedWriter(std::string& out) : out_(out) {}

  // "V[", "D[", "G[" ... and the nested "g[" / "a[".
  void OpenRecord(char section);
  // "O<id>x<kind>[" of a series record.
  void OpenObjectRecord(std::int32_t id, std::int32_t kind);
  // "];" and a line break.
  void CloseRecord();

  void OpenGroup(char letter);
  void CloseGroup();

  void Flag(std::int32_t tag, bool flag, TdvTokenEnd end);
  void Int(std::int32_t tag, std::int32_t value, TdvTokenEnd end);
  // Eight significant digits, exponent form allowed.
  void Real(std::int32_t tag, double value, TdvTokenEnd end);
  // The text without double quotes (the format cannot hold them) and cut to
  // the 255 characters a saved field holds.
  void String(std::int32_t tag, std::string_view text, TdvTokenEnd end);
  // A complete one-token group "r(<tag>x<left> <top> <right> <bottom>)".
  void RectGroup(std::int32_t tag, const TdvRect& rect);
  // "<tag>x" and the list as WriteIdList writes it.
  void List(std::int32_t tag, const LList& list);
  // The document header's form, with the separator in front: " p<tag>x"...
  void LeadingList(std::int32_t tag, const LList& list);

  // Per-frame data: "y(<tag>x<count> ", then per element
  // "<key> <x> <y> <value> ", then CloseGroup.
  void OpenFrameData(std::int32_t tag, std::int32_t count);
  void FrameDatum(std::int32_t key, std::int32_t x, std::int32_t y, double value);

  // Transformed frames: "f(<tag>x<count> ", then per entry
  // ` "<name>" <startFrame> <useTransformPoint>`, then CloseGroup.
  void OpenTransformedFrames(std::int32_t tag, std::int32_t count);
  void TransformedFrame(std::string_view name, std::int32_t startFrame,
                        std::int32_t useTransformPoint);

  // Count data: "c(", then per frame "<tag>x<key> <count> " followed by
  // "<x> <y> " per mark. The group has no closing character; the record's
  // own closing follows.
  void OpenCountData();
  void CountFrame(std::int32_t tag, std::int32_t frameKey, std::int32_t count);
  void CountMark(std::int32_t x, std::int32_t y);

  // Literal text between tokens (the numbers of the version record, the
  // line break before a nested record).
  void Text(std::string_view text) { out_ += text; }
  void Number(std::int64_t value);

 private:
  void Tag(std::int32_t tag);
  void End(TdvTokenEnd end);
  void Quoted(std::string_view text);
  void RealText(double value);

  std::string& out_;
};

// The count of the TdvInts of list and each of them, every number followed
// by one space.
void WriteIdList(std::string& out, const LList& list);
