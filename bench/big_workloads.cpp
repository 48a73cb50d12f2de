// Whole computations that need exact fractions of any size, the same
// algorithm for each kind: the harmonic number H_n, the Bernoulli numbers
// B_0..B_n by Akiyama and Tanigawa's algorithm, and the inverse of the n×n
// Hilbert matrix by Gauss–Jordan elimination. BigFraction runs beside GMP's
// mpq_class, FLINT's fmpq and Boost's cpp_rational, each through its own
// operators (fmpq's are FLINT's C functions, in bench/big_numbers.h).
#include <benchmark/benchmark.h>
#include <gmpxx.h>

#include <cstdio>
#include <iterator>
#include <string>
#include <type_traits>
#include <vector>

#include "big_fraction_bench.h"
#include "big_numbers.h"
#include "ratio_table.h"

namespace fraction_bench {
namespace {

// p/q for q >= 1, built as each kind builds it best: GMP's rational from
// two machine words, without an mpz_class for each.
template <class Number>
Number Ratio(long p, long q) {
  return Number(p, q);
}
template <>
mpq_class Ratio<mpq_class>(long p, long q) {
  mpq_class ratio;
  mpq_set_si(ratio.get_mpq_t(), p, static_cast<unsigned long>(q));
  ratio.canonicalize();
  return ratio;
}

// H_n = 1/1 + 1/2 + ... + 1/n.
template <class Number>
Number Harmonic(long n) {
  Number sum;
  for (long k = 1; k <= n; ++k) {
    sum += Ratio<Number>(1, k);
  }
  return sum;
}

// B_0..B_n by Akiyama and Tanigawa's algorithm: a row that starts as
// 1/(m + 1) and is differenced back to its first entry, B_m, which takes
// B_1 = +1/2.
template <class Number>
std::vector<Number> Bernoulli(long n) {
  std::vector<Number> row(static_cast<std::size_t>(n) + 1), numbers;
  for (long m = 0; m <= n; ++m) {
    row[static_cast<std::size_t>(m)] = Ratio<Number>(1, m + 1);
    for (long j = m; j >= 1; --j) {
      const auto at = static_cast<std::size_t>(j);
      row[at - 1] -= row[at];
      row[at - 1] *= j;
    }
    numbers.push_back(row[0]);
  }
  return numbers;
}

// The inverse of the n×n Hilbert matrix, H[i][j] = 1 / (i + j + 1) from 0,
// by Gauss–Jordan elimination on [H | I]. H is positive definite, so each
// pivot is nonzero where it stands and no rows are swapped.
template <class Number>
std::vector<Number> HilbertInverse(long n) {
  const auto size = static_cast<std::size_t>(n);
  std::vector<std::vector<Number>> rows(size, std::vector<Number>(2 * size));
  for (std::size_t i = 0; i < size; ++i) {
    for (std::size_t j = 0; j < size; ++j) {
      rows[i][j] = Ratio<Number>(1, static_cast<long>(i + j + 1));
    }
    rows[i][size + i] = Ratio<Number>(1, 1);
  }
  for (std::size_t c = 0; c < size; ++c) {
    const Number pivot = rows[c][c];
    for (std::size_t j = c; j < 2 * size; ++j) {
      rows[c][j] /= pivot;
    }
    for (std::size_t r = 0; r < size; ++r) {
      if (r == c) continue;
      const Number factor = rows[r][c];
      for (std::size_t j = c; j < 2 * size; ++j) {
        SubtractProduct(rows[r][j], factor, rows[c][j]);
      }
    }
  }
  std::vector<Number> inverse;
  for (std::vector<Number>& row : rows) {
    inverse.insert(inverse.end(), std::make_move_iterator(row.begin() + n),
                   std::make_move_iterator(row.end()));
  }
  return inverse;
}

std::vector<mpq_class> AsMpq(const mpq_class& x) { return {x}; }
template <class Number>
std::vector<mpq_class> AsMpq(const Number& x) {
  return {ToMpq(x)};
}
template <class Number>
std::vector<mpq_class> AsMpq(const std::vector<Number>& values) {
  std::vector<mpq_class> converted;
  for (const Number& x : values) converted.push_back(ToMpq(x));
  return converted;
}

// The inverse's closed form: (−1)^(i+j) (i + j + 1) C(n + i, n − j − 1)
// C(n + j, n − i − 1) C(i + j, i)^2, from 0.
std::vector<mpq_class> HilbertInverseClosedForm(long n) {
  const auto binomial = [](long top, long bottom) {
    mpz_class value;
    mpz_bin_uiui(value.get_mpz_t(), static_cast<unsigned long>(top),
                 static_cast<unsigned long>(bottom));
    return value;
  };
  std::vector<mpq_class> inverse;
  for (long i = 0; i < n; ++i) {
    for (long j = 0; j < n; ++j) {
      const mpz_class c = binomial(i + j, i);
      mpz_class entry =
          (i + j + 1) * binomial(n + i, n - j - 1) * binomial(n + j, n - i - 1) * c * c;
      inverse.emplace_back((i + j) % 2 == 0 ? entry : mpz_class(-entry));
    }
  }
  return inverse;
}

// One workload: its name, its size, and each kind's run of it.
template <class Run>
void CompareWorkload(const std::string& name, long n, Run run,
                     const std::vector<mpq_class>& expected) {
  const std::string row = name + "/" + std::to_string(n);
  bool same = true;
  const auto check = [&](const char* kind, const std::vector<mpq_class>& result) {
    if (result != expected) {
      std::fprintf(stderr, "%s: %s gives another result\n", row.c_str(), kind);
      same = false;
    }
  };
  check("BigFraction", AsMpq(run(BigFraction())));
  check("mpq_class", AsMpq(run(mpq_class())));
  check("fmpq", AsMpq(run(Fmpq())));
  check("cpp_rational", AsMpq(run(cpp_rational())));
  if (!same) {
    all_same = false;
    return;
  }
  // About a second of runs per repetition; cpp_rational, timed for
  // comparison only and up to a thousand times slower, runs once.
  const auto timed = [&row, run](const char* kind, auto number) {
    benchmark::internal::Benchmark* const benchmark = benchmark::RegisterBenchmark(
        (row + "/" + kind).c_str(), [run, number](benchmark::State& state) {
          for (auto _ : state) {
            auto result = run(number);
            benchmark::DoNotOptimize(result);
          }
        });
    benchmark->Unit(benchmark::kMillisecond)->ComputeStatistics("fastest", Fastest);
    if (std::is_same_v<decltype(number), cpp_rational>) {
      benchmark->Repetitions(1)->Iterations(1);
    } else {
      benchmark->MinTime(1.0);
    }
  };
  timed("BigFraction", BigFraction());
  timed("mpq_class", mpq_class());
  timed("fmpq", Fmpq());
  timed("cpp_rational", cpp_rational());
  for (const char* baseline : {"mpq_class", "fmpq", "cpp_rational"}) {
    rows.push_back({row, "BigFraction", baseline, 100});
  }
}

}  // namespace

void CompareBigWorkloads() {
  constexpr long kHarmonic = 10000, kBernoulli = 400, kHilbert = 80;
  // Each run takes a value of its kind only to say which kind it is.
  const auto harmonic = [](auto kind) { return Harmonic<decltype(kind)>(kHarmonic); };
  const auto bernoulli = [](auto kind) { return Bernoulli<decltype(kind)>(kBernoulli); };
  const auto hilbert = [](auto kind) { return HilbertInverse<decltype(kind)>(kHilbert); };
  const std::vector<mpq_class> numbers = AsMpq(Bernoulli<mpq_class>(kBernoulli));
  if (numbers.at(20) != mpq_class(-174611, 330) || numbers.at(1) != mpq_class(1, 2)) {
    std::fprintf(stderr, "Bernoulli: B_20 or B_1 is wrong\n");
    all_same = false;
  }
  CompareWorkload("BigHarmonic", kHarmonic, harmonic, AsMpq(Harmonic<mpq_class>(kHarmonic)));
  CompareWorkload("BigBernoulli", kBernoulli, bernoulli, numbers);
  CompareWorkload("BigHilbertInverse", kHilbert, hilbert, HilbertInverseClosedForm(kHilbert));
}

}  // namespace fraction_bench
