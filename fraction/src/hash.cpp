#include <cstddef>
#include <cstdint>
#include <numeric>

#include "fraction/detail/value_hash.h"
#include "fraction/tfrac.h"

// The value in lowest terms, so that equal values meet (x/0 becomes ±1/0).
std::size_t std::hash<fraction::TFrac>::operator()(const fraction::TFrac& fraction) const noexcept {
  auto [n, d] = fraction::detail::ValueOf(fraction);
  const std::int64_t g = std::gcd(n, d);  // 0 only for 0/0
  if (g > 1) {
    n /= g;
    d /= g;
  }
  return static_cast<std::size_t>(fraction::detail::HashOfLowestTerms(n, d));
}
