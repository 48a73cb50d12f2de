// Format against exact decimal arithmetic: random values (small and large
// parts, exact ties, values that round up to a new power of ten, unreduced
// and negative stored fields, x/0) with random options, each expected text
// built here from the value by division on integers of any size, ties
// rounded to even. Where the value is a double's, std::to_chars of that
// double is a second reference for the digits of e, f and g.
#include <gtest/gtest.h>

#include <algorithm>
#include <boost/multiprecision/cpp_int.hpp>
#include <cctype>
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <iterator>
#include <optional>
#include <random>
#include <string>
#include <utility>
#if __has_include(<version>)
#include <version>
#endif

#include "fraction/tfrac.h"

namespace fraction {
namespace {

// Integers of any size, each result computed at once (no expression
// templates).
using Integer = boost::multiprecision::number<boost::multiprecision::cpp_int_backend<>,
                                              boost::multiprecision::et_off>;

// 10^exponent, for exponent >= 0.
Integer TenTo(int exponent) {
  return boost::multiprecision::pow(Integer(10), static_cast<unsigned>(exponent));
}

// n/d · 10^places rounded to an integer: to nearest, ties to even.
Integer Rounded(const Integer& n, const Integer& d, int places) {
  const Integer scaled = places >= 0 ? n * TenTo(places) : n;
  const Integer divisor = places >= 0 ? d : d * TenTo(-places);
  Integer quotient, remainder;
  boost::multiprecision::divide_qr(scaled, divisor, quotient, remainder);
  if (2 * remainder > divisor || (2 * remainder == divisor && bit_test(quotient, 0))) ++quotient;
  return quotient;
}

// printf's fixed form of n/d >= 0, `places` digits after the point.
std::string Fixed(const Integer& n, const Integer& d, int places, bool point) {
  std::string digits = Rounded(n, d, places).str();
  if (static_cast<int>(digits.size()) <= places) {
    digits.insert(0, static_cast<std::size_t>(places + 1) - digits.size(), '0');
  }
  if (places > 0 || point) digits.insert(digits.size() - static_cast<std::size_t>(places), ".");
  return digits;
}

// X for 10^X <= n/d < 10^(X + 1), once n/d > 0 is rounded to `digits`
// significant digits.
int RoundedExponent(const Integer& n, const Integer& d, int digits) {
  int exponent = 0;
  if (n >= d) {
    while (n >= d * TenTo(exponent + 1)) ++exponent;
  } else {
    while (n * TenTo(-exponent) < d) --exponent;
  }
  return Rounded(n, d, digits - 1 - exponent) == TenTo(digits) ? exponent + 1 : exponent;
}

// printf's e form of n/d >= 0: one digit, the point, `places` digits, the
// exponent with its sign and at least two digits.
std::string Scientific(const Integer& n, const Integer& d, int places, bool point, char e) {
  const int exponent = n == 0 ? 0 : RoundedExponent(n, d, places + 1);
  std::string text = n == 0 ? std::string(static_cast<std::size_t>(places) + 1, '0')
                            : Rounded(n, d, places - exponent).str();
  if (places > 0 || point) text.insert(1, ".");
  const std::string size = std::to_string(std::abs(exponent));
  return text + e + (exponent < 0 ? '-' : '+') + (size.size() < 2 ? "0" : "") + size;
}

// printf's g form: `precision` significant digits (0 counts as 1), fixed
// for an exponent X of the rounded value with -4 <= X < precision; without
// '#' the zeros that end the digits after the point go, and a bare point.
std::string General(const Integer& n, const Integer& d, int precision, bool point, char e) {
  precision = std::max(precision, 1);
  const int exponent = n == 0 ? 0 : RoundedExponent(n, d, precision);
  std::string text = exponent >= -4 && exponent < precision
                         ? Fixed(n, d, precision - 1 - exponent, point)
                         : Scientific(n, d, precision - 1, point, e);
  if (!point && text.find('.') != std::string::npos) {
    const std::size_t end = std::min(text.find(e), text.size());
    std::size_t keep = text.find_last_not_of('0', end - 1) + 1;
    if (text[keep - 1] == '.') --keep;
    text.erase(keep, end - keep);
  }
  return text;
}

// Options drawn at random: [[fill]align][sign]['#']['0'][width]['.' precision][type].
struct Options {
  std::string fill;  // with an alignment only
  char align = '\0';
  char sign = '\0';
  bool alternate = false;
  bool zero = false;
  int width = 0;       // 0: none written
  int precision = -1;  // none
  char type = '\0';
};

std::string TextOf(const Options& o) {
  std::string text = o.fill;
  if (o.align != '\0') text += o.align;
  if (o.sign != '\0') text += o.sign;
  if (o.alternate) text += '#';
  if (o.zero) text += '0';
  if (o.width > 0) text += std::to_string(o.width);
  if (o.precision >= 0) text += '.' + std::to_string(o.precision);
  if (o.type != '\0') text += o.type;
  return text;
}

// The digits of n/d by the options' type, without a sign.
std::string Digits(std::int64_t n, std::int64_t d, const Options& o) {
  const bool upper = std::isupper(static_cast<unsigned char>(o.type)) != 0;
  if (d == 0) return n != 0 ? (upper ? "INF" : "inf") : (upper ? "NAN" : "nan");
  const Integer magnitude = std::abs(n), divisor = std::abs(d);
  const int precision = o.precision >= 0 ? o.precision : 6;
  const char e = upper ? 'E' : 'e';
  switch (o.type) {
    case 'f':
    case 'F':
      return Fixed(magnitude, divisor, precision, o.alternate);
    case 'e':
    case 'E':
      return Scientific(magnitude, divisor, precision, o.alternate, e);
    default:
      return General(magnitude, divisor, precision, o.alternate, e);
  }
}

// The sign before the digits: '-' for a value below zero, even where its
// digits round to zero; else what the options ask for.
std::string SignOf(std::int64_t n, std::int64_t d, const Options& o) {
  if (d == 0 ? n < 0 : n != 0 && (n < 0) != (d < 0)) return "-";
  return o.sign == '+' ? "+" : o.sign == ' ' ? " " : "";
}

// What Format must give for the stored fields n/d: "n/d" without a type,
// else the sign and the digits; then the padding.
std::optional<std::string> Expected(std::int64_t n, std::int64_t d, const Options& o) {
  std::string body = std::to_string(n) + '/' + std::to_string(d);
  if (o.type != '\0') {
    body = SignOf(n, d, o) + Digits(n, d, o);
  } else if (o.sign != '\0' || o.alternate || o.zero || o.precision >= 0) {
    return std::nullopt;
  }
  const auto width = static_cast<std::size_t>(o.width);
  const std::size_t padding = width > body.size() ? width - body.size() : 0;  // ASCII only
  if (o.zero && o.align == '\0' && d != 0) {
    const std::size_t sign = body[0] == '-' || body[0] == '+' || body[0] == ' ' ? 1 : 0;
    return body.insert(sign, padding, '0');
  }
  const std::size_t before = o.align == '<' ? 0 : o.align == '^' ? padding / 2 : padding;
  const std::string fill = o.fill.empty() ? " " : o.fill;
  std::string text;
  for (std::size_t i = 0; i < before; ++i) text += fill;
  text += body;
  for (std::size_t i = before; i < padding; ++i) text += fill;
  return text;
}

// What std::to_chars makes of a double's digits by a type: the second
// reference, independent of ours, for e, f and g without '#'.
std::string ToChars(double magnitude, char type, int precision) {
  const auto form = type == 'e' || type == 'E'   ? std::chars_format::scientific
                    : type == 'f' || type == 'F' ? std::chars_format::fixed
                                                 : std::chars_format::general;
  char digits[128];
  const std::to_chars_result end =
      std::to_chars(digits, digits + sizeof digits, magnitude, form, precision);
  if (end.ec != std::errc()) return "(to_chars failed)";
  std::string text(digits, end.ptr);
  if (std::isupper(static_cast<unsigned char>(type)) != 0) {
    for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  }
  return text;
}

// Whether Format gives `expected` for the stored fields by `options`; a
// failure names them.
bool Gives(const std::string& fields, const std::string& options,
           const std::optional<std::string>& expected) {
  const std::optional<std::string> text = TFrac(fields.c_str()).Format(options);
  if (text == expected) return true;
  ADD_FAILURE() << fields << " with \"" << options << "\" gives \"" << text.value_or("none")
                << "\", not \"" << expected.value_or("none") << '"';
  return false;
}

// Random cases, the same on every run: each draw is a statement of its own,
// as the order in which operands are evaluated is unspecified.
class Draws {
 public:
  std::int64_t Between(std::int64_t low, std::int64_t high) {
    return std::uniform_int_distribution<std::int64_t>(low, high)(random_);
  }
  bool OneIn(int n) { return Between(1, n) == 1; }

