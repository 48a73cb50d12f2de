#ifndef FRACTION_BINARY_GCD_H
#define FRACTION_BINARY_GCD_H

#include <cstdint>

namespace fraction {

// The number of trailing zero bits of x, for x != 0.
inline int TrailingZeros(std::uint32_t x) {
#if defined(__GNUC__) || defined(__clang__)
  return __builtin_ctz(x);
#else
  int count = 0;
  for (; (x & 1u) == 0; x >>= 1) ++count;
  return count;
#endif
}

// The greatest common divisor of m in [0, 2^31 - 1] and n in [1, 2^31 - 1].
//
// Stein's binary algorithm with no data-dependent branch but the loop's
// own: std::gcd (libstdc++ 12) branches on which operand is larger at
// every step, which a predictor cannot guess on varied inputs. Each step
// keeps the smaller operand and replaces the larger by their difference,
// made odd again, so both stay odd and positive until the difference is 0.
inline std::int32_t BinaryGcd(std::int32_t m, std::int32_t n) {
  const int shift = TrailingZeros(static_cast<std::uint32_t>(m | n));
  std::int32_t u = n >> TrailingZeros(static_cast<std::uint32_t>(n));
  // Bit 31 stands in for a zero value, where the loop ends at once, and is
  // never the lowest set bit of a nonzero one.
  constexpr std::uint32_t kZero = 0x80000000u;
  std::int32_t v = m;
  int zeros = TrailingZeros(static_cast<std::uint32_t>(v) | kZero);
  while (v != 0) {
    v >>= zeros;
    // u, v in [1, 2^31 - 1], so their difference fits, and so does its
    // magnitude.
    const std::int32_t difference = u - v;
    zeros = TrailingZeros(static_cast<std::uint32_t>(difference) | kZero);
    u = u < v ? u : v;
    v = difference < 0 ? -difference : difference;
  }
  return u << shift;
}

}  // namespace fraction

#endif  // FRACTION_BINARY_GCD_H
