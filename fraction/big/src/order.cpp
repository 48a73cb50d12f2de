#include <gmp.h>

#include <cmath>
#include <cstdint>

#include "big_parts.h"
#include "fraction/big_fraction.h"

namespace fraction {
namespace {

using internal::Access;
using internal::Int128;

// -1, 0 or 1 as an Order, counted rather than branched to: a branch on the
// order of varied values is a guess.
template <class T>
int Sign3(T left, T right) {
  return static_cast<int>(left > right) - static_cast<int>(left < right);
}

}  // namespace

// Inline operands compare by their cross products, each below 2^126 in
// magnitude; the infinities by their signs, against everything.
BigFraction::Order BigFraction::Compare(const BigFraction& x, const BigFraction& y) {
  if (Access::InlineFinite(x, y)) {
    const Int128 left = Int128{Access::Numerator(x)} * Access::Denominator(y);
    const Int128 right = Int128{Access::Numerator(y)} * Access::Denominator(x);
    return static_cast<Order>(Sign3(left, right) + 1);
  }
  const bool x_finite = Access::Denominator(x) != 0, y_finite = Access::Denominator(y) != 0;
  if ((!x_finite && Access::Numerator(x) == 0) || (!y_finite && Access::Numerator(y) == 0)) {
    return Order::kUnordered;
  }
  if (!x_finite || !y_finite) {
    const int x_rank = x_finite ? 0 : internal::SignOf(x);
    const int y_rank = y_finite ? 0 : internal::SignOf(y);
    return static_cast<Order>(Sign3(x_rank, y_rank) + 1);
  }
  const internal::MpqView left(x), right(y);
  return static_cast<Order>(Sign3(mpq_cmp(left.Get(), right.Get()), 0) + 1);
}

// y's exact value is a fraction like any other, held inline for every
// double from 2^-10 to 2^63 in magnitude (its lowest bit is 2^-62 or more):
// comparing with most doubles takes no heap.
BigFraction::Order BigFraction::CompareWith(const BigFraction& x, long double y) {
  if (std::isnan(y)) {
    return Order::kUnordered;
  }
  return Compare(x, FromDouble(y));
}

}  // namespace fraction
