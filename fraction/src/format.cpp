#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "decimal_digits.h"
#include "fraction/detail/format_options.h"
#include "fraction/tfrac.h"

namespace fraction::internal {
namespace {

using detail::FormatOptions;

// 'e': one digit, the point, `precision` digits, then the exponent with its
// sign and at least two digits.
std::string Scientific(AbsoluteValue m, std::size_t precision, bool point, char e) {
  int exponent = 0;
  std::string digits;
  if (m.numerator == 0) {
    digits.assign(precision + 1, '0');
  } else {
    exponent = LeadingExponent(m);
    // The exponent is at least -10: no overflow for a precision up to INT_MAX.
    digits = RoundedDigits(m, static_cast<std::int64_t>(precision) - exponent);
    if (digits.size() > precision + 1) {  // 9.99... rounded up to 10.0...
      ++exponent;
      digits.pop_back();
    }
  }
  std::string text;
  text.reserve(digits.size() + 6);
  text += digits[0];
  if (precision > 0 || point) {
    text += '.';
  }
  text.append(digits, 1, std::string::npos);
  text += e;
  text += exponent < 0 ? '-' : '+';
  const int size = exponent < 0 ? -exponent : exponent;
  if (size < 10) {
    text += '0';
  }
  text += std::to_string(size);
  return text;
}

// Removes the zeros that end the digits after the point, and the point when
// none is left; the exponent, if any, stays.
void TrimZeros(std::string& text) {
  const std::size_t point = text.find('.');
  if (point == std::string::npos) {
    return;
  }
  const std::size_t end = std::min(text.find_first_of("eE"), text.size());
  std::size_t keep = text.find_last_not_of('0', end - 1) + 1;
  if (keep == point + 1) {
    keep = point;
  }
  text.erase(keep, end - keep);
}

// printf's %g: `precision` significant digits (0 counts as 1), fixed where
// the exponent X of the value so rounded lies in -4 <= X < precision.
std::string General(AbsoluteValue m, std::size_t precision, bool alternate, char e) {
  precision = std::max<std::size_t>(precision, 1);
  int exponent = 0;
  if (m.numerator != 0) {
    exponent = LeadingExponent(m);
    const auto places = static_cast<std::int64_t>(precision) - 1 - exponent;
    if (RoundedDigits(m, places).size() > precision) {
      ++exponent;
    }
  }
  std::string text;
  if (exponent >= -4 && static_cast<std::int64_t>(precision) > exponent) {
    const auto places =
        static_cast<std::size_t>(static_cast<std::int64_t>(precision) - 1 - exponent);
    text = FixedDigits(m, places, alternate);
  } else {
    text = Scientific(m, precision - 1, alternate, e);
  }
  if (!alternate) {
    TrimZeros(text);
  }
  return text;
}

char SignCharacter(const FormatOptions& options, bool negative) {
  if (negative) {
    return '-';
  }
  return options.sign == FormatOptions::Sign::kPlus    ? '+'
         : options.sign == FormatOptions::Sign::kSpace ? ' '
                                                       : '\0';
}

// The digits of a finite value by the options' type, without a sign.
std::string Digits(AbsoluteValue m, const FormatOptions& options) {
  const bool upper = options.type == 'E' || options.type == 'F' || options.type == 'G';
  const char e = upper ? 'E' : 'e';
  const std::size_t precision =
      options.precision >= 0 ? static_cast<std::size_t>(options.precision) : 6;
  switch (options.type) {
    case 'e':
    case 'E':
      return Scientific(m, precision, options.alternate, e);
    case 'g':
    case 'G':
      return General(m, precision, options.alternate, e);
    default:
      return FixedDigits(m, precision, options.alternate);
  }
}

void AppendFill(std::string& text, const FormatOptions& options, std::size_t count) {
  if (options.fill_size == 1) {
    text.append(count, options.fill[0]);
    return;
  }
  const std::string_view fill(options.fill, options.fill_size);
  for (; count > 0; --count) {
    text += fill;
  }
}

}  // namespace
}  // namespace fraction::internal

namespace fraction {

std::string detail::FormatText(const TFrac& x, const FormatOptions& options) {
  char sign = '\0';
  std::string body;
  bool zeros = false;  // padding with zeros after the sign
  if (options.type == '\0') {
    body = x.ToString();
  } else if (x.Denominator() == 0) {
    const bool upper = options.type == 'E' || options.type == 'F' || options.type == 'G';
    sign = internal::SignCharacter(options, x.Numerator() < 0);
    body = x.Numerator() != 0 ? (upper ? "INF" : "inf") : (upper ? "NAN" : "nan");
  } else {
    sign = internal::SignCharacter(options, internal::IsNegative(x));
    body = internal::Digits(internal::AbsoluteValueOf(x), options);
    zeros = options.zero && options.align == FormatOptions::Align::kNone;
  }
  const std::size_t size = body.size() + (sign != '\0' ? 1 : 0);
  const std::size_t width = static_cast<std::size_t>(std::max(options.width, 0));
  const std::size_t padding = width > size ? width - size : 0;
  std::string text;
  if (zeros) {
    text.reserve(size + padding);
    if (sign != '\0') {
      text += sign;
    }
    text.append(padding, '0');
    text += body;
    return text;
  }
  const std::size_t before = options.align == FormatOptions::Align::kLeft     ? 0
                             : options.align == FormatOptions::Align::kCenter ? padding / 2
                                                                              : padding;
  text.reserve(size + padding * options.fill_size);
  internal::AppendFill(text, options, before);
  if (sign != '\0') {
    text += sign;
  }
  text += body;
  internal::AppendFill(text, options, padding - before);
  return text;
}

std::optional<std::string> TFrac::Format(std::string_view options) const {
  const detail::FormatOptionsParse parse = detail::ParseFormatOptions(options);
  // No argument here gives a width or precision.
  if (parse.error != nullptr || parse.size != options.size() ||
      parse.options.width_argument != detail::FormatOptions::kNoArgument ||
      parse.options.precision_argument != detail::FormatOptions::kNoArgument) {
    return std::nullopt;
  }
  return detail::FormatText(*this, parse.options);
}

}  // namespace fraction
