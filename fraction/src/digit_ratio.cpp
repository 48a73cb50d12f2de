#include "digit_ratio.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <numeric>
#include <string>
#include <utility>
#include <vector>

#include "fraction/detail/ascii.h"

namespace fraction::internal {
namespace {

// Texts of up to 19 digits are below 10^19 < 2^64.
constexpr std::size_t kFastDigits = 19;

std::uint64_t ToUint64(std::string_view digits) {
  std::uint64_t value = 0;
  for (const char c : digits) {
    value = value * 10 + static_cast<std::uint64_t>(detail::DigitValue(c));
  }
  return value;
}

std::optional<DigitRatio> Fitting(std::uint64_t numerator, std::uint64_t denominator) {
  if (!detail::Fits(numerator, denominator)) {
    return std::nullopt;
  }
  return DigitRatio{static_cast<std::int32_t>(numerator), static_cast<std::int32_t>(denominator)};
}

// A natural number of any size, in limbs of nine decimal digits, the least
// significant first, with no zero limb on top (zero has none): texts convert
// to it in linear time.
class Natural {
 public:
  static constexpr std::uint64_t kBase = 1000000000;

  explicit Natural(std::string_view digits) {
    digits = digits.substr(std::min(digits.find_first_not_of('0'), digits.size()));
    limbs_.reserve(digits.size() / 9 + 1);
    while (!digits.empty()) {
      const std::size_t take = std::min<std::size_t>(digits.size(), 9);
      limbs_.push_back(static_cast<std::uint32_t>(ToUint64(digits.substr(digits.size() - take))));
      digits.remove_suffix(take);
    }
  }

  [[nodiscard]] bool IsZero() const { return limbs_.empty(); }

  // Replaces this number by its remainder modulo `divisor` (nonzero) and
  // returns the quotient, or nothing, leaving this number unspecified, when
  // the quotient exceeds 2^31 - 1.
  std::optional<std::uint64_t> TakeRemainder(const Natural& divisor) {
    if (Less(*this, divisor)) {
      return 0;
    }
    // Three limbs of each side carry the quotient to a relative error below
    // 10^-15: for a quotient below 2^33 the estimate is off by less than 1.
    if (limbs_.size() > divisor.limbs_.size() + 2) {
      return std::nullopt;  // the quotient exceeds 10^18
    }
    double estimate = Leading() / divisor.Leading();
    for (std::size_t i = divisor.LeadingShift(); i < LeadingShift(); ++i) {
      estimate *= static_cast<double>(kBase);
    }
    if (!(estimate < 8589934592.0)) {  // 2^33
      return std::nullopt;
    }
    const auto floor = static_cast<std::uint64_t>(estimate);
    std::uint64_t quotient = floor > 0 ? floor - 1 : 0;
    SubtractMultiple(divisor, quotient);
    while (!Less(*this, divisor)) {
      SubtractMultiple(divisor, 1);
      ++quotient;
    }
    return quotient <= detail::kLargestPart ? std::optional(quotient) : std::nullopt;
  }

 private:
  static bool Less(const Natural& x, const Natural& y) {
    if (x.limbs_.size() != y.limbs_.size()) {
      return x.limbs_.size() < y.limbs_.size();
    }
    return std::lexicographical_compare(x.limbs_.rbegin(), x.limbs_.rend(), y.limbs_.rbegin(),
                                        y.limbs_.rend());
  }

  // The top three limbs (or all, if fewer) as a number, and how many limbs
  // lie below them.
  [[nodiscard]] std::size_t LeadingShift() const {
    return limbs_.size() > 3 ? limbs_.size() - 3 : 0;
  }
  [[nodiscard]] double Leading() const {
    double value = 0;
    for (std::size_t i = limbs_.size(); i-- > LeadingShift();) {
      value = value * static_cast<double>(kBase) + limbs_[i];
    }
    return value;
  }

  // this -= multiple * y, for a result known not to be negative.
  void SubtractMultiple(const Natural& y, std::uint64_t multiple) {
    std::uint64_t owed = 0;  // still to subtract, in units of the current limb
    for (std::size_t i = 0; i < limbs_.size(); ++i) {
      // multiple < 2^33 and a limb < 10^9: the sum stays below 2^64.
      owed += i < y.limbs_.size() ? multiple * y.limbs_[i] : 0;
      const std::uint64_t low = owed % kBase;
      owed /= kBase;
      if (limbs_[i] < low) {
        limbs_[i] = static_cast<std::uint32_t>(limbs_[i] + kBase - low);
        ++owed;
      } else {
        limbs_[i] = static_cast<std::uint32_t>(limbs_[i] - low);
      }
    }
    while (!limbs_.empty() && limbs_.back() == 0) {
      limbs_.pop_back();
    }
  }

  std::vector<std::uint32_t> limbs_;
};

// Euclid's algorithm on a/b, kept exact on numbers of any size: a/b in
// lowest terms is the last convergent of its continued fraction. If that
// fits, every partial quotient and every convergent before it fits too, and
// the convergents' denominators grow at least as the Fibonacci numbers do,
// so at most 46 steps pass before the answer or the proof that none fits.
std::optional<DigitRatio> ReduceLarge(Natural a, Natural b) {
  std::uint64_t h_before = 0, k_before = 1, h = 1, k = 0;
  while (!b.IsZero()) {
    const std::optional<std::uint64_t> quotient = a.TakeRemainder(b);
    if (!quotient) {
      return std::nullopt;
    }
    // Each factor is at most 2^31 - 1: no overflow.
    h_before = std::exchange(h, *quotient * h + h_before);
    k_before = std::exchange(k, *quotient * k + k_before);
    if (!detail::Fits(h, k)) {
      return std::nullopt;
    }
    std::swap(a, b);
  }
  return Fitting(h, k);
}

}  // namespace

std::optional<DigitRatio> ReduceDigits(std::string_view a, std::string_view b) {
  if (a.size() <= kFastDigits && b.size() <= kFastDigits) {
    const std::uint64_t numerator = ToUint64(a), denominator = ToUint64(b);
    if (denominator == 0) {
      return std::nullopt;
    }
    const std::uint64_t g = std::gcd(numerator, denominator);
    return Fitting(numerator / g, denominator / g);
  }
  Natural numerator(a), denominator(b);
  if (denominator.IsZero()) {
    return std::nullopt;
  }
  return ReduceLarge(std::move(numerator), std::move(denominator));
}

// I.F(P) = (IFP − IF) / (10^|F| · (10^|P| − 1)), written as digit texts:
// the digits of IFP less those of IF, over |P| nines and |F| zeros. IFP is
// IF · 10^|P| + P, never less than IF, so the subtraction's borrow ends
// within its digits.
std::optional<DigitRatio> ReduceRepeating(std::string_view whole, std::string_view fraction,
                                          std::string_view period) {
  std::string prefix(whole);
  prefix += fraction;
  std::string numerator = prefix;
  numerator += period;
  std::size_t at = numerator.size(), from = prefix.size();
  for (int borrow = 0; at > 0 && (from > 0 || borrow != 0);) {
    --at;
    int digit = numerator[at] - '0' - borrow;
    if (from > 0) {
      digit -= prefix[--from] - '0';
    }
    borrow = static_cast<int>(digit < 0);
    numerator[at] = static_cast<char>('0' + digit + 10 * borrow);
  }
  std::string denominator(period.size(), '9');
  denominator.append(fraction.size(), '0');
  return ReduceDigits(numerator, denominator);
}

}  // namespace fraction::internal
