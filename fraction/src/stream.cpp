#include <cstdint>
#include <istream>
#include <ostream>
#include <string>

#include "fraction/tfrac.h"

namespace fraction {
namespace {

using Traits = std::istream::traits_type;

// Reads an optional sign and digits from `input` onto `text`, and stops at
// the first other character, unread. False when there is no digit or the
// value lies outside the 32-bit range.
bool ReadPart(std::streambuf& input, std::string& text) {
  Traits::int_type c = input.sgetc();
  bool negative = false;
  if (Traits::eq_int_type(c, '+') || Traits::eq_int_type(c, '-')) {
    negative = Traits::eq_int_type(c, '-');
    text += Traits::to_char_type(c);
    c = input.snextc();
  }
  const std::int64_t limit = negative ? -std::int64_t{INT32_MIN} : INT32_MAX;
  std::int64_t magnitude = 0;
  bool digits = false;
  for (; !Traits::eq_int_type(c, Traits::eof()) && Traits::to_char_type(c) >= '0' &&
         Traits::to_char_type(c) <= '9';
       c = input.snextc()) {
    const char digit = Traits::to_char_type(c);
    digits = true;
    // Past the limit the value only has to stay past it.
    if (magnitude <= limit) {
      magnitude = magnitude * 10 + (digit - '0');
    }
    text += digit;
  }
  return digits && magnitude <= limit;
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
  const std::istream::sentry sentry(in);
  if (!sentry) {
    return in;
  }
  std::streambuf& input = *in.rdbuf();
  std::string text;
  bool read = ReadPart(input, text);
  if (read && Traits::eq_int_type(input.sgetc(), '/')) {
    text += '/';
    input.sbumpc();
    read = ReadPart(input, text);
  }
  std::ios_base::iostate state = std::ios_base::goodbit;
  if (Traits::eq_int_type(input.sgetc(), Traits::eof())) {
    state |= std::ios_base::eofbit;
  }
  if (read) {
    fraction = TFrac(text.c_str());
  } else {
    state |= std::ios_base::failbit;
  }
  in.setstate(state);
  return in;
}

}  // namespace fraction
