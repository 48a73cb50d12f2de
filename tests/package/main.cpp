#include <fraction/tfrac.h>

#include <iostream>
#include <memory>
#include <sstream>
#include <unordered_set>

#include "plugin.h"

#if defined(FRACTION_CONSUMER_BIG)
#include <fraction/big_fraction.h>

// H_25, where TFrac's 32 bits run out.
bool BigFractionWorks() {
  fraction::BigFraction sum;
  for (int i = 1; i <= 25; ++i) sum += fraction::BigFraction(1, i);
  std::ostringstream text;
  text << sum;
  return text.str() == "34052522467/8923714800" && PluginBigSum() == text.str() &&
         std::hash<fraction::BigFraction>()(fraction::TFrac(1, 2)) ==
             std::hash<fraction::TFrac>()(fraction::TFrac(2, 4));
}
#else
bool BigFractionWorks() { return true; }
#endif

int main() {
  const auto half = std::make_unique<fraction::TFrac>(2, 4);
  const auto third = std::make_unique<fraction::TFrac>("1/3");
  const auto sum = half->Add(third.get());

  fraction::TFrac read;
  std::istringstream("1/3") >> read;
  const fraction::TFrac value_sum = *half + read;
  const std::unordered_set<fraction::TFrac> values = {value_sum, fraction::TFrac("10/12")};
  std::cout << *sum << '\n';
  return sum->ToString() == "5/6" && value_sum == *sum && read < *half && values.size() == 1 &&
                 PluginSum() == "5/6" && BigFractionWorks()
             ? 0
             : 1;
}
