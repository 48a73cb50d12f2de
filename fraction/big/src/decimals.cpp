// A BigFraction's value written as a decimal: rounded to a number of places
// (ToDecimal), or exact with its period in parentheses (ToRepeatingDecimal),
// as TFrac writes them.
#include <gmp.h>
#include <gmpxx.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "big_parts.h"
#include "decimal_digits.h"
#include "fraction/big_fraction.h"
#include "fraction/detail/decimal_layout.h"

namespace fraction {
namespace {

using internal::Access;

// The least L in 1..limit with 10^L ≡ 1 (mod m), for m > 1 prime to 10; none
// if there is none so small. One step a power, in 64 bits where m fits them
// with room for the factor 10, else on GMP: time linear in the limit, and
// never in the order itself, which may be nearly m.
std::optional<std::uint64_t> OrderOfTen(mpz_srcptr m, std::uint64_t limit) {
  if (mpz_cmp_ui(m, UINT64_MAX / 10) <= 0) {
    const std::uint64_t modulus = mpz_get_ui(m);
    if (modulus < 2) {
      return std::nullopt;  // outside the contract; keeps the remainders defined
    }
    std::uint64_t power = 10 % modulus;
    for (std::uint64_t order = 1; order <= limit; ++order, power = power * 10 % modulus) {
      if (power == 1) {
        return order;
      }
    }
    return std::nullopt;
  }
  mpz_class power(10);  // m > 10
  for (std::uint64_t order = 1; order <= limit; ++order) {
    if (mpz_cmp_ui(power.get_mpz_t(), 1) == 0) {
      return order;
    }
    mpz_mul_ui(power.get_mpz_t(), power.get_mpz_t(), 10);
    mpz_tdiv_r(power.get_mpz_t(), power.get_mpz_t(), m);
  }
  return std::nullopt;
}

// The first `count` digits after the point of r/d, for 0 <= r < d, with
// their leading zeros: ⌊r · 10^count / d⌋ in `count` digits.
std::string FractionDigits(mpz_srcptr r, mpz_srcptr d, std::uint64_t count) {
  mpz_class digits;
  mpz_ui_pow_ui(digits.get_mpz_t(), 10, static_cast<unsigned long>(count));
  mpz_mul(digits.get_mpz_t(), digits.get_mpz_t(), r);
  mpz_tdiv_q(digits.get_mpz_t(), digits.get_mpz_t(), d);
  std::string text;
  internal::AppendDigits(text, digits.get_mpz_t());
  text.insert(0, count - text.size(), '0');
  return text;
}

const char* NonFiniteText(int sign) { return sign > 0 ? "inf" : sign < 0 ? "-inf" : "nan"; }

}  // namespace

std::string BigFraction::ToDecimal(int digits) const {
  if (Access::Denominator(*this) == 0) {
    return NonFiniteText(Sign());
  }
  const auto places = static_cast<std::size_t>(std::clamp(digits, 0, 1000));
  std::string text = Sign() < 0 ? "-" : "";
  text += detail::FixedDigits(internal::BigMagnitude(*this), places);
  return text;
}

// As TFrac's: for the reduced denominator 2^v2 · 5^v5 · m, the digits after
// the point run into their period after max(v2, v5) of them, and the period
// is as long as the order of 10 modulo m. Only that order is sought digit
// by digit, up to the cap; the digits themselves come from one division.
std::optional<std::string> BigFraction::ToRepeatingDecimal(int max_digits) const {
  if (Access::Denominator(*this) == 0) {
    return NonFiniteText(Sign());
  }
  const internal::MpqView value(*this);
  const mpz_srcptr d = mpq_denref(value.Get());
  mpz_class whole, rest;
  mpz_tdiv_qr(whole.get_mpz_t(), rest.get_mpz_t(), mpq_numref(value.Get()), d);
  mpz_abs(whole.get_mpz_t(), whole.get_mpz_t());
  mpz_abs(rest.get_mpz_t(), rest.get_mpz_t());
  std::string text = Sign() < 0 ? "-" : "";
  internal::AppendDigits(text, whole.get_mpz_t());
  if (mpz_sgn(rest.get_mpz_t()) == 0) {
    return text;
  }
  mpz_class m;
  const std::uint64_t twos = mpz_scan1(d, 0);
  mpz_tdiv_q_2exp(m.get_mpz_t(), d, twos);
  const mpz_class five(5);
  const std::uint64_t fives = mpz_remove(m.get_mpz_t(), m.get_mpz_t(), five.get_mpz_t());
  const auto cap = static_cast<std::uint64_t>(std::max(max_digits, 0));
  const std::uint64_t before = std::max(twos, fives);
  if (before > cap) {
    return std::nullopt;
  }
  text += '.';
  if (mpz_cmp_ui(m.get_mpz_t(), 1) == 0) {
    text += FractionDigits(rest.get_mpz_t(), d, before);  // d was 2^v2 · 5^v5
    return text;
  }
  const std::optional<std::uint64_t> period = OrderOfTen(m.get_mpz_t(), cap - before);
  if (!period) {
    return std::nullopt;
  }
  std::string digits = FractionDigits(rest.get_mpz_t(), d, before + *period);
  digits.insert(before, 1, '(');
  text += digits;
  text += ')';
  return text;
}

}  // namespace fraction
