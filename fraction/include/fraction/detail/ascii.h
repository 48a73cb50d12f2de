#ifndef FRACTION_DETAIL_ASCII_H
#define FRACTION_DETAIL_ASCII_H

#include <string_view>

// Characters as the C locale classifies them, whatever the user's locale:
// the readers of text agree with each other in every locale, and the
// <cctype> functions are neither constexpr nor locale-free.
namespace fraction::detail {

constexpr std::string_view kSpaces = " \t\n\v\f\r";

constexpr bool IsSpace(char c) { return kSpaces.find(c) != std::string_view::npos; }

constexpr bool IsDigit(char c) { return c >= '0' && c <= '9'; }

constexpr int DigitValue(char c) { return c - '0'; }

}  // namespace fraction::detail

#endif  // FRACTION_DETAIL_ASCII_H
