#ifndef FRACTION_TFRAC_H
#define FRACTION_TFRAC_H

#include <cstddef>
#include <cstdint>
#include <functional>
#include <iosfwd>
#include <memory>
#include <new>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>

#include "fraction/export.h"

#if __has_include(<compare>)
#include <compare>
#endif

namespace fraction {

// An exact fraction of two 32-bit signed integers.
//
// The two-integer constructor reduces by the greatest common divisor; the
// copy and text constructors store what they are given, so Equal, which
// compares the stored fields, can tell 1/2 from an unreduced 2/4 read from
// text, while ==, which compares values, cannot.
//
// Arithmetic wraps around in 32 bits (two's complement) and is not checked
// for overflow, except by the Checked operations. Nothing throws: invalid
// data is reported by Gcd, which writes InvalidDataMessage() to standard
// output.
//
// The order is exact. A denominator's sign counts (1/-2 is -1/2); x/0 is
// +infinity for x > 0 and -infinity for x < 0; 0/0 is unordered and equal
// to nothing, itself included.
//
// What is declared constexpr below works in constant expressions, from
// C++17 on, and is defined inline (fraction/detail/tfrac_inline.h) so that
// callers' compilers can inline and fold it; there, invalid data does not
// compile. The rest is compiled into the library.
class TFrac {
 public:
  // Stores a/b in lowest terms with a positive denominator and zero as 0/1.
  // Invalid data (b < 1 with a != 0, or a == INT32_MIN) writes the message
  // once and keeps a and b exactly as given; so does 0 over 0, silently. In
  // a constant expression, invalid data does not compile.
  // Implicit, so that integers mix with fractions: x + 1, 2 * x and x == 0
  // give what the same expressions with TFrac(1), TFrac(2) and TFrac(0) give.
  constexpr TFrac(std::int32_t a = 0, std::int32_t b = 1);

  // A floating-point value converts to nothing, in either place, alone or
  // beside an integer: TFrac(0.5), TFrac(1, 0.5f), x + 0.5 and x == 0.5 do
  // not compile, where they would silently truncate to an integer.
  template <class A, class B = std::int32_t,
            std::enable_if_t<std::is_floating_point_v<A> || std::is_floating_point_v<B>, int> = 0>
  TFrac(A /*a*/, B /*b*/ = 1) = delete;

  // Reads "n/d" with atol's grammar per part, neither reduced nor checked:
  // "4/6" stays 4/6 and "1/-2" stays 1/-2. Parts are split at runs of '/'
  // as strtok does; a missing numerator reads as 0, a missing denominator
  // as 1, a part out of the 32-bit range saturates, and a null text is "".
  FRACTION_EXPORT explicit TFrac(const char* text);

  constexpr TFrac(const TFrac& source) = default;
  constexpr TFrac& operator=(const TFrac& source) = default;
  constexpr TFrac(TFrac&& source) noexcept = default;
  constexpr TFrac& operator=(TFrac&& source) noexcept = default;
  ~TFrac() = default;

  // Greatest common divisor of |a| and b, by these rules: b when a is 0;
  // otherwise, when |a| or b is below 1 (|INT32_MIN| counts as negative),
  // writes the invalid-data message and yields 0.
  static constexpr std::int32_t Gcd(std::int32_t a, std::int32_t b);

  // Decimal numerator, '/', decimal denominator, as stored: "-3/2", "0/1".
  [[nodiscard]] FRACTION_EXPORT std::string ToString() const;

  // Each of these builds its result through the two-integer constructor and
  // hands it over on the heap. A null right operand yields no fraction.
  [[nodiscard]] FRACTION_EXPORT std::unique_ptr<TFrac> Add(const TFrac* other) const;
  [[nodiscard]] FRACTION_EXPORT std::unique_ptr<TFrac> Subtract(const TFrac* other) const;
  [[nodiscard]] FRACTION_EXPORT std::unique_ptr<TFrac> Multiply(const TFrac* other) const;
  // Division by a zero fraction, and the reciprocal of zero, yield 0/1.
  [[nodiscard]] FRACTION_EXPORT std::unique_ptr<TFrac> Divide(const TFrac* other) const;
  [[nodiscard]] FRACTION_EXPORT std::unique_ptr<TFrac> Square() const;
  [[nodiscard]] FRACTION_EXPORT std::unique_ptr<TFrac> Reverse() const;

