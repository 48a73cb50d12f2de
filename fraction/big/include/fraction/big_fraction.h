#ifndef FRACTION_BIG_FRACTION_H
#define FRACTION_BIG_FRACTION_H

/// @file
/// fraction::BigFraction, TFrac's exact and unbounded companion, on GMP.

#include <gmpxx.h>

#include <climits>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <iosfwd>
#include <limits>
#include <memory>
#include <new>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>

#include "fraction/big_export.h"
#include "fraction/detail/format_options.h"
#include "fraction/tfrac.h"

#if __has_include(<compare>)
#include <compare>
#endif

namespace fraction {

class BigFraction;

namespace detail {

/// What the library's sources reach BigFraction's representation through.
class BigFractionAccess;

/// Deletes a large value's rational, or keeps it with its digits for the
/// next large value made on the same thread (a few of them, of moderate
/// size), so that arithmetic whose results stay large stops allocating.
struct MpqRecycler {
  /// Keeps or deletes `value`.
  FRACTION_BIG_EXPORT void operator()(mpq_class* value) const noexcept;
};
/// A large value's rational, owned.
using HeapRational = std::unique_ptr<mpq_class, MpqRecycler>;

/// Whether T is mpz_class or one of its expressions.
template <class T>
struct IsMpzExpression : std::false_type {};
/// @copydoc IsMpzExpression
template <class U>
struct IsMpzExpression<__gmp_expr<mpz_t, U>> : std::true_type {};
/// Whether T is mpq_class or one of its expressions.
template <class T>
struct IsMpqExpression : std::false_type {};
/// @copydoc IsMpqExpression
template <class U>
struct IsMpqExpression<__gmp_expr<mpq_t, U>> : std::true_type {};

/// The built-in integers of up to 64 bits, which BigFraction takes inline.
template <class T>
constexpr bool kIsNarrowInteger = std::is_integral_v<T> && sizeof(T) <= sizeof(std::int64_t);

#if defined(__SIZEOF_INT128__)
__extension__ using Int128 = __int128;            ///< 128-bit integers, where there are any.
__extension__ using Uint128 = unsigned __int128;  ///< Unsigned 128-bit integers.
using Int128OrVoid = Int128;                      ///< Int128, or void without it.
using Uint128OrVoid = Uint128;                    ///< Uint128, or void without it.
#else
using Int128OrVoid = void;   ///< Int128, or void without it.
using Uint128OrVoid = void;  ///< Uint128, or void without it.
#endif
/// Whether T is a 128-bit integer type.
template <class T>
constexpr bool kIsInt128 = std::is_same_v<T, Int128OrVoid> || std::is_same_v<T, Uint128OrVoid>;

/// Every integer BigFraction takes exactly: the built-in ones, __int128
/// where the compiler has it (even where std::is_integral does not count
/// it), and mpz_class with its expressions.
template <class T>
constexpr bool kIsExactInteger = std::is_integral_v<T> || kIsInt128<T> || IsMpzExpression<T>::value;

/// An mpz_class expression's value: the mpz_class itself where it is one.
inline const mpz_class& AsMpz(const mpz_class& value) { return value; }
/// An mpz_class expression evaluated.
template <class U>
mpz_class AsMpz(const __gmp_expr<mpz_t, U>& value) {
  return mpz_class(value);
}

}  // namespace detail

/// An exact rational number of any size, or ±infinity or NaN.
///
/// Every value is held in lowest terms with a positive denominator. Beside
/// the rationals there are +infinity (1/0), -infinity (-1/0) and NaN (0/0),
/// ordered as TFrac orders x/0 and 0/0, and following IEEE's rules where
/// there is no finite answer: x/0 for x != 0 is ±infinity, 0/0 NaN,
/// ∞ − ∞ and 0 · ∞ NaN, and a finite value over ±infinity 0. So every TFrac
/// and every double has an exact image.
///
/// A value whose numerator and denominator lie within ±(2^63 − 1) is held
/// inline, in the object's 16 bytes, and its arithmetic with others of the
/// kind runs in 64- and 128-bit integers without touching the heap; larger
/// values live in a GMP rational on the heap, and every result that fits
/// inline again goes back inline. Each thread keeps a few freed rationals,
/// digits and all, for the next large values it makes.
///
/// Nothing overflows or wraps, and nothing throws but std::bad_alloc:
/// from operator new when BigFraction's own block for a large value cannot
/// be had, and from Pow before it starts on a result larger than GMP can
/// hold. When GMP itself cannot allocate the digits of a number, its
/// allocation functions print a message and abort the program (GMP's
/// documented behaviour, which mp_set_memory_functions can replace).
class BigFraction {
 public:
  // Construction

  /// Zero.
  BigFraction() noexcept : numerator_(0), denominator_(1) {}

