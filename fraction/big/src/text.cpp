#include <gmp.h>
#include <gmpxx.h>

#include <algorithm>
#include <charconv>
#include <climits>
#include <cstddef>
#include <cstdint>
#include <istream>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

#include "big_parts.h"
#include "fraction/big_fraction.h"
#include "fraction/detail/ascii.h"
#include "fraction/detail/number_text.h"
#include "fraction/detail/ratio_stream.h"

namespace fraction {
namespace {

using internal::Access;
using internal::HeapRational;
using Form = detail::NumberText::Form;

// The most decimal digits a part may have for GMP to hold it: 3/10 is below
// log10(2), and GMP stops the program on a number of more than INT_MAX
// limbs.
constexpr std::uint64_t kLargestDigits = (std::uint64_t{INT_MAX} - 64) * GMP_NUMB_BITS / 10 * 3;

std::string_view WithoutLeadingZeros(std::string_view digits) {
  return digits.substr(std::min(digits.find_first_not_of('0'), digits.size()));
}

// z = the natural number the digits (possibly none) write.
void SetDigits(mpz_ptr z, std::string_view digits) {
  digits = WithoutLeadingZeros(digits);
  if (digits.empty()) {
    mpz_set_ui(z, 0);
    return;
  }
  const std::string text(digits);
  mpz_set_str(z, text.c_str(), 10);
}

// Whether |z| has at most `limit` decimal digits. mpz_sizeinbase counts
// exactly or one too many; only then does a power of ten decide.
bool AtMostDigits(mpz_srcptr z, std::uint64_t limit) {
  const std::uint64_t estimate = mpz_sizeinbase(z, 10);
  if (estimate != limit + 1) {
    return estimate <= limit;
  }
  mpz_class power;
  mpz_ui_pow_ui(power.get_mpz_t(), 10, static_cast<unsigned long>(limit));
  return mpz_cmpabs(z, power.get_mpz_t()) < 0;
}

// The value of q, made canonical, when both its parts have at most `limit`
// digits.
std::optional<BigFraction> Checked(HeapRational q, std::uint64_t limit) {
  q->canonicalize();
  if (!AtMostDigits(mpq_numref(q->get_mpq_t()), limit) ||
      !AtMostDigits(mpq_denref(q->get_mpq_t()), limit)) {
    return std::nullopt;
  }
  return internal::Canonical(std::move(q));
}

// n/d. Reduced, n's numerator is at least n/d and its denominator at least
// d/n: each of those bounds its length from below before any work. A zero
// denominator has no sign: n/0 is the infinity of n's.
std::optional<BigFraction> ParseRatio(const detail::NumberText& parts, std::uint64_t limit) {
  const std::string_view n = WithoutLeadingZeros(parts.whole);
  const std::string_view d = WithoutLeadingZeros(parts.denominator);
  if (d.empty()) {
    return internal::NonFinite(n.empty() ? 0 : parts.negative ? -1 : 1);
  }
  const bool negative = parts.negative != parts.negative_denominator;
  if (n.size() > d.size() + limit || d.size() > n.size() + limit) {
    return std::nullopt;
  }
  auto q = internal::NewRational();
  SetDigits(mpq_numref(q->get_mpq_t()), n);
  SetDigits(mpq_denref(q->get_mpq_t()), d);
  if (negative) {
    mpq_neg(q->get_mpq_t(), q->get_mpq_t());
  }
  return Checked(std::move(q), limit);
}

// digits · 10^exponent. With the digits' zeros at both ends dropped, an
// exponent e >= 0 makes an integer of exactly length + e digits; an e < 0
// leaves 2^-e or 5^-e in the denominator, as the digits, not divisible by
// 10, lack a factor 2 or a factor 5: at least 3·(-e)/10 digits.
std::optional<BigFraction> ParseDecimal(bool negative, std::string digits, std::int64_t exponent,
                                        std::uint64_t limit) {
  const std::size_t first = digits.find_first_not_of('0');
  if (first == std::string::npos) {
    return BigFraction();
  }
  const std::size_t last = digits.find_last_not_of('0');
  exponent += static_cast<std::int64_t>(
      std::min<std::size_t>(digits.size() - 1 - last, detail::kExponentCap));
  digits.erase(last + 1);
  digits.erase(0, first);
  const auto length = static_cast<std::int64_t>(digits.size());
  auto q = internal::NewRational();
  mpz_set_str(mpq_numref(q->get_mpq_t()), digits.c_str(), 10);
  if (negative) {
    mpq_neg(q->get_mpq_t(), q->get_mpq_t());
  }
  if (exponent >= 0) {
    if (static_cast<std::uint64_t>(exponent) > limit ||
        static_cast<std::uint64_t>(length + exponent) > limit) {
      return std::nullopt;
    }
    mpz_class power;
    mpz_ui_pow_ui(power.get_mpz_t(), 10, static_cast<unsigned long>(exponent));
    mpz_mul(mpq_numref(q->get_mpq_t()), mpq_numref(q->get_mpq_t()), power.get_mpz_t());
    return Checked(std::move(q), limit);
  }
  if (static_cast<std::uint64_t>(-exponent) / 10 * 3 >= limit) {
    return std::nullopt;
  }
  mpz_ui_pow_ui(mpq_denref(q->get_mpq_t()), 10, static_cast<unsigned long>(-exponent));
  return Checked(std::move(q), limit);
}

// whole.fraction(period) = (WFP − WF) / (10^|F| · (10^|P| − 1)), WF and WFP
// the numbers the concatenated digits write. The value is at least the
// whole part, and so is its numerator.
std::optional<BigFraction> ParseRepeating(bool negative, const detail::NumberText& parts,
                                          std::uint64_t limit) {
  if (WithoutLeadingZeros(parts.whole).size() > limit) {
    return std::nullopt;
  }
  std::string digits(parts.whole);
  digits += parts.fraction;
  const std::size_t prefix = digits.size();
  digits += parts.period;
  auto q = internal::NewRational();
  mpq_ptr value = q->get_mpq_t();
  mpz_class before;
  SetDigits(mpq_numref(value), digits);
  SetDigits(before.get_mpz_t(), std::string_view(digits).substr(0, prefix));
  mpz_sub(mpq_numref(value), mpq_numref(value), before.get_mpz_t());
  mpz_class nines;
  mpz_ui_pow_ui(nines.get_mpz_t(), 10, static_cast<unsigned long>(parts.period.size()));
  nines -= 1;
  mpz_ui_pow_ui(mpq_denref(value), 10, static_cast<unsigned long>(parts.fraction.size()));
  mpz_mul(mpq_denref(value), mpq_denref(value), nines.get_mpz_t());
  if (negative) {
    mpq_neg(value, value);
  }
  return Checked(std::move(q), limit);
}

}  // namespace

std::string BigFraction::ToString() const {
  if (!OnHeap()) {
    // Two parts of at most 20 characters each ("-9223372036854775807") and
    // the slash. Each part gets a range of its own size: g++ -O2 then sees
    // that the slash stays in the buffer even on to_chars' (impossible)
    // error path.
    constexpr std::ptrdiff_t kPart = 20;
    char buffer[2 * kPart + 1];
    char* p = std::to_chars(buffer, buffer + kPart, Access::Numerator(*this)).ptr;
    *p++ = '/';
    p = std::to_chars(p, p + kPart, Access::Denominator(*this)).ptr;
    return std::string(buffer, p);
  }
  const mpq_srcptr q = Access::Heap(*this).get_mpq_t();
  std::string text;
  internal::AppendDigits(text, mpq_numref(q));
  text += '/';
  internal::AppendDigits(text, mpq_denref(q));
  return text;
}

std::optional<BigFraction> BigFraction::Parse(std::string_view text, std::size_t max_digits) {
  const std::optional<detail::NumberText> parts = detail::SplitNumberText(text);
  if (!parts) {
    return std::nullopt;
  }
  const std::uint64_t limit = std::min<std::uint64_t>(max_digits, kLargestDigits);
  switch (parts->form) {
    case Form::kRatio:
      return ParseRatio(*parts, limit);
    case Form::kRepeating:
      return ParseRepeating(parts->negative, *parts, limit);
    case Form::kDecimal:
      break;
  }
  return ParseDecimal(parts->negative, parts->Digits(), parts->DigitsExponent(), limit);
}

std::ostream& operator<<(std::ostream& out, const BigFraction& x) { return out << x.ToString(); }

namespace {

// Reads an optional sign and digits from `input` onto `text`, and stops at
// the first other character, unread. Leading zeros are kept to one, and
// digits beyond BigFraction::kDefaultMaxDigits are read but not kept. False
// when there is no digit, or too many.
bool ReadPart(std::streambuf& input, std::string& text) {
  const std::size_t start =
      text.size() + static_cast<std::size_t>(input.sgetc() == '+' || input.sgetc() == '-');
  std::size_t kept = 0;
  const bool digits = detail::ReadSignedDigits(input, [&](char c) {
    if (detail::IsDigit(c) && text.size() == start + 1 && text.back() == '0') {
      text.back() = c;  // a leading zero gives way
      return;
    }
    // A sign, or a digit while the part is within the limit.
    if (!detail::IsDigit(c) || ++kept <= BigFraction::kDefaultMaxDigits) {
      text += c;
    }
  });
  return digits && kept <= BigFraction::kDefaultMaxDigits;
}

}  // namespace

// What was read goes to Parse, which reads every text this can read.
std::istream& operator>>(std::istream& in, BigFraction& x) {
  return detail::ReadRatio(in, ReadPart, [&x](const std::string& text) {
    std::optional<BigFraction> value = BigFraction::Parse(text);
    if (value) {
      x = std::move(*value);
    }
    return value.has_value();
  });
}

}  // namespace fraction
