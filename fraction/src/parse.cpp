// TFrac::Parse: "n/d", decimals with an exponent and repeating decimals,
// read exactly at any length.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "digit_ratio.h"
#include "fraction/detail/ascii.h"
#include "fraction/tfrac.h"

namespace fraction {
namespace {

using detail::IsDigit;
using detail::kSpaces;

// A cursor over the text being parsed.
class Scanner {
 public:
  explicit Scanner(std::string_view text) : rest_(text) {}

  [[nodiscard]] bool AtEnd() const { return rest_.empty(); }

  bool Take(char c) {
    if (rest_.empty() || rest_.front() != c) {
      return false;
    }
    rest_.remove_prefix(1);
    return true;
  }

  // An optional sign: true for '-'.
  bool Sign() { return !Take('+') && Take('-'); }

  // The run of digits here, possibly empty.
  std::string_view Digits() {
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
std::int64_t Saturated(std::string_view digits, std::int64_t cap) {
  std::int64_t value = 0;
  for (const char c : digits) {
    value = std::min<std::int64_t>(cap, value * 10 + detail::DigitValue(c));
  }
  return value;
}

std::optional<TFrac> Signed(bool negative, std::optional<internal::DigitRatio> ratio) {
  if (!ratio) {
    return std::nullopt;
  }
  return TFrac(negative ? -ratio->numerator : ratio->numerator, ratio->denominator);
}

// digits · 10^exponent, where a digit string of the text reaches any length
// and the exponent (saturated far beyond what can fit) too.
std::optional<internal::DigitRatio> Scaled(std::string digits, std::int64_t exponent) {
  const std::size_t last = digits.find_last_not_of('0');
  if (last == std::string::npos) {
    return internal::DigitRatio{0, 1};
  }
  exponent += static_cast<std::int64_t>(digits.size() - 1 - last);
  digits.erase(last + 1);
  digits.erase(0, digits.find_first_not_of('0'));
  const auto length = static_cast<std::int64_t>(digits.size());
  if (exponent >= 0) {
    // An integer of more than ten digits exceeds 2^31 - 1.
    if (length + exponent > 10) {
      return std::nullopt;
    }
    digits.append(static_cast<std::size_t>(exponent), '0');
    return internal::ReduceDigits(digits, "1");
  }
  // digits / 10^n, the digits not divisible by 10: so not by both 2 and 5,
  // and the reduced denominator keeps 2^n or 5^n, which exceed 2^31 - 1
  // for n > 30.
  if (exponent < -30) {
    return std::nullopt;
  }
  std::string power = "1";
  power.append(static_cast<std::size_t>(-exponent), '0');
  return internal::ReduceDigits(digits, power);
}

}  // namespace

std::optional<TFrac> TFrac::Parse(std::string_view text) {
  const std::size_t first = text.find_first_not_of(kSpaces);
  if (first == std::string_view::npos) {
    return std::nullopt;
  }
  Scanner scan(text.substr(first, text.find_last_not_of(kSpaces) + 1 - first));
  const bool negative = scan.Sign();
  const std::string_view whole = scan.Digits();
  if (scan.Take('/')) {
    const bool negative_denominator = scan.Sign();
    const std::string_view denominator = scan.Digits();
    if (whole.empty() || denominator.empty() || !scan.AtEnd()) {
      return std::nullopt;
    }
    return Signed(negative != negative_denominator, internal::ReduceDigits(whole, denominator));
  }
  const bool point = scan.Take('.');
  const std::string_view fraction = point ? scan.Digits() : std::string_view();
  if (point && scan.Take('(')) {
    const std::string_view period = scan.Digits();
    if (period.empty() || !scan.Take(')') || !scan.AtEnd()) {
      return std::nullopt;
    }
    return Signed(negative, internal::ReduceRepeating(whole, fraction, period));
  }
  if (whole.empty() && fraction.empty()) {
    return std::nullopt;
  }
  // Far beyond any exponent that can fit, and far from overflow.
  constexpr std::int64_t kExponentCap = std::int64_t{1} << 50;
  std::int64_t exponent = 0;
  if (scan.Take('e') || scan.Take('E')) {
    const bool negative_exponent = scan.Sign();
    const std::string_view digits = scan.Digits();
    if (digits.empty()) {
      return std::nullopt;
    }
    exponent = Saturated(digits, kExponentCap) * (negative_exponent ? -1 : 1);
  }
  if (!scan.AtEnd()) {
    return std::nullopt;
  }
  std::string digits(whole);
  digits += fraction;
  exponent -= static_cast<std::int64_t>(std::min<std::size_t>(fraction.size(), kExponentCap));
  return Signed(negative, Scaled(std::move(digits), exponent));
}

}  // namespace fraction
