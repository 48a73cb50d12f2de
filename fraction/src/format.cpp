#include <optional>
#include <string>
#include <string_view>

#include "decimal_digits.h"
#include "fraction/detail/decimal_layout.h"
#include "fraction/detail/format_options.h"
#include "fraction/tfrac.h"

namespace fraction {

std::string detail::FormatText(const TFrac& x, const FormatOptions& options) {
  const bool finite = x.Denominator() != 0;
  const ValueKind kind = finite               ? ValueKind::kFinite
                         : x.Numerator() != 0 ? ValueKind::kInfinite
                                              : ValueKind::kNaN;
  const bool negative = finite ? internal::IsNegative(x) : x.Numerator() < 0;
  return LaidOut(
      options, kind, negative, [&x] { return x.ToString(); },
      [&x] { return internal::SmallMagnitude(x); });
}

std::optional<std::string> TFrac::Format(std::string_view options) const {
  const std::optional<detail::FormatOptions> read = detail::FormatCallOptions(options);
  if (!read) {
    return std::nullopt;
  }
  return detail::FormatText(*this, *read);
}

}  // namespace fraction
