#ifndef FRACTION_BENCH_FORMAT_BENCH_H
#define FRACTION_BENCH_FORMAT_BENCH_H

namespace fraction_bench {

// Registers Format's cases and rows of the ratio table, after checking that
// every one writes what its baseline writes.
void CompareFormats();

}  // namespace fraction_bench

#endif  // FRACTION_BENCH_FORMAT_BENCH_H
