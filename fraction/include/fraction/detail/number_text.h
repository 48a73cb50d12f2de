#ifndef FRACTION_DETAIL_NUMBER_TEXT_H
#define FRACTION_DETAIL_NUMBER_TEXT_H

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "fraction/detail/ascii.h"

// The grammar of a number's text, shared by the Parse functions of every
// fraction type, so that each reads exactly the texts the others read.
namespace fraction::detail {

// An exponent's magnitude saturates here: far beyond any exponent whose
// power a fraction could hold, and far from overflow when a digit count is
// added to it or taken from it.
constexpr std::int64_t kExponentCap = std::int64_t{1} << 50;

// The pieces of a text, as views into it. One of three forms:
// - a ratio, "n/d": whole holds n's digits, denominator d's (both nonempty);
// - a decimal: whole, a point and fraction (either may be empty, not both),
//   then an optional exponent;
// - a repeating decimal: whole, a point, fraction (both may be empty) and a
//   nonempty period in parentheses, without an exponent.
struct NumberText {
  enum class Form : unsigned char { kRatio, kDecimal, kRepeating };
  Form form = Form::kDecimal;
  bool negative = false;              // the text's first sign
  bool negative_denominator = false;  // the sign after '/'
  std::string_view whole;
  std::string_view denominator;
  std::string_view fraction;
  std::string_view period;
  // A decimal's exponent, saturated at ±kExponentCap; 0 when absent.
  std::int64_t exponent = 0;

  // A decimal's value is Digits() · 10^DigitsExponent(): the digits of the
  // whole part and of the fraction, the exponent moved past the fraction.
  [[nodiscard]] std::string Digits() const {
    std::string digits(whole);
    digits += fraction;
    return digits;
  }
  [[nodiscard]] constexpr std::int64_t DigitsExponent() const {
    return exponent -
           static_cast<std::int64_t>(std::min<std::size_t>(fraction.size(), kExponentCap));
  }
};

// A cursor over the text being split.
class NumberScanner {
 public:
  constexpr explicit NumberScanner(std::string_view text) : rest_(text) {}

  [[nodiscard]] constexpr bool AtEnd() const { return rest_.empty(); }

  constexpr bool Take(char c) {
    if (rest_.empty() || rest_.front() != c) {
      return false;
    }
    rest_.remove_prefix(1);
    return true;
  }

  // An optional sign: true for '-'.
  constexpr bool Sign() { return !Take('+') && Take('-'); }

  // The run of digits here, possibly empty.
  constexpr std::string_view Digits() {
    std::size_t n = 0;
    while (n < rest_.size() && IsDigit(rest_[n])) {
      ++n;
    }
    const std::string_view digits = rest_.substr(0, n);
    rest_.remove_prefix(n);
    return digits;
  }

 private:
  std::string_view rest_;
};

// Digits read as a number, saturated at `cap`.
constexpr std::int64_t SaturatedDigits(std::string_view digits, std::int64_t cap) {
  std::int64_t value = 0;
  for (const char c : digits) {
    value = value * 10 + DigitValue(c);
    value = value < cap ? value : cap;
  }
  return value;
}

// The pieces of `text` after ASCII white space around it is dropped, or
// none when it follows none of the three forms.
constexpr std::optional<NumberText> SplitNumberText(std::string_view text) {
  const std::size_t first = text.find_first_not_of(kSpaces);
  if (first == std::string_view::npos) {
    return std::nullopt;
  }
  NumberScanner scan(text.substr(first, text.find_last_not_of(kSpaces) + 1 - first));
  NumberText parts;
  parts.negative = scan.Sign();
  parts.whole = scan.Digits();
  if (scan.Take('/')) {
    parts.form = NumberText::Form::kRatio;
    parts.negative_denominator = scan.Sign();
    parts.denominator = scan.Digits();
    if (parts.whole.empty() || parts.denominator.empty() || !scan.AtEnd()) {
      return std::nullopt;
    }
    return parts;
  }
  const bool point = scan.Take('.');
  parts.fraction = point ? scan.Digits() : std::string_view();
  if (point && scan.Take('(')) {
    parts.form = NumberText::Form::kRepeating;
    parts.period = scan.Digits();
    if (parts.period.empty() || !scan.Take(')') || !scan.AtEnd()) {
      return std::nullopt;
    }
    return parts;
  }
  if (parts.whole.empty() && parts.fraction.empty()) {
    return std::nullopt;
  }
  if (scan.Take('e') || scan.Take('E')) {
    const bool negative_exponent = scan.Sign();
    const std::string_view digits = scan.Digits();
    if (digits.empty()) {
      return std::nullopt;
    }
    parts.exponent = SaturatedDigits(digits, kExponentCap) * (negative_exponent ? -1 : 1);
  }
  if (!scan.AtEnd()) {
    return std::nullopt;
  }
  return parts;
}

}  // namespace fraction::detail

#endif  // FRACTION_DETAIL_NUMBER_TEXT_H
