// The inline core at compile time, as C++17 and C++20 constant
// expressions: the constructors, every operator, the order, rounding and
// the checked operations, on edge values; and the limits.
#include <climits>
#include <cstdint>
#include <limits>

#include "fraction/tfrac.h"

namespace {

using fraction::TFrac;

constexpr bool Same(const TFrac& x, std::int32_t n, std::int32_t d) {
  return x.Numerator() == n && x.Denominator() == d;
}

constexpr TFrac kHalf(1, 2);
constexpr TFrac kCopy = kHalf;

// Construction: reduced, with a positive denominator; 0/0 kept silently.
static_assert(Same(TFrac(), 0, 1) && Same(kCopy, 1, 2));
static_assert(Same(TFrac(2, 4), 1, 2) && Same(TFrac(-6, 4), -3, 2) && Same(TFrac(0, -3), 0, 1));
static_assert(Same(TFrac(0, 0), 0, 0));
static_assert(Same(TFrac(INT32_MAX, INT32_MAX), 1, 1) && Same(TFrac(-INT32_MAX, 1), -INT32_MAX, 1));
static_assert(Same(TFrac(-1073741824, 2147483646), -536870912, 1073741823));
static_assert(TFrac::Gcd(0, -3) == -3 && TFrac::Gcd(-12, 18) == 6);
static_assert(TFrac::Gcd(1836311903, 1134903170) == 1);  // Fibonacci: the longest gcd

// FromIntegers: exact from any 64-bit parts, or none (and never the message).
static_assert(Same(*TFrac::FromIntegers(4294967296, -8589934592), -1, 2));
static_assert(Same(*TFrac::FromIntegers(INT64_MIN, INT64_MIN), 1, 1) && !TFrac::FromIntegers(1, 0));
static_assert(Same(*TFrac::FromIntegers(0, INT64_MIN), 0, 1) && !TFrac::FromIntegers(INT64_MIN, 2));
static_assert(Same(*TFrac::FromIntegers(2, INT32_MIN), -1, 1073741824));
static_assert(!TFrac::FromIntegers(INT32_MIN, 1) && !TFrac::FromIntegers(1, INT32_MIN));

// The operators, with integers in their places.
static_assert(TFrac(1, 2) + TFrac(1, 3) == TFrac(5, 6));
static_assert(Same(TFrac(1, 6) + TFrac(1, 46), 13, 69) && Same(TFrac(1, 2) + TFrac(-1, 2), 0, 1));
static_assert(Same(TFrac(1, 2) - TFrac(2, 3), -1, 6) && Same(1 - TFrac(1, 2), 1, 2));
static_assert(Same(TFrac(1, 2) * TFrac(-1, 2), -1, 4) && Same(2 * TFrac(1, 6) + 1, 4, 3));
static_assert(Same(TFrac(1, 2) / TFrac(-1, 2), -1, 1) && Same(TFrac(1, 2) / 0, 0, 1));
static_assert(Same(-TFrac(1, 2), -1, 2) && Same(-TFrac(), 0, 1) && Same(+TFrac(-3, 6), -1, 2));
static_assert(Same(TFrac(65536) * 65536, 0, 1));  // wraps around to valid data
static_assert(Same(TFrac(INT32_MAX) * 2, -2, 1));

constexpr TFrac Compound() {
  TFrac x(1, 2);
  x += 1;            // 3/2
  x -= TFrac(1, 4);  // 5/4
  x *= 4;            // 5/1
  x /= 10;           // 1/2
  x.Minus();
  return x;
}
static_assert(Same(Compound(), -1, 2));

// The exact order, closer than a double tells.
static_assert(TFrac(2147483646, 2147483647) > TFrac(2147483645, 2147483646));
static_assert(TFrac(1, 3) < TFrac(1, 2) && TFrac(2, 4) <= kHalf && kHalf >= kHalf);
static_assert(TFrac(1, 2) != TFrac(2, 3) && !(TFrac(0, 0) == TFrac(0, 0)));
static_assert(1 < TFrac(3, 2) && TFrac(3, 2) < 2 && TFrac(4, 2) == 2);
static_assert(kHalf.Equal(&kCopy) && !kHalf.Greater(&kCopy) && TFrac(2, 3).Greater(&kHalf));
static_assert(kHalf.ToDouble() == 0.5 && TFrac(0, 0).ToDouble() != TFrac(0, 0).ToDouble());
static_assert(static_cast<double>(TFrac(-3, 4)) == -0.75);

// Beside floating-point values, exactly: 0.1 is 3602879701896397/2^55.
constexpr double kInfinity = std::numeric_limits<double>::infinity();
static_assert(TFrac(1, 10) < 0.1 && 0.1f > TFrac(1, 10) && TFrac(1, 3) > 0.3333333333333333);
static_assert(TFrac(0) == -0.0 && TFrac(INT32_MAX) < kInfinity && TFrac(0, 0) != 0.0);

// Rounding, sign, abs and powers.
static_assert(*TFrac(-7, 2).Floor() == -4 && *TFrac(-7, 2).Ceil() == -3);
static_assert(*TFrac(-7, 2).Trunc() == -3 && *TFrac(-7, 2).Round() == -4);
static_assert(*TFrac(5, 2).Round() == 3 && *TFrac(7, 3).Round() == 2 && !TFrac(0, 0).Floor());
static_assert(TFrac(-1, 2).Sign() == -1 && TFrac().Sign() == 0 && TFrac(3).Sign() == 1);
static_assert(Same(abs(TFrac(-3, 4)), 3, 4) && Same(abs(TFrac(3, 4)), 3, 4));
static_assert(Same(*TFrac(-2, 3).CheckedPow(3), -8, 27) && Same(*TFrac(2, 3).CheckedPow(-2), 9, 4));
static_assert(Same(*TFrac(-1).CheckedPow(INT32_MIN), 1, 1) && Same(*TFrac().CheckedPow(0), 1, 1));
static_assert(!TFrac(2).CheckedPow(31) && Same(*TFrac(2).CheckedPow(30), 1073741824, 1));
static_assert(!TFrac().CheckedPow(-1));
static_assert(TFrac(4, 2).IsInteger() && TFrac(-3).IsInteger() && !TFrac(1, 2).IsInteger());

// The checked operations: exact, or none where + and * would wrap.
static_assert(Same(*TFrac(2147483647, 2).CheckedMultiply(TFrac(2, 2147483647)), 1, 1));
static_assert(Same(*TFrac(1, 6).CheckedAdd(TFrac(1, 46)), 13, 69));
static_assert(!TFrac(INT32_MAX).CheckedAdd(1) && !TFrac(-INT32_MAX).CheckedSubtract(1));
static_assert(!TFrac(1, 2147483647).CheckedSubtract(TFrac(1, 2147483646)));
static_assert(Same(*TFrac(-2147483647, 2).CheckedDivide(TFrac(-2147483647, 3)), 3, 2));
static_assert(!kHalf.CheckedDivide(0) && !TFrac(65536).CheckedMultiply(65536));

// Floor division and its remainder, with the divisor's sign.
static_assert(*TFrac(7, 2).FloorDivide(TFrac(-1, 3)) == -11);
static_assert(Same(*TFrac(7, 2).CheckedModulo(TFrac(-1, 3)), -1, 6));
static_assert(!kHalf.FloorDivide(0) && !kHalf.CheckedModulo(0));

// The limits, with what generic code reads from them.
using Limits = std::numeric_limits<TFrac>;
static_assert(Limits::is_specialized && Limits::is_signed && Limits::is_exact &&
              Limits::is_bounded && !Limits::is_integer && !Limits::is_modulo);
static_assert(Limits::digits == 31 && Limits::digits10 == 9 && Limits::radix == 2);
static_assert(Same(Limits::max(), INT32_MAX, 1) && Same(Limits::lowest(), -INT32_MAX, 1));
static_assert(Same(Limits::min(), 1, INT32_MAX) && Same(Limits::denorm_min(), 1, INT32_MAX));
static_assert(Same(Limits::epsilon(), 0, 1) && Same(Limits::round_error(), 0, 1));
static_assert(Limits::has_infinity && Same(Limits::infinity(), 1, 0) &&
              Limits::infinity() == kInfinity);
static_assert(Limits::has_quiet_NaN && Same(Limits::quiet_NaN(), 0, 0) &&
              !Limits::has_signaling_NaN);

}  // namespace
