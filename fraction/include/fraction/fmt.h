#ifndef FRACTION_FMT_H
#define FRACTION_FMT_H

/// \file
/// fmt::formatter for TFrac, and for BigFraction where fraction/big_fraction.h
/// is included too, for fmt 9 and later: fmt::format("{:>10.3f}", x) gives
/// what x.Format(">10.3f") gives. Bad options throw fmt::format_error, and in
/// a format string checked at compile time (C++20, or FMT_STRING) they do not
/// compile. Width and precision may come from arguments ("{:{}.{}f}",
/// "{0:*<{1}}"), by index, not by name.
///
/// As in fraction/format.h, one specialisation serves every fraction type
/// that declares a FormatText of its own, in either order of the headers.

#include <fmt/format.h>

#include <type_traits>

#include "fraction/detail/format_options.h"
#include "fraction/detail/formatter_adapter.h"
#include "fraction/tfrac.h"

static_assert(FMT_VERSION >= 90000, "fraction/fmt.h needs fmt 9 or later");

namespace fraction::detail {

/// What FormatterAdapter needs of fmt.
struct FmtLibrary {
  /// Nothing when \p error is null; else throws the library's format_error.
  static constexpr void Check(const char* error) {
    if (error != nullptr) FMT_THROW(fmt::format_error(error));
  }

  /// Nothing; tells fmt that argument \p id must be an integer, where fmt
  /// can tell (9.1 and later).
  template <class ParseContext>
  static constexpr void CheckCountArgument(ParseContext& context, int id) {
#if FMT_VERSION >= 90100
    context.check_dynamic_spec(id);
#else
    static_cast<void>(context);
    static_cast<void>(id);
#endif
  }

  /// Argument \p id of \p context as a width or precision.
  template <class FormatContext>
  static ArgumentCount Count(FormatContext& context, int id) {
    const auto argument = context.arg(id);
    if (!argument) return kNoSuchArgument;
#if FMT_VERSION >= 110000
    return argument.visit(CountVisitor());  // fmt 11 deprecates visit_format_arg
#else
    return fmt::visit_format_arg(CountVisitor(), argument);
#endif
  }
};

}  // namespace fraction::detail

namespace fmt {

/// The formatter of a fraction type (TFrac, BigFraction) for fmt::format:
/// its parse member reads the options as the type's Format does, its format
/// member writes what Format gives, with a width or precision from an
/// argument where one is asked for.
template <class Fraction>
struct formatter<Fraction, char, std::enable_if_t<fraction::detail::kHasFormatText<Fraction>>>
    : fraction::detail::FormatterAdapter<Fraction, fraction::detail::FmtLibrary> {};

}  // namespace fmt

#endif  // FRACTION_FMT_H
