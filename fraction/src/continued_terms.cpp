#include "continued_terms.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace fraction::internal {

Dyadic Decompose(double magnitude) {
  int exponent = 0;
  const double fraction = std::frexp(magnitude, &exponent);  // in [0.5, 1), exact
  Dyadic value{static_cast<std::uint64_t>(std::ldexp(fraction, 53)), 53 - exponent};
  while ((value.mantissa & 1) == 0 && value.shift > 0) {
    value.mantissa >>= 1;
    --value.shift;
  }
  return value;
}

SplitDouble Split(double magnitude) {
  const Dyadic value = Decompose(magnitude);
  if (value.shift >= 64) {
    return {0, value.mantissa, value.shift};
  }
  return {value.mantissa >> value.shift, value.mantissa & ((std::uint64_t{1} << value.shift) - 1),
          value.shift};
}

Term Expansion::Next() {
  Term term{};
  if (power_ >= 0) {
    term = {1 / divisor_, 1 % divisor_, divisor_};  // 2^0
    for (int i = 0; i < power_ && term.quotient <= kHuge; ++i) {
      term.quotient <<= 1;
      term.remainder <<= 1;  // below 2^64, as the divisor is below 2^63
      if (term.remainder >= divisor_) {
        term.remainder -= divisor_;
        term.quotient |= 1;
      }
    }
    term.quotient = std::min(term.quotient, kHuge);
    power_ = -1;
  } else {
    term = {dividend_ / divisor_, dividend_ % divisor_, divisor_};
  }
  dividend_ = divisor_;
  divisor_ = term.remainder;
  return term;
}

}  // namespace fraction::internal
