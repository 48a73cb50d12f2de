#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <iterator>
#include <limits>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "fraction/continued_fraction.h"
#include "fraction/tfrac.h"
#include "stdout_capture.h"

namespace fraction {
namespace {

using testing::StdoutOf;

constexpr double kInfinity = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kPi = 3.14159265358979323846;

std::string Shown(const std::optional<TFrac>& f) { return f ? f->ToString() : "none"; }
std::string Shown(const std::optional<std::string>& text) { return text ? *text : "none"; }
std::string Shown(std::int64_t term) { return std::to_string(term); }
std::string Shown(const TFrac& f) { return f.ToString(); }

template <class Item>
std::string Listed(const std::vector<Item>& items) {
  std::string text;
  // Appended piece by piece: g++ 12 -O3 takes "..." + a temporary string
  // for overlapping copies (-Wrestrict).
  for (const Item& item : items) {
    if (!text.empty()) text += ' ';
    text += Shown(item);
  }
  return text;
}

TEST(FractionConversion, FromDoubleIsExactOrNone) {
  struct Case {
    double x;
    const char* result;
  };
  const Case cases[] = {
      {0.5, "1/2"},
      {-7.25, "-29/4"},
      {-0.0, "0/1"},
      {0.1, "none"},  // 3602879701896397/2^55
      {2147483647.0, "2147483647/1"},
      {-2147483647.0, "-2147483647/1"},
      {-2147483648.0, "none"},
      {1.0 / 1073741824, "1/1073741824"},  // 2^-30
      {1.0 / 2147483648.0, "none"},        // 2^-31
      {1073741823.5, "2147483647/2"},
      {2.0, "2/1"},  // even integers: the shift stops at 0
      {-1024.0, "-1024/1"},
      {2147483646.0, "2147483646/1"},
      {-2147483646.0, "-2147483646/1"},
      {std::ldexp(1.0, 60), "none"},
      {std::numeric_limits<double>::denorm_min(), "none"},
      {kInfinity, "none"},
      {kNaN, "none"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Shown(TFrac::FromDouble(c.x)), c.result) << c.x;
  }
}

TEST(FractionConversion, ApproximateIsTheNearestThatFits) {
  struct Case {
    double x;
    std::int32_t max_denominator;
    const char* result;
  };
  const Case cases[] = {
      {kPi, 1000, "355/113"},
      {kPi, 1, "3/1"},
      {kPi, 7, "22/7"},
      {0.5, 1, "0/1"},  // 0/1 and 1/1 equally near: the one nearer zero
      {-0.5, 1, "0/1"},
      {1.5, 1, "1/1"},
      {-1.5, 1, "-1/1"},
      {0.75, 2, "1/1"},  // 1/2 and 1/1 equally near: the smaller denominator
      {1e10, 5, "2147483647/1"},
      {-1e300, 5, "-2147483647/1"},
      {2147483647.6, 1, "2147483647/1"},
      {2147483646.6, 1, "2147483647/1"},
      {2147483646.4, 2147483647, "2147483646/1"},  // 4294967293/2 does not fit
      {1e-300, 2147483647, "0/1"},
      {std::numeric_limits<double>::denorm_min(), 2147483647, "0/1"},
      {0.125, 4, "0/1"},                 // halfway to 1/4
      {0.125000000000000028, 4, "1/4"},  // the next double
      {1.0 / 4294967293.0, 2147483647, "1/2147483647"},
      {1000.123456789, 2147483647, "81010/81"},  // the numerator's bound decides
      // Both bounds bind, the numerator's at or just below 2^31 - 1.
      {1073741823.7, 2, "2147483647/2"},
      {1073741823.75, 3, "1073741824/1"},
      {715827882.6, 3, "1431655765/2"},
      {2147483.647, 1000, "2147483647/1000"},
      {2147483.6471, 1000, "2123861327/989"},
      {2147483.6475, 1000, "858993459/400"},
      {4294967.2945, 500, "1327144894/309"},
      {0.1, 2147483647, "1/10"},
      {-7.25, 100, "-29/4"},
      {0.333, 10, "1/3"},
      {kInfinity, 5, "none"},
      {kNaN, 5, "none"},
      {0.5, 0, "none"},
      {0.5, -3, "none"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Shown(TFrac::Approximate(c.x, c.max_denominator)), c.result)
        << c.x << " within " << c.max_denominator;
  }
}

TEST(FractionConversion, ToDecimalRoundsTheExactValueToNearestEven) {
  struct Case {
    const char* fraction;
    int digits;
    const char* text;
  };
  const Case cases[] = {
      {"1/8", 2, "0.12"},
      {"3/8", 2, "0.38"},
      {"-5/2", 0, "-2"},
      {"-3/2", 0, "-2"},
      {"5/2", 0, "2"},
      {"7/-2", 1, "-3.5"},
      {"1/3", 5, "0.33333"},
      {"2/3", 3, "0.667"},
      {"-1/1000", 2, "-0.00"},
      {"0/-5", 2, "0.00"},
      {"1999/2000", 2, "1.00"},  // the carry runs into the whole part
      {"-2147483648/-1", 1, "2147483648.0"},
      {"-2147483648/1", 0, "-2147483648"},
      {"1/2147483647", 12, "0.000000000466"},
      {"1/-2147483648", 12, "-0.000000000466"},  // the divisor 2^31 in 64 bits
      {"-1/-2147483648", 31, "0.0000000004656612873077392578125"},
      {"2147483647/-2147483648", 12, "-0.999999999534"},
      {"1/3", -4, "0"},
      {"5/0", 3, "inf"},
      {"-5/0", 3, "-inf"},
      {"0/0", 3, "nan"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(TFrac(c.fraction).ToDecimal(c.digits), c.text) << c.fraction << ", " << c.digits;
  }
  const std::string thousand = TFrac(1, 7).ToDecimal(5000);
  EXPECT_EQ(thousand.size(), 1002u);
  EXPECT_EQ(thousand.substr(thousand.size() - 6), "571429");
}

TEST(FractionConversion, ParseReadsExactValuesThatFit) {
  const std::string five_thousand_zeros(5000, '0');
  struct Case {
    std::string text;
    const char* result;
  };
  const Case cases[] = {
      {"1/-2", "-1/2"},
      {"-1/-2", "1/2"},
      {"+4/6", "2/3"},
      {" \t\n\v\f\r3/4 \r\n", "3/4"},
      {"2.5", "5/2"},
      {"-2E+3", "-2000/1"},
      {".5", "1/2"},
      {"5.", "5/1"},
      {"-0", "0/1"},
      {"1.5e-3", "3/2000"},
      {"0.50000000000000000000000000000", "1/2"},
      {"6103515625e-14", "1/16384"},
      {"0e999999999999999999", "0/1"},
      // Exponents of 19 and 20 digits: 2^64 + 1 saturates, never wraps to 1.
      {"2e0000000000000000009", "2000000000/1"},
      {"1e-0000000000000000001", "1/10"},
      {"1e18446744073709551617", "none"},
      {"1e-18446744073709551617", "none"},
      {"1e-9223372036854775808", "none"},
      // 30 places fit (2^-30), 31 only with a trailing zero.
      {"0.000000000931322574615478515625", "1/1073741824"},
      {"-2793967723846435546875e-30", "-3/1073741824"},
      {"0.0000000009313225746154785156250", "1/1073741824"},
      {"0.0000000004656612873077392578125", "none"},
      {"0.000000000000000000000000000000000000000e-999999999999", "0/1"},
      {"1e999999999999999999", "none"},
      {"1" + five_thousand_zeros, "none"},
      {"1" + five_thousand_zeros + "e-5000", "1/1"},
      {"0." + five_thousand_zeros + "1e5001", "1/1"},
      {"2147483647", "2147483647/1"},
      {"-2147483647/1", "-2147483647/1"},
      {"-2147483648", "none"},
      {"2147483648/2", "1073741824/1"},
      {"4294967296/8589934592", "1/2"},
      {"00000000000000000000000000000000000007/0014", "1/2"},
      // Parts of 19, 20 and 21 digits: 2^62, 2^64, 2^65, 2^67, 2^68.
      {"4611686018427387904/18446744073709551616", "1/4"},
      {"18446744073709551616/36893488147419103232", "1/2"},
      {"147573952589676412928/295147905179352825856", "1/2"},
      {"36893488147419103232/4611686018427387904", "8/1"},
      // Parts far beyond 64 bits that reduce to a fraction that fits.
      {"3" + std::string(40, '0') + "1/" + "6" + std::string(40, '0') + "2", "1/2"},
      {"1/2147483647.0", "none"},
      {"0.0000000004656612875245796924105750827167998", "none"},
      {"1/0", "none"},
      {"0/0", "none"},
      {"", "none"},
      {" ", "none"},
      {".", "none"},
      {"e5", "none"},
      {"1e", "none"},
      {"1e+", "none"},
      {"1/", "none"},
      {"/2", "none"},
      {"1/2/3", "none"},
      {"1 /2", "none"},
      {"--1", "none"},
      {"0x10", "none"},
      {"inf", "none"},
      {"nan", "none"},
      {"1,5", "none"},
      {"\xA0"
       "1",
       "none"},
      {std::string("1\0", 2), "none"},
      {std::string("1/\0"
                   "2",
                   4),
       "none"},
      {"0.(3)", "1/3"},
      {"1.(9)", "2/1"},
      // A borrow past the digits before the period.
      {"9.(0)", "9/1"},
      {".1(0)", "1/10"},
      {"1.0(0)", "1/1"},
      {"-.(142857)", "-1/7"},
      {"00012.34(56)", "61111/4950"},
      {"2147483647.(9)", "none"},
      {"0.(" + std::string(5000, '3') + ")", "1/3"},
      {"0.(" + five_thousand_zeros + "1)", "none"},
      {"0.()", "none"},
      {"(3)", "none"},
      {"0.(3)e2", "none"},
      {"0.(3", "none"},
  };
  for (const Case& c : cases) {
    std::optional<TFrac> parsed;
    EXPECT_EQ(StdoutOf([&] { parsed = TFrac::Parse(c.text); }), "");
    EXPECT_EQ(Shown(parsed), c.result) << '"' << c.text.substr(0, 60) << '"';
  }
}

TEST(FractionConversion, ToRepeatingDecimalIsExactOrNone) {
  struct Case {
    const char* fraction;
    int max_digits;
    const char* text;
  };
  const Case cases[] = {
      {"1/3", 1, "0.(3)"},
      {"1/3", 0, "none"},
      {"-1/6", 2, "-0.1(6)"},
      {"17/7", 6, "2.(428571)"},
      {"1/12", 3, "0.08(3)"},
      {"1/81", 9, "0.(012345679)"},
      {"1/4", 2, "0.25"},
      {"1/4", 1, "none"},
      {"5/1", -3, "5"},
      {"1/3", -1, "none"},
      {"1/10", 1, "0.1"},   // the longer of 2's and 5's counts, not their sum
      {"2/6", 1, "0.(3)"},  // 2s of the reduced denominator only
      {"-2147483648/-1", 0, "2147483648"},
      {"1/-2147483648", 31, "-0.0000000004656612873077392578125"},
      {"1/2147483647", 1000000, "none"},  // a period of 195225786 digits
      {"5/0", 0, "inf"},
      {"0/0", 0, "nan"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Shown(TFrac(c.fraction).ToRepeatingDecimal(c.max_digits)), c.text)
        << c.fraction << ", " << c.max_digits;
  }
}

TEST(FractionContinuedFraction, TermsAndConvergentsOfTheValue) {
  struct Case {
    const char* fraction;
    const char* terms;
    const char* convergents;  // empty where the value does not fit
  };
  const Case cases[] = {
      {"355/113", "3 7 16", "3/1 22/7 355/113"},
      {"4/-6", "-1 3", "-1/1 -2/3"},
      {"0/-5", "0", "0/1"},
      {"1/2147483647", "0 2147483647", "0/1 1/2147483647"},
      {"-2147483647/2147483646", "-2 1 2147483645", "-2/1 -1/1 -2147483647/2147483646"},
      {"2147483647/-2147483648", "-1 2147483648", ""},
      {"-2147483648/1", "-2147483648", ""},
      {"-2147483648/-1", "2147483648", ""},
      {"1/0", "", ""},
  };
  for (const Case& c : cases) {
    const std::vector<std::int64_t> terms = ContinuedFraction(TFrac(c.fraction));
    const std::vector<TFrac> convergents = Convergents(TFrac(c.fraction));
    EXPECT_EQ(Listed(terms), c.terms) << c.fraction;
    EXPECT_EQ(Listed(convergents), c.convergents) << c.fraction;
    EXPECT_EQ(Shown(FromContinuedFraction(terms.begin(), terms.end())),
              convergents.empty() ? "none" : convergents.back().ToString())
        << c.fraction;
  }
  // Ratios of Fibonacci numbers (F45/F46) have the longest expansions.
  EXPECT_EQ(Convergents(TFrac(1134903170, 1836311903)).size(), 45u);
}

TEST(FractionContinuedFraction, FromTermsIsExactOrNone) {
  struct Case {
    std::vector<std::int64_t> terms;
    const char* result;
  };
  const Case cases[] = {
      {{3, 7, 15, 1}, "355/113"},  // a last term of 1
      {{-1, 3}, "-2/3"},
      {{INT32_MIN, 1}, "-2147483647/1"},
      {{INT32_MIN}, "none"},
      {{INT32_MIN, 1, 1}, "none"},
      {{0, INT32_MAX}, "1/2147483647"},
      {{0, 2147483648}, "none"},
      {{INT64_MIN}, "none"},
      {{1, INT64_MAX}, "none"},
      {{1, INT64_MIN}, "none"},
      {{}, "none"},
      {{1, 2, 0, 3}, "none"},
      {std::vector<std::int64_t>(45, 1), "1836311903/1134903170"},
      {std::vector<std::int64_t>(46, 1), "none"},
      {std::vector<std::int64_t>(1000000, 1), "none"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Shown(FromContinuedFraction(c.terms.begin(), c.terms.end())), c.result)
        << Listed(c.terms).substr(0, 60);
  }
  const std::vector<std::uint64_t> unsigned_terms = {UINT64_MAX};  // saturated, not wrapped
  EXPECT_EQ(Shown(FromContinuedFraction(unsigned_terms.begin(), unsigned_terms.end())), "none");
  // An input range is read only until the answer is known.
  std::istringstream in("2 1 0 5");
  EXPECT_EQ(Shown(FromContinuedFraction(std::istream_iterator<int>(in), {})), "none");
  int next = 0;
  EXPECT_TRUE(in >> next && next == 5);
  static_assert(*FromContinuedFraction({3, 7, 16}) == TFrac(355, 113));
}

TEST(FractionContinuedFraction, SimplestHasTheLeastPartsInTheInterval) {
  struct Case {
    const char* lo;
    const char* hi;
    const char* result;
  };
  const Case cases[] = {
      {"1/3", "1/2", "1/2"},
      {"-3/5", "-2/5", "-1/2"},
      {"-1/2", "1/3", "0/1"},
      {"2/4", "1/2", "1/2"},
      {"1/2147483647", "1/2147483646", "1/2147483646"},
      {"2147483645/2147483646", "2147483646/2147483647", "2147483645/2147483646"},
      {"-2147483648/1", "-2147483647/1", "-2147483647/1"},
      {"-2147483648/-1", "-2147483648/-1", "none"},
      {"1/2", "1/3", "none"},
      {"0/0", "1/1", "none"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Shown(Simplest(TFrac(c.lo), TFrac(c.hi))), c.result) << c.lo << ", " << c.hi;
  }
  struct DoubleCase {
    double lo, hi;
    const char* result;
  };
  const DoubleCase double_cases[] = {
      {0.165, 0.175, "1/6"},
      {3.14159, 3.1416, "355/113"},
      {-0.5, 0.25, "0/1"},
      {0.3333333333333333, 0.33333333333333337, "1/3"},  // the doubles either side of 1/3
      {0.1, 0.1, "none"},                                // 3602879701896397/2^55
      {1e-300, 1e-299, "none"},
      {2e9, 1e300, "2000000000/1"},
      {1.0, 0x1p53, "1/1"},  // from 2^53 on, doubles are integers times 2, 4, 8...
      {-0x1p63, -2.5, "-3/1"},
      {-1e300, -2147483647.0, "-2147483647/1"},
      {2147483647.5, 1e300, "none"},
      {kNaN, 1, "none"},
      {0, kInfinity, "none"},
      {1, 0.5, "none"},
  };
  for (const DoubleCase& c : double_cases) {
    EXPECT_EQ(Shown(Simplest(c.lo, c.hi)), c.result) << c.lo << ", " << c.hi;
  }
}

}  // namespace
}  // namespace fraction
