// Every operation over a grid of edge values of the 32-bit range, checked
// against a model in 64-bit arithmetic that wraps to 32 bits explicitly,
// and the exact order, the checked operations, floor division, rounding and
// powers against exact 64-bit arithmetic; the order beside doubles against
// FromDouble.
#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <cmath>
#include <cstdint>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "exact_reference.h"
#include "fraction/tfrac.h"
#include "stdout_capture.h"

namespace fraction {
namespace {

using testing::Checked;
using testing::Euclid;
using testing::ExactChecked;
using testing::ExactFloor;
using testing::ExactOrder;
using testing::ExactPower;
using testing::Int;
using testing::MessageCount;
using testing::Parts;
using testing::StdoutOf;

// The low 32 bits of v, as two's complement arithmetic in 32 bits keeps them.
Int Wrap(Int v) {
  const Int low = v & 0xFFFFFFFF;
  return low >= 0x80000000 ? low - 0x100000000 : low;
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

std::string Text(Int n, Int d) { return std::to_string(n) + "/" + std::to_string(d); }

// Fields are stored as given through the text constructor, so the grid
// holds zero and negative denominators and unreduced fractions too.
std::vector<Int> EdgeValues() {
  // Small values, the square roots of 2^31 and 2^32 (products that just
  // wrap), a large prime and the extremes.
  const Int small[] = {0, 1, -1, 2, -2, 3, 6, -6};
  const Int large[] = {46341, -46341, 65536, -65536, 1000000007};
  // Close neighbours among them: 2147483645/2147483646 and
  // 2147483646/2147483647 differ by less than a double can tell.
  const Int extremes[] = {INT32_MAX, INT32_MIN, INT32_MAX - 1, INT32_MAX - 2, INT32_MIN + 1};
  std::vector<Int> values(std::begin(small), std::end(small));
  values.insert(values.end(), std::begin(large), std::end(large));
  values.insert(values.end(), std::begin(extremes), std::end(extremes));
  return values;
}

// Greater, the comparison operators and the hash against the model's order.
void ExpectOrder(const TFrac& x, const TFrac& y) {
  const std::optional<int> order =
      ExactOrder(x.Numerator(), x.Denominator(), y.Numerator(), y.Denominator());
  const bool less = order == -1, greater = order == 1, same = order == 0;
  const std::string pair = x.ToString() + " vs " + y.ToString();
  EXPECT_EQ(x.Greater(&y), greater) << pair;
  EXPECT_EQ((x < y), less) << pair;
  EXPECT_EQ((x <= y), less || same) << pair;
  EXPECT_EQ((x > y), greater) << pair;
  EXPECT_EQ((x >= y), greater || same) << pair;
  EXPECT_EQ((x == y), same) << pair;
  EXPECT_EQ((x != y), !same) << pair;
  EXPECT_TRUE(!same || std::hash<TFrac>()(x) == std::hash<TFrac>()(y)) << pair;
}

// A grid of edge values of two kinds: every pair of fields, as the text
// constructor stores them; and valid data reduced by the two-integer
// constructor, on which arithmetic takes shorter ways that must give the
// same results, and must not take beside an operand from text.
std::vector<TFrac> Grid() {
  std::vector<TFrac> grid;
  for (const Int n : EdgeValues()) {
    for (const Int d : EdgeValues()) {
      grid.emplace_back(Text(n, d).c_str());
      if (d > 0 && n != INT32_MIN) {
        grid.emplace_back(static_cast<std::int32_t>(n), static_cast<std::int32_t>(d));
      }
    }
  }
  return grid;
}

TEST(FractionModel, EveryOperationMatchesTheModelOnEdgeValues) {
  int expected_messages = 0;
  int mismatches = 0;
  const auto expect = [&](const char* name, const TFrac& x, const TFrac* y, const TFrac& got,
                          const Model& want) {
    expected_messages += want.message ? 1 : 0;
    if (got.ToString() != Text(want.numerator, want.denominator) && ++mismatches <= 10) {
      ADD_FAILURE() << name << "(" << x.ToString() << (y != nullptr ? ", " + y->ToString() : "")
                    << ") gave " << got.ToString() << ", model "
                    << Text(want.numerator, want.denominator);
    }
  };
  const auto expect_checked = [&](Checked operation, const TFrac& x, const TFrac& y,
                                  const std::optional<TFrac>& got) {
    const std::optional<Parts> want =
        ExactChecked(operation, x.Numerator(), x.Denominator(), y.Numerator(), y.Denominator());
    const std::string shown = got ? got->ToString() : "none";
    if (shown != (want ? Text(want->numerator, want->denominator) : "none") && ++mismatches <= 10) {
      ADD_FAILURE() << x.ToString() << " checked " << static_cast<int>(operation) << " "
                    << y.ToString() << " gave " << shown;
    }
  };
  const std::vector<TFrac> grid = Grid();
  const std::string out = StdoutOf([&] {
    for (const TFrac& x : grid) {
      const Int a = x.Numerator(), b = x.Denominator();
      expect("Square", x, nullptr, *x.Square(), Multiply(a, b, a, b));
      expect("Reverse", x, nullptr, *x.Reverse(), Reverse(a, b));
      EXPECT_EQ((-x).ToString(), Text(Wrap(-a), b));
      for (const TFrac& y : grid) {
        const Int c = y.Numerator(), d = y.Denominator();
        expect("Add", x, &y, *x.Add(&y), Add(a, b, c, d));
        expect("Subtract", x, &y, *x.Subtract(&y), Subtract(a, b, c, d));
        expect("Multiply", x, &y, *x.Multiply(&y), Multiply(a, b, c, d));
        expect("Divide", x, &y, *x.Divide(&y), Divide(a, b, c, d));
        expect("+", x, &y, x + y, Add(a, b, c, d));
        expect("-", x, &y, x - y, Subtract(a, b, c, d));
        expect("*", x, &y, x * y, Multiply(a, b, c, d));
        expect("/", x, &y, x / y, Divide(a, b, c, d));
        expect_checked(Checked::kAdd, x, y, x.CheckedAdd(y));
        expect_checked(Checked::kSubtract, x, y, x.CheckedSubtract(y));
        expect_checked(Checked::kMultiply, x, y, x.CheckedMultiply(y));
        expect_checked(Checked::kDivide, x, y, x.CheckedDivide(y));
        expect_checked(Checked::kModulo, x, y, x.CheckedModulo(y));
        EXPECT_EQ(x.FloorDivide(y),
                  b < 1 || d < 1 || c == 0 ? std::nullopt : ExactFloor(a * d, b * c));
        EXPECT_EQ(x.Equal(&y), a == c && b == d);
        ExpectOrder(x, y);
      }
    }
  });
  EXPECT_EQ(mismatches, 0);
  EXPECT_EQ(MessageCount(out), expected_messages);
  EXPECT_GT(expected_messages, 0);
}

// Rounding, the sign, abs and powers against the model.
TEST(FractionModel, RoundingSignAbsAndPowersMatchTheModelOnEdgeValues) {
  const auto times = [](Int k, std::optional<Int> v) { return v ? std::optional(k * *v) : v; };
  for (const TFrac& x : Grid()) {
    const Int a = x.Numerator(), b = x.Denominator(), m = b < 0 ? -b : b;
    const std::string shown = x.ToString();
    const int sign = ExactOrder(a, b, 0, 1).value_or(0);
    const std::optional<Int> floor = ExactFloor(a, b), ceil = times(-1, ExactFloor(-a, b));
    EXPECT_EQ(x.Sign(), sign) << shown;
    EXPECT_EQ(x.Floor(), floor) << shown;
    EXPECT_EQ(x.Ceil(), ceil) << shown;
    EXPECT_EQ(x.Trunc(), sign < 0 ? ceil : floor) << shown;
    // |a/b| + 1/2 rounded down, with the value's sign.
    EXPECT_EQ(x.Round(), times(sign, ExactFloor(2 * (a < 0 ? -a : a) + m, 2 * m))) << shown;
    EXPECT_EQ(abs(x).ToString(), Text(sign < 0 ? Wrap(-a) : a, b)) << shown;
    for (const Int e : {0, 1, -1, 2, -2, 3, -3, 30, -30, 31, -31, INT32_MAX, INT32_MIN}) {
      const std::optional<TFrac> got = x.CheckedPow(static_cast<std::int32_t>(e));
      const std::optional<Parts> want = ExactPower(a, b, e);
      EXPECT_EQ(got ? got->ToString() : "none",
                want ? Text(want->numerator, want->denominator) : "none")
          << shown << " ^ " << e;
    }
  }
}

// Comparing with a double is comparing with its exact value: the same as
// with FromDouble's fraction wherever that fits, and on the side that
// ToDouble's rounding shows wherever that tells the two apart. The doubles:
// the grid's, their neighbours, and dyadic ones near them, which fit.
TEST(FractionModel, ComparisonWithADoubleIsWithItsExactValue) {
  const std::vector<TFrac> grid = Grid();
  const auto orders = [](const TFrac& x, auto v) {
    return std::array<bool, 12>{x == v, x != v, x<v, x <= v, x> v, x >= v,
                                v == x, v != x, v<x, v <= x, v> x, v >= x};
  };
  int mismatches = 0, exact_ones = 0;
  for (const TFrac& y : grid) {
    const double q = y.ToDouble();
    for (const double v : {q, std::nextafter(q, -q), std::nextafter(q, 2 * q), std::round(q),
                           std::ldexp(std::round(std::ldexp(q, 16)), -16),
                           std::ldexp(std::round(std::ldexp(q, 30)), -30)}) {
      const std::optional<TFrac> exact = TFrac::FromDouble(v);
      exact_ones += exact ? 1 : 0;
      for (const TFrac& x : grid) {
        const double p = x.ToDouble();
        const bool agrees =
            exact ? orders(x, v) == orders(x, *exact) : (!(p < v) || x < v) && (!(p > v) || x > v);
        if (!agrees && ++mismatches <= 10) ADD_FAILURE() << x.ToString() << " vs " << v;
      }
    }
  }
  EXPECT_EQ(mismatches, 0);
  EXPECT_GT(exact_ones, 100);
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
