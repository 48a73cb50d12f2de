#ifndef FRACTION_REPEATING_DECIMAL_H
#define FRACTION_REPEATING_DECIMAL_H

#include <optional>
#include <string_view>

#include "digit_ratio.h"

namespace fraction::detail {

// The value of the decimal whole.fraction(period), each part digits only
// ('0' to '9', any length, whole and fraction possibly empty, period not),
// in lowest terms, when both parts then lie within 2^31 - 1.
std::optional<Ratio> ReduceRepeating(std::string_view whole, std::string_view fraction,
                                     std::string_view period);

}  // namespace fraction::detail

#endif  // FRACTION_REPEATING_DECIMAL_H
