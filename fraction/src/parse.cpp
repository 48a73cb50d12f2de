// TFrac::Parse: "n/d", decimals with an exponent and repeating decimals,
// read exactly at any length.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "digit_ratio.h"
#include "fraction/detail/number_text.h"
#include "fraction/tfrac.h"

namespace fraction {
namespace {

std::optional<TFrac> Signed(bool negative, std::optional<internal::DigitRatio> ratio) {
  if (!ratio) {
    return std::nullopt;
  }
  return TFrac(negative ? -ratio->numerator : ratio->numerator, ratio->denominator);
}

// digits · 10^exponent, where a digit string of the text reaches any length
// and the exponent (saturated far beyond what can fit) too.
std::optional<internal::DigitRatio> Scaled(std::string digits, std::int64_t exponent) {
  const std::size_t last = digits.find_last_not_of('0');
  if (last == std::string::npos) {
    return internal::DigitRatio{0, 1};
  }
  exponent += static_cast<std::int64_t>(digits.size() - 1 - last);
  digits.erase(last + 1);
  digits.erase(0, digits.find_first_not_of('0'));
  const auto length = static_cast<std::int64_t>(digits.size());
  if (exponent >= 0) {
    // An integer of more than ten digits exceeds 2^31 - 1.
    if (length + exponent > 10) {
      return std::nullopt;
    }
    digits.append(static_cast<std::size_t>(exponent), '0');
    return internal::ReduceDigits(digits, "1");
  }
  // digits / 10^n, the digits not divisible by 10: so not by both 2 and 5,
  // and the reduced denominator keeps 2^n or 5^n, which exceed 2^31 - 1
  // for n > 30.
  if (exponent < -30) {
    return std::nullopt;
  }
  std::string power = "1";
  power.append(static_cast<std::size_t>(-exponent), '0');
  return internal::ReduceDigits(digits, power);
}

}  // namespace

std::optional<TFrac> TFrac::Parse(std::string_view text) {
  const std::optional<detail::NumberText> parts = detail::SplitNumberText(text);
  if (!parts) {
    return std::nullopt;
  }
  switch (parts->form) {
    case detail::NumberText::Form::kRatio:
      return Signed(parts->negative != parts->negative_denominator,
                    internal::ReduceDigits(parts->whole, parts->denominator));
    case detail::NumberText::Form::kRepeating:
      return Signed(parts->negative,
                    internal::ReduceRepeating(parts->whole, parts->fraction, parts->period));
    case detail::NumberText::Form::kDecimal:
      break;
  }
  return Signed(parts->negative, Scaled(parts->Digits(), parts->DigitsExponent()));
}

}  // namespace fraction