  // Negates this fraction in place and returns it (not a new object).
  constexpr TFrac* Minus();

  // True when both stored fields match; false for a null operand.
  [[nodiscard]] constexpr bool Equal(const TFrac* other) const;

  // This value > other's, in the exact order; false for a null operand.
  [[nodiscard]] constexpr bool Greater(const TFrac* other) const;

  [[nodiscard]] constexpr std::int32_t Numerator() const { return numerator; }
  [[nodiscard]] constexpr std::int32_t Denominator() const { return denominator; }

  // The quotient correctly rounded to double; x/0 is an infinity, 0/0 NaN.
  [[nodiscard]] constexpr double ToDouble() const;

  // Rounding and sign, exact, on the value of the stored fields whatever
  // they are: "7/-2" is -3.5. A rounded value is none for a zero
  // denominator (x/0, 0/0), and takes 64 bits: -2147483648/-1 is 2^31.
  [[nodiscard]] constexpr std::optional<std::int64_t> Floor() const {  // greatest integer <= it
    return Rounded(Rounding::kFloor);
  }
  [[nodiscard]] constexpr std::optional<std::int64_t> Ceil() const {  // least integer >= it
    return Rounded(Rounding::kCeil);
  }
  [[nodiscard]] constexpr std::optional<std::int64_t> Trunc() const {  // toward zero
    return Rounded(Rounding::kTrunc);
  }
  [[nodiscard]] constexpr std::optional<std::int64_t> Round() const {  // halves away from zero
    return Rounded(Rounding::kRound);
  }
  // -1, 0 or 1 by value; x/0 has x's sign, 0/0 gives 0.
  [[nodiscard]] constexpr int Sign() const;
  // -x when the value is below zero, else x: the fields are not reduced,
  // and it wraps as unary minus does (abs of -2147483648/1 is itself).
  // Found by argument-dependent lookup: `using std::abs; abs(x)` works,
  // which is why it has the standard's name and case.
  friend constexpr TFrac abs(const TFrac& x) {  // NOLINT(readability-identifier-naming)
    return x.Sign() < 0 ? -x : x;
  }

  // The exact result in lowest terms with a positive denominator, or none
  // when it does not fit (a part outside 32 bits, or the numerator
  // INT32_MIN), when an operand's denominator is below 1, or on division by
  // a zero fraction. Never wraps around and never writes the message.
  [[nodiscard]] constexpr std::optional<TFrac> CheckedAdd(const TFrac& other) const;
  [[nodiscard]] constexpr std::optional<TFrac> CheckedSubtract(const TFrac& other) const;
  [[nodiscard]] constexpr std::optional<TFrac> CheckedMultiply(const TFrac& other) const;
  [[nodiscard]] constexpr std::optional<TFrac> CheckedDivide(const TFrac& other) const;
  // This value to the power `exponent`, likewise; x^0 is 1/1 (0^0 too), a
  // negative exponent takes the reciprocal's power, and zero to a negative
  // power is none.
  [[nodiscard]] constexpr std::optional<TFrac> CheckedPow(std::int32_t exponent) const;

  // Conversions. A fraction "fits" when its numerator lies within
  // ±(2^31 − 1) and its denominator within 1 to 2^31 − 1, in lowest terms.
  // None of them writes the invalid-data message.

  // The exact value of x if it fits; none for NaN, an infinity or a value
  // that does not fit (0.1 is 3602879701896397/2^55). -0.0 gives 0/1.
  [[nodiscard]] FRACTION_EXPORT static std::optional<TFrac> FromDouble(double x);

