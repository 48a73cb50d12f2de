#ifndef FRACTION_BIG_DECIMAL_DIGITS_H
#define FRACTION_BIG_DECIMAL_DIGITS_H

#include <gmp.h>

#include <cstdint>
#include <string>

#include "big_parts.h"
#include "fraction/big_fraction.h"

namespace fraction::internal {

// The magnitude |n| / d of a finite BigFraction, read in place, and its
// digit work for fraction/detail/decimal_layout.h: exact at any size, each
// result from one division of GMP's (subquadratic) rather than a digit at a
// time, so that a precision of millions takes about linear time. Neither
// copied nor moved, as the view it reads through points into itself; a
// function returns one by guaranteed copy elision.
class BigMagnitude {
 public:
  explicit BigMagnitude(const BigFraction& x);
  BigMagnitude(const BigMagnitude&) = delete;
  BigMagnitude& operator=(const BigMagnitude&) = delete;
  BigMagnitude(BigMagnitude&&) = delete;
  BigMagnitude& operator=(BigMagnitude&&) = delete;
  ~BigMagnitude() = default;

  [[nodiscard]] bool IsZero() const { return mpz_sgn(&numerator_) == 0; }
  [[nodiscard]] std::int64_t LeadingExponent() const;
  [[nodiscard]] std::string RoundedDigits(std::int64_t places) const;

 private:
  // Whether |n| >= d · 10^exponent.
  [[nodiscard]] bool AtLeastPowerOfTen(std::int64_t exponent) const;
  [[nodiscard]] mpz_srcptr Denominator() const { return mpq_denref(value_.Get()); }

  MpqView value_;
  __mpz_struct numerator_{};  // |n|, over the limbs of value_'s numerator
};

}  // namespace fraction::internal

#endif  // FRACTION_BIG_DECIMAL_DIGITS_H
