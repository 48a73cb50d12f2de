#ifndef FRACTION_DECIMAL_DIGITS_H
#define FRACTION_DECIMAL_DIGITS_H

#include <cstdint>
#include <string>

#include "fraction/tfrac.h"

namespace fraction::internal {

// Whether a fraction with a denominator other than 0 lies below zero.
bool IsNegative(const TFrac& x);

// The magnitude |n| / |d| of a fraction with a denominator other than 0,
// and its digit work for fraction/detail/decimal_layout.h: parts up to
// 2^31, in 64 bits.
class SmallMagnitude {
 public:
  // Inline, so that the caller's copy of the parts is its own stores: a
  // 16-byte load of two 8-byte stores made in another function stalls
  // (store forwarding fails), which cost Format a tenth of its time.
  explicit SmallMagnitude(const TFrac& x)
      : value_{Magnitude(x.Numerator()), Magnitude(x.Denominator())} {}

  [[nodiscard]] bool IsZero() const { return value_.numerator == 0; }
  // From -10 to 9.
  [[nodiscard]] std::int64_t LeadingExponent() const;
  // In time linear in `places`.
  [[nodiscard]] std::string RoundedDigits(std::int64_t places) const;

 private:
  static std::uint64_t Magnitude(std::int64_t part) {
    return static_cast<std::uint64_t>(part < 0 ? -part : part);
  }

  detail::Ratio<std::uint64_t> value_;  // the denominator at least 1
};

}  // namespace fraction::internal

#endif  // FRACTION_DECIMAL_DIGITS_H
