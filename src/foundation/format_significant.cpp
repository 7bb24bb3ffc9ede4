#include "foundation/format_significant.h"

#include <algorithm>
#include <cstdio>
#include <string>

namespace {

// Wide enough for every double in either notation; the texts are sized by
// the C library itself, so no length is ever guessed.
constexpr int kMaxDigits = 64;

template <typename... Args>
std::string Print(const char* format, Args... args) {
  int length = std::snprintf(nullptr, 0, format, args...);
  if (length <= 0) {
    return std::string();
  }
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  std::snprintf(text.data(), text.size(), format, args...);
  text.resize(static_cast<std::size_t>(length));
  return text;
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// Walks the fixed text of one value, keeping `digits` significant digits.
class SignificantScan {
 public:
  SignificantScan(std::string text, double value, int digits)
      : text_(std::move(text)), valueIsZero_(value == 0.0), remaining_(digits) {}

  std::string Run() {
    while (!done_) {
      Step();
    }
    return text_;
  }

 private:
  void Step() {
    if (p_ >= text_.size()) {
      AtEnd();
      return;
    }
    char c = text_[p_];
    if (c == ' ' || c == '+' || c == '-') {
      ++p_;
    } else if (c == '0') {
      AtZero();
    } else if (c == '.') {
      seenPoint_ = true;
      ++p_;
    } else if (IsDigit(c)) {
      AtNonZeroDigit(c);
    } else {
      done_ = true;  // the texts of infinity and NaN
    }
  }

  void Count() {
    --remaining_;
    ++significant_;
  }

  void EndTextAtCursor() {
    text_.resize(p_);
    done_ = true;
  }

  void AtEnd() {
    if (remaining_ > 0) {
      text_.push_back('0');
      Count();
      ++p_;
    } else {
      done_ = true;
    }
  }

  void AtZero() {
    if (seenPoint_ && remaining_ <= 0) {
      EndTextAtCursor();
      return;
    }
    if (significant_ > 0 || valueIsZero_) {
      Count();
    }
    ++p_;
  }

  void AtNonZeroDigit(char c) {
    if (remaining_ > 0) {
      Count();
      ++p_;
      return;
    }
    if (remaining_ == 0 && c >= '5') {
      RoundUpKeptDigits();
    }
    if (seenPoint_) {
      EndTextAtCursor();
      return;
    }
    text_[p_] = '0';
    Count();
    ++p_;
  }

  // Adds one to the digits before the cursor. A carry out of the leading
  // digit puts a new "1" in front. Before the decimal point the whole text
  // moves right with it, so the integer keeps its magnitude (96 to one digit
  // is 100); after the point the text keeps its length, dropping its last
  // kept decimal (9.996 to three digits is 10.0).
  void RoundUpKeptDigits() {
    std::size_t q = p_;
    while (q > 0) {
      --q;
      char d = text_[q];
      if (d == '.') {
        continue;
      }
      if (!IsDigit(d)) {
        ++q;
        break;
      }
      if (d != '9') {
        text_[q] = static_cast<char>(d + 1);
        return;
      }
      text_[q] = '0';
    }
    text_.insert(q, 1, '1');
    if (!seenPoint_) {
      ++p_;
    }
  }

  std::string text_;
  bool valueIsZero_;
  int remaining_;
  int significant_ = 0;
  bool seenPoint_ = false;
  bool done_ = false;
  std::size_t p_ = 0;
};

}  // namespace

std::string FormatSignificant(double value, int digits, bool fixedOnly) {
  digits = std::clamp(digits, 1, kMaxDigits);
  std::string text = SignificantScan(Print("%f", value), value, digits).Run();
  if (!fixedOnly) {
    std::string exponent = Print("%.*e", digits - 1, value);
    if (exponent.size() < text.size()) {
      text = std::move(exponent);
    }
  }
  if (!text.empty() && text.back() == '.') {
    text.pop_back();
  }
  return text;
}
