#ifndef FRACTION_TESTS_FORMAT_CASES_H
#define FRACTION_TESTS_FORMAT_CASES_H

// Rows shared by the tests of TFrac::Format and of the std and fmt
// formatters, which must all give the same text, or all reject the options.
#include <gtest/gtest.h>

#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

#include "fraction/detail/format_options.h"
#include "fraction/tfrac.h"

#ifdef FRACTION_HAS_STD_FORMAT
#include <format>
#endif

namespace fraction::testing {

// What the exception of a formatter says for a rejected row, as a user
// reads it. Where the fraction's options reader rejects the options, both
// formatters carry its text; where the format string around them is at
// fault (a stray '}', argument indexes mixed), each library words its own:
// those of libc++ 16 and fmt 9 are the ones stated.
struct ErrorText {
  const char* options = nullptr;  // the options reader's, for either formatter
  const char* libcxx = nullptr;
  const char* fmt = nullptr;
};

constexpr ErrorText LibraryText(const char* in_libcxx, const char* in_fmt) {
  return {nullptr, in_libcxx, in_fmt};
}

struct FormatCase {
  const char* value = nullptr;    // as TFrac's text constructor reads it
  const char* options = nullptr;  // what follows the colon in "{:...}"
  const char* text = nullptr;     // null: rejected
  ErrorText error = {};           // for a rejected row
  bool big = false;               // a BigFraction's, as Parse reads it, beyond TFrac
};

// A row of BigFraction's alone: a value that needs more than 64 bits.
constexpr FormatCase BigRow(const char* value, const char* options, const char* text) {
  return {value, options, text, {}, true};
}

// Texts of the options reader that several rows share.
inline constexpr const char* kWithoutType =
    "only fill, align and width apply to a fraction without a type";
inline constexpr const char* kNotAType = "the type of a fraction is one of e, E, f, F, g and G";
inline constexpr const char* kNoLocale = "the locale option is not supported for a fraction";
inline constexpr const char* kTooLarge = "a number in a fraction's format options is too large";
inline constexpr const char* kBadIndex =
    "an argument's index is 0 or digits that do not start with 0";
inline constexpr const char* kNegativeCount = "a width or precision is negative";
inline constexpr const char* kLargeCount = "a width or precision is too large";
inline constexpr const char* kNotACount = "a width or precision is not an integer";
inline constexpr const char* kBadFill = "a fill is one well-formed UTF-8 character";
inline constexpr const char* kNoArgument = "a width or precision's argument is not given";

inline constexpr FormatCase kFormatCases[] = {
    {"1/3", ".5f", "0.33333"},
    {"-22/7", "+.3e", "-3.143e+00"},
    {"1/3", "*^12.4g", "***0.3333***"},
    {"1000000/3", "g", "333333"},
    {"10000000/3", "g", "3.33333e+06"},
    {"1/8", "#.0f", "0."},
    {"3/2", "08.2f", "00001.50"},
    {"-3/2", "08.2f", "-0001.50"},
    {"3/2", "<08.2f", "1.50    "},  // an alignment outweighs '0'
    {"3/2", "02f", "1.500000"},
    {"4/-6", ">8", "    4/-6"},
    {"4/-6", "", "4/-6"},
    {"1/3", "^8", "  1/3   "},  // the smaller half on the left
    {"1/3", "\xE2\x94\x80^9",
     "\xE2\x94\x80\xE2\x94\x80\xE2\x94\x80"
     "1/3\xE2\x94\x80\xE2\x94\x80\xE2\x94\x80"},
    {"1/3", "0>5", "001/3"},
    // Rounding of the exact value, to nearest, ties to even.
    {"1/8", ".2f", "0.12"},
    {"5/2", ".0f", "2"},
    {"2/3", ".3e", "6.667e-01"},
    {"2147483647/2147483646", ".12f", "1.000000000466"},
    {"999999/1", ".2e", "1.00e+06"},
    {"1/2147483647", "e", "4.656613e-10"},
    {"2147483647/1", ".0e", "2e+09"},
    {"-2147483648/-1", "f", "2147483648.000000"},
    // Signs: a negative value keeps its '-', zero has none.
    {"-1/1000", ".2f", "-0.00"},
    {"0/-5", "+.1f", "+0.0"},
    {"1/3", " .2f", " 0.33"},
    // '#' keeps the point, and g's zeros.
    {"2/1", "#.0e", "2.e+00"},
    {"1/2", "#g", "0.500000"},
    {"123/1", "#.3g", "123."},
    // g: exponents of the value rounded, trailing zeros removed.
    {"0/1", "g", "0"},
    {"1/10000", "g", "0.0001"},
    {"1/100000", "g", "1e-05"},
    {"999999/1", ".2g", "1e+06"},
    {"99/10", ".1g", "1e+01"},
    {"1/3", ".0g", "0.3"},
    // x/0 and 0/0, padded with spaces even with '0'.
    {"5/0", "08.2f", "     inf"},
    {"-5/0", "E", "-INF"},
    {"0/0", "G", "NAN"},
    {"0/0", "+F", "+NAN"},
    {"5/0", "", "5/0"},
    {"5/0", ".2147483647f", "inf"},  // the largest precision, unused
    // Rejected: options that do not apply, unknown types, leftovers.
    {"1/3", "+", nullptr, {kWithoutType}},
    {"1/1", ".3", nullptr, {kWithoutType}},
    {"1/3", "0", nullptr, {kWithoutType}},
    {"1/3", "L", nullptr, {kNoLocale}},
    {"1/3", "Lf", nullptr, {kNoLocale}},
    {"1/3", "d", nullptr, {kNotAType}},
    {"1/3", "=8f", nullptr, {kNotAType}},
    {"1/3", "f ", nullptr, {"unexpected characters at the end of a fraction's format options"}},
    // Text after the '}' that ends the options: the library's own error.
    {"1/3", "f}", nullptr,
     LibraryText("The format string contains an invalid escape sequence",
                 "unmatched '}' in format string")},
    {"1/3", ".f", nullptr, {"a precision needs digits"}},
    {"1/3", "00f", nullptr, {"a width does not start with 0"}},
    {"1/3", "{<f", nullptr, {"a fill cannot be {"}},
    {"1/3", "2147483648", nullptr, {kTooLarge}},
    {"1/3", "2147483647.f", nullptr, {"a precision needs digits"}},  // the width itself is taken
    {"1/3", ".2147483648f", nullptr, {kTooLarge}},
    {"1/3", ".99999999999999999999f", nullptr, {kTooLarge}},
    // A fill is one well-formed UTF-8 character (U+10FFFF the last); a byte
    // past ASCII that starts none is rejected as a fill.
    {"1/3", "\xF4\x8F\xBF\xBF>4",
     "\xF4\x8F\xBF\xBF"
     "1/3"},
    {"1/3", "\xFF<f", nullptr, {kBadFill}},
    {"1/3", "\xC0\x80<f", nullptr, {kBadFill}},          // NUL in two bytes
    {"1/3", "\xC1\xBF<f", nullptr, {kBadFill}},          // '\x7F' in two bytes
    {"1/3", "\xE0\x80\xAA<f", nullptr, {kBadFill}},      // '*' in three bytes
    {"1/3", "\xF0\x82\x94\x80<f", nullptr, {kBadFill}},  // U+2500 in four bytes
    {"1/3", "\xED\xA0\x80<f", nullptr, {kBadFill}},      // a surrogate
    {"1/3", "\xF4\x90\x80\x80<f", nullptr, {kBadFill}},  // beyond U+10FFFF
    {"1/3", "\x80<f", nullptr, {kBadFill}},              // a lone continuation byte
    {"1/3", "\xE2\x94<f", nullptr, {kBadFill}},          // cut short
    // BigFraction's values of more than 64 bits: digits from the exact
    // value at any size, exponents of three digits, ties to even.
    BigRow("1267650600228229401496703205376/3", ".3e", "4.226e+29"),  // 2^100/3
    BigRow("1267650600228229401496703205376/3", ".2f", "422550200076076467165567735125.33"),
    BigRow("1267650600228229401496703205376/3", "+.5g", "+4.2255e+29"),
    BigRow("1267650600228229401496703205376/3", ".30g", "422550200076076467165567735125"),
    BigRow("1267650600228229401496703205376/3", "", "1267650600228229401496703205376/3"),
    BigRow("-1267650600228229401496703205376/3", "012.1e", "-00004.2e+29"),
    BigRow("123456789012345678901234567890/11", "*>40", "*******123456789012345678901234567890/11"),
    BigRow("1/1000000000000000000000000000001", ".3e", "1.000e-30"),  // up to a new power of ten
    BigRow("1/1000000000000000000000000000001", ".3g", "1e-30"),
    BigRow("24691357802469135780245/2", ".0f", "12345678901234567890122"),
    BigRow("24691357802469135780247/2", ".0f", "12345678901234567890124"),
    BigRow("-18446744073709551617/18446744073709551616", ".25f", "-1.0000000000000000000542101"),
    BigRow("1.5e400", "e", "1.500000e+400"),
    BigRow("1.5e400", ".0e", "2e+400"),
    BigRow("1.5e400", "g", "1.5e+400"),
    BigRow("2.5e-400", ".0e", "2e-400"),
    BigRow("2.5e-400", ".3G", "2.5E-400"),
};

// A row's value as a TFrac, for the rows that have one.
inline std::optional<TFrac> TFracOf(const FormatCase& c) {
  if (c.big) return std::nullopt;
  return TFrac(c.value);
}

// A row's value as a fraction of any size (BigFraction): a TFrac row's
// stored fields by value, but for options without a type where those
// fields are not in lowest terms ("4/-6"), whose "n/d" is TFrac's alone.
template <class Big>
std::optional<Big> BigValueOf(const FormatCase& c) {
  if (c.big) return Big::Parse(c.value);
  const TFrac stored(c.value);
  const Big x(stored);
  if (x.ToString() != stored.ToString() &&
      detail::ParseFormatOptions(c.options).options.type == '\0') {
    return std::nullopt;
  }
  return x;
}

// Width and precision from arguments, for the formatters: the fraction 1/3
// is argument 0, `first` and `second` are 1 and 2.
struct DynamicFormatCase {
  const char* format = nullptr;
  long long first = 0, second = 0;
  const char* text = nullptr;  // null: rejected
  ErrorText error = {};        // for a rejected row
};

inline constexpr DynamicFormatCase kDynamicFormatCases[] = {
    {"{:{}.{}f}", 10, 3, "     0.333"},
    {"{0:*<{1}}", 8, 0, "1/3*****"},
    {"{0:{2}.{1}e}", 3, 12, "   3.333e-01"},
    {"{:{}}", 0, 0, "1/3"},
    {"{:{}}", -1, 0, nullptr, {kNegativeCount}},
    {"{:{}}", 2147483648, 0, nullptr, {kLargeCount}},
    {"{:.{}f}", 2147483648, 0, nullptr, {kLargeCount}},
    {"{:{}.{}f}", 2147483647, -1, nullptr, {kNegativeCount}},  // the width itself is taken
    {"{:{}.{}}", 5, 2, nullptr, {kWithoutType}},
    {"{0:{0}}", 0, 0, nullptr, {kNotACount}},   // a fraction is no width
    {"{0:{3}}", 5, 0, nullptr, {kNoArgument}},  // no such argument
    {"{0:{01}f}", 5, 0, nullptr, {kBadIndex}},
    {"{0:.{01}f}", 5, 0, nullptr, {kBadIndex}},
    // Automatic and manual indexes mixed: the library's own error.
    {"{:{1}}", 5, 0, nullptr,
     LibraryText("Using manual argument numbering in automatic argument numbering mode",
                 "cannot switch from automatic to manual argument indexing")},
    {"{0:{}}", 5, 0, nullptr,
     LibraryText("Using automatic argument numbering in manual argument numbering mode",
                 "cannot switch from manual to automatic argument indexing")},
};

// Options as a C++ literal would spell them, for a failure message: bytes
// outside printable ASCII as \xNN.
inline std::string Escaped(std::string_view options) {
  std::string text;
  for (const char c : options) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 0x20 && byte < 0x7F) {
      text += c;
    } else {
      char hex[5];
      std::snprintf(hex, sizeof hex, "\\x%02X", byte);
      text += hex;
    }
  }
  return text;
}

