#include "decimal_digits.h"

#include <gmp.h>
#include <gmpxx.h>

#include <cstdint>
#include <string>

namespace fraction::internal {
namespace {

// z = 10^exponent, for exponent >= 0.
void SetPowerOfTen(mpz_ptr z, std::uint64_t exponent) {
  mpz_ui_pow_ui(z, 10, static_cast<unsigned long>(exponent));
}

std::uint64_t DecimalSize(mpz_srcptr z) { return mpz_sizeinbase(z, 10); }

}  // namespace

BigMagnitude::BigMagnitude(const BigFraction& x) : value_(x) {
  const mpz_srcptr n = mpq_numref(value_.Get());
  mpz_roinit_n(&numerator_, mpz_limbs_read(n), static_cast<mp_size_t>(mpz_size(n)));
}

bool BigMagnitude::AtLeastPowerOfTen(std::int64_t exponent) const {
  mpz_class scaled;
  if (exponent >= 0) {
    SetPowerOfTen(scaled.get_mpz_t(), static_cast<std::uint64_t>(exponent));
    mpz_mul(scaled.get_mpz_t(), scaled.get_mpz_t(), Denominator());
    return mpz_cmp(&numerator_, scaled.get_mpz_t()) >= 0;
  }
  SetPowerOfTen(scaled.get_mpz_t(), 0 - static_cast<std::uint64_t>(exponent));
  mpz_mul(scaled.get_mpz_t(), scaled.get_mpz_t(), &numerator_);
  return mpz_cmp(scaled.get_mpz_t(), Denominator()) >= 0;
}

// With a and b the digits of |n| and d, 10^(a − 1) <= |n| < 10^a and
// 10^(b − 1) <= d < 10^b, so X is a − b − 1 or a − b; mpz_sizeinbase may
// count one digit more for either, so the estimate is within 2 of X and a
// few comparisons settle it.
std::int64_t BigMagnitude::LeadingExponent() const {
  auto exponent = static_cast<std::int64_t>(DecimalSize(&numerator_)) -
                  static_cast<std::int64_t>(DecimalSize(Denominator()));
  while (!AtLeastPowerOfTen(exponent)) {
    --exponent;
  }
  while (AtLeastPowerOfTen(exponent + 1)) {
    ++exponent;
  }
  return exponent;
}

// One division of |n| · 10^places by d (or of |n| by d · 10^-places), then
// rounding on the exact remainder.
std::string BigMagnitude::RoundedDigits(std::int64_t places) const {
  mpz_class scaled, divisor;
  mpz_srcptr dividend = &numerator_;
  mpz_srcptr by = Denominator();
  if (places >= 0) {
    SetPowerOfTen(scaled.get_mpz_t(), static_cast<std::uint64_t>(places));
    mpz_mul(scaled.get_mpz_t(), scaled.get_mpz_t(), &numerator_);
    dividend = scaled.get_mpz_t();
  } else {
    // |n| < 10^s for s = DecimalSize(|n|), so beyond s places to the left
    // of the point the value is below a tenth of the unit: it rounds to 0.
    const std::uint64_t left = 0 - static_cast<std::uint64_t>(places);
    if (left > DecimalSize(&numerator_)) {
      return "0";
    }
    SetPowerOfTen(divisor.get_mpz_t(), left);
    mpz_mul(divisor.get_mpz_t(), divisor.get_mpz_t(), Denominator());
    by = divisor.get_mpz_t();
  }
  mpz_class quotient, remainder;
  mpz_tdiv_qr(quotient.get_mpz_t(), remainder.get_mpz_t(), dividend, by);
  // To nearest; a tie to the even quotient.
  mpz_mul_2exp(remainder.get_mpz_t(), remainder.get_mpz_t(), 1);
  const int side = mpz_cmp(remainder.get_mpz_t(), by);
  if (side > 0 || (side == 0 && mpz_odd_p(quotient.get_mpz_t()) != 0)) {
    mpz_add_ui(quotient.get_mpz_t(), quotient.get_mpz_t(), 1);
  }
  std::string digits;
  AppendDigits(digits, quotient.get_mpz_t());
  return digits;
}

}  // namespace fraction::internal
