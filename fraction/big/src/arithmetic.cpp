#include <gmp.h>
#include <gmpxx.h>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <memory>
#include <new>

#include "big_parts.h"
#include "fraction/big_fraction.h"
#include "fraction/detail/integers.h"

namespace fraction {
namespace {

using internal::Access;
using internal::Int128;
using internal::Uint128;

std::uint64_t Gcd(std::uint64_t m, std::uint64_t n) {
  return static_cast<std::uint64_t>(
      detail::BinaryGcd(static_cast<std::int64_t>(m), static_cast<std::int64_t>(n)));
}

// |t| mod g, for g >= 1: 64-bit division where t fits in 64 bits, as it
// does for all but the largest inline parts.
std::uint64_t MagnitudeModulo(Int128 t, std::uint64_t g) {
  const Uint128 magnitude = t < 0 ? 0 - static_cast<Uint128>(t) : static_cast<Uint128>(t);
  return magnitude <= UINT64_MAX ? static_cast<std::uint64_t>(magnitude) % g
                                 : static_cast<std::uint64_t>(magnitude % g);
}

// t / g for a g >= 1 known to divide t, likewise.
Int128 DivideExactly(Int128 t, std::uint64_t g) {
  if (t >= INT64_MIN && t <= INT64_MAX) {
    return static_cast<std::int64_t>(t) / static_cast<std::int64_t>(g);
  }
  return t / static_cast<Int128>(g);
}

// a/b + c/d for inline operands, by Knuth's way (The Art of Computer
// Programming, 4.5.1): with g = gcd(b, d), b = g·b' and d = g·d', the sum is
// t / (b'·d) for t = a·d' + c·b', and gcd(t, b'·d) = gcd(t, g), on numbers
// no larger than g. Every product below is under 2^126 in magnitude and
// the sum under 2^127: all of it exact in 128 bits.
BigFraction InlineSum(std::int64_t a, std::uint64_t b, std::int64_t c, std::uint64_t d) {
  const std::uint64_t g = Gcd(b, d);
  if (g == 1) {
    return internal::LowestTerms(Int128{a} * d + Int128{c} * b, Uint128{b} * d);
  }
  const std::uint64_t b1 = b / g;
  const Int128 t = Int128{a} * (d / g) + Int128{c} * b1;
  const std::uint64_t divisor = Gcd(MagnitudeModulo(t, g), g);
  if (divisor == 1) {
    return internal::LowestTerms(t, Uint128{b1} * d);
  }
  return internal::LowestTerms(DivideExactly(t, divisor), Uint128{b1} * (d / divisor));
}

// a/b · c/d for inline operands: a with d and c with b share no factor
// after the cross gcds, so the product is in lowest terms.
BigFraction InlineProduct(std::int64_t a, std::uint64_t b, std::int64_t c, std::uint64_t d) {
  if (a == 0 || c == 0) {
    return {};
  }
  const std::uint64_t g1 = Gcd(detail::Magnitude(a), d);
  const std::uint64_t g2 = Gcd(detail::Magnitude(c), b);
  const auto a1 = a / static_cast<std::int64_t>(g1);
  const auto c1 = c / static_cast<std::int64_t>(g2);
  return internal::LowestTerms(Int128{a1} * c1, Uint128{b / g2} * (d / g1));
}

// What GMP's mpq_add and the like compute: result = x op y.
using MpqOperation = void (*)(mpq_ptr, mpq_srcptr, mpq_srcptr);
// The same for an inline y = c/d, in lowest terms with d >= 1.
using WordOperation = void (*)(mpq_ptr, mpq_srcptr, std::int64_t, std::uint64_t);

// GMP's functions take a word operand as unsigned long; where that is
// narrower than 64 bits, every operation takes GMP's general way.
constexpr bool kWordsFitLongs = sizeof(unsigned long) >= sizeof(std::uint64_t);

// result = x + c/d, for a rational x on the heap (which never equals an
// inline value: x + c/d is never 0) and an inline c/d; result may be x.
// Knuth's way, as InlineSum's, with g = gcd(b, d) taken from a word: where
// GMP's mpq_add treats c/d as a rational of any size, with temporaries and
// a gcd of full length, each step here is one pass over x's limbs with a
// word, in place.
void AddWord(mpq_ptr result, mpq_srcptr x, std::int64_t c, std::uint64_t d) {
  if (c == 0) {
    if (result != x) {
      mpq_set(result, x);
    }
    return;
  }
  mpz_srcptr a = mpq_numref(x), b = mpq_denref(x);
  mpz_ptr n = mpq_numref(result), m = mpq_denref(result);
  const auto magnitude = static_cast<unsigned long>(detail::Magnitude(c));
  const auto word = static_cast<unsigned long>(d);
  const auto accumulate = c < 0 ? mpz_submul_ui : mpz_addmul_ui;
  const unsigned long g = mpz_gcd_ui(nullptr, b, word);
  if (g == 1) {
    mpz_mul_ui(n, a, word);  // a·d + c·b over b·d, in lowest terms
    accumulate(n, b, magnitude);
    mpz_mul_ui(m, b, word);
    return;
  }
  mpz_divexact_ui(m, b, g);    // b' = b/g
  mpz_mul_ui(n, a, word / g);  // t = a·(d/g) + c·b', over b'·d
  accumulate(n, m, magnitude);
  const unsigned long divisor = mpz_gcd_ui(nullptr, n, g);  // gcd(t, b'·d) = gcd(t, g)
  if (divisor != 1) {
    mpz_divexact_ui(n, n, divisor);
  }
  mpz_mul_ui(m, m, word / divisor);
}

void SubtractWord(mpq_ptr result, mpq_srcptr x, std::int64_t c, std::uint64_t d) {
  AddWord(result, x, -c, d);  // c within ±(2^63 − 1)
}

// c/d − x = −(x − c/d).
void SubtractFromWord(mpq_ptr result, mpq_srcptr x, std::int64_t c, std::uint64_t d) {
  AddWord(result, x, -c, d);
  mpq_neg(result, result);
}

// result = x · c/d, likewise: (a/g1)·(c/g2) over (b/g2)·(d/g1) with the
// cross gcds g1 = gcd(a, d) and g2 = gcd(c, b), as in InlineProduct.
void MultiplyWord(mpq_ptr result, mpq_srcptr x, std::int64_t c, std::uint64_t d) {
  if (c == 0) {
    mpq_set_ui(result, 0, 1);
    return;
  }
  mpz_srcptr a = mpq_numref(x), b = mpq_denref(x);
  mpz_ptr n = mpq_numref(result), m = mpq_denref(result);
  const auto magnitude = static_cast<unsigned long>(detail::Magnitude(c));
  const auto word = static_cast<unsigned long>(d);
  const unsigned long g1 = word == 1 ? 1 : mpz_gcd_ui(nullptr, a, word);
  const unsigned long g2 = magnitude == 1 ? 1 : mpz_gcd_ui(nullptr, b, magnitude);
  if (g1 != 1) {
    mpz_divexact_ui(n, a, g1);
    a = n;
  }
  mpz_mul_ui(n, a, magnitude / g2);
  if (c < 0) {
    mpz_neg(n, n);
  }
  if (g2 != 1) {
    mpz_divexact_ui(m, b, g2);
    b = m;
  }
  mpz_mul_ui(m, b, word / g1);
}

// x / (c/d) = x · d/c, for c != 0.
void DivideWord(mpq_ptr result, mpq_srcptr x, std::int64_t c, std::uint64_t d) {
  MultiplyWord(result, x, c < 0 ? -static_cast<std::int64_t>(d) : static_cast<std::int64_t>(d),
               detail::Magnitude(c));
}

// An operation on operands of which at least one is on the heap and both
// are finite (y nonzero for a quotient): GMP's general function, and the
// ways for an inline operand on the right or, where there is one, the left.
struct Operation {
  MpqOperation general;
  WordOperation word_right;
  WordOperation word_left;  // y op x for an inline x; none where there is none
};
constexpr Operation kAdd{mpq_add, AddWord, AddWord};
constexpr Operation kSubtract{mpq_sub, SubtractWord, SubtractFromWord};
constexpr Operation kMultiply{mpq_mul, MultiplyWord, MultiplyWord};
constexpr Operation kDivide{mpq_div, DivideWord, nullptr};

// result = x op y by the quickest way the operands allow; result may be x.
void Apply(const Operation& operation, mpq_ptr result, const BigFraction& x, const BigFraction& y) {
  if (kWordsFitLongs && !Access::OnHeap(y)) {
    operation.word_right(result, Access::Heap(x).get_mpq_t(), Access::Numerator(y),
                         Access::Denominator(y));
  } else if (kWordsFitLongs && !Access::OnHeap(x) && operation.word_left != nullptr) {
    operation.word_left(result, Access::Heap(y).get_mpq_t(), Access::Numerator(x),
                        Access::Denominator(x));
  } else {
    const internal::MpqView left(x), right(y);
    operation.general(result, left.Get(), right.Get());
  }
}

BigFraction OnGmp(const Operation& operation, const BigFraction& x, const BigFraction& y) {
  auto result = internal::NewRational();
  Apply(operation, result->get_mpq_t(), x, y);
  return internal::Canonical(std::move(result));
}

// x = x op y: in x's own rational, whose digits GMP then reuses, where x is
// on the heap and y is finite, else x = general(x, y).
BigFraction& Compound(BigFraction& x, const BigFraction& y, const Operation& operation,
                      BigFraction (*general)(const BigFraction&, const BigFraction&)) {
  if (!Access::OnHeap(x) || Access::Denominator(y) == 0) {
    return x = general(x, y);
  }
  mpq_ptr q = Access::Heap(x).get_mpq_t();
  Apply(operation, q, x, y);
  if (internal::FitsInline(mpq_numref(q)) && internal::FitsInline(mpq_denref(q))) {
    x = Access::Inline(internal::InlineValue(mpq_numref(q)),
                       static_cast<std::uint64_t>(internal::InlineValue(mpq_denref(q))));
  }
  return x;
}

bool IsNaN(const BigFraction& x) {
  return !Access::OnHeap(x) && Access::Denominator(x) == 0 && Access::Numerator(x) == 0;
}

bool IsInfinite(const BigFraction& x) {
  return !Access::OnHeap(x) && Access::Denominator(x) == 0 && Access::Numerator(x) != 0;
}

// x + y where one of them is an infinity or NaN.
BigFraction NonFiniteSum(const BigFraction& x, const BigFraction& y) {
  if (IsNaN(x) || IsNaN(y)) {
    return internal::NonFinite(0);
  }
  if (IsInfinite(x) && IsInfinite(y)) {
    return internal::NonFinite(
        Access::Numerator(x) == Access::Numerator(y) ? static_cast<int>(Access::Numerator(x)) : 0);
  }
  return IsInfinite(x) ? x : y;
}

// x · y where one of them is an infinity or NaN: NaN for 0 · ∞.
BigFraction NonFiniteProduct(const BigFraction& x, const BigFraction& y) {
  return internal::NonFinite(internal::SignOf(x) * internal::SignOf(y));
}

}  // namespace

BigFraction BigFraction::Sum(const BigFraction& x, const BigFraction& y) {
  if (Access::InlineFinite(x, y)) {
    return InlineSum(Access::Numerator(x), Access::Denominator(x), Access::Numerator(y),
                     Access::Denominator(y));
  }
  if (Access::Denominator(x) == 0 || Access::Denominator(y) == 0) {
    return NonFiniteSum(x, y);
  }
  return OnGmp(kAdd, x, y);
}

BigFraction BigFraction::Difference(const BigFraction& x, const BigFraction& y) {
  if (Access::InlineFinite(x, y)) {
    return InlineSum(Access::Numerator(x), Access::Denominator(x), -Access::Numerator(y),
                     Access::Denominator(y));
  }
  if (Access::Denominator(x) == 0 || Access::Denominator(y) == 0) {
    return NonFiniteSum(x, Negated(y));
  }
  return OnGmp(kSubtract, x, y);
}

BigFraction BigFraction::Product(const BigFraction& x, const BigFraction& y) {
  if (Access::InlineFinite(x, y)) {
    return InlineProduct(Access::Numerator(x), Access::Denominator(x), Access::Numerator(y),
                         Access::Denominator(y));
  }
  if (Access::Denominator(x) == 0 || Access::Denominator(y) == 0) {
    return NonFiniteProduct(x, y);
  }
  return OnGmp(kMultiply, x, y);
}

// x / y = x · (1/y), the reciprocal's sign on its numerator; a finite x
// over an infinity is 0, x/0 an infinity of x's sign or NaN, as IEEE has it
// for a zero without sign.
BigFraction BigFraction::Quotient(const BigFraction& x, const BigFraction& y) {
  const int y_sign = internal::SignOf(y);
  if (Access::InlineFinite(x, y) && y_sign != 0) {
    return InlineProduct(Access::Numerator(x), Access::Denominator(x),
                         y_sign * static_cast<std::int64_t>(Access::Denominator(y)),
                         detail::Magnitude(Access::Numerator(y)));
  }
  if (IsNaN(x) || IsNaN(y) || (IsInfinite(x) && IsInfinite(y))) {
    return internal::NonFinite(0);
  }
  if (y_sign == 0) {
    return internal::NonFinite(internal::SignOf(x));
  }
  if (IsInfinite(y)) {
    return {};
  }
  if (IsInfinite(x)) {
    return internal::NonFinite(internal::SignOf(x) * y_sign);
  }
  return OnGmp(kDivide, x, y);
}

BigFraction BigFraction::Negated(const BigFraction& x) {
  if (!x.OnHeap()) {
    return Access::Inline(-Access::Numerator(x), Access::Denominator(x));
  }
  auto negated = internal::NewRational();
  mpq_neg(negated->get_mpq_t(), Access::Heap(x).get_mpq_t());
  return Access::FromHeap(std::move(negated));
}

// A value on the heap takes the operation in its own rational, unless the
// other operand is an infinity or NaN, or 0 for a quotient.
BigFraction& BigFraction::operator+=(const BigFraction& other) {
  return Compound(*this, other, kAdd, Sum);
}

BigFraction& BigFraction::operator-=(const BigFraction& other) {
  return Compound(*this, other, kSubtract, Difference);
}

BigFraction& BigFraction::operator*=(const BigFraction& other) {
  return Compound(*this, other, kMultiply, Product);
}

BigFraction& BigFraction::operator/=(const BigFraction& other) {
  return internal::SignOf(other) != 0 ? Compound(*this, other, kDivide, Quotient)
                                      : (*this = Quotient(*this, other));
}

namespace {

// The largest number of bits Pow lets a part of its result have: GMP
// stops the program on a number of more than INT_MAX limbs, and
// mpz_pow_ui's exponent is an unsigned long. A margin of 64 limbs covers
// the few that mpz_pow_ui asks for beyond its result.
constexpr std::uint64_t kMaxPowerBits =
    std::min<std::uint64_t>((std::uint64_t{INT_MAX} - 64) * GMP_NUMB_BITS, ULONG_MAX);

// m^k for |m|^k below 2^63, in 64 bits.
std::int64_t InlinePower(std::int64_t m, std::uint64_t k) {
  std::int64_t power = 1;
  for (; k > 0; --k) {
    power *= m;
  }
  return power;
}

}  // namespace

// The reciprocal of a value in lowest terms is in lowest terms, and so is
// every power of it: no gcd is needed.
BigFraction BigFraction::Pow(std::int64_t exponent) const {
  if (exponent == 0) {
    return 1;
  }
  const std::uint64_t k = detail::Magnitude(exponent);
  const int sign = internal::SignOf(*this);
  const int power_sign = sign < 0 && (k & 1) != 0 ? -1 : 1;
  if (IsNaN(*this)) {
    return *this;
  }
  if (IsInfinite(*this)) {
    return exponent < 0 ? BigFraction() : internal::NonFinite(power_sign);
  }
  if (sign == 0) {
    return exponent < 0 ? internal::NonFinite(1) : BigFraction();
  }
  const BigFraction base = exponent < 0 ? Quotient(1, *this) : *this;
  const internal::MpqView view(base);
  const mpq_srcptr q = view.Get();
  const std::uint64_t top_bits = internal::BitLength(mpq_numref(q));
  const std::uint64_t bottom_bits = internal::BitLength(mpq_denref(q));
  if (top_bits == 1 && bottom_bits == 1) {
    return power_sign;  // ±1
  }
  // A part of b bits (b >= 2 for one above 1) has a k-th power of more than
  // (b − 1)·k bits and at most b·k: too large beyond kMaxPowerBits, which
  // also bounds k by an unsigned long.
  if (k > kMaxPowerBits / std::max(top_bits, bottom_bits)) {
    throw std::bad_alloc();
  }
  if (!base.OnHeap() && top_bits * k <= 63 && bottom_bits * k <= 63) {
    return Access::Inline(InlinePower(Access::Numerator(base), k),
                          static_cast<std::uint64_t>(InlinePower(
                              static_cast<std::int64_t>(Access::Denominator(base)), k)));
  }
  auto power = internal::NewRational();
  mpz_pow_ui(mpq_numref(power->get_mpq_t()), mpq_numref(q), static_cast<unsigned long>(k));
  mpz_pow_ui(mpq_denref(power->get_mpq_t()), mpq_denref(q), static_cast<unsigned long>(k));
  return internal::Canonical(std::move(power));
}

}  // namespace fraction
