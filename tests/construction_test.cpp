#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "fraction/tfrac.h"
#include "stdout_capture.h"

namespace fraction {
namespace {

using testing::MessageBytes;
using testing::MessageCount;
using testing::StdoutOf;

struct Construction {
  std::int32_t a, b;
  std::int32_t numerator, denominator;
  bool message;
};

std::string Describe(const Construction& c) {
  return "TFrac(" + std::to_string(c.a) + ", " + std::to_string(c.b) + ")";
}

TEST(FractionConstruction, InvalidDataWritesTheMessageOnceAndKeepsTheArguments) {
  const Construction cases[] = {
      {1, -2, 1, -2, true},
      {5, 0, 5, 0, true},
      {-3, -6, -3, -6, true},
      {INT32_MIN, 1, INT32_MIN, 1, true},
      {INT32_MIN, 0, INT32_MIN, 0, true},
      {INT32_MIN, INT32_MIN, INT32_MIN, INT32_MIN, true},
      {INT32_MAX, INT32_MIN, INT32_MAX, INT32_MIN, true},
      {0, 0, 0, 0, false},  // Gcd yields 0 here too, but silently.
  };
  for (const Construction& c : cases) {
    std::unique_ptr<TFrac> f;
    const std::string out = StdoutOf([&] { f = std::make_unique<TFrac>(c.a, c.b); });
    EXPECT_EQ(out, c.message ? MessageBytes() : "") << Describe(c);
    EXPECT_EQ(f->Numerator(), c.numerator) << Describe(c);
    EXPECT_EQ(f->Denominator(), c.denominator) << Describe(c);
  }
}

// Flushed as it is written: a process that ends right after invalid data
// without flushing its buffers (_Exit) still leaves the message in
// redirected output, which the C library buffers in full.
TEST(FractionConstruction, TheMessageIsOutBeforeTheProcessEnds) {
  const auto invalid_then_exit = [] {
    const TFrac invalid(1, 0);
    std::_Exit(0);
  };
  if (::testing::internal::InDeathTestChild()) {
    // A child that runs the test from its start (on Windows) writes to the
    // output it inherits, which this process captures.
    invalid_then_exit();
  }
  const std::string out =
      StdoutOf([&] { EXPECT_EXIT(invalid_then_exit(), ::testing::ExitedWithCode(0), ""); });
  EXPECT_EQ(MessageCount(out), 1) << out;
}

TEST(FractionConstruction, ValidDataIsReducedWithAPositiveDenominator) {
  const Construction cases[] = {
      {0, 1, 0, 1, false},
      {1, 2, 1, 2, false},
      {-1, 2, -1, 2, false},
      {0, 4, 0, 1, false},
      {4, 4, 1, 1, false},
      {-2, 2, -1, 1, false},
      {7, 6, 7, 6, false},
      {2, 4, 1, 2, false},
      {-6, 4, -3, 2, false},
      {0, -3, 0, 1, false},
      {0, INT32_MIN, 0, 1, false},
      {INT32_MAX, INT32_MAX, 1, 1, false},
      {-INT32_MAX, INT32_MAX, -1, 1, false},
      {INT32_MAX, INT32_MAX - 1, INT32_MAX, INT32_MAX - 1, false},
      {1836311903, 1134903170, 1836311903, 1134903170, false},  // Fibonacci
      {-1073741824, 2147483646, -536870912, 1073741823, false},
  };
  for (const Construction& c : cases) {
    std::unique_ptr<TFrac> f;
    const std::string out = StdoutOf([&] { f = std::make_unique<TFrac>(c.a, c.b); });
    EXPECT_EQ(out, "") << Describe(c);
    EXPECT_EQ(f->Numerator(), c.numerator) << Describe(c);
    EXPECT_EQ(f->Denominator(), c.denominator) << Describe(c);
  }
}

TEST(FractionConstruction, NoArgumentsMakeZeroOverOne) {
  const TFrac f;
  EXPECT_EQ(f.Numerator(), 0);
  EXPECT_EQ(f.Denominator(), 1);
}

TEST(FractionConstruction, CopyKeepsUnreducedAndZeroDenominators) {
  for (const char* text : {"4/6", "2/0", "1/-2", "-2147483648/0"}) {
    const TFrac source(text);
    const auto copy = std::make_unique<TFrac>(source);
    EXPECT_EQ(copy->Numerator(), source.Numerator()) << text;
    EXPECT_EQ(copy->Denominator(), source.Denominator()) << text;
  }
}

// Each thread keeps freed fractions for reuse: they must pass between
// threads and go back to the heap when a thread ends (which the heap tests
// count; under AddressSanitizer, which the cache leaves every block to,
// LeakSanitizer checks the heap itself).
TEST(FractionConstruction, HeapFractionsPassBetweenThreads) {
  static constexpr std::size_t kThreads = 4, kEach = 600;
  std::vector<std::unique_ptr<TFrac>> handed_over(kThreads * kEach / 2);
  std::vector<std::thread> threads;
  for (std::size_t t = 0; t < kThreads; ++t) {
    threads.emplace_back([&handed_over, t] {
      std::vector<std::unique_ptr<TFrac>> own;
      for (std::size_t i = 0; i < kEach; ++i) {
        auto f = std::make_unique<TFrac>(static_cast<std::int32_t>(i), std::int32_t{kEach});
        (i % 2 == 0 ? own.emplace_back() : handed_over[(t * kEach + i) / 2]) = std::move(f);
      }
    });
  }
  for (std::thread& thread : threads) {
    thread.join();
  }
  for (std::size_t i = 0; i < handed_over.size(); ++i) {
    const TFrac made(static_cast<std::int32_t>(2 * i % kEach + 1), std::int32_t{kEach});
    EXPECT_TRUE(handed_over[i]->Equal(&made)) << i;
  }
}

TEST(FractionGcd, FollowsItsRulesForEveryInput) {
  struct Case {
    std::int32_t a, b, gcd;
    bool message;
  };
  const Case cases[] = {
      {0, 7, 7, false},
      {0, -3, -3, false},  // a == 0 yields b, whatever b is
      {0, 0, 0, false},
      {0, INT32_MIN, INT32_MIN, false},
      {-12, 18, 6, false},
      {12, 12, 12, false},
      {1, INT32_MAX, 1, false},
      {INT32_MAX, INT32_MAX - 1, 1, false},
      {1836311903, 1134903170, 1, false},
      {-INT32_MAX, INT32_MAX, INT32_MAX, false},
      {1073741824, 2147483646, 2, false},
      {1, 0, 0, true},
      {-1, -1, 0, true},
      {INT32_MIN, 2, 0, true},
  };
  for (const Case& c : cases) {
    std::int32_t gcd = -1;
    const std::string out = StdoutOf([&] { gcd = TFrac::Gcd(c.a, c.b); });
    const std::string input = std::to_string(c.a) + ", " + std::to_string(c.b);
    EXPECT_EQ(gcd, c.gcd) << input;
    EXPECT_EQ(out, c.message ? MessageBytes() : "") << input;
  }
}

}  // namespace
}  // namespace fraction
