#include <gmp.h>

#include <cstddef>
#include <cstdint>

#include "big_parts.h"
#include "fraction/big_fraction.h"
#include "fraction/detail/value_hash.h"

namespace {

// The limbs of z, its sign and length mixed in, after `h`.
std::uint64_t MixedIn(std::uint64_t h, mpz_srcptr z) {
  h = fraction::detail::MixBits(h ^ static_cast<std::uint64_t>(z->_mp_size));
  for (mp_size_t i = 0; i < static_cast<mp_size_t>(mpz_size(z)); ++i) {
    h = fraction::detail::MixBits(h ^ mpz_getlimbn(z, i));
  }
  return h;
}

}  // namespace

// An inline value hashes as TFrac's hash does the same value, by the same
// function of its lowest terms. A value on the heap is never equal to an
// inline one, nor to any TFrac, and hashes its canonical digits.
std::size_t std::hash<fraction::BigFraction>::operator()(
    const fraction::BigFraction& x) const noexcept {
  using fraction::internal::Access;
  if (!Access::OnHeap(x)) {
    return static_cast<std::size_t>(fraction::detail::HashOfLowestTerms(
        Access::Numerator(x), static_cast<std::int64_t>(Access::Denominator(x))));
  }
  const mpq_srcptr q = Access::Heap(x).get_mpq_t();
  return static_cast<std::size_t>(MixedIn(MixedIn(0, mpq_numref(q)), mpq_denref(q)));
}
