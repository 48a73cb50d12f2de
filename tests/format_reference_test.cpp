// Format against exact decimal arithmetic: random values (small and large
// parts, exact ties, values that round up to a new power of ten, unreduced
// and negative stored fields, x/0) with random options, each expected text
// built by format_reference.h from the value by division on integers of any
// size, ties rounded to even. Where the value is a double's, std::to_chars
// of that double is a second reference for the digits of e, f and g.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <utility>
#if __has_include(<version>)
#include <version>
#endif

#include "format_reference.h"
#include "fraction/tfrac.h"

namespace fraction {
namespace {

using testing::Options;

// What Format must give for the stored fields n/d: "n/d" as stored without
// a type.
std::optional<std::string> Expected(std::int64_t n, std::int64_t d, const Options& o) {
  return testing::ExpectedFormat(n, d, std::to_string(n) + '/' + std::to_string(d), o);
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

// Random stored fields, beside the options of FormatDraws.
class Draws : public testing::FormatDraws {
 public:
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

 private:
  static std::int64_t TenTo64(std::int64_t exponent) {
    std::int64_t power = 1;
    for (; exponent > 0; --exponent) power *= 10;
    return power;
  }
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
