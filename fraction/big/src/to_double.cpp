#include <gmp.h>
#include <gmpxx.h>

#include <cmath>
#include <cstdint>
#include <limits>

#include "big_parts.h"
#include "fraction/big_fraction.h"
#include "fraction/detail/integers.h"

namespace fraction {
namespace {

using internal::Access;
using internal::Uint128;

constexpr double kInfinity = std::numeric_limits<double>::infinity();

// The double nearest to (q + f) / 2^scale, for q in [2^62, 2^64) and some
// f in [0, 1) that is 0 exactly when `sticky` is false: to nearest, ties to
// even, with as many bits as the double has at that size (53, fewer among
// the subnormals, whose lowest bit is 2^-1074). Every bit of q below those
// kept, with f, decides the rounding; what is kept, at most 2^53, then
// scales to its place exactly, or overflows to infinity.
double Composed(std::uint64_t q, bool sticky, long scale) {
  const int length = q >> 63 != 0 ? 64 : 63;
  const long exponent = length - 1 - scale;  // 2^exponent <= value < 2^(exponent + 1)
  if (exponent >= std::numeric_limits<double>::max_exponent) {
    return kInfinity;
  }
  const long keep = exponent >= -1022 ? 53 : exponent + 1075;
  if (keep < 0) {
    return 0.0;  // below 2^-1075, half the least subnormal
  }
  const auto drop = static_cast<int>(length - keep);  // 10 to 64
  const std::uint64_t kept = drop < 64 ? q >> drop : 0;
  const std::uint64_t rest = drop < 64 ? q & ((std::uint64_t{1} << drop) - 1) : q;
  const std::uint64_t half = std::uint64_t{1} << (drop - 1);
  const bool up = rest > half || (rest == half && (sticky || (kept & 1) != 0));
  return std::ldexp(static_cast<double>(kept + static_cast<std::uint64_t>(up)),
                    static_cast<int>(drop - scale));
}

// |n| / d for inline parts: with n shifted up by `scale`, the quotient has
// 63 or 64 bits, and the shifted n at most 126.
double InlineMagnitude(std::uint64_t n, std::uint64_t d) {
  const long scale = 63 - internal::BitLength(n) + internal::BitLength(d);
  const Uint128 shifted = Uint128{n} << scale;
  return Composed(static_cast<std::uint64_t>(shifted / d), shifted % d != 0, scale);
}

// |n| / d for parts of any size, likewise; values far beyond the doubles'
// range either way are decided by the parts' lengths alone.
double HeapMagnitude(mpz_srcptr n, mpz_srcptr d) {
  const auto difference =
      static_cast<long>(internal::BitLength(n)) - static_cast<long>(internal::BitLength(d));
  if (difference > 1025) {
    return kInfinity;
  }
  if (difference < -1080) {
    return 0.0;
  }
  const long scale = 63 - difference;
  mpz_class shifted, quotient, remainder;
  bool sticky = false;
  if (scale >= 0) {
    mpz_mul_2exp(shifted.get_mpz_t(), n, static_cast<mp_bitcnt_t>(scale));
  } else {
    mpz_tdiv_q_2exp(shifted.get_mpz_t(), n, static_cast<mp_bitcnt_t>(-scale));
    sticky = mpz_scan1(n, 0) < static_cast<mp_bitcnt_t>(-scale);
  }
  mpz_abs(shifted.get_mpz_t(), shifted.get_mpz_t());
  mpz_tdiv_qr(quotient.get_mpz_t(), remainder.get_mpz_t(), shifted.get_mpz_t(), d);
  return Composed(internal::Low64(quotient.get_mpz_t()), sticky || remainder != 0, scale);
}

}  // namespace

// Parts exact in double (up to 2^53) take one IEEE division, which rounds
// correctly; a zero denominator is not divided by, which would raise the
// floating-point division-by-zero flag.
double BigFraction::ToDouble() const {
  if (OnHeap()) {
    const mpq_srcptr q = Access::Heap(*this).get_mpq_t();
    const double magnitude = HeapMagnitude(mpq_numref(q), mpq_denref(q));
    return mpq_sgn(q) < 0 ? -magnitude : magnitude;
  }
  const std::int64_t n = Access::Numerator(*this);
  const std::uint64_t d = Access::Denominator(*this);
  if (d == 0) {
    return n == 0 ? std::numeric_limits<double>::quiet_NaN() : n > 0 ? kInfinity : -kInfinity;
  }
  constexpr std::int64_t kExact = std::int64_t{1} << 53;
  if (n >= -kExact && n <= kExact && d <= static_cast<std::uint64_t>(kExact)) {
    return static_cast<double>(n) / static_cast<double>(d);
  }
  const double magnitude = InlineMagnitude(detail::Magnitude(n), d);
  return n < 0 ? -magnitude : magnitude;
}

}  // namespace fraction