  /// Any integer exactly: a built-in integer type, __int128 where the
  /// compiler has it, mpz_class or an mpz_class expression. Implicit, so
  /// that integers mix with fractions: x + 1, 2 * x and x == 0.
  template <class I, std::enable_if_t<detail::kIsExactInteger<I>, int> = 0>
  BigFraction(const I& value);  // NOLINT(google-explicit-constructor)

  /// n/d in lowest terms, for any two integers that the one-argument
  /// constructor takes. A zero denominator gives +infinity for n > 0,
  /// -infinity for n < 0 and NaN for n = 0.
  template <class N, class D,
            std::enable_if_t<detail::kIsExactInteger<N> && detail::kIsExactInteger<D>, int> = 0>
  BigFraction(const N& n, const D& d);

  /// The value of a TFrac's stored fields: "4/-6" is -2/3, 1/0 +infinity,
  /// 0/0 NaN, -2147483648/-1 is 2^31. Implicit, as TFrac converts losing
  /// nothing.
  BigFraction(const TFrac& x)  // NOLINT(google-explicit-constructor)
      : BigFraction(x.Numerator(), x.Denominator()) {}

  /// The value of a GMP rational, or of an mpq_class expression, exactly;
  /// it need not be canonical. A zero denominator counts as in
  /// BigFraction(n, d).
  template <class Q, std::enable_if_t<detail::IsMpqExpression<Q>::value, int> = 0>
  BigFraction(const Q& value);  // NOLINT(google-explicit-constructor)

  /// The exact binary value of x: 0.1 is 3602879701896397/2^55; ±infinity
  /// and NaN are themselves. Floating-point values never convert
  /// implicitly, nor take part in arithmetic.
  [[nodiscard]] FRACTION_BIG_EXPORT static BigFraction FromDouble(long double x);
  /// @copydoc FromDouble(long double)
  [[nodiscard]] static BigFraction FromDouble(double x) {
    return FromDouble(static_cast<long double>(x));
  }
  /// @copydoc FromDouble(long double)
  [[nodiscard]] static BigFraction FromDouble(float x) {
    return FromDouble(static_cast<long double>(x));
  }

  /// Copies; a value on the heap gets a heap block of its own.
  BigFraction(const BigFraction& other);
  /// Moves; `other` is left 0.
  BigFraction(BigFraction&& other) noexcept;
  /// Copies.
  BigFraction& operator=(const BigFraction& other);
  /// Moves; `other` is left 0.
  BigFraction& operator=(BigFraction&& other) noexcept;
  ~BigFraction();

  // Arithmetic: exact, in lowest terms. Integers and TFracs convert on
  // either side.

  /// The sum; +infinity + -infinity is NaN.
  friend BigFraction operator+(const BigFraction& x, const BigFraction& y) { return Sum(x, y); }
  /// The difference; an infinity less itself is NaN.
  friend BigFraction operator-(const BigFraction& x, const BigFraction& y) {
    return Difference(x, y);
  }
  /// The product; 0 · ±infinity is NaN.
  friend BigFraction operator*(const BigFraction& x, const BigFraction& y) { return Product(x, y); }
  /// The quotient; x/0 is ±infinity for x != 0, 0/0 and ∞/∞ NaN, and a
  /// finite value over ±infinity 0.
  friend BigFraction operator/(const BigFraction& x, const BigFraction& y) {
    return Quotient(x, y);
  }
  /// The value itself.
  friend BigFraction operator+(const BigFraction& x) { return x; }
  /// The negated value; NaN stays NaN.
  friend BigFraction operator-(const BigFraction& x) { return Negated(x); }
  /// *this = *this + other, reusing the heap block of a large value.
  FRACTION_BIG_EXPORT BigFraction& operator+=(const BigFraction& other);
  /// *this = *this - other, likewise.
  FRACTION_BIG_EXPORT BigFraction& operator-=(const BigFraction& other);
  /// *this = *this * other, likewise.
  FRACTION_BIG_EXPORT BigFraction& operator*=(const BigFraction& other);
  /// *this = *this / other, likewise.
  FRACTION_BIG_EXPORT BigFraction& operator/=(const BigFraction& other);

  /// This value to the power `exponent`, exactly. A negative exponent
  /// takes the reciprocal's power, and 0 to a negative power is +infinity.
  /// The infinities and NaN follow IEEE's pow with an integer exponent:
  /// x^0 is 1 for every x, NaN included; (±infinity)^k is 0 for k < 0, and
  /// -infinity to an odd positive power is -infinity. Throws std::bad_alloc,
  /// before any work, when a part of the result would be larger than GMP
  /// can hold (2^31 − 1 limbs): 2 to the power 2^40, say.
  [[nodiscard]] FRACTION_BIG_EXPORT BigFraction Pow(std::int64_t exponent) const;

