#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "format_cases.h"
#include "fraction/tfrac.h"

namespace fraction {
namespace {

TEST(FractionFormat, GivesTheExactTextOrRejectsTheSpec) {
  for (const testing::FormatCase& c : testing::kFormatCases) {
    if (c.big) continue;
    EXPECT_EQ(TFrac(c.value).Format(c.options).value_or("rejected"),
              c.text != nullptr ? c.text : "rejected")
        << c.value << " with \"" << testing::Escaped(c.options) << '"';
  }
  // No argument to take a width or precision from.
  EXPECT_FALSE(TFrac(1, 3).Format("{}f") || TFrac(1, 3).Format(".{0}f"));
}

// Linear in the precision, where a quadratic insertion of the point or the
// carry would take minutes.
TEST(FractionFormat, TakesAnyPrecision) {
  const std::string fixed = *TFrac(1, 7).Format(".1000000f");
  EXPECT_EQ(fixed.size(), 1000002U);
  EXPECT_EQ(fixed.substr(fixed.size() - 6), "571429");
  EXPECT_EQ(*TFrac(-1, 2).Format(".999999e"), "-5." + std::string(999999, '0') + "e-01");
  EXPECT_EQ(*TFrac(1, 2).Format(".1000000g"), "0.5");
  EXPECT_EQ(TFrac(2, 3).Format(".1000f"), TFrac(2, 3).ToDecimal(1000));
}

}  // namespace
}  // namespace fraction
