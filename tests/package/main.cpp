#include <fraction/tfrac.h>

#include <iostream>
#include <memory>
#include <sstream>
#include <unordered_set>

#include "plugin.h"

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
                 PluginSum() == "5/6"
             ? 0
             : 1;
}
