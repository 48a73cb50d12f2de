#ifndef FRACTION_DETAIL_RATIO_STREAM_H
#define FRACTION_DETAIL_RATIO_STREAM_H

// What the fraction types' operator>> share: the text "n" or "n/d", each
// part an optional sign and digits, read from a stream one character at a
// time. Not part of the libraries' interface.

#include <istream>
#include <string>

#include "fraction/detail/ascii.h"

namespace fraction::detail {

using StreamTraits = std::istream::traits_type;

// Reads from `input` an optional sign and the digits after it, handing each
// character read to `take`, and stops at the first other character,
// unread. Whether there was a digit.
template <class Take>
bool ReadSignedDigits(std::streambuf& input, Take take) {
  StreamTraits::int_type c = input.sgetc();
  if (StreamTraits::eq_int_type(c, '+') || StreamTraits::eq_int_type(c, '-')) {
    take(StreamTraits::to_char_type(c));
    c = input.snextc();
  }
  bool digits = false;
  for (;
       !StreamTraits::eq_int_type(c, StreamTraits::eof()) && IsDigit(StreamTraits::to_char_type(c));
       c = input.snextc()) {
    digits = true;
    take(StreamTraits::to_char_type(c));
  }
  return digits;
}

// After the stream's white-space skip, a part, then optionally '/' and
// another, each read onto one text by read_part(input, text), which says
// whether it holds; then store(text) says whether the text made a value.
// Sets failbit where either says no, and eofbit at the end of the input.
template <class ReadPart, class Store>
std::istream& ReadRatio(std::istream& in, ReadPart read_part, Store store) {
  const std::istream::sentry sentry(in);
  if (!sentry) {
    return in;
  }
  std::streambuf& input = *in.rdbuf();
  std::string text;
  bool read = read_part(input, text);
  if (read && StreamTraits::eq_int_type(input.sgetc(), '/')) {
    text += '/';
    input.sbumpc();
    read = read_part(input, text);
  }
  std::ios_base::iostate state = std::ios_base::goodbit;
  if (StreamTraits::eq_int_type(input.sgetc(), StreamTraits::eof())) {
    state |= std::ios_base::eofbit;
  }
  if (!read || !store(text)) {
    state |= std::ios_base::failbit;
  }
  in.setstate(state);
  return in;
}

}  // namespace fraction::detail

#endif  // FRACTION_DETAIL_RATIO_STREAM_H
