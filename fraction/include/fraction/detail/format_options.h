#ifndef FRACTION_DETAIL_FORMAT_OPTIONS_H
#define FRACTION_DETAIL_FORMAT_OPTIONS_H

// The format options of a fraction, read at compile time where the formatters
// of fraction/format.h and fraction/fmt.h need it, and what turns a value
// and its options into text: shared by TFrac::Format and both formatters, so that
// the three cannot disagree.

#include <climits>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "fraction/detail/ascii.h"
#include "fraction/export.h"

namespace fraction {
class TFrac;
}  // namespace fraction

namespace fraction::detail {

// [[fill]align][sign]['#']['0'][width]['.' precision][type], read as
// std::format reads it for a double.
struct FormatOptions {
  enum class Align : unsigned char { kNone, kLeft, kRight, kCenter };
  enum class Sign : unsigned char { kNone, kMinus, kPlus, kSpace };

  // Where a width or precision comes from an argument, its index, or
  // kNextArgument for "{}" until the formatter asks its context for one.
  static constexpr int kNoArgument = -1;
  static constexpr int kNextArgument = -2;

  char fill[4] = {' ', '\0', '\0', '\0'};  // one character, UTF-8
  unsigned char fill_size = 1;
  Align align = Align::kNone;
  Sign sign = Sign::kNone;
  bool alternate = false;  // '#'
  bool zero = false;       // '0'
  int width = 0;
  int precision = -1;  // none given
  int width_argument = kNoArgument;
  int precision_argument = kNoArgument;
  char type = '\0';  // none, or one of "eEfFgG"
};

struct FormatOptionsParse {
  FormatOptions options;
  std::size_t size = 0;         // of the options read, up to a '}' or the end
  const char* error = nullptr;  // why it was rejected, or null
};

// The number of bytes of the UTF-8 character that `text` starts with, or 0
// when it does not start with one. Well-formed only, as Unicode's table of
// byte sequences has them: the bounds of the second byte after E0, ED, F0
// and F4 leave out overlong forms, surrogates and code points past U+10FFFF.
constexpr std::size_t CharacterSize(std::string_view text) {
  if (text.empty()) return 0;
  const auto lead = static_cast<unsigned char>(text[0]);
  const std::size_t size = lead < 0x80   ? 1
                           : lead < 0xC2 ? 0
                           : lead < 0xE0 ? 2
                           : lead < 0xF0 ? 3
                           : lead < 0xF5 ? 4
                                         : 0;
  if (size == 0 || size > text.size()) return 0;
  const unsigned low = lead == 0xE0 ? 0xA0 : lead == 0xF0 ? 0x90 : 0x80;
  const unsigned high = lead == 0xED ? 0x9F : lead == 0xF4 ? 0x8F : 0xBF;
  for (std::size_t i = 1; i < size; ++i) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if (byte < (i == 1 ? low : 0x80) || byte > (i == 1 ? high : 0xBF)) return 0;
  }
  return size;
}

// Reads the options, in constant expressions too, so that a formatter can reject a
// bad one at compile time.
class FormatOptionsReader {
 public:
  constexpr explicit FormatOptionsReader(std::string_view text) : text_(text) {}

  constexpr FormatOptionsParse Read() {
    FormatOptions& options = result_.options;
    if (!ReadFillAndAlign()) return result_;
    if (Take('+')) {
      options.sign = FormatOptions::Sign::kPlus;
    } else if (Take('-')) {
      options.sign = FormatOptions::Sign::kMinus;
    } else if (Take(' ')) {
      options.sign = FormatOptions::Sign::kSpace;
    }
    options.alternate = Take('#');
    options.zero = Take('0');
    if (Peek() == '0') return Fail("a width does not start with 0");
    if (!ReadCount(options.width, options.width_argument)) return result_;
    if (Take('.')) {
      if (!IsDigit(Peek()) && Peek() != '{') return Fail("a precision needs digits");
      options.precision = 0;
      if (!ReadCount(options.precision, options.precision_argument)) return result_;
    }
    if (Peek() == 'L') return Fail("the locale option is not supported for a fraction");
    if (!AtEnd()) {
      const char type = text_[at_];
      if (std::string_view("eEfFgG").find(type) == std::string_view::npos) {
        return Fail("the type of a fraction is one of e, E, f, F, g and G");
      }
      options.type = type;
      ++at_;
    }
    if (!AtEnd()) return Fail("unexpected characters at the end of a fraction's format options");
    const bool has_precision =
        options.precision >= 0 || options.precision_argument != FormatOptions::kNoArgument;
    if (options.type == '\0' && (options.sign != FormatOptions::Sign::kNone || options.alternate ||
                                 options.zero || has_precision)) {
      return Fail("only fill, align and width apply to a fraction without a type");
    }
    result_.size = at_;
    return result_;
  }

