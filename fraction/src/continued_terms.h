#ifndef FRACTION_CONTINUED_TERMS_H
#define FRACTION_CONTINUED_TERMS_H

#include <cstdint>

namespace fraction::internal {

// A positive finite double's exact value: whole + rest / 2^power, with
// 0 <= rest < 2^power; rest / 2^power in lowest terms unless rest is 0.
struct SplitDouble {
  std::uint64_t whole;
  std::uint64_t rest;
  int power;  // 0 to 1074
};

// A positive finite double's exact value, mantissa / 2^shift: the mantissa
// odd unless the shift is 0, so a fraction in lowest terms.
struct Dyadic {
  std::uint64_t mantissa;
  int shift;
};

// For 0 < magnitude < 2^31, where the shift comes out between 0 and 1074.
Dyadic Decompose(double magnitude);

// For 0 < magnitude < 2^31.
SplitDouble Split(double magnitude);

// One term of a continued fraction: the tail x = quotient + remainder /
// divisor, exactly. A quotient beyond every bound of 32-bit fractions is
// cut to kHuge, and then the rest is not kept.
struct Term {
  std::uint64_t quotient;
  std::uint64_t remainder;
  std::uint64_t divisor;
};
constexpr std::uint64_t kHuge = std::uint64_t{1} << 33;

// The continued fraction of 2^power / divisor, for 1 <= divisor < 2^power,
// or of dividend / divisor, term by term. 2^power may not fit in 64 bits
// (it reaches 2^1074), so its first term is found by long division, cut
// short once its quotient passes kHuge, which takes at most 64 + 34 steps;
// after it, Euclid's steps work on numbers below the divisor. Next() may be
// called until a term has the remainder 0 or a quotient cut to kHuge.
class Expansion {
 public:
  Expansion(int power, std::uint64_t divisor) : power_(power), divisor_(divisor) {}

  // For divisor >= 1.
  static Expansion OfRatio(std::uint64_t dividend, std::uint64_t divisor) {
    Expansion ratio(-1, divisor);
    ratio.dividend_ = dividend;
    return ratio;
  }

  Term Next();

 private:
  int power_;  // >= 0 until the first term is taken
  std::uint64_t dividend_ = 0;
  std::uint64_t divisor_;
};

}  // namespace fraction::internal

#endif  // FRACTION_CONTINUED_TERMS_H
