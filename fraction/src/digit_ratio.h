#ifndef FRACTION_DIGIT_RATIO_H
#define FRACTION_DIGIT_RATIO_H

#include <cstdint>
#include <optional>
#include <string_view>

#include "fraction/detail/integers.h"

namespace fraction::internal {

// A ratio of natural numbers in lowest terms that fits: a numerator of at
// least 0.
using DigitRatio = detail::Ratio<std::int32_t>;

// a/b for a and b written as decimal digits (only '0' to '9', leading zeros
// allowed, any length), in lowest terms, when both parts then lie within
// 2^31 - 1; nothing when they do not, or when b is 0. Exact at every length,
// in time linear in it.
std::optional<DigitRatio> ReduceDigits(std::string_view a, std::string_view b);

// The value of the decimal whole.fraction(period), each part digits only
// ('0' to '9', any length, whole and fraction possibly empty, period not),
// in lowest terms, when both parts then lie within 2^31 - 1.
std::optional<DigitRatio> ReduceRepeating(std::string_view whole, std::string_view fraction,
                                          std::string_view period);

}  // namespace fraction::internal

#endif  // FRACTION_DIGIT_RATIO_H
