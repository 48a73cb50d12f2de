// What every benchmark case of the suite shares: inputs stepped through in
// order, the check that a case and its baseline agree before anything is
// timed, and the table of their times' ratios that ends the run.
#ifndef FRACTION_BENCH_RATIO_TABLE_H
#define FRACTION_BENCH_RATIO_TABLE_H

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdio>
#include <map>
#include <ostream>
#include <set>
#include <string>
#include <vector>

namespace fraction_bench {

// Inputs per case: a power of two, so that a loop steps through them with a
// mask; with 65,536 of them in random order the time is the code's, where a
// few hundred repeated ones let the branch predictor learn every gcd's path.
constexpr std::size_t kCount = 65536;

inline double Fastest(const std::vector<double>& times) {
  return *std::min_element(times.begin(), times.end());
}

// Times op(input) per iteration, stepping through the inputs in order; a
// name registered before is not registered again. An op may hand back a
// reference to a result it keeps, which is not copied.
template <class Input, class Op>
void Register(const std::string& name, const std::vector<Input>& inputs, Op op) {
  static std::set<std::string> registered;
  if (!registered.insert(name).second) {
    return;
  }
  const auto run = [&inputs, op](benchmark::State& state) {
    std::size_t i = 0;
    for (auto _ : state) {
      decltype(auto) result = op(inputs[i]);
      benchmark::DoNotOptimize(result);
      i = (i + 1) & (kCount - 1);
    }
  };
  // On a machine shared with other work, that work only ever adds time:
  // the fastest repetition is the least disturbed one.
  benchmark::RegisterBenchmark(name.c_str(), run)->ComputeStatistics("fastest", Fastest);
}

// A row of the ratio table: "<name>/<ours>" over "<name>/<baseline>", and
// the ratio it should stay within, in percent (0 for none).
struct Row {
  std::string name;
  std::string ours;
  std::string baseline;
  int target_percent;
};
inline std::vector<Row> rows;
inline bool all_same = true;

// Registers "<name>/<ours>" and "<name>/<baseline>" and the row of the ratio
// table that compares them, once every input (or every `stride`-th, where
// the baseline takes minutes for them all) gives both the same result.
template <class Ours, class OurOp, class Theirs, class TheirOp, class Same>
void Compare(const std::string& name, const std::string& ours_name, const std::vector<Ours>& ours,
             OurOp our_op, const std::string& baseline, const std::vector<Theirs>& theirs,
             TheirOp their_op, Same same, int target_percent, std::size_t stride = 1) {
  for (std::size_t i = 0; i < kCount; i += stride) {
    if (!same(our_op(ours[i]), their_op(theirs[i]))) {
      std::fprintf(stderr, "%s: %s and %s differ on input %zu\n", name.c_str(), ours_name.c_str(),
                   baseline.c_str(), i);
      all_same = false;
      return;
    }
  }
  Register(name + '/' + ours_name, ours, our_op);
  Register(name + '/' + baseline, theirs, their_op);
  rows.push_back({name, ours_name, baseline, target_percent});
}

// The usual output, then each row's fastest (or only) CPU times and their
// ratio, as a Markdown table for each kind of fraction timed.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  RatioReporter() : ConsoleReporter(OO_Tabular) {}

  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
      if (run.run_type == Run::RT_Iteration ? run.repetitions <= 1
                                            : run.aggregate_name == "fastest") {
        ns_[run.run_name.function_name] =
            run.GetAdjustedCPUTime() * 1e9 / benchmark::GetTimeUnitMultiplier(run.time_unit);
      }
    }
  }

  void Finalize() override {
    ConsoleReporter::Finalize();
    std::map<std::string, std::string> tables;  // by the kind timed
    for (const Row& row : rows) {
      const auto ours = ns_.find(row.name + '/' + row.ours);
      const auto theirs = ns_.find(row.name + '/' + row.baseline);
      if (ours == ns_.end() || theirs == ns_.end()) {
        continue;
      }
      const double ratio = ours->second / theirs->second;
      const int target = row.target_percent;
      char verdict[32] = "-";
      if (target != 0) {
        std::snprintf(verdict, sizeof verdict, "<= %.2f %s", target / 100.0,
                      std::round(ratio * 100) <= target ? "ok" : "MISSED");  // as printed
      }
      char line[200];
      std::snprintf(line, sizeof line, "| %s | %.1f | %s | %.1f | %.2f | %s |\n", row.name.c_str(),
                    ours->second, row.baseline.c_str(), theirs->second, ratio, verdict);
      tables[row.ours] += line;
    }
    for (const auto& [kind, table] : tables) {
      GetOutputStream() << "\n| Case | " << kind
                        << " ns | Baseline | Baseline ns | Ratio | Target |\n"
                        << "|---|---:|---|---:|---:|---|\n"
                        << table;
    }
  }

 private:
  std::map<std::string, double> ns_;
};

}  // namespace fraction_bench

#endif  // FRACTION_BENCH_RATIO_TABLE_H
