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
  testing::ExpectFormatCases(
      testing::TFracOf,
      [](const std::string& format, const TFrac& x, long long first, long long second) {
        try {
          return std::vformat(format, std::make_format_args(x, first, second));
        } catch (const std::format_error& error) {
          return std::string("rejected: ") + error.what();
        }
      },
#ifdef _LIBCPP_VERSION
      &testing::ErrorText::libcxx);
#else
      nullptr);
#endif
  EXPECT_EQ(std::format("{:>10.3f}|{}|{:*^{}}", TFrac(1, 3), TFrac(-7, 2), TFrac(1, 3), 7U),
            "     0.333|-7/2|**1/3**");
  const TFrac third(1, 3);
  const double width = 5;
  EXPECT_THROW((void)std::vformat("{:{}}", std::make_format_args(third, width)), std::format_error);
}

}  // namespace
}  // namespace fraction

#endif  // FRACTION_HAS_STD_FORMAT
