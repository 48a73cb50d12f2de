// Building a fraction from two integers, which reduces it by Gcd, against a
// plain normalisation with std::gcd, on the stack and with one allocation.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>
#include <numeric>

#include "fraction/tfrac.h"
#include "inputs.h"
#include "registry.h"

namespace fraction::bench {
namespace {

// What a user of std::gcd would write; valid inputs only (b > 0).
struct Plain {
  std::int32_t numerator;
  std::int32_t denominator;
};

Plain NormaliseWithStdGcd(std::int32_t a, std::int32_t b) {
  const std::int32_t g = std::gcd(a, b);
  return {a / g, b / g};
}

void GcdTFrac(benchmark::State& state, const std::vector<IntPair>& pairs) {
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(TFrac::Gcd(pairs[i].a, pairs[i].b));
    i = (i + 1) % kInputCount;
  }
}

void GcdStd(benchmark::State& state, const std::vector<IntPair>& pairs) {
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(std::gcd(pairs[i].a, pairs[i].b));
    i = (i + 1) % kInputCount;
  }
}

void ConstructTFracHeap(benchmark::State& state, const std::vector<IntPair>& pairs) {
  std::size_t i = 0;
  for (auto _ : state) {
    auto fraction = std::make_unique<TFrac>(pairs[i].a, pairs[i].b);
    benchmark::DoNotOptimize(fraction.get());
    i = (i + 1) % kInputCount;
  }
}

void ConstructTFracStack(benchmark::State& state, const std::vector<IntPair>& pairs) {
  std::size_t i = 0;
  for (auto _ : state) {
    TFrac fraction(pairs[i].a, pairs[i].b);
    benchmark::DoNotOptimize(fraction);
    i = (i + 1) % kInputCount;
  }
}

void ConstructStdGcdHeap(benchmark::State& state, const std::vector<IntPair>& pairs) {
  std::size_t i = 0;
  for (auto _ : state) {
    auto fraction = std::make_unique<Plain>(NormaliseWithStdGcd(pairs[i].a, pairs[i].b));
    benchmark::DoNotOptimize(fraction.get());
    i = (i + 1) % kInputCount;
  }
}

void ConstructStdGcdStack(benchmark::State& state, const std::vector<IntPair>& pairs) {
  std::size_t i = 0;
  for (auto _ : state) {
    Plain fraction = NormaliseWithStdGcd(pairs[i].a, pairs[i].b);
    benchmark::DoNotOptimize(fraction);
    i = (i + 1) % kInputCount;
  }
}

bool SameAsStdGcd(const PairSet& set) {
  int mismatches = 0;
  for (const IntPair& pair : set.pairs) {
    const TFrac fraction(pair.a, pair.b);
    const Plain plain = NormaliseWithStdGcd(pair.a, pair.b);
    if (TFrac::Gcd(pair.a, pair.b) != std::gcd(pair.a, pair.b) ||
        fraction.Numerator() != plain.numerator || fraction.Denominator() != plain.denominator) {
      std::fprintf(stderr, "%s: %d/%d gives %s, std::gcd %d/%d\n", set.name.c_str(), pair.a, pair.b,
                   fraction.ToString().c_str(), plain.numerator, plain.denominator);
      ++mismatches;
    }
  }
  return mismatches == 0;
}

}  // namespace

void RegisterConstructionBenchmarks() {
  using Case = void (*)(benchmark::State&, const std::vector<IntPair>&);
  for (const PairSet& set : ConstructionInputs()) {
    const auto add = [&set](const std::string& name, Case run) {
      WithFastest(benchmark::RegisterBenchmark((name + '/' + set.name).c_str(), run, set.pairs));
    };
    add("Gcd/TFrac", GcdTFrac);
    add("Gcd/std_gcd", GcdStd);
    add("Construct/TFrac_heap", ConstructTFracHeap);
    add("Construct/std_gcd_heap", ConstructStdGcdHeap);
    add("Construct/TFrac_stack", ConstructTFracStack);
    add("Construct/std_gcd_stack", ConstructStdGcdStack);
    AddSameWorkCheck("construction/" + set.name, [set] { return SameAsStdGcd(set); });
  }
  AddComparison({"Gcd/TFrac", "Gcd/std_gcd"});
  AddComparison({"Construct/TFrac_heap", "Construct/std_gcd_heap", 1.5});
  AddComparison({"Construct/TFrac_stack", "Construct/std_gcd_stack"});
  AddComparison({"Construct/TFrac_heap", "Construct/std_gcd_stack"});
}

}  // namespace fraction::bench
