#ifndef FRACTION_DETAIL_DECIMAL_LAYOUT_H
#define FRACTION_DETAIL_DECIMAL_LAYOUT_H

// A fraction's value written in decimal, whatever integers hold it: the e, f
// and g forms of Format, ToDecimal's fixed form, and Format's layout around
// the digits (sign, fill, alignment, width, inf and nan). Shared by the
// sources of every fraction type, so that each writes the same text for the
// same value.
//
// The digit work is the type's own, on its magnitude |n| / |d| (d != 0),
// a class with
//   bool IsZero() const;
//   std::int64_t LeadingExponent() const;
//     X with 10^X <= m < 10^(X + 1), for m > 0;
//   std::string RoundedDigits(std::int64_t places) const;
//     m · 10^places rounded to an integer, to nearest with ties to even, as
//     printf rounds an exact value: its decimal digits, with no leading
//     zero ("0" for zero). Exact for any `places`.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fraction/detail/format_options.h"

namespace fraction::detail {

// m rounded to `places` digits after the point, which is left out for 0
// places unless `point` asks for it: "0.12", "2", "2.".
template <class Magnitude>
std::string FixedDigits(const Magnitude& m, std::size_t places, bool point = false) {
  std::string digits = m.RoundedDigits(static_cast<std::int64_t>(places));
  if (places == 0) {
    if (point) {
      digits += '.';
    }
    return digits;
  }
  std::string text;
  if (digits.size() <= places) {
    text.reserve(places + 2);
    text += "0.";
    text.append(places - digits.size(), '0');
    text += digits;
  } else {
    const std::size_t whole = digits.size() - places;
    text.reserve(digits.size() + 1);
    text.append(digits, 0, whole);
    text += '.';
    text.append(digits, whole);
  }
  return text;
}

// 'e': one digit, the point, `precision` digits, then the exponent with its
// sign and at least two digits.
template <class Magnitude>
std::string ScientificDigits(const Magnitude& m, std::size_t precision, bool point, char e) {
  std::int64_t exponent = 0;
  std::string digits;
  if (m.IsZero()) {
    digits.assign(precision + 1, '0');
  } else {
    exponent = m.LeadingExponent();
    digits = m.RoundedDigits(static_cast<std::int64_t>(precision) - exponent);
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
  const std::uint64_t size = exponent < 0 ? 0 - static_cast<std::uint64_t>(exponent)
                                          : static_cast<std::uint64_t>(exponent);
  if (size < 10) {
    text += '0';
  }
  text += std::to_string(size);
  return text;
}

// Removes the zeros that end the digits after the point, and the point when
// none is left; the exponent, if any, stays.
inline void TrimZeros(std::string& text) {
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
template <class Magnitude>
std::string GeneralDigits(const Magnitude& m, std::size_t precision, bool alternate, char e) {
  precision = std::max<std::size_t>(precision, 1);
  const auto digits = static_cast<std::int64_t>(precision);
  std::int64_t exponent = 0;
  if (!m.IsZero()) {
    exponent = m.LeadingExponent();
    if (m.RoundedDigits(digits - 1 - exponent).size() > precision) {
      ++exponent;
    }
  }
  std::string text;
  if (exponent >= -4 && digits > exponent) {
    text = FixedDigits(m, static_cast<std::size_t>(digits - 1 - exponent), alternate);
  } else {
    text = ScientificDigits(m, precision - 1, alternate, e);
  }
  if (!alternate) {
    TrimZeros(text);
  }
  return text;
}

// The digits of a finite value by the options' type, without a sign.
template <class Magnitude>
std::string DigitsByType(const Magnitude& m, const FormatOptions& options) {
  const bool upper = options.type == 'E' || options.type == 'F' || options.type == 'G';
  const char e = upper ? 'E' : 'e';
  const std::size_t precision =
      options.precision >= 0 ? static_cast<std::size_t>(options.precision) : 6;
  switch (options.type) {
    case 'e':
    case 'E':
      return ScientificDigits(m, precision, options.alternate, e);
    case 'g':
    case 'G':
      return GeneralDigits(m, precision, options.alternate, e);
    default:
      return FixedDigits(m, precision, options.alternate);
  }
}

inline char SignCharacter(const FormatOptions& options, bool negative) {
  if (negative) {
    return '-';
  }
  return options.sign == FormatOptions::Sign::kPlus    ? '+'
         : options.sign == FormatOptions::Sign::kSpace ? ' '
                                                       : '\0';
}

inline void AppendFill(std::string& text, const FormatOptions& options, std::size_t count) {
  if (options.fill_size == 1) {
    text.append(count, options.fill[0]);
    return;
  }
  const std::string_view fill(options.fill, options.fill_size);
  for (; count > 0; --count) {
    text += fill;
  }
}

// The sign (none for '\0') and body padded to the options' width: with
// zeros after the sign where `zeros` says so, else with the fill as the
// alignment puts it.
inline std::string Padded(const FormatOptions& options, char sign, const std::string& body,
                          bool zeros) {
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
  AppendFill(text, options, before);
  if (sign != '\0') {
    text += sign;
  }
  text += body;
  AppendFill(text, options, padding - before);
  return text;
}

// What a value is, as the layout tells them apart.
enum class ValueKind : unsigned char { kFinite, kInfinite, kNaN };

// The text of a value by `options`, whose width and precision are known:
// `ratio_text()`, its "n/d", for options without a type; else inf or nan,
// or the digits of `magnitude_of()`, the magnitude of a finite value, with
// the sign of a value below zero (`negative`; for an infinity, its sign).
template <class RatioText, class MagnitudeOf>
std::string LaidOut(const FormatOptions& options, ValueKind kind, bool negative,
                    const RatioText& ratio_text, const MagnitudeOf& magnitude_of) {
  if (options.type == '\0') {
    return Padded(options, '\0', ratio_text(), false);
  }
  const char sign = SignCharacter(options, negative);
  if (kind != ValueKind::kFinite) {
    const bool upper = options.type == 'E' || options.type == 'F' || options.type == 'G';
    const char* const body =
        kind == ValueKind::kInfinite ? (upper ? "INF" : "inf") : (upper ? "NAN" : "nan");
    return Padded(options, sign, body, false);
  }
  return Padded(options, sign, DigitsByType(magnitude_of(), options),
                options.zero && options.align == FormatOptions::Align::kNone);
}

}  // namespace fraction::detail

#endif  // FRACTION_DETAIL_DECIMAL_LAYOUT_H
