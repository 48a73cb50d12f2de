// The per-thread cache behind TFrac's operator new, seen from the global
// heap, whose replaceable operator new and delete this program counts per
// thread. Each case runs on a thread of its own, which starts with an empty
// cache. A program of its own, so that the other tests keep the usual heap.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <new>
#include <thread>
#include <utility>
#include <vector>

#include "fraction/tfrac.h"

#if defined(__SANITIZE_ADDRESS__)
#define FRACTION_TESTS_UNDER_ASAN
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define FRACTION_TESTS_UNDER_ASAN
#endif
#endif

namespace {

// Constant-initialised and trivially destructible: still there while the
// thread's thread_local objects are destroyed.
struct HeapCalls {
  long news;
  long deletes;
  std::uintptr_t last_freed;
};
thread_local HeapCalls calls{0, 0, 0};  // NOLINT(*-avoid-non-const-global-variables)

std::uintptr_t Address(const void* block) {
  return reinterpret_cast<std::uintptr_t>(block);  // NOLINT(*-reinterpret-cast)
}

}  // namespace

// Under AddressSanitizer its own operator new and delete stay in place, and
// the cache stands aside for them.
#ifndef FRACTION_TESTS_UNDER_ASAN
void* operator new(std::size_t size) {
  ++calls.news;
  void* const block = std::malloc(size != 0 ? size : 1);  // NOLINT(*-no-malloc)
  if (block == nullptr) {
    throw std::bad_alloc();
  }
  return block;
}

namespace {

// Both deletes free here: with the sized one calling the other, g++ -O2
// sees ::operator delete(void*) free a block that came from malloc.
void Free(void* block) noexcept {
  if (block != nullptr) {
    ++calls.deletes;
    calls.last_freed = Address(block);
  }
  std::free(block);  // NOLINT(*-no-malloc)
}

}  // namespace

void operator delete(void* block) noexcept { Free(block); }

void operator delete(void* block, std::size_t /*size*/) noexcept { Free(block); }
#endif

namespace fraction {
namespace {

#ifdef FRACTION_TESTS_UNDER_ASAN
constexpr bool kCacheActive = false;
#else
constexpr bool kCacheActive = FRACTION_THREAD_CACHE != 0;
#endif
constexpr const char* kNoCache =
    "this build has no thread cache (FRACTION_THREAD_CACHE=OFF, or AddressSanitizer)";

// Inherits TFrac's operator new and delete, with a larger block.
struct Tagged : TFrac {
  using TFrac::TFrac;
  std::int64_t tag = 0;
};

TEST(FractionHeap, TheCacheKeepsAtMost256FractionSizedBlocks) {
  if (!kCacheActive) GTEST_SKIP() << kNoCache;
  std::thread([] {
    constexpr long kMade = 1000, kKept = 256;
    std::vector<std::unique_ptr<TFrac>> fractions(kMade);
    std::make_unique<TFrac>(0, 1).reset();  // opens the cache
    const HeapCalls start = calls;
    for (auto& f : fractions) f = std::make_unique<TFrac>(1, 3);
    for (auto& f : fractions) f.reset();
    const HeapCalls freed = calls;
    for (auto& f : fractions) f = std::make_unique<TFrac>(2, 3);
    const HeapCalls remade = calls;
    fractions[0].reset();  // kept: the one block in the cache
    auto tagged = std::make_unique<Tagged>(1, 2);
    tagged.reset();
    const HeapCalls end = calls;
    EXPECT_EQ(freed.deletes - start.deletes, kMade - kKept);
    EXPECT_EQ(remade.news - freed.news, kMade - kKept);
    EXPECT_EQ(end.news - remade.news, 1) << "a derived class's block came from the cache";
    EXPECT_EQ(end.deletes - remade.deletes, 1) << "a derived class's block went to the cache";
  }).join();
}

struct Released {
  bool kept = false;    // the last block the cache kept
  long given_back = 0;  // how many blocks the thread's end gave back
  bool late = false;    // the fraction freed after that
};

// The heap's count of deletes when the thread's end began to give the
// cache's blocks back: noted by a thread_local made after the cache opened,
// and so destroyed just before its releaser.
thread_local long deletes_before_release = 0;  // NOLINT(*-avoid-non-const-global-variables)
struct NoteDeletes {
  NoteDeletes() = default;
  NoteDeletes(const NoteDeletes&) = delete;
  NoteDeletes& operator=(const NoteDeletes&) = delete;
  NoteDeletes(NoteDeletes&&) = delete;
  NoteDeletes& operator=(NoteDeletes&&) = delete;
  ~NoteDeletes() { deletes_before_release = calls.deletes; }
};

// Made before the cache opens on its thread, so destroyed after the
// cache's releaser: it sees what that gave back, then frees its fraction.
class FreedAtThreadEnd {
 public:
  FreedAtThreadEnd() = default;
  FreedAtThreadEnd(const FreedAtThreadEnd&) = delete;
  FreedAtThreadEnd& operator=(const FreedAtThreadEnd&) = delete;
  FreedAtThreadEnd(FreedAtThreadEnd&&) = delete;
  FreedAtThreadEnd& operator=(FreedAtThreadEnd&&) = delete;
  ~FreedAtThreadEnd() {
    if (released_ == nullptr) return;
    released_->kept = calls.last_freed == kept_;
    released_->given_back = calls.deletes - deletes_before_release;
    fraction_.reset();
    released_->late = calls.last_freed == own_;
  }

