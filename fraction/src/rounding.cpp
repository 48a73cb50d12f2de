#include <cstdint>
#include <optional>

#include "fraction/tfrac.h"
#include "value.h"

namespace fraction {
namespace {

// The value's quotient truncated toward zero, plus what `step` makes of the
// remainder r and the positive divisor d; r has the value's sign and |r| <
// d <= 2^31, so every rounding is the quotient moved by at most one, and
// 2·r fits. None for a zero denominator.
template <class Step>
std::optional<std::int64_t> Rounded(const TFrac& x, Step step) {
  const Value v = ValueOf(x);
  if (v.denominator == 0) return std::nullopt;
  return v.numerator / v.denominator + step(v.numerator % v.denominator, v.denominator);
}

}  // namespace

std::optional<std::int64_t> TFrac::Floor() const {
  return Rounded(
      *this, [](std::int64_t r, std::int64_t /*d*/) { return -static_cast<std::int64_t>(r < 0); });
}

std::optional<std::int64_t> TFrac::Ceil() const {
  return Rounded(
      *this, [](std::int64_t r, std::int64_t /*d*/) { return static_cast<std::int64_t>(r > 0); });
}

std::optional<std::int64_t> TFrac::Trunc() const {
  return Rounded(*this, [](std::int64_t /*r*/, std::int64_t /*d*/) { return std::int64_t{0}; });
}

// Away from zero where the remainder is at least half the divisor.
std::optional<std::int64_t> TFrac::Round() const {
  return Rounded(*this, [](std::int64_t r, std::int64_t d) {
    return static_cast<std::int64_t>(2 * r >= d) - static_cast<std::int64_t>(2 * r <= -d);
  });
}

// The numerator's sign, turned by a negative denominator; a zero one turns
// nothing, so that x/0 has x's sign and 0/0 none.
int TFrac::Sign() const { return Signum(numerator) * (1 - 2 * static_cast<int>(denominator < 0)); }

TFrac abs(const TFrac& x) { return x.Sign() < 0 ? -x : x; }

}  // namespace fraction
