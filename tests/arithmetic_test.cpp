#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "fraction/tfrac.h"
#include "stdout_capture.h"

namespace fraction {
namespace {

using testing::StdoutOf;

using BinaryOp = std::unique_ptr<TFrac> (TFrac::*)(const TFrac*) const;
using UnaryOp = std::unique_ptr<TFrac> (TFrac::*)() const;

TEST(FractionArithmetic, BinaryOperationsReduceTheirResults) {
  struct Case {
    const char* name;
    BinaryOp op;
    const char *left, *right, *result;
  };
  const Case cases[] = {
      {"Add", &TFrac::Add, "1/2", "-1/2", "0/1"},
      {"Add", &TFrac::Add, "1/2", "2/3", "7/6"},
      {"Subtract", &TFrac::Subtract, "1/2", "-1/2", "1/1"},
      {"Subtract", &TFrac::Subtract, "1/2", "2/3", "-1/6"},
      {"Multiply", &TFrac::Multiply, "1/2", "-1/2", "-1/4"},
      {"Multiply", &TFrac::Multiply, "1/2", "0/1", "0/1"},
      {"Divide", &TFrac::Divide, "1/2", "-1/2", "-1/1"},
      {"Divide", &TFrac::Divide, "1/2", "0/1", "0/1"},
      {"Divide", &TFrac::Divide, "3/4", "0/0", "0/1"},
      {"Divide", &TFrac::Divide, "-3/4", "-9/2", "1/6"},
      // Products wrap around in 32 bits.
      {"Multiply", &TFrac::Multiply, "65536/1", "65536/1", "0/1"},
      {"Multiply", &TFrac::Multiply, "2147483647/1", "2/1", "-2/1"},
      {"Add", &TFrac::Add, "2147483647/1", "1/1", "-2147483648/1"},
      {"Subtract", &TFrac::Subtract, "-2147483648/1", "1/1", "2147483647/1"},
      // Negating INT32_MIN wraps to itself, then fails validation.
      {"Divide", &TFrac::Divide, "-2147483648/1", "-1/1", "-2147483648/1"},
  };
  for (const Case& c : cases) {
    const TFrac left(c.left);
    const TFrac right(c.right);
    const std::string description = std::string(c.left) + " " + c.name + " " + c.right;
    std::unique_ptr<TFrac> result;
    StdoutOf([&] { result = (left.*c.op)(&right); });
    ASSERT_NE(result, nullptr) << description;
    EXPECT_EQ(result->ToString(), c.result) << description;
    EXPECT_EQ(left.ToString(), TFrac(c.left).ToString()) << description;
    EXPECT_EQ(right.ToString(), TFrac(c.right).ToString()) << description;
  }
}

TEST(FractionArithmetic, DivisionByZeroAndReciprocalOfZeroWriteNothing) {
  const TFrac half(1, 2);
  const TFrac zero;
  std::unique_ptr<TFrac> quotient, reciprocal;
  const std::string out = StdoutOf([&] {
    quotient = half.Divide(&zero);
    reciprocal = zero.Reverse();
  });
  EXPECT_EQ(out, "");
  EXPECT_EQ(quotient->ToString(), "0/1");
  EXPECT_EQ(reciprocal->ToString(), "0/1");
}

TEST(FractionArithmetic, UnaryOperationsReduceTheirResults) {
  struct Case {
    const char* name;
    UnaryOp op;
    const char *operand, *result;
  };
  const Case cases[] = {
      {"Square", &TFrac::Square, "1/2", "1/4"},
      {"Square", &TFrac::Square, "-1/2", "1/4"},
      {"Square", &TFrac::Square, "-4/6", "4/9"},
      {"Square", &TFrac::Square, "65536/3", "0/1"},  // wraps to 0/9
      {"Reverse", &TFrac::Reverse, "0/1", "0/1"},
      {"Reverse", &TFrac::Reverse, "-1/2", "-2/1"},
      {"Reverse", &TFrac::Reverse, "3/5", "5/3"},
      {"Reverse", &TFrac::Reverse, "-6/4", "-2/3"},
      {"Reverse", &TFrac::Reverse, "-3/-2147483648", "-2147483648/3"},
  };
  for (const Case& c : cases) {
    const TFrac operand(c.operand);
    const std::string description = std::string(c.name) + " of " + c.operand;
    std::unique_ptr<TFrac> result;
    StdoutOf([&] { result = (operand.*c.op)(); });
    EXPECT_EQ(result->ToString(), c.result) << description;
    EXPECT_EQ(operand.ToString(), TFrac(c.operand).ToString()) << description;
  }
}

TEST(FractionArithmetic, EveryOperationReturnsADistinctNewObject) {
  const TFrac f(1, 2);
  const auto sum = f.Add(&f);
  const auto square = f.Square();
  const auto reciprocal = f.Reverse();
  EXPECT_NE(sum.get(), &f);
  EXPECT_NE(square.get(), &f);
  EXPECT_NE(reciprocal.get(), &f);
  EXPECT_NE(sum.get(), square.get());
}

TEST(FractionArithmetic, NullRightOperandYieldsNoFraction) {
  const TFrac f(1, 2);
  EXPECT_EQ(f.Add(nullptr), nullptr);
  EXPECT_EQ(f.Subtract(nullptr), nullptr);
  EXPECT_EQ(f.Multiply(nullptr), nullptr);
  EXPECT_EQ(f.Divide(nullptr), nullptr);
  EXPECT_FALSE(f.Equal(nullptr));
  EXPECT_FALSE(f.Greater(nullptr));
}

TEST(FractionArithmetic, MinusNegatesInPlaceAndReturnsTheSameObject) {
  struct Case {
    const char *before, *after;
  };
  const Case cases[] = {
      {"1/2", "-1/2"},
      {"-1/2", "1/2"},
      {"0/1", "0/1"},
      {"4/-6", "-4/-6"},                   // no reduction
      {"-2147483648/1", "-2147483648/1"},  // wraps to itself
  };
  for (const Case& c : cases) {
    const TFrac source(c.before);
    TFrac copy(source);
    EXPECT_EQ(copy.Minus(), &copy) << c.before;
    EXPECT_EQ(copy.ToString(), c.after) << c.before;
    EXPECT_EQ(source.ToString(), TFrac(c.before).ToString()) << c.before;
  }
}

// A checked operation by name, its result shown as text, "" for none.
struct CheckedOperation {
  const char* name;
  std::string (*result)(const TFrac& left, const TFrac& right);
};

std::string Shown(const std::optional<TFrac>& result) { return result ? result->ToString() : ""; }

template <std::optional<TFrac> (TFrac::*Operation)(const TFrac&) const>
std::string ResultOf(const TFrac& left, const TFrac& right) {
  return Shown((left.*Operation)(right));
}

constexpr CheckedOperation kAdd{"CheckedAdd", ResultOf<&TFrac::CheckedAdd>};
constexpr CheckedOperation kSubtract{"CheckedSubtract", ResultOf<&TFrac::CheckedSubtract>};
constexpr CheckedOperation kMultiply{"CheckedMultiply", ResultOf<&TFrac::CheckedMultiply>};
constexpr CheckedOperation kDivide{"CheckedDivide", ResultOf<&TFrac::CheckedDivide>};
constexpr CheckedOperation kModulo{"CheckedModulo", ResultOf<&TFrac::CheckedModulo>};
// The exponent is the right operand's numerator.
constexpr CheckedOperation kPow{"CheckedPow", [](const TFrac& left, const TFrac& right) {
                                  return Shown(left.CheckedPow(right.Numerator()));
                                }};
// The quotient shown over 1.
constexpr CheckedOperation kFloorDivide{"FloorDivide", [](const TFrac& left, const TFrac& right) {
                                          const std::optional<std::int64_t> q =
                                              left.FloorDivide(right);
                                          return q ? std::to_string(*q) + "/1" : std::string();
                                        }};

TEST(FractionArithmetic, CheckedOperationsGiveTheExactResultOrNone) {
  struct Case {
    CheckedOperation operation;
    const char *left, *right, *result;  // "" for none
  };
  const Case cases[] = {
      {kAdd, "1/6", "1/46", "13/69"},  // b·d = 276 reduces by 4
      {kMultiply, "2147483647/2", "2/2147483647", "1/1"},
      {kDivide, "2147483647/2", "2147483647/2", "1/1"},
      {kAdd, "2/4", "3/6", "1/1"},                      // unreduced operands
      {kSubtract, "1/2147483647", "1/2147483646", ""},  // the denominator needs 62 bits
      {kAdd, "2147483647/1", "1/1", ""},
      {kSubtract, "-2147483647/1", "1/1", ""},  // INT32_MIN as a numerator
      {kMultiply, "65536/1", "65536/1", ""},
      {kDivide, "1/2", "0/1", ""},
      {kDivide, "1/2", "-1/2", "-1/1"},
      {kDivide, "-2147483647/2", "-2147483647/3", "3/2"},
      {kAdd, "1/0", "1/2", ""},  // denominators below 1
      {kMultiply, "1/2", "1/-2", ""},
      {kAdd, "2/4", "-1/-2", ""},
      // Powers, the exponent on the right: the operand reduced first.
      {kPow, "2/4", "-3", "8/1"},
      {kPow, "-2/3", "3", "-8/27"},
      {kPow, "0/5", "0", "1/1"},
      {kPow, "0/1", "-1", ""},
      {kPow, "1/2", "31", ""},
      {kPow, "-2/1", "31", ""},  // INT32_MIN as a numerator
      {kPow, "-1/1", "2147483647", "-1/1"},
      {kPow, "-1/1", "-2147483648", "1/1"},
      {kPow, "2/1", "-2147483648", ""},
      {kPow, "-2147483648/2", "1", "-1073741824/1"},
      {kPow, "-2147483648/1", "-1", ""},
      {kPow, "-2147483648/-1", "1", ""},
      {kPow, "1/0", "0", ""},
      // Floor division (its quotient shown over 1) and the remainder, with
      // the divisor's sign.
      {kFloorDivide, "7/2", "-1/3", "-11/1"},
      {kModulo, "7/2", "-1/3", "-1/6"},
      {kModulo, "-7/2", "1/3", "1/6"},
      {kModulo, "6/4", "1/2", "0/1"},
      {kFloorDivide, "-2147483648/1", "1/2147483647", "-4611686016279904256/1"},  // near -2^62
      {kModulo, "-2147483648/1", "1/2147483647", "0/1"},
      {kFloorDivide, "2147483647/1", "-1/2147483647", "-4611686014132420609/1"},
      {kFloorDivide, "1/2147483647", "-1/2147483646", "-1/1"},
      {kModulo, "1/2147483647", "-1/2147483646", ""},  // -1/(2147483647·2147483646)
      {kModulo, "1/2147483647", "1/2147483646", "1/2147483647"},
      {kFloorDivide, "1/2", "0/1", ""},
      {kModulo, "1/2", "0/5", ""},
      {kFloorDivide, "1/2", "1/-2", ""},
      {kModulo, "1/0", "1/2", ""},
  };
  for (const Case& c : cases) {
    const TFrac left(c.left), right(c.right);
    std::string result;
    const std::string out = StdoutOf([&] { result = c.operation.result(left, right); });
    const std::string description = std::string(c.left) + " " + c.operation.name + " " + c.right;
    EXPECT_EQ(result, c.result) << description;
    EXPECT_EQ(out, "") << description;
  }
}

// An integer in an expression is TFrac(k), made anew for each operation:
// the same results, the same wrap-around, the same messages.
TEST(FractionArithmetic, IntegersInExpressionsAreTheirFractions) {
  for (const char* text : {"1/2", "-7/2", "2147483647/1", "1/0", "0/0"}) {
    for (const std::int32_t k : {0, 1, -3, INT32_MIN}) {
      const TFrac x(text);
      const auto results = [&x](auto y) {
        return (x + y()).ToString() + (y() * x).ToString() + (y() - x).ToString() +
               (x / y()).ToString() + std::to_string(x == y()) + std::to_string(y() < x) +
               std::to_string(x <= y()) + std::to_string(y() != x);
      };
      std::string with_integer, with_fraction;
      const std::string out = StdoutOf([&] { with_integer = results([k] { return k; }); });
      EXPECT_EQ(StdoutOf([&] { with_fraction = results([k] { return TFrac(k); }); }), out);
      EXPECT_EQ(with_integer, with_fraction) << text << " and " << k;
    }
  }
}

TEST(FractionArithmetic, CompoundAssignmentGivesTheOperatorsResult) {
  TFrac f(1, 2);
  f += TFrac(1, 3);
  EXPECT_EQ(f.ToString(), "5/6");
  f -= TFrac(1, 6);
  EXPECT_EQ(f.ToString(), "2/3");
  f *= TFrac(-3, 4);
  EXPECT_EQ(f.ToString(), "-1/2");
  f /= TFrac(-1, 4);
  EXPECT_EQ(f.ToString(), "2/1");
  f /= TFrac();
  EXPECT_EQ(f.ToString(), "0/1");
  const std::string out = StdoutOf([&] { f += TFrac("1/0"); });
  EXPECT_EQ(out, testing::MessageBytes());
  EXPECT_EQ(f.ToString(), "1/0");
}

}  // namespace
}  // namespace fraction
