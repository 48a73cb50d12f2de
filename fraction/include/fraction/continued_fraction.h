#ifndef FRACTION_CONTINUED_FRACTION_H
#define FRACTION_CONTINUED_FRACTION_H

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <type_traits>
#include <vector>

#include "fraction/export.h"
#include "fraction/tfrac.h"

/// \file
/// Continued fractions of TFrac values, and the simplest fraction in an
/// interval: algorithms on a fraction's value, beside the class rather than
/// in it. Each works on the value of the stored fields, whatever they are
/// ("4/-6" is -2/3), and none writes the invalid-data message. A fraction
/// "fits" as TFrac's conversions say: in lowest terms, its numerator within
/// ±(2^31 − 1) and its denominator within 1 to 2^31 − 1.

namespace fraction {

/// The canonical terms [a0; a1, ..., ak] of the value of \p x: a0 =
/// floor(x), which may be negative, every later term at least 1, and the
/// last one at least 2 when k >= 1.
///
/// 355/113 is [3; 7, 16], "4/-6" is [-1; 3], an integer is [a0]. At most 46
/// terms; none (an empty vector) for a zero denominator.
[[nodiscard]] FRACTION_EXPORT std::vector<std::int64_t> ContinuedFraction(const TFrac& x);

/// The exact value of the terms [a0; a1, ..., ak] from \p first to \p last,
/// in lowest terms, if it fits.
///
/// None for no terms, for a term below 1 after the first, or for a value
/// that does not fit. The terms may be any integers, of any type; nothing
/// overflows. A last term of 1 is allowed: [a0; ..., a, 1] is
/// [a0; ..., a + 1].
///
/// It takes terms only until the answer is known: after a term that leaves
/// it none whatever may follow (a term out of range, a convergent that
/// already does not fit), it reads no further. So a million terms of 1 take
/// microseconds (and give none), and at most 47 terms are ever read.
template <class InputIt>
[[nodiscard]] constexpr std::optional<TFrac> FromContinuedFraction(InputIt first, InputIt last);
/// The exact value of the listed \p terms [a0; a1, ..., ak], in lowest
/// terms, if it fits: what FromContinuedFraction(first, last) gives for
/// them.
[[nodiscard]] constexpr std::optional<TFrac> FromContinuedFraction(
    std::initializer_list<std::int64_t> terms);

/// The convergents of the canonical terms of \p x, each in lowest terms:
/// for [a0; a1, ..., ak], the values of [a0], [a0; a1], ..., the last of
/// them the value itself.
///
/// Empty for a zero denominator, or for a value that does not fit
/// ("-2147483648/1"); when the value fits, every convergent does.
[[nodiscard]] FRACTION_EXPORT std::vector<TFrac> Convergents(const TFrac& x);

/// The simplest fraction in the closed interval [lo, hi]: the one with the
/// smallest denominator and, of those, the smallest |numerator|.
///
/// Both are smallest at once, and only one fraction is, when the interval
/// lies on one side of zero; 0/1 when it holds zero. None when lo > hi,
/// when a bound has a zero denominator (x/0, 0/0), or when the simplest
/// does not fit (then no fraction in the interval fits).
[[nodiscard]] FRACTION_EXPORT std::optional<TFrac> Simplest(const TFrac& lo, const TFrac& hi);

/// The simplest fraction in the closed interval [lo, hi] of doubles, taken
/// at their exact values: Simplest(0.165, 0.175) is 1/6, although neither
/// bound is the decimal it is written as; Simplest(3.14159, 3.1416) is
/// 355/113. -0.0 is 0. None as for fractions, and when a bound is NaN or
/// infinite.
[[nodiscard]] FRACTION_EXPORT std::optional<TFrac> Simplest(double lo, double hi);

}  // namespace fraction

namespace fraction::detail {

/// The convergents h/k of a continued fraction, taken term by term while
/// the value can still fit. h and k follow h' = a·h + h_before (k likewise)
/// from h/k = 1/0 and h_before/k_before = 0/1, so each convergent is in
/// lowest terms, as h·k_before − h_before·k = ±1.
///
/// Why stopping is safe: after a1, k never falls (k' >= k + k_before), nor
/// does |h| (h and h_before keep one sign, or h_before is 0, from h1 on:
/// a0 >= 0 keeps every h >= 0; a0 < 0 gives h0 < 0 and h1 = a1·a0 + 1 <= 0).
/// So a convergent after the first that does not fit leaves every later one,
/// the value among them, out of reach; so does a0 outside 32 bits, as the
/// value lies within [a0, a0 + 1], and any later term above 2^31 − 1, as k
/// is at least that term. a0 = -2^31 alone does not decide: [-2^31; 1] fits.
class ConvergentWalk {
 public:
  /// Whether the value can still fit after the next term, which it takes;
  /// false from the first term that rules it out on.
  constexpr bool Take(std::int64_t term) {
    const bool first = k_ == 0;
    if (out_of_reach_ || term < (first ? INT32_MIN : 1) || term > kLargestPart) {
      out_of_reach_ = true;
      return false;
    }
    // |term| <= 2^31 and |h|, |h_before|, k, k_before <= 2^31: each product
    // is below 2^62 in magnitude, and so is each sum.
    const std::int64_t h = term * h_ + h_before_, k = term * k_ + k_before_;
    h_before_ = h_;
    k_before_ = k_;
    h_ = h;
    k_ = k;
    out_of_reach_ = !first && !Fits(h, k);
    return !out_of_reach_;
  }

  /// The convergent of the terms taken, if it fits; none before the first
  /// (k is 0 then), and none for the first term alone when it is -2^31.
  [[nodiscard]] constexpr std::optional<TFrac> Value() const {
    if (out_of_reach_ || !Fits(h_, k_)) {
      return std::nullopt;
    }
    return TFrac(static_cast<std::int32_t>(h_), static_cast<std::int32_t>(k_));
  }

 private:
  std::int64_t h_ = 1, k_ = 0, h_before_ = 0, k_before_ = 1;
  bool out_of_reach_ = false;
};

/// A term of any integer type as a 64-bit one, saturated: a term beyond 64
/// bits is out of range as the saturated one is.
template <class Integer>
constexpr std::int64_t SaturatedTerm(Integer term) {
  static_assert(std::is_integral_v<Integer> && !std::is_same_v<Integer, bool>,
                "continued fraction terms are integers");
  if constexpr (std::is_signed_v<Integer> && sizeof(Integer) > sizeof(std::int64_t)) {
    return term < Integer{INT64_MIN}   ? INT64_MIN
           : term > Integer{INT64_MAX} ? INT64_MAX
                                       : static_cast<std::int64_t>(term);
  } else if constexpr (!std::is_signed_v<Integer> && sizeof(Integer) >= sizeof(std::int64_t)) {
    return term > static_cast<Integer>(INT64_MAX) ? INT64_MAX : static_cast<std::int64_t>(term);
  } else {
    return static_cast<std::int64_t>(term);
  }
}

}  // namespace fraction::detail

namespace fraction {

template <class InputIt>
constexpr std::optional<TFrac> FromContinuedFraction(InputIt first, InputIt last) {
  detail::ConvergentWalk walk;
  for (; first != last; ++first) {
    if (!walk.Take(detail::SaturatedTerm(*first))) {
      return std::nullopt;
    }
  }
  return walk.Value();
}

constexpr std::optional<TFrac> FromContinuedFraction(std::initializer_list<std::int64_t> terms) {
  return FromContinuedFraction(terms.begin(), terms.end());
}

}  // namespace fraction

#endif  // FRACTION_CONTINUED_FRACTION_H
