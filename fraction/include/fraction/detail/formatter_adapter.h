#ifndef FRACTION_DETAIL_FORMATTER_ADAPTER_H
#define FRACTION_DETAIL_FORMATTER_ADAPTER_H

// What std::formatter and fmt::formatter of a value type do, written once:
// resolving the argument ids of a dynamic width or precision when a format
// string is parsed, filling in their values and writing FormatText when a
// value is formatted. It includes neither <format> nor <fmt/...>: what
// differs between the two libraries comes in as `Library`.

#include <algorithm>
#include <climits>
#include <cstddef>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>

#include "fraction/detail/format_options.h"

namespace fraction::detail {

// A width or precision that a formatter takes from an argument, as the options'
// digits would give it: an integer (not a bool nor a character) from 0 to
// INT_MAX. Otherwise `error` says why not, for the formatter to throw.
struct ArgumentCount {
  int value = 0;
  const char* error = nullptr;
};

template <class T>
constexpr ArgumentCount CountFromArgument(T value) {
  if constexpr (std::is_integral_v<T> && !std::is_same_v<T, bool> && !std::is_same_v<T, char>) {
    if constexpr (std::is_signed_v<T>) {
      if (value < 0) return {0, "a width or precision is negative"};
    }
    using Unsigned = std::make_unsigned_t<T>;
    if (static_cast<Unsigned>(value) > static_cast<Unsigned>(INT_MAX)) {
      return {0, "a width or precision is too large"};
    }
    return {static_cast<int>(value), nullptr};
  } else {
    static_cast<void>(value);
    return {0, "a width or precision is not an integer"};
  }
}

// What a formatter gives for a width or precision from an argument that the
// format call does not pass, as in std::vformat("{0:{3}}", ...).
inline constexpr ArgumentCount kNoSuchArgument = {0,
                                                  "a width or precision's argument is not given"};

// `options` with the width and precision that come from arguments filled in;
// `count(index)` gives the argument at `index` as a count.
template <class Count>
FormatOptions WithArgumentCounts(FormatOptions options, Count count) {
  if (options.width_argument != FormatOptions::kNoArgument) {
    options.width = count(options.width_argument);
  }
  if (options.precision_argument != FormatOptions::kNoArgument) {
    options.precision = count(options.precision_argument);
  }
  return options;
}

// Stands for a `const T&` that converts to nothing else: an argument that
// finds FormatText(const T&, ...) but no FormatText of a type that T
// converts to (int to TFrac, TFrac to BigFraction), since a conversion
// sequence holds at most one conversion of a user's.
template <class T>
struct ExactlyA {
  operator const T&() const;  // NOLINT(google-explicit-constructor): declared, never defined
};

// Whether T declares a FormatText of its own, found by argument-dependent
// lookup as FormatterAdapter finds it: the types that fraction/format.h and
// fraction/fmt.h give formatters.
template <class T, class = void>
struct HasFormatText : std::false_type {};
template <class T>
struct HasFormatText<T, std::void_t<decltype(FormatText(std::declval<ExactlyA<T>>(),
                                                        std::declval<const FormatOptions&>()))>>
    : std::true_type {};
template <class T>
constexpr bool kHasFormatText = HasFormatText<T>::value;

// The parse and format members of a formatter of T, a base class for the
// formatter specialisations of fraction/format.h and fraction/fmt.h.
//
// T is formatted by FormatText(const T&, const FormatOptions&), found by
// argument-dependent lookup (FormatOptions brings fraction::detail in), so
// a value type gets both formatters by declaring its own FormatText there.
//
// `Library` says what differs between std::format and fmt:
//   static constexpr void Check(const char* error): throws the library's
//     format_error when `error` is not null. Reached in a constant
//     expression, the throw makes a literal format string fail to compile.
//   static constexpr void CheckCountArgument(ParseContext&, int id): tells
//     the library, where it can check, that argument `id` must be an integer.
//   static ArgumentCount Count(FormatContext&, int id): argument `id` as a
//     width or precision, by CountFromArgument, or kNoSuchArgument.
template <class T, class Library>
class FormatterAdapter {
 public:
  // parse and format: the names both libraries call.
  template <class ParseContext>
  // NOLINTNEXTLINE(readability-identifier-naming)
  constexpr auto parse(ParseContext& context) -> decltype(context.begin()) {
    const auto begin = context.begin();
    const auto size = static_cast<std::size_t>(context.end() - begin);
    const FormatOptionsParse read =
        ParseFormatOptions(size == 0 ? std::string_view() : std::string_view(&*begin, size));
    Library::Check(read.error);
    options_ = read.options;
    // std's argument ids are std::size_t, fmt's int.
    using ArgumentId = decltype(context.next_arg_id());
    for (int* argument : {&options_.width_argument, &options_.precision_argument}) {
      if (*argument == FormatOptions::kNoArgument) continue;
      if (*argument == FormatOptions::kNextArgument) {
        *argument = static_cast<int>(context.next_arg_id());
      } else {
        context.check_arg_id(static_cast<ArgumentId>(*argument));
      }
      Library::CheckCountArgument(context, *argument);
    }
    return begin + static_cast<std::ptrdiff_t>(read.size);
  }

  template <class FormatContext>
  // NOLINTNEXTLINE(readability-identifier-naming)
  auto format(const T& value, FormatContext& context) const -> decltype(context.out()) {
    const auto count = [&context](int id) {
      const ArgumentCount checked = Library::Count(context, id);
      Library::Check(checked.error);
      return checked.value;
    };
    const std::string text = FormatText(value, WithArgumentCounts(options_, count));
    return std::copy(text.begin(), text.end(), context.out());
  }

 private:
  FormatOptions options_;
};

// What both libraries' argument visitors call: CountFromArgument of the
// argument's value, whatever its type.
struct CountVisitor {
  template <class Value>
  constexpr ArgumentCount operator()(Value value) const {
    return CountFromArgument(value);
  }
};

}  // namespace fraction::detail

#endif  // FRACTION_DETAIL_FORMATTER_ADAPTER_H
