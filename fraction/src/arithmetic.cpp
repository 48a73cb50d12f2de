#include <cstdint>
#include <functional>
#include <numeric>
#include <optional>

#include "binary_gcd.h"
#include "fraction/tfrac.h"
#include "wrapping.h"

namespace fraction {
namespace {

// A result before it is reduced, its parts in 64 bits, where products of
// 32-bit parts are exact. The methods and operators take its parts' low 32
// bits, which is exactly what they would be with every step wrapping around
// in 32 bits; the checked operations reduce it as it is.
struct Wide {
  std::int64_t numerator;
  std::int64_t denominator;
};

std::int64_t Times(std::int32_t x, std::int32_t y) { return std::int64_t{x} * y; }

// In what follows the left operand is a/b and the right one c/d.

// (a·d + b·c) / (b·d); the sum is exact unless all four parts are INT32_MIN.
Wide Sum(const TFrac& x, const TFrac& y) {
  return {
      wrapping::Add(Times(x.Numerator(), y.Denominator()), Times(x.Denominator(), y.Numerator())),
      Times(x.Denominator(), y.Denominator())};
}

// (a·d − b·c) / (b·d); each product is within ±2^62, so this is exact.
Wide Difference(const TFrac& x, const TFrac& y) {
  return {Times(x.Numerator(), y.Denominator()) - Times(x.Denominator(), y.Numerator()),
          Times(x.Denominator(), y.Denominator())};
}

Wide Product(const TFrac& x, const TFrac& y) {
  return {Times(x.Numerator(), y.Numerator()), Times(x.Denominator(), y.Denominator())};
}

// The sign of a nonzero x as ±1, without a branch: signs of varied values
// are a predictor's guess.
std::int64_t SignOf(std::int32_t x) { return 1 - 2 * static_cast<std::int64_t>(x < 0); }

// (a·d) / (b·c) for c != 0. The divisor's sign moves to the numerator, so
// that positive denominators give a positive denominator.
Wide Quotient(const TFrac& x, const TFrac& y) {
  const std::int64_t sign = SignOf(y.Numerator());
  return {Times(x.Numerator(), y.Denominator()) * sign,
          Times(x.Denominator(), y.Numerator()) * sign};
}

// b / a for a != 0, with a's sign moved to the numerator as above.
Wide Reciprocal(const TFrac& x) {
  const std::int64_t sign = SignOf(x.Numerator());
  return {x.Denominator() * sign, x.Numerator() * sign};
}

// What the methods and operators yield: the parts wrapped to 32 bits, given
// to the two-integer constructor.
TFrac Wrapped(const Wide& result) {
  return TFrac(wrapping::Narrow(result.numerator), wrapping::Narrow(result.denominator));
}

// Whether a result's exact parts are what the two-integer constructor takes
// unwrapped and without the message: then it stores the result reduced,
// and any way of reducing it gives the same.
bool FitsUnwrapped(const Wide& result) {
  return result.numerator > INT32_MIN && result.numerator <= INT32_MAX && result.denominator >= 1 &&
         result.denominator <= INT32_MAX;
}

// What the checked operations yield, for a positive denominator: the result
// reduced in 64 bits, if it then fits.
std::optional<TFrac> Exact(const Wide& result) {
  const std::int64_t g = std::gcd(result.numerator, result.denominator);
  const std::int64_t n = result.numerator / g, m = result.denominator / g;
  if (n <= INT32_MIN || n > INT32_MAX || m > INT32_MAX) {
    return std::nullopt;
  }
  return TFrac(static_cast<std::int32_t>(n), static_cast<std::int32_t>(m));
}

bool PositiveDenominators(const TFrac& x, const TFrac& y) {
  return x.Denominator() >= 1 && y.Denominator() >= 1;
}

// The methods hand their result over on the heap; a null operand yields none.
template <class Operation>
std::unique_ptr<TFrac> OnHeap(const TFrac& x, const TFrac* y, Operation operation) {
  if (y == nullptr) {
    return nullptr;
  }
  return std::make_unique<TFrac>(operation(x, *y));
}

}  // namespace

// Where n/m fits unwrapped the constructor stores it in lowest terms; for
// operands in lowest terms Knuth's way finds the same with smaller numbers.
// With g = gcd(b, d), b = g·b', d = g·d' and n = g·t, the divisor gcd(n, m)
// is g·gcd(t, g), since t = a·d' ± c·b' has no factor in common with b'
// (a and d' have none with it) nor with d'. It divides m, so it fits.
TFrac TFrac::FromSum(const TFrac& x, const TFrac& y, std::int64_t n, std::int64_t m) {
  const Wide exact{n, m};
  if (!x.lowest_terms || !y.lowest_terms || !FitsUnwrapped(exact)) {
    return Wrapped(exact);
  }
  const std::int32_t n32 = wrapping::Narrow(n), m32 = wrapping::Narrow(m);
  const std::int32_t g = BinaryGcd(x.denominator, y.denominator);
  if (g == 1) {
    return TFrac(InLowestTerms{}, n32, m32);
  }
  const std::int32_t t = n32 / g;
  // gcd(t, g) = gcd(|t| mod g, g), on numbers below g.
  const std::int32_t divisor = g * BinaryGcd((t < 0 ? -t : t) % g, g);
  return TFrac(InLowestTerms{}, n32 / divisor, m32 / divisor);
}

TFrac operator+(const TFrac& x, const TFrac& y) {
  const Wide sum = Sum(x, y);
  return TFrac::FromSum(x, y, sum.numerator, sum.denominator);
}

TFrac operator-(const TFrac& x, const TFrac& y) {
  const Wide difference = Difference(x, y);
  return TFrac::FromSum(x, y, difference.numerator, difference.denominator);
}

TFrac operator*(const TFrac& x, const TFrac& y) { return Wrapped(Product(x, y)); }

// Division by a zero fraction yields zero.
TFrac operator/(const TFrac& x, const TFrac& y) {
  return y.Numerator() == 0 ? TFrac(0, 1) : Wrapped(Quotient(x, y));
}

TFrac operator-(const TFrac& x) {
  TFrac negated(x);
  negated.Minus();
  return negated;
}

std::unique_ptr<TFrac> TFrac::Add(const TFrac* other) const {
  return OnHeap(*this, other, std::plus<>());
}

std::unique_ptr<TFrac> TFrac::Subtract(const TFrac* other) const {
  return OnHeap(*this, other, std::minus<>());
}

std::unique_ptr<TFrac> TFrac::Multiply(const TFrac* other) const {
  return OnHeap(*this, other, std::multiplies<>());
}

std::unique_ptr<TFrac> TFrac::Divide(const TFrac* other) const {
  return OnHeap(*this, other, std::divides<>());
}

// The square of a fraction in lowest terms is in lowest terms.
std::unique_ptr<TFrac> TFrac::Square() const {
  const Wide square = Product(*this, *this);
  if (lowest_terms && FitsUnwrapped(square)) {
    return std::make_unique<TFrac>(TFrac(InLowestTerms{}, wrapping::Narrow(square.numerator),
                                         wrapping::Narrow(square.denominator)));
  }
  return std::make_unique<TFrac>(Wrapped(square));
}

// The reciprocal of zero yields zero. That of a nonzero fraction in lowest
// terms is in lowest terms; the numerator is not INT32_MIN, so its
// magnitude fits.
std::unique_ptr<TFrac> TFrac::Reverse() const {
  if (numerator == 0) {
    return std::make_unique<TFrac>(0, 1);
  }
  const Wide reciprocal = Reciprocal(*this);
  if (lowest_terms) {
    return std::make_unique<TFrac>(TFrac(InLowestTerms{}, wrapping::Narrow(reciprocal.numerator),
                                         wrapping::Narrow(reciprocal.denominator)));
  }
  return std::make_unique<TFrac>(Wrapped(reciprocal));
}

TFrac* TFrac::Minus() {
  numerator = wrapping::Negate(numerator);
  return this;
}

std::optional<TFrac> TFrac::CheckedAdd(const TFrac& other) const {
  if (!PositiveDenominators(*this, other)) return std::nullopt;
  return Exact(Sum(*this, other));
}

std::optional<TFrac> TFrac::CheckedSubtract(const TFrac& other) const {
  if (!PositiveDenominators(*this, other)) return std::nullopt;
  return Exact(Difference(*this, other));
}

std::optional<TFrac> TFrac::CheckedMultiply(const TFrac& other) const {
  if (!PositiveDenominators(*this, other)) return std::nullopt;
  return Exact(Product(*this, other));
}

std::optional<TFrac> TFrac::CheckedDivide(const TFrac& other) const {
  if (!PositiveDenominators(*this, other) || other.numerator == 0) return std::nullopt;
  return Exact(Quotient(*this, other));
}

}  // namespace fraction
