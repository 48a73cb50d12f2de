// Large values' rationals, kept per thread for the next ones: a result on
// the heap then takes the block and the digits of one given back before,
// as GMP's own rationals reuse theirs when assigned to, instead of three
// allocations and three releases.
#include <gmp.h>
#include <gmpxx.h>

#include <cstddef>
#include <vector>

#include "big_parts.h"
#include "fraction/big_fraction.h"
#include "fraction/detail/address_sanitizer.h"

namespace fraction {
namespace {

#if FRACTION_THREAD_CACHE

// Up to kKept rationals of moderate size, so that what a thread keeps
// stays within kKeptLimbs limbs (2 MiB) of digits and 64 KiB of places.
// Enough for a whole matrix's worth of values: an elimination step zeroes a
// column of large values at once and fills as many new ones after it, and
// a computation's results are given back together. With 256 kept, the
// inverse of the 80×80 Hilbert matrix allocated and freed some twelve
// thousand blocks a run, and took up to a tenth longer on a large heap
// (bench/README.md, workloads).
constexpr std::size_t kKept = 8192;
constexpr std::size_t kKeptLimbs = std::size_t{1} << 18;
constexpr int kLargestKeptLimbs = 256;

// Constant-initialised, so that the fast paths pay no initialisation check:
// a thread's first rational given back opens the cache (Open), which then
// gets its places.
struct Cache {
  mpq_class** kept;  // kKept places once open
  std::size_t count;
  std::size_t limbs;  // of the kept rationals' digits
  bool open;          // takes rationals: opened, and not yet released
  bool opened;        // Open has run on this thread
};
// NOLINTNEXTLINE(*-avoid-non-const-global-variables)
thread_local Cache cache{nullptr, 0, 0, false, false};

// Owns the thread's places, and gives the thread's rationals back when the
// thread ends, and closes the cache, so that what the thread's later exit
// code frees is freed at once.
class Releaser {
 public:
  Releaser() : places_(kKept) {}
  Releaser(const Releaser&) = delete;
  Releaser& operator=(const Releaser&) = delete;
  Releaser(Releaser&&) = delete;
  Releaser& operator=(Releaser&&) = delete;
  ~Releaser() {
    cache.open = false;
    for (std::size_t i = 0; i < cache.count; ++i) {
      delete cache.kept[i];
    }
    cache.count = 0;
    cache.limbs = 0;
    cache.kept = nullptr;
  }

  [[nodiscard]] mpq_class** Places() { return places_.data(); }

 private:
  std::vector<mpq_class*> places_;
};

// Once per thread: opens the cache, with the Releaser that empties it at
// the thread's end, unless AddressSanitizer must see every block (see
// fraction/detail/address_sanitizer.h). Whether it is open.
bool Open() {
  if (!cache.opened) {
    cache.opened = true;
    if (!detail::AddressSanitizerPresent()) {
      thread_local Releaser releaser;
      cache.kept = releaser.Places();
      cache.open = true;
    }
  }
  return cache.open;
}

bool Small(mpz_srcptr z) { return z->_mp_alloc <= kLargestKeptLimbs; }

// The limbs of digits that q holds.
std::size_t Limbs(mpq_srcptr q) {
  return static_cast<std::size_t>(mpq_numref(q)->_mp_alloc) +
         static_cast<std::size_t>(mpq_denref(q)->_mp_alloc);
}

#endif

}  // namespace

namespace internal {

HeapRational NewRational() {
#if FRACTION_THREAD_CACHE
  if (cache.count > 0) {
    mpq_class* const kept = cache.kept[--cache.count];
    cache.limbs -= Limbs(kept->get_mpq_t());
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
  if (cache.count < kKept && Small(mpq_numref(q)) && Small(mpq_denref(q)) &&
      cache.limbs + Limbs(q) <= kKeptLimbs && Open()) {
    cache.kept[cache.count++] = value;
    cache.limbs += Limbs(q);
    return;
  }
#endif
  delete value;
}

}  // namespace fraction
