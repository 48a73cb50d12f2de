#ifndef FRACTION_TFRAC_H
#define FRACTION_TFRAC_H

/// \file
/// The fraction type fraction::TFrac, its streams, its hash and its
/// numeric_limits.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <iosfwd>
#include <limits>
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

namespace fraction::detail {

/// Whether an integer type has more than 31 bits besides the sign. Only an
/// integral T reaches std::numeric_limits<T>: naming it for a class would
/// instantiate the primary template, before any specialisation the class's
/// header declares later (BigFraction's, say).
template <class T, bool = std::is_integral_v<T>>
struct WiderThan31Bits : std::false_type {};
/// @copydoc WiderThan31Bits
template <class T>
struct WiderThan31Bits<T, true> : std::bool_constant<(std::numeric_limits<T>::digits > 31)> {};

/// Whether a T converts to a fraction only with a change of value: a
/// floating-point value would truncate, an integer of more than 31 bits
/// besides the sign would wrap.
template <class T>
constexpr bool kNarrows = std::is_floating_point_v<T> || WiderThan31Bits<T>::value;

/// R, for a floating-point F only: so that an integer beside a fraction takes
/// the fraction's way, never a double's, which is inexact beyond 2^53.
template <class F, class R>
using IfFloatingPoint = std::enable_if_t<std::is_floating_point_v<F>, R>;

/// Where one value lies against another: counted 0, 1 and 2 for less, equal
/// and greater, so that comparisons add them up rather than branch.
enum class Order : signed char { kLess = 0, kEqual = 1, kGreater = 2, kUnordered = 3 };

}  // namespace fraction::detail

namespace fraction {

/// An exact fraction of two 32-bit signed integers.
///
/// The two-integer constructor reduces by the greatest common divisor; the
/// copy and text constructors store what they are given, so Equal, which
/// compares the stored fields, can tell 1/2 from an unreduced 2/4 read from
/// text, while ==, which compares values, cannot.
///
/// Arithmetic wraps around in 32 bits (two's complement) and is not checked
/// for overflow, except by the checked operations. Nothing throws: invalid
/// data is reported by Gcd, which writes InvalidDataMessage() to standard
/// output.
///
/// The order is exact. A denominator's sign counts (1/-2 is -1/2); x/0 is
/// +infinity for x > 0 and -infinity for x < 0; 0/0 is unordered and equal
/// to nothing, itself included.
///
/// A result "fits" when its numerator lies within ±(2^31 − 1) and its
/// denominator within 1 to 2^31 − 1, in lowest terms.
///
/// What is declared constexpr works in constant expressions, from C++17 on,
/// and is defined inline (fraction/detail/tfrac_inline.h) so that callers'
/// compilers can inline and fold it; there, invalid data does not compile.
/// The rest is compiled into the library. Comparisons with floating-point
/// values are declared after the class.
class TFrac {
 public:
  /// \name Construction
  /// @{

