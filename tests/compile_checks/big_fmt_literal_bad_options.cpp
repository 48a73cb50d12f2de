// expect-error: fraction/fmt\.h:[0-9]+:[0-9]+: .*constant expression
// A precision without a type, in a format string checked at compile time:
// BigFraction's formatter, fraction/fmt.h's as TFrac's, rejects it there.
#include <string>

#include "fraction/big_fraction.h"
#include "fraction/fmt.h"

std::string Formatted(const fraction::BigFraction& x) {
  return fmt::format(FMT_STRING("{:.3}"), x);
}
