// The exact rationals of any size that BigFraction is timed beside, as the
// benchmarks hold them: FLINT's fmpq wrapped as a value with the operators
// the others have, and every kind's value as GMP's rational, for the
// checks before timing.
#ifndef FRACTION_BENCH_BIG_NUMBERS_H
#define FRACTION_BENCH_BIG_NUMBERS_H

#include <flint/fmpq.h>
#include <gmpxx.h>

#include <boost/multiprecision/cpp_int.hpp>
#include <boost/rational.hpp>
#include <cstdint>
#include <string>

#include "fraction/big_fraction.h"
#include "fraction/tfrac.h"

namespace fraction_bench {

using boost::multiprecision::cpp_int;
using boost::multiprecision::cpp_rational;
using fraction::BigFraction;
using fraction::TFrac;
using Rational64 = boost::rational<std::int64_t>;

// FLINT's rational as a value, as the others are: each result a new one,
// and the compound operators in place, through FLINT's C functions.
class Fmpq {
 public:
  Fmpq() { fmpq_init(value_); }
  explicit Fmpq(const mpq_class& q) : Fmpq() { fmpq_set_mpq(value_, q.get_mpq_t()); }
  // p/q for q >= 1.
  Fmpq(long p, long q) : Fmpq() { fmpq_set_si(value_, p, static_cast<ulong>(q)); }
  Fmpq(const Fmpq& other) : Fmpq() { fmpq_set(value_, other.value_); }
  Fmpq(Fmpq&& other) noexcept : Fmpq() { fmpq_swap(value_, other.value_); }
  Fmpq& operator=(const Fmpq& other) {
    fmpq_set(value_, other.value_);
    return *this;
  }
  Fmpq& operator=(Fmpq&& other) noexcept {
    fmpq_swap(value_, other.value_);
    return *this;
  }
  ~Fmpq() { fmpq_clear(value_); }

  [[nodiscard]] mpq_class ToMpq() const {
    mpq_class q;
    fmpq_get_mpq(q.get_mpq_t(), value_);
    return q;
  }

  // result = x op y, in place: FLINT's way, which keeps the result's digits.
  using Operation = void (*)(fmpq*, const fmpq*, const fmpq*);
  static void Into(Fmpq& result, Operation operation, const Fmpq& x, const Fmpq& y) {
    operation(result.value_, x.value_, y.value_);
  }
  friend bool operator<(const Fmpq& x, const Fmpq& y) { return fmpq_cmp(x.value_, y.value_) < 0; }

  Fmpq& operator+=(const Fmpq& y) {
    fmpq_add(value_, value_, y.value_);
    return *this;
  }
  Fmpq& operator-=(const Fmpq& y) {
    fmpq_sub(value_, value_, y.value_);
    return *this;
  }
  Fmpq& operator*=(long k) {
    fmpq_mul_si(value_, value_, k);
    return *this;
  }
  Fmpq& operator/=(const Fmpq& y) {
    fmpq_div(value_, value_, y.value_);
    return *this;
  }
  // x -= f·y in one call, as FLINT offers it.
  friend void SubtractProduct(Fmpq& x, const Fmpq& f, const Fmpq& y) {
    fmpq_submul(x.value_, f.value_, y.value_);
  }

 private:
  fmpq_t value_;
};

// x -= f·y with the type's operators.
template <class Number>
void SubtractProduct(Number& x, const Number& f, const Number& y) {
  x -= f * y;
}

// Each result as GMP's rational, for the check before timing.
inline mpq_class ToMpq(const BigFraction& x) { return *x.ToMpq(); }
inline mpq_class ToMpq(const mpq_class& x) { return x; }
inline mpq_class ToMpq(const Fmpq& x) { return x.ToMpq(); }
inline mpq_class ToMpq(const TFrac& x) {
  return {mpz_class(x.Numerator()), mpz_class(x.Denominator())};
}
inline mpz_class ToMpz(std::int64_t x) { return mpz_class(std::to_string(x)); }
inline mpq_class ToMpq(const Rational64& x) {
  return {ToMpz(x.numerator()), ToMpz(x.denominator())};
}
inline mpz_class ToMpz(const cpp_int& x) { return mpz_class(x.str()); }
inline mpq_class ToMpq(const cpp_rational& x) {
  return {ToMpz(numerator(x)), ToMpz(denominator(x))};
}

}  // namespace fraction_bench

#endif  // FRACTION_BENCH_BIG_NUMBERS_H
