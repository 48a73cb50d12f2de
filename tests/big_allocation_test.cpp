// BigFraction's values whose parts fit in 62 bits never touch the heap:
// neither operator new nor GMP's allocation functions, both counted here,
// through building, copying, comparing and arithmetic whose results fit
// too. A program of its own, so that the other tests keep the usual heap.
#include <gmp.h>
#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <new>
#include <random>
#include <thread>
#include <vector>

#include "fraction/big_fraction.h"
#include "fraction/tfrac.h"

#if defined(__SANITIZE_ADDRESS__)
#define FRACTION_TESTS_UNDER_ASAN
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define FRACTION_TESTS_UNDER_ASAN
#endif
#endif

namespace {

long news = 0;        // NOLINT(*-avoid-non-const-global-variables)
long gmp_blocks = 0;  // NOLINT(*-avoid-non-const-global-variables)
// GMP's allocation functions before the counting ones.
void* (*gmp_allocate)(std::size_t) = nullptr;  // NOLINT(*-avoid-non-const-global-variables)
// NOLINTNEXTLINE(*-avoid-non-const-global-variables)
void* (*gmp_reallocate)(void*, std::size_t, std::size_t) = nullptr;

}  // namespace

// Under AddressSanitizer its own operator new stays in place, and only
// GMP's calls are counted.
#ifndef FRACTION_TESTS_UNDER_ASAN
void* operator new(std::size_t size) {
  ++news;
  void* const block = std::malloc(size != 0 ? size : 1);  // NOLINT(*-no-malloc)
  if (block == nullptr) {
    throw std::bad_alloc();
  }
  return block;
}
void operator delete(void* block) noexcept { std::free(block); }  // NOLINT(*-no-malloc)
void operator delete(void* block, std::size_t /*size*/) noexcept {
  std::free(block);  // NOLINT(*-no-malloc)
}
#endif

namespace fraction {
namespace {

#ifdef FRACTION_TESTS_UNDER_ASAN
constexpr bool kCacheActive = false;
#else
constexpr bool kCacheActive = FRACTION_THREAD_CACHE != 0;
#endif

// GMP's allocation functions, counted while an instance lives; the ones
// before it come back at its end.
class CountGmpBlocks {
 public:
  CountGmpBlocks() {
    mp_get_memory_functions(&gmp_allocate, &gmp_reallocate, &free_);
    mp_set_memory_functions(&Allocate, &Reallocate, free_);
  }
  CountGmpBlocks(const CountGmpBlocks&) = delete;
  CountGmpBlocks& operator=(const CountGmpBlocks&) = delete;
  CountGmpBlocks(CountGmpBlocks&&) = delete;
  CountGmpBlocks& operator=(CountGmpBlocks&&) = delete;
  ~CountGmpBlocks() { mp_set_memory_functions(gmp_allocate, gmp_reallocate, free_); }

 private:
  static void* Allocate(std::size_t size) {
    ++gmp_blocks;
    return gmp_allocate(size);
  }
  static void* Reallocate(void* block, std::size_t old_size, std::size_t size) {
    ++gmp_blocks;
    return gmp_reallocate(block, old_size, size);
  }

  void (*free_)(void*, std::size_t) = nullptr;
};

// Parts below 2^bits, signed numerators.
std::vector<BigFraction> Values(int bits, std::mt19937_64& engine) {
  std::vector<BigFraction> values;
  for (int i = 0; i < 200; ++i) {
    const auto n =
        static_cast<std::int64_t>(engine() >> (64 - bits)) - (std::int64_t{1} << (bits - 1));
    const std::uint64_t d = (engine() >> (64 - bits)) | 1;
    values.emplace_back(n, d);
  }
  return values;
}

TEST(BigFractionHeap, ValuesOf62BitsAndTheirArithmeticStayOffTheHeap) {
  std::mt19937_64 engine(62);  // NOLINT(cert-msc51-cpp): a failure must repeat
  const std::vector<BigFraction> small = Values(30, engine), large = Values(62, engine);
  const BigFraction big = BigFraction(large[0]) * large[1] * large[2];  // on the heap
  std::size_t sink = 0;
  [[maybe_unused]] const long news_before = news;
  {
    const CountGmpBlocks count;
    for (const BigFraction& x : small) {
      for (const BigFraction& y : small) {
        // 30-bit parts: every result has parts of at most 61 bits.
        BigFraction sum = x;
        sum += y;
        const BigFraction results[] = {sum, x - y, x * y, x / y, x.Pow(2), -x, abs(y)};
        for (const BigFraction& z : results) {
          sink += std::hash<BigFraction>()(z) + static_cast<std::size_t>(x < y) +
                  static_cast<std::size_t>(x == z) + static_cast<std::size_t>(z < 0.5);
        }
      }
    }
    for (const BigFraction& x : large) {
      for (const BigFraction& y : large) {
        BigFraction copy = x;
        const BigFraction built(INT64_MAX - 1, y.ToDouble() > 0 ? 3 : 5);
        sink += static_cast<std::size_t>((x - copy).Sign() + (x / copy).Sign()) +
                static_cast<std::size_t>(copy >= 1.25);
        const BigFraction moved = std::move(copy);
        sink += static_cast<std::size_t>(x < y) + static_cast<std::size_t>(x == y) +
                static_cast<std::size_t>(moved < built) + static_cast<std::size_t>(x == big) +
                static_cast<std::size_t>(x.Sign());
      }
      sink += static_cast<std::size_t>(BigFraction(TFrac(-7, 3)) < x) +
              static_cast<std::size_t>(BigFraction::FromDouble(0.1) < x);
    }
    EXPECT_EQ(gmp_blocks, 0);
  }
#ifndef FRACTION_TESTS_UNDER_ASAN
  EXPECT_EQ(news - news_before, 0);
#endif
  EXPECT_NE(sink, 0u);
}

// A product of 62-bit parts leaves 64 bits and takes the heap, on a thread
// of its own, whose cache starts empty: the counting sees it. Results that
// stay large then take the rationals given back before, digits and all.
TEST(BigFractionHeap, ResultsBeyond63BitsTakeTheHeapThenReuseIt) {
  std::thread([] {
    const BigFraction x(std::int64_t{1} << 61, 3);
    [[maybe_unused]] const long news_before = news;
    const CountGmpBlocks count;
    BigFraction product = x * x;
    EXPECT_GT(gmp_blocks, 0);
#ifndef FRACTION_TESTS_UNDER_ASAN
    EXPECT_GT(news - news_before, 0);
#endif
    EXPECT_EQ(product / x, x) << "back inline";
    product = x * (x + 1);
    const long blocks = gmp_blocks, made = news;
    for (int i = 2; i < 100; ++i) {
      product = x * (x + i);
    }
    const long blocks_after = gmp_blocks, made_after = news;
    EXPECT_EQ(product.ToString(), "5316911983139664176450601977588482048/9");
    if (kCacheActive) {
      EXPECT_EQ(blocks_after, blocks);
      EXPECT_EQ(made_after, made);
    }
  }).join();
}

}  // namespace
}  // namespace fraction
