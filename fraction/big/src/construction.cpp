#include <gmp.h>
#include <gmpxx.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <memory>
#include <optional>

#include "big_parts.h"
#include "fraction/big_fraction.h"
#include "fraction/tfrac.h"

namespace fraction {

using internal::Access;
using internal::Int128;
using internal::Uint128;

BigFraction BigFraction::FromMagnitudes(bool negative, std::uint64_t n, std::uint64_t d) {
  if (d == 0) {
    return internal::NonFinite(n == 0 ? 0 : negative ? -1 : 1);
  }
  return internal::Reduced(negative, n, d);
}

BigFraction BigFraction::FromInt128(bool negative, Uint128 n, Uint128 d) {
  if (d == 0) {
    return internal::NonFinite(n == 0 ? 0 : negative ? -1 : 1);
  }
  return internal::Reduced(negative, n, d);
}

BigFraction BigFraction::FromMpz(const mpz_class& n, const mpz_class& d) {
  if (d == 0) {
    return internal::NonFinite(mpz_sgn(n.get_mpz_t()));
  }
  auto value = internal::NewRational();
  mpz_set(mpq_numref(value->get_mpq_t()), n.get_mpz_t());
  mpz_set(mpq_denref(value->get_mpq_t()), d.get_mpz_t());
  value->canonicalize();
  return internal::Canonical(std::move(value));
}

BigFraction BigFraction::FromMpq(const mpq_class& value) {
  return FromMpz(value.get_num(), value.get_den());
}

mpz_class BigFraction::MpzOf(bool negative, std::uint64_t magnitude) {
  return MpzOf(negative, Uint128{magnitude});
}

mpz_class BigFraction::MpzOf(bool negative, Uint128 magnitude) {
  mpz_class z;
  internal::SetMpz(z.get_mpz_t(), negative, magnitude);
  return z;
}

void BigFraction::CopyHeap(const BigFraction& other) {
  auto copy = internal::NewRational();
  mpq_set(copy->get_mpq_t(), Access::Heap(other).get_mpq_t());
  // NOLINTNEXTLINE(cppcoreguidelines-pro-type-union-access)
  new (&heap_) detail::HeapRational(std::move(copy));
  denominator_ = kOnHeap;
}

// x = m · 2^(e − 128), m read off x's significand in two 64-bit halves:
// every significand (64 bits for x87's long double, 113 for a quadruple
// one) fits in 128, and each half is an integer below 2^64 exactly.
BigFraction BigFraction::FromDouble(long double x) {
  if (std::isnan(x)) {
    return internal::NonFinite(0);
  }
  if (std::isinf(x)) {
    return internal::NonFinite(x < 0 ? -1 : 1);
  }
  if (x == 0) {
    return {};
  }
  static_assert(std::numeric_limits<long double>::digits <= 128);
  int exponent = 0;
  const long double high = std::ldexp(std::frexp(std::fabs(x), &exponent), 64);
  const auto high_bits = static_cast<std::uint64_t>(high);
  const auto low_bits =
      static_cast<std::uint64_t>(std::ldexp(high - static_cast<long double>(high_bits), 64));
  Uint128 m = Uint128{high_bits} << 64 | low_bits;
  // m odd, so that m / 2^k is in lowest terms.
  const int zeros = low_bits != 0 ? __builtin_ctzll(low_bits) : 64 + __builtin_ctzll(high_bits);
  m >>= zeros;
  const long shift = static_cast<long>(exponent) - 128 + zeros;  // x = ±m · 2^shift
  const bool negative = x < 0;
  const Int128 n = negative ? -static_cast<Int128>(m) : static_cast<Int128>(m);
  if (shift < 0 && shift > -127) {
    return internal::LowestTerms(n, Uint128{1} << -shift);
  }
  if (shift >= 0 && internal::BitLength(m) + shift <= 126) {
    return internal::LowestTerms(n * (Int128{1} << shift), 1);
  }
  auto value = internal::NewRational();
  mpq_ptr q = value->get_mpq_t();
  internal::SetMpz(mpq_numref(q), negative, m);
  if (shift >= 0) {
    mpz_mul_2exp(mpq_numref(q), mpq_numref(q), static_cast<mp_bitcnt_t>(shift));
  } else {
    mpz_mul_2exp(mpq_denref(q), mpq_denref(q), static_cast<mp_bitcnt_t>(-shift));
  }
  return internal::Canonical(std::move(value));
}

std::optional<mpq_class> BigFraction::ToMpq() const {
  if (Access::Denominator(*this) == 0) {
    return std::nullopt;
  }
  return mpq_class(internal::MpqView(*this).Get());
}

std::optional<TFrac> BigFraction::ToTFrac() const {
  if (!Access::InlineFinite(*this)) {
    return std::nullopt;
  }
  return TFrac::FromIntegers(Access::Numerator(*this),
                             static_cast<std::int64_t>(Access::Denominator(*this)));
}

mpz_class BigFraction::Numerator() const {
  if (OnHeap()) {
    return Access::Heap(*this).get_num();
  }
  const std::int64_t n = Access::Numerator(*this);
  return MpzOf(n < 0, detail::Magnitude(n));
}

mpz_class BigFraction::Denominator() const {
  if (OnHeap()) {
    return Access::Heap(*this).get_den();
  }
  return MpzOf(false, denominator_);
}

}  // namespace fraction
