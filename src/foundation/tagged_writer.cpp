#include "foundation/tagged_writer.h"

#include <charconv>

#include "foundation/format_significant.h"
#include "foundation/tagged_stream.h"

namespace {

void AppendNumber(std::string& out, std::int64_t value) {
  char digits[24];
  const auto result = std::to_chars(digits, digits + sizeof digits, value);
  out.append(digits, result.ptr);
}

const TdvInt* AsInt(const TdvObject* element) {
  return element != nullptr && element->IsA(TdvInt::kClassCode)
             ? static_cast<const TdvInt*>(element)
             : nullptr;
}

}  // namespace

void WriteIdList(std::string& out, const LList& list) {
  std::int64_t count = 0;
  for (const TdvObject* element : list) {
    count += AsInt(element) != nullptr ? 1 : 0;
  }
  AppendNumber(out, count);
  out += ' ';
  for (const TdvObject* element : list) {
    if (const TdvInt* id = AsInt(element)) {
      AppendNumber(out, id->value);
      out += ' ';
    }
  }
}

void TdvTaggedWriter::Number(std::int64_t value) {
  AppendNumber(out_, value);
}

void TdvTaggedWriter::Tag(std::int32_t tag) {
  Number(tag);
  out_ += 'x';
}

void TdvTaggedWriter::End(TdvTokenEnd end) {
  switch (end) {
    case TdvTokenEnd::kSeparator:
      out_ += " p";
      break;
    case TdvTokenEnd::kSpace:
      out_ += ' ';
      break;
    case TdvTokenEnd::kNothing:
      break;
  }
}

void TdvTaggedWriter::Quoted(std::string_view text) {
  out_ += '"';
  std::size_t kept = 0;
  for (const char c : text) {
    if (kept == kTdvMaxStringLength) {
      break;
    }
    // A NUL would end the text for the reader just as a quote would end
    // the string.
    if (c != '"' && c != '\0') {
      out_ += c;
      ++kept;
    }
  }
  out_ += '"';
}

void TdvTaggedWriter::RealText(double value) {
  out_ += FormatSignificant(value, 8, false);
}

void TdvTaggedWriter::OpenRecord(char section) {
  out_ += section;
  out_ += '[';
}

void TdvTaggedWriter::OpenObjectRecord(std::int32_t id, std::int32_t kind) {
  out_ += 'O';
  Tag(id);
  Number(kind);
  out_ += '[';
}

void TdvTaggedWriter::CloseRecord() {
  out_ += "];\r\n";
}

void TdvTaggedWriter::OpenGroup(char letter) {
  out_ += letter;
  out_ += '(';
}

void TdvTaggedWriter::CloseGroup() {
  out_ += ')';
}

void TdvTaggedWriter::Flag(std::int32_t tag, bool flag, TdvTokenEnd end) {
  Tag(tag);
  out_ += flag ? '1' : '0';
  End(end);
}

void TdvTaggedWriter::Int(std::int32_t tag, std::int32_t value, TdvTokenEnd end) {
  Tag(tag);
  Number(value);
  End(end);
}

void TdvTaggedWriter::Real(std::int32_t tag, double value, TdvTokenEnd end) {
  Tag(tag);
  RealText(value);
  End(end);
}

void TdvTaggedWriter::String(std::int32_t tag, std::string_view text, TdvTokenEnd end) {
  Tag(tag);
  Quoted(text);
  End(end);
}

void TdvTaggedWriter::RectGroup(std::int32_t tag, const TdvRect& rect) {
  OpenGroup('r');
  Tag(tag);
  for (const int side : {rect.left, rect.top, rect.right}) {
    Number(side);
    out_ += ' ';
  }
  Number(rect.bottom);
  CloseGroup();
}

void TdvTaggedWriter::List(std::int32_t tag, const LList& list) {
  Tag(tag);
  WriteIdList(out_, list);
}

void TdvTaggedWriter::LeadingList(std::int32_t tag, const LList& list) {
  out_ += " p";
  List(tag, list);
}

void TdvTaggedWriter::OpenFrameData(std::int32_t tag, std::int32_t count) {
  OpenGroup('y');
  Tag(tag);
  Number(count);
  out_ += ' ';
}

void TdvTaggedWriter::FrameDatum(std::int32_t key, std::int32_t x, std::int32_t y, double value) {
  for (const std::int32_t field : {key, x, y}) {
    Number(field);
    out_ += ' ';
  }
  RealText(value);
  out_ += ' ';
}

void TdvTaggedWriter::OpenTransformedFrames(std::int32_t tag, std::int32_t count) {
  OpenGroup('f');
  Tag(tag);
  Number(count);
  out_ += ' ';
}

void TdvTaggedWriter::TransformedFrame(std::string_view name, std::int32_t startFrame,
                                       std::int32_t useTransformPoint) {
  out_ += ' ';
  Quoted(name);
  out_ += ' ';
  Number(startFrame);
  out_ += ' ';
  Number(useTransformPoint);
}

void TdvTaggedWriter::OpenCountData() {
  OpenGroup('c');
}

void TdvTaggedWriter::CountFrame(std::int32_t tag, std::int32_t frameKey, std::int32_t count) {
  Tag(tag);
  Number(frameKey);
  out_ += ' ';
  Number(count);
  out_ += ' ';
}

void TdvTaggedWriter::CountMark(std::int32_t x, std::int32_t y) {
  Number(x);
  out_ += ' ';
  Number(y);
  out_ += ' ';
}