  // Among the fractions that fit with a denominator of at most
  // max_denominator, the nearest to the exact value of x; of two equally
  // near, the one with the smaller denominator, then the one nearer zero.
  // So it saturates (1e10 gives 2147483647/1), and Approximate(-x, n) is
  // -Approximate(x, n). None for NaN, an infinity or max_denominator < 1.
  [[nodiscard]] FRACTION_EXPORT static std::optional<TFrac> Approximate(
      double x, std::int32_t max_denominator);

  // The value with `digits` digits after the point (clamped to 0..1000),
  // rounded to nearest with ties to even, as printf rounds an exact value:
  // "-0.00" for -1/1000 with 2 digits, no point for 0 digits. x/0 gives
  // "inf" or "-inf", 0/0 "nan".
  [[nodiscard]] FRACTION_EXPORT std::string ToDecimal(int digits) const;

  // The value as std::format writes a double, but exact, by `spec`: what
  // follows the colon in "{:>10.3f}", [[fill]align][sign]['#']['0'][width]
  // ['.' precision][type], the type one of e, E, f, F, g, G, or none for
  // ToString()'s "n/d". Empty for a spec it rejects. fraction/format.h and
  // fraction/fmt.h give the same to std::format and fmt::format.
  [[nodiscard]] FRACTION_EXPORT std::optional<std::string> Format(std::string_view spec) const;

  // The exact value of a text, in lowest terms, if it fits; none for
  // anything else. The same in every locale: ASCII white space around
  // either "n/d" with optional signs on both parts ("1/-2" is -1/2) or a
  // decimal with an optional sign, point and exponent ("-2.5", ".5", "5.",
  // "1.5e-3"). Parts and exponents of any length are read exactly.
  [[nodiscard]] FRACTION_EXPORT static std::optional<TFrac> Parse(std::string_view text);

  // The value operators give exactly what Add, Subtract, Multiply, Divide
  // and Minus on a copy give: the same wrap-around, the same message.
  friend constexpr TFrac operator+(const TFrac& x, const TFrac& y) { return SumOf(x, y); }
  friend constexpr TFrac operator-(const TFrac& x, const TFrac& y) { return DifferenceOf(x, y); }
  friend constexpr TFrac operator*(const TFrac& x, const TFrac& y) { return ProductOf(x, y); }
  friend constexpr TFrac operator/(const TFrac& x, const TFrac& y) { return QuotientOf(x, y); }
  friend constexpr TFrac operator-(const TFrac& x) { return NegativeOf(x); }
  constexpr TFrac& operator+=(const TFrac& other) { return *this = *this + other; }
  constexpr TFrac& operator-=(const TFrac& other) { return *this = *this - other; }
  constexpr TFrac& operator*=(const TFrac& other) { return *this = *this * other; }
  constexpr TFrac& operator/=(const TFrac& other) { return *this = *this / other; }

  // Comparison by value, in the exact order above.
  friend constexpr bool operator==(const TFrac& x, const TFrac& y) {
    return Compare(x, y) == Order::kEqual;
  }
#if defined(__cpp_impl_three_way_comparison) && defined(__cpp_lib_three_way_comparison)
  friend constexpr std::partial_ordering operator<=>(const TFrac& x, const TFrac& y) {
    switch (Compare(x, y)) {
      case Order::kLess:
        return std::partial_ordering::less;
      case Order::kEqual:
        return std::partial_ordering::equivalent;
      case Order::kGreater:
        return std::partial_ordering::greater;
      case Order::kUnordered:
        break;
    }
    return std::partial_ordering::unordered;
  }
#else
  friend constexpr bool operator!=(const TFrac& x, const TFrac& y) { return !(x == y); }
  friend constexpr bool operator<(const TFrac& x, const TFrac& y) {
    return Compare(x, y) == Order::kLess;
  }
  friend constexpr bool operator>(const TFrac& x, const TFrac& y) {
    return Compare(x, y) == Order::kGreater;
  }
  friend constexpr bool operator<=(const TFrac& x, const TFrac& y) {
    const Order order = Compare(x, y);
    return order == Order::kLess || order == Order::kEqual;
  }
  friend constexpr bool operator>=(const TFrac& x, const TFrac& y) { return y <= x; }
#endif

