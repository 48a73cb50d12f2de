#include <cstdint>
#include <functional>
#include <numeric>
#include <optional>

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

// (a·d) / (b·c) for c != 0. The divisor's sign moves to the numerator, so
// that positive denominators give a positive denominator.
Wide Quotient(const TFrac& x, const TFrac& y) {
  const std::int64_t n = Times(x.Numerator(), y.Denominator());
  const std::int64_t m = Times(x.Denominator(), y.Numerator());
  return y.Numerator() > 0 ? Wide{n, m} : Wide{-n, -m};
}

// b / a for a != 0, with a's sign moved to the numerator as above.
Wide Reciprocal(const TFrac& x) {
  const std::int64_t a = x.Numerator(), b = x.Denominator();
  return a > 0 ? Wide{b, a} : Wide{-b, -a};
}

// What the methods and operators yield: the parts wrapped to 32 bits, given
// to the two-integer constructor.
TFrac Wrapped(const Wide& result) {
  return TFrac(wrapping::Narrow(result.numerator), wrapping::Narrow(result.denominator));
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

TFrac operator+(const TFrac& x, const TFrac& y) { return Wrapped(Sum(x, y)); }
TFrac operator-(const TFrac& x, const TFrac& y) { return Wrapped(Difference(x, y)); }
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

std::unique_ptr<TFrac> TFrac::Square() const { return std::make_unique<TFrac>(*this * *this); }

// The reciprocal of zero yields zero.
std::unique_ptr<TFrac> TFrac::Reverse() const {
  return std::make_unique<TFrac>(numerator == 0 ? TFrac(0, 1) : Wrapped(Reciprocal(*this)));
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