  // Order: exact, NaN unordered with everything, itself included.

  /// Equal values; never true for NaN.
  friend bool operator==(const BigFraction& x, const BigFraction& y) {
    return Compare(x, y) == Order::kEqual;
  }
  /// Not ==: true when either is NaN.
  friend bool operator!=(const BigFraction& x, const BigFraction& y) { return !(x == y); }
  /// In the exact order; false when either is NaN, as for the others below.
  friend bool operator<(const BigFraction& x, const BigFraction& y) {
    return Compare(x, y) == Order::kLess;
  }
  /// Less or equal.
  friend bool operator<=(const BigFraction& x, const BigFraction& y) {
    const Order order = Compare(x, y);
    return order == Order::kLess || order == Order::kEqual;
  }
  /// Greater.
  friend bool operator>(const BigFraction& x, const BigFraction& y) { return y < x; }
  /// Greater or equal.
  friend bool operator>=(const BigFraction& x, const BigFraction& y) { return y <= x; }
  /// With a float, double or long double on either side, taken at its
  /// exact binary value: BigFraction(1, 10) < 0.1. ±infinity are the
  /// infinities, and a NaN is unordered.
  template <class F>
  friend detail::IfFloatingPoint<F, bool> operator==(const BigFraction& x, F y) {
    return CompareWith(x, y) == Order::kEqual;
  }
  /// @copydoc operator==(const BigFraction&, F)
  template <class F>
  friend detail::IfFloatingPoint<F, bool> operator!=(const BigFraction& x, F y) {
    return !(x == y);
  }
  /// @copydoc operator==(const BigFraction&, F)
  template <class F>
  friend detail::IfFloatingPoint<F, bool> operator<(const BigFraction& x, F y) {
    return CompareWith(x, y) == Order::kLess;
  }
  /// @copydoc operator==(const BigFraction&, F)
  template <class F>
  friend detail::IfFloatingPoint<F, bool> operator<=(const BigFraction& x, F y) {
    const Order order = CompareWith(x, y);
    return order == Order::kLess || order == Order::kEqual;
  }
  /// @copydoc operator==(const BigFraction&, F)
  template <class F>
  friend detail::IfFloatingPoint<F, bool> operator>(const BigFraction& x, F y) {
    return CompareWith(x, y) == Order::kGreater;
  }
  /// @copydoc operator==(const BigFraction&, F)
  template <class F>
  friend detail::IfFloatingPoint<F, bool> operator>=(const BigFraction& x, F y) {
    const Order order = CompareWith(x, y);
    return order == Order::kGreater || order == Order::kEqual;
  }
  /// @copydoc operator==(const BigFraction&, F)
  template <class F>
  friend detail::IfFloatingPoint<F, bool> operator==(F x, const BigFraction& y) {
    return y == x;
  }
  /// @copydoc operator==(const BigFraction&, F)
  template <class F>
  friend detail::IfFloatingPoint<F, bool> operator!=(F x, const BigFraction& y) {
    return y != x;
  }
  /// @copydoc operator==(const BigFraction&, F)
  template <class F>
  friend detail::IfFloatingPoint<F, bool> operator<(F x, const BigFraction& y) {
    return y > x;
  }
  /// @copydoc operator==(const BigFraction&, F)
  template <class F>
  friend detail::IfFloatingPoint<F, bool> operator<=(F x, const BigFraction& y) {
    return y >= x;
  }
  /// @copydoc operator==(const BigFraction&, F)
  template <class F>
  friend detail::IfFloatingPoint<F, bool> operator>(F x, const BigFraction& y) {
    return y < x;
  }
  /// @copydoc operator==(const BigFraction&, F)
  template <class F>
  friend detail::IfFloatingPoint<F, bool> operator>=(F x, const BigFraction& y) {
    return y <= x;
  }
#if defined(__cpp_impl_three_way_comparison) && defined(__cpp_lib_three_way_comparison)
  /// The exact order as a std::partial_ordering; unordered with NaN.
  friend std::partial_ordering operator<=>(const BigFraction& x, const BigFraction& y) {
    return detail::PartialOrdering(Compare(x, y));
  }
  /// @copydoc operator<=>(const BigFraction&, const BigFraction&)
  template <class F>
  friend detail::IfFloatingPoint<F, std::partial_ordering> operator<=>(const BigFraction& x, F y) {
    return detail::PartialOrdering(CompareWith(x, y));
  }
#endif

  // Parts and rounding

