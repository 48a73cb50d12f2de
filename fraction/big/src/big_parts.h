#ifndef FRACTION_BIG_PARTS_H
#define FRACTION_BIG_PARTS_H

// BigFraction's two forms as the library's sources see them: the inline
// parts, the GMP rational on the heap, and the ways between them.

#include <gmp.h>
#include <gmpxx.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "fraction/big_fraction.h"

#if !defined(__SIZEOF_INT128__)
#error "BigFraction's inline arithmetic needs unsigned __int128 (GCC or Clang on a 64-bit target)"
#endif
static_assert(GMP_NAIL_BITS == 0 && GMP_NUMB_BITS % 32 == 0 && GMP_NUMB_BITS <= 64,
              "GMP's limbs must be of 32 or 64 bits without nails");

namespace fraction::detail {

class BigFractionAccess {
 public:
  using ConvergentWalk = BigFraction::ConvergentWalk;

  [[nodiscard]] static bool OnHeap(const BigFraction& x) { return x.OnHeap(); }
  // Inline with a denominator of at least 1: neither an infinity nor NaN
  // nor on the heap. One test for both operands of an operation:
  // InlineFinite(x.denominator | y.denominator) does not hold, but
  // ((dx − 1) | (dy − 1)) >> 63 == 0 does, exactly when both are.
  [[nodiscard]] static bool InlineFinite(const BigFraction& x) {
    return (x.denominator_ - 1) >> 63 == 0;
  }
  [[nodiscard]] static bool InlineFinite(const BigFraction& x, const BigFraction& y) {
    return ((x.denominator_ - 1) | (y.denominator_ - 1)) >> 63 == 0;
  }
  // For an inline value only.
  [[nodiscard]] static std::int64_t Numerator(const BigFraction& x) {
    return x.numerator_;  // NOLINT(cppcoreguidelines-pro-type-union-access)
  }
  [[nodiscard]] static std::uint64_t Denominator(const BigFraction& x) { return x.denominator_; }
  // For a value on the heap only.
  [[nodiscard]] static const mpq_class& Heap(const BigFraction& x) {
    return *x.heap_;  // NOLINT(cppcoreguidelines-pro-type-union-access)
  }
  [[nodiscard]] static mpq_class& Heap(BigFraction& x) {
    return *x.heap_;  // NOLINT(cppcoreguidelines-pro-type-union-access)
  }

  // n/d, known to be in lowest terms with n within ±(2^63 − 1) and d within
  // 1 to 2^63 − 1, or ±1/0 or 0/0.
  [[nodiscard]] static BigFraction Inline(std::int64_t n, std::uint64_t d) {
    return {BigFraction::Inline{}, n, d};
  }
  // A canonical rational that does not fit inline.
  [[nodiscard]] static BigFraction FromHeap(HeapRational value) {
    BigFraction x;
    // NOLINTNEXTLINE(cppcoreguidelines-pro-type-union-access)
    new (&x.heap_) HeapRational(std::move(value));
    x.denominator_ = BigFraction::kOnHeap;
    return x;
  }
};

}  // namespace fraction::detail

namespace fraction::internal {

using Access = detail::BigFractionAccess;
using detail::HeapRational;
using detail::Int128;
using detail::Uint128;

// The largest magnitude of an inline part.
constexpr std::uint64_t kLargestInline = INT64_MAX;

// How many limbs a 64- and a 128-bit magnitude take at most.
constexpr std::size_t kLimbs64 = 64 / GMP_NUMB_BITS;
constexpr std::size_t kLimbs128 = 128 / GMP_NUMB_BITS;

// A rational for a value on the heap, 0/1: one kept by this thread's
// MpqRecycler, with room for its digits, or a new one.
HeapRational NewRational();

// The infinity of sign `sign` (±1), or NaN for 0.
inline BigFraction NonFinite(int sign) { return Access::Inline(sign, 0); }

// The sign, -1, 0 or 1, of an inline value's numerator or of any value.
inline int SignOf(std::int64_t n) { return static_cast<int>(n > 0) - static_cast<int>(n < 0); }
int SignOf(const BigFraction& x);

// z = ±magnitude.
void SetMpz(mpz_ptr z, bool negative, Uint128 magnitude);

// |z| modulo 2^64: |z| itself for |z| < 2^64.
std::uint64_t Low64(mpz_srcptr z);

// Whether |z| <= 2^63 − 1, and then its value.
bool FitsInline(mpz_srcptr z);
std::int64_t InlineValue(mpz_srcptr z);

// A canonical rational: inline if it fits, else on the heap.
BigFraction Canonical(HeapRational value);

// n/d for parts known to be in lowest terms with d >= 1, on the heap.
BigFraction OnHeap(Int128 n, Uint128 d);

// n/d for parts known to be in lowest terms with d >= 1: inline if they
// fit, else on the heap.
inline BigFraction LowestTerms(Int128 n, Uint128 d) {
  // |n| <= 2^63 − 1, in unsigned arithmetic, which wraps by definition.
  if (static_cast<Uint128>(n) + kLargestInline <= 2 * Uint128{kLargestInline} &&
      d <= kLargestInline) {
    return Access::Inline(static_cast<std::int64_t>(n), static_cast<std::uint64_t>(d));
  }
  return OnHeap(n, d);
}

// n/d with d != 0, reduced: inline if it fits, else on the heap.
BigFraction Reduced(bool negative, Uint128 n, Uint128 d);

// n/d for GMP's parts known to be in lowest terms with d >= 1: inline if
// they fit, else copied into a rational on the heap.
BigFraction FromLowestTerms(mpz_srcptr n, mpz_srcptr d);

// A finite value as a GMP rational to read: the one on the heap, or one
// made on the stack over an inline value's parts, which GMP then reads in
// place (mpz_roinit_n) without copying or allocating.
class MpqView {
 public:
  explicit MpqView(const BigFraction& x);
  MpqView(const MpqView&) = delete;
  MpqView& operator=(const MpqView&) = delete;
  MpqView(MpqView&&) = delete;
  MpqView& operator=(MpqView&&) = delete;
  ~MpqView() = default;

  [[nodiscard]] mpq_srcptr Get() const { return pointer_; }

 private:
  std::array<mp_limb_t, kLimbs64> numerator_{};
  std::array<mp_limb_t, kLimbs64> denominator_{};
  __mpq_struct inline_{};
  mpq_srcptr pointer_;
};

// Writes z in decimal, with its sign, after what `text` holds.
void AppendDigits(std::string& text, mpz_srcptr z);

// The number of bits of |z|; 0 for 0.
inline std::uint64_t BitLength(mpz_srcptr z) {
  return mpz_sgn(z) == 0 ? 0 : static_cast<std::uint64_t>(mpz_sizeinbase(z, 2));
}
inline int BitLength(std::uint64_t x) { return x == 0 ? 0 : 64 - __builtin_clzll(x); }
inline int BitLength(Uint128 x) {
  const auto high = static_cast<std::uint64_t>(x >> 64);
  return high != 0 ? 64 + BitLength(high) : BitLength(static_cast<std::uint64_t>(x));
}

}  // namespace fraction::internal

#endif  // FRACTION_BIG_PARTS_H
