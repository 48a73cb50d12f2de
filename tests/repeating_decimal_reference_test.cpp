// ToRepeatingDecimal against the shape number theory gives a decimal: for
// the reduced denominator 2^a · 5^b · m, m prime to 10, the digits run into
// their period after max(a, b) of them, and the period's length is the
// order of 10 modulo m. Random fractions, unreduced and negative stored
// fields among them; the digits themselves come from one division on
// integers of any size, and Parse of the text must give the value back.
#include <gtest/gtest.h>

#include <algorithm>
#include <boost/multiprecision/cpp_int.hpp>
#include <cstdint>
#include <iterator>
#include <numeric>
#include <optional>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "fraction/tfrac.h"

namespace fraction {
namespace {

using Integer = boost::multiprecision::number<boost::multiprecision::cpp_int_backend<>,
                                              boost::multiprecision::et_off>;

// The longest text the cases ask for: a longer one is checked to be none.
constexpr int kMostDigits = 3000;

std::uint64_t PowerModulo(std::uint64_t base, std::uint64_t exponent, std::uint64_t modulus) {
  std::uint64_t result = 1 % modulus;
  for (base %= modulus; exponent > 0; exponent /= 2, base = base * base % modulus) {
    if (exponent % 2 == 1) result = result * base % modulus;
  }
  return result;
}

// The prime factors of n >= 1, each once, by trial division.
std::vector<std::uint64_t> PrimeFactors(std::uint64_t n) {
  std::vector<std::uint64_t> primes;
  for (std::uint64_t p = 2; p * p <= n; ++p) {
    if (n % p != 0) continue;
    primes.push_back(p);
    while (n % p == 0) n /= p;
  }
  if (n > 1) primes.push_back(n);
  return primes;
}

// The order of 10 modulo m, for m > 1 prime to 10: the least k with
// 10^k ≡ 1, a divisor of Euler's φ(m), found by removing from φ(m) each
// prime factor that leaves a power still ≡ 1.
std::uint64_t OrderOfTen(std::uint64_t m) {
  std::uint64_t order = m;
  for (const std::uint64_t p : PrimeFactors(m)) order = order / p * (p - 1);
  for (const std::uint64_t p : PrimeFactors(order)) {
    while (order % p == 0 && PowerModulo(10, order / p, m) == 1) order /= p;
  }
  return order;
}

// The decimal of n/d, d != 0, by the shape above: none where more than
// kMostDigits digits would follow the point.
struct Decimal {
  std::uint64_t digits;  // after the point: the part before the period, and one period
  std::string text;      // empty where digits > kMostDigits
};

Decimal Expected(std::int64_t n, std::int64_t d) {
  const auto g = static_cast<std::uint64_t>(std::gcd(n, d));
  const auto numerator = static_cast<std::uint64_t>(n < 0 ? -n : n) / g;
  const auto denominator = static_cast<std::uint64_t>(d < 0 ? -d : d) / g;
  int twos = 0, fives = 0;
  std::uint64_t m = denominator;
  for (; m % 2 == 0; m /= 2) ++twos;
  for (; m % 5 == 0; m /= 5) ++fives;
  const auto before = static_cast<std::uint64_t>(std::max(twos, fives));
  const std::uint64_t period = m == 1 ? 0 : OrderOfTen(m);
  Decimal decimal{before + period, ""};
  if (decimal.digits > kMostDigits) return decimal;
  decimal.text = std::to_string(numerator / denominator);
  if ((n < 0) != (d < 0) && n != 0) decimal.text.insert(0, 1, '-');
  if (decimal.digits == 0) return decimal;
  const Integer scaled =
      Integer(numerator % denominator) *
      boost::multiprecision::pow(Integer(10), static_cast<unsigned>(decimal.digits));
  std::string digits = (scaled / denominator).str();
  digits.insert(0, decimal.digits - digits.size(), '0');
  if (period > 0) {
    digits.insert(before, "(");
    digits += ')';
  }
  decimal.text += '.' + digits;
  return decimal;
}

// Random fractions, the same on every run: stored fields n/d with d =
// 2^a · 5^b · m and m of every size, perhaps times a common factor, with
// either sign on either field.
class Draws {
 public:
  std::int64_t Between(std::int64_t low, std::int64_t high) {
    return std::uniform_int_distribution<std::int64_t>(low, high)(random_);
  }

