// The control: specs in literal format strings, arguments for width and
// precision and a multi-byte fill among them, compile with the project's
// warnings where fraction/format.h declares the formatter.
#include <format>
#include <string>

#include "fraction/format.h"

std::string Formatted(const fraction::TFrac& x) {
  return std::format("{0:*^12.4g}|{0:{1}.{2}f}|{0:\xE2\x94\x80<{1}}|{0}", x, 10, 3) +
         std::format("{:{}.{}e}|{:+#08.0F}", x, 10, 3, x);
}
