#include <fraction/tfrac.h>

#include <cstdio>
#include <memory>

int main() {
  const auto half = std::make_unique<fraction::TFrac>(2, 4);
  const auto third = std::make_unique<fraction::TFrac>("1/3");
  const auto sum = half->Add(third.get());
  std::puts(sum->ToString().c_str());
  return sum->ToString() == "5/6" ? 0 : 1;
}