 private:
  // The end of the options: the text's, or the '}' that closes the field.
  [[nodiscard]] constexpr bool AtEnd() const { return at_ == text_.size() || text_[at_] == '}'; }
  [[nodiscard]] constexpr char Peek() const { return at_ < text_.size() ? text_[at_] : '\0'; }

  constexpr bool Take(char c) {
    if (at_ == text_.size() || text_[at_] != c) return false;
    ++at_;
    return true;
  }

  constexpr FormatOptionsParse Fail(const char* why) {
    result_.error = why;
    return result_;
  }

  static constexpr FormatOptions::Align AlignOf(char c) {
    return c == '<'   ? FormatOptions::Align::kLeft
           : c == '>' ? FormatOptions::Align::kRight
           : c == '^' ? FormatOptions::Align::kCenter
                      : FormatOptions::Align::kNone;
  }

  // A '}' first ends empty options: it is never a fill. Nor is '{', as in
  // the standard's grammar.
  constexpr bool ReadFillAndAlign() {
    FormatOptions& options = result_.options;
    if (AtEnd()) return true;
    const std::size_t size = CharacterSize(text_);
    // Options are ASCII but for a fill, so a byte past ASCII that starts no
    // well-formed character can only be a fill that is not one.
    if (size == 0 && static_cast<unsigned char>(text_[0]) >= 0x80) {
      Fail("a fill is one well-formed UTF-8 character");
      return false;
    }
    if (size > 0 && size < text_.size() && AlignOf(text_[size]) != FormatOptions::Align::kNone) {
      if (text_[0] == '{') {
        Fail("a fill cannot be {");
        return false;
      }
      for (std::size_t i = 0; i < size; ++i) options.fill[i] = text_[i];
      options.fill_size = static_cast<unsigned char>(size);
      options.align = AlignOf(text_[size]);
      at_ = size + 1;
    } else {
      options.align = AlignOf(text_[0]);
      at_ = options.align != FormatOptions::Align::kNone ? 1 : 0;
    }
    return true;
  }

  // Digits up to INT_MAX; false on a larger number.
  constexpr bool ReadNumber(int& value) {
    value = 0;
    for (; at_ < text_.size() && IsDigit(text_[at_]); ++at_) {
      const int digit = DigitValue(text_[at_]);
      if (value > (INT_MAX - digit) / 10) {
        Fail("a number in a fraction's format options is too large");
        return false;
      }
      value = value * 10 + digit;
    }
    return true;
  }

  // A width or precision: digits, or "{}" or "{n}" for an argument's value.
  // Leaves `value` alone when neither is there.
  constexpr bool ReadCount(int& value, int& argument) {
    if (!Take('{')) return !IsDigit(Peek()) || ReadNumber(value);
    if (Take('}')) {
      argument = FormatOptions::kNextArgument;
      return true;
    }
    // An argument's index: 0, or digits that do not start with 0.
    const bool zero = Peek() == '0';
    if (!IsDigit(Peek()) || !ReadNumber(argument) || (zero && argument != 0) || !Take('}')) {
      if (result_.error == nullptr)
        Fail("an argument's index is 0 or digits that do not start with 0");
      return false;
    }
    return true;
  }

  std::string_view text_;
  std::size_t at_ = 0;
  FormatOptionsParse result_;
};

constexpr FormatOptionsParse ParseFormatOptions(std::string_view text) {
  return FormatOptionsReader(text).Read();
}

// The options of a Format call, which has no argument to take a width or
// precision from: none where the reader rejects them, or where one would.
constexpr std::optional<FormatOptions> FormatCallOptions(std::string_view text) {
  const FormatOptionsParse parse = ParseFormatOptions(text);
  if (parse.error != nullptr || parse.size != text.size() ||
      parse.options.width_argument != FormatOptions::kNoArgument ||
      parse.options.precision_argument != FormatOptions::kNoArgument) {
    return std::nullopt;
  }
  return parse.options;
}

// The text of `x` by `options`, whose width and precision, whatever their source,
// are in its width and precision fields.
[[nodiscard]] FRACTION_EXPORT std::string FormatText(const TFrac& x, const FormatOptions& options);

}  // namespace fraction::detail

#endif  // FRACTION_DETAIL_FORMAT_OPTIONS_H
