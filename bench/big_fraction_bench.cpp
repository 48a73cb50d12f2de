// BigFraction's + - * / and < beside the other exact rationals of any size,
// on the same operand pairs: GMP's mpq_class, FLINT's fmpq,
// boost::multiprecision::cpp_rational, and where it is defined
// boost::rational<int64_t>; on the smallest classes TFrac's + as well.
#include "big_fraction_bench.h"

#include <flint/fmpq.h>
#include <gmpxx.h>

#include <array>
#include <boost/multiprecision/cpp_int.hpp>
#include <boost/rational.hpp>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <iterator>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "big_numbers.h"
#include "fraction/big_fraction.h"
#include "fraction/tfrac.h"
#include "ratio_table.h"

namespace fraction_bench {
namespace {

struct SameValue {
  template <class A, class B>
  bool operator()(const A& a, const B& b) const {
    return ToMpq(a) == ToMpq(b);
  }
  bool operator()(bool a, bool b) const { return a == b; }
};

// An operand class: numerators in ±limit without 0 and denominators in
// 1..limit, or both of exactly `digits` digits.
struct BigClass {
  const char* name;
  mpz_class limit;
  int digits;
};

mpq_class Draw(const BigClass& c, gmp_randclass& random) {
  mpq_class q;
  if (c.digits > 0) {
    mpz_class low;
    mpz_ui_pow_ui(low.get_mpz_t(), 10, static_cast<unsigned long>(c.digits - 1));
    q = mpq_class(low + random.get_z_range(9 * low), low + random.get_z_range(9 * low));
  } else {
    q = mpq_class(1 + random.get_z_range(c.limit), 1 + random.get_z_range(c.limit));
  }
  q.canonicalize();
  return random.get_z_bits(1) == 0 ? q : mpq_class(-q);
}

// kCount pairs in random order (GMP's generator, seeded by the class), no
// two alike.
std::vector<std::pair<mpq_class, mpq_class>> Pairs(const BigClass& c) {
  gmp_randclass random(gmp_randinit_default);
  random.seed(static_cast<unsigned long>(c.digits) + mpz_sizeinbase(c.limit.get_mpz_t(), 2));
  std::vector<std::pair<mpq_class, mpq_class>> pairs;
  std::set<std::array<std::size_t, 2>> seen;
  const std::hash<BigFraction> hash;
  while (pairs.size() < kCount) {
    mpq_class x = Draw(c, random), y = Draw(c, random);
    if (seen.insert({hash(BigFraction(x)), hash(BigFraction(y))}).second) {
      pairs.emplace_back(std::move(x), std::move(y));
    }
  }
  return pairs;
}

template <class Number, class Make>
std::vector<std::pair<Number, Number>> Converted(
    const std::vector<std::pair<mpq_class, mpq_class>>& pairs, Make make) {
  std::vector<std::pair<Number, Number>> converted;
  converted.reserve(pairs.size());
  for (const auto& [x, y] : pairs) {
    converted.emplace_back(make(x), make(y));
  }
  return converted;
}

cpp_int ToCppInt(const mpz_class& z) { return cpp_int(z.get_str()); }
std::int64_t ToInt64(const mpz_class& z) { return std::stoll(z.get_str()); }

// The pairs of every kind, alive as long as the benchmarks that read them.
struct Inputs {
  std::vector<std::pair<BigFraction, BigFraction>> ours;
  std::vector<std::pair<mpq_class, mpq_class>> gmp;
  std::vector<std::pair<Fmpq, Fmpq>> flint;
  std::vector<std::pair<cpp_rational, cpp_rational>> boost;
  std::vector<std::pair<Rational64, Rational64>> boost64;  // parts below 2^31 only
  std::vector<std::pair<TFrac, TFrac>> tfrac;              // parts up to 30,000 only
};

// The targets: on small parts half of mpq_class's time, FLINT's, and twice
// TFrac's +; on 62-bit parts, whose results leave 64 bits, parity; on
// 1,000 digits, GMP's own arithmetic, 1.1 of mpq_class. Boost's are timed
// for comparison only.
int TargetPercent(const BigClass& c, const std::string& baseline) {
  const bool small = c.digits == 0 && c.limit < (mpz_class(1) << 32);
  if (baseline == "mpq_class") return c.digits > 0 ? 110 : small ? 50 : 100;
  if (baseline == "fmpq") return c.digits > 0 ? 0 : 100;
  if (baseline == "TFrac") return 200;
  return 0;
}

// result = x op y into a result kept across the iterations, so that GMP's,
// FLINT's and Boost's rationals reuse its digits, their fastest way; a
// BigFraction takes the new value, and gives its old one back.
template <class Number, class Op>
auto Kept(Op op) {
  return [op](const std::pair<Number, Number>& p) -> const Number& {
    static Number result;
    op(result, p.first, p.second);
    return result;
  };
}

template <class Number, class Op>
auto Assigned(Op op) {
  return Kept<Number>(
      [op](Number& result, const Number& x, const Number& y) { result = op(x, y); });
}

auto Flint(Fmpq::Operation operation) {
  return Kept<Fmpq>([operation](Fmpq& result, const Fmpq& x, const Fmpq& y) {
    Fmpq::Into(result, operation, x, y);
  });
}

template <class Number>
auto Less() {
  return [](const std::pair<Number, Number>& p) { return p.first < p.second; };
}

void CompareClass(const BigClass& c, const Inputs& in) {
  const std::string name(c.name);
  // Boost's binary gcd on 1,000 digits would take minutes for every input.
  const std::size_t boost_stride = c.digits > 0 ? 16 : 1;
  const auto each = [&](const char* operation, auto op, Fmpq::Operation flint_op, auto ours_op,
                        auto boost64_op) {
    const std::string row = std::string("Big") + operation + "/" + name;
    Compare(row, "BigFraction", in.ours, ours_op, "mpq_class", in.gmp, Assigned<mpq_class>(op),
            SameValue{}, TargetPercent(c, "mpq_class"));
    Compare(row, "BigFraction", in.ours, ours_op, "fmpq", in.flint, Flint(flint_op), SameValue{},
            TargetPercent(c, "fmpq"));
    Compare(row, "BigFraction", in.ours, ours_op, "cpp_rational", in.boost,
            Assigned<cpp_rational>(op), SameValue{}, 0, boost_stride);
    if (!in.boost64.empty()) {
      Compare(row, "BigFraction", in.ours, ours_op, "boost_int64", in.boost64, boost64_op,
              SameValue{}, 0);
    }
  };
  each("Add", std::plus<>(), fmpq_add, Assigned<BigFraction>(std::plus<>()),
       Assigned<Rational64>(std::plus<>()));
  each("Subtract", std::minus<>(), fmpq_sub, Assigned<BigFraction>(std::minus<>()),
       Assigned<Rational64>(std::minus<>()));
  each("Multiply", std::multiplies<>(), fmpq_mul, Assigned<BigFraction>(std::multiplies<>()),
       Assigned<Rational64>(std::multiplies<>()));
  each("Divide", std::divides<>(), fmpq_div, Assigned<BigFraction>(std::divides<>()),
       Assigned<Rational64>(std::divides<>()));
  const std::string row = "BigLess/" + name;
  Compare(row, "BigFraction", in.ours, Less<BigFraction>(), "mpq_class", in.gmp, Less<mpq_class>(),
          SameValue{}, TargetPercent(c, "mpq_class"));
  Compare(row, "BigFraction", in.ours, Less<BigFraction>(), "fmpq", in.flint, Less<Fmpq>(),
          SameValue{}, TargetPercent(c, "fmpq"));
  Compare(row, "BigFraction", in.ours, Less<BigFraction>(), "cpp_rational", in.boost,
          Less<cpp_rational>(), SameValue{}, 0, boost_stride);
  if (!in.boost64.empty()) {
    Compare(row, "BigFraction", in.ours, Less<BigFraction>(), "boost_int64", in.boost64,
            Less<Rational64>(), SameValue{}, 0);
  }
  if (!in.tfrac.empty()) {
    Compare("BigAdd/" + name, "BigFraction", in.ours, Assigned<BigFraction>(std::plus<>()), "TFrac",
            in.tfrac, Assigned<TFrac>(std::plus<>()), SameValue{}, TargetPercent(c, "TFrac"));
  }
}

}  // namespace

void CompareBigFractions() {
  // Every class's inputs stay alive until the process ends: the benchmarks
  // registered here read them when they run.
  static const BigClass classes[] = {{"100", 100, 0},
                                     {"30000", 30000, 0},
                                     {"31bit", (mpz_class(1) << 31) - 1, 0},
                                     {"62bit", mpz_class(1) << 62, 0},
                                     {"1000digit", 0, 1000}};
  static std::vector<Inputs> inputs(std::size(classes));
  for (std::size_t i = 0; i < std::size(classes); ++i) {
    const BigClass& c = classes[i];
    const auto pairs = Pairs(c);
    Inputs& in = inputs[i];
    in.ours = Converted<BigFraction>(pairs, [](const mpq_class& q) { return BigFraction(q); });
    in.gmp = pairs;
    in.flint = Converted<Fmpq>(pairs, [](const mpq_class& q) { return Fmpq(q); });
    in.boost = Converted<cpp_rational>(pairs, [](const mpq_class& q) {
      return cpp_rational(ToCppInt(q.get_num()), ToCppInt(q.get_den()));
    });
    if (c.digits == 0 && c.limit < (mpz_class(1) << 31)) {
      in.boost64 = Converted<Rational64>(pairs, [](const mpq_class& q) {
        return Rational64(ToInt64(q.get_num()), ToInt64(q.get_den()));
      });
    }
    if (c.digits == 0 && c.limit <= 30000) {
      in.tfrac = Converted<TFrac>(pairs, [](const mpq_class& q) {
        return TFrac(static_cast<std::int32_t>(ToInt64(q.get_num())),
                     static_cast<std::int32_t>(ToInt64(q.get_den())));
      });
    }
    CompareClass(c, in);
  }
}

}  // namespace fraction_bench