  /// The numerator in lowest terms; 1, -1 and 0 for +infinity, -infinity
  /// and NaN.
  [[nodiscard]] FRACTION_BIG_EXPORT mpz_class Numerator() const;
  /// The denominator in lowest terms, at least 1; 0 for the infinities and
  /// NaN.
  [[nodiscard]] FRACTION_BIG_EXPORT mpz_class Denominator() const;
  /// -1, 0 or 1; the infinities have their sign, NaN gives 0.
  [[nodiscard]] FRACTION_BIG_EXPORT int Sign() const;
  /// Whether the value is an integer; the infinities and NaN are not.
  [[nodiscard]] FRACTION_BIG_EXPORT bool IsInteger() const;
  /// -x for a value below zero, else x: infinities lose their sign, NaN
  /// stays NaN. Found by argument-dependent lookup, as for TFrac.
  friend BigFraction abs(const BigFraction& x) {  // NOLINT(readability-identifier-naming)
    return x.Sign() < 0 ? -x : x;
  }
  /// The greatest integer at most the value; none for the infinities and
  /// NaN, as for the rest of the rounding.
  [[nodiscard]] FRACTION_BIG_EXPORT std::optional<mpz_class> Floor() const;
  /// The least integer at least the value.
  [[nodiscard]] FRACTION_BIG_EXPORT std::optional<mpz_class> Ceil() const;
  /// The value rounded toward zero.
  [[nodiscard]] FRACTION_BIG_EXPORT std::optional<mpz_class> Trunc() const;
  /// The nearest integer, halves away from zero, as TFrac's Round.
  [[nodiscard]] FRACTION_BIG_EXPORT std::optional<mpz_class> Round() const;
  /// ⌊x / y⌋ exactly, as Python's //: 7/2 over -1/3 is -11. None for a
  /// zero y, or an infinite or NaN x or y.
  [[nodiscard]] FRACTION_BIG_EXPORT std::optional<mpz_class> FloorDivide(
      const BigFraction& y) const;
  /// x − y·⌊x / y⌋, which has the sign of y, as Python's %: 7/2 modulo
  /// -1/3 is -1/6. NaN where FloorDivide is none.
  [[nodiscard]] FRACTION_BIG_EXPORT BigFraction Modulo(const BigFraction& y) const;
  /// The value correctly rounded to a double: to nearest, ties to even,
  /// subnormals included; beyond the largest double ±infinity, and a
  /// negative value that rounds to zero -0.0. NaN for NaN.
  [[nodiscard]] FRACTION_BIG_EXPORT double ToDouble() const;
  /// ToDouble(), as static_cast<double>(x).
  explicit operator double() const { return ToDouble(); }
  /// The exact value as a TFrac, if it fits one: in lowest terms with both
  /// parts within ±(2^31 − 1). None for the infinities and NaN, as for
  /// every other value that does not fit.
  [[nodiscard]] FRACTION_BIG_EXPORT std::optional<TFrac> ToTFrac() const;
  /// The exact value as a GMP rational, in canonical form; none for the
  /// infinities and NaN, which GMP has no rational for.
  [[nodiscard]] FRACTION_BIG_EXPORT std::optional<mpq_class> ToMpq() const;

  // Text

  /// The default of Parse's max_digits: CPython's int and str conversions
  /// stop at 4,300 digits for the same reason, that a short text (1e999999999)
  /// can ask for a huge number.
  static constexpr std::size_t kDefaultMaxDigits = 100000;

  /// "n/d" in lowest terms, whatever the size: "-3/2", "5/1", "1/0",
  /// "-1/0", "0/0".
  [[nodiscard]] FRACTION_BIG_EXPORT std::string ToString() const;

  /// The exact value of a text, or none. It reads every text that
  /// TFrac::Parse reads, with the same value at any size: ASCII white space
  /// around either "n/d" with optional signs on both parts, or a decimal
  /// with an optional sign, point and exponent ("-2.5", "1.5e-3"), or a
  /// repeating decimal ("0.(3)" is 1/3). A zero denominator gives what
  /// BigFraction(n, 0) gives, whatever its sign ("5/0" is +infinity, "-0/0"
  /// NaN), so ToString's texts read back. "0e999999999" is 0.
  ///
  /// The numerator and the denominator of the result may each have at most
  /// max_digits decimal digits. Where a bound read off the text exceeds that
  /// (1e999999999), it is none before any number is built, and otherwise
  /// the parts are checked once known: the cost stays near linear in the
  /// text's length. Values GMP cannot hold give none too, whatever the
  /// limit; below that, a limit raised beyond what memory holds lets a
  /// short text exhaust it.
  [[nodiscard]] FRACTION_BIG_EXPORT static std::optional<BigFraction> Parse(
      std::string_view text, std::size_t max_digits = kDefaultMaxDigits);

  // Decimals and formatting: TFrac's, with the same text for the same value,
  // at any size.

