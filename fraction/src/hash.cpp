#include <cstddef>
#include <cstdint>
#include <numeric>

#include "fraction/tfrac.h"

// The value in lowest terms, so that equal values meet (x/0 becomes ±1/0),
// then mixed with splitmix64's finaliser: fractions whose parts are close
// must still spread over a hash table's buckets.
std::size_t std::hash<fraction::TFrac>::operator()(const fraction::TFrac& fraction) const noexcept {
  auto [n, d] = fraction::detail::ValueOf(fraction);
  const std::int64_t g = std::gcd(n, d);  // 0 only for 0/0
  if (g > 1) {
    n /= g;
    d /= g;
  }
  std::uint64_t h =
      static_cast<std::uint64_t>(n) * 0x9E3779B97F4A7C15u + static_cast<std::uint64_t>(d);
  h = (h ^ (h >> 30)) * 0xBF58476D1CE4E5B9u;
  h = (h ^ (h >> 27)) * 0x94D049BB133111EBu;
  return static_cast<std::size_t>(h ^ (h >> 31));
}
