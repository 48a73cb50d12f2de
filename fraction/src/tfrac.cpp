#include "fraction/tfrac.h"

#include "binary_gcd.h"
#include "fraction/console_text.h"
#include "wrapping.h"

namespace fraction {

TFrac::TFrac(std::int32_t a, std::int32_t b) : numerator(a), denominator(b) {
  const std::int32_t g = Gcd(a, b);
  // g == 0 marks invalid data (or 0/0): the fraction keeps a and b as given.
  // Otherwise g divides both, and a / g cannot overflow: g > 0 unless a == 0.
  if (g != 0) {
    numerator = a / g;
    denominator = b / g;
    lowest_terms = true;
  }
}

std::int32_t TFrac::Gcd(std::int32_t a, std::int32_t b) {
  if (a == 0) {
    return b;
  }
  // |INT32_MIN| does not fit and stays negative, so it is rejected below.
  const std::int32_t m = a < 0 ? wrapping::Negate(a) : a;
  if (m < 1 || b < 1) {
    WriteToConsole(InvalidDataMessage());
    return 0;
  }
  // The binary gcd takes at most 62 steps, where trying divisors
  // downwards from min(m, b) takes billions for 2147483647 and 2147483646.
  return BinaryGcd(m, b);
}

const wchar_t* TFrac::InvalidDataMessage() { return L"Неверно введены данные!"; }

}  // namespace fraction
