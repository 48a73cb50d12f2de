// Arithmetic, comparison and text conversion on random operands, against
// boost::rational<int32_t> doing the same work. TFrac's arithmetic hands its
// result over on the heap, so those times include the allocation; boost's
// results are plain values.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "fraction/tfrac.h"
#include "inputs.h"
#include "registry.h"

#ifdef FRACTION_BENCH_HAVE_BOOST
#include <boost/rational.hpp>
#include <sstream>
#endif

namespace fraction::bench {
namespace {

// Times operation(input) once per iteration, stepping through the inputs.
template <class Input, class Operation>
void RegisterCase(const std::string& name, std::vector<Input> inputs, Operation operation) {
  const auto run = [inputs = std::move(inputs), operation](benchmark::State& state) {
    std::size_t i = 0;
    for (auto _ : state) {
      auto result = operation(inputs[i]);
      benchmark::DoNotOptimize(result);
      i = (i + 1) % kInputCount;
    }
  };
  WithFastest(benchmark::RegisterBenchmark(name.c_str(), run));
}

template <class Number>
std::vector<Number> Numbers(const std::vector<IntPair>& pairs) {
  std::vector<Number> numbers;
  numbers.reserve(pairs.size());
  for (const IntPair& pair : pairs) {
    numbers.emplace_back(pair.a, pair.b);
  }
  return numbers;
}

template <class Number>
std::vector<std::pair<Number, Number>> NumberPairs(const std::vector<IntPair>& left,
                                                   const std::vector<IntPair>& right) {
  std::vector<std::pair<Number, Number>> pairs;
  pairs.reserve(left.size());
  for (std::size_t i = 0; i < left.size(); ++i) {
    pairs.emplace_back(Number(left[i].a, left[i].b), Number(right[i].a, right[i].b));
  }
  return pairs;
}

using FracPair = std::pair<TFrac, TFrac>;

#ifdef FRACTION_BENCH_HAVE_BOOST
using Rational = boost::rational<std::int32_t>;
using RationalPair = std::pair<Rational, Rational>;

// A boost user reads and writes rationals with the library's own stream
// operators; it has no other text conversion.
Rational ParseWithBoost(const std::string& text) {
  std::istringstream in(text);
  Rational value;
  in >> value;
  return value;
}

std::string FormatWithBoost(const Rational& value) {
  std::ostringstream out;
  out << value;
  return out.str();
}

bool Same(const TFrac& ours, const Rational& theirs) {
  return ours.Numerator() == theirs.numerator() && ours.Denominator() == theirs.denominator();
}

bool SameAsBoost(const std::vector<IntPair>& left, const std::vector<IntPair>& right,
                 const std::vector<std::string>& texts) {
  int mismatches = 0;
  const auto expect = [&mismatches](bool same, const char* what, const TFrac& x, const TFrac& y) {
    if (!same) {
      std::fprintf(stderr, "%s differs from boost for %s and %s\n", what, x.ToString().c_str(),
                   y.ToString().c_str());
      ++mismatches;
    }
  };
  for (std::size_t i = 0; i < left.size(); ++i) {
    const TFrac x(left[i].a, left[i].b), y(right[i].a, right[i].b);
    const Rational bx(left[i].a, left[i].b), by(right[i].a, right[i].b);
    expect(Same(*x.Add(&y), bx + by), "Add", x, y);
    expect(Same(*x.Multiply(&y), bx * by), "Multiply", x, y);
    expect(Same(*x.Divide(&y), bx / by), "Divide", x, y);
    expect(x.Greater(&y) == (bx > by), "Greater", x, y);
    expect(x.ToString() == FormatWithBoost(bx), "ToString", x, y);
    // The text constructor keeps "4/6" as it is, where boost reduces it.
    const TFrac read(texts[i].c_str());
    expect(Same(TFrac(read.Numerator(), read.Denominator()), ParseWithBoost(texts[i])), "Text", x,
           y);
  }
  return mismatches == 0;
}
#endif

}  // namespace

void RegisterOperationBenchmarks() {
  const std::vector<IntPair> left = SmallOperands(1), right = SmallOperands(2);
  const std::vector<std::string> texts = Texts(left);
  const auto fractions = Numbers<TFrac>(left);
  const auto fraction_pairs = NumberPairs<TFrac>(left, right);
#ifdef FRACTION_BENCH_HAVE_BOOST
  const auto rationals = Numbers<Rational>(left);
  const auto rational_pairs = NumberPairs<Rational>(left, right);
#endif

  RegisterCase("Add/TFrac/random", fraction_pairs,
               [](const FracPair& p) { return p.first.Add(&p.second); });
#ifdef FRACTION_BENCH_HAVE_BOOST
  RegisterCase("Add/boost/random", rational_pairs,
               [](const RationalPair& p) { return p.first + p.second; });
#endif
  RegisterCase("Multiply/TFrac/random", fraction_pairs,
               [](const FracPair& p) { return p.first.Multiply(&p.second); });
#ifdef FRACTION_BENCH_HAVE_BOOST
  RegisterCase("Multiply/boost/random", rational_pairs,
               [](const RationalPair& p) { return p.first * p.second; });
#endif
  RegisterCase("Divide/TFrac/random", fraction_pairs,
               [](const FracPair& p) { return p.first.Divide(&p.second); });
#ifdef FRACTION_BENCH_HAVE_BOOST
  RegisterCase("Divide/boost/random", rational_pairs,
               [](const RationalPair& p) { return p.first / p.second; });
#endif
  RegisterCase("Greater/TFrac/random", fraction_pairs,
               [](const FracPair& p) { return p.first.Greater(&p.second); });
#ifdef FRACTION_BENCH_HAVE_BOOST
  RegisterCase("Greater/boost/random", rational_pairs,
               [](const RationalPair& p) { return p.first > p.second; });
#endif
  // The text constructor does not need the heap; the allocation is there
  // because fractions are handed around as std::unique_ptr<TFrac>.
  RegisterCase("FromText/TFrac/random", texts,
               [](const std::string& text) { return std::make_unique<TFrac>(text.c_str()); });
#ifdef FRACTION_BENCH_HAVE_BOOST
  RegisterCase("FromText/boost/random", texts, ParseWithBoost);
#endif
  RegisterCase("ToString/TFrac/random", fractions, [](const TFrac& x) { return x.ToString(); });
#ifdef FRACTION_BENCH_HAVE_BOOST
  RegisterCase("ToString/boost/random", rationals, FormatWithBoost);

  for (const char* operation : {"Add", "Multiply", "Divide", "Greater", "FromText", "ToString"}) {
    AddComparison({std::string(operation) + "/TFrac", std::string(operation) + "/boost", 2.0});
  }
  AddSameWorkCheck("operations", [left, right, texts] { return SameAsBoost(left, right, texts); });
#endif
}

}  // namespace fraction::bench
