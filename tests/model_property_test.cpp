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

// The exact order of a/b and c/d: -1, 0 or 1, or nothing for unordered.
// x/0 is the infinity of x's sign; 0/0 is unordered with everything.
std::optional<int> Order(Int a, Int b, Int c, Int d) {
  const auto rank = [](Int n, Int m) { return m != 0 ? 0 : n > 0 ? 1 : n < 0 ? -1 : 2; };
  const int left = rank(a, b), right = rank(c, d);
  if (left == 2 || right == 2) return std::nullopt;
  if (left != 0 || right != 0) return left < right ? -1 : left > right ? 1 : 0;
  // Cross-multiplied, each side times the sign of b·d.
  const Int sign = (b < 0) == (d < 0) ? 1 : -1;
  const Int x = a * d * sign, y = c * b * sign;
  return x < y ? -1 : x > y ? 1 : 0;
}

// The floor of a/b: the truncated quotient, moved down where it overshoots,
// once the denominator's sign is on the numerator.
std::optional<Int> Floor(Int a, Int b) {
  if (b == 0) return std::nullopt;
  const Int n = b < 0 ? -a : a, d = b < 0 ? -b : b, q = n / d;
  return q * d > n ? q - 1 : q;
}

// The checked operations: the exact result reduced, when it fits.
std::optional<Model> Exact(Int n, Int m) {
  const Int g = Euclid(n < 0 ? -n : n, m);
  n /= g;
  m /= g;
  if (n <= INT32_MIN || n > INT32_MAX || m > INT32_MAX) return std::nullopt;
  return Model{n, m, false};
}
std::optional<Model> Checked(char operation, Int a, Int b, Int c, Int d) {
  if (b < 1 || d < 1) return std::nullopt;
  switch (operation) {
    case '+':
      return Exact(a * d + b * c, b * d);
    case '-':
      return Exact(a * d - b * c, b * d);
    case '*':
      return Exact(a * c, b * d);
    case '%':  // x − y·⌊x / y⌋, over b·d
      if (c == 0) return std::nullopt;
      return Exact(a * d - b * c * *Floor(a * d, b * c), b * d);
    default:
      if (c == 0) return std::nullopt;
      return c > 0 ? Exact(a * d, b * c) : Exact(-a * d, -b * c);
  }
}

// (a/b)^e: the operand reduced, then multiplied out while the parts fit;
// each step of a base other than 0, 1 and -1 moves a part away from zero.
std::optional<Model> Power(Int a, Int b, Int e) {
  if (b < 1 || (e < 0 && a == 0)) return std::nullopt;
  const Int g = Euclid(a < 0 ? -a : a, b), sign = a < 0 && e < 0 ? -1 : 1;
  const Int n = e < 0 ? b / g * sign : a / g, d = e < 0 ? a / g * sign : b / g;
  e = e < 0 ? -e : e;
  if (d == 1 && n * n <= 1) return Model{e == 0 || (n == -1 && e % 2 == 0) ? 1 : n, 1, false};
  Int pn = 1, pd = 1;
  for (Int i = 0; i < e && pn > INT32_MIN && pn <= INT32_MAX && pd <= INT32_MAX; ++i) {
    pn *= n;
    pd *= d;
  }
  return Exact(pn, pd);
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
      Order(x.Numerator(), x.Denominator(), y.Numerator(), y.Denominator());
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
  const auto expect_checked = [&](char operation, const TFrac& x, const TFrac& y,
                                  const std::optional<TFrac>& got) {
    const std::optional<Model> want =
        Checked(operation, x.Numerator(), x.Denominator(), y.Numerator(), y.Denominator());
    const std::string shown = got ? got->ToString() : "none";
    if (shown != (want ? Text(want->numerator, want->denominator) : "none") && ++mismatches <= 10) {
      ADD_FAILURE() << x.ToString() << " checked " << operation << " " << y.ToString() << " gave "
                    << shown;
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
        expect_checked('+', x, y, x.CheckedAdd(y));
        expect_checked('-', x, y, x.CheckedSubtract(y));
        expect_checked('*', x, y, x.CheckedMultiply(y));
        expect_checked('/', x, y, x.CheckedDivide(y));
        expect_checked('%', x, y, x.CheckedModulo(y));
        EXPECT_EQ(x.FloorDivide(y), b < 1 || d < 1 || c == 0 ? std::nullopt : Floor(a * d, b * c));
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
    const int sign = Order(a, b, 0, 1).value_or(0);
    const std::optional<Int> floor = Floor(a, b), ceil = times(-1, Floor(-a, b));
    EXPECT_EQ(x.Sign(), sign) << shown;
    EXPECT_EQ(x.Floor(), floor) << shown;
    EXPECT_EQ(x.Ceil(), ceil) << shown;
    EXPECT_EQ(x.Trunc(), sign < 0 ? ceil : floor) << shown;
    // |a/b| + 1/2 rounded down, with the value's sign.
    EXPECT_EQ(x.Round(), times(sign, Floor(2 * (a < 0 ? -a : a) + m, 2 * m))) << shown;
    EXPECT_EQ(abs(x).ToString(), Text(sign < 0 ? Wrap(-a) : a, b)) << shown;
    for (const Int e : {0, 1, -1, 2, -2, 3, -3, 30, -30, 31, -31, INT32_MAX, INT32_MIN}) {
      const std::optional<TFrac> got = x.CheckedPow(static_cast<std::int32_t>(e));
      const std::optional<Model> want = Power(a, b, e);
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