  // A part of 1 to 10 digits, at most 2^31.
  std::int64_t Part() {
    const std::int64_t digits = Between(1, 10);
    return Between(TenTo64(digits - 1), std::min(TenTo64(digits) - 1, std::int64_t{1} << 31));
  }

  // Stored fields n/d: plain, dyadic, ties, near a power of ten, then
  // perhaps unreduced, signed either way, or over 0.
  std::pair<std::int64_t, std::int64_t> Fields() {
    std::int64_t n = Part(), d = Part();
    switch (Between(0, 4)) {
      case 0:  // dyadic: every such value is a double's
        d = std::int64_t{1} << Between(0, 31);
        break;
      case 1:  // a tie at some precision: m + 1/2 over a power of ten
        n = 2 * Between(0, 99999) + 1;
        d = 2 * TenTo64(Between(0, 8));
        break;
      case 2:  // an integer ending in 5: a tie for e and g
        n = (Between(0, 9999) * 10 + 5) * TenTo64(Between(0, 4));
        d = OneIn(2) ? 1 : TenTo64(Between(1, 9));
        break;
      case 3:  // just below or above a power of ten
        n = TenTo64(Between(1, 9)) + Between(-3, 3);
        d = TenTo64(Between(0, 9));
        break;
      default:
        break;
    }
    const std::int64_t factor = Between(1, 6);
    if (n * factor <= INT32_MAX && d * factor <= INT32_MAX) {
      n *= factor;
      d *= factor;
    }
    if (OneIn(3)) n = -n;
    if (OneIn(3)) d = -d;
    if (OneIn(40)) n = 0;
    if (OneIn(40)) d = 0;
    // 2^31 is stored only as -2^31.
    return {n > INT32_MAX ? -n : n, d > INT32_MAX ? -d : d};
  }

