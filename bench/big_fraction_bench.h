#ifndef FRACTION_BENCH_BIG_FRACTION_BENCH_H
#define FRACTION_BENCH_BIG_FRACTION_BENCH_H

namespace fraction_bench {

// Registers BigFraction's cases and rows of the ratio table, after checking
// that every baseline gives the same results.
void CompareBigFractions();

}  // namespace fraction_bench

#endif  // FRACTION_BENCH_BIG_FRACTION_BENCH_H
