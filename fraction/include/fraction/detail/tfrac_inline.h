#ifndef FRACTION_DETAIL_TFRAC_INLINE_H
#define FRACTION_DETAIL_TFRAC_INLINE_H

// The inline, constexpr part of TFrac, which fraction/tfrac.h includes after
// the class: what a caller's compiler should see to inline or fold.

#include <cstdint>
#include <limits>
#include <numeric>
#include <optional>
#include <type_traits>

#include "fraction/detail/integers.h"

namespace fraction::detail {

// Writes the invalid-data message, from the compiled library. Never
// constexpr: in a constant expression, reaching it is a compile error.
FRACTION_EXPORT void ReportInvalidData();

// A fraction's value with the denominator's sign moved to the numerator,
// so that the denominator is at least 0, in 64 bits, where negating
// INT32_MIN fits. Not reduced.
constexpr Ratio<std::int64_t> ValueOf(const TFrac& x) {
  const std::int64_t n = x.Numerator(), d = x.Denominator();
  return d < 0 ? Ratio<std::int64_t>{-n, -d} : Ratio<std::int64_t>{n, d};
}

// A result before it is reduced, its parts in 64 bits, where products of
// 32-bit parts are exact. The operators take its parts' low 32 bits, which
// is exactly what they would be with every step wrapping around in 32 bits;
// the checked operations reduce it as it is. A type apart from Ratio: its
// parts are no value's yet, but what the arithmetic wraps or reduces.
struct Wide {
  std::int64_t numerator;
  std::int64_t denominator;
};

// In what follows the left operand is a/b and the right one c/d.

// (a·d + b·c) / (b·d); the sum is exact unless all four parts are INT32_MIN.
constexpr Wide Sum(const TFrac& x, const TFrac& y) {
  return {WrappingAdd(Times(x.Numerator(), y.Denominator()), Times(x.Denominator(), y.Numerator())),
          Times(x.Denominator(), y.Denominator())};
}

// (a·d − b·c) / (b·d); each product is within ±2^62, so this is exact.
constexpr Wide Difference(const TFrac& x, const TFrac& y) {
  return {Times(x.Numerator(), y.Denominator()) - Times(x.Denominator(), y.Numerator()),
          Times(x.Denominator(), y.Denominator())};
}

constexpr Wide Product(const TFrac& x, const TFrac& y) {
  return {Times(x.Numerator(), y.Numerator()), Times(x.Denominator(), y.Denominator())};
}

// (a·d) / (b·c) for c != 0. The divisor's sign moves to the numerator, so
// that positive denominators give a positive denominator.
constexpr Wide Quotient(const TFrac& x, const TFrac& y) {
  const std::int64_t sign = SignFactor(y.Numerator());
  return {Times(x.Numerator(), y.Denominator()) * sign,
          Times(x.Denominator(), y.Numerator()) * sign};
}

// b / a for a != 0, with a's sign moved to the numerator as above.
constexpr Wide Reciprocal(const TFrac& x) {
  const std::int64_t sign = SignFactor(x.Numerator());
  return {x.Denominator() * sign, x.Numerator() * sign};
}

// What the methods and operators yield: the parts wrapped to 32 bits, given
// to the two-integer constructor.
constexpr TFrac Wrapped(const Wide& result) {
  return TFrac(Narrow(result.numerator), Narrow(result.denominator));
}

constexpr bool PositiveDenominators(const TFrac& x, const TFrac& y) {
  return x.Denominator() >= 1 && y.Denominator() >= 1;
}

// m^k for m in [0, 2^31], or none when it exceeds kLargestPart. Any m >= 2
// reaches 2^31 by k = 31, so the loop takes at most 30 steps, and each
// product (below 2^31 · 2^31) fits in 64 bits.
constexpr std::optional<std::int64_t> Power(std::int64_t m, std::uint32_t k) {
  if (m <= 1) return k == 0 ? 1 : m;
  if (k >= 31) return std::nullopt;
  std::int64_t power = 1;
  for (; k > 0; --k) {
    power *= m;
    if (power > kLargestPart) return std::nullopt;
  }
  return power;
}

// ⌊x / y⌋ for denominators of at least 1 and y ≠ 0, and what is left:
// x − y·quotient = remainder / (b·d). As x / y = a·d / (b·c), with the
// sign of c moved onto both parts the divisor is positive, and the floored
// quotient is the truncated one, one less where the remainder is negative.
// Each part is below 2^62 in magnitude, so all of it is exact.
struct FlooredQuotient {
  std::int64_t quotient;
  std::int64_t remainder;
};

constexpr FlooredQuotient FloorQuotient(const TFrac& x, const TFrac& y) {
  const std::int64_t sign = SignFactor(y.Numerator());
  const std::int64_t n = Times(x.Numerator(), y.Denominator()) * sign;
  const std::int64_t m = Times(x.Denominator(), y.Numerator()) * sign;
  const std::int64_t borrow = static_cast<std::int64_t>(n % m < 0);
  // n − m·quotient lies in [0, m); turned back by the sign, it is the
  // numerator of x − y·quotient over b·d.
  return {n / m - borrow, (n % m + borrow * m) * sign};
}

constexpr std::int64_t kTwoTo31 = std::int64_t{1} << 31;

// Where n/d lies against y, exactly: -1, 0 or 1, for 1 <= n <= 2^31,
// 1 <= d <= 2^31 and a finite y > 0 of a binary floating-point type. Both
// are compared 31 binary digits at a time, n/d's by long division and y's
// by splitting off whole parts, which is exact: scaling by a power of two
// and subtracting the whole part lose no bit. The first step decides when
// y < 2^-31 <= n/d; otherwise y's lowest bit is at least 2^(-31 - 63) for
// a significand of up to 64 bits (113 for a quadruple long double), and
// each step moves it 31 bits up, so the rest is 0 after four steps (five).
template <class F>
constexpr int CompareMagnitude(std::int64_t n, std::int64_t d, F y) {
  constexpr auto kScale = static_cast<F>(kTwoTo31);
  if (y > kScale) return -1;
  F rest = y;
  std::int64_t remainder = n;
  for (;;) {
    rest *= kScale;         // at most 2^62
    remainder *= kTwoTo31;  // at most 2^62
    const auto whole = static_cast<std::int64_t>(rest);
    rest -= static_cast<F>(whole);
    const std::int64_t digits = remainder / d;
    remainder %= d;
    if (digits != whole) return digits < whole ? -1 : 1;
    if (remainder == 0 || rest == 0) {
      return static_cast<int>(remainder != 0) - static_cast<int>(rest != 0);
    }
  }
}

// Where n/d lies against y, exactly, for 1 <= d <= 2^31, |n| <= 2^31 and
// any y but NaN. Rounding is monotone, so where the rounded product y·d
// differs from n, the exact one differs in the same direction, an infinite
// y included; n and d are exact in double, to which a float is widened.
// That decides nearly always, without a branch on the outcome. Where it
// does not, y·d is nearly n: zero only with it, else of its sign.
template <class F>
constexpr int CompareFinite(std::int64_t n, std::int64_t d, F y) {
  using Widened = decltype(y + 0.0);
  const Widened product = static_cast<Widened>(y) * static_cast<Widened>(d);
  const auto whole_n = static_cast<Widened>(n);
  if (product != whole_n) {
    return static_cast<int>(product < whole_n) - static_cast<int>(product > whole_n);
  }
  if (n == 0) return 0;
  return n > 0 ? CompareMagnitude(n, d, y) : -CompareMagnitude(-n, d, -y);
}

// Where x lies against a floating-point y, exactly. NaN is the one value
// unequal to itself, and is ruled out first, so that no comparison below raises the floating-point
// invalid flag. An infinite fraction equals the same infinity and lies beyond everything else.
template <class F>
constexpr Order OrderWith(const TFrac& x, F y) {
  const Ratio<std::int64_t> v = ValueOf(x);
  if (y != y || (v.numerator == 0 && v.denominator == 0)) {
    return Order::kUnordered;
  }
  if (v.denominator == 0) {
    constexpr F kInfinity = std::numeric_limits<F>::infinity();
    if (y == (v.numerator > 0 ? kInfinity : -kInfinity)) return Order::kEqual;
    return v.numerator > 0 ? Order::kGreater : Order::kLess;
  }
  return static_cast<Order>(CompareFinite(v.numerator, v.denominator, y) + 1);
}

#if defined(__cpp_impl_three_way_comparison) && defined(__cpp_lib_three_way_comparison)
// The order as C++20's comparison category.
constexpr std::partial_ordering PartialOrdering(Order order) {
  switch (order) {
    case Order::kLess:
      return std::partial_ordering::less;
    case Order::kEqual:
      return std::partial_ordering::equivalent;
    case Order::kGreater:
      return std::partial_ordering::greater;
    case Order::kUnordered:
      break;
  }
  return std::partial_ordering::unordered;
}
#endif

}  // namespace fraction::detail

