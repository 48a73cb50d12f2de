// Every operation over a grid of edge values of the 32-bit range, checked
// against a model in 64-bit arithmetic that wraps to 32 bits explicitly.
#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <iterator>
#include <string>
#include <vector>

#include "fraction/tfrac.h"
#include "stdout_capture.h"

namespace fraction {
namespace {

using testing::MessageCount;
using testing::StdoutOf;

// The model keeps its values in 64 bits.
using Int = std::int64_t;

Int Wrap(Int v) {
  const Int low = v & 0xFFFFFFFF;
  return low >= 0x80000000 ? low - 0x100000000 : low;
}

Int Euclid(Int m, Int n) {
  while (n != 0) {
    const Int r = m % n;
    m = n;
    n = r;
  }
  return m;
}

struct Model {
  Int numerator, denominator;
  bool message;  // whether building it writes the invalid-data message
};

// The two-integer constructor, as the model sees it.
Model Make(Int a, Int b) {
  if (a == 0) {
    return b == 0 ? Model{0, 0, false} : Model{0, 1, false};
  }
  const Int magnitude = a < 0 ? -a : a;
  if (magnitude > INT32_MAX || b < 1) {
    return {a, b, true};
  }
  const Int g = Euclid(magnitude, b);
  return {a / g, b / g, false};
}

Model Add(Int a, Int b, Int c, Int d) { return Make(Wrap(Wrap(a * d) + Wrap(b * c)), Wrap(b * d)); }
Model Subtract(Int a, Int b, Int c, Int d) {
  return Make(Wrap(Wrap(a * d) - Wrap(b * c)), Wrap(b * d));
}
Model Multiply(Int a, Int b, Int c, Int d) { return Make(Wrap(a * c), Wrap(b * d)); }
Model Divide(Int a, Int b, Int c, Int d) {
  if (c == 0) return Make(0, 1);
  if (c > 0) return Make(Wrap(a * d), Wrap(b * c));
  return Make(Wrap(-Wrap(a * d)), Wrap(-Wrap(b * c)));
}
Model Reverse(Int a, Int b) {
  if (a == 0) return Make(0, 1);
  if (a > 0) return Make(b, a);
  return Make(Wrap(-b), Wrap(-a));
}

bool Greater(Int a, Int b, Int c, Int d) {
  // Signs of x/0 as infinities; 0/0 is unordered.
  const auto rank = [](Int n, Int m) { return m != 0 ? 0 : n > 0 ? 1 : n < 0 ? -1 : 2; };
  const int left = rank(a, b), right = rank(c, d);
  if (left == 2 || right == 2) return false;
  if (left != 0 || right != 0) return left > right;
  return static_cast<double>(a) / static_cast<double>(b) >
         static_cast<double>(c) / static_cast<double>(d);
}

std::string Text(Int n, Int d) { return std::to_string(n) + "/" + std::to_string(d); }

// Fields are stored as given through the text constructor, so the grid
// holds zero and negative denominators and unreduced fractions too.
std::vector<Int> EdgeValues() {
  // Small values, the square roots of 2^31 and 2^32 (products that just
  // wrap), a large prime and the extremes.
  const Int small[] = {0, 1, -1, 2, -2, 3, 6, -6};
  const Int large[] = {46341, -46341, 65536, -65536, 1000000007};
  const Int extremes[] = {INT32_MAX, INT32_MIN, INT32_MAX - 1, INT32_MIN + 1};
  std::vector<Int> values(std::begin(small), std::end(small));
  values.insert(values.end(), std::begin(large), std::end(large));
  values.insert(values.end(), std::begin(extremes), std::end(extremes));
  return values;
}

TEST(FractionModel, EveryOperationMatchesTheModelOnEdgeValues) {
  std::vector<TFrac> grid;
  for (const Int n : EdgeValues()) {
    for (const Int d : EdgeValues()) {
      grid.emplace_back(Text(n, d).c_str());
    }
  }
  int expected_messages = 0;
  int mismatches = 0;
  const auto expect = [&](const char* name, const TFrac& x, const TFrac* y,
                          const std::unique_ptr<TFrac>& got, const Model& want) {
    expected_messages += want.message ? 1 : 0;
    if (got->ToString() != Text(want.numerator, want.denominator) && ++mismatches <= 10) {
      ADD_FAILURE() << name << "(" << x.ToString() << (y != nullptr ? ", " + y->ToString() : "")
                    << ") gave " << got->ToString() << ", model "
                    << Text(want.numerator, want.denominator);
    }
  };
  const std::string out = StdoutOf([&] {
    for (const TFrac& x : grid) {
      const Int a = x.Numerator(), b = x.Denominator();
      expect("Square", x, nullptr, x.Square(), Multiply(a, b, a, b));
      expect("Reverse", x, nullptr, x.Reverse(), Reverse(a, b));
      TFrac negated(x);
      negated.Minus();
      EXPECT_EQ(negated.ToString(), Text(Wrap(-a), b));
      for (const TFrac& y : grid) {
        const Int c = y.Numerator(), d = y.Denominator();
        expect("Add", x, &y, x.Add(&y), Add(a, b, c, d));
        expect("Subtract", x, &y, x.Subtract(&y), Subtract(a, b, c, d));
        expect("Multiply", x, &y, x.Multiply(&y), Multiply(a, b, c, d));
        expect("Divide", x, &y, x.Divide(&y), Divide(a, b, c, d));
        EXPECT_EQ(x.Equal(&y), a == c && b == d);
        EXPECT_EQ(x.Greater(&y), Greater(a, b, c, d)) << x.ToString() << " > " << y.ToString();
      }
    }
  });
  EXPECT_EQ(mismatches, 0);
  EXPECT_EQ(MessageCount(out), expected_messages);
  EXPECT_GT(expected_messages, 0);
}

TEST(FractionModel, TwoIntegerConstructorMatchesTheModelOnEdgeValues) {
  int expected_messages = 0;
  const std::string out = StdoutOf([&] {
    for (const Int a : EdgeValues()) {
      for (const Int b : EdgeValues()) {
        const TFrac f(static_cast<std::int32_t>(a), static_cast<std::int32_t>(b));
        const Model want = Make(a, b);
        EXPECT_EQ(f.ToString(), Text(want.numerator, want.denominator));
        expected_messages += want.message ? 1 : 0;
      }
    }
  });
  EXPECT_EQ(MessageCount(out), expected_messages);
}

}  // namespace
}  // namespace fraction
