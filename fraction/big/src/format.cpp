#include <optional>
#include <string>
#include <string_view>

#include "big_parts.h"
#include "decimal_digits.h"
#include "fraction/big_fraction.h"
#include "fraction/detail/decimal_layout.h"
#include "fraction/detail/format_options.h"

namespace fraction {

std::string detail::FormatText(const BigFraction& x, const FormatOptions& options) {
  const int sign = x.Sign();
  const ValueKind kind = internal::Access::Denominator(x) != 0 ? ValueKind::kFinite
                         : sign != 0                           ? ValueKind::kInfinite
                                                               : ValueKind::kNaN;
  return LaidOut(
      options, kind, sign < 0, [&x] { return x.ToString(); },
      [&x] { return internal::BigMagnitude(x); });
}

std::optional<std::string> BigFraction::Format(std::string_view options) const {
  const std::optional<detail::FormatOptions> read = detail::FormatCallOptions(options);
  if (!read) {
    return std::nullopt;
  }
  return detail::FormatText(*this, *read);
}

}  // namespace fraction