  /// A fraction of a over b, stored in lowest terms with a positive
  /// denominator, and zero as 0/1.
  ///
  /// Invalid data (b < 1 with a != 0, or a == INT32_MIN) writes the
  /// invalid-data message once and keeps a and b exactly as given; so does
  /// 0 over 0, silently. In a constant expression, invalid data does not
  /// compile. Implicit, so that integers mix with fractions: x + 1, 2 * x
  /// and x == 0 give what the same expressions with TFrac(1), TFrac(2) and
  /// TFrac(0) give.
  constexpr TFrac(std::int32_t a = 0, std::int32_t b = 1);
  /// No fraction: deleted for what would change on its way in, in either
  /// place, alone or beside a fraction.
  ///
  /// That is a floating-point value, which would truncate (TFrac(0.5),
  /// TFrac(1, 0.5f), x + 0.5), and an integer type wider than 32 bits
  /// signed, which would wrap (TFrac(1LL, 2), x + 3000000000LL,
  /// x * v.size(), a std::uint32_t). FromIntegers takes those integers.
  template <class A, class B = std::int32_t,
            std::enable_if_t<detail::kNarrows<A> || detail::kNarrows<B>, int> = 0>
  TFrac(A /*a*/, B /*b*/ = 1) = delete;
  /// The fraction n/d exactly, in lowest terms, if it fits; none where d is
  /// 0. Never writes the invalid-data message.
  [[nodiscard]] static constexpr std::optional<TFrac> FromIntegers(std::int64_t n, std::int64_t d);
  /// A fraction of the fields read from "n/d" with atol's grammar per part,
  /// neither reduced nor checked: "4/6" stays 4/6 and "1/-2" stays 1/-2.
  ///
  /// Parts are split at runs of '/' as strtok does; a missing numerator
  /// reads as 0, a missing denominator as 1, a part out of the 32-bit range
  /// saturates, and a null text is "".
  FRACTION_EXPORT explicit TFrac(const char* text);
  /// A fraction with the fields of \p source, as they are.
  constexpr TFrac(const TFrac& source) = default;
  /// This fraction, given the fields of \p source as they are.
  constexpr TFrac& operator=(const TFrac& source) = default;
  /// A fraction with the fields of \p source, as they are.
  constexpr TFrac(TFrac&& source) noexcept = default;
  /// This fraction, given the fields of \p source as they are.
  constexpr TFrac& operator=(TFrac&& source) noexcept = default;
  /// Ends the fraction; it owns nothing.
  ~TFrac() = default;
  /// The greatest common divisor of |a| and b: b when a is 0; otherwise,
  /// when |a| or b is below 1 (|INT32_MIN| counts as negative), 0, after
  /// writing the invalid-data message to standard output.
  static constexpr std::int32_t Gcd(std::int32_t a, std::int32_t b);
  /// The text that Gcd writes on invalid data, without a line break.
  FRACTION_EXPORT static const wchar_t* InvalidDataMessage();

  /// @}
  /// \name Access to representation
  /// @{

  /// The stored numerator, which carries the sign of a reduced fraction.
  [[nodiscard]] constexpr std::int32_t Numerator() const;
  /// The stored denominator: positive in a reduced fraction, anything in
  /// one read from text.
  [[nodiscard]] constexpr std::int32_t Denominator() const;

  /// @}
  /// \name Arithmetic operators
  /// Each gives exactly what the pointer method of the same operation gives
  /// on a copy: the same wrap-around, the same message.
  /// @{

  /// The sum x + y, as Add gives it.
  friend constexpr TFrac operator+(const TFrac& x, const TFrac& y);
  /// The difference x − y, as Subtract gives it.
  friend constexpr TFrac operator-(const TFrac& x, const TFrac& y);
  /// The product x · y, as Multiply gives it.
  friend constexpr TFrac operator*(const TFrac& x, const TFrac& y);
  /// The quotient x / y, as Divide gives it: 0/1 when y is zero.
  friend constexpr TFrac operator/(const TFrac& x, const TFrac& y);
  /// The fraction \p x as it is.
  friend constexpr TFrac operator+(const TFrac& x);
  /// The negation of \p x, as Minus gives it on a copy.
  friend constexpr TFrac operator-(const TFrac& x);
  /// This fraction, replaced by *this + other.
  constexpr TFrac& operator+=(const TFrac& other);
  /// This fraction, replaced by *this − other.
  constexpr TFrac& operator-=(const TFrac& other);
  /// This fraction, replaced by *this · other.
  constexpr TFrac& operator*=(const TFrac& other);
  /// This fraction, replaced by *this / other.
  constexpr TFrac& operator/=(const TFrac& other);

  /// @}
  /// \name Comparison
  /// By value, in the exact order described for the class.
  /// @{

