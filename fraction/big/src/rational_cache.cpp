// Large values' rationals, kept per thread for the next ones: a result on
// the heap then takes the block and the digits of one given back before,
// as GMP's own rationals reuse theirs when assigned to, instead of three
// allocations and three releases.
#include <gmp.h>
#include <gmpxx.h>

#include <array>
#include <cstddef>

#include "big_parts.h"
#include "fraction/big_fraction.h"
#include "fraction/detail/address_sanitizer.h"

namespace fraction {
namespace {

#if FRACTION_THREAD_CACHE

// A few rationals of moderate size, so that what a thread keeps stays
// within 16 · 2 · 2 KiB of digits.
constexpr std::size_t kKept = 16;
constexpr int kLargestKeptLimbs = 256;

// Constant-initialised, so that the fast paths pay no initialisation check:
// a thread's first rational given back opens the cache (Open).
struct Cache {
  std::array<mpq_class*, kKept> kept;
  std::size_t count;
  bool open;    // takes rationals: opened, and not yet released
  bool opened;  // Open has run on this thread
};
thread_local Cache cache{{}, 0, false, false};  // NOLINT(*-avoid-non-const-global-variables)

// Gives the thread's rationals back when the thread ends, and closes the
// cache, so that what the thread's later exit code frees is freed at once.
struct Releaser {
  Releaser() = default;
  Releaser(const Releaser&) = delete;
  Releaser& operator=(const Releaser&) = delete;
  Releaser(Releaser&&) = delete;
  Releaser& operator=(Releaser&&) = delete;
  ~Releaser() {
    cache.open = false;
    for (std::size_t i = 0; i < cache.count; ++i) {
      delete cache.kept.at(i);
    }
    cache.count = 0;
  }
};

// Once per thread: opens the cache, with the Releaser that empties it at
// the thread's end, unless AddressSanitizer must see every block (see
// fraction/detail/address_sanitizer.h). Whether it is open.
bool Open() {
  if (!cache.opened) {
    cache.opened = true;
    if (!detail::AddressSanitizerPresent()) {
      thread_local Releaser releaser;
      cache.open = true;
    }
  }
  return cache.open;
}

bool Small(mpz_srcptr z) { return z->_mp_alloc <= kLargestKeptLimbs; }

#endif

}  // namespace

namespace internal {

HeapRational NewRational() {
#if FRACTION_THREAD_CACHE
  if (cache.count > 0) {
    mpq_class* const kept = cache.kept.at(--cache.count);
    mpq_set_ui(kept->get_mpq_t(), 0, 1);
    return HeapRational(kept);
  }
#endif
  return HeapRational(new mpq_class());
}

}  // namespace internal

void detail::MpqRecycler::operator()(mpq_class* value) const noexcept {
#if FRACTION_THREAD_CACHE
  const mpq_srcptr q = value->get_mpq_t();
  if (cache.count < kKept && Small(mpq_numref(q)) && Small(mpq_denref(q)) && Open()) {
    cache.kept.at(cache.count++) = value;
    return;
  }
#endif
  delete value;
}

}  // namespace fraction
