#include "big_parts.h"

#include <gmp.h>
#include <gmpxx.h>

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <numeric>
#include <string>

#include "fraction/big_fraction.h"
#include "fraction/detail/integers.h"

namespace fraction::internal {
namespace {

// The limbs of x, least significant first; the count of those up to the
// highest nonzero one.
template <std::size_t Count, class Unsigned>
int ToLimbs(Unsigned x, std::array<mp_limb_t, Count>& limbs) {
  int size = 0, count = 0;
  for (mp_limb_t& limb : limbs) {
    limb = static_cast<mp_limb_t>(x);
    x = Count > 1 ? x >> (GMP_NUMB_BITS % (8 * sizeof(Unsigned))) : 0;
    ++count;
    size = limb != 0 ? count : size;
  }
  return size;
}

}  // namespace

int SignOf(const BigFraction& x) {
  return Access::OnHeap(x) ? mpq_sgn(Access::Heap(x).get_mpq_t()) : SignOf(Access::Numerator(x));
}

void SetMpz(mpz_ptr z, bool negative, Uint128 magnitude) {
  std::array<mp_limb_t, kLimbs128> limbs{};
  const int size = ToLimbs(magnitude, limbs);
  std::copy_n(limbs.begin(), size, mpz_limbs_write(z, static_cast<mp_size_t>(kLimbs128)));
  mpz_limbs_finish(z, negative ? -size : size);
}

std::uint64_t Low64(mpz_srcptr z) {
  std::uint64_t magnitude = 0;
  for (auto i = static_cast<mp_size_t>(std::min(mpz_size(z), kLimbs64)); i-- > 0;) {
    magnitude = (kLimbs64 > 1 ? magnitude << (GMP_NUMB_BITS % 64) : 0) | mpz_getlimbn(z, i);
  }
  return magnitude;
}

bool FitsInline(mpz_srcptr z) { return mpz_size(z) <= kLimbs64 && Low64(z) <= kLargestInline; }

std::int64_t InlineValue(mpz_srcptr z) {
  const auto value = static_cast<std::int64_t>(Low64(z));
  return mpz_sgn(z) < 0 ? -value : value;
}

BigFraction Canonical(HeapRational value) {
  const mpq_srcptr q = value->get_mpq_t();
  if (FitsInline(mpq_numref(q)) && FitsInline(mpq_denref(q))) {
    return Access::Inline(InlineValue(mpq_numref(q)),
                          static_cast<std::uint64_t>(InlineValue(mpq_denref(q))));
  }
  return Access::FromHeap(std::move(value));
}

BigFraction OnHeap(Int128 n, Uint128 d) {
  const Uint128 magnitude = n < 0 ? 0 - static_cast<Uint128>(n) : static_cast<Uint128>(n);
  auto value = internal::NewRational();
  SetMpz(mpq_numref(value->get_mpq_t()), n < 0, magnitude);
  SetMpz(mpq_denref(value->get_mpq_t()), false, d);
  return Access::FromHeap(std::move(value));
}

BigFraction Reduced(bool negative, Uint128 n, Uint128 d) {
  if (n <= kLargestInline && d <= kLargestInline) {
    const auto g = static_cast<std::uint64_t>(
        detail::BinaryGcd(static_cast<std::int64_t>(n), static_cast<std::int64_t>(d)));
    const auto magnitude = static_cast<std::int64_t>(n / g);
    return Access::Inline(negative ? -magnitude : magnitude, static_cast<std::uint64_t>(d / g));
  }
  if (n <= UINT64_MAX && d <= UINT64_MAX) {
    const std::uint64_t g = std::gcd(static_cast<std::uint64_t>(n), static_cast<std::uint64_t>(d));
    return LowestTerms(negative ? -static_cast<Int128>(n / g) : static_cast<Int128>(n / g), d / g);
  }
  auto value = internal::NewRational();
  SetMpz(mpq_numref(value->get_mpq_t()), negative, n);
  SetMpz(mpq_denref(value->get_mpq_t()), false, d);
  mpq_canonicalize(value->get_mpq_t());
  return Canonical(std::move(value));
}

BigFraction FromLowestTerms(mpz_srcptr n, mpz_srcptr d) {
  if (FitsInline(n) && FitsInline(d)) {
    return Access::Inline(InlineValue(n), Low64(d));
  }
  auto value = internal::NewRational();
  mpz_set(mpq_numref(value->get_mpq_t()), n);
  mpz_set(mpq_denref(value->get_mpq_t()), d);
  return Access::FromHeap(std::move(value));
}

MpqView::MpqView(const BigFraction& x) : pointer_(&inline_) {
  if (Access::OnHeap(x)) {
    pointer_ = Access::Heap(x).get_mpq_t();
    return;
  }
  const std::int64_t n = Access::Numerator(x);
  const int numerator_size = ToLimbs(detail::Magnitude(n), numerator_);
  const int denominator_size = ToLimbs(Access::Denominator(x), denominator_);
  mpz_roinit_n(mpq_numref(&inline_), numerator_.data(), n < 0 ? -numerator_size : numerator_size);
  mpz_roinit_n(mpq_denref(&inline_), denominator_.data(), denominator_size);
}

void AppendDigits(std::string& text, mpz_srcptr z) {
  const std::size_t start = text.size();
  text.resize(start + mpz_sizeinbase(z, 10) + 2);
  mpz_get_str(&text[start], 10, z);
  text.resize(start + std::char_traits<char>::length(&text[start]));
}

}  // namespace fraction::internal
