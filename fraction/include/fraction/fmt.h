#ifndef FRACTION_FMT_H
#define FRACTION_FMT_H

// fmt::formatter for TFrac, for fmt 9 and later: fmt::format("{:>10.3f}", x)
// gives what x.Format(">10.3f") gives. Bad options throw fmt::format_error,
// and in a format string checked at compile time (C++20, or FMT_STRING) they
// do not compile. Width and precision may come from arguments
// ("{:{}.{}f}", "{0:*<{1}}"), by index, not by name.

#include <fmt/format.h>

#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>

#include "fraction/detail/format_options.h"
#include "fraction/tfrac.h"

static_assert(FMT_VERSION >= 90000, "fraction/fmt.h needs fmt 9 or later");

namespace fmt {

template <>
struct formatter<fraction::TFrac, char> {
  // parse and format: the names fmt calls.
  template <class ParseContext>
  // NOLINTNEXTLINE(readability-identifier-naming)
  constexpr auto parse(ParseContext& context) -> decltype(context.begin()) {
    using fraction::detail::FormatOptions;
    const char* const begin = context.begin();
    const auto read = fraction::detail::ParseFormatOptions(
        std::string_view(begin, static_cast<std::size_t>(context.end() - begin)));
    if (read.error != nullptr) FMT_THROW(format_error(read.error));
    options_ = read.options;
    for (int* argument : {&options_.width_argument, &options_.precision_argument}) {
      if (*argument == FormatOptions::kNextArgument) {
        *argument = context.next_arg_id();
      } else if (*argument != FormatOptions::kNoArgument) {
        context.check_arg_id(*argument);
      } else {
        continue;
      }
#if FMT_VERSION >= 90100
      context.check_dynamic_spec(*argument);  // an integer, where fmt can tell
#endif
    }
    return begin + read.size;
  }

  template <class FormatContext>
  // NOLINTNEXTLINE(readability-identifier-naming)
  auto format(const fraction::TFrac& x, FormatContext& context) const -> decltype(context.out()) {
    const auto count = [&context](int index) { return Count(context.arg(index)); };
    const std::string text =
        fraction::detail::FormatText(x, fraction::detail::WithArgumentCounts(options_, count));
    return std::copy(text.begin(), text.end(), context.out());
  }

 private:
  // A width or precision from an argument.
  template <class Argument>
  static int Count(const Argument& argument) {
    const auto count = [](auto value) { return fraction::detail::CountFromArgument(value); };
#if FMT_VERSION >= 110000
    const auto checked = argument.visit(count);  // fmt 11 deprecates visit_format_arg
#else
    const auto checked = fmt::visit_format_arg(count, argument);
#endif
    if (checked.error != nullptr) FMT_THROW(format_error(checked.error));
    return checked.value;
  }

  fraction::detail::FormatOptions options_;
};

}  // namespace fmt

#endif  // FRACTION_FMT_H
