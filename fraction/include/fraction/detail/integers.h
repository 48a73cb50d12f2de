#ifndef FRACTION_DETAIL_INTEGERS_H
#define FRACTION_DETAIL_INTEGERS_H

#include <cstdint>
#include <type_traits>

// Integer helpers of the inline core: not part of the library's interface.
namespace fraction::detail {

// Two's complement arithmetic in 32 bits. Signed overflow is undefined in
// C++, so the work is done in unsigned arithmetic, where it wraps by
// definition, and mapped back without an out-of-range conversion.

constexpr std::int32_t FromBits(std::uint32_t bits) {
  return bits <= 0x7FFFFFFFu ? static_cast<std::int32_t>(bits)
                             : static_cast<std::int32_t>(bits - 0x80000000u) + INT32_MIN;
}

constexpr std::uint32_t Bits(std::int32_t value) { return static_cast<std::uint32_t>(value); }

constexpr std::int32_t WrappingNegate(std::int32_t x) { return FromBits(0u - Bits(x)); }

// The low 32 bits of a wider value: what the same sums and products give
// when every step wraps around in 32 bits.
constexpr std::int32_t Narrow(std::int64_t x) {
  return FromBits(static_cast<std::uint32_t>(static_cast<std::uint64_t>(x)));
}

// x + y modulo 2^64: exact wherever the sum fits in 64 bits; its low 32 bits
// are right in every case.
constexpr std::int64_t WrappingAdd(std::int64_t x, std::int64_t y) {
  const std::uint64_t bits = static_cast<std::uint64_t>(x) + static_cast<std::uint64_t>(y);
  return bits <= 0x7FFFFFFFFFFFFFFFu
             ? static_cast<std::int64_t>(bits)
             : static_cast<std::int64_t>(bits - 0x8000000000000000u) + INT64_MIN;
}

constexpr std::int64_t Times(std::int32_t x, std::int32_t y) { return std::int64_t{x} * y; }

// |x|, in unsigned arithmetic, where |INT64_MIN| fits.
constexpr std::uint64_t Magnitude(std::int64_t x) {
  const auto bits = static_cast<std::uint64_t>(x);
  return x < 0 ? 0u - bits : bits;
}

// -1, 0 or 1.
constexpr int Signum(std::int64_t x) { return static_cast<int>(x > 0) - static_cast<int>(x < 0); }

// The factor ±1 that carries the sign of a nonzero x, without a branch:
// signs of varied values are a predictor's guess.
constexpr std::int64_t SignFactor(std::int32_t x) {
  return 1 - 2 * static_cast<std::int64_t>(x < 0);
}

// The largest numerator magnitude and the largest denominator of a fraction
// that fits, 2^31 − 1: -2^31 has no positive counterpart, so it is left out
// of both parts.
constexpr std::int32_t kLargestPart = INT32_MAX;

// Whether a numerator and a denominator fit: the numerator within
// ±kLargestPart, the denominator within 1 to kLargestPart. Nothing here
// says they are in lowest terms. For 64-bit parts, signed or magnitudes.
template <class Integer>
constexpr bool Fits(Integer numerator, Integer denominator) {
  static_assert(std::is_integral_v<Integer> && sizeof(Integer) == sizeof(std::int64_t),
                "parts of 64 bits, where every part of 32 bits fits");
  constexpr auto kLargest = static_cast<Integer>(kLargestPart);
  bool fits = numerator <= kLargest && denominator >= 1 && denominator <= kLargest;
  if constexpr (std::is_signed_v<Integer>) {
    fits = fits && numerator >= -kLargest;
  }
  return fits;
}

// A numerator over a denominator. Whoever gives one says what else holds:
// lowest terms, signs, magnitudes.
template <class Integer>
struct Ratio {
  Integer numerator;
  Integer denominator;
};

// The number of trailing zero bits of x, for x != 0, of 32 or 64 bits.
template <class Unsigned>
constexpr int TrailingZeros(Unsigned x) {
  static_assert(std::is_same_v<Unsigned, std::uint32_t> || std::is_same_v<Unsigned, std::uint64_t>);
#if defined(__GNUC__) || defined(__clang__)
  if constexpr (std::is_same_v<Unsigned, std::uint64_t>) {
    return __builtin_ctzll(x);
  } else {
    return __builtin_ctz(x);
  }
#else
  int count = 0;
  for (; (x & 1u) == 0; x >>= 1) ++count;
  return count;
#endif
}

// The greatest common divisor of m in [0, max] and n in [1, max], for Int
// std::int32_t (TFrac's parts) or std::int64_t (BigFraction's inline ones).
//
// Stein's binary algorithm with no data-dependent branch but the loop's
// own: std::gcd (libstdc++ 12) branches on which operand is larger at
// every step, which a predictor cannot guess on varied inputs. Each step
// keeps the smaller operand and replaces the larger by their difference,
// made odd again, so both stay odd and positive until the difference is 0.
template <class Int>
constexpr Int BinaryGcd(Int m, Int n) {
  static_assert(std::is_same_v<Int, std::int32_t> || std::is_same_v<Int, std::int64_t>);
  using Bits = std::make_unsigned_t<Int>;
  if (m == 0) {
    return n;
  }
  const int shift = TrailingZeros(static_cast<Bits>(m | n));
  Int u = n >> TrailingZeros(static_cast<Bits>(n));
  Int v = m >> TrailingZeros(static_cast<Bits>(m));
  // u, v odd in [1, max], so their difference fits, and so does its
  // magnitude, which is even: made odd again, it replaces the larger one.
  for (Int difference = u - v; difference != 0; difference = u - v) {
    const int zeros = TrailingZeros(static_cast<Bits>(difference));
    u = u < v ? u : v;
    v = (difference < 0 ? -difference : difference) >> zeros;
  }
  return u << shift;
}

}  // namespace fraction::detail

#endif  // FRACTION_DETAIL_INTEGERS_H
