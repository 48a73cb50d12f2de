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

constexpr std::int32_t Add(std::int32_t x, std::int32_t y) { return FromBits(Bits(x) + Bits(y)); }

constexpr std::int32_t Subtract(std::int32_t x, std::int32_t y) {
  return FromBits(Bits(x) - Bits(y));
}

// Multiplied as 64-bit unsigned values: uint32_t operands could be promoted
// to a signed int where int is wider than 32 bits.
constexpr std::int32_t Multiply(std::int32_t x, std::int32_t y) {
  const std::uint64_t product = std::uint64_t{Bits(x)} * Bits(y);
  return FromBits(static_cast<std::uint32_t>(product));
}

}  // namespace fraction::wrapping

#endif  // FRACTION_WRAPPING_H