namespace fraction {

// Construction

constexpr TFrac::TFrac(std::int32_t a, std::int32_t b) : numerator(a), denominator(b) {
  const std::int32_t g = Gcd(a, b);
  // g == 0 marks invalid data (or 0/0): the fraction keeps a and b as given.
  // Otherwise g divides both, and a / g cannot overflow: g > 0 unless a == 0.
  if (g != 0) {
    numerator = a / g;
    denominator = b / g;
    lowest_terms = true;
  }
}

constexpr TFrac::TFrac(InLowestTerms /*known*/, std::int32_t n, std::int32_t d)
    : numerator(n), denominator(d), lowest_terms(true) {}

constexpr TFrac::TFrac(AsGiven /*given*/, std::int32_t n, std::int32_t d)
    : numerator(n), denominator(d) {}

// Magnitudes in unsigned arithmetic, where |INT64_MIN| fits.
constexpr std::optional<TFrac> TFrac::FromIntegers(std::int64_t n, std::int64_t d) {
  if (d == 0) return std::nullopt;
  const std::uint64_t top = detail::Magnitude(n), bottom = detail::Magnitude(d);
  const std::uint64_t g = std::gcd(top, bottom);
  if (!detail::Fits(top / g, bottom / g)) return std::nullopt;
  const auto magnitude = static_cast<std::int32_t>(top / g);
  return TFrac(InLowestTerms{}, (n < 0) != (d < 0) ? -magnitude : magnitude,
               static_cast<std::int32_t>(bottom / g));
}

constexpr std::int32_t TFrac::Gcd(std::int32_t a, std::int32_t b) {
  if (a == 0) {
    return b;
  }
  // |INT32_MIN| does not fit and stays negative, so it is rejected below.
  const std::int32_t m = a < 0 ? detail::WrappingNegate(a) : a;
  if (m < 1 || b < 1) {
    detail::ReportInvalidData();
    return 0;
  }
  // The binary gcd takes at most 62 steps, where trying divisors
  // downwards from min(m, b) takes billions for 2147483647 and 2147483646.
  return detail::BinaryGcd(m, b);
}

// Access to representation

constexpr std::int32_t TFrac::Numerator() const { return numerator; }
constexpr std::int32_t TFrac::Denominator() const { return denominator; }

// Arithmetic operators and comparison

// Where n/m fits, the two-integer constructor takes it unwrapped and
// without the message, and stores it in lowest terms; for operands in
// lowest terms Knuth's way finds the same with smaller numbers.
// With g = gcd(b, d), b = g·b', d = g·d' and n = g·t, the divisor gcd(n, m)
// is g·gcd(t, g), since t = a·d' ± c·b' has no factor in common with b'
// (a and d' have none with it) nor with d'. It divides m, so it fits.
constexpr TFrac TFrac::FromSum(const TFrac& x, const TFrac& y, std::int64_t n, std::int64_t m) {
  const detail::Wide exact{n, m};
  if (!x.lowest_terms || !y.lowest_terms || !detail::Fits(n, m)) {
    return detail::Wrapped(exact);
  }
  const std::int32_t n32 = detail::Narrow(n), m32 = detail::Narrow(m);
  const std::int32_t g = detail::BinaryGcd(x.denominator, y.denominator);
  if (g == 1) {
    return TFrac(InLowestTerms{}, n32, m32);
  }
  const std::int32_t t = n32 / g;
  // gcd(t, g) = gcd(|t| mod g, g), on numbers below g.
  const std::int32_t divisor = g * detail::BinaryGcd((t < 0 ? -t : t) % g, g);
  return TFrac(InLowestTerms{}, n32 / divisor, m32 / divisor);
}

constexpr TFrac TFrac::SumOf(const TFrac& x, const TFrac& y) {
  const detail::Wide sum = detail::Sum(x, y);
  return FromSum(x, y, sum.numerator, sum.denominator);
}

constexpr TFrac TFrac::DifferenceOf(const TFrac& x, const TFrac& y) {
  const detail::Wide difference = detail::Difference(x, y);
  return FromSum(x, y, difference.numerator, difference.denominator);
}

constexpr TFrac TFrac::ProductOf(const TFrac& x, const TFrac& y) {
  return detail::Wrapped(detail::Product(x, y));
}

// Division by a zero fraction yields zero.
constexpr TFrac TFrac::QuotientOf(const TFrac& x, const TFrac& y) {
  return y.numerator == 0 ? TFrac(0, 1) : detail::Wrapped(detail::Quotient(x, y));
}

constexpr TFrac TFrac::NegativeOf(const TFrac& x) {
  TFrac negated = x;
  negated.Minus();
  return negated;
}

constexpr TFrac operator+(const TFrac& x, const TFrac& y) { return TFrac::SumOf(x, y); }
constexpr TFrac operator-(const TFrac& x, const TFrac& y) { return TFrac::DifferenceOf(x, y); }
constexpr TFrac operator*(const TFrac& x, const TFrac& y) { return TFrac::ProductOf(x, y); }
constexpr TFrac operator/(const TFrac& x, const TFrac& y) { return TFrac::QuotientOf(x, y); }
constexpr TFrac operator+(const TFrac& x) { return x; }
constexpr TFrac operator-(const TFrac& x) { return TFrac::NegativeOf(x); }
constexpr TFrac& TFrac::operator+=(const TFrac& other) { return *this = *this + other; }
constexpr TFrac& TFrac::operator-=(const TFrac& other) { return *this = *this - other; }
constexpr TFrac& TFrac::operator*=(const TFrac& other) { return *this = *this * other; }
constexpr TFrac& TFrac::operator/=(const TFrac& other) { return *this = *this / other; }

// With non-negative denominators, a/b < c/d exactly when a·d < c·b; each
// product is at most 2^62 in magnitude, so 64 bits compare exactly. That
// also ranks x/0 against a finite value as the infinity of x's sign; two
// infinities are compared by sign alone.
constexpr detail::Order TFrac::Compare(const TFrac& x, const TFrac& y) {
  const detail::Ratio<std::int64_t> p = detail::ValueOf(x), q = detail::ValueOf(y);
  if ((p.numerator == 0 && p.denominator == 0) || (q.numerator == 0 && q.denominator == 0)) {
    return detail::Order::kUnordered;
  }
  const bool infinities = p.denominator == 0 && q.denominator == 0;
  const std::int64_t left = infinities ? detail::Signum(p.numerator) : p.numerator * q.denominator;
  const std::int64_t right = infinities ? detail::Signum(q.numerator) : q.numerator * p.denominator;
  // kLess, kEqual and kGreater are 0, 1 and 2: counted, not branched to,
  // since a branch on the order of varied values is a guess.
  return static_cast<detail::Order>(static_cast<int>(left >= right) +
                                    static_cast<int>(left > right));
}

constexpr bool operator==(const TFrac& x, const TFrac& y) {
  return TFrac::Compare(x, y) == detail::Order::kEqual;
}
constexpr bool operator!=(const TFrac& x, const TFrac& y) { return !(x == y); }
constexpr bool operator<(const TFrac& x, const TFrac& y) {
  return TFrac::Compare(x, y) == detail::Order::kLess;
}
constexpr bool operator<=(const TFrac& x, const TFrac& y) {
  const detail::Order order = TFrac::Compare(x, y);
  return order == detail::Order::kLess || order == detail::Order::kEqual;
}
constexpr bool operator>(const TFrac& x, const TFrac& y) { return y < x; }
constexpr bool operator>=(const TFrac& x, const TFrac& y) { return y <= x; }

template <class F>
constexpr detail::IfFloatingPoint<F, bool> operator==(const TFrac& x, F y) {
  return detail::OrderWith(x, y) == detail::Order::kEqual;
}
template <class F>
constexpr detail::IfFloatingPoint<F, bool> operator!=(const TFrac& x, F y) {
  return !(x == y);
}
template <class F>
constexpr detail::IfFloatingPoint<F, bool> operator<(const TFrac& x, F y) {
  return detail::OrderWith(x, y) == detail::Order::kLess;
}
template <class F>
constexpr detail::IfFloatingPoint<F, bool> operator<=(const TFrac& x, F y) {
  const detail::Order order = detail::OrderWith(x, y);
  return order == detail::Order::kLess || order == detail::Order::kEqual;
}
template <class F>
constexpr detail::IfFloatingPoint<F, bool> operator>(const TFrac& x, F y) {
  return detail::OrderWith(x, y) == detail::Order::kGreater;
}
template <class F>
constexpr detail::IfFloatingPoint<F, bool> operator>=(const TFrac& x, F y) {
  const detail::Order order = detail::OrderWith(x, y);
  return order == detail::Order::kGreater || order == detail::Order::kEqual;
}
template <class F>
constexpr detail::IfFloatingPoint<F, bool> operator==(F x, const TFrac& y) {
  return y == x;
}
template <class F>
constexpr detail::IfFloatingPoint<F, bool> operator!=(F x, const TFrac& y) {
  return y != x;
}
template <class F>
constexpr detail::IfFloatingPoint<F, bool> operator<(F x, const TFrac& y) {
  return y > x;
}
template <class F>
constexpr detail::IfFloatingPoint<F, bool> operator<=(F x, const TFrac& y) {
  return y >= x;
}
template <class F>
constexpr detail::IfFloatingPoint<F, bool> operator>(F x, const TFrac& y) {
  return y < x;
}
template <class F>
constexpr detail::IfFloatingPoint<F, bool> operator>=(F x, const TFrac& y) {
  return y <= x;
}

#if defined(__cpp_impl_three_way_comparison) && defined(__cpp_lib_three_way_comparison)
constexpr std::partial_ordering operator<=>(const TFrac& x, const TFrac& y) {
  return detail::PartialOrdering(TFrac::Compare(x, y));
}

template <class F>
constexpr detail::IfFloatingPoint<F, std::partial_ordering> operator<=>(const TFrac& x, F y) {
  return detail::PartialOrdering(detail::OrderWith(x, y));
}
#endif

// Checked operations

// The result reduced in 64 bits, for a positive denominator, if it fits.
constexpr std::optional<TFrac> TFrac::Exact(std::int64_t n, std::int64_t m) {
  const std::int64_t g = std::gcd(n, m);
  n /= g;
  m /= g;
  if (!detail::Fits(n, m)) {
    return std::nullopt;
  }
  return TFrac(InLowestTerms{}, static_cast<std::int32_t>(n), static_cast<std::int32_t>(m));
}

constexpr std::optional<TFrac> TFrac::CheckedAdd(const TFrac& other) const {
  if (!detail::PositiveDenominators(*this, other)) return std::nullopt;
  const detail::Wide sum = detail::Sum(*this, other);
  return Exact(sum.numerator, sum.denominator);
}

constexpr std::optional<TFrac> TFrac::CheckedSubtract(const TFrac& other) const {
  if (!detail::PositiveDenominators(*this, other)) return std::nullopt;
  const detail::Wide difference = detail::Difference(*this, other);
  return Exact(difference.numerator, difference.denominator);
}

constexpr std::optional<TFrac> TFrac::CheckedMultiply(const TFrac& other) const {
  if (!detail::PositiveDenominators(*this, other)) return std::nullopt;
  const detail::Wide product = detail::Product(*this, other);
  return Exact(product.numerator, product.denominator);
}

constexpr std::optional<TFrac> TFrac::CheckedDivide(const TFrac& other) const {
  if (!detail::PositiveDenominators(*this, other) || other.numerator == 0) return std::nullopt;
  const detail::Wide quotient = detail::Quotient(*this, other);
  return Exact(quotient.numerator, quotient.denominator);
}

constexpr std::optional<TFrac> TFrac::CheckedModulo(const TFrac& y) const {
  if (!detail::PositiveDenominators(*this, y) || y.numerator == 0) return std::nullopt;
  return Exact(detail::FloorQuotient(*this, y).remainder,
               detail::Times(denominator, y.denominator));
}

constexpr std::optional<std::int64_t> TFrac::FloorDivide(const TFrac& y) const {
  if (!detail::PositiveDenominators(*this, y) || y.numerator == 0) return std::nullopt;
  return detail::FloorQuotient(*this, y).quotient;
}

// A fraction from text may be unreduced ("2/4"): it is reduced first, in 64
// bits, where |INT32_MIN| fits. Coprime parts stay coprime in every power,
// so the result needs no gcd.
constexpr std::optional<TFrac> TFrac::CheckedPow(std::int32_t exponent) const {
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
  const std::optional<std::int64_t> top = detail::Power(n < 0 ? -n : n, k);
  const std::optional<std::int64_t> bottom = detail::Power(d, k);
  if (!top || !bottom) return std::nullopt;
  const bool negative = n < 0 && (k & 1u) != 0;
  return TFrac(InLowestTerms{}, static_cast<std::int32_t>(negative ? -*top : *top),
               static_cast<std::int32_t>(*bottom));
}

// Rounding and sign

// The value's quotient truncated toward zero, then moved by at most one by
// the remainder r, which has the value's sign, |r| < d <= 2^31, so 2·r fits.
constexpr std::optional<std::int64_t> TFrac::Rounded(Rounding rounding) const {
  const detail::Ratio<std::int64_t> v = detail::ValueOf(*this);
  if (v.denominator == 0) {
    return std::nullopt;
  }
  const std::int64_t quotient = v.numerator / v.denominator, r = v.numerator % v.denominator;
  switch (rounding) {
    case Rounding::kFloor:
      return quotient - static_cast<std::int64_t>(r < 0);
    case Rounding::kCeil:
      return quotient + static_cast<std::int64_t>(r > 0);
    case Rounding::kTrunc:
      break;
    case Rounding::kRound:
      // Away from zero where the remainder is at least half the divisor.
      return quotient + static_cast<std::int64_t>(2 * r >= v.denominator) -
             static_cast<std::int64_t>(2 * r <= -v.denominator);
  }
  return quotient;
}

constexpr std::optional<std::int64_t> TFrac::Floor() const { return Rounded(Rounding::kFloor); }
constexpr std::optional<std::int64_t> TFrac::Ceil() const { return Rounded(Rounding::kCeil); }
constexpr std::optional<std::int64_t> TFrac::Trunc() const { return Rounded(Rounding::kTrunc); }
constexpr std::optional<std::int64_t> TFrac::Round() const { return Rounded(Rounding::kRound); }

// The numerator's sign, turned by a negative denominator; a zero one turns
// nothing, so that x/0 has x's sign and 0/0 none.
constexpr int TFrac::Sign() const {
  return detail::Signum(numerator) * (1 - 2 * static_cast<int>(denominator < 0));
}

// In 64 bits, where INT32_MIN % -1 is 0 rather than an overflow.
constexpr bool TFrac::IsInteger() const {
  return denominator != 0 && std::int64_t{numerator} % denominator == 0;
}

constexpr TFrac abs(const TFrac& x) {  // NOLINT(readability-identifier-naming)
  return x.Sign() < 0 ? -x : x;
}

// Conversions

// Both parts are exact in double, and IEEE division rounds correctly. A
// zero denominator is not divided by, which would raise the floating-point
// division-by-zero flag.
constexpr double TFrac::ToDouble() const {
  if (denominator != 0) {
    return static_cast<double>(numerator) / static_cast<double>(denominator);
  }
  if (numerator == 0) {
    return std::numeric_limits<double>::quiet_NaN();
  }
  constexpr double kInfinity = std::numeric_limits<double>::infinity();
  return numerator > 0 ? kInfinity : -kInfinity;
}

constexpr TFrac::operator double() const { return ToDouble(); }

// Methods on pointers

constexpr TFrac* TFrac::Minus() {
  numerator = detail::WrappingNegate(numerator);
  return this;
}

constexpr bool TFrac::Equal(const TFrac* other) const {
  return other != nullptr && numerator == other->numerator && denominator == other->denominator;
}

constexpr bool TFrac::Greater(const TFrac* other) const {
  return other != nullptr && Compare(*this, *other) == detail::Order::kGreater;
}

// Allocation

inline void* TFrac::operator new(std::size_t /*size*/, void* place) noexcept { return place; }
inline void TFrac::operator delete(void* /*pointer*/, void* /*place*/) noexcept {}

}  // namespace fraction

