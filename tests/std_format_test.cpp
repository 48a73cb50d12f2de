// std::formatter<TFrac>, where the standard library has std::format; the
// file compiles to nothing elsewhere.
#include "fraction/format.h"

#ifdef FRACTION_HAS_STD_FORMAT

#include <gtest/gtest.h>

#include <format>
#include <string>

#include "format_cases.h"
#include "fraction/tfrac.h"

namespace fraction {
namespace {

TEST(FractionStdFormat, GivesWhatFormatGives) {
  testing::ExpectFormatCases(testing::TFracOf, testing::StdFormatted{}, testing::kStdFormatErrors);
  EXPECT_EQ(std::format("{:>10.3f}|{}|{:*^{}}", TFrac(1, 3), TFrac(-7, 2), TFrac(1, 3), 7U),
            "     0.333|-7/2|**1/3**");
  const TFrac third(1, 3);
  const double width = 5;
  EXPECT_THROW((void)std::vformat("{:{}}", std::make_format_args(third, width)), std::format_error);
}

}  // namespace
}  // namespace fraction

#endif  // FRACTION_HAS_STD_FORMAT
