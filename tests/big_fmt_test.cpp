// fmt::formatter<BigFraction>, from fraction/fmt.h once fraction/big_fraction.h
// is included too: the format table's rows, as BigFraction::Format gives them.
#include "fraction/fmt.h"

#include <fmt/format.h>
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "format_cases.h"
#include "fraction/big_fraction.h"
#include "fraction/tfrac.h"

namespace fraction {
namespace {

TEST(BigFractionFmt, GivesWhatFormatGives) {
  testing::ExpectFormatCases(testing::BigValueOf<BigFraction>, testing::FmtFormatted{},
                             &testing::ErrorText::fmt);
  EXPECT_EQ(fmt::format("{:.3e}|{}|{:*^{}}", BigFraction(2).Pow(100) / 3, BigFraction(-1, 3),
                        TFrac(1, 3), 7U),
            "4.226e+29|-1/3|**1/3**");
}

}  // namespace
}  // namespace fraction
