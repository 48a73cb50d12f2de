#include <gtest/gtest.h>

#include <algorithm>
#include <cfenv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <iterator>
#include <limits>
#include <memory>
#include <numeric>
#include <string>
#include <unordered_set>
#include <vector>

#include "fraction/tfrac.h"

namespace fraction {
namespace {

TEST(FractionComparison, EqualComparesTheStoredFieldsAndEqualityOperatorsTheValues) {
  struct Case {
    const char *left, *right;
    bool equal_fields, equal_values;
  };
  const Case cases[] = {
      {"1/2", "1/2", true, true},    {"1/2", "-1/2", false, false}, {"1/2", "2/4", false, true},
      {"0/1", "0/5", false, true},   {"1/-2", "-1/2", false, true}, {"-1/-2", "1/2", false, true},
      {"5/0", "5/0", true, true},    {"5/0", "1/0", false, true},  // +infinity
      {"-5/0", "1/0", false, false}, {"0/0", "0/0", true, false},  // unordered, unequal even to
                                                                   // itself
  };
  for (const Case& c : cases) {
    const TFrac left(c.left), right(c.right);
    const std::string pair = std::string(c.left) + " and " + c.right;
    EXPECT_EQ(left.Equal(&right), c.equal_fields) << pair;
    EXPECT_EQ(left == right, c.equal_values) << pair;
    EXPECT_EQ(left != right, !c.equal_values) << pair;
    if (c.equal_values) {
      EXPECT_EQ(std::hash<TFrac>()(left), std::hash<TFrac>()(right)) << pair;
    }
  }
  const TFrac f(-1, 2);
  const auto copy = std::make_unique<TFrac>(f);
  EXPECT_TRUE(f.Equal(copy.get()));
  EXPECT_TRUE(f.Equal(&f));
  const std::unordered_set<TFrac> set = {TFrac("2/4"), TFrac(1, 2), TFrac("-3/-6"), TFrac(2, 3)};
  EXPECT_EQ(set.size(), 2u);
}

// Different values hash apart, close ones too: among the reduced fractions
// with |n| <= 300 and d <= 300, a handful of shared hashes at most (none
// is expected where size_t has 64 bits, about one where it has 32).
TEST(FractionComparison, HashSpreadsCloseValues) {
  std::vector<std::size_t> hashes;
  for (std::int32_t n = -300; n <= 300; ++n) {
    for (std::int32_t d = 1; d <= 300; ++d) {
      if (std::gcd(n, d) == 1) hashes.push_back(std::hash<TFrac>()(TFrac(n, d)));
    }
  }
  ASSERT_EQ(hashes.size(), 109591u);
  std::sort(hashes.begin(), hashes.end());
  const auto distinct = std::unique(hashes.begin(), hashes.end()) - hashes.begin();
  EXPECT_LE(hashes.size() - static_cast<std::size_t>(distinct), 4u);
}

TEST(FractionComparison, GreaterIsStrictAndDefinedForZeroDenominators) {
  struct Case {
    const char *left, *right;
    bool greater;
  };
  const Case cases[] = {
      {"1/2", "-1/2", true},
      {"1/2", "2/3", false},
      {"1/2", "1/2", false},
      {"1/2", "2/4", false},
      // Closer than double precision tells apart.
      {"2147483646/2147483647", "2147483645/2147483646", true},
      {"2147483645/2147483646", "2147483646/2147483647", false},
      {"-2147483648/2147483647", "-2147483647/2147483646", true},
      {"1/-2", "0/1", false},  // negative denominators keep their sign
      {"0/1", "1/-2", true},
      {"-2147483648/1", "2147483647/1", false},
      {"2147483647/1", "-2147483648/1", true},
      // x/0 is +infinity for x > 0 and -infinity for x < 0.
      {"1/0", "2147483647/1", true},
      {"2147483647/1", "1/0", false},
      {"-1/0", "-2147483648/1", false},
      {"-2147483648/1", "-1/0", true},
      {"1/0", "-1/0", true},
      {"1/0", "5/0", false},
      // 0/0 is neither greater nor smaller than anything.
      {"0/0", "-1/0", false},
      {"1/0", "0/0", false},
      {"0/0", "0/0", false},
  };
  for (const Case& c : cases) {
    const TFrac left(c.left), right(c.right);
    std::feclearexcept(FE_ALL_EXCEPT);
    EXPECT_EQ(left.Greater(&right), c.greater) << c.left << " > " << c.right;
    EXPECT_EQ(left > right, c.greater) << c.left << " > " << c.right;
    EXPECT_EQ(right < left, c.greater) << c.left << " > " << c.right;
    EXPECT_FALSE(std::fetestexcept(FE_DIVBYZERO | FE_INVALID))
        << c.left << " > " << c.right << " raised a floating-point exception";
  }
}

// Against a double's exact value: its neighbours on either side of n/d,
// signed zeros, subnormals, ±2^31, the infinities and NaN; the same with
// float and long double where the value is theirs too.
TEST(FractionComparison, ComparesWithFloatingPointValuesExactly) {
  constexpr double kInfinity = std::numeric_limits<double>::infinity();
  constexpr double kTiny = std::numeric_limits<double>::denorm_min();
  constexpr int kUnordered = 2;
  struct Case {
    const char* fraction;
    double y;
    int order;  // of the fraction against y: -1, 0, 1 or kUnordered
  };
  const Case cases[] = {
      {"1/10", 0.1, -1},  // 3602879701896397/2^55
      {"1/10", 0.09999999999999999, 1},
      {"-1/10", -0.1, 1},
      {"1/3", 0.3333333333333333, 1},
      {"1/3", 0.33333333333333337, -1},
      {"2147483647/2147483646", 1.0000000004656613, 1},  // 1 + 2^-31
      {"2147483647/2147483646", 1.0000000004656615, -1},
      {"1/-2", -0.5, 0},
      {"-3/-6", 0.5, 0},
      {"0/1", -0.0, 0},
      {"0/-5", 0.0, 0},
      {"0/1", kTiny, -1},
      {"1/2147483647", kTiny, 1},
      {"-1/2147483647", -kTiny, -1},
      {"1/-2147483648", -4.656612873077393e-10, 0},  // -2^-31
      {"2147483647/1", 2147483648.0, -1},
      {"-2147483648/1", -2147483648.0, 0},
      {"-2147483647/1", -2147483648.0, 1},
      {"5/0", kInfinity, 0},
      {"-1/0", -1e308, -1},
      {"1/0", std::numeric_limits<double>::max(), 1},
      {"-7/0", -kInfinity, 0},
      {"-2147483647/1", -kInfinity, 1},
      {"0/0", kInfinity, kUnordered},
      {"-1/0", -std::numeric_limits<double>::quiet_NaN(), kUnordered},
  };
  const auto expect = [](const Case& c, auto y) {
    const TFrac x(c.fraction);
    const std::string pair = std::string(c.fraction) + " vs " + std::to_string(c.y);
    std::feclearexcept(FE_ALL_EXCEPT);
    const bool results[] = {(x == y), (x != y), (x < y), (x <= y), (x > y), (x >= y),
                            (y == x), (y != x), (y > x), (y >= x), (y < x), (y <= x)};
    const bool expected[] = {c.order == 0, c.order != 0, c.order == -1,
                             c.order <= 0, c.order == 1, c.order == 1 || c.order == 0};
    for (std::size_t i = 0; i < std::size(results); ++i) {
      EXPECT_EQ(results[i], expected[i % 6]) << pair << ", operator " << i;
    }
    EXPECT_FALSE(std::fetestexcept(FE_DIVBYZERO | FE_INVALID)) << pair;
  };
  for (const Case& c : cases) {
    expect(c, c.y);
    expect(c, static_cast<long double>(c.y));
    // Finite values beyond float's range are left out of the conversion.
    if (!(std::fabs(c.y) <= std::numeric_limits<float>::max()) && std::isfinite(c.y)) continue;
    if (static_cast<float>(c.y) == c.y || std::isnan(c.y)) expect(c, static_cast<float>(c.y));
  }
}

TEST(FractionComparison, ToDoubleRoundsCorrectly) {
  constexpr double kInfinity = std::numeric_limits<double>::infinity();
  struct Case {
    const char* text;
    double value;
  };
  const Case cases[] = {
      {"1/3", 1.0 / 3.0},
      {"1/-2", -0.5},
      {"2147483647/2147483646", 2147483647.0 / 2147483646.0},
      {"-2147483648/1", -2147483648.0},
      {"7/0", kInfinity},
      {"-7/0", -kInfinity},
  };
  for (const Case& c : cases) {
    std::feclearexcept(FE_ALL_EXCEPT);
    EXPECT_EQ(TFrac(c.text).ToDouble(), c.value) << c.text;
    EXPECT_FALSE(std::fetestexcept(FE_DIVBYZERO | FE_INVALID)) << c.text;
  }
  EXPECT_TRUE(std::isnan(TFrac("0/0").ToDouble()));
}

TEST(FractionComparison, RoundingSignAndAbsTakeTheStoredValueExactly) {
  constexpr std::int64_t kNone = INT64_MIN, kTwoTo31 = std::int64_t{1} << 31;
  struct Case {
    const char* text;
    std::int64_t floor, ceil, trunc, round;
    int sign;
    bool integer;
    const char* abs;
  };
  const Case cases[] = {
      {"7/-2", -4, -3, -3, -4, -1, false, "-7/-2"},  // halves away from zero
      {"-3/-6", 0, 1, 0, 1, 1, false, "-3/-6"},
      {"2147483647/-2147483648", -1, 0, 0, -1, -1, false, "-2147483647/-2147483648"},
      {"-2147483648/-1", kTwoTo31, kTwoTo31, kTwoTo31, kTwoTo31, 1, true, "-2147483648/-1"},
      {"-2147483648/1", -kTwoTo31, -kTwoTo31, -kTwoTo31, -kTwoTo31, -1, true,
       "-2147483648/1"},  // abs wraps
      {"-4/-2", 2, 2, 2, 2, 1, true, "-4/-2"},
      {"0/-7", 0, 0, 0, 0, 0, true, "0/-7"},
      {"-5/0", kNone, kNone, kNone, kNone, -1, false, "5/0"},
      {"0/0", kNone, kNone, kNone, kNone, 0, false, "0/0"},
  };
  for (const Case& c : cases) {
    const TFrac x(c.text);
    EXPECT_EQ(x.Floor().value_or(kNone), c.floor) << c.text;
    EXPECT_EQ(x.Ceil().value_or(kNone), c.ceil) << c.text;
    EXPECT_EQ(x.Trunc().value_or(kNone), c.trunc) << c.text;
    EXPECT_EQ(x.Round().value_or(kNone), c.round) << c.text;
    EXPECT_EQ(x.Sign(), c.sign) << c.text;
    using std::abs;  // as generic code has it
    EXPECT_EQ(abs(x).ToString(), c.abs) << c.text;
    EXPECT_EQ(x.IsInteger(), c.integer) << c.text;
  }
}

#if defined(__cpp_impl_three_way_comparison) && defined(__cpp_lib_three_way_comparison)
TEST(FractionComparison, ThreeWayComparisonIsPartial) {
  EXPECT_EQ(TFrac(1, 2) <=> TFrac("2/4"), std::partial_ordering::equivalent);
  EXPECT_EQ(TFrac(1, 3) <=> TFrac(1, 2), std::partial_ordering::less);
  EXPECT_EQ(TFrac("1/0") <=> TFrac(1, 2), std::partial_ordering::greater);
  EXPECT_EQ(TFrac("0/0") <=> TFrac("0/0"), std::partial_ordering::unordered);
}
#endif

}  // namespace
}  // namespace fraction
