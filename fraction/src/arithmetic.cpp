#include <cmath>
#include <limits>

#include "fraction/tfrac.h"
#include "wrapping.h"

namespace fraction {
namespace {

// The value n / d in double precision. A zero denominator is mapped to an
// infinity (NaN for 0/0) instead of being divided by, which would raise the
// floating-point division-by-zero flag.
double Quotient(std::int32_t n, std::int32_t d) {
  if (d != 0) {
    return static_cast<double>(n) / static_cast<double>(d);
  }
  if (n == 0) {
    return std::numeric_limits<double>::quiet_NaN();
  }
  constexpr double kInfinity = std::numeric_limits<double>::infinity();
  return n > 0 ? kInfinity : -kInfinity;
}

}  // namespace

// In what follows this fraction is a/b and the other one c/d.

std::unique_ptr<TFrac> TFrac::Add(const TFrac* other) const {
  if (other == nullptr) {
    return nullptr;
  }
  const std::int32_t a = numerator, b = denominator;
  const std::int32_t c = other->numerator, d = other->denominator;
  return std::make_unique<TFrac>(wrapping::Add(wrapping::Multiply(a, d), wrapping::Multiply(b, c)),
                                 wrapping::Multiply(b, d));
}

std::unique_ptr<TFrac> TFrac::Subtract(const TFrac* other) const {
  if (other == nullptr) {
    return nullptr;
  }
  const std::int32_t a = numerator, b = denominator;
  const std::int32_t c = other->numerator, d = other->denominator;
  return std::make_unique<TFrac>(
      wrapping::Subtract(wrapping::Multiply(a, d), wrapping::Multiply(b, c)),
      wrapping::Multiply(b, d));
}

std::unique_ptr<TFrac> TFrac::Multiply(const TFrac* other) const {
  if (other == nullptr) {
    return nullptr;
  }
  return std::make_unique<TFrac>(wrapping::Multiply(numerator, other->numerator),
                                 wrapping::Multiply(denominator, other->denominator));
}

// The divisor's sign moves to the numerator, so that positive denominators
// give the constructor a positive denominator.
std::unique_ptr<TFrac> TFrac::Divide(const TFrac* other) const {
  if (other == nullptr) {
    return nullptr;
  }
  const std::int32_t a = numerator, b = denominator;
  const std::int32_t c = other->numerator, d = other->denominator;
  if (c == 0) {
    return std::make_unique<TFrac>(0, 1);
  }
  const std::int32_t n = wrapping::Multiply(a, d);
  const std::int32_t m = wrapping::Multiply(b, c);
  return c > 0 ? std::make_unique<TFrac>(n, m)
               : std::make_unique<TFrac>(wrapping::Negate(n), wrapping::Negate(m));
}

std::unique_ptr<TFrac> TFrac::Square() const {
  return std::make_unique<TFrac>(wrapping::Multiply(numerator, numerator),
                                 wrapping::Multiply(denominator, denominator));
}

std::unique_ptr<TFrac> TFrac::Reverse() const {
  if (numerator == 0) {
    return std::make_unique<TFrac>(0, 1);
  }
  return numerator > 0
             ? std::make_unique<TFrac>(denominator, numerator)
             : std::make_unique<TFrac>(wrapping::Negate(denominator), wrapping::Negate(numerator));
}

TFrac* TFrac::Minus() {
  numerator = wrapping::Negate(numerator);
  return this;
}

bool TFrac::Equal(const TFrac* other) const {
  return other != nullptr && numerator == other->numerator && denominator == other->denominator;
}

bool TFrac::Greater(const TFrac* other) const {
  // std::isgreater is the quiet comparison: a NaN operand yields false
  // without raising the invalid-operation flag that '>' would.
  return other != nullptr && std::isgreater(Quotient(numerator, denominator),
                                            Quotient(other->numerator, other->denominator));
}

}  // namespace fraction
