// Parse of long digit texts against exact arithmetic on integers of any
// size (Boost.Multiprecision): random texts of 20 to 200 digits, n/d and
// decimal, built around fractions that fit and fractions that do not.
#include <gtest/gtest.h>

#include <algorithm>
#include <boost/multiprecision/cpp_int.hpp>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <future>
#include <iterator>
#include <optional>
#include <random>
#include <string>
#include <utility>

#include "fraction/tfrac.h"

namespace fraction {
namespace {

// Integers of any size, each result computed at once: expression templates
// would keep references to temporaries past the end of a statement.
using Integer = boost::multiprecision::number<boost::multiprecision::cpp_int_backend<>,
                                              boost::multiprecision::et_off>;

// What Parse must give for the value n/d: its lowest terms, if both fit.
std::string Exact(const Integer& n, const Integer& d) {
  if (d == 0) return "none";
  const Integer g = gcd(n, d), p = n / g, q = d / g;
  return abs(p) > INT32_MAX || q > INT32_MAX ? "none" : p.str() + "/" + q.str();
}

// Parse on a thread of its own, bounded in time: a case that hangs ends
// the program at once, naming its text, where CTest would wait for its
// timeout without saying which text it was.
std::string Parsed(const std::string& text) {
  auto parsed = std::async(std::launch::async, [&text] { return TFrac::Parse(text); });
  if (parsed.wait_for(std::chrono::seconds(20)) != std::future_status::ready) {
    std::fprintf(stderr, "Parse did not return within 20 s for \"%s\"\n", text.c_str());
    std::abort();
  }
  const std::optional<TFrac> f = parsed.get();
  return f ? f->ToString() : "none";
}

// Random texts, the same on every run: each draw is a statement of its
// own, as the order in which operands are evaluated is unspecified.
class Texts {
 public:
  int Between(int low, int high) { return std::uniform_int_distribution(low, high)(random_); }
  bool Coin() { return Between(0, 1) == 0; }
  std::string Zeros(int most) {
    return std::string(static_cast<std::size_t>(Between(0, most)), '0');
  }

  // A number of exactly `digits` digits.
  Integer Number(int digits) {
    std::string text(1, static_cast<char>('1' + Between(0, 8)));
    while (static_cast<int>(text.size()) < digits) text += static_cast<char>('0' + Between(0, 9));
    return Integer(text);
  }

  // One of `items`, at random.
  template <class T, std::size_t N>
  const T& OneOf(const T (&items)[N]) {
    return *std::next(std::begin(items), Between(0, static_cast<int>(N) - 1));
  }

  // A part below 2^32, half the time one near 10^9 (a limb's base) or 2^31.
  Integer Part() {
    static constexpr std::int64_t kEdges[] = {0,          1,          999999999,  1000000000,
                                              1000000001, 2147483646, 2147483647, 2147483648};
    if (Coin()) return Number(Between(1, 10));
    return OneOf(kEdges);
  }

