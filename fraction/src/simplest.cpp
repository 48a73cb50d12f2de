#include <algorithm>
#include <cmath>
#include <cstdint>
#include <optional>
#include <utility>

#include "continued_terms.h"
#include "fraction/continued_fraction.h"
#include "fraction/tfrac.h"

namespace fraction {
namespace {

using internal::Expansion;
using internal::Term;

// The simplest fraction in [L, H], 0 < L <= H, from the two bounds'
// continued fractions: `low` and `high` their first terms (of which only
// the quotient and whether the remainder is 0 count), `low_tail` and
// `high_tail` the terms after them.
//
// Why it is the simplest. Where [L, H] holds an integer, the least of them,
// ceil(L), has the least denominator, 1, and the least numerator of any
// fraction p/q >= L, as p >= q·L. Otherwise, for a = floor(L) = floor(H),
// each fraction p/q of the interval is a + r/q with 0 < r < q, and q/r
// lies in [1 / (H − a), 1 / (L − a)]: one to one, the least q and then
// the least r giving the least q and then the least p = a·q + r. So the
// answer takes the term a and, after it, that of the next interval, whose
// bounds are the bounds' next tails, in the reverse order. A bound that is
// an integer (remainder 0) ends the walk before its expansion runs out, as
// then ceil(L) <= floor(H); a term cut to kHuge makes every later
// denominator too large, which the walk reports as none.
std::optional<TFrac> SimplestAboveZero(Term low, Term high, Expansion low_tail,
                                       Expansion high_tail) {
  detail::ConvergentWalk walk;
  Expansion* lower = &low_tail;
  Expansion* upper = &high_tail;
  for (;;) {
    const std::uint64_t least = low.quotient + static_cast<std::uint64_t>(low.remainder != 0);
    if (least <= high.quotient) {
      return walk.Take(static_cast<std::int64_t>(least)) ? walk.Value() : std::nullopt;
    }
    if (!walk.Take(static_cast<std::int64_t>(low.quotient))) {
      return std::nullopt;
    }
    std::swap(lower, upper);
    low = lower->Next();
    high = upper->Next();
  }
}

// -f for a negative interval: f fits, so its numerator's negation does.
std::optional<TFrac> Signed(bool negative, const std::optional<TFrac>& f) {
  if (!f || !negative) {
    return f;
  }
  return TFrac(-f->Numerator(), f->Denominator());
}

}  // namespace

std::optional<TFrac> Simplest(const TFrac& lo, const TFrac& hi) {
  if (lo.Denominator() == 0 || hi.Denominator() == 0 || hi < lo) {
    return std::nullopt;
  }
  if (lo.Sign() <= 0 && hi.Sign() >= 0) {
    return TFrac(0, 1);
  }
  // A negative interval is the negation of its magnitudes' interval.
  const bool negative = hi.Sign() < 0;
  const detail::Ratio<std::int64_t> low = detail::ValueOf(negative ? hi : lo);
  const detail::Ratio<std::int64_t> high = detail::ValueOf(negative ? lo : hi);
  Expansion low_terms =
      Expansion::OfRatio(detail::Magnitude(low.numerator), detail::Magnitude(low.denominator));
  Expansion high_terms =
      Expansion::OfRatio(detail::Magnitude(high.numerator), detail::Magnitude(high.denominator));
  const Term low_whole = low_terms.Next(), high_whole = high_terms.Next();
  return Signed(negative, SimplestAboveZero(low_whole, high_whole, low_terms, high_terms));
}

std::optional<TFrac> Simplest(double lo, double hi) {
  if (!std::isfinite(lo) || !std::isfinite(hi) || hi < lo) {
    return std::nullopt;
  }
  if (lo <= 0 && hi >= 0) {
    return TFrac(0, 1);
  }
  const bool negative = hi < 0;
  const double low = negative ? -hi : lo;
  // Every fraction above 2^31 - 1 is too large. Below it, an upper bound
  // beyond 2^31 - 1 may come down to it: the interval holds the integer
  // ceil(low) either way, which is then the answer.
  if (low > static_cast<double>(detail::kLargestPart)) {
    return std::nullopt;
  }
  const double high = std::min(negative ? -lo : hi, static_cast<double>(detail::kLargestPart));
  const internal::SplitDouble a = internal::Split(low), b = internal::Split(high);
  return Signed(negative,
                SimplestAboveZero({a.whole, a.rest, 0}, {b.whole, b.rest, 0},
                                  Expansion(a.power, a.rest), Expansion(b.power, b.rest)));
}

}  // namespace fraction