// What a row expects from a formatter: its text, or "rejected: " and its
// error's text, the options reader's or the one `own` picks from ErrorText.
// Where `own` is null (a standard library whose words no row states), a
// rejection the library words itself is only checked to be one.
inline std::string Expected(const char* text, const ErrorText& error, const char* ErrorText::*own,
                            const std::string& got) {
  if (text != nullptr) return text;
  if (error.options != nullptr) return std::string("rejected: ") + error.options;
  if (own != nullptr) return std::string("rejected: ") + error.*own;
  return got.rfind("rejected: ", 0) == 0 ? got : "rejected";
}

// Checks every row that `value_of(row)` gives a value for (TFracOf, say)
// through `formatted(format, x, first, second)`: the text of std::vformat or
// fmt::format with those arguments, or "rejected: " and what the exception
// says.
template <class ValueOf, class Formatted>
void ExpectFormatCases(const ValueOf& value_of, const Formatted& formatted,
                       const char* ErrorText::*own) {
  for (const FormatCase& c : kFormatCases) {
    const auto x = value_of(c);
    if (!x) continue;
    const std::string got = formatted("{:" + std::string(c.options) + "}", *x, 0, 0);
    EXPECT_EQ(got, Expected(c.text, c.error, own, got))
        << c.value << " with \"" << Escaped(c.options) << '"';
  }
  const auto third = *value_of(FormatCase{"1/3", ""});
  for (const DynamicFormatCase& c : kDynamicFormatCases) {
    const std::string got = formatted(c.format, third, c.first, c.second);
    EXPECT_EQ(got, Expected(c.text, c.error, own, got))
        << c.format << ' ' << c.first << ' ' << c.second;
  }
}

