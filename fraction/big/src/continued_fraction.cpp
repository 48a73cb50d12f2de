// Continued fractions of BigFractions, on GMP: the canonical terms by
// Euclid's algorithm, the convergents and the way back by their recurrence,
// and the simplest fraction in an interval from the bounds' terms.
#include <gmp.h>
#include <gmpxx.h>

#include <climits>
#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

#include "big_parts.h"
#include "fraction/big_continued_fraction.h"
#include "fraction/big_fraction.h"
#include "fraction/detail/integers.h"

namespace fraction {

using internal::Access;
using ConvergentWalk = Access::ConvergentWalk;

// h_before += term·h, then the two swap places: h' = term·h + h_before.
// The first term may be negative; every later one is at least 1.
bool ConvergentWalk::Take(std::int64_t term) {
  const std::uint64_t magnitude = detail::Magnitude(term);
  if constexpr (sizeof(unsigned long) < sizeof(std::uint64_t)) {
    if (magnitude > ULONG_MAX) {
      return Take(MpzOf(term < 0, magnitude));
    }
  }
  const bool first = k_ == 0;
  if (refused_ || (!first && term < 1)) {
    refused_ = true;
    return false;
  }
  const auto word = static_cast<unsigned long>(magnitude);
  const auto step = term < 0 ? mpz_submul_ui : mpz_addmul_ui;
  step(h_before_.get_mpz_t(), h_.get_mpz_t(), word);
  step(k_before_.get_mpz_t(), k_.get_mpz_t(), word);
  std::swap(h_, h_before_);
  std::swap(k_, k_before_);
  return true;
}

bool ConvergentWalk::Take(const mpz_class& term) {
  const bool first = k_ == 0;
  if (refused_ || (!first && term < 1)) {
    refused_ = true;
    return false;
  }
  mpz_addmul(h_before_.get_mpz_t(), h_.get_mpz_t(), term.get_mpz_t());
  mpz_addmul(k_before_.get_mpz_t(), k_.get_mpz_t(), term.get_mpz_t());
  std::swap(h_, h_before_);
  std::swap(k_, k_before_);
  return true;
}

std::optional<BigFraction> ConvergentWalk::Value() const {
  if (refused_ || k_ == 0) {
    return std::nullopt;
  }
  return internal::FromLowestTerms(h_.get_mpz_t(), k_.get_mpz_t());
}

// Euclid's algorithm on n/d in lowest terms (d >= 1): the floor first,
// then the quotients of d by the remainder, and so on until a remainder is
// 0. The last quotient is at least 2, as the remainder before it divides
// the divisor and is smaller: so the terms are the canonical ones.
std::vector<mpz_class> ContinuedFraction(const BigFraction& x) {
  if (Access::Denominator(x) == 0) {
    return {};
  }
  const internal::MpqView view(x);
  mpz_class dividend(mpq_numref(view.Get())), divisor(mpq_denref(view.Get())), remainder;
  std::vector<mpz_class> terms(1);
  mpz_fdiv_qr(terms.back().get_mpz_t(), remainder.get_mpz_t(), dividend.get_mpz_t(),
              divisor.get_mpz_t());
  while (remainder != 0) {
    dividend.swap(divisor);
    divisor.swap(remainder);
    terms.emplace_back();
    mpz_tdiv_qr(terms.back().get_mpz_t(), remainder.get_mpz_t(), dividend.get_mpz_t(),
                divisor.get_mpz_t());
  }
  return terms;
}

std::vector<BigFraction> Convergents(const BigFraction& x) {
  std::vector<BigFraction> convergents;
  ConvergentWalk walk;
  for (const mpz_class& term : ContinuedFraction(x)) {
    walk.Take(term);
    convergents.push_back(*walk.Value());
  }
  return convergents;
}

namespace {

// The simplest fraction in [L, H] for 0 < L <= H, L = low_n / low_d and
// H = high_n / high_d with positive parts.
//
// Why it is the simplest. Where [L, H] holds an integer, the least of them,
// ceil(L), has the least denominator, 1, and the least numerator of any
// fraction p/q >= L, as p >= q·L. Otherwise, for a = floor(L) = floor(H),
// each fraction p/q of the interval is a + r/q with 0 < r < q, and q/r lies
// in [1 / (H − a), 1 / (L − a)]: one to one, the least q and then the least
// r giving the least q and then the least p = a·q + r. So the answer takes
// the term a and, after it, that of the next interval, whose bounds are the
// remainders' reciprocals, in the reverse order. Neither remainder is 0
// there: an integer bound would have ended the walk, as then
// ceil(L) <= floor(H).
BigFraction SimplestAboveZero(mpz_class low_n, mpz_class low_d, mpz_class high_n,
                              mpz_class high_d) {
  ConvergentWalk walk;
  mpz_class low_whole, low_rest, high_whole, high_rest;
  for (;;) {
    mpz_tdiv_qr(low_whole.get_mpz_t(), low_rest.get_mpz_t(), low_n.get_mpz_t(), low_d.get_mpz_t());
    mpz_tdiv_qr(high_whole.get_mpz_t(), high_rest.get_mpz_t(), high_n.get_mpz_t(),
                high_d.get_mpz_t());
    if (low_rest != 0) {
      ++low_whole;  // the ceiling
    }
    if (low_whole <= high_whole) {
      walk.Take(low_whole);
      return *walk.Value();
    }
    walk.Take(high_whole);
    // The next interval: [high_d / high_rest, low_d / low_rest].
    low_n.swap(high_d);
    high_n.swap(low_d);
    low_d.swap(high_rest);
    high_d.swap(low_rest);
  }
}

}  // namespace

std::optional<BigFraction> Simplest(const BigFraction& lo, const BigFraction& hi) {
  if (Access::Denominator(lo) == 0 || Access::Denominator(hi) == 0 || hi < lo) {
    return std::nullopt;
  }
  if (lo.Sign() <= 0 && hi.Sign() >= 0) {
    return BigFraction();
  }
  // A negative interval is the negation of its magnitudes' interval.
  const bool negative = hi.Sign() < 0;
  const internal::MpqView low(negative ? hi : lo), high(negative ? lo : hi);
  mpz_class low_n(mpq_numref(low.Get())), high_n(mpq_numref(high.Get()));
  if (negative) {
    low_n = -low_n;
    high_n = -high_n;
  }
  const BigFraction simplest =
      SimplestAboveZero(std::move(low_n), mpz_class(mpq_denref(low.Get())), std::move(high_n),
                        mpz_class(mpq_denref(high.Get())));
  return negative ? -simplest : simplest;
}

}  // namespace fraction
