#include "inputs.h"

#include <climits>
#include <random>

namespace fraction::bench {
namespace {

// The few fixed pairs repeated over the whole array.
std::vector<IntPair> Repeated(const std::vector<IntPair>& few) {
  std::vector<IntPair> pairs(kInputCount);
  for (std::size_t i = 0; i < kInputCount; ++i) {
    pairs[i] = few[i % few.size()];
  }
  return pairs;
}

std::vector<IntPair> RandomPairs(std::int32_t low, std::int32_t high, std::int32_t denominator_high,
                                 bool zero_numerator, std::uint32_t seed) {
  // A fixed seed: the same arrays on every run built with the same library.
  std::mt19937 engine(seed);
  std::uniform_int_distribution<std::int32_t> numerator(low, high);
  std::uniform_int_distribution<std::int32_t> denominator(1, denominator_high);
  std::vector<IntPair> pairs(kInputCount);
  for (IntPair& pair : pairs) {
    do {
      pair.a = numerator(engine);
    } while (!zero_numerator && pair.a == 0);
    pair.b = denominator(engine);
  }
  return pairs;
}

}  // namespace

std::vector<PairSet> ConstructionInputs() {
  constexpr std::int32_t kF46 = 1836311903, kF45 = 1134903170;
  return {
      {"fibonacci", Repeated({{kF46, kF45}, {-kF46, kF45}, {kF45, kF46}, {-kF45, kF46}})},
      {"max_pair",
       Repeated(
           {{INT32_MAX, INT32_MAX - 1}, {-INT32_MAX, INT32_MAX - 1}, {INT32_MAX - 1, INT32_MAX}})},
      {"extremes", Repeated({{INT32_MAX, 1},
                             {1, INT32_MAX},
                             {-INT32_MAX, INT32_MAX},
                             {INT32_MAX, 1 << 30},
                             {-(1 << 30), INT32_MAX},
                             {0, INT32_MAX}})},
      {"random", RandomPairs(INT32_MIN + 1, INT32_MAX, INT32_MAX, true, 20240601)},
  };
}

std::vector<IntPair> SmallOperands(std::uint32_t seed) {
  return RandomPairs(-30000, 30000, 30000, false, seed);
}

std::vector<std::string> Texts(const std::vector<IntPair>& pairs) {
  std::vector<std::string> texts;
  texts.reserve(pairs.size());
  for (const IntPair& pair : pairs) {
    texts.push_back(std::to_string(pair.a) + '/' + std::to_string(pair.b));
  }
  return texts;
}

}  // namespace fraction::bench