  // One of `items`, at random.
  template <class T, std::size_t N>
  const T& OneOf(const T (&items)[N]) {
    return *std::next(std::begin(items), Between(0, static_cast<std::int64_t>(N) - 1));
  }

  Options Pick() {
    static constexpr const char* kFills[] = {
        "*", "0", "<", "#", "\xE2\x94\x80", "\xF0\x9F\x99\x82"};
    static constexpr char kTypes[] = {'\0', 'e', 'E', 'f', 'F', 'g', 'G'};
    static constexpr char kAligns[] = {'\0', '\0', '<', '>', '^'};
    static constexpr char kSigns[] = {'\0', '\0', '+', '-', ' '};
    Options o;
    o.type = OneOf(kTypes);
    o.align = OneOf(kAligns);
    if (o.align != '\0' && OneIn(2)) o.fill = OneOf(kFills);
    // Now and then, options that a fraction without a type rejects.
    const bool typed = o.type != '\0' || OneIn(20);
    if (typed) {
      o.sign = OneOf(kSigns);
      o.alternate = OneIn(3);
      o.zero = OneIn(4);
      if (!OneIn(4)) o.precision = static_cast<int>(Between(0, 40));
    }
    if (OneIn(2)) o.width = static_cast<int>(Between(1, 30));
    return o;
  }

 private:
  static std::int64_t TenTo64(std::int64_t exponent) {
    std::int64_t power = 1;
    for (; exponent > 0; --exponent) power *= 10;
    return power;
  }

  std::mt19937_64 random_{20240533};  // NOLINT(cert-msc51-cpp): a failure must repeat
};

TEST(FractionFormatReference, MatchesExactDecimalArithmetic) {
  Draws draws;
  for (int i = 0, failures = 0; i < 20000 && failures < 10; ++i) {
    const auto [n, d] = draws.Fields();
    const Options options = draws.Pick();
    const std::string fields = std::to_string(n) + '/' + std::to_string(d);
    failures += Gives(fields, TextOf(options), Expected(n, d, options)) ? 0 : 1;
  }
}

// libc++ has the floating-point to_chars from version 14 on, without the
// macro, which waits for from_chars.
#if defined(__cpp_lib_to_chars) || (defined(_LIBCPP_VERSION) && _LIBCPP_VERSION >= 140000)
TEST(FractionFormatReference, MatchesToCharsOfTheSameDouble) {
  Draws draws;
  for (int i = 0, failures = 0; i < 20000 && failures < 10; ++i) {
    const auto [n, d] = draws.Fields();
    const Options options = draws.Pick();
    const auto magnitude = static_cast<std::uint64_t>(d < 0 ? -d : d);
    const bool dyadic = d != 0 && (magnitude & (magnitude - 1)) == 0;
    if (!dyadic || options.type == '\0') continue;
    const int precision = options.precision >= 0 ? options.precision : 6;
    const std::string sign = (n < 0) != (d < 0) && n != 0 ? "-" : "";
    const double value = std::abs(static_cast<double>(n)) / static_cast<double>(magnitude);
    const std::string fields = std::to_string(n) + '/' + std::to_string(d);
    failures += Gives(fields, '.' + std::to_string(precision) + options.type,
                      sign + ToChars(value, options.type, precision))
                    ? 0
                    : 1;
  }
}
#endif

}  // namespace
}  // namespace fraction
