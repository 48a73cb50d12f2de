#include <algorithm>
#include <cmath>
#include <cstdint>
#include <optional>
#include <utility>

#include "continued_terms.h"
#include "fraction/tfrac.h"

namespace fraction {
namespace {

using internal::Expansion;
using internal::kHuge;
using internal::Term;

// The sign of a/b - c/d for b, d > 0, without a product that could
// overflow: the whole parts decide, or else the reciprocals of the
// remainders, in the reverse order.
int CompareFractions(std::uint64_t a, std::uint64_t b, std::uint64_t c, std::uint64_t d) {
  for (int sign = 1;; sign = -sign) {
    const std::uint64_t whole_a = a / b, whole_c = c / d;
    if (whole_a != whole_c) {
      return whole_a < whole_c ? -sign : sign;
    }
    a %= b;
    c %= d;
    if (a == 0 || c == 0) {
      return a == c ? 0 : a == 0 ? -sign : sign;
    }
    std::swap(a, b);
    std::swap(c, d);
  }
}

// Where a tail x = term lies against 2t + k_before/k (k_before <= k):
// below (-1), at (0) or above (1).
int CompareTail(const Term& x, std::uint64_t t, std::uint64_t k_before, std::uint64_t k) {
  if (x.quotient < 2 * t) {
    return -1;
  }
  if (x.quotient == 2 * t) {
    return CompareFractions(x.remainder, x.divisor, k_before, k);
  }
  return x.quotient == 2 * t + 1 && x.remainder == 0 && k_before == k ? 0 : 1;
}

using Parts = detail::Ratio<std::uint64_t>;

// The fraction p/q nearest to y = whole + rest / 2^power (0 < rest <
// 2^power, whole < 2^31 - 1) with p <= 2^31 - 1 and 1 <= q <= max_denominator.
//
// Why it is the nearest. The walk follows y's continued fraction through
// its convergents h/k (h_before/k_before the one before). From h_before/
// k_before towards the next convergent run the semiconvergents
// (h_before + t·h)/(k_before + t·k), t = 0, 1, ..., all on the far side of
// y from h/k, and each of them and h/k are Farey neighbours: their cross
// products differ by exactly 1. The walk takes a whole term while the next
// convergent obeys both bounds; otherwise it stops at the largest t whose
// semiconvergent does, so the next one, for t + 1, breaks the bound on the
// numerator or the one on the denominator. That one is the mediant of the
// two neighbours, and every fraction strictly between Farey neighbours has
// a numerator and a denominator at least as large as their mediant's: so
// each of them breaks the same bound. Among the fractions that obey both
// bounds, then, the semiconvergent and h/k are adjacent, and y lies
// between them (or is h/k): the nearest is one of the two.
//
// Which one: with the tail x (y = (x·h + h_before)/(x·k + k_before), x >
// t), y is 1/(k·(x·k + k_before)) from h/k and
// (x − t)/((x·k + k_before)·(t·k + k_before)) from the semiconvergent, so
// the semiconvergent is nearer exactly when x < 2t + k_before/k.
Parts Nearest(std::uint64_t whole, int power, std::uint64_t rest, std::uint64_t max_denominator) {
  std::uint64_t h_before = 1, k_before = 0, h = whole, k = 1;
  Expansion tail(power, rest);
  for (;;) {
    const Term term = tail.Next();
    // The largest t for which (h_before + t·h)/(k_before + t·k) obeys both
    // bounds; at least 1 for the first term, as whole < 2^31 - 1.
    const std::uint64_t t = std::min((max_denominator - k_before) / k,
                                     h == 0 ? kHuge : (detail::kLargestPart - h_before) / h);
    if (term.quotient <= t) {
      h_before = std::exchange(h, term.quotient * h + h_before);
      k_before = std::exchange(k, term.quotient * k + k_before);
      if (term.remainder == 0) {
        return {h, k};  // y itself
      }
      continue;
    }
    const Parts semiconvergent{h_before + t * h, k_before + t * k};
    const int side = CompareTail(term, t, k_before, k);
    // Of two equally near, the smaller denominator, then the smaller value.
    const bool take_semiconvergent =
        side < 0 ||
        (side == 0 && (semiconvergent.denominator < k ||
                       (semiconvergent.denominator == k && semiconvergent.numerator < h)));
    return take_semiconvergent ? semiconvergent : Parts{h, k};
  }
}

}  // namespace

// Where the parts fit, the private constructor for lowest terms takes them.
std::optional<TFrac> TFrac::FromDouble(double x) {
  if (!std::isfinite(x)) {
    return std::nullopt;
  }
  const double magnitude = std::fabs(x);
  if (magnitude == 0) {
    return TFrac(InLowestTerms{}, 0, 1);
  }
  if (magnitude > static_cast<double>(detail::kLargestPart)) {
    return std::nullopt;
  }
  const internal::Dyadic value = internal::Decompose(magnitude);
  if (value.shift > 30 || !detail::Fits(value.mantissa, std::uint64_t{1} << value.shift)) {
    return std::nullopt;
  }
  const auto numerator = static_cast<std::int32_t>(value.mantissa);
  return TFrac(InLowestTerms{}, x < 0 ? -numerator : numerator, std::int32_t{1} << value.shift);
}

std::optional<TFrac> TFrac::Approximate(double x, std::int32_t max_denominator) {
  if (!std::isfinite(x) || max_denominator < 1) {
    return std::nullopt;
  }
  const double magnitude = std::fabs(x);
  Parts nearest{detail::kLargestPart, 1};  // where the magnitude is 2^31 - 1 or more
  if (magnitude == 0) {
    nearest = {0, 1};
  } else if (magnitude < static_cast<double>(detail::kLargestPart)) {
    const internal::SplitDouble value = internal::Split(magnitude);
    nearest = value.rest == 0 ? Parts{value.whole, 1}
                              : Nearest(value.whole, value.power, value.rest,
                                        static_cast<std::uint64_t>(max_denominator));
  }
  const auto numerator = static_cast<std::int32_t>(nearest.numerator);
  return TFrac(InLowestTerms{}, x < 0 ? -numerator : numerator,
               static_cast<std::int32_t>(nearest.denominator));
}

}  // namespace fraction
