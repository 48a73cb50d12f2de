// BigFraction's rows: the infinities and NaN through every operation, the
// texts Parse reads and refuses (its digit limit included), the stream
// operators, ToDouble's edges, Pow's size bound and what must not compile.
#include <gmpxx.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <new>
#include <optional>
#include <sstream>
#include <string>
#include <type_traits>
#include <utility>

#include "fraction/big_fraction.h"
#include "fraction/tfrac.h"

namespace fraction {
namespace {

// Floating-point values neither convert nor take part in arithmetic.
template <class A, class B, class = void>
struct Adds : std::false_type {};
template <class A, class B>
struct Adds<A, B, std::void_t<decltype(std::declval<A>() + std::declval<B>())>> : std::true_type {};
static_assert(!std::is_convertible_v<double, BigFraction>);
static_assert(!std::is_constructible_v<BigFraction, double, int>);
static_assert(!Adds<BigFraction, double>::value);
static_assert(!Adds<float, BigFraction>::value);
static_assert(Adds<BigFraction, TFrac>::value);
static_assert(Adds<unsigned long long, BigFraction>::value);
static_assert(sizeof(BigFraction) <= 16);
static_assert(std::is_nothrow_move_constructible_v<BigFraction>);
static_assert(std::numeric_limits<BigFraction>::is_specialized);
static_assert(!std::numeric_limits<BigFraction>::is_bounded);
static_assert(std::numeric_limits<BigFraction>::has_quiet_NaN);

BigFraction Read(const char* text) { return *BigFraction::Parse(text); }

std::string Shown(const std::optional<mpz_class>& z) { return z ? z->get_str() : "none"; }

// Every value of an operation with an infinity or NaN, with IEEE's rules,
// and a finite value beside them (inline and on the heap) for contrast.
TEST(BigFractionRows, InfinitiesAndNaNFollowIeee) {
  const char* const big = "100000000000000000000000000000/3";
  struct Row {
    const char* x;
    const char* y;
    const char* sum;
    const char* difference;
    const char* product;
    const char* quotient;
    const char* order;  // x against y: <, =, > or u (unordered)
  } const rows[] = {
      {"1/0", "1/0", "1/0", "0/0", "1/0", "0/0", "="},
      {"1/0", "-1/0", "0/0", "1/0", "-1/0", "0/0", ">"},
      {"-1/0", "2", "-1/0", "-1/0", "-1/0", "-1/0", "<"},
      {"1/0", "-3/2", "1/0", "1/0", "-1/0", "-1/0", ">"},
      {"1/0", "0", "1/0", "1/0", "0/0", "1/0", ">"},
      {"-1/0", "0", "-1/0", "-1/0", "0/0", "-1/0", "<"},
      {"0", "1/0", "1/0", "-1/0", "0/0", "0/1", "<"},
      {big, "-1/0", "-1/0", "1/0", "-1/0", "0/1", ">"},
      {"-7/2", "1/0", "1/0", "-1/0", "-1/0", "0/1", "<"},
      {"0/0", "0/0", "0/0", "0/0", "0/0", "0/0", "u"},
      {"0/0", "1/0", "0/0", "0/0", "0/0", "0/0", "u"},
      {"5", "0/0", "0/0", "0/0", "0/0", "0/0", "u"},
      {"5", "0", "5/1", "5/1", "0/1", "1/0", ">"},
      {"-5", "0", "-5/1", "-5/1", "0/1", "-1/0", "<"},
      {big, "0", big, big, "0/1", "1/0", ">"},
      {"0", "0", "0/1", "0/1", "0/1", "0/0", "="},
  };
  for (const Row& row : rows) {
    const BigFraction x = Read(row.x), y = Read(row.y);
    const std::string what = std::string(row.x) + " and " + row.y;
    EXPECT_EQ((x + y).ToString(), row.sum) << what;
    EXPECT_EQ((x - y).ToString(), row.difference) << what;
    EXPECT_EQ((x * y).ToString(), row.product) << what;
    EXPECT_EQ((x / y).ToString(), row.quotient) << what;
    BigFraction compound = x;
    EXPECT_EQ((compound /= y).ToString(), row.quotient) << what;
    const char order = row.order[0];
    EXPECT_EQ(x < y, order == '<') << what;
    EXPECT_EQ(x == y, order == '=') << what;
    EXPECT_EQ(x > y, order == '>') << what;
    EXPECT_EQ(x != y, order != '=') << what;
    EXPECT_EQ(x.ToDouble() < y.ToDouble(), order == '<') << what;
  }
}

TEST(BigFractionRows, InfinitiesAndNaNHaveNoPartsToRound) {
  const BigFraction infinity = std::numeric_limits<BigFraction>::infinity();
  const BigFraction nan = std::numeric_limits<BigFraction>::quiet_NaN();
  for (const BigFraction& x : {infinity, -infinity, nan}) {
    const std::string what = x.ToString();
    EXPECT_EQ(Shown(x.Floor()) + Shown(x.Ceil()) + Shown(x.Trunc()) + Shown(x.Round()),
              "nonenonenonenone")
        << what;
    EXPECT_EQ(Shown(x.FloorDivide(3)) + Shown(BigFraction(3).FloorDivide(x)), "nonenone") << what;
    EXPECT_EQ(x.Modulo(3).ToString() + BigFraction(3).Modulo(x).ToString(), "0/00/0") << what;
    EXPECT_FALSE(x.IsInteger() || x.ToTFrac() || x.ToMpq()) << what;
    EXPECT_EQ(x.Numerator().get_str() + "/" + x.Denominator().get_str(), what);
    EXPECT_EQ(x.Pow(0).ToString(), "1/1") << what;
    EXPECT_EQ(x.Pow(-3).ToString(), x == x ? "0/1" : "0/0") << what;
  }
  EXPECT_EQ(Shown(BigFraction(3).FloorDivide(0)), "none");
  EXPECT_EQ(BigFraction(3).Modulo(0).ToString(), "0/0");
  EXPECT_EQ((-infinity).Pow(3).ToString(), "-1/0");
  EXPECT_EQ((-infinity).Pow(2).ToString(), "1/0");
  EXPECT_EQ(abs(-infinity).ToString(), "1/0");
  EXPECT_EQ(abs(nan).ToString(), "0/0");
  EXPECT_EQ((-nan).ToString(), "0/0");
  EXPECT_EQ(nan.Sign() * 4 + infinity.Sign() * 2 - (-infinity).Sign(), 3);
  EXPECT_EQ(BigFraction(0).Pow(-1).ToString(), "1/0");
  EXPECT_EQ(BigFraction(0).Pow(0).ToString(), "1/1");
  EXPECT_TRUE(std::isnan(nan.ToDouble()) && infinity.ToDouble() == HUGE_VAL);
  EXPECT_TRUE(nan != nan && !(nan == nan) && !(nan <= nan) && !(nan == 0.0) && nan != 0.0);
  EXPECT_TRUE(infinity == HUGE_VALL && -infinity < -1e308 && infinity > 3e38f);
}

// Text and the result, or "none"; a limit of 0 stands for the default.
TEST(BigFractionRows, ParseReadsWhatTFracReadsAtAnySizeWithinItsDigitLimit) {
  const std::string long_digits(200, '7');
  struct Row {
    std::string text;
    std::size_t max_digits;
    std::string result;
  } const rows[] = {
      {" -4/-6\t", 0, "2/3"},
      {"+1/-2", 0, "-1/2"},
      {"5/0", 0, "1/0"},
      {"-5/0", 0, "-1/0"},
      {"5/-0", 0, "1/0"},
      {"-0/0", 0, "0/0"},
      {"0/000", 0, "0/0"},
      {"1.5e-3", 0, "3/2000"},
      {"-.5", 0, "-1/2"},
      {"5.", 0, "5/1"},
      {"2.50E+2", 0, "250/1"},
      {"-.(142857)", 0, "-1/7"},
      {"1.(9)", 0, "2/1"},
      {"0.08(3)", 0, "1/12"},
      {"9223372036854775807", 0, "9223372036854775807/1"},
      {"-9223372036854775808/1", 0, "-9223372036854775808/1"},
      {"1/18446744073709551616", 0, "1/18446744073709551616"},
      {long_digits + "/" + long_digits + "0", 0, "1/10"},
      {long_digits + ".(9)", 0, long_digits.substr(1) + "8/1"},
      {"1e100", 0, "1" + std::string(100, '0') + "/1"},
      {"0e999999999", 0, "0/1"},
      {"0.000e-99999999999999999999", 0, "0/1"},
      {"1e999999999", 0, "none"},
      {"1e-999999999", 0, "none"},
      {"1e99999", 0, "1" + std::string(99999, '0') + "/1"},
      {"1e100000", 0, "none"},
      {"12345e-5", 0, "2469/20000"},
      {"12345/1", 5, "12345/1"},
      {"12345/1", 4, "none"},
      {"1e-5", 5, "none"},
      {"1e-5", 6, "1/100000"},
      {"-99999.(9)", 5, "none"},
      {"-99999.(9)", 6, "-100000/1"},
      {"1" + std::string(10, '0') + "/1" + std::string(10, '0'), 1, "1/1"},
      {"1/3", 1, "1/3"},
      {"10/3", 1, "none"},
      {"", 0, "none"},
      {" ", 0, "none"},
      {"1/", 0, "none"},
      {"/2", 0, "none"},
      {"1//2", 0, "none"},
      {"1/2.5", 0, "none"},
      {"1.2.3", 0, "none"},
      {"1e", 0, "none"},
      {"e5", 0, "none"},
      {".", 0, "none"},
      {"0.()", 0, "none"},
      {"1.(3)e2", 0, "none"},
      {"--1", 0, "none"},
      {"1 /2", 0, "none"},
      {"inf", 0, "none"},
  };
  for (const Row& row : rows) {
    const std::optional<BigFraction> x = row.max_digits == 0
                                             ? BigFraction::Parse(row.text)
                                             : BigFraction::Parse(row.text, row.max_digits);
    const std::string what = row.text.substr(0, 60) + " with " + std::to_string(row.max_digits);
    EXPECT_EQ(x ? x->ToString() : "none", row.result) << what;
    const std::optional<TFrac> t = TFrac::Parse(row.text);
    EXPECT_TRUE(!t || row.max_digits != 0 || (x && *x == *t)) << what << ": TFrac reads another";
  }
}

// A text of a million digits, with the limit raised: GMP's conversion and
// gcd are subquadratic, so this takes well under a second, where the
// test's time limit is minutes.
TEST(BigFractionRows, AMillionDigitsParseWithTheLimitRaised) {
  std::string digits;
  for (int i = 0; i < 100000; ++i) digits += "1234567890";
  const std::optional<BigFraction> integer = BigFraction::Parse(digits, 1000000);
  const std::optional<BigFraction> ratio =
      BigFraction::Parse(digits.substr(0, 500000) + "/" + digits.substr(1, 500000), 1000000);
  const std::optional<BigFraction> decimal = BigFraction::Parse("0." + digits, 1000000);
  ASSERT_TRUE(integer && ratio && decimal);
  EXPECT_EQ(integer->ToString(), digits + "/1");
  EXPECT_EQ(*decimal * BigFraction(mpz_class("1" + std::string(1000000, '0'))), *integer);
  EXPECT_FALSE(BigFraction::Parse(digits));
}

TEST(BigFractionRows, StreamsWriteToStringAndReadItBack) {
  struct Row {
    const char* text;
    const char* read;  // what x holds after >>, or "fail"
    const char* rest;
  } const rows[] = {
      {"4/-6 z", "-2/3", " z"},
      {"  5", "5/1", ""},
      {"-1/0/", "-1/0", "/"},
      {"0/0", "0/0", ""},
      {"000123456789012345678901234567890/1x", "123456789012345678901234567890/1", "x"},
      {"1.5", "1/1", ".5"},
      {"/2", "fail", "/2"},
      {"1/", "fail", ""},
      {"+", "fail", ""},
  };
  for (const Row& row : rows) {
    std::istringstream in(row.text);
    BigFraction x(7, 3);
    in >> x;
    const bool failed = in.fail();
    in.clear();
    std::string rest;
    std::getline(in, rest, '\0');
    EXPECT_EQ(failed ? "fail" : x.ToString(), std::string(row.read)) << row.text;
    EXPECT_TRUE(!failed || x == BigFraction(7, 3)) << row.text;
    EXPECT_EQ(rest, row.rest) << row.text;
  }
  std::istringstream too_long(std::string(BigFraction::kDefaultMaxDigits + 1, '9') + " 1");
  BigFraction x;
  EXPECT_FALSE(too_long >> x);
  too_long.clear();
  EXPECT_TRUE(too_long >> x && x == 1) << "the long part was consumed";
  const BigFraction big = BigFraction(mpz_class("-123456789012345678901234567891"), 7);
  std::ostringstream out;
  out << big;
  EXPECT_EQ(out.str(), "-123456789012345678901234567891/7");
  std::istringstream back(out.str());
  EXPECT_TRUE(back >> x && x == big);
}

// m · 2^e and the double it rounds to: ties to even, subnormals, overflow,
// -0.0.
TEST(BigFractionRows, ToDoubleRoundsCorrectlyAtTheEdges) {
  struct Row {
    const char* m;
    int e;
    double expected;
  } const rows[] = {
      {"9007199254740993", 0, 9007199254740992.0},           // 2^53 + 1: a tie, to even
      {"9007199254740995", 0, 9007199254740996.0},           // 2^53 + 3: a tie, to even
      {"36028797018963971", -2, 9007199254740992.0},         // 2^53 + 3/4: nearer below
      {"1", -1075, 0.0},                                     // half the least subnormal: to 0
      {"3", -1076, 4.9406564584124654e-324},                 // 3/4 of it: up
      {"-1", -1080, -0.0},                                   // negative, to -0.0
      {"1", -1074, 4.9406564584124654e-324},                 // the least subnormal
      {"4503599627370495", -1074, 2.2250738585072009e-308},  // the largest subnormal
      {"9007199254740991", -1075, 2.2250738585072014e-308},  // rounds up to the least normal
      {"18014398509481983", 970, HUGE_VAL},                  // 2^1024 − 2^970: a tie, to infinity
      {"36028797018963965", 969, 1.7976931348623157e308},    // just below it
      {"1", 2000, HUGE_VAL},
      {"-1", 2000, -HUGE_VAL},
      {"-3", -2000, -0.0},
  };
  for (const Row& row : rows) {
    const BigFraction x = BigFraction(mpz_class(row.m)) * BigFraction(2).Pow(row.e);
    const double d = x.ToDouble();
    EXPECT_EQ(d, row.expected) << row.m << " * 2^" << row.e;
    EXPECT_EQ(std::signbit(d), std::signbit(row.expected)) << row.m << " * 2^" << row.e;
  }
  EXPECT_EQ(BigFraction(1, 3).ToDouble(), 1.0 / 3);
  EXPECT_EQ(BigFraction(INT64_MAX, 3).ToDouble(), 3074457345618258602.0);
}

TEST(BigFractionRows, PowBeyondWhatGmpHoldsThrowsBadAllocFirst) {
  EXPECT_THROW((void)BigFraction(2).Pow(INT64_MAX), std::bad_alloc);
  EXPECT_THROW((void)BigFraction(2, 3).Pow(-(std::int64_t{1} << 40)), std::bad_alloc);
  EXPECT_EQ(BigFraction(-1).Pow(INT64_MIN), 1);
  EXPECT_EQ(BigFraction(-1).Pow(INT64_MAX), -1);
  EXPECT_EQ(BigFraction(0).Pow(INT64_MAX), 0);
  EXPECT_EQ(BigFraction(1, 2).Pow(100).ToString(), "1/1267650600228229401496703205376");
  EXPECT_EQ(BigFraction(-2, 3).Pow(-3).ToString(), "-27/8");
}

}  // namespace
}  // namespace fraction
