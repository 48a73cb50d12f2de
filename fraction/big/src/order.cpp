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

// Where p lies against q, -1, 0 or 1. The leading bits of the four parts
// decide nearly always: mpz_get_d_2exp gives each as m·2^e with m in
// [1/2, 1), truncated, so within a relative 2^-52, and |p| / |q| is
// m1·m4 / (m2·m3) · 2^(e1 − e2 − e3 + e4), whose first factor lies in
// (1/4, 4) and comes out within a relative 2^-49 of the exact one. Only
// where it is within 2^-45 of 1 do GMP's exact cross products (mpq_cmp,
// two multiplications of the parts' full length) decide.
int CompareRationals(mpq_srcptr p, mpq_srcptr q) {
  const int p_sign = mpq_sgn(p), q_sign = mpq_sgn(q);
  if (p_sign != q_sign || p_sign == 0) {
    return Sign3(p_sign, q_sign);
  }
  long e1 = 0, e2 = 0, e3 = 0, e4 = 0;
  const double m1 = std::fabs(mpz_get_d_2exp(&e1, mpq_numref(p)));
  const double m2 = mpz_get_d_2exp(&e2, mpq_denref(p));
  const double m3 = std::fabs(mpz_get_d_2exp(&e3, mpq_numref(q)));
  const double m4 = mpz_get_d_2exp(&e4, mpq_denref(q));
  const long shift = (e1 - e2) - (e3 - e4);
  if (shift > 2 || shift < -2) {
    return shift > 0 ? p_sign : -p_sign;
  }
  const double ratio = std::ldexp(m1 * m4 / (m2 * m3), static_cast<int>(shift));
  constexpr double kMargin = 0x1p-45;
  if (ratio > 1 + kMargin || ratio < 1 - kMargin) {
    return ratio > 1 ? p_sign : -p_sign;
  }
  return Sign3(mpq_cmp(p, q), 0);
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
  return static_cast<Order>(CompareRationals(left.Get(), right.Get()) + 1);
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
