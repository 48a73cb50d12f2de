#include <gtest/gtest.h>

#include <cfenv>
#include <string>

#include "fraction/tfrac.h"

namespace fraction {
namespace {

TEST(FractionComparison, EqualComparesTheStoredFields) {
  struct Case {
    const char *left, *right;
    bool equal;
  };
  const Case cases[] = {
      {"1/2", "1/2", true},  {"1/2", "-1/2", false},
      {"1/2", "2/4", false},  // equal values, different fields
      {"0/1", "0/5", false}, {"5/0", "5/0", true},
  };
  for (const Case& c : cases) {
    const TFrac left(c.left), right(c.right);
    EXPECT_EQ(left.Equal(&right), c.equal) << c.left << " == " << c.right;
  }
  const TFrac f(-1, 2);
  const auto copy = std::make_unique<TFrac>(f);
  EXPECT_TRUE(f.Equal(copy.get()));
  EXPECT_TRUE(f.Equal(&f));
}

TEST(FractionComparison, GreaterIsStrictAndDefinedForZeroDenominators) {
  struct Case {
    const char *left, *right;
    bool greater;
  };
  const Case cases[] = {
      {"1/2", "-1/2", true},
      {"1/2", "2/3", false},
      {"1/2", "1/2", false},
      {"1/2", "2/4", false},
      {"1/-2", "0/1", false},  // negative denominators keep their sign
      {"0/1", "1/-2", true},
      {"-2147483648/1", "2147483647/1", false},
      {"2147483647/1", "-2147483648/1", true},
      // x/0 is +infinity for x > 0 and -infinity for x < 0.
      {"1/0", "2147483647/1", true},
      {"2147483647/1", "1/0", false},
      {"-1/0", "-2147483648/1", false},
      {"-2147483648/1", "-1/0", true},
      {"1/0", "-1/0", true},
      {"1/0", "5/0", false},
      // 0/0 is neither greater nor smaller than anything.
      {"0/0", "-1/0", false},
      {"1/0", "0/0", false},
      {"0/0", "0/0", false},
  };
  for (const Case& c : cases) {
    const TFrac left(c.left), right(c.right);
    std::feclearexcept(FE_ALL_EXCEPT);
    EXPECT_EQ(left.Greater(&right), c.greater) << c.left << " > " << c.right;
    EXPECT_FALSE(std::fetestexcept(FE_DIVBYZERO | FE_INVALID))
        << c.left << " > " << c.right << " raised a floating-point exception";
  }
}

}  // namespace
}  // namespace fraction
