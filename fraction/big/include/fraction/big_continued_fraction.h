#ifndef FRACTION_BIG_CONTINUED_FRACTION_H
#define FRACTION_BIG_CONTINUED_FRACTION_H

/// @file
/// Continued fractions of BigFraction values and the simplest fraction in
/// an interval, exact at any size: the overloads of
/// fraction/continued_fraction.h's functions for BigFraction, whose
/// Euclidean steps run on GMP. BigFraction::FromContinuedFraction, the way
/// back, is a member of the class.

#include <gmpxx.h>

#include <optional>
#include <vector>

#include "fraction/big_export.h"
#include "fraction/big_fraction.h"
#include "fraction/continued_fraction.h"

namespace fraction {

/// The canonical terms [a0; a1, ..., ak] of \p x: a0 = floor(x), which may
/// be negative, every later term at least 1, and the last one at least 2
/// when k >= 1.
///
/// 355/113 is [3; 7, 16], -2/3 is [-1; 3], an integer is [a0]. Empty for
/// the infinities and NaN.
[[nodiscard]] FRACTION_BIG_EXPORT std::vector<mpz_class> ContinuedFraction(const BigFraction& x);

/// The convergents of the canonical terms of \p x, each in lowest terms:
/// for [a0; a1, ..., ak], the values of [a0], [a0; a1], ..., the last of
/// them \p x itself. Empty for the infinities and NaN.
[[nodiscard]] FRACTION_BIG_EXPORT std::vector<BigFraction> Convergents(const BigFraction& x);

/// The simplest fraction in the closed interval [lo, hi]: the one with the
/// smallest denominator and, of those, the smallest |numerator|.
///
/// Both are smallest at once, and only one fraction is, when the interval
/// lies on one side of zero; 0 when it holds zero. None when lo > hi, or
/// when a bound is an infinity or NaN, as for TFrac.
[[nodiscard]] FRACTION_BIG_EXPORT std::optional<BigFraction> Simplest(const BigFraction& lo,
                                                                      const BigFraction& hi);

}  // namespace fraction

#endif  // FRACTION_BIG_CONTINUED_FRACTION_H
