#include <algorithm>
#include <cstdint>
#include <istream>
#include <ostream>
#include <string>

#include "fraction/detail/ascii.h"
#include "fraction/detail/ratio_stream.h"
#include "fraction/tfrac.h"

namespace fraction {
namespace {

// Reads an optional sign and digits from `input` onto `text`, and stops at
// the first other character, unread. False when there is no digit or the
// value lies outside the 32-bit range.
bool ReadPart(std::streambuf& input, std::string& text) {
  bool negative = false;
  std::int64_t magnitude = 0;
  // Past the limit the value only has to stay past it.
  constexpr std::int64_t kBeyond = -std::int64_t{INT32_MIN} + 1;
  const bool digits = detail::ReadSignedDigits(input, [&](char c) {
    text += c;
    if (detail::IsDigit(c)) {
      magnitude = std::min(kBeyond, magnitude * 10 + detail::DigitValue(c));
    } else {
      negative = c == '-';
    }
  });
  return digits && magnitude <= (negative ? -std::int64_t{INT32_MIN} : INT32_MAX);
}

}  // namespace

std::ostream& operator<<(std::ostream& out, const TFrac& fraction) {
  return out << fraction.ToString();
}

// Widened as the stream widens a char, then written as one string, so that
// width and fill apply to the whole text, as they do on a narrow stream.
std::wostream& operator<<(std::wostream& out, const TFrac& fraction) {
  const std::string text = fraction.ToString();
  std::wstring wide;
  wide.reserve(text.size());
  for (const char c : text) {
    wide += out.widen(c);
  }
  return out << wide;
}

// What was read goes to the text constructor, so that the stream stores
// exactly what it stores for the same text.
std::istream& operator>>(std::istream& in, TFrac& fraction) {
  return detail::ReadRatio(in, ReadPart, [&fraction](const std::string& text) {
    fraction = TFrac(text.c_str());
    return true;
  });
}

}  // namespace fraction
