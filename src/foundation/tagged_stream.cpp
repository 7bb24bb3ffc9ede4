#include "foundation/tagged_stream.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <limits>
#include <memory>
#include <system_error>
#include <utility>

namespace {

bool IsSpace(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

int CodeOf(unsigned char c) {
  switch (c) {
    case ',':
    case 'p':
      return kTdvCodeSeparator;
    case ';':
      return kTdvCodeEndRecord;
    case ']':
    case ')':
      return kTdvCodeEndGroup;
    case 'D':
      return kTdvCodeDocumentHeader;
    case 'T':
      return kTdvCodeTableRecord;
    case 'G':
      return kTdvCodeGraphRecord;
    case 'O':
      return kTdvCodeObjectRecord;
    case 'M':
      return kTdvCodeMarkRecord;
    case 'P':
      return kTdvCodePathFormat;
    case 'C':
      return kTdvCodeTableColumn;
    case 'V':
      return kTdvCodeVersion;
    case 'd':
      return kTdvCodeRealGroup;
    case 'i':
      return kTdvCodeIntGroup;
    case 's':
      return kTdvCodeStringGroup;
    case 'b':
      return kTdvCodeFlagGroup;
    case 'r':
      return kTdvCodeRectGroup;
    case 'l':
      return kTdvCodeListGroup;
    case 'y':
      return kTdvCodeFrameDataGroup;
    case 'g':
      return kTdvCodePlotRecord;
    case 't':
      return kTdvCodeTGroup;
    case 'f':
      return kTdvCodeTransformedFramesGroup;
    case 'c':
      return kTdvCodeCountGroup;
    case 'j':
      return kTdvCodeJGroup;
    case 'h':
      return kTdvCodeHGroup;
    case 'e':
      return kTdvCodeEGroup;
    case 'm':
      return kTdvCodeMGroup;
    case 'a':
      return kTdvCodeSubRecord;
    default:
      return c;
  }
}

// Decimal exponent of the leading digit of a number that the conversion
// found out of range: positive means it overflowed, otherwise it underflowed.
std::int64_t MagnitudeOf(const char* first, const char* last) {
  std::int64_t integerDigits = 0;
  std::int64_t leadingFractionZeros = 0;
  bool seenPoint = false;
  bool seenNonZero = false;
  const char* p = first;
  for (; p != last && (IsDigit(*p) || *p == '.'); ++p) {
    if (*p == '.') {
      seenPoint = true;
    } else if (*p != '0' || seenNonZero) {
      seenNonZero = true;
      integerDigits += seenPoint ? 0 : 1;
    } else if (seenPoint) {
      ++leadingFractionZeros;
    }
  }
  std::int64_t exponent = 0;
  if (p != last && (*p == 'e' || *p == 'E')) {
    ++p;
    const bool negative = p != last && *p == '-';
    if (p != last && (*p == '-' || *p == '+')) {
      ++p;
    }
    for (; p != last && IsDigit(*p); ++p) {
      exponent = std::min<std::int64_t>(exponent * 10 + (*p - '0'), 1'000'000'000);
    }
    exponent = negative ? -exponent : exponent;
  }
  const std::int64_t lead = integerDigits > 0 ? integerDigits - 1 : -1 - leadingFractionZeros;
  return lead + exponent;
}

}  // namespace

TdvStringStream::TdvStringStream(std::string text) : text_(std::move(text)) {
  const std::size_t nul = text_.find('\0');
  if (nul != std::string::npos) {
    text_.resize(nul);
  }
}

void TdvStringStream::SkipWhitespace() {
  while (pos_ < text_.size() && IsSpace(text_[pos_])) {
    ++pos_;
  }
}

int TdvStringStream::Peek() const {
  return AtEnd() ? kTdvCodeEnd : static_cast<unsigned char>(text_[pos_]);
}

int TdvStringStream::NextCode() {
  SkipWhitespace();
  if (AtEnd()) {
    return kTdvCodeEnd;
  }
  return CodeOf(static_cast<unsigned char>(text_[pos_++]));
}

void TdvStringStream::PutBack() {
  if (pos_ > 0) {
    --pos_;
  }
}

void TdvStringStream::ReturnTo(std::size_t position) {
  if (position < pos_) {
    pos_ = position;
  }
}

char TdvStringStream::OpenGroup() {
  while (!AtEnd()) {
    const char c = text_[pos_];
    if (c == ';') {
      return 0;
    }
    ++pos_;
    if (c == '[' || c == '(') {
      return c;
    }
  }
  return 0;
}

bool TdvStringStream::ReadInt(std::int32_t& value) {
  SkipWhitespace();
  std::size_t p = pos_;
  const bool negative = p < text_.size() && text_[p] == '-';
  if (p < text_.size() && (text_[p] == '-' || text_[p] == '+')) {
    ++p;
  }
  if (p >= text_.size() || !IsDigit(text_[p])) {
    return false;
  }
  // Accumulated as a negative number so that the most negative value fits.
  constexpr std::int64_t kLimit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
  std::int64_t magnitude = 0;
  for (; p < text_.size() && IsDigit(text_[p]); ++p) {
    magnitude = std::min(magnitude * 10 + (text_[p] - '0'), kLimit);
  }
  if (negative) {
    value = static_cast<std::int32_t>(-magnitude);
  } else {
    value = static_cast<std::int32_t>(std::min(magnitude, kLimit - 1));
  }
  pos_ = p;
  return true;
}

bool TdvStringStream::ReadTag(std::int32_t& tag) {
  const std::size_t start = pos_;
  std::int32_t value = 0;
  if (!ReadInt(value) || AtEnd() || text_[pos_] != 'x') {
    pos_ = start;
    return false;
  }
  ++pos_;
  tag = value;
  return true;
}

bool TdvStringStream::ReadReal(double& value) {
  SkipWhitespace();
  const char* first = text_.data() + pos_;
  const char* last = text_.data() + text_.size();
  if (first != last && *first == '+') {
    ++first;
    if (first != last && *first == '-') {
      return false;
    }
  }
  double parsed = 0.0;
  const auto [end, error] = std::from_chars(first, last, parsed, std::chars_format::general);
  if (error == std::errc::invalid_argument) {
    return false;
  }
  if (error == std::errc::result_out_of_range) {
    const bool negative = *first == '-';
    const char* digits = negative ? first + 1 : first;
    const double size =
        MagnitudeOf(digits, end) > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    parsed = negative ? -size : size;
  }
  value = parsed;
  pos_ = static_cast<std::size_t>(end - text_.data());
  return true;
}

bool TdvStringStream::ReadQuoted(std::string& text) {
  SkipWhitespace();
  if (AtEnd() || text_[pos_] != '"') {
    return false;
  }
  const std::size_t start = pos_ + 1;
  std::size_t close = text_.find('"', start);
  if (close == std::string::npos) {
    close = text_.size();
  }
  text.assign(text_, start, std::min(close - start, kTdvMaxStringLength));
  pos_ = std::min(close + 1, text_.size());
  return true;
}

bool TdvStringStream::ReadTaggedFlag(std::int32_t& tag, bool& flag) {
  const std::size_t start = pos_;
  std::int32_t readTag = 0;
  if (!ReadTag(readTag)) {
    return false;
  }
  // The value is the single character after the x. A structural character
  // there means the value is missing, and it must stay for the group reader.
  const int c = Peek();
  if (c == kTdvCodeEnd || c == ';' || c == ')' || c == ']') {
    pos_ = start;
    return false;
  }
  ++pos_;
  tag = readTag;
  flag = c != '0';
  return true;
}

bool TdvStringStream::ReadTaggedInt(std::int32_t& tag, std::int32_t& value) {
  const std::size_t start = pos_;
  std::int32_t readTag = 0;
  if (!ReadTag(readTag) || !ReadInt(value)) {
    pos_ = start;
    return false;
  }
  tag = readTag;
  return true;
}

bool TdvStringStream::ReadTaggedReal(std::int32_t& tag, double& value) {
  const std::size_t start = pos_;
  std::int32_t readTag = 0;
  if (!ReadTag(readTag) || !ReadReal(value)) {
    pos_ = start;
    return false;
  }
  tag = readTag;
  return true;
}

bool TdvStringStream::ReadTaggedString(std::int32_t& tag, std::string& text) {
  const std::size_t start = pos_;
  std::int32_t readTag = 0;
  if (!ReadTag(readTag) || !ReadQuoted(text)) {
    pos_ = start;
    return false;
  }
  tag = readTag;
  return true;
}

bool TdvStringStream::ReadTaggedRect(std::int32_t& tag, TdvRect& rect) {
  const std::size_t start = pos_;
  std::int32_t readTag = 0;
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::int32_t right = 0;
  std::int32_t bottom = 0;
  if (!ReadTag(readTag) || !ReadInt(left) || !ReadInt(top) || !ReadInt(right) || !ReadInt(bottom)) {
    pos_ = start;
    return false;
  }
  tag = readTag;
  rect = TdvRect{left, top, right, bottom};
  return true;
}

bool TdvStringStream::ReadTaggedList(std::int32_t& tag, LList& list) {
  const std::size_t start = pos_;
  SkipWhitespace();
  if (Peek() == ',' || Peek() == 'p') {
    ++pos_;
  }
  std::int32_t readTag = 0;
  std::int32_t count = 0;
  if (!ReadTag(readTag) || !ReadInt(count)) {
    pos_ = start;
    return false;
  }
  tag = readTag;
  list.Clear();
  std::int32_t element = 0;
  for (std::int32_t i = 0; i < count && ReadInt(element); ++i) {
    list.Append(std::make_unique<TdvInt>(element));
  }
  return true;
}

bool TdvStringStream::StepToNextToken() {
  SkipWhitespace();
  switch (Peek()) {
    case ',':
    case 'p':
      ++pos_;
      return true;
    case ')':
    case ']':
      ++pos_;
      return false;
    case ';':
    case kTdvCodeEnd:
      return false;
    default:
      return true;
  }
}

bool TdvStringStream::EnterRecord() {
  ++depth_;
  return depth_ <= kTdvMaxRecordDepth;
}

void TdvStringStream::LeaveRecord() {
  if (depth_ > 0) {
    --depth_;
  }
}
