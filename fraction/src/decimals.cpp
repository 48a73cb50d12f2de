// A fraction's value written as a decimal: rounded to a number of places
// (ToDecimal), or exact with its period in parentheses (ToRepeatingDecimal).
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <numeric>
#include <optional>
#include <string>
#include <string_view>

#include "decimal_digits.h"
#include "fraction/detail/decimal_layout.h"
#include "fraction/tfrac.h"

namespace fraction {

std::string TFrac::ToDecimal(int digits) const {
  if (denominator == 0) {
    return numerator > 0 ? "inf" : numerator < 0 ? "-inf" : "nan";
  }
  const auto places = static_cast<std::size_t>(std::clamp(digits, 0, 1000));
  std::string text = internal::IsNegative(*this) ? "-" : "";
  text += detail::FixedDigits(internal::SmallMagnitude(*this), places);
  return text;
}

// The digits after the point run into their period after max(v2, v5) of
// them, for the reduced denominator 2^v2 · 5^v5 · m: 10^k·r ≡ 10^j·r
// (mod d), for j < k and a remainder r prime to d, holds exactly when 2^v2
// and 5^v5 divide 10^j and m divides 10^(k−j) − 1. So the pre-period's
// length is known before any digit is, and the period ends where the
// remainder first comes back to the one after the pre-period: the long
// division stops there or at the cap, whichever comes first, and never
// needs the period's length (up to d − 1 digits) in advance.
std::optional<std::string> TFrac::ToRepeatingDecimal(int max_digits) const {
  if (denominator == 0) {
    return ToDecimal(0);  // "inf", "-inf" or "nan"
  }
  const detail::Ratio<std::int64_t> value = detail::ValueOf(*this);
  // Magnitudes up to 2^31, in 64 bits.
  auto magnitude =
      static_cast<std::uint64_t>(value.numerator < 0 ? -value.numerator : value.numerator);
  auto divisor = static_cast<std::uint64_t>(value.denominator);
  const std::uint64_t divisor_gcd = std::gcd(magnitude, divisor);
  magnitude /= divisor_gcd;
  divisor /= divisor_gcd;
  int twos = 0, fives = 0;
  for (std::uint64_t rest = divisor; rest % 2 == 0; rest /= 2) ++twos;
  for (std::uint64_t rest = divisor; rest % 5 == 0; rest /= 5) ++fives;
  const auto cap = static_cast<std::size_t>(std::max(max_digits, 0));
  const auto before = static_cast<std::size_t>(std::max(twos, fives));

  std::string text = value.numerator < 0 ? "-" : "";
  text += std::to_string(magnitude / divisor);
  std::uint64_t rest = magnitude % divisor;
  if (rest == 0) {
    return text;
  }
  if (before > cap) {
    return std::nullopt;
  }
  const auto next_digit = [&] {
    rest *= 10;  // below 10 · 2^31
    text += static_cast<char>('0' + rest / divisor);
    rest %= divisor;
  };
  text += '.';
  for (std::size_t i = 0; i < before; ++i) {
    next_digit();
  }
  if (rest == 0) {
    return text;  // the denominator was 2^v2 · 5^v5
  }
  text += '(';
  const std::uint64_t period_start = rest;
  for (std::size_t digits = before; digits < cap;) {
    next_digit();
    ++digits;
    if (rest == period_start) {
      text += ')';
      return text;
    }
  }
  return std::nullopt;
}

}  // namespace fraction
