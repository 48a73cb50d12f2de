#ifndef FRACTION_DECIMAL_DIGITS_H
#define FRACTION_DECIMAL_DIGITS_H

#include <cstddef>
#include <cstdint>
#include <string>

#include "fraction/tfrac.h"

namespace fraction::internal {

// The magnitude of a fraction's value, |n| / |d| for d != 0: parts up to
// 2^31, in 64 bits, the denominator at least 1.
using AbsoluteValue = detail::Ratio<std::uint64_t>;

// For a fraction with a denominator other than 0.
AbsoluteValue AbsoluteValueOf(const TFrac& x);
bool IsNegative(const TFrac& x);

// X with 10^X <= m < 10^(X + 1), for m > 0: from -10 to 9.
int LeadingExponent(AbsoluteValue m);

// m · 10^places rounded to an integer, to nearest with ties to even, as
// printf rounds an exact value: its decimal digits, with no leading zero
// ("0" for zero). Exact for any `places`, in time linear in it.
std::string RoundedDigits(AbsoluteValue m, std::int64_t places);

// m rounded in the same way to `places` digits after the point, which is
// left out for 0 places unless `point` asks for it: "0.12", "2", "2.".
std::string FixedDigits(AbsoluteValue m, std::size_t places, bool point = false);

}  // namespace fraction::internal

#endif  // FRACTION_DECIMAL_DIGITS_H