// ExpectFormatCases's `formatted` and `own` for each formatter library,
// where the file that includes this header has included its formatter
// first: the same calls for every fraction type.
#ifdef FRACTION_HAS_STD_FORMAT
struct StdFormatted {
  template <class Fraction>
  std::string operator()(const std::string& format, const Fraction& x, long long first,
                         long long second) const {
    try {
      return std::vformat(format, std::make_format_args(x, first, second));
    } catch (const std::format_error& error) {
      return std::string("rejected: ") + error.what();
    }
  }
};
#ifdef _LIBCPP_VERSION
inline constexpr const char* ErrorText::*kStdFormatErrors = &ErrorText::libcxx;
#else
inline constexpr const char* ErrorText::*kStdFormatErrors = nullptr;
#endif
#endif  // FRACTION_HAS_STD_FORMAT

#ifdef FRACTION_FMT_H
struct FmtFormatted {
  template <class Fraction>
  std::string operator()(const std::string& format, const Fraction& x, long long first,
                         long long second) const {
    try {
      return fmt::format(fmt::runtime(format), x, first, second);
    } catch (const fmt::format_error& error) {
      return std::string("rejected: ") + error.what();
    }
  }
};
#endif  // FRACTION_FMT_H

}  // namespace fraction::testing

#endif  // FRACTION_TESTS_FORMAT_CASES_H
