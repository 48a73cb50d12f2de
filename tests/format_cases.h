#ifndef FRACTION_TESTS_FORMAT_CASES_H
#define FRACTION_TESTS_FORMAT_CASES_H

// Rows shared by the tests of TFrac::Format and of the std and fmt
// formatters, which must all give the same text, or all reject the options.
#include <gtest/gtest.h>

#include <string>

#include "fraction/tfrac.h"

namespace fraction::testing {

struct FormatCase {
  const char* value;    // as the text constructor reads it
  const char* options;  // what follows the colon in "{:...}"
  const char* text;     // null: rejected
};

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
    // Rejected: options that do not apply, unknown types, leftovers.
    {"1/3", "+", nullptr},
    {"1/1", ".3", nullptr},
    {"1/3", "0", nullptr},
    {"1/3", "L", nullptr},
    {"1/3", "Lf", nullptr},
    {"1/3", "d", nullptr},
    {"1/3", "=8f", nullptr},
    {"1/3", "f ", nullptr},
    {"1/3", ".f", nullptr},
    {"1/3", "00f", nullptr},
    {"1/3", "{<f", nullptr},
    {"1/3", "\xFF<f", nullptr},
    {"1/3", "2147483648", nullptr},
    {"1/3", ".99999999999999999999f", nullptr},
};

// Width and precision from arguments, for the formatters: the fraction 1/3
// is argument 0, `first` and `second` are 1 and 2.
struct DynamicFormatCase {
  const char* format;
  long long first, second;
  const char* text;  // null: rejected
};

inline constexpr DynamicFormatCase kDynamicFormatCases[] = {
    {"{:{}.{}f}", 10, 3, "     0.333"},
    {"{0:*<{1}}", 8, 0, "1/3*****"},
    {"{0:{2}.{1}e}", 3, 12, "   3.333e-01"},
    {"{:{}}", 0, 0, "1/3"},
    {"{:{}}", -1, 0, nullptr},
    {"{:{}}", 2147483648, 0, nullptr},
    {"{:.{}f}", 2147483648, 0, nullptr},
    {"{:{}.{}}", 5, 2, nullptr},
    {"{0:{0}}", 0, 0, nullptr},  // a fraction is no width
    {"{:{1}}", 5, 0, nullptr},   // automatic and manual indexes mixed
    {"{0:{3}}", 5, 0, nullptr},  // no such argument
};

// Checks every row through `formatted(format, x, first, second)`: the text
// of std::vformat or fmt::format with those arguments, or "rejected".
template <class Formatted>
void ExpectFormatCases(const Formatted& formatted) {
  const auto expected = [](const char* text) { return text != nullptr ? text : "rejected"; };
  for (const FormatCase& c : kFormatCases) {
    EXPECT_EQ(formatted("{:" + std::string(c.options) + "}", TFrac(c.value), 0, 0),
              expected(c.text))
        << c.value << " with \"" << c.options << '"';
  }
  for (const DynamicFormatCase& c : kDynamicFormatCases) {
    EXPECT_EQ(formatted(c.format, TFrac(1, 3), c.first, c.second), expected(c.text))
        << c.format << ' ' << c.first << ' ' << c.second;
  }
}

}  // namespace fraction::testing

#endif  // FRACTION_TESTS_FORMAT_CASES_H
