#include <cstddef>
#include <new>

#include "fraction/tfrac.h"

namespace fraction {
namespace {

// Storage of a freed fraction, kept for the next one made on this thread.
struct FreeBlock {
  FreeBlock* next;
};

// Each thread's freed blocks, at most kLimit of them. A plain thread_local,
// so that the fast path pays no initialisation check; keeping a first block
// makes the thread's Releaser, which gives the blocks back to the heap when
// the thread ends.
struct Cache {
  FreeBlock* head;
  int count;  // kClosed once the thread's Releaser has run
};
constexpr int kLimit = 256;
constexpr int kClosed = kLimit + 1;
thread_local Cache cache{nullptr, 0};  // NOLINT(*-avoid-non-const-global-variables)

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
    // What the thread's later exit code frees goes straight to the heap.
    cache.count = kClosed;
  }
};

// A kept block for a fraction, or nullptr.
void* Reuse(std::size_t size) {
  FreeBlock* const block = cache.head;
  if (size != sizeof(TFrac) || block == nullptr) {
    return nullptr;
  }
  cache.head = block->next;
  --cache.count;
  return block;
}

// Keeps the block if there is room, else gives it back to the heap.
void Keep(void* pointer, std::size_t size) {
  if (size != sizeof(TFrac) || cache.count >= kLimit) {
    ::operator delete(pointer);
    return;
  }
  if (cache.head == nullptr && cache.count == 0) {
    thread_local Releaser releaser;
  }
  auto* const block = static_cast<FreeBlock*>(pointer);
  block->next = cache.head;
  cache.head = block;
  ++cache.count;
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

// Called only when a constructor throws after a nothrow new, which TFrac's
// constructors never do.
void TFrac::operator delete(void* pointer, const std::nothrow_t& /*tag*/) noexcept {
  ::operator delete(pointer);
}

}  // namespace fraction