  /// The value with `digits` digits after the point (clamped to 0..1000),
  /// rounded to nearest with ties to even, as printf rounds an exact value:
  /// "-0.00" for -1/1000 with 2 digits, no point for 0 digits. +infinity,
  /// -infinity and NaN give "inf", "-inf" and "nan".
  [[nodiscard]] FRACTION_BIG_EXPORT std::string ToDecimal(int digits) const;
  /// The exact value as a decimal with its period in parentheses: 1/3 is
  /// "0.(3)", -1/6 "-0.1(6)", 1/12 "0.08(3)", 1/4 "0.25", 5 "5".
  ///
  /// The part before the period and the period are the shortest. None when
  /// the digits after the point (that part and one period) would exceed
  /// `max_digits` (a negative one counts as 0); the infinities and NaN give
  /// ToDecimal's "inf", "-inf" and "nan". The period is sought a digit at a
  /// time up to the cap, never beyond, and the digits come from one
  /// division: time linear in max_digits (times the denominator's length),
  /// whatever the period. 1/(2^89 − 1), whose period has about 10^26
  /// digits, is none at once for a cap of a million.
  [[nodiscard]] FRACTION_BIG_EXPORT std::optional<std::string> ToRepeatingDecimal(
      int max_digits) const;
  /// The value as std::format writes a double, but exact, by `options`, as
  /// TFrac::Format reads them and with the same text for the same value;
  /// empty for options it rejects. Without a type it writes ToString()'s
  /// "n/d" in lowest terms. Any precision is exact, its digits from a few
  /// divisions of GMP's, in about linear time.
  ///
  /// fraction/format.h and fraction/fmt.h give the same to std::format and
  /// fmt::format, once this header is included too (see FormatText).
  [[nodiscard]] FRACTION_BIG_EXPORT std::optional<std::string> Format(
      std::string_view options) const;

  // Continued fractions and approximation. ContinuedFraction, Convergents
  // and Simplest for BigFraction are free functions, as for TFrac, in
  // fraction/big_continued_fraction.h; FromContinuedFraction is a member
  // here, since a free template could not be told from TFrac's by its
  // arguments.

  /// The exact value of the continued fraction [a0; a1, ..., ak] whose
  /// terms run from \p first to \p last, in lowest terms; none for no terms
  /// or for a term below 1 after the first.
  ///
  /// The terms may be of any integer type, mpz_class and its expressions
  /// included, and of any size: any finite list of valid terms gives its
  /// value. A last term of 1 is allowed: [a0; ..., a, 1] is
  /// [a0; ..., a + 1]. The terms are read only until one of them is
  /// refused.
  template <class InputIt>
  [[nodiscard]] static std::optional<BigFraction> FromContinuedFraction(InputIt first,
                                                                        InputIt last);
  /// The exact value of the listed \p terms [a0; a1, ..., ak], as
  /// FromContinuedFraction(first, last) gives it: {3, 7, 16} is 355/113.
  [[nodiscard]] static std::optional<BigFraction> FromContinuedFraction(
      std::initializer_list<std::int64_t> terms) {
    return FromContinuedFraction(terms.begin(), terms.end());
  }

  /// The fraction nearest to \p x whose denominator is at most
  /// \p max_denominator; of two equally near, the one with the smaller
  /// denominator, then the one nearer zero.
  ///
  /// Python's Fraction.limit_denominator, with TFrac::Approximate's rule
  /// for ties: \p x itself when its denominator is small enough, and
  /// Approximate(-x, n) is -Approximate(x, n). None for NaN, an infinity or
  /// a \p max_denominator below 1.
  [[nodiscard]] FRACTION_BIG_EXPORT static std::optional<BigFraction> Approximate(
      const BigFraction& x, const mpz_class& max_denominator);

 private:
  friend class detail::BigFractionAccess;
  friend class std::numeric_limits<BigFraction>;

  // The denominator word of a value on the heap; every inline one is at
  // most 2^63 − 1, so its top bit tells the two apart.
  static constexpr std::uint64_t kOnHeap = ~std::uint64_t{0};

  // An inline value from parts known to be held so: in lowest terms, or
  // ±1/0 or 0/0.
  struct Inline {};
  BigFraction(Inline /*known*/, std::int64_t n, std::uint64_t d) noexcept
      : numerator_(n), denominator_(d) {}

  [[nodiscard]] bool OnHeap() const noexcept { return denominator_ == kOnHeap; }

  // What the constructors take out of line: the parts' signs and
  // magnitudes, or GMP's numbers.
  FRACTION_BIG_EXPORT static BigFraction FromMagnitudes(bool negative, std::uint64_t n,
                                                        std::uint64_t d);
  FRACTION_BIG_EXPORT static BigFraction FromMpz(const mpz_class& n, const mpz_class& d);
  FRACTION_BIG_EXPORT static BigFraction FromMpq(const mpq_class& value);
  FRACTION_BIG_EXPORT static mpz_class MpzOf(bool negative, std::uint64_t magnitude);
#if defined(__SIZEOF_INT128__)
  FRACTION_BIG_EXPORT static BigFraction FromInt128(bool negative, detail::Uint128 n,
                                                    detail::Uint128 d);
  FRACTION_BIG_EXPORT static mpz_class MpzOf(bool negative, detail::Uint128 magnitude);
#endif

