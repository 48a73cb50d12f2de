#ifndef FRACTION_DEMO_SHOWCASE_H
#define FRACTION_DEMO_SHOWCASE_H

#include <memory>
#include <ostream>
#include <vector>

#include "fraction/tfrac.h"

namespace demo {

// Owns every fraction the showcase makes, for as long as the program runs.
class FractionStore {
 public:
  fraction::TFrac* Keep(std::unique_ptr<fraction::TFrac> fraction);

 private:
  std::vector<std::unique_ptr<fraction::TFrac>> kept_;
};

// The demonstration objects; F4 is a second name for F2, not a copy.
// NOLINTBEGIN(readability-identifier-naming): F0 to F5 are the objects'
// names in the program's output ("TFrac(F2)", "F4 = *F2"), kept as such.
struct DemoFractions {
  fraction::TFrac* F0;
  fraction::TFrac* F1;
  fraction::TFrac* F2;
  fraction::TFrac* F3;
  fraction::TFrac* F4;
  fraction::TFrac* F5;
};
// NOLINTEND(readability-identifier-naming)

// Builds F0 to F5 and writes one line for each construction.
DemoFractions ShowConstructions(std::ostream& out, FractionStore& store);

// Writes one line for each operation on the demonstration objects.
void ShowOperations(std::ostream& out, const DemoFractions& f, FractionStore& store);

}  // namespace demo

#endif  // FRACTION_DEMO_SHOWCASE_H
