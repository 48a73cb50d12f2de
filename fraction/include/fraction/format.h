#ifndef FRACTION_FORMAT_H
#define FRACTION_FORMAT_H

/// \file
/// std::formatter for TFrac, and for BigFraction where fraction/big_fraction.h
/// is included too: std::format("{:>10.3f}", x) gives what x.Format(">10.3f")
/// gives. Bad options in a literal format string do not compile; ones given
/// at run time (std::vformat) throw std::format_error. Width and precision
/// may come from arguments ("{:{}.{}f}", "{0:*<{1}}").
///
/// One specialisation serves every fraction type: each declares FormatText
/// for itself, and the formatter is specialised for the types that do
/// (fraction::detail::kHasFormatText). So BigFraction's formatter needs no
/// header of its own, and this header, fraction::fraction's, never includes
/// GMP's; the two headers may come in either order.
///
/// Where the standard library has no usable std::format (before C++20, or
/// libstdc++ before 13) this header declares nothing and leaves
/// FRACTION_HAS_STD_FORMAT undefined. libc++ 16 has one only with
/// -fexperimental-library and does not define __cpp_lib_format even then.

#if __has_include(<version>)
#include <version>
#endif

#if defined(__cpp_lib_format) ||                                                        \
    (defined(_LIBCPP_VERSION) && _LIBCPP_VERSION >= 160000 && __cplusplus >= 202002L && \
     !defined(_LIBCPP_HAS_NO_INCOMPLETE_FORMAT))
/// Defined, as 1, where this header declares std::formatter for TFrac.
#define FRACTION_HAS_STD_FORMAT 1
#endif

#ifdef FRACTION_HAS_STD_FORMAT

#include <cstddef>
#include <format>

#include "fraction/detail/format_options.h"
#include "fraction/detail/formatter_adapter.h"
#include "fraction/tfrac.h"

namespace fraction::detail {

/// What FormatterAdapter needs of std::format.
struct StdFormatLibrary {
  /// Nothing when \p error is null; else throws the library's format_error.
  static constexpr void Check(const char* error) {
    if (error != nullptr) throw std::format_error(error);
  }

  /// Nothing: std::format has no check of an argument's type at parse time.
  template <class ParseContext>
  static constexpr void CheckCountArgument(ParseContext& /*context*/, int /*id*/) {}

  /// Argument \p id of \p context as a width or precision.
  template <class FormatContext>
  static ArgumentCount Count(FormatContext& context, int id) {
    const auto argument = context.arg(static_cast<std::size_t>(id));
    if (!argument) return kNoSuchArgument;
#if defined(__cpp_lib_format) && __cpp_lib_format >= 202306L
    return argument.visit(CountVisitor());  // C++26 deprecates visit_format_arg
#else
    return std::visit_format_arg(CountVisitor(), argument);
#endif
  }
};

}  // namespace fraction::detail

namespace std {

/// The formatter of a fraction type (TFrac, BigFraction) for std::format:
/// its parse member reads the options as the type's Format does, its format
/// member writes what Format gives, with a width or precision from an
/// argument where one is asked for.
template <class Fraction>
requires fraction::detail::kHasFormatText<Fraction>
struct formatter<Fraction, char>
    : fraction::detail::FormatterAdapter<Fraction, fraction::detail::StdFormatLibrary> {
};

}  // namespace std

#endif  // FRACTION_HAS_STD_FORMAT

#endif  // FRACTION_FORMAT_H
