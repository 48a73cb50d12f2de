// The text form "n/d" as stored, in (the text constructor, atol's grammar
// per part) and out (ToString).
#include <algorithm>
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "fraction/detail/ascii.h"
#include "fraction/tfrac.h"

namespace fraction {
namespace {

using detail::IsDigit;
using detail::IsSpace;

// atol's grammar: white space, an optional sign, then digits up to the first
// other character; no digits read as 0. Unlike atol, a value out of range
// saturates to the nearest 32-bit limit. std::from_chars does neither the
// '+' sign nor the saturation, so the loop is written out.
std::int32_t ReadLong(std::string_view token) {
  std::size_t i = 0;
  while (i < token.size() && IsSpace(token[i])) {
    ++i;
  }
  bool negative = false;
  if (i < token.size() && (token[i] == '+' || token[i] == '-')) {
    negative = token[i] == '-';
    ++i;
  }
  // Magnitudes are capped at 2^31, the largest one any int32_t can carry.
  constexpr std::int64_t kCap = std::int64_t{INT32_MAX} + 1;
  std::int64_t magnitude = 0;
  for (; i < token.size() && IsDigit(token[i]); ++i) {
    magnitude = magnitude * 10 + detail::DigitValue(token[i]);
    if (magnitude > kCap) {
      magnitude = kCap;
    }
  }
  if (negative) {
    return static_cast<std::int32_t>(-magnitude);
  }
  return static_cast<std::int32_t>(magnitude < kCap ? magnitude : INT32_MAX);
}

// The next token between runs of '/', as strtok splits; empty at the end.
// The text is only read: the caller's buffer stays as it is.
std::string_view NextToken(std::string_view& rest) {
  const std::size_t start = rest.find_first_not_of('/');
  if (start == std::string_view::npos) {
    rest = {};
    return {};
  }
  rest.remove_prefix(start);
  const std::size_t end = std::min(rest.find('/'), rest.size());
  const std::string_view token = rest.substr(0, end);
  rest.remove_prefix(end);
  return token;
}

}  // namespace

TFrac::TFrac(const char* text) : numerator(0), denominator(1) {
  std::string_view rest = text != nullptr ? std::string_view(text) : "";
  const std::string_view first = NextToken(rest);
  const std::string_view second = NextToken(rest);
  if (!first.empty()) {
    numerator = ReadLong(first);
  }
  if (!second.empty()) {
    denominator = ReadLong(second);
  }
}

std::string TFrac::ToString() const {
  // Two parts of at most 11 characters each ("-2147483648") and the slash.
  // Each part gets a range of its own size: g++ -O2 then sees that the
  // slash stays in the buffer even on to_chars' (impossible) error path.
  constexpr std::ptrdiff_t kPart = 11;
  char buffer[2 * kPart + 1];
  char* p = std::to_chars(buffer, buffer + kPart, numerator).ptr;
  *p++ = '/';
  p = std::to_chars(p, p + kPart, denominator).ptr;
  return std::string(buffer, p);
}

}  // namespace fraction