  template <class I>
  static bool IsNegative(const I& value) {
    if constexpr (std::is_signed_v<I> || std::is_same_v<I, detail::Int128OrVoid>) {
      return value < 0;
    } else {
      return false;
    }
  }
  // |value| in the unsigned type of its width (64 bits at least), where the
  // magnitude of the most negative value fits.
  template <class I>
  static auto Magnitude(const I& value) {
    using Unsigned = std::conditional_t<(sizeof(I) > sizeof(std::uint64_t)), detail::Uint128OrVoid,
                                        std::uint64_t>;
    const auto bits = static_cast<Unsigned>(value);
    return IsNegative(value) ? 0 - bits : bits;
  }
  // Whether a built-in integer of 64 bits at most lies within ±(2^63 − 1).
  template <class I>
  static bool FitsInline(const I& value) {
    if constexpr (std::numeric_limits<I>::digits < 63) {
      return true;
    } else if constexpr (std::is_signed_v<I>) {
      return value != INT64_MIN;
    } else {
      return value <= static_cast<std::uint64_t>(INT64_MAX);
    }
  }
  // An integer of any kind as an mpz_class; mpz_class itself as it is.
  template <class I>
  static decltype(auto) ExactMpz(const I& value) {
    if constexpr (detail::IsMpzExpression<I>::value) {
      return detail::AsMpz(value);
    } else {
      return MpzOf(IsNegative(value), Magnitude(value));
    }
  }
  FRACTION_BIG_EXPORT void CopyHeap(const BigFraction& other);

  // The convergents h/k of a continued fraction, term by term: h' = a·h +
  // h_before from h/h_before = 1/0, and k' = a·k + k_before from 0/1. Each
  // is in lowest terms with k >= 1, as h·k_before − h_before·k = ±1, so
  // none is reduced.
  class ConvergentWalk {
   public:
    // Takes the next term; false, from then on, from a term below 1 after
    // the first.
    FRACTION_BIG_EXPORT bool Take(std::int64_t term);
    FRACTION_BIG_EXPORT bool Take(const mpz_class& term);
    // The convergent of the terms taken; none before the first term or
    // after a term refused.
    [[nodiscard]] FRACTION_BIG_EXPORT std::optional<BigFraction> Value() const;

   private:
    mpz_class h_{1}, k_{0}, h_before_{0}, k_before_{1};
    bool refused_ = false;
  };
  // A term of any integer type: within 64 bits as it is, else as mpz_class.
  template <class I>
  static bool TakeTerm(ConvergentWalk& walk, const I& term) {
    static_assert(detail::kIsExactInteger<I> && !std::is_same_v<I, bool>,
                  "continued fraction terms are integers");
    if constexpr (detail::IsMpzExpression<I>::value) {
      return walk.Take(detail::AsMpz(term));
    } else if constexpr (detail::kIsNarrowInteger<I>) {
      return FitsInline(term) ? walk.Take(static_cast<std::int64_t>(term))
                              : walk.Take(ExactMpz(term));
    } else {
      return walk.Take(ExactMpz(term));
    }
  }

  FRACTION_BIG_EXPORT static BigFraction Sum(const BigFraction& x, const BigFraction& y);
  FRACTION_BIG_EXPORT static BigFraction Difference(const BigFraction& x, const BigFraction& y);
  FRACTION_BIG_EXPORT static BigFraction Product(const BigFraction& x, const BigFraction& y);
  FRACTION_BIG_EXPORT static BigFraction Quotient(const BigFraction& x, const BigFraction& y);
  FRACTION_BIG_EXPORT static BigFraction Negated(const BigFraction& x);

  using Order = detail::Order;
  FRACTION_BIG_EXPORT static Order Compare(const BigFraction& x, const BigFraction& y);
  // float and double widen to long double exactly.
  FRACTION_BIG_EXPORT static Order CompareWith(const BigFraction& x, long double y);

  // Leaves this object 0, its heap block freed.
  void Clear() noexcept {
    if (OnHeap()) {
      heap_.~unique_ptr();  // NOLINT(cppcoreguidelines-pro-type-union-access)
    }
    numerator_ = 0;  // NOLINT(cppcoreguidelines-pro-type-union-access)
    denominator_ = 1;
  }
  // Takes what `other` holds, for an object holding nothing on the heap;
  // `other` is left 0.
  void TakeFrom(BigFraction& other) noexcept {
    denominator_ = other.denominator_;
    if (OnHeap()) {
      // NOLINTNEXTLINE(cppcoreguidelines-pro-type-union-access)
      new (&heap_) detail::HeapRational(std::move(other.heap_));
      other.Clear();
    } else {
      numerator_ = other.numerator_;  // NOLINT(cppcoreguidelines-pro-type-union-access)
    }
  }

