// Fractions on the heap: the per-thread cache of freed blocks behind
// TFrac's operator new and delete, and the methods that hand their results
// over on the heap. One translation unit, so that the allocation inlines
// into the methods.
#include <cstddef>
#include <functional>
#include <memory>
#include <new>

#include "fraction/detail/address_sanitizer.h"
#include "fraction/tfrac.h"

namespace fraction {

#if FRACTION_THREAD_CACHE
namespace {

using detail::AddressSanitizerPresent;

// Storage of a freed fraction, kept for the next one made on this thread.
struct FreeBlock {
  FreeBlock* next;
};

// Each thread's freed blocks, at most kLimit of them. A plain thread_local
// with constant initialisation, so that the fast paths pay no
// initialisation check: a thread starts with no room, and its first freed
// fraction opens the cache (Open) on the slow path.
struct Cache {
  FreeBlock* head;
  int room;     // blocks it may still take: 0 when full, closed or not yet open
  bool opened;  // Open has run on this thread
};
constexpr int kLimit = 256;
thread_local Cache cache{nullptr, 0, false};  // NOLINT(*-avoid-non-const-global-variables)

// Gives the thread's blocks back to the heap when the thread ends, and
// leaves the cache without room, so that what the thread's later exit code
// frees goes straight to the heap.
struct Releaser {
  Releaser() = default;
  Releaser(const Releaser&) = delete;
  Releaser& operator=(const Releaser&) = delete;
  Releaser(Releaser&&) = delete;
  Releaser& operator=(Releaser&&) = delete;
  ~Releaser() {
    while (cache.head != nullptr) {
      FreeBlock* const block = cache.head;
      cache.head = block->next;
      ::operator delete(block);
    }
    cache.room = 0;
  }
};

// Once per thread: makes room, and the Releaser that empties the cache at
// the thread's end, unless a memory checker must see every block. Whether
// there is room now.
bool Open() {
  if (cache.opened) {
    return false;  // full, closed, or left shut for the checker
  }
  cache.opened = true;
  if (AddressSanitizerPresent()) {
    return false;
  }
  thread_local Releaser releaser;
  cache.room = kLimit;
  return true;
}

// A kept block for a fraction, or nullptr.
void* Reuse(std::size_t size) {
  FreeBlock* const block = cache.head;
  if (size != sizeof(TFrac) || block == nullptr) {
    return nullptr;
  }
  cache.head = block->next;
  ++cache.room;
  return block;
}

// Keeps a fraction's block if there is room, else gives it back to the heap.
void Keep(void* pointer, std::size_t size) {
  if (size != sizeof(TFrac) || (cache.room == 0 && !Open())) {
    ::operator delete(pointer);
    return;
  }
  auto* const block = static_cast<FreeBlock*>(pointer);
  block->next = cache.head;
  cache.head = block;
  --cache.room;
}

}  // namespace

void* TFrac::operator new(std::size_t size) {  // NOLINT(misc-new-delete-overloads): sized delete
  void* const block = Reuse(size);
  return block != nullptr ? block : ::operator new(size);
}

// NOLINTNEXTLINE(misc-new-delete-overloads): the nothrow delete below
void* TFrac::operator new(std::size_t size, const std::nothrow_t& tag) noexcept {
  void* const block = Reuse(size);
  return block != nullptr ? block : ::operator new(size, tag);
}

void TFrac::operator delete(void* pointer, std::size_t size) noexcept {
  if (pointer != nullptr) {
    Keep(pointer, size);
  }
}

#else  // Built without the cache: every block comes from the heap and goes back.

void* TFrac::operator new(std::size_t size) {  // NOLINT(misc-new-delete-overloads): sized delete
  return ::operator new(size);
}

// NOLINTNEXTLINE(misc-new-delete-overloads): the nothrow delete below
void* TFrac::operator new(std::size_t size, const std::nothrow_t& tag) noexcept {
  return ::operator new(size, tag);
}

void TFrac::operator delete(void* pointer, std::size_t /*size*/) noexcept {
  ::operator delete(pointer);
}

#endif

// Called only when a constructor throws after a nothrow new, which TFrac's
// constructors never do.
void TFrac::operator delete(void* pointer, const std::nothrow_t& /*tag*/) noexcept {
  ::operator delete(pointer);
}

namespace {

// The methods hand their result over on the heap; a null operand yields none.
template <class Operation>
std::unique_ptr<TFrac> OnHeap(const TFrac& x, const TFrac* y, Operation operation) {
  if (y == nullptr) {
    return nullptr;
  }
  return std::make_unique<TFrac>(operation(x, *y));
}

}  // namespace

std::unique_ptr<TFrac> TFrac::Add(const TFrac* other) const {
  return OnHeap(*this, other, std::plus<>());
}

std::unique_ptr<TFrac> TFrac::Subtract(const TFrac* other) const {
  return OnHeap(*this, other, std::minus<>());
}

std::unique_ptr<TFrac> TFrac::Multiply(const TFrac* other) const {
  return OnHeap(*this, other, std::multiplies<>());
}

std::unique_ptr<TFrac> TFrac::Divide(const TFrac* other) const {
  return OnHeap(*this, other, std::divides<>());
}

// The square of a fraction in lowest terms is in lowest terms; where it
// fits, the two-integer constructor would store it as it is.
std::unique_ptr<TFrac> TFrac::Square() const {
  const detail::Wide square = detail::Product(*this, *this);
  if (lowest_terms && detail::Fits(square.numerator, square.denominator)) {
    return std::make_unique<TFrac>(TFrac(InLowestTerms{}, detail::Narrow(square.numerator),
                                         detail::Narrow(square.denominator)));
  }
  return std::make_unique<TFrac>(detail::Wrapped(square));
}

// The reciprocal of zero yields zero. That of a nonzero fraction in lowest
// terms is in lowest terms; the numerator is not INT32_MIN, so its
// magnitude fits.
std::unique_ptr<TFrac> TFrac::Reverse() const {
  if (numerator == 0) {
    return std::make_unique<TFrac>(0, 1);
  }
  const detail::Wide reciprocal = detail::Reciprocal(*this);
  if (lowest_terms) {
    return std::make_unique<TFrac>(TFrac(InLowestTerms{}, detail::Narrow(reciprocal.numerator),
                                         detail::Narrow(reciprocal.denominator)));
  }
  return std::make_unique<TFrac>(detail::Wrapped(reciprocal));
}

}  // namespace fraction
