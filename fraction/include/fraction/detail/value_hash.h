#ifndef FRACTION_DETAIL_VALUE_HASH_H
#define FRACTION_DETAIL_VALUE_HASH_H

#include <cstdint>

// The hash of a fraction's value, shared by every fraction type of the
// library, so that equal values hash equal whichever type holds them.
namespace fraction::detail {

// splitmix64's finaliser: values whose bits are close must still spread
// over a hash table's buckets.
constexpr std::uint64_t MixBits(std::uint64_t h) {
  h = (h ^ (h >> 30)) * 0xBF58476D1CE4E5B9u;
  h = (h ^ (h >> 27)) * 0x94D049BB133111EBu;
  return h ^ (h >> 31);
}

// The hash of n/d in lowest terms with d >= 0 (x/0 as ±1/0).
constexpr std::uint64_t HashOfLowestTerms(std::int64_t n, std::int64_t d) {
  return MixBits(static_cast<std::uint64_t>(n) * 0x9E3779B97F4A7C15u +
                 static_cast<std::uint64_t>(d));
}

}  // namespace fraction::detail

#endif  // FRACTION_DETAIL_VALUE_HASH_H