  std::pair<std::int64_t, std::int64_t> Fields() {
    static constexpr std::int64_t kLargest = INT32_MAX;
    static constexpr std::int64_t kRestBounds[] = {1, 1, 50, 2000, kLargest};
    const std::int64_t bound = *std::next(std::begin(kRestBounds), Between(0, 4));
    std::int64_t d = Between(1, bound);
    for (std::int64_t twos = Between(0, 31); twos > 0 && 2 * d <= kLargest; --twos) d *= 2;
    for (std::int64_t fives = Between(0, 13); fives > 0 && 5 * d <= kLargest; --fives) d *= 5;
    const std::int64_t whole = Between(1, 1000);
    std::int64_t n = Between(0, std::min(kLargest, d * whole));
    const std::int64_t factor = Between(1, 12);
    if (n * factor <= kLargest && d * factor <= kLargest) {
      n *= factor;
      d *= factor;
    }
    if (Between(0, 2) == 0) n = -n;
    if (Between(0, 2) == 0) d = -d;
    if (Between(0, 49) == 0) n = INT32_MIN;
    if (Between(0, 49) == 0) d = INT32_MIN;
    return {n, d};
  }

  // A negative count of digits, -1 half the time.
  int Negative() {
    if (Between(0, 1) == 0) return -1;
    return static_cast<int>(Between(INT32_MIN, -2));
  }

 private:
  std::mt19937_64 random_{20240533};  // NOLINT(cert-msc51-cpp): a failure must repeat
};

// A text for a failure message: none, or the text cut short if long.
std::string Shown(const std::optional<std::string>& text) {
  if (!text) return "none";
  if (text->size() <= 200) return '"' + *text + '"';
  return '"' + text->substr(0, 200) + "...\" (" + std::to_string(text->size()) + " characters)";
}

TEST(FractionRepeatingDecimalReference, ShortestPartsAndPeriodThatParseBack) {
  Draws draws;
  for (int i = 0; i < 4000 && !HasFailure(); ++i) {
    const auto [n, d] = draws.Fields();
    const std::string fields = std::to_string(n) + '/' + std::to_string(d);
    const TFrac x(fields.c_str());
    const auto expect = [&x, &fields](int max_digits, const std::optional<std::string>& text) {
      const std::optional<std::string> got = x.ToRepeatingDecimal(max_digits);
      if (got != text) {
        ADD_FAILURE() << fields << " with at most " << max_digits << " digits gives " << Shown(got)
                      << ", not " << Shown(text);
      }
    };
    const Decimal expected = Expected(n, d);
    if (expected.text.empty()) {
      expect(kMostDigits, std::nullopt);
      continue;
    }
    // The count of digits it needs, or more, gives the text; one less, 0
    // or a negative count gives none, unless no digit is needed.
    const auto digits = static_cast<int>(expected.digits);
    const int more = digits + static_cast<int>(draws.Between(0, 100));
    const int negative = draws.Negative();
    expect(digits, expected.text);
    expect(more, expected.text);
    const std::optional<std::string> fewer =
        digits == 0 ? std::optional<std::string>(expected.text) : std::nullopt;
    if (digits > 0) expect(digits - 1, fewer);
    expect(0, fewer);
    expect(negative, fewer);
    // Parse gives the value back, in lowest terms, where they fit.
    const std::int64_t g = std::gcd(n, d) * (d < 0 ? -1 : 1);
    const std::int64_t p = n / g, q = d / g;
    const bool fits = p >= -INT32_MAX && p <= INT32_MAX && q <= INT32_MAX;
    const std::optional<TFrac> parsed = TFrac::Parse(expected.text);
    EXPECT_EQ(parsed ? parsed->ToString() : "none",
              fits ? std::to_string(p) + '/' + std::to_string(q) : "none")
        << '"' << expected.text << "\" for " << fields;
  }
}

}  // namespace
}  // namespace fraction