  /// Whether x and y have the same value; false when either is 0/0.
  friend constexpr bool operator==(const TFrac& x, const TFrac& y);
  /// Whether x and y differ in value; true when either is 0/0.
  friend constexpr bool operator!=(const TFrac& x, const TFrac& y);
  /// Whether x lies below y; false when either is 0/0.
  friend constexpr bool operator<(const TFrac& x, const TFrac& y);
  /// Whether x lies below y or equals it; false when either is 0/0.
  friend constexpr bool operator<=(const TFrac& x, const TFrac& y);
  /// Whether x lies above y; false when either is 0/0.
  friend constexpr bool operator>(const TFrac& x, const TFrac& y);
  /// Whether x lies above y or equals it; false when either is 0/0.
  friend constexpr bool operator>=(const TFrac& x, const TFrac& y);
#if defined(__cpp_impl_three_way_comparison) && defined(__cpp_lib_three_way_comparison)
  /// Where x lies against y, as a std::partial_ordering (C++20): unordered
  /// when either is 0/0.
  friend constexpr std::partial_ordering operator<=>(const TFrac& x, const TFrac& y);
#endif

  /// @}
  /// \name Checked operations
  /// Each gives the exact result in lowest terms with a positive
  /// denominator, or none when it does not fit or an operand's denominator
  /// is below 1. None of them wraps around or writes the message.
  /// @{

  /// The exact sum *this + other, if it fits; none also when a denominator
  /// is below 1.
  [[nodiscard]] constexpr std::optional<TFrac> CheckedAdd(const TFrac& other) const;
  /// The exact difference *this − other, if it fits; none also when a
  /// denominator is below 1.
  [[nodiscard]] constexpr std::optional<TFrac> CheckedSubtract(const TFrac& other) const;
  /// The exact product *this · other, if it fits; none also when a
  /// denominator is below 1.
  [[nodiscard]] constexpr std::optional<TFrac> CheckedMultiply(const TFrac& other) const;
  /// The exact quotient *this / other, if it fits; none also when a
  /// denominator is below 1 or \p other is zero.
  [[nodiscard]] constexpr std::optional<TFrac> CheckedDivide(const TFrac& other) const;
  /// The remainder x − y·⌊x / y⌋ for x = *this, which has the sign of y, as
  /// Python's % and Julia's mod give it: 7/2 modulo -1/3 is -1/6. None when
  /// it does not fit, when a denominator is below 1, or when y is zero.
  [[nodiscard]] constexpr std::optional<TFrac> CheckedModulo(const TFrac& y) const;
  /// The floored quotient ⌊x / y⌋ for x = *this, exactly, as Python's //
  /// gives it (7/2 over -1/3 gives -11); always in 64 bits, since
  /// |x / y| < 2^62. None when a denominator is below 1 or y is zero.
  [[nodiscard]] constexpr std::optional<std::int64_t> FloorDivide(const TFrac& y) const;
  /// This value to the power \p exponent, exactly, if it fits: x^0 is 1/1
  /// (0^0 too), a negative exponent takes the reciprocal's power. None also
  /// when the denominator is below 1, and for zero to a negative power.
  [[nodiscard]] constexpr std::optional<TFrac> CheckedPow(std::int32_t exponent) const;

  /// @}
  /// \name Rounding and sign
  /// On the exact value of the stored fields, whatever they are: "7/-2" is
  /// -3.5.
  /// @{

  /// The greatest integer not above the value; none for a zero denominator.
  /// 64 bits, as -2147483648/-1 is 2^31.
  [[nodiscard]] constexpr std::optional<std::int64_t> Floor() const;
  /// The least integer not below the value; none for a zero denominator.
  /// 64 bits, as -2147483648/-1 is 2^31.
  [[nodiscard]] constexpr std::optional<std::int64_t> Ceil() const;
  /// The value rounded toward zero; none for a zero denominator. 64 bits,
  /// as -2147483648/-1 is 2^31.
  [[nodiscard]] constexpr std::optional<std::int64_t> Trunc() const;
  /// The value rounded to the nearest integer, halves away from zero; none
  /// for a zero denominator. 64 bits, as -2147483648/-1 is 2^31.
  [[nodiscard]] constexpr std::optional<std::int64_t> Round() const;
  /// The sign of the value, -1, 0 or 1: x/0 has x's sign, 0/0 gives 0.
  [[nodiscard]] constexpr int Sign() const;
  /// Whether the value is an integer: "4/2" is, x/0 and 0/0 are not.
  [[nodiscard]] constexpr bool IsInteger() const;
  /// The absolute value: -x when x lies below zero, else x, its fields not
  /// reduced; it wraps as unary minus does (abs of -2147483648/1 is
  /// itself). Found by argument-dependent lookup, so that
  /// `using std::abs; abs(x)` works, which is why it has the standard's
  /// name and case.
  friend constexpr TFrac abs(const TFrac& x);  // NOLINT(readability-identifier-naming)

