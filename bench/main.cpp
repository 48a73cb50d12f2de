// Runs every benchmark, then prints each case's time over its baseline's.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <map>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "registry.h"

namespace fraction::bench {
namespace {

std::string Fixed(double value, int digits) {
  char text[32];
  std::snprintf(text, sizeof text, "%.*f", digits, value);
  return text;
}

std::string Line(const std::string& name, const std::string& time, const std::string& baseline,
                 const std::string& baseline_time, const std::string& ratio,
                 const std::string& target) {
  char text[256];
  std::snprintf(text, sizeof text, "%-38s %10s  %-26s %10s  %6s  %s\n", name.c_str(), time.c_str(),
                baseline.c_str(), baseline_time.c_str(), ratio.c_str(), target.c_str());
  return text;
}

std::vector<Comparison>& Comparisons() {
  static std::vector<Comparison> comparisons;
  return comparisons;
}

std::vector<std::pair<std::string, std::function<bool()>>>& SameWorkChecks() {
  static std::vector<std::pair<std::string, std::function<bool()>>> checks;
  return checks;
}

double Fastest(const std::vector<double>& times) {
  return *std::min_element(times.begin(), times.end());
}

// The console output as usual, and at the end the ratio table. With
// repetitions each case's fastest one is used, otherwise its single run.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  using ConsoleReporter::ConsoleReporter;

  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
      if (run.error_occurred) {
        continue;
      }
      // CPU time leaves out other processes sharing the machine; a case
      // timed in real time (a child process's work) is compared in it.
      const double time =
          run.run_name.time_type.empty() ? run.GetAdjustedCPUTime() : run.GetAdjustedRealTime();
      const double nanoseconds = time * 1e9 / benchmark::GetTimeUnitMultiplier(run.time_unit);
      const std::string name = run.run_name.str();
      if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "fastest") {
        fastest_[name] = nanoseconds;
      } else if (run.run_type == Run::RT_Iteration) {
        singles_[name] = nanoseconds;
      }
    }
  }

  void Finalize() override {
    ConsoleReporter::Finalize();
    std::map<std::string, double> times = std::move(singles_);
    for (const auto& [name, time] : fastest_) {
      times[name] = time;
    }
    std::string table;
    for (const Comparison& comparison : Comparisons()) {
      const std::string& subject = comparison.subject;
      for (const auto& [name, time] : times) {
        const std::string rest = name.substr(std::min(subject.size(), name.size()));
        if (name.compare(0, subject.size(), subject) != 0 || (!rest.empty() && rest[0] != '/')) {
          continue;
        }
        const auto baseline = times.find(comparison.baseline + rest);
        if (baseline == times.end()) {
          continue;
        }
        const double ratio = time / baseline->second;
        std::string target;
        if (comparison.target > 0) {
          target = (ratio <= comparison.target ? "<= " : "MISSED ") + Fixed(comparison.target, 1);
        }
        table += Line(name, Fixed(time, 1), comparison.baseline, Fixed(baseline->second, 1),
                      Fixed(ratio, 2), target);
      }
    }
    if (!table.empty()) {
      GetOutputStream() << "\nTime over the baseline's time (CPU time, or real time where the "
                           "case says so; the fastest repetition when repeated)\n"
                        << Line("Case", "ns", "Baseline", "ns", "Ratio", "Target") << table;
    }
  }

 private:
  std::map<std::string, double> fastest_;
  std::map<std::string, double> singles_;
};

}  // namespace

benchmark::internal::Benchmark* WithFastest(benchmark::internal::Benchmark* benchmark) {
  return benchmark->ComputeStatistics("fastest", Fastest);
}

void AddComparison(Comparison comparison) { Comparisons().push_back(std::move(comparison)); }

void AddSameWorkCheck(std::string name, std::function<bool()> check) {
  SameWorkChecks().emplace_back(std::move(name), std::move(check));
}

}  // namespace fraction::bench

int main(int argc, char** argv) {
  using namespace fraction::bench;
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
    return 1;
  }
  RegisterConstructionBenchmarks();
  RegisterOperationBenchmarks();
  // Times of different work would compare nothing: refuse to run.
  for (const auto& [name, check] : SameWorkChecks()) {
    if (!check()) {
      std::fprintf(stderr, "fraction_bench: %s: a case and its baseline disagree\n", name.c_str());
      return 1;
    }
  }
  RatioReporter reporter(benchmark::ConsoleReporter::OO_Tabular);
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return 0;
}
