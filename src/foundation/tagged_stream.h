#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "foundation/geometry.h"
#include "foundation/lists.h"

// Codes that NextCode reports for the characters that carry meaning in the
// tagged text of document files. Any other character is reported as its own
// (unsigned) character code.
inline constexpr int kTdvCodeEnd = -1;
inline constexpr int kTdvCodeDocumentHeader = 100;
inline constexpr int kTdvCodeTableRecord = 500;
inline constexpr int kTdvCodeGraphRecord = 700;
inline constexpr int kTdvCodeObjectRecord = 1000;
inline constexpr int kTdvCodeMarkRecord = 1100;
inline constexpr int kTdvCodePathFormat = 1200;
inline constexpr int kTdvCodeTableColumn = 1300;
inline constexpr int kTdvCodeRealGroup = 2000;
inline constexpr int kTdvCodeIntGroup = 2010;
inline constexpr int kTdvCodeStringGroup = 2020;
inline constexpr int kTdvCodeFlagGroup = 2030;
inline constexpr int kTdvCodeRectGroup = 2050;
inline constexpr int kTdvCodeListGroup = 2060;
inline constexpr int kTdvCodeFrameDataGroup = 2070;
inline constexpr int kTdvCodePlotRecord = 2080;
inline constexpr int kTdvCodeTGroup = 2090;
inline constexpr int kTdvCodeTransformedFramesGroup = 2100;
inline constexpr int kTdvCodeCountGroup = 2110;
inline constexpr int kTdvCodeVersion = 2120;
inline constexpr int kTdvCodeJGroup = 2130;
inline constexpr int kTdvCodeHGroup = 2140;
inline constexpr int kTdvCodeEGroup = 2150;
inline constexpr int kTdvCodeMGroup = 2160;
inline constexpr int kTdvCodeSubRecord = 2170;
inline constexpr int kTdvCodeSeparator = 4001;
inline constexpr int kTdvCodeEndRecord = 4002;
inline constexpr int kTdvCodeEndGroup = 4003;

// Longest string a saved field holds; longer quoted text is cut to this.
inline constexpr std::size_t kTdvMaxStringLength = 255;

// Deepest nesting of records inside records that is read; deeper ones are
// passed over so that a hostile file cannot exhaust the stack.
inline constexpr int kTdvMaxRecordDepth = 16;

// Reading cursor over a document text held in memory. Every primitive
// consumes at least what it recognised and never reads past the end, so a
// reader built on them always terminates on any input.
class TdvStringStream {
 public:
  // The text ends at its first NUL byte, as a file loaded into a terminated
  // buffer does.
  explicit TdvStringStream(std::string text);

  bool AtEnd() const { return pos_ >= text_.size(); }
  std::size_t Position() const { return pos_; }

  // Skips whitespace, consumes the next character and reports its code.
  int NextCode();
  // Steps back over the character that the last NextCode consumed.
  void PutBack();
  // Goes back to an earlier Position(), to retry text that a failed
  // composite read had partly consumed.
  void ReturnTo(std::size_t position);

  // Consumes characters up to and including the next "[" or "(" and returns
  // it. Stops without consuming at ";" (a record never opens past its own
  // end) and returns 0 there or at the end of the text.
  char OpenGroup();

  // A decimal tag followed by its "x".
  bool ReadTag(std::int32_t& tag);
  // A decimal integer after optional whitespace and sign; values beyond the
  // 32-bit range are clamped.
  bool ReadInt(std::int32_t& value);
  // A real as formatted input reads it: decimal notation with optional
  // exponent, or inf/nan.
  bool ReadReal(double& value);
  // The characters between the next pair of double quotes (or up to the end
  // of the text when the closing one is missing), cut to
  // kTdvMaxStringLength. Only whitespace may stand before the opening quote.
  bool ReadQuoted(std::string& text);

  bool ReadTaggedFlag(std::int32_t& tag, bool& flag);
  bool ReadTaggedInt(std::int32_t& tag, std::int32_t& value);
  bool ReadTaggedReal(std::int32_t& tag, double& value);
  bool ReadTaggedString(std::int32_t& tag, std::string& text);
  bool ReadTaggedRect(std::int32_t& tag, TdvRect& rect);
  // Skips whitespace and one separator first (the header writes " p" before
  // each list token), then the tag, the count and the elements as TdvInts.
  // The list is emptied first and receives only the elements that are there:
  // a count larger than the text holds never allocates more.
  bool ReadTaggedList(std::int32_t& tag, LList& list);

  // Reads the tokens of a group whose letter has just been consumed: opens
  // it, then calls readToken (which answers whether it read a token) until
  // ")" or "]" closes the group, a token does not read, or the record or the
  // text ends. A ";" is left in place for the record reader. Tokens are
  // separated by "p" or ","; a missing separator is tolerated. Answers
  // whether the group opened.
  template <typename ReadToken>
  bool ReadGroup(ReadToken&& readToken) {
    if (OpenGroup() == 0) {
      return false;
    }
    while (readToken()) {
      if (!StepToNextToken()) {
        break;
      }
    }
    return true;
  }

  // Nesting bookkeeping for readers of records inside records: EnterRecord
  // answers false when the record lies too deep to be read.
  bool EnterRecord();
  void LeaveRecord();

 private:
  void SkipWhitespace();
  int Peek() const;
  // After a token: consumes a separator or the group's closing character and
  // answers whether another token may follow.
  bool StepToNextToken();

  std::string text_;
  std::size_t pos_ = 0;
  int depth_ = 0;
};
