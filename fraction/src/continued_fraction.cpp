#include <cstdint>
#include <optional>
#include <vector>

#include "continued_terms.h"
#include "fraction/continued_fraction.h"
#include "fraction/tfrac.h"

namespace fraction {

// Euclid's algorithm on the value n/d (d > 0): the floor first, then the
// terms of d / (n − floor·d), whose remainders fall to 0. The quotient of
// the last step is at least 2, as the remainder before it divides d and
// is less than d: so the terms are the canonical ones.
std::vector<std::int64_t> ContinuedFraction(const TFrac& x) {
  const std::optional<std::int64_t> floor = x.Floor();
  if (!floor) {
    return {};
  }
  const detail::Ratio<std::int64_t> value = detail::ValueOf(x);
  std::vector<std::int64_t> terms{*floor};
  // In [0, d): floor·d lies within d of n, so it fits.
  const std::int64_t rest = value.numerator - *floor * value.denominator;
  if (rest != 0) {
    internal::Expansion tail = internal::Expansion::OfRatio(
        static_cast<std::uint64_t>(value.denominator), static_cast<std::uint64_t>(rest));
    internal::Term term{};
    do {
      term = tail.Next();
      terms.push_back(static_cast<std::int64_t>(term.quotient));
    } while (term.remainder != 0);
  }
  return terms;
}

std::vector<TFrac> Convergents(const TFrac& x) {
  std::vector<TFrac> convergents;
  detail::ConvergentWalk walk;
  for (const std::int64_t term : ContinuedFraction(x)) {
    const std::optional<TFrac> convergent = walk.Take(term) ? walk.Value() : std::nullopt;
    if (!convergent) {
      return {};
    }
    convergents.push_back(*convergent);
  }
  return convergents;
}

}  // namespace fraction
