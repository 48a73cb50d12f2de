// The nearest fraction with bounded parts: BigFraction::Approximate, whose
// denominator is bounded, and NearestTFrac, whose numerator is bounded too,
// by TFrac's largest part. One walk along the value's continued fraction
// serves both, the walk of TFrac::Approximate, on GMP's integers.
#include <gmp.h>
#include <gmpxx.h>

#include <cstdint>
#include <optional>
#include <utility>

#include "big_parts.h"
#include "fraction/big_fraction.h"
#include "fraction/detail/integers.h"
#include "fraction/tfrac.h"

namespace fraction {
namespace {

using internal::Access;
using Parts = detail::Ratio<mpz_class>;

// Whether p1/q1 is nearer to n/d than p2/q2, or as near with the smaller
// denominator, then the smaller numerator; all parts positive but p1, p2,
// which may be 0.
bool Nearer(const Parts& first, const Parts& second, mpz_srcptr n, mpz_srcptr d) {
  // |n/d − p/q| = |n·q − p·d| / (d·q): compare |n·q1 − p1·d|·q2 with
  // |n·q2 − p2·d|·q1.
  const auto scaled_distance = [n, d](const Parts& p, const mpz_class& other_denominator) {
    mpz_class distance;
    mpz_mul(distance.get_mpz_t(), n, p.denominator.get_mpz_t());
    mpz_submul(distance.get_mpz_t(), p.numerator.get_mpz_t(), d);
    mpz_abs(distance.get_mpz_t(), distance.get_mpz_t());
    distance *= other_denominator;
    return distance;
  };
  const int order =
      cmp(scaled_distance(first, second.denominator), scaled_distance(second, first.denominator));
  if (order != 0) {
    return order < 0;
  }
  return first.denominator != second.denominator ? first.denominator < second.denominator
                                                 : first.numerator < second.numerator;
}

// The fraction p/q nearest to y = n/d (in lowest terms, n >= 0, d >= 1)
// with 1 <= q <= max_denominator and, where `max_numerator` is given,
// p <= *max_numerator, for y < *max_numerator: of two equally near, the
// one with the smaller q, then the smaller p.
//
// Why it is the nearest (as for TFrac::Approximate). The walk follows y's
// continued fraction through its convergents h/k (h_before/k_before the
// one before). From h_before/k_before towards the next convergent run the
// semiconvergents (h_before + t·h)/(k_before + t·k), t = 0, 1, ..., all on
// the far side of y from h/k, and each of them and h/k are Farey
// neighbours. The walk takes a whole term while the next convergent obeys
// the bounds; otherwise it stops at the largest t whose semiconvergent
// does, so that the next one, the mediant of two neighbours, breaks a
// bound, and so does every fraction strictly between those neighbours,
// whose parts are at least the mediant's. Among the fractions within the
// bounds, then, the semiconvergent and h/k are adjacent with y between
// them: the nearest is one of the two. t is at least 1 for the first term,
// as floor(y) is below the bound on p.
Parts Nearest(const mpz_class& n, const mpz_class& d, const mpz_class& max_denominator,
              const std::optional<mpz_class>& max_numerator) {
  mpz_class h_before = 1, k_before = 0, h, k = 1, tail_n = d, tail_d, term, rest, t, t_numerator;
  mpz_fdiv_qr(h.get_mpz_t(), tail_d.get_mpz_t(), n.get_mpz_t(), d.get_mpz_t());
  while (tail_d != 0) {
    mpz_tdiv_qr(term.get_mpz_t(), rest.get_mpz_t(), tail_n.get_mpz_t(), tail_d.get_mpz_t());
    // The largest t whose semiconvergent obeys the bounds.
    t = max_denominator - k_before;
    mpz_fdiv_q(t.get_mpz_t(), t.get_mpz_t(), k.get_mpz_t());
    if (max_numerator && h != 0) {
      t_numerator = *max_numerator - h_before;
      mpz_fdiv_q(t_numerator.get_mpz_t(), t_numerator.get_mpz_t(), h.get_mpz_t());
      t = t < t_numerator ? t : t_numerator;
    }
    if (term > t) {
      Parts semiconvergent{h_before + t * h, k_before + t * k};
      Parts convergent{std::move(h), std::move(k)};
      return Nearer(semiconvergent, convergent, n.get_mpz_t(), d.get_mpz_t())
                 ? std::move(semiconvergent)
                 : std::move(convergent);
    }
    mpz_addmul(h_before.get_mpz_t(), h.get_mpz_t(), term.get_mpz_t());
    mpz_addmul(k_before.get_mpz_t(), k.get_mpz_t(), term.get_mpz_t());
    h.swap(h_before);
    k.swap(k_before);
    tail_n.swap(tail_d);
    tail_d.swap(rest);
  }
  return {h, k};  // y itself
}

}  // namespace

std::optional<BigFraction> BigFraction::Approximate(const BigFraction& x,
                                                    const mpz_class& max_denominator) {
  if (Access::Denominator(x) == 0 || max_denominator < 1) {
    return std::nullopt;
  }
  const internal::MpqView view(x);
  const mpq_srcptr q = view.Get();
  if (mpz_cmp(mpq_denref(q), max_denominator.get_mpz_t()) <= 0) {
    return x;
  }
  mpz_class magnitude(mpq_numref(q));
  mpz_abs(magnitude.get_mpz_t(), magnitude.get_mpz_t());
  Parts nearest = Nearest(magnitude, mpz_class(mpq_denref(q)), max_denominator, std::nullopt);
  if (x.Sign() < 0) {
    nearest.numerator = -nearest.numerator;
  }
  return internal::FromLowestTerms(nearest.numerator.get_mpz_t(), nearest.denominator.get_mpz_t());
}

// Every fraction that fits lies at or below 2^31 − 1 in magnitude: from
// there on, that one is the nearest.
std::optional<TFrac> NearestTFrac(const BigFraction& x, std::int32_t max_denominator) {
  if (Access::Denominator(x) == 0 || max_denominator < 1) {
    return std::nullopt;
  }
  const mpz_class largest = detail::kLargestPart;
  const BigFraction magnitude = abs(x);
  Parts nearest{largest, 1};
  if (magnitude < largest) {
    const internal::MpqView view(magnitude);
    nearest = Nearest(mpz_class(mpq_numref(view.Get())), mpz_class(mpq_denref(view.Get())),
                      max_denominator, largest);
  }
  const auto numerator = static_cast<std::int32_t>(nearest.numerator.get_si());
  return TFrac(x.Sign() < 0 ? -numerator : numerator,
               static_cast<std::int32_t>(nearest.denominator.get_si()));
}

}  // namespace fraction