  // Inline (denominator_ at most 2^63 − 1): the numerator, carrying the
  // sign, within ±(2^63 − 1), over the denominator, in lowest terms, or
  // ±1/0 and 0/0. On the heap (denominator_ == kOnHeap): a canonical GMP
  // rational that does not fit inline.
  union {
    std::int64_t numerator_;
    detail::HeapRational heap_;
  };
  std::uint64_t denominator_;
};

namespace detail {

/// The text of `x` by `options`, whose width and precision, whatever their
/// source, are in its width and precision fields: what Format writes.
///
/// Declaring it is what gives BigFraction its formatters: fraction/format.h
/// and fraction/fmt.h specialise std::formatter and fmt::formatter for
/// every type with a FormatText of its own, found by argument-dependent
/// lookup. So they need no header of this component, and fraction::fraction's
/// headers never include GMP's.
[[nodiscard]] FRACTION_BIG_EXPORT std::string FormatText(const BigFraction& x,
                                                         const FormatOptions& options);

}  // namespace detail

/// Writes ToString().
FRACTION_BIG_EXPORT std::ostream& operator<<(std::ostream& out, const BigFraction& x);

/// Reads, after the stream's white-space skip, what ToString writes: an
/// optional sign and digits, then optionally '/', an optional sign and
/// digits; so "5" is 5 and "4/-6" -2/3, "1/0" +infinity. Sets failbit and
/// leaves x as it was on anything else, or on a part longer than
/// BigFraction::kDefaultMaxDigits digits (its digits are consumed).
FRACTION_BIG_EXPORT std::istream& operator>>(std::istream& in, BigFraction& x);

// Construction, inline where the parts fit in 64 bits.

template <class I, std::enable_if_t<detail::kIsExactInteger<I>, int>>
BigFraction::BigFraction(const I& value) : numerator_(0), denominator_(1) {
  if constexpr (detail::kIsNarrowInteger<I>) {
    if (FitsInline(value)) {
      numerator_ = static_cast<std::int64_t>(value);  // NOLINT(*-pro-type-union-access)
    } else {
      *this = FromMagnitudes(IsNegative(value), Magnitude(value), 1);
    }
  } else {
    *this = BigFraction(value, 1);
  }
}

template <class N, class D,
          std::enable_if_t<detail::kIsExactInteger<N> && detail::kIsExactInteger<D>, int>>
BigFraction::BigFraction(const N& n, const D& d) : numerator_(0), denominator_(1) {
  if constexpr (detail::kIsNarrowInteger<N> && detail::kIsNarrowInteger<D>) {
    *this = FromMagnitudes(IsNegative(n) != IsNegative(d), Magnitude(n), Magnitude(d));
#if defined(__SIZEOF_INT128__)
  } else if constexpr (!detail::IsMpzExpression<N>::value && !detail::IsMpzExpression<D>::value) {
    *this = FromInt128(IsNegative(n) != IsNegative(d), Magnitude(n), Magnitude(d));
#endif
  } else {
    *this = FromMpz(ExactMpz(n), ExactMpz(d));
  }
}

template <class Q, std::enable_if_t<detail::IsMpqExpression<Q>::value, int>>
BigFraction::BigFraction(const Q& value) : numerator_(0), denominator_(1) {
  if constexpr (std::is_same_v<Q, mpq_class>) {
    *this = FromMpq(value);
  } else {
    *this = FromMpq(mpq_class(value));
  }
}

inline BigFraction::BigFraction(const BigFraction& other)
    : numerator_(0), denominator_(other.denominator_) {
  if (other.OnHeap()) {
    denominator_ = 1;
    CopyHeap(other);
  } else {
    numerator_ = other.numerator_;  // NOLINT(cppcoreguidelines-pro-type-union-access)
  }
}

inline BigFraction::BigFraction(BigFraction&& other) noexcept : numerator_(0), denominator_(1) {
  TakeFrom(other);
}

inline BigFraction& BigFraction::operator=(const BigFraction& other) {
  if (this != &other) {
    *this = BigFraction(other);
  }
  return *this;
}

inline BigFraction& BigFraction::operator=(BigFraction&& other) noexcept {
  if (this != &other) {
    Clear();
    TakeFrom(other);
  }
  return *this;
}

inline BigFraction::~BigFraction() { Clear(); }

template <class InputIt>
std::optional<BigFraction> BigFraction::FromContinuedFraction(InputIt first, InputIt last) {
  ConvergentWalk walk;
  for (; first != last; ++first) {
    if (!TakeTerm(walk, *first)) {
      return std::nullopt;
    }
  }
  return walk.Value();
}

/// The TFrac nearest to \p x among those that fit with a denominator of at
/// most \p max_denominator: in lowest terms, the numerator within
/// ±(2^31 − 1). Of two equally near, the one with the smaller denominator,
/// then the one nearer zero.
///
/// TFrac::Approximate's rules, for a value of any size: it saturates (2^40
/// gives 2147483647/1), NearestTFrac(BigFraction::FromDouble(d), n) is
/// TFrac::Approximate(d, n), and a computation finished exactly can keep
/// its answer as a TFrac. None for NaN, an infinity or a
/// \p max_denominator below 1.
[[nodiscard]] FRACTION_BIG_EXPORT std::optional<TFrac> NearestTFrac(const BigFraction& x,
                                                                    std::int32_t max_denominator);

}  // namespace fraction

