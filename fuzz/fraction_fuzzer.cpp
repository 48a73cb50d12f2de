// Fuzz target for TFrac: fractions from arbitrary bytes read as text (two
// texts, split at the first NUL) and as two raw 32-bit integers, with the
// class's promises checked on each fraction and on every pair of them: the
// exact order and the checked operations against wide integer arithmetic.
// Where BigFraction is built, it meets GMP's mpq_class on the same bytes.
// A broken promise aborts, which libFuzzer (or the replay main) reports.
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <iterator>
#include <memory>
#include <numeric>
#include <optional>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include <boost/multiprecision/cpp_int.hpp>

#if defined(FRACTION_FUZZ_BIG)
#include <gmpxx.h>

#include "fraction/big_fraction.h"
#endif
#include "exact_reference.h"
#include "fraction/continued_fraction.h"
#include "fraction/tfrac.h"
#include "stdout_capture.h"

namespace {

using fraction::TFrac;

void Require(bool holds, const char* what) {
  if (!holds) {
    std::fprintf(stderr, "fraction_fuzzer: check failed: %s\n", what);
    std::abort();
  }
}

// Standard output, read back after every call; LLVMFuzzerInitialize starts
// the capture.
fraction::testing::StdoutCapture& Stdout() {
  static fraction::testing::StdoutCapture capture;
  return capture;
}

// Everything written to standard output since the last call.
std::string TakeStdout() { return Stdout().Take(); }

const std::string& MessageBytes() {
  static const std::string bytes = fraction::testing::MessageBytes();
  return bytes;
}

bool IsValid(std::int64_t a, std::int64_t b) {
  return (b >= 1 && a != INT32_MIN) || (a == 0 && b != 0);
}

// Denominator positive and the fraction in lowest terms; gcd(0, d) == 1
// leaves 0/1 as the only form of zero.
bool IsReduced(const TFrac& f) {
  const std::int64_t n = f.Numerator();
  const std::int64_t d = f.Denominator();
  return d > 0 && std::gcd(n, d) == 1;
}

void CheckTwoIntegers(std::int32_t a, std::int32_t b) {
  const TFrac f(a, b);
  const std::string out = TakeStdout();
  if (IsValid(a, b)) {
    Require(out.empty(), "valid data writes nothing");
    Require(IsReduced(f), "valid data is reduced with a positive denominator");
    Require(std::int64_t{f.Numerator()} * b == std::int64_t{a} * f.Denominator(),
            "valid data keeps its value");
  } else {
    Require(out == (a == 0 && b == 0 ? std::string() : MessageBytes()),
            "invalid data writes the message once (0/0 nothing)");
    Require(f.Numerator() == a && f.Denominator() == b, "invalid data is kept as given");
  }
}

// strtoll's range is wider than 32 bits: clamped, it gives the saturation.
std::int32_t ReferenceLong(const char* token) {
  const long long value = std::strtoll(token, nullptr, 10);
  return static_cast<std::int32_t>(std::clamp<long long>(value, INT32_MIN, INT32_MAX));
}

void CheckRoundTrip(const TFrac& f) {
  const TFrac back(f.ToString().c_str());
  Require(back.Numerator() == f.Numerator() && back.Denominator() == f.Denominator(),
          "ToString round-trips through the text constructor");
}

// The text constructor against strtok and strtoll (atol with a 64-bit range)
// as the reference; the fuzzer never changes the C locale, so their white
// space is the C locale's, as the library's is.
TFrac CheckText(const char* text) {
  const TFrac f(text);
  Require(TakeStdout().empty(), "the text constructor writes nothing");
  std::string tokens = text;
  const char* const first = std::strtok(tokens.data(), "/");
  const char* const second = first != nullptr ? std::strtok(nullptr, "/") : nullptr;
  Require(f.Numerator() == (first != nullptr ? ReferenceLong(first) : 0),
          "numerator read like atol");
  Require(f.Denominator() == (second != nullptr ? ReferenceLong(second) : 1),
          "denominator read like atol");
  CheckRoundTrip(f);
  return f;
}

// A result comes from the two-integer constructor, so it is reduced, or
// 0/0, or invalid data kept as given after the message was written.
void CheckResult(const std::unique_ptr<TFrac>& result, const char* what) {
  Require(result != nullptr, what);
  const std::string out = TakeStdout();
  const std::int64_t n = result->Numerator();
  const std::int64_t d = result->Denominator();
  if (out.empty()) {
    Require(IsReduced(*result) || (n == 0 && d == 0), "a silent result is reduced or 0/0");
  } else {
    Require(out == MessageBytes() && !IsValid(n, d) && !(n == 0 && d == 0),
            "a result with the message is invalid data");
  }
  CheckRoundTrip(*result);
}

void CheckUnary(const TFrac& x) {
  using fraction::testing::ExactFloor;
  const std::optional<std::int64_t> floor = ExactFloor(x.Numerator(), x.Denominator());
  const std::optional<std::int64_t> ceil =
      ExactFloor(-std::int64_t{x.Numerator()}, x.Denominator());
  Require(x.Floor() == floor && x.Ceil() == (ceil ? std::optional(-*ceil) : std::nullopt),
          "Floor and Ceil give the exact rounding");
  CheckResult(x.Square(), "Square");
  CheckResult(x.Reverse(), "Reverse");

  TFrac negated(x);
  Require(negated.Minus() == &negated, "Minus returns the fraction itself");
  const std::int64_t n = x.Numerator();
  Require(
      negated.Numerator() == (n == INT32_MIN ? n : -n) && negated.Denominator() == x.Denominator(),
      "Minus negates the numerator, wrapping");
  negated.Minus();
  Require(negated.Equal(&x), "Minus twice restores the fraction");

  Require(x.Equal(&x) && !x.Equal(nullptr), "Equal is reflexive, false for null");
  Require(!x.Greater(&x) && !x.Greater(nullptr), "Greater is irreflexive, false for null");
  Require(!x.Add(nullptr) && !x.Subtract(nullptr) && !x.Multiply(nullptr) && !x.Divide(nullptr),
          "a null operand yields no fraction");
}

void CheckOrder(const TFrac& x, const TFrac& y) {
  // 2 for unordered.
  const int order =
      fraction::testing::ExactOrder(x.Numerator(), x.Denominator(), y.Numerator(), y.Denominator())
          .value_or(2);
  Require(x.Greater(&y) == (order == 1) && (x > y) == (order == 1) && (x < y) == (order == -1),
          "Greater, > and < give the exact order");
  Require((x == y) == (order == 0) && (x != y) == (order != 0) &&
              (x <= y) == (order == -1 || order == 0) && (x >= y) == (order == 1 || order == 0),
          "==, !=, <= and >= give the exact order");
  // Rounding is monotone: wherever the doubles differ, they agree.
  const double p = x.ToDouble(), q = y.ToDouble();
  Require(!(p > q) || order == 1, "the order agrees with differing doubles");
  Require(!(p < q) || order == -1, "the order agrees with differing doubles");
  Require(order != 0 || std::hash<TFrac>()(x) == std::hash<TFrac>()(y), "equal values hash equal");
}

// The checked operations and floor division against the exact reference.
void CheckChecked(const TFrac& x, const TFrac& y) {
  using fraction::testing::Checked;
  const std::int64_t a = x.Numerator(), b = x.Denominator();
  const std::int64_t c = y.Numerator(), d = y.Denominator();
  const std::pair<Checked, std::optional<TFrac>> results[] = {
      {Checked::kAdd, x.CheckedAdd(y)},
      {Checked::kSubtract, x.CheckedSubtract(y)},
      {Checked::kMultiply, x.CheckedMultiply(y)},
      {Checked::kDivide, x.CheckedDivide(y)},
      {Checked::kModulo, x.CheckedModulo(y)}};
  const std::optional<std::int64_t> quotient = x.FloorDivide(y);
  Require(TakeStdout().empty(), "the checked operations write nothing");
  for (const auto& [operation, result] : results) {
    const auto reference = fraction::testing::ExactChecked(operation, a, b, c, d);
    Require(result.has_value() == reference.has_value() &&
                (!result || (result->Numerator() == reference->numerator &&
                             result->Denominator() == reference->denominator)),
            "a checked operation gives the exact result, or none when it does not fit");
  }
  Require(quotient == (b < 1 || d < 1 || c == 0 ? std::nullopt
                                                : fraction::testing::ExactFloor(a * d, b * c)),
          "FloorDivide gives the exact floored quotient");
}

void CheckBinary(const TFrac& x, const TFrac& y) {
  CheckResult(x.Add(&y), "Add");
  CheckResult(x.Subtract(&y), "Subtract");
  CheckResult(x.Multiply(&y), "Multiply");
  CheckResult(x.Divide(&y), "Divide");
  const bool same = x.Numerator() == y.Numerator() && x.Denominator() == y.Denominator();
  Require(x.Equal(&y) == same && y.Equal(&x) == same, "Equal compares the fields");
  CheckOrder(x, y);
  CheckChecked(x, y);
}

// The fields of `x` as the text constructor stores them: two-integer
// results are kept in lowest terms, where arithmetic takes shorter ways;
// none of them may give another result, or another message, than the
// same fields read from text.
void CheckSameAsFromText(const TFrac& x, const TFrac& y) {
  const TFrac tx(x.ToString().c_str()), ty(y.ToString().c_str());
  const auto same = [&](auto operation) {
    const TFrac got = operation(x, y);
    const std::string out = TakeStdout();
    const TFrac want = operation(tx, ty);
    Require(got.Equal(&want) && out == TakeStdout(),
            "a reduced operand gives what the same fields from text give");
  };
  same(std::plus<>());
  same(std::minus<>());
  same(std::multiplies<>());
  same(std::divides<>());
  same([](const TFrac& v, const TFrac& /*unused*/) { return *v.Square(); });
  same([](const TFrac& v, const TFrac& /*unused*/) { return *v.Reverse(); });
}

// Reads `text` with operator>>: on success the fraction is what the text
// constructor makes of what was read, on failure it is left alone.
void CheckStreams(const TFrac& x, const std::string& text) {
  std::ostringstream out;
  out << x;
  Require(out.str() == x.ToString(), "<< writes ToString()");
  TFrac back(3, 7);
  Require(static_cast<bool>(std::istringstream(out.str()) >> back) && back.Equal(&x),
          "ToString() reads back through >>");

  std::istringstream in(text);
  TFrac read(3, 7);
  const bool ok = static_cast<bool>(in >> read);
  in.clear();
  const std::string rest(std::istreambuf_iterator<char>(in), {});
  const TFrac expected =
      ok ? TFrac(text.substr(0, text.size() - rest.size()).c_str()) : TFrac(3, 7);
  Require(read.Equal(&expected), ">> stores what the text constructor makes of what it read");
  TakeStdout();
}

// Wide enough for every product below: a double in [2^-30, 2^31) is
// M / 2^shift with M < 2^53 and shift <= 83.
__extension__ using Int128 = __int128;

Int128 Magnitude(Int128 x) { return x < 0 ? -x : x; }

// In lowest terms with a positive denominator and a numerator within
// ±(2^31 − 1): what the conversions call a fraction that fits.
bool Fits(const TFrac& f) { return IsReduced(f) && f.Numerator() != INT32_MIN; }

// Parse of ToString gives a fraction that fits back, and ToDecimal(digits)
// parses, where it fits, to within half a unit of its last place.
void CheckDecimalText(const TFrac& f, int digits) {
  TakeStdout();
  const std::optional<TFrac> back = TFrac::Parse(f.ToString());
  Require(!Fits(f) || (back && back->Equal(&f)), "Parse of ToString gives a fraction back");
  Require(!back || (Fits(*back) && *back == f), "Parse gives the value it read, in lowest terms");
  const std::string decimal = f.ToDecimal(digits);
  const std::optional<TFrac> near = TFrac::Parse(decimal);
  if (f.Denominator() == 0) {
    Require(!near && TakeStdout().empty() &&
                decimal == (f.Numerator() > 0   ? "inf"
                            : f.Numerator() < 0 ? "-inf"
                                                : "nan"),
            "ToDecimal of x/0 is inf, -inf or nan");
    return;
  }
  if (near) {
    Int128 unit = 2;
    for (int i = 0; i < digits; ++i) unit *= 10;
    const Int128 n = near->Numerator(), m = near->Denominator();
    const Int128 a = f.Numerator(), b = f.Denominator();
    Require(Magnitude(n * b - a * m) * unit <= m * Magnitude(b),
            "ToDecimal lies within half a unit of its last place");
  }
  Require(TakeStdout().empty(), "the conversions write nothing");
}

// Whether `near` lies within half of 10^exponent of `f`, for fractions with
// parts within 2^31: 2·|p/q − a/b| <= 10^exponent, in integers.
bool WithinHalfUnit(const TFrac& f, const TFrac& near, int exponent) {
  const Int128 a = f.Numerator(), b = f.Denominator();
  const Int128 p = near.Numerator(), q = near.Denominator();
  Int128 gap = 2 * Magnitude(p * b - a * q), scale = q * Magnitude(b);
  for (; exponent > 0; --exponent) scale *= 10;
  for (; exponent < 0 && gap <= scale; ++exponent) gap *= 10;
  return gap <= scale;
}

// Format's fixed form is ToDecimal's; its e, E, g, G and #g texts parse,
// where they fit, to within half a unit of their last digit; and where the
// value is a double's, each form without '#' is what printf makes of that
// double (glibc's %#g has a known bug, so '#' goes unchecked there).
void CheckFormat(const TFrac& f, int precision) {
  const std::string digits = std::to_string(precision);
  Require(f.Format("." + digits + "f") == f.ToDecimal(precision), "Format's f is ToDecimal");
  for (const char* const form : {"e", "E", "g", "G", "#g"}) {
    const bool alternate = form[0] == '#';
    const char type = form[alternate ? 1 : 0];
    const std::optional<std::string> formatted = f.Format((alternate ? "#." : ".") + digits + type);
    Require(formatted.has_value(), "Format takes e, E, g, G and #g");
    const std::string& text = *formatted;
    const std::size_t e = std::min(text.find_first_of("eE"), text.size());
    const std::size_t point = std::min(text.find('.'), e);
    auto exponent = static_cast<int>(e < text.size() ? std::strtol(&text[e + 1], nullptr, 10) : 0);
    exponent -= static_cast<int>(e - std::min(point + 1, e));
    const std::optional<TFrac> near = TFrac::Parse(text);
    Require(!near || WithinHalfUnit(f, *near, exponent),
            "e, E, g, G and #g lie within half a unit");
    const bool dyadic = f.Denominator() > 0 && (f.Denominator() & (f.Denominator() - 1)) == 0;
    if (!dyadic || alternate) continue;
    char printed[64];
    std::snprintf(printed, sizeof printed,
                  type == 'e'   ? "%.*e"
                  : type == 'E' ? "%.*E"
                  : type == 'g' ? "%.*g"
                                : "%.*G",
                  precision, f.ToDouble());
    Require(text == printed, "Format of a double's value is printf's");
  }
}

// For 2^-30 <= x < 2^31: x = mantissa / 2^shift exactly.
struct Dyadic {
  Int128 mantissa;
  int shift;
};

// |x − p/q| · q · 2^shift, exactly.
Int128 ScaledDistance(const Dyadic& x, Int128 p, Int128 q) {
  return Magnitude(x.mantissa * q - (p << x.shift));
}

// Approximate obeys its bounds, is odd in x, agrees with an exact FromDouble
// within the bound and, for bounds up to 64, is no farther from x than any
// fraction within the bounds, ties going to the smaller denominator, then to
// the value nearer zero.
void CheckApproximate(double x, std::int32_t bound) {
  const std::optional<TFrac> a = TFrac::Approximate(x, bound), b = TFrac::Approximate(-x, bound);
  Require(a.has_value() == (std::isfinite(x) && bound >= 1), "Approximate gives a fraction");
  if (!a) return;
  Require(Fits(*a) && a->Denominator() <= bound, "Approximate obeys the bounds");
  Require(b && b->Numerator() == -a->Numerator() && b->Denominator() == a->Denominator(),
          "Approximate(-x) is -Approximate(x)");
  const std::optional<TFrac> exact = TFrac::FromDouble(x);
  Require(!exact || (Fits(*exact) && exact->ToDouble() == x), "FromDouble is exact");
  Require(!exact || exact->Denominator() > bound || exact->Equal(&*a),
          "Approximate of a fraction within the bounds is that fraction");
  const double magnitude = std::fabs(x);
  if (bound > 64 || !(magnitude >= std::ldexp(1.0, -30) && magnitude < std::ldexp(1.0, 31))) {
    return;
  }
  int exponent = 0;
  const double fraction = std::frexp(magnitude, &exponent);
  const Dyadic value{static_cast<Int128>(std::ldexp(fraction, 53)), 53 - exponent};
  const Int128 p = Magnitude(a->Numerator()), q = a->Denominator();
  const Int128 best = ScaledDistance(value, p, q);
  for (Int128 d = 1; d <= bound; ++d) {
    const Int128 below = (value.mantissa * d) >> value.shift;
    for (const Int128 n :
         {std::min<Int128>(below, INT32_MAX), std::min<Int128>(below + 1, INT32_MAX)}) {
      const Int128 ours = best * d, theirs = ScaledDistance(value, n, d) * q;
      const auto g = std::gcd(static_cast<std::int64_t>(n), static_cast<std::int64_t>(d));
      Require(ours < theirs || (ours == theirs && (d / g > q || (d / g == q && n / g >= p))),
              "no fraction within the bounds is nearer than Approximate's");
    }
  }
}

// Both none, or the same fields.
bool Same(const std::optional<TFrac>& a, const std::optional<TFrac>& b) {
  return a.has_value() == b.has_value() && (!a || a->Equal(&*b));
}

// An exact value n/d, d > 0: of a fraction's fields, or of zero or a double
// in [2^-30, 2^31), within what 128-bit products below can take.
struct Rational {
  Int128 n, d;
};

std::optional<Rational> ExactValue(const TFrac& f) {
  const Int128 sign = f.Denominator() < 0 ? -1 : 1;
  return f.Denominator() == 0
             ? std::nullopt
             : std::optional(Rational{f.Numerator() * sign, f.Denominator() * sign});
}

std::optional<Rational> ExactValue(double x) {
  const double magnitude = std::fabs(x);
  if (magnitude == 0) return Rational{0, 1};
  if (!(magnitude >= std::ldexp(1.0, -30) && magnitude < std::ldexp(1.0, 31))) return std::nullopt;
  int exponent = 0;
  const auto mantissa = static_cast<Int128>(std::ldexp(std::frexp(magnitude, &exponent), 53));
  return Rational{x < 0 ? -mantissa : mantissa, Int128{1} << (53 - exponent)};
}

// The least |p| with p/q in [lo, hi], if any.
std::optional<Int128> LeastNumerator(const Rational& lo, const Rational& hi, Int128 q) {
  if (lo.n <= 0 && hi.n >= 0) return 0;
  const Rational a = hi.n < 0 ? Rational{-hi.n, hi.d} : lo,
                 b = hi.n < 0 ? Rational{-lo.n, lo.d} : hi;
  const Int128 p = (a.n * q + a.d - 1) / a.d;
  return p * b.d <= b.n * q ? std::optional(p) : std::nullopt;
}

// For lo <= hi: the simplest lies in [lo, hi], and no denominator up to 64
// finds a simpler fraction there, nor, where there is none, one that fits.
void CheckSimplest(const Rational& lo, const Rational& hi, const std::optional<TFrac>& simplest) {
  const Int128 n = simplest ? simplest->Numerator() : 0, d = simplest ? simplest->Denominator() : 1;
  Require(!simplest || (Fits(*simplest) && n * lo.d >= lo.n * d && n * hi.d <= hi.n * d),
          "Simplest lies in the interval");
  for (Int128 q = 1; q <= std::min<Int128>(simplest ? d : 64, 64); ++q) {
    const std::optional<Int128> p = LeastNumerator(lo, hi, q);
    Require(simplest ? (q < d ? !p : p && *p == Magnitude(n)) : !p || *p > INT32_MAX,
            "no fraction in the interval is simpler than Simplest, or fits where it is none");
  }
}

// The continued fraction gives the value back, each convergent after the
// first is at least as near to it as any fraction with a denominator up to
// its own (tried up to 64), and Simplest(x, x) is x.
void CheckContinuedFraction(const TFrac& x) {
  const std::vector<std::int64_t> terms = fraction::ContinuedFraction(x);
  const std::optional<TFrac> exact = TFrac::Parse(x.ToString());  // x's value, where it fits
  Require(terms.empty() == (x.Denominator() == 0) && terms.size() <= 46, "at most 46 terms");
  for (std::size_t i = 1; i < terms.size(); ++i) {
    Require(terms[i] >= 1 + static_cast<int>(i + 1 == terms.size()), "the terms are canonical");
  }
  const std::optional<TFrac> back = fraction::FromContinuedFraction(terms.begin(), terms.end());
  const std::vector<TFrac> convergents = fraction::Convergents(x);
  Require(Same(back, exact) && Same(fraction::Simplest(x, x), exact),
          "FromContinuedFraction(ContinuedFraction(x)) and Simplest(x, x) give x's value");
  Require(convergents.size() == (exact ? terms.size() : 0) &&
              (!exact || convergents.back().Equal(&*exact)),
          "the convergents end at the value, or are none");
  const Int128 n = exact ? exact->Numerator() : 0, d = exact ? exact->Denominator() : 1;
  for (std::size_t i = 1; i < convergents.size(); ++i) {
    const Int128 h = convergents[i].Numerator(), k = convergents[i].Denominator();
    for (Int128 q = 1; q <= std::min<Int128>(k, 64); ++q) {
      const Int128 below = n * q / d - static_cast<Int128>(n * q % d < 0);
      for (const Int128 p : {below, below + 1}) {
        Require(Magnitude(n * k - h * d) * q <= Magnitude(n * q - p * d) * k,
                "a convergent is a best approximation");
      }
    }
  }
}

// Parse reads back what ToRepeatingDecimal writes, which has no more digits
// than it must, nor than it may.
void CheckRepeatingDecimal(const TFrac& x, int max_digits) {
  const std::optional<std::string> text = x.ToRepeatingDecimal(max_digits);
  if (x.Denominator() == 0 || !text) {
    Require(x.Denominator() != 0 || text == x.ToDecimal(0), "x/0 gives inf, -inf or nan");
    return;
  }
  const std::size_t point = text->find('.'), period = text->find('(');
  const std::size_t digits = point == std::string::npos
                                 ? 0
                                 : text->size() - point - 1 - (period == std::string::npos ? 0 : 2);
  Require(static_cast<int>(digits) <= max_digits || digits == 0, "within the cap");
  Require(digits == 0 || !x.ToRepeatingDecimal(static_cast<int>(digits) - 1), "the fewest digits");
  Require(Same(TFrac::Parse(*text), TFrac::Parse(x.ToString())),
          "Parse of ToRepeatingDecimal gives the value back");
}

// Continued fractions, Simplest and repeating decimals, on the fractions
// and doubles of one input.
void CheckContinuedFractions(const TFrac (&fractions)[3], const double (&doubles)[4], int knob) {
  for (const TFrac& x : fractions) {
    CheckContinuedFraction(x);
    CheckRepeatingDecimal(x, knob);
    for (const TFrac& y : fractions) {
      const std::optional<Rational> lo = ExactValue(x), hi = ExactValue(y);
      const std::optional<TFrac> simplest = fraction::Simplest(x, y);
      const bool interval = lo && hi && lo->n * hi->d <= hi->n * lo->d;
      Require(interval || !simplest, "Simplest is none for lo > hi or a zero denominator");
      if (interval) CheckSimplest(*lo, *hi, simplest);
    }
  }
  for (const double lo : doubles) {
    for (const double hi : doubles) {
      const std::optional<TFrac> simplest = fraction::Simplest(lo, hi);
      const std::optional<TFrac> a = TFrac::FromDouble(lo), b = TFrac::FromDouble(hi);
      Require(!a || !b || Same(simplest, fraction::Simplest(*a, *b)),
              "Simplest of doubles is Simplest of their exact values");
      const std::optional<Rational> low = ExactValue(lo), high = ExactValue(hi);
      if (low && high && lo <= hi) CheckSimplest(*low, *high, simplest);
    }
  }
}

// Integers of any size, each result computed at once: expression templates
// would keep references to temporaries past the end of a statement.
using Integer = boost::multiprecision::number<boost::multiprecision::cpp_int_backend<>,
                                              boost::multiprecision::et_off>;

// A run of decimal digits as a number; leading zeros would make it octal.
Integer Natural(const std::string& digits) {
  const std::size_t first = digits.find_first_not_of('0');
  return first == std::string::npos ? Integer(0) : Integer(digits.substr(first));
}

// What Parse must give for the value n/d: its lowest terms, if both fit.
std::string Exact(const Integer& n, const Integer& d) {
  if (d == 0) return "none";
  const Integer g = gcd(n, d), p = n / g, q = d / g;
  return p > INT32_MAX || q > INT32_MAX ? "none" : p.str() + "/" + q.str();
}

std::string Shown(const std::optional<TFrac>& f) { return f ? f->ToString() : "none"; }

#if defined(FRACTION_FUZZ_BIG)
using fraction::BigFraction;

// BigFraction against GMP's mpq_class, p and q the exact values of x and y.
void CheckBigPair(const BigFraction& x, const BigFraction& y, const mpq_class& p,
                  const mpq_class& q) {
  const auto is = [](const BigFraction& r, const mpq_class& exact) { return r.ToMpq() == exact; };
  Require(is(x, p) && is(y, q) && is(x + y, p + q) && is(x - y, p - q) && is(x * y, p * q) &&
              (q == 0 || is(x / y, p / q)),
          "BigFraction's arithmetic gives mpq_class's results");
  Require((x < y) == (p < q) && (x == y) == (p == q) && (x >= y) == (p >= q),
          "BigFraction's order is mpq_class's");
}

mpz_class PowerOfTen(std::size_t n) {
  mpz_class power;
  mpz_ui_pow_ui(power.get_mpz_t(), 10, n);
  return power;
}

// BigFraction's text forms read back through Parse to x: ToString always;
// for a finite x, ToRepeatingDecimal where its cap allows one, and, where
// `places` digits after the point hold x exactly, that repeating form (none
// at that cap is wrong then), ToDecimal(places), and Format's e, f and g at
// a precision that keeps every digit.
void CheckBigTexts(const BigFraction& x, int places) {
  const auto reads_back = [&x](const std::optional<std::string>& text) {
    const std::optional<BigFraction> back = text ? BigFraction::Parse(*text) : std::nullopt;
    return back && back->ToString() == x.ToString();  // NaN's too
  };
  Require(reads_back(x.ToString()), "BigFraction's ToString reads back");
  const std::optional<mpq_class> q = x.ToMpq();
  if (!q) return;
  const std::optional<std::string> repeating = x.ToRepeatingDecimal(places);
  Require(!repeating || reads_back(repeating), "BigFraction's ToRepeatingDecimal reads back");
  if (places > 1000 || !mpz_divisible_p(PowerOfTen(static_cast<std::size_t>(places)).get_mpz_t(),
                                        q->get_den().get_mpz_t())) {
    return;
  }
  Require(repeating.has_value(), "BigFraction's ToRepeatingDecimal is given where it fits");
  // The leading exponent is below the integer part's digit count, so this
  // many significant digits reach `places` after the point in e and g.
  const mpz_class whole = q->get_num() / q->get_den();
  const std::string precision =
      std::to_string(places + static_cast<int>(mpz_sizeinbase(whole.get_mpz_t(), 10)) + 2);
  Require(reads_back(x.ToDecimal(places)) &&
              reads_back(x.Format("." + std::to_string(places) + "f")) &&
              reads_back(x.Format("." + precision + "e")) &&
              reads_back(x.Format("." + precision + "g")) &&
              reads_back(x.Format("#." + precision + "G")),
          "BigFraction's exact decimals and e, f and g forms read back");
}

// The input's digit runs a and b as a/b and as the decimal a.b scaled by
// 10^shift, through BigFraction::Parse, against their exact values.
void CheckBigDigitRuns(const std::string& a, const std::string& b, int shift) {
  const mpz_class m(a, 10), e(b, 10);
  const auto up = static_cast<std::size_t>(std::max(shift, 0));
  const auto down = static_cast<std::size_t>(std::max(-shift, 0));
  mpq_class decimal(mpz_class(a + b, 10) * PowerOfTen(up), PowerOfTen(b.size() + down));
  decimal.canonicalize();
  const std::optional<BigFraction> ratio = BigFraction::Parse(a + "/" + b);
  const std::optional<BigFraction> scaled =
      BigFraction::Parse(a + "." + b + "e" + std::to_string(shift));
  Require(ratio && scaled && scaled->ToMpq() == decimal,
          "BigFraction::Parse gives a long decimal's exact value");
  if (e == 0) {
    Require(ratio->ToString() == (m == 0 ? "0/0" : "1/0"), "n/0 is +infinity or NaN");
    return;
  }
  mpq_class p(m, e);
  p.canonicalize();
  CheckBigPair(*ratio, *scaled, p, decimal);
  CheckBigTexts(*ratio, static_cast<int>(b.size()));
  CheckBigTexts(*scaled, static_cast<int>(b.size() + down));
}

// BigFraction beside TFrac: the texts TFrac::Parse reads, with their values,
// TFrac's fields by value, hashes and doubles alike.
void CheckBigFraction(const TFrac& x, const TFrac& y, const std::string& input) {
  const std::optional<TFrac> t = TFrac::Parse(input);
  const std::optional<BigFraction> parsed = BigFraction::Parse(input);
  Require(!t || (parsed && *parsed == *t), "BigFraction::Parse reads TFrac::Parse's texts");
  Require(!parsed || BigFraction::Parse(parsed->ToString())->ToString() == parsed->ToString(),
          "BigFraction's ToString reads back");
  if (parsed) CheckBigTexts(*parsed, static_cast<int>(input.size() % 13));
  for (const TFrac& f : {x, y}) {
    Require((f.Numerator() == 0 && f.Denominator() == 0) ||
                std::hash<BigFraction>()(f) == std::hash<TFrac>()(f),
            "a BigFraction hashes as the TFrac of its value");
    Require(BigFraction(f).ToDouble() == f.ToDouble() || f.Denominator() == 0,
            "a BigFraction's double is the TFrac's");
  }
  if (x.Denominator() != 0 && y.Denominator() != 0) {
    mpq_class p(mpz_class(x.Numerator()), mpz_class(x.Denominator()));
    mpq_class q(mpz_class(y.Numerator()), mpz_class(y.Denominator()));
    p.canonicalize();
    q.canonicalize();
    CheckBigPair(x, y, p, q);
  }
}
#endif

// Parse of long digit texts against exact arithmetic on numbers of any
// size, with the input's first two runs of digits, a and b: as a/b, as the
// decimal a.b scaled by 10^shift, and as a with the exponent ±b.
void CheckDigitRuns(const std::string& input, int shift) {
  const auto digit = [](char c) { return c >= '0' && c <= '9'; };
  const auto a_begin = std::find_if(input.begin(), input.end(), digit);
  const auto a_end = std::find_if_not(a_begin, input.end(), digit);
  const auto b_begin = std::find_if(a_end, input.end(), digit);
  const std::string a(a_begin, a_end), b(b_begin, std::find_if_not(b_begin, input.end(), digit));
  if (a.empty() || b.empty()) return;
#if defined(FRACTION_FUZZ_BIG)
  CheckBigDigitRuns(a, b, shift);
#endif
  const Integer m = Natural(a), e = Natural(b);
  Require(Shown(TFrac::Parse(a + "/" + b)) == Exact(m, e),
          "Parse of long n/d gives the exact value in lowest terms, or none");
  const auto power = [](std::size_t n) -> Integer {
    return pow(Integer(10), static_cast<unsigned>(n));
  };
  const auto up = static_cast<std::size_t>(std::max(shift, 0));
  const auto down = static_cast<std::size_t>(std::max(-shift, 0));
  Require(Shown(TFrac::Parse(a + "." + b + "e" + std::to_string(shift))) ==
              Exact(Natural(a + b) * power(up), power(b.size() + down)),
          "Parse of a long decimal gives the exact value in lowest terms, or none");
  // Beyond a's length and 40 more, only zero fits either way.
  const bool far = e > a.size() + 40;
  const std::string zero_or_none = m == 0 ? "0/1" : "none";
  const std::string times = far ? zero_or_none : Exact(m * power(e.convert_to<std::size_t>()), 1);
  const std::string over = far ? zero_or_none : Exact(m, power(e.convert_to<std::size_t>()));
  Require(Shown(TFrac::Parse(a + "e" + b)) == times && Shown(TFrac::Parse(a + "e-" + b)) == over,
          "Parse of an exponent of any length gives the exact value, or none");
}

// The last eight bytes of the input, zero-padded in front when it is
// shorter, as two integers in the machine's byte order. Every bit pattern is
// an int32_t, so copying the bytes is well defined.
std::pair<std::int32_t, std::int32_t> TailIntegers(const std::string& bytes) {
  char raw[2 * sizeof(std::int32_t)] = {};
  const std::size_t count = std::min(bytes.size(), sizeof raw);
  bytes.copy(raw + sizeof raw - count, count, bytes.size() - count);
  std::int32_t a = 0;
  std::int32_t b = 0;
  std::memcpy(&a, raw, sizeof a);
  std::memcpy(&b, raw + sizeof a, sizeof b);
  return {a, b};
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* /*argc*/, char*** /*argv*/) {
  Stdout();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string input(data, data + size);
  // Two texts, each up to its NUL: the input's first NUL ends the first and
  // starts the second. Without a NUL both are the whole input, so that a
  // plain text also meets itself as the other operand.
  const std::size_t nul = input.find('\0');
  const TFrac x = CheckText(input.c_str());
  const TFrac y = CheckText(nul == std::string::npos ? input.c_str() : &input[nul + 1]);

  // Raw integers for the two-integer constructor, and the parsed fields,
  // which reach the 32-bit extremes through short decimal texts.
  const auto [a, b] = TailIntegers(input);
  CheckTwoIntegers(a, b);
  CheckTwoIntegers(x.Numerator(), x.Denominator());
  CheckTwoIntegers(y.Numerator(), y.Denominator());
  CheckTwoIntegers(x.Numerator(), y.Numerator());

  CheckUnary(x);
  CheckUnary(y);
  CheckBinary(x, y);
  CheckBinary(y, x);
  const TFrac z(a, b);
  const TFrac reduced_x(x.Numerator(), x.Denominator()), reduced_y(y.Numerator(), y.Denominator());
  TakeStdout();
  CheckOrder(x, z);
  CheckChecked(z, y);
  CheckBinary(reduced_x, reduced_y);
  CheckSameAsFromText(reduced_x, reduced_y);
  CheckSameAsFromText(z, reduced_y);
  CheckSameAsFromText(reduced_x, z);
  CheckStreams(x, input.substr(0, nul));
  CheckDigitRuns(input, static_cast<int>(size % 64) - 32);
#if defined(FRACTION_FUZZ_BIG)
  CheckBigFraction(x, y, input);
#endif

  // The conversions, on the fractions above and on the input's last eight
  // bytes read as a double, with bounds and digit counts from its first.
  const std::optional<TFrac> parsed = TFrac::Parse(input);
  Require(!parsed || Fits(*parsed), "Parse gives a fraction that fits");
  const int knob = input.empty() ? 0 : static_cast<unsigned char>(input[0]);
  for (const TFrac* f : {&x, &y, &z, &reduced_x}) {
    CheckDecimalText(*f, knob % 13);
    CheckFormat(*f, knob % 13);
    CheckApproximate(f->ToDouble(), knob % 64 + 1);
    const std::optional<TFrac> back = TFrac::FromDouble(f->ToDouble());
    // A power-of-two denominator makes the double exact.
    const bool dyadic = Fits(*f) && (f->Denominator() & (f->Denominator() - 1)) == 0;
    Require(!dyadic || (back && back->Equal(f)), "FromDouble of an exact ToDouble gives it back");
  }
  const std::uint64_t bits =
      static_cast<std::uint32_t>(a) | std::uint64_t{static_cast<std::uint32_t>(b)} << 32;
  double raw = 0;
  std::memcpy(&raw, &bits, sizeof raw);
  CheckApproximate(raw, knob % 64 + 1);
  CheckApproximate(raw, INT32_MAX);
  CheckApproximate(raw, static_cast<std::int32_t>(b));
  CheckContinuedFractions({x, y, z}, {raw, x.ToDouble(), y.ToDouble(), z.ToDouble()}, knob);
  return 0;
}
