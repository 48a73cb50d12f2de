// expect-error: fraction/format\.h:[0-9]+:[0-9]+: .*constant expression
// A precision without a type, in a literal format string: the formatter's
// parse rejects it at compile time.
#include <format>
#include <string>

#include "fraction/format.h"

std::string Formatted(const fraction::TFrac& x) { return std::format("{:.3}", x); }
