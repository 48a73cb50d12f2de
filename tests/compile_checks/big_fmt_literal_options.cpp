// The control: BigFraction in format strings checked at compile time, with
// fraction/fmt.h included before fraction/big_fraction.h, beside TFrac and
// a width and precision from arguments, compiles with the project's
// warnings.
#include <string>

#include "fraction/fmt.h"
// Only after the formatter.
#include "fraction/big_fraction.h"

std::string Formatted(const fraction::BigFraction& x, const fraction::TFrac& y) {
  return fmt::format(FMT_STRING("{0:*^40.20g}|{0:{1}.{2}f}|{3:+.3e}|{0}"), x, 10, 3, y);
}
