#include <gmp.h>
#include <gmpxx.h>

#include <cstdint>
#include <memory>
#include <optional>

#include "big_parts.h"
#include "fraction/big_fraction.h"
#include "fraction/detail/integers.h"

namespace fraction {
namespace {

using internal::Access;
using internal::Int128;
using internal::Uint128;

enum class Rounding : unsigned char { kFloor, kCeil, kTrunc, kRound };

// n/d rounded, for d >= 1: the truncated quotient moved by at most one by
// the remainder r, which has n's sign; |r| < d, so 2·|r| fits in 128 bits.
Int128 RoundedQuotient(Int128 n, Int128 d, Rounding rounding) {
  const Int128 quotient = n / d, r = n % d;
  switch (rounding) {
    case Rounding::kFloor:
      return quotient - static_cast<Int128>(r < 0);
    case Rounding::kCeil:
      return quotient + static_cast<Int128>(r > 0);
    case Rounding::kTrunc:
      break;
    case Rounding::kRound:
      return quotient + static_cast<Int128>(2 * r >= d) - static_cast<Int128>(2 * r <= -d);
  }
  return quotient;
}

mpz_class ToMpz(Int128 value) {
  mpz_class z;
  internal::SetMpz(z.get_mpz_t(), value < 0,
                   value < 0 ? 0 - static_cast<Uint128>(value) : static_cast<Uint128>(value));
  return z;
}

mpz_class RoundedQuotient(mpz_srcptr n, mpz_srcptr d, Rounding rounding) {
  mpz_class quotient;
  switch (rounding) {
    case Rounding::kFloor:
      mpz_fdiv_q(quotient.get_mpz_t(), n, d);
      break;
    case Rounding::kCeil:
      mpz_cdiv_q(quotient.get_mpz_t(), n, d);
      break;
    case Rounding::kTrunc:
      mpz_tdiv_q(quotient.get_mpz_t(), n, d);
      break;
    case Rounding::kRound: {
      mpz_class twice_remainder;
      mpz_tdiv_qr(quotient.get_mpz_t(), twice_remainder.get_mpz_t(), n, d);
      mpz_mul_2exp(twice_remainder.get_mpz_t(), twice_remainder.get_mpz_t(), 1);
      if (mpz_cmpabs(twice_remainder.get_mpz_t(), d) >= 0) {
        quotient += mpz_sgn(n);
      }
      break;
    }
  }
  return quotient;
}

std::optional<mpz_class> Rounded(const BigFraction& x, Rounding rounding) {
  if (Access::InlineFinite(x)) {
    return ToMpz(RoundedQuotient(Access::Numerator(x),
                                 static_cast<std::int64_t>(Access::Denominator(x)), rounding));
  }
  if (!Access::OnHeap(x)) {
    return std::nullopt;
  }
  const mpq_srcptr q = Access::Heap(x).get_mpq_t();
  return RoundedQuotient(mpq_numref(q), mpq_denref(q), rounding);
}

// Whether FloorDivide and Modulo have a finite answer.
bool Divisible(const BigFraction& x, const BigFraction& y) {
  return Access::Denominator(x) != 0 && Access::Denominator(y) != 0 && internal::SignOf(y) != 0;
}

}  // namespace

int BigFraction::Sign() const { return internal::SignOf(*this); }

bool BigFraction::IsInteger() const {
  if (OnHeap()) {
    return mpz_cmp_ui(mpq_denref(Access::Heap(*this).get_mpq_t()), 1) == 0;
  }
  return Access::Denominator(*this) == 1;
}

std::optional<mpz_class> BigFraction::Floor() const { return Rounded(*this, Rounding::kFloor); }
std::optional<mpz_class> BigFraction::Ceil() const { return Rounded(*this, Rounding::kCeil); }
std::optional<mpz_class> BigFraction::Trunc() const { return Rounded(*this, Rounding::kTrunc); }
std::optional<mpz_class> BigFraction::Round() const { return Rounded(*this, Rounding::kRound); }

// x / y = a·d / (b·c) for x = a/b and y = c/d; with c's sign moved to the
// numerator the divisor is positive. Inline, each product is below 2^126.
std::optional<mpz_class> BigFraction::FloorDivide(const BigFraction& y) const {
  if (!Divisible(*this, y)) {
    return std::nullopt;
  }
  if (Access::InlineFinite(*this, y)) {
    const Int128 sign = internal::SignOf(y);
    return ToMpz(RoundedQuotient(Int128{Access::Numerator(*this)} * Access::Denominator(y) * sign,
                                 Int128{Access::Denominator(*this)} * Access::Numerator(y) * sign,
                                 Rounding::kFloor));
  }
  const internal::MpqView x_view(*this), y_view(y);
  const mpq_srcptr p = x_view.Get(), q = y_view.Get();
  mpz_class n, d;
  mpz_mul(n.get_mpz_t(), mpq_numref(p), mpq_denref(q));
  mpz_mul(d.get_mpz_t(), mpq_denref(p), mpq_numref(q));
  mpz_class quotient;
  mpz_fdiv_q(quotient.get_mpz_t(), n.get_mpz_t(), d.get_mpz_t());
  return quotient;
}

// x − y·⌊x / y⌋ = (a·d − b·c·q) / (b·d), and with N = a·d·s, M = b·|c| and s
// the sign of c, a·d − b·c·q = s·(N − M·q): s times N's floored remainder
// modulo M, which lies in [0, M).
BigFraction BigFraction::Modulo(const BigFraction& y) const {
  if (!Divisible(*this, y)) {
    return internal::NonFinite(0);
  }
  if (Access::InlineFinite(*this, y)) {
    const int sign = internal::SignOf(y);
    const Int128 n = Int128{Access::Numerator(*this)} * Access::Denominator(y) * sign;
    const Int128 m = Int128{Access::Denominator(*this)} * detail::Magnitude(Access::Numerator(y));
    Int128 remainder = n % m;
    remainder += remainder < 0 ? m : 0;
    return internal::Reduced(sign < 0, static_cast<Uint128>(remainder),
                             Uint128{Access::Denominator(*this)} * Access::Denominator(y));
  }
  const std::optional<mpz_class> quotient = FloorDivide(y);
  return *this - y * BigFraction(*quotient);
}

}  // namespace fraction
