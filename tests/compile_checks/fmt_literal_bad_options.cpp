// expect-error: fraction/fmt\.h:[0-9]+:[0-9]+: .*constant expression
// A precision without a type, in a format string checked at compile time:
// the formatter's parse rejects it there.
#include <string>

#include "fraction/fmt.h"

std::string Formatted(const fraction::TFrac& x) { return fmt::format(FMT_STRING("{:.3}"), x); }
