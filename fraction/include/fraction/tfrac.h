#ifndef FRACTION_TFRAC_H
#define FRACTION_TFRAC_H

#include <cstdint>
#include <memory>
#include <string>

namespace fraction {

// An exact fraction of two 32-bit signed integers.
//
// The two-integer constructor reduces by the greatest common divisor; the
// copy and text constructors store what they are given, so equality, which
// compares the stored fields, can tell 1/2 from an unreduced 2/4.
//
// Arithmetic wraps around in 32 bits (two's complement) and is never checked
// for overflow. Nothing throws: invalid data is reported by Gcd, which writes
// InvalidDataMessage() to standard output.
class TFrac {
 public:
  // Stores a/b in lowest terms with a positive denominator and zero as 0/1.
  // Invalid data (b < 1 with a != 0, or a == INT32_MIN) writes the message
  // once and keeps a and b exactly as given; so does 0 over 0, silently.
  explicit TFrac(std::int32_t a = 0, std::int32_t b = 1);

  // Reads "n/d" with atol's grammar per part, neither reduced nor checked:
  // "4/6" stays 4/6 and "1/-2" stays 1/-2. Parts are split at runs of '/'
  // as strtok does; a missing numerator reads as 0, a missing denominator
  // as 1, a part out of the 32-bit range saturates, and a null text is "".
  explicit TFrac(const char* text);

  TFrac(const TFrac& source) = default;
  TFrac& operator=(const TFrac& source) = default;
  TFrac(TFrac&& source) noexcept = default;
  TFrac& operator=(TFrac&& source) noexcept = default;
  ~TFrac() = default;

  // Greatest common divisor of |a| and b, by these rules: b when a is 0;
  // otherwise, when |a| or b is below 1 (|INT32_MIN| counts as negative),
  // writes the invalid-data message and yields 0.
  static std::int32_t Gcd(std::int32_t a, std::int32_t b);

  // Decimal numerator, '/', decimal denominator, as stored: "-3/2", "0/1".
  [[nodiscard]] std::string ToString() const;

  // Each of these builds its result through the two-integer constructor.
  // A null right operand yields no fraction (an empty pointer).
  [[nodiscard]] std::unique_ptr<TFrac> Add(const TFrac* other) const;
  [[nodiscard]] std::unique_ptr<TFrac> Subtract(const TFrac* other) const;
  [[nodiscard]] std::unique_ptr<TFrac> Multiply(const TFrac* other) const;
  // Division by a zero fraction, and the reciprocal of zero, yield 0/1.
  [[nodiscard]] std::unique_ptr<TFrac> Divide(const TFrac* other) const;
  [[nodiscard]] std::unique_ptr<TFrac> Square() const;
  [[nodiscard]] std::unique_ptr<TFrac> Reverse() const;

  // Negates this fraction in place and returns it (not a new object).
  TFrac* Minus();

  // True when both stored fields match; false for a null operand.
  [[nodiscard]] bool Equal(const TFrac* other) const;

  // numerator/denominator > other's, each quotient taken in double
  // precision. A zero denominator gives +infinity for a positive numerator
  // and -infinity for a negative one; 0/0 is neither greater nor smaller
  // than anything. False for a null operand. Raises no floating-point
  // division-by-zero or invalid-operation exception.
  [[nodiscard]] bool Greater(const TFrac* other) const;

  [[nodiscard]] std::int32_t Numerator() const { return numerator; }
  [[nodiscard]] std::int32_t Denominator() const { return denominator; }

  // The text that Gcd writes on invalid data, without a line break.
  static const wchar_t* InvalidDataMessage();

 private:
  // Carries the sign of the fraction.
  std::int32_t numerator;
  std::int32_t denominator;
};

}  // namespace fraction

#endif  // FRACTION_TFRAC_H
