#ifndef FRACTION_CONSOLE_TEXT_H
#define FRACTION_CONSOLE_TEXT_H

#include <string>
#include <string_view>

#include "fraction/export.h"

/// \file
/// Wide text for standard output, which is written narrow only: on glibc a
/// wide write fixes the stream's orientation, and every narrow write after
/// it (printf, std::cout) would then be silently dropped.

namespace fraction {

/// The bytes of \p text in the current C locale's multibyte encoding when
/// that encoding holds it, and in UTF-8 otherwise.
///
/// A UTF-8 locale holds any text; KOI8-R holds Cyrillic, where '№' is
/// spelled "No", which KOI8-R lacks. The C/POSIX locale holds only ASCII,
/// yet a UTF-8 terminal is its likely reader. In UTF-8, what is no Unicode
/// scalar value becomes U+FFFD, so nothing is dropped silently.
FRACTION_EXPORT std::string EncodeForConsole(std::wstring_view text);

/// Writes EncodeForConsole(text) to stdout and flushes it, in order with
/// everything written before through printf or std::cout.
FRACTION_EXPORT void WriteToConsole(std::wstring_view text);

}  // namespace fraction

#endif  // FRACTION_CONSOLE_TEXT_H
