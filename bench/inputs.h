#ifndef FRACTION_BENCH_INPUTS_H
#define FRACTION_BENCH_INPUTS_H

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace fraction::bench {

// Every input array has this many entries, a power of two so that a loop
// steps through it with a mask; small enough to stay in the L1 cache.
inline constexpr std::size_t kInputCount = 1024;

struct IntPair {
  std::int32_t a;
  std::int32_t b;
};

// A named array of valid two-integer inputs: b > 0 and a != INT32_MIN.
struct PairSet {
  std::string name;
  std::vector<IntPair> pairs;
};

// Euclid's worst cases (consecutive Fibonacci numbers, 2147483647 over
// 2147483646), the extremes of the range, and random 32-bit pairs.
std::vector<PairSet> ConstructionInputs();

// Random operands whose sums, differences and products stay within 32 bits,
// so that boost::rational never throws and no wrap-around takes place:
// numerators in [-30000, 30000] without 0 (a zero divisor throws in
// boost), denominators in [1, 30000]. Not reduced.
std::vector<IntPair> SmallOperands(std::uint32_t seed);

// "n/d" for each pair.
std::vector<std::string> Texts(const std::vector<IntPair>& pairs);

}  // namespace fraction::bench

#endif  // FRACTION_BENCH_INPUTS_H
