// BigFraction against GMP's mpq_class, result for result: random operands
// of every size, inline and on the heap, at the 62-, 63- and 64-bit borders
// and mixed, through every operator, the order, the rounding, Pow and the
// conversions; and its hash against TFrac's.
#include <gmpxx.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <functional>
#include <limits>
#include <optional>
#include <random>
#include <string>
#include <type_traits>
#include <vector>

#include "format_reference.h"
#include "fraction/big_continued_fraction.h"
#include "fraction/big_fraction.h"
#include "fraction/tfrac.h"

namespace fraction {
namespace {

using Engine = std::mt19937_64;

mpz_class PowerOfTwo(unsigned bits) {
  mpz_class power;
  mpz_ui_pow_ui(power.get_mpz_t(), 2, bits);
  return power;
}

// A magnitude of up to `bits` bits, or one next to a power of two of that
// size, where the inline range ends.
mpz_class RandomMagnitude(Engine& engine, unsigned bits) {
  mpz_class value = 0;
  for (unsigned i = 0; i < bits; i += 64) {
    value = value * PowerOfTwo(64) + mpz_class(std::to_string(engine()));
  }
  value %= PowerOfTwo(bits);
  switch (engine() % 4) {
    case 0:
      return PowerOfTwo(bits) - 1 - engine() % 3;
    case 1:
      return PowerOfTwo(bits - 1) + engine() % 3;
    default:
      return value;
  }
}

// Operands of every class the benchmarks time and every border of the
// inline form: numerators and denominators of up to 7, 15, 31, 62, 63,
// 64, 65, 128 and 400 bits.
mpq_class RandomRational(Engine& engine) {
  constexpr std::array<unsigned, 9> kBits = {7, 15, 31, 62, 63, 64, 65, 128, 400};
  const unsigned top = kBits.at(engine() % kBits.size());
  const unsigned bottom = kBits.at(engine() % kBits.size());
  mpq_class q(RandomMagnitude(engine, top), RandomMagnitude(engine, bottom) + 1);
  if (engine() % 2 == 0) q = -q;
  if (engine() % 16 == 0) q = engine() % 5;  // small integers, zero among them
  if (engine() % 16 == 0) {
    // Halfway between two doubles, or beside it: 54 significant bits, an
    // odd last one, scaled to every range, the subnormals' and the
    // largest doubles' among them.
    const mpz_class tie = PowerOfTwo(53) + 2 * (engine() >> 12) + 1;
    // Near where doubles end: below the subnormals, among them, at the
    // normals' start, around 1, and at the overflow.
    constexpr std::array<long, 5> kEdges = {-1136, -1128, -1075, 0, 970};
    const long scale = kEdges.at(engine() % kEdges.size()) + static_cast<long>(engine() % 17) - 8;
    q = scale < 0 ? mpq_class(tie, PowerOfTwo(static_cast<unsigned>(-scale)))
                  : mpq_class(tie * PowerOfTwo(static_cast<unsigned>(scale)));
    q += engine() % 3 == 0 ? mpq_class(1, PowerOfTwo(1200)) : mpq_class(0);
  }
  q.canonicalize();
  return q;
}

// GMP's numbers as text: gtest would print them with gmpxx's stream
// operators, which live in libgmpxx, built against libstdc++ alone.
std::string Text(const mpq_class& q) { return q.get_num().get_str() + "/" + q.get_den().get_str(); }
std::string Text(const std::optional<mpz_class>& z) { return z ? z->get_str() : "none"; }
std::string Text(const std::optional<mpq_class>& q) { return q ? Text(*q) : "none"; }

// The parts in lowest terms, the text, and the value as another
// BigFraction compares, made from the expected parts.
void ExpectValue(const BigFraction& actual, const mpq_class& expected, const std::string& what) {
  EXPECT_EQ(actual.ToString(), Text(expected)) << what;
  EXPECT_TRUE(actual == BigFraction(expected.get_num(), expected.get_den())) << what;
  EXPECT_EQ(std::hash<BigFraction>()(actual),
            std::hash<BigFraction>()(BigFraction(expected.get_num(), expected.get_den())))
      << what;
}

mpq_class Pow(const mpq_class& q, std::int64_t k) {
  const mpq_class base = k < 0 ? mpq_class(1 / q) : q;
  mpq_class power;
  const auto magnitude = static_cast<unsigned long>(k < 0 ? -k : k);
  mpz_pow_ui(power.get_num_mpz_t(), base.get_num_mpz_t(), magnitude);
  mpz_pow_ui(power.get_den_mpz_t(), base.get_den_mpz_t(), magnitude);
  return power;
}

// Halves away from zero.
mpz_class RoundHalfAway(const mpq_class& q) {
  mpz_class twice = 2 * q.get_num() + (q < 0 ? -q.get_den() : q.get_den());
  mpz_tdiv_q(twice.get_mpz_t(), twice.get_mpz_t(), mpz_class(2 * q.get_den()).get_mpz_t());
  return twice;
}

mpz_class Floor(const mpq_class& q) {
  mpz_class floor;
  mpz_fdiv_q(floor.get_mpz_t(), q.get_num_mpz_t(), q.get_den_mpz_t());
  return floor;
}

// That d is x rounded to nearest with ties to even: no double lies nearer,
// and of two equally near the one with an even significand. The exact value
// of a double is mpq_set_d's.
void ExpectCorrectlyRounded(double d, const mpq_class& x, const std::string& what) {
  ASSERT_FALSE(std::isnan(d)) << what;
  EXPECT_EQ(std::signbit(d), x < 0) << what << ": the sign, -0.0 below zero";
  const mpq_class magnitude = abs(x);
  const double m = std::fabs(d);
  // Beyond the largest double by half its last place, infinity; 2^-1075,
  // half the least subnormal, goes to the even 0.
  const double largest = std::numeric_limits<double>::max();
  const mpq_class overflow = mpq_class(largest) + mpq_class(PowerOfTwo(970));
  if (std::isinf(m)) {
    EXPECT_TRUE(magnitude >= overflow) << what;
    return;
  }
  const mpq_class at(m);
  const mpq_class below = m == 0 ? mpq_class(0) : mpq_class(std::nextafter(m, 0.0));
  const mpq_class above =
      m == largest ? overflow * 2 - at : mpq_class(std::nextafter(m, 2 * m + 1));
  const mpq_class distance = abs(magnitude - at);
  EXPECT_TRUE(distance <= abs(magnitude - below)) << what;
  EXPECT_TRUE(distance <= abs(magnitude - above)) << what;
  if (m != 0 && (distance == abs(magnitude - below) || distance == abs(magnitude - above))) {
    std::uint64_t bits = 0;
    std::memcpy(&bits, &m, sizeof bits);
    EXPECT_EQ(bits & 1, 0u) << what << ": a tie goes to the even significand";
  }
}

double RandomDouble(Engine& engine) {
  const std::uint64_t bits = engine();
  double d = 0;
  std::memcpy(&d, &bits, sizeof d);
  return d;
}

TEST(BigFractionModel, EveryOperationGivesWhatMpqClassGives) {
  Engine engine(31);  // NOLINT(cert-msc51-cpp): a failure must repeat
  for (int i = 0; i < 4000; ++i) {
    const mpq_class p = RandomRational(engine), q = RandomRational(engine);
    const BigFraction x(p.get_num(), p.get_den()), y(q.get_num(), q.get_den());
    const std::string what = Text(p) + " and " + Text(q);
    ExpectValue(x, p, what);
    ExpectValue(BigFraction(p), p, what + ": from mpq_class");
    ExpectValue(*BigFraction::Parse(Text(p)), p, what + ": ToString read back");
    EXPECT_EQ(Text(x.ToMpq()), Text(p)) << what;
    EXPECT_EQ(x.Numerator().get_str(), p.get_num().get_str()) << what;
    EXPECT_EQ(x.Denominator().get_str(), p.get_den().get_str()) << what;

    ExpectValue(x + y, p + q, what + ": +");
    ExpectValue(x - y, p - q, what + ": -");
    ExpectValue(x * y, p * q, what + ": *");
    ExpectValue(-x, -p, what + ": unary -");
    BigFraction sum = x, difference = x, product = x;
    ExpectValue(sum += y, p + q, what + ": +=");
    ExpectValue(difference -= y, p - q, what + ": -=");
    ExpectValue(product *= y, p * q, what + ": *=");
    if (q != 0) {
      ExpectValue(x / y, p / q, what + ": /");
      BigFraction quotient = x;
      ExpectValue(quotient /= y, p / q, what + ": /=");
      const mpz_class floor = Floor(mpq_class(p / q));
      EXPECT_EQ(Text(x.FloorDivide(y)), floor.get_str()) << what;
      ExpectValue(x.Modulo(y), p - q * floor, what + ": Modulo");
    }

    EXPECT_EQ(x == y, p == q) << what;
    EXPECT_EQ(x != y, p != q) << what;
    EXPECT_EQ(x < y, p < q) << what;
    EXPECT_EQ(x <= y, p <= q) << what;
    EXPECT_EQ(x > y, p > q) << what;
    EXPECT_EQ(x >= y, p >= q) << what;
#if defined(__cpp_impl_three_way_comparison) && defined(__cpp_lib_three_way_comparison)
    EXPECT_EQ(x <=> y, cmp(p, q) <=> 0) << what;
#endif
    // Beside a value a relative 2^-400 or less away, the leading bits tie.
    const BigFraction nudged = x + BigFraction(1, PowerOfTwo(400) * 3);
    EXPECT_TRUE(x < nudged && nudged > x && x != nudged && -nudged < -x) << what;
    EXPECT_EQ(x.Sign(), sgn(p)) << what;
    EXPECT_EQ(x.IsInteger(), p.get_den() == 1) << what;
    ExpectValue(abs(x), abs(p), what + ": abs");
    EXPECT_EQ(Text(x.Floor()), Floor(p).get_str()) << what;
    EXPECT_EQ(Text(x.Ceil()), mpz_class(-Floor(-p)).get_str()) << what;
    EXPECT_EQ(Text(x.Trunc()), mpz_class(p < 0 ? mpz_class(-Floor(-p)) : Floor(p)).get_str())
        << what;
    EXPECT_EQ(Text(x.Round()), RoundHalfAway(p).get_str()) << what;
    const auto k = static_cast<std::int64_t>(engine() % 9) - 4;
    if (p != 0 || k >= 0) {
      ExpectValue(x.Pow(k), Pow(p, k), what + ": Pow " + std::to_string(k));
    }

    ExpectCorrectlyRounded(x.ToDouble(), p, what + ": ToDouble");
    const double d = engine() % 2 == 0 ? y.ToDouble() : RandomDouble(engine);
    if (std::isfinite(d)) {
      const mpq_class exact(d);
      ExpectValue(BigFraction::FromDouble(d), exact, what + ": FromDouble");
      EXPECT_EQ(x < d, p < exact) << what << " against " << d;
      EXPECT_EQ(x == d, p == exact) << what << " against " << d;
      EXPECT_EQ(d <= x, exact <= p) << what << " against " << d;
    }
    const bool fits = abs(p.get_num()) < PowerOfTwo(31) && p.get_den() < PowerOfTwo(31);
    const std::optional<TFrac> t = x.ToTFrac();
    EXPECT_EQ(t.has_value(), fits) << what;
    if (t && fits) {
      EXPECT_EQ(t->ToString(), Text(p)) << what;
      EXPECT_EQ(std::hash<BigFraction>()(x), std::hash<TFrac>()(*t)) << what;
    }
  }
}

// TFrac's stored fields by value, unreduced, x/0 and 2^31 as -2^31/-1
// included; the hashes agree but for 0/0 (NaN).
TEST(BigFractionModel, ATFracGivesItsFieldsValueAndItsHash) {
  Engine engine(32);  // NOLINT(cert-msc51-cpp): a failure must repeat
  const std::array<std::int32_t, 10> edges = {0, 1,  -1,        2,         -2,
                                              6, -4, INT32_MAX, INT32_MIN, INT32_MIN + 1};
  for (int i = 0; i < 20000; ++i) {
    const auto pick = [&] {
      return engine() % 2 == 0 ? edges.at(engine() % edges.size())
                               : static_cast<std::int32_t>(engine() >> 32);
    };
    const std::int32_t a = pick(), b = i % 7 == 0 ? 0 : pick();
    const TFrac t(std::to_string(a).append("/").append(std::to_string(b)).c_str());
    const BigFraction x(t);
    const std::string what = t.ToString();
    if (b != 0) {
      mpq_class expected{mpz_class(a), mpz_class(b)};
      expected.canonicalize();
      ExpectValue(x, expected, what);
      const std::optional<TFrac> back = x.ToTFrac();
      EXPECT_EQ(back.has_value(), TFrac::Parse(t.ToString()).has_value()) << what;
    } else {
      EXPECT_EQ(x.ToString(), a > 0 ? "1/0" : a < 0 ? "-1/0" : "0/0") << what;
    }
    if (a != 0 || b != 0) {
      EXPECT_EQ(std::hash<BigFraction>()(x), std::hash<TFrac>()(t)) << what;
    }
  }
}

// Every integer type, on either side of every operator.
TEST(BigFractionModel, IntegersOfEveryTypeTakePartExactly) {
  __extension__ using Int128 = __int128;
  const BigFraction half(1, 2);
  EXPECT_EQ((half + INT64_MIN).ToString(), "-18446744073709551615/2");
  EXPECT_EQ((UINT64_MAX * half).ToString(), "18446744073709551615/2");
  EXPECT_EQ((2 - half).ToString(), "3/2");
  EXPECT_EQ((half / 3U).ToString(), "1/6");
  EXPECT_EQ(BigFraction(Int128{1} << 100, -(Int128{1} << 98)).ToString(), "-4/1");
  EXPECT_EQ(BigFraction(static_cast<Int128>(-(Int128{1} << 126))).ToString(),
            "-85070591730234615865843651857942052864/1");
  EXPECT_EQ(BigFraction(mpz_class(10), INT64_MIN).ToString(), "-5/4611686018427387904");
  EXPECT_EQ(BigFraction(mpz_class(6) * 7, 4U).ToString(), "21/2");
  EXPECT_TRUE(half < 1 && 0 < half && half != 0 && mpz_class(1) > half);
  EXPECT_EQ((TFrac(1, 3) + half).ToString(), "5/6");
  static_assert(std::is_same_v<decltype(TFrac(1, 3) * half), BigFraction>);
}

// The digits after a repeating decimal's point: the part before the period
// and one period.
std::size_t DigitsAfterPoint(const std::string& text) {
  const std::size_t point = text.find('.');
  if (point == std::string::npos) return 0;
  return text.size() - point - 1 - (text.back() == ')' ? 2 : 0);
}

// Format and ToDecimal against exact decimal arithmetic (format_reference.h)
// with random options, ToRepeatingDecimal read back with the fewest digits,
// and all three as TFrac writes them where the value fits a TFrac.
TEST(BigFractionModel, DecimalTextsAreTheExactValuesDigits) {
  Engine engine(33);  // NOLINT(cert-msc51-cpp): a failure must repeat
  testing::FormatDraws draws;
  for (int i = 0; i < 3000 && !HasFailure(); ++i) {
    const mpq_class p = RandomRational(engine);
    const BigFraction x(p);
    const testing::Integer n(p.get_num().get_str()), d(p.get_den().get_str());
    const testing::Options options = draws.Pick();
    const std::string text = testing::TextOf(options);
    EXPECT_EQ(x.Format(text), testing::ExpectedFormat(n, d, x.ToString(), options))
        << Text(p) << " with \"" << text << '"';
    const auto digits = static_cast<int>(draws.Between(-2, 45));
    EXPECT_EQ(x.ToDecimal(digits),
              (p < 0 ? "-" : "") + testing::Fixed(abs(n), d, std::max(digits, 0), false))
        << Text(p) << " with " << digits;
    const auto cap = static_cast<int>(draws.Between(0, 300));
    const std::optional<std::string> repeating = x.ToRepeatingDecimal(cap);
    if (repeating) {
      const std::size_t after = DigitsAfterPoint(*repeating);
      EXPECT_TRUE(after <= static_cast<std::size_t>(cap) && BigFraction::Parse(*repeating) == x &&
                  (after == 0 || !x.ToRepeatingDecimal(static_cast<int>(after) - 1)))
          << Text(p) << " gives " << *repeating << " with at most " << cap;
    }
    if (const std::optional<TFrac> t = x.ToTFrac()) {
      if (options.type != '\0') {
        EXPECT_EQ(x.Format(text), t->Format(text)) << Text(p);
      }
      EXPECT_EQ(x.ToDecimal(digits), t->ToDecimal(digits)) << Text(p);
      EXPECT_EQ(repeating, t->ToRepeatingDecimal(cap)) << Text(p);
    }
  }
}

// Continued fractions, simplest fractions and approximations, against
// references written in mpq_class: the terms evaluated back from the last,
// the simplest fraction by recursion on the interval, and the nearest
// fraction by trying every denominator up to a small bound.

// The value of terms[first..last), evaluated from the last term back.
mpq_class Evaluated(const std::vector<mpz_class>& terms, std::size_t count) {
  mpq_class value = terms.at(count - 1);
  for (std::size_t i = count - 1; i-- > 0;) {
    value = terms[i] + 1 / value;
  }
  return value;
}

// The simplest fraction in [lo, hi], 0 < lo <= hi: ceil(lo) where it lies
// in the interval, else a + 1 / (the simplest in [1 / (hi − a), 1 / (lo − a)])
// for a = floor(lo), the a's kept and added back from the last.
mpq_class SimplestAbove(mpq_class lo, mpq_class hi) {
  std::vector<mpz_class> wholes;
  for (;;) {
    const mpz_class whole = Floor(lo);
    const mpz_class ceiling = lo == whole ? whole : mpz_class(whole + 1);
    if (ceiling <= hi) {
      mpq_class value = ceiling;
      for (std::size_t i = wholes.size(); i-- > 0;) value = wholes[i] + 1 / value;
      return value;
    }
    wholes.push_back(whole);
    const mpq_class next_lo = 1 / (hi - whole);
    hi = 1 / (lo - whole);
    lo = next_lo;
  }
}

// The nearest p/q to x with q <= max_denominator and |p| <= max_numerator:
// of two equally near, the smaller q, then the smaller |p|.
mpq_class NearestByTrial(const mpq_class& x, long max_denominator, const mpz_class& max_numerator) {
  mpq_class best = x < 0 ? mpq_class(-max_numerator) : mpq_class(max_numerator);
  bool found = false;
  for (long q = 1; q <= max_denominator; ++q) {
    const mpz_class below = Floor(x * q);
    for (mpz_class p : {below, mpz_class(below + 1)}) {
      if (p > max_numerator) p = max_numerator;
      if (p < -max_numerator) p = -max_numerator;
      mpq_class candidate(p, q);
      candidate.canonicalize();
      const mpq_class distance = abs(x - candidate), best_distance = abs(x - best);
      if (!found || distance < best_distance ||
          (distance == best_distance && candidate.get_den() == best.get_den() &&
           abs(candidate) < abs(best))) {
        best = candidate;
        found = true;
      }
    }
  }
  return best;
}

TEST(BigFractionModel, ContinuedFractionsAndApproximationsAgreeWithReferences) {
  Engine engine(33);  // NOLINT(cert-msc51-cpp): a failure must repeat
  const mpz_class largest_part = INT32_MAX;
  for (int i = 0; i < 1500; ++i) {
    const mpq_class p = RandomRational(engine);
    const BigFraction x(p);
    const std::string what = Text(p);

    const std::vector<mpz_class> terms = ContinuedFraction(x);
    ASSERT_FALSE(terms.empty()) << what;
    EXPECT_TRUE(Evaluated(terms, terms.size()) == p) << what;
    for (std::size_t k = 1; k < terms.size(); ++k) {
      EXPECT_TRUE(terms[k] >= (k + 1 < terms.size() ? 1 : 2)) << what << ": term " << k;
    }
    const std::vector<BigFraction> convergents = Convergents(x);
    ASSERT_EQ(convergents.size(), terms.size()) << what;
    for (std::size_t k = 0; k < std::min<std::size_t>(terms.size(), 12); ++k) {
      ExpectValue(convergents[k], Evaluated(terms, k + 1), what + ": convergent");
    }
    EXPECT_EQ(convergents.back(), x) << what;
    EXPECT_EQ(BigFraction::FromContinuedFraction(terms.begin(), terms.end()), x) << what;
    std::vector<mpz_class> split = terms;  // [..., a] as [..., a − 1, 1]
    split.back() -= 1;
    split.emplace_back(1);
    EXPECT_EQ(BigFraction::FromContinuedFraction(split.begin(), split.end()), x) << what;

    // An interval from x to a value beside it, of any width; the wrong way
    // round none.
    const mpq_class q = RandomRational(engine);
    const mpq_class other =
        engine() % 2 == 0 ? q : mpq_class(p + q / PowerOfTwo(static_cast<unsigned>(engine() % 90)));
    const mpq_class lo = p < other ? p : other, hi = p < other ? other : p;
    const std::optional<BigFraction> simplest = Simplest(BigFraction(lo), BigFraction(hi));
    const mpq_class expected = lo > 0   ? SimplestAbove(lo, hi)
                               : hi < 0 ? mpq_class(-SimplestAbove(-hi, -lo))
                                        : mpq_class(0);
    ASSERT_TRUE(simplest.has_value()) << Text(lo) << " to " << Text(hi);
    ExpectValue(*simplest, expected, "simplest in " + Text(lo) + " to " + Text(hi));
    EXPECT_EQ(Simplest(BigFraction(hi), BigFraction(lo)).has_value(), lo == hi);

    const auto bound = static_cast<long>(engine() % 40 + 1);
    ExpectValue(*BigFraction::Approximate(x, bound),
                NearestByTrial(p, bound, (abs(p.get_num()) + 1) * bound),
                what + " within " + std::to_string(bound));
    ExpectValue(*NearestTFrac(x, static_cast<std::int32_t>(bound)),
                NearestByTrial(p, bound, largest_part),
                what + " as a TFrac within " + std::to_string(bound));
    const mpz_class wide_bound =
        RandomMagnitude(engine, static_cast<unsigned>(1 + engine() % 200)) + 1;
    const std::optional<BigFraction> approximate = BigFraction::Approximate(x, wide_bound);
    EXPECT_TRUE(approximate->Denominator() <= wide_bound) << what;
    EXPECT_EQ(approximate == x, p.get_den() <= wide_bound) << what;

    // On doubles, TFrac's own approximation.
    const double d = RandomDouble(engine) / (engine() % 2 == 0 ? 1 : std::ldexp(1.0, 960));
    const auto n = static_cast<std::int32_t>(engine() % 2 == 0 ? engine() % 1000 + 1
                                                               : engine() % INT32_MAX + 1);
    if (std::isfinite(d)) {
      EXPECT_EQ(NearestTFrac(BigFraction::FromDouble(d), n), TFrac::Approximate(d, n))
          << d << " within " << n;
    }
  }
}

}  // namespace
}  // namespace fraction