  // Fractions are small and made on the heap one at a time, as the methods
  // hand them over: each thread keeps a few freed ones to reuse. The
  // placement and nothrow forms work as usual. The usual delete is the sized
  // one, which tells a TFrac's block from a derived class's.
  FRACTION_EXPORT static void* operator new(std::size_t size);  // NOLINT(misc-new-delete-overloads)
  FRACTION_EXPORT static void operator delete(void* pointer, std::size_t size) noexcept;
  FRACTION_EXPORT static void* operator new(std::size_t size, const std::nothrow_t& tag) noexcept;
  FRACTION_EXPORT static void operator delete(void* pointer, const std::nothrow_t& tag) noexcept;
  static void* operator new(std::size_t /*size*/, void* place) noexcept { return place; }
  static void operator delete(void* /*pointer*/, void* /*place*/) noexcept {}

  // The text that Gcd writes on invalid data, without a line break.
  FRACTION_EXPORT static const wchar_t* InvalidDataMessage();

 private:
  enum class Order : signed char { kLess = 0, kEqual = 1, kGreater = 2, kUnordered = 3 };
  static constexpr Order Compare(const TFrac& x, const TFrac& y);

  enum class Rounding : signed char { kFloor, kCeil, kTrunc, kRound };
  [[nodiscard]] constexpr std::optional<std::int64_t> Rounded(Rounding rounding) const;

  // For results known to be in lowest terms with a positive denominator.
  struct InLowestTerms {};
  constexpr TFrac(InLowestTerms /*known*/, std::int32_t n, std::int32_t d)
      : numerator(n), denominator(d), lowest_terms(true) {}

  // What the value operators compute.
  static constexpr TFrac SumOf(const TFrac& x, const TFrac& y);
  static constexpr TFrac DifferenceOf(const TFrac& x, const TFrac& y);
  static constexpr TFrac ProductOf(const TFrac& x, const TFrac& y);
  static constexpr TFrac QuotientOf(const TFrac& x, const TFrac& y);
  static constexpr TFrac NegativeOf(const TFrac& x);

  // x + y or x − y from its exact unreduced parts: n = a·d ± b·c over
  // m = b·d, for x = a/b and y = c/d.
  static constexpr TFrac FromSum(const TFrac& x, const TFrac& y, std::int64_t n, std::int64_t m);

  // What the checked operations yield for exact parts n/m with m > 0: the
  // result reduced, if it then fits.
  static constexpr std::optional<TFrac> Exact(std::int64_t n, std::int64_t m);

  // Carries the sign of the fraction.
  std::int32_t numerator;
  std::int32_t denominator;
  // Known to be in lowest terms with a positive denominator, as the
  // two-integer constructor leaves valid data: arithmetic on such operands
  // skips work that an unreduced operand (from text) would need. No part of
  // the value: Equal, == and the hash ignore it.
  bool lowest_terms = false;
};

// Writes ToString().
FRACTION_EXPORT std::ostream& operator<<(std::ostream& out, const TFrac& fraction);

// Reads, after the stream's white-space skip, an optional sign and digits,
// then optionally '/', an optional sign and digits, and stores what the text
// constructor stores for that text (so "4/6" stays 4/6, "5" is 5/1). On
// anything else, or a part outside the 32-bit range, sets failbit and
// leaves the fraction as it was.
FRACTION_EXPORT std::istream& operator>>(std::istream& in, TFrac& fraction);

}  // namespace fraction

namespace std {

// Equal values hash equal: 2/4 and 1/2, 1/-2 and -1/2.
template <>
struct hash<fraction::TFrac> {
  FRACTION_EXPORT std::size_t operator()(const fraction::TFrac& fraction) const noexcept;
};

}  // namespace std

#include "fraction/detail/tfrac_inline.h"  // IWYU pragma: export

#endif  // FRACTION_TFRAC_H
