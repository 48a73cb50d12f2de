// expect-error: fraction/format\.h:[0-9]+:[0-9]+: .*constant expression
// A precision without a type, in a literal format string: BigFraction's
// formatter, fraction/format.h's as TFrac's, rejects it at compile time.
#include <format>
#include <string>

#include "fraction/big_fraction.h"
#include "fraction/format.h"

std::string Formatted(const fraction::BigFraction& x) { return std::format("{:.3}", x); }
