#include "decimal_digits.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>

namespace fraction::internal {

bool IsNegative(const TFrac& x) {
  return x.Numerator() != 0 && (x.Numerator() < 0) != (x.Denominator() < 0);
}

// Each product stays below ten times a part, so below 2^35.
std::int64_t SmallMagnitude::LeadingExponent() const {
  const detail::Ratio<std::uint64_t>& m = value_;
  std::int64_t exponent = 0;
  if (m.numerator >= m.denominator) {
    for (std::uint64_t scaled = m.denominator * 10; scaled <= m.numerator; scaled *= 10) {
      ++exponent;
    }
    return exponent;
  }
  for (std::uint64_t scaled = m.numerator * 10; scaled < m.denominator; scaled *= 10) {
    --exponent;
  }
  return exponent - 1;
}

// Long division on the exact value, then rounding on the exact remainder.
std::string SmallMagnitude::RoundedDigits(std::int64_t places) const {
  const detail::Ratio<std::uint64_t>& m = value_;
  // m <= 2^31 < 10^10 / 2, so below 10^-9 places it rounds to 0.
  if (places < -9) {
    return "0";
  }
  std::uint64_t whole = m.numerator / m.denominator;
  std::uint64_t rest = m.numerator % m.denominator;
  std::uint64_t divisor = m.denominator;
  if (places < 0) {
    // To a unit of 10^-places: the digits of the whole part below it join
    // the remainder, over a divisor scaled alike (below 10^9 · 2^31 < 2^61).
    std::uint64_t unit = 1;
    for (std::int64_t i = places; i < 0; ++i) {
      unit *= 10;
    }
    rest += whole % unit * divisor;
    divisor *= unit;
    whole /= unit;
  }
  std::string digits = std::to_string(whole);
  std::size_t at = digits.size();
  digits.resize(at + static_cast<std::size_t>(std::max<std::int64_t>(places, 0)));
  // Nine digits a division while they fit: the remainder is below the
  // divisor, here the denominator (at most 2^31), so 10^9 times it is below
  // 2^61.
  constexpr std::uint64_t kNineDigits = 1000000000;
  for (; digits.size() - at >= 9; at += 9) {
    rest *= kNineDigits;
    auto chunk = static_cast<std::uint32_t>(rest / divisor);
    rest %= divisor;
    for (std::size_t i = at + 9; i-- > at; chunk /= 10) {
      digits[i] = static_cast<char>('0' + chunk % 10);
    }
  }
  for (; at < digits.size(); ++at) {
    rest *= 10;
    digits[at] = static_cast<char>('0' + rest / divisor);
    rest %= divisor;
  }
  // To nearest; a tie to the even last digit.
  const bool odd = (digits.back() - '0') % 2 == 1;
  if (2 * rest > divisor || (2 * rest == divisor && odd)) {
    auto digit = digits.rbegin();
    for (; digit != digits.rend() && *digit == '9'; ++digit) {
      *digit = '0';
    }
    if (digit != digits.rend()) {
      ++*digit;
    } else {
      digits.insert(digits.begin(), '1');
    }
  }
  digits.erase(0, std::min(digits.find_first_not_of('0'), digits.size() - 1));
  return digits;
}

}  // namespace fraction::internal