  // Both addresses are kept as integers while their blocks are alive: taken
  // from the pointer after the delete, g++ -O2 sees a use after free.
  void Watch(const TFrac* kept, std::unique_ptr<TFrac> fraction, Released* released) {
    kept_ = Address(kept);
    own_ = Address(fraction.get());
    fraction_ = std::move(fraction);
    released_ = released;
  }

 private:
  std::uintptr_t kept_ = 0;
  std::uintptr_t own_ = 0;
  std::unique_ptr<TFrac> fraction_;
  Released* released_ = nullptr;
};

TEST(FractionHeap, AThreadsEndGivesItsBlocksAndLaterOnesBackToTheHeap) {
  if (!kCacheActive) GTEST_SKIP() << kNoCache;
  Released released;
  std::thread([&released] {
    thread_local FreedAtThreadEnd at_end;
    std::unique_ptr<TFrac> kept[] = {std::make_unique<TFrac>(1, 4), std::make_unique<TFrac>(2, 4),
                                     std::make_unique<TFrac>(3, 4)};
    at_end.Watch(kept[0].get(), std::make_unique<TFrac>(1, 2), &released);
    for (auto& f : kept) f.reset();  // the first freed is the last given back
    thread_local NoteDeletes note;
  }).join();
  EXPECT_TRUE(released.kept) << "the cache's block was not given back at the thread's end";
  EXPECT_EQ(released.given_back, 3) << "the thread's end gave back another count of blocks";
  EXPECT_TRUE(released.late) << "a block freed after the release was kept";
}

TEST(FractionHeap, DeletingNullDoesNothing) {
  TFrac::operator delete(nullptr, sizeof(TFrac));
  TFrac::operator delete(nullptr, std::nothrow);
  EXPECT_EQ(std::make_unique<TFrac>(2, 4)->ToString(), "1/2");
}

// What the cache stands aside for: AddressSanitizer sees every free.
TEST(FractionHeapDeathTest, UseAfterFreeIsReportedUnderAddressSanitizer) {
#ifdef FRACTION_TESTS_UNDER_ASAN
  EXPECT_DEATH(
      {
        auto fraction = std::make_unique<TFrac>(1, 2);
        const TFrac* const freed = fraction.get();
        fraction.reset();
        std::printf("%d\n", freed->Numerator());
      },
      "heap-use-after-free");
#else
  GTEST_SKIP() << "not built with AddressSanitizer";
#endif
}

}  // namespace
}  // namespace fraction
