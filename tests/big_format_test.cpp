// BigFraction's decimal texts by rows: Format over the format table (TFrac's
// values by value, and values beyond 64 bits), std::format where the
// standard library has it, and ToDecimal and ToRepeatingDecimal at sizes and
// periods no TFrac reaches.
#include "fraction/format.h"

#include <gmpxx.h>
#include <gtest/gtest.h>

#include <limits>
#include <optional>
#include <string>

#include "format_cases.h"
#include "fraction/big_fraction.h"
#include "fraction/detail/formatter_adapter.h"
#include "fraction/tfrac.h"

#ifdef FRACTION_HAS_STD_FORMAT
#include <format>
#endif

namespace fraction {
namespace {

// The formatters serve the types with a FormatText of their own, and no
// type that merely converts to one.
static_assert(detail::kHasFormatText<TFrac> && detail::kHasFormatText<BigFraction>);
static_assert(!detail::kHasFormatText<int> && !detail::kHasFormatText<long long>);
static_assert(!detail::kHasFormatText<mpz_class> && !detail::kHasFormatText<mpq_class>);

std::optional<BigFraction> BigOf(const testing::FormatCase& c) {
  return testing::BigValueOf<BigFraction>(c);
}

TEST(BigFractionFormat, GivesTheTableTextsOrRejectsTheOptions) {
  for (const testing::FormatCase& c : testing::kFormatCases) {
    const std::optional<BigFraction> x = BigOf(c);
    if (!x) continue;
    EXPECT_EQ(x->Format(c.options).value_or("rejected"), c.text != nullptr ? c.text : "rejected")
        << c.value << " with \"" << testing::Escaped(c.options) << '"';
  }
  EXPECT_FALSE(BigFraction(1, 3).Format("{}f") || BigFraction(1, 3).Format(".{0}f"));
}

#ifdef FRACTION_HAS_STD_FORMAT
TEST(BigFractionFormat, StdFormatGivesWhatFormatGives) {
  testing::ExpectFormatCases(BigOf, testing::StdFormatted{}, testing::kStdFormatErrors);
  EXPECT_EQ(std::format("{:.3e}|{}|{:*^{}}", BigFraction(2).Pow(100) / 3, BigFraction(-1, 3),
                        TFrac(1, 3), 7U),
            "4.226e+29|-1/3|**1/3**");
}
#endif

// GMP's divisions, not a digit at a time: a million digits of a value whose
// parts have thousands.
TEST(BigFractionFormat, TakesAnyPrecision) {
  const BigFraction third_of_huge = BigFraction(10).Pow(5000) / 3;
  const std::string fixed = *third_of_huge.Format(".1000000f");
  EXPECT_EQ(fixed.size(), 5000 + 1 + 1000000U);
  EXPECT_EQ(fixed.substr(0, 3) + fixed.substr(5000, 4) + fixed.substr(fixed.size() - 3),
            "333.333333");
  const std::string tiny =
      *BigFraction(1, BigFraction(3).Pow(20000).Numerator()).Format(".999999e");
  EXPECT_EQ(tiny.substr(0, 12), "3.7575572547");  // 3^-20000 = 3.75755725473...e-9543
  EXPECT_EQ(tiny.substr(tiny.size() - 6), "e-9543");
  EXPECT_EQ(BigFraction(2, 3).Format(".1000f"), BigFraction(2, 3).ToDecimal(1000));
}

TEST(BigFractionDecimals, RoundToThePlacesOrRepeatExactly) {
  const BigFraction infinity = BigFraction(1) / 0;
  const BigFraction nines = BigFraction(10).Pow(30) - 1;  // 10 has order 30 modulo it
  struct Decimal {
    BigFraction x;
    int digits;
    const char* text;
  } const decimals[] = {
      {BigFraction(2).Pow(100) / 3, 2, "422550200076076467165567735125.33"},
      {BigFraction(-1, 1000), 2, "-0.00"},
      {BigFraction(5, 2), 0, "2"},  // ties to even
      {BigFraction(7, 2), -3, "4"},
      {BigFraction(1, 3), 5000, nullptr},  // clamped to 1,000 digits
      {infinity, 3, "inf"},
      {-infinity, 3, "-inf"},
      {std::numeric_limits<BigFraction>::quiet_NaN(), 3, "nan"},
  };
  for (const Decimal& d : decimals) {
    const std::string expected = d.text != nullptr ? d.text : "0." + std::string(1000, '3');
    EXPECT_EQ(d.x.ToDecimal(d.digits), expected) << d.x << " with " << d.digits;
  }
  const Decimal repeating[] = {
      {BigFraction(1, 3), 1, "0.(3)"},
      {BigFraction(-1, 6), 2, "-0.1(6)"},
      {BigFraction(-1, 6), 1, nullptr},
      {BigFraction(2).Pow(100) / 3, 1, "422550200076076467165567735125.(3)"},
      {BigFraction(1, 1) / BigFraction(2).Pow(70), 70,
       "0.0000000000000000000008470329472543003390683225006796419620513916015625"},
      {BigFraction(1, 1) / BigFraction(2).Pow(70), 69, nullptr},
      {BigFraction(1, 7) / BigFraction(2).Pow(100), 105, nullptr},
      {1 / nines, 30, "0.(000000000000000000000000000001)"},  // past 64 bits
      {1 / nines, 29, nullptr},
      {-5, -1, "-5"},
      {-infinity, 0, "-inf"},
  };
  for (const Decimal& d : repeating) {
    EXPECT_EQ(d.x.ToRepeatingDecimal(d.digits).value_or("none"),
              d.text != nullptr ? d.text : "none")
        << d.x << " with at most " << d.digits;
  }
  const std::string seventh =
      *(BigFraction(1, 7) / BigFraction(2).Pow(100)).ToRepeatingDecimal(106);
  EXPECT_EQ(seventh.substr(seventh.size() - 12), "0089(285714)") << seventh;
}

// The period of 1/(2^89 − 1) has about 10^26 digits: the search for it
// stops at the cap, a million digits, well within the test's time limit.
TEST(BigFractionDecimals, APeriodBeyondTheCapIsNoneInTimeLinearInTheCap) {
  const BigFraction x = 1 / (BigFraction(2).Pow(89) - 1);
  EXPECT_FALSE(x.ToRepeatingDecimal(1000000));
  EXPECT_FALSE((x / 7).ToRepeatingDecimal(1000000));  // past 64 bits, beside a factor of 7
}

}  // namespace
}  // namespace fraction