  // A text for p/q times a common factor that makes the longer side about
  // 20 to 200 digits long (19 to 21 one time in four), with optional
  // signs, leading zeros and white space; p/q from one of five families.
  std::string Fraction(Integer& p, Integer& q) {
    // Just inside and outside 2^31 - 1; first quotients between 10^9 and 2^31.
    static constexpr std::pair<std::int64_t, std::int64_t> kPairs[] = {
        {2147483647, 1}, {1, 2147483647},          {2147483648, 1},          {1, 2147483648},
        {0, 1},          {2147483647, 2147483646}, {2147483646, 2147483647}, {1999999999, 1},
        {1, 1},          {2147483647, 2},          {1000000001, 1000000000}, {3000000001, 3}};
    const int family = Between(0, 4);
    if (family == 0) {
      const auto& [numerator, denominator] = OneOf(kPairs);
      p = numerator;
      q = denominator;
    } else if (family == 1) {
      p = Part();
      q = Part();
    } else if (family == 2) {  // parts of any size
      p = Number(Between(1, 60));
      q = Number(Between(1, 60));
    } else if (family == 3) {  // in lowest terms, p and q modulo 2^64 fit
      const int digits = Between(1, 12);
      p = Number(digits) << 64;
      p += Part();
      q = Number(digits) << 64;
      q += Part();
    } else {  // a quotient near 10^9 or 2^31, or p and q alike in their top limbs
      q = Number(Between(1, 40));
      p = q * Part();
      const Integer r = Part();
      if (Coin() || p < r) {
        p += r;
      } else {
        p -= r;
      }
    }
    const int longer = static_cast<int>(std::max(p, q).str().size());
    const int target = Coin() ? Between(20, 200) : Coin() ? Between(20, 200) : Between(19, 21);
    const Integer g = target > longer ? Number(target - longer) : Integer(1);
    static constexpr const char* kSigns[] = {"", "+", "-"};
    const char* const p_sign = OneOf(kSigns);
    const char* const q_sign = OneOf(kSigns);
    std::string text = Coin() ? "" : " \t";
    text += p_sign + Zeros(3) + Integer(p * g).str();
    text += std::string("/") + q_sign + Zeros(3) + Integer(q * g).str();
    text += Coin() ? "" : "\n";
    p = (*p_sign == '-') != (*q_sign == '-') ? -p : p;
    return text;
  }

  // A text for m/(2^i 5^j), with an optional sign: its decimal digits with
  // zeros around them, the point anywhere and the exponent to make up for it.
  std::string Decimal(Integer& m, Integer& d) {
    const int i = Between(0, 33), j = Coin() || Coin() ? 0 : Between(0, 33);
    const int places = std::max(i, j);
    m = Coin() ? Part() : Number(Between(1, 40));
    d = pow(Integer(2), static_cast<unsigned>(i)) * pow(Integer(5), static_cast<unsigned>(j));
    const Integer scaled = m * pow(Integer(2), static_cast<unsigned>(places - i)) *
                           pow(Integer(5), static_cast<unsigned>(places - j));
    std::string digits = Zeros(80) + scaled.str();
    const std::string after = Zeros(80);
    digits += after;
    const int point = Between(0, static_cast<int>(digits.size()));
    const int exponent =
        static_cast<int>(digits.size()) - point - places - static_cast<int>(after.size());
    std::string text = Coin() ? "" : "-";
    m = text.empty() ? m : -m;
    text += digits.substr(0, static_cast<std::size_t>(point));
    if (point < static_cast<int>(digits.size()) || Coin()) {
      text += "." + digits.substr(static_cast<std::size_t>(point));
    }
    if (exponent != 0 || Coin()) {
      text += Coin() ? "e" : "E";
      text += exponent < 0 ? "-" : Coin() ? "" : "+";
      text += Zeros(2) + std::to_string(std::abs(exponent));
    }
    return text;
  }

 private:
  std::mt19937_64 random_{20240601};  // NOLINT(cert-msc51-cpp): a failure must repeat
};

TEST(FractionParseReference, LongTextsGiveTheExactValueInLowestTermsOrNone) {
  Texts texts;
  int fitting = 0, failures = 0;
  constexpr int kCases = 4000;
  for (int i = 0; i < kCases && failures < 10; ++i) {
    Integer n, d;
    const std::string text = i % 2 == 0 ? texts.Fraction(n, d) : texts.Decimal(n, d);
    const std::string want = Exact(n, d);
    const std::string got = Parsed(text);
    fitting += want != "none" ? 1 : 0;
    if (got != want) {
      ++failures;
      ADD_FAILURE() << '"' << text << "\" gave " << got << ", exactly " << want;
    }
  }
  // Both outcomes, in fair numbers.
  EXPECT_GT(fitting, kCases / 4);
  EXPECT_LT(fitting, kCases * 3 / 4);
}

}  // namespace
}  // namespace fraction
