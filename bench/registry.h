#ifndef FRACTION_BENCH_REGISTRY_H
#define FRACTION_BENCH_REGISTRY_H

#include <benchmark/benchmark.h>

#include <functional>
#include <string>

namespace fraction::bench {

// A measured case and the baseline it is judged against. Benchmark names are
// "<case>/<implementation>[/<input>]"; the subject "Add/TFrac" and the
// baseline "Add/boost" pair "Add/TFrac/random" with "Add/boost/random".
struct Comparison {
  std::string subject;
  std::string baseline;
  double target = 0;  // the largest acceptable time ratio; 0 for none
};
void AddComparison(Comparison comparison);

// A check, run before any timing, that a case and its baseline compute the
// same results, so that their times compare the same work. It describes
// each mismatch on standard error and returns false if there was one.
void AddSameWorkCheck(std::string name, std::function<bool()> check);

// Adds the fastest repetition to a benchmark's statistics, the one the
// ratios use: on a machine shared with other work, that work only ever adds
// time, so the least time is the least disturbed.
benchmark::internal::Benchmark* WithFastest(benchmark::internal::Benchmark* benchmark);

// Each group registers its benchmarks, comparisons and checks; main calls
// them in this order, which is the order of the output.
void RegisterConstructionBenchmarks();
void RegisterOperationBenchmarks();

}  // namespace fraction::bench

#endif  // FRACTION_BENCH_REGISTRY_H