  /// @}
  /// \name Conversions
  /// None of them writes the invalid-data message.
  /// @{

  /// The exact value of \p x, in lowest terms, if it fits; none for NaN, an
  /// infinity or a value that does not fit (0.1 is 3602879701896397/2^55).
  /// -0.0 gives 0/1.
  [[nodiscard]] FRACTION_EXPORT static std::optional<TFrac> FromDouble(double x);
  /// The fraction nearest to the exact value of \p x among those that fit
  /// with a denominator of at most \p max_denominator; of two equally near,
  /// the one with the smaller denominator, then the one nearer zero.
  ///
  /// So it saturates (1e10 gives 2147483647/1), and Approximate(-x, n) is
  /// -Approximate(x, n). None for NaN, an infinity or max_denominator < 1.
  [[nodiscard]] FRACTION_EXPORT static std::optional<TFrac> Approximate(
      double x, std::int32_t max_denominator);
  /// The quotient correctly rounded to double; x/0 is an infinity, 0/0 NaN.
  [[nodiscard]] constexpr double ToDouble() const;
  /// The quotient as ToDouble() gives it, for static_cast<double>(x).
  constexpr explicit operator double() const;
  /// The exact value of \p text, in lowest terms, if it fits; none for
  /// anything else.
  ///
  /// The same in every locale: ASCII white space around either "n/d" with
  /// optional signs on both parts ("1/-2" is -1/2) or a decimal with an
  /// optional sign, point and exponent ("-2.5", ".5", "5.", "1.5e-3"), or a
  /// repeating decimal, an optional sign, digits, a point, digits and a
  /// nonempty period in parentheses, without an exponent ("0.(3)" is 1/3,
  /// "-.(142857)" -1/7, "1.(9)" 2/1). Parts, periods and exponents of any
  /// length are read exactly.
  [[nodiscard]] FRACTION_EXPORT static std::optional<TFrac> Parse(std::string_view text);
  /// The text form: decimal numerator, '/', decimal denominator, as stored:
  /// "-3/2", "0/1".
  [[nodiscard]] FRACTION_EXPORT std::string ToString() const;
  /// The value with \p digits digits after the point (clamped to 0..1000),
  /// rounded to nearest with ties to even, as printf rounds an exact value:
  /// "-0.00" for -1/1000 with 2 digits, no point for 0 digits. x/0 gives
  /// "inf" or "-inf", 0/0 "nan".
  [[nodiscard]] FRACTION_EXPORT std::string ToDecimal(int digits) const;
  /// The exact value as a decimal with its period in parentheses: 1/3 is
  /// "0.(3)", -1/6 "-0.1(6)", 1/12 "0.08(3)", 1/4 "0.25", 5/1 "5".
  ///
  /// The part before the period and the period are the shortest. None when
  /// the digits after the point (that part and one period) would exceed
  /// \p max_digits (a negative one counts as 0); x/0 and 0/0 give
  /// ToDecimal's "inf", "-inf" and "nan". Takes time linear in the digits
  /// written, at most max_digits.
  [[nodiscard]] FRACTION_EXPORT std::optional<std::string> ToRepeatingDecimal(int max_digits) const;
  /// The value as std::format writes a double, but exact, by \p options;
  /// empty for options it rejects.
  ///
  /// The options are what follows the colon in "{:>10.3f}":
  /// [[fill]align][sign]['#']['0'][width]['.' precision][type], the type one
  /// of e, E, f, F, g, G, or none for ToString()'s "n/d". fraction/format.h
  /// and fraction/fmt.h give the same to std::format and fmt::format.
  [[nodiscard]] FRACTION_EXPORT std::optional<std::string> Format(std::string_view options) const;

