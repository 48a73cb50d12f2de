#include "fraction/fmt.h"

#include <fmt/format.h>
#include <gtest/gtest.h>

#include <string>

#include "format_cases.h"
#include "fraction/tfrac.h"

namespace fraction {
namespace {

TEST(FractionFmt, GivesWhatFormatGives) {
  testing::ExpectFormatCases(testing::TFracOf, testing::FmtFormatted{}, &testing::ErrorText::fmt);
  EXPECT_EQ(fmt::format("{:>10.3f}|{}|{:*^{}}", TFrac(1, 3), TFrac(-7, 2), TFrac(1, 3), 7U),
            "     0.333|-7/2|**1/3**");
  EXPECT_THROW((void)fmt::format(fmt::runtime("{:{}}"), TFrac(1, 3), 5.0), fmt::format_error);
}

}  // namespace
}  // namespace fraction
