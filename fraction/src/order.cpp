#include <cstddef>
#include <cstdint>
#include <limits>
#include <numeric>

#include "fraction/tfrac.h"
#include "value.h"

namespace fraction {

// With non-negative denominators, a/b < c/d exactly when a·d < c·b; each
// product is at most 2^62 in magnitude, so 64 bits compare exactly. That
// also ranks x/0 against a finite value as the infinity of x's sign; two
// infinities are compared by sign alone.
TFrac::Order TFrac::Compare(const TFrac& x, const TFrac& y) {
  const Value p = ValueOf(x), q = ValueOf(y);
  if ((p.numerator == 0 && p.denominator == 0) || (q.numerator == 0 && q.denominator == 0)) {
    return Order::kUnordered;
  }
  const bool infinities = p.denominator == 0 && q.denominator == 0;
  const std::int64_t left = infinities ? Signum(p.numerator) : p.numerator * q.denominator;
  const std::int64_t right = infinities ? Signum(q.numerator) : q.numerator * p.denominator;
  // kLess, kEqual and kGreater are 0, 1 and 2: counted, not branched to,
  // since a branch on the order of varied values is a guess.
  return static_cast<Order>(static_cast<int>(left >= right) + static_cast<int>(left > right));
}

bool TFrac::Equal(const TFrac* other) const {
  return other != nullptr && numerator == other->numerator && denominator == other->denominator;
}

bool TFrac::Greater(const TFrac* other) const {
  return other != nullptr && Compare(*this, *other) == Order::kGreater;
}

// Both parts are exact in double, and IEEE division rounds correctly. A
// zero denominator is not divided by, which would raise the floating-point
// division-by-zero flag.
double TFrac::ToDouble() const {
  if (denominator != 0) {
    return static_cast<double>(numerator) / static_cast<double>(denominator);
  }
  if (numerator == 0) {
    return std::numeric_limits<double>::quiet_NaN();
  }
  constexpr double kInfinity = std::numeric_limits<double>::infinity();
  return numerator > 0 ? kInfinity : -kInfinity;
}

}  // namespace fraction

// The value in lowest terms, so that equal values meet (x/0 becomes ±1/0),
// then mixed with splitmix64's finaliser: fractions whose parts are close
// must still spread over a hash table's buckets.
std::size_t std::hash<fraction::TFrac>::operator()(const fraction::TFrac& fraction) const noexcept {
  auto [n, d] = fraction::ValueOf(fraction);
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
