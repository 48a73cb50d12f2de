#ifndef FRACTION_BENCH_BIG_FRACTION_BENCH_H
#define FRACTION_BENCH_BIG_FRACTION_BENCH_H

namespace fraction_bench {

// Registers BigFraction's cases and rows of the ratio table, after checking
// that every baseline gives the same results.
void CompareBigFractions();

// Registers the workloads (H_n, Bernoulli numbers, the Hilbert matrix's
// inverse) for BigFraction and the others, after checking that all give
// the same, known results.
void CompareBigWorkloads();

}  // namespace fraction_bench

#endif  // FRACTION_BENCH_BIG_FRACTION_BENCH_H
