// Every operation of TFrac against boost::rational<int32_t> doing the same
// work (std::gcd for TFrac::Gcd), timed in the same run over inputs no
// branch predictor can learn, then a table of each case's time over its
// baseline's.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <boost/rational.hpp>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <map>
#include <memory>
#include <numeric>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "format_bench.h"
#include "fraction/tfrac.h"
#include "ratio_table.h"

#if defined(FRACTION_BENCH_BIG)
#include "big_fraction_bench.h"
#endif

namespace {

using fraction::TFrac;
using Rational = boost::rational<std::int32_t>;

using fraction_bench::kCount;

struct IntPair {
  std::int32_t a;
  std::int32_t b;
};

// Numerators in ±limit without 0, denominators in 1..limit: all valid, and
// with a limit up to 30,000 every product and sum of two stays within 32
// bits, so that boost's results are defined and equal to TFrac's.
struct OperandClass {
  const char* name;
  std::int32_t limit;
};

IntPair Draw(const OperandClass& c, std::mt19937& engine) {
  std::uniform_int_distribution<std::int32_t> numerator(-c.limit, c.limit - 1);
  std::uniform_int_distribution<std::int32_t> denominator(1, c.limit);
  const std::int32_t a = numerator(engine);
  return {a < 0 ? a : a + 1, denominator(engine)};
}

std::array<std::int32_t, 2> Reduced(IntPair p) {
  const TFrac x(p.a, p.b);
  return {x.Numerator(), x.Denominator()};
}

// kCount operands, distinct even once reduced. A class with fewer operands
// than that (200 × 100 in "100") has each of them three or four times.
std::vector<IntPair> Operands(const OperandClass& c, std::mt19937& engine) {
  std::vector<IntPair> operands;
  operands.reserve(kCount);
  if (2.0 * c.limit * c.limit < kCount) {
    for (std::int32_t a = -c.limit; a <= c.limit; ++a) {
      for (std::int32_t b = 1; b <= c.limit && a != 0; ++b) {
        operands.push_back({a, b});
      }
    }
    for (std::size_t i = 0; operands.size() < kCount; ++i) {
      operands.push_back(operands[i]);
    }
  } else {
    std::set<std::array<std::int32_t, 2>> seen;
    while (operands.size() < kCount) {
      const IntPair p = Draw(c, engine);
      if (seen.insert(Reduced(p)).second) {
        operands.push_back(p);
      }
    }
  }
  std::shuffle(operands.begin(), operands.end(), engine);
  return operands;
}

// kCount pairs of operands, no two pairs alike once reduced.
std::vector<std::pair<IntPair, IntPair>> OperandPairs(const OperandClass& c, std::mt19937& engine) {
  std::vector<std::pair<IntPair, IntPair>> pairs;
  std::set<std::array<std::array<std::int32_t, 2>, 2>> seen;
  while (pairs.size() < kCount) {
    const IntPair x = Draw(c, engine), y = Draw(c, engine);
    if (seen.insert({Reduced(x), Reduced(y)}).second) {
      pairs.emplace_back(x, y);
    }
  }
  std::shuffle(pairs.begin(), pairs.end(), engine);
  return pairs;
}

// One class's operands, as each side holds them; they live as long as the
// benchmarks that read them.
template <class Number>
struct Numbers {
  std::vector<Number> x;
  std::vector<std::pair<Number, Number>> xy;
  // The same pairs, half of them, at random, with the left operand twice:
  // for equality, whose outcome would otherwise always be false.
  std::vector<std::pair<Number, Number>> xy_equal_half;
  Numbers(const std::vector<IntPair>& ints, const std::vector<std::pair<IntPair, IntPair>>& pairs,
          const std::vector<bool>& twice) {
    for (const IntPair p : ints) {
      x.emplace_back(p.a, p.b);
    }
    for (std::size_t i = 0; i < pairs.size(); ++i) {
      const auto& [p, q] = pairs[i];
      xy.emplace_back(Number(p.a, p.b), Number(q.a, q.b));
      xy_equal_half.emplace_back(xy.back().first, twice[i] ? xy.back().first : xy.back().second);
    }
  }
};

// The largest double at most c/d: compared with any other fraction of the
// class, it lies on the same side as c/d itself, since two fractions of
// 30,000ths at most lie farther apart (1/9e8) than c/d from its rounding
// (2^-37), and one equal to c/d is not below it.
double DoubleAtMost(IntPair p) {
  const double q = static_cast<double>(p.a) / p.b;
  // q·b − a is exact in sign, through the one rounding of fma.
  return std::fma(q, p.b, -p.a) > 0 ? std::nextafter(q, -HUGE_VAL) : q;
}

struct ClassInputs {
  std::string name;
  std::vector<IntPair> ints;
  std::vector<std::string> texts;
  Numbers<TFrac> ours;
  Numbers<Rational> theirs;
  // The pairs, their right operand a double.
  std::vector<std::pair<TFrac, double>> x_double;
};

ClassInputs MakeInputs(const OperandClass& c) {
  // A fixed seed: the same inputs on every run (with the same C++ library).
  std::mt19937 engine(static_cast<std::uint32_t>(c.limit));
  const std::vector<IntPair> ints = Operands(c, engine);
  const auto pairs = OperandPairs(c, engine);
  std::vector<std::string> texts;
  for (const IntPair p : ints) {
    texts.push_back(std::to_string(p.a) + '/' + std::to_string(p.b));
  }
  std::vector<bool> twice;
  for (std::size_t i = 0; i < pairs.size(); ++i) {
    twice.push_back((engine() & 1) != 0);
  }
  std::vector<std::pair<TFrac, double>> x_double;
  for (const auto& [p, q] : pairs) {
    x_double.emplace_back(TFrac(p.a, p.b), DoubleAtMost(q));
  }
  return {c.name, ints, texts, {ints, pairs, twice}, {ints, pairs, twice}, x_double};
}

// What the checks before timing take as the same result. TFrac's text
// constructor does not reduce ("4/6" stays 4/6) where boost's does, so its
// results are compared once reduced.
struct SameValues {
  bool reduce = false;
  bool operator()(const std::unique_ptr<TFrac>& x, const Rational& r) const {
    return (*this)(*x, r);
  }
  bool operator()(const TFrac& x, const Rational& r) const {
    const TFrac y = reduce ? TFrac(x.Numerator(), x.Denominator()) : x;
    return y.Numerator() == r.numerator() && y.Denominator() == r.denominator();
  }
  template <class T>
  bool operator()(const T& x, const T& y) const {
    return x == y;
  }
};

// The value operators inline into the caller and allocate nothing: their
// target is 0.75 of boost's time. The rest, parity.
int TargetPercent(const std::string& name) { return name.rfind("Value", 0) == 0 ? 75 : 100; }

// Registers "<name>/TFrac" and "<name>/<baseline>" and the row of the ratio
// table that compares them, once every input gives both the same result.
template <class Ours, class OurOp, class Theirs, class TheirOp>
void Compare(const std::string& name, const std::vector<Ours>& ours, OurOp our_op,
             const char* baseline, const std::vector<Theirs>& theirs, TheirOp their_op,
             SameValues same = {}) {
  fraction_bench::Compare(name, "TFrac", ours, our_op, baseline, theirs, their_op, same,
                          TargetPercent(name));
}

void CompareConstruction(const std::string& c, const std::vector<IntPair>& ints) {
  Compare(
      "Construct/" + c, ints, [](IntPair p) { return std::make_unique<TFrac>(p.a, p.b); }, "boost",
      ints, [](IntPair p) { return Rational(p.a, p.b); });
  Compare(
      "Gcd/" + c, ints, [](IntPair p) { return TFrac::Gcd(p.a, p.b); }, "std_gcd", ints,
      [](IntPair p) { return std::gcd(p.a, p.b); });
}

// The steps TFrac's binary gcd takes for positive m and n: one per odd
// difference. Over the full range they average 21, and reach 31.
int BinaryGcdSteps(std::uint32_t m, std::uint32_t n) {
  int steps = 0;
  for (m >>= __builtin_ctz(m), n >>= __builtin_ctz(n); m != n; ++steps) {
    const std::uint32_t larger = std::max(m, n), smaller = std::min(m, n);
    m = smaller;
    n = (larger - smaller) >> __builtin_ctz(larger - smaller);
  }
  return steps + 1;
}

// The construction's worst case, as far as its time depends on the input:
// distinct pairs of the full range whose gcd takes 28 steps or more (about
// one in 700).
std::vector<IntPair> SlowestGcdPairs() {
  std::mt19937 engine(28);
  const OperandClass full{"full", INT32_MAX};
  std::set<std::array<std::int32_t, 2>> seen;
  std::vector<IntPair> pairs;
  while (pairs.size() < kCount) {
    const IntPair p = Draw(full, engine);
    const auto m = static_cast<std::uint32_t>(p.a < 0 ? -p.a : p.a);
    if (BinaryGcdSteps(m, static_cast<std::uint32_t>(p.b)) >= 28 &&
        seen.insert({p.a, p.b}).second) {
      pairs.push_back(p);
    }
  }
  return pairs;
}

void CompareOperations(const ClassInputs& in) {
  const std::string& c = in.name;
  using P = std::pair<TFrac, TFrac>;
  using R = std::pair<Rational, Rational>;
  const auto& x = in.ours.x;
  const auto& xy = in.ours.xy;
  const auto& bx = in.theirs.x;
  const auto& bxy = in.theirs.xy;
  Compare(
      "Add/" + c, xy, [](const P& p) { return p.first.Add(&p.second); }, "boost", bxy,
      [](const R& p) { return p.first + p.second; });
  Compare(
      "Subtract/" + c, xy, [](const P& p) { return p.first.Subtract(&p.second); }, "boost", bxy,
      [](const R& p) { return p.first - p.second; });
  Compare(
      "Multiply/" + c, xy, [](const P& p) { return p.first.Multiply(&p.second); }, "boost", bxy,
      [](const R& p) { return p.first * p.second; });
  Compare(
      "Divide/" + c, xy, [](const P& p) { return p.first.Divide(&p.second); }, "boost", bxy,
      [](const R& p) { return p.first / p.second; });
  Compare(
      "Square/" + c, x, [](const TFrac& v) { return v.Square(); }, "boost", bx,
      [](const Rational& r) { return r * r; });
  Compare(
      "Reverse/" + c, x, [](const TFrac& v) { return v.Reverse(); }, "boost", bx,
      [](const Rational& r) { return 1 / r; });
  Compare(
      "Greater/" + c, xy, [](const P& p) { return p.first.Greater(&p.second); }, "boost", bxy,
      [](const R& p) { return p.first > p.second; });
  // The same arithmetic and comparisons on values, no heap on either side.
  Compare(
      "ValueAdd/" + c, xy, [](const P& p) { return p.first + p.second; }, "boost", bxy,
      [](const R& p) { return p.first + p.second; });
  Compare(
      "ValueSubtract/" + c, xy, [](const P& p) { return p.first - p.second; }, "boost", bxy,
      [](const R& p) { return p.first - p.second; });
  Compare(
      "ValueMultiply/" + c, xy, [](const P& p) { return p.first * p.second; }, "boost", bxy,
      [](const R& p) { return p.first * p.second; });
  Compare(
      "ValueDivide/" + c, xy, [](const P& p) { return p.first / p.second; }, "boost", bxy,
      [](const R& p) { return p.first / p.second; });
  Compare(
      "ValueLess/" + c, xy, [](const P& p) { return p.first < p.second; }, "boost", bxy,
      [](const R& p) { return p.first < p.second; });
  Compare(
      "ValueLessDouble/" + c, in.x_double,
      [](const std::pair<TFrac, double>& p) { return p.first < p.second; }, "boost", bxy,
      [](const R& p) { return p.first < p.second; });
  Compare(
      "ValueEqual/" + c, in.ours.xy_equal_half, [](const P& p) { return p.first == p.second; },
      "boost", in.theirs.xy_equal_half, [](const R& p) { return p.first == p.second; });
  // Text in and out as a boost user has it: the stream operators.
  Compare(
      "FromText/" + c, in.texts,
      [](const std::string& s) { return std::make_unique<TFrac>(s.c_str()); }, "boost", in.texts,
      [](const std::string& s) {
        std::istringstream stream(s);
        Rational r;
        stream >> r;
        return r;
      },
      SameValues{true});
  Compare(
      "ToString/" + c, x, [](const TFrac& v) { return v.ToString(); }, "boost", bx,
      [](const Rational& r) {
        std::ostringstream stream;
        stream << r;
        return stream.str();
      });
}

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
    return 1;
  }
  const ClassInputs small = MakeInputs({"100", 100}), medium = MakeInputs({"30000", 30000});
  const ClassInputs full = MakeInputs({"full", INT32_MAX});  // for construction and Gcd
  for (const ClassInputs* in : {&small, &medium, &full}) {
    CompareConstruction(in->name, in->ints);
  }
  const std::vector<IntPair> slowest = SlowestGcdPairs();
  CompareConstruction("slowest", slowest);
  for (const ClassInputs* in : {&small, &medium}) {
    CompareOperations(*in);
  }
  fraction_bench::CompareFormats();
#if defined(FRACTION_BENCH_BIG)
  fraction_bench::CompareBigFractions();
  fraction_bench::CompareBigWorkloads();
#endif
  // Times of different work would compare nothing: refuse to run.
  if (!fraction_bench::all_same) {
    std::fprintf(stderr, "fraction_bench: a case and its baseline disagree; nothing timed\n");
    return 1;
  }
  fraction_bench::RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return 0;
}
