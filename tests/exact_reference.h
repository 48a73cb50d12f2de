#ifndef FRACTION_TESTS_EXACT_REFERENCE_H
#define FRACTION_TESTS_EXACT_REFERENCE_H

// What the exact order, the rounding and the checked operations must give,
// computed another way than the library computes it: plainly, in 64-bit
// arithmetic on the stored fields, where every product of two 32-bit parts
// is exact. The model property test and the fuzz target check against it.

#include <cstdint>
#include <optional>

namespace fraction::testing {

using Int = std::int64_t;

// A numerator over a denominator.
struct Parts {
  Int numerator, denominator;
};

// Euclid's algorithm, for m, n >= 0.
inline Int Euclid(Int m, Int n) {
  while (n != 0) {
    const Int r = m % n;
    m = n;
    n = r;
  }
  return m;
}

// The exact order of a/b and c/d: -1, 0 or 1, or none for unordered. x/0 is
// the infinity of x's sign; 0/0 is unordered with everything.
inline std::optional<int> ExactOrder(Int a, Int b, Int c, Int d) {
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
// once the denominator's sign is on the numerator. None for b = 0.
inline std::optional<Int> ExactFloor(Int a, Int b) {
  if (b == 0) return std::nullopt;
  const Int n = b < 0 ? -a : a, d = b < 0 ? -b : b, q = n / d;
  return q * d > n ? q - 1 : q;
}

// n/m for m > 0, reduced, when it then fits.
inline std::optional<Parts> ExactIfItFits(Int n, Int m) {
  const Int g = Euclid(n < 0 ? -n : n, m);
  n /= g;
  m /= g;
  if (n <= INT32_MIN || n > INT32_MAX || m > INT32_MAX) return std::nullopt;
  return Parts{n, m};
}

enum class Checked { kAdd, kSubtract, kMultiply, kDivide, kModulo };

// What a checked operation on a/b and c/d gives: the exact result reduced,
// if it fits; none also for a denominator below 1 and for a division or
// modulo by zero. The modulo is x − y·⌊x / y⌋, over b·d.
inline std::optional<Parts> ExactChecked(Checked operation, Int a, Int b, Int c, Int d) {
  if (b < 1 || d < 1) return std::nullopt;
  switch (operation) {
    case Checked::kAdd:
      return ExactIfItFits(a * d + b * c, b * d);
    case Checked::kSubtract:
      return ExactIfItFits(a * d - b * c, b * d);
    case Checked::kMultiply:
      return ExactIfItFits(a * c, b * d);
    case Checked::kModulo:
      if (c == 0) return std::nullopt;
      return ExactIfItFits(a * d - b * c * *ExactFloor(a * d, b * c), b * d);
    case Checked::kDivide:
      break;
  }
  if (c == 0) return std::nullopt;
  return c > 0 ? ExactIfItFits(a * d, b * c) : ExactIfItFits(-a * d, -b * c);
}

// (a/b)^e: the operand reduced, then multiplied out while the parts fit;
// each step of a base other than 0, 1 and -1 moves a part away from zero.
inline std::optional<Parts> ExactPower(Int a, Int b, Int e) {
  if (b < 1 || (e < 0 && a == 0)) return std::nullopt;
  const Int g = Euclid(a < 0 ? -a : a, b), sign = a < 0 && e < 0 ? -1 : 1;
  const Int n = e < 0 ? b / g * sign : a / g, d = e < 0 ? a / g * sign : b / g;
  e = e < 0 ? -e : e;
  if (d == 1 && n * n <= 1) return Parts{e == 0 || (n == -1 && e % 2 == 0) ? 1 : n, 1};
  Int pn = 1, pd = 1;
  for (Int i = 0; i < e && pn > INT32_MIN && pn <= INT32_MAX && pd <= INT32_MAX; ++i) {
    pn *= n;
    pd *= d;
  }
  return ExactIfItFits(pn, pd);
}

}  // namespace fraction::testing

#endif  // FRACTION_TESTS_EXACT_REFERENCE_H