namespace std {

/// Equal values hash equal, and a BigFraction hashes as std::hash<TFrac>
/// does a TFrac of the same value (NaN aside): mixed containers keyed by
/// value work.
template <>
struct hash<fraction::BigFraction> {
  /// The hash of x's value.
  FRACTION_BIG_EXPORT std::size_t operator()(const fraction::BigFraction& x) const noexcept;
};

/// BigFraction as generic numeric code sees it: signed, exact, not an
/// integer, unbounded, with its infinities and quiet NaN.
/// - digits and digits10 are INT_MAX: every integer is exact, however long.
/// - min(), max(), lowest(), epsilon(), round_error(), denorm_min() and
///   signaling_NaN() are 0: an unbounded exact type has no such values.
/// - Nothing floating-point applies: no exponents, no denormals, no traps.
// NOLINTBEGIN(readability-identifier-naming): the standard's names
template <>
class numeric_limits<fraction::BigFraction> {
 public:
  static constexpr bool is_specialized = true;                        ///< Yes.
  static fraction::BigFraction min() noexcept { return {}; }          ///< 0: there is none.
  static fraction::BigFraction max() noexcept { return {}; }          ///< 0: there is none.
  static fraction::BigFraction lowest() noexcept { return {}; }       ///< 0: there is none.
  static constexpr int digits = INT_MAX;                              ///< Every integer is exact.
  static constexpr int digits10 = INT_MAX;                            ///< Every integer is exact.
  static constexpr int max_digits10 = 0;                              ///< Not floating-point.
  static constexpr bool is_signed = true;                             ///< Signed.
  static constexpr bool is_integer = false;                           ///< Not an integer type.
  static constexpr bool is_exact = true;                              ///< Exact.
  static constexpr int radix = 2;                                     ///< As for TFrac.
  static fraction::BigFraction epsilon() noexcept { return {}; }      ///< 0: never rounds.
  static fraction::BigFraction round_error() noexcept { return {}; }  ///< 0: never rounds.
  static constexpr int min_exponent = 0;                              ///< Not floating-point.
  static constexpr int min_exponent10 = 0;                            ///< Not floating-point.
  static constexpr int max_exponent = 0;                              ///< Not floating-point.
  static constexpr int max_exponent10 = 0;                            ///< Not floating-point.
  static constexpr bool has_infinity = true;                          ///< 1/0 and -1/0.
  static constexpr bool has_quiet_NaN = true;                         ///< 0/0.
  static constexpr bool has_signaling_NaN = false;                    ///< None.
  static constexpr float_denorm_style has_denorm = denorm_absent;     ///< None.
  static constexpr bool has_denorm_loss = false;                      ///< None.
  /// +infinity, 1/0.
  static fraction::BigFraction infinity() noexcept {
    return {fraction::BigFraction::Inline{}, 1, 0};
  }
  /// NaN, 0/0.
  static fraction::BigFraction quiet_NaN() noexcept {
    return {fraction::BigFraction::Inline{}, 0, 0};
  }
  static fraction::BigFraction signaling_NaN() noexcept { return {}; }  ///< 0: absent.
  static fraction::BigFraction denorm_min() noexcept { return {}; }     ///< 0: absent.
  static constexpr bool is_iec559 = false;                              ///< Not IEEE 754.
  static constexpr bool is_bounded = false;                             ///< Unbounded.
  static constexpr bool is_modulo = false;                              ///< Never wraps.
  static constexpr bool traps = false;                                  ///< Nothing traps.
  static constexpr bool tinyness_before = false;                        ///< Not floating-point.
  static constexpr float_round_style round_style = round_toward_zero;   ///< As for TFrac.
};
// NOLINTEND(readability-identifier-naming)

}  // namespace std

#endif  // FRACTION_BIG_FRACTION_H
