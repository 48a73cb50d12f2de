// BigFraction's continued fractions, simplest fractions and approximations:
// their rows (the edges, the infinities and NaN, terms of every type) and
// ten thousand terms of a Fibonacci ratio, each way.
#include <gmpxx.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <initializer_list>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "fraction/big_continued_fraction.h"
#include "fraction/big_fraction.h"
#include "fraction/tfrac.h"

namespace fraction {
namespace {

BigFraction Read(const std::string& text) { return *BigFraction::Parse(text); }

std::string Shown(const std::optional<BigFraction>& x) { return x ? x->ToString() : "none"; }
std::string Shown(const std::optional<TFrac>& x) { return x ? x->ToString() : "none"; }
// Each value's text, separated by spaces.
template <class Value, class Text>
std::string Joined(const std::vector<Value>& values, Text text_of) {
  std::string text;
  for (const Value& value : values) {
    if (!text.empty()) text += ' ';
    text += text_of(value);
  }
  return text;
}
std::string Shown(const std::vector<mpz_class>& terms) {
  return Joined(terms, [](const mpz_class& term) { return term.get_str(); });
}
std::string Shown(const std::vector<BigFraction>& values) {
  return Joined(values, [](const BigFraction& x) { return x.ToString(); });
}

constexpr std::string_view kTwoTo64 = "18446744073709551616";

// The parts one after another (appended, where + on a temporary trips g++
// 12's -Wrestrict).
std::string Cat(std::initializer_list<std::string_view> parts) {
  std::string text;
  for (const std::string_view part : parts) text += part;
  return text;
}

TEST(BigFractionContinuedFractionRows, TermsAndConvergents) {
  struct Row {
    std::string x;
    std::string terms;
    std::string convergents;
  } const rows[] = {
      {"355/113", "3 7 16", "3/1 22/7 355/113"},
      {"-2/3", "-1 3", "-1/1 -2/3"},
      {"7", "7", "7/1"},
      {"0", "0", "0/1"},
      {Cat({"-1/", kTwoTo64}), "-1 1 18446744073709551615", Cat({"-1/1 0/1 -1/", kTwoTo64})},
      {Cat({kTwoTo64, "/3"}), "6148914691236517205 3",
       Cat({"6148914691236517205/1 ", kTwoTo64, "/3"})},
      {"1/0", "", ""},
      {"-1/0", "", ""},
      {"0/0", "", ""},
  };
  for (const Row& row : rows) {
    const BigFraction x = Read(row.x);
    EXPECT_EQ(Shown(ContinuedFraction(x)), row.terms) << row.x;
    EXPECT_EQ(Shown(Convergents(x)), row.convergents) << row.x;
  }
}

// Terms of every integer type, of any size, and the ones refused.
TEST(BigFractionContinuedFractionRows, FromContinuedFractionTakesTermsOfEveryType) {
  __extension__ using Int128 = __int128;
  const std::vector<int> none;
  const std::vector<unsigned long long> huge = {0, UINT64_MAX};
  const std::vector<Int128> wide = {-(Int128{1} << 100), 2};
  const std::vector<mpz_class> big = {mpz_class(Cat({"-", kTwoTo64})),
                                      mpz_class(std::string(kTwoTo64))};
  const std::vector<mpz_class> refused = {mpz_class(1), mpz_class(Cat({"-", kTwoTo64}))};
  const std::vector<short> shorts = {3, 7, 15, 1};
  EXPECT_EQ(Shown(BigFraction::FromContinuedFraction({3, 7, 16})), "355/113");
  EXPECT_EQ(Shown(BigFraction::FromContinuedFraction({3, 7, 15, 1})), "355/113");
  EXPECT_EQ(Shown(BigFraction::FromContinuedFraction({-1, 3})), "-2/3");
  EXPECT_EQ(Shown(BigFraction::FromContinuedFraction({INT64_MIN, INT64_MAX})),
            "-85070591730234615856620279821087277055/9223372036854775807");
  EXPECT_EQ(Shown(BigFraction::FromContinuedFraction(huge.begin(), huge.end())),
            "1/18446744073709551615");
  EXPECT_EQ(Shown(BigFraction::FromContinuedFraction(wide.begin(), wide.end())),
            "-2535301200456458802993406410751/2");
  EXPECT_EQ(Shown(BigFraction::FromContinuedFraction(big.begin(), big.end())),
            Cat({"-340282366920938463463374607431768211455/", kTwoTo64}));
  EXPECT_EQ(Shown(BigFraction::FromContinuedFraction(shorts.begin(), shorts.end())), "355/113");
  EXPECT_EQ(Shown(BigFraction::FromContinuedFraction(none.begin(), none.end())), "none");
  EXPECT_EQ(Shown(BigFraction::FromContinuedFraction(refused.begin(), refused.end())), "none");
  EXPECT_EQ(Shown(BigFraction::FromContinuedFraction({1, 0})), "none");
  EXPECT_EQ(Shown(BigFraction::FromContinuedFraction({1, 2, -3, 4})), "none");
}

TEST(BigFractionContinuedFractionRows, SimplestInAnInterval) {
  struct Row {
    std::string lo;
    std::string hi;
    std::string simplest;
  } const rows[] = {
      {"1/3", "1/2", "1/2"},
      {"3/10", "2/5", "1/3"},
      {"-2/5", "-3/10", "-1/3"},
      {"-1/2", "1/3", "0/1"},
      {"0", "0", "0/1"},
      {"5/2", "5/2", "5/2"},
      {"314159/100000", "31416/10000", "355/113"},
      {Cat({kTwoTo64, "/3"}), Cat({kTwoTo64, "/3"}), Cat({kTwoTo64, "/3"})},
      {Cat({"1/", kTwoTo64}), "1/18446744073709551615", "1/18446744073709551615"},
      {Cat({kTwoTo64, "1/10"}), Cat({kTwoTo64, "9/10"}), "36893488147419103233/2"},
      {"1/2", "1/3", "none"},
      {"0/0", "1", "none"},
      {"-1/0", "1", "none"},
      {"1", "1/0", "none"},
      {"1/0", "1/0", "none"},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(Shown(Simplest(Read(row.lo), Read(row.hi))), row.simplest)
        << row.lo << " to " << row.hi;
  }
}

// Approximate's bound is any mpz_class; NearestTFrac's is TFrac's, and its
// numerator stays within ±(2^31 − 1).
TEST(BigFractionContinuedFractionRows, ApproximateAndNearestTFrac) {
  struct Row {
    std::string x;
    std::string max_denominator;
    std::string approximate;
    std::string nearest_tfrac;  // with the same bound, where it fits int32
  } const rows[] = {
      {"31415926535897932384626/10000000000000000000000", "1000", "355/113", "355/113"},
      {"-31415926535897932384626/10000000000000000000000", "100", "-311/99", "-311/99"},
      {"1/4", "2", "0/1", "0/1"},     // 0/1 and 1/2 equally near: the smaller denominator
      {"5/4", "2", "1/1", "1/1"},     // 1/1 and 3/2 likewise
      {"-3/4", "2", "-1/1", "-1/1"},  // -1/1 and -1/2 likewise
      {"7/2", "1", "3/1", "3/1"},     // 3/1 and 4/1: the one nearer zero
      {"-7/2", "1", "-3/1", "-3/1"},
      {Cat({"1/", kTwoTo64}), "1000", "0/1", "0/1"},
      {Cat({kTwoTo64, "/3"}), "1", "6148914691236517205/1", "2147483647/1"},  // saturated
      {Cat({"-", kTwoTo64}), "7", Cat({"-", kTwoTo64, "/1"}), "-2147483647/1"},
      // 2147483646.5: itself too large a TFrac, 2147483646 and 2147483647 equally near
      {"4294967293/2", "2", "4294967293/2", "2147483646/1"},
      {Cat({kTwoTo64, "1/", kTwoTo64}), Cat({kTwoTo64, "0"}), Cat({kTwoTo64, "1/", kTwoTo64}),
       "10/1"},
      {"2/3", "0", "none", "none"},
      {"2/3", "-5", "none", "none"},
      {"1/0", "5", "none", "none"},
      {"-1/0", "5", "none", "none"},
      {"0/0", "5", "none", "none"},
  };
  for (const Row& row : rows) {
    const BigFraction x = Read(row.x);
    const mpz_class bound(row.max_denominator);
    const std::string what = row.x + " within " + row.max_denominator;
    EXPECT_EQ(Shown(BigFraction::Approximate(x, bound)), row.approximate) << what;
    const auto int32_bound = static_cast<std::int32_t>(
        bound.fits_sint_p() ? bound.get_si() : std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(Shown(NearestTFrac(x, int32_bound)), row.nearest_tfrac) << what;
  }
}

// F(10002)/F(10001) is [1; 1, ..., 1, 2], ten thousand terms: Euclid's
// steps on GMP expand it, give its convergents F(i + 1)/F(i) and rebuild it
// (from its terms, and with the last 2 as 1, 1) in well under a second,
// where the test's time limit is minutes.
TEST(BigFractionContinuedFractionRows, TenThousandTermsOfAFibonacciRatioEachWay) {
  constexpr unsigned long kTerms = 10000;
  mpz_class f_next, f;
  mpz_fib2_ui(f_next.get_mpz_t(), f.get_mpz_t(), kTerms + 2);  // F(10002), F(10001)
  const BigFraction x(f_next, f);
  const std::vector<mpz_class> terms = ContinuedFraction(x);
  ASSERT_EQ(terms.size(), kTerms);
  EXPECT_TRUE(terms.back() == 2);
  EXPECT_EQ(static_cast<unsigned long>(std::count(terms.begin(), terms.end(), 1)), kTerms - 1);

  const std::vector<BigFraction> convergents = Convergents(x);
  ASSERT_EQ(convergents.size(), kTerms);
  for (unsigned long i = 0; i < kTerms; i += 997) {
    mpz_class numerator, denominator;
    mpz_fib2_ui(numerator.get_mpz_t(), denominator.get_mpz_t(), i + 2);
    EXPECT_EQ(convergents[i], BigFraction(numerator, denominator)) << i;
  }
  EXPECT_EQ(convergents.back(), x);

  EXPECT_EQ(BigFraction::FromContinuedFraction(terms.begin(), terms.end()), x);
  const std::vector<int> ones(kTerms + 1, 1);
  EXPECT_EQ(BigFraction::FromContinuedFraction(ones.begin(), ones.end()), x);
}

}  // namespace
}  // namespace fraction
