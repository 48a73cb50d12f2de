#include <cstdint>
#include <numeric>
#include <optional>

#include "fraction/tfrac.h"

namespace fraction {
namespace {

// m^k for m in [0, 2^31], or none when it exceeds INT32_MAX. Any m >= 2
// reaches 2^31 by k = 31, so the loop takes at most 30 steps, and each
// product (below 2^31 · 2^31) fits in 64 bits.
std::optional<std::int64_t> Power(std::int64_t m, std::uint32_t k) {
  if (m <= 1) return k == 0 ? 1 : m;
  if (k >= 31) return std::nullopt;
  std::int64_t power = 1;
  for (; k > 0; --k) {
    power *= m;
    if (power > INT32_MAX) return std::nullopt;
  }
  return power;
}

}  // namespace

// A fraction from text may be unreduced ("2/4"): it is reduced first, in 64
// bits, where |INT32_MIN| fits. Coprime parts stay coprime in every power,
// so the result needs no gcd.
std::optional<TFrac> TFrac::CheckedPow(std::int32_t exponent) const {
  if (denominator < 1) return std::nullopt;
  const std::int64_t g = std::gcd(std::int64_t{numerator}, std::int64_t{denominator});
  std::int64_t n = numerator / g, d = denominator / g;
  if (exponent < 0) {
    if (n == 0) return std::nullopt;
    // The reciprocal, with the sign on its numerator.
    const std::int64_t sign = n < 0 ? -1 : 1;
    const std::int64_t reciprocal_n = d * sign;
    d = n * sign;
    n = reciprocal_n;
  }
  // |exponent| in unsigned arithmetic, where |INT32_MIN| fits.
  const std::uint32_t k = exponent < 0 ? 0u - static_cast<std::uint32_t>(exponent)
                                       : static_cast<std::uint32_t>(exponent);
  const std::optional<std::int64_t> top = Power(n < 0 ? -n : n, k), bottom = Power(d, k);
  if (!top || !bottom) return std::nullopt;
  const bool negative = n < 0 && (k & 1u) != 0;
  return TFrac(InLowestTerms{}, static_cast<std::int32_t>(negative ? -*top : *top),
               static_cast<std::int32_t>(*bottom));
}

}  // namespace fraction
