// The control: options in format strings checked at compile time (FMT_STRING
// in C++17, any literal in C++20), arguments for width and precision and a
// multi-byte fill among them, compile with the project's warnings.
#include <string>

#include "fraction/fmt.h"

std::string Formatted(const fraction::TFrac& x) {
  return fmt::format(FMT_STRING("{0:*^12.4g}|{0:{1}.{2}f}|{0:\xE2\x94\x80<{1}}|{0}"), x, 10, 3) +
         fmt::format(FMT_STRING("{:{}.{}e}|{:+#08.0F}"), x, 10, 3, x);
}
