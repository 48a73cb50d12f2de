#ifndef FRACTION_WRAPPING_H
#define FRACTION_WRAPPING_H

#include <cstdint>

// Two's complement arithmetic in 32 bits. Signed overflow is undefined in
// C++, so the work is done in unsigned arithmetic, where it wraps by
// definition, and mapped back without an out-of-range conversion.
namespace fraction::wrapping {

constexpr std::int32_t FromBits(std::uint32_t bits) {
  return bits <= 0x7FFFFFFFu ? static_cast<std::int32_t>(bits)
                             : static_cast<std::int32_t>(bits - 0x80000000u) + INT32_MIN;
}

constexpr std::uint32_t Bits(std::int32_t value) { return static_cast<std::uint32_t>(value); }

constexpr std::int32_t Negate(std::int32_t x) { return FromBits(0u - Bits(x)); }

// The low 32 bits of a wider value: what the same sums and products give
// when every step wraps around in 32 bits.
constexpr std::int32_t Narrow(std::int64_t x) {
  return FromBits(static_cast<std::uint32_t>(static_cast<std::uint64_t>(x)));
}

// x + y modulo 2^64: exact wherever the sum fits in 64 bits; its low 32 bits
// are right in every case.
constexpr std::int64_t Add(std::int64_t x, std::int64_t y) {
  const std::uint64_t bits = static_cast<std::uint64_t>(x) + static_cast<std::uint64_t>(y);
  return bits <= 0x7FFFFFFFFFFFFFFFu
             ? static_cast<std::int64_t>(bits)
             : static_cast<std::int64_t>(bits - 0x8000000000000000u) + INT64_MIN;
}

}  // namespace fraction::wrapping

#endif  // FRACTION_WRAPPING_H