  /// @}
  /// \name Methods on pointers
  /// Each method that gives a fraction builds it through the two-integer
  /// constructor and hands it over on the heap.
  /// @{

  /// A new fraction *this + *other; none for a null \p other.
  [[nodiscard]] FRACTION_EXPORT std::unique_ptr<TFrac> Add(const TFrac* other) const;
  /// A new fraction *this − *other; none for a null \p other.
  [[nodiscard]] FRACTION_EXPORT std::unique_ptr<TFrac> Subtract(const TFrac* other) const;
  /// A new fraction *this · *other; none for a null \p other.
  [[nodiscard]] FRACTION_EXPORT std::unique_ptr<TFrac> Multiply(const TFrac* other) const;
  /// A new fraction *this / *other, 0/1 when *other is zero; none for a
  /// null \p other.
  [[nodiscard]] FRACTION_EXPORT std::unique_ptr<TFrac> Divide(const TFrac* other) const;
  /// A new fraction, this one squared.
  [[nodiscard]] FRACTION_EXPORT std::unique_ptr<TFrac> Square() const;
  /// A new fraction, the reciprocal of this one: 0/1 for zero.
  [[nodiscard]] FRACTION_EXPORT std::unique_ptr<TFrac> Reverse() const;
  /// This fraction, negated in place (not a new object).
  constexpr TFrac* Minus();
  /// Whether both stored fields match those of \p other; false for a null
  /// \p other.
  [[nodiscard]] constexpr bool Equal(const TFrac* other) const;
  /// Whether this value lies above that of \p other in the exact order;
  /// false for a null \p other.
  [[nodiscard]] constexpr bool Greater(const TFrac* other) const;

  /// @}
  /// \name Allocation
  /// Fractions are small and made on the heap one at a time, as the methods
  /// hand them over: each thread keeps a few freed ones to reuse. The
  /// placement and nothrow forms work as usual.
  /// @{

  /// Storage for a fraction: a freed block this thread kept, or the heap's.
  FRACTION_EXPORT static void* operator new(std::size_t size);  // NOLINT(misc-new-delete-overloads)
  /// Gives a fraction's storage back, to this thread's blocks or the heap.
  /// The usual delete is this sized one, which tells a TFrac's block from a
  /// derived class's.
  FRACTION_EXPORT static void operator delete(void* pointer, std::size_t size) noexcept;
  /// Storage for a fraction as operator new gives it, or null where the
  /// heap has none.
  FRACTION_EXPORT static void* operator new(std::size_t size, const std::nothrow_t& tag) noexcept;
  /// Gives back the storage of the nothrow new, when a constructor throws
  /// (which TFrac's never do).
  FRACTION_EXPORT static void operator delete(void* pointer, const std::nothrow_t& tag) noexcept;
  /// The storage at \p place, for placement new.
  static void* operator new(std::size_t size, void* place) noexcept;
  /// Nothing to give back, for placement new.
  static void operator delete(void* pointer, void* place) noexcept;

  /// @}

 private:
  friend class std::numeric_limits<TFrac>;

  static constexpr detail::Order Compare(const TFrac& x, const TFrac& y);

  enum class Rounding : signed char { kFloor, kCeil, kTrunc, kRound };
  [[nodiscard]] constexpr std::optional<std::int64_t> Rounded(Rounding rounding) const;