constexpr fraction::TFrac std::numeric_limits<fraction::TFrac>::min() noexcept {
  return fraction::TFrac(1, INT32_MAX);
}
constexpr fraction::TFrac std::numeric_limits<fraction::TFrac>::max() noexcept {
  return fraction::TFrac(INT32_MAX);
}
constexpr fraction::TFrac std::numeric_limits<fraction::TFrac>::lowest() noexcept {
  return fraction::TFrac(-INT32_MAX);
}
constexpr fraction::TFrac std::numeric_limits<fraction::TFrac>::epsilon() noexcept {
  return fraction::TFrac();
}
constexpr fraction::TFrac std::numeric_limits<fraction::TFrac>::round_error() noexcept {
  return fraction::TFrac();
}
constexpr fraction::TFrac std::numeric_limits<fraction::TFrac>::infinity() noexcept {
  return fraction::TFrac(fraction::TFrac::AsGiven{}, 1, 0);
}
constexpr fraction::TFrac std::numeric_limits<fraction::TFrac>::quiet_NaN() noexcept {
  return fraction::TFrac(fraction::TFrac::AsGiven{}, 0, 0);
}
constexpr fraction::TFrac std::numeric_limits<fraction::TFrac>::signaling_NaN() noexcept {
  return fraction::TFrac();
}
constexpr fraction::TFrac std::numeric_limits<fraction::TFrac>::denorm_min() noexcept {
  return min();
}

#endif  // FRACTION_DETAIL_TFRAC_INLINE_H
