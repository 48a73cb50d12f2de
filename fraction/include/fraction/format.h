#ifndef FRACTION_FORMAT_H
#define FRACTION_FORMAT_H

// std::formatter for TFrac: std::format("{:>10.3f}", x) gives what
// x.Format(">10.3f") gives. Bad options in a literal format string do not
// compile; ones given at run time (std::vformat) throw std::format_error.
// Width and precision may come from arguments ("{:{}.{}f}", "{0:*<{1}}").
//
// Where the standard library has no usable std::format (before C++20, or
// libstdc++ before 13) this header declares nothing and leaves
// FRACTION_HAS_STD_FORMAT undefined. libc++ 16 has one only with
// -fexperimental-library and does not define __cpp_lib_format even then.

#if __has_include(<version>)
#include <version>
#endif

#if defined(__cpp_lib_format) ||                                                        \
    (defined(_LIBCPP_VERSION) && _LIBCPP_VERSION >= 160000 && __cplusplus >= 202002L && \
     !defined(_LIBCPP_HAS_NO_INCOMPLETE_FORMAT))
#define FRACTION_HAS_STD_FORMAT 1
#endif

#ifdef FRACTION_HAS_STD_FORMAT

#include <algorithm>
#include <cstddef>
#include <format>
#include <memory>
#include <string>
#include <string_view>

#include "fraction/detail/format_options.h"
#include "fraction/tfrac.h"

namespace std {

template <>
struct formatter<fraction::TFrac, char> {
  // parse and format: the names std::format calls.
  // NOLINTNEXTLINE(readability-identifier-naming)
  constexpr std::format_parse_context::iterator parse(std::format_parse_context& context) {
    using fraction::detail::FormatOptions;
    const auto begin = context.begin();
    const auto read = fraction::detail::ParseFormatOptions(
        std::string_view(std::to_address(begin), static_cast<std::size_t>(context.end() - begin)));
    if (read.error != nullptr) throw std::format_error(read.error);
    options_ = read.options;
    for (int* argument : {&options_.width_argument, &options_.precision_argument}) {
      if (*argument == FormatOptions::kNextArgument) {
        *argument = static_cast<int>(context.next_arg_id());
      } else if (*argument != FormatOptions::kNoArgument) {
        context.check_arg_id(static_cast<std::size_t>(*argument));
      }
    }
    return begin + static_cast<std::ptrdiff_t>(read.size);
  }

  template <class FormatContext>
  // NOLINTNEXTLINE(readability-identifier-naming)
  typename FormatContext::iterator format(const fraction::TFrac& x, FormatContext& context) const {
    const auto count = [&context](int index) {
      return Count(context.arg(static_cast<std::size_t>(index)));
    };
    const std::string text =
        fraction::detail::FormatText(x, fraction::detail::WithArgumentCounts(options_, count));
    return std::copy(text.begin(), text.end(), context.out());
  }

 private:
  // A width or precision from an argument.
  template <class Argument>
  static int Count(const Argument& argument) {
    const auto count = [](auto value) { return fraction::detail::CountFromArgument(value); };
#if defined(__cpp_lib_format) && __cpp_lib_format >= 202306L
    const auto checked = argument.visit(count);  // C++26 deprecates visit_format_arg
#else
    const auto checked = std::visit_format_arg(count, argument);
#endif
    if (checked.error != nullptr) throw std::format_error(checked.error);
    return checked.value;
  }

  fraction::detail::FormatOptions options_;
};

}  // namespace std

#endif  // FRACTION_HAS_STD_FORMAT

#endif  // FRACTION_FORMAT_H
