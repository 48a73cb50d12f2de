#ifndef FRACTION_TESTS_FORMAT_REFERENCE_H
#define FRACTION_TESTS_FORMAT_REFERENCE_H

// What Format must write for a value, built here from the value by
// division on integers of any size, ties rounded to even: the exact
// reference of the Format tests of TFrac and of BigFraction, with the
// random options both draw.
#include <algorithm>
#include <boost/multiprecision/cpp_int.hpp>
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <optional>
#include <random>
#include <string>

namespace fraction::testing {

// Integers of any size, each result computed at once (no expression
// templates).
using Integer = boost::multiprecision::number<boost::multiprecision::cpp_int_backend<>,
                                              boost::multiprecision::et_off>;

// 10^exponent, for exponent >= 0.
inline Integer TenTo(int exponent) {
  return boost::multiprecision::pow(Integer(10), static_cast<unsigned>(exponent));
}

// n/d · 10^places rounded to an integer: to nearest, ties to even.
inline Integer Rounded(const Integer& n, const Integer& d, int places) {
  const Integer scaled = places >= 0 ? n * TenTo(places) : n;
  const Integer divisor = places >= 0 ? d : d * TenTo(-places);
  Integer quotient, remainder;
  boost::multiprecision::divide_qr(scaled, divisor, quotient, remainder);
  if (2 * remainder > divisor || (2 * remainder == divisor && bit_test(quotient, 0))) ++quotient;
  return quotient;
}

// printf's fixed form of n/d >= 0, `places` digits after the point.
inline std::string Fixed(const Integer& n, const Integer& d, int places, bool point) {
  std::string digits = Rounded(n, d, places).str();
  if (static_cast<int>(digits.size()) <= places) {
    digits.insert(0, static_cast<std::size_t>(places + 1) - digits.size(), '0');
  }
  if (places > 0 || point) digits.insert(digits.size() - static_cast<std::size_t>(places), ".");
  return digits;
}

// X for 10^X <= n/d < 10^(X + 1), once n/d > 0 is rounded to `digits`
// significant digits.
inline int RoundedExponent(const Integer& n, const Integer& d, int digits) {
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
inline std::string Scientific(const Integer& n, const Integer& d, int places, bool point, char e) {
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
inline std::string General(const Integer& n, const Integer& d, int precision, bool point, char e) {
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

inline std::string TextOf(const Options& o) {
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

inline bool IsUpper(char type) { return type == 'E' || type == 'F' || type == 'G'; }

// The digits of n/d by the options' type, without a sign.
inline std::string Digits(const Integer& n, const Integer& d, const Options& o) {
  const bool upper = IsUpper(o.type);
  if (d == 0) return n != 0 ? (upper ? "INF" : "inf") : (upper ? "NAN" : "nan");
  const Integer magnitude = abs(n), divisor = abs(d);
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
inline std::string SignOf(const Integer& n, const Integer& d, const Options& o) {
  if (d == 0 ? n < 0 : n != 0 && (n < 0) != (d < 0)) return "-";
  return o.sign == '+' ? "+" : o.sign == ' ' ? " " : "";
}

// What Format must give for the value n/d (d = 0 for ±infinity and NaN),
// whose "n/d" form is `ratio`: that form without a type, else the sign and
// the digits; then the padding.
inline std::optional<std::string> ExpectedFormat(const Integer& n, const Integer& d,
                                                 const std::string& ratio, const Options& o) {
  std::string body = ratio;
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

// Random draws, the same on every run: each draw is a statement of its own,
// as the order in which operands are evaluated is unspecified.
class FormatDraws {
 public:
  std::int64_t Between(std::int64_t low, std::int64_t high) {
    return std::uniform_int_distribution<std::int64_t>(low, high)(random_);
  }
  bool OneIn(int n) { return Between(1, n) == 1; }

  // One of `items`, at random.
  template <class T, std::size_t N>
  const T& OneOf(const T (&items)[N]) {
    return *std::next(std::begin(items), Between(0, static_cast<std::int64_t>(N) - 1));
  }

  // Options of every kind; now and then ones that a value without a type
  // rejects.
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
  std::mt19937_64 random_{20240533};  // NOLINT(cert-msc51-cpp): a failure must repeat
};

}  // namespace fraction::testing

#endif  // FRACTION_TESTS_FORMAT_REFERENCE_H