  // For results known to be in lowest terms with a positive denominator.
  struct InLowestTerms {};
  constexpr TFrac(InLowestTerms /*known*/, std::int32_t n, std::int32_t d);
  // The fields as given, silently, for the limits' infinity and NaN.
  struct AsGiven {};
  constexpr TFrac(AsGiven /*given*/, std::int32_t n, std::int32_t d);

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

/// \name Comparison with floating-point values
/// With a float, double or long double on either side, exactly: a finite
/// one is its binary value (TFrac(1, 10) < 0.1, which is
/// 3602879701896397/2^55), ±infinity are ±1/0, and NaN is unordered, as 0/0
/// is. No rounding, no heap, no text.
/// @{

/// Whether x has the exact value of y; false for NaN or 0/0.
template <class F>
constexpr detail::IfFloatingPoint<F, bool> operator==(const TFrac& x, F y);
/// Whether x differs from the exact value of y; true for NaN or 0/0.
template <class F>
constexpr detail::IfFloatingPoint<F, bool> operator!=(const TFrac& x, F y);
/// Whether x lies below the exact value of y; false for NaN or 0/0.
template <class F>
constexpr detail::IfFloatingPoint<F, bool> operator<(const TFrac& x, F y);
/// Whether x lies below or at the exact value of y; false for NaN or 0/0.
template <class F>
constexpr detail::IfFloatingPoint<F, bool> operator<=(const TFrac& x, F y);
/// Whether x lies above the exact value of y; false for NaN or 0/0.
template <class F>
constexpr detail::IfFloatingPoint<F, bool> operator>(const TFrac& x, F y);
/// Whether x lies above or at the exact value of y; false for NaN or 0/0.
template <class F>
constexpr detail::IfFloatingPoint<F, bool> operator>=(const TFrac& x, F y);
/// Whether the exact value of x is y's; false for NaN or 0/0.
template <class F>
constexpr detail::IfFloatingPoint<F, bool> operator==(F x, const TFrac& y);
/// Whether the exact value of x differs from y; true for NaN or 0/0.
template <class F>
constexpr detail::IfFloatingPoint<F, bool> operator!=(F x, const TFrac& y);
/// Whether the exact value of x lies below y; false for NaN or 0/0.
template <class F>
constexpr detail::IfFloatingPoint<F, bool> operator<(F x, const TFrac& y);
/// Whether the exact value of x lies below or at y; false for NaN or 0/0.
template <class F>
constexpr detail::IfFloatingPoint<F, bool> operator<=(F x, const TFrac& y);
/// Whether the exact value of x lies above y; false for NaN or 0/0.
template <class F>
constexpr detail::IfFloatingPoint<F, bool> operator>(F x, const TFrac& y);
/// Whether the exact value of x lies above or at y; false for NaN or 0/0.
template <class F>
constexpr detail::IfFloatingPoint<F, bool> operator>=(F x, const TFrac& y);
#if defined(__cpp_impl_three_way_comparison) && defined(__cpp_lib_three_way_comparison)
/// Where x lies against the exact value of y, as a std::partial_ordering
/// (C++20): unordered for NaN or 0/0.
template <class F>
constexpr detail::IfFloatingPoint<F, std::partial_ordering> operator<=>(const TFrac& x, F y);
#endif

/// @}
/// \name Streams
/// @{

/// The stream \p out, after ToString() of \p fraction is written to it.
FRACTION_EXPORT std::ostream& operator<<(std::ostream& out, const TFrac& fraction);
/// The stream \p out, after ToString() of \p fraction is written to it,
/// widened, as one string, so that width and fill apply to the whole text.
FRACTION_EXPORT std::wostream& operator<<(std::wostream& out, const TFrac& fraction);
/// The stream \p in, after a fraction is read from it into \p fraction.
///
/// After the stream's white-space skip it reads an optional sign and
/// digits, then optionally '/', an optional sign and digits, and stores
/// what the text constructor stores for that text (so "4/6" stays 4/6,
/// "5" is 5/1). On anything else, or a part outside the 32-bit range, it
/// sets failbit and leaves the fraction as it was.
FRACTION_EXPORT std::istream& operator>>(std::istream& in, TFrac& fraction);

/// @}

}  // namespace fraction

namespace std {

/// The hash of a fraction's value, for unordered containers.
template <>
struct hash<fraction::TFrac> {
  /// The hash of the value of \p fraction: equal values hash equal, 2/4 and
  /// 1/2, 1/-2 and -1/2.
  FRACTION_EXPORT std::size_t operator()(const fraction::TFrac& fraction) const noexcept;
};

/// TFrac as generic numeric code sees it: signed, bounded, exact and not an
/// integer, with the infinities and NaN of its zero denominators.
///
/// - min() is the smallest positive value, as for floating-point types, and
///   lowest() -max(): -2147483648/1 is invalid data.
/// - digits (31) and digits10 (9) count what every integer in the range
///   keeps, as for int32_t: all of ±(2^31 − 1) is exact.
/// - epsilon() and round_error() are 0: the arithmetic is exact or wraps,
///   and never rounds, so a tolerance scaled by them asks for equality; the
///   spacing at 1, 1/2147483646, would wrap in nearly any product.
/// - Nothing floating-point applies: no exponents, no denormals, nothing
///   traps (division by zero gives 0/1), the wrap-around is no modular
///   arithmetic of values, and the round style is the default one.
/// - infinity() and quiet_NaN() are 1/0 and 0/0 as stored, without the
///   message; signaling_NaN() is 0/1, as it is absent.
// NOLINTBEGIN(readability-identifier-naming): the standard's names
template <>
class numeric_limits<fraction::TFrac> {
 public:
  static constexpr bool is_specialized = true;  ///< True: TFrac has limits.
  /// The smallest positive value, 1/2147483647.
  static constexpr fraction::TFrac min() noexcept;
  /// The largest value that fits, 2147483647/1.
  static constexpr fraction::TFrac max() noexcept;
  /// The lowest value that fits, -2147483647/1.
  static constexpr fraction::TFrac lowest() noexcept;
  static constexpr int digits = 31;          ///< Binary digits every integer in range keeps.
  static constexpr int digits10 = 9;         ///< Decimal digits every integer in range keeps.
  static constexpr int max_digits10 = 0;     ///< 0: not a floating-point type.
  static constexpr bool is_signed = true;    ///< True: values may be negative.
  static constexpr bool is_integer = false;  ///< False: values need not be integers.
  static constexpr bool is_exact = true;     ///< True: values are exact.
  static constexpr int radix = 2;            ///< The base of digits: 2.
  /// 0/1: the arithmetic never rounds.
  static constexpr fraction::TFrac epsilon() noexcept;
  /// 0/1: the arithmetic never rounds.
  static constexpr fraction::TFrac round_error() noexcept;
  static constexpr int min_exponent = 0;                           ///< 0: no exponent.
  static constexpr int min_exponent10 = 0;                         ///< 0: no exponent.
  static constexpr int max_exponent = 0;                           ///< 0: no exponent.
  static constexpr int max_exponent10 = 0;                         ///< 0: no exponent.
  static constexpr bool has_infinity = true;                       ///< True: x/0.
  static constexpr bool has_quiet_NaN = true;                      ///< True: 0/0.
  static constexpr bool has_signaling_NaN = false;                 ///< False: none.
  static constexpr float_denorm_style has_denorm = denorm_absent;  ///< Absent: no denormals.
  static constexpr bool has_denorm_loss = false;                   ///< False: no denormals.
  /// Positive infinity, 1/0 as stored, without the message.
  static constexpr fraction::TFrac infinity() noexcept;
  /// Not a number, 0/0 as stored, without the message.
  static constexpr fraction::TFrac quiet_NaN() noexcept;
  /// 0/1, as there is no signaling NaN.
  static constexpr fraction::TFrac signaling_NaN() noexcept;
  /// min(), as there are no denormals.
  static constexpr fraction::TFrac denorm_min() noexcept;
  static constexpr bool is_iec559 = false;        ///< False: not IEC 559.
  static constexpr bool is_bounded = true;        ///< True: a finite set of values.
  static constexpr bool is_modulo = false;        ///< False: wrap-around is no modular arithmetic.
  static constexpr bool traps = false;            ///< False: division by zero gives 0/1.
  static constexpr bool tinyness_before = false;  ///< False: nothing rounds.
  static constexpr float_round_style round_style = round_toward_zero;  ///< The default.
};
// NOLINTEND(readability-identifier-naming)

}  // namespace std

#include "fraction/detail/tfrac_inline.h"  // IWYU pragma: export

#endif  // FRACTION_TFRAC_H
